#include "toolkit/foundation/XTPCaptureLoop.h"
#include "framework/Window.h"
#include "toolkit/foundation/XTPRequeuedInput.h"

#include <algorithm>
#include <vector>

CXTPCaptureLoop::CXTPCaptureLoop(HWND hWnd, DWORD dwOptions) : m_hWnd(hWnd), m_dwOptions(dwOptions)
{
    // Only a window can hold the capture.
    ASSERT(!(dwOptions & captureMouse) || ::IsWindow(hWnd));
}

CXTPCaptureLoop::End CXTPCaptureLoop::Run(const Handler& onMessage, const Condition& keepGoing)
{
    if (m_dwOptions & captureMouse)
        ::SetCapture(m_hWnd);
    End end = endFinished;
    for (;;)
    {
        // The paints run other windows' code, which may end the drag (take
        // the capture, destroy the window): the checks come after them.
        if (m_dwOptions & paintFirst)
            DispatchPendingPaints();
        if (ShouldEnd(keepGoing, end))
            break;
        MSG seen;
        if (!::PeekMessageA(&seen, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!::WaitMessage())
            {
                end = endError;
                break;
            }
            continue;
        }
        // Asked before anything reads the queue again: the answer is the
        // latest read's.
        const HWND hLeft = CXTPRequeuedInput::LatestReadWaiting();
        // Looking ran the messages other threads sent, which may have ended
        // the drag. Whatever ends it leaves the message where it is, for
        // whoever reads the queue after the loop, in the order it came.
        if (ShouldEnd(keepGoing, end))
            break;
        if (seen.message == WM_QUIT)
        {
            // The quit belongs to the program's own loop.
            end = endQuit;
            break;
        }
        MSG msg = seen;
        const BOOL bTaken = hLeft == NULL && IsFirstInput(seen);
        if (bTaken && !TakeInput(msg))
            continue;
        // The hooks ran as the input was taken, and may have ended the drag
        // (a menu key chose a command).
        if (bTaken && ShouldEnd(keepGoing, end))
        {
            Leave(msg, bTaken, hLeft);
            break;
        }
        if ((m_dwOptions & endOnEscape) && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
        {
            if (!bTaken)
                Take(seen, hLeft, msg);
            end = endEscape;
            break;
        }
        if (hLeft != NULL)
            CXTPRequeuedInput::Hold(hLeft);
        const Step step = onMessage(msg);
        if (step == finishAndLeave)
        {
            Leave(msg, bTaken, hLeft);
            end = endFinished;
            break;
        }
        if ((bTaken || Take(seen, hLeft, msg)) && step == dispatch)
            Dispatch(msg);
        if (step == finish)
        {
            end = endFinished;
            break;
        }
    }
    if ((m_dwOptions & captureMouse) && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    return end;
}

BOOL CXTPCaptureLoop::ShouldEnd(const Condition& keepGoing, End& end) const
{
    if (keepGoing && !keepGoing())
        end = endCondition;
    else if (!HoldsCapture())
        end = endCaptureLost;
    else
        return FALSE;
    return TRUE;
}

BOOL CXTPCaptureLoop::HoldsCapture() const
{
    return !(m_dwOptions & captureMouse) || ::GetCapture() == m_hWnd;
}

void CXTPCaptureLoop::Dispatch(MSG& msg) const
{
    if (m_dwOptions & preTranslate)
    {
        CWinThread* pThread = AfxGetThread();
        if (pThread != NULL && pThread->PreTranslateMessage(&msg))
            return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

void CXTPCaptureLoop::DispatchPendingPaints()
{
    // Each window is painted once: one that stays invalid, or that another
    // window's paint invalidates again, waits for the next call. A pending
    // WM_QUIT passes every filter (and comes before the paints): it is left
    // for the loop.
    std::vector<HWND> painted;
    MSG msg;
    while (::PeekMessageA(&msg, NULL, WM_PAINT, WM_PAINT, PM_NOREMOVE) && msg.message == WM_PAINT
           && std::find(painted.begin(), painted.end(), msg.hwnd) == painted.end())
    {
        painted.push_back(msg.hwnd);
        if (::PeekMessageA(&msg, msg.hwnd, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
}

namespace {

BOOL IsSameMessage(const MSG& a, const MSG& b)
{
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam;
}

} // namespace

BOOL CXTPCaptureLoop::IsFirstInput(const MSG& msg)
{
    // Input carries the moment and the place it happened: a posted message
    // that looks the same is told apart by them.
    MSG input;
    return ::PeekMessageA(&input, NULL, msg.message, msg.message, PM_NOREMOVE | PM_QS_INPUT)
           && IsSameMessage(input, msg) && input.time == msg.time && input.pt.x == msg.pt.x
           && input.pt.y == msg.pt.y;
}

BOOL CXTPCaptureLoop::TakeInput(MSG& msg)
{
    // A message a hook eats is dropped (a keyboard or mouse hook skips it, a
    // message hook makes it nothing), and the taking goes on to the next
    // input: whatever comes back is the input the program's loop would get.
    return ::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE | PM_QS_INPUT) && msg.message != WM_NULL;
}

BOOL CXTPCaptureLoop::Take(const MSG& seen, HWND hLeft, MSG& msg)
{
    // Input a loop left is known by where it waits, however it reads now.
    if (hLeft != NULL)
    {
        CXTPRequeuedInput::Take(hLeft, msg);
        return TRUE;
    }
    // The message is the first of its number in the queue unless something
    // took it meanwhile (a window destroyed by the handler takes its
    // messages along): then the next one of that number is not this one
    // and stays.
    MSG next;
    if (!::PeekMessageA(&next, NULL, seen.message, seen.message, PM_NOREMOVE) || !IsSameMessage(next, seen))
        return FALSE;
    return ::PeekMessageA(&msg, NULL, seen.message, seen.message, PM_REMOVE);
}

void CXTPCaptureLoop::Leave(const MSG& msg, BOOL bTaken, HWND hLeft)
{
    // Posted messages are read before input: taken input goes back first,
    // addressed when it is read (a command the hooks chose may open a dialog
    // first, whose field then has the focus). Input a loop left stays where
    // it waits.
    if (hLeft != NULL)
        CXTPRequeuedInput::Release(hLeft, msg);
    else if (bTaken)
        CXTPRequeuedInput::Requeue(msg);
}
