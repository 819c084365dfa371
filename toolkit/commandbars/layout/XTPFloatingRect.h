#pragma once
// The rectangle arithmetic of floating bars, apart from any window: where a
// dragged bar's rectangle goes so that the cursor stays on it, which edges a
// sizing hit code (HTLEFT .. HTBOTTOMRIGHT) moves and what layout a resized
// tool bar asks for, where the window stands after it took its new size, and
// how a rectangle is brought back onto a monitor's work area. The bar
// tracker (docking/XTPBarTracker) runs its drag and resize loops on these.
//
//     XTPFloatingResize resize = XTPResizeFloatingBar(rcFloating, HTLEFT, ptNew - ptLast);
//     CSize size = pBar->CalcDynamicLayout(resize.nLength, resize.dwMode);
//     CRect rcNew = XTPPlaceResized(rcWindow, size, HTLEFT);   // keeps the right edge
#include "framework/Core.h"

// Moves the rectangle by as far as the point lies outside it on each axis,
// so that the point is inside (its right and bottom edges excluded); a
// point already inside changes nothing.
void XTPKeepPointInRect(CRect& rc, CPoint pt);

// The rectangle moved, not resized, so that it lies inside the area; one
// wider or higher than the area is aligned with the area's left or top edge.
CRect XTPMoveInsideArea(CRect rc, const CRect& rcArea);

// The rectangle with the edges a sizing hit code names moved by the delta:
// left for HTLEFT, HTTOPLEFT and HTBOTTOMLEFT, right for HTRIGHT, HTTOPRIGHT
// and HTBOTTOMRIGHT, top for HTTOP, HTTOPLEFT and HTTOPRIGHT, bottom for
// HTBOTTOM, HTBOTTOMLEFT and HTBOTTOMRIGHT. Any other code moves nothing.
CRect XTPMoveSizingEdges(CRect rc, int nHitTest, CSize delta);

// One step of resizing a floating tool bar: the floating rectangle with its
// edge moved, and the layout to ask the bar for (CalcDynamicLayout).
struct XTPFloatingResize
{
    CRect rcFloating; // the edge named by the hit code moved
    int nLength;      // the width for a left or right edge, else the height (never negative)
    DWORD dwMode;     // horizontal and commit, plus length-is-height for a top or bottom edge
};
// HTLEFT and HTRIGHT move the left or right edge by delta.cx; any other
// code the top or bottom edge it names by delta.cy.
XTPFloatingResize XTPResizeFloatingBar(const CRect& rcFloating, int nHitTest, CSize delta);

// The width a floating bar's next layout is given (its most-recently-used
// width) after a resize: the width asked for from a left or right edge; the
// window's own width from a top or bottom edge, which asked for a height
// (the width of the floating rectangle never moved then, and given to the
// next layout it would undo the resize).
int XTPResizedBarWidth(int nHitTest, const CRect& rcFloating, const CRect& rcWindow);

// The window's rectangle at its new size: it keeps the edges the hit code
// does not move (the right edge when the left one moves, the bottom edge
// when the top one moves, the top-left corner otherwise).
CRect XTPPlaceResized(const CRect& rcWindow, CSize size, int nHitTest);

// Where a bar floated by a double click opens: the remembered floating
// point, or the bar's current top-left when either remembered coordinate is
// below 1 (nothing remembered).
CPoint XTPFloatingTogglePoint(CPoint ptRemembered, CPoint ptCurrent);
