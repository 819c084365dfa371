#pragma once
// CXTPSoundManager: plays the system's menu sounds ("MenuCommand" when a
// command executes, "MenuPopup" when a popup opens) on a worker thread of
// its own, so the UI thread never waits for the sound device. The thread is
// started by the first request and sleeps until a request (or the stop)
// wakes it: between sounds it costs nothing.
//
//     XTPSoundManager()->PlaySystemSound(xtpSoundMenuCommand);
//     XTPSoundManager()->StopThread();   // the command-bars manager goes away
//
// Stopping ends the playing sound and waits for the worker at most 100 ms: a
// sound that does not end never holds up the frame's closing. A worker that
// outlives the wait shares nothing with the manager but a block of its own
// (the request and the player), so it may end later, whatever became of the
// manager.
#include "framework/Window.h"

enum XTPSoundManagerState
{
    xtpSoundNone = 0,
    xtpSoundMenuCommand = 1,
    xtpSoundMenuPopup = 2,
    xtpSoundTerminate = 3
};

class CXTPSoundManager
{
public:
    CXTPSoundManager();
    // Stops the thread.
    ~CXTPSoundManager();

    // Asks for the sound (xtpSoundMenuCommand or xtpSoundMenuPopup); starts
    // the thread when none runs. Ignored while sounds are disabled.
    void PlaySystemSound(XTPSoundManagerState state);
    void EnableSystemSounds(BOOL bEnable) { m_bEnabled = bEnable; }
    BOOL IsSystemSoundsEnabled() const { return m_bEnabled; }

    // Starts a new thread (a running one is stopped first); without a thread
    // no sound plays.
    void StartThread();
    // Asks the thread to end, ends the sound it plays and waits for it at
    // most 100 ms; the handle is closed either way.
    void StopThread();
    BOOL IsThreadRunning() const { return m_hThread != NULL; }
    // The request the worker has not taken yet.
    XTPSoundManagerState GetPendingRequest() const;
    // How many times the running worker woke up (0 without a thread).
    LONG GetWorkerWakeups() const;

    // The sound player; tests replace it to see what would play. A NULL
    // sound with flags 0 ends the playing sound.
    typedef BOOL(WINAPI* PFNPLAYSOUND)(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);
    void SetSoundPlayer(PFNPLAYSOUND pfnPlaySound);

private:
    CXTPSoundManager(const CXTPSoundManager&);
    CXTPSoundManager& operator=(const CXTPSoundManager&);

    // What the manager and one worker share; the last of the two to let go
    // of it deletes it. hWake (auto-reset) is set with each request.
    struct WorkerLink
    {
        volatile LONG nRequest;
        volatile LONG nHolders;
        PFNPLAYSOUND volatile pfnPlaySound;
        volatile LONG nWakeups;
        HANDLE hWake;
    };
    static void Release(WorkerLink* pLink);
    // Stores the request and wakes the worker.
    static void Ask(WorkerLink* pLink, XTPSoundManagerState state);
    static DWORD WINAPI SoundThreadProc(LPVOID lpParam);
    static void RunWorker(WorkerLink* pLink);

    BOOL m_bEnabled;
    HANDLE m_hThread;
    WorkerLink* m_pLink; // the running worker's, NULL without a thread
    PFNPLAYSOUND m_pfnPlaySound;
};

// The process-wide sound manager.
CXTPSoundManager* XTPSoundManager();
