#include "toolkit/foundation/XTPDisplayDepth.h"

namespace {

// The desktop's bits per pixel from its DC; 0 when the DC cannot be had.
int AskDesktopBitsPixel()
{
    HWND hDesktop = ::GetDesktopWindow();
    HDC hDesktopDC = ::GetDC(hDesktop);
    if (hDesktopDC == NULL)
        return 0;
    int nBitsPixel = ::GetDeviceCaps(hDesktopDC, BITSPIXEL);
    ::ReleaseDC(hDesktop, hDesktopDC);
    return nBitsPixel;
}

int g_nBitsPixelForTesting = 0;
int (*g_pfnAskDesktopBitsPixel)() = AskDesktopBitsPixel;
// 0 until asked, and after a display change or a desktop DC that could not be had.
int g_nDesktopBitsPixel = 0;

int BitsPixel(HDC hDC)
{
    if (g_nBitsPixelForTesting != 0)
        return g_nBitsPixelForTesting;
    if (hDC != NULL)
        return ::GetDeviceCaps(hDC, BITSPIXEL);
    if (g_nDesktopBitsPixel == 0)
        g_nDesktopBitsPixel = g_pfnAskDesktopBitsPixel();
    return g_nDesktopBitsPixel;
}

} // namespace

BOOL XTPIsLowColorDevice(HDC hDC)
{
    int nBitsPixel = BitsPixel(hDC);
    return nBitsPixel >= 1 && nBitsPixel <= 8;
}

void XTPDisplayChanged()
{
    g_nDesktopBitsPixel = 0;
}

void XTPSetBitsPixelForTesting(int nBitsPixel)
{
    g_nBitsPixelForTesting = nBitsPixel;
}

void XTPSetDesktopBitsPixelQueryForTesting(int (*pfnQuery)())
{
    g_pfnAskDesktopBitsPixel = pfnQuery != NULL ? pfnQuery : AskDesktopBitsPixel;
    XTPDisplayChanged();
}
