// The managers that let bars see input addressed elsewhere: the hook manager
// (sinks asked last first, sinks removed during a message never asked, the
// window's procedure given back), the keyboard hook's handling of Alt and of
// keys nobody takes, the application losing the activation, and the mouse
// hook's clicks outside, repeated moves, swallowed release and mouse-leave
// watch. Hooks see only real input, so the tests call the managers' handling
// of one key or mouse message directly.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/XTPControl.h"
#include "toolkit/commandbars/XTPHookManager.h"
#include "toolkit/commandbars/XTPKeyboardManager.h"
#include "toolkit/commandbars/XTPMenuBar.h"
#include "toolkit/commandbars/XTPMouseManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT WM_PROBE = WM_APP + 7;

// A sink that logs its name and answers as told; it may remove another sink
// (or itself) while it handles a message.
class CLoggingSink : public CXTPHookSink
{
public:
    CLoggingSink(const char* pszName, int nAnswer, std::vector<std::string>& log)
        : m_pszName(pszName), m_nAnswer(nAnswer), m_log(log)
    {}
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM&, LPARAM&, LRESULT& lResult) override
    {
        if (nMessage != WM_PROBE)
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
    LRESULT Probe() { return m_window.SendMessage(WM_PROBE, 0, 0); }

    CTestWindow m_window;
    std::vector<std::string> m_log;
};

TEST_F(HookManagerTest, SinksAreAskedLastRegisteredFirst)
{
    CLoggingSink first("first", CXTPHookSink::hookNotHandled, m_log);
    CLoggingSink second("second", CXTPHookSink::hookNotHandled, m_log);
    XTPHookManager()->SetHook(m_window.m_hWnd, &first);
    XTPHookManager()->SetHook(m_window.m_hWnd, &second);
    XTPHookManager()->SetHook(m_window.m_hWnd, &first);
    EXPECT_EQ(0, Probe()) << "nobody handled it: the window's own answer";
    EXPECT_EQ(std::vector<std::string>({"second", "first"}), m_log) << "a sink is registered once";
}

TEST_F(HookManagerTest, AHandledMessageEndsWithTheSinksResult)
{
    CLoggingSink first("first", CXTPHookSink::hookNotHandled, m_log);
    CLoggingSink second("second", CXTPHookSink::hookHandled, m_log);
    XTPHookManager()->SetHook(m_window.m_hWnd, &first);
    XTPHookManager()->SetHook(m_window.m_hWnd, &second);
    EXPECT_EQ(42, Probe());
    EXPECT_EQ(std::vector<std::string>({"second"}), m_log);
}

TEST_F(HookManagerTest, StopLeavesTheMessageToTheWindow)
{
    CLoggingSink first("first", CXTPHookSink::hookHandled, m_log);
    CLoggingSink second("second", CXTPHookSink::hookStop, m_log);
    XTPHookManager()->SetHook(m_window.m_hWnd, &first);
    XTPHookManager()->SetHook(m_window.m_hWnd, &second);
    EXPECT_EQ(0, Probe());
    EXPECT_EQ(std::vector<std::string>({"second"}), m_log);
}

TEST_F(HookManagerTest, ASinkRemovedDuringAMessageIsNotAsked)
{
    CLoggingSink first("first", CXTPHookSink::hookNotHandled, m_log);
    CLoggingSink second("second", CXTPHookSink::hookNotHandled, m_log);
    second.m_pRemove = &first;
    XTPHookManager()->SetHook(m_window.m_hWnd, &first);
    XTPHookManager()->SetHook(m_window.m_hWnd, &second);
    Probe();
    EXPECT_EQ(std::vector<std::string>({"second"}), m_log);
}

TEST_F(HookManagerTest, TheLastSinkRemovingItselfGivesTheProcedureBack)
{
    const LONG_PTR pfnOriginal = ::GetWindowLongPtrA(m_window.m_hWnd, GWLP_WNDPROC);
    CLoggingSink only("only", CXTPHookSink::hookNotHandled, m_log);
    only.m_pRemove = &only;
    XTPHookManager()->SetHook(m_window.m_hWnd, &only);
    EXPECT_NE(pfnOriginal, ::GetWindowLongPtrA(m_window.m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ(0, Probe()) << "the window still answers";
    EXPECT_TRUE(XTPHookManager()->Lookup(m_window.m_hWnd) == NULL);
    EXPECT_EQ(pfnOriginal, ::GetWindowLongPtrA(m_window.m_hWnd, GWLP_WNDPROC));
    Probe();
    EXPECT_EQ(1u, m_log.size());
}

TEST_F(HookManagerTest, DestroyingAHookedWindowRemovesItsEntry)
{
    std::vector<std::string> log;
    CLoggingSink sink("sink", CXTPHookSink::hookNotHandled, log);
    HWND hWnd;
    {
        CTestWindow window;
        hWnd = window.m_hWnd;
        XTPHookManager()->SetHook(hWnd, &sink);
        ASSERT_TRUE(XTPHookManager()->Lookup(hWnd) != NULL);
    }
    EXPECT_TRUE(XTPHookManager()->Lookup(hWnd) == NULL);
}

// ---- Keyboard and mouse while a menu tracks ---------------------------------------

class TrackingInputTest : public FrameTest<CCommandBarsFrame, 400, 300>
{
protected:
    void Prepare() override { frame->BuildBars(); }
    void TearDown() override
    {
        XTPMouseManager()->SendTrackLost();
        XTPMouseManager()->SetSwallowNextUp(FALSE);
        FrameTest::TearDown();
    }
    CXTPMenuBar* MenuBar() { return frame->m_pCommandBars->GetMenuBar(); }
    void EnterMenuLoop()
    {
        frame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
        ASSERT_TRUE(MenuBar()->IsTrackingMode());
    }
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

TEST_F(TrackingInputTest, KeysNobodyTakesNeverReachTheFocusWindow)
{
    std::vector<std::string> log;
    CLoggingSink silent("silent", CXTPHookSink::hookNotHandled, log);
    XTPKeyboardManager()->HookKeyboard(&silent);
    EXPECT_TRUE(XTPKeyboardManager()->ProcessKey('Q', 0x00100001)) << "eaten";
    EXPECT_FALSE(XTPKeyboardManager()->ProcessKey('Q', 0xC0100001)) << "key releases pass";
    struct CStopSink : CXTPHookSink
    {
        int OnHookMessage(HWND, UINT, WPARAM&, LPARAM&, LRESULT&) override { return hookStop; }
    } stop;
    XTPKeyboardManager()->HookKeyboard(&stop);
    EXPECT_FALSE(XTPKeyboardManager()->ProcessKey('Q', 0x00100001)) << "a receiver left it to the window";
    XTPKeyboardManager()->UnhookKeyboard(&stop);
    XTPKeyboardManager()->UnhookKeyboard(&silent);
    EXPECT_FALSE(XTPKeyboardManager()->HasReceivers());
    EXPECT_FALSE(XTPKeyboardManager()->IsHooked());
}

TEST_F(TrackingInputTest, TheApplicationLosingTheActivationClosesTheMenus)
{
    EnterMenuLoop();
    CTestWindow other;
    other.SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(MenuBar()->IsTrackingMode());
}

TEST_F(TrackingInputTest, AClickOutsideTheTrackingBarsClosesThem)
{
    EnterMenuLoop();
    EXPECT_FALSE(XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONDOWN, MenuBarPoint()));
    EXPECT_TRUE(MenuBar()->IsTrackingMode()) << "inside the menu bar";
    EXPECT_FALSE(XTPMouseManager()->ProcessMouseMessage(WM_RBUTTONDOWN, CPoint(1200, 1000)));
    EXPECT_FALSE(MenuBar()->IsTrackingMode());
}

TEST_F(TrackingInputTest, ALockedMouseKeepsTheMenuOnAReleaseOutside)
{
    EnterMenuLoop();
    XTPMouseManager()->LockMouseMove();
    XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONUP, CPoint(1200, 1000));
    EXPECT_TRUE(MenuBar()->IsTrackingMode());
    XTPMouseManager()->UnlockMouseMove();
    XTPMouseManager()->ProcessMouseMessage(WM_LBUTTONUP, CPoint(1201, 1000));
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

} // namespace
