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
// The mouse hook that closes menus on clicks outside them and the trusted
// windows of customize mode come with the menus.
#include "framework/Window.h"

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

    // The active window is the last active popup of hWnd's top-level parent.
    static BOOL IsTopParentActive(HWND hWnd);
    // Asks for WM_MOUSELEAVE to hWnd when the mouse leaves it; a window
    // watched before is told the mouse left it.
    void TrackMouseLeave(HWND hWnd);

private:
    int m_nLock;
    std::vector<CXTPCommandBar*> m_arrTracked;
    CXTPCommandBar* m_pSelected;
    HWND m_hWndWatched;
    BOOL m_bExpanded;
    BOOL m_bSwallowNextUp;
};

// The calling thread's mouse manager.
CXTPMouseManager* XTPMouseManager();
