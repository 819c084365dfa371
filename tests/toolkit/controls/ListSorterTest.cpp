// The list sorter: rows ordered by one column as integers, strings, dates or
// decimals, both directions, with every row's item data given back.
#include "NotifyRecorderWnd.h"
#include "toolkit/controls/XTListSorter.h"
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(ListSorter, OrdersRowsAndGivesTheItemDataBack)
{
    // Column 1 of rows 0, 1, 2 before the sort, and after it each text with
    // its row's item data, the index the row started at.
    struct Row
    {
        const char* name;
        XTSortType type;
        BOOL ascending;
        const char *texts, *sorted;
    } rows[] = {
        {"text as zero", xtSortInt, TRUE, "10 9 abc", "abc:2 9:1 10:0 "},
        {"int limits", xtSortInt, TRUE, "2147483647 -2147483648 0", "-2147483648:1 0:2 2147483647:0 "},
        {"case matters", xtSortString, TRUE, "beta Beta alpha", "Beta:1 alpha:2 beta:0 "},
        {"strings down", xtSortString, FALSE, "beta Beta alpha", "beta:0 alpha:2 Beta:1 "},
        {"dates", xtSortDate, TRUE, "3/1/2024 12/25/2023 1/15/2024", "12/25/2023:1 1/15/2024:2 3/1/2024:0 "},
        {"dates down", xtSortDate, FALSE, "3/1/2024 12/25/2023 1/15/2024",
         "3/1/2024:0 1/15/2024:2 12/25/2023:1 "},
        {"decimals", xtSortDecimal, TRUE, "2.5 -1.25 2.45", "-1.25:1 2.45:2 2.5:0 "},
    };
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), &TestHost(), IDC_LIST_EDIT_TEST));
    list.InsertColumn(0, "Row", LVCFMT_LEFT, 50);
    list.InsertColumn(1, "Key", LVCFMT_LEFT, 100);
    for (const Row& row : rows)
    {
        list.DeleteAllItems();
        std::istringstream texts(row.texts);
        std::string text;
        for (int i = 0; texts >> text; i++)
        {
            list.InsertItem(i, "row");
            list.SetItemText(i, 1, text.c_str());
            list.SetItemData(i, i);
        }
        EXPECT_TRUE(CXTListSorter(&list, 1).Sort(row.ascending, row.type));
        std::string sorted;
        for (int i = 0; i < 3; i++)
            sorted += std::string(list.GetItemText(i, 1)) + ":" + std::to_string(list.GetItemData(i)) + " ";
        EXPECT_EQ(row.sorted, sorted) << row.name;
    }
}

TEST(ListSorter, CompareAnswersTheSignOfTheOrder)
{
    struct Row
    {
        const char *name, *text1, *text2;
        int param, sign;
    } rows[] = {
        {"equal integers", "7", "7", xtSortInt, 0},
        {"integers that overflow a subtraction", "2147483647", "-2147483648", xtSortInt, 1},
        {"integers that overflow, descending", "2147483647", "-2147483648", -xtSortInt, -1},
        {"equal strings", "same", "same", xtSortString, 0},
        {"equal dates", "1/15/2024", "1/15/2024", xtSortDate, 0},
        {"unparsable date", "not a date", "1/15/2024", xtSortDate, 0},
        {"unparsable date, descending", "1/15/2024", "never", -xtSortDate, 0},
        {"equal decimals", "2.50", "2.5", xtSortDecimal, 0},
        {"unknown type", "1", "2", 9, 0},
    };
    for (const Row& row : rows)
    {
        int nResult = CXTListSorter::Compare(row.text1, row.text2, row.param);
        EXPECT_EQ(row.sign, (nResult > 0) - (nResult < 0)) << row.name;
    }
}

} // namespace
