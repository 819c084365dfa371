// The task panel's arithmetic as plain functions: the grid of an image-only
// group, movement steps, the open group's height, scrolling the panel, the
// scroll buttons' places and scrolling inside one group.
#include "toolkit/taskpanel/XTPTaskPanelLayout.h"

#include "TaskPanelTestSupport.h"

#include <gtest/gtest.h>

namespace {

// "columns x rows, cell WxH: l t r b, ..."
std::string Grid(CRect rcWork, CSize szIcon, int nCount)
{
    std::vector<CRect> rcCells;
    const XTPTaskPanelGrid grid = XTPTaskPanelLayoutGrid(rcWork, szIcon, nCount, rcCells);
    std::string text = std::to_string(grid.nColumns) + "x" + std::to_string(grid.nRows) + ", cell "
                       + std::to_string(grid.szCell.cx) + "x" + std::to_string(grid.szCell.cy);
    for (const CRect& rc : rcCells)
        text += ": " + Text(rc);
    return text;
}

TEST(TaskPanelLayout, GridPlacesCellsRowByRow)
{
    EXPECT_EQ("2x2, cell 28x28: 10 5 38 33: 38 5 66 33: 10 33 38 61", Grid({10, 5, 80, 5}, {16, 16}, 3))
        << "two cells fit in 70 pixels";
    EXPECT_EQ("1x2, cell 28x28: 0 0 28 28: 0 28 28 56", Grid({0, 0, 20, 0}, {16, 16}, 2))
        << "narrower than a cell: still one column";
    EXPECT_EQ("3x1, cell 44x44", Grid({0, 0, 140, 0}, {32, 32}, 0)) << "an empty group reserves one row";
    EXPECT_EQ("3x1, cell 28x28: 0 0 28 28: 28 0 56 28: 56 0 84 28", Grid({0, 0, 84, 0}, {16, 16}, 3))
        << "exactly three cells wide";
    EXPECT_EQ("2x1, cell 28x22: 0 0 28 22", Grid({0, 0, 60, 0}, {16, 10}, 1)) << "icons need not be square";
}

TEST(TaskPanelLayout, AnimationClosesTheDistanceInTenSteps)
{
    // Steps 10, 9, ... 1 as the panel's timer counts them down.
    struct Row
    {
        const char* name;
        int nFrom, nTo;
        std::vector<int> expected;
    } rows[] = {
        {"down by 100: ten even steps", 0, 100, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        {"up by 37", 37, 0, {34, 31, 28, 24, 20, 16, 12, 8, 4, 0}},
        {"a short way moves a pixel a step", 0, 5, {1, 2, 3, 4, 5, 5, 5, 5, 5, 5}},
    };
    for (const Row& row : rows)
    {
        std::vector<int> values;
        int n = row.nFrom;
        for (int nStep = 10; nStep >= 1; nStep--)
            values.push_back(n = XTPTaskPanelAnimateEdge(n, row.nTo, nStep));
        EXPECT_EQ(row.expected, values) << row.name;
    }
    EXPECT_EQ(40, XTPTaskPanelAnimateEdge(3, 40, 0)) << "a step below 1 arrives at once";
    EXPECT_EQ("5 12 50 29", Text(XTPTaskPanelAnimateRect({5, 10, 50, 10}, {0, 30, 0, 200}, 10)))
        << "top and bottom move, the sides stay";
    EXPECT_EQ("0 30 0 200", Text(XTPTaskPanelAnimateRect({5, 10, 50, 10}, {0, 30, 0, 200}, 0)));
}

TEST(TaskPanelLayout, OpenGroupFillsWhatTheOthersLeave)
{
    // Captions 20, outer margins 1 and 2, one other open group of 30.
    const std::vector<XTPTaskPanelGroupShare> groups = {{20, 1, 2, 0}, {20, 1, 2, 30}, {25, 0, 0, 0}};
    EXPECT_EQ(265, XTPTaskPanelMinClientHeight(400, groups, 6, 10, 12));
    EXPECT_EQ(100 - 20, XTPTaskPanelMinClientHeight(100, {{20, 0, 0, 0}}, 15, 0, 0))
        << "no spacing with one group";
    EXPECT_EQ(-30, XTPTaskPanelMinClientHeight(10, {{20, 0, 0, 0}, {20, 0, 0, 0}}, 0, 0, 0))
        << "a panel too low for the captions leaves nothing (below zero)";
}

TEST(TaskPanelLayout, ScrollingBringsARectangleIntoView)
{
    struct Row
    {
        const char* name;
        CRect rc;
        int nPos;
        int expected;
    } rows[] = {
        {"already seen", {0, 120, 10, 180}, 100, 100},
        {"above: up to its top", {0, 40, 10, 80}, 100, 40},
        {"partly above", {0, 90, 10, 130}, 100, 90},
        {"below: its bottom at the view's bottom", {0, 250, 10, 350}, 100, 150},
        {"taller than the view: its top at the top", {0, 250, 10, 500}, 100, 250},
        {"bottom exactly at the view's bottom", {0, 260, 10, 300}, 100, 100},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, XTPTaskPanelScrollToShow(row.rc, row.nPos, 200)) << row.name;
}

TEST(TaskPanelLayout, ScrollRequestsStayWithinTheLimit)
{
    struct Row
    {
        const char* name;
        UINT nCode;
        int nThumb, nPos, expected;
    } rows[] = {
        {"line down", SB_LINEDOWN, 0, 50, 56},    {"line up", SB_LINEUP, 0, 50, 44},
        {"line up at the top", SB_LINEUP, 0, 3, 0}, {"page down", SB_PAGEDOWN, 0, 50, 150},
        {"page down past the end", SB_PAGEDOWN, 0, 250, 300}, {"page up", SB_PAGEUP, 0, 150, 50},
        {"thumb track", SB_THUMBTRACK, 123, 0, 123}, {"thumb past the end", SB_THUMBPOSITION, 999, 0, 300},
        {"top", SB_TOP, 0, 80, 0},                  {"bottom", SB_BOTTOM, 0, 80, 300},
        {"end of scrolling keeps it", SB_ENDSCROLL, 0, 80, 80},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, XTPTaskPanelScrollRequest(row.nCode, row.nThumb, row.nPos, 100, 300)) << row.name;
    EXPECT_EQ(40, XTPTaskPanelWheelScroll(50, 120, 300)) << "a notch up";
    EXPECT_EQ(60, XTPTaskPanelWheelScroll(50, -120, 300)) << "a notch down";
    EXPECT_EQ(0, XTPTaskPanelWheelScroll(4, 120, 300));
    EXPECT_EQ(300, XTPTaskPanelWheelScroll(295, -120, 300));
}

TEST(TaskPanelLayout, ScrollButtonsGoInTheClientAreaOrTheCaptions)
{
    XTPTaskPanelScrollButtonFrame frame = {};
    frame.rcCaption = CRect(10, 50, 190, 75);
    frame.rcClient = CRect(10, 75, 190, 300);
    frame.nCaptionRight = 185;
    frame.rcNextCaption = CRect(10, 320, 190, 340);
    frame.nNextCaptionRight = 180;
    frame.nBottom = 390;
    CRect rcUp, rcDown;
    BOOL bInNext = TRUE;

    XTPTaskPanelPlaceScrollButtons(frame, rcUp, rcDown, bInNext);
    EXPECT_EQ("170 79 186 95, 170 280 186 296, not in a caption",
              Text(rcUp) + ", " + Text(rcDown) + (bInNext ? ", next caption" : ", not in a caption"));

    frame.bCaptionButtons = TRUE;
    frame.bNextGroup = TRUE;
    XTPTaskPanelPlaceScrollButtons(frame, rcUp, rcDown, bInNext);
    EXPECT_EQ("160 50 185 75, 160 320 180 340, next caption",
              Text(rcUp) + ", " + Text(rcDown) + (bInNext ? ", next caption" : ", not in a caption"));

    frame.bNextGroup = FALSE;
    XTPTaskPanelPlaceScrollButtons(frame, rcUp, rcDown, bInNext);
    EXPECT_EQ("160 50 185 75, 160 365 185 390, not in a caption",
              Text(rcUp) + ", " + Text(rcDown) + (bInNext ? ", next caption" : ", not in a caption"))
        << "after the last group: the bottom-right corner";

    EXPECT_EQ("10 50 144 75", Text(XTPTaskPanelCaptionBeforeButton({10, 50, 190, 75}, {160, 50, 185, 75}, 15)));
}

// Items 20 high from y = 8 (the inner top margin), one per row.
std::vector<CRect> Rows(int nCount)
{
    std::vector<CRect> rcItems;
    for (int i = 0; i < nCount; i++)
        rcItems.push_back(CRect(0, 8 + 20 * i, 100, 28 + 20 * i));
    return rcItems;
}

TEST(TaskPanelLayout, GroupScrollsItsItemsByTheFirstShownOne)
{
    const std::vector<CRect> rcItems = Rows(10);
    EXPECT_EQ(0, XTPTaskPanelGroupScrollOffset(rcItems, 0, 8));
    EXPECT_EQ(60, XTPTaskPanelGroupScrollOffset(rcItems, 3, 8));
    EXPECT_EQ(0, XTPTaskPanelGroupScrollOffset(rcItems, 10, 8)) << "out of range";

    EXPECT_FALSE(XTPTaskPanelCanScrollUp(rcItems, 0));
    EXPECT_TRUE(XTPTaskPanelCanScrollUp(rcItems, 1));
    EXPECT_FALSE(XTPTaskPanelCanScrollUp({}, 1)) << "never without items";
    EXPECT_TRUE(XTPTaskPanelCanScrollDown(rcItems, 0, 8, 100)) << "ends at 208, 100 are seen";
    EXPECT_FALSE(XTPTaskPanelCanScrollDown(rcItems, 6, 8, 100)) << "ends at 208 - 120";
    EXPECT_TRUE(XTPTaskPanelCanScrollDown(rcItems, 5, 8, 100)) << "ends at 208 - 100";
    EXPECT_FALSE(XTPTaskPanelCanScrollDown({}, 0, 8, 100));

    struct Row
    {
        const char* name;
        int nFirst, nIndex, nPerRow, expected;
    } rows[] = {
        {"seen: unchanged", 0, 3, 1, 0},
        {"below: the first shown moves until it fits", 0, 6, 1, 3},
        {"far below", 0, 9, 1, 6},
        {"above: becomes the first", 5, 2, 1, 2},
        {"above in a grid: its row's first", 6, 5, 2, 4},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, XTPTaskPanelFirstVisibleFor(rcItems, row.nFirst, row.nIndex, row.nPerRow, 8, 90))
            << row.name;
    EXPECT_EQ(2, XTPTaskPanelFirstVisibleFor(Rows(3), 0, 2, 1, 8, 20))
        << "taller than the group: its top reaches the margin";
}

} // namespace
