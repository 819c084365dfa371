#include "toolkit/foundation/XTPDisplayDepth.h"

namespace {

int g_nBitsPixelForTesting = 0;

int BitsPixel(HDC hDC)
{
    if (g_nBitsPixelForTesting != 0)
        return g_nBitsPixelForTesting;
    if (hDC != NULL)
        return ::GetDeviceCaps(hDC, BITSPIXEL);
    HWND hDesktop = ::GetDesktopWindow();
    HDC hDesktopDC = ::GetDC(hDesktop);
    if (hDesktopDC == NULL)
        return 0;
    int nBitsPixel = ::GetDeviceCaps(hDesktopDC, BITSPIXEL);
    ::ReleaseDC(hDesktop, hDesktopDC);
    return nBitsPixel;
}

} // namespace

BOOL XTPIsLowColorDevice(HDC hDC)
{
    int nBitsPixel = BitsPixel(hDC);
    return nBitsPixel >= 1 && nBitsPixel <= 8;
}

void XTPSetBitsPixelForTesting(int nBitsPixel)
{
    g_nBitsPixelForTesting = nBitsPixel;
}
