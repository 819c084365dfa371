#pragma once
// CXTPCaptureLoop: the one modal message loop behind every press, drag and
// track of the toolkit (a button held down, a splitter or a bar dragged, a
// menu tracked, a rubber band drawn). It optionally captures the mouse for a
// window, looks at the thread's messages one by one and hands each to its
// caller, who decides what the message means for the drag; everything the
// caller does not take is dispatched as usual. The loop ends
//   - when the caller says so (its handler answers finish or finishAndLeave),
//   - when the caller's condition no longer holds,
//   - on Esc, when asked (endOnEscape),
//   - when the window loses the capture (captureMouse), as it does when it
//     is destroyed,
//   - on WM_QUIT, which is left for the program's own loop,
//   - when waiting for a message fails.
// The condition and the capture are checked before each wait (after the
// pending paints of paintFirst, which run other windows' code) and after it.
// Each message is looked at before it is taken off the queue: one that the
// loop does not handle (it ends first, or the handler answers
// finishAndLeave) stays where it was, so whoever reads the queue after the
// loop gets the messages in the order they came. The handler therefore sees
// a message while it is still first in the queue, and must not run a message
// loop of its own; the message is taken off once the handler has answered.
// The capture is released at the end if the window still holds it.
//
//     CXTPCaptureLoop loop(hWnd, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape);
//     CXTPCaptureLoop::End end = loop.Run([&](MSG& msg) {
//         if (msg.message == WM_LBUTTONUP)
//             return CXTPCaptureLoop::finish;
//         if (msg.message != WM_MOUSEMOVE)
//             return CXTPCaptureLoop::dispatch;
//         MoveTo(CPoint(msg.lParam));
//         return CXTPCaptureLoop::handled;
//     });
//     if (end == CXTPCaptureLoop::endFinished)
//         ...accept the drag...
#include <windows.h>

#include <functional>

class CXTPCaptureLoop
{
public:
    // How the loop runs (bits).
    enum Option
    {
        captureMouse = 1, // capture the mouse for the window; losing it ends the loop
        endOnEscape = 2,  // a WM_KEYDOWN of Esc ends the loop (the handler never sees it)
        preTranslate = 4, // dispatched messages go through the thread's PreTranslateMessage first
        paintFirst = 8    // before each wait, pending WM_PAINT messages are dispatched, so the
                          // windows a drag uncovers or moves are painted while it runs (mouse
                          // input comes before WM_PAINT in the queue)
    };
    // What the handler does with one message.
    enum Step
    {
        dispatch,      // not taken: translate and dispatch it as usual, go on
        handled,       // taken: go on
        finish,        // taken, and the loop ends (endFinished)
        finishAndLeave // not taken, and the loop ends: the message stays first in the queue
    };
    // Why the loop ended.
    enum End
    {
        endFinished,    // the handler answered finish or finishAndLeave
        endCondition,   // the caller's condition stopped holding
        endEscape,      // Esc was pressed (endOnEscape)
        endCaptureLost, // the window no longer holds the capture (captureMouse)
        endQuit,        // WM_QUIT arrived; it stays in the queue
        endError        // waiting for a message failed
    };
    typedef std::function<Step(MSG& msg)> Handler;
    typedef std::function<bool()> Condition;

    // hWnd receives the capture (with captureMouse); dwOptions are Option bits.
    explicit CXTPCaptureLoop(HWND hWnd, DWORD dwOptions = captureMouse);

    // Runs the loop until one of the ends above; keepGoing, when given, is
    // the caller's condition.
    End Run(const Handler& onMessage, const Condition& keepGoing = Condition());

    // TRUE for the ends that abandon the drag (anything but the handler's finish).
    static BOOL IsAbandoned(End end) { return end != endFinished; }

    // Dispatches the WM_PAINT messages waiting in the thread's queue, each
    // window's once: a window that stays invalid after its paint, or that
    // another window's paint invalidates again, waits for the next call.
    static void DispatchPendingPaints();

private:
    // TRUE, with the reason in end, when the condition or the capture no
    // longer holds.
    BOOL ShouldEnd(const Condition& keepGoing, End& end) const;
    BOOL HoldsCapture() const;
    void Dispatch(MSG& msg) const;
    // Takes the message off the queue; FALSE when it is no longer there.
    static BOOL Take(const MSG& msg);

    HWND m_hWnd;
    DWORD m_dwOptions;
};
