// The Office 2003 look: its colours in each Windows XP scheme (chosen
// through the colour manager), the system-derived colours without one, the
// Luna variant's own refresh, gradient state boxes, the dotted gripper and
// borders, the popup expand picture and the colour remapping of bitmaps.
#include "ThemeTestIds.h"
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// Exposes the paint manager's first colour field.
class CProbedOffice2003Theme : public CXTPOffice2003Theme
{
public:
    COLORREF GetSpare() const { return m_clrSpare; }
};

TEST(Office2003Theme, EachSchemeGivesItsColours)
{
    // Bar gradient start, toolbar gradient end, toolbar shadow, pane frame,
    // colours 32, 38, 43, 56 and 31, and the spare colour.
    const std::tuple<const char*, int, const char*> kCases[] = {
        {"blue", xtpSystemThemeBlue,
         "#9ebef5 #81a9e2 #3b619c #d3d3d3 #000080 #274176 #002d96 #bdd3f7 #ffeec2 #161e36"},
        {"olive", xtpSystemThemeOlive,
         "#d9d9a7 #b7c691 #608058 #d3d3d3 #3f5d38 #515e33 #758d5e #dee3bd #ffeec2 #1f2219"},
        {"silver", xtpSystemThemeSilver,
         "#d7d7e5 #9997b5 #7c7c94 #eceada #4b4b6f #545475 #7c7c94 #d6d7e7 #ffeec2 #242029"},
    };
    for (const auto& [name, nScheme, colors] : kCases)
    {
        SCOPED_TRACE(name);
        SchemeScope scheme(nScheme);
        CProbedOffice2003Theme t;
        EXPECT_TRUE(t.m_bSchemeColors);
        EXPECT_EQ(colors, ColorNames({t.m_clrBarGradientStart, t.m_clrToolbarGradientEnd,
                                      t.m_clrToolbarShadow, t.m_clrPaneFrame, t.GetColor(32), t.GetColor(38),
                                      t.GetColor(43), t.GetColor(56), t.GetColor(31), t.GetSpare()}));
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
    EXPECT_EQ("#f4f4f4 #c8c8c8 #c8c8c8",
              ColorNames({theme.m_clrToolbarGradientStart, theme.m_clrToolbarGradientEnd,
                          theme.m_clrBarGradientStart}));
    // The shadow, the floating caption and colour 55 take colours 30 and 16
    // and the colour manager's second gradient.
    EXPECT_EQ(ColorNames({theme.GetColor(30), theme.GetColor(16), XTPColorManager()->grcGradient[1].clrDark}),
              ColorNames({theme.m_clrToolbarShadow, theme.m_clrFloatingCaption, theme.GetColor(55)}));
    EXPECT_FALSE(theme.GetIconsInfo()->bUseFadedIcons || theme.GetIconsInfo()->bIconsWithShadow);
}

TEST(Office2003LunaTheme, RefreshesItsOwnColoursWhenConstructed)
{
    // The toolbar gradient's end and the toolbar shadow.
    const std::tuple<const char*, int, const char*> kCases[] = {
        {"blue", xtpSystemThemeBlue, "#c7c6b0 #929276"}, {"silver", xtpSystemThemeSilver, "#adacc4 #7c7c94"}};
    for (const auto& [name, nScheme, colors] : kCases)
    {
        SCOPED_TRACE(name);
        SchemeScope scheme(nScheme);
        CXTPOffice2003LunaTheme luna;
        EXPECT_FALSE(luna.m_bSchemeColors);
        EXPECT_EQ(colors, ColorNames({luna.m_clrToolbarGradientEnd, luna.m_clrToolbarShadow}));
        EXPECT_EQ(xtpSystemThemeNone, luna.GetCurrentSystemTheme());
    }
}

TEST(Office2003LunaTheme, OliveLooksLikeTheSystemDerivedLook)
{
    SchemeScope scheme(xtpSystemThemeOlive);
    CXTPOffice2003LunaTheme luna;
    CXTPOffice2003Theme plain;
    plain.SetSystemTheme(xtpSystemThemeNone);
    EXPECT_EQ(
        ColorNames(
            {plain.m_clrToolbarGradientStart, plain.m_clrToolbarGradientEnd, plain.m_clrBarGradientEnd}),
        ColorNames({luna.m_clrToolbarGradientStart, luna.m_clrToolbarGradientEnd, luna.m_clrBarGradientEnd}));
    for (int nIndex = 0; nIndex < XTP_COLOR_COUNT; nIndex++)
        EXPECT_EQ(plain.GetColor(nIndex), luna.GetColor(nIndex)) << nIndex;
}

TEST(Office2003Theme, HotButtonIsAGradientOnDockedToolbarsAndFlatInPopups)
{
    SchemeScope scheme(xtpSystemThemeBlue);
    CXTPOffice2003Theme theme;
    PixelCanvas docked(30, 40), popup(30, 40);
    theme.DrawRectangle(&docked.dc(), CRect(0, 0, 30, 40), 1, 0, TRUE, FALSE, FALSE, TRUE, xtpBarTop);
    theme.DrawRectangle(&popup.dc(), CRect(0, 0, 30, 40), 1, 0, TRUE, FALSE, FALSE, FALSE, xtpBarPopup);
    EXPECT_EQ("#000080 #000080", Probe(docked, {{0, 20}, {15, 39}}));
    // Top to bottom from RGB(255, 242, 200) to RGB(255, 212, 151).
    EXPECT_NEAR(242, GetGValue(docked.Pixel(15, 1)), 2);
    EXPECT_NEAR(212, GetGValue(docked.Pixel(15, 38)), 2);
    EXPECT_EQ(docked.Pixel(3, 20), docked.Pixel(26, 20));
    // Colour 32 frames colour 31 in a popup.
    EXPECT_EQ("#000080 #ffeec2 #ffeec2", Probe(popup, {{0, 20}, {15, 1}, {15, 38}}));
}

TEST(Office2003Theme, ExpandPictureBlendsTheButtonColours)
{
    CXTPOffice2003Theme theme;
    theme.m_clrButtonPictureDark = RGB(0, 100, 200);
    theme.m_clrButtonPictureLight = RGB(255, 200, 100);
    // (0, 0) is 255: transparent; (0, 8) is 252; (14, 0) is 0: the dark
    // colour; (2, 0) is 198: the table runs row by row in y.
    EXPECT_EQ("#00ff00 #fcc666 #0064c8 #c6b17b",
              ColorNames({theme.ExpandPicturePixel(0, 0), theme.ExpandPicturePixel(0, 8),
                          theme.ExpandPicturePixel(14, 0), theme.ExpandPicturePixel(2, 0)}));
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
        EXPECT_EQ("m38 m38 m20", Probe(canvas, {{5, y}, {6, y + 1}, {7, y + 2}})) << y;
    EXPECT_EQ(kWhite, canvas.Pixel(5, 21));
    EXPECT_EQ(CRect(4, 2, 2, 2), theme.GetCommandBarBorders(pBar));
    pBar->Place(xtpBarFloating);
    EXPECT_EQ(CRect(2, 2, 2, 2), theme.GetCommandBarBorders(pBar));
}

// A bitmap colour table: 16 entries of which the first few are the classic
// colours that get replaced; the mask colour is never remapped and only the
// given count of entries is looked at.
TEST(Office2003Bitmaps, RemapsOnlyTheEntriesTheTableHas)
{
    const COLORREF kClassic[] = {RGB(0, 128, 0), RGB(0, 0, 255), RGB(192, 192, 192), RGB(255, 0, 255),
                                 RGB(128, 128, 128)};
    RGBQUAD table[16] = {};
    for (int i = 0; i < 5; i++)
        table[i] = {GetBValue(kClassic[i]), GetGValue(kClassic[i]), GetRValue(kClassic[i]), 0};
    EXPECT_EQ(0, CXTPOffice2003Theme::RemapColorTable(table, 0, RGB(192, 192, 192)));
    EXPECT_EQ(2, CXTPOffice2003Theme::RemapColorTable(table, 4, RGB(192, 192, 192)));
    std::vector<COLORREF> remapped;
    for (int i = 0; i < 5; i++)
        remapped.push_back(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue));
    EXPECT_EQ("#5e9700 #2a57ff #c0c0c0 #ff00ff #808080", ColorNames(remapped));
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
    // The palette remapped; above 8 bits a pixel there is no table: the
    // pixels stay as they are.
    HBITMAP hPaletted =
        CXTPOffice2003Theme::LoadRemappedBitmap(hInstance, IDB_THEME_PALETTED, RGB(255, 0, 255));
    HBITMAP hTrueColor =
        CXTPOffice2003Theme::LoadRemappedBitmap(hInstance, IDB_THEME_TRUECOLOR, RGB(255, 0, 255));
    ASSERT_TRUE(hPaletted != NULL && hTrueColor != NULL);
    EXPECT_EQ("#5e9700 w #008000 #008000",
              ColorNames({BitmapPixel(hPaletted, 0, 0), BitmapPixel(hPaletted, 1, 0),
                          BitmapPixel(hTrueColor, 0, 0), BitmapPixel(hTrueColor, 3, 1)}));
    ::DeleteObject(hPaletted);
    ::DeleteObject(hTrueColor);
    EXPECT_TRUE(CXTPOffice2003Theme::LoadRemappedBitmap(hInstance, 54321, RGB(255, 0, 255)) == NULL);
}

} // namespace
