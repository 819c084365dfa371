// The halftone brush and drag frames drawn by inversion.
#include <gtest/gtest.h>
#include "tests/support/PixelCanvas.h"

TEST(Halftone, TheBrushIsOneCheckerboardForTheProcess)
{
    CBrush* brush = CDC::GetHalftoneBrush();
    ASSERT_TRUE(brush != NULL && brush->m_hObject != NULL);
    EXPECT_EQ(brush, CDC::GetHalftoneBrush());

    PixelCanvas canvas(16, 16);
    canvas.dc().SetTextColor(kBlack);
    canvas.dc().SetBkColor(kWhite);
    canvas.dc().SelectObject(brush);
    canvas.dc().PatBlt(0, 0, 16, 16, PATCOPY);
    canvas.dc().SelectStockObject(WHITE_BRUSH);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++)
        {
            ASSERT_NE(canvas.Pixel(x, y), canvas.Pixel((x + 1) % 16, y)) << x << "," << y;
            ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel((x + 1) % 16, (y + 1) % 16));
        }
}

namespace {

const CSize kFrame(3, 2);
const CSize kNoFrame(0, 0);

// What a single frame of rect looks like on a white canvas: nothing changed outside the frame,
// and half the frame's pixels inverted.
void ExpectOnlyFrame(const PixelCanvas& canvas, const CRect& rect, CSize size)
{
    CRect inside = rect;
    inside.DeflateRect(size.cx, size.cy);
    EXPECT_EQ(rect, canvas.PaintedBounds(kWhite));
    EXPECT_EQ(0, canvas.CountOther(inside, kWhite));
    EXPECT_EQ((rect.Width() * rect.Height() - inside.Width() * inside.Height()) / 2,
              canvas.CountOther(kWhite));
}

} // namespace

TEST(DragRect, MovingTheFrameErasesTheLastOne)
{
    PixelCanvas moved(40, 40), direct(40, 40);
    CRect first(4, 6, 24, 30), second(8, 9, 30, 35);
    moved.dc().DrawDragRect(&first, kFrame, NULL, kNoFrame);
    moved.dc().DrawDragRect(&second, kFrame, &first, kFrame);
    direct.dc().DrawDragRect(&second, kFrame, NULL, kNoFrame);
    EXPECT_TRUE(moved.SameAs(direct));

    moved.dc().DrawDragRect(&second, kNoFrame, &second, kFrame);
    EXPECT_EQ(0, moved.CountOther(kWhite));
}

// The new frame in the halftone brush, the last one erased with its own brush: only the new
// frame, half its pixels inverted, is left.
TEST(DragRect, TwoBrushesEraseAndDrawSeparately)
{
    PixelCanvas canvas(40, 40);
    CBrush black(kBlack);
    CRect first(2, 2, 20, 20), second(10, 10, 30, 30);
    canvas.dc().DrawDragRect(&first, kFrame, NULL, kNoFrame, &black);
    canvas.dc().DrawDragRect(&second, kFrame, &first, kFrame, NULL, &black);
    ExpectOnlyFrame(canvas, second, kFrame);
}

TEST(DragRect, AThickFrameCoversTheWholeRectangleAndTheClipRegionStays)
{
    PixelCanvas canvas(20, 20);
    canvas.dc().IntersectClipRect(0, 0, 15, 20);
    CRect rect(2, 2, 8, 8);
    canvas.dc().DrawDragRect(&rect, CSize(5, 5), NULL, kNoFrame);
    EXPECT_EQ(18, canvas.CountOther(kWhite));
    CRect box;
    canvas.dc().GetClipBox(&box);
    EXPECT_EQ(CRect(0, 0, 15, 20), box);
}
