#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"

#include <algorithm>

namespace {

// The colour indexes of this look.
enum Office2000Color
{
    clrBlack = 0,
    clrActiveCaption = 2,
    clrInactiveCaption = 3,
    clrWindow = 5,
    clrHighlight = 13,
    clrHighlightText = 14,
    clrButtonFace = 15,
    clrButtonShadow = 16,
    clrGrayText = 17,
    clrButtonText = 18,
    clrButtonHighlight = 20,
    clrLightFace = 22
};

} // namespace

CXTPOffice2000Theme::CXTPOffice2000Theme() : m_nPopupTextColor(clrButtonText)
{}

void CXTPOffice2000Theme::FillDitheredRect(CDC* pDC, CRect rc)
{
    static const WORD kPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap bitmap;
    bitmap.CreateBitmap(8, 8, 1, 1, kPattern);
    CBrush brush;
    brush.CreatePatternBrush(&bitmap);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const COLORREF clrOldBack = pDC->SetBkColor(GetColor(clrButtonFace));
    const COLORREF clrOldText = pDC->SetTextColor(GetColor(clrButtonHighlight));
    pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
    pDC->SelectObject(pOldBrush);
}

void CXTPOffice2000Theme::DrawRectangle(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                        BOOL bChecked, BOOL bPopuped, BOOL bToolBar,
                                        XTPBarPosition barPosition)
{
    (void)barPosition;
    if (!bEnabled)
    {
        if ((bChecked && !bToolBar) || nSelected == 2)
            Draw3dRect(pDC, rc, clrButtonShadow, clrButtonHighlight);
        return;
    }
    if (bChecked && !nSelected && !nPressed)
    {
        FillDitheredRect(pDC, rc);
        Draw3dRect(pDC, rc, clrButtonShadow, clrButtonHighlight);
    }
    else if (bChecked || bPopuped || nPressed == 2 || (nSelected && nPressed))
        Draw3dRect(pDC, rc, clrButtonShadow, clrButtonHighlight);
    else if (nSelected || nPressed)
        Draw3dRect(pDC, rc, clrButtonHighlight, clrButtonShadow);
}

void CXTPOffice2000Theme::DrawControlState(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected, int nPressed,
                                           BOOL bChecked, BOOL bPopuped, XTPBarPosition barPosition)
{
    DrawRectangle(pDC, rc, nSelected, nPressed, bEnabled, bChecked, bPopuped, TRUE, barPosition);
    const int nText = !bEnabled                    ? clrGrayText
                      : barPosition == xtpBarPopup ? m_nPopupTextColor
                                                   : clrButtonText;
    pDC->SetTextColor(GetColor(nText));
    pDC->SetBkMode(TRANSPARENT);
}

void CXTPOffice2000Theme::DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage,
                                    int nSelected, int nPressed, BOOL bEnabled, BOOL bChecked, BOOL bPopuped,
                                    BOOL bToolBar)
{
    (void)bToolBar;
    if (pImage == NULL)
        return;
    if (!bEnabled)
    {
        if (!m_iconsInfo.bUseDisabledIcons && !pImage->IsAlpha())
        {
            // Embossed: the highlight one pixel down-right, the shadow on top.
            pImage->DrawMono(pDC, CPoint(pt.x + 1, pt.y + 1), pImage->GetIcon(), sz,
                             GetColor(clrButtonHighlight));
            pImage->DrawMono(pDC, pt, pImage->GetIcon(), sz, GetColor(clrButtonShadow));
        }
        else
            pImage->Draw(pDC, pt, pImage->GetDisabledIcon(), sz);
        return;
    }
    DrawEnabledImage(pDC, pt, CPoint(pt.x + 1, pt.y + 1), sz, pImage, nSelected, nPressed, bChecked,
                     bPopuped);
}

void CXTPOffice2000Theme::FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(&rc);
    pDC->FillSolidRect(rc, GetColor(clrButtonFace));
    const XTPBarPosition barPosition = pBar->GetPosition();
    if (barPosition == xtpBarFloating || barPosition == xtpBarPopup)
    {
        Draw3dRect(pDC, rc, clrButtonFace, clrBlack);
        rc.DeflateRect(1, 1);
    }
    Draw3dRect(pDC, rc, clrButtonHighlight, clrButtonShadow);
}

CSize CXTPOffice2000Theme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsDialogBar())
        return DrawControlGripper(pDC, pBar, bDraw);
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    switch (pBar->GetPosition())
    {
    case xtpBarFloating:
        return DrawFloatingCaption(pDC, pBar, rcClient, GetColor(clrActiveCaption), bDraw);
    case xtpBarLeft:
    case xtpBarRight:
        if (bDraw)
            Draw3dRect(pDC, CRect(3, 3, rcClient.right - 3, 6), clrButtonHighlight, clrButtonShadow);
        return CSize(0, 8);
    case xtpBarTop:
    case xtpBarBottom:
        if (bDraw)
            Draw3dRect(pDC, CRect(3, 3, 6, rcClient.bottom - 3), clrButtonHighlight, clrButtonShadow);
        return CSize(6, 0);
    default:
        return CSize(0, 0);
    }
}

CSize CXTPOffice2000Theme::DrawControlGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    (void)pBar;
    const int nHeight = std::max(22, m_nTextHeight + 4);
    if (bDraw)
        Draw3dRect(pDC, CRect(3, 3, 6, nHeight), clrButtonHighlight, clrButtonShadow);
    return CSize(6, nHeight);
}

CSize CXTPOffice2000Theme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                                   BOOL bDraw)
{
    if (!bDraw)
        return CSize(0, 8);
    const CRect R = pControl->GetRect(), Q = pControl->GetRowRect();
    const XTPBarPosition barPosition = pBar->GetPosition();
    CRect rcGroove;
    if (pBar->GetType() == xtpBarTypePopup)
    {
        CRect rcClient;
        pBar->GetClientRect(&rcClient);
        rcGroove.SetRect(14, R.top - 5, rcClient.right - 14, R.top - 3);
    }
    else if (barPosition == xtpBarLeft || barPosition == xtpBarRight)
        rcGroove = pControl->GetWrap() ? CRect(Q.right + 2, Q.top + 4, Q.right + 4, Q.bottom)
                                       : CRect(Q.left, R.top - 4, Q.right, R.top - 2);
    else
        rcGroove = pControl->GetWrap() ? CRect(Q.left + 4, Q.top - 4, Q.right, Q.top - 2)
                                       : CRect(R.left - 4, Q.top, R.left - 2, Q.bottom);
    Draw3dRect(pDC, rcGroove, clrButtonShadow, clrButtonHighlight);
    return CSize(0, 0);
}

void CXTPOffice2000Theme::AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical)
{
    if (pControl->GetType() == xtpControlComboBox)
        return;
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar != NULL && pBar->GetType() == xtpBarTypePopup)
        rc.DeflateRect(1, 0);
    else if (bVertical)
        rc.InflateRect(0, 1);
    else
        rc.InflateRect(1, 0);
}

CRect CXTPOffice2000Theme::GetCommandBarBorders(CXTPCommandBar* pBar)
{
    if (pBar != NULL && pBar->GetType() == xtpBarTypePopup)
        return CRect(3, 3, 3, 3);
    return CXTPPaintManager::GetCommandBarBorders(pBar);
}

CSize CXTPOffice2000Theme::DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw)
{
    if (bDraw)
        pDC->FillSolidRect(CRect(rc.left, rc.top, rc.right, rc.bottom - 1),
                           GetColor(bSelected ? clrActiveCaption : clrInactiveCaption));
    return CSize(0, 8);
}

CSize CXTPOffice2000Theme::DrawSpecialControl(CDC* pDC, int nWhich, CXTPControl* pButton,
                                              CXTPCommandBar* pBar, BOOL bDraw, LPVOID lpParam)
{
    if (nWhich == 4)
        return DrawCustomizeRow(pDC, pButton, bDraw);
    if (bDraw && (nWhich == 2 || nWhich == 3)
        && (pButton->GetPressed() || pButton->GetSelected() || (nWhich == 3 && IsPopupOpen(pButton))))
        pDC->FillSolidRect(pButton->GetRect(), GetColor(clrButtonFace));
    return CXTPPaintManager::DrawSpecialControl(pDC, nWhich, pButton, pBar, bDraw, lpParam);
}

CSize CXTPOffice2000Theme::DrawCustomizeRow(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    const CSize szIcon = GetIconSize(pControl->GetParent());
    const int bw = std::max((int)szIcon.cx + 4, m_nTextHeight);
    if (!bDraw)
        return DrawControlPopupParent(pDC, pControl, FALSE) + CSize(bw, 0);

    const CRect R = pControl->GetRect();
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected();
    const CRect rcCheck(R.left, R.top, R.left + bw, R.bottom);
    const CRect rcIcon(rcCheck.right, R.top, rcCheck.right + bw, R.bottom);
    if (pControl->GetChecked())
    {
        DrawRectangle(pDC, rcCheck, nSelected, 0, bEnabled, TRUE, FALSE, FALSE, xtpBarPopup);
        DrawCheckMark(pDC, rcCheck, GetColor(m_nPopupTextColor), FALSE);
    }
    CXTPImageManagerIcon* pImage = pControl->GetImage(szIcon.cx);
    if (pImage != NULL)
    {
        DrawRectangle(pDC, rcIcon, nSelected, 0, bEnabled, FALSE, FALSE, FALSE, xtpBarPopup);
        DrawPopupRowImage(pDC, pImage, rcIcon, szIcon, nSelected, bEnabled, FALSE);
    }
    if (nSelected)
        Rectangle(pDC, CRect(rcIcon.right + 1, R.top, R.right, R.bottom), clrHighlight, clrHighlight);

    CString strCaption, strShortcut;
    GetPopupRowTexts(pControl, strCaption, strShortcut);
    pDC->SetTextColor(GetColor(!bEnabled ? clrGrayText : nSelected ? clrHighlightText : m_nPopupTextColor));
    pDC->SetBkMode(TRANSPARENT);
    CRect rcCaption(rcIcon.right + 4, R.top, R.right, R.bottom);
    DrawControlCaption(pDC, strCaption, &rcCaption, DT_END_ELLIPSIS, TRUE, nSelected, bEnabled);
    if (!strShortcut.IsEmpty())
    {
        CRect rcShortcut(rcCaption.left, R.top, R.right - 19, R.bottom);
        DrawControlCaption(pDC, strShortcut, &rcShortcut, DT_RIGHT, TRUE, nSelected, bEnabled);
    }
    return CSize(0, 0);
}

void CXTPOffice2000Theme::DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc)
{
    const BOOL bOpen = IsPopupOpen(pControl);
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected();
    const int nPressed = pControl->GetPressed();
    CXTPCommandBar* pBar = pControl->GetParent();
    const XTPBarPosition barPosition = pBar != NULL ? pBar->GetPosition() : xtpBarTop;
    DrawControlState(pDC, CRect(rc.left, rc.top, rc.right - 12, rc.bottom), bEnabled, nSelected || bOpen,
                     nPressed, pControl->GetChecked(), FALSE, barPosition);
    if ((nSelected || nPressed || bOpen) && bEnabled)
        DrawControlState(pDC, CRect(rc.right - 12, rc.top, rc.right, rc.bottom), TRUE, TRUE, 0, FALSE, bOpen,
                         barPosition);
    const int x = rc.right - 7, y = rc.CenterPoint().y;
    Triangle(pDC, CPoint(x, y + 1), CPoint(x + 2, y - 1), CPoint(x - 2, y - 1), pDC->GetTextColor());
}

void CXTPOffice2000Theme::DrawControlFieldFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected)
{
    if (bEnabled)
        Draw3dRect(pDC, rc, clrButtonShadow, clrButtonHighlight);
    else
    {
        const int nFrame = nSelected == 2 ? clrButtonShadow : clrButtonHighlight;
        Draw3dRect(pDC, rc, nFrame, nFrame);
    }
}

void CXTPOffice2000Theme::DrawComboDropDownButton(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected,
                                                  BOOL bDropped)
{
    (void)bSelected;
    if (bEnabled)
    {
        rc.left -= 1;
        rc.top += 1;
        rc.right -= 1;
        rc.bottom -= 1;
        Rectangle(pDC, rc, clrButtonFace, clrButtonFace);
        if (!bDropped)
        {
            Draw3dRect(pDC, rc, clrButtonFace, clrBlack);
            CRect rcInner = rc;
            rcInner.DeflateRect(1, 1);
            Draw3dRect(pDC, rcInner, clrButtonHighlight, clrButtonShadow);
        }
        else
            Draw3dRect(pDC, rc, clrButtonShadow, clrButtonShadow);
    }
    CFont* pOldFont = pDC->SelectObject(&m_fontSymbol);
    pDC->SetTextColor(GetColor(clrButtonText));
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText("u", 1, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}

void CXTPOffice2000Theme::DrawControlCaption(CDC* pDC, const CString& strText, CRect* pRect, UINT nFormat,
                                             BOOL bDraw, BOOL bSelected, BOOL bEnabled)
{
    nFormat |= DT_VCENTER | DT_SINGLELINE;
    if (!bDraw)
    {
        pDC->DrawText(strText, *pRect, nFormat | DT_CALCRECT);
        return;
    }
    if (!bEnabled && !bSelected)
        DrawEmbossShadow(pDC, strText, *pRect, nFormat);
    pDC->DrawText(strText, *pRect, nFormat);
}

CSize CXTPOffice2000Theme::DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const CSize szIcon = GetIconSize(pBar);
    const CSize szBox(std::max((int)szIcon.cx + 4, m_nTextHeight),
                      std::max((int)szIcon.cy + 4, m_nTextHeight));
    const int bw = szBox.cx;
    const XTPControlType type = pControl->GetType();
    const BOOL bDrawImage = ShowsPopupRowImage(pControl);
    const BOOL bRTL = pBar != NULL && pBar->IsLayoutRTL();
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected();
    const BOOL bChecked = pControl->GetChecked();

    CString strCaption, strShortcut;
    GetPopupRowTexts(pControl, strCaption, strShortcut);

    const CRect R = pControl->GetRect();
    if (!bDraw)
    {
        CRect rcCaption(0, 0, 0, 0), rcShortcut(0, 0, 0, 0);
        DrawControlCaption(pDC, strCaption, &rcCaption, 0, FALSE, nSelected, bEnabled);
        if (!strShortcut.IsEmpty())
            DrawControlCaption(pDC, strShortcut, &rcShortcut, DT_RIGHT, FALSE, nSelected, bEnabled);
        return CSize(bw + rcCaption.Width() + rcShortcut.Width() + 40, szBox.cy);
    }

    const CRect I(R.left, R.top, R.left + bw, R.bottom);
    CRect T(I.right + 1, R.top, R.right, R.bottom);
    if (pControl->GetExpanded())
        pDC->FillSolidRect(R, GetColor(clrLightFace));
    const int nText = !bEnabled ? clrGrayText : nSelected ? clrHighlightText : m_nPopupTextColor;

    CXTPImageManagerIcon* pImage = bDrawImage ? pControl->GetImage(szIcon.cx) : NULL;
    if (pImage != NULL || bChecked)
        DrawRectangle(pDC, I, nSelected, 0, bEnabled, bChecked, FALSE, FALSE, xtpBarPopup);
    if (pImage != NULL)
        DrawPopupRowImage(pDC, pImage, I, szIcon, nSelected, bEnabled, bChecked);
    else if (bChecked)
        DrawCheckMark(pDC, I, GetColor(m_nPopupTextColor), bRTL);

    COLORREF clrArrow = GetColor(nText);
    if (!IsPopupControlType(type))
    {
        if (nSelected)
            Rectangle(pDC, T, clrHighlight, clrHighlight);
    }
    else if (type == xtpControlSplitButtonPopup && bEnabled)
    {
        if (!(IsPopupOpen(pControl) && nSelected))
        {
            if (nSelected)
                Rectangle(pDC, T, clrHighlight, clrHighlight);
            Line(pDC, R.right - 20, R.top + 1, R.right - 20, R.bottom - 1,
                 nSelected ? clrButtonShadow : m_nPopupTextColor);
        }
        else
        {
            T.right = R.right - 20;
            Draw3dRect(pDC, CRect(R.right - 20, R.top, R.right, R.bottom), clrButtonShadow,
                       clrButtonHighlight);
            Rectangle(pDC, T, clrHighlight, clrHighlight);
            clrArrow = GetColor(m_nPopupTextColor);
        }
    }
    else if (nSelected)
        Rectangle(pDC, T, clrHighlight, clrHighlight);
    if (IsPopupControlType(type))
        DrawPopupArrow(pDC, R, clrArrow);

    pDC->SetTextColor(GetColor(nText));
    pDC->SetBkMode(TRANSPARENT);
    CRect rcCaption(R.left + 4 + bw, R.top, R.right, R.bottom);
    DrawControlCaption(pDC, strCaption, &rcCaption, DT_END_ELLIPSIS, TRUE, nSelected, bEnabled);
    if (!strShortcut.IsEmpty())
    {
        CRect rcShortcut(R.left + 8 + bw, R.top, R.right - 19, R.bottom);
        DrawControlCaption(pDC, strShortcut, &rcShortcut, DT_RIGHT, TRUE, nSelected, bEnabled);
    }
    return CSize(0, 0);
}
