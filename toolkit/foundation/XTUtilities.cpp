#include "toolkit/foundation/XTUtilities.h"

#include <vector>

namespace {

// The four colours a system-colour bitmap is drawn in, and what they become.
struct ColorMapping
{
    COLORREF clrFrom;
    int nSysColor;
};

const ColorMapping g_sysColorMap[] = {
    {RGB(0, 0, 0), COLOR_BTNTEXT},
    {RGB(128, 128, 128), COLOR_BTNSHADOW},
    {RGB(192, 192, 192), COLOR_BTNFACE},
    {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT},
};
const int kMappingCount = sizeof(g_sysColorMap) / sizeof(g_sysColorMap[0]);

COLORREF MappedColor(const ColorMapping& mapping, BOOL bMono)
{
    if (bMono && mapping.nSysColor != COLOR_BTNTEXT)
        return RGB(255, 255, 255);
    return ::GetSysColor(mapping.nSysColor);
}

const DWORD kRopPatternWhereSourceIsBlack = 0xB8074A; // PSDPxax

// The bitmap resource, checked to hold its header, colour table and bits.
struct DibResource
{
    const BITMAPINFOHEADER* pHeader;
    DWORD cbSize;
    int nColors;

    const BYTE* Bits() const
    {
        return reinterpret_cast<const BYTE*>(pHeader) + pHeader->biSize + nColors * sizeof(RGBQUAD);
    }
};

BOOL FindDib(HINSTANCE hInstance, LPCTSTR lpszResource, DibResource& dib)
{
    HRSRC hResource = ::FindResourceA(hInstance, lpszResource, MAKEINTRESOURCEA(2)); // RT_BITMAP
    HGLOBAL hData = hResource != NULL ? ::LoadResource(hInstance, hResource) : NULL;
    dib.pHeader = hData != NULL ? static_cast<const BITMAPINFOHEADER*>(::LockResource(hData)) : NULL;
    dib.cbSize = hResource != NULL ? ::SizeofResource(hInstance, hResource) : 0;
    if (dib.pHeader == NULL || dib.cbSize < sizeof(BITMAPINFOHEADER)
        || dib.pHeader->biSize < sizeof(BITMAPINFOHEADER) || dib.pHeader->biSize > dib.cbSize
        || dib.pHeader->biWidth <= 0 || dib.pHeader->biHeight == 0 || dib.pHeader->biPlanes != 1
        || dib.pHeader->biCompression != BI_RGB)
        return FALSE;
    WORD nBits = dib.pHeader->biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32)
        return FALSE;
    int nMaxColors = nBits <= 8 ? 1 << nBits : 0;
    dib.nColors = dib.pHeader->biClrUsed != 0 && dib.pHeader->biClrUsed < (DWORD)nMaxColors
                      ? dib.pHeader->biClrUsed
                      : nMaxColors;
    LONG nHeight = dib.pHeader->biHeight < 0 ? -dib.pHeader->biHeight : dib.pHeader->biHeight;
    ULONGLONG cbStride = ((ULONGLONG)dib.pHeader->biWidth * nBits + 31) / 32 * 4;
    ULONGLONG cbNeeded = dib.pHeader->biSize + dib.nColors * sizeof(RGBQUAD) + cbStride * nHeight;
    return cbNeeded <= dib.cbSize;
}

// A screen-compatible bitmap with the DIB drawn into it.
HBITMAP DrawDib(const BITMAPINFO* pInfo, const BYTE* pBits, int nWidth, int nHeight, HDC hMemDC)
{
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    ::ReleaseDC(NULL, hScreen);
    if (hBitmap == NULL)
        return NULL;
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    ::StretchDIBits(hMemDC, 0, 0, nWidth, nHeight, 0, 0, nWidth, nHeight, pBits, pInfo, DIB_RGB_COLORS,
                    SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    return hBitmap;
}

// Colour tables are edited in a copy of the header and table.
HBITMAP LoadPaletteDib(const DibResource& dib, BOOL bMono, HDC hMemDC)
{
    std::vector<BYTE> info(dib.pHeader->biSize + dib.nColors * sizeof(RGBQUAD));
    memcpy(info.data(), dib.pHeader, info.size());
    RGBQUAD* pTable = reinterpret_cast<RGBQUAD*>(info.data() + dib.pHeader->biSize);
    for (int i = 0; i < dib.nColors; i++)
    {
        COLORREF clr = RGB(pTable[i].rgbRed, pTable[i].rgbGreen, pTable[i].rgbBlue);
        for (const ColorMapping& mapping : g_sysColorMap)
        {
            if (clr != mapping.clrFrom)
                continue;
            COLORREF clrTo = MappedColor(mapping, bMono);
            pTable[i].rgbRed = GetRValue(clrTo);
            pTable[i].rgbGreen = GetGValue(clrTo);
            pTable[i].rgbBlue = GetBValue(clrTo);
            break;
        }
    }
    LONG nHeight = dib.pHeader->biHeight < 0 ? -dib.pHeader->biHeight : dib.pHeader->biHeight;
    return DrawDib(reinterpret_cast<const BITMAPINFO*>(info.data()), dib.Bits(), dib.pHeader->biWidth,
                   nHeight, hMemDC);
}

// Deeper DIBs are drawn, then every colour is replaced through a mask; the
// masks are all taken from the picture as loaded, so a colour already
// replaced is not replaced again.
HBITMAP LoadTrueColorDib(const DibResource& dib, BOOL bMono, HDC hMemDC)
{
    int nWidth = dib.pHeader->biWidth;
    int nHeight = dib.pHeader->biHeight < 0 ? -dib.pHeader->biHeight : dib.pHeader->biHeight;
    HBITMAP hBitmap =
        DrawDib(reinterpret_cast<const BITMAPINFO*>(dib.pHeader), dib.Bits(), nWidth, nHeight, hMemDC);
    if (hBitmap == NULL)
        return NULL;
    HDC hMaskDC = ::CreateCompatibleDC(hMemDC);
    HBITMAP hMasks[kMappingCount] = {};
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    BOOL bOk = hMaskDC != NULL;
    for (int i = 0; bOk && i < kMappingCount; i++)
    {
        hMasks[i] = ::CreateBitmap(nWidth, nHeight, 1, 1, NULL);
        bOk = hMasks[i] != NULL;
        if (!bOk)
            break;
        // Pixels of the background colour become 1 in a monochrome copy.
        ::SelectObject(hMaskDC, hMasks[i]);
        ::SetBkColor(hMemDC, g_sysColorMap[i].clrFrom);
        ::BitBlt(hMaskDC, 0, 0, nWidth, nHeight, hMemDC, 0, 0, SRCCOPY);
    }
    for (int i = 0; bOk && i < kMappingCount; i++)
    {
        ::SelectObject(hMaskDC, hMasks[i]);
        // Cut the colour out: mask 1 -> black, 0 -> white, ANDed.
        ::SetTextColor(hMemDC, RGB(255, 255, 255));
        ::SetBkColor(hMemDC, RGB(0, 0, 0));
        ::BitBlt(hMemDC, 0, 0, nWidth, nHeight, hMaskDC, 0, 0, SRCAND);
        // Paint the new colour in: mask 1 -> new colour, 0 -> black, ORed.
        ::SetTextColor(hMemDC, RGB(0, 0, 0));
        ::SetBkColor(hMemDC, MappedColor(g_sysColorMap[i], bMono));
        ::BitBlt(hMemDC, 0, 0, nWidth, nHeight, hMaskDC, 0, 0, SRCPAINT);
    }
    ::SelectObject(hMemDC, hOld);
    if (hMaskDC != NULL)
        ::DeleteDC(hMaskDC);
    for (HBITMAP hMask : hMasks)
    {
        if (hMask != NULL)
            ::DeleteObject(hMask);
    }
    if (!bOk)
    {
        ::DeleteObject(hBitmap);
        return NULL;
    }
    return hBitmap;
}

char g_szFileName[MAX_PATH];

} // namespace

void XTFillDitheredRect(CDC* pDC, const CRect& rect)
{
    XTFillDitheredRect(pDC, rect, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void XTFillDitheredRect(CDC* pDC, const CRect& rect, COLORREF clrClearBits, COLORREF clrSetBits)
{
    const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap bitmap;
    CBrush brush;
    if (!bitmap.CreateBitmap(8, 8, 1, 1, pattern) || !brush.CreatePatternBrush(&bitmap))
        return;
    HDC hDC = pDC->GetSafeHdc();
    // A monochrome pattern paints its clear bits in the text colour and its
    // set bits in the background colour.
    COLORREF clrOldText = ::SetTextColor(hDC, clrClearBits);
    COLORREF clrOldBack = ::SetBkColor(hDC, clrSetBits);
    HGDIOBJ hOldBrush = ::SelectObject(hDC, brush.GetSafeHandle());
    ::PatBlt(hDC, rect.left, rect.top, rect.Width(), rect.Height(), PATCOPY);
    ::SelectObject(hDC, hOldBrush);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkColor(hDC, clrOldBack);
}

void XTDrawEmbossed(CDC* pDC, CImageList* pImageList, int nImage, int x, int y, BOOL bColor)
{
    int cx = 0, cy = 0;
    if (pImageList == NULL || !::ImageList_GetIconSize(pImageList->GetSafeHandle(), &cx, &cy))
        return;
    HDC hDC = pDC->GetSafeHdc();
    HDC hMemDC = ::CreateCompatibleDC(hDC);
    HBITMAP hBitmap = bColor ? ::CreateCompatibleBitmap(hDC, cx, cy) : ::CreateBitmap(cx, cy, 1, 1, NULL);
    if (hMemDC == NULL || hBitmap == NULL)
    {
        if (hMemDC != NULL)
            ::DeleteDC(hMemDC);
        if (hBitmap != NULL)
            ::DeleteObject(hBitmap);
        return;
    }
    HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hBitmap);
    ::PatBlt(hMemDC, 0, 0, cx, cy, WHITENESS);
    ::ImageList_Draw(pImageList->GetSafeHandle(), nImage, hMemDC, 0, 0, ILD_TRANSPARENT);

    COLORREF clrOldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    COLORREF clrOldBack = ::SetBkColor(hDC, RGB(255, 255, 255));
    HBRUSH hHighlight = ::CreateSolidBrush(::GetSysColor(COLOR_BTNHIGHLIGHT));
    HBRUSH hShadow = ::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hHighlight);
    ::BitBlt(hDC, x + 1, y + 1, cx, cy, hMemDC, 0, 0, kRopPatternWhereSourceIsBlack);
    ::SelectObject(hDC, hShadow);
    ::BitBlt(hDC, x, y, cx, cy, hMemDC, 0, 0, kRopPatternWhereSourceIsBlack);
    ::SelectObject(hDC, hOldBrush);
    ::DeleteObject(hHighlight);
    ::DeleteObject(hShadow);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkColor(hDC, clrOldBack);

    ::SelectObject(hMemDC, hOldBitmap);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemDC);
}

HBITMAP XTLoadSysColorBitmap(HINSTANCE hInstance, LPCTSTR lpszResource, BOOL bMono)
{
    DibResource dib;
    if (!FindDib(hInstance, lpszResource, dib))
        return NULL;
    HDC hMemDC = ::CreateCompatibleDC(NULL);
    if (hMemDC == NULL)
        return NULL;
    HBITMAP hBitmap = dib.pHeader->biBitCount <= 8 ? LoadPaletteDib(dib, bMono, hMemDC)
                                                   : LoadTrueColorDib(dib, bMono, hMemDC);
    ::DeleteDC(hMemDC);
    return hBitmap;
}

void XTStripMnemonics(CString& strText)
{
    CString strResult;
    int nLength = strText.GetLength();
    for (int i = 0; i < nLength; i++)
    {
        TCHAR ch = strText[i];
        if (ch == '&' && i + 1 < nLength && strText[i + 1] == '&')
        {
            strResult += "&&";
            ++i;
        }
        else if (ch != '&')
        {
            strResult += ch;
        }
    }
    strText = strResult;
}

HWND XTChildWindowFromPoint(HWND hWnd, POINT pt)
{
    POINT ptScreen = pt;
    ::ClientToScreen(hWnd, &ptScreen);
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        RECT rc;
        if (::GetDlgCtrlID(hChild) != 0xFFFF && ::IsWindowVisible(hChild) && ::GetWindowRect(hChild, &rc)
            && ::PtInRect(&rc, ptScreen))
            return hChild;
    }
    return NULL;
}

BOOL XTFileExists(LPCTSTR lpszFileName)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(lpszFileName, &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    ::FindClose(hFind);
    return TRUE;
}

LPCTSTR XTGetFileName(LPCTSTR lpszPath)
{
    if (lpszPath == NULL || *lpszPath == 0)
        return NULL;
    LPCTSTR lpszName = strrchr(lpszPath, '\\');
    lpszName = lpszName != NULL ? lpszName + 1 : lpszPath;
    lstrcpynA(g_szFileName, lpszName, MAX_PATH);
    return g_szFileName;
}
