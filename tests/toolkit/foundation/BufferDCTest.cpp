#include "tests/support/PixelCanvas.h"

#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPSelectScopes.h"

#include <gtest/gtest.h>

namespace {

CSize BitmapSize(HDC hDC)
{
    BITMAP bm;
    ZeroMemory(&bm, sizeof(bm));
    ::GetObjectA(::GetCurrentObject(hDC, OBJ_BITMAP), sizeof(bm), &bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}

TEST(BufferDC, BuffersCopyBackOnlyTheirRectangle)
{
    PixelCanvas canvas(300, 200, kWhite);
    {
        CXTPBufferDC buffer(canvas.dc(), CRect(100, 100, 200, 150));
        EXPECT_EQ(CSize(200, 150), BitmapSize(buffer));
        buffer.FillSolidRect(0, 0, 200, 150, kRed);
        buffer.SetPixel(100, 100, kBlue); // same coordinates as the destination
        EXPECT_EQ(0, canvas.CountOther(kWhite)) << "nothing before the end";
    }
    EXPECT_EQ(CRect(100, 100, 200, 150), canvas.PaintedBounds(kWhite));
    EXPECT_EQ(1, canvas.CountOther(CRect(100, 100, 200, 150), kRed));
    EXPECT_EQ(kBlue, canvas.Pixel(100, 100));
}

TEST(MemDC, DrawsRelativeToItsRectangleOverItsBackground)
{
    PixelCanvas memory(100, 80, kWhite);
    {
        CXTMemDC memDC(&memory.dc(), CRect(10, 10, 60, 40), kGreen);
        ASSERT_TRUE(memDC.IsValid());
        EXPECT_EQ(CSize(50, 30), BitmapSize(memDC));
        memDC.SetPixel(0, 0, kBlue); // relative to the rectangle
    }
    EXPECT_EQ(CRect(10, 10, 60, 40), memory.PaintedBounds(kWhite));
    EXPECT_EQ(1, memory.CountOther(CRect(10, 10, 60, 40), kGreen));
    EXPECT_EQ(kBlue, memory.Pixel(10, 10));
}

TEST(MemDC, AnEmptyRectangleTakesTheClipBox)
{
    PixelCanvas clipped(100, 80, kWhite);
    clipped.dc().IntersectClipRect(20, 30, 50, 60);
    {
        CXTMemDC memDC(&clipped.dc(), CRect(), kRed);
        EXPECT_EQ(CSize(30, 30), BitmapSize(memDC));
    }
    EXPECT_EQ(CRect(20, 30, 50, 60), clipped.PaintedBounds(kWhite));
    EXPECT_EQ(0, clipped.CountOther(CRect(20, 30, 50, 60), kRed));
}

TEST(MemDC, FromDCStartsFromTheDestinationsPicture)
{
    PixelCanvas picture(100, 80, kWhite);
    picture.dc().FillSolidRect(30, 30, 5, 5, kBlue);
    {
        CXTMemDC memDC(&picture.dc(), CRect(20, 20, 60, 60));
        memDC.FromDC(); // takes the destination's picture
        EXPECT_EQ(kBlue, memDC.GetPixel(10, 10));
        memDC.SetPixel(1, 1, kRed);
    }
    EXPECT_EQ(std::vector<COLORREF>({kRed, kBlue, kWhite}),
              std::vector<COLORREF>({picture.Pixel(21, 21), picture.Pixel(34, 34), picture.Pixel(50, 50)}));
}

TEST(SelectScopes, FontScopeRestoresTheOriginalFontAfterSetFont)
{
    PixelCanvas canvas(20, 20, kWhite);
    CFont first, second;
    first.CreatePointFont(90, "Tahoma");
    second.CreatePointFont(120, "Tahoma");
    HGDIOBJ hOriginal = ::GetCurrentObject(canvas.dc(), OBJ_FONT);
    {
        CXTPFontDC font(&canvas.dc(), &first);
        font.SetFont(&second);
        EXPECT_EQ(second.GetSafeHandle(), ::GetCurrentObject(canvas.dc(), OBJ_FONT));
    }
    EXPECT_EQ(hOriginal, ::GetCurrentObject(canvas.dc(), OBJ_FONT));
}

} // namespace
