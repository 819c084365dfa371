// The DC's state: selected objects, colours, modes, coordinates, clipping,
// saving and the split between the output and the attribute DC.
#include <gtest/gtest.h>
#include "tests/support/PixelCanvas.h"

TEST(DCState, SelectObjectAnswersThePreviousObjectWithItsClass)
{
    PixelCanvas canvas(4, 4);
    CDC& dc = canvas.dc();
    CPen pen(PS_SOLID, 2, kRed);
    CPen* previousPen = dc.SelectObject(&pen);
    ASSERT_TRUE(previousPen != NULL);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), previousPen->m_hObject);
    EXPECT_TRUE(previousPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(&pen, dc.GetCurrentPen());

    CBrush brush(kRed);
    CBrush* previousBrush = dc.SelectObject(&brush);
    EXPECT_TRUE(previousBrush->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(&brush, dc.GetCurrentBrush());

    EXPECT_TRUE(dc.GetCurrentBitmap()->IsKindOf(RUNTIME_CLASS(CBitmap)));
    CGdiObject* stock = dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(&brush, stock);

    dc.SelectObject(previousPen);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), ::GetCurrentObject(dc, OBJ_PEN));

    // Selecting no object, or one without a handle, changes nothing.
    CPen* noPen = NULL;
    EXPECT_TRUE(dc.SelectObject(noPen) == NULL);
    CPen empty;
    EXPECT_TRUE(dc.SelectObject(&empty) == NULL);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), ::GetCurrentObject(dc, OBJ_PEN));
}

TEST(DCState, SaveAndRestoreBringBackColoursAndObjects)
{
    PixelCanvas canvas(4, 4);
    CDC& dc = canvas.dc();
    CPen pen(PS_SOLID, 1, kRed);
    int saved = dc.SaveDC();
    EXPECT_NE(0, saved);
    dc.SelectObject(&pen);
    dc.SetTextColor(kGreen);
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(kBlack, dc.GetTextColor());
    EXPECT_EQ(::GetStockObject(BLACK_PEN), ::GetCurrentObject(dc, OBJ_PEN));
}

TEST(DCState, OriginsMoveTheDrawing)
{
    PixelCanvas canvas(20, 20);
    CDC& dc = canvas.dc();
    EXPECT_EQ(CPoint(0, 0), dc.SetViewportOrg(5, 6));
    EXPECT_EQ(CPoint(5, 6), dc.OffsetViewportOrg(1, 1));
    EXPECT_EQ(CPoint(6, 7), dc.GetViewportOrg());
    dc.SetPixel(0, 0, kRed);
    EXPECT_EQ(kRed, canvas.Pixel(6, 7));

    EXPECT_EQ(CPoint(0, 0), dc.SetWindowOrg(CPoint(2, 2)));
    EXPECT_EQ(CPoint(2, 2), dc.GetWindowOrg());
    dc.SetPixel(2, 2, kBlue);
    EXPECT_EQ(kBlue, canvas.Pixel(6, 7));

    CRect rect(6, 7, 8, 9);
    dc.DPtoLP(&rect);
    EXPECT_EQ(CRect(2, 2, 4, 4), rect);
    dc.SetViewportOrg(CPoint(0, 0));
    dc.SetWindowOrg(0, 0);
}

TEST(DCState, ClippingLimitsFillsAndCanBeRemoved)
{
    PixelCanvas canvas(20, 20);
    CDC& dc = canvas.dc();
    dc.IntersectClipRect(CRect(2, 2, 10, 10));
    dc.ExcludeClipRect(4, 4, 6, 6);
    CRect box;
    EXPECT_EQ(COMPLEXREGION, dc.GetClipBox(&box));
    EXPECT_EQ(CRect(2, 2, 10, 10), box);
    dc.FillSolidRect(0, 0, 20, 20, kRed);
    EXPECT_EQ(8 * 8 - 4, 400 - canvas.CountOther(kRed));
    EXPECT_EQ(kWhite, canvas.Pixel(5, 5));

    CRgn region;
    region.CreateRectRgn(15, 15, 17, 17);
    EXPECT_EQ(SIMPLEREGION, dc.SelectClipRgn(&region));
    dc.FillSolidRect(0, 0, 20, 20, kBlue);
    EXPECT_EQ(4, 400 - canvas.CountOther(kBlue));

    EXPECT_EQ(SIMPLEREGION, dc.SelectObject(&region));
    EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&box));
    EXPECT_EQ(CRect(15, 15, 17, 17), box);

    EXPECT_NE(ERROR, dc.SelectClipRgn(NULL));
    dc.FillSolidRect(0, 0, 20, 20, kGreen);
    EXPECT_EQ(0, canvas.CountOther(kGreen));
}

TEST(DCState, TheAttributeDCFollowsStateChangesAndAnswersQueries)
{
    PixelCanvas output(4, 4);
    PixelCanvas attributes(4, 4);
    CDC dc;
    dc.SetOutputDC(output.dc());
    dc.SetAttribDC(attributes.dc());

    dc.SetTextColor(kRed);
    EXPECT_EQ(kRed, ::GetTextColor(output.dc()));
    EXPECT_EQ(kRed, ::GetTextColor(attributes.dc()));
    ::SetTextColor(attributes.dc(), kBlue);
    EXPECT_EQ(kBlue, dc.GetTextColor());

    dc.FillSolidRect(0, 0, 4, 4, kGreen);
    EXPECT_EQ(0, output.CountOther(kGreen));
    EXPECT_EQ(0, attributes.CountOther(kWhite));

    dc.ReleaseAttribDC();
    dc.ReleaseOutputDC();
    EXPECT_TRUE(dc.m_hDC == NULL && dc.m_hAttribDC == NULL);
}
