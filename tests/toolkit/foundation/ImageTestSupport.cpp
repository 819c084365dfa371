#include "ImageTestSupport.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <algorithm>
#include <string.h>

namespace {
BITMAPINFO TopDownHeader(int nWidth, int nHeight, WORD nBits)
{
    BITMAPINFO info;
    memset(&info, 0, sizeof(info));
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = nBits;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The bitmap's pixels as 32-bit values, rows from the top.
PixelRows ReadPixels(HBITMAP hBitmap, int nWidth, int nHeight)
{
    PixelRows pixels(nWidth * nHeight);
    BITMAPINFO info = TopDownHeader(nWidth, nHeight, 32);
    HDC hDC = ::CreateCompatibleDC(NULL);
    ::GetDIBits(hDC, hBitmap, 0, nHeight, &pixels[0], &info, DIB_RGB_COLORS);
    ::DeleteDC(hDC);
    return pixels;
}

COLORREF ToColorRef(DWORD dwPixel)
{
    return RGB((dwPixel >> 16) & 0xFF, (dwPixel >> 8) & 0xFF, dwPixel & 0xFF);
}
} // namespace

HBITMAP MakeAlphaBitmap(int nWidth, int nHeight, const PixelRows& pixels)
{
    BITMAPINFO info = TopDownHeader(nWidth, nHeight, 32);
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    memcpy(pBits, &pixels[0], pixels.size() * 4);
    return hBitmap;
}

HBITMAP MakeAlphaBitmap(int nWidth, int nHeight, DWORD dwPixel)
{
    return MakeAlphaBitmap(nWidth, nHeight, PixelRows(nWidth * nHeight, dwPixel));
}

HICON MakeIcon(int nWidth, int nHeight, const PixelRows& pixels)
{
    PixelRows colors(pixels);
    PixelRows maskPixels(pixels.size());
    for (size_t i = 0; i < pixels.size(); i++)
    {
        BOOL bTransparent = pixels[i] == kTransparent;
        colors[i] = bTransparent ? 0 : (pixels[i] & 0xFFFFFF);
        maskPixels[i] = bTransparent ? 0xFFFFFF : 0;
    }
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hColor = ::CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    ::ReleaseDC(NULL, hScreen);
    HBITMAP hMask = ::CreateBitmap(nWidth, nHeight, 1, 1, NULL);
    BITMAPINFO info = TopDownHeader(nWidth, nHeight, 32);
    HDC hDC = ::CreateCompatibleDC(NULL);
    ::SetDIBits(hDC, hColor, 0, nHeight, &colors[0], &info, DIB_RGB_COLORS);
    ::SetDIBits(hDC, hMask, 0, nHeight, &maskPixels[0], &info, DIB_RGB_COLORS);
    ::DeleteDC(hDC);
    ICONINFO iconInfo = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&iconInfo);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

HICON MakeIcon(int nWidth, int nHeight, COLORREF clrFill)
{
    DWORD dwPixel = (GetRValue(clrFill) << 16) | (GetGValue(clrFill) << 8) | GetBValue(clrFill);
    return MakeIcon(nWidth, nHeight, PixelRows(nWidth * nHeight, dwPixel));
}

DWORD AlphaPixel(HBITMAP hBitmap, int x, int y)
{
    BITMAP bitmap;
    ::GetObject(hBitmap, sizeof(bitmap), &bitmap);
    return ReadPixels(hBitmap, bitmap.bmWidth, bitmap.bmHeight)[y * bitmap.bmWidth + x];
}

// The pixel of the icon's colour bitmap, or of its mask.
DWORD IconBitmapPixel(HICON hIcon, BOOL bMask, int x, int y)
{
    ICONINFO info;
    ::GetIconInfo(hIcon, &info);
    HBITMAP hBitmap = bMask ? info.hbmMask : info.hbmColor;
    BITMAP bitmap;
    ::GetObject(hBitmap, sizeof(bitmap), &bitmap);
    DWORD dwPixel = ReadPixels(hBitmap, bitmap.bmWidth, bitmap.bmHeight)[y * bitmap.bmWidth + x];
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return dwPixel;
}

COLORREF IconColor(HICON hIcon, int x, int y)
{
    return ToColorRef(IconBitmapPixel(hIcon, FALSE, x, y));
}

BOOL IconIsTransparentAt(HICON hIcon, int x, int y)
{
    return (IconBitmapPixel(hIcon, TRUE, x, y) & 0xFFFFFF) != 0;
}

std::vector<BYTE> ClipboardBytes()
{
    std::vector<BYTE> data;
    if (!::OpenClipboard(NULL))
        return data;
    HGLOBAL hData = ::GetClipboardData(XTPImageManagerClipboardFormat);
    const BYTE* pData = hData ? (const BYTE*)::GlobalLock(hData) : NULL;
    if (pData != NULL)
        data.assign(pData, pData + ::GlobalSize(hData));
    if (hData != NULL)
        ::GlobalUnlock(hData);
    ::CloseClipboard();
    return data;
}

std::string TestImagePath(const char* pszName)
{
    std::string strFolder = __FILE__;
    strFolder = strFolder.substr(0, strFolder.find_last_of("/\\") + 1);
    return (strFolder[0] == '/' ? "Z:" : "") + strFolder + "images/" + pszName;
}

void FillManager(CXTPImageManager& manager)
{
    CXTPImageManagerIconHandle icon;
    icon = MakeIcon(16, 16, RGB(200, 10, 10));
    CXTPImageManagerIconHandle hot;
    hot = MakeIcon(16, 16, RGB(10, 200, 10));
    CXTPImageManagerIconHandle alpha;
    alpha = MakeAlphaBitmap(24, 24, 0x80102030);
    manager.SetIcon(icon, 7);
    manager.SetIcon(hot, 7, CSize(16, 16), xtpImageHot);
    manager.SetIcon(alpha, 7);
    manager.GetImage(7, 32);
}

std::vector<BYTE> CopiedBytes(CXTPImageManager& manager)
{
    if (!::OpenClipboard(NULL))
        return std::vector<BYTE>();
    ::EmptyClipboard();
    manager.CopyToClipboard(7);
    ::CloseClipboard();
    return ClipboardBytes();
}
