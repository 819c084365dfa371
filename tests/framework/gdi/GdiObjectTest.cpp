// GDI objects: creation, ownership of the handle, wrappers for handles.
#include <gtest/gtest.h>
#include "tests/support/PixelCanvas.h"
#include "tests/framework/core/RaisesSupport.h"

// A temporary wrapper has the class of its handle's object, so that IsKindOf and the typed
// FromHandle functions tell the truth (the rest of its bookkeeping: see HandleOwnership).
TEST(GdiObject, ATemporaryHasTheClassOfItsHandlesObject)
{
    HBITMAP hBitmap = ::CreateBitmap(2, 2, 1, 1, NULL);
    HRGN hRgn = ::CreateRectRgn(0, 0, 1, 1);
    struct Case
    {
        HGDIOBJ handle;
        CRuntimeClass* expected;
    };
    const Case cases[] = {{::GetStockObject(BLACK_PEN), RUNTIME_CLASS(CPen)},
                          {::GetStockObject(GRAY_BRUSH), RUNTIME_CLASS(CBrush)},
                          {::GetStockObject(SYSTEM_FONT), RUNTIME_CLASS(CFont)},
                          {hBitmap, RUNTIME_CLASS(CBitmap)},
                          {hRgn, RUNTIME_CLASS(CRgn)}};
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CGdiObject::FromHandle(c.handle)->GetRuntimeClass())
            << c.expected->m_lpszClassName;
    CGdiObject::DeleteTempMap();
    ::DeleteObject(hBitmap);
    ::DeleteObject(hRgn);
}

TEST(GdiObject, AttachingToAnObjectThatHoldsAHandleReplacesIt)
{
    CPen pen(PS_SOLID, 1, kRed);
    HGDIOBJ first = pen.m_hObject;
    EXPECT_TRUE(pen.CreatePen(PS_SOLID, 1, kBlue));
    EXPECT_EQ(0u, (UINT)::GetObjectType(first)); // the old handle is deleted
    EXPECT_EQ(&pen, CGdiObject::FromHandle(pen.m_hObject));
    EXPECT_FALSE(pen.Attach(NULL));
}

// A pattern brush forwards its bitmap to one API call; without a bitmap there is none to make.
TEST(Brush, APatternBrushNeedsABitmap)
{
    CBitmap noBitmap;
    CBrush empty;
    EXPECT_FALSE(empty.CreatePatternBrush(&noBitmap));
    EXPECT_TRUE(Raises<CResourceException>([&] { CBrush failing(&noBitmap); }));
}

TEST(Font, PointFontsAreSizedForTheDevice)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    LOGFONT logFont;
    font.GetLogFont(&logFont);
    EXPECT_EQ(-16, logFont.lfHeight) << "12 points on a screen of 96 pixels an inch";

    // In a mapping of 0.1 mm units, 12 points are 42.3 units (and 16 pixels: far apart).
    PixelCanvas canvas(4, 4);
    canvas.dc().SetMapMode(MM_LOMETRIC);
    CFont mapped;
    mapped.CreatePointFont(120, "Arial", &canvas.dc());
    mapped.GetLogFont(&logFont);
    EXPECT_NEAR(-42.3, logFont.lfHeight, 1.0);
}

TEST(Bitmap, ACompatibleBitmapNeedsADC)
{
    CBitmap none;
    EXPECT_FALSE(none.CreateCompatibleBitmap(NULL, 5, 5));
}

TEST(Bitmap, ALoadedBitmapReportsItsSizeAndAMissingOneFails)
{
    BITMAP info;
    CBitmap strip, missing;
    ASSERT_TRUE(strip.LoadBitmap(300));
    strip.GetBitmap(&info);
    EXPECT_EQ(CSize(32, 16), CSize(info.bmWidth, info.bmHeight));
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
    EXPECT_TRUE(result.PtInRegion(2, 2) && !result.PtInRegion(CPoint(7, 7)) && !result.PtInRegion(12, 12));
}
