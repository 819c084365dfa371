// Input a modal loop took and gave back reaches the window the system would
// address it to when it is read: keys the focus of that moment, mouse input
// the capture or the window under its point; read once, in its place among
// the posted messages, with the moment and the place it happened.
#include "toolkit/foundation/XTPRequeuedInput.h"
#include "tests/support/RealInput.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>
#include <windowsx.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Children side by side in a window in front: the left one holding the
// focus, then two with a border (a point in their client area is not the
// same point on the screen).
class RequeuedInputTest : public ::testing::Test
{
protected:
    static const UINT kPing = WM_APP + 3;
    static const UINT kHorizontalWheel = 0x020E; // WM_MOUSEHWHEEL, newer than the build's headers

    void SetUp() override
    {
        left.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &host, 1);
        right.Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(200, 0, 300, 100), &host, 2);
        middle.Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(100, 0, 150, 100), &host, 3);
        host.SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == host.m_hWnd; }));
        left.SetFocus();
    }
    void TearDown() override
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {}
    }
    // A key press as a loop took it for the window.
    static MSG TakenKey(HWND hWnd, char chKey)
    {
        MSG msg = {hWnd, WM_KEYDOWN, (WPARAM)chKey, 0x00000001, 1234, {5, 6}};
        return msg;
    }
    // A left press at the screen point as a loop took it for the window, in
    // its client area or in its frame.
    static MSG TakenPress(HWND hWnd, CPoint ptScreen, bool bInFrame = false)
    {
        CPoint pt = ptScreen;
        ::ScreenToClient(hWnd, &pt);
        MSG msg = {hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y), 4321, ptScreen};
        if (bInFrame)
        {
            msg.message = WM_NCLBUTTONDOWN;
            msg.wParam = HTCAPTION;
            msg.lParam = MAKELPARAM(ptScreen.x, ptScreen.y);
        }
        return msg;
    }
    // A turn of the vertical wheel at the screen point as a loop took it for
    // the window: with the point on the screen.
    static MSG TakenWheel(HWND hWnd, CPoint ptScreen)
    {
        MSG msg = {hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(ptScreen.x, ptScreen.y),
                   4321, ptScreen};
        return msg;
    }
    // The first real input message of the number, taken off the queue once
    // it has come; one with no window when none comes.
    static MSG TakeRealInput(UINT message)
    {
        MSG msg = {};
        const DWORD start = ::GetTickCount();
        while (!::PeekMessageA(&msg, NULL, message, message, PM_REMOVE | PM_QS_INPUT)
               && ::GetTickCount() - start < 10000)
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        return msg;
    }
    // A real turn of the horizontal wheel at the screen point as it is taken
    // while the window holds the capture (none: NULL).
    static MSG TakeRealHorizontalWheel(CPoint ptScreen, CWnd* pCapture)
    {
        if (pCapture != NULL)
            pCapture->SetCapture();
        TurnWheelAt(ptScreen, 0x1000 /* MOUSEEVENTF_HWHEEL */, WHEEL_DELTA);
        const MSG msg = TakeRealInput(kHorizontalWheel);
        ::ReleaseCapture();
        return msg;
    }
    CPoint ScreenPoint(CWnd& child, CPoint ptClient)
    {
        child.ClientToScreen(&ptClient);
        return ptClient;
    }

    CTestWindow host{CSize(300, 100)};
    CWnd left, right, middle;
};

TEST(RequeuedInputAddressee, KeysGoToTheFocusMouseInputToTheCaptureOrUnderThePoint)
{
    const HWND hTakenFor = (HWND)1, hFocus = (HWND)2, hCapture = (HWND)3, hUnder = (HWND)4;
    const UINT kHorizontalWheel = 0x020E; // WM_MOUSEHWHEEL, newer than the build's headers
    const struct
    {
        const char* name;
        UINT message;
        CXTPRequeuedInput::Addressees now;
        HWND expected;
    } rows[] = {
        {"a key goes to the focus", WM_KEYDOWN, {hFocus, hCapture, hUnder}, hFocus},
        {"a released system key too", WM_SYSKEYUP, {hFocus, NULL, NULL}, hFocus},
        {"a key without a focus stays", WM_KEYUP, {NULL, hCapture, hUnder}, hTakenFor},
        {"a click goes to the capture", WM_LBUTTONDOWN, {hFocus, hCapture, hUnder}, hCapture},
        {"a click without capture goes under the point", WM_RBUTTONUP, {hFocus, NULL, hUnder}, hUnder},
        {"a click in the frame goes under the point", WM_NCLBUTTONDOWN, {hFocus, NULL, hUnder}, hUnder},
        {"a click over no window of the thread stays", WM_LBUTTONUP, {hFocus, NULL, NULL}, hTakenFor},
        {"a wheel goes to the capture", WM_MOUSEWHEEL, {hFocus, hCapture, hUnder}, hCapture},
        {"a horizontal wheel goes under the point", kHorizontalWheel, {hFocus, NULL, hUnder}, hUnder},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, CXTPRequeuedInput::ChooseAddressee(row.message, row.now, hTakenFor));
    }
}

// The mouse input as a reader gets it: its window, and its point as the
// message carries it (a press in a frame: the window's hit code there).
std::string MouseInputAsRead(UINT message)
{
    MSG msg;
    if (!::PeekMessageA(&msg, NULL, message, message, PM_REMOVE))
        return "(none)";
    const std::string where =
        msg.message == WM_NCLBUTTONDOWN
            ? "hit " + std::to_string(msg.wParam)
            : std::to_string(GET_X_LPARAM(msg.lParam)) + "," + std::to_string(GET_Y_LPARAM(msg.lParam));
    return "window " + std::to_string(::GetDlgCtrlID(msg.hwnd)) + " " + where;
}

TEST_F(RequeuedInputTest, MouseInputGoesToTheCaptureOrTheWindowUnderItsPointWhenItIsRead)
{
    // Pressed or turned over the right child, taken while the left one held
    // the capture.
    const CPoint ptScreen = ScreenPoint(right, CPoint(10, 20));
    CPoint ptInLeft = ptScreen;
    left.ScreenToClient(&ptInLeft);
    CRect rcRight;
    right.GetWindowRect(&rcRight);
    // The system gives the horizontal wheel with its point in one form or
    // the other: read with no capture, it arrives over the right child as a
    // wheel taken for another window must read once that one lets go.
    const MSG horizontalWheelUnderThePoint = TakeRealHorizontalWheel(ptScreen, NULL);
    ASSERT_EQ(right.m_hWnd, horizontalWheelUnderThePoint.hwnd);
    const MSG horizontalWheelTakenByTheMiddle = TakeRealHorizontalWheel(ptScreen, &middle);
    ASSERT_EQ(middle.m_hWnd, horizontalWheelTakenByTheMiddle.hwnd);
    const struct
    {
        const char* name;
        CWnd* pCaptureWhenRead; // NULL: none
        MSG taken;
        std::string expected;
    } rows[] = {
        {"the capture stays", &left, TakenPress(left.m_hWnd, ptScreen),
         "window 1 " + std::to_string(ptInLeft.x) + "," + std::to_string(ptInLeft.y)},
        {"the capture went elsewhere", &right, TakenPress(left.m_hWnd, ptScreen), "window 2 10,20"},
        {"the capture ended: under the point", NULL, TakenPress(left.m_hWnd, ptScreen), "window 2 10,20"},
        {"a vertical wheel keeps its point on the screen", NULL, TakenWheel(middle.m_hWnd, ptScreen),
         "window 2 " + std::to_string(ptScreen.x) + "," + std::to_string(ptScreen.y)},
        {"a horizontal wheel, its point in the form the system gives it", NULL,
         horizontalWheelTakenByTheMiddle,
         "window 2 " + std::to_string(GET_X_LPARAM(horizontalWheelUnderThePoint.lParam)) + ","
             + std::to_string(GET_Y_LPARAM(horizontalWheelUnderThePoint.lParam))},
        {"taken in a frame: the hit of the window under it", NULL,
         TakenPress(left.m_hWnd, CPoint(rcRight.left, rcRight.top + 20), true),
         "window 2 hit " + std::to_string(HTBORDER)},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CXTPRequeuedInput::Requeue(row.taken);
        if (row.pCaptureWhenRead != NULL)
            row.pCaptureWhenRead->SetCapture();
        EXPECT_EQ(row.expected, MouseInputAsRead(row.taken.message));
        ::ReleaseCapture();
    }
}

// Looking at it addresses it for the looker and leaves it in its place; a
// reader that filters by message number finds it as what it is; taking it
// takes it once. A quit waits behind it.
TEST_F(RequeuedInputTest, ItIsReadInItsPlaceOnceWithTheMomentAndPlaceItHappened)
{
    CXTPRequeuedInput::Requeue(TakenKey(left.m_hWnd, 'A'));
    ::PostMessageA(left.m_hWnd, kPing, 0, 0);
    CXTPRequeuedInput::Requeue(TakenKey(left.m_hWnd, 'B'));
    ::PostQuitMessage(5);
    right.SetFocus();

    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(right.m_hWnd, msg.hwnd);
    EXPECT_EQ((WPARAM)'A', msg.wParam);
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
    EXPECT_EQ(right.m_hWnd, msg.hwnd);
    EXPECT_EQ((WPARAM)'A', msg.wParam);

    std::vector<std::string> read;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_KEYDOWN)
        {
            read.push_back("key " + std::string(1, (char)msg.wParam));
            EXPECT_EQ(right.m_hWnd, msg.hwnd);
            EXPECT_EQ(1234u, msg.time);
            EXPECT_EQ(5, msg.pt.x);
            EXPECT_EQ(6, msg.pt.y);
        }
        else if (msg.message == kPing)
            read.push_back("ping");
        else if (msg.message == WM_QUIT)
            read.push_back("quit");
    }
    EXPECT_EQ((std::vector<std::string>{"key A", "ping", "key B", "quit"}), read);

    // Once none waits, a thread's own key message is left as it was posted.
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_KEYDOWN, 'A', 0x00000001);
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(WM_KEYDOWN, msg.message);
    EXPECT_EQ(NULL, msg.hwnd);
}

// Whether a read returned requeued input is known from the read itself, not
// from the message's numbers: the real input behind it, typed at the same
// moment, and a message the program posts read alike.
TEST_F(RequeuedInputTest, AReadTellsTheInputLeftFromAlikeInputBehindIt)
{
    CInputAtOneMoment().Keys({KeyDown('A'), KeyUp('A'), KeyDown('A'), KeyUp('A')}).Send();
    const MSG first = TakeRealInput(WM_KEYDOWN);
    ASSERT_EQ(left.m_hWnd, first.hwnd);
    CXTPRequeuedInput::Requeue(first);

    struct Row
    {
        const char* name;
        std::function<bool(MSG&)> read;
        bool bWaiting;
    };
    auto look = [](MSG& msg) { return ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) != FALSE; };
    const Row rows[] = {
        {"looked at", look, TRUE},
        {"looked at again, for another window",
         [&](MSG& msg) {
             right.SetFocus();
             return look(msg);
         },
         TRUE},
        {"the real press behind it",
         [](MSG& msg) {
             return ::PeekMessageA(&msg, NULL, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE | PM_QS_INPUT) != FALSE;
         },
         FALSE},
        {"taken", [](MSG& msg) { return ::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE) != FALSE; }, FALSE},
        {"a message the program posts",
         [&](MSG& msg) {
             ::PostMessageA(right.m_hWnd, WM_KEYDOWN, first.wParam, first.lParam);
             return look(msg);
         },
         FALSE},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MSG msg;
        ASSERT_TRUE(row.read(msg));
        EXPECT_EQ(WM_KEYDOWN, msg.message);
        EXPECT_EQ(first.wParam, msg.wParam);
        EXPECT_EQ(first.lParam, msg.lParam);
        EXPECT_EQ(row.bWaiting, CXTPRequeuedInput::LatestReadWaiting() != NULL);
    }
}

// The keys a message hook of the thread sees as they are taken off the
// queue: presses only.
std::vector<std::string> g_pressesTaken;

LRESULT CALLBACK NotePressesTaken(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = (const MSG*)lParam;
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_KEYDOWN)
        g_pressesTaken.push_back(NameOfInput(pMsg->message, pMsg->wParam));
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// A message hook sees each input once, whenever it comes: input taken while
// it was there when taken; input that went back before it came when that
// input is read, unless other input went back since (the hook may have seen
// that one taken). Every input reaches the focus once, in its order.
TEST_F(RequeuedInputTest, AMessageHookSeesEachInputOnceWheneverItCame)
{
    struct Row
    {
        const char* name;
        bool bHookBeforeX;   // else once X went back
        bool bYTakenAndLeft; // Y, typed while X waits, is taken and goes back too
        std::vector<std::string> hookSees;
        std::vector<std::string> read;
    };
    const Row rows[] = {
        {"the hook came before X was taken", true, false, {"down X"}, {"down X", "up X"}},
        {"the hook came while X waited", false, false, {"down X"}, {"down X", "up X"}},
        {"the hook came while X waited, and saw Y taken and go back",
         false,
         true,
         {"down Y"},
         {"down X", "down Y", "up X", "up Y"}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        g_pressesTaken.clear();
        HHOOK hHook = NULL;
        auto installHook = [&] {
            hHook = ::SetWindowsHookExA(WH_GETMESSAGE, NotePressesTaken, NULL, ::GetCurrentThreadId());
        };
        if (row.bHookBeforeX)
            installHook();
        PressKeys({'X'});
        CXTPRequeuedInput::Requeue(TakeRealInput(WM_KEYDOWN));
        if (!row.bHookBeforeX)
            installHook();
        if (row.bYTakenAndLeft)
        {
            PressKeys({'Y'});
            CXTPRequeuedInput::Requeue(TakeRealInput(WM_KEYDOWN));
        }
        std::vector<std::string> read;
        MSG msg;
        const DWORD start = ::GetTickCount();
        while (read.size() < row.read.size() && ::GetTickCount() - start < 10000)
        {
            if (!::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
            else if (!NameOfInput(msg.message, msg.wParam).empty())
            {
                read.push_back(NameOfInput(msg.message, msg.wParam));
                EXPECT_EQ(left.m_hWnd, msg.hwnd) << read.back();
            }
        }
        ::UnhookWindowsHookEx(hHook);
        EXPECT_EQ(row.read, read);
        EXPECT_EQ(row.hookSees, g_pressesTaken);
    }
}

} // namespace
