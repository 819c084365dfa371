#pragma once
// Small drawing and window utilities of the standard-control extensions.
#include "framework/Gdi.h"

// Fills the rectangle with the 8 x 8 checker pattern (rows 0x55 and 0xAA) in
// the button-face and button-highlight colours: the pattern's clear bits (the
// first pixel of each 0x55 row, from the brush origin) in the face.
void XTFillDitheredRect(CDC* pDC, const CRect& rect);
// The same checker with the clear bits in clrClearBits and the set bits in
// clrSetBits.
void XTFillDitheredRect(CDC* pDC, const CRect& rect, COLORREF clrClearBits, COLORREF clrSetBits);

// Draws image nImage of the list disabled (embossed) at x, y: its shape in
// the highlight colour one pixel down and right, then in the shadow colour.
// bColor draws through a bitmap of the DC's colours instead of a
// monochrome one.
void XTDrawEmbossed(CDC* pDC, CImageList* pImageList, int nImage, int x, int y, BOOL bColor);

// Loads a bitmap resource with its black, grey, light grey and white mapped
// to the button text, shadow, face and highlight colours (bMono: everything
// but the text colour becomes white). The resource itself is never changed.
// A bitmap compatible with the screen, or NULL.
HBITMAP XTLoadSysColorBitmap(HINSTANCE hInstance, LPCTSTR lpszResource, BOOL bMono = FALSE);

// Removes every "&" that is not followed by another "&"; a doubled "&&"
// stays as it is.
void XTStripMnemonics(CString& strText);

// The first visible child (in z-order) whose id is not 0xFFFF and whose
// window rectangle holds the point (in the parent's client coordinates).
HWND XTChildWindowFromPoint(HWND hWnd, POINT pt);

BOOL XTFileExists(LPCTSTR lpszFileName);

// The part of the path after its last backslash (the whole text when it has
// none), in a process-wide buffer of 260 characters (cut to fit); NULL for a
// NULL or empty path.
LPCTSTR XTGetFileName(LPCTSTR lpszPath);
