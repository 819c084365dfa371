#pragma once
// Stands in for the shell's notification area while it lives: every
// Shell_NotifyIcon call of the icon windows is recorded here (and answered
// TRUE, or FALSE while refusals are pending), and the alarm sound is recorded
// instead of played. One at a time.
#include "app/NewsNotifier.h"
#include "toolkit/controls/XTTrayIcon.h"

#include <string>
#include <vector>

struct ShownBalloon
{
    std::string title;
    std::string text;
    DWORD infoFlags;
    UINT timeout; // ms
};

class ShellNotifyRecorder
{
public:
    ShellNotifyRecorder();
    ~ShellNotifyRecorder();

    // The next nCalls calls are refused.
    void Refuse(int nCalls) { s_nRefusals = nCalls; }
    // The balloons the shell was asked to show, in order.
    std::vector<ShownBalloon> Balloons() const;
    // The alarm sounds asked for: path and flags.
    std::vector<std::string> Sounds() const { return s_sounds; }
    void Clear();

private:
    static BOOL WINAPI Record(DWORD dwMessage, PNOTIFYICONDATAA pData);
    static BOOL WINAPI PlayAlarm(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);

    struct Call
    {
        DWORD message;
        NOTIFYICONDATAA data;
    };
    static std::vector<Call> s_calls;
    static std::vector<std::string> s_sounds;
    static int s_nRefusals;
};
