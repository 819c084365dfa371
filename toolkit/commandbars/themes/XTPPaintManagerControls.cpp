// The paint manager's drawing of controls on toolbars and menu bars: the
// dispatch by bar, the toolbar layout of image and caption, captions
// (straight or turned), split buttons and the special buttons of bars.
#include "toolkit/commandbars/themes/XTPPaintManager.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"

#include <algorithm>

namespace {

// The arrow part of a split button on a toolbar.
const int kSplitArrowWidth = 11;

BOOL IsVerticalPosition(XTPBarPosition barPosition)
{
    return barPosition == xtpBarLeft || barPosition == xtpBarRight;
}

// A small drop-down triangle: tip nTipBelow below the centre line at x,
// base nHalf to each side nBaseAbove above it.
CPoint TrianglePoints(int x, int yCentre, int nTipBelow, int nHalf, int nBaseAbove, CPoint* pBase)
{
    pBase[0] = CPoint(x - nHalf, yCentre - nBaseAbove);
    pBase[1] = CPoint(x + nHalf, yCentre - nBaseAbove);
    return CPoint(x, yCentre + nTipBelow);
}

} // namespace

BOOL CXTPPaintManager::IsPopupOpen(CXTPControl* pControl)
{
    CXTPControlPopup* pPopup = DYNAMIC_DOWNCAST(CXTPControlPopup, pControl);
    return pPopup != NULL && pPopup->GetPopup();
}

void CXTPPaintManager::GetPopupRowTexts(CXTPControl* pControl, CString& strCaption, CString& strShortcut)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    strCaption = pControl->GetCaption();
    if (pBar != NULL && pBar->IsLayoutRTL())
        PrepareMenuCaption(strCaption);
    strShortcut.Empty();
    if (pControl->GetType() == xtpControlButton)
        strShortcut = pControl->GetShortcutText().IsEmpty() ? pControl->GetAutoShortcutText()
                                                            : pControl->GetShortcutText();
}

BOOL CXTPPaintManager::ShowsPopupRowImage(CXTPControl* pControl)
{
    const XTPButtonStyle style = pControl->GetStyle();
    return style == xtpButtonIcon || style == xtpButtonIconAndCaption
           || (style == xtpButtonAutomatic && pControl->GetType() != xtpControlPopup);
}

void CXTPPaintManager::DrawPopupRowImage(CDC* pDC, CXTPImageManagerIcon* pImage, CRect rcBox, CSize szIcon,
                                         int nSelected, BOOL bEnabled, BOOL bChecked)
{
    const CSize szExtent = pImage->GetExtent();
    const CSize szDraw(szIcon.cx, szExtent.cx > 0 ? szIcon.cx * szExtent.cy / szExtent.cx : szIcon.cy);
    const CPoint pt(rcBox.left + (rcBox.Width() - szDraw.cx) / 2,
                    rcBox.top + (rcBox.Height() - szDraw.cy) / 2);
    DrawImage(pDC, pt, szDraw, pImage, nSelected, 0, bEnabled, bChecked, FALSE, FALSE);
}

void CXTPPaintManager::DrawPopupArrow(CDC* pDC, CRect rcRow, COLORREF clr)
{
    const int x = rcRow.right - 11, y = rcRow.CenterPoint().y;
    Triangle(pDC, CPoint(x, y + 3), CPoint(x + 3, y), CPoint(x, y - 3), clr);
}

CSize CXTPPaintManager::DrawControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    // Edit and combo fields draw with their own operations; their windows
    // take this paint manager's font first.
    if (CXTPControlEdit* pEdit = DYNAMIC_DOWNCAST(CXTPControlEdit, pControl))
    {
        TakeFieldFont(pEdit->GetEditWnd());
        return DrawControlEdit(pDC, pEdit, bDraw);
    }
    if (CXTPControlComboBox* pComboBox = DYNAMIC_DOWNCAST(CXTPControlComboBox, pControl))
    {
        TakeFieldFont(pComboBox->GetEditWnd());
        return DrawControlComboBox(pDC, pComboBox, bDraw);
    }
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar != NULL && pBar->GetType() == xtpBarTypePopup)
        return DrawControlPopupParent(pDC, pControl, bDraw);
    return DrawControlToolBarParent(pDC, pControl, bDraw);
}

void CXTPPaintManager::DrawComboBoxText(CDC* pDC, CXTPControlComboBox* pComboBox, CRect rcField, CRect rcButton)
{
    const int kWindowText = 8;
    CRect rcText(rcField.left + 3, rcField.top + 1, rcButton.left, rcField.bottom - 1);
    CFont* pOldFont = pDC->SelectObject(&m_fontIcon);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetColor(kWindowText));
    pDC->DrawText(pComboBox->GetEditText(), rcText, DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}

void CXTPPaintManager::TakeFieldFont(CWnd* pFieldWnd)
{
    if (pFieldWnd == NULL || pFieldWnd->GetSafeHwnd() == NULL)
        return;
    HFONT hFont = (HFONT)m_fontIcon.GetSafeHandle();
    if ((HFONT)pFieldWnd->SendMessage(WM_GETFONT) == hFont)
        return;
    pFieldWnd->SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
    pFieldWnd->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

void CXTPPaintManager::DrawControlEntry(CDC* pDC, CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    DrawControlState(pDC, pControl->GetRect(), pControl->GetEnabled(), pControl->GetSelected(),
                     pControl->GetPressed(), pControl->GetChecked(),
                     IsPopupControlType(pControl->GetType()) && IsPopupOpen(pControl),
                     pBar != NULL ? pBar->GetPosition() : xtpBarTop);
}

void CXTPPaintManager::DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const XTPBarPosition barPosition = pBar != NULL ? pBar->GetPosition() : xtpBarTop;
    const BOOL bPopuped = IsPopupOpen(pControl);
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected(), nPressed = pControl->GetPressed();

    CRect rcMain = rc;
    if (!bPopuped)
        rcMain.right -= kSplitArrowWidth;
    DrawControlState(pDC, rcMain, bEnabled, nSelected, nPressed, pControl->GetChecked(), bPopuped,
                     barPosition);
    if ((nSelected || nPressed) && !bPopuped && bEnabled)
        DrawControlState(pDC, CRect(rc.right - kSplitArrowWidth - 1, rc.top, rc.right, rc.bottom), TRUE, TRUE,
                         FALSE, FALSE, FALSE, barPosition);

    CPoint ptBase[2];
    const CPoint ptTip = TrianglePoints(rc.right - 7, rc.CenterPoint().y, 1, 2, 1, ptBase);
    Triangle(pDC, ptTip, ptBase[0], ptBase[1], pDC->GetTextColor());
}

CSize CXTPPaintManager::DrawTextEx(CDC* pDC, const CString& strCaption, CRect rcText, BOOL bDraw,
                                   BOOL bVertical, BOOL bCentered, BOOL bTriangled, BOOL bEmbossed)
{
    CString strMeasured = strCaption;
    StripMnemonics(strMeasured);
    const CSize szText = pDC->GetTextExtent(strMeasured.IsEmpty() ? CString(" ") : strMeasured);
    if (!bDraw)
    {
        CSize size(szText.cx + (bTriangled ? 10 : 0), szText.cy);
        return bVertical ? CSize(size.cy, size.cx) : size;
    }

    const int nWidth = szText.cx + (bTriangled ? 5 : 0);
    const COLORREF clrText = pDC->GetTextColor();
    if (!bVertical)
    {
        if (bCentered)
            rcText.left += (rcText.Width() - nWidth) / 2;
        const UINT nFormat = DT_SINGLELINE | DT_VCENTER;
        if (bEmbossed)
            DrawEmbossShadow(pDC, strCaption, rcText, nFormat);
        pDC->DrawText(strCaption, rcText, nFormat);
        if (bTriangled)
        {
            CPoint ptBase[2];
            const CPoint ptTip =
                TrianglePoints(rcText.left + szText.cx, rcText.CenterPoint().y, 1, 2, 1, ptBase);
            Triangle(pDC, ptTip, ptBase[0], ptBase[1], clrText);
        }
    }
    else
    {
        rcText.left = rcText.right - (rcText.Width() - szText.cy + 1) / 2;
        if (bCentered)
            rcText.top += (rcText.Height() - nWidth + 1) / 2;
        const UINT nFormat = DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
        if (bEmbossed)
            DrawEmbossShadow(pDC, strMeasured, rcText, nFormat);
        pDC->DrawText(strMeasured, rcText, nFormat);
        if (bTriangled)
        {
            const int x = rcText.CenterPoint().x, y = rcText.top + szText.cx - 1;
            Triangle(pDC, CPoint(x, y), CPoint(x + 2, y + 2), CPoint(x + 2, y - 2), clrText);
        }
    }
    return CSize(0, 0);
}

void CXTPPaintManager::DrawEmbossShadow(CDC* pDC, const CString& strText, CRect rc, UINT nFormat)
{
    const COLORREF clrText = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
    rc.OffsetRect(1, 1);
    pDC->DrawText(strText, rc, nFormat);
    pDC->SetTextColor(clrText);
}

void CXTPPaintManager::DrawEnabledImage(CDC* pDC, CPoint pt, CPoint ptPressed, CSize sz,
                                        CXTPImageManagerIcon* pImage, int nSelected, int nPressed,
                                        BOOL bChecked, BOOL bPopuped)
{
    if (bPopuped || bChecked)
    {
        if (bChecked && (nSelected || nPressed))
            pImage->Draw(pDC, pt, pImage->GetHotIcon(), sz);
        else
            pImage->Draw(pDC, pt, bChecked ? pImage->GetCheckedIcon() : pImage->GetIcon(), sz);
        return;
    }
    const BOOL bHot = (nSelected && !nPressed) || (!nSelected && nPressed == 1);
    const BOOL bPressed = (nSelected && nPressed) || nPressed == 2;
    if (bPressed)
        pImage->Draw(pDC, ptPressed, pImage->GetHotIcon(), sz);
    else if (bHot)
    {
        if (m_iconsInfo.bIconsWithShadow)
        {
            pImage->Draw(pDC, CPoint(pt.x + 1, pt.y + 1), pImage->GetShadowIcon(), sz);
            pImage->Draw(pDC, CPoint(pt.x - 1, pt.y - 1), pImage->GetHotIcon(), sz);
        }
        else
            pImage->Draw(pDC, pt, pImage->GetHotIcon(), sz);
    }
    else
        pImage->Draw(pDC, pt, m_iconsInfo.bUseFadedIcons ? pImage->GetFadedIcon() : pImage->GetIcon(), sz);
}

CSize CXTPPaintManager::DrawControlText(CDC* pDC, const CString& strCaption, CRect rc, BOOL bVertical,
                                        BOOL bDraw, BOOL bEmbossed, BOOL bTriangled, CSize szImage,
                                        BOOL bImage)
{
    const CSize szText = DrawTextEx(pDC, strCaption, rc, FALSE, bVertical, FALSE, bTriangled, bEmbossed);
    if (!bVertical)
    {
        if (bDraw)
        {
            CRect rcText(rc.left + (bImage ? szImage.cx - 1 : 4), rc.top, rc.right, rc.bottom);
            DrawTextEx(pDC, strCaption, rcText, TRUE, FALSE, FALSE, bTriangled, bEmbossed);
        }
        return CSize(szText.cx + 3 + (bImage ? szImage.cx : 4),
                     std::max((int)szImage.cy, (int)szText.cy + 6));
    }
    if (bDraw)
    {
        CRect rcText(rc.left, rc.top + (bImage ? szImage.cy : 4), rc.right, rc.bottom);
        DrawTextEx(pDC, strCaption, rcText, TRUE, TRUE, FALSE, bTriangled, bEmbossed);
    }
    return CSize(std::max((int)szImage.cx, (int)szText.cx + 6), szText.cy + 3 + (bImage ? szImage.cx : 4));
}

CSize CXTPPaintManager::DrawControlToolBarParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const XTPControlType type = pControl->GetType();
    const BOOL bEnabled = pControl->GetEnabled();
    const int nSelected = pControl->GetSelected(), nPressed = pControl->GetPressed();
    const BOOL bChecked = pControl->GetChecked();
    const CString strCaption =
        pControl->GetCustomCaption().IsEmpty() ? pControl->GetCaption() : pControl->GetCustomCaption();
    const XTPBarType barType = pBar != NULL ? pBar->GetType() : xtpBarTypeNormal;
    const XTPBarPosition barPosition = pBar != NULL ? pBar->GetPosition() : xtpBarTop;
    const CSize szIcon = GetIconSize(pBar), szButton = GetButtonSize(pBar);
    const XTPButtonStyle style = pControl->GetStyle();
    const BOOL bVertical = IsVerticalPosition(barPosition);
    const BOOL bPopuped = IsPopupControlType(type) && IsPopupOpen(pControl);

    CXTPImageManagerIcon* pImage = pControl->GetIconId() != 0 ? pControl->GetImage(szIcon.cx) : NULL;
    const BOOL bDrawImage = pImage != NULL
                            && ((style == xtpButtonAutomatic && type != xtpControlPopup)
                                || style == xtpButtonIcon || style == xtpButtonIconAndCaption);
    const BOOL bDrawText =
        !strCaption.IsEmpty()
        && (style == xtpButtonCaption || style == xtpButtonIconAndCaption
            || (style == xtpButtonAutomatic && pControl->IsKindOf(RUNTIME_CLASS(CXTPControlButton))
                && pImage == NULL)
            || (style == xtpButtonAutomatic && type == xtpControlPopup) || type == xtpControlLabel);
    const BOOL bEmbossed = !bEnabled && !IsFlatDisabledText();

    CFont* pOldFont = pDC->SelectObject(GetCommandBarFont(pBar, pControl->IsItemDefault()));
    CRect rc = pControl->GetRect();
    if (bDraw)
    {
        if (type == xtpControlSplitButtonPopup)
            DrawSplitButtonFrame(pDC, pControl, rc);
        else
            DrawControlState(pDC, rc, bEnabled, nSelected, nPressed, bChecked, bPopuped, barPosition);
    }

    CSize size(0, 0);
    if (pBar != NULL && pBar->IsTextBelowIcons() && bDrawImage)
    {
        const BOOL bTriangled = type == xtpControlPopup;
        const CSize szText = DrawTextEx(pDC, strCaption, rc, FALSE, FALSE, TRUE, bTriangled);
        size.cx = std::max((int)szButton.cx, (int)szText.cx + 10)
                  + (type == xtpControlSplitButtonPopup ? kSplitArrowWidth : 0);
        size.cy = szButton.cy + szText.cy;
        size.cx = std::max(size.cx, size.cy);
        if (bDraw)
        {
            if (type == xtpControlSplitButtonPopup)
                rc.right -= kSplitArrowWidth;
            DrawImage(pDC, CPoint(rc.CenterPoint().x - szIcon.cx / 2, rc.top + 4), szIcon, pImage, nSelected,
                      nPressed, bEnabled, bChecked, bPopuped, TRUE);
            CRect rcText(rc.left, rc.top - 4 + szButton.cy, rc.right, rc.bottom);
            DrawTextEx(pDC, strCaption, rcText, TRUE, FALSE, TRUE, bTriangled, bEmbossed);
        }
    }
    else if (type == xtpControlPopup && !bDrawImage)
    {
        const CSize szText = DrawTextEx(pDC, strCaption, rc, FALSE, bVertical, TRUE, TRUE);
        size = CSize(szText.cx + 6, szText.cy + 6);
        if (bDraw)
            DrawTextEx(pDC, strCaption, rc, TRUE, bVertical, TRUE, barType != xtpBarTypeMenuBar, bEmbossed);
    }
    else
    {
        const BOOL bSplit = type == xtpControlSplitButtonPopup;
        if (bSplit)
            rc.right -= kSplitArrowWidth;
        if (bDraw && bDrawImage)
        {
            // Alone on a split or drop-down button the image keeps its
            // place at the left; else it is centred across the bar.
            CPoint pt(rc.left + 3, rc.top + (rc.Height() - szIcon.cy) / 2);
            if (bVertical && !bSplit && !(type == xtpControlPopup && !bDrawText))
                pt = CPoint(rc.left + (rc.Width() - szIcon.cx) / 2, rc.top + 3);
            DrawImage(pDC, pt, szIcon, pImage, nSelected, nPressed, bEnabled, bChecked, bPopuped, TRUE);
        }
        if (bDrawText)
            size = DrawControlText(pDC, strCaption, rc, bVertical, bDraw, bEmbossed, type == xtpControlPopup,
                                   szButton, bDrawImage);
        else
            size = szButton;
        if (bSplit)
            size.cx += kSplitArrowWidth;
    }
    pDC->SelectObject(pOldFont);
    return size;
}

LONG CXTPPaintManager::GetSymbolGlyphHeight(int nLogPixelsX, int nLogPixelsY)
{
    const int nTenthPoints = MulDiv(80, 96, nLogPixelsX);
    return -MulDiv(nTenthPoints, nLogPixelsY, 720);
}

void CXTPPaintManager::DrawSymbolGlyph(CDC* pDC, LPCTSTR lpszGlyph, CRect rc)
{
    LOGFONT lf;
    memset(&lf, 0, sizeof(lf));
    lf.lfHeight = GetSymbolGlyphHeight(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    lf.lfCharSet = SYMBOL_CHARSET;
    lstrcpynA(lf.lfFaceName, "Marlett", LF_FACESIZE);
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(lpszGlyph, lstrlenA(lpszGlyph), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}

CSize CXTPPaintManager::DrawSpecialControl(CDC* pDC, int nWhich, CXTPControl* pButton, CXTPCommandBar* pBar,
                                           BOOL bDraw, LPVOID lpParam)
{
    const XTPBarPosition barPosition = pBar != NULL ? pBar->GetPosition() : xtpBarTop;
    const BOOL bVertical = IsVerticalPosition(barPosition) || barPosition == xtpBarPopup;
    switch (nWhich)
    {
    case 0: // the expand button at the end of a toolbar
    {
        if (!bDraw)
        {
            if (pButton == NULL || lpParam == NULL)
                return CSize(0, 0);
            const CSize szBar = *(const CSize*)lpParam;
            pButton->SetRect(bVertical ? CRect(2, szBar.cy - 13, szBar.cx - 2, szBar.cy - 2)
                                       : CRect(szBar.cx - 13, 2, szBar.cx - 2, szBar.cy - 2));
            return CSize(0, 0);
        }
        DrawControlEntry(pDC, pButton);
        const CRect rc = pButton->GetRect();
        const COLORREF clrText = pDC->GetTextColor();
        CPoint ptBase[2];
        if (!bVertical)
        {
            const CPoint ptTip = TrianglePoints(rc.CenterPoint().x, rc.bottom - 6, 1, 2, 1, ptBase);
            Triangle(pDC, ptTip, ptBase[0], ptBase[1], clrText);
        }
        else
        {
            // Turned: the triangle points right at the button's far end.
            const int x = rc.right - 6, y = rc.CenterPoint().y;
            Triangle(pDC, CPoint(x + 1, y), CPoint(x - 1, y - 2), CPoint(x - 1, y + 2), clrText);
        }
        if (lpParam != NULL && *(const BOOL*)lpParam)
        {
            static const POINT kChevron[4][3] = {{{2, 4}, {4, 6}, {1, 9}},
                                                 {{3, 4}, {5, 6}, {2, 9}},
                                                 {{6, 4}, {8, 6}, {5, 9}},
                                                 {{7, 4}, {9, 6}, {6, 9}}};
            CPen pen(PS_SOLID, 1, clrText);
            CPen* pOldPen = pDC->SelectObject(&pen);
            for (const POINT(&stroke)[3] : kChevron)
            {
                POINT pts[3];
                for (int i = 0; i < 3; i++)
                {
                    // On a vertical bar the marks turn by a quarter: down.
                    pts[i] = bVertical ? CPoint(rc.left + 10 - stroke[i].y, rc.top + 2 + stroke[i].x)
                                       : CPoint(rc.left + stroke[i].x, rc.top + stroke[i].y);
                }
                pDC->Polyline(pts, 3);
            }
            pDC->SelectObject(pOldPen);
        }
        return CSize(0, 0);
    }
    case 1: // the expand button at the bottom of a popup bar
    {
        if (!bDraw)
            return CSize(0, 12);
        DrawControlEntry(pDC, pButton);
        const CRect rc = pButton->GetRect();
        const int X = rc.CenterPoint().x, T = rc.top;
        static const POINT kChevron[4][3] = {{{-2, 2}, {0, 4}, {3, 1}},
                                             {{-2, 3}, {0, 5}, {3, 2}},
                                             {{-2, 6}, {0, 8}, {3, 5}},
                                             {{-2, 7}, {0, 9}, {3, 6}}};
        for (const POINT(&stroke)[3] : kChevron)
        {
            POINT pts[3];
            for (int i = 0; i < 3; i++)
                pts[i] = CPoint(X + stroke[i].x, T + stroke[i].y);
            pDC->Polyline(pts, 3);
        }
        return CSize(0, 12);
    }
    case 2: // the close button of a bar
    {
        if (!bDraw)
            return CSize(0, 0);
        DrawControlEntry(pDC, pButton);
        if (!pButton->GetPressed() && !pButton->GetSelected())
            pDC->SetTextColor(GetColor(COLOR_HIGHLIGHTTEXT));
        DrawSymbolGlyph(pDC, "r", pButton->GetRect());
        return CSize(0, 0);
    }
    case 3: // a drop-down arrow button
    {
        if (!bDraw)
            return CSize(0, 0);
        DrawControlEntry(pDC, pButton);
        const CRect rc = pButton->GetRect();
        const COLORREF clr = (pButton->GetSelected() || IsPopupOpen(pButton)) ? pDC->GetTextColor()
                                                                              : GetColor(COLOR_HIGHLIGHTTEXT);
        CPoint ptBase[2];
        const CPoint ptTip = TrianglePoints(rc.CenterPoint().x, rc.CenterPoint().y, 1, 3, 2, ptBase);
        Triangle(pDC, ptTip, ptBase[0], ptBase[1], clr);
        return CSize(0, 0);
    }
    default:
        return CSize(0, 0);
    }
}
