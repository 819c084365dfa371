#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDisplayDepth.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Fake entry points that record how they were called.
std::vector<HTHEME> g_closedThemes;
std::vector<INT_PTR> g_drawCall; // theme, part, state, rectangle
std::wstring g_strOpenedClass;
std::vector<int> g_colorQuery; // part, state, property
BOOL g_bAppThemed, g_bThemeActive;
int g_nIsAppThemedCalls;

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR pszClassList)
{
    g_strOpenedClass = pszClassList;
    return reinterpret_cast<HTHEME>(0x1111 * (g_closedThemes.size() + 1));
}

HRESULT WINAPI FakeCloseThemeData(HTHEME hTheme)
{
    g_closedThemes.push_back(hTheme);
    return S_OK;
}

HRESULT WINAPI FakeDrawThemeBackground(HTHEME hTheme, HDC, int nPart, int nState, const RECT* pRect,
                                       const RECT*)
{
    g_drawCall = {(INT_PTR)hTheme, nPart, nState, (INT_PTR)pRect};
    return 0x1234;
}

HRESULT WINAPI FakeGetThemeColor(HTHEME, int nPart, int nState, int nProperty, COLORREF* pColor)
{
    g_colorQuery = {nPart, nState, nProperty};
    *pColor = RGB(12, 34, 56);
    return S_OK;
}

HRESULT WINAPI ThrowingGetThemeColor(HTHEME, int, int, int, COLORREF*)
{
    throw std::runtime_error("theme data is broken");
}

HRESULT WINAPI FaultingGetThemeInt(HTHEME, int, int, int, int* piVal)
{
    volatile int* pNowhere = NULL;
    *pNowhere = 1;
    *piVal = 1;
    return S_OK;
}

void WINAPI FaultingSetThemeAppProperties(DWORD)
{
    volatile int* pNowhere = NULL;
    *pNowhere = 1;
}

BOOL WINAPI FakeIsAppThemed()
{
    ++g_nIsAppThemedCalls;
    return g_bAppThemed;
}

BOOL WINAPI FakeIsThemeActive()
{
    return g_bThemeActive;
}

// Each case may put fakes in the theme module; the module is bound to the
// real library again after it.
struct UxThemeWrapperTest : ::testing::Test
{
    void SetUp() override
    {
        g_closedThemes.clear();
        g_bAppThemed = g_bThemeActive = TRUE;
        g_nIsAppThemedCalls = 0;
    }

    void TearDown() override
    {
        XTPWithholdOptionalLibrary("UxTheme.dll", FALSE);
        XTPWithholdOptionalProc("IsThemeActive", FALSE);
        XTPUxThemeModule()->Bind();
        XTPSetBitsPixelForTesting(0);
    }

    void InstallFakes()
    {
        CXTPUxThemeModule* pModule = XTPUxThemeModule();
        pModule->SetProc(xtpUxOpenThemeData, reinterpret_cast<FARPROC>(FakeOpenThemeData));
        pModule->SetProc(xtpUxCloseThemeData, reinterpret_cast<FARPROC>(FakeCloseThemeData));
        pModule->SetProc(xtpUxDrawThemeBackground, reinterpret_cast<FARPROC>(FakeDrawThemeBackground));
        pModule->SetProc(xtpUxIsAppThemed, reinterpret_cast<FARPROC>(FakeIsAppThemed));
        pModule->SetProc(xtpUxIsThemeActive, reinterpret_cast<FARPROC>(FakeIsThemeActive));
        pModule->SetProc(xtpUxGetThemeColor, reinterpret_cast<FARPROC>(FakeGetThemeColor));
    }
};

// A missing entry point is looked up again later.
TEST_F(UxThemeWrapperTest, AMissingEntryPointIsLookedUpAgain)
{
    XTPWithholdOptionalProc("IsThemeActive", TRUE);
    EXPECT_EQ((FARPROC)NULL, XTPUxThemeModule()->GetProc(xtpUxIsThemeActive));
    XTPWithholdOptionalProc("IsThemeActive", FALSE);
    EXPECT_NE((FARPROC)NULL, XTPUxThemeModule()->GetProc(xtpUxIsThemeActive));
}

// Every call goes through one guarded entry-point call; a few of each kind of
// failure value stand for the rest.
TEST_F(UxThemeWrapperTest, FailureValuesWithoutTheLibrary)
{
    XTPWithholdOptionalLibrary("UxTheme.dll", TRUE);
    XTPUxThemeModule()->Bind();
    CXTPUxThemeWrapper theme;
    RECT rc = {0, 0, 10, 10};
    int n = 0;
    COLORREF clr = 0;
    theme.OpenThemeData(NULL, L"BUTTON");
    EXPECT_FALSE(theme.IsThemeOpen() || theme.IsAppThemed() || theme.IsThemeActive()
                 || theme.GetThemeSysBool(1));
    EXPECT_EQ((HBRUSH)NULL, theme.GetThemeSysColorBrush(1));
    EXPECT_EQ(0xFFFFFFFFu, theme.GetThemeSysColor(1));
    theme.SetThemeAppProperties(3);
    EXPECT_EQ(std::vector<HRESULT>(3, E_FAIL),
              std::vector<HRESULT>({theme.DrawThemeBackground(NULL, 1, 1, &rc, NULL),
                                    theme.GetThemeInt(1, 1, 1, &n), theme.GetThemeColor(1, 1, 1, &clr)}));
}

TEST_F(UxThemeWrapperTest, CallsPassTheirArgumentsAndHandlesAreClosed)
{
    InstallFakes();
    {
        CXTPUxThemeWrapper theme;
        EXPECT_FALSE(theme.IsAppThemed()) << "without a handle the library is not asked";
        theme.OpenThemeData(NULL, L"TREEVIEW");
        EXPECT_TRUE(theme.IsAppThemed());
        EXPECT_EQ(1, g_nIsAppThemedCalls);
        RECT rc = {1, 2, 3, 4};
        EXPECT_EQ(0x1234, theme.DrawThemeBackground(NULL, 7, 8, &rc, NULL));
        EXPECT_EQ(std::vector<INT_PTR>({0x1111, 7, 8, (INT_PTR)&rc}), g_drawCall);
        theme.OpenTheme(NULL, L"BUTTON"); // opening again closes the first handle
        EXPECT_EQ(std::vector<HTHEME>({(HTHEME)0x1111}), g_closedThemes);
    }
    // The destructor closes the second.
    EXPECT_EQ(std::vector<HTHEME>({(HTHEME)0x1111, (HTHEME)0x2222}), g_closedThemes);
}

TEST_F(UxThemeWrapperTest, ThemesAreReadyWithCommonControls6AndAnActiveTheme)
{
    InstallFakes();
    CXTPUxThemeWrapper theme;
    theme.OpenThemeData(NULL, L"BUTTON");
    XTPUxThemeModule()->SetComCtlVersion(0x50052); // 5.82
    EXPECT_FALSE(theme.IsAppThemeReady());
    XTPUxThemeModule()->SetComCtlVersion(0x60000);
    EXPECT_TRUE(theme.IsAppThemeReady());
    g_bThemeActive = FALSE;
    EXPECT_FALSE(theme.IsAppThemeReady());
}

// A fault first: the guard works again after it, for C++ exceptions too.
TEST_F(UxThemeWrapperTest, AFaultOrExceptionInAnEntryPointFailsThatCallOnly)
{
    XTPUxThemeModule()->SetProc(xtpUxGetThemeColor, reinterpret_cast<FARPROC>(ThrowingGetThemeColor));
    XTPUxThemeModule()->SetProc(xtpUxGetThemeInt, reinterpret_cast<FARPROC>(FaultingGetThemeInt));
    XTPUxThemeModule()->SetProc(xtpUxSetThemeAppProperties,
                                reinterpret_cast<FARPROC>(FaultingSetThemeAppProperties));
    CXTPUxThemeWrapper theme;
    int n = 0;
    COLORREF clr = 0;
    EXPECT_EQ(E_FAIL, theme.GetThemeInt(1, 1, 1, &n));
    EXPECT_EQ(0, n);
    theme.SetThemeAppProperties(3); // returns quietly
    EXPECT_EQ(E_FAIL, theme.GetThemeColor(1, 1, 1, &clr));
    EXPECT_EQ(E_FAIL, theme.GetThemeInt(1, 1, 1, &n));
}

// The colour manager's colour 57 is the border colour of the themed tree view.
TEST_F(UxThemeWrapperTest, TheThemedTreeViewBorderIsColour57)
{
    InstallFakes();
    CXTPColorManager colors;
    const COLORREF clrShadow = colors.GetColor(COLOR_BTNSHADOW); // where colour 57 starts from
    colors.RefreshColors(FALSE);
    EXPECT_EQ(RGB(12, 34, 56), colors.GetColor(57));
    EXPECT_TRUE(g_strOpenedClass == L"TREEVIEW");
    EXPECT_EQ(std::vector<int>({0, 0, 3801}), g_colorQuery);

    g_bAppThemed = FALSE;
    colors.RefreshColors(FALSE);
    EXPECT_EQ(clrShadow, colors.GetColor(57));
    g_bAppThemed = TRUE;
    XTPSetBitsPixelForTesting(8); // not on low-colour displays
    colors.RefreshColors(FALSE);
    EXPECT_EQ(clrShadow, colors.GetColor(57));
}

} // namespace
