#pragma once
// The arithmetic of the Button Editor's zoomed pixel grid, without a window:
// how big a cell is, which picture pixel a grid point shows, and the colours
// of the transparency checkerboard behind it.
//
//     CSize szCell = CXTPButtonEditorGridLayout::CellSize(CSize(160, 160), CSize(16, 16)); // 10 x 10
//     CPoint cell;
//     if (CXTPButtonEditorGridLayout::CellFromPoint(pt, szCell, CSize(16, 16), cell))
//         ... cell lies inside the picture ...
#include "framework/Gdi.h"

class CXTPButtonEditorGridLayout
{
public:
    // The cell of a picture pixel in a grid of szGrid: the grid's size over
    // the picture's, at least one pixel, so a small grid never divides by 0.
    static CSize CellSize(CSize szGrid, CSize szPicture);
    // The cells side by side with a one-pixel frame line past the last.
    static CSize GridSize(CSize szPicture, CSize szCell);
    // The picture pixel under a grid point; FALSE for a point outside the
    // picture (left of or above the grid, or past its last cell).
    static BOOL CellFromPoint(CPoint pt, CSize szCell, CSize szPicture, CPoint& cell);
    // The checkerboard of 4 x 4 squares behind transparent pixels: white
    // where ((x + 3) / 4 + (y + 3) / 4) is even, light grey where it is odd.
    static COLORREF CheckerColor(int x, int y);
    // A colour of straight alpha laid over the background, channel by
    // channel: background - (background - channel) * alpha / 255.
    static COLORREF Blend(COLORREF clrBackground, COLORREF clr, BYTE nAlpha);
};
