#pragma once
// CXTFlatComboBox: a combo box drawn flat; its theme (XTFlatControlsTheme.h)
// draws the frame normal, hot while the mouse is over it or it has the focus,
// or pressed while the left button is down on it; a 10 ms timer (1000) tracks
// the mouse. Typed text can be completed from the list:
//
//   m_combo.SubclassDlgItem(IDC_FIND, this);
//   m_combo.EnableAutoCompletion(TRUE);
//   CXTFlatComboBox::SetSharedTheme(2);   // every flat control, Office 2003
#include "framework/Controls.h"
#include "toolkit/controls/XTFlatControl.h"

class CXTFlatComboBox : public CXTFlatControlT<CComboBox>
{
    DECLARE_DYNAMIC(CXTFlatComboBox)
public:
    CXTFlatComboBox();
    ~CXTFlatComboBox() override;

    // --- overridables ---
    virtual void EnableAutoCompletion(BOOL bEnable = TRUE) { m_bAutoComplete = bEnable; }
    // The theme's combo-box frame in the state (XTFlatFrameState).
    void DrawFrame(CDC* pDC, int nState) override;

    // Keys reach the edit of a drop-down combo directly; Backspace and Delete
    // pause the completion while they are down.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnSetFocus();
    afx_msg BOOL OnKillFocus();
    afx_msg BOOL OnCloseUp();
    afx_msg BOOL OnEditUpdate();
    DECLARE_MESSAGE_MAP()

private:
    // Hot while the mouse is over the control or it has the focus, pressed
    // once when the button goes down on a hot frame; each drawn only on a
    // change.
    void OnHoverTimer() override;
    void CompleteTypedText();

    BOOL m_bDrawnHot;
    BOOL m_bAutoComplete;
    BOOL m_bErasingKeyDown;
};
