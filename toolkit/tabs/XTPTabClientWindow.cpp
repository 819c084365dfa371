// The tab client as the MDI client's window: its layout inside the frame,
// painting and border, the MDI messages that refresh the tabs, the mouse
// over the groups and their splitters, and the tool tips.
#include "toolkit/tabs/XTPTabClientWnd.h"

#include "toolkit/tabs/XTPTabWorkspaceWnd.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/tabs/themes/XTPTabStripShape.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPSplitterTracker.h"

namespace {

// What grouping mode takes from a new child: its frame and caption.
const DWORD kChildFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

} // namespace

CWnd* CXTPTabClientWnd::GetTabsWindow() const
{
    CXTPTabClientWnd* pThis = const_cast<CXTPTabClientWnd*>(this);
    if (m_bGrouping || m_arrWorkspaces.empty())
        return pThis;
    return m_arrWorkspaces[0]->GetHostWindow();
}

void CXTPTabClientWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(GetTabsWindow()->m_hWnd, lpPoint);
}

void CXTPTabClientWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(GetTabsWindow()->m_hWnd, NULL, (LPPOINT)lpRect, 2);
}

void CXTPTabClientWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(GetTabsWindow()->m_hWnd, lpPoint);
}

void CXTPTabClientWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(NULL, GetTabsWindow()->m_hWnd, (LPPOINT)lpRect, 2);
}

// ---- Layout ----------------------------------------------------------------------------------------

CRect CXTPTabClientWnd::GetClientBorderMargins()
{
    CRect rcMargins(2, 2, -2, -2);
    m_pPainter->GetAppearanceSet()->DrawClientBorder(NULL, &rcMargins, xtpTabBorderAdjust);
    return rcMargins;
}

void CXTPTabClientWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    CRect rc(lpClientRect);
    if (!m_arrWorkspaces.empty() && m_bShowTabs)
    {
        if (m_bGrouping)
        {
            const CRect rcMargins = GetClientBorderMargins();
            LayoutGroups(CRect(0, 0, rc.Width() + rcMargins.Width(), rc.Height() + rcMargins.Height()));
        }
        else
        {
            LayoutWorkspaceWindow(rc);
        }
    }
    else if (m_hWnd != NULL)
    {
        Invalidate(FALSE);
    }
    *lpClientRect = rc;
    CXTPTabClientInterface::CalcWindowRect(lpClientRect, nAdjustType);
}

void CXTPTabClientWnd::LayoutGroups(CRect rcArea)
{
    std::vector<double> weights;
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
        weights.push_back(pWorkspace->m_dSplitWeight);
    const std::vector<XTPTabGroupPlace> places = XTPTabPlaceGroups(weights, rcArea, m_bGroupsStacked);
    CClientDC dc(this);
    for (int i = 0; i < GetWorkspaceCount(); i++)
    {
        CXTPTabWorkspace* pWorkspace = m_arrWorkspaces[i];
        pWorkspace->m_rcSplitter = places[i].rcSplitter;
        m_pPainter->RepositionTabStrip(pWorkspace, &dc, places[i].rcGroup);
        const CRect rcClient = pWorkspace->GetClientRect();
        for (int nItem = 0; nItem < pWorkspace->GetItemCount(); nItem++)
            ::MoveWindow((HWND)pWorkspace->GetItem(nItem)->GetData(), rcClient.left, rcClient.top,
                         rcClient.Width(), rcClient.Height(), TRUE);
    }
    Invalidate(FALSE);
}

void CXTPTabClientWnd::LayoutWorkspaceWindow(CRect& rcClient)
{
    // The row's window and the MDI client inside it move together, in one
    // batch: neither is ever seen at its new place beside the other's old one.
    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = ::BeginDeferWindowPos(2);
    CWnd* pWindow = m_arrWorkspaces[0]->GetHostWindow();
    if (pWindow->GetSafeHwnd() != NULL && pWindow->IsWindowVisible())
    {
        AfxRepositionWindow(&layout, pWindow->m_hWnd, rcClient);
        CClientDC dc(pWindow);
        m_pPainter->RepositionTabStrip(m_arrWorkspaces[0], &dc, CRect(0, 0, rcClient.Width(), rcClient.Height()));
        CRect rcInside = m_arrWorkspaces[0]->GetClientRect();
        rcInside.OffsetRect(rcClient.TopLeft());
        pWindow->Invalidate(FALSE);
        if (rcInside.left > rcInside.right || rcInside.top > rcInside.bottom)
            rcInside.SetRectEmpty();
        pWindow->ShowWindow(SW_SHOWNA);
        rcClient = rcInside;
    }
    AfxRepositionWindow(&layout, m_hWnd, rcClient);
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
}

// ---- Painting and the border -------------------------------------------------------------------------

void CXTPTabClientWnd::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    GetClientRect(rcClient);
    CXTPBufferDC dc(dcPaint.GetSafeHdc(), rcClient);
    DrawBackground(&dc, rcClient);
    if (!m_bGrouping)
        return;
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
    {
        m_pPainter->DrawTabStrip(pWorkspace, &dc, pWorkspace->GetControlRect());
        CRect rcSplitter = pWorkspace->m_rcSplitter;
        if (!rcSplitter.IsRectEmpty())
            m_pPainter->GetAppearanceSet()->DrawClientBorder(
                &dc, &rcSplitter, m_bGroupsStacked ? xtpTabBorderSplitterStacked : xtpTabBorderSplitterSideBySide);
    }
}

BOOL CXTPTabClientWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPTabClientWnd::DrawBackground(CDC* pDC, CRect rc)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == NULL)
    {
        pDC->FillSolidRect(rc, ::GetSysColor(COLOR_APPWORKSPACE));
        return;
    }
    if (m_bThemedBackground)
    {
        pDC->FillSolidRect(rc, pCommandBars->GetPaintManager()->GetColor(COLOR_APPWORKSPACE));
        return;
    }
    // The MDI client's own look. Its WM_PAINT leaves the background to its
    // WM_ERASEBKGND (which this window swallows), so its own erase comes
    // first: the picture would otherwise keep whatever the DC held.
    DefWindowProc(WM_ERASEBKGND, (WPARAM)pDC->GetSafeHdc(), 0);
    DefWindowProc(WM_PAINT, (WPARAM)pDC->GetSafeHdc(), 0);
}

void CXTPTabClientWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!m_bGrouping || m_pFrame == NULL)
    {
        Default();
        return;
    }
    (void)bCalcValidRects;
    const CRect rcMargins = GetClientBorderMargins();
    RECT& rc = lpncsp->rgrc[0];
    rc.left += rcMargins.left;
    rc.top += rcMargins.top;
    rc.right += rcMargins.right;
    rc.bottom += rcMargins.bottom;
}

void CXTPTabClientWnd::OnNcPaint()
{
    if (!m_bGrouping || m_pFrame == NULL)
    {
        Default();
        return;
    }
    CWindowDC dc(this);
    CRect rcWindow;
    GetWindowRect(rcWindow);
    rcWindow.OffsetRect(-rcWindow.TopLeft());
    m_pPainter->GetAppearanceSet()->DrawClientBorder(&dc, &rcWindow, xtpTabBorderDraw);
}

BOOL CXTPTabClientWnd::OnNcActivate(BOOL)
{
    return TRUE;
}

// ---- The MDI messages ----------------------------------------------------------------------------------

LRESULT CXTPTabClientWnd::OnMDIActivate(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    RefreshItems();
    return lResult;
}

LRESULT CXTPTabClientWnd::OnMDICreate(WPARAM, LPARAM)
{
    const HWND hChild = (HWND)Default();
    if (hChild != NULL && m_bGrouping)
    {
        m_mapStrippedStyles[hChild] = std::make_pair((DWORD)::GetWindowLongA(hChild, GWL_STYLE) & kChildFrameStyles,
                                                     (DWORD)::GetWindowLongA(hChild, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        CWnd::ModifyStyle(hChild, kChildFrameStyles, 0, 0);
        CWnd::ModifyStyleEx(hChild, WS_EX_CLIENTEDGE, 0, 0);
        ::MoveWindow(hChild, 0, 0, 0, 0, TRUE);
    }
    RefreshItems();
    return (LRESULT)hChild;
}

LRESULT CXTPTabClientWnd::OnMDIDestroy(WPARAM wParam, LPARAM)
{
    m_mapStrippedStyles.erase((HWND)wParam);
    const LRESULT lResult = Default();
    RefreshItems();
    return lResult;
}

void CXTPTabClientWnd::OnSize(UINT, int, int)
{
    Default();
    RefreshItems();
}

LRESULT CXTPTabClientWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    // A press in the tab area held the refresh back until now.
    if (m_bMouseMark)
    {
        m_bMouseMark = FALSE;
        m_bMouseLock = FALSE;
    }
    RefreshItems();
    return 0;
}

// ---- The mouse (grouping) ---------------------------------------------------------------------------

int CXTPTabClientWnd::SplitterHitTest(CPoint point) const
{
    for (int i = 0; i + 1 < GetWorkspaceCount(); i++)
        if (m_arrWorkspaces[i]->m_rcSplitter.PtInRect(point))
            return i;
    return -1;
}

void CXTPTabClientWnd::TrackSplitter(int nGroup, CPoint point)
{
    CXTPTabWorkspace* pFirst = m_arrWorkspaces[nGroup];
    CXTPTabWorkspace* pSecond = m_arrWorkspaces[nGroup + 1];
    CRect rcBounds;
    rcBounds.UnionRect(pFirst->GetControlRect(), pSecond->GetControlRect());
    ClientToScreen(rcBounds);
    CRect rcTracker = pFirst->m_rcSplitter;
    ClientToScreen(rcTracker);
    ClientToScreen(&point);
    CXTPSplitterTracker tracker;
    if (!tracker.Track(this, rcBounds, rcTracker, point, !m_bGroupsStacked))
        return;
    // Stacked groups follow each other down, as XTPTabPlaceGroups lays them out.
    const CXTPOrientation orient(m_bGroupsStacked);
    XTPTabShareWeights(pFirst->m_dSplitWeight, pSecond->m_dSplitWeight, orient.MainStart(rcTracker),
                       orient.MainStart(rcBounds), orient.MainLength(rcBounds));
    RecalcFrameLayout();
}

void CXTPTabClientWnd::OnLButtonDown(UINT, CPoint point)
{
    if (!m_bGrouping)
    {
        Default();
        return;
    }
    SetMouseLock();
    const int nSplitter = SplitterHitTest(point);
    if (nSplitter >= 0)
    {
        TrackSplitter(nSplitter, point);
        return;
    }
    for (CXTPTabWorkspace* pWorkspace : m_arrWorkspaces)
        if (pWorkspace->GetControlRect().PtInRect(point))
        {
            pWorkspace->OnMouseDown(m_hWnd, point, FALSE);
            return;
        }
}

void CXTPTabClientWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CXTPTabClientWnd::OnMouseMove(UINT, CPoint point)
{
    if (!m_bGrouping)
    {
        Default();
        return;
    }
    // A group may go while another one hands the mouse on.
    const std::vector<CXTPTabWorkspace*> arrWorkspaces = m_arrWorkspaces;
    for (CXTPTabWorkspace* pWorkspace : arrWorkspaces)
        if (FindWorkspaceIndex(pWorkspace) >= 0)
            pWorkspace->OnMouseMove(m_hWnd, point);
}

void CXTPTabClientWnd::OnMouseLeave()
{
    OnMouseMove(0, CPoint(-1, -1));
}

BOOL CXTPTabClientWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bGrouping && nHitTest == HTCLIENT)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (SplitterHitTest(point) >= 0)
        {
            ::SetCursor(m_bGroupsStacked ? m_hcurSplitRow : m_hcurSplitColumn);
            return TRUE;
        }
    }
    return CXTPTabClientInterface::OnSetCursor(pWnd, nHitTest, message);
}

// ---- Tool tips and presses ------------------------------------------------------------------------------

INT_PTR CXTPTabClientWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (XTPMouseManager()->IsMouseLocked())
        return -1;
    CXTPTabStripItem* pItem = HitTest(point);
    CXTPTabWorkspace* pWorkspace = GroupOfItem(pItem);
    if (pWorkspace == NULL)
        return -1;
    return pWorkspace->FillToolInfo(m_hWnd, pItem, pTI);
}

BOOL CXTPTabClientWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_bGrouping && pMsg->hwnd == m_hWnd && OfferPressToFrame(pMsg))
        return TRUE;
    return CXTPTabClientInterface::PreTranslateMessage(pMsg);
}
