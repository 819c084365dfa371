#pragma once
// CQueuedTrayIcon: the main window's notification-area icon, a CXTTrayIcon
// whose shell calls go through the NotifyIconQueue: the window's thread hands
// each call over and goes on at once, and the shell's answer comes back
// later to the icon's window. Until then the icon counts as the call asked
// (added, removed, its balloon shown). When the shell refuses an add or a
// balloon, the owner hears of it as an icon event of its own through
// WM_TRAY_NOTIFY (lParam TRAY_ADD_REFUSED or TRAY_BALLOON_REFUSED).
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

    // The shell refused the last add it has answered (a later add counts once
    // the shell took it).
    BOOL IsAddRefused() const { return m_bAddRefused; }

protected:
    // Hands the record to the NotifyIconQueue and answers TRUE.
    BOOL CallShell(DWORD dwMessage, PNOTIFYICONDATAA pRecord) override;

    // WM_NOTIFY_ICON_ANSWER: a refused add or balloon is told to the owner.
    afx_msg LRESULT OnShellAnswer(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void TellOwner(UINT nEvent);

    BOOL m_bAddRefused;
};
