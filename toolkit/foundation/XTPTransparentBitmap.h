#pragma once
// A bitmap (not owned) whose top-left pixel gives its transparent colour.
#include "framework/Gdi.h"

class CXTPTransparentBitmap
{
public:
    explicit CXTPTransparentBitmap(HBITMAP hBitmap) : m_hBitmap(hBitmap) {}
    virtual ~CXTPTransparentBitmap() {}

    // The colour of the top-left pixel; 0xFFFFFFFF without a bitmap.
    COLORREF GetTransparentColor() const;
    // A new icon of the bitmap with the transparent colour masked out (the
    // caller destroys it); NULL without a bitmap or for an empty one.
    HICON ConvertToIcon() const;

private:
    HBITMAP m_hBitmap;
};
