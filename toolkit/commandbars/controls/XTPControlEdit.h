#pragma once
// CXTPControlEdit: an edit box on a toolbar or menu, with an optional label
// the paint manager draws before it. Its text lives in a child edit window
// of the bar (CXTPControlEditWnd), made when the control is first placed;
// before that, and after the window is gone, the control keeps the text.
// Clicking the field gives it the focus: the bar then tracks with the
// control selected, Enter executes the control (its command goes to the
// site), and Esc gives the focus back to the window that had it.
//
//     CXTPControlEdit* pEdit = (CXTPControlEdit*)pControls->Add(xtpControlEdit, ID_FIND);
//     pEdit->SetEditText("keyword");
//     CString strTyped = pEdit->GetEditText();
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPEdit.h"
#include "toolkit/commandbars/controls/XTPEditFocus.h"

class CXTPControlEdit;

// The edit window of a CXTPControlEdit.
class CXTPControlEditWnd : public CXTPEdit
{
public:
    explicit CXTPControlEditWnd(CXTPControlEdit* pControl);
    CXTPControlEdit* GetControl() const { return m_pControl; }

private:
    CXTPControlEdit* m_pControl;
};

class CXTPControlEdit : public CXTPControl, public CXTPEditHost
{
    DECLARE_SERIAL(CXTPControlEdit)
public:
    CXTPControlEdit();
    ~CXTPControlEdit() override;

    // ---- Overridable operations ----

    // A new window object for the control; the base makes a CXTPControlEditWnd.
    virtual CXTPControlEditWnd* CreateEditWnd();
    // Enabled: the field takes the window colour (the brush returned);
    // disabled: NULL, the system's disabled look.
    HBRUSH OnEditCtlColor(CDC* pDC) override;
    void OnEditSetFocus(HWND hWndLost) override;
    void OnEditKillFocus() override;
    // While the window has the focus, mouse moves over the bars are locked,
    // so the field stays the bar's selected item as the user types; the base
    // answers TRUE.
    virtual BOOL LocksMouseWhileFocused() const;

    // ---- Operations ----

    // The window's text when it exists, else the kept text.
    CString GetEditText() const;
    void SetEditText(const CString& strText);
    void SetReadOnly(BOOL bReadOnly);
    BOOL GetReadOnly() const { return m_bReadOnly; }
    BOOL GetShowLabel() const { return m_bLabel; }
    void SetShowLabel(BOOL bShow) { m_bLabel = bShow; }
    int GetWidth() const { return m_nWidth; }
    // Set by the paint manager when it measures the control; a change moves
    // the edit window at the next placing.
    int GetLabelWidth() const { return m_nLabelWidth; }
    void SetLabelWidth(int nWidth)
    {
        m_bDelayReposition |= nWidth != m_nLabelWidth;
        m_nLabelWidth = nWidth;
    }
    CXTPControlEditWnd* GetEditWnd() const { return m_pEdit; }
    // The least width the user may size the control to.
    int GetMinimumWidth() const { return 10 + (m_bLabel ? m_nLabelWidth : 0); }

    // ---- Control behaviour ----

    // Places (and first creates) the edit window inside the rectangle.
    void SetRect(CRect rcControl) override;
    void SetEnabled(BOOL bEnabled) override;
    void SetHideFlags(DWORD dwFlags) override;
    // A bar of NULL destroys the window (the text stays with the control).
    void SetParent(CXTPCommandBar* pParent) override;
    // Hidden on a vertically docked bar.
    void OnCalcDynamicSize(DWORD dwMode) override;
    BOOL OnSetSelected(int bSelected) override;
    void OnMouseHover() override;
    // 2: the key goes to the window; Esc in the window returns the focus (1).
    int OnHookKeyDown(UINT nChar) override;
    // By keyboard with the focus in the window: executes; else the window
    // takes the focus.
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void SetWidth(int nWidth) override;
    // Customize mode may widen or narrow the field down to its minimum width.
    BOOL IsCustomizeResizeAllow() const override { return TRUE; }
    int GetCustomizeMinWidth() const override { return GetMinimumWidth(); }
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    BOOL Compare(CXTPControl* pOther) override;
    // After the control's keys: "HasLabel" and "Width" (schema above 5),
    // "ReadOnly" (schema above 7).
    void DoPropExchange(CXTPPropExchange* pPX) override;

private:
    CXTPControl* GetHostControl() override { return this; }
    void OnEditDestroy(const CString& strText) override { m_strEditText = strText; }
    void DestroyEditWnd();

    CXTPControlEditWnd* m_pEdit;
    int m_nWidth;
    CString m_strEditText;
    BOOL m_bLabel;
    BOOL m_bReadOnly;
    int m_nLabelWidth;
    BOOL m_bDelayReposition;
    CXTPEditFocus m_focus;
};
