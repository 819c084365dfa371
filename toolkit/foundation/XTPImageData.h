#pragma once
// Reading the packed image data of resources and icon files, with every
// size and offset checked against the bytes that are there.
#include "framework/Core.h"

inline WORD XTPWordAt(const BYTE* p)
{
    return (WORD)(p[0] | (p[1] << 8));
}

inline DWORD XTPDwordAt(const BYTE* p)
{
    return XTPWordAt(p) | ((DWORD)XTPWordAt(p + 2) << 16);
}

// The data and size of a resource of the framework's resource module, or NULL.
const BYTE* XTPFindResourceData(UINT nIDResource, LPCTSTR lpszType, DWORD& nSize);

// The header (made a plain 40-byte BI_RGB header) and the bits of a packed
// 32-bit image; FALSE when it is not 32 bits per pixel or its bits are not all there.
BOOL XTPReadPackedAlphaImage(const BYTE* pData, DWORD nSize, BITMAPINFOHEADER& header, const BYTE*& pBits);

// A 32-bit DIB section from the image of an icon resource or .ico entry,
// whose header counts the colour and the mask rows; NULL when it is no
// complete 32-bit image.
HBITMAP XTPCreateAlphaBitmapFromIconImage(const BYTE* pData, DWORD nSize);
