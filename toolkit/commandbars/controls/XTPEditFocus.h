#pragma once
// CXTPEditFocus: what the edit and combo-box controls do when their edit
// window gains or loses the focus. While the window has the focus its bar
// tracks with the control selected and as its key control (keys reach the
// control first and then the window), and mouse moves over the bars are
// locked; Esc or leaving the control gives the focus back to the window
// that had it before.
#include "framework/Window.h"

class CXTPControl;

class CXTPEditFocus
{
public:
    CXTPEditFocus();

    // The control's window got the focus from hWndLost (NULL: the bar's
    // owner window will get it back). Mouse moves over the bars are locked
    // unless bLockMouse is FALSE.
    void OnSetFocus(CXTPControl* pControl, HWND hWndLost, BOOL bLockMouse = TRUE);
    // The window lost the focus: the lock goes and the bar stops tracking.
    void OnKillFocus(CXTPControl* pControl);
    // Gives the focus back to the window that had it and refreshes the bar.
    void ReturnFocus(CXTPControl* pControl);
    // The control is its bar's key control (its window has the focus).
    static BOOL HasFocus(const CXTPControl* pControl);

private:
    HWND m_hWndReturn;
    BOOL m_bLocked;
};

// Shows the control's window when the control is visible, enables it with
// the control (nothing without a window).
void XTPFollowControlState(CWnd* pWnd, const CXTPControl* pControl);
