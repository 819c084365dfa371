#pragma once
// What the window machinery keeps per thread: the message being handled,
// the window object waiting for its creation hook, the pump's last message.
#include <windows.h>
#include <commctrl.h>

class CWnd;
class CWinThread;

struct AFX_THREAD_STATE
{
    MSG m_lastSentMsg;    // the message a window procedure is handling (Default uses it)
    MSG m_msgCur;         // the message the pump took last
    CWnd* m_pWndInit;     // attached by the creation hook to the next window created
    HHOOK m_hHookCreate;  // the creation hook while CreateEx runs
    POINT m_ptCursorLast; // for telling idle mouse moves from real ones
    UINT m_nMsgLast;
    HWND m_hLockoutNotifyWindow; // notifications from this window are ignored
    CWinThread* m_pCurrentWinThread;
    // The thread's tool tip for CWnd::FilterToolTipMessage: the window and
    // hit code of the tool it shows now, and whether its tip has shown.
    HWND m_hWndToolTip;
    HWND m_hWndLastHit;
    INT_PTR m_nLastHit;
    TOOLINFOA m_lastInfo;
    BOOL m_bLastHitTipShown;
};

AFX_THREAD_STATE* AfxGetThreadState();
