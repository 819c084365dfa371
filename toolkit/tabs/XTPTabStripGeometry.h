#pragma once
// The arithmetic of tab strips, apart from any window or device context: how
// margins turn with the row, how long a tab is, how a row too long for its room
// is shrunk or scrolled, where the small buttons go, how a caption is cut in
// the middle, how the stacked rows of appearance 8 stand, and how tab groups
// share an area. The painter, the appearances and the tab client feed these
// with numbers read from their objects and write the results back. Rows of
// both orientations are laid out once, through CXTPOrientation: its main
// axis runs along the row of tabs.
//
//     CRect rc = rcStrip;
//     XTPTabDeflateSides(rc, CRect(2, 1, 2, 2), xtpTabPositionLeft);   // frame
//     std::vector<int> lengths = {100, 80, 50};
//     XTPTabShrinkToFit(lengths, 200);                                  // 75 75 50
#include "toolkit/commandbars/layout/XTPOrientation.h"

#include "framework/Core.h"

#include <functional>
#include <vector>

// Where the row of tabs stands in the strip.
enum XTPTabPosition
{
    xtpTabPositionTop = 0,
    xtpTabPositionLeft = 1,
    xtpTabPositionBottom = 2,
    xtpTabPositionRight = 3
};

// How the painter lays the tabs out along the row.
enum XTPTabLayoutStyle
{
    xtpTabLayoutAutoSize = 0,   // each tab as long as its content
    xtpTabLayoutCompressed = 1, // tabs shrink to fit the row
    xtpTabLayoutFixed = 2,      // every tab the normal tab size
    xtpTabLayoutSelectedText = 3 // only the selected tab shows its caption
};

// Rows at the top and bottom run horizontally.
inline BOOL XTPTabIsHorizontal(int nPosition)
{
    return nPosition == xtpTabPositionTop || nPosition == xtpTabPositionBottom;
}
// Rows at the bottom and right stand at the far edge of their rectangle.
inline BOOL XTPTabIsFarSide(int nPosition)
{
    return nPosition == xtpTabPositionBottom || nPosition == xtpTabPositionRight;
}

// ---- Sides by position ----

// Side amounts (l, t, r, b) written for a row at the top, turned with the
// row: left (l, t, r, b) as (t, l, b, r), bottom as (l, b, r, t), right as
// (b, l, t, r). The result holds the amounts of the real left, top, right
// and bottom sides.
CRect XTPTabTurnSides(const CRect& rcSides, int nPosition);
// Moves the sides of rc inwards (deflate) or outwards (inflate) by the
// turned amounts.
void XTPTabDeflateSides(CRect& rc, const CRect& rcSides, int nPosition);
void XTPTabInflateSides(CRect& rc, const CRect& rcSides, int nPosition);

// The band nThickness thick at the tab side of rc: the top, left, bottom or
// right edge for the positions 0 to 3.
CRect XTPTabBandAtTabSide(const CRect& rc, int nThickness, int nPosition);

// ---- Tab lengths and the row ----

// nInsetLeft + nInsetRight + nContent, at least nMinimum when that is above
// 0 and at most nMaximum when that is 1 or more.
int XTPTabCalcTabLength(int nContent, int nMinimum, int nMaximum, int nInsetLeft, int nInsetRight);

// Shortens the longest tabs until the lengths add up to nAvailable: the
// longest ones come down to the next length, together, until the next step
// would overshoot; the last step takes the excess off them in equal integer
// parts (the remainder stays). A single tab becomes nAvailable; when even
// making all equal is not enough, every tab gets nAvailable / count. Nothing
// changes when the lengths already fit or there are none.
void XTPTabShrinkToFit(std::vector<int>& lengths, int nAvailable);

// A row scrolled back by -nOffset (nOffset <= 0) whose tabs, nTotal long,
// end before the row does: the offset that closes the gap (0 when all tabs
// fit, else the row length less the total). Any other offset stays.
int XTPTabFitScrollOffset(int nOffset, int nTotal, int nRowLength);

// The offset that brings the tab [nItemBegin, nItemEnd) into the header
// [nHeaderBegin, nHeaderEnd): a tab before the header's start moves to it
// (plus the leading margin), a tab past its end moves back to end there.
int XTPTabEnsureVisibleOffset(int nOffset, int nItemBegin, int nItemEnd, int nHeaderBegin, int nHeaderEnd,
                              int nLeadingMargin);

// ---- The small buttons at the end of the row ----

// Size of a strip button: 14 wide across a horizontal row, 15 high.
const CSize kTabButtonSize(14, 15);
// Room the scroll-forward button keeps for the buttons when it decides
// whether the row still runs past its end.
const int kTabScrollButtonsRoom = 28;
// Pixels one step of a scroll button moves the row.
const int kTabScrollStep = 20;

// The rectangle of a button of size sz at the far end of rcRow, which loses
// that much: across a horizontal row centred (cy - cy/2 above the centre,
// cy/2 below) at the right edge, cx wide; on a vertical row cx/2 either side
// of the centre at the bottom, cy high.
CRect XTPTabTakeButtonPlace(CRect& rcRow, BOOL bHorizontal, CSize sz = kTabButtonSize);

// Everything fits in the row and it is not scrolled: the tabs (nTotal long,
// scrolled by nOffset, led by nLeadingMargin) do not pass the row's length.
BOOL XTPTabRowFits(int nTotal, int nOffset, int nLeadingMargin, int nRowLength);
// The row still runs past the room left after the buttons.
BOOL XTPTabCanScrollForward(int nTotal, int nOffset, int nRowLength);

// ---- Captions ----

// Every "&&" stays one "&", every other "&" goes.
void XTPTabStripMnemonics(CString& strText);

// The text to draw for strText in nAvailable pixels, shortened in the middle:
// the text itself when it fits, "..." alone when the room is not wider than
// "...", else its start and end around "..." with as many characters as fit
// (the start takes the odd one). measure answers a text's width.
CString XTPTabMiddleEllipsis(const CString& strText, int nAvailable,
                             const std::function<int(const CString&)>& measure);

// ---- Stacked rows (appearance 8) ----

// The rows of nCount tabs nRowHeight high stacked in rc from the top; the
// rows after the selected one (-1: none) stand at the bottom so that the
// space between is the client area, but keep at least a row's height of it
// and never start below rc.bottom - 1.
std::vector<CRect> XTPTabStackRows(const CRect& rc, int nRowHeight, int nCount, int nSelected);
// The client area between the selected tab's row and the rows after it in
// rc (the strip's rectangle after the header margin); without a selected
// tab, below all rows. bFramed: a one-pixel frame surrounds the strip.
CRect XTPTabStackedClientRect(const CRect& rc, int nRowHeight, int nCount, int nSelected, BOOL bFramed);
