#pragma once
// Whether a device draws with a palette of 256 colours or fewer, where the
// toolkit uses solid colours instead of blends and gradients.
#include <windows.h>

// TRUE when BITSPIXEL of the DC (the desktop window's DC when hDC is NULL) is
// 1 to 8; FALSE when the desktop DC cannot be had.
BOOL XTPIsLowColorDevice(HDC hDC = NULL);

// Test seam: every device reports this many bits per pixel (0 returns to the
// device's own answer). The display here has 32 bits per pixel, so the
// low-colour paths are reached through this seam only.
void XTPSetBitsPixelForTesting(int nBitsPixel);
