#pragma once
// CXTPSoundManager: plays the system's menu sounds ("MenuCommand" when a
// command executes, "MenuPopup" when a popup opens) on a worker thread of
// its own, so the UI thread never waits for the sound device. The thread is
// started by the first request and polls the request every 5 ms.
//
//     XTPSoundManager()->PlaySystemSound(xtpSoundMenuCommand);
//     XTPSoundManager()->StopThread();   // the command-bars manager goes away
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
    // Stops the thread: nothing of it outlives the object.
    ~CXTPSoundManager();

    // Asks for the sound (xtpSoundMenuCommand or xtpSoundMenuPopup); starts
    // the thread when none runs. Ignored while sounds are disabled.
    void PlaySystemSound(XTPSoundManagerState state);
    void EnableSystemSounds(BOOL bEnable) { m_bEnabled = bEnable; }
    BOOL IsSystemSoundsEnabled() const { return m_bEnabled; }

    // Starts a new thread (a running one is stopped first); without a thread
    // no sound plays.
    void StartThread();
    // Asks the thread to end and waits until it has ended.
    void StopThread();
    BOOL IsThreadRunning() const { return m_hThread != NULL; }
    // The request the worker has not taken yet.
    XTPSoundManagerState GetPendingRequest() const;

    // The sound player; tests replace it to see what would play.
    typedef BOOL(WINAPI* PFNPLAYSOUND)(LPCSTR pszSound, HMODULE hModule, DWORD dwFlags);
    void SetSoundPlayer(PFNPLAYSOUND pfnPlaySound) { m_pfnPlaySound = pfnPlaySound; }

private:
    CXTPSoundManager(const CXTPSoundManager&);
    CXTPSoundManager& operator=(const CXTPSoundManager&);

    static DWORD WINAPI SoundThreadProc(LPVOID lpParam);
    void RunWorker();

    volatile LONG m_nRequest;
    BOOL m_bEnabled;
    HANDLE m_hThread;
    PFNPLAYSOUND volatile m_pfnPlaySound;
};

// The process-wide sound manager.
CXTPSoundManager* XTPSoundManager();
