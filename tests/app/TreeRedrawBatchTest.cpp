// A tree changed inside a batch: it stops drawing for the batch, draws again
// afterwards with its whole client area to be painted, and a tree that was
// not drawing before is left alone.
#include "app/TreeRedrawBatch.h"
#include "framework/Controls.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

namespace {

class TreeRedrawBatchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 200, 150), &host, 1));
        // More items than fit: the tree shows a vertical scroll bar.
        for (int i = 0; i < 40; ++i)
            items.push_back(tree.InsertItem("keyword", TVI_ROOT, TVI_LAST));
        PumpPending();
        host.UpdateWindow();
    }

    BOOL Drawing() const { return (tree.GetStyle() & WS_VISIBLE) != 0; }
    // The part of the tree's client area waiting to be painted.
    CRect PendingPaint()
    {
        CRect rect;
        tree.GetUpdateRect(&rect, FALSE);
        return rect;
    }

    CTestWindow host;
    CTreeCtrl tree;
    std::vector<HTREEITEM> items;
};

TEST_F(TreeRedrawBatchTest, TheTreeDrawsAgainAfterTheBatchWithItsWholeClientToPaint)
{
    ASSERT_TRUE(PendingPaint().IsRectEmpty());
    {
        TreeRedrawBatch batch(tree);
        EXPECT_FALSE(Drawing());
        for (HTREEITEM item : items)
            tree.SetItemState(item, TVIS_BOLD, TVIS_BOLD);
    }
    EXPECT_TRUE(Drawing());
    EXPECT_TRUE(tree.IsWindowVisible());
    CRect client;
    tree.GetClientRect(&client);
    EXPECT_EQ(client, PendingPaint());
    EXPECT_EQ(TVIS_BOLD, tree.GetItemState(items.back(), TVIS_BOLD));
}

TEST_F(TreeRedrawBatchTest, OnlyTheOutermostBatchStartsTheDrawingAgain)
{
    {
        TreeRedrawBatch outer(tree);
        {
            TreeRedrawBatch inner(tree);
            tree.SetItemState(items[0], TVIS_BOLD, TVIS_BOLD);
        }
        EXPECT_FALSE(Drawing());
        tree.SetItemState(items[1], TVIS_BOLD, TVIS_BOLD);
    }
    EXPECT_TRUE(Drawing());
}

TEST_F(TreeRedrawBatchTest, AHiddenTreeStaysHidden)
{
    tree.ShowWindow(SW_HIDE);
    {
        TreeRedrawBatch batch(tree);
        tree.SetItemState(items[0], TVIS_BOLD, TVIS_BOLD);
    }
    EXPECT_FALSE(Drawing());
    EXPECT_EQ(TVIS_BOLD, tree.GetItemState(items[0], TVIS_BOLD));
}

TEST_F(TreeRedrawBatchTest, ATreeDestroyedInsideTheBatchIsLeftAlone)
{
    {
        TreeRedrawBatch batch(tree);
        tree.DestroyWindow();
    }
    EXPECT_EQ(NULL, tree.GetSafeHwnd());
}

} // namespace
