#pragma once
// Helpers of the image-manager tests: icons and 32-bit alpha bitmaps of known
// pixels, and reading pixels back.
#include "toolkit/foundation/XTPImageManager.h"

#include <string>
#include <vector>

// Pixels as 0xAARRGGBB values, row by row from the top.
typedef std::vector<DWORD> PixelRows;

// A 32-bit DIB section of the pixels (straight alpha).
HBITMAP MakeAlphaBitmap(int nWidth, int nHeight, const PixelRows& pixels);
HBITMAP MakeAlphaBitmap(int nWidth, int nHeight, DWORD dwPixel);
// An icon of the colours (alpha ignored); pixels whose value is
// kTransparent are transparent in the mask.
HICON MakeIcon(int nWidth, int nHeight, const PixelRows& pixels);
HICON MakeIcon(int nWidth, int nHeight, COLORREF clrFill);
const DWORD kTransparent = 0xFFFFFFFF;

// The pixel of a 32-bit bitmap as 0xAARRGGBB.
DWORD AlphaPixel(HBITMAP hBitmap, int x, int y);
// The colour of an icon at the point as a COLORREF, or kTransparent where
// its mask marks the point transparent.
COLORREF IconPixel(HICON hIcon, int x, int y);
// The icons of the manager's set, one "WxH" entry per width: an alpha image
// with its bottom right pixel, an icon with the colours of its normal and
// hot images there ("none" without the set).
std::string DescribeIconSet(CXTPImageManager& manager, UINT nID);

// Gives the manager id 7 at widths 16 (an icon with a hot image) and 24 (an
// alpha image), and a scaled copy at 32.
void FillManager(CXTPImageManager& manager);
// What DescribeIconSet gives for the icons FillManager made, without the scaled copy.
extern const char kFilledIcons[];
// Copies id 7 of the manager to the clipboard and gives the bytes there.
std::vector<BYTE> CopiedBytes(CXTPImageManager& manager);

// The path of a file of the tests' images folder.
std::string TestImagePath(const char* pszName);
