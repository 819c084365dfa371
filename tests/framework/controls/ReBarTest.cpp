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
    }
    // A flat toolbar of one 23 x 23 button, sized to it.
    void MakeTools(CToolBar& bar, UINT nID)
    {
        ASSERT_TRUE(bar.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        bar.SetSizes(CSize(23, 23), CSize(16, 16));
        bar.SetButtons(&nID, 1);
        bar.SetWindowPos(NULL, 0, 0, 23, 23, SWP_NOMOVE | SWP_NOZORDER);
    }
    CWnd pane;
    CReBar rebar;
};

TEST_F(ReBarTest, BandsHoldBarsAndTheFrameMakesRoomForThem)
{
    CToolBar tools, second;
    MakeTools(tools, ID_TOOL_PENCIL);
    ASSERT_TRUE(rebar.AddBar(&tools));
    EXPECT_EQ(rebar.m_hWnd, ::GetParent(tools.m_hWnd));
    frame->RecalcLayout();
    CRect bar = RectInParent(&rebar);
    EXPECT_EQ(CRect(0, 0, 500, rebar.GetReBarCtrl().GetBarHeight()), bar);
    EXPECT_GE(bar.Height(), 23);
    EXPECT_EQ(bar.bottom, RectInParent(&pane).top);

    // A band that breaks the row: the rebar grows and tells the frame (RBN_HEIGHTCHANGE).
    MakeTools(second, ID_TOOL_LINE);
    ASSERT_TRUE(rebar.AddBar(&second, NULL, RBBS_BREAK | RBBS_GRIPPERALWAYS));
    PumpPending();
    EXPECT_EQ(2u, rebar.GetReBarCtrl().GetRowCount());
    EXPECT_GT(RectInParent(&pane).top, bar.bottom);
    EXPECT_EQ(RectInParent(&rebar).bottom, RectInParent(&pane).top);
}

} // namespace
