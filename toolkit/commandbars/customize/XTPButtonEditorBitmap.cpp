#include "toolkit/commandbars/customize/XTPButtonEditorBitmap.h"

#include "toolkit/foundation/XTPImageManagerIconHandle.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// A pixel of the DIB as 0xAARRGGBB; a COLORREF is 0x00BBGGRR.
DWORD ToPixel(COLORREF clr, BYTE nAlpha)
{
    return ((DWORD)nAlpha << 24) | ((DWORD)GetRValue(clr) << 16) | ((DWORD)GetGValue(clr) << 8) | GetBValue(clr);
}

COLORREF ToColor(DWORD dwPixel)
{
    return RGB((dwPixel >> 16) & 0xFF, (dwPixel >> 8) & 0xFF, dwPixel & 0xFF);
}

const DWORD kTransparentPixel = ToPixel(XTP_EDITOR_TRANSPARENT, 0);

// The header of a top-down 32-bit picture of the size.
BITMAPINFO TopDownInfo(CSize size)
{
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {{0, 0, 0, 0}}};
    return info;
}

CSize BitmapSize(HBITMAP hBitmap)
{
    BITMAP bm;
    if (hBitmap == NULL || ::GetObjectA(hBitmap, sizeof(bm), &bm) == 0)
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

} // namespace

CXTPButtonEditorBitmap::CXTPButtonEditorBitmap() : m_pBits(NULL), m_size(0, 0), m_bAlpha(FALSE)
{}

BOOL CXTPButtonEditorBitmap::Create(CSize size, BOOL bAlpha)
{
    if (size.cx <= 0 || size.cy <= 0)
        return FALSE;
    BITMAPINFO info = TopDownInfo(size);
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL)
        return FALSE;
    Attach(hBitmap);
    m_pBits = (DWORD*)pBits;
    m_size = size;
    m_bAlpha = bAlpha;
    std::fill(m_pBits, m_pBits + size.cx * size.cy, kTransparentPixel);
    return TRUE;
}

CXTPButtonEditorBitmap* CXTPButtonEditorBitmap::CreatePicture(CSize size, BOOL bAlpha)
{
    CXTPButtonEditorBitmap* pPicture = new CXTPButtonEditorBitmap;
    if (!pPicture->Create(size, bAlpha))
    {
        delete pPicture;
        return NULL;
    }
    return pPicture;
}

CXTPButtonEditorBitmap* CXTPButtonEditorBitmap::CopyOf(const CXTPButtonEditorBitmap* pPicture, CSize size)
{
    return pPicture != NULL ? pPicture->Clone() : CreatePicture(size, FALSE);
}

CXTPButtonEditorBitmap* CXTPButtonEditorBitmap::Clone() const
{
    CXTPButtonEditorBitmap* pCopy = CreatePicture(m_size, m_bAlpha);
    if (pCopy != NULL)
        memcpy(pCopy->m_pBits, m_pBits, m_size.cx * m_size.cy * sizeof(DWORD));
    return pCopy;
}

CXTPButtonEditorBitmap* CXTPButtonEditorBitmap::FromImage(const CXTPImageManagerIconHandle& hImage, CSize size)
{
    if (hImage.IsEmpty())
        return NULL;
    if (size == CSize(0, 0))
        size = hImage.GetExtent();
    CXTPButtonEditorBitmap* pPicture = CreatePicture(size, hImage.IsAlpha());
    if (pPicture == NULL)
        return NULL;
    if (hImage.IsAlpha())
    {
        pPicture->CopyBitmapIn(hImage.GetBitmap(), TRUE);
        std::replace(pPicture->m_pBits, pPicture->m_pBits + size.cx * size.cy, (DWORD)0, kTransparentPixel);
    }
    else
    {
        HICON hIcon = hImage.GetIcon();
        pPicture->DrawWithDC([&](HDC hDC) {
            ::DrawStateA(hDC, NULL, NULL, (LPARAM)hIcon, 0, 0, 0, size.cx, size.cy, DST_ICON | DSS_NORMAL);
        });
    }
    return pPicture;
}

CXTPButtonEditorBitmap* CXTPButtonEditorBitmap::FromBitmap(HBITMAP hBitmap, BOOL bAlpha, CSize size)
{
    if (BitmapSize(hBitmap) == CSize(0, 0))
        return NULL;
    CXTPButtonEditorBitmap* pPicture = CreatePicture(size, bAlpha);
    if (pPicture != NULL)
        pPicture->CopyBitmapIn(hBitmap, bAlpha);
    return pPicture;
}

void CXTPButtonEditorBitmap::CopyBitmapIn(HBITMAP hBitmap, BOOL bAlpha)
{
    CSize szSource = BitmapSize(hBitmap);
    if (!bAlpha)
    {
        HDC hSourceDC = ::CreateCompatibleDC(NULL);
        HGDIOBJ hOld = ::SelectObject(hSourceDC, hBitmap);
        DrawWithDC([&](HDC hDC) { ::BitBlt(hDC, 0, 0, szSource.cx, szSource.cy, hSourceDC, 0, 0, SRCCOPY); });
        ::SelectObject(hSourceDC, hOld);
        ::DeleteDC(hSourceDC);
        return;
    }
    // The bytes themselves, so the alpha survives.
    std::vector<DWORD> source(szSource.cx * szSource.cy);
    BITMAPINFO info = TopDownInfo(szSource);
    HDC hDC = ::GetDC(NULL);
    int nLines = ::GetDIBits(hDC, hBitmap, 0, szSource.cy, &source[0], &info, DIB_RGB_COLORS);
    ::ReleaseDC(NULL, hDC);
    if (nLines == 0)
        return;
    for (int y = 0; y < std::min(szSource.cy, m_size.cy); y++)
    {
        for (int x = 0; x < std::min(szSource.cx, m_size.cx); x++)
            Bits(x, y) = source[y * szSource.cx + x];
    }
}

void CXTPButtonEditorBitmap::Draw(HDC hDC, int x, int y) const
{
    HDC hMemDC = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMemDC, m_hObject);
    ::BitBlt(hDC, x, y, m_size.cx, m_size.cy, hMemDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
}

void CXTPButtonEditorBitmap::ReplaceColor(COLORREF clrFrom, COLORREF clrTo)
{
    for (int y = 0; y < m_size.cy; y++)
    {
        for (int x = 0; x < m_size.cx; x++)
        {
            if (GetPixel(x, y) == clrFrom)
                Bits(x, y) = ToPixel(clrTo, (BYTE)(Bits(x, y) >> 24));
        }
    }
}

COLORREF CXTPButtonEditorBitmap::GetPixel(int x, int y) const
{
    return Contains(CPoint(x, y)) ? ToColor(Bits(x, y)) : XTP_EDITOR_TRANSPARENT;
}

BYTE CXTPButtonEditorBitmap::GetAlpha(int x, int y) const
{
    return Contains(CPoint(x, y)) ? (BYTE)(Bits(x, y) >> 24) : 0;
}

BOOL CXTPButtonEditorBitmap::IsTransparent(int x, int y) const
{
    if (!Contains(CPoint(x, y)))
        return TRUE;
    return m_bAlpha ? GetAlpha(x, y) == 0 : GetPixel(x, y) == XTP_EDITOR_TRANSPARENT;
}

void CXTPButtonEditorBitmap::SetPixel(int x, int y, COLORREF clr)
{
    if (!Contains(CPoint(x, y)))
        return;
    BYTE nAlpha = m_bAlpha && clr != XTP_EDITOR_TRANSPARENT ? 255 : 0;
    Bits(x, y) = ToPixel(clr, nAlpha);
}

template <class Fn>
void CXTPButtonEditorBitmap::DrawWithDC(Fn draw)
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, m_hObject);
    draw(hDC);
    ::GdiFlush();
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
}

void CXTPButtonEditorBitmap::DrawShape(XTPButtonEditorShape shape, CPoint ptFrom, CPoint ptTo, COLORREF clr)
{
    CRect rc(std::min(ptFrom.x, ptTo.x), std::min(ptFrom.y, ptTo.y), std::max(ptFrom.x, ptTo.x),
             std::max(ptFrom.y, ptTo.y));
    DrawWithDC([&](HDC hDC) {
        HPEN hPen = ::CreatePen(PS_SOLID, 1, clr);
        HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
        HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
        switch (shape)
        {
        case xtpEditorShapeLine:
            ::MoveToEx(hDC, ptFrom.x, ptFrom.y, NULL);
            ::LineTo(hDC, ptTo.x, ptTo.y);
            break;
        case xtpEditorShapeRectangle:
            ::Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom);
            break;
        case xtpEditorShapeEllipse:
            ::Ellipse(hDC, rc.left, rc.top, rc.right, rc.bottom);
            break;
        }
        ::SelectObject(hDC, hOldBrush);
        ::SelectObject(hDC, hOldPen);
        ::DeleteObject(hPen);
    });
}

void CXTPButtonEditorBitmap::FloodFill(CPoint pt, COLORREF clr)
{
    if (!Contains(pt))
        return;
    COLORREF clrArea = GetPixel(pt.x, pt.y);
    DrawWithDC([&](HDC hDC) {
        HBRUSH hBrush = ::CreateSolidBrush(clr);
        HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
        ::ExtFloodFill(hDC, pt.x, pt.y, clrArea, FLOODFILLSURFACE);
        ::SelectObject(hDC, hOldBrush);
        ::DeleteObject(hBrush);
    });
}

void CXTPButtonEditorBitmap::MakeChangedPixelsOpaque(const CXTPButtonEditorBitmap& old)
{
    if (!m_bAlpha)
        return;
    for (int y = 0; y < m_size.cy; y++)
    {
        for (int x = 0; x < m_size.cx; x++)
        {
            if (old.Contains(CPoint(x, y)) && Bits(x, y) == old.Bits(x, y))
                continue;
            SetPixel(x, y, GetPixel(x, y));
        }
    }
}

CXTPButtonEditorBitmap* CXTPButtonEditorBitmap::Moved(int dx, int dy) const
{
    CXTPButtonEditorBitmap* pMoved = CreatePicture(m_size, m_bAlpha);
    if (pMoved == NULL)
        return NULL;
    for (int y = 0; y < m_size.cy; y++)
    {
        for (int x = 0; x < m_size.cx; x++)
        {
            if (Contains(CPoint(x + dx, y + dy)))
                pMoved->Bits(x + dx, y + dy) = Bits(x, y);
        }
    }
    return pMoved;
}

void CXTPButtonEditorBitmap::ToImage(CXTPImageManagerIconHandle& hImage) const
{
    hImage.Clear();
    if (m_bAlpha)
    {
        hImage.CopyHandle((HBITMAP)m_hObject);
        return;
    }
    // The image list changes the masked pixels of what it is given: it gets a copy.
    CXTPButtonEditorBitmap* pCopy = Clone();
    if (pCopy == NULL)
        return;
    HIMAGELIST hList = ImageList_Create(m_size.cx, m_size.cy, ILC_COLOR24 | ILC_MASK, 1, 1);
    if (hList != NULL)
    {
        ImageList_AddMasked(hList, (HBITMAP)pCopy->m_hObject, XTP_EDITOR_TRANSPARENT);
        if (ImageList_GetImageCount(hList) == 1)
            hImage = ImageList_GetIcon(hList, 0, ILD_NORMAL);
        ImageList_Destroy(hList);
    }
    delete pCopy;
}

CXTPButtonEditorBitmap* CXTPButtonEditorBitmap::FacedCopy() const
{
    CXTPButtonEditorBitmap* pCopy = Clone();
    if (pCopy != NULL)
        pCopy->ReplaceColor(XTP_EDITOR_TRANSPARENT, ::GetSysColor(COLOR_BTNFACE));
    return pCopy;
}

BOOL CXTPButtonEditorBitmap::SameAs(const CXTPButtonEditorBitmap& other) const
{
    if (m_size != other.m_size || m_bAlpha != other.m_bAlpha)
        return FALSE;
    const DWORD dwMask = m_bAlpha ? 0xFFFFFFFF : 0x00FFFFFF;
    for (int i = 0; i < m_size.cx * m_size.cy; i++)
    {
        if ((m_pBits[i] & dwMask) != (other.m_pBits[i] & dwMask))
            return FALSE;
    }
    return TRUE;
}
