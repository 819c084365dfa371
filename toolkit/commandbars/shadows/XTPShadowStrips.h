#pragma once
// The arithmetic of drop shadows, kept out of the windows so that it can be
// checked as plain functions: where the right and bottom strips of a
// shadowed rectangle go, how a strip joins one of the other orientation
// that it meets (a submenu beside its menu), and the per-pixel alpha picture
// of a strip.
#include "framework/Core.h"

#include <vector>

// The width of a shadow strip.
const int kShadowSize = 4;

// The strip along the bottom (bHorizontal) or down the right side of rc,
// nSize wide, starting nSize in from rc's left or top corner.
CRect ShadowStripRect(BOOL bHorizontal, const CRect& rc, int nSize);

// A new strip lengthened where it meets a listed strip of the other
// orientation: a right strip starting one pixel above a bottom strip's
// lower edge, its right edge inside that strip, grows upward by twice that
// strip's height; a bottom strip starting one pixel left of a right strip's
// right edge, inside that strip's height, grows leftward by twice its width
// plus one.
CRect JoinShadowStrip(BOOL bHorizontal, const CRect& rcNew, const CRect& rcOther);

// The pixels of a strip of cx x cy, top row first, as 32-bit values: alpha
// in the top byte, then red, green and blue of clrBase scaled down. The
// strip is darkest next to the shadowed rectangle and fades in over 4
// pixels at its ends; nFactor (1 for a theme's own shadow, 2 for the
// system's) scales the alpha.
std::vector<DWORD> ShadowStripPixels(BOOL bHorizontal, int cx, int cy, COLORREF clrBase, int nFactor);
