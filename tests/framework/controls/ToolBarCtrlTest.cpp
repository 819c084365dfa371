// The toolbar control: the button size is read back whole.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

TEST(ToolBarCtrl, ButtonSizeIsUnpacked)
{
    CToolBarCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | TBSTYLE_FLAT, CRect(0, 0, 300, 30), &TestParent(), IDC_TEST_FIRST));
    EXPECT_TRUE(bar.SetButtonSize(CSize(25, 22)));
    EXPECT_EQ(CSize(25, 22), bar.GetButtonSize());
}
