#include "toolkit/commandbars/customize/XTPCustomizeClipboard.h"

#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <cstring>

namespace {

// Some format on the open clipboard has a registered name holding "DIB32"
// after its first character (names read up to 254 characters).
BOOL HasDib32FormatName()
{
    for (UINT nFormat = ::EnumClipboardFormats(0); nFormat != 0; nFormat = ::EnumClipboardFormats(nFormat))
    {
        char szName[256] = {0};
        if (::GetClipboardFormatNameA(nFormat, szName, 255) > 1 && strstr(szName + 1, "DIB32") != NULL)
            return TRUE;
    }
    return FALSE;
}

void PutAlphaMarker()
{
    HGLOBAL hMarker = ::GlobalAlloc(GMEM_MOVEABLE, 1);
    if (hMarker != NULL && ::SetClipboardData(XTPAlphaBitmapClipboardFormat, hMarker) == NULL)
        ::GlobalFree(hMarker);
}

} // namespace

BOOL XTPPutBitmapOnClipboard(HWND hOwner, HBITMAP hBitmap, BOOL bAlpha, const std::function<void()>& addMore)
{
    if (!::OpenClipboard(hOwner))
    {
        ::DeleteObject(hBitmap);
        return FALSE;
    }
    if (!::EmptyClipboard())
    {
        ::CloseClipboard();
        ::DeleteObject(hBitmap);
        return FALSE;
    }
    if (::SetClipboardData(CF_BITMAP, hBitmap) == NULL)
        ::DeleteObject(hBitmap);
    if (bAlpha)
        PutAlphaMarker();
    if (addMore)
        addMore();
    ::CloseClipboard();
    return TRUE;
}

BOOL XTPGetBitmapFromClipboard(HWND hOwner, BOOL bByFormatName, HBITMAP& hBitmap, BOOL& bAlpha)
{
    hBitmap = NULL;
    bAlpha = FALSE;
    if (!::IsClipboardFormatAvailable(CF_BITMAP) || !::OpenClipboard(hOwner))
        return FALSE;
    bAlpha = (bByFormatName && HasDib32FormatName()) || ::IsClipboardFormatAvailable(XTPAlphaBitmapClipboardFormat);
    HANDLE hData = ::GetClipboardData(CF_BITMAP);
    if (hData != NULL)
        hBitmap = (HBITMAP)::CopyImage(hData, IMAGE_BITMAP, 0, 0, bAlpha ? LR_CREATEDIBSECTION : 0);
    ::CloseClipboard();
    return hBitmap != NULL;
}
