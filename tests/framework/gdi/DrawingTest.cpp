// Painting helpers of CDC, checked by drawing into a memory bitmap and
// reading the pixels back.
#include <gtest/gtest.h>
#include "tests/support/PixelCanvas.h"

TEST(Drawing, FillSolidRectFillsExactlyTheOrderedRectangleAndKeepsTheColourAsBackground)
{
    struct Case { int x, y, cx, cy; RECT filled; };
    const Case cases[] = { { 2, 3, 5, 4, { 2, 3, 7, 7 } }, { 6, 6, -2, -3, { 4, 3, 6, 6 } } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cx);
        PixelCanvas canvas(20, 20);
        canvas.dc().FillSolidRect(c.x, c.y, c.cx, c.cy, kRed);
        EXPECT_EQ(0, canvas.CountOther(c.filled, kRed));
        EXPECT_EQ(20 * 20 - c.cx * c.cy, canvas.CountOther(kRed));
        EXPECT_EQ(kRed, canvas.dc().GetBkColor());
    }
}

TEST(Drawing, Draw3dRectGivesTheOuterCornersToTheBottomRightColour)
{
    for (int form = 0; form < 2; form++) {
        PixelCanvas canvas(12, 12);
        CRect rect(1, 2, 9, 8);
        if (form == 0)
            canvas.dc().Draw3dRect(&rect, kRed, kBlue);
        else
            canvas.dc().Draw3dRect(rect.left, rect.top, rect.Width(), rect.Height(), kRed, kBlue);

        EXPECT_EQ(kRed, canvas.Pixel(1, 2));
        EXPECT_EQ(kRed, canvas.Pixel(7, 2));
        EXPECT_EQ(kBlue, canvas.Pixel(8, 2));       // top-right
        EXPECT_EQ(kRed, canvas.Pixel(1, 6));
        EXPECT_EQ(kBlue, canvas.Pixel(1, 7));       // bottom-left
        EXPECT_EQ(kBlue, canvas.Pixel(8, 7));
        EXPECT_EQ(kBlue, canvas.Pixel(4, 7));
        EXPECT_EQ(kBlue, canvas.Pixel(8, 4));
        RECT inside = { 2, 3, 8, 7 };
        EXPECT_EQ(0, canvas.CountOther(inside, kWhite));
        EXPECT_EQ(2 * 8 + 2 * 6 - 4, canvas.CountOther(kWhite)) << "form " << form;
    }
}

TEST(Drawing, RectangleFramesInThePenAndFillsWithTheBrush)
{
    PixelCanvas canvas(10, 10);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CPen* oldPen = canvas.dc().SelectObject(&pen);
    CBrush* oldBrush = canvas.dc().SelectObject(&brush);
    canvas.dc().Rectangle(CRect(1, 1, 6, 6));

    EXPECT_EQ(kRed, canvas.Pixel(1, 1));
    EXPECT_EQ(kRed, canvas.Pixel(5, 5));
    EXPECT_EQ(kWhite, canvas.Pixel(6, 6));
    RECT inside = { 2, 2, 5, 5 };
    EXPECT_EQ(0, canvas.CountOther(inside, kBlue));

    canvas.dc().SelectObject(oldPen);
    canvas.dc().SelectObject(oldBrush);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), ::GetCurrentObject(canvas.dc(), OBJ_PEN));
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), ::GetCurrentObject(canvas.dc(), OBJ_BRUSH));
}

// MoveTo answers the previous position; LineTo draws up to, not including, its end.
TEST(Drawing, MoveToAnswersThePreviousPositionAndLineToDrawsFromIt)
{
    PixelCanvas canvas(20, 20);
    CDC& dc = canvas.dc();
    CPen pen(PS_SOLID, 1, kRed);
    CPen* oldPen = dc.SelectObject(&pen);
    EXPECT_EQ(CPoint(0, 0), dc.MoveTo(2, 2));
    EXPECT_EQ(CPoint(2, 2), dc.MoveTo(CPoint(3, 1)));
    dc.LineTo(8, 1);
    EXPECT_EQ(CPoint(8, 1), dc.GetCurrentPosition());
    EXPECT_EQ(0, canvas.CountOther(CRect(3, 1, 8, 2), kRed));
    EXPECT_EQ(kWhite, canvas.Pixel(8, 1));
    dc.SelectObject(oldPen);
}

TEST(Drawing, ExtFloodFillCoversOnlyTheConnectedSurface)
{
    PixelCanvas canvas(20, 20);
    CDC& dc = canvas.dc();
    dc.Draw3dRect(CRect(2, 2, 10, 10), kBlack, kBlack);
    CBrush red(kRed);
    dc.SelectObject(&red);
    EXPECT_TRUE(dc.ExtFloodFill(5, 5, kWhite, FLOODFILLSURFACE));
    dc.SelectStockObject(WHITE_BRUSH);

    RECT inside = { 3, 3, 9, 9 };
    EXPECT_EQ(0, canvas.CountOther(inside, kRed));
    EXPECT_EQ(kBlack, canvas.Pixel(2, 2));
    EXPECT_EQ(kWhite, canvas.Pixel(15, 15));
}

TEST(Drawing, BlockTransfersCopyAndStretch)
{
    PixelCanvas source(4, 4);
    source.dc().FillSolidRect(0, 0, 2, 2, kRed);
    PixelCanvas target(16, 16);

    target.dc().BitBlt(10, 10, 4, 4, &source.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(kRed, target.Pixel(11, 11));
    EXPECT_EQ(kWhite, target.Pixel(12, 12));

    target.dc().StretchBlt(0, 0, 8, 8, &source.dc(), 0, 0, 4, 4, SRCCOPY);
    RECT doubled = { 0, 0, 4, 4 };
    EXPECT_EQ(0, target.CountOther(doubled, kRed));
    EXPECT_EQ(kWhite, target.Pixel(5, 5));

    CBrush blue(kBlue);
    target.dc().SelectObject(&blue);
    target.dc().PatBlt(0, 12, 3, 3, PATCOPY);
    target.dc().SelectStockObject(WHITE_BRUSH);
    EXPECT_EQ(kBlue, target.Pixel(2, 14));
    EXPECT_EQ(kWhite, target.Pixel(3, 14));
}

TEST(Drawing, DrawEdgeDrawsSunkenBordersAndAdjustsTheRectangle)
{
    PixelCanvas canvas(20, 20);
    CRect rect(0, 0, 20, 20);
    canvas.dc().DrawEdge(&rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(CRect(2, 2, 18, 18), rect);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.Pixel(0, 5));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.Pixel(19, 5));
}

TEST(Drawing, DrawFocusRectTwiceRestoresThePicture)
{
    PixelCanvas canvas(20, 20);
    CRect rect(2, 2, 18, 18);
    canvas.dc().DrawFocusRect(&rect);
    EXPECT_GT(canvas.CountOther(kWhite), 0);
    EXPECT_EQ(kWhite, canvas.Pixel(10, 10));
    canvas.dc().DrawFocusRect(&rect);
    EXPECT_EQ(0, canvas.CountOther(kWhite));
}
