#include "CursorShape.h"

namespace {

#pragma pack(push, 2)
// The entry of a cursor group (RT_GROUP_CURSOR) after its 6-byte header.
struct CursorGroupEntry
{
    WORD wWidth;
    WORD wHeight; // twice the cursor's height: the AND and XOR masks
    WORD wPlanes;
    WORD wBitCount;
    DWORD dwBytesInRes;
    WORD nId;
};
#pragma pack(pop)

const void* ResourceData(HMODULE hModule, LPCTSTR lpszName, LPCTSTR lpszType)
{
    HRSRC hFound = ::FindResourceA(hModule, lpszName, lpszType);
    HGLOBAL hLoaded = hFound != NULL ? ::LoadResource(hModule, hFound) : NULL;
    return hLoaded != NULL ? ::LockResource(hLoaded) : NULL;
}

} // namespace

CursorShape CursorShape::Of(HCURSOR hCursor)
{
    CursorShape shape;
    ICONINFO info = {};
    if (hCursor == NULL || !::GetIconInfo(hCursor, &info))
        return shape;
    BITMAP mask = {};
    ::GetObjectA(info.hbmMask, sizeof(mask), &mask);
    shape.m_ptHotSpot = CPoint(info.xHotspot, info.yHotspot);
    // A monochrome cursor keeps its AND and XOR masks one above the other.
    shape.m_size = CSize(mask.bmWidth, info.hbmColor != NULL ? mask.bmHeight : mask.bmHeight / 2);
    shape.m_mask.resize(mask.bmWidthBytes * mask.bmHeight);
    ::GetBitmapBits(info.hbmMask, (LONG)shape.m_mask.size(), shape.m_mask.data());
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    shape.m_bValid = true;
    return shape;
}

CursorShape CursorShape::OfResource(UINT nID)
{
    CursorShape shape;
    const HMODULE hProgram = ::GetModuleHandleA(NULL);
    const BYTE* pGroup = (const BYTE*)ResourceData(hProgram, MAKEINTRESOURCEA(nID), RT_GROUP_CURSOR);
    if (pGroup == NULL)
        return shape;
    const CursorGroupEntry* pEntry = (const CursorGroupEntry*)(pGroup + 6);
    // An image of the group: its hot spot, then its bitmap header.
    const WORD* pImage = (const WORD*)ResourceData(hProgram, MAKEINTRESOURCEA(pEntry->nId), RT_CURSOR);
    if (pImage == NULL)
        return shape;
    const BITMAPINFOHEADER* pHeader = (const BITMAPINFOHEADER*)(pImage + 2);
    shape.m_ptHotSpot = CPoint(pImage[0], pImage[1]);
    shape.m_size = CSize(pHeader->biWidth, pHeader->biHeight / 2);
    shape.m_bValid = true;
    return shape;
}

bool CursorShape::SameFrameAs(const CursorShape& other) const
{
    return m_bValid && other.m_bValid && m_ptHotSpot == other.m_ptHotSpot && m_size == other.m_size;
}
