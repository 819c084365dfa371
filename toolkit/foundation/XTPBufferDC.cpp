#include "toolkit/foundation/XTPBufferDC.h"

CXTPBufferDC::CXTPBufferDC(HDC hDestDC, const CRect& rect)
    : m_hDestDC(hDestDC), m_rect(rect), m_hOldBitmap(NULL)
{
    Attach(::CreateCompatibleDC(hDestDC));
    // As large as the destination up to the rectangle's far corner, so that
    // drawing keeps the destination's coordinates.
    m_bitmap.Attach(::CreateCompatibleBitmap(hDestDC, rect.right, rect.bottom));
    if (m_hDC != NULL && m_bitmap.GetSafeHandle() != NULL)
        m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
}

CXTPBufferDC::~CXTPBufferDC()
{
    if (m_hOldBitmap != NULL)
    {
        ::BitBlt(m_hDestDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left,
                 m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_hOldBitmap);
    }
    m_bitmap.DeleteObject();
}

CDC* CXTPBufferDC::GetDestDC()
{
    return CDC::FromHandle(m_hDestDC);
}

CXTMemDC::CXTMemDC(CDC* pDC, const CRect& rect, COLORREF clrBack)
    : m_pDC(pDC), m_bValid(FALSE), m_rect(rect), m_hOldBitmap(NULL)
{
    if (m_rect.IsRectEmpty())
        pDC->GetClipBox(&m_rect);
    if (!CreateCompatibleDC(pDC))
        return;
    SetMapMode(pDC->GetMapMode());
    if (m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height()))
        m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
    if (clrBack != 0xFFFFFFFF)
        FillSolidRect(0, 0, m_rect.Width(), m_rect.Height(), clrBack);
    m_bValid = TRUE;
}

CXTMemDC::~CXTMemDC()
{
    if (!m_bValid)
        return;
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, 0, 0, SRCCOPY);
    if (m_hOldBitmap != NULL)
    {
        ::SelectObject(m_hDC, m_hOldBitmap);
        m_bitmap.DeleteObject();
    }
}

void CXTMemDC::FromDC()
{
    BitBlt(0, 0, m_rect.Width(), m_rect.Height(), m_pDC, m_rect.left, m_rect.top, SRCCOPY);
}
