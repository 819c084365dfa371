#include "NotifyRecorderWnd.h"

int NotifyRecorderWnd::Count(UINT message, WPARAM wParam) const
{
    int nCount = 0;
    for (const RecordedMessage& msg : m_messages)
        nCount += msg.message == message && (wParam == (WPARAM)-1 || msg.wParam == wParam);
    return nCount;
}

BOOL NotifyRecorderWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMTREEVIEWA* pTree = (const NMTREEVIEWA*)lParam;
    UINT nCode = pTree->hdr.code;
    LPARAM lItemOld = nCode == TVN_SELCHANGEDA ? (LPARAM)pTree->itemOld.hItem : 0;
    m_messages.push_back({m_hWnd, WM_NOTIFY, nCode, lItemOld, 0, {}});
    if (nCode == TVN_SELCHANGINGA && m_hVetoItem != NULL
        && (pTree->itemNew.hItem == m_hVetoItem || pTree->itemOld.hItem == m_hVetoItem))
    {
        *pResult = 1;
        return TRUE;
    }
    if (nCode == TVN_BEGINDRAGA || nCode == TVN_BEGINRDRAGA)
        m_ptDrag = pTree->ptDrag;
    return CWnd::OnNotify(wParam, lParam, pResult);
}

LRESULT NotifyRecorderWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    bool bTrayRange = message >= 0xD00 && message < 0xE00;
    if (message == WM_COMMAND || message >= WM_APP || bTrayRange)
        m_messages.push_back({m_hWnd, message, wParam, lParam, 0, {}});
    return bTrayRange ? m_lAnswer : CWnd::WindowProc(message, wParam, lParam);
}

NotifyRecorderWnd& TestHost()
{
    static NotifyRecorderWnd* pHost = new NotifyRecorderWnd;
    pHost->m_messages.clear();
    pHost->m_hVetoItem = NULL;
    pHost->m_ptDrag = CPoint(-1, -1);
    pHost->m_lAnswer = 0;
    return *pHost;
}

void SendMouse(CWnd& wnd, UINT message, CPoint pt)
{
    wnd.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

namespace {

CPoint DividerOf(CWnd& header, int iCol)
{
    CRect rc;
    header.SendMessage(HDM_GETITEMRECT, iCol, (LPARAM)&rc);
    return CPoint(rc.right, rc.Height() / 2);
}

} // namespace

void ClickHeaderColumn(CWnd& header, int iCol)
{
    CRect rc;
    header.SendMessage(HDM_GETITEMRECT, iCol, (LPARAM)&rc);
    ClickAt(header, rc.CenterPoint());
    PumpPending();
}

void DragHeaderDivider(CWnd& header, int iCol, int x)
{
    CPoint pt = DividerOf(header, iCol);
    SendMouse(header, WM_LBUTTONDOWN, pt);
    SendMouse(header, WM_MOUSEMOVE, CPoint(x, pt.y));
    SendMouse(header, WM_LBUTTONUP, CPoint(x, pt.y));
    PumpPending();
}

void DoubleClickHeaderDivider(CWnd& header, int iCol)
{
    CPoint pt = DividerOf(header, iCol);
    ClickAt(header, pt);
    SendMouse(header, WM_LBUTTONDBLCLK, pt);
    SendMouse(header, WM_LBUTTONUP, pt);
    PumpPending();
}

HICON MakeIcon(int cx, int cy, bool monochrome)
{
    BYTE nBits = monochrome ? 1 : 32;
    std::vector<BYTE> andBits((cx + 15) / 16 * 2 * cy, 0x00), xorBits(andBits.size() * nBits, 0xFF);
    return ::CreateIcon(NULL, cx, cy, 1, nBits, &andBits[0], &xorBits[0]);
}
