// The multi-selection part of CXTTreeBase: item states, clicks, keys, the
// rubber band and the collapse of branches holding selected items.
#include "toolkit/controls/XTTreeBase.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "framework/Gdi.h"
#include <windowsx.h>

namespace {

BOOL IsShift(UINT nFlags)
{
    return (nFlags & MK_SHIFT) != 0;
}
BOOL IsCtrl(UINT nFlags)
{
    return (nFlags & MK_CONTROL) != 0;
}

// The hit-test flags of an item's icon, label or state icon.
const UINT kOnItem = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;

BOOL IsBeyondDragDistance(CPoint point, CPoint ptStart)
{
    return abs(point.x - ptStart.x) > ::GetSystemMetrics(SM_CXDRAG)
           || abs(point.y - ptStart.y) > ::GetSystemMetrics(SM_CYDRAG);
}

} // namespace

// ---- states ----

UINT CXTTreeBase::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    UINT nState = Tree().CTreeCtrl::GetItemState(hItem, nStateMask & ~TVIS_FOCUSED) & ~TVIS_FOCUSED;
    if ((nStateMask & TVIS_FOCUSED) && hItem == GetFocusedItem())
        nState |= TVIS_FOCUSED;
    return nState;
}

void CXTTreeBase::FillTreeNotify(NMTREEVIEWA& nm, UINT nCode, HTREEITEM hItem, BOOL bNew) const
{
    ZeroMemory(&nm, sizeof(nm));
    nm.hdr.hwndFrom = TreeHwnd();
    nm.hdr.idFrom = Tree().GetDlgCtrlID();
    nm.hdr.code = nCode;
    TVITEMA& item = bNew ? nm.itemNew : nm.itemOld;
    item.mask = TVIF_HANDLE | TVIF_PARAM;
    item.hItem = hItem;
    item.lParam = (LPARAM)Tree().GetItemData(hItem);
}

BOOL CXTTreeBase::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    if (!m_bMultiSelect)
        return Tree().CTreeCtrl::SetItemState(hItem, nState, nStateMask);

    HTREEITEM hCaret = GetFocusedItem();
    BOOL bIsCaret = hItem == hCaret;
    BOOL bCaretSelected = hCaret != NULL && IsSelected(hCaret);
    BOOL bWasSelected = IsSelected(hItem);
    UINT nWorkState = nState & ~TVIS_FOCUSED;
    UINT nWorkMask = nStateMask & ~TVIS_FOCUSED;

    if ((nStateMask & TVIS_FOCUSED) && (nState & TVIS_FOCUSED))
    {
        // The control deselects the old caret when the caret moves: it keeps
        // its selection here.
        if (!bIsCaret && bCaretSelected)
        {
            Tree().Select(NULL, TVGN_CARET);
            Tree().CTreeCtrl::SetItemState(hCaret, TVIS_SELECTED, TVIS_SELECTED);
            Tree().UpdateWindow();
        }
        if (!Tree().Select(hItem, TVGN_CARET))
            return FALSE;
        if (nStateMask & TVIS_SELECTED)
        {
            // The control has selected the new caret and notified already.
            if ((nState & TVIS_SELECTED) && (!bIsCaret || bCaretSelected))
            {
                nWorkState &= ~TVIS_SELECTED;
                nWorkMask &= ~TVIS_SELECTED;
            }
        }
        else if (!bWasSelected)
        {
            // Focus only: the selection the control gave the caret goes again.
            nWorkMask |= TVIS_SELECTED;
            nWorkState &= ~TVIS_SELECTED;
        }
    }
    else if ((nStateMask & TVIS_FOCUSED) && bIsCaret)
    {
        Tree().Select(NULL, TVGN_CARET);
        if (bWasSelected && (!(nStateMask & TVIS_SELECTED) || (nState & TVIS_SELECTED)))
        {
            Tree().CTreeCtrl::SetItemState(hItem, TVIS_SELECTED, TVIS_SELECTED);
            nWorkState &= ~TVIS_SELECTED;
            nWorkMask &= ~TVIS_SELECTED;
        }
    }

    if (nWorkMask == 0)
        return TRUE;
    if (nWorkMask & TVIS_SELECTED)
    {
        NMTREEVIEWA nm;
        FillTreeNotify(nm, TVN_SELCHANGINGA, hItem, (nWorkState & TVIS_SELECTED) != 0);
        if (NotifyOwner(&nm.hdr) != 0)
            return FALSE;
        Tree().CTreeCtrl::SetItemState(hItem, nWorkState, nWorkMask);
        nm.hdr.code = TVN_SELCHANGEDA;
        NotifyOwner(&nm.hdr);
        nWorkState &= ~TVIS_SELECTED;
        nWorkMask &= ~TVIS_SELECTED;
    }
    if (nWorkMask == 0)
        return TRUE;
    return Tree().CTreeCtrl::SetItemState(hItem, nWorkState, nWorkMask);
}

void CXTTreeBase::SetSelected(HTREEITEM hItem, BOOL bSelect)
{
    if (IsSelected(hItem) != bSelect)
        SetItemState(hItem, bSelect ? TVIS_SELECTED : 0, TVIS_SELECTED);
}

BOOL CXTTreeBase::SelectItem(HTREEITEM hItem)
{
    if (!m_bMultiSelect)
        return Tree().Select(hItem, TVGN_CARET);
    return SetItemState(hItem, TVIS_FOCUSED | TVIS_SELECTED, TVIS_FOCUSED | TVIS_SELECTED);
}

BOOL CXTTreeBase::SelectOnlyItem(HTREEITEM hItem)
{
    ASSERT(hItem != NULL);
    if (m_bMultiSelect)
    {
        m_hAnchor = NULL;
        SelectAllExcept(FALSE, hItem);
    }
    return SelectItem(hItem);
}

BOOL CXTTreeBase::FocusItem(HTREEITEM hItem)
{
    if (hItem != NULL)
        return SetItemState(hItem, TVIS_FOCUSED, TVIS_FOCUSED);
    HTREEITEM hCaret = GetFocusedItem();
    return hCaret != NULL && SetItemState(hCaret, 0, TVIS_FOCUSED);
}

HTREEITEM CXTTreeBase::GetFirstSelectedItem() const
{
    if (!m_bMultiSelect)
        return GetFocusedItem();
    for (HTREEITEM hItem = Tree().GetRootItem(); hItem != NULL; hItem = Tree().GetNextVisibleItem(hItem))
        if (IsSelected(hItem))
            return hItem;
    return NULL;
}

HTREEITEM CXTTreeBase::GetNextSelectedItem(HTREEITEM hItem) const
{
    if (!m_bMultiSelect)
        return NULL;
    for (HTREEITEM hNext = Tree().GetNextVisibleItem(hItem); hNext != NULL;
         hNext = Tree().GetNextVisibleItem(hNext))
        if (IsSelected(hNext))
            return hNext;
    return NULL;
}

HTREEITEM CXTTreeBase::GetPrevSelectedItem(HTREEITEM hItem)
{
    if (!m_bMultiSelect)
        return NULL;
    for (HTREEITEM hPrev = Tree().GetPrevVisibleItem(hItem); hPrev != NULL;
         hPrev = Tree().GetPrevVisibleItem(hPrev))
        if (IsSelected(hPrev))
            return hPrev;
    return NULL;
}

UINT CXTTreeBase::GetSelectedCount() const
{
    if (!m_bMultiSelect)
        return GetFocusedItem() != NULL ? 1 : 0;
    UINT nCount = 0;
    for (HTREEITEM hItem = GetFirstSelectedItem(); hItem != NULL; hItem = GetNextSelectedItem(hItem))
        nCount++;
    return nCount;
}

void CXTTreeBase::GetSelectedList(CXTTreeItemList& list) const
{
    list.RemoveAll();
    for (HTREEITEM hItem = Tree().GetRootItem(); hItem != NULL; hItem = Tree().GetNextVisibleItem(hItem))
        if (IsSelected(hItem))
            list.AddTail(hItem);
}

void CXTTreeBase::SelectAll(BOOL bSelect, HTREEITEM hStart)
{
    for (HTREEITEM hItem = hStart != NULL ? hStart : Tree().GetRootItem(); hItem != NULL;
         hItem = Tree().GetNextVisibleItem(hItem))
        SetSelected(hItem, bSelect);
}

void CXTTreeBase::SelectAllExcept(BOOL bSelect, HTREEITEM hExcept)
{
    for (HTREEITEM hItem = Tree().GetRootItem(); hItem != NULL; hItem = Tree().GetNextVisibleItem(hItem))
        if (hItem != hExcept)
            SetSelected(hItem, bSelect);
}

void CXTTreeBase::SelectRange(HTREEITEM hFirst, HTREEITEM hLast, BOOL bOnlyThese)
{
    HTREEITEM hItem = Tree().GetRootItem();
    for (; hItem != NULL && hItem != hFirst && hItem != hLast; hItem = Tree().GetNextVisibleItem(hItem))
        if (bOnlyThese)
            SetSelected(hItem, FALSE);
    if (hItem == NULL)
        return;
    HTREEITEM hOther = hItem == hFirst ? hLast : hFirst;
    for (;;)
    {
        SetSelected(hItem, TRUE);
        BOOL bLast = hItem == hOther;
        hItem = Tree().GetNextVisibleItem(hItem);
        if (bLast || hItem == NULL)
            break;
    }
    for (; hItem != NULL; hItem = Tree().GetNextVisibleItem(hItem))
        if (bOnlyThese)
            SetSelected(hItem, FALSE);
}

BOOL CXTTreeBase::SetChildrenSelected(HTREEITEM hParent, BOOL bSelect, BOOL bRecurse)
{
    HTREEITEM hCaret = GetFocusedItem();
    BOOL bHadCaret = FALSE;
    for (HTREEITEM hChild = Tree().GetChildItem(hParent); hChild != NULL;
         hChild = Tree().GetNextSiblingItem(hChild))
    {
        bHadCaret |= hChild == hCaret;
        SetSelected(hChild, bSelect);
        if (bRecurse && (Tree().CTreeCtrl::GetItemState(hChild, TVIS_EXPANDED) & TVIS_EXPANDED))
            bHadCaret |= SetChildrenSelected(hChild, bSelect, TRUE);
    }
    return bHadCaret;
}

BOOL CXTTreeBase::EnableMultiSelect(BOOL bMultiSelect)
{
    BOOL bPrevious = m_bMultiSelect;
    if (bMultiSelect || !bPrevious)
    {
        m_bMultiSelect = bMultiSelect;
        return bPrevious;
    }
    HTREEITEM hCaret = GetFocusedItem();
    HTREEITEM hKeep = hCaret != NULL && IsSelected(hCaret) ? hCaret : NULL;
    SelectAllExcept(FALSE, hKeep);
    if (hKeep != NULL)
        SelectItem(hKeep);
    m_bMultiSelect = FALSE;
    return bPrevious;
}

// ---- mouse ----

void CXTTreeBase::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bMultiSelect)
    {
        Tree().Default();
        return;
    }
    UINT nHitFlags = 0;
    HTREEITEM hItem = Tree().HitTest(point, &nHitFlags);
    if (nHitFlags & (TVHT_ONITEMBUTTON | TVHT_ONITEMSTATEICON))
    {
        Tree().Default();
        return;
    }
    if (IsEditLabels())
    {
        // A second plain click on the caret's label starts label editing.
        if (!IsShift(nFlags) && !IsCtrl(nFlags) && (nHitFlags & TVHT_ONITEMLABEL) && hItem == GetFocusedItem()
            && m_bEditOnClick)
        {
            SelectAll(FALSE);
            SelectItem(hItem);
            Tree().Default();
            return;
        }
        m_bEditOnClick = (nHitFlags & kOnItem) != 0;
    }
    HandleButtonDown(TRUE, nFlags, point);
}

void CXTTreeBase::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    UINT nHitFlags = 0;
    HTREEITEM hItem = Tree().HitTest(point, &nHitFlags);
    if (hItem != NULL && (nHitFlags & kOnItem))
    {
        if (!IsSelected(hItem))
        {
            SelectAll(FALSE);
            SelectItem(hItem);
        }
    }
    else
        SelectAll(FALSE);
    if (Tree().GetOwner() != NULL)
    {
        NMHDR hdr = {TreeHwnd(), (UINT_PTR)Tree().GetDlgCtrlID(), (UINT)NM_RCLICK};
        NotifyOwner(&hdr);
    }
}

BOOL CXTTreeBase::HandleButtonDown(BOOL bLeft, UINT nFlags, CPoint point)
{
    if (!m_bMultiSelect)
        return TRUE;
    UINT nHitFlags = 0;
    HTREEITEM hItem = Tree().HitTest(point, &nHitFlags);
    if ((nHitFlags & TVHT_ONITEMBUTTON)
        || (bLeft && (Tree().GetStyle() & TVS_CHECKBOXES) && (nHitFlags & TVHT_ONITEMSTATEICON)))
        return TRUE;
    if (hItem != NULL && (nHitFlags & (TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT | TVHT_NOWHERE)) == 0)
    {
        ApplyClickSelection(hItem, bLeft, nFlags);
        TrackClickOrDrag(hItem, bLeft, nFlags, point);
        return m_bActionDone;
    }
    TrackSelectionBand(nFlags, point);
    return TRUE;
}

void CXTTreeBase::ApplyClickSelection(HTREEITEM hItem, BOOL bLeft, UINT nFlags)
{
    BOOL bShift = IsShift(nFlags);
    BOOL bCtrl = IsCtrl(nFlags);
    if (bShift)
    {
        if (!bLeft)
            return;
        if (m_hAnchor == NULL)
            m_hAnchor = GetFocusedItem();
        if (m_hAnchor == NULL)
            m_hAnchor = hItem;
        SelectRange(m_hAnchor, hItem, !bCtrl);
        SetItemState(hItem, TVIS_FOCUSED, TVIS_FOCUSED);
        return;
    }
    if (bCtrl)
    {
        // The left button toggles on release; the right one only anchors.
        m_hAnchor = bLeft ? NULL : hItem;
        return;
    }
    if (!IsSelected(hItem))
        SelectAllExcept(FALSE, hItem);
    SetItemState(hItem, TVIS_FOCUSED | TVIS_SELECTED, TVIS_FOCUSED | TVIS_SELECTED);
    if (bLeft)
        m_hAnchor = NULL;
}

void CXTTreeBase::TrackClickOrDrag(HTREEITEM hItem, BOOL bLeft, UINT nFlags, CPoint point)
{
    enum
    {
        Pending,
        Click,
        Drag,
        Lost
    } result = Pending;
    m_bActionDone = 0;
    CXTPCaptureLoop loop(TreeHwnd());
    const CXTPCaptureLoop::End end = loop.Run([&](MSG& msg) {
        switch (msg.message)
        {
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            result = Click;
            return CXTPCaptureLoop::finish;
        case WM_MOUSEMOVE:
            if (IsBeyondDragDistance(CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)), point))
            {
                result = Drag;
                return CXTPCaptureLoop::finish;
            }
            return CXTPCaptureLoop::handled;
        default:
            return CXTPCaptureLoop::dispatch;
        }
    });
    if (CXTPCaptureLoop::IsAbandoned(end))
        result = Lost;
    if (result == Lost)
        return;

    NMTREEVIEWA nm;
    FillTreeNotify(nm, 0, hItem, TRUE);
    if (result == Click)
    {
        if (bLeft && !IsShift(nFlags))
        {
            UINT nNewState = TVIS_SELECTED;
            if (IsCtrl(nFlags))
                nNewState = IsSelected(hItem) ? 0 : TVIS_SELECTED;
            else
                SelectAllExcept(FALSE, hItem);
            SetItemState(hItem, nNewState | TVIS_FOCUSED, TVIS_FOCUSED | TVIS_SELECTED);
        }
        if (!HasFocus())
            Tree().SetFocus();
        nm.hdr.code = bLeft ? NM_CLICK : NM_RCLICK;
        NotifyOwner(&nm.hdr);
    }
    else
    {
        SetItemState(hItem, TVIS_FOCUSED | TVIS_SELECTED, TVIS_FOCUSED | TVIS_SELECTED);
        if ((Tree().GetStyle() & TVS_DISABLEDRAGDROP) == 0)
        {
            nm.hdr.code = bLeft ? TVN_BEGINDRAGA : TVN_BEGINRDRAGA;
            nm.ptDrag = point;
            NotifyOwner(&nm.hdr);
        }
    }
    m_bActionDone = 1;
}

void CXTTreeBase::TrackSelectionBand(UINT nFlags, CPoint point)
{
    BOOL bModifier = IsShift(nFlags) || IsCtrl(nFlags);
    HWND hTree = TreeHwnd();
    Tree().SetFocus();
    CXTTreeItemList listRemembered;
    if (bModifier)
        GetSelectedList(listRemembered);

    CDC* pDC = Tree().GetDC();
    CRect rcClient;
    Tree().GetClientRect(&rcClient);
    CSize sizeFrame(1, 1);
    Tree().SetTimer(TimerBand, BandElapse);

    // The start point lives in content coordinates, so it stays on its item
    // while the band scrolls the tree.
    int nItemHeight = 0;
    CRect rcRoot;
    if (Tree().GetRootItem() != NULL && Tree().GetItemRect(Tree().GetRootItem(), &rcRoot, FALSE))
        nItemHeight = rcRoot.Height();
    CPoint ptContent(point.x + Tree().GetScrollPos(SB_HORZ),
                     point.y + Tree().GetScrollPos(SB_VERT) * nItemHeight);

    BOOL bStarted = FALSE;
    CRect rcLast(0, 0, 0, 0);
    // Draws the band to the point (client coordinates), scrolling the tree
    // when the point is outside it.
    auto moveBandTo = [&](CPoint ptMove) {
        if (!bStarted)
        {
            if (!IsBeyondDragDistance(ptMove, point))
                return;
            if (!bModifier)
                SelectAll(FALSE);
            Tree().UpdateWindow();
        }
        if (ptMove.y < rcClient.top)
            Tree().SendMessage(WM_VSCROLL, SB_LINEUP);
        else if (ptMove.y >= rcClient.bottom)
            Tree().SendMessage(WM_VSCROLL, SB_LINEDOWN);
        if (ptMove.x < rcClient.left)
            Tree().SendMessage(WM_HSCROLL, SB_LINELEFT);
        else if (ptMove.x >= rcClient.right)
            Tree().SendMessage(WM_HSCROLL, SB_LINERIGHT);

        CPoint ptStart(ptContent.x - Tree().GetScrollPos(SB_HORZ),
                       ptContent.y - Tree().GetScrollPos(SB_VERT) * nItemHeight);
        CRect rcBand(ptStart, ptMove);
        rcBand.NormalizeRect();
        SelectItemsInBand(rcBand, nFlags, listRemembered);
        pDC->DrawDragRect(rcBand, sizeFrame, bStarted ? &rcLast : NULL, sizeFrame);
        rcLast = rcBand;
        bStarted = TRUE;
    };
    CXTPCaptureLoop loop(hTree, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape);
    const CXTPCaptureLoop::End end = loop.Run([&](MSG& msg) {
        CPoint ptMove;
        switch (msg.message)
        {
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            return CXTPCaptureLoop::finish;
        case WM_TIMER:
            ptMove = msg.pt;
            ::ScreenToClient(hTree, &ptMove);
            // Outside the window the timer scrolls as a move would.
            if (msg.hwnd != hTree || msg.wParam != TimerBand || rcClient.PtInRect(ptMove))
                return CXTPCaptureLoop::dispatch;
            moveBandTo(ptMove);
            return CXTPCaptureLoop::handled;
        case WM_MOUSEMOVE:
            moveBandTo(CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)));
            return CXTPCaptureLoop::handled;
        default:
            return CXTPCaptureLoop::dispatch;
        }
    });
    // Esc drops the band's selection.
    if (end == CXTPCaptureLoop::endEscape)
        SelectAll(FALSE);
    Tree().KillTimer(TimerBand);
    if (bStarted)
        pDC->DrawDragRect(rcLast, CSize(0, 0), &rcLast, sizeFrame);
    else if (!bModifier)
        SelectAll(FALSE);
    Tree().ReleaseDC(pDC);
}

void CXTTreeBase::SelectItemsInBand(const CRect& rcBand, UINT nFlags, CXTTreeItemList& listRemembered)
{
    for (HTREEITEM hItem = Tree().GetRootItem(); hItem != NULL; hItem = Tree().GetNextVisibleItem(hItem))
    {
        CRect rcItem;
        Tree().GetItemRect(hItem, &rcItem, m_bBandTextOnly);
        CRect rcCommon;
        BOOL bInBand = rcCommon.IntersectRect(rcItem, rcBand);
        POSITION pos = listRemembered.Find(hItem);
        BOOL bRemembered = pos != NULL;
        BOOL bSelected = IsSelected(hItem);
        if (bInBand)
        {
            if (!bSelected && !bRemembered)
                SetSelected(hItem, TRUE);
            else if (IsCtrl(nFlags) && bRemembered)
                SetSelected(hItem, FALSE);
            else if (IsShift(nFlags) && bRemembered)
                listRemembered.RemoveAt(pos);
        }
        else if (bSelected && !bRemembered)
            SetSelected(hItem, FALSE);
        else if (bRemembered)
            SetSelected(hItem, TRUE);
    }
    Tree().UpdateWindow();
}

// ---- keys, focus and collapse ----

void CXTTreeBase::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (!m_bMultiSelect || (nChar != VK_UP && nChar != VK_DOWN))
    {
        Tree().Default();
        return;
    }
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    HTREEITEM hCaret = GetFocusedItem();
    if (m_hAnchor == NULL)
        m_hAnchor = hCaret;
    if (!bShift && !bCtrl)
    {
        m_hAnchor = NULL;
        UINT nSelected = GetSelectedCount();
        HTREEITEM hKeep = nSelected < 2 ? hCaret : GetFirstSelectedItem();
        if (hKeep == NULL)
        {
            if (Tree().GetRootItem() != NULL)
                FocusItem(Tree().GetRootItem());
            return;
        }
        SetItemState(hKeep, TVIS_FOCUSED | TVIS_SELECTED, TVIS_FOCUSED | TVIS_SELECTED);
        if (nSelected >= 2)
            SelectAll(FALSE);
    }
    // Ctrl alone moves the focus only: the control's own move would select
    // the new caret and deselect the old one.
    if (bShift || !bCtrl)
        Tree().Default();
    if ((bShift || bCtrl) && hCaret != NULL)
    {
        HTREEITEM hNext =
            nChar == VK_UP ? Tree().GetPrevVisibleItem(hCaret) : Tree().GetNextVisibleItem(hCaret);
        if (hNext == NULL)
            hNext = hCaret;
        if (bShift)
            SelectRange(m_hAnchor, hNext, TRUE);
        else
            FocusItem(hNext);
    }
}

void CXTTreeBase::InvalidateSelected()
{
    // Only the items on screen are painted. A look at every item would cost
    // a long list seconds at each change of the focus: on some systems every
    // message about an item searches the tree's items for it.
    UINT nLeft = Tree().GetVisibleCount() + 1;
    for (HTREEITEM hItem = Tree().GetFirstVisibleItem(); hItem != NULL && nLeft > 0;
         hItem = Tree().GetNextVisibleItem(hItem), nLeft--)
    {
        CRect rcItem;
        if (IsSelected(hItem) && Tree().GetItemRect(hItem, &rcItem, TRUE))
            Tree().InvalidateRect(rcItem);
    }
}

void CXTTreeBase::OnSetFocus()
{
    if (m_bMultiSelect)
        InvalidateSelected();
    Tree().Default();
}

void CXTTreeBase::OnKillFocus()
{
    Tree().Default();
    if (m_bMultiSelect)
        InvalidateSelected();
}

void CXTTreeBase::OnItemExpanding(NMHDR* pHeader, LRESULT* pResult)
{
    *pResult = 0;
    if (!m_bMultiSelect)
        return;
    NMTREEVIEWA* pTree = (NMTREEVIEWA*)pHeader;
    UINT nAction = pTree->action;
    if ((nAction & (TVE_COLLAPSE | TVE_EXPAND)) != TVE_COLLAPSE && (nAction & TVE_COLLAPSERESET) == 0)
        return;
    HTREEITEM hItem = pTree->itemNew.hItem;
    if (SetChildrenSelected(hItem, FALSE, TRUE) && !IsSelected(hItem))
        FocusItem(hItem);
}
