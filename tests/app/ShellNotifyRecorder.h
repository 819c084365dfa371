#pragma once
// Stands in for the shell's notification area while it lives: every
// Shell_NotifyIcon call of the icon windows is answered here (TRUE, or FALSE
// while refusals are pending) and the balloons it asks for are recorded, and
// the alarm sound is recorded instead of played. One at a time.
//
// The main window's icon makes its calls on the NotifyIconQueue's thread:
// Settle() waits until they were made and their answers handled, before the
// calls are read. While Block() holds, each call waits in the stand-in (as in
// a slow shell) until Unblock(), or the time given has passed.
#include "app/NewsNotifier.h"
#include "toolkit/controls/XTTrayIcon.h"

#include <string>
#include <vector>

struct ShownBalloon
{
    std::string title, text;
    DWORD infoFlags;
    UINT timeout; // ms
};

class ShellNotifyRecorder
{
public:
    ShellNotifyRecorder();
    ~ShellNotifyRecorder();

    // The next nCalls calls are refused.
    void Refuse(int nCalls) { m_nRefusals = nCalls; }
    // Waits for the queued calls, then handles their answers (nothing else
    // waiting for the window thread).
    void Settle();
    void Block(DWORD nMaxWaitMs);
    void Unblock();
    // The calls waiting in the stand-in now.
    LONG Blocked() const { return m_nBlocked; }

    // Every call in order: "add", "delete" or "modify", and while a window
    // is watched, " (window shown)" or " (window hidden)" after it.
    std::vector<std::string> calls;
    HWND watched = NULL;

    // The balloons the shell was asked to show, in order.
    std::vector<ShownBalloon> balloons;
    // The alarm sounds asked for: path, module and flags.
    std::vector<std::string> sounds;

private:
    static BOOL WINAPI Record(DWORD dwMessage, PNOTIFYICONDATAA pData);
    static BOOL WINAPI PlayAlarm(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);

    static ShellNotifyRecorder* s_pActive;
    int m_nRefusals = 0;
    // Set while calls go through; reset while they are blocked.
    HANDLE m_hGo;
    DWORD m_nMaxWaitMs = 0;
    volatile LONG m_nBlocked = 0;
};
