// The tab strip under the mouse, in a real window: the reorder loop, the
// buttons' auto-repeat loop, hot tracking. The loops run on messages posted
// before the press; the repeat timer's ticks are posted WM_TIMER messages.
#include "TabTestHost.h"

#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

namespace {

// Four tabs of 70 pixels, A to D, at the top of a 400 x 120 window (tab i at
// x = 2 + 70 i, y = 3 .. 33), with the hot tracking on.
class TabHost : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.UseFixedTabs();
        host.m_painter.m_bHotTracking = TRUE;
        host.AddTabs({"A", "B", "C", "D"});
        PumpPending();
    }
    void TearDown() override { DrainQueue(); }

    // Handles what a loop left in the queue, and drops a re-posted WM_QUIT.
    static void DrainQueue()
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
    }
    static BOOL TakeQuit()
    {
        MSG msg;
        return ::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    // Makes the row overflow: eight more tabs.
    void Overflow() { host.AddTabs({"E", "F", "G", "H", "I", "J", "K", "L"}); }
    void PostTimer() { host.PostMessage(WM_TIMER, CXTPTabStripButton::kRepeatTimerId, 0); }
    CPoint Center(int nKind) { return host.FindButton(nKind)->GetRect().CenterPoint(); }
    CXTPTabStripItem* Tab(int nIndex) { return host.GetItem(nIndex); }

    CTabTestHost host;
};

TEST_F(TabHost, DraggingATabSwapsItWithEachPlaceItEnters)
{
    host.PostMouse(WM_MOUSEMOVE, CPoint(100, 15)); // B's place
    host.PostMouse(WM_MOUSEMOVE, CPoint(170, 15)); // C's place
    host.PostMouse(WM_LBUTTONUP, CPoint(170, 15));
    EXPECT_TRUE(host.Press(CPoint(30, 15)));
    EXPECT_STREQ("B C A D", host.Order());
    EXPECT_STREQ("A", host.GetSelectedItem()->GetCaption());
    EXPECT_EQ(CRect(142, 3, 212, 33), host.GetSelectedItem()->GetRect());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(TabHost, TheDragComparesWithThePlacesAtItsStart)
{
    // From A straight into D's place: A and D swap; B and C stay.
    host.PostMouse(WM_MOUSEMOVE, CPoint(240, 15));
    host.PostMouse(WM_LBUTTONUP, CPoint(240, 15));
    host.Press(CPoint(30, 15));
    EXPECT_STREQ("D B C A", host.Order());
}

TEST_F(TabHost, EscEndsTheDragWithTheOrderReached)
{
    host.PostMouse(WM_MOUSEMOVE, CPoint(100, 15));
    host.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    host.PostMouse(WM_MOUSEMOVE, CPoint(240, 15)); // after the end: not part of the drag
    host.Press(CPoint(30, 15));
    EXPECT_STREQ("B A C D", host.Order());
    EXPECT_STREQ("A", host.GetSelectedItem()->GetCaption());
}

TEST_F(TabHost, OtherKeysAreSwallowedDuringTheDrag)
{
    host.PostMessage(WM_KEYDOWN, 'X', 0);
    host.PostMouse(WM_MOUSEMOVE, CPoint(100, 15));
    host.PostMouse(WM_RBUTTONDOWN, CPoint(100, 15));
    host.Press(CPoint(30, 15));
    EXPECT_STREQ("B A C D", host.Order()) << "the right button ends the drag too";
}

TEST_F(TabHost, AQuitDuringTheDragEndsItAndIsPostedAgain)
{
    host.PostMouse(WM_MOUSEMOVE, CPoint(100, 15));
    ::PostQuitMessage(7);
    host.Press(CPoint(30, 15));
    EXPECT_STREQ("B A C D", host.Order());
    EXPECT_TRUE(TakeQuit());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(TabHost, ADragThatSelectsADifferentTabIsAChangeOfSelection)
{
    Tab(3)->Select();
    host.PostMouse(WM_LBUTTONUP, CPoint(30, 15));
    host.Press(CPoint(30, 15));
    EXPECT_STREQ("A", host.GetSelectedItem()->GetCaption());
    EXPECT_EQ(0, host.GetScrollOffset());
}

TEST_F(TabHost, HeldScrollButtonsMoveTheRowOnEveryTick)
{
    Overflow();
    PostTimer();
    PostTimer();
    host.PostMouse(WM_LBUTTONUP, Center(xtpTabButtonScrollForward));
    EXPECT_TRUE(host.Press(Center(xtpTabButtonScrollForward)));
    EXPECT_EQ(-40, host.GetScrollOffset());
    EXPECT_FALSE(host.FindButton(xtpTabButtonScrollForward)->IsPressed());

    PostTimer();
    host.PostMouse(WM_LBUTTONUP, Center(xtpTabButtonScrollBack));
    host.Press(Center(xtpTabButtonScrollBack));
    EXPECT_EQ(-20, host.GetScrollOffset());
}

TEST_F(TabHost, AReleaseBeforeTheFirstTickScrollsNothing)
{
    Overflow();
    host.PostMouse(WM_LBUTTONUP, Center(xtpTabButtonScrollForward));
    host.Press(Center(xtpTabButtonScrollForward));
    EXPECT_EQ(0, host.GetScrollOffset());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(TabHost, TicksStopScrollingAtTheEnd)
{
    Overflow(); // 840 pixels of tabs in a row of 400
    for (int i = 0; i < 40; i++)
        PostTimer();
    host.PostMouse(WM_LBUTTONUP, Center(xtpTabButtonScrollForward));
    host.Press(Center(xtpTabButtonScrollForward));
    EXPECT_FALSE(host.FindButton(xtpTabButtonScrollForward)->IsEnabled());
    EXPECT_GT(host.GetScrollOffset(), -840 + 300);
    EXPECT_LE(host.GetItem(11)->GetRect().right, host.FindButton(xtpTabButtonScrollBack)->GetRect().left);
}

TEST_F(TabHost, TimersOfOtherIdsAreNotTicks)
{
    Overflow();
    host.PostMessage(WM_TIMER, 99, 0);
    host.PostMouse(WM_LBUTTONUP, Center(xtpTabButtonScrollForward));
    host.Press(Center(xtpTabButtonScrollForward));
    EXPECT_EQ(0, host.GetScrollOffset());
}

TEST_F(TabHost, ADisabledButtonDoesNotTrack)
{
    Overflow();
    PostTimer();
    host.PostMouse(WM_LBUTTONUP, Center(xtpTabButtonScrollBack));
    EXPECT_TRUE(host.Press(Center(xtpTabButtonScrollBack)));
    EXPECT_EQ(0, host.GetScrollOffset());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(TabHost, TheCloseButtonActsOnReleaseOverIt)
{
    host.FindButton(xtpTabButtonClose)->SetShowMode(xtpTabButtonAlways);
    host.RecalcHostLayout();
    const CPoint ptClose = Center(xtpTabButtonClose);

    host.PostMouse(WM_MOUSEMOVE, CPoint(ptClose.x, 80));
    host.PostMouse(WM_LBUTTONUP, CPoint(ptClose.x, 80));
    host.Press(ptClose);
    EXPECT_TRUE(host.m_arrButtonClicks.empty()) << "released outside";

    PostTimer();
    PostTimer();
    host.PostMouse(WM_MOUSEMOVE, CPoint(ptClose.x, 80));
    host.PostMouse(WM_MOUSEMOVE, ptClose);
    host.PostMouse(WM_LBUTTONUP, ptClose);
    host.Press(ptClose);
    ASSERT_EQ(1u, host.m_arrButtonClicks.size()) << "once, on release, whatever the ticks";
    EXPECT_EQ(xtpTabButtonClose, host.m_arrButtonClicks[0]);
}

TEST_F(TabHost, AQuitWhileAButtonIsHeldEndsTheLoop)
{
    Overflow();
    // A quit comes once the posted messages are taken: after both ticks,
    // where the release would have come.
    PostTimer();
    ::PostQuitMessage(3);
    PostTimer();
    host.Press(Center(xtpTabButtonScrollForward));
    EXPECT_EQ(-40, host.GetScrollOffset());
    EXPECT_FALSE(host.FindButton(xtpTabButtonScrollForward)->IsPressed());
    EXPECT_TRUE(TakeQuit());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(TabHost, AButtonDoesNotTrackWhileAnotherWindowHasTheCapture)
{
    Overflow();
    CTestWindow other(CSize(50, 50));
    other.SetCapture();
    PostTimer();
    host.Press(Center(xtpTabButtonScrollForward));
    EXPECT_EQ(0, host.GetScrollOffset());
    ::ReleaseCapture();
}

TEST_F(TabHost, HotTrackingFollowsTheMouse)
{
    ASSERT_TRUE(host.IsTopParentActive());
    const int nRedraws = host.m_nRedraws;
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, CPoint(100, 15));
    EXPECT_EQ(Tab(1), host.GetHotItem());
    EXPECT_EQ(nRedraws + 1, host.m_nRedraws);
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, CPoint(110, 15));
    EXPECT_EQ(nRedraws + 1, host.m_nRedraws) << "the same tab: no repaint";
    host.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(NULL, host.GetHotItem());
}

TEST_F(TabHost, WithoutHotTrackingNoTabIsHot)
{
    struct Row
    {
        const char* name;
        bool bHotBeforeTrackingEnds;
    };
    for (const Row& row : {Row{"none hot before", false}, Row{"a tab hot when the tracking ends", true}})
    {
        SCOPED_TRACE(row.name);
        host.m_painter.m_bHotTracking = TRUE;
        host.SendMessage(WM_MOUSELEAVE);
        if (row.bHotBeforeTrackingEnds)
        {
            host.CXTPTabStrip::OnMouseMove(host.m_hWnd, CPoint(30, 15));
            ASSERT_EQ(Tab(0), host.GetHotItem());
        }
        host.m_painter.m_bHotTracking = FALSE;
        host.CXTPTabStrip::OnMouseMove(host.m_hWnd, CPoint(100, 15));
        EXPECT_EQ(NULL, host.GetHotItem());
    }
}

TEST_F(TabHost, DeletingTheHotTabClearsIt)
{
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, CPoint(100, 15));
    ASSERT_EQ(Tab(1), host.GetHotItem());
    host.DeleteItem(1);
    EXPECT_EQ(NULL, host.GetHotItem());
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, CPoint(100, 15));
    EXPECT_STREQ("C", host.GetHotItem()->GetCaption());
}

TEST_F(TabHost, ButtonsAreHotOnlyWhileEnabledAndUnderTheMouse)
{
    Overflow();
    CXTPTabStripButton* pForward = host.FindButton(xtpTabButtonScrollForward);
    CXTPTabStripButton* pBack = host.FindButton(xtpTabButtonScrollBack);
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, pForward->GetRect().CenterPoint());
    EXPECT_TRUE(pForward->IsHot());
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, pBack->GetRect().CenterPoint());
    EXPECT_FALSE(pForward->IsHot());
    EXPECT_FALSE(pBack->IsHot()) << "disabled";
}

} // namespace
