#pragma once
// Whether a device draws with a palette of 256 colours or fewer, where the
// toolkit uses solid colours instead of blends and gradients.
//
// The desktop's answer is asked once and kept until the display changes:
// asking means a desktop DC, which costs about as much as drawing a small
// gradient, and start-up alone asks some twenty times. A window that hears
// of a display change (WM_DISPLAYCHANGE, WM_SETTINGCHANGE, WM_SYSCOLORCHANGE;
// the command bars' frame does) calls XTPDisplayChanged().
#include <windows.h>

// TRUE when BITSPIXEL of the DC (the desktop window's DC when hDC is NULL) is
// 1 to 8; FALSE when the desktop DC cannot be had.
BOOL XTPIsLowColorDevice(HDC hDC = NULL);

// The display may have a new colour depth: the next desktop question asks again.
void XTPDisplayChanged();

// Test seam: every device reports this many bits per pixel (0 returns to the
// device's own answer). The display here has 32 bits per pixel, so the
// low-colour paths are reached through this seam only.
void XTPSetBitsPixelForTesting(int nBitsPixel);

// Test seam: the desktop's bits per pixel come from this function instead of
// the desktop DC (NULL returns to the desktop DC); it forgets the kept answer.
void XTPSetDesktopBitsPixelQueryForTesting(int (*pfnQuery)());
