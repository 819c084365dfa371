#include "toolkit/foundation/XTPSelectScopes.h"

CXTPFontDC::CXTPFontDC(CDC* pDC, CFont* pFont) : m_hDC(pDC->GetSafeHdc()), m_hOldFont(NULL)
{
    if (pFont != NULL && pFont->GetSafeHandle() != NULL)
        m_hOldFont = ::SelectObject(m_hDC, pFont->GetSafeHandle());
}

CXTPFontDC::~CXTPFontDC()
{
    if (m_hOldFont != NULL)
        ::SelectObject(m_hDC, m_hOldFont);
}

void CXTPFontDC::SetFont(CFont* pFont)
{
    if (m_hOldFont != NULL)
        ::SelectObject(m_hDC, m_hOldFont);
    if (pFont == NULL || pFont->GetSafeHandle() == NULL)
    {
        m_hOldFont = NULL;
        return;
    }
    HGDIOBJ hPrevious = ::SelectObject(m_hDC, pFont->GetSafeHandle());
    if (m_hOldFont == NULL)
        m_hOldFont = hPrevious;
}

CXTPPenDC::CXTPPenDC(HDC hDC, COLORREF clr) : m_hDC(hDC), m_hOldPen(NULL), m_clr(clr)
{
    if (m_pen.CreatePen(PS_SOLID, 1, clr))
        m_hOldPen = ::SelectObject(m_hDC, m_pen.GetSafeHandle());
}

CXTPPenDC::~CXTPPenDC()
{
    if (m_hOldPen != NULL)
        ::SelectObject(m_hDC, m_hOldPen);
}

void CXTPPenDC::Color(COLORREF clr)
{
    if (m_hOldPen == NULL)
        return;
    ::SelectObject(m_hDC, m_hOldPen);
    m_pen.DeleteObject();
    m_clr = clr;
    if (m_pen.CreatePen(PS_SOLID, 1, clr))
        ::SelectObject(m_hDC, m_pen.GetSafeHandle());
    else
        m_hOldPen = NULL;
}

CXTPBrushDC::CXTPBrushDC(HDC hDC, COLORREF clr) : m_hDC(hDC), m_hOldBrush(NULL)
{
    if (m_brush.CreateSolidBrush(clr))
        m_hOldBrush = ::SelectObject(m_hDC, m_brush.GetSafeHandle());
}

CXTPBrushDC::~CXTPBrushDC()
{
    if (m_hOldBrush != NULL)
        ::SelectObject(m_hDC, m_hOldBrush);
}

void CXTPBrushDC::Color(COLORREF clr)
{
    if (m_hOldBrush == NULL)
        return;
    ::SelectObject(m_hDC, m_hOldBrush);
    m_brush.DeleteObject();
    if (m_brush.CreateSolidBrush(clr))
        ::SelectObject(m_hDC, m_brush.GetSafeHandle());
    else
        m_hOldBrush = NULL;
}

CXTPCompatibleDC::CXTPCompatibleDC(CDC* pDC, CBitmap* pBitmap) : m_hOldBitmap(NULL)
{
    if (CreateCompatibleDC(pDC) && pBitmap != NULL && pBitmap->GetSafeHandle() != NULL)
        m_hOldBitmap = ::SelectObject(m_hDC, pBitmap->GetSafeHandle());
}

CXTPCompatibleDC::~CXTPCompatibleDC()
{
    if (m_hOldBitmap != NULL)
        ::SelectObject(m_hDC, m_hOldBitmap);
}
