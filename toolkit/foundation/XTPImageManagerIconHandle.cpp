#include "toolkit/foundation/XTPImageManagerIconHandle.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle()
    : m_hIcon(NULL), m_hBitmap(NULL), m_hAlphaBits(NULL), m_bClearHandles(TRUE), m_szExtent(0, 0)
{}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HICON hIcon)
    : m_hIcon(hIcon), m_hBitmap(NULL), m_hAlphaBits(NULL), m_bClearHandles(FALSE), m_szExtent(0, 0)
{}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HBITMAP hBitmap)
    : m_hIcon(NULL), m_hBitmap(hBitmap), m_hAlphaBits(NULL), m_bClearHandles(FALSE), m_szExtent(0, 0)
{}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(const CXTPImageManagerIconHandle& handle)
    : m_hIcon(handle.m_hIcon), m_hBitmap(handle.m_hBitmap), m_hAlphaBits(NULL), m_bClearHandles(FALSE),
      m_szExtent(handle.m_szExtent)
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
    m_szExtent = CSize(0, 0);
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
    m_szExtent = handle.m_szExtent;
}

void CXTPImageManagerIconHandle::TakeHandle(CXTPImageManagerIconHandle& handle)
{
    if (!handle.m_bClearHandles)
    {
        CopyHandle(handle);
        return;
    }
    Clear();
    m_hIcon = handle.m_hIcon;
    m_hBitmap = handle.m_hBitmap;
    m_hAlphaBits = handle.m_hAlphaBits;
    m_szExtent = handle.m_szExtent;
    m_bClearHandles = TRUE;
    handle.m_hIcon = NULL;
    handle.m_hBitmap = NULL;
    handle.m_hAlphaBits = NULL;
    handle.m_szExtent = CSize(0, 0);
}

void CXTPImageManagerIconHandle::Own(HICON hIcon, CSize szExtent)
{
    *this = hIcon;
    m_szExtent = szExtent;
}

void CXTPImageManagerIconHandle::Own(HBITMAP hBitmap, CSize szExtent)
{
    *this = hBitmap;
    m_szExtent = szExtent;
}

CSize CXTPImageManagerIconHandle::GetExtent() const
{
    if (m_szExtent.cx != 0)
        return m_szExtent;
    BITMAP bitmap;
    if (m_hIcon != NULL)
        m_szExtent = CXTPImageManagerIcon::GetExtent(m_hIcon);
    else if (m_hBitmap != NULL && ::GetObject(m_hBitmap, sizeof(bitmap), &bitmap))
        m_szExtent = CSize(bitmap.bmWidth, bitmap.bmHeight);
    return m_szExtent;
}

HBITMAP CXTPImageManagerIconHandle::PreMultiply()
{
    if (m_hAlphaBits == NULL && m_hBitmap != NULL)
        m_hAlphaBits = CXTPImageManagerIcon::PreMultiplyAlphaBitmap(m_hBitmap);
    return m_hAlphaBits;
}
