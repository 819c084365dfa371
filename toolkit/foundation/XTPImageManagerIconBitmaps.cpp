// The icon's static helpers: extents, scaling, and 32-bit bitmaps with
// per-pixel alpha read from resources and files, copied, transformed and drawn.
#include "toolkit/foundation/XTPImageManagerIcon.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPImageData.h"

#include <stdlib.h>
#include <string.h>
#include <vector>

namespace {
const UINT kHeaderBlockSize = 52; // the 40-byte header and three colour masks

// Room for any header GetDIBits may fill in, colour table included.
struct BitmapInfoWithColors
{
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];
};

UINT AlphaImageSize(const BITMAPINFOHEADER& header)
{
    return (UINT)header.biWidth * 4 * (UINT)abs(header.biHeight);
}

// The whole file, or an empty buffer when it cannot be read.
std::vector<BYTE> ReadWholeFile(LPCTSTR pszFileName, DWORD nMaxSize)
{
    std::vector<BYTE> data;
    HANDLE hFile = ::CreateFileA(pszFileName, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return data;
    DWORD nSize = ::GetFileSize(hFile, NULL);
    DWORD nRead = 0;
    if (nSize != INVALID_FILE_SIZE && nSize <= nMaxSize)
    {
        data.resize(nSize);
        if (nSize == 0 || !::ReadFile(hFile, &data[0], nSize, &nRead, NULL) || nRead != nSize)
            data.clear();
    }
    ::CloseHandle(hFile);
    return data;
}

} // namespace

CSize CXTPImageManagerIcon::GetExtent(HICON hIcon)
{
    ICONINFO info;
    if (hIcon == NULL || !::GetIconInfo(hIcon, &info))
        return CSize(0, 0);
    BITMAP bitmap = {};
    CSize szExtent(0, 0);
    if (info.hbmColor != NULL && ::GetObject(info.hbmColor, sizeof(bitmap), &bitmap))
        szExtent = CSize(bitmap.bmWidth, bitmap.bmHeight);
    else if (info.hbmMask != NULL && ::GetObject(info.hbmMask, sizeof(bitmap), &bitmap))
        szExtent = CSize(bitmap.bmWidth, bitmap.bmHeight / 2);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != NULL)
        ::DeleteObject(info.hbmMask);
    return szExtent;
}

HICON CXTPImageManagerIcon::ScaleToFit(HICON hIcon, CSize szExtent, int nWidth)
{
    if (nWidth == 0 || szExtent.cx == 0 || szExtent.cy == 0)
        return NULL;
    if (nWidth == szExtent.cx)
        return ::CopyIcon(hIcon);
    CImageList imageList;
    if (!imageList.Create(nWidth, szExtent.cy * nWidth / szExtent.cx, ILC_COLOR32 | ILC_MASK, 1, 0))
        return NULL;
    imageList.Add(hIcon);
    return imageList.ExtractIcon(0);
}

BOOL CXTPImageManagerIcon::GetBitmapBits(CDC& dcSrc, HBITMAP hBitmap, PBITMAPINFO& pBitmapInfo, LPVOID& pBits,
                                         UINT& nSize)
{
    BitmapInfoWithColors query;
    memset(&query, 0, sizeof(query));
    query.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    if (hBitmap == NULL
        || !::GetDIBits(dcSrc.GetSafeHdc(), hBitmap, 0, 0, NULL, (BITMAPINFO*)&query, DIB_RGB_COLORS)
        || query.bmiHeader.biBitCount != 32)
        return FALSE;

    pBitmapInfo = (PBITMAPINFO)calloc(1, kHeaderBlockSize);
    if (pBitmapInfo == NULL)
        AfxThrowMemoryException();
    BITMAPINFOHEADER& header = pBitmapInfo->bmiHeader;
    header = query.bmiHeader;
    header.biCompression = BI_RGB;
    header.biSizeImage = AlphaImageSize(header);
    nSize = header.biSizeImage;
    pBits = malloc(nSize ? nSize : 1);
    if (pBits == NULL)
    {
        free(pBitmapInfo);
        AfxThrowMemoryException();
    }
    if (!::GetDIBits(dcSrc.GetSafeHdc(), hBitmap, 0, abs(header.biHeight), pBits, pBitmapInfo,
                     DIB_RGB_COLORS))
    {
        free(pBits);
        free(pBitmapInfo);
        return FALSE;
    }
    return TRUE;
}

HBITMAP CXTPImageManagerIcon::CreateAlphaBitmap(const BITMAPINFOHEADER& header, const void* pBits)
{
    BITMAPINFO info;
    memset(&info, 0, sizeof(info));
    info.bmiHeader = header;
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biCompression = BI_RGB;
    void* pSectionBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pSectionBits, NULL, 0);
    if (hBitmap != NULL && pBits != NULL)
        memcpy(pSectionBits, pBits, AlphaImageSize(header));
    return hBitmap;
}

HBITMAP CXTPImageManagerIcon::TransformAlphaBitmap(HBITMAP hBitmap, const PixelTransform& transform)
{
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    PBITMAPINFO pBitmapInfo = NULL;
    LPVOID pBits = NULL;
    UINT nSize = 0;
    if (!GetBitmapBits(dc, hBitmap, pBitmapInfo, pBits, nSize))
        return NULL;
    for (UINT i = 0; i + 4 <= nSize; i += 4)
        transform((BYTE*)pBits + i);
    HBITMAP hResult = CreateAlphaBitmap(pBitmapInfo->bmiHeader, pBits);
    free(pBits);
    free(pBitmapInfo);
    return hResult;
}

HICON CXTPImageManagerIcon::TransformIconPixels(HICON hIcon, const PixelTransform& transform)
{
    ICONINFO info;
    if (hIcon == NULL || !::GetIconInfo(hIcon, &info))
        return NULL;
    HICON hResult = NULL;
    BITMAP bitmap;
    if (info.hbmColor != NULL && ::GetObject(info.hbmColor, sizeof(bitmap), &bitmap))
    {
        BITMAPINFO bits;
        memset(&bits, 0, sizeof(bits));
        bits.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bits.bmiHeader.biWidth = bitmap.bmWidth;
        bits.bmiHeader.biHeight = -bitmap.bmHeight;
        bits.bmiHeader.biPlanes = 1;
        bits.bmiHeader.biBitCount = 32;
        bits.bmiHeader.biCompression = BI_RGB;
        std::vector<DWORD> colors(bitmap.bmWidth * bitmap.bmHeight);
        std::vector<DWORD> mask(colors.size());
        HDC hDC = ::CreateCompatibleDC(NULL);
        if (!colors.empty()
            && ::GetDIBits(hDC, info.hbmColor, 0, bitmap.bmHeight, &colors[0], &bits, DIB_RGB_COLORS)
            && ::GetDIBits(hDC, info.hbmMask, 0, bitmap.bmHeight, &mask[0], &bits, DIB_RGB_COLORS))
        {
            for (size_t i = 0; i < colors.size(); i++)
            {
                if ((mask[i] & 0xFFFFFF) == 0)
                    transform((BYTE*)&colors[i]);
            }
            ::SetDIBits(hDC, info.hbmColor, 0, bitmap.bmHeight, &colors[0], &bits, DIB_RGB_COLORS);
            info.fIcon = TRUE;
            hResult = ::CreateIconIndirect(&info);
        }
        ::DeleteDC(hDC);
    }
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != NULL)
        ::DeleteObject(info.hbmMask);
    return hResult;
}

HBITMAP CXTPImageManagerIcon::CopyAlphaBitmap(HBITMAP hBitmap)
{
    return TransformAlphaBitmap(hBitmap, [](BYTE*) {});
}

HBITMAP CXTPImageManagerIcon::PreMultiplyAlphaBitmap(HBITMAP hBitmap)
{
    return TransformAlphaBitmap(hBitmap, [](BYTE* pPixel) {
        for (int i = 0; i < 3; i++)
            pPixel[i] = (BYTE)(pPixel[i] * pPixel[3] / 255);
    });
}

void CXTPImageManagerIcon::DrawAlphaBitmap(CDC* pDC, CPoint pt, HBITMAP hBitmap, CSize szDest, CSize szSrc)
{
    CXTPImageManager* pManager = XTPImageManager();
    if (hBitmap == NULL || !pManager->IsAlphaIconsSupported())
        return;
    if (szSrc.cx == 0 || szSrc.cy == 0)
        szSrc = szDest;
    HDC hMemDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    pManager->AlphaBlend(pDC->GetSafeHdc(), pt.x, pt.y, szDest.cx, szDest.cy, hMemDC, 0, 0, szSrc.cx,
                         szSrc.cy, blend);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
}

HBITMAP CXTPImageManagerIcon::LoadAlphaBitmap(UINT nIDResource)
{
    DWORD nSize = 0;
    const BYTE* pData = XTPFindResourceData(nIDResource, RT_BITMAP, nSize);
    BITMAPINFOHEADER header;
    const BYTE* pBits = NULL;
    if (pData == NULL || !XTPReadPackedAlphaImage(pData, nSize, header, pBits))
        return NULL;
    return CreateAlphaBitmap(header, pBits);
}

BOOL CXTPImageManagerIcon::IsAlphaBitmapResource(UINT nIDResource)
{
    DWORD nSize = 0;
    const BYTE* pData = XTPFindResourceData(nIDResource, RT_BITMAP, nSize);
    return pData != NULL && nSize >= sizeof(BITMAPINFOHEADER)
           && ((const BITMAPINFOHEADER*)pData)->biBitCount == 32;
}

BOOL CXTPImageManagerIcon::IsAlphaBitmapFile(LPCTSTR pszFileName)
{
    BYTE headers[sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)];
    HANDLE hFile = ::CreateFileA(pszFileName, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD nRead = 0;
    BOOL bRead = ::ReadFile(hFile, headers, sizeof(headers), &nRead, NULL) && nRead == sizeof(headers);
    ::CloseHandle(hFile);
    const BITMAPINFOHEADER* pInfo = (const BITMAPINFOHEADER*)(headers + sizeof(BITMAPFILEHEADER));
    return bRead && headers[0] == 'B' && headers[1] == 'M' && pInfo->biBitCount == 32;
}

HBITMAP CXTPImageManagerIcon::LoadAlphaIcon(LPCTSTR pszFileName, int nWidth)
{
    const DWORD kMaxIconFile = 16 * 1024 * 1024;
    const DWORD kHeaderSize = 6;
    const DWORD kEntrySize = 16;
    std::vector<BYTE> file = ReadWholeFile(pszFileName, kMaxIconFile);
    if (file.size() < kHeaderSize)
        return NULL;
    DWORD nCount = XTPWordAt(&file[4]);
    for (DWORD i = 0; i < nCount; i++)
    {
        DWORD nEntry = kHeaderSize + i * kEntrySize;
        if (nEntry + kEntrySize > file.size())
            return NULL;
        const BYTE* pEntry = &file[nEntry];
        if (XTPWordAt(pEntry + 6) != 32 || (nWidth != 0 && pEntry[0] != nWidth))
            continue;
        DWORD nBytes = XTPDwordAt(pEntry + 8);
        DWORD nOffset = XTPDwordAt(pEntry + 12);
        if (nOffset > file.size() || file.size() - nOffset < nBytes)
            return NULL;
        return XTPCreateAlphaBitmapFromIconImage(file.data() + nOffset, nBytes);
    }
    return NULL;
}
