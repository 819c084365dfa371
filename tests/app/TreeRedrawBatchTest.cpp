// A tree changed inside a batch: it stops drawing for the batch, draws again
// afterwards with its whole client area to be painted, and a tree that was
// not drawing before is left alone. A batch of many items also keeps the
// tree from laying its items out until the outermost such batch ends, which
// leaves the tree laid out as if each change had come alone.
#include "app/TreeRedrawBatch.h"
#include "framework/Controls.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// How the tree has laid its items out: its scroll ranges and the rectangle
// of every item's label, as one text.
std::string Layout(CTreeCtrl& tree)
{
    std::string text;
    const int nBars[] = {SB_HORZ, SB_VERT};
    for (int nBar : nBars)
    {
        SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        if (!tree.GetScrollInfo(nBar, &info))
            info.nMin = info.nMax = info.nPage = info.nPos = 0;
        text += "bar " + std::to_string(info.nMin) + ".." + std::to_string(info.nMax) + " page "
                + std::to_string(info.nPage) + " at " + std::to_string(info.nPos) + "; ";
    }
    for (HTREEITEM hItem = tree.GetRootItem(); hItem != NULL; hItem = tree.GetNextVisibleItem(hItem))
    {
        CRect rect(0, 0, 0, 0);
        if (!tree.GetItemRect(hItem, &rect, TRUE))
            text += "none ";
        else
            text += std::to_string(rect.left) + "," + std::to_string(rect.top) + ","
                    + std::to_string(rect.right) + "," + std::to_string(rect.bottom) + " ";
    }
    return text;
}

// A parent with one child, expanded; the batches insert thirty children
// more, with labels of growing length, past the bottom and the right of the
// client area.
class ManyItemsBatchTest : public ::testing::Test
{
protected:
    static void Make(CWnd& host, CTreeCtrl& tree)
    {
        if (tree.GetSafeHwnd() != NULL)
            tree.DestroyWindow();
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS, CRect(0, 0, 200, 150),
                                &host, 1));
        HTREEITEM hParent = tree.InsertItem("keywords", TVI_ROOT, TVI_LAST);
        tree.InsertItem("first", hParent, TVI_LAST);
        tree.Expand(hParent, TVE_EXPAND);
        PumpPending();
    }
    static void InsertChildren(CTreeCtrl& tree)
    {
        for (int i = 0; i < 30; ++i)
            tree.InsertItem(CString('w', 2 + i), tree.GetRootItem(), TVI_LAST);
    }

    CTestWindow host;
    CTreeCtrl tree;
};

TEST_F(ManyItemsBatchTest, TheTreeIsLaidOutOnceWhenTheOutermostBatchOfManyItemsEnds)
{
    const struct
    {
        const char* name;
        bool hidden;
        TreeRedrawBatch::Size outer;
        TreeRedrawBatch::Size inner;
        // The new children laid out before the outer batch ends; otherwise
        // they have no place yet and the scroll bars are as before.
        bool laidOutInside;
    } rows[] = {
        {"few items: laid out at each insert", false, TreeRedrawBatch::FewItems, TreeRedrawBatch::FewItems,
         true},
        {"many items", false, TreeRedrawBatch::ManyItems, TreeRedrawBatch::FewItems, false},
        {"many items in a batch of few", false, TreeRedrawBatch::FewItems, TreeRedrawBatch::ManyItems, true},
        {"many items in a batch of many", false, TreeRedrawBatch::ManyItems, TreeRedrawBatch::ManyItems,
         false},
        {"many items in a hidden tree", true, TreeRedrawBatch::ManyItems, TreeRedrawBatch::FewItems, false},
    };
    // The same children inserted without a batch: the layout a batch ends with.
    CTreeCtrl alone;
    Make(host, alone);
    std::string unplaced = Layout(alone);
    for (int i = 0; i < 30; ++i)
        unplaced += "none ";
    InsertChildren(alone);
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Make(host, tree);
        if (row.hidden)
            tree.ShowWindow(SW_HIDE);
        std::string inside;
        {
            TreeRedrawBatch outer(tree, row.outer);
            {
                TreeRedrawBatch inner(tree, row.inner);
                InsertChildren(tree);
            }
            inside = Layout(tree);
        }
        EXPECT_EQ(row.laidOutInside ? Layout(alone) : unplaced, inside);
        EXPECT_EQ(Layout(alone), Layout(tree));
        EXPECT_EQ(!row.hidden, !!(tree.GetStyle() & WS_VISIBLE));
    }
}

TEST_F(ManyItemsBatchTest, ATreeDestroyedInsideABatchOfManyItemsIsLeftAlone)
{
    Make(host, tree);
    {
        TreeRedrawBatch batch(tree, TreeRedrawBatch::ManyItems);
        InsertChildren(tree);
        tree.DestroyWindow();
    }
    EXPECT_EQ(NULL, tree.GetSafeHwnd());
}

} // namespace
