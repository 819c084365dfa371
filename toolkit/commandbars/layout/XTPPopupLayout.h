#pragma once
// The arithmetic of a popup bar, kept out of the window so that it can be
// checked as plain functions: where a popup of a given size goes in the work
// area (PlacePopup), and how its rows are stacked in one column
// (LayoutPopupRows).
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
};

// Stacks the visible rows from rcBorder.top downwards: a group adds
// nSeparator before a row (not before the first shown), a row wider than
// nMaxWidth is cut to it (no limit when 0 or less), every row takes the
// widest width, which is at least 22; an empty popup ends at 22. The expand
// button, when visible, takes nExpandHeight below the last row. Returns the
// popup's size with the borders.
CSize LayoutPopupRows(std::vector<XTPPopupRow>& rows, const CRect& rcBorder, int nSeparator, int nMaxWidth,
                      int nExpandHeight);
