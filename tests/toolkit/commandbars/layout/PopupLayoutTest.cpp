// The popup arithmetic as plain functions: where a popup goes in the work
// area (PlacePopup) and how its rows stack in one column (LayoutPopupRows).
// The work area is 1000 x 795 (its bottom already lifted by the caller)
// unless a row says otherwise.
#include "toolkit/commandbars/layout/XTPPopupLayout.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const CRect kWork(0, 0, 1000, 795);
const CRect kNone(0, 0, 0, 0);
const int L = xtpPopupLeft, D = xtpPopupDown;

// "left top right bottom", then " left" and " down" for the flags and
// " scroll" when the popup must scroll.
std::string Placed(CPoint pt, CRect rcExclude, int nFlags, CSize size, CRect rcWork = kWork)
{
    const XTPPopupPlacement p = PlacePopup(pt, rcExclude, nFlags, size, rcWork);
    std::ostringstream os;
    os << p.rcWindow.left << " " << p.rcWindow.top << " " << p.rcWindow.right << " " << p.rcWindow.bottom
       << (p.nFlags & L ? " left" : "") << (p.nFlags & D ? " down" : "") << (p.bScroll ? " scroll" : "");
    return os.str();
}

// Context menus (nothing excluded) first, then drop-downs below their owner
// and submenus beside theirs.
TEST(PopupLayout, PlacesThePopupInTheWorkArea)
{
    EXPECT_EQ("100 100 150 160", Placed({100, 100}, kNone, 0, {50, 60})) << "a context menu that fits";
    EXPECT_EQ("100 500 150 700", Placed({100, 700}, kNone, 0, {50, 200})) << "low down it opens above";
    EXPECT_EQ("100 195 150 795", Placed({100, 300}, kNone, 0, {50, 600})) << "tall and high up it is lifted";
    EXPECT_EQ("950 100 1000 160", Placed({980, 100}, kNone, 0, {50, 60})) << "at the right edge: pushed left";
    EXPECT_EQ("960 100 1010 160", Placed({1010, 100}, kNone, 0, {50, 60}))
        << "past the edge: left of the point";
    EXPECT_EQ("250 100 300 160 left", Placed({300, 100}, kNone, L, {50, 60})) << "right-aligned";
    EXPECT_EQ("100 40 180 140 down", Placed({100, 40}, {100, 20, 140, 40}, D, {80, 100}))
        << "below its owner";
    EXPECT_EQ("100 500 180 700 down", Placed({100, 720}, {100, 700, 140, 720}, D, {80, 200}))
        << "near the bottom above its owner";
    EXPECT_EQ("100 0 180 600 down scroll", Placed({100, 620}, {100, 600, 140, 620}, D, {80, 700}))
        << "too tall: scrolls above a low owner";
    EXPECT_EQ("100 320 180 795 down scroll", Placed({100, 320}, {100, 300, 140, 320}, D, {80, 700}))
        << "too tall: scrolls below a high owner";
    EXPECT_EQ("820 100 900 150 left", Placed({990, 100}, {900, 100, 990, 120}, 0, {80, 50}))
        << "a submenu without room on the right opens left";
    EXPECT_EQ("220 100 300 150 left", Placed({390, 100}, {300, 100, 390, 120}, L, {80, 50}))
        << "a submenu of a left submenu opens left";
    EXPECT_EQ("110 100 190 150", Placed({110, 100}, {20, 100, 110, 120}, L, {80, 50}))
        << "a left submenu at the left edge turns right";
    // A second monitor below the first: half of its work area is measured
    // from its own top. One left of the primary: the left edge is its own.
    EXPECT_EQ("100 1219 150 1819", Placed({100, 1300}, kNone, 0, {50, 600}, {0, 1024, 1000, 1819}))
        << "tall and high up on a lower monitor";
    EXPECT_EQ("-1000 100 -950 160", Placed({-980, 100}, kNone, L, {50, 60}, {-1000, 0, 0, 795}))
        << "right-aligned at a left monitor's left edge";
}

XTPPopupRow Row(int cx, BOOL bBeginGroup = FALSE, BOOL bVisible = TRUE)
{
    return XTPPopupRow{CSize(cx, 22), bVisible, bBeginGroup, FALSE, CRect(0, 0, 0, 0)};
}

const XTPPopupRow kExpandRow = {CSize(0, 0), TRUE, FALSE, TRUE, CRect(0, 0, 0, 0)};

// The popup's size, then "left top right bottom" of each visible row.
std::string Stacked(std::vector<XTPPopupRow> rows, int nMaxWidth = 0, int nExpandHeight = 0)
{
    const CSize size = LayoutPopupRows(rows, CRect(2, 4, 2, 4), 3, nMaxWidth, nExpandHeight);
    std::ostringstream os;
    os << size.cx << "x" << size.cy;
    for (const XTPPopupRow& row : rows)
    {
        if (row.bVisible)
            os << ", " << row.rect.left << " " << row.rect.top << " " << row.rect.right << " "
               << row.rect.bottom;
    }
    return os.str();
}

TEST(PopupLayout, StacksRowsInOneColumn)
{
    EXPECT_EQ("64x52, 2 4 62 26, 2 26 62 48", Stacked({Row(40), Row(60)})) << "rows take the widest width";
    EXPECT_EQ("64x55, 2 4 62 26, 2 29 62 51", Stacked({Row(40), Row(60, TRUE)}))
        << "a group adds the separator";
    EXPECT_EQ("64x30, 2 4 62 26", Stacked({Row(40, FALSE, FALSE), Row(60, TRUE)}))
        << "no separator before the first shown row";
    EXPECT_EQ("304x52, 2 4 302 26, 2 26 302 48", Stacked({Row(500), Row(60)}, 300))
        << "a wide row is cut and every row takes the cut width";
    EXPECT_EQ("504x30, 2 4 502 26", Stacked({Row(500)})) << "no limit without a maximum";
    EXPECT_EQ("26x26", Stacked({})) << "an empty popup ends at 22";
    EXPECT_EQ("26x30, 2 4 24 26", Stacked({Row(10)})) << "a narrow popup is 22 wide";
    EXPECT_EQ("44x42, 2 4 42 26, 2 26 42 38", Stacked({Row(40), kExpandRow}, 0, 12))
        << "the expand button takes the full width below";
}

} // namespace
