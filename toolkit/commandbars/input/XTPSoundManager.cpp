#include "toolkit/commandbars/input/XTPSoundManager.h"

#include <mmsystem.h>

namespace {

// SND_ALIAS | SND_NOWAIT | SND_NODEFAULT: a named system sound, skipped when
// the device is busy or the sound is not set.
const DWORD kSoundFlags = 0x12002;
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
        Ask(m_pLink, state);
}

void CXTPSoundManager::Ask(WorkerLink* pLink, XTPSoundManagerState state)
{
    ::InterlockedExchange(&pLink->nRequest, state);
    ::SetEvent(pLink->hWake);
}

XTPSoundManagerState CXTPSoundManager::GetPendingRequest() const
{
    if (m_pLink == NULL)
        return xtpSoundNone;
    return (XTPSoundManagerState)::InterlockedCompareExchange(&m_pLink->nRequest, 0, 0);
}

LONG CXTPSoundManager::GetWorkerWakeups() const
{
    return m_pLink != NULL ? ::InterlockedCompareExchange(&m_pLink->nWakeups, 0, 0) : 0;
}

void CXTPSoundManager::Release(WorkerLink* pLink)
{
    if (::InterlockedDecrement(&pLink->nHolders) != 0)
        return;
    ::CloseHandle(pLink->hWake);
    delete pLink;
}

void CXTPSoundManager::StartThread()
{
    StopThread();
    WorkerLink* pLink = new WorkerLink;
    pLink->nRequest = xtpSoundNone;
    pLink->nHolders = 2;
    pLink->nWakeups = 0;
    pLink->pfnPlaySound = m_pfnPlaySound;
    pLink->hWake = ::CreateEventA(NULL, FALSE, FALSE, NULL);
    DWORD dwThreadId = 0;
    HANDLE hThread = pLink->hWake != NULL
                         ? ::CreateThread(NULL, 0, SoundThreadProc, pLink, CREATE_SUSPENDED, &dwThreadId)
                         : NULL;
    if (hThread == NULL)
    {
        if (pLink->hWake != NULL)
            ::CloseHandle(pLink->hWake);
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
    Ask(m_pLink, xtpSoundTerminate);
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
        ::WaitForSingleObject(pLink->hWake, INFINITE);
        ::InterlockedIncrement(&pLink->nWakeups);
        // Take the request and leave "nothing" in its place in one step: a
        // request written meanwhile sets the event again and is taken at the
        // next wake-up.
        const LONG nRequest = ::InterlockedExchange(&pLink->nRequest, xtpSoundNone);
        if (nRequest == xtpSoundTerminate)
            break;
        if (nRequest == xtpSoundMenuCommand)
            pLink->pfnPlaySound("MenuCommand", NULL, kSoundFlags);
        else if (nRequest == xtpSoundMenuPopup)
            pLink->pfnPlaySound("MenuPopup", NULL, kSoundFlags);
    }
    pLink->pfnPlaySound(NULL, NULL, SND_PURGE);
    Release(pLink);
}
