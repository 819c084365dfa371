#include "toolkit/foundation/XTPImageManagerIconHandle.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle()
    : m_hIcon(NULL), m_hBitmap(NULL), m_hAlphaBits(NULL), m_bClearHandles(TRUE)
{}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HICON hIcon)
    : m_hIcon(hIcon), m_hBitmap(NULL), m_hAlphaBits(NULL), m_bClearHandles(FALSE)
{}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HBITMAP hBitmap)
    : m_hIcon(NULL), m_hBitmap(hBitmap), m_hAlphaBits(NULL), m_bClearHandles(FALSE)
{}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(const CXTPImageManagerIconHandle& handle)
    : m_hIcon(handle.m_hIcon), m_hBitmap(handle.m_hBitmap), m_hAlphaBits(NULL), m_bClearHandles(FALSE)
{}

CXTPImageManagerIconHandle::~CXTPImageManagerIconHandle()
{
    Clear();
}

void CXTPImageManagerIconHandle::Clear()
{
    if (m_bClearHandles)
    {
        if (m_hIcon != NULL)
            ::DestroyIcon(m_hIcon);
        if (m_hBitmap != NULL)
            ::DeleteObject(m_hBitmap);
    }
    if (m_hAlphaBits != NULL)
        ::DeleteObject(m_hAlphaBits);
    m_hIcon = NULL;
    m_hBitmap = NULL;
    m_hAlphaBits = NULL;
}

const CXTPImageManagerIconHandle& CXTPImageManagerIconHandle::operator=(HICON hIcon)
{
    Clear();
    m_hIcon = hIcon;
    m_bClearHandles = TRUE;
    return *this;
}

const CXTPImageManagerIconHandle& CXTPImageManagerIconHandle::operator=(HBITMAP hBitmap)
{
    Clear();
    m_hBitmap = hBitmap;
    m_bClearHandles = TRUE;
    return *this;
}

void CXTPImageManagerIconHandle::CopyHandle(HBITMAP hBitmap)
{
    *this = CXTPImageManagerIcon::CopyAlphaBitmap(hBitmap);
}

void CXTPImageManagerIconHandle::CopyHandle(const CXTPImageManagerIconHandle& handle)
{
    Clear();
    m_bClearHandles = TRUE;
    if (handle.m_hIcon != NULL)
        m_hIcon = ::CopyIcon(handle.m_hIcon);
    if (handle.m_hBitmap != NULL)
        m_hBitmap = CXTPImageManagerIcon::CopyAlphaBitmap(handle.m_hBitmap);
}

CSize CXTPImageManagerIconHandle::GetExtent() const
{
    if (m_hIcon != NULL)
        return CXTPImageManagerIcon::GetExtent(m_hIcon);
    BITMAP bitmap;
    if (m_hBitmap != NULL && ::GetObject(m_hBitmap, sizeof(bitmap), &bitmap))
        return CSize(bitmap.bmWidth, bitmap.bmHeight);
    return CSize(0, 0);
}

HBITMAP CXTPImageManagerIconHandle::PreMultiply()
{
    if (m_hAlphaBits == NULL && m_hBitmap != NULL)
        m_hAlphaBits = CXTPImageManagerIcon::PreMultiplyAlphaBitmap(m_hBitmap);
    return m_hAlphaBits;
}
