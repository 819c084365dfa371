// Progress, spin, scroll bar and tool-tip controls.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

TEST(ProgressCtrl, RangesAreReadBackWhole)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(0, 0, 200, 16), &TestParent(), IDC_TEST_FIRST));
    progress.SetRange32(-3, 100000);
    int lower = 0, upper = 0;
    progress.GetRange(lower, upper);
    EXPECT_EQ(CPoint(-3, 100000), CPoint(lower, upper));
}

TEST(SpinButtonCtrl, RangeIsUnpackedWithItsSign)
{
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE, CRect(80, 0, 100, 24), &TestParent(), IDC_TEST_FIRST));
    spin.SetRange(-5, 60);
    int lower = 0, upper = 0;
    spin.GetRange(lower, upper);
    EXPECT_EQ(CPoint(-5, 60), CPoint(lower, upper));
}

TEST(ScrollBar, LimitIsTheRangeLessAPage)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_VERT, CRect(0, 0, 16, 200), &TestParent(), IDC_TEST_FIRST));
    SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
    bar.SetScrollInfo(&info);
    EXPECT_EQ(90, bar.GetScrollLimit());
}

TEST(ToolTipCtrl, ToolsAreFoundByWindowAndId)
{
    ControlTestWindow& parent = TestParent();
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&parent));
    CRect area(0, 0, 50, 50), moved(10, 10, 20, 20);
    EXPECT_TRUE(tips.AddTool(&parent, "Check all", &area, 7));
    EXPECT_TRUE(tips.AddTool(&parent, "Whole window"));
    tips.UpdateTipText("Check news", &parent, 7);
    tips.SetToolRect(&parent, 7, &moved);
    CString text;
    tips.GetText(text, &parent, 7);
    TOOLINFO info;
    ASSERT_TRUE(tips.GetToolInfo(&info, &parent, 7));
    EXPECT_EQ(CString("Check news"), text);
    EXPECT_EQ(moved, CRect(info.rect));
    tips.DelTool(&parent, 7);
    EXPECT_EQ(1, tips.GetToolCount());
}
