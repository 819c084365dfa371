#pragma once
// CXTEdit: an edit control with a context menu (Undo, Cut, Copy, Paste,
// Delete, Select All) whose items are enabled from the edit's own state, and
// a flicker-free paint. CXTFlatEdit: the same with the flat, themed frame of
// the flat combo box (XTFlatControlsTheme.h).
//
//   m_edit.SubclassDlgItem(IDC_NAME, this);
//   m_edit.Initialize(this);   // the toolkit's font
#include "framework/Controls.h"
#include "toolkit/controls/XTFlatControlsTheme.h"
#include "toolkit/controls/XTFlatLook.h"

class CXTEdit : public CEdit
{
    DECLARE_DYNAMIC(CXTEdit)
public:
    CXTEdit();

    // --- overridables ---
    // The clipboard holds text.
    virtual BOOL CanPaste();
    // Some text is selected.
    virtual BOOL HasSelection();
    // Gives the edit the toolkit's normal font and remembers the parent;
    // FALSE unless both windows exist.
    virtual BOOL Initialize(CWnd* pParentWnd);

    // The screen point of the context menu: the point itself, or for the
    // keyboard's (-1, -1) the client area's top-left corner moved by (5, 5).
    CPoint ContextMenuPoint(CPoint point);

protected:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnEditUndo();
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnEditClear();
    afx_msg void OnEditSelectAll();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNeedsSelection(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    // Paints the edit into an off-screen picture and answers nothing more;
    // the flat edit adds its frame.
    void PaintBuffered(CDC* pDC);

    CWnd* m_pParentWnd;
};

class CXTFlatEdit : public CXTEdit, public CXTThemeManagerStyleHost
{
    DECLARE_DYNAMIC(CXTFlatEdit)
public:
    CXTFlatEdit();

    // --- overridables ---
    virtual BOOL IsMouseOver();
    // The theme's edit frame in the state (XTFlatFrameState).
    virtual void DrawFrame(CDC* pDC, int nState);
    // Chooses the state from the focus and the mouse, then DrawFrame; nothing
    // when the control is not flat.
    virtual void DrawFlat(CDC* pDC);
    void OnThemeChanged() override;

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
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    void OnHoverTimer();
    void DrawFrameNow(int nState);

    BOOL m_bButtonDown;
    BOOL m_bHasFocus;
    CXTFlatLook m_flatLook;
};
