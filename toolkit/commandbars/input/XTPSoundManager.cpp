#include "toolkit/commandbars/input/XTPSoundManager.h"

#include <mmsystem.h>

namespace {

// SND_ALIAS | SND_NOWAIT | SND_NODEFAULT: a named system sound, skipped when
// the device is busy or the sound is not set.
const DWORD kSoundFlags = 0x12002;
const DWORD kPollInterval = 5;
// How long stopping waits for the worker.
const DWORD kStopWait = 100;

} // namespace

CXTPSoundManager* XTPSoundManager()
{
    // A static object: its destructor stops the thread at process exit.
    static CXTPSoundManager s_soundManager;
    return &s_soundManager;
}

CXTPSoundManager::CXTPSoundManager()
    : m_bEnabled(TRUE), m_hThread(NULL), m_pLink(NULL), m_pfnPlaySound(::PlaySoundA)
{}

CXTPSoundManager::~CXTPSoundManager()
{
    StopThread();
}

void CXTPSoundManager::SetSoundPlayer(PFNPLAYSOUND pfnPlaySound)
{
    m_pfnPlaySound = pfnPlaySound;
    if (m_pLink != NULL)
        m_pLink->pfnPlaySound = pfnPlaySound;
}

void CXTPSoundManager::PlaySystemSound(XTPSoundManagerState state)
{
    if (!m_bEnabled)
        return;
    if (m_hThread == NULL)
        StartThread();
    if (m_pLink != NULL)
        ::InterlockedExchange(&m_pLink->nRequest, state);
}

XTPSoundManagerState CXTPSoundManager::GetPendingRequest() const
{
    if (m_pLink == NULL)
        return xtpSoundNone;
    return (XTPSoundManagerState)::InterlockedCompareExchange(&m_pLink->nRequest, 0, 0);
}

void CXTPSoundManager::Release(WorkerLink* pLink)
{
    if (::InterlockedDecrement(&pLink->nHolders) == 0)
        delete pLink;
}

void CXTPSoundManager::StartThread()
{
    StopThread();
    WorkerLink* pLink = new WorkerLink;
    pLink->nRequest = xtpSoundNone;
    pLink->nHolders = 2;
    pLink->pfnPlaySound = m_pfnPlaySound;
    DWORD dwThreadId = 0;
    HANDLE hThread = ::CreateThread(NULL, 0, SoundThreadProc, pLink, CREATE_SUSPENDED, &dwThreadId);
    if (hThread == NULL)
    {
        delete pLink;
        return;
    }
    ::SetThreadPriority(hThread, THREAD_PRIORITY_BELOW_NORMAL);
    m_hThread = hThread;
    m_pLink = pLink;
    ::ResumeThread(hThread);
}

void CXTPSoundManager::StopThread()
{
    if (m_hThread == NULL)
        return;
    // No new sound starts, and the one playing ends, before the wait.
    ::InterlockedExchange(&m_pLink->nRequest, xtpSoundTerminate);
    m_pfnPlaySound(NULL, NULL, 0);
    ::WaitForSingleObject(m_hThread, kStopWait);
    ::CloseHandle(m_hThread);
    m_hThread = NULL;
    Release(m_pLink);
    m_pLink = NULL;
}

DWORD WINAPI CXTPSoundManager::SoundThreadProc(LPVOID lpParam)
{
    RunWorker((WorkerLink*)lpParam);
    return 0;
}

void CXTPSoundManager::RunWorker(WorkerLink* pLink)
{
    for (;;)
    {
        // Take the request and leave "nothing" in its place in one step, so a
        // request written meanwhile is never overwritten by the reset.
        LONG nRequest = ::InterlockedCompareExchange(&pLink->nRequest, xtpSoundNone, xtpSoundMenuCommand);
        if (nRequest == xtpSoundMenuPopup)
            nRequest = ::InterlockedCompareExchange(&pLink->nRequest, xtpSoundNone, xtpSoundMenuPopup);
        if (nRequest == xtpSoundTerminate)
            break;
        if (nRequest == xtpSoundMenuCommand)
            pLink->pfnPlaySound("MenuCommand", NULL, kSoundFlags);
        else if (nRequest == xtpSoundMenuPopup)
            pLink->pfnPlaySound("MenuPopup", NULL, kSoundFlags);
        ::Sleep(kPollInterval);
    }
    pLink->pfnPlaySound(NULL, NULL, SND_PURGE);
    Release(pLink);
}
