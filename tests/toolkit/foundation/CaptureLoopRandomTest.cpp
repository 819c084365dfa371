// Rounds of nested capture loops under real input, made at random from a
// fixed seed. Each round sends keys, clicks and wheel turns in one go (alike
// ones at one moment among them, some over a window whose client area
// starts at the screen's corner), then runs loops whose handlers take,
// leave, dispatch or end on each input at random (the same input left by
// one loop after another), move the focus and the capture, and run loops of
// their own; messages are posted between loops. The thread has other
// message hooks, as a program hosting the toolkit may: one rewrites each
// input as it is taken, one eats B, and one more that rewrites comes while
// input a loop left waits and goes again. Whatever they do, every input the
// hooks let through reaches a handler or a window once, in the order it was
// made and before each message posted once it had been taken, rewritten once
// by each hook that took it, with its point in the form the system gives the
// window it reaches.
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "tests/support/RealInput.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

const UINT kHorizontalWheel = 0x020E;       // WM_MOUSEHWHEEL, newer than the build's headers
const DWORD kHorizontalWheelEvent = 0x1000; // MOUSEEVENTF_HWHEEL
const UINT kPing = WM_APP + 5;              // posted between loops, numbered by wParam

// One input as it was made: what it is and, for the mouse, where.
struct Made
{
    std::string what;
    CPoint pt;
};

// One input, or a posted ping, as a handler or a window got it.
struct Arrival
{
    std::string what; // "down A", "up B", "press", "release", "wheel", "horizontal wheel", "ping 3"
    HWND hWnd;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Arrival> g_arrivals;
size_t g_nInputsArrived = 0;

// Notes the input message; TRUE when it is input.
bool Arrive(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const std::string what = NameOfInput(message, wParam);
    if (!what.empty())
    {
        g_arrivals.push_back({what, hWnd, wParam, lParam});
        g_nInputsArrived++;
    }
    return !what.empty();
}

bool IsKey(const std::string& what)
{
    return what.find("down") == 0 || what.find("up") == 0;
}

// What the rewriting hooks add to an input, each once: to a key's repeat
// count, to the high word of a mouse message's wParam (a wheel's turn).
const int kMarkBefore = 1;
const int kMarkWhileWaiting = 16;

int MarksOf(const Arrival& input)
{
    if (IsKey(input.what))
        return (int)(input.lParam & 0xFFFF) - 1;
    const int nHigh = (short)HIWORD(input.wParam);
    return input.what.find("wheel") != std::string::npos ? nHigh - WHEEL_DELTA : nHigh;
}

void AddMark(MSG& msg, int nMark)
{
    if (IsKey(NameOfInput(msg.message, msg.wParam)))
        msg.lParam += nMark;
    else
        msg.wParam += MAKEWPARAM(0, nMark);
}

// The inputs the hook before the round took off the queue (it sees each
// once, as it is taken).
size_t g_nTaken = 0;

// The thread's other message hooks, acting on input as it is taken: one
// adds its mark to each input (the one before the round counts them too),
// one eats B.
template <int nMark>
LRESULT CALLBACK Rewrite(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = (MSG*)lParam;
    if (nCode == HC_ACTION && wParam == PM_REMOVE && !NameOfInput(pMsg->message, pMsg->wParam).empty())
    {
        if (nMark == kMarkBefore)
            g_nTaken++;
        AddMark(*pMsg, nMark);
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

bool IsEaten(const std::string& what)
{
    return what == "down B" || what == "up B";
}

LRESULT CALLBACK EatB(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = (MSG*)lParam;
    if (nCode == HC_ACTION && wParam == PM_REMOVE && IsEaten(NameOfInput(pMsg->message, pMsg->wParam)))
        pMsg->message = WM_NULL;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// A window that notes the input and the pings dispatched to it. A wheel goes
// no further: the default procedure would hand it on to the parent.
template <class TBase>
class CNoting : public TBase
{
public:
    using TBase::TBase;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kPing)
            g_arrivals.push_back({"ping " + std::to_string(wParam), this->m_hWnd, wParam, lParam});
        if (Arrive(this->m_hWnd, message, wParam, lParam)
            && (message == WM_MOUSEWHEEL || message == kHorizontalWheel))
            return 0;
        return TBase::WindowProc(message, wParam, lParam);
    }
};

class CaptureLoopRandomTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The first child's client area starts at the screen's corner; the
        // others have a border, so their client points differ from the screen's.
        children[0].Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 120), &host, 1);
        children[1].Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(180, 0, 300, 120), &host, 2);
        children[2].Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(360, 20, 480, 120), &host, 3);
        host.SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == host.m_hWnd; }));
        children[0].SetFocus();
        // The rewriting hook is the newer: it sees B before it is eaten.
        hooksBefore[0] = ::SetWindowsHookExA(WH_GETMESSAGE, EatB, NULL, ::GetCurrentThreadId());
        hooksBefore[1] =
            ::SetWindowsHookExA(WH_GETMESSAGE, Rewrite<kMarkBefore>, NULL, ::GetCurrentThreadId());
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        PumpPending();
        for (HHOOK hHook : hooksBefore)
            ::UnhookWindowsHookEx(hHook);
        RemoveHookWhileWaiting();
        g_arrivals.clear();
    }

    // A random point in one of the children, or in the host between them.
    CPoint RandomPoint()
    {
        const int nOver = Pick(4);
        if (nOver == 3)
            return CPoint(150, 60);
        CRect rect;
        children[nOver].GetWindowRect(&rect);
        return CPoint(rect.left + 5 + Pick(rect.Width() - 10), rect.top + 5 + Pick(rect.Height() - 10));
    }
    int Pick(int nChoices) { return std::uniform_int_distribution<int>(0, nChoices - 1)(rng); }
    CWnd& RandomWindow() { return Pick(4) == 3 ? static_cast<CWnd&>(host) : children[Pick(3)]; }

    // Sends a round's input at one moment and returns what must arrive.
    std::vector<Made> SendRandomInput()
    {
        std::vector<Made> made;
        CInputAtOneMoment input;
        const int nInputs = 2 + Pick(5);
        for (int i = 0; i < nInputs; i++)
        {
            // Often the same input twice: alike, at one moment.
            const int nTimes = Pick(2) + 1;
            const int kind = Pick(5);
            const CPoint pt = RandomPoint();
            for (int n = 0; n < nTimes; n++)
            {
                switch (kind)
                {
                case 0:
                    input.Keys({KeyDown('A'), KeyUp('A')});
                    made.push_back({"down A", CPoint()});
                    made.push_back({"up A", CPoint()});
                    break;
                case 1: // overlapping, as fast typing makes it
                    input.Keys({KeyDown('A'), KeyDown('B'), KeyUp('A'), KeyUp('B')});
                    made.push_back({"down A", CPoint()});
                    made.push_back({"down B", CPoint()});
                    made.push_back({"up A", CPoint()});
                    made.push_back({"up B", CPoint()});
                    break;
                case 2:
                    input.Buttons(pt, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
                    made.push_back({"press", pt});
                    made.push_back({"release", pt});
                    break;
                case 3:
                    input.Wheel(pt, MOUSEEVENTF_WHEEL, WHEEL_DELTA);
                    made.push_back({"wheel", pt});
                    break;
                case 4:
                    input.Wheel(pt, kHorizontalWheelEvent, WHEEL_DELTA);
                    made.push_back({"horizontal wheel", pt});
                    break;
                }
            }
        }
        input.Send();
        return made;
    }

    // A loop over a random window, capturing the mouse or not, whose handler
    // answers each input at random; it ends when every input has arrived.
    // Once it has ended (the input it left waits), a ping is often posted,
    // and the hook that comes meanwhile may come.
    void RunRandomLoop(int nDepth, size_t nExpected)
    {
        const DWORD dwOptions =
            (Pick(3) > 0 ? CXTPCaptureLoop::captureMouse : 0) | (Pick(2) ? CXTPCaptureLoop::paintFirst : 0);
        CXTPCaptureLoop(RandomWindow().GetSafeHwnd(), dwOptions)
            .Run([&](MSG& msg) { return AnswerAtRandom(msg, nDepth, nExpected); },
                 [&] { return g_nInputsArrived < nExpected && ::GetTickCount() - dwStart < kTimeOutMs; });
        if (Pick(2))
        {
            ::PostMessageA(host.m_hWnd, kPing, pingsTakenBefore.size(), 0);
            pingsTakenBefore.push_back(g_nTaken);
        }
        if (Pick(4) == 0)
            InstallHookWhileWaiting();
    }

    // The hook that comes meanwhile: once a round, and it goes again.
    void InstallHookWhileWaiting()
    {
        if (!bHookWhileWaitingCame)
            hHookWhileWaiting =
                ::SetWindowsHookExA(WH_GETMESSAGE, Rewrite<kMarkWhileWaiting>, NULL, ::GetCurrentThreadId());
        bHookWhileWaitingCame = true;
    }
    void RemoveHookWhileWaiting()
    {
        if (hHookWhileWaiting != NULL)
            ::UnhookWindowsHookEx(hHookWhileWaiting);
        hHookWhileWaiting = NULL;
    }

    CXTPCaptureLoop::Step AnswerAtRandom(MSG& msg, int nDepth, size_t nExpected)
    {
        if (NameOfInput(msg.message, msg.wParam).empty())
            return CXTPCaptureLoop::dispatch;
        if (Pick(4) == 0)
            RandomWindow().SetFocus();
        if (Pick(4) == 0)
            children[Pick(3)].SetCapture();
        if (Pick(8) == 0)
            RemoveHookWhileWaiting();
        switch (Pick(nDepth < 3 ? 5 : 4))
        {
        case 0:
            return CXTPCaptureLoop::dispatch;
        case 1:
            return CXTPCaptureLoop::finishAndLeave;
        case 2:
            Arrive(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            return CXTPCaptureLoop::handled;
        case 3:
            Arrive(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            return CXTPCaptureLoop::finish;
        default:
            // Taken, and the input after it goes to a loop of the handler's.
            Arrive(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            RunRandomLoop(nDepth + 1, nExpected);
            return Pick(2) ? CXTPCaptureLoop::handled : CXTPCaptureLoop::finish;
        }
    }

    // TRUE when the system gives the wheel message with its point in the
    // window's client area: a wheel turned over a child whose client area
    // is not at the screen's corner, read with no loop, tells.
    bool SystemGivesClientPoint(DWORD dwWheel)
    {
        CPoint pt(20, 20);
        children[1].ClientToScreen(&pt);
        TurnWheelAt(pt, dwWheel, WHEEL_DELTA);
        EXPECT_TRUE(PumpPendingUntil([] { return !g_arrivals.empty(); }));
        const bool bClient = !g_arrivals.empty() && g_arrivals.back().lParam != MAKELPARAM(pt.x, pt.y);
        EXPECT_TRUE(!g_arrivals.empty() && g_arrivals.back().hWnd == children[1].m_hWnd);
        g_arrivals.clear();
        return bClient;
    }

    // The expected order: the inputs the hooks let through as they were
    // made, each ping after the inputs taken before it was posted.
    std::vector<std::string> Expected(const std::vector<Made>& made) const
    {
        std::vector<std::string> expected;
        size_t nPing = 0;
        for (size_t i = 0; i <= made.size(); i++)
        {
            for (; nPing < pingsTakenBefore.size() && pingsTakenBefore[nPing] == i; nPing++)
                expected.push_back("ping " + std::to_string(nPing));
            if (i < made.size() && !IsEaten(made[i].what))
                expected.push_back(made[i].what);
        }
        return expected;
    }

    static const DWORD kTimeOutMs = 10000; // only a fault waits this long
    CNoting<CTestWindow> host{CSize(500, 120)};
    CNoting<CWnd> children[3];
    HHOOK hooksBefore[2] = {};
    HHOOK hHookWhileWaiting = NULL;
    bool bHookWhileWaitingCame = false;
    std::vector<size_t> pingsTakenBefore; // for each ping, the inputs taken when it was posted
    std::mt19937 rng{20261208};
    DWORD dwStart = 0;
};

TEST_F(CaptureLoopRandomTest, EveryInputArrivesOnceInTheOrderItWasMadeWithItsPointAsTheSystemGivesIt)
{
    const bool bWheelInClientArea = SystemGivesClientPoint(MOUSEEVENTF_WHEEL);
    const bool bHorizontalWheelInClientArea = SystemGivesClientPoint(kHorizontalWheelEvent);
    const int kRounds = 60;
    for (int nRound = 0; nRound < kRounds; nRound++)
    {
        SCOPED_TRACE("round " + std::to_string(nRound));
        g_nTaken = 0;
        g_nInputsArrived = 0;
        pingsTakenBefore.clear();
        bHookWhileWaitingCame = false;
        const std::vector<Made> made = SendRandomInput();
        std::vector<Made> letThrough;
        std::copy_if(made.begin(), made.end(), std::back_inserter(letThrough),
                     [](const Made& input) { return !IsEaten(input.what); });
        dwStart = ::GetTickCount();
        while (g_nInputsArrived < letThrough.size() && ::GetTickCount() - dwStart < kTimeOutMs)
            RunRandomLoop(0, letThrough.size());
        ::ReleaseCapture();
        PumpPending();
        RemoveHookWhileWaiting();

        std::vector<std::string> arrived;
        std::vector<Arrival> inputs;
        for (const Arrival& arrival : g_arrivals)
        {
            arrived.push_back(arrival.what);
            if (arrival.what.find("ping") != 0)
                inputs.push_back(arrival);
        }
        ASSERT_EQ(Expected(made), arrived);
        for (size_t i = 0; i < letThrough.size(); i++)
        {
            const Arrival& input = inputs[i];
            SCOPED_TRACE(input.what + " " + std::to_string(i));
            const int nMarks = MarksOf(input);
            EXPECT_EQ(kMarkBefore, nMarks % kMarkWhileWaiting)
                << "rewritten once by the hook before the round";
            EXPECT_LE(nMarks / kMarkWhileWaiting, 1)
                << "rewritten at most once by the hook that came meanwhile";
            if (IsKey(input.what))
                continue;
            const bool bClientPoint = input.what == "wheel"              ? bWheelInClientArea
                                      : input.what == "horizontal wheel" ? bHorizontalWheelInClientArea
                                                                         : true;
            CPoint pt = letThrough[i].pt;
            if (bClientPoint)
                ::ScreenToClient(input.hWnd, &pt);
            EXPECT_EQ(pt, CPoint(GET_X_LPARAM(input.lParam), GET_Y_LPARAM(input.lParam)));
        }
        g_arrivals.clear();
    }
}

} // namespace
