// Header themes: the factory's theme per id, the text and arrow geometry of
// a column, and the sort arrow and column image as drawn into a canvas.
#include "NotifyRecorderWnd.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/controls/XTHeaderCtrl.h"
#include <gtest/gtest.h>
#include <memory>
#include <typeinfo>

namespace {

struct FactoryCase
{
    const char* name;
    int nTheme;
    const std::type_info& type;
    DWORD dwDrawStyle;
    CSize sizePadding;
    CSize sizeArrow;
};

class HeaderThemeFactoryTest : public ::testing::TestWithParam<FactoryCase>
{};

TEST_P(HeaderThemeFactoryTest, MakesTheThemeOfTheIdAndRecordsTheId)
{
    const FactoryCase& c = GetParam();
    CXTHeaderThemeFactory factory;
    std::unique_ptr<CXTThemeManagerStyle> pStyle(factory.CreateTheme(c.nTheme));
    ASSERT_NE(pStyle.get(), nullptr);
    EXPECT_EQ(typeid(*pStyle), c.type);
    EXPECT_EQ(pStyle->GetThemeId(), c.nTheme);
    CXTHeaderTheme* pTheme = static_cast<CXTHeaderTheme*>(pStyle.get());
    EXPECT_EQ(pTheme->GetDrawStyle(), c.dwDrawStyle);
    EXPECT_EQ(pTheme->m_sizePadding, c.sizePadding);
    EXPECT_EQ(pTheme->m_sizeArrow, c.sizeArrow);
}

const FactoryCase kFactoryCases[] = {
    {"ClassicForZero", 0, typeid(CXTHeaderTheme), 7, CSize(6, 0), CSize(8, 7)},
    {"OfficeXP", 1, typeid(CXTHeaderThemeOfficeXP), 4, CSize(6, 0), CSize(8, 7)},
    {"Office2003", 2, typeid(CXTHeaderThemeOffice2003), 4, CSize(6, 2), CSize(8, 7)},
    {"ClassicForThree", 3, typeid(CXTHeaderTheme), 7, CSize(6, 0), CSize(8, 7)},
    {"ClassicForAnyOther", 42, typeid(CXTHeaderTheme), 7, CSize(6, 0), CSize(8, 7)},
};

INSTANTIATE_TEST_SUITE_P(Ids, HeaderThemeFactoryTest, ::testing::ValuesIn(kFactoryCases),
                         [](const ::testing::TestParamInfo<FactoryCase>& info) { return info.param.name; });

struct TextRectCase
{
    const char* name;
    int nFormat;
    BOOL bSortColumn;
    CRect rcItem;
    CSize sizeText;
    CRect rcExpected;
};

class HeaderTextRectTest : public ::testing::TestWithParam<TextRectCase>
{};

TEST_P(HeaderTextRectTest, PlacesTheTextInsideThePaddingAndTheArrowRoom)
{
    const TextRectCase& c = GetParam();
    CXTHeaderTheme theme;
    EXPECT_EQ(theme.CalcTextRect(c.rcItem, c.sizeText, c.nFormat, c.bSortColumn), c.rcExpected);
}

// A column 100 wide and 20 high; padding 6, arrow 8 + 2 x 10.
const TextRectCase kTextRectCases[] = {
    {"LeftCentredVertically", HDF_LEFT, FALSE, CRect(0, 0, 100, 20), CSize(30, 10), CRect(6, 5, 36, 15)},
    {"Centre", HDF_CENTER, FALSE, CRect(0, 0, 100, 20), CSize(30, 10), CRect(35, 5, 65, 15)},
    {"SortColumnLosesArrowRoom", HDF_LEFT, TRUE, CRect(0, 0, 100, 20), CSize(200, 10), CRect(6, 5, 66, 15)},
    {"SortColumnRightAligned", HDF_RIGHT, TRUE, CRect(0, 0, 100, 20), CSize(30, 10), CRect(36, 5, 66, 15)},
    {"NarrowerThanTheMargins", HDF_LEFT, FALSE, CRect(0, 0, 10, 20), CSize(30, 10), CRect(6, 5, 4, 15)},
};

INSTANTIATE_TEST_SUITE_P(Columns, HeaderTextRectTest, ::testing::ValuesIn(kTextRectCases),
                         [](const ::testing::TestParamInfo<TextRectCase>& info) { return info.param.name; });

// A header of three empty columns 80 pixels wide drawn by a theme into a
// canvas; the sort column is 1.
class HeaderDrawTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS, CRect(0, 0, 240, 24), &TestHost(),
                                  IDC_LIST_EDIT_TEST));
        for (int i = 0; i < 3; i++)
        {
            HDITEM hdi;
            hdi.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
            hdi.cxy = 80;
            hdi.fmt = HDF_LEFT;
            hdi.pszText = (LPSTR) "";
            header.InsertItem(i, &hdi);
        }
    }
    void TearDown() override { header.DestroyWindow(); }

    // Draws with the classic theme; the hot-tracking and visual-style bits
    // are off, so the cursor plays no part.
    void Draw(PixelCanvas& canvas)
    {
        theme.SetDrawStyle(XTTHEME_SORTARROW, &header);
        theme.DrawHeader(&canvas.dc(), &header);
    }

    // Bounds of the pixels of the arrow's two colours inside column iCol
    // (its borders left out).
    CRect ArrowBounds(PixelCanvas& canvas, int iCol)
    {
        CRect rc;
        for (int y = 3; y < 20; y++)
            for (int x = iCol * 80 + 3; x < iCol * 80 + 76; x++)
            {
                COLORREF cr = canvas.Pixel(x, y);
                if (cr != theme.m_crHilight && cr != theme.m_crShadow)
                    continue;
                rc = rc.IsRectEmpty()
                         ? CRect(x, y, x + 1, y + 1)
                         : CRect(std::min<int>(rc.left, x), std::min<int>(rc.top, y),
                                 std::max<int>(rc.right, x + 1), std::max<int>(rc.bottom, y + 1));
            }
        return rc;
    }
    // Arrow pixels on row y between the bounds.
    int CountRow(PixelCanvas& canvas, const CRect& rc, int y)
    {
        int n = 0;
        for (int x = rc.left; x < rc.right; x++)
            n += canvas.Pixel(x, y) == theme.m_crHilight || canvas.Pixel(x, y) == theme.m_crShadow;
        return n;
    }

    CXTHeaderCtrl header;
    CXTHeaderTheme theme;
};

TEST_F(HeaderDrawTest, OnlyTheSortColumnShowsAnArrowPointingItsWay)
{
    header.SetSortColumn(1, TRUE);
    PixelCanvas ascending(240, 24);
    Draw(ascending);
    EXPECT_TRUE(ArrowBounds(ascending, 0).IsRectEmpty());
    EXPECT_TRUE(ArrowBounds(ascending, 2).IsRectEmpty());
    CRect rcUp = ArrowBounds(ascending, 1);
    ASSERT_FALSE(rcUp.IsRectEmpty());
    EXPECT_EQ(rcUp.Width(), 9);
    // Pointing up: the widest row is the base at the bottom.
    EXPECT_GT(CountRow(ascending, rcUp, rcUp.bottom - 1), CountRow(ascending, rcUp, rcUp.top));

    header.SetSortColumn(1, FALSE);
    PixelCanvas descending(240, 24);
    Draw(descending);
    CRect rcDown = ArrowBounds(descending, 1);
    ASSERT_FALSE(rcDown.IsRectEmpty());
    EXPECT_GT(CountRow(descending, rcDown, rcDown.top), CountRow(descending, rcDown, rcDown.bottom - 1));
}

TEST_F(HeaderDrawTest, ColumnImageIsKeptByTheHeaderAndDrawnMasked)
{
    ASSERT_TRUE(theme.SetColumnBitmap(2, 3000, FALSE, RGB(0xC0, 0xC0, 0xC0), &header));
    HIMAGELIST hImageList = header.GetColumnImageList(2);
    ASSERT_NE(hImageList, (HIMAGELIST)NULL);
    HDITEM hdi;
    hdi.mask = HDI_FORMAT | HDI_BITMAP;
    ASSERT_TRUE(header.GetItem(2, &hdi));
    EXPECT_EQ(hdi.fmt, HDF_BITMAP);
    EXPECT_EQ(hdi.hbm, (HBITMAP)NULL);

    PixelCanvas canvas(240, 24);
    Draw(canvas);
    // The 6 x 6 blue block of the 12 x 10 image at padding 6, centred.
    EXPECT_EQ(canvas.Pixel(160 + 6 + 5, 12), RGB(0, 0, 200));
    EXPECT_EQ(canvas.Pixel(160 + 6 + 1, 12), theme.m_crFace);
    EXPECT_EQ(canvas.CountOther(CRect(0, 4, 150, 20), RGB(0, 0, 200)), 150 * 16);

    // A second bitmap replaces the list; removing clears the format bit.
    ASSERT_TRUE(theme.SetColumnBitmap(2, 3000, FALSE, RGB(0xC0, 0xC0, 0xC0), &header));
    EXPECT_NE(header.GetColumnImageList(2), hImageList);
    EXPECT_TRUE(theme.SetColumnBitmap(2, 0, TRUE, 0, &header));
    EXPECT_EQ(header.GetColumnImageList(2), (HIMAGELIST)NULL);
    ASSERT_TRUE(header.GetItem(2, &hdi));
    EXPECT_EQ(hdi.fmt & HDF_BITMAP, 0);
}

} // namespace
