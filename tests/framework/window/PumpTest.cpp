// The message pump: PreTranslateMessage walked up the window tree and the idle
// broadcast of WM_IDLEUPDATECMDUI. Modal loops.
#include "TestWindows.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

class CTranslatingWnd : public CWnd
{
public:
    CTranslatingWnd(CStringArray& log, LPCTSTR lpszName) : m_log(log), m_name(lpszName) {}
    BOOL m_bTake = FALSE;
    int m_nIdleUpdates = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN)
            return FALSE;
        m_log.Add(m_name + " translate");
        return m_bTake;
    }

protected:
    afx_msg void OnKeyDown(UINT, UINT, UINT) { m_log.Add(m_name + " key"); }
    afx_msg void OnIdleUpdate() { ++m_nIdleUpdates; }
    DECLARE_MESSAGE_MAP()

    CStringArray& m_log;
    CString m_name;
};

BEGIN_MESSAGE_MAP(CTranslatingWnd, CWnd)
ON_WM_KEYDOWN()
ON_MESSAGE_VOID(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

class PumpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_top.CreateEx(0, NULL, "top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200, NULL, NULL));
        ASSERT_TRUE(m_middle.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 150, 150), &m_top, 1));
        ASSERT_TRUE(m_inner.Create(NULL, NULL, WS_VISIBLE, CRect(0, 0, 100, 100), &m_middle, 2));
    }

    // Posts a key to the inner window, pumps it and gives what the windows logged.
    CString KeyLog()
    {
        m_log.RemoveAll();
        m_inner.PostMessage(WM_KEYDOWN, 'A', 1);
        PumpPending();
        return JoinedLog(m_log);
    }

    CStringArray m_log;
    CTranslatingWnd m_top{m_log, "top"};
    CTranslatingWnd m_middle{m_log, "middle"};
    CTranslatingWnd m_inner{m_log, "inner"};
};

// PreTranslateMessage is asked from the target up to its top-level window;
// a window that takes the message ends the walk and the dispatch.
TEST_F(PumpTest, KeysWalkUpTheTreeUntilAWindowTakesThem)
{
    EXPECT_EQ(KeyLog(), "inner translate;middle translate;top translate;inner key;");
    m_middle.m_bTake = TRUE;
    EXPECT_EQ(KeyLog(), "inner translate;middle translate;");
}

// Messages sent down go to the children only, or to all descendants.
TEST_F(PumpTest, MessagesSentDownReachTheChildrenOrAllDescendants)
{
    m_top.SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, FALSE, TRUE);
    m_top.SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_EQ((std::vector<int>{m_top.m_nIdleUpdates, m_middle.m_nIdleUpdates, m_inner.m_nIdleUpdates}),
              (std::vector<int>{0, 2, 1}));
}

// Run dispatches the waiting key, goes idle (the idle update reaches the main window and its
// descendants) and ends with the quit code the test application posts: its number of idle calls.
TEST_F(PumpTest, RunDispatchesGoesIdleOnceAndEndsWithTheQuitCode)
{
    theApp.m_pMainWnd = &m_top;
    theApp.m_idleCounts.RemoveAll();
    theApp.m_bQuitWhenIdleDone = TRUE;
    m_inner.PostMessage(WM_KEYDOWN, 'B', 1);
    int nExitCode = theApp.CWinThread::Run();
    theApp.m_bQuitWhenIdleDone = FALSE;
    theApp.m_pMainWnd = NULL;

    EXPECT_EQ(nExitCode, 2);
    ASSERT_EQ(theApp.m_idleCounts.GetSize(), 2);
    EXPECT_EQ(CPoint(theApp.m_idleCounts[0], theApp.m_idleCounts[1]), CPoint(0, 1));
    EXPECT_EQ(m_log[m_log.GetSize() - 1], "inner key");
    EXPECT_EQ((std::vector<int>{m_top.m_nIdleUpdates, m_middle.m_nIdleUpdates, m_inner.m_nIdleUpdates}),
              (std::vector<int>{1, 1, 1}));
}

// What restarts the idle update: a tool tip's own timer does not (it ticks while a tip shows,
// and the update it would start walks every bar); other windows' timers and input do.
TEST_F(PumpTest, ATimerOfAToolTipLeavesTheIdleUpdateAlone)
{
    ::InitCommonControls();
    HWND hTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, NULL, WS_POPUP, 0, 0, 0, 0, m_top.m_hWnd, NULL,
                                  ::GetModuleHandleA(NULL), NULL);
    ASSERT_TRUE(hTip != NULL);
    const struct
    {
        const char* name;
        HWND hWnd;
        UINT message;
        BOOL idle;
    } rows[] = {
        {"a tool tip's timer", hTip, WM_TIMER, FALSE},
        {"a window's timer", m_inner.m_hWnd, WM_TIMER, TRUE},
        {"a thread's timer", NULL, WM_TIMER, TRUE},
        {"a key to the tool tip", hTip, WM_KEYDOWN, TRUE},
        {"a paint of the tool tip", hTip, WM_PAINT, FALSE},
    };
    for (const auto& row : rows)
    {
        MSG msg = {};
        msg.hwnd = row.hWnd;
        msg.message = row.message;
        EXPECT_EQ(row.idle, theApp.IsIdleMessage(&msg)) << row.name;
        EXPECT_EQ(row.idle, AfxIsIdleMessage(&msg)) << row.name;
    }
    ::DestroyWindow(hTip);
}

// Ends its modal loop with 5 on WM_APP.
class CModalWnd : public CWnd
{
public:
    bool InModalLoop() const { return (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) != 0; }

protected:
    afx_msg LRESULT OnApp(WPARAM, LPARAM) { return EndModalLoop(5), 0; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalWnd, CWnd)
ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

// A modal loop leaves no modal state behind; WM_QUIT ends it with -1, whatever an earlier
// loop's result was, and goes back on the queue.
TEST(ModalLoop, EndsWithItsResultOrOnQuit)
{
    CModalWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "modal", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL));
    wnd.PostMessage(WM_APP);
    EXPECT_EQ(wnd.RunModalLoop(), 5);
    EXPECT_FALSE(wnd.InModalLoop());
    ::PostQuitMessage(3);
    EXPECT_EQ(wnd.RunModalLoop(MLF_NOKICKIDLE), -1);
    EXPECT_EQ(TakeQuitMessage(), 3);
}

} // namespace
