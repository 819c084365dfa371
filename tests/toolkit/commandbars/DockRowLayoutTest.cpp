#include "toolkit/commandbars/XTPDockRowLayout.h"

#include <gtest/gtest.h>

namespace {

struct RowBar
{
    int nRowIndex;
    int nStart;
    int nWidth;
    int nMinLength;
};

struct RowCase
{
    // A constructor, so that a row takes the formatter's packed call layout.
    RowCase(const char* name_, int nLength_, const std::vector<RowBar>& bars_,
            const std::vector<std::pair<int, int>>& spans_, int nRemove_)
        : name(name_), nLength(nLength_), bars(bars_), spans(spans_), nRemove(nRemove_)
    {}
    const char* name;
    int nLength;
    std::vector<RowBar> bars;
    // Expected left and right of each bar, in input order (when placed).
    std::vector<std::pair<int, int>> spans;
    int nRemove; // -1: the row holds; else the bar (input index) that leaves
};

std::vector<XTPDockRowBar> MakeRow(const std::vector<RowBar>& bars)
{
    std::vector<XTPDockRowBar> row;
    for (size_t i = 0; i < bars.size(); i++)
    {
        XTPDockRowBar bar = {(int)i, bars[i].nRowIndex, bars[i].nStart, CSize(bars[i].nWidth, 22),
                             bars[i].nMinLength};
        row.push_back(bar);
    }
    return row;
}

class DockRowLayoutTest : public testing::TestWithParam<RowCase>
{};

TEST_P(DockRowLayoutTest, PlacesBarsOrNamesTheOneToLeave)
{
    const RowCase& row = GetParam();
    std::vector<CRect> rects;
    int nRemove = -1;
    BOOL bPlaced = XTPAdjustDockRow(MakeRow(row.bars), row.nLength, rects, nRemove);
    if (row.nRemove >= 0)
    {
        EXPECT_FALSE(bPlaced);
        EXPECT_EQ(row.nRemove, nRemove);
        return;
    }
    ASSERT_TRUE(bPlaced);
    ASSERT_EQ(row.spans.size(), rects.size());
    for (size_t i = 0; i < rects.size(); i++)
    {
        EXPECT_EQ(row.spans[i].first, rects[i].left) << "bar " << i;
        EXPECT_EQ(row.spans[i].second, rects[i].right) << "bar " << i;
        EXPECT_EQ(0, rects[i].top);
        EXPECT_EQ(22, rects[i].bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DockRowLayoutTest,
    testing::Values(
        RowCase("KeepDroppedPlaces", 200, {{0, 10, 40, 200}, {1, 100, 50, 200}}, {{10, 50}, {100, 150}}, -1),
        RowCase("LaterBarPushedRight", 200, {{0, 0, 40, 200}, {1, 20, 30, 200}}, {{0, 40}, {40, 70}}, -1),
        RowCase("PastTheEndComesBack", 170, {{0, 150, 40, 170}}, {{130, 170}}, -1),
        RowCase("NeighbourPushedLeftFromTheEnd", 180, {{0, 100, 50, 180}, {1, 120, 50, 180}},
                {{80, 130}, {130, 180}}, -1),
        RowCase("BarPushedOutOfTheStartComesBack", 200, {{1, 0, 50, 200}, {0, 30, 50, 200}},
                {{0, 50}, {50, 100}}, -1),
        RowCase("SqueezedToMinimums", 100, {{0, 0, 60, 30}, {1, 60, 60, 30}}, {{0, 60}, {60, 100}}, -1),
        RowCase("SecondBarWithoutRoomLeaves", 100, {{0, 0, 60, 100}, {1, 60, 60, 100}}, {}, 1),
        RowCase("RightmostLeavesWhateverItsInputPlace", 100, {{1, 60, 60, 100}, {0, 0, 60, 100}}, {}, 0),
        RowCase("SingleBarSqueezedToTheRow", 100, {{0, 10, 150, 100}}, {{0, 100}}, -1),
        RowCase("EqualStartsOrderedByRowIndex", 200, {{1, 20, 30, 200}, {0, 20, 30, 200}},
                {{50, 80}, {20, 50}}, -1),
        RowCase("EqualStartsOrderedByRowIndexSwapped", 200, {{0, 20, 30, 200}, {1, 20, 30, 200}},
                {{20, 50}, {50, 80}}, -1)),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

} // namespace
