// The popup arithmetic as plain functions: where a popup goes in the work
// area (PlacePopup) and how its rows stack in one column (LayoutPopupRows).
// The work area is 1000 x 795 (its bottom already lifted by the caller)
// unless a row says otherwise.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/XTPPopupLayout.h"

#include <gtest/gtest.h>

namespace {

struct PlacementCase
{
    // A constructor, so that a row takes the formatter's packed call layout.
    PlacementCase(const char* pszName, CPoint ptAt, CRect rcExcluded, int nFlagsIn, CSize szPopup,
                  CRect rcArea, CRect rcWindow, int nFlagsOut, BOOL bScroll)
        : name(pszName), pt(ptAt), rcExclude(rcExcluded), nFlags(nFlagsIn), size(szPopup), rcWork(rcArea),
          rcExpected(rcWindow), nFlagsExpected(nFlagsOut), bScrollExpected(bScroll)
    {}
    const char* name;
    CPoint pt;
    CRect rcExclude;
    int nFlags;
    CSize size;
    CRect rcWork;
    CRect rcExpected;
    int nFlagsExpected;
    BOOL bScrollExpected;
};

const CRect kWork(0, 0, 1000, 795);
const CRect kNone(0, 0, 0, 0);
const int L = xtpPopupLeft, D = xtpPopupDown;

class PlacePopupTest : public testing::TestWithParam<PlacementCase>
{};

TEST_P(PlacePopupTest, Places)
{
    const PlacementCase& c = GetParam();
    XTPPopupPlacement placement = PlacePopup(c.pt, c.rcExclude, c.nFlags, c.size, c.rcWork);
    EXPECT_EQ(c.rcExpected, placement.rcWindow);
    EXPECT_EQ(c.nFlagsExpected, placement.nFlags);
    EXPECT_EQ(c.bScrollExpected, placement.bScroll);
}

INSTANTIATE_TEST_SUITE_P(
    Popups, PlacePopupTest,
    testing::Values(PlacementCase("ContextMenuThatFits", {100, 100}, kNone, 0, {50, 60}, kWork,
                                  {100, 100, 150, 160}, 0, FALSE),
                    PlacementCase("ContextMenuInTheLowerHalfOpensAbove", {100, 700}, kNone, 0, {50, 200},
                                  kWork, {100, 500, 150, 700}, 0, FALSE),
                    PlacementCase("TallContextMenuInTheUpperHalfIsLifted", {100, 300}, kNone, 0, {50, 600},
                                  kWork, {100, 195, 150, 795}, 0, FALSE),
                    PlacementCase("ContextMenuAtTheRightEdgeIsPushedLeft", {980, 100}, kNone, 0, {50, 60},
                                  kWork, {950, 100, 1000, 160}, 0, FALSE),
                    PlacementCase("ContextMenuPastTheRightEdgeOpensLeftOfThePoint", {1010, 100}, kNone, 0,
                                  {50, 60}, kWork, {960, 100, 1010, 160}, 0, FALSE),
                    PlacementCase("RightAlignedContextMenu", {300, 100}, kNone, L, {50, 60}, kWork,
                                  {250, 100, 300, 160}, L, FALSE),
                    PlacementCase("DropDownBelowItsOwner", {100, 40}, {100, 20, 140, 40}, D, {80, 100}, kWork,
                                  {100, 40, 180, 140}, D, FALSE),
                    PlacementCase("DropDownNearTheBottomOpensAboveItsOwner", {100, 720}, {100, 700, 140, 720},
                                  D, {80, 200}, kWork, {100, 500, 180, 700}, D, FALSE),
                    PlacementCase("DropDownTooTallScrollsAboveALowOwner", {100, 620}, {100, 600, 140, 620}, D,
                                  {80, 700}, kWork, {100, 0, 180, 600}, D, TRUE),
                    PlacementCase("DropDownTooTallScrollsBelowAHighOwner", {100, 320}, {100, 300, 140, 320},
                                  D, {80, 700}, kWork, {100, 320, 180, 795}, D, TRUE),
                    PlacementCase("SubmenuWithoutRoomOnTheRightOpensLeft", {990, 100}, {900, 100, 990, 120},
                                  0, {80, 50}, kWork, {820, 100, 900, 150}, L, FALSE),
                    PlacementCase("SubmenuOfALeftSubmenuOpensLeft", {390, 100}, {300, 100, 390, 120}, L,
                                  {80, 50}, kWork, {220, 100, 300, 150}, L, FALSE),
                    PlacementCase("LeftSubmenuAtTheLeftEdgeTurnsRight", {110, 100}, {20, 100, 110, 120}, L,
                                  {80, 50}, kWork, {110, 100, 190, 150}, 0, FALSE),
                    // A second monitor below the first: half of its work area is
                    // measured from its own top.
                    PlacementCase("TallContextMenuInTheUpperHalfOfALowerMonitor", {100, 1300}, kNone, 0,
                                  {50, 600}, {0, 1024, 1000, 1819}, {100, 1219, 150, 1819}, 0, FALSE),
                    // A monitor left of the primary one: the left edge is its own.
                    PlacementCase("RightAlignedMenuAtTheLeftEdgeOfALeftMonitor", {-980, 100}, kNone, L,
                                  {50, 60}, {-1000, 0, 0, 795}, {-1000, 100, -950, 160}, 0, FALSE)),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

struct RowsCase
{
    RowsCase(const char* name_, const std::vector<XTPPopupRow>& rows_, int nSeparator_, int nMaxWidth_,
             int nExpandHeight_, const std::vector<CRect>& rects_, CSize size_)
        : name(name_), rows(rows_), nSeparator(nSeparator_), nMaxWidth(nMaxWidth_),
          nExpandHeight(nExpandHeight_), rects(rects_), size(size_)
    {}
    const char* name;
    std::vector<XTPPopupRow> rows;
    int nSeparator;
    int nMaxWidth;
    int nExpandHeight;
    std::vector<CRect> rects; // of the visible rows, in order
    CSize size;
};

XTPPopupRow Row(int cx, BOOL bBeginGroup = FALSE, BOOL bVisible = TRUE)
{
    return XTPPopupRow{CSize(cx, 22), bVisible, bBeginGroup, FALSE, CRect(0, 0, 0, 0)};
}

XTPPopupRow ExpandRow()
{
    return XTPPopupRow{CSize(0, 0), TRUE, FALSE, TRUE, CRect(0, 0, 0, 0)};
}

class LayoutPopupRowsTest : public testing::TestWithParam<RowsCase>
{};

TEST_P(LayoutPopupRowsTest, Stacks)
{
    RowsCase c = GetParam();
    const CRect rcBorder(2, 4, 2, 4);
    CSize size = LayoutPopupRows(c.rows, rcBorder, c.nSeparator, c.nMaxWidth, c.nExpandHeight);
    EXPECT_EQ(c.size, size);
    size_t nVisible = 0;
    for (const XTPPopupRow& row : c.rows)
    {
        if (!row.bVisible)
            continue;
        ASSERT_LT(nVisible, c.rects.size());
        EXPECT_EQ(c.rects[nVisible], row.rect) << "row " << nVisible;
        nVisible++;
    }
    EXPECT_EQ(c.rects.size(), nVisible);
}

INSTANTIATE_TEST_SUITE_P(
    Popups, LayoutPopupRowsTest,
    testing::Values(RowsCase("RowsTakeTheWidestWidth", {Row(40), Row(60)}, 3, 0, 0,
                             {{2, 4, 62, 26}, {2, 26, 62, 48}}, {64, 52}),
                    RowsCase("AGroupAddsTheSeparator", {Row(40), Row(60, TRUE)}, 3, 0, 0,
                             {{2, 4, 62, 26}, {2, 29, 62, 51}}, {64, 55}),
                    RowsCase("NoSeparatorBeforeTheFirstShownRow", {Row(40, FALSE, FALSE), Row(60, TRUE)}, 3,
                             0, 0, {{2, 4, 62, 26}}, {64, 30}),
                    RowsCase("AWideRowIsCutAndEveryRowTakesTheCutWidth", {Row(500), Row(60)}, 3, 300, 0,
                             {{2, 4, 302, 26}, {2, 26, 302, 48}}, {304, 52}),
                    RowsCase("NoLimitWithoutAMaximum", {Row(500)}, 3, 0, 0, {{2, 4, 502, 26}}, {504, 30}),
                    RowsCase("AnEmptyPopupEndsAt22", {}, 3, 0, 0, {}, {26, 26}),
                    RowsCase("ANarrowPopupIs22Wide", {Row(10)}, 3, 0, 0, {{2, 4, 24, 26}}, {26, 30}),
                    RowsCase("TheExpandButtonTakesTheFullWidthBelow", {Row(40), ExpandRow()}, 3, 0, 12,
                             {{2, 4, 42, 26}, {2, 26, 42, 38}}, {44, 42})),
    [](const testing::TestParamInfo<RowsCase>& info) { return std::string(info.param.name); });

} // namespace
