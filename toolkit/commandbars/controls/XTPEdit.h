#pragma once
// CXTPEdit: the edit window of the edit and combo-box controls that stand on
// command bars. It is created as a plain edit window, or as a rich-edit
// window when the process-wide switch is on, and carries the cut, copy and
// paste commands with their command state. The window tells its control
// (through CXTPEditHost) when it gains or loses the focus and when it is
// destroyed, hands mouse moves on to the bar, and offers the cut/copy/paste
// menu on a right click.
//
//     CXTPEdit::m_bRichEdit = TRUE;            // before the windows are made
//     pEdit->CreateEdit(WS_CHILD | ES_AUTOHSCROLL, pBar);
#include "framework/Controls.h"

class CXTPControl;

// What an edit window asks of the control it belongs to.
class CXTPEditHost
{
public:
    virtual ~CXTPEditHost() {}
    virtual CXTPControl* GetHostControl() = 0;
    // The window got the focus from hWndLost (may be NULL).
    virtual void OnEditSetFocus(HWND hWndLost) = 0;
    virtual void OnEditKillFocus() = 0;
    // The window is about to go: its last text.
    virtual void OnEditDestroy(const CString& strText) = 0;
    // The brush for the field (WM_CTLCOLOREDIT reflected), or NULL.
    virtual HBRUSH OnEditCtlColor(CDC* pDC) = 0;
};

class CXTPEdit : public CEdit
{
    DECLARE_DYNCREATE(CXTPEdit)
public:
    CXTPEdit();

    // Edit windows made from now on are rich-edit windows when the rich-edit
    // library loads. Off at start.
    static BOOL m_bRichEdit;

    // Creates the window with the style as a child of pParent (id 0).
    BOOL CreateEdit(DWORD dwStyle, CWnd* pParent);
    BOOL IsRichEdit() const { return m_bCreatedRich; }

    // Puts the window on the control's bar at rcEdit (bar coordinates):
    // creates it there first (the paint manager's font, strText, disabled
    // with the control), re-parents it, clears its margins, and shows it only
    // while the control is visible.
    void Place(CXTPControl* pControl, CRect rcEdit, const CString& strText);
    // The window stands on the control's bar.
    BOOL IsPlacedOn(const CXTPControl* pControl) const;

    void SetHost(CXTPEditHost* pHost) { m_pHost = pHost; }
    CXTPEditHost* GetHost() const { return m_pHost; }
    // The bar edit window that has the focus; NULL while the focus is on
    // any other window.
    static CXTPEdit* GetFocused();

    // The cut/copy/paste menu at the point (client coordinates of the
    // window). FALSE when the program has no text for the cut command.
    BOOL ShowContextMenu(CPoint point);

protected:
    // Fills the client area before the window draws (the combo's edit
    // paints its own background); nothing in the base.
    virtual void FillBackground(CDC* pDC, CRect rcClient)
    {
        (void)pDC;
        (void)rcClient;
    }

private:
    BOOL IsCustomizing() const;
    // Whether the right button and the context key open the menu here.
    BOOL IsMenuAllowed() const;
    // Maps the point from this window to the bar's client area.
    CPoint ToBar(CPoint point) const;

    CXTPEditHost* m_pHost;
    BOOL m_bCreatedRich;

    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnDestroy();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSelectionCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
