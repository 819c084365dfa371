#include "toolkit/controls/XTIconHolder.h"
#include <commctrl.h>

CXTIconHolder::CXTIconHolder() : m_hIcon(NULL)
{}

CXTIconHolder::CXTIconHolder(HICON hIcon) : m_hIcon(hIcon)
{}

CXTIconHolder::~CXTIconHolder()
{
    if (m_hIcon != NULL)
        ::DestroyIcon(m_hIcon);
}

CXTIconHolder& CXTIconHolder::operator=(HICON hIcon)
{
    if (m_hIcon != NULL && m_hIcon != hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
    return *this;
}

CSize CXTIconHolder::GetIconExtent(HICON hIcon)
{
    CSize extent(0, 0);
    ICONINFO info;
    if (hIcon == NULL || !::GetIconInfo(hIcon, &info))
        return extent;
    BITMAP bm;
    if (info.hbmMask != NULL && ::GetObject(info.hbmMask, sizeof(bm), &bm) == (int)sizeof(bm))
    {
        extent.cx = bm.bmWidth;
        extent.cy = info.hbmColor != NULL ? bm.bmHeight : bm.bmHeight / 2;
    }
    if (info.hbmMask != NULL)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    return extent;
}

CSize CXTIconHolder::GetExtent() const
{
    return GetIconExtent(m_hIcon);
}

HICON CXTIconHolder::ScaleToFit(HICON hIcon, int cx, int cy)
{
    CSize extent = GetIconExtent(hIcon);
    if ((cx == 0 && cy == 0) || extent.cx == 0 || extent.cy == 0)
        return NULL;
    // Shrink the box along the side the icon's aspect ratio leaves unused.
    int d = cx * extent.cy - cy * extent.cx;
    if (d < 0)
        cy = ::MulDiv(extent.cy, cx, extent.cx);
    else if (d > 0)
        cx = ::MulDiv(extent.cx, cy, extent.cy);
    HIMAGELIST hList = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 1, 1);
    if (hList == NULL)
        return NULL;
    HICON hScaled = NULL;
    if (ImageList_ReplaceIcon(hList, -1, hIcon) == 0)
        hScaled = ImageList_GetIcon(hList, 0, ILD_NORMAL);
    ImageList_Destroy(hList);
    return hScaled;
}

HICON CXTIconHolder::ScaleToFit(int cx, int cy) const
{
    return ScaleToFit(m_hIcon, cx, cy);
}
