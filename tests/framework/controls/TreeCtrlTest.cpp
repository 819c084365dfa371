// The tree control: building, walking, item texts, sorting and check boxes.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

namespace {

struct Tree
{
    ControlTestWindow& parent = TestParent();
    CTreeCtrl tree;
    HTREEITEM root, sport, news, weather;

    Tree(DWORD extraStyle = 0)
    {
        tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | extraStyle, CRect(0, 0, 300, 300), &parent,
                    IDC_TEST_FIRST);
        root = tree.InsertItem("Keywords");
        sport = tree.InsertItem("sport", root);
        news = tree.InsertItem("news", 1, 2, root);
        weather = tree.InsertItem("weather", root, TVI_FIRST);
    }

    std::vector<CString> Children(HTREEITEM hParent)
    {
        std::vector<CString> names;
        for (HTREEITEM h = tree.GetChildItem(hParent); h != NULL; h = tree.GetNextSiblingItem(h))
            names.push_back(tree.GetItemText(h));
        return names;
    }
};

int CALLBACK ByDataAscending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return (int)(lParam1 - lParam2);
}

} // namespace

TEST(TreeCtrl, ItemsAreInsertedWhereAskedAndWalked)
{
    Tree fixture;
    CTreeCtrl& tree = fixture.tree;
    EXPECT_EQ(4u, tree.GetCount());
    EXPECT_EQ(fixture.root, tree.GetRootItem());
    EXPECT_EQ((std::vector<CString>{"weather", "sport", "news"}), fixture.Children(fixture.root));
    EXPECT_EQ(fixture.root, tree.GetParentItem(fixture.news));
    EXPECT_EQ(fixture.sport, tree.GetPrevSiblingItem(fixture.news));
    EXPECT_TRUE(tree.ItemHasChildren(fixture.root));
    EXPECT_FALSE(tree.ItemHasChildren(fixture.news));

    int image = 0, selected = 0;
    ASSERT_TRUE(tree.GetItemImage(fixture.news, image, selected));
    EXPECT_EQ(1, image);
    EXPECT_EQ(2, selected);
}

TEST(TreeCtrl, LongTextsAndImages)
{
    Tree fixture;
    CTreeCtrl& tree = fixture.tree;
    CString longName('k', 600);
    EXPECT_TRUE(tree.SetItemText(fixture.sport, longName));
    EXPECT_EQ(longName, tree.GetItemText(fixture.sport));
}

TEST(TreeCtrl, ChildrenAreSortedByNameOrByCallback)
{
    Tree fixture;
    CTreeCtrl& tree = fixture.tree;
    EXPECT_TRUE(tree.SortChildren(fixture.root));
    EXPECT_EQ((std::vector<CString>{"news", "sport", "weather"}), fixture.Children(fixture.root));

    tree.SetItemData(fixture.news, 3);
    tree.SetItemData(fixture.sport, 1);
    tree.SetItemData(fixture.weather, 2);
    TVSORTCB sort = {fixture.root, ByDataAscending, 0};
    EXPECT_TRUE(tree.SortChildrenCB(&sort));
    EXPECT_EQ((std::vector<CString>{"sport", "weather", "news"}), fixture.Children(fixture.root));
}

TEST(TreeCtrl, CheckBoxesAreSetAndCleared)
{
    Tree fixture(TVS_CHECKBOXES);
    CTreeCtrl& tree = fixture.tree;
    EXPECT_FALSE(tree.GetCheck(fixture.news));
    EXPECT_TRUE(tree.SetCheck(fixture.news));
    EXPECT_TRUE(tree.GetCheck(fixture.news));
    tree.SetCheck(fixture.news, FALSE);
    EXPECT_FALSE(tree.GetCheck(fixture.news));
}
