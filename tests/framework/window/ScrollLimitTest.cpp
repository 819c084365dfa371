// The largest thumb position of a scroll bar, shared by windows' own bars and
// scroll-bar controls.
#include "framework/window/ScrollLimit.h"

#include <gtest/gtest.h>

TEST(ScrollLimit, RangeLessOnePageNeverBelowTheMinimum)
{
    const struct
    {
        const char* name;
        int nMin, nMax;
        UINT nPage;
        int limit;
    } rows[] = {
        {"no page: the range's end", 0, 100, 0, 100},
        {"a page of ten", 0, 99, 10, 90},
        {"a range not starting at zero", 20, 80, 11, 70},
        {"a page larger than the range stops at the minimum", 10, 50, 200, 10},
        {"negative positions", -50, -10, 5, -14},
    };
    for (const auto& row : rows)
    {
        SCROLLINFO info = {};
        info.nMin = row.nMin;
        info.nMax = row.nMax;
        info.nPage = row.nPage;
        EXPECT_EQ(row.limit, ScrollLimit(info)) << row.name;
    }
}
