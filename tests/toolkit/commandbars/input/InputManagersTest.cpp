// The managers that let bars see input addressed elsewhere: the hook manager
// (sinks asked last first, sinks removed during a message never asked, the
// window's procedure given back), the keyboard hook's handling of Alt and of
// keys nobody takes, the application losing the activation, and the mouse
// hook's clicks outside, repeated moves, swallowed release and mouse-leave
// watch. Hooks see only real input, so the tests call the managers' handling
// of one key or mouse message directly.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPHookManager.h"
#include "tests/support/ForeignWindow.h"
#include "tests/support/RealInput.h"

#include <functional>
#include <string>
#include <vector>

namespace {

const UINT WM_PROBE = WM_APP + 7;

// A sink that logs its name when it sees a probe or a key and answers as
// told; it may remove another sink (or itself) while it handles a message.
class CLoggingSink : public CXTPHookSink
{
public:
    CLoggingSink(const char* pszName, int nAnswer, std::vector<std::string>& log)
        : m_pszName(pszName), m_nAnswer(nAnswer), m_log(log)
    {}
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM&, LPARAM&, LRESULT& lResult) override
    {
        if (nMessage != WM_PROBE && nMessage != WM_KEYDOWN)
            return hookNotHandled;
        m_log.push_back(m_pszName);
        if (m_pRemove != NULL)
            XTPHookManager()->RemoveHook(hWnd, m_pRemove);
        lResult = 42;
        return m_nAnswer;
    }
    const char* m_pszName;
    int m_nAnswer;
    CXTPHookSink* m_pRemove = nullptr;
    std::vector<std::string>& m_log;
};

class HookManagerTest : public testing::Test
{
protected:
    void TearDown() override { XTPHookManager()->RemoveAll(m_window.m_hWnd); }
    // The window's answer to a probe, then the sinks asked.
    std::string Probe()
    {
        std::string result = std::to_string(m_window.SendMessage(WM_PROBE, 0, 0));
        for (const std::string& name : m_log)
            result += " " + name;
        return result;
    }

    CTestWindow m_window;
    std::vector<std::string> m_log;
};

// Both the hook manager and the keyboard manager ask their sinks last
// registered first, until one decides; a key nobody takes is eaten.
TEST_F(HookManagerTest, SinksAreAskedLastRegisteredFirstUntilOneDecides)
{
    const int N = CXTPHookSink::hookNotHandled, H = CXTPHookSink::hookHandled, S = CXTPHookSink::hookStop;
    const struct
    {
        const char* name;
        int nFirst, nSecond;
        BOOL bSecondRemovesFirst;
        const char *hooked, *key; // the window's answer or the key's fate, then the sinks asked
    } cases[] = {
        {"nobody handles it", N, N, FALSE, "0 second first", "eaten second first"},
        {"a handled message ends with the sink's result", N, H, FALSE, "42 second", "eaten second"},
        {"stop leaves the message to the window", H, S, FALSE, "0 second", "passed second"},
        {"the first may stop after the second passed", S, N, FALSE, "0 second first", "passed second first"},
        {"a sink removed during the message is not asked", N, N, TRUE, "0 second", nullptr},
    };
    CXTPKeyboardManager* pKeyboard = XTPKeyboardManager();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_log.clear();
        CLoggingSink first("first", c.nFirst, m_log);
        CLoggingSink second("second", c.nSecond, m_log);
        second.m_pRemove = c.bSecondRemovesFirst ? &first : nullptr;
        XTPHookManager()->SetHook(m_window.m_hWnd, &first);
        XTPHookManager()->SetHook(m_window.m_hWnd, &second);
        XTPHookManager()->SetHook(m_window.m_hWnd, &first); // a sink is registered once
        EXPECT_EQ(c.hooked, Probe());
        XTPHookManager()->RemoveAll(m_window.m_hWnd);
        if (c.key == nullptr)
            continue;
        m_log.clear();
        pKeyboard->HookKeyboard(&first);
        pKeyboard->HookKeyboard(&second);
        EXPECT_TRUE(pKeyboard->IsHooked());
        std::string result = pKeyboard->ProcessKeyboardHooks(WM_KEYDOWN, 'A') ? "eaten" : "passed";
        for (const std::string& name : m_log)
            result += " " + name;
        EXPECT_EQ(c.key, result);
        pKeyboard->UnhookKeyboard(&second);
        pKeyboard->UnhookKeyboard(&first);
        EXPECT_FALSE(pKeyboard->IsHooked());
    }
}

TEST_F(HookManagerTest, TheLastSinkRemovingItselfGivesTheProcedureBack)
{
    const LONG_PTR pfnOriginal = ::GetWindowLongPtrA(m_window.m_hWnd, GWLP_WNDPROC);
    CLoggingSink only("only", CXTPHookSink::hookNotHandled, m_log);
    only.m_pRemove = &only;
    XTPHookManager()->SetHook(m_window.m_hWnd, &only);
    EXPECT_NE(pfnOriginal, ::GetWindowLongPtrA(m_window.m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ("0 only", Probe()) << "the window still answers";
    EXPECT_TRUE(XTPHookManager()->Lookup(m_window.m_hWnd) == NULL);
    EXPECT_EQ(pfnOriginal, ::GetWindowLongPtrA(m_window.m_hWnd, GWLP_WNDPROC));
}

TEST_F(HookManagerTest, DestroyingAHookedWindowRemovesItsEntry)
{
    CLoggingSink sink("sink", CXTPHookSink::hookNotHandled, m_log);
    HWND hWnd;
    {
        CTestWindow window;
        hWnd = window.m_hWnd;
        XTPHookManager()->SetHook(hWnd, &sink);
    }
    EXPECT_TRUE(XTPHookManager()->Lookup(hWnd) == NULL);
}

// ---- Keyboard and mouse while a menu tracks ---------------------------------------

class TrackingInputTest : public CommandBarsTest
{
protected:
    void TearDown() override
    {
        XTPMouseManager()->SetSwallowNextUp(FALSE);
        CommandBarsTest::TearDown();
    }
    void EnterMenuLoop()
    {
        frame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
        ASSERT_TRUE(MenuBar()->IsTrackingMode());
    }
    std::vector<std::string> m_log;
    CPoint MenuBarPoint()
    {
        CPoint pt = MenuBar()->GetControl(1)->GetRect().CenterPoint();
        MenuBar()->ClientToScreen(&pt);
        return pt;
    }
};

TEST_F(TrackingInputTest, AltAloneClosesTheMenuButItsRepeatDoesNot)
{
    EnterMenuLoop();
    EXPECT_FALSE(XTPKeyboardManager()->ProcessKey(VK_MENU, 0x60000001)) << "a repeat goes on";
    EXPECT_TRUE(MenuBar()->IsTrackingMode());
    EXPECT_TRUE(XTPKeyboardManager()->ProcessKey(VK_MENU, 0x20000001));
    EXPECT_FALSE(MenuBar()->IsTrackingMode());
}

TEST_F(TrackingInputTest, KeysNobodyTakesAreEatenButTheirReleasesPass)
{
    CLoggingSink silent("silent", CXTPHookSink::hookNotHandled, m_log);
    XTPKeyboardManager()->HookKeyboard(&silent);
    EXPECT_TRUE(XTPKeyboardManager()->ProcessKey('Q', 0x00100001));
    EXPECT_FALSE(XTPKeyboardManager()->ProcessKey('Q', 0xC0100001));
    XTPKeyboardManager()->UnhookKeyboard(&silent);
}

// A sink that records the wheel messages it is offered, and takes them.
class CWheelSink : public CXTPHookSink
{
public:
    int OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT&) override
    {
        if (nMessage == WM_MOUSEWHEEL)
            m_wheel.push_back({wParam, lParam});
        return hookHandled;
    }
    std::vector<std::pair<WPARAM, LPARAM>> m_wheel;
};

// The frame's wheel goes to the keyboard's receivers (an open menu, a combo
// box's list) and no further while there is one; without one it is the
// frame's.
TEST_F(TrackingInputTest, TheFramesWheelGoesToTheKeyboardReceivers)
{
    MSG msg = {frame->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-120), MAKELPARAM(50, 60), 0, {0, 0}};
    EXPECT_FALSE(frame->m_pCommandBars->PreTranslateFrameMessage(&msg)) << "no receiver";

    CWheelSink sink;
    XTPKeyboardManager()->HookKeyboard(&sink);
    EXPECT_TRUE(frame->m_pCommandBars->PreTranslateFrameMessage(&msg));
    XTPKeyboardManager()->UnhookKeyboard(&sink);
    ASSERT_EQ(1u, sink.m_wheel.size());
    EXPECT_EQ(msg.wParam, sink.m_wheel[0].first);
    EXPECT_EQ(msg.lParam, sink.m_wheel[0].second);

    EnterMenuLoop();
    EXPECT_TRUE(frame->m_pCommandBars->PreTranslateFrameMessage(&msg)) << "eaten while a menu tracks";
}

TEST_F(TrackingInputTest, TheApplicationLosingTheActivationClosesTheMenus)
{
    EnterMenuLoop();
    CTestWindow other;
    other.SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(MenuBar()->IsTrackingMode());
}

TEST_F(TrackingInputTest, AClickOutsideTheTrackingBarsClosesThemUnlessTheMouseIsLocked)
{
    EnterMenuLoop();
    EXPECT_FALSE(XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONDOWN, MenuBarPoint()));
    EXPECT_TRUE(MenuBar()->IsTrackingMode()) << "inside the menu bar";
    XTPMouseManager()->LockMouseMove();
    XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONUP, CPoint(1200, 1000));
    EXPECT_TRUE(MenuBar()->IsTrackingMode()) << "a locked mouse keeps the menu on a release outside";
    XTPMouseManager()->UnlockMouseMove();
    XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONUP, CPoint(1201, 1000));
    EXPECT_FALSE(MenuBar()->IsTrackingMode()) << "unlocked, the release outside closes it";
    EnterMenuLoop();
    EXPECT_FALSE(XTPMouseManager()->ProcessMouseMessage(WM_RBUTTONDOWN, CPoint(1200, 1000)));
    EXPECT_FALSE(MenuBar()->IsTrackingMode());
}

TEST_F(TrackingInputTest, RepeatedMovesAreDroppedOnlyWhileTracking)
{
    const CPoint pt = MenuBarPoint();
    EXPECT_FALSE(XTPMouseManager()->ProcessMouseMessage(WM_MOUSEMOVE, pt));
    EXPECT_FALSE(XTPMouseManager()->ProcessMouseMessage(WM_MOUSEMOVE, pt)) << "nothing tracks";
    EnterMenuLoop();
    EXPECT_TRUE(XTPMouseManager()->ProcessMouseMessage(WM_MOUSEMOVE, pt));
    EXPECT_FALSE(XTPMouseManager()->ProcessMouseMessage(WM_MOUSEMOVE, CPoint(pt.x + 1, pt.y)));
}

TEST_F(TrackingInputTest, TheReleaseAfterAnOpeningClickIsSwallowedOnce)
{
    XTPMouseManager()->SetSwallowNextUp();
    EXPECT_TRUE(XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONUP, CPoint(5, 5)));
    EXPECT_FALSE(XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONUP, CPoint(5, 5)));
    XTPMouseManager()->SetSwallowNextUp();
    XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONDOWN, CPoint(5, 5));
    EXPECT_FALSE(XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONUP, CPoint(5, 5)))
        << "a new press clears it";
}

TEST_F(TrackingInputTest, TheMouseLeaveWatchTellsTheWindowOnceTheCursorLeft)
{
    CWnd* pBar = MenuBar();
    CRect rc;
    pBar->GetWindowRect(&rc);
    ::SetCursorPos(rc.CenterPoint().x, rc.CenterPoint().y);
    frame->SetActiveWindow();
    XTPMouseManager()->TrackMouseLeave(pBar->m_hWnd);
    XTPMouseManager()->CheckMouseLeave();
    EXPECT_EQ(pBar->m_hWnd, XTPMouseManager()->GetWatchedWindow()) << "still inside";

    ::SetCursorPos(1200, 1000);
    XTPMouseManager()->CheckMouseLeave();
    EXPECT_TRUE(XTPMouseManager()->GetWatchedWindow() == NULL);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, pBar->m_hWnd, WM_MOUSELEAVE, WM_MOUSELEAVE, PM_REMOVE));
}

// A popup never takes the activation itself: the watch keeps it while the
// window it was opened for is active (a submenu under the pointer then opens
// by hovering), and lets go when another window is active.
TEST_F(TrackingInputTest, APopupUnderTheCursorStaysWatchedWhileItsOwnersWindowIsActive)
{
    struct Row
    {
        const char* name;
        bool bOtherActive;
        bool bStillWatched;
    };
    const Row rows[] = {
        {"the frame active", false, true},
        {"another window active", true, false},
    };
    for (const Row& row : rows)
    {
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(frame->m_pCommandBars);
        pPopup->GetControls()->Add(xtpControlButton, ID_TEST_NEW)->SetCaption(CString("New"));
        CPoint ptAt = MenuBarPoint();
        ASSERT_TRUE(pPopup->Popup(ptAt.x, ptAt.y + 20, NULL)) << row.name;
        CWnd other;
        other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 40), NULL,
                       0);
        if (row.bOtherActive)
            other.SetActiveWindow();
        else
            frame->SetActiveWindow();
        CRect rc;
        pPopup->GetWindowRect(&rc);
        ::SetCursorPos(rc.CenterPoint().x, rc.CenterPoint().y);
        XTPMouseManager()->TrackMouseLeave(pPopup->m_hWnd);
        XTPMouseManager()->CheckMouseLeave();
        EXPECT_EQ(row.bStillWatched, XTPMouseManager()->GetWatchedWindow() == pPopup->m_hWnd) << row.name;
        XTPMouseManager()->TrackMouseLeave(NULL);
        pPopup->SetTrackingMode(xtpTrackingOff);
        pPopup->InternalRelease();
        other.DestroyWindow();
    }
}

// ---- The mouse-leave watch at rest ------------------------------------------------

// The watch polls only until the pointer rests on the watched bar itself; it
// then sleeps until something could end the watch, and the next tick decides
// as before. The system's own leave notice only wakes it: the bar hears the
// watch's leave alone.
class MouseLeaveRestTest : public TrackingInputTest
{
protected:
    void TearDown() override
    {
        XTPMouseManager()->TrackMouseLeave(NULL);
        TrackingInputTest::TearDown();
    }
    // The menu bar lights the control under the pointer and watches for the
    // mouse leaving; one tick of the watch.
    void RestOnMenuBar()
    {
        XTPMouseManager()->TrackMouseLeave(NULL);
        frame->SetActiveWindow();
        const CPoint pt = MenuBarPoint();
        ::SetCursorPos(pt.x, pt.y);
        PumpPending();
        CPoint ptClient = pt;
        MenuBar()->ScreenToClient(&ptClient);
        MenuBar()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
        ASSERT_EQ(MenuBar()->m_hWnd, XTPMouseManager()->GetWatchedWindow());
        ASSERT_TRUE(XTPMouseManager()->IsMouseLeaveTimerRunning());
        XTPMouseManager()->CheckMouseLeave();
        ASSERT_EQ(1, MenuBar()->GetSelectedIndex());
    }
    // The leave messages waiting for the menu bar, taken from the queue:
    // "watch" for the watch's own, "other" for any other.
    std::string TakeLeaves()
    {
        std::string leaves;
        MSG msg;
        while (::PeekMessageA(&msg, MenuBar()->m_hWnd, WM_MOUSELEAVE, WM_MOUSELEAVE, PM_REMOVE))
            leaves += msg.wParam == CXTPMouseManager::kWatchLeaveParam ? "watch " : "other ";
        return leaves;
    }
};

TEST_F(MouseLeaveRestTest, TheTimerStopsWhileThePointerRestsOnTheWatchedBar)
{
    RestOnMenuBar();
    EXPECT_EQ(MenuBar()->m_hWnd, XTPMouseManager()->GetWatchedWindow());
    EXPECT_FALSE(XTPMouseManager()->IsMouseLeaveTimerRunning()) << "nothing polls a resting pointer";
    EXPECT_EQ("", TakeLeaves());
}

TEST_F(MouseLeaveRestTest, WhatMayEndTheWatchStartsTheTimerAndTheTickDecides)
{
    ForeignWindow otherProgram(CRect(900, 700, 1000, 800));
    CTestWindow other(CSize(40, 40));
    CRect rcFrame;
    frame->GetWindowRect(&rcFrame);
    const struct
    {
        const char* name;
        std::function<void()> wake;
        const char* leaves; // after the tick
    } rows[] = {
        {"the pointer moved on the bar (a mouse message of this thread)",
         [&] { ::SetCursorPos(MenuBarPoint().x + 1, MenuBarPoint().y); }, ""},
        {"the system's notice of the pointer on a window above the bar",
         [&] { MenuBar()->PostMessage(WM_MOUSELEAVE); }, ""},
        {"the pointer moved onto another program's window",
         [&] { ::SetCursorPos(otherProgram.Center().x, otherProgram.Center().y); }, "watch "},
        {"another window became active", [&] { other.SetActiveWindow(); }, "watch "},
        {"the frame moved away from under the pointer",
         [&] { frame->SetWindowPos(NULL, rcFrame.left + 450, rcFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
         "watch "},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        RestOnMenuBar();
        ASSERT_FALSE(XTPMouseManager()->IsMouseLeaveTimerRunning());
        row.wake();
        ASSERT_TRUE(PumpPendingUntil([] { return XTPMouseManager()->IsMouseLeaveTimerRunning(); }));
        EXPECT_EQ(1, MenuBar()->GetSelectedIndex()) << "the bar heard no leave before the tick";
        XTPMouseManager()->CheckMouseLeave();
        const bool bLeft = row.leaves[0] != 0;
        EXPECT_EQ(bLeft, XTPMouseManager()->GetWatchedWindow() == NULL);
        EXPECT_EQ(row.leaves, TakeLeaves());
        EXPECT_FALSE(XTPMouseManager()->IsMouseLeaveTimerRunning()) << "at rest again, or the watch ended";
        frame->SetWindowPos(NULL, rcFrame.left, rcFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

} // namespace
