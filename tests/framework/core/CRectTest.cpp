#include "framework/Core.h"

#include <gtest/gtest.h>

// The one-line accessors (Width, Size, BottomRight...) are left to the cases that use them.
TEST(CRectTest, TheCenterIsHalfwayAndTopLeftIsAReferenceIntoTheRectangle)
{
    CRect r(10, 20, 50, 80);
    EXPECT_EQ(CPoint(30, 50), r.CenterPoint());
    r.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(CRect(0, 0, 50, 80), r);
}

// The left and top edges are inside, the right and bottom ones outside.
TEST(CRectTest, PointsOnTheLeftAndTopEdgesAreInsideTheOthersOutside)
{
    CRect r(10, 20, 50, 80);
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)) && !r.PtInRect(CPoint(50, 20)) && !r.PtInRect(CPoint(10, 80)));
}

TEST(CRectTest, ARectangleWithoutAreaIsEmptyButOnlyAllZeroIsNull)
{
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty() && CRect(5, 5, 2, 9).IsRectEmpty());
    EXPECT_TRUE(!CRect(5, 5, 5, 9).IsRectNull() && CRect().IsRectNull());
}

TEST(CRectTest, InflateDeflateOffsetAndNormalizeMoveTheEdges)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(9, 8, 23, 24), r);
    r.DeflateRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(CRect(10, 10, 20, 20), r);
    r.OffsetRect(-5, 5); // (the + and - operators forward to it)
    EXPECT_EQ(CRect(5, 15, 15, 25), r);
    CRect flipped(30, 40, 10, 20);
    flipped.NormalizeRect();
    EXPECT_EQ(CRect(10, 20, 30, 40), flipped);
}

TEST(CPointTest, APointFromADwordTakesItsHalvesAsSignedCoordinates)
{
    EXPECT_EQ(CPoint(-300, 20), CPoint((DWORD)MAKELONG(-300, 20)));
}

TEST(CRectTest, IntersectAndUnionOfPairs)
{
    struct Case
    {
        CRect a, b, intersection, unionRect;
    };
    const Case cases[] = {
        {CRect(0, 0, 10, 10), CRect(5, 5, 15, 15), CRect(5, 5, 10, 10), CRect(0, 0, 15, 15)},
        {CRect(0, 0, 10, 10), CRect(10, 0, 20, 10), CRect(), CRect(0, 0, 20, 10)},
        {CRect(0, 0, 10, 10), CRect(20, 20, 30, 30), CRect(), CRect(0, 0, 30, 30)},
        {CRect(0, 0, 10, 10), CRect(50, 50, 50, 60), CRect(), CRect(0, 0, 10, 10)},
        {CRect(3, 3, 3, 3), CRect(7, 7, 7, 9), CRect(), CRect()},
    };
    for (const Case& c : cases)
    {
        CRect r;
        EXPECT_EQ(!c.intersection.IsRectEmpty(), !!r.IntersectRect(&c.a, &c.b));
        EXPECT_EQ(c.intersection, r);
        EXPECT_EQ(!c.unionRect.IsRectEmpty(), !!r.UnionRect(&c.a, &c.b));
        EXPECT_EQ(c.unionRect, r);
    }
}

TEST(CRectTest, SubtractCutsOnlyWholeSidesAndEmptiesACoveredRectangle)
{
    CRect base(0, 0, 10, 10), r;
    EXPECT_TRUE(r.SubtractRect(&base, CRect(0, 0, 10, 4)));
    EXPECT_EQ(CRect(0, 4, 10, 10), r);
    EXPECT_TRUE(r.SubtractRect(&base, CRect(6, -5, 20, 20)));
    EXPECT_EQ(CRect(0, 0, 6, 10), r);
    EXPECT_TRUE(r.SubtractRect(&base, CRect(3, 3, 6, 6))); // a hole leaves the rectangle
    EXPECT_EQ(base, r);
    EXPECT_FALSE(r.SubtractRect(&base, CRect(-1, -1, 11, 11)));
    EXPECT_TRUE(r.IsRectEmpty());
}
