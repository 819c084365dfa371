// The frame's side of the checks: the status animation of WM_CHECK_PROGRESS
// and timers 1 and 2, the Check All forwarder, and closing mid-check.
#include "tests/support/NewsServer.h"

#include "MainFrameFixture.h"
#include "app/AppMessages.h"

namespace {

CString StatusText(CMainFrame* frame)
{
    CString text;
    frame->GetStatusBar().FindControl(0x8001)->pWnd->GetWindowText(text);
    return text;
}

int ProgressPos(CMainFrame* frame)
{
    return (int)frame->GetStatusBar().FindControl(0x8000)->pWnd->SendMessage(PBM_GETPOS, 0, 0);
}

} // namespace

TEST_F(MainFrameTest, StatusBarHoldsTheTextPaneThenTheProgressPane)
{
    CXTPStatusBar& bar = frame->GetStatusBar();
    ASSERT_EQ(3, bar.GetCount());
    EXPECT_EQ(1, bar.CommandToIndex(0x8001));
    EXPECT_EQ(2, bar.CommandToIndex(0x8000));
    EXPECT_STREQ(StatusText(frame), " Idle");
}

TEST_F(MainFrameTest, APassAnimatesTheStatusTextWithoutTouchingTheBusyFlag)
{
    const WPARAM kPass = 2;
    g_bUpdatingNews = TRUE; // as the tree view holds it while its pass runs
    frame->SendMessage(WM_CHECK_PROGRESS, 0, kPass);
    const char* expected[] = {" Check", " Check All", " Check All...", " Check"};
    for (const char* text : expected)
    {
        frame->SendMessage(WM_TIMER, 1, 0);
        EXPECT_STREQ(StatusText(frame), text);
    }
    EXPECT_EQ(ProgressPos(frame), frame->GetTreeView()->GetPercent());
    frame->SendMessage(WM_CHECK_PROGRESS, 100, kPass);
    EXPECT_STREQ(StatusText(frame), " Idle");
    EXPECT_EQ(ProgressPos(frame), 0);
    EXPECT_FALSE(::KillTimer(frame->m_hWnd, 1)); // the animation's timer is gone
    EXPECT_TRUE(g_bUpdatingNews);
    g_bUpdatingNews = FALSE;
    frame->SendMessage(WM_CHECK_PROGRESS, 0, kPass);
    frame->SendMessage(WM_CHECK_PROGRESS, 100, kPass);
    EXPECT_FALSE(g_bUpdatingNews);
}

TEST_F(MainFrameTest, ASingleCheckMovesTheProgressBarInSteps)
{
    const WPARAM kSingle = 1;
    frame->SendMessage(WM_CHECK_PROGRESS, 0, kSingle);
    const struct
    {
        const char* text;
        int pos;
    } ticks[] = {{" Check", 10}, {" Check News", 20}, {" Check News...", 30}};
    for (const auto& tick : ticks)
    {
        frame->SendMessage(WM_TIMER, 2, 0);
        EXPECT_STREQ(StatusText(frame), tick.text);
        EXPECT_EQ(ProgressPos(frame), tick.pos);
    }
    frame->SendMessage(WM_CHECK_PROGRESS, 100, kSingle);
    EXPECT_STREQ(StatusText(frame), " Idle");
    EXPECT_EQ(ProgressPos(frame), 0);
    EXPECT_FALSE(::KillTimer(frame->m_hWnd, 2));
}

TEST_F(MainFrameTest, ClosingMidCheckStopsTheWorkersAndSavesAWholeStore)
{
    NewsServer server;
    server.Hold(true); // never answers
    CItemTreeView* pTree = frame->GetTreeView();
    pTree->SetSearchHost(server.HostText().c_str());
    pTree->GetKeywords().Add(new Keyword("alpha"));
    frame->SendMessage(WM_COMMAND, CItemTreeView::ID_CHECK_ALL, 0);
    ASSERT_TRUE(PumpUntil([&server] { return server.HeldRequests() > 0; }));
    const DWORD start = ::GetTickCount();
    frame->SendMessage(WM_CLOSE, 0, 0);
    frame = NULL; // the frame is gone with its window
    EXPECT_LT(::GetTickCount() - start, 3000u);
    EXPECT_FALSE(g_bUpdatingNews);
    KeywordGroup saved;
    bool complete = false;
    ASSERT_EQ(saved.ConfReader(folder.File("conf.xml").c_str(), complete), 1);
    EXPECT_TRUE(complete);
    ASSERT_TRUE(saved.GetFirst() != NULL);
    EXPECT_STREQ(saved.GetFirst()->name, "alpha");
}
