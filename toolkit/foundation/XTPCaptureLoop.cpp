#include "toolkit/foundation/XTPCaptureLoop.h"
#include "framework/Window.h"

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
        MSG msg;
        const BOOL bResult = ::GetMessageA(&msg, NULL, 0, 0);
        if (bResult == -1)
        {
            end = endError;
            break;
        }
        if (bResult == 0)
        {
            // The quit belongs to the program's own loop: it must see it too.
            ::PostQuitMessage((int)msg.wParam);
            end = endQuit;
            break;
        }
        if (ShouldEnd(keepGoing, end))
        {
            // What ended the drag happened while waiting: this message
            // belongs to whoever runs after the loop.
            Repost(msg);
            break;
        }
        if ((m_dwOptions & endOnEscape) && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
        {
            end = endEscape;
            break;
        }
        const Step step = onMessage(msg);
        if (step == dispatch)
            Dispatch(msg);
        else if (step == finish || step == finishAndRepost)
        {
            if (step == finishAndRepost)
                Repost(msg);
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

void CXTPCaptureLoop::Repost(const MSG& msg)
{
    ::PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}
