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
