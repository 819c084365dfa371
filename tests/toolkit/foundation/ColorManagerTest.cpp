#include "toolkit/foundation/XTPColorHelper.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDisplayDepth.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

const COLORREF kFace = RGB(212, 208, 200);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kLightFace = RGB(246, 245, 244); // 205 per mille of the face, the rest white

// The derived colours 28 to 56 of two whole system-colour sets (the classic
// one, and a dark one that brings in the contrast rules), worked out
// apart from this code from the colour manager's rules (blends, contrast,
// shades).
struct ColorSet
{
    const char* pszName;
    COLORREF clrSystem[28];  // indexes 0 to 27
    COLORREF clrDerived[29]; // indexes 28 to 56
    COLORREF clr3DLight;     // the face 15 lighter per channel, not the system's
};

const ColorSet g_sets[] = {
    {"classic",
     {RGB(0, 0, 0),       RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
      RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
      RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
      RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
      RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
      RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240)},
     {RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(219, 216, 209), RGB(182, 189, 210), RGB(10, 36, 106),
      RGB(133, 146, 181), RGB(136, 141, 157), RGB(166, 166, 166), RGB(212, 213, 216), RGB(10, 36, 106),
      RGB(160, 160, 160), RGB(166, 166, 166), RGB(141, 141, 141), RGB(249, 248, 247), RGB(204, 200, 193),
      RGB(102, 102, 102), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
      RGB(247, 242, 233), RGB(85, 85, 85),    RGB(10, 36, 106),   RGB(212, 208, 200), RGB(128, 128, 128),
      RGB(219, 216, 209), RGB(128, 128, 128), RGB(212, 208, 200), RGB(212, 208, 200)},
     RGB(227, 223, 215)},
    {"dark",
     {RGB(0, 0, 0),       RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
      RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(200, 200, 0),   RGB(0, 0, 0),
      RGB(40, 40, 60),    RGB(20, 20, 30),    RGB(90, 90, 90),    RGB(255, 255, 255), RGB(212, 208, 200),
      RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
      RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240)},
     {RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(33, 33, 50),    RGB(84, 84, 31),    RGB(200, 200, 0),
      RGB(100, 100, 0),   RGB(63, 63, 23),    RGB(97, 97, 97),    RGB(36, 36, 25),    RGB(200, 200, 0),
      RGB(119, 119, 123), RGB(84, 84, 89),    RGB(114, 114, 119), RGB(6, 6, 9),       RGB(38, 38, 57),
      RGB(116, 116, 121), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(225, 225, 225),
      RGB(63, 63, 95),    RGB(0, 0, 0),       RGB(200, 200, 0),   RGB(40, 40, 60),    RGB(20, 20, 30),
      RGB(33, 33, 50),    RGB(20, 20, 30),    RGB(40, 40, 60),    RGB(40, 40, 60)},
     RGB(55, 55, 75)},
};

const ColorSet* g_pCurrentSet = NULL;

COLORREF SetSysColor(int nIndex)
{
    return g_pCurrentSet->clrSystem[nIndex];
}

const WCHAR* g_pszThemeFile;
const WCHAR* g_pszThemeColor;
HRESULT g_hrThemeName;

HRESULT WINAPI FakeGetCurrentThemeName(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor, LPWSTR,
                                       int)
{
    wcsncpy(pszFile, g_pszThemeFile, cchFile);
    wcsncpy(pszColor, g_pszThemeColor, cchColor);
    return g_hrThemeName;
}

struct ColorManagerTest : ::testing::Test
{
    // The cases run on the classic colour set.
    void SetUp() override
    {
        g_pCurrentSet = &g_sets[0];
        m_colors.SetGetSysColorPtr(SetSysColor);
    }

    void TearDown() override
    {
        XTPSetBitsPixelForTesting(0);
        XTPUxThemeModule()->Bind();
    }

    std::vector<COLORREF> Colors(std::initializer_list<UINT> indexes)
    {
        std::vector<COLORREF> colors;
        for (UINT nIndex : indexes)
            colors.push_back(m_colors.GetColor(nIndex));
        return colors;
    }

    // Colour 54, then the start and end of the four gradients.
    std::vector<COLORREF> SchemeColors()
    {
        std::vector<COLORREF> colors = Colors({54});
        for (int i = 0; i < 4; i++)
        {
            colors.push_back(m_colors.grcGradient[i].clrLight);
            colors.push_back(m_colors.grcGradient[i].clrDark);
        }
        return colors;
    }

    void UseThemeName(const WCHAR* pszFile, const WCHAR* pszColor, HRESULT hr = S_OK)
    {
        g_pszThemeFile = pszFile;
        g_pszThemeColor = pszColor;
        g_hrThemeName = hr;
        XTPUxThemeModule()->SetProc(xtpUxGetCurrentThemeName,
                                    reinterpret_cast<FARPROC>(FakeGetCurrentThemeName));
    }

    CXTPColorManager m_colors;
};

const std::vector<COLORREF> kNoScheme = {kGrey, kGrey, kGrey,      kFace, kLightFace,
                                         kFace, kGrey, kLightFace, kFace};
const std::vector<COLORREF> kBlue = {RGB(0, 45, 150),    RGB(89, 135, 214),  RGB(0, 45, 150),
                                     RGB(158, 190, 245), RGB(196, 218, 250), RGB(89, 135, 214),
                                     RGB(0, 45, 150),    RGB(221, 236, 254), RGB(129, 169, 226)};
const std::vector<COLORREF> kOlive = {RGB(96, 128, 88),   RGB(175, 192, 130), RGB(99, 122, 68),
                                      RGB(217, 217, 167), RGB(242, 241, 228), RGB(120, 142, 111),
                                      RGB(73, 91, 67),    RGB(244, 247, 222), RGB(183, 198, 145)};
const std::vector<COLORREF> kSilver = {RGB(124, 124, 148), RGB(168, 167, 191), RGB(112, 111, 145),
                                       RGB(215, 215, 229), RGB(243, 243, 247), RGB(168, 167, 191),
                                       RGB(119, 118, 151), RGB(243, 244, 250), RGB(153, 151, 181)};

TEST_F(ColorManagerTest, CustomColoursSurviveARefreshAndDriveTheDerivedOnes)
{
    // The overrides are followed by the system-colour callback; a write past
    // the table would replace it.
    m_colors.SetColor(58, RGB(1, 1, 1));
    m_colors.SetColor(0xFFFFFFFF, RGB(1, 1, 1));
    const UINT indexes[] = {5, 70, 0x80000000};
    const COLORREF colors[] = {RGB(5, 5, 5), RGB(2, 2, 2), RGB(3, 3, 3)};
    m_colors.SetColors(3, indexes, colors);
    m_colors.SetColor(57, RGB(9, 8, 7));
    m_colors.RefreshColors(FALSE);
    // Values above the last index are colours.
    EXPECT_EQ(std::vector<COLORREF>({RGB(5, 5, 5), kGrey, 58, RGB(1, 2, 3), RGB(9, 8, 7)}),
              Colors({5, COLOR_BTNSHADOW, 58, RGB(1, 2, 3), 57}));
    m_colors.SetColor(COLOR_BTNFACE, RGB(0, 0, 0));
    m_colors.SetColor(40, RGB(1, 2, 3));
    m_colors.RefreshColors(FALSE);
    // A black face gives the lighter face (48) and shadow (49) defaults.
    EXPECT_EQ(std::vector<COLORREF>({RGB(0, 0, 0), RGB(1, 2, 3), RGB(35, 35, 35), RGB(127, 127, 127)}),
              Colors({COLOR_BTNFACE, 40, 48, 49}));
    // A face near white is lightened only as far as 255.
    m_colors.SetColor(COLOR_BTNFACE, RGB(236, 233, 216));
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(RGB(255, 251, 233), m_colors.GetColor(48));
}

TEST_F(ColorManagerTest, SchemeTablesAndWhenTheyApply)
{
    m_colors.SetSystemTheme(xtpSystemThemeBlue);
    m_colors.RefreshColors(TRUE);
    EXPECT_EQ(kNoScheme, SchemeColors());
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(kBlue, SchemeColors());
    m_colors.SetSystemTheme(xtpSystemThemeOlive);
    m_colors.DisableLunaColors(TRUE);
    EXPECT_TRUE(m_colors.IsLunaColorsDisabled());
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(kNoScheme, SchemeColors());
    m_colors.DisableLunaColors(FALSE);
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(kOlive, SchemeColors());
    const struct
    {
        int nScheme;
        const std::vector<COLORREF>& colors;
    } schemes[] = {{xtpSystemThemeNone, kNoScheme},
                   {xtpSystemThemeBlue, kBlue},
                   {xtpSystemThemeOlive, kOlive},
                   {xtpSystemThemeSilver, kSilver}};
    for (const auto& scheme : schemes)
    {
        m_colors.SetSystemTheme(scheme.nScheme);
        m_colors.RefreshColors(FALSE);
        EXPECT_EQ(scheme.colors, SchemeColors()) << "scheme " << scheme.nScheme;
    }
}

TEST_F(ColorManagerTest, SchemesAreDetectedFromTheVisualStyle)
{
    const struct
    {
        const WCHAR* pszFile;
        const WCHAR* pszColor;
        HRESULT hr;
        int nScheme;
    } cases[] = {
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", S_OK, 1},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\luna.msstyles", L"HomeStead", S_OK, 2},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\LUNA.MSSTYLES", L"Metallic", S_OK, 3},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"Metallic2", S_OK, 0},
        {L"C:\\WINDOWS\\Resources\\Themes\\Royale\\Royale.msstyles", L"NormalColor", S_OK, 0},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", S_FALSE, 0},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", E_FAIL, 0},
    };
    for (const auto& c : cases)
    {
        UseThemeName(c.pszFile, c.pszColor, c.hr);
        EXPECT_EQ(c.nScheme, CXTPColorManager::DetectLunaScheme()) << c.hr;
    }
}

TEST_F(ColorManagerTest, TheAutomaticSchemeIsTheDetectedOne)
{
    UseThemeName(L"C:\\Themes\\Luna\\Luna.msstyles", L"HomeStead");
    m_colors.SetSystemTheme(xtpSystemThemeAuto);
    EXPECT_EQ(xtpSystemThemeOlive, m_colors.GetCurrentSystemTheme());
    m_colors.SetSystemTheme(xtpSystemThemeDefault);
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(kOlive, SchemeColors());

    UseThemeName(L"C:\\Themes\\Other\\Other.msstyles", L"HomeStead");
    m_colors.SetSystemTheme(xtpSystemThemeAuto);
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(kNoScheme, SchemeColors());
}

TEST_F(ColorManagerTest, LowColourDisplaysTakeSystemColoursButKeepTheScheme)
{
    XTPSetBitsPixelForTesting(8);
    m_colors.SetSystemTheme(xtpSystemThemeBlue);
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(Colors({15, 5, 13, 17, 5, 8, 14, 15, 16}), Colors({30, 31, 32, 35, 41, 44, 47, 48, 57}));
    EXPECT_EQ(kBlue, SchemeColors());
}

TEST_F(ColorManagerTest, ALowContrastTextIsSeparatedFromItsBackground)
{
    // Where the classic colours keep enough contrast the colour-set table
    // holds the values (44 black, 31 the highlight blend, 34 three quarters of it).
    // A white window text on a white window cannot stay: 44 is separated
    // from 41 (the face blended with the window, RGB(249, 248, 247)) and
    // becomes the grey at the threshold distance 180.
    CXTPColorManager colors;
    colors.SetColor(COLOR_WINDOWTEXT, RGB(255, 255, 255));
    colors.SetGetSysColorPtr(SetSysColor);
    EXPECT_EQ(RGB(249, 248, 247), colors.GetColor(41));
    EXPECT_EQ(RGB(144, 144, 144), colors.GetColor(44));
    colors.SetColor(COLOR_WINDOWTEXT, 0xFFFFFFFF);
    colors.RefreshColors(FALSE);
    EXPECT_EQ(RGB(0, 0, 0), colors.GetColor(44));
}

TEST(ColorManagerTable, DerivedColoursOfWholeColourSets)
{
    for (const ColorSet& set : g_sets)
    {
        g_pCurrentSet = &set;
        CXTPColorManager colors;
        colors.SetSystemTheme(xtpSystemThemeNone);
        colors.SetGetSysColorPtr(SetSysColor);
        // Colours 1 to 56: the system's but for the lighter 3D light, then the derived ones.
        std::vector<COLORREF> expected(set.clrSystem + 1, set.clrSystem + 28), actual;
        expected[COLOR_3DLIGHT - 1] = set.clr3DLight;
        expected.insert(expected.end(), set.clrDerived, set.clrDerived + 29);
        for (int i = 1; i <= 56; i++)
            actual.push_back(colors.GetColor(i));
        EXPECT_EQ(expected, actual) << set.pszName;
    }
}

TEST(ColorHelper, ChannelArithmeticIsClampedAndDivisionByZeroSaturates)
{
    CXTPColorHelper clr(250, 10, 10);
    const struct
    {
        const char* name;
        COLORREF result;
        COLORREF expected;
    } cases[] = {
        {"add", clr + CXTPColorHelper(10, 10, 10), RGB(255, 20, 20)},
        {"subtract", clr - CXTPColorHelper(10, 10, 20), RGB(240, 0, 0)},
        {"multiply", clr * CXTPColorHelper(2, 2, 3), RGB(255, 20, 30)},
        {"divide", clr / CXTPColorHelper(2, 2, 3), RGB(125, 5, 3)},
        {"add 100", clr + 100, RGB(255, 110, 110)},
        {"add 1000: k clamped to 255 first", clr + 1000, RGB(255, 255, 255)},
        {"subtract -5: k clamped to 0", clr - (-5), RGB(250, 10, 10)},
        {"black times 7", CXTPColorHelper(0, 0, 0) * 7, RGB(0, 0, 0)},
        {"divide by black", CXTPColorHelper(100, 0, 50) / CXTPColorHelper(0, 0, 0), RGB(255, 255, 255)},
        {"divide by a zero channel", CXTPColorHelper(100, 0, 50) / CXTPColorHelper(2, 0, 1),
         RGB(50, 255, 50)},
        {"divide by 0", CXTPColorHelper(100, 0, 50) / 0, RGB(255, 255, 255)},
        {"blend 100", CXTPColorHelper(10, 20, 30).Blend(CXTPColorHelper(200, 100, 0), 100), RGB(200, 100, 0)},
        {"blend 0", CXTPColorHelper(10, 20, 30).Blend(CXTPColorHelper(200, 100, 0), 0), RGB(10, 20, 30)},
        {"blend 50", CXTPColorHelper(10, 20, 30).Blend(CXTPColorHelper(200, 100, 0), 50), RGB(105, 60, 15)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.result) << c.name;

    // Add and Subtract change the object.
    CXTPColorHelper changed(100, 150, 200);
    changed.Add(CXTPColorHelper(100, 100, 100));
    EXPECT_EQ(RGB(200, 250, 255), (COLORREF)changed);
    changed.Subtract(CXTPColorHelper(250, 0, 55));
    EXPECT_EQ(RGB(0, 250, 200), (COLORREF)changed);
}

TEST(ColorHelper, HslConversions)
{
    double h, s, l;
    CXTPColorHelper(255, 0, 0).RGBtoHSL(&h, &s, &l);
    EXPECT_EQ(std::vector<double>({0.0, 1.0, 0.5}), std::vector<double>({h, s, l}));
    CXTPColorHelper(0, 0, 255).RGBtoHSL(&h, &s, &l);
    EXPECT_DOUBLE_EQ(4.0 / 6, h);
    CXTPColorHelper(255, 0, 128).RGBtoHSL(&h, &s, &l); // negative hue wraps
    EXPECT_NEAR(1 - 128.0 / 255 / 6, h, 1e-9);
    CXTPColorHelper(64, 64, 64).RGBtoHSL(&h, &s, &l);
    EXPECT_EQ(std::vector<double>({0.0, 0.0, 64.0 / 255}), std::vector<double>({h, s, l}));

    EXPECT_EQ(RGB(255, 0, 0), (COLORREF)CXTPColorHelper::HSLtoRGB(0, 1, 0.5));
    EXPECT_EQ(RGB(0, 255, 0), (COLORREF)CXTPColorHelper::HSLtoRGB(1.0 / 3, 1, 0.5));
    EXPECT_EQ(RGB(127, 127, 127), (COLORREF)CXTPColorHelper::HSLtoRGB(0.7, 0, 0.5));
}

TEST(ColorHelper, HsvConversionsAndRoundTrips)
{
    double h, s, v;
    CXTPColorHelper(0, 0, 0).RGBtoHSV(&h, &s, &v);
    EXPECT_EQ(std::vector<double>({0.0, 0.0}), std::vector<double>({h, s}));
    CXTPColorHelper(0, 255, 0).RGBtoHSV(&h, &s, &v);
    EXPECT_EQ(std::vector<double>({1.0 / 3, 1.0, 1.0}), std::vector<double>({h, s, v}));

    // A grey is round(v x 255 + 0.5), clamped: one step above the truncation of the colours.
    EXPECT_EQ(RGB(77, 77, 77), (COLORREF)CXTPColorHelper::HSVtoRGB(0.3, 0, 76.2 / 255));
    EXPECT_EQ(RGB(1, 1, 1), (COLORREF)CXTPColorHelper::HSVtoRGB(0.3, 0, 0));
    EXPECT_EQ(RGB(255, 255, 255), (COLORREF)CXTPColorHelper::HSVtoRGB(0.3, 0, 1));
    EXPECT_EQ(RGB(255, 0, 0), (COLORREF)CXTPColorHelper::HSVtoRGB(1.0, 1, 1));
    for (COLORREF clr : {RGB(30, 120, 200), RGB(200, 30, 120), RGB(120, 200, 30), RGB(250, 250, 10)})
    {
        CXTPColorHelper(clr).RGBtoHSV(&h, &s, &v);
        EXPECT_EQ(clr, (COLORREF)CXTPColorHelper::HSVtoRGB(h, s, v));
    }
}

} // namespace
