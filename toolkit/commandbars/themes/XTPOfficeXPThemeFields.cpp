// The flat look's edit and combo-box fields (the Office 2003 look keeps
// them): white boxes without a frame on toolbars until selected, framed in
// colour 53 in popups; the combo's arrow is the symbol font's glyph.
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

namespace {

const int kWindow = 5;
const int kButtonFace = 15;
const int kHotFill = 31;
const int kHotFrame = 32;
const int kPressedFill = 33;
const int kPopupDisabledText = 35;
const int kBarDisabledText = 40;
const int kPopupText = 44;
const int kHotText = 45;
const int kBarText = 46;
const int kPressedText = 47;
const int kPopupFieldFrame = 53;

int LabelColor(const CXTPControl* pControl)
{
    if (!CXTPPaintManager::IsOnPopupBar(pControl))
        return pControl->GetEnabled() ? kBarText : kBarDisabledText;
    return !pControl->GetEnabled() ? kPopupDisabledText : pControl->GetSelected() ? kHotText : kPopupText;
}

} // namespace

CSize CXTPOfficeXPTheme::MeasureField(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nFieldWidth,
                                      int& nLabelWidth)
{
    CFont* pOldFont = pDC->SelectObject(GetIconFont());
    const int nTextHeight = pDC->GetTextExtent(CString(" ")).cy + 1;
    const CString strLabel = CXTPPaintManager::GetFieldLabel(pControl);
    const int nLabel = strLabel.IsEmpty() ? 0 : pDC->GetTextExtent(strLabel).cx;
    pDC->SelectObject(pOldFont);
    if (CXTPPaintManager::IsOnPopupBar(pControl))
    {
        nLabelWidth = nLabel + 12 + GetPopupIconColumnWidth(pControl->GetParent());
        return CSize(nFieldWidth + nLabelWidth, nTextHeight + 7);
    }
    nLabelWidth = bLabel && nLabel > 0 ? nLabel + 5 : 0;
    return CSize(nFieldWidth, nTextHeight + 7);
}

CRect CXTPOfficeXPTheme::DrawFieldLabel(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nLabelWidth)
{
    CRect rcField = pControl->GetRect();
    const BOOL bPopup = CXTPPaintManager::IsOnPopupBar(pControl);
    if (!bPopup && !bLabel)
        return rcField;
    if (bPopup && pControl->GetSelected())
        DrawRectangle(pDC, rcField, pControl->GetSelected(), 0, pControl->GetEnabled(), FALSE, FALSE, FALSE,
                      xtpBarPopup);
    const int nOffset = bPopup ? GetPopupIconColumnWidth(pControl->GetParent()) + 7 : 2;
    CRect rcLabel(rcField.left + nOffset, rcField.top, rcField.left + nLabelWidth, rcField.bottom);
    CFont* pOldFont = pDC->SelectObject(GetIconFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetColor(LabelColor(pControl)));
    pDC->DrawText(CXTPPaintManager::GetFieldLabel(pControl), rcLabel,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
    rcField.left += nLabelWidth;
    return rcField;
}

void CXTPOfficeXPTheme::DrawDisabledField(CDC* pDC, CRect rcField, int nSelected)
{
    rcField.left++;
    Rectangle(pDC, rcField, nSelected == 2 ? kHotFrame : kBarDisabledText, kButtonFace);
}

CSize CXTPOfficeXPTheme::DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw)
{
    if (!bDraw)
    {
        int nLabelWidth = 0;
        const CSize sz = MeasureField(pDC, pEdit, pEdit->GetShowLabel(), pEdit->GetWidth(), nLabelWidth);
        pEdit->SetLabelWidth(nLabelWidth);
        return sz;
    }
    const CRect rcField = DrawFieldLabel(pDC, pEdit, pEdit->GetShowLabel(), pEdit->GetLabelWidth());
    if (!pEdit->GetEnabled())
    {
        DrawDisabledField(pDC, rcField, pEdit->GetSelected());
        return CSize(0, 0);
    }
    CRect rcInside = rcField;
    rcInside.DeflateRect(1, 1);
    pDC->FillSolidRect(rcInside, GetColor(kWindow));
    if (pEdit->GetSelected())
        Rectangle(pDC, rcField, kHotFrame, kWindow);
    else if (CXTPPaintManager::IsOnPopupBar(pEdit))
        Draw3dRect(pDC, rcField, kPopupFieldFrame, kPopupFieldFrame);
    return CSize(0, 0);
}

CSize CXTPOfficeXPTheme::DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw)
{
    const BOOL bLabel = pComboBox->GetComboStyle() == 1;
    if (!bDraw)
    {
        int nLabelWidth = 0;
        const CSize sz = MeasureField(pDC, pComboBox, bLabel, pComboBox->GetWidth(), nLabelWidth);
        pComboBox->SetLabelWidth(nLabelWidth);
        SetComboButtonWidth(pDC, pComboBox);
        return sz;
    }
    const CRect rcField = DrawFieldLabel(pDC, pComboBox, bLabel, pComboBox->GetLabelWidth());
    CRect rcButton(rcField.right - pComboBox->GetButtonWidth(), rcField.top, rcField.right, rcField.bottom);
    const BOOL bEnabled = pComboBox->GetEnabled();
    const int nSelected = pComboBox->GetSelected();
    const BOOL bDropped = pComboBox->IsDroppedDown();
    if (!bEnabled)
        DrawDisabledField(pDC, rcField, nSelected);
    else
    {
        Rectangle(pDC, CRect(rcField.left + 1, rcField.top + 1, rcButton.left + 1, rcField.bottom - 1),
                  kWindow, kWindow);
        CRect rcInner = rcButton;
        rcInner.DeflateRect(1, 1);
        if (nSelected)
        {
            Rectangle(pDC, rcField, kHotFrame, kWindow);
            Rectangle(pDC, rcButton, kHotFrame, bDropped ? kPressedFill : kHotFill);
        }
        else if (CXTPPaintManager::IsOnPopupBar(pComboBox))
        {
            Draw3dRect(pDC, rcField, kPopupFieldFrame, kPopupFieldFrame);
            Rectangle(pDC, rcInner, kWindow, kPopupFieldFrame);
        }
        else
            Draw3dRect(pDC, rcInner, kWindow, kWindow);
    }
    // Without a window of its own the combo shows its text itself, disabled
    // or not.
    if (pComboBox->GetEditWnd() == NULL)
        DrawComboBoxText(pDC, pComboBox, rcField, rcButton);
    rcButton.OffsetRect(1, 1);
    CFont* pOldFont = pDC->SelectObject(GetSymbolFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetColor(!bEnabled   ? kBarDisabledText
                               : bDropped  ? kPressedText
                               : nSelected ? kHotText
                                           : kBarText));
    pDC->DrawText("u", 1, rcButton, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
    return CSize(0, 0);
}
