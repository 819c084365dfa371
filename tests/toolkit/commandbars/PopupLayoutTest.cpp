// The popup arithmetic as plain functions: where a popup goes in the work
// area (PlacePopup) and how its rows stack in one column (LayoutPopupRows).
// The work area is 1000 x 795 (its bottom already lifted by the caller)
// unless a row says otherwise.
#include "toolkit/commandbars/XTPPopupLayout.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const CRect kWork(0, 0, 1000, 795);
const CRect kNone(0, 0, 0, 0);
const int L = xtpPopupLeft, D = xtpPopupDown;

// "left top right bottom", then " left" and " down" for the flags and
// " scroll" when the popup must scroll.
std::string Placed(CPoint pt, CRect rcExclude, int nFlags, CSize size, CRect rcWork)
{
    const XTPPopupPlacement p = PlacePopup(pt, rcExclude, nFlags, size, rcWork);
    std::ostringstream os;
    os << p.rcWindow.left << " " << p.rcWindow.top << " " << p.rcWindow.right << " " << p.rcWindow.bottom
       << (p.nFlags & L ? " left" : "") << (p.nFlags & D ? " down" : "") << (p.bScroll ? " scroll" : "");
    return os.str();
}

TEST(PopupLayout, PlacesThePopupInTheWorkArea)
{
    const struct
    {
        const char* name;
        CPoint pt;
        CRect rcExclude;
        int nFlags;
        CSize size;
        const char* expected;
        CRect rcWork = kWork;
    } cases[] = {
        {"context menu that fits", CPoint(100, 100), kNone, 0, CSize(50, 60), "100 100 150 160"},
        {"context menu low down opens above", CPoint(100, 700), kNone, 0, CSize(50, 200), "100 500 150 700"},
        {"tall context menu high up is lifted", CPoint(100, 300), kNone, 0, CSize(50, 600),
         "100 195 150 795"},
        {"at the right edge: pushed left", CPoint(980, 100), kNone, 0, CSize(50, 60), "950 100 1000 160"},
        {"past the right edge: left of the point", CPoint(1010, 100), kNone, 0, CSize(50, 60),
         "960 100 1010 160"},
        {"right-aligned context menu", CPoint(300, 100), kNone, L, CSize(50, 60), "250 100 300 160 left"},
        {"drop-down below its owner", CPoint(100, 40), CRect(100, 20, 140, 40), D, CSize(80, 100),
         "100 40 180 140 down"},
        {"drop-down near the bottom opens above", CPoint(100, 720), CRect(100, 700, 140, 720), D,
         CSize(80, 200), "100 500 180 700 down"},
        {"too tall: scrolls above a low owner", CPoint(100, 620), CRect(100, 600, 140, 620), D,
         CSize(80, 700), "100 0 180 600 down scroll"},
        {"too tall: scrolls below a high owner", CPoint(100, 320), CRect(100, 300, 140, 320), D,
         CSize(80, 700), "100 320 180 795 down scroll"},
        {"submenu without room on the right opens left", CPoint(990, 100), CRect(900, 100, 990, 120), 0,
         CSize(80, 50), "820 100 900 150 left"},
        {"submenu of a left submenu opens left", CPoint(390, 100), CRect(300, 100, 390, 120), L,
         CSize(80, 50), "220 100 300 150 left"},
        {"left submenu at the left edge turns right", CPoint(110, 100), CRect(20, 100, 110, 120), L,
         CSize(80, 50), "110 100 190 150"},
        // A second monitor below the first: half of its work area is
        // measured from its own top.
        {"tall menu high up on a lower monitor", CPoint(100, 1300), kNone, 0, CSize(50, 600),
         "100 1219 150 1819", CRect(0, 1024, 1000, 1819)},
        // A monitor left of the primary one: the left edge is its own.
        {"right-aligned at a left monitor's left edge", CPoint(-980, 100), kNone, L, CSize(50, 60),
         "-1000 100 -950 160", CRect(-1000, 0, 0, 795)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, Placed(c.pt, c.rcExclude, c.nFlags, c.size, c.rcWork));
    }
}

XTPPopupRow Row(int cx, BOOL bBeginGroup = FALSE, BOOL bVisible = TRUE)
{
    return XTPPopupRow{CSize(cx, 22), bVisible, bBeginGroup, FALSE, CRect(0, 0, 0, 0)};
}

const XTPPopupRow kExpandRow = {CSize(0, 0), TRUE, FALSE, TRUE, CRect(0, 0, 0, 0)};

// The popup's size, then "left top right bottom" of each visible row.
std::string Stacked(std::vector<XTPPopupRow> rows, int nMaxWidth, int nExpandHeight)
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
    const struct
    {
        const char* name;
        std::vector<XTPPopupRow> rows;
        int nMaxWidth, nExpandHeight;
        const char* expected;
    } cases[] = {
        {"rows take the widest width", {Row(40), Row(60)}, 0, 0, "64x52, 2 4 62 26, 2 26 62 48"},
        {"a group adds the separator", {Row(40), Row(60, TRUE)}, 0, 0, "64x55, 2 4 62 26, 2 29 62 51"},
        {"no separator before the first shown row", {Row(40, 0, 0), Row(60, TRUE)}, 0, 0, "64x30, 2 4 62 26"},
        {"a wide row is cut for every row", {Row(500), Row(60)}, 300, 0, "304x52, 2 4 302 26, 2 26 302 48"},
        {"no limit without a maximum", {Row(500)}, 0, 0, "504x30, 2 4 502 26"},
        {"an empty popup ends at 22", {}, 0, 0, "26x26"},
        {"a narrow popup is 22 wide", {Row(10)}, 0, 0, "26x30, 2 4 24 26"},
        {"the expand button: full width below", {Row(40), kExpandRow}, 0, 12, "44x42, 2 4 42 26, 2 26 42 38"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, Stacked(c.rows, c.nMaxWidth, c.nExpandHeight));
    }
}

} // namespace
