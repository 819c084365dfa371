#pragma once
// A memory DC with a 32-bit top-down DIB section selected, for drawing tests
// that probe pixels. The pixels are read straight from the section's bits (after
// GdiFlush), not through GDI, so a test sees what was really drawn.
//
//     PixelCanvas canvas(40, 30);                 // filled white
//     canvas.dc().FillSolidRect(0, 0, 10, 10, kRed);
//     EXPECT_EQ(kRed, canvas.Pixel(5, 5));
//     EXPECT_EQ(0, canvas.CountOther(CRect(10, 0, 40, 30), kWhite));
#include "framework/Gdi.h"

class PixelCanvas
{
public:
    PixelCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~PixelCanvas();

    CDC& dc() { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The colour at the point, as a COLORREF.
    COLORREF Pixel(int x, int y) const;
    // Sets every pixel to the colour.
    void Fill(COLORREF color);

    // The pixels in the rectangle (or the whole canvas) whose colour is not the given one.
    int CountOther(const RECT& rect, COLORREF color) const;
    int CountOther(COLORREF color) const;
    // The smallest rectangle holding every pixel not of the background colour
    // (empty when there is none).
    CRect PaintedBounds(COLORREF background) const;
    // The smallest rectangle holding every pixel of the colour (empty when
    // there is none).
    CRect BoundsOf(COLORREF color) const;

    // A new bitmap, compatible with the canvas, holding a copy of its picture.
    void CopyInto(CBitmap& bitmap);
    // Same size and every pixel equal.
    bool SameAs(const PixelCanvas& other) const;

private:
    // The bounds of the pixels of the colour, or of those of any other.
    CRect BoundsWhere(COLORREF color, bool bOfColor) const;

    int m_width;
    int m_height;
    DWORD* m_bits;
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_previous;
};

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
