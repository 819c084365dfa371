#include "ShellNotifyRecorder.h"

#include "app/NotifyIconQueue.h"

#include <stdio.h>

ShellNotifyRecorder* ShellNotifyRecorder::s_pActive = nullptr;

ShellNotifyRecorder::ShellNotifyRecorder() : m_hGo(::CreateEventA(NULL, TRUE, TRUE, NULL))
{
    s_pActive = this;
    XTSetShellNotifyIconForTesting(Record);
    SetAlarmPlayerForTesting(PlayAlarm);
}

ShellNotifyRecorder::~ShellNotifyRecorder()
{
    // No call still queued may come to a recorder that is gone.
    Unblock();
    NotifyIconQueue::WaitUntilIdle(10000);
    XTSetShellNotifyIconForTesting(NULL);
    SetAlarmPlayerForTesting(NULL);
    s_pActive = nullptr;
    ::CloseHandle(m_hGo);
}

void ShellNotifyRecorder::Settle()
{
    NotifyIconQueue::WaitUntilIdle(10000);
    // The answers only: the test decides when anything else is handled.
    MSG msg;
    while (::PeekMessageA(&msg, NULL, WM_NOTIFY_ICON_ANSWER, WM_NOTIFY_ICON_ANSWER, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

void ShellNotifyRecorder::Block(DWORD nMaxWaitMs)
{
    m_nMaxWaitMs = nMaxWaitMs;
    ::ResetEvent(m_hGo);
}

void ShellNotifyRecorder::Unblock()
{
    ::SetEvent(m_hGo);
}

BOOL WINAPI ShellNotifyRecorder::Record(DWORD dwMessage, PNOTIFYICONDATAA pData)
{
    ::InterlockedIncrement(&s_pActive->m_nBlocked);
    ::WaitForSingleObject(s_pActive->m_hGo, s_pActive->m_nMaxWaitMs);
    ::InterlockedDecrement(&s_pActive->m_nBlocked);
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
