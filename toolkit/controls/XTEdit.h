#pragma once
// CXTEdit: an edit control with a context menu (Undo, Cut, Copy, Paste,
// Delete, Select All) whose items are enabled from the edit's own state, and
// a flicker-free paint. CXTFlatEdit: the same with the flat, themed frame of
// the flat combo box (XTFlatControlsTheme.h). The theme draws the edit's two
// frame rings just outside its client rectangle: while flat, the edit keeps
// a non-client frame of that width (XT_FLAT_EDIT_FRAME) where they show.
//
//   m_edit.SubclassDlgItem(IDC_NAME, this);
//   m_edit.Initialize(this);   // the toolkit's font
#include "framework/Controls.h"
#include "toolkit/controls/XTFlatControl.h"

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

// The flat parts (theme, flat look, hover, shared theme) come from
// CXTFlatControlT (XTFlatControl.h).
// The width of the flat edit's non-client frame: the theme's two rings.
const int XT_FLAT_EDIT_FRAME = 2;

class CXTFlatEdit : public CXTFlatControlT<CXTEdit>
{
    DECLARE_DYNAMIC(CXTFlatEdit)
public:
    // --- overridables ---
    // The theme's edit frame in the state (XTFlatFrameState), drawn around
    // the client rectangle of pDC's origin.
    void DrawFrame(CDC* pDC, int nState) override;

protected:
    // Draws on the non-client frame.
    void DrawFrameNow(int nState) override;
    // While flat, the frame's width is taken from each side of the client
    // area the default leaves.
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    // Hot while the mouse is over the edit or it has the focus; else normal,
    // and the timer stops.
    void OnHoverTimer() override;
};
