// A tab dragged out of its row (grouping): the drop it would make shown as a
// frame on the screen, the drop menu, and the OLE drop target that brings a
// child forward while something is dragged over its tab.
#include "toolkit/tabs/XTPTabClientWnd.h"

#include "toolkit/tabs/XTPTabsResource.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlWorkspaceActions.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/layout/XTPLayoutFlags.h"
#include "toolkit/foundation/XTPCaptureLoop.h"

void CXTPTabClientWnd::BeginDropTracking()
{
    // What waits to be painted (in any window of the thread the drag
    // uncovered) is painted before the screen is drawn on.
    CXTPCaptureLoop::DispatchPendingPaints();
    m_rcDrop.SetRectEmpty();
    m_rcLastDrag.SetRectEmpty();
    m_szLastDragFrame = CSize(0, 0);
    m_pDropWorkspace = NULL;
    m_nDropMode = xtpTabDropNone;
    m_bLockedUpdates = ::LockWindowUpdate(::GetDesktopWindow());
    const HDC hDC =
        ::GetDCEx(NULL, NULL, DCX_WINDOW | DCX_CACHE | (m_bLockedUpdates ? DCX_LOCKWINDOWUPDATE : 0));
    m_pScreenDC = new CDC;
    m_pScreenDC->Attach(hDC);
}

void CXTPTabClientWnd::TrackDrop(CPoint point, CXTPTabStripItem* pItem)
{
    CXTPTabWorkspace* pOwnGroup = GroupOfItem(pItem);
    std::vector<XTPTabDropGroup> groups;
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
        groups.push_back({pWorkspace->GetHeaderRect(), pWorkspace->GetControlRect(), pWorkspace->GetClientRect(),
                          pWorkspace != pOwnGroup || pWorkspace->GetItemCount() >= 2});
    CRect rcClient;
    GetClientRect(rcClient);
    const XTPTabDrop drop = XTPTabFindDrop(groups, point, rcClient, m_bGroupsStacked);
    m_nDropMode = drop.nMode;
    m_pDropWorkspace = GetWorkspace(drop.nGroup);
    ::SetCursor(drop.nMode == xtpTabDropNone ? m_hcurDragOut : m_hcurDragIn);
    if (drop.rcTarget != m_rcDrop)
    {
        m_rcDrop = drop.rcTarget;
        DrawDropRect(m_rcDrop);
    }
}

void CXTPTabClientWnd::DrawDropRect(const CRect& rcTarget)
{
    if (m_pScreenDC == NULL)
        return;
    CRect rcScreen = rcTarget;
    CSize szFrame(0, 0);
    if (!rcScreen.IsRectEmpty())
    {
        ClientToScreen(rcScreen);
        szFrame = CSize(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    }
    m_pScreenDC->DrawDragRect(rcScreen, szFrame, m_rcLastDrag, m_szLastDragFrame);
    m_rcLastDrag = rcScreen;
    m_szLastDragFrame = szFrame;
}

void CXTPTabClientWnd::EndDropTracking()
{
    if (m_pScreenDC == NULL)
        return;
    DrawDropRect(CRect(0, 0, 0, 0));
    if (m_bLockedUpdates)
        ::LockWindowUpdate(NULL);
    m_bLockedUpdates = FALSE;
    ::ReleaseDC(NULL, m_pScreenDC->Detach());
    delete m_pScreenDC;
    m_pScreenDC = NULL;
}

void CXTPTabClientWnd::ShowDropMenu(CPoint point)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == NULL)
        return;
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
    // The placeholder expands into the tab-group commands the client allows.
    pPopup->GetControls()->Add(xtpControlButton, CXTPControlWorkspaceActions::kCommandId);
    CXTPControl* pCancel = pPopup->GetControls()->Add(xtpControlButton, XTP_ID_WORKSPACE_CANCEL);
    pCancel->SetBeginGroup(TRUE);
    pCancel->SetFlags(xtpFlagManualUpdate);
    ClientToScreen(&point);
    // The chosen command comes to this client.
    CXTPCommandBars::TrackPopupBar(pPopup, 0, point.x, point.y, m_pFrame, NULL, this);
    pPopup->InternalRelease();
}

void CXTPTabClientWnd::DropItem(HWND hChild, CPoint point)
{
    CXTPTabStripItem* pItem = FindItem(hChild);
    if (pItem == NULL)
        return;
    if (m_nDropMode == xtpTabDropMenu)
        ShowDropMenu(point);
    else if (m_nDropMode != xtpTabDropNone)
        MoveItemToGroup(pItem, m_pDropWorkspace, m_nDropMode);
}

BOOL CXTPTabClientWnd::OfferPressToFrame(const MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        return m_pFrame != NULL &&
               m_pFrame->SendMessage(WM_XTP_PRETRANSLATEMOUSEMSG, pMsg->message, pMsg->lParam) != 0;
    default:
        return FALSE;
    }
}

DROPEFFECT CXTPTabClientWnd::CDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint point)
{
    CXTPTabStripItem* pItem = m_pTabClient->HitTest(point);
    if (pItem != NULL && !pItem->IsSelected())
        m_pTabClient->SendMessage(WM_MDIACTIVATE, (WPARAM)pItem->GetData(), 0);
    return DROPEFFECT_NONE;
}
