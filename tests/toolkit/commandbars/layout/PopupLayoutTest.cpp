// The popup arithmetic as plain functions: where a popup goes in the work
// area (PlacePopup), how its rows stack in one column (LayoutPopupRows) and
// which of them a popup cut to the work area shows (LayoutScrolledRows).
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
    return XTPPopupRow{CSize(cx, 22), bVisible, bBeginGroup, FALSE, CRect(0, 0, 0, 0), FALSE};
}

const XTPPopupRow kExpandRow = {CSize(0, 0), TRUE, FALSE, TRUE, CRect(0, 0, 0, 0), FALSE};

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

TEST(PopupLayout, TheWidestRowIsAPartOfTheWorkArea)
{
    struct Row
    {
        int nWorkAreaRight;
        double dRatio;
        int nMaxWidth;
    };
    const Row rows[] = {
        {1280, 1.0 / 3, 426}, {1281, 1.0 / 3, 427}, {1000, 0.5, 500}, {1280, 0, 0}, {1280, -1, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.nMaxWidth, PopupMaxRowWidth(row.nWorkAreaRight, row.dRatio))
            << row.nWorkAreaRight << " x " << row.dRatio;
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

// A scrolled popup of 100 x 120 with borders of 2 and separators of 3;
// every row is 20 high and keeps its horizontal place (2 to 98).
struct ScrollCase
{
    const char* name;
    int nRows;
    BOOL bFromBottom;
    int nFirst, nLast;   // the scroll state before
    int nGroupRow;       // a row that begins a group, -1 none
    int nHiddenRow;      // a row hidden apart from scrolling, -1 none
    int nTopBorder;      // the top border (a tear-off strip makes it larger)
    const char* pszShown; // "first-last", the areas, then each placed row
};

std::string Scrolled(const ScrollCase& c)
{
    std::vector<XTPPopupRow> rows;
    for (int i = 0; i < c.nRows; i++)
    {
        XTPPopupRow row{CSize(96, 20), i != c.nHiddenRow, i == c.nGroupRow, FALSE, CRect(2, 0, 98, 20), FALSE};
        rows.push_back(row);
    }
    XTPPopupScroll scroll = {c.nFirst, c.nLast, CRect(), CRect()};
    LayoutScrolledRows(rows, CSize(100, 120), CRect(2, c.nTopBorder, 2, 2), 3, c.bFromBottom, scroll);
    std::ostringstream os;
    os << scroll.nFirst << "-" << scroll.nLast;
    if (!scroll.rcUp.IsRectEmpty())
        os << " up " << scroll.rcUp.left << " " << scroll.rcUp.top << " " << scroll.rcUp.right << " "
           << scroll.rcUp.bottom;
    if (!scroll.rcDown.IsRectEmpty())
        os << " down " << scroll.rcDown.left << " " << scroll.rcDown.top << " " << scroll.rcDown.right << " "
           << scroll.rcDown.bottom;
    os << ":";
    for (int i = 0; i < c.nRows; i++)
    {
        if (!rows[i].bScrolledOut && rows[i].bVisible)
            os << " " << i << "@" << rows[i].rect.top;
    }
    return os.str();
}

const ScrollCase kScrollCases[] = {
    {"from the top: rows while the down area still fits", 10, FALSE, 0, 0, -1, -1, 2,
     "0-5 down 2 102 98 118: 0@2 1@22 2@42 3@62 4@82"},
    {"one row above is shown rather than an area", 10, FALSE, 1, 0, -1, -1, 2,
     "0-5 down 2 102 98 118: 0@2 1@22 2@42 3@62 4@82"},
    {"further down: the up area above", 10, FALSE, 3, 0, -1, -1, 2,
     "3-7 up 2 2 98 18 down 2 102 98 118: 3@18 4@38 5@58 6@78"},
    {"the last rows: no down area", 10, FALSE, 6, 0, -1, -1, 2, "6-10 up 2 2 98 18: 6@18 7@38 8@58 9@78"},
    {"from the bottom at the end: no down area", 10, TRUE, 0, 10, -1, -1, 2,
     "5-10 up 2 2 98 18: 5@18 6@38 7@58 8@78 9@98"},
    {"one row below is shown rather than an area", 10, TRUE, 0, 9, -1, -1, 2,
     "5-10 up 2 2 98 18: 5@18 6@38 7@58 8@78 9@98"},
    {"from the bottom in the middle: both areas", 10, TRUE, 0, 5, -1, -1, 2,
     "1-5 up 2 2 98 18 down 2 102 98 118: 1@22 2@42 3@62 4@82"},
    {"a group from the top adds its separator", 10, FALSE, 0, 0, 2, -1, 2,
     "0-4 down 2 102 98 118: 0@2 1@22 2@45 3@65"},
    {"a group from the bottom adds its separator above", 10, TRUE, 0, 10, 8, -1, 2,
     "6-10 up 2 2 98 18: 6@35 7@55 8@78 9@98"},
    {"a hidden row is skipped and stays hidden", 10, FALSE, 0, 0, -1, 1, 2,
     "0-6 down 2 102 98 118: 0@2 2@22 3@42 4@62 5@82"},
    {"a tall top border (tear-off strip) keeps the up area below it", 10, TRUE, 0, 10, -1, -1, 11,
     "6-10 up 2 11 98 27: 6@38 7@58 8@78 9@98"},
    {"everything fits from the top: nothing scrolled", 4, FALSE, 0, 0, -1, -1, 2, "0-4: 0@2 1@22 2@42 3@62"},
};

TEST(PopupLayout, ScrolledRowsShowWhatFitsBetweenTheAreas)
{
    for (const ScrollCase& c : kScrollCases)
        EXPECT_EQ(c.pszShown, Scrolled(c)) << c.name;
}

TEST(PopupLayout, ScrolledOutRowsAreMarkedAndTheExpandButtonIsLeftAlone)
{
    std::vector<XTPPopupRow> rows(8, XTPPopupRow{CSize(96, 20), TRUE, FALSE, FALSE, CRect(2, 0, 98, 20), FALSE});
    rows.back().bExpandButton = TRUE;
    rows.back().rect = CRect(2, 500, 98, 512);
    XTPPopupScroll scroll = {0, 0, CRect(), CRect()};
    LayoutScrolledRows(rows, CSize(100, 120), CRect(2, 2, 2, 14), 3, FALSE, scroll);
    EXPECT_EQ(4, scroll.nLast) << "the expand button's height is in the bottom border";
    for (int i = 0; i < 7; i++)
        EXPECT_EQ(i >= 4, rows[i].bScrolledOut) << "row " << i;
    EXPECT_FALSE(rows.back().bScrolledOut);
    EXPECT_EQ(CRect(2, 500, 98, 512), rows.back().rect) << "the caller places the expand button";
}

} // namespace
