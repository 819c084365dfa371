// DrawState, checked by pixels; no test assumes particular font metrics. (Text output
// forwards to one API call each and is left to the cases that draw text.)
#include <gtest/gtest.h>
#include "StripImages.h"

namespace {
// The red square of the strip list as an icon, transparent around the square.
HICON MakeSquareIcon()
{
    CImageList list;
    MakeStripList(list);
    return list.ExtractIcon(0);
}
} // namespace

TEST(DrawState, IconsAreDrawnNormallyOrAsAOneColourSilhouette)
{
    HICON icon = MakeSquareIcon();
    PixelCanvas canvas(40, 20);
    CDC& dc = canvas.dc();
    EXPECT_TRUE(dc.DrawState(CPoint(0, 0), CSize(16, 16), icon, DSS_NORMAL, (HBRUSH)NULL));
    ExpectSquareOnWhite(canvas, 0, 0);
    CBrush blue(kBlue);
    EXPECT_TRUE(dc.DrawState(CPoint(20, 0), CSize(16, 16), icon, DSS_MONO, &blue));
    ExpectSquareOnWhite(canvas, 20, 0, kBlue);
    // DST_TEXT passed along with an icon still draws the icon.
    canvas.Fill(kWhite);
    dc.DrawState(CPoint(0, 0), CSize(16, 16), icon, DST_TEXT | DSS_NORMAL);
    EXPECT_EQ(kRed, canvas.Pixel(8, 8));
    ::DestroyIcon(icon);
}

TEST(DrawState, ABitmapIsDrawnAtThePoint)
{
    PixelCanvas source(8, 8);
    source.dc().FillSolidRect(0, 0, 8, 8, kBlue);
    CBitmap bitmap;
    source.CopyInto(bitmap);
    PixelCanvas canvas(60, 30);
    EXPECT_TRUE(canvas.dc().DrawState(CPoint(2, 3), CSize(8, 8), &bitmap, DSS_NORMAL));
    EXPECT_EQ(CRect(2, 3, 10, 11), canvas.PaintedBounds(kWhite));
}

TEST(DrawState, TextIsDrawnWithItsPrefixUnderlineOnlyWhenAsked)
{
    PixelCanvas text(60, 30), prefixed(60, 30);
    CSize size = text.dc().GetTextExtent("&Tide", 5);
    text.dc().DrawState(CPoint(0, 0), size, "&Tide", DSS_NORMAL, FALSE);
    prefixed.dc().DrawState(CPoint(0, 0), size, "&Tide", DSS_NORMAL, TRUE);
    EXPECT_GT(text.CountOther(kWhite), 0);
    EXPECT_FALSE(text.SameAs(prefixed)) << "the prefix form underlines T instead of showing &";
}
