#pragma once
// The clipboard work shared by the Button Editor and the control context
// menu of customize mode: a button picture goes on the clipboard as
// CF_BITMAP, marked by the registered format "Alpha Bitmap Image" when it
// carries alpha, and comes back from there.
//
//     XTPPutBitmapOnClipboard(m_hWnd, hBitmap, bAlpha);
//     HBITMAP hPasted = NULL;
//     BOOL bAlpha = FALSE;
//     if (XTPGetBitmapFromClipboard(m_hWnd, TRUE, hPasted, bAlpha)) { ...; ::DeleteObject(hPasted); }
#include <windows.h>

#include <functional>

// Opens the clipboard for hOwner, empties it and puts the bitmap on it (the
// clipboard takes it), the alpha marker with it when bAlpha; addMore runs
// while the clipboard is still open, for further formats. FALSE, with the
// bitmap deleted and nothing stored, when the clipboard cannot be opened or
// emptied.
BOOL XTPPutBitmapOnClipboard(HWND hOwner, HBITMAP hBitmap, BOOL bAlpha,
                             const std::function<void()>& addMore = std::function<void()>());

// A copy of the clipboard's CF_BITMAP (the caller deletes it) and whether it
// carries alpha: the alpha marker says so, and with bByFormatName so does any
// format whose registered name holds "DIB32" after its first character.
// FALSE when there is no bitmap or the clipboard cannot be opened.
BOOL XTPGetBitmapFromClipboard(HWND hOwner, BOOL bByFormatName, HBITMAP& hBitmap, BOOL& bAlpha);
