// The tree control: building, walking, item texts, data, images and check boxes.
#include <gtest/gtest.h>
#include "ControlTestWindow.h"

namespace {

struct Tree
{
    CTreeCtrl tree;
    HTREEITEM root, sport, news, weather;

    explicit Tree(DWORD extraStyle = 0)
    {
        tree.Create(WS_VISIBLE | TVS_HASBUTTONS | extraStyle, CRect(0, 0, 300, 300), &TestParent(),
                    IDC_TEST_FIRST);
        root = tree.InsertItem("Keywords");
        sport = tree.InsertItem("sport", root);
        news = tree.InsertItem("news", 1, 2, root);
        weather = tree.InsertItem("weather", root, TVI_FIRST);
    }
};

} // namespace

TEST(TreeCtrl, ItemsAreInsertedWhereAskedAndReadBack)
{
    Tree fixture;
    CTreeCtrl& tree = fixture.tree;
    std::vector<CString> children;
    for (HTREEITEM h = tree.GetChildItem(fixture.root); h != NULL; h = tree.GetNextSiblingItem(h))
        children.push_back(tree.GetItemText(h));
    EXPECT_EQ((std::vector<CString>{"weather", "sport", "news"}), children);
    EXPECT_TRUE(tree.ItemHasChildren(fixture.root));
    EXPECT_FALSE(tree.ItemHasChildren(fixture.news));

    int image = 0, selected = 0;
    ASSERT_TRUE(tree.GetItemImage(fixture.news, image, selected));
    EXPECT_EQ(CPoint(1, 2), CPoint(image, selected));
    tree.SetItemData(fixture.news, 33);
    EXPECT_EQ(33u, tree.GetItemData(fixture.news));
    // Texts longer than the first buffer are read whole.
    CString longName('k', 600);
    EXPECT_TRUE(tree.SetItemText(fixture.sport, longName));
    EXPECT_EQ(longName, tree.GetItemText(fixture.sport));
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
