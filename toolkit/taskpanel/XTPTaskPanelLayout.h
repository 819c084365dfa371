#pragma once
// The arithmetic of a task panel, kept out of the window so that it can be
// checked as plain functions: the grid of an image-only group, one step of a
// group's opening or closing movement, the height the open group of a
// one-group-at-a-time panel may fill, scrolling a rectangle into view, the
// scroll bar's positions, the two scroll buttons' places and the scrolling
// of the items inside one group. The panel and its groups gather the
// numbers (from the painter's metrics and the groups' rectangles), call
// these and store the results. Rectangles are in content coordinates (the
// panel's client coordinates before scrolling) unless a line says otherwise.
#include "framework/Core.h"

#include <vector>

// ---- group items ----

// The grid of an image-only group: one cell per item, (icon + 12) square
// on each axis, as many columns as fit (at least one), rows counted with an
// empty group taking one.
struct XTPTaskPanelGrid
{
    CSize szCell;
    int nColumns;
    int nRows;
};

// Places nCount cells left to right and top to bottom from rcWork's
// top-left corner; rcCells receives one rectangle per item.
XTPTaskPanelGrid XTPTaskPanelLayoutGrid(const CRect& rcWork, CSize szIcon, int nCount,
                                        std::vector<CRect>& rcCells);

// ---- movement ----

// One step of a moving edge towards its target: the distance divided by
// nStep, at least 1 pixel; nStep below 1 jumps to the target.
int XTPTaskPanelAnimateEdge(int nCurrent, int nTarget, int nStep);

// One step of a group's drawn rectangle: top and bottom move by
// XTPTaskPanelAnimateEdge; nStep below 1 makes it the target at once.
CRect XTPTaskPanelAnimateRect(const CRect& rcCurrent, const CRect& rcTarget, int nStep);

// ---- the open group of a one-group-at-a-time panel ----

// What one group takes from the panel's height besides the open group's
// items: its caption, its outer margins and, for an expanded group that is
// not the open one, its own items (its target height less its caption).
struct XTPTaskPanelGroupShare
{
    int nCaptionHeight;
    int nOuterTop;
    int nOuterBottom;
    int nOtherClientHeight;
};

// The client height the open group may fill: the panel's client height less
// every group's share, the spacing between groups and the panel's top and
// bottom margins.
int XTPTaskPanelMinClientHeight(int nPanelHeight, const std::vector<XTPTaskPanelGroupShare>& groups,
                                int nGroupSpacing, int nMarginTop, int nMarginBottom);

// ---- scrolling the panel ----

// The scroll position that brings rc into a view of nClientHeight pixels
// now at nScrollPos: unchanged when rc is seen; up to its top when its top is
// above the view; its bottom at the view's bottom when it ends below, or its
// top at the view's top when it is taller than the view.
int XTPTaskPanelScrollToShow(const CRect& rc, int nScrollPos, int nClientHeight);

// The new position for a WM_VSCROLL request: lines of 6 pixels, pages of the
// client height, the thumb's position, the top and the bottom, kept within 0
// and nLimit.
int XTPTaskPanelScrollRequest(UINT nSBCode, int nThumbPos, int nScrollPos, int nClientHeight, int nLimit);

// A wheel move of the scroll bar: 10 pixels up for a positive delta, down
// for a negative one, kept within 0 and nLimit.
int XTPTaskPanelWheelScroll(int nScrollPos, short zDelta, int nLimit);

// ---- the scroll buttons of the open group ----

// The places a scroll button may take: the open group's caption and client
// area, the next group's caption when there is one, and where the buttons'
// right edge goes in each caption (client right less the panel's right
// margin and that group's right outer margin).
struct XTPTaskPanelScrollButtonFrame
{
    BOOL bCaptionButtons; // the painter puts the buttons in the captions
    CRect rcCaption;      // the open group's caption (current)
    CRect rcClient;       // the open group's client area (current)
    int nCaptionRight;
    BOOL bNextGroup;
    CRect rcNextCaption;
    int nNextCaptionRight;
    int nBottom; // the panel's content bottom: max(client bottom, content height) less the bottom margin
};

// Where the up and down buttons go. In captions: squares of the caption's
// height at the right end of the open group's caption (up) and of the next
// group's caption (down), or, after the last group, a square of the up
// button's side in the bottom-right corner. Otherwise 16 x 16 squares in the
// top-right and bottom-right corners of the open group's client area shrunk
// by 4. bDownInNextCaption tells whether the down button is in the next
// group's caption.
void XTPTaskPanelPlaceScrollButtons(const XTPTaskPanelScrollButtonFrame& frame, CRect& rcUp, CRect& rcDown,
                                    BOOL& bDownInNextCaption);

// A caption that holds a scroll button ends nGap + 1 pixels left of it.
CRect XTPTaskPanelCaptionBeforeButton(const CRect& rcCaption, const CRect& rcButton, int nGap);

// ---- scrolling inside one group ----

// The group's scroll offset when nFirstVisible is its first shown item: the
// item's top less the inner top margin, 0 for the first item or an index out
// of range. rcItems are the item rectangles in the group's item coordinates.
int XTPTaskPanelGroupScrollOffset(const std::vector<CRect>& rcItems, int nFirstVisible, int nInnerTop);

// The buttons' states: up when the first shown item is not the first; down
// when the last item's bottom, scrolled, lies below nVisibleHeight (the
// group's target height less its caption). Neither for a group without items.
BOOL XTPTaskPanelCanScrollUp(const std::vector<CRect>& rcItems, int nFirstVisible);
BOOL XTPTaskPanelCanScrollDown(const std::vector<CRect>& rcItems, int nFirstVisible, int nInnerTop,
                               int nVisibleHeight);

// The first shown item that brings item nIndex into view: an item above the
// first shown one becomes first (lowered to a multiple of nItemsPerRow); an
// item ending below the visible part is brought up one first item at a time
// until its bottom fits or its top reaches the inner top margin, at most to
// its own index.
int XTPTaskPanelFirstVisibleFor(const std::vector<CRect>& rcItems, int nFirstVisible, int nIndex,
                                int nItemsPerRow, int nInnerTop, int nVisibleHeight);

// ---- sizes and margins read from data ----

// The largest size or margin, in pixels, that loaded or transferred data
// may give an item or a group, and the largest icon: more than a screen
// shows. Beyond them a damaged or hostile value (an item 851,990 pixels
// high) would make every layout and paint of the panel as large.
const int XTPTaskPanelMaxLoadedExtent = 4096;
const int XTPTaskPanelMaxLoadedIcon = 256;

// cx and cy each kept within 0 and nMax.
CSize XTPTaskPanelClampLoadedSize(CSize sz, int nMax);
// Each edge kept within 0 and XTPTaskPanelMaxLoadedExtent; the unset
// rectangle (the painter's margins apply) stays as it is.
CRect XTPTaskPanelClampLoadedMargins(const CRect& rc);
