#pragma once
// A 16 x 16 image list cut from a 32 x 16 strip masked by magenta: image 0 is a red square
// (4, 4)-(12, 12) on a transparent ground, image 1 is plain blue.
#include "framework/gdi/CImageList.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

const COLORREF kMagenta = RGB(255, 0, 255);

// Creates the list and adds the strip; answers the index Add gave the strip's first image.
inline int MakeStripList(CImageList& list)
{
    list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
    PixelCanvas picture(32, 16);
    picture.dc().FillSolidRect(0, 0, 16, 16, kMagenta);
    picture.dc().FillSolidRect(4, 4, 8, 8, kRed);
    picture.dc().FillSolidRect(16, 0, 16, 16, kBlue);
    CBitmap strip;
    picture.CopyInto(strip);
    return list.Add(&strip, kMagenta);
}

// Image 0 drawn at (x, y) on a white canvas: the square in the given colour, the ground untouched.
inline void ExpectSquareOnWhite(PixelCanvas& canvas, int x, int y, COLORREF color = kRed)
{
    EXPECT_EQ(color, canvas.Pixel(x + 8, y + 8));
    EXPECT_EQ(kWhite, canvas.Pixel(x + 1, y + 1)) << "the mask colour is transparent";
    RECT square = {x + 4, y + 4, x + 12, y + 12};
    EXPECT_EQ(0, canvas.CountOther(square, color));
}
