#pragma once
// Stands in for the shell's notification area while it lives: every
// Shell_NotifyIcon call of the icon windows is answered here (TRUE, or FALSE
// while refusals are pending) and the balloons it asks for are recorded, and
// the alarm sound is recorded instead of played. One at a time.
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
};
