#include "toolkit/foundation/XTPImageData.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"

#include <stdlib.h>
#include <string.h>
#include <vector>

namespace {
const LONG kMaxImageSide = 0x4000;
}

const BYTE* XTPFindResourceData(UINT nIDResource, LPCTSTR lpszType, DWORD& nSize)
{
    HINSTANCE hInstance = AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), lpszType);
    HRSRC hResource = ::FindResourceA(hInstance, MAKEINTRESOURCE(nIDResource), lpszType);
    if (hResource == NULL)
        return NULL;
    HGLOBAL hLoaded = ::LoadResource(hInstance, hResource);
    nSize = ::SizeofResource(hInstance, hResource);
    return hLoaded ? (const BYTE*)::LockResource(hLoaded) : NULL;
}

BOOL XTPReadPackedAlphaImage(const BYTE* pData, DWORD nSize, BITMAPINFOHEADER& header, const BYTE*& pBits)
{
    if (pData == NULL || nSize < sizeof(BITMAPINFOHEADER))
        return FALSE;
    memcpy(&header, pData, sizeof(header));
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > nSize || header.biBitCount != 32
        || header.biWidth <= 0 || header.biWidth > kMaxImageSide || header.biHeight == 0
        || labs(header.biHeight) > kMaxImageSide || header.biClrUsed > 256)
        return FALSE;
    DWORD nOffset = header.biSize + header.biClrUsed * sizeof(RGBQUAD);
    if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER))
        nOffset += 3 * sizeof(DWORD);
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biCompression = BI_RGB;
    header.biClrUsed = 0;
    header.biSizeImage = (DWORD)header.biWidth * 4 * (DWORD)labs(header.biHeight);
    if (nOffset > nSize || nSize - nOffset < header.biSizeImage)
        return FALSE;
    pBits = pData + nOffset;
    return TRUE;
}

HBITMAP XTPCreateAlphaBitmapFromIconImage(const BYTE* pData, DWORD nSize)
{
    if (pData == NULL || nSize < sizeof(BITMAPINFOHEADER))
        return NULL;
    std::vector<BYTE> image(pData, pData + nSize);
    BITMAPINFOHEADER* pHeader = (BITMAPINFOHEADER*)&image[0];
    pHeader->biHeight /= 2;
    BITMAPINFOHEADER header;
    const BYTE* pBits = NULL;
    if (!XTPReadPackedAlphaImage(&image[0], nSize, header, pBits))
        return NULL;
    return CXTPImageManagerIcon::CreateAlphaBitmap(header, pBits);
}
