// The list and tree controls. List boxes and combo boxes: texts, items under a point,
// owner-drawn sorting. The list control: texts of any length, item data, selection walks,
// rectangles and hit tests. The tree control: building, walking, item texts, data, images
// and check boxes.
#include <gtest/gtest.h>
#include <cstring>
#include "ControlTestWindow.h"

namespace {

// An owner-drawn sorted list without strings: items are ordered by their data.
class OrderedByData : public CListBox
{
public:
    int CompareItem(LPCOMPAREITEMSTRUCT item) override
    {
        return item->itemData1 < item->itemData2 ? -1 : item->itemData1 > item->itemData2 ? 1 : 0;
    }
    void MeasureItem(LPMEASUREITEMSTRUCT item) override { item->itemHeight = 20; }
};

struct Report
{
    CListCtrl list;

    Report()
    {
        list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &TestParent(), IDC_TEST_FIRST);
        list.InsertColumn(0, "Time", LVCFMT_LEFT, 80);
        list.InsertColumn(1, "Title", LVCFMT_LEFT, 200);
        const char* titles[] = {"tide", "storm", "harbour", "pier"};
        for (int i = 0; i < 4; i++)
        {
            list.InsertItem(i, "12:00");
            list.SetItemText(i, 1, titles[i]);
            list.SetItemData(i, 10 * (i + 1));
        }
    }
};

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

TEST(ListBox, StringsAndItemsUnderAPoint)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 200, 200), &TestParent(), IDC_TEST_FIRST));
    for (const char* text : {"alpha", "beta", "gamma"})
        list.AddString(text);
    CString text, missing = "old";
    list.GetText(1, text);
    list.GetText(7, missing);
    EXPECT_EQ(CString("beta|"), text + "|" + missing);

    CRect rect;
    list.GetItemRect(1, &rect);
    BOOL outside = TRUE;
    EXPECT_EQ(1u, list.ItemFromPoint(rect.CenterPoint(), outside));
    EXPECT_FALSE(outside);
}

TEST(ListBox, OwnerDrawnSortedItemsAreComparedAndMeasuredByTheControl)
{
    OrderedByData list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_SORT, CRect(0, 0, 200, 200),
                            &TestParent(), IDC_TEST_FIRST));
    for (UINT_PTR data : {30, 10, 20})
        list.AddString((LPCTSTR)data);
    std::vector<DWORD_PTR> order = {list.GetItemData(0), list.GetItemData(1), list.GetItemData(2)};
    EXPECT_EQ((std::vector<DWORD_PTR>{10, 20, 30}), order);
    EXPECT_EQ(20, list.GetItemHeight(1));
}

TEST(ComboBox, ItemTextsAreReadIntoStrings)
{
    CComboBox combo;
    ASSERT_TRUE(
        combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 200, 200), &TestParent(), IDC_TEST_FIRST));
    combo.AddString("Office XP");
    combo.AddString("Office 2003");
    CString text, missing = "old";
    combo.GetLBText(1, text);
    combo.GetLBText(9, missing);
    EXPECT_EQ(CString("Office 2003|"), text + "|" + missing);
}

TEST(ListCtrl, TextsOfAnyLengthAndDataAreReadBack)
{
    Report report;
    CListCtrl& list = report.list;
    CString longTitle('w', 1000);
    list.SetItemText(3, 1, longTitle);
    EXPECT_EQ(longTitle, list.GetItemText(3, 1));
    char buffer[4];
    memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(3, list.GetItemText(1, 1, buffer, sizeof(buffer)));
    EXPECT_STREQ("sto", buffer);
    EXPECT_EQ(30u, list.GetItemData(2));
}

TEST(ListCtrl, SelectedItemsAreWalkedInOrder)
{
    Report report;
    CListCtrl& list = report.list;
    EXPECT_TRUE(list.GetFirstSelectedItemPosition() == NULL);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> walked;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != NULL;)
        walked.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{1, 3}), walked);
}

TEST(ListCtrl, ItemRectanglesAndHitTestsAgree)
{
    Report report;
    CListCtrl& list = report.list;
    CRect rect, label, cell;
    ASSERT_TRUE(list.GetItemRect(2, &rect, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetItemRect(2, &label, LVIR_LABEL));
    ASSERT_TRUE(list.GetSubItemRect(2, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(80, cell.left - rect.left);
    UINT flags = 0;
    EXPECT_EQ(2, list.HitTest(label.CenterPoint(), &flags));
    EXPECT_TRUE(flags & LVHT_ONITEM);
}

TEST(TreeCtrl, ItemsAreInsertedWhereAsked)
{
    Tree fixture(TVS_CHECKBOXES);
    CTreeCtrl& tree = fixture.tree;
    std::vector<CString> children;
    for (HTREEITEM h = tree.GetChildItem(fixture.root); h != NULL; h = tree.GetNextSiblingItem(h))
        children.push_back(tree.GetItemText(h));
    EXPECT_EQ((std::vector<CString>{"weather", "sport", "news"}), children);
    EXPECT_TRUE(tree.ItemHasChildren(fixture.root));
    EXPECT_FALSE(tree.ItemHasChildren(fixture.news));
}

TEST(TreeCtrl, ImagesDataAndLongTextsAreReadBack)
{
    Tree fixture;
    CTreeCtrl& tree = fixture.tree;
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
