#include "tests/support/TestWindow.h"
#include "TestIds.h"
#include "framework/controls/CReBar.h"
#include "framework/controls/CToolBar.h"
#include <gtest/gtest.h>

namespace {

class ReBarTest : public FrameTest<CTestFrame, 500, 300>
{
protected:
    void Prepare() override
    {
        ASSERT_TRUE(
            pane.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST));
        ASSERT_TRUE(rebar.Create(frame));
        ASSERT_TRUE(tools.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        tools.SetSizes(CSize(23, 23), CSize(16, 16));
        const UINT ids[] = {ID_TOOL_PENCIL, ID_TOOL_FILL};
        tools.SetButtons(ids, 2);
        CSize size = tools.CalcFixedLayout(FALSE, TRUE);
        tools.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    }
    CWnd pane;
    CReBar rebar;
    CToolBar tools;
};

TEST_F(ReBarTest, BandsHoldBarsAndTheFrameMakesRoomForThem)
{
    ASSERT_TRUE(rebar.AddBar(&tools));
    EXPECT_EQ(rebar.m_hWnd, ::GetParent(tools.m_hWnd));

    frame->RecalcLayout();
    CRect bar = RectInParent(&rebar);
    EXPECT_EQ(CRect(0, 0, 500, rebar.GetReBarCtrl().GetBarHeight()), bar);
    EXPECT_GE(bar.Height(), 23);
    EXPECT_EQ(bar.bottom, RectInParent(&pane).top);
}

TEST_F(ReBarTest, ANewRowMovesThePaneDown)
{
    ASSERT_TRUE(rebar.AddBar(&tools));
    frame->RecalcLayout();
    int oneRow = RectInParent(&pane).top;

    CToolBar second;
    ASSERT_TRUE(second.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
    second.SetSizes(CSize(23, 23), CSize(16, 16));
    const UINT ids[] = {ID_TOOL_LINE};
    second.SetButtons(ids, 1);
    second.SetWindowPos(NULL, 0, 0, 23, 23, SWP_NOMOVE | SWP_NOZORDER);
    // A band that breaks the row: the rebar grows and tells the frame (RBN_HEIGHTCHANGE).
    ASSERT_TRUE(rebar.AddBar(&second, NULL, RBBS_BREAK | RBBS_GRIPPERALWAYS));
    PumpPending();
    EXPECT_EQ(2u, rebar.GetReBarCtrl().GetRowCount());
    EXPECT_GT(RectInParent(&pane).top, oneRow);
    EXPECT_EQ(RectInParent(&rebar).bottom, RectInParent(&pane).top);
}

} // namespace
