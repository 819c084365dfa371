#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"

#include <algorithm>

namespace {

// The colour indexes of this look.
enum OfficeXPColor
{
    clrWindow = 5,
    clrButtonFace = 15,
    clrButtonShadow = 16,
    clrButtonHighlight = 20,
    clrBarFace = 30,
    clrHotFill = 31,
    clrHotFrame = 32,
    clrPressedFill = 33,
    clrPopupDisabledText = 35,
    clrCheckedFill = 36,
    clrCheckedHotFrame = 37,
    clrGripper = 38,
    clrSeparator = 39,
    clrDisabled = 40,
    clrPopupBack = 41,
    clrExpandedColumn = 42,
    clrPopupFrame = 43,
    clrPopupText = 44,
    clrHotText = 45,
    clrBarText = 46,
    clrPressedText = 47,
    clrCheckedFrame = 50,
    clrLabelBack = 56
};

} // namespace

CXTPOfficeXPTheme::CXTPOfficeXPTheme()
{
    m_iconsInfo.bUseFadedIcons = TRUE;
    m_iconsInfo.bIconsWithShadow = TRUE;
}

void CXTPOfficeXPTheme::FillPopupIconColumn(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded)
{
    pDC->FillSolidRect(x, y, cx, cy, GetColor(bExpanded ? clrExpandedColumn : clrBarFace));
}

int CXTPOfficeXPTheme::GetPopupIconColumnWidth(CXTPCommandBar* pBar) const
{
    int cx = pBar != NULL ? (int)pBar->GetIconSize().cx : 16;
    if (cx <= m_nTextHeight)
        cx = m_nTextHeight;
    return cx + 5;
}

int CXTPOfficeXPTheme::GetPopupBoxWidth(CSize szIcon) const
{
    return std::max((int)szIcon.cx, m_nTextHeight) + 4;
}

int CXTPOfficeXPTheme::GetPopupRowHeight(CSize szIcon) const
{
    return std::max((int)szIcon.cy + 6, m_nTextHeight);
}

void CXTPOfficeXPTheme::DrawRectangle(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                      BOOL bChecked, BOOL bPopuped, BOOL bToolBar, XTPBarPosition barPosition)
{
    (void)barPosition;
    if (!bEnabled)
    {
        if (bChecked && !bToolBar)
            Rectangle(pDC, rc, clrDisabled, clrBarFace);
        // A disabled item the keyboard reached still shows where it is.
        if (nSelected == 2)
            Rectangle(pDC, rc, clrHotFrame, bToolBar ? clrHotFill : clrPopupBack);
        return;
    }
    if (bPopuped)
        Rectangle(pDC, rc, clrPopupFrame, clrBarFace);
    else if (bChecked && !nSelected && !nPressed)
        Rectangle(pDC, rc, clrCheckedFrame, clrCheckedFill);
    else if (bChecked && nSelected && !nPressed)
        Rectangle(pDC, rc, clrCheckedHotFrame, clrPressedFill);
    else if (nPressed == 2 || (nSelected && nPressed))
        Rectangle(pDC, rc, clrCheckedFrame, clrPressedFill);
    else if (nSelected || nPressed)
        Rectangle(pDC, rc, clrHotFrame, clrHotFill);
}

void CXTPOfficeXPTheme::DrawControlState(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected, int nPressed,
                                         BOOL bChecked, BOOL bPopuped, XTPBarPosition barPosition)
{
    DrawRectangle(pDC, rc, nSelected, nPressed, bEnabled, bChecked, bPopuped, TRUE, barPosition);
    int nText;
    if (!bEnabled)
        nText = clrDisabled;
    else if (bPopuped)
        nText = clrBarText;
    else if (bChecked && !nSelected && !nPressed)
        nText = clrHotText;
    else if (nPressed == 2 || (nSelected && (nPressed || bChecked)))
        nText = clrPressedText;
    else if (nSelected || nPressed)
        nText = clrHotText;
    else
        nText = barPosition == xtpBarPopup ? clrPopupText : clrBarText;
    pDC->SetTextColor(GetColor(nText));
    pDC->SetBkMode(TRANSPARENT);
}

void CXTPOfficeXPTheme::DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, int nSelected,
                                  int nPressed, BOOL bEnabled, BOOL bChecked, BOOL bPopuped, BOOL bToolBar)
{
    (void)bToolBar;
    if (pImage == NULL)
        return;
    if (!bEnabled)
    {
        if (!m_iconsInfo.bUseDisabledIcons && !pImage->IsAlpha())
            pImage->DrawMono(pDC, pt, pImage->GetIcon(), sz, GetColor(clrDisabled));
        else
            pImage->Draw(pDC, pt, pImage->GetDisabledIcon(), sz);
        return;
    }
    DrawEnabledImage(pDC, pt, pt, sz, pImage, nSelected, nPressed, bChecked, bPopuped);
}

void CXTPOfficeXPTheme::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    const XTPBarPosition barPosition = pBar->GetPosition();
    if (barPosition == xtpBarFloating)
    {
        const COLORREF clrPen = GetColor(clrPopupFrame);
        const COLORREF clrBrush = GetColor(pBar->GetType() == xtpBarTypeMenuBar ? clrButtonFace : clrBarFace);
        CRect rc = rcClient;
        pDC->FillSolidRect(rc, clrBrush);
        pDC->Draw3dRect(rc, clrPen, clrPen);
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(rc, clrPen, clrPen);
        pDC->SetPixel(2, 2, clrPen);
        pDC->SetPixel(rcClient.right - 3, 2, clrPen);
        pDC->SetPixel(2, rcClient.bottom - 3, clrPen);
        pDC->SetPixel(rcClient.right - 3, rcClient.bottom - 3, clrPen);
    }
    else if (pBar->GetType() == xtpBarTypeMenuBar)
        pDC->FillSolidRect(rcClient, GetColor(clrButtonFace));
    else if (barPosition == xtpBarPopup)
    {
        Rectangle(pDC, rcClient, clrPopupFrame, clrPopupBack);
        if (pBar->GetType() == xtpBarTypePopup)
            FillPopupIconColumn(pDC, 1, 2, GetPopupIconColumnWidth(pBar), rcClient.Height() - 4, FALSE);
        FillPopupOwnerGap(pDC, pBar, GetColor(clrBarFace));
    }
    else
    {
        // A docked toolbar: its frame and corners in the dock's colour, so
        // the corners look rounded.
        const COLORREF clrFace = GetColor(clrButtonFace);
        pDC->FillSolidRect(rcClient, GetColor(clrBarFace));
        pDC->Draw3dRect(rcClient, clrFace, clrFace);
        pDC->SetPixel(1, 1, clrFace);
        pDC->SetPixel(rcClient.right - 2, 1, clrFace);
        pDC->SetPixel(1, rcClient.bottom - 2, clrFace);
        pDC->SetPixel(rcClient.right - 2, rcClient.bottom - 2, clrFace);
    }
}

void CXTPOfficeXPTheme::FillPopupOwnerGap(CDC* pDC, CXTPCommandBar* pPopupBar, COLORREF clr)
{
    CXTPControlPopup* pOpener = pPopupBar->GetControlPopup();
    if (pOpener == NULL || pOpener->GetParent() == NULL || pOpener->GetParent()->GetSafeHwnd() == NULL)
        return;
    CRect rcControl = pOpener->GetRect();
    pOpener->GetParent()->ClientToScreen(&rcControl);
    CRect rcWindow;
    pPopupBar->GetWindowRect(&rcWindow);
    CRect rcGap;
    if (!rcGap.IntersectRect(&rcControl, &rcWindow))
        return;
    pPopupBar->ScreenToClient(&rcGap);
    if (rcGap.Width() > 1)
        rcGap.DeflateRect(1, 0);
    if (rcGap.Height() > 1)
        rcGap.DeflateRect(0, 1);
    pDC->FillSolidRect(rcGap, clr);
}

CSize CXTPOfficeXPTheme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsDialogBar())
        return DrawControlGripper(pDC, pBar, bDraw);
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    switch (pBar->GetPosition())
    {
    case xtpBarFloating:
        return DrawFloatingCaption(pDC, pBar, rcClient, GetColor(clrButtonShadow), bDraw);
    case xtpBarLeft:
    case xtpBarRight:
        if (bDraw)
        {
            for (int x = 5; x < rcClient.Width() - 5; x += 2)
                Line(pDC, x, 6, x, 3, clrGripper);
        }
        return CSize(0, 8);
    case xtpBarTop:
    case xtpBarBottom:
        if (bDraw)
        {
            for (int y = 5; y < rcClient.Height() - 5; y += 2)
                Line(pDC, 6, y, 3, y, clrGripper);
        }
        return CSize(6, 0);
    default:
        return CSize(0, 0);
    }
}

CSize CXTPOfficeXPTheme::DrawControlGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    (void)pBar;
    const int nHeight = std::max(22, m_nTextHeight + 4);
    if (bDraw)
    {
        for (int y = 6; y < nHeight - 2; y += 2)
            Line(pDC, 6, y, 3, y, clrGripper);
    }
    return CSize(6, nHeight);
}

CSize CXTPOfficeXPTheme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                                 BOOL bDraw)
{
    if (!bDraw)
        return CSize(0, 3);
    const CRect R = pControl->GetRect(), Q = pControl->GetRowRect();
    CPen pen(PS_SOLID, 1, GetColor(clrSeparator));
    CPen* pOldPen = pDC->SelectObject(&pen);
    const XTPBarPosition barPosition = pBar->GetPosition();
    if (pBar->GetType() == xtpBarTypePopup)
    {
        CRect rcClient;
        pBar->GetClientRect(&rcClient);
        const int W = GetPopupIconColumnWidth(pBar);
        const int x = W + 9 + (pControl->IsResetRow() ? W - 1 : 0);
        Line(pDC, CPoint(x, R.top - 2), CPoint(rcClient.right - 1, R.top - 2));
    }
    else if (barPosition == xtpBarLeft || barPosition == xtpBarRight)
    {
        if (pControl->GetWrap())
            Line(pDC, CPoint(Q.right + 2, Q.top + 4), CPoint(Q.right + 2, Q.bottom));
        else
            Line(pDC, CPoint(Q.left, R.top - 4), CPoint(Q.right, R.top - 4));
    }
    else
    {
        if (pControl->GetWrap())
            Line(pDC, CPoint(Q.left + 4, Q.top - 4), CPoint(Q.right, Q.top - 4));
        else
            Line(pDC, CPoint(R.left - 4, Q.top), CPoint(R.left - 4, Q.bottom));
    }
    pDC->SelectObject(pOldPen);
    return CSize(0, 0);
}

void CXTPOfficeXPTheme::AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar != NULL && pBar->GetType() == xtpBarTypePopup)
        rc.InflateRect(1, 0);
    else if (pControl->GetType() != xtpControlComboBox)
    {
        if (bVertical)
            rc.DeflateRect(1, 0);
        else
            rc.DeflateRect(0, 1);
    }
}

CSize CXTPOfficeXPTheme::DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw)
{
    if (!bDraw)
        return CSize(0, 9);
    CRect rcStrip(1, 1, rc.right + 1, rc.Height() + 1);
    pDC->FillSolidRect(rcStrip, GetColor(clrPopupBack));
    rcStrip.DeflateRect(1, 1);
    // The grip lines take the middle of the strip: 20 pixels less than its
    // width (a strip 30 wide has lines 10 long), at most 32.
    const int w = std::min(rc.Width() / 2 - 10, 16);
    const int x0 = rc.CenterPoint().x - w, x1 = rc.CenterPoint().x + w;
    if (!bSelected)
    {
        pDC->FillSolidRect(rcStrip, GetColor(clrBarFace));
        if (x0 < x1)
        {
            for (int y = 3; y <= 7; y += 2)
                Line(pDC, x0, y, x1, y, clrGripper);
        }
    }
    else
    {
        Rectangle(pDC, rcStrip, clrHotFrame, clrHotFill);
        if (x0 < x1)
        {
            Line(pDC, x0, 4, x1, 4, clrHotText);
            Line(pDC, x0, 6, x1, 6, clrHotText);
        }
    }
    return CSize(0, 9);
}

CSize CXTPOfficeXPTheme::DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const CSize szIcon = pBar != NULL ? pBar->GetIconSize() : CSize(16, 16);
    const int nBox = GetPopupBoxWidth(szIcon);
    const int nRowHeight = GetPopupRowHeight(szIcon);
    const XTPControlType type = pControl->GetType();
    const BOOL bDrawImage = ShowsPopupRowImage(pControl);
    const BOOL bRTL = pBar != NULL && pBar->IsLayoutRTL();
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected();
    const BOOL bChecked = pControl->GetChecked();

    CString strCaption, strShortcut;
    GetPopupRowTexts(pControl, strCaption, strShortcut);

    const CRect R = pControl->GetRect();
    CRect rcCaption(R.left + nBox + 8, R.top, R.right, R.bottom);
    if (bDraw)
    {
        const CRect I(R.left, R.top, R.left + nBox, R.bottom);
        if (pControl->GetExpanded())
            FillPopupIconColumn(pDC, 1, R.top, nBox + 1, R.Height(), TRUE);
        if (pControl->IsLabelControl())
            pDC->FillSolidRect(CRect(nBox + 3, R.top, R.right, R.bottom), GetColor(clrLabelBack));
        else
            DrawRectangle(pDC, R, nSelected, 0, bEnabled, FALSE, FALSE, FALSE, xtpBarPopup);
        if (bChecked && bEnabled)
            DrawRectangle(pDC, I, nSelected, 0, bEnabled, TRUE, FALSE, FALSE, xtpBarPopup);

        CXTPImageManagerIcon* pImage = bDrawImage ? pControl->GetImage(szIcon.cx) : NULL;
        if (pImage != NULL)
            DrawPopupRowImage(pDC, pImage, I, szIcon, nSelected, bEnabled, bChecked);
        else if (bChecked)
            DrawCheckMark(pDC, I, RGB(0, 0, 0), bRTL);

        const int nText = !bEnabled ? clrPopupDisabledText : nSelected ? clrHotText : clrPopupText;
        pDC->SetTextColor(GetColor(nText));
        pDC->SetBkMode(TRANSPARENT);

        if (IsPopupControlType(type))
        {
            COLORREF clrArrow = GetColor(nText);
            if (type == xtpControlSplitButtonPopup && bEnabled)
            {
                if (!IsPopupOpen(pControl) || !nSelected)
                    Line(pDC, R.right - 20, R.top + 1, R.right - 20, R.bottom - 1,
                         nSelected ? clrHotFrame : clrButtonShadow);
                else
                {
                    Rectangle(pDC, CRect(R.right - 20, R.top, R.right, R.bottom), clrHotFrame,
                              clrPressedFill);
                    clrArrow = GetColor(clrPressedText);
                }
            }
            DrawPopupArrow(pDC, R, clrArrow);
        }
        pDC->DrawText(strCaption, rcCaption, DT_END_ELLIPSIS | DT_VCENTER | DT_SINGLELINE);
        if (!strShortcut.IsEmpty())
        {
            CRect rcShortcut(rcCaption.left, R.top, R.right - 19, R.bottom);
            pDC->DrawText(strShortcut, rcShortcut, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        }
        return CSize(0, 0);
    }

    CRect rcCalc(0, 0, 0, 0);
    pDC->DrawText(strCaption, rcCalc, DT_CALCRECT | DT_VCENTER | DT_SINGLELINE);
    int nShortcutWidth = 0;
    if (!strShortcut.IsEmpty())
    {
        CRect rcShortcut(0, 0, 0, 0);
        pDC->DrawText(strShortcut, rcShortcut, DT_CALCRECT | DT_VCENTER | DT_SINGLELINE);
        nShortcutWidth = rcShortcut.Width();
    }
    return CSize(nBox + rcCalc.Width() + 40 + nShortcutWidth, nRowHeight);
}

CSize CXTPOfficeXPTheme::DrawSpecialControl(CDC* pDC, int nWhich, CXTPControl* pButton, CXTPCommandBar* pBar,
                                            BOOL bDraw, LPVOID lpParam)
{
    if (nWhich != 4)
        return CXTPPaintManager::DrawSpecialControl(pDC, nWhich, pButton, pBar, bDraw, lpParam);
    const CSize szIcon = pBar != NULL ? pBar->GetIconSize() : CSize(16, 16);
    const int nBox = GetPopupBoxWidth(szIcon);
    if (!bDraw)
        return DrawControlPopupParent(pDC, pButton, FALSE) + CSize(nBox, 0);

    const CRect R = pButton->GetRect();
    const BOOL bEnabled = pButton->GetEnabled();
    const int nSelected = pButton->GetSelected();
    // The popup's icon column (from x 1 to the first box's end) carries on
    // over the second box; a reset line's fill also covers the separator
    // above it.
    pDC->FillSolidRect(CRect(nBox + 1, R.top - (pButton->IsResetRow() ? 3 : 0), 2 * nBox, R.bottom),
                       GetColor(clrBarFace));
    DrawRectangle(pDC, R, nSelected, 0, bEnabled, FALSE, FALSE, FALSE, xtpBarPopup);
    const CRect rcCheck(R.left, R.top, R.left + nBox, R.bottom);
    const CRect rcIcon(rcCheck.right, R.top, rcCheck.right + nBox, R.bottom);
    CXTPImageManagerIcon* pImage = pButton->GetImage(szIcon.cx);
    if (pImage != NULL)
        DrawPopupRowImage(pDC, pImage, rcIcon, szIcon, nSelected, bEnabled, FALSE);
    if (pButton->GetChecked())
    {
        DrawRectangle(pDC, rcCheck, nSelected, 0, bEnabled, TRUE, FALSE, FALSE, xtpBarPopup);
        DrawCheckMark(pDC, rcCheck, bEnabled ? RGB(0, 0, 0) : GetColor(clrDisabled), FALSE);
    }

    CString strCaption, strShortcut;
    GetPopupRowTexts(pButton, strCaption, strShortcut);
    pDC->SetTextColor(GetColor(!bEnabled ? clrPopupDisabledText : nSelected ? clrHotText : clrPopupText));
    pDC->SetBkMode(TRANSPARENT);
    CRect rcCaption(R.left + 8 + 2 * nBox, R.top, R.right, R.bottom);
    pDC->DrawText(strCaption, rcCaption, DT_END_ELLIPSIS | DT_VCENTER | DT_SINGLELINE);
    if (!strShortcut.IsEmpty())
    {
        CRect rcShortcut(rcCaption.left, R.top, R.right - 19, R.bottom);
        pDC->DrawText(strShortcut, rcShortcut, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
    return CSize(0, 0);
}

void CXTPOfficeXPTheme::DrawStatusBarPaneBorder(CDC* pDC, CRect rc)
{
    Draw3dRect(pDC, rc, clrButtonShadow, clrButtonShadow);
}

CSize CXTPOfficeXPTheme::DrawControlPopupRow(CDC* pDC, CXTPControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                             CSize szIcon, BOOL bRightToLeft)
{
    const CSize szRow(GetPopupBoxWidth(szIcon), GetPopupRowHeight(szIcon));
    if (!bDraw)
        return szRow;
    pDC->FillSolidRect(rc, GetColor(clrPopupBack));
    FillPopupIconColumn(pDC, 0, rc.top, szRow.cx + 1, rc.Height(), FALSE);
    if (pControl == NULL)
        return CSize(0, 0);
    if (bSelected)
        DrawRectangle(pDC, rc, TRUE, 0, TRUE, FALSE, FALSE, FALSE, xtpBarPopup);
    CXTPImageManagerIcon* pImage = ShowsPopupRowImage(pControl) ? pControl->GetImage(szIcon.cx) : NULL;
    if (pImage != NULL)
        DrawPopupRowImage(pDC, pImage, CRect(rc.left, rc.top, rc.left + szRow.cx, rc.bottom), szIcon, bSelected, TRUE,
                          FALSE);
    const ListRowColors colors = {bSelected ? clrHotText : clrPopupText, bSelected ? clrHotFrame : clrButtonShadow,
                                  bSelected ? clrHotFrame : clrButtonFace};
    const CRect rcButton = DrawListRowParts(pDC, pControl, rc, rc.left + szRow.cx + 8, colors, bRightToLeft);
    if (rcButton.IsRectEmpty())
        return szRow;
    // The combo box's button: the hot box when selected.
    if (bSelected)
        DrawRectangle(pDC, rcButton, TRUE, 0, TRUE, FALSE, FALSE, FALSE, xtpBarPopup);
    else
        pDC->FillSolidRect(CRect(rcButton.left + 2, rcButton.top + 2, rcButton.right - 2, rcButton.bottom - 2),
                           GetColor(clrButtonFace));
    DrawListRowComboArrow(pDC, rcButton, bSelected);
    return szRow;
}
