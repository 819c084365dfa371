// The task panel's renaming in place, OLE drag and drop of items (inside a
// group, between groups, between panels and, as text, to other programs) and
// the reordering of groups by dragging their captions.
#include "toolkit/taskpanel/XTPTaskPanel.h"

#include "toolkit/commandbars/XTPHoldReference.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "toolkit/taskpanel/XTPTaskPanelDropTarget.h"
#include "toolkit/taskpanel/XTPTaskPanelEditItem.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelPainter.h"

namespace {

const DWORD kCopyBits = xtpTaskItemAllowDragCopyWithinGroup | xtpTaskItemAllowDragCopyWithinControl
                        | xtpTaskItemAllowDragCopyOutsideControl;
const DWORD kMoveBits = xtpTaskItemAllowDragMoveWithinGroup | xtpTaskItemAllowDragMoveWithinControl
                        | xtpTaskItemAllowDragMoveOutsideControl;
const DWORD kOutsideBits = xtpTaskItemAllowDragCopyOutsideControl | xtpTaskItemAllowDragMoveOutsideControl;
const UINT kDefaultHoverTime = 500;

CXTPTaskPanel* PanelOf(CWnd* pWnd)
{
    return DYNAMIC_DOWNCAST(CXTPTaskPanel, pWnd);
}

} // namespace

DROPEFFECT CXTPTaskPanelDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                               CPoint point)
{
    CXTPTaskPanel* pPanel = PanelOf(pWnd);
    return pPanel != NULL ? pPanel->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

void CXTPTaskPanelDropTarget::OnDragLeave(CWnd* pWnd)
{
    if (CXTPTaskPanel* pPanel = PanelOf(pWnd))
        pPanel->OnDragOver(NULL, 0, CPoint(-1, -1));
}

BOOL CXTPTaskPanelDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    CXTPTaskPanel* pPanel = PanelOf(pWnd);
    return pPanel != NULL && pPanel->OnDrop(pDataObject, dropEffect, point);
}

CLIPFORMAT CXTPTaskPanel::GetClipboardFormat()
{
    return TaskPanelClipboardFormat;
}

// ---- renaming ----

BOOL CXTPTaskPanel::RenameItem(CXTPTaskPanelItem* pItem)
{
    if (pItem == NULL || m_hWnd == NULL)
        return FALSE;
    CXTPHoldReference hold(pItem);
    Reposition(FALSE);
    EnsureVisible(pItem);
    // The painter records where the caption goes while it draws.
    UpdateWindow();
    if (pItem->GetParentItems() == NULL)
        return FALSE;
    CXTPTaskPanelEditItem* pEdit = new CXTPTaskPanelEditItem;
    if (!pEdit->Create(pItem))
    {
        delete pEdit;
        return FALSE;
    }
    m_pRenameEdit = pEdit;
    return TRUE;
}

void CXTPTaskPanel::OnRenameEnded(CXTPTaskPanelEditItem* pEdit)
{
    if (m_pRenameEdit == pEdit)
        m_pRenameEdit = NULL;
}

void CXTPTaskPanel::OnEndLabelEdit(CXTPTaskPanelItem* pItem, LPCTSTR lpszText)
{
    if (NotifyItem(TPN_ENDLABELEDIT, pItem, (LPARAM)pItem) == 0)
        pItem->SetCaption(lpszText);
}

// ---- dragging items ----

void CXTPTaskPanel::OnStartItemDrag(CXTPTaskPanelItem* pItem)
{
    const long nAllow = pItem->GetAllowDrag();
    if (nAllow == 0)
        return;
    CXTPHoldReference hold(pItem);
    ReleaseCapture();
    COleDataSource source;
    if (!pItem->CacheDataSource(&source, (nAllow & kOutsideBits) != 0))
        return;
    if (NotifyItem(TPN_STARTDRAG, pItem, (LPARAM)pItem) == -1 || pItem->GetParentItems() == NULL)
        return;
    Remember(m_pItemDragging, pItem);
    const DROPEFFECT dwAllowed = ((nAllow & kCopyBits) ? DROPEFFECT_COPY : 0) | ((nAllow & kMoveBits) ? DROPEFFECT_MOVE : 0);
    const DROPEFFECT dwEffect = source.DoDragDrop(dwAllowed);
    // A move inside the panel leaves only the copy the drop inserted.
    if (dwEffect == DROPEFFECT_MOVE && (dwAllowed & DROPEFFECT_MOVE) && m_pItemDragging == pItem)
        pItem->Remove();
    Remember(m_pItemDragging, NULL);
    m_pItemDragOver = NULL;
    Invalidate(FALSE);
}

DROPEFFECT CXTPTaskPanel::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    DROPEFFECT dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    BOOL bCaption = FALSE;
    CXTPTaskPanelGroup* pGroup = HitTestGroup(point, &bCaption);
    if (pDataObject == NULL || !pDataObject->IsDataAvailable(TaskPanelClipboardFormat)
        || (!pDataObject->IsDataAvailable(CF_TEXT) && m_pItemDragging == NULL))
        pGroup = NULL;
    if (m_pItemDragging != NULL)
    {
        const long nAllow = m_pItemDragging->GetAllowDrag();
        if (!(nAllow & (xtpTaskItemAllowDragMoveWithinGroup | xtpTaskItemAllowDragMoveWithinControl)))
            dwEffects &= ~DROPEFFECT_MOVE;
        if (!(nAllow & (xtpTaskItemAllowDragCopyWithinGroup | xtpTaskItemAllowDragCopyWithinControl)))
            dwEffects &= ~DROPEFFECT_COPY;
        if (pGroup != NULL && pGroup != m_pItemDragging->GetItemGroup())
        {
            if (nAllow & xtpTaskItemAllowDragMoveWithinGroup)
                dwEffects &= ~DROPEFFECT_MOVE;
            if (nAllow & xtpTaskItemAllowDragCopyWithinGroup)
                dwEffects &= ~DROPEFFECT_COPY;
        }
        if (dwEffects == 0)
            pGroup = NULL;
    }

    CXTPTaskPanelItem* pTarget = DropTargetAt(pGroup, bCaption, point);
    if (pTarget != m_pItemDragOver)
    {
        m_pItemDragOver = pTarget;
        Invalidate(FALSE);
    }
    UpdateDragHover();
    if (pTarget != NULL && (dwEffects & DROPEFFECT_COPY)
        && ((dwKeyState & MK_CONTROL) || !(dwEffects & DROPEFFECT_MOVE)))
        return DROPEFFECT_COPY;
    return pTarget != NULL && (dwEffects & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
}

CXTPTaskPanelItem* CXTPTaskPanel::DropTargetAt(CXTPTaskPanelGroup* pGroup, BOOL bCaption, CPoint point) const
{
    if (pGroup == NULL || !pGroup->IsAllowDrop())
        return NULL;
    if (bCaption)
        return pGroup;
    CRect rcItem;
    const CPoint ptContent(point.x, point.y + GetScrollOffset());
    CXTPTaskPanelGroupItem* pItem = pGroup->HitTest(ptContent, &rcItem);
    if (pItem == NULL || !pItem->IsAllowDrop())
        return pGroup;
    // Without the painter's insert-after the mark goes before an item: the
    // lower half of one means before the next.
    if (!m_pPaintManager->IsInsertAfter() && ptContent.y >= rcItem.CenterPoint().y)
    {
        CXTPTaskPanelGroupItem* pNext = pGroup->GetAt(pItem->GetIndex() + 1);
        return pNext != NULL ? (CXTPTaskPanelItem*)pNext : pGroup;
    }
    return pItem;
}

void CXTPTaskPanel::UpdateDragHover()
{
    CXTPTaskPanelGroup* pGroup = DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, m_pItemDragOver);
    const BOOL bOverClosedGroup = pGroup != NULL && !pGroup->IsExpanded();
    if (bOverClosedGroup && !m_bHoverTimerArmed)
    {
        UINT nHoverTime = 0;
        ::SystemParametersInfo(SPI_GETMOUSEHOVERTIME, 0, &nHoverTime, 0);
        SetTimer(xtpTaskPanelTimerDragHover, nHoverTime != 0 ? nHoverTime : kDefaultHoverTime);
        m_bHoverTimerArmed = TRUE;
    }
    else if (!bOverClosedGroup && m_bHoverTimerArmed)
    {
        KillTimer(xtpTaskPanelTimerDragHover);
        m_bHoverTimerArmed = FALSE;
    }
}

void CXTPTaskPanel::OnDragHoverTimer()
{
    CXTPTaskPanelGroup* pGroup = DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, m_pItemDragOver);
    if (pGroup != NULL && m_bHoverTimerArmed)
        pGroup->SetExpanded(TRUE);
    KillTimer(xtpTaskPanelTimerDragHover);
    m_bHoverTimerArmed = FALSE;
}

BOOL CXTPTaskPanel::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint)
{
    CXTPTaskPanelItem* pTarget = m_pItemDragOver;
    m_pItemDragOver = NULL;
    UpdateDragHover();
    if (pTarget == NULL)
        return FALSE;
    // The insertion mark goes also when the drop inserts nothing.
    Invalidate(FALSE);
    if (dropEffect != DROPEFFECT_COPY && dropEffect != DROPEFFECT_MOVE)
        return TRUE;
    if (pDataObject == NULL || !pDataObject->IsDataAvailable(TaskPanelClipboardFormat))
        return FALSE;
    CXTPTaskPanelItem* pNew = CXTPTaskPanelItem::CreateFromOleData(pDataObject);
    // Only group items go into a group.
    if (pNew != NULL && !pNew->IsKindOf(RUNTIME_CLASS(CXTPTaskPanelGroupItem)))
    {
        pNew->InternalRelease();
        pNew = NULL;
    }
    if (pNew == NULL)
        return FALSE;
    if (CXTPTaskPanelGroup* pGroup = DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, pTarget))
        pGroup->GetItems()->InsertAt(pGroup->GetItemCount(), pNew);
    else
    {
        CXTPTaskPanelItems* pItems = pTarget->GetParentItems();
        int nIndex = pTarget->GetIndex();
        const int nDragged =
            m_pItemDragging != NULL && m_pItemDragging->GetParentItems() == pItems ? m_pItemDragging->GetIndex() : -1;
        if (m_pPaintManager->IsInsertAfter() && nDragged < nIndex + 1)
            nIndex++;
        pItems->InsertAt(nIndex, pNew);
    }
    CXTPHoldReference hold(pNew);
    if (pNew->IsAcceptFocus())
        SetFocusedItem(pNew, FALSE);
    NotifyItem(TPN_ITEMDROP, pNew, (LPARAM)pNew);
    return TRUE;
}

// ---- reordering groups ----

void CXTPTaskPanel::OnStartGroupDrag(CXTPTaskPanelGroup* pGroup)
{
    if (pGroup->GetAllowDrag() == 0)
        return;
    ::SetCursor(::LoadCursor(NULL, IDC_SIZENS));
    Remember(m_pItemDragging, pGroup);
    Invalidate(FALSE);
    CXTPCaptureLoop loop(m_hWnd, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape);
    loop.Run(
        [&](MSG& msg) {
            if (msg.message == WM_LBUTTONUP)
                return CXTPCaptureLoop::finish;
            if (msg.message == WM_KEYDOWN)
                return CXTPCaptureLoop::handled;
            if (msg.message != WM_MOUSEMOVE || msg.hwnd != m_hWnd)
                return CXTPCaptureLoop::dispatch;
            BOOL bCaption = FALSE;
            CXTPTaskPanelGroup* pOver = HitTestGroup(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)), &bCaption);
            if (pOver != NULL && bCaption && pOver != pGroup)
                m_pGroups->Move(pGroup, pOver->GetIndex());
            return CXTPCaptureLoop::handled;
        },
        // The group may leave the panel while it is dragged.
        [&] { return m_pItemDragging == pGroup; });
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    Remember(m_pItemDragging, NULL);
    Invalidate(FALSE);
}
