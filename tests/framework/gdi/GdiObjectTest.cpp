// GDI objects: creation, ownership of the handle, wrappers for handles.
#include <gtest/gtest.h>
#include "tests/support/PixelCanvas.h"
#include "framework/core/CException.h"

TEST(GdiObject, FromHandleAnswersTheOwnerOrATemporaryOfTheRightClass)
{
    CBrush brush(kRed);
    EXPECT_EQ(&brush, CGdiObject::FromHandle(brush.m_hObject));
    EXPECT_EQ(&brush, CBrush::FromHandle((HBRUSH)brush.m_hObject));

    struct Case
    {
        int stock;
        CRuntimeClass* expected;
    };
    Case cases[] = {{BLACK_PEN, RUNTIME_CLASS(CPen)},
                    {GRAY_BRUSH, RUNTIME_CLASS(CBrush)},
                    {SYSTEM_FONT, RUNTIME_CLASS(CFont)}};
    for (const Case& c : cases)
    {
        HGDIOBJ stock = ::GetStockObject(c.stock);
        CGdiObject* wrapper = CGdiObject::FromHandle(stock);
        ASSERT_TRUE(wrapper != NULL);
        EXPECT_EQ(stock, wrapper->m_hObject);
        EXPECT_TRUE(wrapper->IsKindOf(c.expected)) << c.stock;
        EXPECT_EQ(wrapper, CGdiObject::FromHandle(stock)) << "one temporary per handle";
    }

    HBITMAP hBitmap = ::CreateBitmap(2, 2, 1, 1, NULL);
    HRGN hRgn = ::CreateRectRgn(0, 0, 1, 1);
    EXPECT_TRUE(CGdiObject::FromHandle(hBitmap)->IsKindOf(RUNTIME_CLASS(CBitmap)));
    EXPECT_TRUE(CGdiObject::FromHandle(hRgn)->IsKindOf(RUNTIME_CLASS(CRgn)));
    EXPECT_TRUE(CGdiObject::FromHandle(NULL) == NULL);

    CGdiObject::DeleteTempMap();
    EXPECT_EQ((UINT)OBJ_BITMAP, (UINT)::GetObjectType(hBitmap)) << "temporaries leave handles alone";
    EXPECT_EQ((UINT)OBJ_REGION, (UINT)::GetObjectType(hRgn));
    ::DeleteObject(hBitmap);
    ::DeleteObject(hRgn);
}

TEST(GdiObject, AttachingToAnObjectThatHoldsAHandleReplacesIt)
{
    CPen pen(PS_SOLID, 1, kRed);
    HGDIOBJ first = pen.m_hObject;
    EXPECT_TRUE(pen.CreatePen(PS_SOLID, 1, kBlue));
    EXPECT_EQ(0u, (UINT)::GetObjectType(first));
    EXPECT_TRUE(CGdiObject::FromHandle(first) == NULL || CGdiObject::FromHandle(first) != &pen);
    EXPECT_EQ(&pen, CGdiObject::FromHandle(pen.m_hObject));
    EXPECT_FALSE(pen.Attach(NULL));
}

TEST(Brush, SolidAndPatternBrushes)
{
    LOGBRUSH logBrush;
    CBrush solid(kGreen);
    solid.GetLogBrush(&logBrush);
    EXPECT_EQ((UINT)BS_SOLID, logBrush.lbStyle);
    EXPECT_EQ(kGreen, logBrush.lbColor);

    WORD rows[8] = {0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0};
    CBitmap pattern;
    pattern.CreateBitmap(8, 8, 1, 1, rows);
    CBrush patterned(&pattern);
    PixelCanvas canvas(8, 8);
    canvas.dc().FillRect(CRect(0, 0, 8, 8), &patterned);
    EXPECT_NE(canvas.Pixel(0, 0), canvas.Pixel(0, 1)) << "rows alternate";
    EXPECT_EQ(canvas.Pixel(0, 0), canvas.Pixel(7, 0));

    CBitmap noBitmap;
    CBrush empty;
    EXPECT_FALSE(empty.CreatePatternBrush(&noBitmap));
    try
    {
        CBrush failing(&noBitmap);
        ADD_FAILURE() << "a pattern brush without a bitmap was made";
    }
    catch (CResourceException* e)
    {
        e->Delete();
    }
}

TEST(Font, PointFontsAreSizedForTheDevice)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    LOGFONT logFont;
    ASSERT_EQ((int)sizeof(LOGFONT), font.GetLogFont(&logFont));
    EXPECT_EQ(-16, logFont.lfHeight) << "12 points on a screen of 96 pixels an inch";
    EXPECT_STREQ("Arial", logFont.lfFaceName);

    // In a mapping of 0.01 inch units, 12 points are 16.67 units.
    PixelCanvas canvas(4, 4);
    canvas.dc().SetMapMode(MM_LOENGLISH);
    CFont mapped;
    mapped.CreatePointFont(120, "Arial", &canvas.dc());
    mapped.GetLogFont(&logFont);
    EXPECT_NEAR(-16.67, logFont.lfHeight, 1.0);
}

TEST(Bitmap, CreatedAndLoadedBitmapsReportTheirSize)
{
    BITMAP info;
    PixelCanvas canvas(2, 2);
    CBitmap compatible;
    ASSERT_TRUE(compatible.CreateCompatibleBitmap(&canvas.dc(), 5, 6));
    compatible.GetBitmap(&info);
    EXPECT_EQ(32, info.bmBitsPixel) << "compatible with the DC's DIB section";
    CBitmap none;
    EXPECT_FALSE(none.CreateCompatibleBitmap(NULL, 5, 5));

    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(300));
    strip.GetBitmap(&info);
    EXPECT_EQ(32, info.bmWidth);
    EXPECT_EQ(16, info.bmHeight);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(301));
}

// The wrapper passes the two sources in order: a difference keeps only the first's part.
TEST(Region, CombineTakesItsSourcesInOrder)
{
    CRgn a, b, result;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgnIndirect(CRect(5, 5, 15, 15));
    result.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(COMPLEXREGION, result.CombineRgn(&a, &b, RGN_DIFF));
    EXPECT_TRUE(result.PtInRegion(2, 2));
    EXPECT_FALSE(result.PtInRegion(CPoint(7, 7)));
    EXPECT_FALSE(result.PtInRegion(12, 12));
}
