#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDisplayDepth.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <map>

namespace {

const COLORREF kFace = RGB(212, 208, 200);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kLightFace = RGB(246, 245, 244); // 205 per mille of the face, the rest white

// The classic Windows colours these cases read; black for the others.
COLORREF ClassicSysColor(int nIndex)
{
    static const std::map<int, COLORREF> colors = {{COLOR_WINDOW, RGB(255, 255, 255)},
                                                   {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
                                                   {COLOR_BTNFACE, kFace},
                                                   {COLOR_BTNSHADOW, kGrey},
                                                   {COLOR_GRAYTEXT, kGrey},
                                                   {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)}};
    auto it = colors.find(nIndex);
    return it != colors.end() ? it->second : RGB(0, 0, 0);
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

class ColorManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { m_colors.SetGetSysColorPtr(ClassicSysColor); }

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

TEST_F(ColorManagerTest, IndexesOutsideTheTableChangeNothingAndValuesAboveItAreColours)
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
}

TEST_F(ColorManagerTest, CustomColoursSurviveARefreshAndDriveTheDerivedOnes)
{
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

TEST_F(ColorManagerTest, OnlyIfNotInitializedSkipsASecondRefresh)
{
    m_colors.SetSystemTheme(xtpSystemThemeBlue);
    m_colors.RefreshColors(TRUE);
    EXPECT_EQ(kNoScheme, SchemeColors());
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(kBlue, SchemeColors());
}

TEST_F(ColorManagerTest, SchemeTables)
{
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

TEST_F(ColorManagerTest, DisabledLunaColoursKeepTheSystemGradients)
{
    m_colors.SetSystemTheme(xtpSystemThemeOlive);
    m_colors.DisableLunaColors(TRUE);
    EXPECT_TRUE(m_colors.IsLunaColorsDisabled());
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(kNoScheme, SchemeColors());
    m_colors.DisableLunaColors(FALSE);
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(kOlive, SchemeColors());
}

TEST_F(ColorManagerTest, SchemeDetectionFromTheVisualStyleName)
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

TEST_F(ColorManagerTest, AutomaticSchemeComesFromTheVisualStyle)
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

TEST_F(ColorManagerTest, LowColourDisplayKeepsTheBaseColours)
{
    XTPSetBitsPixelForTesting(8);
    m_colors.SetSystemTheme(xtpSystemThemeBlue);
    m_colors.RefreshColors(FALSE);
    EXPECT_EQ(Colors({15, 5, 13, 17, 5, 8, 14, 15, 16}), Colors({30, 31, 32, 35, 41, 44, 47, 48, 57}));
    EXPECT_EQ(kBlue, SchemeColors());
}

TEST_F(ColorManagerTest, AWindowTextWithoutContrastIsSeparated)
{
    // Where the classic colours keep enough contrast the colour-set table
    // holds the values (44 black, 31 the highlight blend, 34 three quarters of it).
    // A white window text on a white window cannot stay: 44 is separated
    // from 41 (the face blended with the window, RGB(249, 248, 247)) and
    // becomes the grey at the threshold distance 180.
    CXTPColorManager colors;
    colors.SetColor(COLOR_WINDOWTEXT, RGB(255, 255, 255));
    colors.SetGetSysColorPtr(ClassicSysColor);
    EXPECT_EQ(RGB(249, 248, 247), colors.GetColor(41));
    EXPECT_EQ(RGB(144, 144, 144), colors.GetColor(44));
    colors.SetColor(COLOR_WINDOWTEXT, 0xFFFFFFFF);
    colors.RefreshColors(FALSE);
    EXPECT_EQ(RGB(0, 0, 0), colors.GetColor(44));
}

} // namespace
