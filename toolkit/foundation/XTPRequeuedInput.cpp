#include "toolkit/foundation/XTPRequeuedInput.h"
#include "framework/Window.h"

#include <algorithm>
#include <vector>

namespace {

// One input a loop left: as it was taken, and the private window its copy
// waits for in the queue, by which the hook knows the copy whatever a hook
// before it made of it.
struct CLeftInput
{
    HWND hCopy;
    MSG taken;
    BOOL bHeld;    // a loop's handler holds it: a read there returns nothing
    BOOL bInQueue; // the copy still waits (a read past the hold takes it)
};

// The thread's left input still waiting, in the order it went back; the hook
// that addresses it; and the one the latest read returned and left waiting.
struct CWaitingInput
{
    HHOOK hHook;
    std::vector<CLeftInput> left;
    HWND hLatestReadWaiting;
};

thread_local CWaitingInput* t_pWaiting = NULL;

BOOL IsKeyMessage(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

#ifndef WM_MOUSEHWHEEL
#define WM_MOUSEHWHEEL 0x020E // newer than the Windows version the build targets
#endif

BOOL IsWheelMessage(UINT message)
{
    return message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL;
}

// The mouse messages but the wheels.
BOOL IsClickOrMoveMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_XBUTTONDBLCLK && !IsWheelMessage(message);
}

BOOL IsNonClientMouseMessage(UINT message)
{
    return message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK;
}

BOOL IsRunningOnWine()
{
    static const BOOL s_bWine = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != NULL;
    return s_bWine;
}

// TRUE when the system gives the mouse message with its point in its
// window's client area: clicks and moves. Windows gives both wheels with
// their point on the screen; wine gives the horizontal one in the client
// area, as it gives a click. The form belongs to the message, so it is
// known even where the two forms are the same numbers (a window whose
// client area starts at the screen's corner).
BOOL HasClientPoint(UINT message)
{
    if (message == WM_MOUSEHWHEEL)
        return IsRunningOnWine();
    return IsClickOrMoveMessage(message);
}

// The window of the calling thread under the screen point; NULL when the
// point is over another thread's window or none.
HWND ThreadWindowAt(POINT pt)
{
    const HWND hWnd = ::WindowFromPoint(pt);
    if (hWnd == NULL || ::GetWindowThreadProcessId(hWnd, NULL) != ::GetCurrentThreadId())
        return NULL;
    return hWnd;
}

// Ends the wait of the thread's requeued input once none is left.
void StopWaitingWhenNoneLeft()
{
    if (t_pWaiting == NULL || !t_pWaiting->left.empty())
        return;
    ::UnhookWindowsHookEx(t_pWaiting->hHook);
    delete t_pWaiting;
    t_pWaiting = NULL;
}

// Tells the left input whose copy waits for the window.
auto CopyFor(HWND hCopy)
{
    return [hCopy](const CLeftInput& input) { return input.hCopy == hCopy; };
}

// The left input whose copy waits for the window; NULL when none does.
CLeftInput* FindLeft(HWND hCopy)
{
    if (t_pWaiting == NULL || hCopy == NULL)
        return NULL;
    std::vector<CLeftInput>& left = t_pWaiting->left;
    std::vector<CLeftInput>::iterator it = std::find_if(left.begin(), left.end(), CopyFor(hCopy));
    return it != left.end() ? &*it : NULL;
}

// Ends the wait of the left input whose copy waited for the window.
void Forget(HWND hCopy)
{
    if (t_pWaiting == NULL)
        return;
    std::vector<CLeftInput>& left = t_pWaiting->left;
    left.erase(std::remove_if(left.begin(), left.end(), CopyFor(hCopy)), left.end());
    ::DestroyWindow(hCopy);
    StopWaitingWhenNoneLeft();
}

} // namespace

void CXTPRequeuedInput::Requeue(const MSG& msg)
{
    ASSERT(IsKeyMessage(msg.message) || IsClickOrMoveMessage(msg.message) || IsWheelMessage(msg.message)
           || IsNonClientMouseMessage(msg.message));
    if (t_pWaiting == NULL)
    {
        t_pWaiting = new CWaitingInput;
        t_pWaiting->hHook = NULL;
        t_pWaiting->hLatestReadWaiting = NULL;
    }
    // The hook becomes the thread's newest: the hooks before it saw the
    // input as it was taken.
    if (t_pWaiting->hHook != NULL)
        ::UnhookWindowsHookEx(t_pWaiting->hHook);
    t_pWaiting->hHook = ::SetWindowsHookExA(WH_GETMESSAGE, GetMessageProc, NULL, ::GetCurrentThreadId());
    const HWND hCopy = ::CreateWindowExA(0, "STATIC", NULL, 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    if (hCopy != NULL && ::PostMessageA(hCopy, msg.message, msg.wParam, msg.lParam))
        t_pWaiting->left.push_back({hCopy, msg, FALSE, TRUE});
    else if (hCopy != NULL)
        ::DestroyWindow(hCopy);
    StopWaitingWhenNoneLeft();
}

HWND CXTPRequeuedInput::ChooseAddressee(UINT message, const Addressees& now, HWND hTakenFor)
{
    // A wheel goes where the system sends one: where it sends a click (the
    // window under the pointer, which systems now scroll by default), not
    // to the focus.
    HWND hTo;
    if (IsKeyMessage(message))
        hTo = now.hFocus;
    else
        hTo = now.hCapture != NULL ? now.hCapture : now.hUnderPoint;
    return hTo != NULL ? hTo : hTakenFor;
}

HWND CXTPRequeuedInput::LatestReadWaiting()
{
    return t_pWaiting != NULL ? t_pWaiting->hLatestReadWaiting : NULL;
}

void CXTPRequeuedInput::Hold(HWND hWaiting)
{
    if (CLeftInput* pLeft = FindLeft(hWaiting))
        pLeft->bHeld = TRUE;
}

void CXTPRequeuedInput::Take(HWND hWaiting, MSG& msg)
{
    CLeftInput* pLeft = FindLeft(hWaiting);
    if (pLeft == NULL)
        return;
    pLeft->bHeld = FALSE;
    // Read, the copy is addressed and its wait ends.
    if (!pLeft->bInQueue || !::PeekMessageA(&msg, hWaiting, 0, 0, PM_REMOVE))
        Forget(hWaiting);
}

void CXTPRequeuedInput::Release(HWND hWaiting, const MSG& msg)
{
    CLeftInput* pLeft = FindLeft(hWaiting);
    if (pLeft == NULL)
        return;
    pLeft->bHeld = FALSE;
    if (pLeft->bInQueue)
        return;
    Forget(hWaiting);
    Requeue(msg);
}

LRESULT CALLBACK CXTPRequeuedInput::GetMessageProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = (MSG*)lParam;
    CLeftInput* pLeft = nCode == HC_ACTION ? FindLeft(pMsg->hwnd) : NULL;
    if (pLeft == NULL)
    {
        const LRESULT lResult = ::CallNextHookEx(NULL, nCode, wParam, lParam);
        if (nCode == HC_ACTION && t_pWaiting != NULL)
            t_pWaiting->hLatestReadWaiting = NULL;
        return lResult;
    }
    // A copy of input the older hooks saw as it was taken: it goes no
    // further. Held, it reads as nothing; a read past the hold takes it out
    // of the queue, and its input stays the holder's.
    const HWND hCopy = pLeft->hCopy;
    if (pLeft->bHeld)
    {
        const MSG nothing = {hCopy, WM_NULL, 0, 0, pMsg->time, pMsg->pt};
        *pMsg = nothing;
    }
    else
        Address(*pMsg, pLeft->taken);
    t_pWaiting->hLatestReadWaiting = !pLeft->bHeld && wParam != PM_REMOVE ? hCopy : NULL;
    if (wParam == PM_REMOVE && pLeft->bHeld)
        pLeft->bInQueue = FALSE;
    else if (wParam == PM_REMOVE)
        Forget(hCopy);
    return 0;
}

void CXTPRequeuedInput::Address(MSG& msg, const MSG& taken)
{
    // The input as the hooks newer than the requeue's left it (a hook that
    // came since it went back may rewrite it), with the moment and the place
    // it happened.
    const MSG read = msg;
    msg = taken;
    msg.message = read.message;
    msg.wParam = read.wParam;
    msg.lParam = read.lParam;
    const Addressees now = {::GetFocus(), ::GetCapture(), ThreadWindowAt(taken.pt)};
    msg.hwnd = ChooseAddressee(msg.message, now, taken.hwnd);
    if (msg.hwnd == taken.hwnd)
        return;
    // The point keeps the form it was taken in; the message number too, so
    // that a reader filtering by it still finds the message.
    if (HasClientPoint(msg.message))
    {
        POINT pt = taken.pt;
        ::ScreenToClient(msg.hwnd, &pt);
        msg.lParam = MAKELPARAM(pt.x, pt.y);
    }
    else if (IsNonClientMouseMessage(msg.message))
        msg.wParam = ::SendMessageA(msg.hwnd, WM_NCHITTEST, 0, MAKELPARAM(taken.pt.x, taken.pt.y));
}
