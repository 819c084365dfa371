#include "ShellNotifyRecorder.h"

#include <stdio.h>

ShellNotifyRecorder* ShellNotifyRecorder::s_pActive = nullptr;

ShellNotifyRecorder::ShellNotifyRecorder()
{
    s_pActive = this;
    XTSetShellNotifyIconForTesting(Record);
    SetAlarmPlayerForTesting(PlayAlarm);
}

ShellNotifyRecorder::~ShellNotifyRecorder()
{
    XTSetShellNotifyIconForTesting(NULL);
    SetAlarmPlayerForTesting(NULL);
    s_pActive = nullptr;
}

BOOL WINAPI ShellNotifyRecorder::Record(DWORD dwMessage, PNOTIFYICONDATAA pData)
{
    std::string call = dwMessage == NIM_ADD ? "add" : dwMessage == NIM_DELETE ? "delete" : "modify";
    if (s_pActive->watched != NULL)
        call += ::IsWindowVisible(s_pActive->watched) ? " (window shown)" : " (window hidden)";
    s_pActive->calls.push_back(call);
    if (dwMessage == NIM_MODIFY && (pData->uFlags & NIF_INFO))
        s_pActive->balloons.push_back(
            {pData->szInfoTitle, pData->szInfo, pData->dwInfoFlags, pData->uTimeout});
    if (s_pActive->m_nRefusals == 0)
        return TRUE;
    --s_pActive->m_nRefusals;
    return FALSE;
}

BOOL WINAPI ShellNotifyRecorder::PlayAlarm(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags)
{
    char szEntry[300];
    snprintf(szEntry, sizeof szEntry, "%s %s 0x%lx", pszSound, hModule == NULL ? "no module" : "module",
             (unsigned long)dwFlags);
    s_pActive->sounds.push_back(szEntry);
    return TRUE;
}
