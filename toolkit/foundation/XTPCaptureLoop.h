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
//
// Each message goes through the thread's hooks once, when it is taken off
// the queue, as in the program's own loop: a keyboard or mouse hook may eat
// real input then (a menu's keys, a swallowed release), a message hook may
// change it or eat it (make it WM_NULL). So real input (keys and mouse) is
// taken first, as GetMessage would take it, and the handler gets what the
// taking returned: input the hooks ate never reaches the handler nor any
// window, and the input after it comes next. Other messages (posted, paint,
// timer) are looked at while still first in the queue and taken once the
// handler has answered; what is dispatched is what the taking returned. A
// message the loop does not handle (it ends first, or the handler answers
// finishAndLeave) is left for whoever reads the queue after the loop, in the
// order the messages came: a message still in the queue stays where it was;
// taken input goes back as a posted message (CXTPRequeuedInput), which is
// read before any input, so it is again the first input read (the hooks,
// which saw it once, do not see it again). It is addressed when it is read,
// as input is: a key goes to the window that has the focus then, not the
// one it was taken for (Enter chose a command from a menu, and the command
// opened a dialog before the key typed after Enter was read). The next loop
// knows such input where it waits, however alike the input behind it reads
// (input at one moment carries one time and place), and holds it there
// while its handler answers (a loop the handler runs reads on past it): left
// again, by any number of loops, it stays where it was, before whatever was
// posted after it; kept, it is taken once, and whatever the handler did to
// the focus or the capture, it reaches no other window. The handler must
// not run a message loop of its own while it holds any other message that
// is still in the queue.
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
    // TRUE when the message looked at is real input (typed or clicked), not
    // a posted one: the first input waiting is this very message.
    static BOOL IsFirstInput(const MSG& msg);
    // Takes the first real input the hooks let through into msg; FALSE when
    // they ate it (the next input comes at the next look).
    static BOOL TakeInput(MSG& msg);
    // Takes the message seen off the queue into msg: input a loop left
    // (hLeft) where it waits, anything else when it is still first of its
    // number; FALSE when it is no longer there.
    static BOOL Take(const MSG& seen, HWND hLeft, MSG& msg);
    // Leaves a message the loop does not handle for the next reader of the
    // queue: taken input goes back, input a loop left stays (see above).
    static void Leave(const MSG& msg, BOOL bTaken, HWND hLeft);

    HWND m_hWnd;
    DWORD m_dwOptions;
};
