// The toolbar control: buttons added and read back, and sizes.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

TEST(ToolBarCtrl, ButtonsAndSizes)
{
    CToolBarCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | TBSTYLE_FLAT, CRect(0, 0, 300, 30), &TestParent(), IDC_TEST_FIRST));
    TBBUTTON buttons[] = {
        {0, 500, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0},
        {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {0}, 0, 0},
        {2, 502, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0},
    };
    ASSERT_TRUE(bar.AddButtons(3, buttons));
    TBBUTTON button = {};
    ASSERT_TRUE(bar.GetButton(2, &button));
    EXPECT_EQ(CPoint(502, 2), CPoint(button.idCommand, button.iBitmap));
    EXPECT_TRUE(bar.SetButtonSize(CSize(25, 22)));
    EXPECT_EQ(CSize(25, 22), bar.GetButtonSize());
}
