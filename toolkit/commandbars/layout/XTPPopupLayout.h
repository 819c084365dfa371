#pragma once
// The arithmetic of a popup bar, kept out of the window so that it can be
// checked as plain functions: where a popup of a given size goes in the work
// area (PlacePopup), and how its rows are stacked in one column
// (LayoutPopupRows), and how a popup cut to the work area shows a part of
// them between its scroll areas (LayoutScrolledRows).
#include "framework/Core.h"

#include <vector>

// Popup flags: open to the left of the point or the owner (right edges
// aligned), and drop below an owner that stands on a horizontal bar.
enum XTPPopupFlags
{
    xtpPopupLeft = 1,
    xtpPopupDown = 2
};

// Where a popup goes: its window rectangle, its flags after placement
// (xtpPopupLeft may change) and whether it is cut to the work area and must
// scroll.
struct XTPPopupPlacement
{
    CRect rcWindow;
    int nFlags;
    BOOL bScroll;
};

// Places a popup of size sz opening at pt, keeping clear of the owner's
// rectangle rcExclude (screen; empty for a context menu), inside the work
// area rcWork (its bottom already lifted by the caller's margin).
XTPPopupPlacement PlacePopup(CPoint pt, const CRect& rcExclude, int nFlags, CSize sz, const CRect& rcWork);

// One row of a popup column: what the layout reads and, after it, where the
// row goes.
struct XTPPopupRow
{
    CSize size; // the control's own size
    BOOL bVisible;
    BOOL bBeginGroup;
    BOOL bExpandButton; // the expand button: full width below the last row
    CRect rect;         // out
    BOOL bScrolledOut;  // out of LayoutScrolledRows: not placed, hidden by scrolling
};

// The widest a popup row may be: dRatio of the work area's right edge
// (rounded down); 0, no limit, when dRatio is 0 or less.
int PopupMaxRowWidth(int nWorkAreaRight, double dRatio);

// Stacks the visible rows from rcBorder.top downwards: a group adds
// nSeparator before a row (not before the first shown), a row wider than
// nMaxWidth is cut to it (no limit when 0 or less), every row takes the
// widest width, which is at least 22; an empty popup ends at 22. The expand
// button, when visible, takes nExpandHeight below the last row. Returns the
// popup's size with the borders.
CSize LayoutPopupRows(std::vector<XTPPopupRow>& rows, const CRect& rcBorder, int nSeparator, int nMaxWidth,
                      int nExpandHeight);

// The height of the scroll areas of a popup cut to the work area.
const int kPopupScrollAreaHeight = 16;

// Which rows a scrolled popup shows: from nFirst to one before nLast, and
// the up and down areas (empty when that area is not shown).
struct XTPPopupScroll
{
    int nFirst;
    int nLast;
    CRect rcUp;
    CRect rcDown;
};

// Stacks the rows into a client area of szClient that is too short for all
// of them, from scroll.nFirst downwards (bFromBottom FALSE) or from
// scroll.nLast - 1 upwards (TRUE), keeping each row's height and horizontal
// place from the full layout (its rect). rcBorder holds the borders of the
// full layout (the tear-off strip in its top, the expand button's height in
// its bottom). Rows that do not fit are marked bScrolledOut; scroll gets the
// new first and last indexes and the areas that are shown. The expand button
// row is left to the caller.
void LayoutScrolledRows(std::vector<XTPPopupRow>& rows, CSize szClient, const CRect& rcBorder, int nSeparator,
                        BOOL bFromBottom, XTPPopupScroll& scroll);
