// The list control: texts of any length, selection walks, rectangles, hit
// tests and sorting by the items' data.
#include <gtest/gtest.h>
#include <cstring>
#include "ControlTestWindow.h"

namespace {

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

int CALLBACK ByDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return (int)(lParam2 - lParam1);
}

} // namespace

TEST(ListCtrl, TextsOfAnyLengthAreReadBack)
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

TEST(ListCtrl, RectanglesAndHitTests)
{
    Report report;
    CRect rect, label, cell;
    ASSERT_TRUE(report.list.GetItemRect(2, &rect, LVIR_BOUNDS));
    ASSERT_TRUE(report.list.GetItemRect(2, &label, LVIR_LABEL));
    ASSERT_TRUE(report.list.GetSubItemRect(2, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(80, cell.left - rect.left);
    UINT flags = 0;
    EXPECT_EQ(2, report.list.HitTest(label.CenterPoint(), &flags));
    EXPECT_TRUE(flags & LVHT_ONITEM);
}

TEST(ListCtrl, SortItemsOrdersByTheItemData)
{
    Report report;
    EXPECT_TRUE(report.list.SortItems(ByDataDescending, 0));
    std::vector<CString> titles;
    for (int i = 0; i < report.list.GetItemCount(); i++)
        titles.push_back(report.list.GetItemText(i, 1));
    EXPECT_EQ((std::vector<CString>{"pier", "harbour", "storm", "tide"}), titles);
    EXPECT_EQ(40u, report.list.GetItemData(0));
}
