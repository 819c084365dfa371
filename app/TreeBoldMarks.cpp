#include "app/TreeBoldMarks.h"

#include "app/TreeRedrawBatch.h"

namespace {

BOOL IsExpanded(const CTreeCtrl& tree, HTREEITEM hItem)
{
    return (tree.GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

// The caret is hItem's descendant.
BOOL CaretBelow(const CTreeCtrl& tree, HTREEITEM hItem)
{
    HTREEITEM hCaret = tree.GetSelectedItem();
    for (HTREEITEM hAbove = hCaret != NULL ? tree.GetParentItem(hCaret) : NULL; hAbove != NULL;
         hAbove = tree.GetParentItem(hAbove))
    {
        if (hAbove == hItem)
            return TRUE;
    }
    return FALSE;
}

void SetStates(CTreeCtrl& tree, HTREEITEM hParent, const std::vector<HTREEITEM>& children, BOOL bBold)
{
    for (HTREEITEM hChild : children)
    {
        ASSERT(tree.GetParentItem(hChild) == hParent);
        tree.SetItemState(hChild, bBold ? TVIS_BOLD : 0, TVIS_BOLD);
    }
}

// Where the tree is scrolled to: its first visible item and the horizontal
// position. A collapse and an expand lose both; Restore puts them back (the
// tree keeps the horizontal position within its new range).
class ScrollPlace
{
public:
    explicit ScrollPlace(CTreeCtrl& tree)
        : m_tree(tree), m_hFirstVisible(tree.GetFirstVisibleItem()), m_nHorizontal(tree.GetScrollPos(SB_HORZ))
    {}
    void Restore()
    {
        if (m_hFirstVisible != NULL)
            m_tree.SelectSetFirstVisible(m_hFirstVisible);
        if (m_nHorizontal != 0)
            m_tree.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, m_nHorizontal), 0);
    }

private:
    CTreeCtrl& m_tree;
    HTREEITEM m_hFirstVisible;
    int m_nHorizontal;
};

} // namespace

void SetChildrenBold(CTreeCtrl& tree, HTREEITEM hParent, const std::vector<HTREEITEM>& children, BOOL bBold)
{
    ASSERT(hParent != NULL);
    if (children.empty())
        return;
    TreeRedrawBatch batch(tree);
    if (!IsExpanded(tree, hParent) || CaretBelow(tree, hParent))
    {
        SetStates(tree, hParent, children, bBold);
        return;
    }
    ScrollPlace place(tree);
    tree.Expand(hParent, TVE_COLLAPSE);
    SetStates(tree, hParent, children, bBold);
    tree.Expand(hParent, TVE_EXPAND);
    tree.SendMessage(WM_SETFONT, tree.SendMessage(WM_GETFONT), FALSE);
    place.Restore();
}
