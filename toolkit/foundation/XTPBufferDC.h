#pragma once
// Off-screen device contexts: drawing goes to a compatible bitmap, and the
// destructor copies the picture to the destination in one block, so a
// control paints without flicker.
#include "framework/Gdi.h"

// Drawing uses the destination's coordinates; only the rectangle is copied
// back, to the same place.
class CXTPBufferDC : public CDC
{
public:
    CXTPBufferDC(HDC hDestDC, const CRect& rect);
    ~CXTPBufferDC() override;

    // The destination as a (temporary) device-context object.
    CDC* GetDestDC();

private:
    HDC m_hDestDC;
    CBitmap m_bitmap;
    CRect m_rect;
    HGDIOBJ m_hOldBitmap;
};

// Drawing uses coordinates relative to the rectangle's top-left corner; the
// picture goes to the rectangle's place in the destination.
class CXTMemDC : public CDC
{
public:
    // An empty rectangle stands for the destination's clip box; the bitmap is
    // filled with clrBack unless it is 0xFFFFFFFF.
    CXTMemDC(CDC* pDC, const CRect& rect, COLORREF clrBack = 0xFFFFFFFF);
    ~CXTMemDC() override;

    CBitmap& GetBitmap() { return m_bitmap; }
    // Copies the destination's current picture of the rectangle into this DC.
    void FromDC();
    BOOL IsValid() const { return m_bValid; }

private:
    CDC* m_pDC;
    BOOL m_bValid;
    CRect m_rect;
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap;
};
