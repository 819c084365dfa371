// Image lists: images added from bitmaps and icons, drawn and read back.
#include <gtest/gtest.h>
#include "StripImages.h"

// The wrappers forward to the common controls: the cases check what they pass along.
TEST(ImageList, AStripMaskedByColourAndIconsGiveTransparentImages)
{
    CImageList list;
    EXPECT_EQ(0, MakeStripList(list));
    HICON square = list.ExtractIcon(0);
    EXPECT_EQ(2, list.Add(square)); // an icon is appended
    ::DestroyIcon(square);
    EXPECT_EQ(3, list.GetImageCount());
    EXPECT_TRUE(list.ExtractIcon(7) == NULL);
    PixelCanvas canvas(40, 20);
    EXPECT_TRUE(list.Draw(&canvas.dc(), 2, CPoint(2, 2), ILD_TRANSPARENT));
    ExpectSquareOnWhite(canvas, 2, 2);
    list.Draw(&canvas.dc(), 1, CPoint(20, 2), ILD_NORMAL);
    EXPECT_EQ(kBlue, canvas.Pixel(20, 2));
}

TEST(ImageList, ABitmapResourceIsCutIntoImages)
{
    CImageList list, missing;
    ASSERT_TRUE(list.Create(300, 16, 1, kMagenta));
    EXPECT_EQ(2, list.GetImageCount()); // (the masking is the system's)
    EXPECT_FALSE(missing.Create(301, 16, 1, kMagenta));
}
