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
#include "toolkit/controls/XTFlatControlsTheme.h"
#include "toolkit/controls/XTFlatLook.h"

class CXTFlatComboBox : public CComboBox, public CXTThemeManagerStyleHost
{
    DECLARE_DYNAMIC(CXTFlatComboBox)
public:
    CXTFlatComboBox();
    ~CXTFlatComboBox() override;

    // --- overridables ---
    virtual void EnableAutoCompletion(BOOL bEnable = TRUE) { m_bAutoComplete = bEnable; }
    // The cursor lies in the window rectangle.
    virtual BOOL IsMouseOver();
    // The theme's combo-box frame in the state (XTFlatFrameState).
    virtual void DrawFrame(CDC* pDC, int nState);
    // Chooses the state from the focus and the mouse, then DrawFrame; nothing
    // when the control is not flat.
    virtual void DrawFlat(CDC* pDC);
    // Redraws the control.
    void OnThemeChanged() override;

    // Keys reach the edit of a drop-down combo directly; Backspace and Delete
    // pause the completion while they are down.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Switches the flat look off (TRUE) or on (FALSE).
    void DisableFlatLook(BOOL bDisable);
    BOOL IsFlat() const { return m_flatLook.IsFlat(); }
    BOOL HasFocus() const { return m_bHasFocus; }

    CXTFlatControlsTheme* GetTheme() { return (CXTFlatControlsTheme*)GetSafeTheme(); }
    static CXTFlatControlsTheme* GetSharedTheme();
    static void SetSharedTheme(int nTheme);
    static void SetSharedTheme(CXTThemeManagerStyle* pTheme);

protected:
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnSetFocus();
    afx_msg BOOL OnKillFocus();
    afx_msg BOOL OnCloseUp();
    afx_msg BOOL OnEditUpdate();
    DECLARE_MESSAGE_MAP()

private:
    // The hover step of timer 1000.
    void OnHoverTimer();
    void DrawFrameNow(int nState);
    void CompleteTypedText();

    BOOL m_bButtonDown;
    BOOL m_bDrawnHot;
    BOOL m_bHasFocus;
    BOOL m_bAutoComplete;
    BOOL m_bErasingKeyDown;
    CXTFlatLook m_flatLook;
};
