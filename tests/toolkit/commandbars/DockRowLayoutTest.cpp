#include "toolkit/commandbars/XTPDockRowLayout.h"

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

TEST(DockRowLayout, PlacesBarsOrNamesTheOneToLeave)
{
    const struct
    {
        const char* name;
        int nLength;
        std::vector<RowBar> bars;
        const char* expected;
    } cases[] = {
        {"bars keep their dropped places", 200, {{0, 10, 40, 200}, {1, 100, 50, 200}}, "10-50 100-150"},
        {"a later bar is pushed right", 200, {{0, 0, 40, 200}, {1, 20, 30, 200}}, "0-40 40-70"},
        {"a bar past the end comes back", 170, {{0, 150, 40, 170}}, "130-170"},
        {"a neighbour is pushed left from the end",
         180,
         {{0, 100, 50, 180}, {1, 120, 50, 180}},
         "80-130 130-180"},
        {"a bar pushed out of the start comes back", 200, {{1, 0, 50, 200}, {0, 30, 50, 200}}, "0-50 50-100"},
        {"bars are squeezed to their minimums", 100, {{0, 0, 60, 30}, {1, 60, 60, 30}}, "0-60 60-100"},
        {"the second bar without room leaves", 100, {{0, 0, 60, 100}, {1, 60, 60, 100}}, "leaves 1"},
        {"the rightmost leaves whatever its input place",
         100,
         {{1, 60, 60, 100}, {0, 0, 60, 100}},
         "leaves 0"},
        {"a single bar is squeezed to the row", 100, {{0, 10, 150, 100}}, "0-100"},
        {"equal starts are ordered by row index", 200, {{1, 20, 30, 200}, {0, 20, 30, 200}}, "50-80 20-50"},
        {"equal starts, the other way round", 200, {{0, 20, 30, 200}, {1, 20, 30, 200}}, "20-50 50-80"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, AdjustRow(c.bars, c.nLength));
    }
}

} // namespace
