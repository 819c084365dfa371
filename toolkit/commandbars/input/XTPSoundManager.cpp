#include "toolkit/commandbars/input/XTPSoundManager.h"

#include <mmsystem.h>

namespace {

// SND_ALIAS | SND_NOWAIT | SND_NODEFAULT: a named system sound, skipped when
// the device is busy or the sound is not set.
const DWORD kSoundFlags = 0x12002;
const DWORD kPollInterval = 5;

} // namespace

CXTPSoundManager* XTPSoundManager()
{
    // A static object: its destructor stops the thread at process exit.
    static CXTPSoundManager s_soundManager;
    return &s_soundManager;
}

CXTPSoundManager::CXTPSoundManager()
    : m_nRequest(xtpSoundNone), m_bEnabled(TRUE), m_hThread(NULL), m_pfnPlaySound(::PlaySoundA)
{}

CXTPSoundManager::~CXTPSoundManager()
{
    StopThread();
}

void CXTPSoundManager::PlaySystemSound(XTPSoundManagerState state)
{
    if (!m_bEnabled)
        return;
    if (m_hThread == NULL)
        StartThread();
    ::InterlockedExchange(&m_nRequest, state);
}

XTPSoundManagerState CXTPSoundManager::GetPendingRequest() const
{
    return (XTPSoundManagerState)::InterlockedCompareExchange(const_cast<LONG*>(&m_nRequest), 0, 0);
}

void CXTPSoundManager::StartThread()
{
    StopThread();
    ::InterlockedExchange(&m_nRequest, xtpSoundNone);
    DWORD dwThreadId = 0;
    HANDLE hThread = ::CreateThread(NULL, 0, SoundThreadProc, this, CREATE_SUSPENDED, &dwThreadId);
    if (hThread == NULL)
        return;
    ::SetThreadPriority(hThread, THREAD_PRIORITY_BELOW_NORMAL);
    m_hThread = hThread;
    ::ResumeThread(hThread);
}

void CXTPSoundManager::StopThread()
{
    if (m_hThread == NULL)
        return;
    ::InterlockedExchange(&m_nRequest, xtpSoundTerminate);
    ::WaitForSingleObject(m_hThread, INFINITE);
    ::CloseHandle(m_hThread);
    m_hThread = NULL;
    ::InterlockedExchange(&m_nRequest, xtpSoundNone);
}

DWORD WINAPI CXTPSoundManager::SoundThreadProc(LPVOID lpParam)
{
    ((CXTPSoundManager*)lpParam)->RunWorker();
    return 0;
}

void CXTPSoundManager::RunWorker()
{
    for (;;)
    {
        // Take the request and leave "nothing" in its place in one step, so a
        // request written meanwhile is never overwritten by the reset.
        LONG nRequest = ::InterlockedCompareExchange(&m_nRequest, xtpSoundNone, xtpSoundMenuCommand);
        if (nRequest == xtpSoundMenuPopup)
            nRequest = ::InterlockedCompareExchange(&m_nRequest, xtpSoundNone, xtpSoundMenuPopup);
        if (nRequest == xtpSoundTerminate)
            break;
        if (nRequest == xtpSoundMenuCommand)
            m_pfnPlaySound("MenuCommand", NULL, kSoundFlags);
        else if (nRequest == xtpSoundMenuPopup)
            m_pfnPlaySound("MenuPopup", NULL, kSoundFlags);
        ::Sleep(kPollInterval);
    }
    m_pfnPlaySound(NULL, NULL, SND_PURGE);
}
