#pragma once
// CXTPMouseManager: the per-thread record of which command bars track the
// mouse (an open menu or a bar in its menu loop), the mouse lock that popups
// take while they animate or scroll, the bar that last selected a control by
// mouse, and the mouse-leave watch of the bars. XTPMouseManager() gives the
// calling thread's manager, made on first use.
//
//     XTPMouseManager()->SetTrack(pBar);         // pBar enters its menu loop
//     if (XTPMouseManager()->IsTrackedLock(pBar)) // another bar holds the mouse
//         return;
//     XTPMouseManager()->SendTrackLost();         // close every open menu
//
// A thread mouse hook, installed for the manager's lifetime, closes the
// tracking bars on a click outside them, lets them follow the mouse outside
// their windows, drops repeated moves and eats the button release that
// follows a click which opened a popup.
//
// Nothing polls while the pointer rests. The mouse-leave watch checks the
// pointer every 50 ms only until it rests on the watched window itself; it
// then sleeps until something could end the watch: a mouse message anywhere
// in the thread (the hook sees it), the system's notice that the pointer
// left the window (TrackMouseEvent; eaten here, the window hears only the
// watch's own leave), an activation change, or the window moving, hiding or
// going away. Other pollers of the pointer (a header's hot tracking) rest the
// same way through WakeOnMouseInput.
#include "framework/Window.h"

#include <functional>
#include <vector>

class CXTPCommandBar;

class CXTPMouseManager
{
public:
    CXTPMouseManager();
    ~CXTPMouseManager();

    // Tracking bars, in the order they started tracking. A first bar to track
    // clears the selection of the bar that last selected by mouse.
    void SetTrack(CXTPCommandBar* pBar);
    void RemoveTrack(CXTPCommandBar* pBar);
    // The first tracked bar leaves tracking mode, which closes the whole chain.
    void SendTrackLost();
    // TRUE when some bar tracks and pBar (any bar for NULL) is not among them.
    BOOL IsTrackedLock(const CXTPCommandBar* pBar = NULL) const;
    int GetTrackedCount() const { return (int)m_arrTracked.size(); }

    void LockMouseMove() { m_nLock++; }
    void UnlockMouseMove() { m_nLock--; }
    BOOL IsMouseLocked() const { return m_nLock > 0; }

    // The bar that last selected a control by mouse; a bar being destroyed
    // clears itself here.
    void SetSelected(CXTPCommandBar* pBar) { m_pSelected = pBar; }
    CXTPCommandBar* GetSelected() const { return m_pSelected; }
    void RemoveSelected(CXTPCommandBar* pBar);

    // Once a popup expanded, later popups open expanded until tracking ends.
    void SetExpanded(BOOL bExpanded) { m_bExpanded = bExpanded; }
    BOOL IsExpanded() const { return m_bExpanded; }
    // The next left-button release is eaten (the release after a click that
    // opened a popup).
    void SetSwallowNextUp(BOOL bSwallow = TRUE) { m_bSwallowNextUp = bSwallow; }
    BOOL IsSwallowNextUp() const { return m_bSwallowNextUp; }

    // Clicks inside these windows leave customize-mode tracking alone.
    void AddTrustedWindow(HWND hWnd);
    void RemoveTrustedWindow(HWND hWnd);

    // The active window is the last active popup of hWnd's top-level parent,
    // found through parents and owners (a floating bar's is its frame).
    static BOOL IsTopParentActive(HWND hWnd);
    // Watches hWnd (timer 113341, every 50 ms while the pointer is not at
    // rest on it) and posts WM_MOUSELEAVE to it when the cursor leaves its
    // window rectangle or its top-level window (for a popup bar, that of the
    // window it was opened for) loses the activation; a window watched before
    // is sent WM_MOUSELEAVE. The watch's leave messages carry
    // kWatchLeaveParam as wParam, which tells them from the system's own
    // notices (wParam 0).
    void TrackMouseLeave(HWND hWnd);
    HWND GetWatchedWindow() const { return m_hWndWatched; }
    // One tick of the watch; a pointer found at rest on the watched window
    // stops the timer until something could end the watch.
    void CheckMouseLeave();
    // The watch's timer runs (FALSE while nothing is watched or the pointer
    // rests on the watched window).
    BOOL IsMouseLeaveTimerRunning() const { return m_nLeaveTimer != 0; }
    static constexpr WPARAM kWatchLeaveParam = 0x5457;

    // A window that polls the pointer on a timer stops polling while the
    // pointer rests and asks here to hear of the next mouse message of the
    // thread: onInput runs once, from the mouse hook, and typically starts
    // the timer again. An owner asking again replaces its call; an owner
    // going away cancels it.
    void WakeOnMouseInput(const void* pOwner, const std::function<void()>& onInput);
    void CancelWakeOnMouseInput(const void* pOwner);

    // What the mouse hook does with one mouse message at a screen point:
    // TRUE when the message is eaten (a swallowed release, a repeated move).
    BOOL ProcessMouseMessage(UINT nMessage, POINT pt);
    // The tracked bars that belong to no command-bars manager (the customize
    // sheet's context menu) hear of a mouse message as the hook tells all
    // tracked bars: for the customize sheet's input guard, which keeps the
    // message from the hook.
    void NotifyTrackedBarsOfNoManager(UINT nMessage, POINT pt);

private:
    static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ActivationProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK LeaveNoticeProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK MouseLeaveTimerProc(HWND hWnd, UINT nMessage, UINT_PTR nIDEvent, DWORD dwTime);
    // The tracked bars (those bTakesPart accepts) hear of a mouse event
    // outside all of them.
    void CheckTrackedBars(UINT nMessage, POINT pt, const std::function<BOOL(CXTPCommandBar*)>& bTakesPart);
    void RunMouseInputWakes();

    // The watch's timer and its rest.
    void StartMouseLeaveTimer();
    void StopMouseLeaveTimer();
    void EndMouseLeaveWatch();
    // The pointer rests on the watched window itself (not on a child or on a
    // window above it): the system can tell when it leaves.
    BOOL IsRestingOnWatchedWindow(POINT pt) const;
    void RestMouseLeaveWatch();
    void WakeMouseLeaveWatch();
    // A sent message that may end the watch while it rests.
    void OnActivationHookMessage(const CWPSTRUCT& message);
    // A system leave notice asked for hWnd (it never reaches the window).
    BOOL TakeLeaveNotice(HWND hWnd);
    void DropDeadLeaveNotices();
    static void Unhook(HHOOK& hHook);

    int m_nLock;
    std::vector<CXTPCommandBar*> m_arrTracked;
    CXTPCommandBar* m_pSelected;
    HWND m_hWndWatched;
    BOOL m_bExpanded;
    std::vector<HWND> m_arrTrustedWindows;
    BOOL m_bSwallowNextUp;
    HHOOK m_hHookMouse;
    UINT_PTR m_nLeaveTimer;
    // While the watch rests: the hook that sees activation changes. While a
    // system leave notice is due: the windows it is due for and the hook that
    // takes it out of the queue.
    HHOOK m_hHookActivation;
    std::vector<HWND> m_arrLeaveNotices;
    HHOOK m_hHookLeaveNotice;
    std::vector<std::pair<const void*, std::function<void()>>> m_arrMouseInputWakes;
};

// The calling thread's mouse manager.
CXTPMouseManager* XTPMouseManager();
