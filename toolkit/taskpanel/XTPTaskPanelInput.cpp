// The task panel's reaction to the mouse and the keyboard: hit tests, the
// hot, pressed and focused items, clicks and group toggles, keyboard
// navigation and tool tips.
#include "toolkit/taskpanel/XTPTaskPanel.h"

#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/foundation/XTPToolInfo.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

#include <stdlib.h>

namespace {

// How far a pressed item moves, across and down together, before it is dragged.
const int kDragDistance = 4;

BOOL IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

} // namespace

// ---- hit tests ----

CXTPTaskPanelGroup* CXTPTaskPanel::HitTestGroup(CPoint pt, BOOL* pbCaption) const
{
    if (HitTestScrollButton(pt) != NULL)
        return NULL;
    pt.y += GetScrollOffset();
    for (int i = 0; i < GetGroupCount(); i++)
    {
        CXTPTaskPanelGroup* pGroup = GetAt(i);
        BOOL bCaption = FALSE;
        if (pGroup->GetClientRect().PtInRect(pt))
            bCaption = FALSE;
        else if (pGroup->IsCaptionVisible() && pGroup->GetCaptionRect().PtInRect(pt))
            bCaption = TRUE;
        else
            continue;
        if (pbCaption != NULL)
            *pbCaption = bCaption;
        return pGroup;
    }
    return NULL;
}

CXTPTaskPanelItem* CXTPTaskPanel::HitTestItem(CPoint pt, BOOL bClientGroup) const
{
    BOOL bCaption = FALSE;
    CXTPTaskPanelGroup* pGroup = HitTestGroup(pt, &bCaption);
    if (pGroup == NULL || bCaption)
        return pGroup;
    if (CXTPTaskPanelItem* pItem = pGroup->HitTest(CPoint(pt.x, pt.y + GetScrollOffset())))
        return pItem;
    return bClientGroup ? pGroup : NULL;
}

// ---- mouse ----

BOOL CXTPTaskPanel::IsMouseLockedByBars() const
{
    return XTPMouseManager()->IsTrackedLock(NULL) || XTPMouseManager()->IsMouseLocked();
}

void CXTPTaskPanel::TrackMouseLeave()
{
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
}

void CXTPTaskPanel::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTPTaskPanelItem* pItem = HitTestItem(point);
    CXTPHoldReference hold(pItem);
    if (pItem != NULL && pItem->IsAcceptFocus())
    {
        SetFocusedItem(pItem, FALSE);
        // The owner may have removed the item when told of the focus.
        if (pItem->GetTaskPanel() == this && pItem->GetParentItems() != NULL)
        {
            SetCapture();
            m_pItemPressed = pItem;
            m_ptPressed = point;
            Invalidate(FALSE);
        }
    }
    else
        SetFocus();
    CXTPTaskPanelScrollButton* pButton = HitTestScrollButton(point);
    if (pButton != NULL && pButton->bEnabled)
        TrackScrollButton(pButton);
    CWnd::OnLButtonDown(nFlags, point);
}

void CXTPTaskPanel::OnLButtonUp(UINT, CPoint)
{
    CXTPTaskPanelItem* pItem = m_pItemPressed;
    if (pItem == NULL)
        return;
    CXTPHoldReference hold(pItem);
    m_pItemPressed = NULL;
    ReleaseCapture();
    Invalidate(FALSE);
    if (pItem != m_pItemHot)
        return;
    if (CXTPTaskPanelGroup* pGroup = DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, pItem))
        pGroup->SetExpanded(!pGroup->IsExpanded());
    else
        OnClick(pItem);
}

void CXTPTaskPanel::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
    CXTPTaskPanelItem* pItem = m_pItemHot;
    if (pItem != NULL && pItem == m_pItemPressed && !pItem->IsGroup())
        NotifyItem(TPN_DBLCLICK, pItem, (LPARAM)pItem);
}

void CXTPTaskPanel::OnRButtonDown(UINT nFlags, CPoint point)
{
    CXTPTaskPanelItem* pItem = HitTestItem(point);
    if (pItem != NULL && pItem->IsAcceptFocus())
    {
        CXTPHoldReference hold(pItem);
        SetFocusedItem(pItem, FALSE);
        NotifyItem(TPN_RCLICK, pItem, (LPARAM)pItem);
    }
    CWnd::OnRButtonDown(nFlags, point);
}

void CXTPTaskPanel::OnCaptureChanged(CWnd* pWnd)
{
    if (m_pItemPressed != NULL)
    {
        m_pItemPressed = NULL;
        Invalidate(FALSE);
    }
    CWnd::OnCaptureChanged(pWnd);
}

void CXTPTaskPanel::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (IsMouseLockedByBars())
        return;
    CXTPTaskPanelItem* pItem = HitTestItem(point);
    const BOOL bHot = pItem != NULL && pItem->IsAcceptFocus() && IsTopParentActive()
                      && (m_pItemPressed == NULL || m_pItemPressed == pItem);
    SetHotItem(bHot ? pItem : NULL);
    StartDragIfMoved(point);
    UpdateScrollButtonsHot(point);
}

void CXTPTaskPanel::StartDragIfMoved(CPoint point)
{
    CXTPTaskPanelItem* pPressed = m_pItemPressed;
    if (pPressed == NULL || abs(point.x - m_ptPressed.x) + abs(point.y - m_ptPressed.y) <= kDragDistance)
        return;
    CXTPHoldReference hold(pPressed);
    if (CXTPTaskPanelGroup* pGroup = DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, pPressed))
        OnStartGroupDrag(pGroup);
    else
        OnStartItemDrag(pPressed);
}

void CXTPTaskPanel::OnMouseLeave()
{
    SetHotItem(NULL);
    UpdateScrollButtonsHot(CPoint(-1, -1));
    CWnd::OnMouseLeave();
}

BOOL CXTPTaskPanel::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_pItemHot != NULL)
    {
        ::SetCursor(m_hHandCursor);
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CXTPTaskPanel::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    Invalidate(FALSE);
}

void CXTPTaskPanel::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    m_bDrawFocusRect = FALSE;
    Invalidate(FALSE);
}

// ---- keyboard ----

UINT CXTPTaskPanel::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CXTPTaskPanel::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_TAB:
        if (CXTPTaskPanelItem* pNext = GetNextItem(m_pItemFocused, IsKeyDown(VK_SHIFT) ? -1 : 1, TRUE, TRUE))
            SetFocusedItem(pNext, TRUE);
        break;
    case VK_RETURN:
    case VK_SPACE:
        ActivateFocusedItem();
        break;
    case VK_HOME:
    case VK_END:
        FocusFirstOrLast(nChar == VK_HOME);
        break;
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
        if (OnKeyboardArrow(nChar))
            return;
        break;
    default:
        break;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CXTPTaskPanel::ActivateFocusedItem()
{
    CXTPTaskPanelItem* pItem = m_pItemFocused;
    if (pItem == NULL || !pItem->IsAcceptFocus())
        return;
    CXTPHoldReference hold(pItem);
    if (CXTPTaskPanelGroup* pGroup = DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, pItem))
        pGroup->SetExpanded(!pGroup->IsExpanded());
    else if (pItem->GetType() == xtpTaskItemTypeLink)
        OnClick(pItem);
}

void CXTPTaskPanel::FocusFirstOrLast(BOOL bFirst)
{
    CXTPTaskPanelItems* pItems = m_pItemFocused != NULL ? m_pItemFocused->GetParentItems() : NULL;
    if (pItems == NULL)
        return;
    CXTPTaskPanelItem* pItem = pItems->GetAt(bFirst ? 0 : pItems->GetCount() - 1);
    if (pItem != NULL && pItem->IsAcceptFocus())
        SetFocusedItem(pItem, TRUE);
}

BOOL CXTPTaskPanel::OnKeyboardArrow(UINT nChar)
{
    const int nDirection = nChar == VK_DOWN || nChar == VK_RIGHT ? 1 : -1;
    const BOOL bRowStep = nChar == VK_DOWN || nChar == VK_UP;
    if (!IsExplorerBehaviour() && IsKeyDown(VK_CONTROL) && m_pActiveGroup != NULL)
    {
        CXTPTaskPanelGroup* pGroup = GetAt(m_pActiveGroup->GetIndex() + nDirection);
        if (pGroup != NULL && pGroup->IsAcceptFocus())
        {
            CXTPHoldReference hold(pGroup);
            pGroup->SetExpanded(TRUE);
            SetFocusedItem(pGroup, FALSE);
        }
        return TRUE;
    }
    if (CXTPTaskPanelItem* pNext = GetNextItem(m_pItemFocused, nDirection, FALSE, bRowStep))
        SetFocusedItem(pNext, TRUE);
    return FALSE;
}

CXTPTaskPanelItem* CXTPTaskPanel::StepFrom(CXTPTaskPanelItem* pItem, int nDirection, BOOL bGroupsOnly,
                                           BOOL bRowStep) const
{
    const BOOL bForward = nDirection >= 1;
    if (pItem == NULL)
        return bForward ? GetAt(0) : NULL;
    if (CXTPTaskPanelGroup* pGroup = DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, pItem))
    {
        if (bForward)
        {
            // An empty group leads on to the next group, as going backward
            // leads to an empty previous group: the keys never stop at one.
            if (pGroup->GetItemCount() > 0)
                return pGroup->GetAt(0);
            return GetAt(pGroup->GetIndex() + 1);
        }
        CXTPTaskPanelGroup* pPrevious = GetAt(pGroup->GetIndex() - 1);
        if (pPrevious == NULL)
            return NULL;
        return pPrevious->GetItemCount() > 0 ? (CXTPTaskPanelItem*)pPrevious->GetAt(pPrevious->GetItemCount() - 1)
                                             : pPrevious;
    }
    CXTPTaskPanelGroup* pGroup = pItem->GetItemGroup();
    if (pGroup == NULL)
        return NULL;
    if (!bGroupsOnly)
    {
        const int nStep = bRowStep ? pGroup->GetItemsInRow() : 1;
        if (CXTPTaskPanelItem* pSibling = pGroup->GetAt(pItem->GetIndex() + (bForward ? nStep : -nStep)))
            return pSibling;
    }
    return bForward ? GetAt(pGroup->GetIndex() + 1) : pGroup;
}

CXTPTaskPanelItem* CXTPTaskPanel::GetNextItem(CXTPTaskPanelItem* pItem, int nDirection, BOOL bGroupsOnly,
                                              BOOL bRowStep) const
{
    if (GetGroupCount() == 0)
        return NULL;
    CXTPTaskPanelItem* pCandidate = pItem;
    for (;;)
    {
        pCandidate = StepFrom(pCandidate, nDirection, bGroupsOnly, bRowStep);
        if (pCandidate == NULL)
            return NULL;
        // A link of a closed group is not seen.
        if (pCandidate->GetType() == xtpTaskItemTypeLink && pCandidate->GetItemGroup() != NULL
            && !pCandidate->GetItemGroup()->IsExpanded())
            continue;
        if (pCandidate->IsAcceptFocus())
            return pCandidate;
    }
}

// ---- tool tips ----

INT_PTR CXTPTaskPanel::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    const INT_PTR nHit = CWnd::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    if (IsMouseLockedByBars() || m_pItemHot == NULL || m_pItemHot->GetTooltip().IsEmpty()
        || m_pItemHot->GetID() == 0)
        return -1;
    const INT_PTR nID = (INT_PTR)m_pItemHot->GetID();
    XTPFillToolInfo(pTI, m_hWnd, (UINT_PTR)nID, m_pItemHot->GetHitTestRect(), m_pItemHot->GetTooltip());
    return nID;
}
