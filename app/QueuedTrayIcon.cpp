#include "app/QueuedTrayIcon.h"

#include "app/NotifyIconQueue.h"

BEGIN_MESSAGE_MAP(CQueuedTrayIcon, CXTTrayIcon)
ON_MESSAGE(WM_NOTIFY_ICON_ANSWER, OnShellAnswer)
END_MESSAGE_MAP()

CQueuedTrayIcon::CQueuedTrayIcon() : m_bAddRefused(FALSE)
{}

CQueuedTrayIcon::~CQueuedTrayIcon()
{
    RemoveIcon();
}

BOOL CQueuedTrayIcon::CallShell(DWORD dwMessage, PNOTIFYICONDATAA pRecord)
{
    NotifyIconQueue::Post(dwMessage, *pRecord);
    return TRUE;
}

LRESULT CQueuedTrayIcon::OnShellAnswer(WPARAM wParam, LPARAM lParam)
{
    const DWORD dwMessage = LOWORD(wParam);
    const UINT uFlags = HIWORD(wParam);
    const BOOL bAccepted = (BOOL)lParam;
    if (dwMessage == NIM_ADD)
    {
        m_bAddRefused = !bAccepted;
        if (!bAccepted)
            TellOwner(TRAY_ADD_REFUSED);
    }
    else if (dwMessage == NIM_MODIFY && (uFlags & NIF_INFO) && !bAccepted)
    {
        // No balloon shows, so no balloon event will come.
        KillTimer(BalloonFallbackTimerId);
        TellOwner(TRAY_BALLOON_REFUSED);
    }
    return 0;
}

void CQueuedTrayIcon::TellOwner(UINT nEvent)
{
    OnTrayNotification(GetIconRecord().uID, nEvent);
}
