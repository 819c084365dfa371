// The toolbar control: buttons, their states by command id, sizes and images.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

namespace {

enum
{
    ID_PENCIL = 500,
    ID_FILL = 501,
    ID_UNDO = 502
};

struct Bar
{
    ControlTestWindow& parent = TestParent();
    CToolBarCtrl bar;
    CImageList images;

    Bar()
    {
        bar.Create(WS_VISIBLE | TBSTYLE_FLAT | CCS_NODIVIDER, CRect(0, 0, 300, 30), &parent, IDC_TEST_FIRST);
        images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1);
        bar.SetImageList(&images);
        TBBUTTON buttons[] = {
            {0, ID_PENCIL, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0},
            {1, ID_FILL, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0},
            {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {0}, 0, 0},
            {2, ID_UNDO, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0},
        };
        bar.AddButtons(4, buttons);
    }
};

} // namespace

TEST(ToolBarCtrl, ButtonsAreFoundByIndexAndCommand)
{
    Bar fixture;
    CToolBarCtrl& bar = fixture.bar;
    EXPECT_EQ(4, bar.GetButtonCount());
    EXPECT_EQ(3u, bar.CommandToIndex(ID_UNDO));
    TBBUTTON button = {};
    ASSERT_TRUE(bar.GetButton(1, &button));
    EXPECT_EQ(ID_FILL, button.idCommand);
    EXPECT_EQ(1, button.iBitmap);

    CRect rect;
    ASSERT_TRUE(bar.GetItemRect(3, &rect));
    CPoint centre = rect.CenterPoint();
    EXPECT_EQ(3, bar.HitTest(&centre));
    EXPECT_TRUE(bar.SetButtonSize(CSize(25, 22)));
    EXPECT_EQ(CSize(25, 22), bar.GetButtonSize());
}

TEST(ToolBarCtrl, BitmapsAddImagesAfterTheOldOnes)
{
    CToolBarCtrl bar;
    bar.Create(WS_VISIBLE, CRect(0, 0, 300, 30), &TestParent(), IDC_TEST_FIRST);
    CBitmap strip, more;
    strip.CreateBitmap(48, 16, 1, 1, NULL);
    more.CreateBitmap(32, 16, 1, 1, NULL);
    EXPECT_EQ(0, bar.AddBitmap(3, &strip));
    EXPECT_EQ(3, bar.AddBitmap(2, &more));
}
