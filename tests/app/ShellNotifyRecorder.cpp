#include "ShellNotifyRecorder.h"

#include <stdio.h>

std::vector<ShellNotifyRecorder::Call> ShellNotifyRecorder::s_calls;
std::vector<std::string> ShellNotifyRecorder::s_sounds;
int ShellNotifyRecorder::s_nRefusals = 0;

ShellNotifyRecorder::ShellNotifyRecorder()
{
    Clear();
    s_nRefusals = 0;
    XTSetShellNotifyIconForTesting(Record);
    SetAlarmPlayerForTesting(PlayAlarm);
}

ShellNotifyRecorder::~ShellNotifyRecorder()
{
    XTSetShellNotifyIconForTesting(NULL);
    SetAlarmPlayerForTesting(NULL);
}

void ShellNotifyRecorder::Clear()
{
    s_calls.clear();
    s_sounds.clear();
}

BOOL WINAPI ShellNotifyRecorder::Record(DWORD dwMessage, PNOTIFYICONDATAA pData)
{
    s_calls.push_back({dwMessage, *pData});
    if (s_nRefusals > 0)
    {
        --s_nRefusals;
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI ShellNotifyRecorder::PlayAlarm(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags)
{
    char szEntry[300];
    snprintf(szEntry, sizeof szEntry, "%s %s 0x%lx", pszSound, hModule == NULL ? "no module" : "module",
             (unsigned long)dwFlags);
    s_sounds.push_back(szEntry);
    return TRUE;
}

std::vector<ShownBalloon> ShellNotifyRecorder::Balloons() const
{
    std::vector<ShownBalloon> balloons;
    for (const Call& call : s_calls)
    {
        if (call.message == NIM_MODIFY && (call.data.uFlags & NIF_INFO))
            balloons.push_back(
                {call.data.szInfoTitle, call.data.szInfo, call.data.dwInfoFlags, call.data.uTimeout});
    }
    return balloons;
}
