// The Office 2003 look: its colours in each Windows XP scheme (chosen
// through the colour manager), the system-derived colours without one, the
// Luna variant's own refresh, gradient state boxes, the dotted gripper and
// borders, the popup expand picture and the colour remapping of bitmaps.
#include "ThemeTestIds.h"
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"

#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The colour manager's scheme is fixed for one case and given back after.
class SchemeScope
{
public:
    explicit SchemeScope(int nScheme)
    {
        XTPColorManager()->SetSystemTheme(nScheme);
        XTPColorManager()->RefreshColors();
    }
    ~SchemeScope()
    {
        XTPColorManager()->SetSystemTheme(xtpSystemThemeDefault);
        XTPColorManager()->RefreshColors();
    }
};

struct SchemeCase
{
    const char* name;
    int nScheme;
    COLORREF clrBarGradientStart, clrToolbarGradientEnd, clrToolbarShadow, clrPaneFrame;
    COLORREF clrHotFrame32, clrGripper38, clrPopupFrame43, clrLabel56, clrSpare;
};

const SchemeCase kSchemeCases[] = {
    {"blue", xtpSystemThemeBlue, RGB(158, 190, 245), RGB(129, 169, 226), RGB(59, 97, 156), RGB(211, 211, 211),
     RGB(0, 0, 128), RGB(39, 65, 118), RGB(0, 45, 150), RGB(189, 211, 247), RGB(22, 30, 54)},
    {"olive", xtpSystemThemeOlive, RGB(217, 217, 167), RGB(183, 198, 145), RGB(96, 128, 88),
     RGB(211, 211, 211), RGB(63, 93, 56), RGB(81, 94, 51), RGB(117, 141, 94), RGB(222, 227, 189),
     RGB(31, 34, 25)},
    {"silver", xtpSystemThemeSilver, RGB(215, 215, 229), RGB(153, 151, 181), RGB(124, 124, 148),
     RGB(236, 234, 218), RGB(75, 75, 111), RGB(84, 84, 117), RGB(124, 124, 148), RGB(214, 215, 231),
     RGB(36, 32, 41)},
};

// Exposes the paint manager's first colour field.
class CProbedOffice2003Theme : public CXTPOffice2003Theme
{
public:
    COLORREF GetSpare() const { return m_clrSpare; }
};

TEST(Office2003Theme, EachSchemeGivesItsColours)
{
    for (const SchemeCase& c : kSchemeCases)
    {
        SCOPED_TRACE(c.name);
        SchemeScope scheme(c.nScheme);
        CProbedOffice2003Theme theme;
        EXPECT_TRUE(theme.m_bSchemeColors);
        EXPECT_EQ(c.clrBarGradientStart, theme.m_clrBarGradientStart);
        EXPECT_EQ(c.clrToolbarGradientEnd, theme.m_clrToolbarGradientEnd);
        EXPECT_EQ(c.clrToolbarShadow, theme.m_clrToolbarShadow);
        EXPECT_EQ(c.clrPaneFrame, theme.m_clrPaneFrame);
        EXPECT_EQ(c.clrHotFrame32, theme.GetColor(32));
        EXPECT_EQ(c.clrGripper38, theme.GetColor(38));
        EXPECT_EQ(c.clrPopupFrame43, theme.GetColor(43));
        EXPECT_EQ(c.clrLabel56, theme.GetColor(56));
        EXPECT_EQ(RGB(255, 238, 194), theme.GetColor(31));
        EXPECT_EQ(c.clrSpare, theme.GetSpare());
    }
}

TEST(Office2003Theme, WithoutASchemeColoursComeFromTheSystemColours)
{
    XTPColorManager()->SetColor(COLOR_BTNFACE, RGB(200, 200, 200));
    XTPColorManager()->SetColor(COLOR_WINDOW, RGB(255, 255, 255));
    SchemeScope scheme(xtpSystemThemeNone);
    CXTPOffice2003Theme theme;
    XTPColorManager()->SetColor(COLOR_BTNFACE, 0xFFFFFFFF);
    XTPColorManager()->SetColor(COLOR_WINDOW, 0xFFFFFFFF);
    EXPECT_FALSE(theme.m_bSchemeColors);
    // The toolbar body runs from 205 per mille of the face and the rest of
    // the window colour down to the face itself.
    EXPECT_EQ(RGB(244, 244, 244), theme.m_clrToolbarGradientStart);
    EXPECT_EQ(RGB(200, 200, 200), theme.m_clrToolbarGradientEnd);
    EXPECT_EQ(RGB(200, 200, 200), theme.m_clrBarGradientStart);
    EXPECT_EQ(theme.GetColor(30), theme.m_clrToolbarShadow);
    EXPECT_EQ(theme.GetColor(16), theme.m_clrFloatingCaption);
    EXPECT_EQ(XTPColorManager()->grcGradient[1].clrDark, theme.GetColor(55));
    EXPECT_FALSE(theme.GetIconsInfo()->bUseFadedIcons);
    EXPECT_FALSE(theme.GetIconsInfo()->bIconsWithShadow);
}

TEST(Office2003LunaTheme, RefreshesItsOwnColoursWhenConstructed)
{
    struct LunaCase
    {
        const char* name;
        int nScheme;
        COLORREF clrToolbarGradientEnd, clrToolbarShadow;
    } const kCases[] = {
        {"blue", xtpSystemThemeBlue, RGB(199, 198, 176), RGB(146, 146, 118)},
        {"silver", xtpSystemThemeSilver, RGB(173, 172, 196), RGB(124, 124, 148)},
    };
    for (const LunaCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        SchemeScope scheme(c.nScheme);
        CXTPOffice2003LunaTheme luna;
        EXPECT_FALSE(luna.m_bSchemeColors);
        EXPECT_EQ(c.clrToolbarGradientEnd, luna.m_clrToolbarGradientEnd);
        EXPECT_EQ(c.clrToolbarShadow, luna.m_clrToolbarShadow);
        EXPECT_EQ(xtpSystemThemeNone, luna.GetCurrentSystemTheme());
    }
}

TEST(Office2003LunaTheme, OliveLooksLikeTheSystemDerivedLook)
{
    SchemeScope scheme(xtpSystemThemeOlive);
    CXTPOffice2003LunaTheme luna;
    CXTPOffice2003Theme plain;
    plain.SetSystemTheme(xtpSystemThemeNone);
    EXPECT_EQ(plain.m_clrToolbarGradientStart, luna.m_clrToolbarGradientStart);
    EXPECT_EQ(plain.m_clrToolbarGradientEnd, luna.m_clrToolbarGradientEnd);
    EXPECT_EQ(plain.m_clrBarGradientEnd, luna.m_clrBarGradientEnd);
    for (int nIndex = 0; nIndex < XTP_COLOR_COUNT; nIndex++)
        EXPECT_EQ(plain.GetColor(nIndex), luna.GetColor(nIndex)) << nIndex;
}

TEST(Office2003Theme, HotButtonIsAGradientOnDockedToolbarsAndFlatInPopups)
{
    SchemeScope scheme(xtpSystemThemeBlue);
    CXTPOffice2003Theme theme;
    PixelCanvas docked(30, 40);
    theme.DrawRectangle(&docked.dc(), CRect(0, 0, 30, 40), 1, 0, TRUE, FALSE, FALSE, TRUE, xtpBarTop);
    EXPECT_EQ(RGB(0, 0, 128), docked.Pixel(0, 20));
    EXPECT_EQ(RGB(0, 0, 128), docked.Pixel(15, 39));
    // Top to bottom from RGB(255, 242, 200) to RGB(255, 212, 151).
    const COLORREF clrTop = docked.Pixel(15, 1), clrBottom = docked.Pixel(15, 38);
    EXPECT_NEAR(242, GetGValue(clrTop), 2);
    EXPECT_NEAR(212, GetGValue(clrBottom), 2);
    EXPECT_EQ(docked.Pixel(3, 20), docked.Pixel(26, 20));

    PixelCanvas popup(30, 40);
    theme.DrawRectangle(&popup.dc(), CRect(0, 0, 30, 40), 1, 0, TRUE, FALSE, FALSE, FALSE, xtpBarPopup);
    EXPECT_EQ(theme.GetColor(32), popup.Pixel(0, 20));
    EXPECT_EQ(theme.GetColor(31), popup.Pixel(15, 1));
    EXPECT_EQ(theme.GetColor(31), popup.Pixel(15, 38));
}

TEST(Office2003Theme, ExpandPictureBlendsTheButtonColours)
{
    CXTPOffice2003Theme theme;
    theme.m_clrButtonPictureDark = RGB(0, 100, 200);
    theme.m_clrButtonPictureLight = RGB(255, 200, 100);
    // (0, 0) is 255: transparent; (0, 8) is 252; (14, 0) is 0: the dark colour.
    EXPECT_EQ(RGB(0, 255, 0), theme.ExpandPicturePixel(0, 0));
    EXPECT_EQ(RGB(252, 198, 102), theme.ExpandPicturePixel(0, 8));
    EXPECT_EQ(RGB(0, 100, 200), theme.ExpandPicturePixel(14, 0));
    // (2, 0) is 198: the table runs row by row in y.
    EXPECT_EQ(RGB(198, 177, 123), theme.ExpandPicturePixel(2, 0));
    EXPECT_EQ(1, theme.GetExpandPicture()->GetImageCount());
}

using Office2003Bar = ThemeBarTest<CXTPOffice2003Theme>;

TEST_F(Office2003Bar, DottedGripperAndBorders)
{
    PixelCanvas canvas(100, 26, kWhite);
    EXPECT_EQ(CSize(6, 0), theme.DrawCommandBarGripper(&canvas.dc(), pBar, FALSE));
    EXPECT_EQ(CSize(0, 0), theme.DrawCommandBarGripper(&canvas.dc(), pBar, TRUE));
    // Dots at y = 5, 9, 13, 17 (while y < 26 - 8): dark square over the light one.
    for (int y : {5, 9, 13, 17})
    {
        EXPECT_EQ(Marker(38), canvas.Pixel(5, y)) << y;
        EXPECT_EQ(Marker(38), canvas.Pixel(6, y + 1)) << y;
        EXPECT_EQ(Marker(20), canvas.Pixel(7, y + 2)) << y;
    }
    EXPECT_EQ(kWhite, canvas.Pixel(5, 21));
    EXPECT_EQ(CRect(4, 2, 2, 2), theme.GetCommandBarBorders(pBar));
    pBar->Place(xtpBarFloating);
    EXPECT_EQ(CRect(2, 2, 2, 2), theme.GetCommandBarBorders(pBar));
}

// A bitmap colour table: 16 entries of which the first few are the classic
// colours that get replaced.
TEST(Office2003Bitmaps, RemapsOnlyTheEntriesTheTableHas)
{
    RGBQUAD table[16] = {};
    auto set = [&](int i, COLORREF clr) { table[i] = {GetBValue(clr), GetGValue(clr), GetRValue(clr), 0}; };
    set(0, RGB(0, 128, 0));
    set(1, RGB(0, 0, 255));
    set(2, RGB(192, 192, 192));
    set(3, RGB(255, 0, 255));
    set(4, RGB(128, 128, 128));
    // The mask colour is never remapped; only 4 entries are looked at.
    EXPECT_EQ(2, CXTPOffice2003Theme::RemapColorTable(table, 4, RGB(192, 192, 192)));
    EXPECT_EQ(RGB(94, 151, 0), RGB(table[0].rgbRed, table[0].rgbGreen, table[0].rgbBlue));
    EXPECT_EQ(RGB(42, 87, 255), RGB(table[1].rgbRed, table[1].rgbGreen, table[1].rgbBlue));
    EXPECT_EQ(RGB(192, 192, 192), RGB(table[2].rgbRed, table[2].rgbGreen, table[2].rgbBlue));
    EXPECT_EQ(RGB(128, 128, 128), RGB(table[4].rgbRed, table[4].rgbGreen, table[4].rgbBlue));
    EXPECT_EQ(0, CXTPOffice2003Theme::RemapColorTable(table, 0, RGB(192, 192, 192)));
}

// The colour of a pixel of a device-dependent bitmap.
COLORREF BitmapPixel(HBITMAP hBitmap, int x, int y)
{
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    const COLORREF clr = dc.GetPixel(x, y);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    return clr;
}

TEST(Office2003Bitmaps, LoaderRemapsTheTableAndLeavesTrueColourPixels)
{
    const HINSTANCE hInstance = ::GetModuleHandle(NULL);
    HBITMAP hPaletted =
        CXTPOffice2003Theme::LoadRemappedBitmap(hInstance, IDB_THEME_PALETTED, RGB(255, 0, 255));
    ASSERT_TRUE(hPaletted != NULL);
    EXPECT_EQ(RGB(94, 151, 0), BitmapPixel(hPaletted, 0, 0));
    EXPECT_EQ(RGB(255, 255, 255), BitmapPixel(hPaletted, 1, 0));
    ::DeleteObject(hPaletted);

    // Above 8 bits a pixel there is no table: the pixels stay as they are.
    HBITMAP hTrueColor =
        CXTPOffice2003Theme::LoadRemappedBitmap(hInstance, IDB_THEME_TRUECOLOR, RGB(255, 0, 255));
    ASSERT_TRUE(hTrueColor != NULL);
    EXPECT_EQ(RGB(0, 128, 0), BitmapPixel(hTrueColor, 0, 0));
    EXPECT_EQ(RGB(0, 128, 0), BitmapPixel(hTrueColor, 3, 1));
    ::DeleteObject(hTrueColor);

    EXPECT_TRUE(CXTPOffice2003Theme::LoadRemappedBitmap(hInstance, 54321, RGB(255, 0, 255)) == NULL);
}

} // namespace
