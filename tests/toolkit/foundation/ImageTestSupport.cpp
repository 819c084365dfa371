#include "ImageTestSupport.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <stdio.h>
#include <string.h>

namespace {
BITMAPINFO TopDownHeader(int nWidth, int nHeight)
{
    BITMAPINFO info;
    memset(&info, 0, sizeof(info));
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return info;
}

// The pixel of the icon's colour bitmap, or of its mask.
DWORD IconBitmapPixel(HICON hIcon, BOOL bMask, int x, int y)
{
    ICONINFO info;
    ::GetIconInfo(hIcon, &info);
    DWORD dwPixel = AlphaPixel(bMask ? info.hbmMask : info.hbmColor, x, y);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return dwPixel;
}
} // namespace

HBITMAP MakeAlphaBitmap(int nWidth, int nHeight, const PixelRows& pixels)
{
    BITMAPINFO info = TopDownHeader(nWidth, nHeight);
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
    BITMAPINFO info = TopDownHeader(nWidth, nHeight);
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
    PixelRows pixels(bitmap.bmWidth * bitmap.bmHeight);
    BITMAPINFO info = TopDownHeader(bitmap.bmWidth, bitmap.bmHeight);
    HDC hDC = ::CreateCompatibleDC(NULL);
    ::GetDIBits(hDC, hBitmap, 0, bitmap.bmHeight, &pixels[0], &info, DIB_RGB_COLORS);
    ::DeleteDC(hDC);
    return pixels[y * bitmap.bmWidth + x];
}

COLORREF IconPixel(HICON hIcon, int x, int y)
{
    if ((IconBitmapPixel(hIcon, TRUE, x, y) & 0xFFFFFF) != 0)
        return kTransparent;
    DWORD dwPixel = IconBitmapPixel(hIcon, FALSE, x, y);
    return RGB((dwPixel >> 16) & 0xFF, (dwPixel >> 8) & 0xFF, dwPixel & 0xFF);
}

std::string DescribeIconSet(CXTPImageManager& manager, UINT nID)
{
    CXTPImageManagerIconSet* pSet = manager.GetIconSet(nID);
    if (pSet == NULL)
        return "none";
    std::string strText;
    for (const auto& entry : pSet->GetIcons())
    {
        CXTPImageManagerIcon* pIcon = entry.second;
        CSize size = pIcon->GetExtent();
        int x = size.cx - 1, y = size.cy - 1;
        char szIcon[80];
        if (pIcon->IsAlpha())
            sprintf(szIcon, "%dx%d alpha %08lX; ", x + 1, y + 1,
                    AlphaPixel(pIcon->GetIcon().GetBitmap(), x, y));
        else
            sprintf(szIcon, "%dx%d %06lX hot %06lX; ", x + 1, y + 1, IconPixel(pIcon->GetIcon(), x, y),
                    IconPixel(pIcon->GetHotIcon(), x, y));
        strText += szIcon;
    }
    return strText;
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

const char kFilledIcons[] = "16x16 0A0AC8 hot 0AC80A; 24x24 alpha 80102030; ";

std::vector<BYTE> CopiedBytes(CXTPImageManager& manager)
{
    std::vector<BYTE> data;
    if (!::OpenClipboard(NULL))
        return data;
    ::EmptyClipboard();
    manager.CopyToClipboard(7);
    HGLOBAL hData = ::GetClipboardData(XTPImageManagerClipboardFormat);
    const BYTE* pData = hData ? (const BYTE*)::GlobalLock(hData) : NULL;
    if (pData != NULL)
        data.assign(pData, pData + ::GlobalSize(hData));
    if (hData != NULL)
        ::GlobalUnlock(hData);
    ::CloseClipboard();
    return data;
}
