// The list control: columns, items, texts of any length, selection walks,
// hit tests and sorting by a callback.
#include <gtest/gtest.h>
#include <cstring>
#include "ControlTestWindow.h"

namespace {

struct Report
{
    ControlTestWindow& parent = TestParent();
    CListCtrl list;

    Report()
    {
        list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 400, 300), &parent,
                    IDC_TEST_FIRST);
        list.InsertColumn(0, "Time", LVCFMT_LEFT, 80);
        list.InsertColumn(1, "Title", LVCFMT_LEFT, 200);
        list.InsertColumn(2, "Url", LVCFMT_LEFT, 100);
        const char* titles[] = {"tide", "storm", "harbour", "pier"};
        for (int i = 0; i < 4; i++)
        {
            list.InsertItem(i, "12:00");
            list.SetItemText(i, 1, titles[i]);
            list.SetItemData(i, 10 * (i + 1));
        }
    }

    std::vector<CString> Titles()
    {
        std::vector<CString> titles;
        for (int i = 0; i < list.GetItemCount(); i++)
            titles.push_back(list.GetItemText(i, 1));
        return titles;
    }
};

int CALLBACK ByDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    ++*(int*)lParamSort;
    return (int)(lParam2 - lParam1);
}

} // namespace

TEST(ListCtrl, ItemsTextsDataAndStates)
{
    Report report;
    CListCtrl& list = report.list;
    EXPECT_EQ(4, list.GetItemCount());
    EXPECT_EQ(CString("storm"), list.GetItemText(1, 1));

    CString longTitle('w', 1000);
    list.SetItemText(3, 1, longTitle);
    EXPECT_EQ(longTitle, list.GetItemText(3, 1));
    char buffer[4];
    memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(3, list.GetItemText(1, 1, buffer, sizeof(buffer)));
    EXPECT_STREQ("sto", buffer);

    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ((UINT)LVIS_SELECTED, list.GetItemState(2, LVIS_SELECTED));
    EXPECT_EQ(2, list.GetNextItem(-1, LVNI_SELECTED));
}

TEST(ListCtrl, SelectedItemsAreWalkedInOrder)
{
    Report report;
    CListCtrl& list = report.list;
    EXPECT_TRUE(list.GetFirstSelectedItemPosition() == NULL);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(2u, list.GetSelectedCount());
    std::vector<int> walked;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != NULL;)
        walked.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ((std::vector<int>{1, 3}), walked);
}

TEST(ListCtrl, HitTestsFindTheItemUnderAPoint)
{
    Report report;
    CRect rect, label;
    ASSERT_TRUE(report.list.GetItemRect(2, &rect, LVIR_BOUNDS));
    ASSERT_TRUE(report.list.GetItemRect(2, &label, LVIR_LABEL));
    UINT flags = 0;
    EXPECT_EQ(2, report.list.HitTest(label.CenterPoint(), &flags));
    EXPECT_TRUE(flags & LVHT_ONITEM);
    EXPECT_EQ(-1, report.list.HitTest(CPoint(390, 290)));

    CRect cell;
    ASSERT_TRUE(report.list.GetSubItemRect(2, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(80, cell.left - rect.left);
}

TEST(ListCtrl, SortItemsOrdersByTheCallback)
{
    Report report;
    int calls = 0;
    EXPECT_TRUE(report.list.SortItems(ByDataDescending, (DWORD_PTR)&calls));
    EXPECT_GT(calls, 0);
    EXPECT_EQ((std::vector<CString>{"pier", "harbour", "storm", "tide"}), report.Titles());
    EXPECT_EQ(40u, report.list.GetItemData(0));
}
