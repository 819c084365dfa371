// Painting helpers of CDC, checked by drawing into a memory bitmap and
// reading the pixels back.
#include <gtest/gtest.h>
#include "tests/support/PixelCanvas.h"
#include <vector>

TEST(Drawing, FillSolidRectFillsExactlyTheOrderedRectangleAndKeepsTheColourAsBackground)
{
    struct Case
    {
        int x, y, cx, cy;
        RECT filled;
    };
    const Case cases[] = {{2, 3, 5, 4, {2, 3, 7, 7}}, {6, 6, -2, -3, {4, 3, 6, 6}}};
    for (const Case& c : cases)
    {
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
    for (int form = 0; form < 2; form++)
    {
        PixelCanvas canvas(12, 12);
        CRect rect(1, 2, 9, 8);
        if (form == 0)
            canvas.dc().Draw3dRect(&rect, kRed, kBlue);
        else
            canvas.dc().Draw3dRect(rect.left, rect.top, rect.Width(), rect.Height(), kRed, kBlue);

        // Top-left corner, top and left edges; then the top-right and bottom-left corners, the
        // bottom-right corner, bottom and right edges.
        const std::vector<COLORREF> probes = {canvas.Pixel(1, 2), canvas.Pixel(7, 2), canvas.Pixel(1, 6),
                                              canvas.Pixel(8, 2), canvas.Pixel(1, 7), canvas.Pixel(8, 7),
                                              canvas.Pixel(4, 7), canvas.Pixel(8, 4)};
        EXPECT_EQ(std::vector<COLORREF>({kRed, kRed, kRed, kBlue, kBlue, kBlue, kBlue, kBlue}), probes);
        RECT inside = {2, 3, 8, 7};
        EXPECT_EQ(0, canvas.CountOther(inside, kWhite));
        EXPECT_EQ(2 * 8 + 2 * 6 - 4, canvas.CountOther(kWhite)) << "form " << form;
    }
}
