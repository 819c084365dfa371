// A control drawn as a row of a list (the customize sheet's commands list):
// the base look of face colour, highlight and button text, and the parts
// every look shares.
#include "toolkit/commandbars/themes/XTPPaintManager.h"

#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"

#include <algorithm>

namespace {

// The combo box's button is as wide as a line of the icon font, plus 2.
int ComboButtonWidth(CDC* pDC, CFont* pFont)
{
    CFont* pOldFont = pDC->SelectObject(pFont);
    int nWidth = pDC->GetTextExtent(CString(" ")).cy + 2;
    pDC->SelectObject(pOldFont);
    return nWidth;
}

} // namespace

CSize CXTPPaintManager::GetListRowBox(CSize szIcon) const
{
    return CSize(std::max((int)szIcon.cx + 4, m_nTextHeight), std::max((int)szIcon.cy + 4, m_nTextHeight));
}

CSize CXTPPaintManager::DrawControlPopupRow(CDC* pDC, CXTPControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                            CSize szIcon, BOOL bRightToLeft)
{
    const CSize szBox = GetListRowBox(szIcon);
    if (!bDraw)
        return szBox;
    pDC->FillSolidRect(rc, GetColor(COLOR_BTNFACE));
    if (pControl == NULL)
        return CSize(0, 0);

    CRect rcText(rc.left + 1, rc.top, rc.right - 1, rc.bottom);
    CXTPImageManagerIcon* pImage = ShowsPopupRowImage(pControl) ? pControl->GetImage(szIcon.cx) : NULL;
    if (pImage != NULL)
    {
        CRect rcImage(rc.left, rc.top, rc.left + szBox.cx, rc.bottom);
        DrawRectangle(pDC, rcImage, bSelected, 0, TRUE, FALSE, FALSE, FALSE, xtpBarPopup);
        DrawPopupRowImage(pDC, pImage, rcImage, szIcon, bSelected, TRUE, FALSE);
        rcText.left = rcImage.right + 1;
    }
    if (bSelected)
        Rectangle(pDC, rcText, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
    const int nText = bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT;
    const ListRowColors colors = {nText, nText, bSelected ? COLOR_HIGHLIGHT : COLOR_BTNFACE};
    const CRect rcButton = DrawListRowParts(pDC, pControl, rc, rc.left + szBox.cx + 4, colors, bRightToLeft);
    if (rcButton.IsRectEmpty())
        return szBox;
    // The combo box's button: framed in the highlight when selected.
    if (bSelected)
        Rectangle(pDC, rcButton, COLOR_HIGHLIGHT, COLOR_BTNFACE);
    else
        pDC->FillSolidRect(CRect(rcButton.left + 2, rcButton.top + 2, rcButton.right - 2, rcButton.bottom - 2),
                           GetColor(COLOR_BTNFACE));
    DrawListRowComboArrow(pDC, rcButton, bSelected);
    return szBox;
}

CRect CXTPPaintManager::DrawListRowParts(CDC* pDC, CXTPControl* pControl, CRect rc, int nCaptionLeft,
                                         const ListRowColors& colors, BOOL bRightToLeft)
{
    CString strCaption = pControl->GetCustomCaption().IsEmpty() ? pControl->GetCaption() : pControl->GetCustomCaption();
    if (bRightToLeft)
        PrepareMenuCaption(strCaption);
    else
        StripMnemonics(strCaption);
    const COLORREF clrText = GetColor(colors.nText);
    pDC->SetTextColor(clrText);
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(GetRegularFont());
    CRect rcCaption(nCaptionLeft, rc.top, rc.right, rc.bottom);
    pDC->DrawText(strCaption, rcCaption, DT_END_ELLIPSIS | DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE);
    const int nCaptionWidth = pDC->GetTextExtent(strCaption).cx;
    pDC->SelectObject(pOldFont);

    const XTPControlType type = pControl->GetType();
    if (IsPopupControlType(type))
    {
        const int x = rc.right - 7, y = rc.CenterPoint().y;
        Triangle(pDC, CPoint(x, y), CPoint(x - 5, y + 5), CPoint(x - 5, y - 5), clrText);
        if (type == xtpControlSplitButtonPopup)
            Line(pDC, rc.right - 20, rc.top + 1, rc.right - 20, rc.bottom - 1, colors.nDivider);
    }
    if (type != xtpControlComboBox && type != xtpControlEdit)
        return CRect(0, 0, 0, 0);
    // The field of an edit or combo box follows the caption.
    CRect rcField(nCaptionLeft + nCaptionWidth + 5, rc.top, rc.right, rc.bottom);
    Rectangle(pDC, rcField, colors.nFieldFrame, COLOR_WINDOW);
    if (type != xtpControlComboBox)
        return CRect(0, 0, 0, 0);
    return CRect(rcField.right - ComboButtonWidth(pDC, GetIconFont()), rcField.top, rcField.right, rcField.bottom);
}

void CXTPPaintManager::DrawListRowComboArrow(CDC* pDC, CRect rcButton, BOOL bSelected)
{
    const int kSelectedArrow = 45, kArrow = 46;
    rcButton.OffsetRect(1, 1);
    pDC->SetTextColor(GetColor(bSelected ? kSelectedArrow : kArrow));
    CFont* pOldFont = pDC->SelectObject(GetSymbolFont());
    pDC->DrawText("u", 1, rcButton, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}
