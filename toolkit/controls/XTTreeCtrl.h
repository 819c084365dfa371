#pragma once
// CXTTreeCtrl and CXTTreeView: the framework's tree control and tree view with
// the toolkit's tree part (CXTTreeBase, XTTreeBase.h): per-item fonts and
// colours, search, hot tracking and multi-selection.
//
//   CXTTreeCtrl tree;
//   tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, rect, pParent, 1000);
//   tree.EnableMultiSelect(TRUE);
//   for (HTREEITEM h = tree.GetFirstSelectedItem(); h; h = tree.GetNextSelectedItem(h)) ...
//
// CXTTreeT joins a window base (CTreeCtrl or CTreeView) with CXTTreeBase and
// routes the window's messages into it; the names both bases have resolve to
// the tree part.
#include "toolkit/controls/XTTreeBase.h"
#include "framework/controls/CCtrlView.h"

template <class TBase>
class CXTTreeT : public TBase, public CXTTreeBase
{
public:
    // The tree part's forms of the names both bases have.
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
    {
        return CXTTreeBase::GetItemState(hItem, nStateMask);
    }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
    {
        return CXTTreeBase::SetItemState(hItem, nState, nStateMask);
    }
    BOOL SelectItem(HTREEITEM hItem) { return CXTTreeBase::SelectItem(hItem); }
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) override
    {
        return CXTTreeBase::GetNextItem(hItem, nCode);
    }

    BOOL PreTranslateMessage(MSG* pMsg) override { return CXTTreeBase::PreTranslateMessage(pMsg); }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        return CXTTreeBase::OnNotify(wParam, lParam, pResult);
    }

protected:
    BOOL BasePreTranslateMessage(MSG* pMsg) override { return TBase::PreTranslateMessage(pMsg); }
    BOOL BaseOnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        return TBase::OnNotify(wParam, lParam, pResult);
    }

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { CXTTreeBase::OnLButtonDown(nFlags, point); }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point) { CXTTreeBase::OnRButtonDown(nFlags, point); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        CXTTreeBase::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnSysKeyDown(UINT, UINT, UINT) { CXTTreeBase::OnSystemKey(); }
    afx_msg void OnSysKeyUp(UINT, UINT, UINT) { CXTTreeBase::OnSystemKey(); }
    afx_msg void OnSetFocus(CWnd*) { CXTTreeBase::OnSetFocus(); }
    afx_msg void OnKillFocus(CWnd*) { CXTTreeBase::OnKillFocus(); }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint() { CXTTreeBase::OnPaint(); }
    afx_msg void OnSize(UINT, int, int) { CXTTreeBase::OnSize(); }
    afx_msg void OnMouseMove(UINT, CPoint point) { CXTTreeBase::OnMouseMove(point); }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { CXTTreeBase::OnTimer(nIDEvent); }
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint) { CXTTreeBase::OnNcMouseMove(nHitTest); }
    // The parent receives these notifications as well.
    afx_msg BOOL OnBeginLabelEdit(NMHDR* pHeader, LRESULT* pResult)
    {
        CXTTreeBase::OnBeginLabelEdit(pHeader, pResult);
        return FALSE;
    }
    afx_msg BOOL OnEndLabelEdit(NMHDR* pHeader, LRESULT* pResult)
    {
        CXTTreeBase::OnEndLabelEdit(pHeader, pResult);
        return FALSE;
    }
    afx_msg BOOL OnItemExpanding(NMHDR* pHeader, LRESULT* pResult)
    {
        CXTTreeBase::OnItemExpanding(pHeader, pResult);
        return FALSE;
    }
    afx_msg BOOL OnDeleteItem(NMHDR* pHeader, LRESULT* pResult)
    {
        CXTTreeBase::OnDeleteItem(pHeader, pResult);
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

// The control sends the A or W form of its notifications, as its parent asks.
BEGIN_TEMPLATE_MESSAGE_MAP(CXTTreeT, TBase, TBase)
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_SYSKEYUP()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_NCMOUSEMOVE()
ON_NOTIFY_REFLECT_EX(TVN_BEGINLABELEDITA, OnBeginLabelEdit)
ON_NOTIFY_REFLECT_EX(TVN_BEGINLABELEDITW, OnBeginLabelEdit)
ON_NOTIFY_REFLECT_EX(TVN_ENDLABELEDITA, OnEndLabelEdit)
ON_NOTIFY_REFLECT_EX(TVN_ENDLABELEDITW, OnEndLabelEdit)
ON_NOTIFY_REFLECT_EX(TVN_ITEMEXPANDINGA, OnItemExpanding)
ON_NOTIFY_REFLECT_EX(TVN_ITEMEXPANDINGW, OnItemExpanding)
ON_NOTIFY_REFLECT_EX(TVN_DELETEITEMA, OnDeleteItem)
ON_NOTIFY_REFLECT_EX(TVN_DELETEITEMW, OnDeleteItem)
END_MESSAGE_MAP()

class CXTTreeCtrl : public CXTTreeT<CTreeCtrl>
{
    DECLARE_DYNAMIC(CXTTreeCtrl)
public:
    CXTTreeCtrl();
    // The multi-selection forwarders the program calls on the control.
    HTREEITEM GetFirstSelectedItem() const { return CXTTreeBase::GetFirstSelectedItem(); }
    HTREEITEM GetNextSelectedItem(HTREEITEM hItem) const { return CXTTreeBase::GetNextSelectedItem(hItem); }
    BOOL EnableMultiSelect(BOOL bMultiSelect = TRUE) override
    {
        return CXTTreeBase::EnableMultiSelect(bMultiSelect);
    }
};

class CXTTreeView : public CXTTreeT<CTreeView>
{
    DECLARE_DYNCREATE(CXTTreeView)
public:
    CXTTreeView();
};
