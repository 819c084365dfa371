#include "tests/support/PixelCanvas.h"

#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDisplayDepth.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPMultiMonitor.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPSelectScopes.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kFrom = RGB(200, 100, 0);
const COLORREF kTo = RGB(0, 200, 255);

struct DrawHelpersTest : ::testing::Test
{
    void TearDown() override
    {
        XTPWithholdOptionalProc("GradientFill", FALSE);
        XTPWithholdOptionalProc("MonitorFromRect", FALSE);
        XTPSetBitsPixelForTesting(0);
    }

    CXTPDrawHelpers m_helpers; // built with the system's gradient function
};

// Draw helpers whose msimg32 lacks "GradientFill" (withheld before they are
// built; the fixture releases it).
struct WithheldGradientFill
{
    WithheldGradientFill() { XTPWithholdOptionalProc("GradientFill", TRUE); }
};

struct FallbackHelpers
{
    WithheldGradientFill withheld;
    CXTPDrawHelpers helpers;
};

// Each column or row takes BlendColors with the ratio 1 - offset / extent, that
// ratio passed as a float: 0.1 as a float is a little above a tenth, so the
// last of ten columns from kFrom to kTo stops just short of green 190, from
// black to grey 100 it is 89, not 90, and column 3 from grey 100 to black is 69.
TEST_F(DrawHelpersTest, FallbackGradientsBlendEachColumnOrRow)
{
    FallbackHelpers fallback;
    ASSERT_FALSE(fallback.helpers.IsGradientFillAvailable());
    const COLORREF kGrey = RGB(100, 100, 100);
    PixelCanvas canvas(40, 40, kWhite);
    fallback.helpers.GradientFill(&canvas.dc(), CRect(10, 5, 20, 15), kFrom, kTo, TRUE);
    fallback.helpers.GradientFill(&canvas.dc(), CRect(0, 0, 10, 10), kFrom, kTo, FALSE);
    fallback.helpers.GradientFill(&canvas.dc(), CRect(0, 30, 10, 32), kBlack, kGrey, TRUE);
    fallback.helpers.GradientFill(&canvas.dc(), CRect(0, 35, 10, 37), kGrey, kBlack, TRUE);
    fallback.helpers.GradientFill(&canvas.dc(), CRect(30, 0, 31, 10), kFrom, kTo, TRUE);
    fallback.helpers.GradientFill(&canvas.dc(), CRect(35, 0, 35, 10), kFrom, kTo, TRUE); // empty
    fallback.helpers.GradientFill(&canvas.dc(), NULL, kFrom, kTo, TRUE);

    EXPECT_EQ(0, canvas.CountOther(CRect(10, 5, 11, 15), kFrom));
    EXPECT_EQ(0, canvas.CountOther(CRect(19, 5, 20, 15), RGB(20, 189, 229)));
    EXPECT_EQ(RGB(100, 150, 127), canvas.Pixel(15, 10));
    EXPECT_EQ(0, canvas.CountOther(CRect(0, 0, 10, 1), kFrom));
    EXPECT_EQ(0, canvas.CountOther(CRect(0, 9, 10, 10), RGB(20, 189, 229)));
    EXPECT_EQ(RGB(89, 89, 89), canvas.Pixel(9, 31));
    EXPECT_EQ(RGB(69, 69, 69), canvas.Pixel(3, 36));
    EXPECT_EQ(0, canvas.CountOther(CRect(30, 0, 31, 10), kFrom)) << "one column: the first colour";
    // Nothing outside the five rectangles of 100, 100, 20, 20 and 10 pixels.
    EXPECT_EQ(250, canvas.CountOther(kWhite));
}

TEST_F(DrawHelpersTest, AClippedFallbackGradientKeepsItsColumnsInPlace)
{
    FallbackHelpers fallback;
    PixelCanvas clipped(40, 30, kWhite);
    clipped.dc().IntersectClipRect(15, 0, 40, 30);
    fallback.helpers.GradientFill(&clipped.dc(), CRect(10, 5, 20, 15), kFrom, kTo, TRUE);
    EXPECT_EQ(0, clipped.CountOther(CRect(10, 5, 15, 15), kWhite));
    // Column 15 keeps its place in the whole gradient.
    EXPECT_EQ(RGB(100, 150, 127), clipped.Pixel(15, 10));
}

TEST_F(DrawHelpersTest, TheSystemGradientOfOneColourIsSolid)
{
    ASSERT_TRUE(m_helpers.IsGradientFillAvailable());
    PixelCanvas solid(40, 30, kWhite);
    m_helpers.GradientFill(&solid.dc(), CRect(0, 0, 20, 10), kFrom, kFrom, TRUE);
    EXPECT_EQ(0, solid.CountOther(CRect(0, 0, 20, 10), kFrom));
}

TEST_F(DrawHelpersTest, LowResolutionDisplaysFillWithTheFirstColour)
{
    PixelCanvas solid(40, 30, kWhite);
    XTPSetBitsPixelForTesting(8);
    EXPECT_TRUE(CXTPDrawHelpers::IsLowResolution(solid.dc().GetSafeHdc()));
    m_helpers.GradientFill(&solid.dc(), CRect(0, 10, 20, 20), kTo, kFrom, TRUE);
    EXPECT_EQ(0, solid.CountOther(CRect(0, 10, 20, 20), kTo));
}

TEST_F(DrawHelpersTest, PaintManagerGradientsRunFromLightToDark)
{
    PixelCanvas wide(120, 30, kWhite);
    CXTPPaintManagerColorGradient grc;
    grc.SetStandardValue(RGB(0, 0, 0), RGB(255, 255, 255));
    m_helpers.GradientFill(&wide.dc(), CRect(10, 0, 110, 10), grc, TRUE);
    EXPECT_LE(GetRValue(wide.Pixel(10, 5)), 5);
    EXPECT_GE(GetRValue(wide.Pixel(109, 5)), 245);
    EXPECT_LT(GetRValue(wide.Pixel(40, 5)), GetRValue(wide.Pixel(80, 5)));
    EXPECT_EQ(CRect(10, 0, 110, 10), wide.PaintedBounds(kWhite));
}

TEST(DrawHelpers, CornerExclusionLeavesTheFourCornerPixels)
{
    PixelCanvas canvas(20, 20, kWhite);
    CRect rc(2, 3, 12, 10);
    XTPDrawHelpers()->ExcludeCorners(&canvas.dc(), rc);
    canvas.dc().FillSolidRect(rc, kFrom);
    // The four corner pixels only.
    EXPECT_EQ(4, canvas.CountOther(rc, kFrom));
    EXPECT_EQ(std::vector<COLORREF>({kWhite, kWhite, kWhite, kWhite}),
              std::vector<COLORREF>(
                  {canvas.Pixel(2, 3), canvas.Pixel(11, 3), canvas.Pixel(2, 9), canvas.Pixel(11, 9)}));
}

TEST(DrawHelpers, BlurringAveragesAPointWithItsPartner)
{
    PixelCanvas blurred(20, 20, RGB(100, 50, 0));
    blurred.dc().SetPixel(6, 5, RGB(201, 0, 255));
    POINT pts[] = {{5, 5}, {1, 0}, {10, 10}, {0, 1}, {15, 15}};
    XTPDrawHelpers()->BlurPoints(&blurred.dc(), pts, 5);
    EXPECT_EQ(RGB(150, 25, 127), blurred.Pixel(5, 5));
    EXPECT_EQ(1 + 1, blurred.CountOther(RGB(100, 50, 0))) << "the averaged point and its partner only";
}

TEST(DrawHelpers, TheTriangleAndItsColourScopesRestoreThePenAndBrush)
{
    PixelCanvas triangle(20, 20, kWhite);
    HGDIOBJ hPen = ::GetCurrentObject(triangle.dc(), OBJ_PEN);
    HGDIOBJ hBrush = ::GetCurrentObject(triangle.dc(), OBJ_BRUSH);
    CXTPDrawHelpers::Triangle(&triangle.dc(), CPoint(2, 2), CPoint(17, 2), CPoint(2, 17), kFrom);
    {
        // The scopes the triangle draws with take new colours and still restore.
        CXTPPenDC pen(triangle.dc(), kRed);
        CXTPBrushDC brush(triangle.dc(), kRed);
        pen.Color(kBlue);
        brush.Color(kGreen);
        triangle.dc().Rectangle(14, 14, 20, 20);
    }
    EXPECT_EQ(std::vector<COLORREF>({kFrom, kFrom, kBlue, kGreen}),
              std::vector<COLORREF>({triangle.Pixel(5, 5), triangle.Pixel(2, 2), triangle.Pixel(14, 14),
                                     triangle.Pixel(17, 17)}));
    EXPECT_EQ(hPen, ::GetCurrentObject(triangle.dc(), OBJ_PEN));
    EXPECT_EQ(hBrush, ::GetCurrentObject(triangle.dc(), OBJ_BRUSH));
}

// Far off every monitor, or without the monitor functions: the primary work area.
TEST_F(DrawHelpersTest, WorkAreasFallBackToThePrimaryMonitor)
{
    CRect rcPrimary;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcPrimary, 0);
    XTPWithholdOptionalProc("MonitorFromRect", TRUE);
    EXPECT_EQ(rcPrimary, CXTPMultiMonitor().GetWorkArea(CRect(10, 10, 20, 20)));
    XTPWithholdOptionalProc("MonitorFromRect", FALSE);
    EXPECT_EQ(rcPrimary, CXTPMultiMonitor().GetWorkArea(CRect(-30000, -30000, -29990, -29990)));
}

// The prefix finds the Liberation fonts of the system.
TEST(DrawHelpers, FontLookupMatchesAFacePrefixInAnyCase)
{
    EXPECT_TRUE(CXTPDrawHelpers::FontExists("liberation SANS"));
    EXPECT_FALSE(CXTPDrawHelpers::FontExists("No Such Face"));
}

} // namespace
