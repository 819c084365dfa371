// The Windows XP look through a recording stand-in of the visual-styles
// library: with styles absent it draws the very pixels of Office 2000; with
// styles in use it asks for the documented class, part and state.
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPWinXPTheme.h"

#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// ---- The stand-in library ----

struct Drawn
{
    std::wstring strClass;
    int nPart;
    int nState;
    CRect rc;
};

struct FakeStyles
{
    BOOL bThemed = TRUE;
    std::vector<std::wstring> opened; // handle n is opened[n - 1]
    std::vector<Drawn> drawn;
    COLORREF clrToolbarText = XTP_COLOR_NONE;
    BOOL bComboBorders = FALSE; // the combo box's border colours can be read
};

// The border colours the stand-in gives for the combo box's states 1 and 4.
const COLORREF kComboBorderEnabled = RGB(10, 20, 30);
const COLORREF kComboBorderDisabled = RGB(40, 50, 60);

FakeStyles* g_pFake = NULL;

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR pszClassList)
{
    if (!g_pFake->bThemed)
        return NULL;
    g_pFake->opened.push_back(pszClassList);
    return (HTHEME)(INT_PTR)g_pFake->opened.size();
}

HRESULT WINAPI FakeCloseThemeData(HTHEME)
{
    return S_OK;
}

BOOL WINAPI FakeIsAppThemed()
{
    return g_pFake->bThemed;
}

std::wstring ClassOf(HTHEME hTheme)
{
    const size_t n = (size_t)(INT_PTR)hTheme;
    return n >= 1 && n <= g_pFake->opened.size() ? g_pFake->opened[n - 1] : L"?";
}

HRESULT WINAPI FakeDrawThemeBackground(HTHEME hTheme, HDC, int iPartId, int iStateId, const RECT* pRect,
                                       const RECT*)
{
    g_pFake->drawn.push_back({ClassOf(hTheme), iPartId, iStateId, CRect(pRect)});
    return S_OK;
}

HRESULT WINAPI FakeGetThemeColor(HTHEME hTheme, int iPartId, int iStateId, int iPropId, COLORREF* pColor)
{
    if (ClassOf(hTheme) == L"TOOLBAR" && iPartId == 0 && iStateId == 0 && iPropId == 3803
        && g_pFake->clrToolbarText != XTP_COLOR_NONE)
    {
        *pColor = g_pFake->clrToolbarText;
        return S_OK;
    }
    if (g_pFake->bComboBorders && ClassOf(hTheme) == L"COMBOBOX" && iPartId == 1 && iPropId == 3801
        && (iStateId == 1 || iStateId == 4))
    {
        *pColor = iStateId == 1 ? kComboBorderEnabled : kComboBorderDisabled;
        return S_OK;
    }
    return E_FAIL;
}

// Puts the stand-in in place of the library for one test and the library
// back after it.
class WinXPTheme : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_pFake = &fake;
        CXTPUxThemeModule* pModule = XTPUxThemeModule();
        pModule->SetProc(xtpUxOpenThemeData, (FARPROC)FakeOpenThemeData);
        pModule->SetProc(xtpUxCloseThemeData, (FARPROC)FakeCloseThemeData);
        pModule->SetProc(xtpUxIsAppThemed, (FARPROC)FakeIsAppThemed);
        pModule->SetProc(xtpUxDrawThemeBackground, (FARPROC)FakeDrawThemeBackground);
        pModule->SetProc(xtpUxGetThemeColor, (FARPROC)FakeGetThemeColor);
    }
    void TearDown() override
    {
        XTPUxThemeModule()->Bind();
        g_pFake = NULL;
    }

    // The only drawing the stand-in saw.
    Drawn OnlyDrawn()
    {
        EXPECT_EQ(1u, fake.drawn.size());
        Drawn d = fake.drawn.empty() ? Drawn{L"", -1, -1, CRect()} : fake.drawn.back();
        fake.drawn.clear();
        return d;
    }

    FakeStyles fake;
};

TEST_F(WinXPTheme, OpensItsFourClassesAndTakesTheToolbarTextColour)
{
    fake.clrToolbarText = RGB(12, 34, 56);
    CXTPWinXPTheme theme;
    ASSERT_GE(fake.opened.size(), 4u);
    const std::vector<std::wstring> last4(fake.opened.end() - 4, fake.opened.end());
    EXPECT_EQ((std::vector<std::wstring>{L"TOOLBAR", L"REBAR", L"COMBOBOX", L"STATUS"}), last4);
    EXPECT_EQ(RGB(12, 34, 56), theme.GetColor(18));
    // The edge colour cannot be read: button shadow stands in.
    EXPECT_EQ(theme.GetColor(16), theme.GetBarEdgeColor());
    EXPECT_TRUE(theme.GetIconsInfo()->bUseFadedIcons);
}

struct ButtonStateCase
{
    const char* name;
    BOOL bEnabled;
    int nSelected;
    int nPressed;
    BOOL bChecked;
    BOOL bPopuped;
    BOOL bToolBar;
    int nState;
};

const ButtonStateCase kButtonStates[] = {
    {"idle", TRUE, 0, 0, FALSE, FALSE, TRUE, 1},
    {"hot", TRUE, 1, 0, FALSE, FALSE, TRUE, 2},
    {"pressed", TRUE, 1, 1, FALSE, FALSE, TRUE, 3},
    {"just executed", TRUE, 0, 2, FALSE, FALSE, TRUE, 3},
    {"popup open", TRUE, 1, 0, FALSE, TRUE, TRUE, 3},
    {"checked", TRUE, 0, 0, TRUE, FALSE, TRUE, 5},
    {"checked and hot", TRUE, 1, 0, TRUE, FALSE, TRUE, 6},
    {"disabled", FALSE, 1, 0, FALSE, FALSE, TRUE, 4},
    {"disabled and checked on a toolbar", FALSE, 0, 0, TRUE, FALSE, TRUE, 4},
    {"disabled and checked in a popup", FALSE, 0, 0, TRUE, FALSE, FALSE, 3},
};

TEST_F(WinXPTheme, ButtonsAreToolbarButtonPartsByState)
{
    CXTPWinXPTheme theme;
    PixelCanvas canvas(40, 30);
    for (const ButtonStateCase& c : kButtonStates)
    {
        SCOPED_TRACE(c.name);
        theme.DrawRectangle(&canvas.dc(), CRect(1, 2, 30, 24), c.nSelected, c.nPressed, c.bEnabled,
                            c.bChecked, c.bPopuped, c.bToolBar, xtpBarTop);
        const Drawn d = OnlyDrawn();
        EXPECT_EQ(L"TOOLBAR", d.strClass);
        EXPECT_EQ(1, d.nPart);
        EXPECT_EQ(c.nState, d.nState);
        EXPECT_EQ(CRect(1, 2, 30, 24), d.rc);
    }
}

TEST_F(WinXPTheme, ComboButtonIsTheDropDownPartByState)
{
    CXTPWinXPTheme theme;
    PixelCanvas canvas(60, 30);
    theme.DrawComboDropDownButton(&canvas.dc(), CRect(40, 2, 56, 22), TRUE, TRUE, TRUE);
    const Drawn d = OnlyDrawn();
    EXPECT_EQ(L"COMBOBOX", d.strClass);
    EXPECT_EQ(1, d.nPart);
    EXPECT_EQ(3, d.nState);
    EXPECT_EQ(CRect(38, 3, 55, 21), d.rc);

    theme.DrawComboDropDownButton(&canvas.dc(), CRect(40, 2, 56, 22), FALSE, TRUE, FALSE);
    EXPECT_EQ(4, OnlyDrawn().nState);
}

// Themed fields: the frame in the combo box's border colour of the state
// (button shadow when it cannot be read) on all four sides; the combo's
// button is the drop-down part in the control's state.
TEST_F(WinXPTheme, FieldsTakeTheComboBoxStyleByState)
{
    const struct
    {
        FieldState state;
        int nButtonState;
        COLORREF clrFrame;
    } kCases[] = {
        {kFieldStates[0], 1, kComboBorderEnabled},
        {kFieldStates[1], 2, kComboBorderEnabled},
        {kFieldStates[2], 4, kComboBorderDisabled},
    };
    fake.bComboBorders = TRUE;
    CXTPWinXPTheme theme;
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.state.name);
        PixelCanvas edit(90, 24), combo(90, 24);
        DrawField(theme, edit, FALSE, c.state);
        EXPECT_TRUE(fake.drawn.empty());
        for (CPoint pt : {CPoint(1, 10), CPoint(79, 10), CPoint(40, 0), CPoint(40, 21)})
            EXPECT_EQ(c.clrFrame, edit.Pixel(pt.x, pt.y));
        DrawField(theme, combo, TRUE, c.state);
        const Drawn d = OnlyDrawn();
        EXPECT_EQ(L"COMBOBOX", d.strClass);
        EXPECT_EQ(1, d.nPart);
        EXPECT_EQ(c.nButtonState, d.nState);
        EXPECT_EQ(79, d.rc.right);
        EXPECT_EQ(c.clrFrame, combo.Pixel(0, 10));
    }
    fake.bComboBorders = FALSE;
    PixelCanvas unread(90, 24);
    DrawField(theme, unread, FALSE, kFieldStates[0]);
    EXPECT_EQ(theme.GetColor(16), unread.Pixel(1, 10));
}

// With styles absent the fields are Office 2000's, pixel for pixel.
TEST_F(WinXPTheme, WithoutVisualStylesFieldsAreThoseOfOffice2000)
{
    fake.bThemed = FALSE;
    CXTPWinXPTheme winxp;
    CXTPOffice2000Theme classic;
    MarkColors(winxp);
    MarkColors(classic);
    for (const FieldState& state : kFieldStates)
        for (BOOL bCombo : {FALSE, TRUE})
        {
            SCOPED_TRACE(state.name);
            PixelCanvas expected(90, 24), actual(90, 24);
            DrawField(classic, expected, bCombo, state);
            DrawField(winxp, actual, bCombo, state);
            EXPECT_GT(expected.CountOther(kWhite), 0);
            EXPECT_TRUE(expected.SameAs(actual)) << bCombo;
        }
    EXPECT_TRUE(fake.drawn.empty());
}

class WinXPThemeBar : public WinXPTheme
{
protected:
    void SetUp() override
    {
        WinXPTheme::SetUp();
        pBar = new CThemeTestToolBar();
        ASSERT_TRUE(pBar->CreateToolBar(WS_VISIBLE, &host));
        pBar->MoveWindow(0, 0, 100, 26);
    }
    void TearDown() override
    {
        pBar->InternalRelease();
        WinXPTheme::TearDown();
    }

    CTestWindow host;
    CThemeTestToolBar* pBar = NULL;
};

// With styles absent every replaced operation draws what Office 2000 draws.
TEST_F(WinXPThemeBar, WithoutVisualStylesDrawsThePixelsOfOffice2000)
{
    fake.bThemed = FALSE;
    CXTPWinXPTheme winxp;
    CXTPOffice2000Theme classic;
    MarkColors(winxp);
    MarkColors(classic);
    typedef void (*Paint)(CXTPPaintManager&, CDC*, CXTPCommandBar*);
    struct PaintCase
    {
        const char* name;
        XTPBarPosition barPosition;
        Paint paint;
    } const kCases[] = {
        {"docked bar", xtpBarTop,
         [](CXTPPaintManager& t, CDC* pDC, CXTPCommandBar* pBar) { t.FillCommandBarEntry(pDC, pBar); }},
        {"floating bar", xtpBarFloating,
         [](CXTPPaintManager& t, CDC* pDC, CXTPCommandBar* pBar) { t.FillCommandBarEntry(pDC, pBar); }},
        {"gripper at the top", xtpBarTop,
         [](CXTPPaintManager& t, CDC* pDC, CXTPCommandBar* pBar) {
             t.DrawCommandBarGripper(pDC, pBar, TRUE);
         }},
        {"gripper at the left", xtpBarLeft,
         [](CXTPPaintManager& t, CDC* pDC, CXTPCommandBar* pBar) {
             t.DrawCommandBarGripper(pDC, pBar, TRUE);
         }},
        {"control gripper", xtpBarTop,
         [](CXTPPaintManager& t, CDC* pDC, CXTPCommandBar* pBar) { t.DrawControlGripper(pDC, pBar, TRUE); }},
        {"resize grip", xtpBarTop,
         [](CXTPPaintManager& t, CDC* pDC, CXTPCommandBar*) {
             t.DrawResizeGripper(pDC, CRect(0, 0, 100, 26));
         }},
        {"pane border", xtpBarTop,
         [](CXTPPaintManager& t, CDC* pDC, CXTPCommandBar*) {
             t.DrawStatusBarPaneBorder(pDC, CRect(2, 2, 60, 20));
         }},
        {"combo field and button", xtpBarTop,
         [](CXTPPaintManager& t, CDC* pDC, CXTPCommandBar*) {
             CXTPOffice2000Theme& o = static_cast<CXTPOffice2000Theme&>(t);
             o.DrawControlFieldFrame(pDC, CRect(2, 2, 80, 22), TRUE, 0);
             o.DrawComboDropDownButton(pDC, CRect(62, 2, 80, 22), TRUE, TRUE, FALSE);
         }},
    };
    for (const PaintCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        pBar->Place(c.barPosition);
        PixelCanvas expected(100, 26), actual(100, 26);
        c.paint(classic, &expected.dc(), pBar);
        c.paint(winxp, &actual.dc(), pBar);
        EXPECT_GT(expected.CountOther(kWhite), 0);
        EXPECT_TRUE(expected.SameAs(actual));
    }
    for (const ButtonStateCase& c : kButtonStates)
    {
        SCOPED_TRACE(c.name);
        PixelCanvas expected(40, 30), actual(40, 30);
        classic.DrawControlState(&expected.dc(), CRect(1, 2, 30, 24), c.bEnabled, c.nSelected, c.nPressed,
                                 c.bChecked, c.bPopuped, xtpBarTop);
        winxp.DrawControlState(&actual.dc(), CRect(1, 2, 30, 24), c.bEnabled, c.nSelected, c.nPressed,
                               c.bChecked, c.bPopuped, xtpBarTop);
        EXPECT_TRUE(expected.SameAs(actual));
        EXPECT_EQ(expected.dc().GetTextColor(), actual.dc().GetTextColor());
    }
    EXPECT_TRUE(fake.drawn.empty());
}

} // namespace
