#include "toolkit/tabs/XTPTabWorkspaceWnd.h"

#include "toolkit/tabs/XTPTabClientWnd.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/foundation/XTPBufferDC.h"

BEGIN_MESSAGE_MAP(CXTPTabWorkspaceWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

BOOL CXTPTabWorkspaceWnd::Create(CMDIFrameWnd* pFrame)
{
    const CString strClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), NULL, NULL);
    if (!CWnd::Create(strClass, NULL, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
                      pFrame, 0))
        return FALSE;
    // Below the MDI client, which it surrounds: the client stays visible and
    // takes the mouse over its own area.
    ::SetWindowPos(m_hWnd, pFrame->m_hWndMDIClient, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CXTPTabWorkspaceWnd::RedrawHost()
{
    if (!GetTabClient()->m_bRefreshLock && m_hWnd != NULL)
        Invalidate(FALSE);
}

INT_PTR CXTPTabWorkspaceWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    CXTPTabWorkspaceWnd* pThis = const_cast<CXTPTabWorkspaceWnd*>(this);
    return pThis->FillToolInfo(m_hWnd, HitTest(point), pTI);
}

BOOL CXTPTabWorkspaceWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd && GetTabClient()->OfferPressToFrame(pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CXTPTabWorkspaceWnd::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    CWnd::GetClientRect(rcClient);
    CRect rcMDIClient;
    ::GetWindowRect(GetTabClient()->m_hWnd, rcMDIClient);
    ScreenToClient(rcMDIClient);
    dcPaint.ExcludeClipRect(rcMDIClient);
    CXTPBufferDC dc(dcPaint.GetSafeHdc(), rcClient);
    GetPainter()->DrawTabStrip(this, &dc, rcClient);
}

void CXTPTabWorkspaceWnd::OnLButtonDown(UINT, CPoint point)
{
    GetTabClient()->SetMouseLock();
    OnMouseDown(m_hWnd, point, FALSE);
}

void CXTPTabWorkspaceWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CXTPTabWorkspaceWnd::OnMouseMove(UINT, CPoint point)
{
    CXTPTabWorkspace::OnMouseMove(m_hWnd, point);
}

void CXTPTabWorkspaceWnd::OnMouseLeave()
{
    CXTPTabWorkspace::OnMouseMove(m_hWnd, CPoint(-1, -1));
}
