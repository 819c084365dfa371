#include "toolkit/foundation/XTPCaptureLoop.h"
#include "tests/support/RealInput.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// A window that counts what reaches its procedure, can give up the capture
// when told to (as a window does when another one takes it) and runs the
// test's code after each of its paints.
class CCountingWindow : public CTestWindow
{
public:
    static const UINT kDropCapture = WM_APP + 1;
    static const UINT kPing = WM_APP + 2;
    static const UINT kHorizontalWheel = 0x020E; // WM_MOUSEHWHEEL, newer than the build's headers

    CCountingWindow() = default;
    // A window of the size at the point of the screen, beside the others.
    CCountingWindow(CPoint ptAt, CSize size) : CTestWindow(size)
    {
        SetWindowPos(NULL, ptAt.x, ptAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // A wheel turn as the window got it.
    struct Wheel
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool operator==(const Wheel& other) const
        {
            return message == other.message && wParam == other.wParam && lParam == other.lParam;
        }
    };

    std::vector<UINT> received;
    std::vector<WPARAM> keysPressed;
    std::vector<std::string> inputs; // each input message by its name
    std::vector<Wheel> wheels;
    int nPaints = 0;
    std::function<void()> afterPaint;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            ++nPaints;
        if (message == kPing || message == WM_CHAR || message == WM_KEYDOWN)
            received.push_back(message);
        if (message == WM_KEYDOWN)
            keysPressed.push_back(wParam);
        const std::string input = NameOfInput(message, wParam);
        if (!input.empty())
            inputs.push_back(input);
        if (message == WM_MOUSEWHEEL || message == kHorizontalWheel)
            wheels.push_back({message, wParam, lParam});
        if (message == kDropCapture)
            ::ReleaseCapture();
        const LRESULT lResult = CTestWindow::WindowProc(message, wParam, lParam);
        if (message == WM_PAINT && afterPaint)
            afterPaint();
        return lResult;
    }
};

class CaptureLoopTest : public ::testing::Test
{
protected:
    void SetUp() override { PumpPending(); }
    void TearDown() override
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {}
    }
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        ::PostMessageA(window.GetSafeHwnd(), message, wParam, lParam);
    }
    // The messages waiting for window, in order, removed from the queue.
    std::vector<UINT> Waiting(UINT nFirst, UINT nLast)
    {
        std::vector<UINT> messages;
        MSG msg;
        while (::PeekMessageA(&msg, NULL, nFirst, nLast, PM_REMOVE))
            messages.push_back(msg.message);
        return messages;
    }
    // A loop over the window, capturing the mouse, whose handler counts the
    // messages it sees in nHandled and answers step to each.
    CXTPCaptureLoop::End RunAnswering(CXTPCaptureLoop::Step step, int& nHandled,
                                      const CXTPCaptureLoop::Condition& keepGoing)
    {
        auto count = [&](MSG&) {
            ++nHandled;
            return step;
        };
        return CXTPCaptureLoop(window.GetSafeHwnd()).Run(count, keepGoing);
    }
    // Brings the window to the front and gives it the focus; FALSE when it
    // does not come to the front.
    static bool InFrontWithTheFocus(CWnd& wnd)
    {
        wnd.SetForegroundWindow();
        const bool bInFront = PumpPendingUntil([&] { return ::GetForegroundWindow() == wnd.GetSafeHwnd(); });
        wnd.SetFocus();
        return bInFront;
    }
    // What the window received but the characters, which a press makes when
    // it is read (they go behind what was posted before).
    std::vector<UINT> ReceivedButCharacters() const
    {
        std::vector<UINT> received;
        for (UINT message : window.received)
            if (message != WM_CHAR)
                received.push_back(message);
        return received;
    }
    // A handler that ends on the button release and takes mouse moves.
    static CXTPCaptureLoop::Step EndOnRelease(MSG& msg)
    {
        if (msg.message == WM_LBUTTONUP)
            return CXTPCaptureLoop::finish;
        if (msg.message == WM_MOUSEMOVE)
            return CXTPCaptureLoop::handled;
        return CXTPCaptureLoop::dispatch;
    }

    CCountingWindow window;
};

TEST_F(CaptureLoopTest, EachWayOfEndingIsReportedAndTheCaptureIsReleased)
{
    struct Row
    {
        const char* name;
        DWORD dwOptions;
        std::vector<UINT> posted; // WM_KEYDOWN is posted as Esc
        CXTPCaptureLoop::End expected;
    };
    const DWORD kCapture = CXTPCaptureLoop::captureMouse;
    const DWORD kEsc = CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape;
    const Row rows[] = {
        {"the handler finishes",
         kCapture,
         {WM_MOUSEMOVE, WM_LBUTTONUP, CCountingWindow::kPing},
         CXTPCaptureLoop::endFinished},
        {"Esc when asked", kEsc, {WM_MOUSEMOVE, WM_KEYDOWN, WM_LBUTTONUP}, CXTPCaptureLoop::endEscape},
        {"Esc not asked for is dispatched",
         kCapture,
         {WM_KEYDOWN, WM_LBUTTONUP},
         CXTPCaptureLoop::endFinished},
        {"the capture goes elsewhere",
         kCapture,
         {CCountingWindow::kDropCapture, WM_LBUTTONUP},
         CXTPCaptureLoop::endCaptureLost},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        window.received.clear();
        for (UINT message : row.posted)
            Post(message, message == WM_KEYDOWN ? VK_ESCAPE : 0);
        CXTPCaptureLoop loop(window.GetSafeHwnd(), row.dwOptions);
        EXPECT_EQ(row.expected, loop.Run(EndOnRelease));
        EXPECT_EQ(NULL, ::GetCapture());
        Waiting(0, 0);
    }
}

TEST_F(CaptureLoopTest, TheWindowHoldsTheCaptureWhileTheHandlerRuns)
{
    HWND hHolder = NULL;
    Post(WM_LBUTTONUP);
    CXTPCaptureLoop(window.GetSafeHwnd()).Run([&](MSG&) {
        hHolder = ::GetCapture();
        return CXTPCaptureLoop::finish;
    });
    EXPECT_EQ(window.GetSafeHwnd(), hHolder);
}

TEST_F(CaptureLoopTest, AQuitEndsTheLoopAndIsPostedAgainForTheProgramsLoop)
{
    // The quit comes after posted and input messages but before timers: a loop
    // that missed it would end on the timer instead of waiting for ever.
    ::PostQuitMessage(7);
    Post(WM_MOUSEMOVE);
    window.SetTimer(1, 500, NULL);
    CXTPCaptureLoop loop(window.GetSafeHwnd());
    EXPECT_EQ(CXTPCaptureLoop::endQuit, loop.Run([](MSG& msg) {
        return msg.message == WM_TIMER ? CXTPCaptureLoop::finish : CXTPCaptureLoop::handled;
    }));
    window.KillTimer(1);
    EXPECT_EQ(NULL, ::GetCapture());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

TEST_F(CaptureLoopTest, MessagesNotTakenReachTheWindowTranslated)
{
    Post(CCountingWindow::kPing);
    Post(WM_KEYDOWN, 'A', 0x001E0001);
    Post(WM_LBUTTONUP);
    CXTPCaptureLoop(window.GetSafeHwnd()).Run(EndOnRelease);
    PumpPending();
    // The key arrived as itself and as the character it makes.
    EXPECT_EQ((std::vector<UINT>{CCountingWindow::kPing, WM_KEYDOWN, WM_CHAR}), window.received);
}

TEST_F(CaptureLoopTest, TakenMessagesDoNotReachTheWindow)
{
    Post(CCountingWindow::kPing);
    Post(WM_LBUTTONUP);
    CXTPCaptureLoop(window.GetSafeHwnd()).Run([](MSG& msg) {
        return msg.message == WM_LBUTTONUP ? CXTPCaptureLoop::finish : CXTPCaptureLoop::handled;
    });
    PumpPending();
    EXPECT_TRUE(window.received.empty());
}

TEST_F(CaptureLoopTest, FinishAndRepostPutsTheMessageBackForTheNextLoop)
{
    Post(WM_MOUSEMOVE);
    Post(WM_RBUTTONDOWN);
    CXTPCaptureLoop loop(window.GetSafeHwnd());
    EXPECT_EQ(CXTPCaptureLoop::endFinished, loop.Run([](MSG& msg) {
        return msg.message == WM_RBUTTONDOWN ? CXTPCaptureLoop::finishAndLeave : CXTPCaptureLoop::handled;
    }));
    EXPECT_EQ(std::vector<UINT>{WM_RBUTTONDOWN}, Waiting(WM_RBUTTONDOWN, WM_RBUTTONDOWN));
}

TEST_F(CaptureLoopTest, TheCallersConditionEndsTheLoopBeforeAndBetweenMessages)
{
    // Never holding: no message is taken at all.
    Post(CCountingWindow::kPing);
    int nHandled = 0;
    auto count = [&](MSG&) {
        ++nHandled;
        return CXTPCaptureLoop::handled;
    };
    EXPECT_EQ(CXTPCaptureLoop::endCondition,
              CXTPCaptureLoop(window.GetSafeHwnd()).Run(count, [] { return false; }));
    EXPECT_EQ(0, nHandled);
    EXPECT_EQ(std::vector<UINT>{CCountingWindow::kPing},
              Waiting(CCountingWindow::kPing, CCountingWindow::kPing));

    // Ending while a message was taken: the message goes back on the queue.
    bool bTracking = true;
    Post(CCountingWindow::kPing);
    Post(WM_APP + 9);
    CXTPCaptureLoop pump(window.GetSafeHwnd(), 0);
    EXPECT_EQ(CXTPCaptureLoop::endCondition, pump.Run(
                                                 [&](MSG&) {
                                                     bTracking = false;
                                                     return CXTPCaptureLoop::handled;
                                                 },
                                                 [&] { return bTracking; }));
    EXPECT_EQ(std::vector<UINT>{WM_APP + 9}, Waiting(WM_APP + 9, WM_APP + 9));
}

// Messages the loop does not handle stay where they were: the program's own
// loop reads them in the order they were posted. What ends the loop during
// its wait arrives as a message another thread sends, which the wait runs
// before it finds the posted ones.
TEST_F(CaptureLoopTest, MessagesTheLoopDoesNotHandleKeepTheirPlaceInTheQueue)
{
    const UINT kFirst = WM_APP + 11;
    struct Row
    {
        const char* name;
        UINT nSentFromAnotherThread; // 0: none
        int nPosted;
        CXTPCaptureLoop::Step handlerStep;
        CXTPCaptureLoop::End expected;
    };
    const Row rows[] = {
        {"the condition ends during the wait", CCountingWindow::kPing, 2, CXTPCaptureLoop::handled,
         CXTPCaptureLoop::endCondition},
        {"the capture is lost during the wait", CCountingWindow::kDropCapture, 3, CXTPCaptureLoop::handled,
         CXTPCaptureLoop::endCaptureLost},
        {"the handler leaves the first", 0, 2, CXTPCaptureLoop::finishAndLeave, CXTPCaptureLoop::endFinished},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        window.received.clear();
        if (row.nSentFromAnotherThread != 0)
        {
            // Queued for this thread's next look at its messages.
            const HWND hWnd = window.GetSafeHwnd();
            std::thread([&] { ::SendNotifyMessageA(hWnd, row.nSentFromAnotherThread, 0, 0); }).join();
        }
        std::vector<UINT> posted;
        for (int i = 0; i < row.nPosted; i++)
        {
            posted.push_back(kFirst + i);
            Post(kFirst + i);
        }
        int nHandled = 0;
        // The ping reaching the window ends the drag.
        EXPECT_EQ(row.expected,
                  RunAnswering(row.handlerStep, nHandled, [&] { return window.received.empty(); }));
        EXPECT_EQ(row.handlerStep == CXTPCaptureLoop::finishAndLeave ? 1 : 0, nHandled);
        EXPECT_EQ(posted, Waiting(kFirst, kFirst + 9));
        EXPECT_EQ(NULL, ::GetCapture());
    }
}

// Real input goes through the thread's hooks as the loop takes it: input
// the loop then does not handle goes back as the first input the next
// reader gets, which the keyboard hook does not see a second time.
TEST_F(CaptureLoopTest, RealInputTheLoopDoesNotHandleIsTheFirstInputTheNextReaderGets)
{
    // Counts the presses of A taken off the queue; with bEndOnA the first
    // one ends the drag.
    static int s_nPressesOfA;
    static bool s_bEndOnA;
    struct CKeyHook
    {
        static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
        {
            if (nCode == HC_ACTION && wParam == 'A' && !(lParam & 0x80000000))
                s_nPressesOfA++;
            return ::CallNextHookEx(NULL, nCode, wParam, lParam);
        }
    };
    struct Row
    {
        const char* name;
        bool bHookEndsTheDrag;
        CXTPCaptureLoop::Step handlerStep;
        int nHandled;
        CXTPCaptureLoop::End expected;
    };
    const Row rows[] = {
        {"the handler leaves it", false, CXTPCaptureLoop::finishAndLeave, 1, CXTPCaptureLoop::endFinished},
        {"a hook ends the drag as it is taken", true, CXTPCaptureLoop::handled, 0,
         CXTPCaptureLoop::endCondition},
    };
    ASSERT_TRUE(InFrontWithTheFocus(window));
    const HHOOK hHook = ::SetWindowsHookExA(WH_KEYBOARD, CKeyHook::Proc, NULL, ::GetCurrentThreadId());
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        window.keysPressed.clear();
        s_nPressesOfA = 0;
        s_bEndOnA = row.bHookEndsTheDrag;
        PressKeys({'A'});
        PressKeys({'B'});
        int nHandled = 0;
        EXPECT_EQ(row.expected,
                  RunAnswering(row.handlerStep, nHandled, [&] { return !(s_bEndOnA && s_nPressesOfA > 0); }));
        PumpPending();
        EXPECT_EQ(row.nHandled, nHandled);
        EXPECT_EQ((std::vector<WPARAM>{'A', 'B'}), window.keysPressed);
        EXPECT_EQ(1, s_nPressesOfA);
    }
    ::UnhookWindowsHookEx(hHook);
}

// The input the loop ends on may lead to another window taking the focus
// before the program's loop reads on (a menu's Enter chose a command that
// opened a dialog): input the loop took and left goes to the window that
// has the focus when it is read, as the input still waiting does.
TEST_F(CaptureLoopTest, RealInputTheLoopLeavesGoesToTheFocusOfTheMomentItIsRead)
{
    CCountingWindow dialog(CPoint(600, 0), CSize(100, 100));
    ASSERT_TRUE(InFrontWithTheFocus(window));
    PressKeys({'A'});
    PressKeys({'B'});
    int nHandled = 0;
    EXPECT_EQ(CXTPCaptureLoop::endFinished, RunAnswering(CXTPCaptureLoop::finishAndLeave, nHandled, nullptr));
    dialog.SetFocus();
    PumpPending();
    EXPECT_EQ(std::vector<WPARAM>(), window.keysPressed);
    EXPECT_EQ((std::vector<WPARAM>{'A', 'B'}), dialog.keysPressed);
}

// The next loop's handler takes the key one loop left and moves the focus
// while it does, as a field that commits on Enter and hands the focus on:
// the key is taken once, whatever the handler answers, and reaches no
// window; the key after it comes next.
TEST_F(CaptureLoopTest, InputALoopLeftIsTakenOnceWhateverTheNextHandlerDoesToTheFocus)
{
    struct Row
    {
        const char* name;
        CXTPCaptureLoop::Step onEnter;
        bool bHandBackAndForth; // else the focus is handed on to the other window
        std::vector<WPARAM> seen;
        std::vector<WPARAM> otherGets;
    };
    const Row rows[] = {
        {"handled", CXTPCaptureLoop::handled, false, {VK_RETURN, 'B'}, {}},
        {"finish", CXTPCaptureLoop::finish, false, {VK_RETURN}, {'B'}},
        {"the focus handed back and forth", CXTPCaptureLoop::handled, true, {VK_RETURN, 'B'}, {}},
    };
    CCountingWindow other(CPoint(600, 0), CSize(100, 100));
    window.SetForegroundWindow();
    ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == window.GetSafeHwnd(); }));
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        window.SetFocus();
        window.keysPressed.clear();
        other.keysPressed.clear();
        PressKeys({VK_RETURN});
        PressKeys({'B'});
        CXTPCaptureLoop(window.GetSafeHwnd()).Run([](MSG& msg) {
            return msg.message == WM_KEYDOWN ? CXTPCaptureLoop::finishAndLeave : CXTPCaptureLoop::dispatch;
        });

        std::vector<WPARAM> seen;
        const CXTPCaptureLoop::End end = CXTPCaptureLoop(window.GetSafeHwnd()).Run([&](MSG& msg) {
            if (msg.message != WM_KEYDOWN)
                return CXTPCaptureLoop::dispatch;
            seen.push_back(msg.wParam);
            if (msg.wParam != VK_RETURN || seen.size() > 4) // more: the key is seen without end
                return CXTPCaptureLoop::finish;
            CWnd& to = row.bHandBackAndForth && ::GetFocus() == other.GetSafeHwnd() ? window : other;
            to.SetFocus();
            return row.onEnter;
        });
        PumpPending();
        EXPECT_EQ(CXTPCaptureLoop::endFinished, end);
        EXPECT_EQ(row.seen, seen);
        EXPECT_EQ(std::vector<WPARAM>(), window.keysPressed);
        EXPECT_EQ(row.otherGets, other.keysPressed);
    }
}

// A wheel turned over one window while another has the focus goes, when a
// loop leaves it, where the same wheel goes when no loop runs, with the
// same point: the loop that took it, holding the capture, has ended. (The
// window with the focus is away from the screen's corner, so that a point
// in its client area differs from the point on the screen.)
TEST_F(CaptureLoopTest, AWheelALoopLeavesGoesWhereTheSameWheelGoesWithoutALoop)
{
    CCountingWindow focus(CPoint(100, 500), CSize(100, 100));
    CCountingWindow under(CPoint(600, 0), CSize(100, 100));
    ASSERT_TRUE(InFrontWithTheFocus(focus));
    CPoint ptOver(50, 50);
    under.ClientToScreen(&ptOver);
    struct Row
    {
        const char* name;
        DWORD dwWheel;
        int nDelta;
    };
    const Row rows[] = {
        {"vertical", MOUSEEVENTF_WHEEL, -WHEEL_DELTA},
        {"horizontal", 0x1000 /* MOUSEEVENTF_HWHEEL */, WHEEL_DELTA},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        // What each window got: first without a loop, then after one.
        std::vector<CCountingWindow::Wheel> got[2][2];
        for (bool bLoop : {false, true})
        {
            focus.wheels.clear();
            under.wheels.clear();
            TurnWheelAt(ptOver, row.dwWheel, row.nDelta);
            if (bLoop)
            {
                CXTPCaptureLoop(focus.GetSafeHwnd()).Run([](MSG& msg) {
                    return msg.message == WM_MOUSEWHEEL || msg.message == CCountingWindow::kHorizontalWheel
                               ? CXTPCaptureLoop::finishAndLeave
                               : CXTPCaptureLoop::dispatch;
                });
            }
            ASSERT_TRUE(PumpPendingUntil([&] { return !focus.wheels.empty() || !under.wheels.empty(); }));
            PumpPending();
            got[bLoop][0] = focus.wheels;
            got[bLoop][1] = under.wheels;
        }
        EXPECT_EQ(1u, got[false][0].size() + got[false][1].size()) << "one wheel, once";
        EXPECT_TRUE(got[false][0] == got[true][0]) << "the window with the focus";
        EXPECT_TRUE(got[false][1] == got[true][1]) << "the window under the pointer";
    }
}

// Alike input at one moment (as automation and paste tools send it): the
// loop leaves the first of it, and the next loop sees it all in the order it
// came, none of it twice, none lost, though the input left and the input
// behind it read alike in everything but their place in the queue.
TEST_F(CaptureLoopTest, AlikeInputAtOneMomentALoopLeavesKeepsItsOrder)
{
    const CPoint ptOver(50, 50); // the window sits at the screen's corner
    struct Row
    {
        const char* name;
        std::function<void()> send;
        std::vector<std::string> seen;
    };
    const Row rows[] = {
        {"a key pressed twice",
         [] {
             CInputAtOneMoment().Keys({KeyDown('X'), KeyUp('X'), KeyDown('X'), KeyUp('X')}).Send();
         },
         {"down X", "up X", "down X", "up X"}},
        {"a click twice",
         [&] {
             CInputAtOneMoment()
                 .Buttons(ptOver, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                                   MOUSEEVENTF_LEFTUP})
                 .Send();
         },
         {"press", "release", "press", "release"}},
        {"the vertical wheel turned twice",
         [&] {
             CInputAtOneMoment()
                 .Wheel(ptOver, MOUSEEVENTF_WHEEL, WHEEL_DELTA)
                 .Wheel(ptOver, MOUSEEVENTF_WHEEL, WHEEL_DELTA)
                 .Send();
         },
         {"wheel", "wheel"}},
        {"the horizontal wheel turned twice",
         [&] {
             CInputAtOneMoment().Wheel(ptOver, 0x1000, WHEEL_DELTA).Wheel(ptOver, 0x1000, WHEEL_DELTA).Send();
         },
         {"horizontal wheel", "horizontal wheel"}},
    };
    ASSERT_TRUE(InFrontWithTheFocus(window));
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        row.send();
        CXTPCaptureLoop(window.GetSafeHwnd()).Run([&](MSG& msg) {
            return NameOfInput(msg.message, msg.wParam).empty() ? CXTPCaptureLoop::dispatch
                                                                : CXTPCaptureLoop::finishAndLeave;
        });
        // The next loop ends once it has seen as much as was sent, or on
        // the ping posted once the input is gone.
        std::vector<std::string> seen;
        CXTPCaptureLoop(window.GetSafeHwnd()).Run([&](MSG& msg) {
            if (msg.message == CCountingWindow::kPing)
                return CXTPCaptureLoop::finish;
            const std::string input = NameOfInput(msg.message, msg.wParam);
            if (input.empty())
                return CXTPCaptureLoop::dispatch;
            seen.push_back(input);
            if (seen.size() == row.seen.size())
                return CXTPCaptureLoop::finish;
            MSG waiting;
            if (!::PeekMessageA(&waiting, NULL, 0, 0, PM_NOREMOVE | PM_QS_INPUT | PM_QS_POSTMESSAGE))
                Post(CCountingWindow::kPing);
            return CXTPCaptureLoop::handled;
        });
        PumpPending();
        EXPECT_EQ(row.seen, seen);
    }
}

// A wheel one loop left arrives as the same wheel arrives without a loop,
// wherever it was turned and whichever window reads it, though a point in
// the client area of the window at the screen's corner and the point on the
// screen are the same numbers: over the corner window, it reaches a far
// window's capture with the point the system gives the far window; over the
// far window, a handler that takes it and gives the capture to the corner
// window sees it once.
TEST_F(CaptureLoopTest, AWheelALoopLeavesArrivesAsWithoutALoopWhateverWindowSitsAtTheCorner)
{
    CCountingWindow distant(CPoint(600, 300), CSize(100, 100));
    CPoint ptCornerOrigin(0, 0), ptOverFar(50, 50);
    window.ClientToScreen(&ptCornerOrigin);
    ASSERT_EQ(CPoint(0, 0), ptCornerOrigin);
    distant.ClientToScreen(&ptOverFar);
    const CPoint ptOverCorner(40, 30);
    struct Row
    {
        const char* name;
        DWORD dwWheel;
    };
    const Row rows[] = {
        {"vertical", MOUSEEVENTF_WHEEL},
        {"horizontal", 0x1000 /* MOUSEEVENTF_HWHEEL */},
    };
    auto isWheel = [](const MSG& msg) {
        return msg.message == WM_MOUSEWHEEL || msg.message == CCountingWindow::kHorizontalWheel;
    };
    // The wheel as a loop capturing the far window takes it.
    auto takeAtFar = [&]() {
        MSG taken = {};
        CXTPCaptureLoop(distant.GetSafeHwnd()).Run([&](MSG& msg) {
            if (!isWheel(msg))
                return CXTPCaptureLoop::dispatch;
            taken = msg;
            return CXTPCaptureLoop::finish;
        });
        return CCountingWindow::Wheel{taken.message, taken.wParam, taken.lParam};
    };
    // A loop capturing the window leaves the wheel.
    auto leaveAt = [&](CWnd& holder) {
        CXTPCaptureLoop(holder.GetSafeHwnd()).Run([&](MSG& msg) {
            return isWheel(msg) ? CXTPCaptureLoop::finishAndLeave : CXTPCaptureLoop::dispatch;
        });
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        TurnWheelAt(ptOverCorner, row.dwWheel, WHEEL_DELTA);
        const CCountingWindow::Wheel withoutALoop = takeAtFar();

        TurnWheelAt(ptOverCorner, row.dwWheel, WHEEL_DELTA);
        leaveAt(window);
        EXPECT_TRUE(withoutALoop == takeAtFar()) << "left over the corner window, read at the far window";

        TurnWheelAt(ptOverFar, row.dwWheel, WHEEL_DELTA);
        leaveAt(distant);
        Post(CCountingWindow::kPing);
        int nSeen = 0;
        CXTPCaptureLoop(distant.GetSafeHwnd(), 0).Run([&](MSG& msg) {
            if (msg.message == CCountingWindow::kPing)
                return CXTPCaptureLoop::finish;
            if (!isWheel(msg))
                return CXTPCaptureLoop::dispatch;
            ++nSeen;
            window.SetCapture();
            return CXTPCaptureLoop::handled;
        });
        ::ReleaseCapture();
        PumpPending();
        EXPECT_EQ(1, nSeen) << "taken by a handler that gives the capture to the corner window";
        EXPECT_TRUE(window.wheels.empty() && distant.wheels.empty());
    }
}

// Input a loop leaves waits where it was, before what is posted after it,
// however many loops look at it and leave it again, with a message posted
// after each of them.
TEST_F(CaptureLoopTest, InputLeftAgainKeepsItsPlaceBeforeWhatWasPostedAfterIt)
{
    struct Row
    {
        const char* name;
        int nLoops;
    };
    const Row rows[] = {{"one loop leaves it", 1}, {"two loops", 2}, {"three loops", 3}};
    ASSERT_TRUE(InFrontWithTheFocus(window));
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        window.received.clear();
        PressKeys({'A'});
        std::vector<UINT> expected = {WM_KEYDOWN};
        for (int i = 0; i < row.nLoops; i++)
        {
            CXTPCaptureLoop(window.GetSafeHwnd()).Run([](MSG& msg) {
                return msg.message == WM_KEYDOWN ? CXTPCaptureLoop::finishAndLeave
                                                 : CXTPCaptureLoop::dispatch;
            });
            const UINT message = CCountingWindow::kPing;
            Post(message);
            expected.push_back(message);
        }
        PumpPending();
        EXPECT_EQ(expected, ReceivedButCharacters());
    }
}

// The next loop's handler holds the key a loop left where it waits, before
// a message posted after it, and runs a loop of its own before it leaves the
// key again: that loop reads on past the key, and the key reaches the window
// once, where it waited when nothing was read past it.
TEST_F(CaptureLoopTest, ALoopTheHandlerRunsReadsPastInputItHolds)
{
    struct Row
    {
        const char* name;
        bool bInnerLoopReads; // else it ends before it reads anything
        std::vector<UINT> innerLoopSees;
        std::vector<UINT> windowGets;
    };
    const UINT kPing = CCountingWindow::kPing;
    const Row rows[] = {
        {"the handler's loop reads on", true, {kPing}, {WM_KEYDOWN}},
        {"the handler's loop ends at once", false, {}, {WM_KEYDOWN, kPing}},
    };
    ASSERT_TRUE(InFrontWithTheFocus(window));
    auto leaveKeys = [](MSG& msg) {
        return msg.message == WM_KEYDOWN ? CXTPCaptureLoop::finishAndLeave : CXTPCaptureLoop::dispatch;
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        window.received.clear();
        PressKeys({'A'});
        CXTPCaptureLoop(window.GetSafeHwnd()).Run(leaveKeys);
        Post(kPing);
        std::vector<UINT> innerLoopSees;
        CXTPCaptureLoop(window.GetSafeHwnd()).Run([&](MSG& msg) {
            if (msg.message != WM_KEYDOWN)
                return CXTPCaptureLoop::dispatch;
            CXTPCaptureLoop(window.GetSafeHwnd(), 0)
                .Run(
                    [&](MSG& inner) {
                        if (inner.message != WM_NULL) // nothing
                            innerLoopSees.push_back(inner.message);
                        return inner.message == kPing ? CXTPCaptureLoop::finish : CXTPCaptureLoop::dispatch;
                    },
                    [&] { return row.bInnerLoopReads; });
            return CXTPCaptureLoop::finishAndLeave;
        });
        PumpPending();
        EXPECT_EQ(row.innerLoopSees, innerLoopSees);
        EXPECT_EQ(row.windowGets, ReceivedButCharacters());
    }
}

// The thread's message hooks as a program hosting the toolkit may install
// them (a key mapper, an input-method hook): each acts on input as it is
// taken off the queue.
struct CMessageHooks
{
    // J and K change places.
    static LRESULT CALLBACK SwapJAndK(int nCode, WPARAM wParam, LPARAM lParam)
    {
        MSG* pMsg = (MSG*)lParam;
        if (nCode == HC_ACTION && wParam == PM_REMOVE && IsKey(*pMsg)
            && (pMsg->wParam == 'J' || pMsg->wParam == 'K'))
            pMsg->wParam = pMsg->wParam == 'J' ? 'K' : 'J';
        return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    }
    // K is eaten: it reads as nothing (WM_NULL).
    static LRESULT CALLBACK EatK(int nCode, WPARAM wParam, LPARAM lParam)
    {
        MSG* pMsg = (MSG*)lParam;
        if (nCode == HC_ACTION && wParam == PM_REMOVE && IsKey(*pMsg) && pMsg->wParam == 'K')
            pMsg->message = WM_NULL;
        return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    }
    static bool IsKey(const MSG& msg) { return msg.message == WM_KEYDOWN || msg.message == WM_KEYUP; }
};

// K then L typed; a loop leaves the first key it gets (its handler leaves
// whatever it gets but the mouse, as the tab strip's drag does once its tab
// is gone). The input goes through each message hook once, whichever came
// before the keys or while the loop's input waited, and reaches the window
// with the focus; input a hook ate leaves nothing, and the handler never sees
// it. Once nothing waits, a thread message that reads like a key is left as
// it was posted.
TEST_F(CaptureLoopTest, InputALoopLeavesGoesThroughEachMessageHookOnce)
{
    struct Row
    {
        const char* name;
        HOOKPROC hookBefore;       // installed before the keys are typed (NULL: none)
        bool bLoop;                // a loop takes the first key and leaves it
        HOOKPROC hookWhileWaiting; // installed once the loop has left it
        std::vector<std::string> handlerSees;
        std::vector<std::string> windowGets;
    };
    const Row rows[] = {
        {"a rewriting hook, no loop",
         CMessageHooks::SwapJAndK,
         false,
         NULL,
         {},
         {"down J", "up J", "down L", "up L"}},
        {"a rewriting hook, the press left",
         CMessageHooks::SwapJAndK,
         true,
         NULL,
         {"down J"},
         {"down J", "up J", "down L", "up L"}},
        {"a rewriting hook installed while the press waits",
         NULL,
         true,
         CMessageHooks::SwapJAndK,
         {"down K"},
         {"down J", "up J", "down L", "up L"}},
        {"an eating hook", CMessageHooks::EatK, true, NULL, {"down L"}, {"down L", "up L"}},
    };
    ASSERT_TRUE(InFrontWithTheFocus(window));
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        window.inputs.clear();
        std::vector<HHOOK> hooks;
        if (row.hookBefore != NULL)
            hooks.push_back(::SetWindowsHookExA(WH_GETMESSAGE, row.hookBefore, NULL, ::GetCurrentThreadId()));
        PressKeys({'K'});
        PressKeys({'L'});
        std::vector<std::string> seen;
        MSG left = {NULL, WM_KEYDOWN, 'K', 0x00000001, 0, {0, 0}};
        if (row.bLoop)
        {
            CXTPCaptureLoop(window.GetSafeHwnd()).Run([&](MSG& msg) {
                if (msg.message == WM_MOUSEMOVE)
                    return CXTPCaptureLoop::dispatch;
                seen.push_back(msg.message == WM_NULL ? "nothing" : NameOfInput(msg.message, msg.wParam));
                left = msg;
                return CXTPCaptureLoop::finishAndLeave;
            });
        }
        if (row.hookWhileWaiting != NULL)
            hooks.push_back(
                ::SetWindowsHookExA(WH_GETMESSAGE, row.hookWhileWaiting, NULL, ::GetCurrentThreadId()));
        EXPECT_TRUE(PumpPendingUntil([&] { return window.inputs.size() >= row.windowGets.size(); }));
        PumpPending();
        EXPECT_EQ(row.handlerSees, seen);
        EXPECT_EQ(row.windowGets, window.inputs);
        for (HHOOK hHook : hooks)
            ::UnhookWindowsHookEx(hHook);

        // A thread message of the program's that reads like the input left.
        ::PostThreadMessageA(::GetCurrentThreadId(), left.message, left.wParam, left.lParam);
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, NULL, left.message, left.message, PM_REMOVE));
        EXPECT_EQ(NULL, msg.hwnd);
    }
}

TEST_F(CaptureLoopTest, PaintFirstPaintsAnUncoveredWindowBeforeTheNextMouseMessage)
{
    // Posted mouse messages come before WM_PAINT in the queue: only the
    // option paints the window while the drag is still running.
    struct Row
    {
        const char* name;
        DWORD dwOptions;
        int nPaintsSeenByTheMove;
    };
    const Row rows[] = {
        {"paint first", CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::paintFirst, 1},
        {"plain loop", CXTPCaptureLoop::captureMouse, 0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        PumpPending();
        window.nPaints = 0;
        window.Invalidate();
        Post(WM_MOUSEMOVE);
        Post(WM_LBUTTONUP);
        int nPaintsSeen = -1;
        CXTPCaptureLoop(window.GetSafeHwnd(), row.dwOptions).Run([&](MSG& msg) {
            if (msg.message == WM_MOUSEMOVE)
                nPaintsSeen = window.nPaints;
            return EndOnRelease(msg);
        });
        EXPECT_EQ(row.nPaintsSeenByTheMove, nPaintsSeen);
        window.UpdateWindow(); // the plain loop left the window invalid
    }
}

TEST_F(CaptureLoopTest, WithoutTheCaptureOptionTheMouseIsLeftAlone)
{
    Post(WM_LBUTTONUP);
    HWND hHolder = (HWND)1;
    CXTPCaptureLoop(window.GetSafeHwnd(), 0).Run([&](MSG&) {
        hHolder = ::GetCapture();
        return CXTPCaptureLoop::finish;
    });
    EXPECT_EQ(NULL, hHolder);
}

// A paint of another window that destroys the tracked one ends the loop
// before the handler sees another message: it would work on a window that
// is gone.
TEST_F(CaptureLoopTest, AnotherWindowsPaintThatDestroysTheTrackedWindowEndsTheLoop)
{
    CCountingWindow tracked(CPoint(0, 0), CSize(100, 100));
    CCountingWindow other(CPoint(200, 0), CSize(100, 100));
    PumpPending();
    other.nPaints = 0;
    other.afterPaint = [&] { tracked.DestroyWindow(); };
    other.Invalidate();
    ::PostMessageA(other.GetSafeHwnd(), CCountingWindow::kPing, 0, 0);
    ::PostMessageA(other.GetSafeHwnd(), WM_LBUTTONUP, 0, 0);
    int nHandledAfterDestruction = 0;
    CXTPCaptureLoop loop(tracked.GetSafeHwnd(), CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::paintFirst);
    const CXTPCaptureLoop::End end = loop.Run([&](MSG& msg) {
        if (tracked.GetSafeHwnd() == NULL)
            ++nHandledAfterDestruction;
        return EndOnRelease(msg);
    });
    EXPECT_EQ(1, other.nPaints);
    EXPECT_EQ(NULL, tracked.GetSafeHwnd()) << "the paint destroyed it";
    EXPECT_EQ(CXTPCaptureLoop::endCaptureLost, end);
    EXPECT_EQ(0, nHandledAfterDestruction);
}

// Two windows that invalidate each other in their paints would be painted
// for ever: each is painted once, and the loop goes on to the mouse.
TEST_F(CaptureLoopTest, WindowsThatInvalidateEachOtherInTheirPaintsAreEachPaintedOnce)
{
    CCountingWindow first(CPoint(0, 0), CSize(100, 100));
    CCountingWindow second(CPoint(200, 0), CSize(100, 100));
    PumpPending();
    first.nPaints = second.nPaints = 0;
    first.afterPaint = [&] { second.Invalidate(); };
    second.afterPaint = [&] { first.Invalidate(); };
    first.Invalidate();
    Post(WM_LBUTTONUP);
    CXTPCaptureLoop loop(window.GetSafeHwnd(), CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::paintFirst);
    EXPECT_EQ(CXTPCaptureLoop::endFinished, loop.Run(EndOnRelease));
    EXPECT_EQ(1, first.nPaints);
    EXPECT_EQ(1, second.nPaints);
    first.afterPaint = nullptr;
    second.afterPaint = nullptr;
    CXTPCaptureLoop::DispatchPendingPaints();
}

// A WM_QUIT passes every message filter: the paints leave it for the loop,
// which ends on it.
TEST_F(CaptureLoopTest, PendingPaintsLeaveAQuitForTheLoop)
{
    window.Invalidate();
    ::PostQuitMessage(3);
    CXTPCaptureLoop::DispatchPendingPaints();
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
    window.UpdateWindow();
}

} // namespace
