// The classic look's edit and combo-box fields: sunken white boxes with a
// raised drop-down button; labels embossed when disabled.
#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

#include <algorithm>

namespace {

const int kWindow = 5;
const int kGrayText = 17;
const int kButtonText = 18;

// The width of the image box a popup row keeps at its left.
int PopupBoxWidth(CSize szIcon, int nTextHeight)
{
    return std::max((int)szIcon.cx + 4, nTextHeight);
}

} // namespace

CSize CXTPOffice2000Theme::MeasureField(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nFieldWidth,
                                        int& nLabelWidth)
{
    CFont* pOldFont = pDC->SelectObject(GetIconFont());
    const int nTextHeight = pDC->GetTextExtent(CString(" ")).cy;
    const CString strLabel = CXTPPaintManager::GetFieldLabel(pControl);
    CRect rcLabel(0, 0, 0, 0);
    if (!strLabel.IsEmpty())
        DrawControlCaption(pDC, strLabel, &rcLabel, DT_NOPREFIX, FALSE, FALSE, TRUE);
    pDC->SelectObject(pOldFont);
    if (CXTPPaintManager::IsOnPopupBar(pControl))
    {
        nLabelWidth = rcLabel.Width() + 9 + PopupBoxWidth(GetIconSize(pControl->GetParent()), m_nTextHeight);
        return CSize(nFieldWidth + nLabelWidth, nTextHeight + 8);
    }
    nLabelWidth = bLabel && !strLabel.IsEmpty() ? rcLabel.Width() + 5 : 0;
    return CSize(nFieldWidth, nTextHeight + 8);
}

CRect CXTPOffice2000Theme::DrawFieldLabel(CDC* pDC, CXTPControl* pControl, BOOL bLabel, int nLabelWidth)
{
    CRect rcField = pControl->GetRect();
    if (!bLabel)
        return rcField;
    const BOOL bEnabled = pControl->GetEnabled();
    const int nOffset = CXTPPaintManager::IsOnPopupBar(pControl)
                            ? PopupBoxWidth(GetIconSize(pControl->GetParent()), m_nTextHeight) + 4
                            : 2;
    CRect rcLabel(rcField.left + nOffset, rcField.top, rcField.left + nLabelWidth, rcField.bottom);
    CFont* pOldFont = pDC->SelectObject(GetIconFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetColor(bEnabled ? kButtonText : kGrayText));
    DrawControlCaption(pDC, CXTPPaintManager::GetFieldLabel(pControl), &rcLabel, DT_NOPREFIX, TRUE,
                       pControl->GetSelected(), bEnabled);
    pDC->SelectObject(pOldFont);
    rcField.left += nLabelWidth;
    return rcField;
}

CSize CXTPOffice2000Theme::DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw)
{
    const BOOL bLabel = pEdit->GetShowLabel() || CXTPPaintManager::IsOnPopupBar(pEdit);
    if (!bDraw)
    {
        int nLabelWidth = 0;
        const CSize sz = MeasureField(pDC, pEdit, bLabel, pEdit->GetWidth(), nLabelWidth);
        pEdit->SetLabelWidth(nLabelWidth);
        return sz;
    }
    CRect rcField = DrawFieldLabel(pDC, pEdit, bLabel, pEdit->GetLabelWidth());
    rcField.left++;
    if (pEdit->GetEnabled())
        pDC->FillSolidRect(rcField, GetColor(kWindow));
    DrawControlFieldFrame(pDC, rcField, pEdit->GetEnabled(), pEdit->GetSelected());
    return CSize(0, 0);
}

CSize CXTPOffice2000Theme::DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw)
{
    const BOOL bLabel = CXTPPaintManager::IsOnPopupBar(pComboBox) || pComboBox->GetComboStyle() == 1;
    if (!bDraw)
    {
        int nLabelWidth = 0;
        const CSize sz = MeasureField(pDC, pComboBox, bLabel, pComboBox->GetWidth(), nLabelWidth);
        pComboBox->SetLabelWidth(nLabelWidth);
        SetComboButtonWidth(pDC, pComboBox);
        return sz;
    }
    const CRect rcField = DrawFieldLabel(pDC, pComboBox, bLabel, pComboBox->GetLabelWidth());
    const CRect rcButton(rcField.right - pComboBox->GetButtonWidth(), rcField.top, rcField.right,
                         rcField.bottom);
    const BOOL bEnabled = pComboBox->GetEnabled();
    if (bEnabled)
    {
        Rectangle(pDC, rcField, kWindow, kWindow);
        if (pComboBox->GetEditWnd() == NULL)
            DrawComboBoxText(pDC, pComboBox, rcField, rcButton);
    }
    DrawComboDropDownButton(pDC, rcButton, bEnabled, pComboBox->GetSelected() != 0,
                            pComboBox->IsDroppedDown());
    DrawControlFieldFrame(pDC, rcField, bEnabled, pComboBox->GetSelected());
    return CSize(0, 0);
}
