#include "toolkit/foundation/XTPCaptureLoop.h"
#include "framework/Window.h"

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
        if (keepGoing && !keepGoing())
        {
            end = endCondition;
            break;
        }
        if (!HoldsCapture())
        {
            end = endCaptureLost;
            break;
        }
        if (m_dwOptions & paintFirst)
            DispatchPendingPaints();
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
        if (keepGoing && !keepGoing())
        {
            // What ended the condition happened while waiting: this message
            // belongs to whoever runs after the loop.
            Repost(msg);
            end = endCondition;
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
    MSG msg;
    HWND hWndPainted = NULL;
    while (::PeekMessageA(&msg, NULL, WM_PAINT, WM_PAINT, PM_NOREMOVE) && msg.hwnd != hWndPainted)
    {
        hWndPainted = msg.hwnd;
        if (::PeekMessageA(&msg, hWndPainted, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
}

void CXTPCaptureLoop::Repost(const MSG& msg)
{
    ::PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}
