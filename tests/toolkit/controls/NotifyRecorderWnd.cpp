#include "NotifyRecorderWnd.h"

NotifyRecorderWnd::NotifyRecorderWnd() : CTestWindow(CSize(640, 480))
{}

void NotifyRecorderWnd::Reset()
{
    m_notifications.clear();
    m_commands.clear();
    m_messages.clear();
    m_selChangedNew.clear();
    m_selChangedOld.clear();
    m_hVetoItem = NULL;
    m_ptDrag = CPoint(-1, -1);
}

int NotifyRecorderWnd::CountNotify(int nCode) const
{
    int nCount = 0;
    for (const NMHDR& hdr : m_notifications)
        nCount += (int)hdr.code == nCode;
    return nCount;
}

int NotifyRecorderWnd::CountCommand(UINT nCode, UINT nID) const
{
    int nCount = 0;
    for (const RecordedMessage& msg : m_commands)
        nCount += HIWORD(msg.wParam) == nCode && LOWORD(msg.wParam) == nID;
    return nCount;
}

int NotifyRecorderWnd::CountMessage(UINT message) const
{
    int nCount = 0;
    for (const RecordedMessage& msg : m_messages)
        nCount += msg.message == message;
    return nCount;
}

BOOL NotifyRecorderWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    m_commands.push_back({WM_COMMAND, wParam, lParam});
    return CWnd::OnCommand(wParam, lParam);
}

BOOL NotifyRecorderWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHeader = (NMHDR*)lParam;
    m_notifications.push_back(*pHeader);
    if (pHeader->code == TVN_SELCHANGINGA || pHeader->code == TVN_SELCHANGEDA)
    {
        NMTREEVIEWA* pTree = (NMTREEVIEWA*)lParam;
        if (pHeader->code == TVN_SELCHANGEDA)
        {
            m_selChangedNew.push_back(pTree->itemNew.hItem);
            m_selChangedOld.push_back(pTree->itemOld.hItem);
        }
        if (pHeader->code == TVN_SELCHANGINGA && m_hVetoItem != NULL
            && (pTree->itemNew.hItem == m_hVetoItem || pTree->itemOld.hItem == m_hVetoItem))
        {
            *pResult = 1;
            return TRUE;
        }
    }
    if (pHeader->code == TVN_BEGINDRAGA || pHeader->code == TVN_BEGINRDRAGA)
        m_ptDrag = ((NMTREEVIEWA*)lParam)->ptDrag;
    return CWnd::OnNotify(wParam, lParam, pResult);
}

LRESULT NotifyRecorderWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP || (message >= 0xD00 && message < 0xE00))
        m_messages.push_back({message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
}

NotifyRecorderWnd& TestHost()
{
    static NotifyRecorderWnd* pHost = new NotifyRecorderWnd;
    pHost->Reset();
    return *pHost;
}
