// Image lists: images added from bitmaps and icons, drawn and read back.
#include <gtest/gtest.h>
#include "framework/gdi/CImageList.h"
#include "tests/support/PixelCanvas.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

// A 32 x 16 strip: a red square on magenta, then plain blue.
void MakeStrip(CBitmap& strip)
{
    PixelCanvas picture(32, 16);
    picture.dc().FillSolidRect(0, 0, 16, 16, kMagenta);
    picture.dc().FillSolidRect(4, 4, 8, 8, kRed);
    picture.dc().FillSolidRect(16, 0, 16, 16, kBlue);
    picture.CopyInto(strip);
}

// A list of 16 x 16 images holding the strip, masked by magenta.
void MakeStripList(CImageList& list)
{
    list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
    CBitmap strip;
    MakeStrip(strip);
    list.Add(&strip, kMagenta);
}

void ExpectSquareOnWhite(PixelCanvas& canvas, int x, int y)
{
    EXPECT_EQ(kRed, canvas.Pixel(x + 8, y + 8));
    EXPECT_EQ(kWhite, canvas.Pixel(x + 1, y + 1)) << "the mask colour is transparent";
    RECT square = {x + 4, y + 4, x + 12, y + 12};
    EXPECT_EQ(0, canvas.CountOther(square, kRed));
}

} // namespace

TEST(ImageList, AStripMaskedByColourGivesTransparentImages)
{
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1));
    CBitmap strip;
    MakeStrip(strip);
    EXPECT_EQ(0, list.Add(&strip, kMagenta));
    EXPECT_EQ(2, list.GetImageCount());

    PixelCanvas canvas(40, 20);
    EXPECT_TRUE(list.Draw(&canvas.dc(), 0, CPoint(2, 2), ILD_TRANSPARENT));
    ExpectSquareOnWhite(canvas, 2, 2);
    list.Draw(&canvas.dc(), 1, CPoint(20, 2), ILD_NORMAL);
    EXPECT_EQ(kBlue, canvas.Pixel(20, 2));
}

TEST(ImageList, IconsGoInAndComeOutAgain)
{
    CImageList list;
    MakeStripList(list);

    HICON square = list.ExtractIcon(0);
    ASSERT_TRUE(square != NULL);
    EXPECT_EQ(2, list.Add(square));
    EXPECT_EQ(3, list.GetImageCount());
    PixelCanvas canvas(20, 20);
    list.Draw(&canvas.dc(), 2, CPoint(0, 0), ILD_TRANSPARENT);
    ExpectSquareOnWhite(canvas, 0, 0);

    EXPECT_EQ(1, list.Replace(1, square));
    canvas.Fill(kWhite);
    list.Draw(&canvas.dc(), 1, CPoint(0, 0), ILD_TRANSPARENT);
    ExpectSquareOnWhite(canvas, 0, 0);
    ::DestroyIcon(square);
    EXPECT_TRUE(list.ExtractIcon(7) == NULL);
}

TEST(ImageList, ABitmapResourceIsCutIntoImages)
{
    CImageList list;
    ASSERT_TRUE(list.Create(300, 16, 1, kMagenta));
    EXPECT_EQ(2, list.GetImageCount());
    PixelCanvas canvas(20, 20);
    list.Draw(&canvas.dc(), 0, CPoint(0, 0), ILD_TRANSPARENT);
    ExpectSquareOnWhite(canvas, 0, 0);

    CImageList missing;
    EXPECT_FALSE(missing.Create(301, 16, 1, kMagenta));
}
