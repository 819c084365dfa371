#include "toolkit/foundation/XTPTransparentBitmap.h"

#include "toolkit/foundation/XTPSelectScopes.h"

COLORREF CXTPTransparentBitmap::GetTransparentColor() const
{
    if (m_hBitmap == NULL)
        return 0xFFFFFFFF;
    CDC screen;
    screen.Attach(::GetDC(NULL));
    COLORREF clr = 0xFFFFFFFF;
    {
        CXTPCompatibleDC dc(&screen, CBitmap::FromHandle(m_hBitmap));
        clr = dc.GetPixel(0, 0);
    }
    ::ReleaseDC(NULL, screen.Detach());
    return clr;
}

HICON CXTPTransparentBitmap::ConvertToIcon() const
{
    BITMAP bm;
    if (m_hBitmap == NULL || !::GetObjectA(m_hBitmap, sizeof(bm), &bm) || bm.bmWidth == 0 || bm.bmHeight == 0)
        return NULL;
    CImageList images;
    if (!images.Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1))
        return NULL;
    // The list takes a copy: the caller's bitmap stays untouched.
    HBITMAP hCopy = static_cast<HBITMAP>(::CopyImage(m_hBitmap, IMAGE_BITMAP, 0, 0, 0));
    CBitmap copy;
    copy.Attach(hCopy);
    if (images.Add(&copy, GetTransparentColor()) < 0)
        return NULL;
    return images.ExtractIcon(0);
}
