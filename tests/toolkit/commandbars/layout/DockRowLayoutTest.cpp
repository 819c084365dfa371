#include "toolkit/commandbars/layout/XTPDockRowLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RowBar
{
    int nRowIndex, nStart, nWidth, nMinLength;
};

// The row's outcome: "left-right" of each bar in input order, or "leaves N"
// when bar N (input index) must go to another row.
std::string AdjustRow(const std::vector<RowBar>& bars, int nLength)
{
    std::vector<XTPDockRowBar> row;
    for (size_t i = 0; i < bars.size(); i++)
        row.push_back(
            {(int)i, bars[i].nRowIndex, bars[i].nStart, CSize(bars[i].nWidth, 22), bars[i].nMinLength});
    std::vector<CRect> rects;
    int nRemove = -1;
    if (!XTPAdjustDockRow(row, nLength, rects, nRemove))
        return "leaves " + std::to_string(nRemove);
    std::string result;
    for (const CRect& rc : rects)
    {
        EXPECT_EQ(0, rc.top);
        EXPECT_EQ(22, rc.bottom);
        result += (result.empty() ? "" : " ") + std::to_string(rc.left) + "-" + std::to_string(rc.right);
    }
    return result;
}

// Bars are given as {row index, dropped start, width, least length}.
TEST(DockRowLayout, PlacesBarsOrNamesTheOneToLeave)
{
    EXPECT_EQ("10-50 100-150", AdjustRow({{0, 10, 40, 200}, {1, 100, 50, 200}}, 200))
        << "bars keep their places";
    EXPECT_EQ("0-40 40-70", AdjustRow({{0, 0, 40, 200}, {1, 20, 30, 200}}, 200))
        << "a later bar is pushed right";
    EXPECT_EQ("130-170", AdjustRow({{0, 150, 40, 170}}, 170)) << "a bar past the end comes back";
    EXPECT_EQ("80-130 130-180", AdjustRow({{0, 100, 50, 180}, {1, 120, 50, 180}}, 180))
        << "a neighbour is pushed left from the end";
    EXPECT_EQ("0-50 50-100", AdjustRow({{1, 0, 50, 200}, {0, 30, 50, 200}}, 200))
        << "a bar pushed out of the start comes back";
    EXPECT_EQ("0-60 60-100", AdjustRow({{0, 0, 60, 30}, {1, 60, 60, 30}}, 100))
        << "bars are squeezed to their minimums";
    EXPECT_EQ("leaves 1", AdjustRow({{0, 0, 60, 100}, {1, 60, 60, 100}}, 100))
        << "the second bar without room leaves";
    EXPECT_EQ("leaves 0", AdjustRow({{1, 60, 60, 100}, {0, 0, 60, 100}}, 100))
        << "the rightmost leaves whatever its input place";
    EXPECT_EQ("0-100", AdjustRow({{0, 10, 150, 100}}, 100)) << "a single bar is squeezed to the row";
    EXPECT_EQ("50-80 20-50", AdjustRow({{1, 20, 30, 200}, {0, 20, 30, 200}}, 200))
        << "equal starts are ordered by row index";
    EXPECT_EQ("20-50 50-80", AdjustRow({{0, 20, 30, 200}, {1, 20, 30, 200}}, 200))
        << "equal starts, the other way round";
}

} // namespace
