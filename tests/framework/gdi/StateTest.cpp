// The DC's state: selected objects, colours, modes, coordinates, clipping,
// saving and the split between the output and the attribute DC.
#include <gtest/gtest.h>
#include "tests/support/PixelCanvas.h"
#include <vector>

TEST(DCState, SelectObjectAnswersThePreviousObjectWithItsClass)
{
    PixelCanvas canvas(4, 4);
    CDC& dc = canvas.dc();
    CPen pen(PS_SOLID, 2, kRed);
    CPen* previousPen = dc.SelectObject(&pen);
    ASSERT_TRUE(previousPen != NULL);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), previousPen->m_hObject);
    EXPECT_TRUE(previousPen->IsKindOf(RUNTIME_CLASS(CPen)));
    CBrush brush(kRed);
    dc.SelectObject(&brush);
    EXPECT_EQ(&brush, dc.SelectStockObject(NULL_BRUSH));
    dc.SelectObject(previousPen);

    // Selecting no object, or one without a handle, changes nothing.
    CPen empty;
    EXPECT_TRUE(dc.SelectObject((CPen*)NULL) == NULL && dc.SelectObject(&empty) == NULL);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), ::GetCurrentObject(dc, OBJ_PEN));
}

// The state setters all go through one path to both DCs (see the attribute DC case below); the
// origin setters answer the previous origin.
TEST(DCState, OriginsMoveTheDrawing)
{
    PixelCanvas canvas(20, 20);
    CDC& dc = canvas.dc();
    const std::vector<CPoint> answers = {dc.SetViewportOrg(5, 6), dc.OffsetViewportOrg(1, 1),
                                         dc.SetWindowOrg(CPoint(2, 2)), dc.GetViewportOrg(),
                                         dc.GetWindowOrg()};
    EXPECT_EQ(std::vector<CPoint>({{0, 0}, {5, 6}, {0, 0}, {6, 7}, {2, 2}}), answers);
    dc.SetPixel(2, 2, kBlue);
    EXPECT_EQ(kBlue, canvas.Pixel(6, 7));
}

// The clip rectangle setters forward to one API call each (see DragRect for one in use).
TEST(DCState, ClippingLimitsFillsAndCanBeRemoved)
{
    PixelCanvas canvas(20, 20);
    CDC& dc = canvas.dc();
    CRgn region;
    region.CreateRectRgn(15, 15, 17, 17);
    EXPECT_EQ(SIMPLEREGION, dc.SelectObject(&region)); // selecting a region clips to it
    dc.FillSolidRect(0, 0, 20, 20, kBlue);
    EXPECT_EQ(4, 400 - canvas.CountOther(kBlue));

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
    int saved = dc.SaveDC();
    dc.SetTextColor(kRed);
    EXPECT_EQ(kRed, ::GetTextColor(output.dc()));
    EXPECT_EQ(kRed, ::GetTextColor(attributes.dc()));
    ::SetTextColor(attributes.dc(), kBlue);
    EXPECT_EQ(kBlue, dc.GetTextColor());

    dc.FillSolidRect(0, 0, 4, 4, kGreen);
    EXPECT_EQ(0, output.CountOther(kGreen));
    EXPECT_EQ(0, attributes.CountOther(kWhite));
    dc.MoveTo(1, 1);
    EXPECT_EQ(CPoint(1, 1), dc.MoveTo(2, 1)); // the previous position
    dc.LineTo(3, 1);                          // the attribute DC's position follows the pen
    EXPECT_EQ(CPoint(3, 1), dc.GetCurrentPosition());
    EXPECT_TRUE(dc.RestoreDC(saved)); // on both DCs
    EXPECT_TRUE(::GetTextColor(output.dc()) == kBlack && ::GetTextColor(attributes.dc()) == kBlack);

    dc.ReleaseAttribDC();
    dc.ReleaseOutputDC();
    EXPECT_TRUE(dc.m_hDC == NULL && dc.m_hAttribDC == NULL);
}
