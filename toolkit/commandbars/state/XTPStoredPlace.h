#pragma once
// The places and sizes of bars read from stored state, bounded before the
// bars calculate with them. Stored data may be damaged or come from a
// screen that is gone, and the bars' layout adds sizes to places: a floating
// bar saved at x = 2^31-1 wrapped round and showed at 32767, off every
// screen. A stored place is moved into the bounds (a floating bar then
// lands on the work area like any other placed off the screen); a stored
// size larger than the bounds is refused, and so is an icon size no icon
// can take. Places on the screen are bounded by the virtual screen; places
// in a dock bar (its client coordinates) by what a window can have, the dock
// bar's layout then placing the bar.
//
//     const CRect rcBounds = XTPStoredBounds(XTPGetVirtualScreen(), szSavedScreen);
//     ptFloating = XTPBoundStoredPoint(ptFloating, rcBounds);
//     rcDocked = XTPBoundStoredRect(rcDocked, XTPDockedPlaceBounds());
//     if (!XTPIsStoredSizeInBounds(szClient, rcBounds)) ...   // keep the bar's own
#include "framework/Core.h"

class CXTPPropExchange;

// The largest side a screen can have: window coordinates end at 32767.
const int kXTPMaxScreenSide = 32767;

// The virtual screen (every monitor), or the primary screen where the
// system knows no virtual screen.
CRect XTPGetVirtualScreen();
// Where stored places may lie: the virtual screen, grown to cover the
// screen the state was saved on (0, 0 to its size) when that size is one a
// screen can have (each side 1 to kXTPMaxScreenSide).
CRect XTPStoredBounds(const CRect& rcVirtualScreen, CSize szSavedScreen);
// Where places in a dock bar's client coordinates may lie: 0 to
// kXTPMaxScreenSide on each axis, whatever the screens.
CRect XTPDockedPlaceBounds();
// The point moved into the bounds (their right and bottom edges excluded).
CPoint XTPBoundStoredPoint(CPoint pt, const CRect& rcBounds);
// The rectangle cut to the bounds' size and moved into them; a negative
// side becomes 0.
CRect XTPBoundStoredRect(const CRect& rc, const CRect& rcBounds);
// Each side from 0 to the bounds' own.
BOOL XTPIsStoredSizeInBounds(CSize size, const CRect& rcBounds);
// A stored width (a bar's remembered width, 32767 for none) from 0 to
// kXTPMaxScreenSide.
BOOL XTPIsStoredWidth(LONGLONG nWidth);
// An icon size (a bar's, the options') through an exchange. Loading keeps
// szIcon when the stored size is one no icon can take
// (CXTPImageManager::IsIconSizeAllowed): a size of thousands of pixels
// would have every icon scaled to it, for every layout and paint.
void XTPExchangeStoredIconSize(CXTPPropExchange* pPX, LPCTSTR pszKey, CSize& szIcon, CSize szDefault);
