#include "toolkit/tabs/XTPTabWorkspace.h"

#include "toolkit/tabs/XTPTabClientWnd.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

CXTPTabWorkspace::CXTPTabWorkspace()
    : m_dSplitWeight(100.0), m_rcSplitter(0, 0, 0, 0), m_pTabClient(NULL), m_hActiveChild(NULL)
{}

CWnd* CXTPTabWorkspace::GetHostWindow()
{
    return m_pTabClient;
}

// ---- Host operations --------------------------------------------------------------------------

void CXTPTabWorkspace::RecalcHostLayout()
{
    if (m_pTabClient->m_bRefreshLock)
    {
        m_pTabClient->m_bLayoutPending = TRUE;
        return;
    }
    m_pTabClient->m_bLayoutPending = FALSE;
    m_pTabClient->RecalcFrameLayout();
}

CXTPTabStripPainter* CXTPTabWorkspace::GetPainter()
{
    return m_pTabClient->GetPainter();
}

void CXTPTabWorkspace::RedrawHost()
{
    CWnd* pHost = GetHostWindow();
    if (!m_pTabClient->m_bRefreshLock && pHost->GetSafeHwnd() != NULL)
        pHost->Invalidate(FALSE);
}

BOOL CXTPTabWorkspace::DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabStripItem* pItem, BOOL bDraw, CSize& sz)
{
    if (!GetPainter()->IsShowIcons())
        return FALSE;
    if (!bDraw)
        return TRUE;
    const HICON hIcon = GetItemIcon(pItem);
    if (hIcon != NULL)
        ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, hIcon, sz.cx, sz.cy, 0, NULL, DI_NORMAL);
    return TRUE;
}

HICON CXTPTabWorkspace::GetItemIcon(const CXTPTabStripItem* pItem)
{
    return m_pTabClient->GetItemIcon(pItem);
}

COLORREF CXTPTabWorkspace::GetItemColor(CXTPTabStripItem* pItem)
{
    m_pTabClient->GetItemColor(pItem);
    return CXTPTabStrip::GetItemColor(pItem);
}

CString CXTPTabWorkspace::GetItemTip(const CXTPTabStripItem* pItem)
{
    CString strTip = pItem->GetOwnTip();
    const HWND hChild = (HWND)pItem->GetData();
    if (strTip.IsEmpty() && ::IsWindow(hChild))
        strTip = (LPCTSTR)::SendMessageA(hChild, WM_XTP_GETWINDOWTOOLTIP, (WPARAM)pItem, 0);
    if (strTip.IsEmpty())
    {
        CFrameWnd* pChild = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hChild));
        CDocument* pDocument = pChild != NULL ? pChild->GetActiveDocument() : NULL;
        if (pDocument != NULL)
            strTip = pDocument->GetPathName();
    }
    return strTip.IsEmpty() ? pItem->GetCaption() : strTip;
}

void CXTPTabWorkspace::SelectItem(CXTPTabStripItem* pItem)
{
    if (pItem != GetSelectedItem())
        m_hActiveChild = pItem != NULL ? (HWND)pItem->GetData() : NULL;
    CXTPTabStrip::SelectItem(pItem);
}

BOOL CXTPTabWorkspace::IsReorderAllowed()
{
    return m_pTabClient->IsReorderAllowed();
}

void CXTPTabWorkspace::AllowReorder(BOOL bAllow)
{
    m_pTabClient->AllowReorder(bAllow);
}

BOOL CXTPTabWorkspace::HasClientFrame()
{
    return GetPainter()->m_bClientFrame && !m_pTabClient->IsGrouping();
}

void CXTPTabWorkspace::OnItemClick(CXTPTabStripItem* pItem)
{
    m_pTabClient->SendMessage(WM_MDIACTIVATE, (WPARAM)pItem->GetData(), 0);
}

void CXTPTabWorkspace::OnButtonClick(int)
{
    CXTPTabStripItem* pSelected = GetSelectedItem();
    if (pSelected == NULL)
        return;
    m_pTabClient->PostMessage(WM_IDLEUPDATECMDUI);
    ::SendMessageA((HWND)pSelected->GetData(), WM_CLOSE, 0, 0);
}

BOOL CXTPTabWorkspace::IsMouseLocked()
{
    return XTPMouseManager()->IsTrackedLock(NULL);
}

// ---- Tabs of child windows ---------------------------------------------------------------------

CXTPTabStripItem* CXTPTabWorkspace::AddItem(CWnd* pChild)
{
    if ((pChild->GetExStyle() & WS_EX_MDICHILD) == 0)
        return NULL;
    CXTPTabStripItem* pItem = InsertItem(-1);
    pItem->SetData((DWORD_PTR)pChild->GetSafeHwnd());
    pItem->SetText(m_pTabClient->GetItemText(pChild));
    SelectItem(pItem);
    return pItem;
}

CXTPTabStripItem* CXTPTabWorkspace::FindItem(HWND hWnd) const
{
    for (int i = 0; i < GetItemCount(); i++)
        if ((HWND)GetItem(i)->GetData() == hWnd)
            return GetItem(i);
    return NULL;
}

// ---- The group drag -----------------------------------------------------------------------------
//
// As the reorder drag, but a tab taken out of the row (with grouping) is
// tracked over the client: on release it joins the group whose row it is
// over, or makes a new group below or right of the group whose edge it is
// near, or the drop menu asks.

void CXTPTabWorkspace::DragOver(CXTPTabStripItem* pItem, const std::vector<CRect>& rcPlaces, CPoint point,
                                BOOL& bDropTracking)
{
    const CRect rcHeader = GetHeaderRect();
    if (!rcHeader.IsRectEmpty() && !rcHeader.PtInRect(point))
    {
        if (!m_pTabClient->IsGrouping())
            return;
        if (!bDropTracking)
        {
            m_pTabClient->BeginDropTracking();
            bDropTracking = TRUE;
        }
        m_pTabClient->TrackDrop(point, pItem);
        return;
    }
    if (bDropTracking)
    {
        m_pTabClient->EndDropTracking();
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        bDropTracking = FALSE;
    }
    ReorderDraggedItem(pItem, rcPlaces, point);
}

void CXTPTabWorkspace::TrackItemDrag(HWND hWnd, CPoint point, CXTPTabStripItem* pItem)
{
    if (m_pTabClient->GetWorkspaceCount() == 1 && GetItemCount() == 1)
        return;
    ActivateUnderRefreshLock();
    const std::vector<CRect> rcPlaces = BeginItemDrag(pItem);

    BOOL bDropTracking = FALSE;
    CPoint ptLast = point;
    const BOOL bDropped =
        RunItemDrag(hWnd, pItem, ptLast, [&](CPoint pt) { DragOver(pItem, rcPlaces, pt, bDropTracking); });
    if (bDropTracking)
    {
        m_pTabClient->EndDropTracking();
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    }
    if (!HasItem(pItem))
        return;
    OnMouseMove(hWnd, ptLast);
    CXTPTabClientWnd* pTabClient = m_pTabClient;
    const HWND hChild = (HWND)pItem->GetData();
    OnItemClick(pItem);
    // The drop may move this group's last tab away, which deletes the group
    // (this object) while its drag is still here: from now on only the
    // client and the tab's child are used.
    if (bDropTracking && bDropped)
        pTabClient->DropItem(hChild, ptLast);
    pTabClient->EnsureItemVisible(pTabClient->FindItem(hChild));
}

void CXTPTabWorkspace::ActivateUnderRefreshLock()
{
    // The lock is put back as it was, not cleared: a drag that starts while
    // the client holds it (inside its own refresh) must leave it held.
    const BOOL bRefreshLock = m_pTabClient->m_bRefreshLock;
    m_pTabClient->m_bRefreshLock = TRUE;
    m_pTabClient->SetActiveWorkspace(this);
    m_pTabClient->m_bRefreshLock = bRefreshLock;
}
