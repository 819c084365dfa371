#pragma once
// CQueuedTrayIcon: the main window's notification-area icon, a CXTTrayIcon
// whose shell calls go through the NotifyIconQueue: the window's thread hands
// each call over and goes on at once, and the shell's answer comes back
// later to the icon's window. Until then the icon counts as the call asked
// (added, removed, its balloon shown). When the shell refuses the last add
// or the last balloon handed to it, the icon takes the refusal as the base
// would have taken it at once (a refused add counts as removed and is added
// again on SPI_SETWORKAREA and "TaskbarCreated"; a refused balloon awaits no
// event), and the owner hears of it as an icon event of its own through
// WM_TRAY_NOTIFY (lParam TRAY_ADD_REFUSED or TRAY_BALLOON_REFUSED). The
// refusal of an add or balloon that a later one followed is left alone: the
// later one is what the icon counts on now.
//
//   CQueuedTrayIcon tray;                     // used as a CXTTrayIcon
//   tray.CreateWindowOnly(tip, this, IDI_TRAY, IDR_TRAY_MENU, 0, FALSE);
//   tray.AddIcon();                           // TRUE at once
//   ... owner's WM_TRAY_NOTIFY: TRAY_BALLOON_REFUSED ends its balloon sequence
#include "toolkit/controls/XTTrayIcon.h"

// The icon events that tell the owner of a refusal (after the shell's own).
#define TRAY_ADD_REFUSED (WM_APP + 0x122)
#define TRAY_BALLOON_REFUSED (WM_APP + 0x123)

class CQueuedTrayIcon : public CXTTrayIcon
{
public:
    CQueuedTrayIcon();
    // Removes the icon through the queue while the override still serves.
    ~CQueuedTrayIcon() override;

protected:
    // Hands the record to the NotifyIconQueue and answers TRUE.
    BOOL CallShell(DWORD dwMessage, PNOTIFYICONDATAA pRecord) override;

    // WM_NOTIFY_ICON_ANSWER: a refused add or balloon is taken and told to
    // the owner when no later one was handed over.
    afx_msg LRESULT OnShellAnswer(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static BOOL IsBalloon(DWORD dwMessage, UINT uFlags)
    {
        return dwMessage == NIM_MODIFY && (uFlags & NIF_INFO);
    }
    void TellOwner(UINT nEvent);

    // Handed to the shell and not yet answered.
    int m_nAddsUnanswered;
    int m_nBalloonsUnanswered;
};
