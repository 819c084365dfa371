#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Fake entry points that record how they were called.
HTHEME g_hNextTheme;
std::vector<HTHEME> g_closedThemes;
std::vector<HTHEME> g_drawThemes;
const RECT* g_pDrawRect;
int g_nDrawPart, g_nDrawState;
BOOL g_bAppThemed, g_bThemeActive;
int g_nIsAppThemedCalls;

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR)
{
    return g_hNextTheme;
}

HRESULT WINAPI FakeCloseThemeData(HTHEME hTheme)
{
    g_closedThemes.push_back(hTheme);
    return S_OK;
}

HRESULT WINAPI FakeDrawThemeBackground(HTHEME hTheme, HDC, int nPart, int nState, const RECT* pRect,
                                       const RECT*)
{
    g_drawThemes.push_back(hTheme);
    g_nDrawPart = nPart;
    g_nDrawState = nState;
    g_pDrawRect = pRect;
    return 0x1234;
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

class UxThemeWrapperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_hNextTheme = reinterpret_cast<HTHEME>(0x1111);
        g_closedThemes.clear();
        g_drawThemes.clear();
        g_bAppThemed = g_bThemeActive = TRUE;
        g_nIsAppThemedCalls = 0;
    }

    void TearDown() override
    {
        XTPWithholdOptionalLibrary("UxTheme.dll", FALSE);
        XTPWithholdOptionalProc("IsThemeActive", FALSE);
        XTPUxThemeModule()->Bind();
    }

    void InstallFakes()
    {
        CXTPUxThemeModule* pModule = XTPUxThemeModule();
        pModule->SetProc(xtpUxOpenThemeData, reinterpret_cast<FARPROC>(FakeOpenThemeData));
        pModule->SetProc(xtpUxCloseThemeData, reinterpret_cast<FARPROC>(FakeCloseThemeData));
        pModule->SetProc(xtpUxDrawThemeBackground, reinterpret_cast<FARPROC>(FakeDrawThemeBackground));
        pModule->SetProc(xtpUxIsAppThemed, reinterpret_cast<FARPROC>(FakeIsAppThemed));
        pModule->SetProc(xtpUxIsThemeActive, reinterpret_cast<FARPROC>(FakeIsThemeActive));
    }
};

TEST_F(UxThemeWrapperTest, EveryCallReturnsItsFailureValueWithoutTheLibrary)
{
    XTPWithholdOptionalLibrary("UxTheme.dll", TRUE);
    XTPUxThemeModule()->Bind();
    ASSERT_EQ((HMODULE)NULL, XTPUxThemeModule()->GetLibrary());

    CXTPUxThemeWrapper theme;
    HDC hDC = GetDC(NULL);
    RECT rc = {0, 0, 10, 10};
    POINT pt = {1, 1};
    int n = 0;
    WORD w = 0;
    COLORREF clr = 0;
    BOOL b = FALSE;
    SIZE size;
    MARGINS margins;
    INTLIST list;
    LOGFONTW lf;
    TEXTMETRICW tm;
    PROPERTYORIGIN origin;
    HRGN hRgn = NULL;
    WCHAR sz[MAX_PATH];
    DTBGOPTS options = {sizeof(DTBGOPTS), 0, rc};

    theme.OpenThemeData(NULL, L"BUTTON");
    EXPECT_FALSE(theme.IsThemeOpen());
    EXPECT_FALSE(theme.IsAppThemed());
    EXPECT_FALSE(theme.IsAppThemeReady());
    EXPECT_FALSE(theme.IsThemeActive());
    EXPECT_FALSE(theme.IsThemePartDefined(1, 1));
    EXPECT_FALSE(theme.IsThemeDialogTextureEnabled(NULL));
    EXPECT_FALSE(theme.IsThemeBackgroundPartiallyTransparent(1, 1));
    EXPECT_FALSE(theme.GetThemeSysBool(1));
    EXPECT_EQ((HTHEME)NULL, theme.GetWindowTheme(GetDesktopWindow()));
    EXPECT_EQ((HBRUSH)NULL, theme.GetThemeSysColorBrush(1));
    EXPECT_EQ(0xFFFFFFFFu, theme.GetThemeSysColor(1));
    EXPECT_EQ(0, theme.GetThemeSysSize(1));
    EXPECT_EQ(0u, theme.GetThemeAppProperties());
    theme.SetThemeAppProperties(3);

    const HRESULT results[] = {
        theme.DrawThemeBackground(hDC, 1, 1, &rc, NULL),
        theme.SetWindowTheme(NULL, L"", L""),
        theme.HitTestThemeBackground(hDC, 1, 1, 0, &rc, NULL, pt, &w),
        theme.GetThemeSysString(1, sz, MAX_PATH),
        theme.GetThemeTextMetrics(hDC, 1, 1, &tm),
        theme.GetThemeTextExtent(hDC, 1, 1, L"a", 1, 0, &rc, &rc),
        theme.GetThemeSysInt(1, &n),
        theme.GetThemeSysFont(1, &lf),
        theme.GetThemeString(1, 1, 1, sz, MAX_PATH),
        theme.GetThemeRect(1, 1, 1, &rc),
        theme.GetThemePropertyOrigin(1, 1, 1, &origin),
        theme.GetThemePosition(1, 1, 1, &pt),
        theme.GetThemePartSize(hDC, 1, 1, &rc, TS_TRUE, &size),
        theme.GetThemeMetric(hDC, 1, 1, 1, &n),
        theme.GetThemeMargins(hDC, 1, 1, 1, &rc, &margins),
        theme.GetThemeIntList(1, 1, 1, &list),
        theme.GetThemeInt(1, 1, 1, &n),
        theme.GetThemeFont(hDC, 1, 1, 1, &lf),
        theme.GetThemeFilename(1, 1, 1, sz, MAX_PATH),
        theme.GetThemeEnumValue(1, 1, 1, &n),
        theme.GetThemeDocumentationProperty(L"a", L"b", sz, MAX_PATH),
        theme.GetThemeColor(1, 1, 1, &clr),
        theme.GetThemeBool(1, 1, 1, &b),
        theme.GetThemeBackgroundRegion(hDC, 1, 1, &rc, &hRgn),
        theme.GetThemeBackgroundExtent(hDC, 1, 1, &rc, &rc),
        theme.GetThemeBackgroundContentRect(hDC, 1, 1, &rc, &rc),
        theme.GetCurrentThemeName(sz, MAX_PATH, sz, MAX_PATH, NULL, 0),
        theme.EnableTheming(TRUE),
        theme.EnableThemeDialogTexture(NULL, 0),
        theme.DrawThemeText(hDC, 1, 1, L"a", 1, 0, 0, &rc),
        theme.DrawThemeParentBackground(NULL, hDC, &rc),
        theme.DrawThemeIcon(hDC, 1, 1, &rc, NULL, 0),
        theme.DrawThemeEdge(hDC, 1, 1, &rc, 0, 0, &rc),
        theme.DrawThemeBackgroundEx(hDC, 1, 1, &rc, &options),
    };
    for (HRESULT hr : results)
        EXPECT_EQ(E_FAIL, hr);
    ReleaseDC(NULL, hDC);
}

TEST_F(UxThemeWrapperTest, CallsPassTheHandleFirstAndTheArgumentsUnchanged)
{
    InstallFakes();
    CXTPUxThemeWrapper theme;
    theme.OpenThemeData(NULL, L"TREEVIEW");
    ASSERT_TRUE(theme.IsThemeOpen());
    RECT rc = {1, 2, 3, 4};
    EXPECT_EQ(0x1234, theme.DrawThemeBackground(NULL, 7, 8, &rc, NULL));
    ASSERT_EQ(1u, g_drawThemes.size());
    EXPECT_EQ(g_hNextTheme, g_drawThemes[0]);
    EXPECT_EQ(7, g_nDrawPart);
    EXPECT_EQ(8, g_nDrawState);
    EXPECT_EQ(&rc, g_pDrawRect);
}

TEST_F(UxThemeWrapperTest, OpeningTwiceClosesTheFirstHandle)
{
    InstallFakes();
    {
        CXTPUxThemeWrapper theme;
        theme.OpenThemeData(NULL, L"BUTTON");
        g_hNextTheme = reinterpret_cast<HTHEME>(0x2222);
        theme.OpenTheme(NULL, L"BUTTON");
        ASSERT_EQ(1u, g_closedThemes.size());
        EXPECT_EQ(reinterpret_cast<HTHEME>(0x1111), g_closedThemes[0]);
    }
    ASSERT_EQ(2u, g_closedThemes.size()); // the destructor closes the second
    EXPECT_EQ(reinterpret_cast<HTHEME>(0x2222), g_closedThemes[1]);
}

TEST_F(UxThemeWrapperTest, IsAppThemedWithoutAHandleDoesNotAskTheLibrary)
{
    InstallFakes();
    CXTPUxThemeWrapper theme;
    EXPECT_FALSE(theme.IsAppThemed());
    EXPECT_EQ(0, g_nIsAppThemedCalls);
    theme.OpenThemeData(NULL, L"BUTTON");
    EXPECT_TRUE(theme.IsAppThemed());
    EXPECT_EQ(1, g_nIsAppThemedCalls);
}

TEST_F(UxThemeWrapperTest, AppThemeReadyNeedsCommonControlsSix)
{
    ASSERT_NE((HMODULE)NULL, XTPUxThemeModule()->GetLibrary());
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

TEST_F(UxThemeWrapperTest, AThrowingOrFaultingEntryPointGivesTheFailureValue)
{
    XTPUxThemeModule()->SetProc(xtpUxGetThemeColor, reinterpret_cast<FARPROC>(ThrowingGetThemeColor));
    XTPUxThemeModule()->SetProc(xtpUxGetThemeInt, reinterpret_cast<FARPROC>(FaultingGetThemeInt));
    XTPUxThemeModule()->SetProc(xtpUxSetThemeAppProperties,
                                reinterpret_cast<FARPROC>(FaultingSetThemeAppProperties));
    CXTPUxThemeWrapper theme;
    COLORREF clr = 0;
    EXPECT_EQ(E_FAIL, theme.GetThemeColor(1, 1, 1, &clr));
    int n = 0;
    EXPECT_EQ(E_FAIL, theme.GetThemeInt(1, 1, 1, &n));
    EXPECT_EQ(0, n);
    theme.SetThemeAppProperties(3); // returns quietly
    EXPECT_EQ(E_FAIL, theme.GetThemeInt(1, 1, 1, &n));
}

TEST_F(UxThemeWrapperTest, AMissingEntryPointIsLookedUpAgainLater)
{
    XTPWithholdOptionalProc("IsThemeActive", TRUE);
    EXPECT_EQ((FARPROC)NULL, XTPUxThemeModule()->GetProc(xtpUxIsThemeActive));
    XTPWithholdOptionalProc("IsThemeActive", FALSE);
    EXPECT_NE((FARPROC)NULL, XTPUxThemeModule()->GetProc(xtpUxIsThemeActive));
}

TEST_F(UxThemeWrapperTest, ModuleReadsTheCommonControlsVersion)
{
    DLLVERSIONINFO info = {sizeof(DLLVERSIONINFO), 6, 0, 0, 0};
    XTPSetDllVersionForTesting(&info);
    XTPUxThemeModule()->Bind();
    XTPSetDllVersionForTesting(NULL);
    EXPECT_EQ(0x60000u, XTPUxThemeModule()->GetComCtlVersion());

    XTPWithholdOptionalProc("DllGetVersion", TRUE);
    XTPUxThemeModule()->Bind();
    XTPWithholdOptionalProc("DllGetVersion", FALSE);
    EXPECT_EQ(0u, XTPUxThemeModule()->GetComCtlVersion());
}

} // namespace
