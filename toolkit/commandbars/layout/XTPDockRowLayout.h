#pragma once
// The arrangement of one row of docked tool bars, as plain geometry. The row
// runs along x from 0 to nLength (a dock bar on the left or right edge swaps
// x and y before and after). Each bar comes with where it was last dropped
// (its start along the row), its size for the row and the least length it
// may be squeezed to; the layout keeps bars at their dropped places where
// they fit, pushes them aside where they overlap, and squeezes them when the
// row is too short. When even squeezing fails and the row holds more than
// one bar, the layout names the bar that must leave the row.
//
//     std::vector<XTPDockRowBar> row = ...;   // one record per visible bar
//     std::vector<CRect> rects;
//     int nRemove;
//     if (!XTPAdjustDockRow(row, nLength, rects, nRemove))
//         ...move the bar whose nBar is nRemove to the next row, retry...
#include "framework/Core.h"

#include <vector>

struct XTPDockRowBar
{
    int nBar;       // the caller's name for the bar
    int nRowIndex;  // the bar's place in the dock bar's row; breaks ties
    int nStart;     // where it was dropped along the row
    CSize size;     // its size for the row: cx along the row, cy across
    int nMinLength; // the least length it may be squeezed to
};

// Places the bars (rects receives one rectangle per input record, in input
// order, with top 0). FALSE when a bar must leave the row: nRemove is then
// its nBar (the rightmost bar of the sorted row).
BOOL XTPAdjustDockRow(const std::vector<XTPDockRowBar>& bars, int nLength, std::vector<CRect>& rects,
                      int& nRemove);
