#include "ListEditTestHost.h"

BOOL CListEditHost::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = (const NMHDR*)lParam;
    m_notifyCodes.push_back(pNMHDR->code);
    if (pNMHDR->code == HDN_ITEMCLICKA || pNMHDR->code == HDN_ITEMCLICKW)
    {
        const NMHEADERA* pHeader = (const NMHEADERA*)lParam;
        m_columnClicks.push_back(std::make_pair(pHeader->iItem, pHeader->iButton));
    }
    return CTestWindow::OnNotify(wParam, lParam, pResult);
}

CListEditHost& ListEditHost()
{
    static CListEditHost* pHost = new CListEditHost;
    pHost->m_notifyCodes.clear();
    pHost->m_columnClicks.clear();
    return *pHost;
}

namespace {

CRect HeaderItemRect(CWnd& header, int iCol)
{
    CRect rc;
    header.SendMessage(HDM_GETITEMRECT, iCol, (LPARAM)&rc);
    return rc;
}

void SendMouse(CWnd& header, UINT message, CPoint pt)
{
    WPARAM wParam = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    header.SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
}

} // namespace

void ClickHeaderColumn(CWnd& header, int iCol)
{
    CPoint pt = HeaderItemRect(header, iCol).CenterPoint();
    SendMouse(header, WM_LBUTTONDOWN, pt);
    SendMouse(header, WM_LBUTTONUP, pt);
    PumpPending();
}

void DragHeaderDivider(CWnd& header, int iCol, int x)
{
    CRect rc = HeaderItemRect(header, iCol);
    SendMouse(header, WM_LBUTTONDOWN, CPoint(rc.right, rc.Height() / 2));
    SendMouse(header, WM_MOUSEMOVE, CPoint(x, rc.Height() / 2));
    SendMouse(header, WM_LBUTTONUP, CPoint(x, rc.Height() / 2));
    PumpPending();
}

void DoubleClickHeaderDivider(CWnd& header, int iCol)
{
    CRect rc = HeaderItemRect(header, iCol);
    CPoint pt(rc.right, rc.Height() / 2);
    SendMouse(header, WM_LBUTTONDOWN, pt);
    SendMouse(header, WM_LBUTTONUP, pt);
    SendMouse(header, WM_LBUTTONDBLCLK, pt);
    SendMouse(header, WM_LBUTTONUP, pt);
    PumpPending();
}
