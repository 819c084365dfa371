// Progress, spin, scroll bar and tool-tip controls.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

TEST(ProgressCtrl, RangesAreReadBackWhole)
{
    ControlTestWindow& parent = TestParent();
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(0, 0, 200, 16), &parent, IDC_TEST_FIRST));
    progress.SetRange32(0, 1000);
    int lower = -1, upper = -1;
    progress.GetRange(lower, upper);
    EXPECT_EQ(0, lower);
    EXPECT_EQ(1000, upper);
    progress.SetRange(0, 100);
    progress.GetRange(lower, upper);
    EXPECT_EQ(100, upper);
}

TEST(SpinButtonCtrl, RangePositionAndBuddy)
{
    ControlTestWindow& parent = TestParent();
    CEdit buddy;
    buddy.Create(WS_VISIBLE, CRect(0, 0, 80, 24), &parent, IDC_TEST_SECOND);
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, CRect(80, 0, 100, 24), &parent,
                            IDC_TEST_FIRST));
    spin.SetBuddy(&buddy);
    EXPECT_EQ(buddy.m_hWnd, spin.GetBuddy()->GetSafeHwnd());

    spin.SetRange32(-5, 500);
    int lower = 0, upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(-5, lower);
    EXPECT_EQ(500, upper);
    spin.SetPos32(300);
    EXPECT_EQ(300, spin.GetPos32());
    CString text;
    buddy.GetWindowText(text);
    EXPECT_EQ(CString("300"), text) << "the buddy shows the position";

    spin.SetRange(1, 60);
    spin.GetRange(lower, upper);
    EXPECT_EQ(1, lower);
    EXPECT_EQ(60, upper);
}

TEST(ScrollBar, RangePositionAndLimit)
{
    ControlTestWindow& parent = TestParent();
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_VERT, CRect(0, 0, 16, 200), &parent, IDC_TEST_FIRST));
    bar.SetScrollRange(0, 99);
    int lower = -1, upper = -1;
    bar.GetScrollRange(&lower, &upper);
    EXPECT_EQ(99, upper);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE;
    info.nPage = 10;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(90, bar.GetScrollLimit());
    bar.SetScrollPos(95);
    EXPECT_EQ(90, bar.GetScrollPos()) << "the thumb stops at the limit";
}

TEST(ToolTipCtrl, ToolsTextsAndCount)
{
    ControlTestWindow& parent = TestParent();
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&parent));
    CRect area(0, 0, 50, 50);
    EXPECT_TRUE(tips.AddTool(&parent, "Check all", &area, 7));
    EXPECT_TRUE(tips.AddTool(&parent, "Whole window"));
    EXPECT_EQ(2, tips.GetToolCount());

    CString text;
    tips.GetText(text, &parent, 7);
    EXPECT_EQ(CString("Check all"), text);
    tips.UpdateTipText("Check news", &parent, 7);
    tips.GetText(text, &parent, 7);
    EXPECT_EQ(CString("Check news"), text);

    TOOLINFO info;
    ASSERT_TRUE(tips.GetToolInfo(&info, &parent, 7));
    EXPECT_EQ(area, CRect(info.rect));
    CRect moved(10, 10, 20, 20);
    tips.SetToolRect(&parent, 7, &moved);
    tips.GetToolInfo(&info, &parent, 7);
    EXPECT_EQ(moved, CRect(info.rect));

    tips.DelTool(&parent, 7);
    EXPECT_EQ(1, tips.GetToolCount());
}
