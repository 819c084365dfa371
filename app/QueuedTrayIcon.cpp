#include "app/QueuedTrayIcon.h"

#include "app/NotifyIconQueue.h"

BEGIN_MESSAGE_MAP(CQueuedTrayIcon, CXTTrayIcon)
ON_MESSAGE(WM_NOTIFY_ICON_ANSWER, OnShellAnswer)
END_MESSAGE_MAP()

CQueuedTrayIcon::CQueuedTrayIcon() : m_nAddsUnanswered(0), m_nBalloonsUnanswered(0)
{}

CQueuedTrayIcon::~CQueuedTrayIcon()
{
    RemoveIcon();
}

BOOL CQueuedTrayIcon::CallShell(DWORD dwMessage, PNOTIFYICONDATAA pRecord)
{
    // The queue answers every add and balloon, in the order handed over.
    if (dwMessage == NIM_ADD)
        ++m_nAddsUnanswered;
    else if (IsBalloon(dwMessage, pRecord->uFlags))
        ++m_nBalloonsUnanswered;
    NotifyIconQueue::Post(dwMessage, *pRecord);
    return TRUE;
}

LRESULT CQueuedTrayIcon::OnShellAnswer(WPARAM wParam, LPARAM lParam)
{
    const DWORD dwMessage = LOWORD(wParam);
    const BOOL bAccepted = (BOOL)lParam;
    if (dwMessage == NIM_ADD)
    {
        ASSERT(m_nAddsUnanswered > 0);
        if (--m_nAddsUnanswered == 0 && !bAccepted && TakeLateAddRefusal())
            TellOwner(TRAY_ADD_REFUSED);
    }
    else if (IsBalloon(dwMessage, HIWORD(wParam)))
    {
        ASSERT(m_nBalloonsUnanswered > 0);
        // A refusal that comes after the sequence moved on to a later
        // balloon (the fallback time-out ran out first) is not that one's.
        if (--m_nBalloonsUnanswered == 0 && !bAccepted)
        {
            // No balloon shows, so no balloon event will come.
            StopBalloonFallback();
            TellOwner(TRAY_BALLOON_REFUSED);
        }
    }
    return 0;
}

void CQueuedTrayIcon::TellOwner(UINT nEvent)
{
    OnTrayNotification(GetIconRecord().uID, nEvent);
}
