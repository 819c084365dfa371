#include "toolkit/foundation/XTPRequeuedInput.h"
#include "framework/Window.h"

#include <algorithm>
#include <vector>

namespace {

// The thread's requeued input still waiting to be read, each as it was
// taken, in the order it went back; the hook that addresses it; and whether
// the latest read returned one of it, looked at and left waiting.
struct CWaitingInput
{
    HHOOK hHook;
    std::vector<MSG> taken;
    BOOL bLatestReadWaits;
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
    if (t_pWaiting == NULL || !t_pWaiting->taken.empty())
        return;
    ::UnhookWindowsHookEx(t_pWaiting->hHook);
    delete t_pWaiting;
    t_pWaiting = NULL;
}

} // namespace

void CXTPRequeuedInput::Requeue(const MSG& msg)
{
    ASSERT(IsKeyMessage(msg.message) || IsClickOrMoveMessage(msg.message) || IsWheelMessage(msg.message)
           || IsNonClientMouseMessage(msg.message));
    if (t_pWaiting == NULL)
    {
        t_pWaiting = new CWaitingInput;
        t_pWaiting->hHook = ::SetWindowsHookExA(WH_GETMESSAGE, GetMessageProc, NULL, ::GetCurrentThreadId());
        t_pWaiting->bLatestReadWaits = FALSE;
    }
    t_pWaiting->taken.push_back(msg);
    // A thread message carries no window: the hook knows it by that and by
    // its contents, and gives it its window when it is read.
    if (!::PostThreadMessageA(::GetCurrentThreadId(), msg.message, msg.wParam, msg.lParam))
    {
        t_pWaiting->taken.pop_back();
        StopWaitingWhenNoneLeft();
    }
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

BOOL CXTPRequeuedInput::IsLatestReadWaiting()
{
    return t_pWaiting != NULL && t_pWaiting->bLatestReadWaits;
}

LRESULT CALLBACK CXTPRequeuedInput::GetMessageProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = (MSG*)lParam;
    BOOL bReadWaits = FALSE;
    if (nCode == HC_ACTION && t_pWaiting != NULL && pMsg->hwnd == NULL)
    {
        std::vector<MSG>& taken = t_pWaiting->taken;
        // Identical messages went back in order: the first one is this one.
        std::vector<MSG>::iterator it = std::find_if(taken.begin(), taken.end(), [pMsg](const MSG& msg) {
            return msg.message == pMsg->message && msg.wParam == pMsg->wParam && msg.lParam == pMsg->lParam;
        });
        if (it != taken.end())
        {
            const MSG takenMsg = *it;
            // Looked at and left in the queue, it is addressed again when it
            // is read once more.
            if (wParam == PM_REMOVE)
                taken.erase(it);
            else
                bReadWaits = TRUE;
            Address(*pMsg, takenMsg);
        }
    }
    const LRESULT lResult = ::CallNextHookEx(NULL, nCode, wParam, lParam);
    if (nCode == HC_ACTION && t_pWaiting != NULL)
        t_pWaiting->bLatestReadWaits = bReadWaits;
    StopWaitingWhenNoneLeft();
    return lResult;
}

void CXTPRequeuedInput::Address(MSG& msg, const MSG& taken)
{
    const Addressees now = {::GetFocus(), ::GetCapture(), ThreadWindowAt(taken.pt)};
    msg = taken;
    msg.hwnd = ChooseAddressee(taken.message, now, taken.hwnd);
    if (msg.hwnd == taken.hwnd)
        return;
    // The point keeps the form it was taken in; the message number too, so
    // that a reader filtering by it still finds the message.
    if (HasClientPoint(taken.message))
    {
        POINT pt = taken.pt;
        ::ScreenToClient(msg.hwnd, &pt);
        msg.lParam = MAKELPARAM(pt.x, pt.y);
    }
    else if (IsNonClientMouseMessage(msg.message))
        msg.wParam = ::SendMessageA(msg.hwnd, WM_NCHITTEST, 0, MAKELPARAM(taken.pt.x, taken.pt.y));
}
