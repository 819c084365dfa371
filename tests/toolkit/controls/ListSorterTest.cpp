// The list sorter: rows ordered by one column as integers, strings, dates or
// decimals, both directions, with every row's item data given back.
#include "NotifyRecorderWnd.h"
#include "toolkit/controls/XTListSorter.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct SortCase
{
    const char* name;
    XTSortType type;
    BOOL ascending;
    std::vector<std::string> texts;  // column 1 of rows 0, 1, ...
    std::vector<std::string> sorted; // column 1 after the sort
};

class ListSorterTest : public ::testing::TestWithParam<SortCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &TestHost(),
                                IDC_LIST_EDIT_TEST));
        list.InsertColumn(0, "Row", LVCFMT_LEFT, 50);
        list.InsertColumn(1, "Key", LVCFMT_LEFT, 100);
    }
    void TearDown() override { list.DestroyWindow(); }

    void Fill(const std::vector<std::string>& texts)
    {
        for (size_t i = 0; i < texts.size(); i++)
        {
            list.InsertItem((int)i, "row");
            list.SetItemText((int)i, 1, texts[i].c_str());
            list.SetItemData((int)i, 1000 + i);
        }
    }
    std::vector<std::string> Column(int iCol)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < list.GetItemCount(); i++)
            texts.push_back((LPCTSTR)list.GetItemText(i, iCol));
        return texts;
    }

    CListCtrl list;
};

TEST_P(ListSorterTest, OrdersRowsAndGivesTheItemDataBack)
{
    const SortCase& c = GetParam();
    Fill(c.texts);
    {
        CXTListSorter sorter(&list, 1);
        EXPECT_TRUE(sorter.Sort(c.ascending, c.type));
    }
    EXPECT_EQ(Column(1), c.sorted);
    for (int i = 0; i < list.GetItemCount(); i++)
    {
        size_t nOriginal = 0;
        while (c.texts[nOriginal] != (LPCTSTR)list.GetItemText(i, 1))
            nOriginal++;
        EXPECT_EQ(list.GetItemData(i), 1000 + nOriginal) << "row " << i;
    }
}

const SortCase kSortCases[] = {
    {"IntegersWithTextAsZero", xtSortInt, TRUE, {"10", "9", "abc"}, {"abc", "9", "10"}},
    {"IntegersAtTheLimits",
     xtSortInt,
     TRUE,
     {"2147483647", "-2147483648", "0"},
     {"-2147483648", "0", "2147483647"}},
    {"StringsCaseSensitive", xtSortString, TRUE, {"beta", "Beta", "alpha"}, {"Beta", "alpha", "beta"}},
    {"StringsDescending", xtSortString, FALSE, {"beta", "Beta", "alpha"}, {"beta", "alpha", "Beta"}},
    {"Dates",
     xtSortDate,
     TRUE,
     {"3/1/2024", "12/25/2023", "1/15/2024"},
     {"12/25/2023", "1/15/2024", "3/1/2024"}},
    {"DatesDescending",
     xtSortDate,
     FALSE,
     {"3/1/2024", "12/25/2023", "1/15/2024"},
     {"3/1/2024", "1/15/2024", "12/25/2023"}},
    {"Decimals", xtSortDecimal, TRUE, {"2.5", "-1.25", "2.45"}, {"-1.25", "2.45", "2.5"}},
};

INSTANTIATE_TEST_SUITE_P(Types, ListSorterTest, ::testing::ValuesIn(kSortCases),
                         [](const ::testing::TestParamInfo<SortCase>& info) { return info.param.name; });

struct CompareCase
{
    const char* name;
    const char* text1;
    const char* text2;
    LPARAM param;
    int sign; // of the answer
};

const CompareCase kCompareCases[] = {
    {"EqualIntegers", "7", "7", xtSortInt, 0},
    {"IntegersThatOverflowASubtraction", "2147483647", "-2147483648", xtSortInt, 1},
    {"IntegersThatOverflowDescending", "2147483647", "-2147483648", -xtSortInt, -1},
    {"EqualStrings", "same", "same", xtSortString, 0},
    {"EqualDates", "1/15/2024", "1/15/2024", xtSortDate, 0},
    {"UnparsableDate", "not a date", "1/15/2024", xtSortDate, 0},
    {"UnparsableDateDescending", "1/15/2024", "never", -xtSortDate, 0},
    {"EqualDecimals", "2.50", "2.5", xtSortDecimal, 0},
    {"UnknownType", "1", "2", 9, 0},
};

class ListSorterCompareTest : public ::testing::TestWithParam<CompareCase>
{};

TEST_P(ListSorterCompareTest, AnswersTheSignOfTheOrder)
{
    const CompareCase& c = GetParam();
    int nResult = CXTListSorter::Compare(c.text1, c.text2, c.param);
    EXPECT_EQ((nResult > 0) - (nResult < 0), c.sign);
}

INSTANTIATE_TEST_SUITE_P(Pairs, ListSorterCompareTest, ::testing::ValuesIn(kCompareCases),
                         [](const ::testing::TestParamInfo<CompareCase>& info) { return info.param.name; });

} // namespace
