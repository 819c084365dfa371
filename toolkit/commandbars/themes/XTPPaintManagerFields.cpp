// The paint manager's edit and combo-box fields: measuring (which also
// tells the controls where their edit windows go) and the flat field look
// the themes start from.
#include "toolkit/commandbars/themes/XTPPaintManager.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

namespace {

// Colour-table indexes of the fields.
const int kFieldFill = COLOR_WINDOW;
const int kFieldText = COLOR_WINDOWTEXT;
const int kDisabledFill = COLOR_BTNFACE;
const int kDisabledFrame = 40;
const int kSelectedFrame = 32;
const int kPopupFrame = 53;
const int kButtonHot = 31;
const int kButtonDropped = 33;
const int kToolbarLabel = 46;
const int kToolbarLabelDisabled = 40;

// Measures the label and the field height; draws the label and answers the
// field's rectangle (through rcField) when bDraw.
CSize MeasureOrDrawLabel(CXTPPaintManager* pPaintManager, CDC* pDC, CXTPControl* pControl, BOOL bShowLabel,
                         int nFieldWidth, BOOL bDraw, int& nLabelWidth, CRect& rcField)
{
    CFont* pOldFont = pDC->SelectObject(pPaintManager->GetIconFont());
    const int nTextHeight = pDC->GetTextExtent(CString(" ")).cy + 1;
    const CString strLabel = bShowLabel ? CXTPPaintManager::GetFieldLabel(pControl) : CString();
    CSize sz(nFieldWidth, nTextHeight + 7);
    if (!bDraw)
    {
        nLabelWidth = strLabel.IsEmpty() ? 0 : pDC->GetTextExtent(strLabel).cx + 5;
        sz.cx += CXTPPaintManager::IsOnPopupBar(pControl) ? nLabelWidth : 0;
        pDC->SelectObject(pOldFont);
        return sz;
    }
    rcField = pControl->GetRect();
    if (nLabelWidth > 0)
    {
        CRect rcLabel(rcField.left + 2, rcField.top, rcField.left + nLabelWidth, rcField.bottom);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(
            pPaintManager->GetColor(pControl->GetEnabled() ? kToolbarLabel : kToolbarLabelDisabled));
        pDC->DrawText(strLabel, rcLabel, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        rcField.left += nLabelWidth;
    }
    pDC->SelectObject(pOldFont);
    return sz;
}

} // namespace

CSize CXTPPaintManager::DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw)
{
    int nLabelWidth = pEdit->GetLabelWidth();
    CRect rcField;
    const CSize sz =
        MeasureOrDrawLabel(this, pDC, pEdit, pEdit->GetShowLabel() || CXTPPaintManager::IsOnPopupBar(pEdit),
                           pEdit->GetWidth(), bDraw, nLabelWidth, rcField);
    if (!bDraw)
    {
        pEdit->SetLabelWidth(nLabelWidth);
        return sz;
    }
    if (!pEdit->GetEnabled())
    {
        rcField.left++;
        Rectangle(pDC, rcField, pEdit->GetSelected() == 2 ? kSelectedFrame : kDisabledFrame, kDisabledFill);
        return CSize(0, 0);
    }
    CRect rcInside = rcField;
    rcInside.DeflateRect(1, 1);
    pDC->FillSolidRect(rcInside, GetColor(kFieldFill));
    if (pEdit->GetSelected())
        Rectangle(pDC, rcField, kSelectedFrame, kFieldFill);
    else if (CXTPPaintManager::IsOnPopupBar(pEdit))
        Draw3dRect(pDC, rcField, kPopupFrame, kPopupFrame);
    return CSize(0, 0);
}

CSize CXTPPaintManager::DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw)
{
    int nLabelWidth = pComboBox->GetLabelWidth();
    CRect rcField;
    const BOOL bLabel = CXTPPaintManager::IsOnPopupBar(pComboBox) || pComboBox->GetComboStyle() == 1;
    const CSize sz =
        MeasureOrDrawLabel(this, pDC, pComboBox, bLabel, pComboBox->GetWidth(), bDraw, nLabelWidth, rcField);
    if (!bDraw)
    {
        pComboBox->SetLabelWidth(nLabelWidth);
        SetComboButtonWidth(pDC, pComboBox);
        return sz;
    }
    const BOOL bEnabled = pComboBox->GetEnabled();
    const BOOL bSelected = pComboBox->GetSelected() != 0;
    CRect rcButton(rcField.right - pComboBox->GetButtonWidth(), rcField.top, rcField.right, rcField.bottom);
    if (!bEnabled)
    {
        rcField.left++;
        Rectangle(pDC, rcField, pComboBox->GetSelected() == 2 ? kSelectedFrame : kDisabledFrame,
                  kDisabledFill);
    }
    else
    {
        Rectangle(pDC, CRect(rcField.left + 1, rcField.top + 1, rcButton.left + 1, rcField.bottom - 1),
                  kFieldFill, kFieldFill);
        if (bSelected)
        {
            Rectangle(pDC, rcField, kSelectedFrame, kFieldFill);
            Rectangle(pDC, rcButton, kSelectedFrame,
                      pComboBox->IsDroppedDown() ? kButtonDropped : kButtonHot);
        }
        else if (CXTPPaintManager::IsOnPopupBar(pComboBox))
        {
            Draw3dRect(pDC, rcField, kPopupFrame, kPopupFrame);
            CRect rcInner = rcButton;
            rcInner.DeflateRect(1, 1);
            Rectangle(pDC, rcInner, kFieldFill, kPopupFrame);
        }
    }
    // The drop-down arrow.
    const COLORREF clrArrow = GetColor(bEnabled ? kFieldText : kDisabledFrame);
    const CPoint ptCentre = rcButton.CenterPoint();
    Triangle(pDC, CPoint(ptCentre.x - 2, ptCentre.y - 1), CPoint(ptCentre.x + 2, ptCentre.y - 1),
             CPoint(ptCentre.x, ptCentre.y + 1), clrArrow);

    if (pComboBox->GetEditWnd() == NULL)
    {
        CRect rcText(rcField.left + 3, rcField.top + 1, rcButton.left, rcField.bottom - 1);
        CFont* pOldFont = pDC->SelectObject(GetIconFont());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(GetColor(kFieldText));
        pDC->DrawText(pComboBox->GetEditText(), rcText, DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE);
        pDC->SelectObject(pOldFont);
    }
    return CSize(0, 0);
}

BOOL CXTPPaintManager::IsOnPopupBar(const CXTPControl* pControl)
{
    return pControl->GetParent() != NULL && pControl->GetParent()->GetType() == xtpBarTypePopup;
}

void CXTPPaintManager::SetComboButtonWidth(CDC* pDC, CXTPControlComboBox* pComboBox)
{
    CFont* pOldFont = pDC->SelectObject(GetIconFont());
    pComboBox->SetButtonWidth(pDC->GetTextExtent(CString(" ")).cy + 2);
    pDC->SelectObject(pOldFont);
}

CString CXTPPaintManager::GetFieldLabel(const CXTPControl* pControl)
{
    CString strLabel = pControl->GetCaption();
    StripMnemonics(strLabel);
    return strLabel;
}
