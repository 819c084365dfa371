// The Windows XP look through a recording stand-in of the visual-styles
// library: with styles absent it draws the very pixels of Office 2000; with
// styles in use it asks for the documented class, part and state.
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPWinXPTheme.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// ---- The stand-in library ----

struct FakeStyles;
FakeStyles* g_pFake = NULL;

struct FakeStyles
{
    static HRESULT WINAPI CloseThemeData(HTHEME) { return S_OK; }
    static BOOL WINAPI IsAppThemed() { return g_pFake->bThemed; }

    BOOL bThemed = TRUE;
    std::vector<std::wstring> opened; // handle n is opened[n - 1]
    std::string drawn;                // "CLASS part/state (left, top, right, bottom)", one a line
    COLORREF clrToolbarText = XTP_COLOR_NONE;
    BOOL bComboBorders = FALSE; // the combo box's border colours can be read
};

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR pszClassList)
{
    if (!g_pFake->bThemed)
        return NULL;
    g_pFake->opened.push_back(pszClassList);
    return (HTHEME)(INT_PTR)g_pFake->opened.size();
}

std::wstring ClassOf(HTHEME hTheme)
{
    const size_t n = (size_t)(INT_PTR)hTheme;
    return n >= 1 && n <= g_pFake->opened.size() ? g_pFake->opened[n - 1] : L"?";
}

HRESULT WINAPI FakeDrawThemeBackground(HTHEME hTheme, HDC, int iPartId, int iStateId, const RECT* pRect,
                                       const RECT*)
{
    const std::wstring strClass = ClassOf(hTheme);
    char text[96];
    snprintf(text, sizeof text, "%s %d/%d (%ld, %ld, %ld, %ld)",
             std::string(strClass.begin(), strClass.end()).c_str(), iPartId, iStateId, pRect->left,
             pRect->top, pRect->right, pRect->bottom);
    g_pFake->drawn += (g_pFake->drawn.empty() ? "" : "\n") + std::string(text);
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
        *pColor = iStateId == 1 ? RGB(10, 20, 30) : RGB(40, 50, 60); // "#0a141e", "#28323c"
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
        pModule->SetProc(xtpUxCloseThemeData, (FARPROC)FakeStyles::CloseThemeData);
        pModule->SetProc(xtpUxIsAppThemed, (FARPROC)FakeStyles::IsAppThemed);
        pModule->SetProc(xtpUxDrawThemeBackground, (FARPROC)FakeDrawThemeBackground);
        pModule->SetProc(xtpUxGetThemeColor, (FARPROC)FakeGetThemeColor);
    }
    void TearDown() override
    {
        XTPUxThemeModule()->Bind();
        g_pFake = NULL;
    }

    // The drawings the stand-in saw since the last call, one a line.
    std::string Drawn() { return std::exchange(fake.drawn, std::string()); }

    FakeStyles fake;
};

TEST_F(WinXPTheme, OpensItsFourClassesAndTakesTheToolbarTextColour)
{
    fake.clrToolbarText = RGB(12, 34, 56);
    CXTPWinXPTheme theme;
    ASSERT_GE(fake.opened.size(), 4u);
    EXPECT_EQ((std::vector<std::wstring>{L"TOOLBAR", L"REBAR", L"COMBOBOX", L"STATUS"}),
              std::vector<std::wstring>(fake.opened.end() - 4, fake.opened.end()));
    EXPECT_EQ(RGB(12, 34, 56), theme.GetColor(18));
    // The edge colour cannot be read: button shadow stands in.
    EXPECT_EQ(theme.GetColor(16), theme.GetBarEdgeColor());
    EXPECT_TRUE(theme.GetIconsInfo()->bUseFadedIcons);
}

// Name, enabled, selected, pressed, checked, popup open, on a toolbar, and
// what the themed look draws for a button at (1, 2, 30, 24).
const std::tuple<const char*, BOOL, int, int, BOOL, BOOL, BOOL, const char*> kButtonStates[] = {
    {"idle", TRUE, 0, 0, FALSE, FALSE, TRUE, "TOOLBAR 1/1 (1, 2, 30, 24)"},
    {"hot", TRUE, 1, 0, FALSE, FALSE, TRUE, "TOOLBAR 1/2 (1, 2, 30, 24)"},
    {"pressed", TRUE, 1, 1, FALSE, FALSE, TRUE, "TOOLBAR 1/3 (1, 2, 30, 24)"},
    {"just executed", TRUE, 0, 2, FALSE, FALSE, TRUE, "TOOLBAR 1/3 (1, 2, 30, 24)"},
    {"popup open", TRUE, 1, 0, FALSE, TRUE, TRUE, "TOOLBAR 1/3 (1, 2, 30, 24)"},
    {"checked", TRUE, 0, 0, TRUE, FALSE, TRUE, "TOOLBAR 1/5 (1, 2, 30, 24)"},
    {"checked and hot", TRUE, 1, 0, TRUE, FALSE, TRUE, "TOOLBAR 1/6 (1, 2, 30, 24)"},
    {"disabled", FALSE, 1, 0, FALSE, FALSE, TRUE, "TOOLBAR 1/4 (1, 2, 30, 24)"},
    {"disabled and checked on a toolbar", FALSE, 0, 0, TRUE, FALSE, TRUE, "TOOLBAR 1/4 (1, 2, 30, 24)"},
    {"disabled and checked in a popup", FALSE, 0, 0, TRUE, FALSE, FALSE, "TOOLBAR 1/3 (1, 2, 30, 24)"},
};

TEST_F(WinXPTheme, ButtonsAreToolbarButtonPartsByState)
{
    CXTPWinXPTheme theme;
    PixelCanvas canvas(40, 30);
    for (const auto& [name, bEnabled, nSelected, nPressed, bChecked, bPopuped, bToolBar, drawn] :
         kButtonStates)
    {
        theme.DrawRectangle(&canvas.dc(), CRect(1, 2, 30, 24), nSelected, nPressed, bEnabled, bChecked,
                            bPopuped, bToolBar, xtpBarTop);
        EXPECT_EQ(drawn, Drawn()) << name;
    }
    // The combo's drop-down button is the combo box's drop-down part.
    theme.DrawComboDropDownButton(&canvas.dc(), CRect(40, 2, 56, 22), TRUE, TRUE, TRUE);
    EXPECT_EQ("COMBOBOX 1/3 (38, 3, 55, 21)", Drawn());
    theme.DrawComboDropDownButton(&canvas.dc(), CRect(40, 2, 56, 22), FALSE, TRUE, FALSE);
    EXPECT_EQ("COMBOBOX 1/4 (38, 3, 55, 21)", Drawn());
}

// Themed fields: the frame in the combo box's border colour of the state
// (button shadow when it cannot be read) on all four sides; the combo's
// button is the drop-down part in the control's state.
TEST_F(WinXPTheme, FieldsTakeTheComboBoxStyleByState)
{
    const std::tuple<FieldState, const char*, const char*> kCases[] = {
        {kFieldStates[0], "COMBOBOX 1/1 (63, 1, 79, 21)", "#0a141e"},
        {kFieldStates[1], "COMBOBOX 1/2 (63, 1, 79, 21)", "#0a141e"},
        {kFieldStates[2], "COMBOBOX 1/4 (63, 1, 79, 21)", "#28323c"},
    };
    fake.bComboBorders = TRUE;
    CXTPWinXPTheme theme;
    for (const auto& [state, button, frame] : kCases)
    {
        SCOPED_TRACE(state.name);
        PixelCanvas edit(90, 24), combo(90, 24);
        DrawField(theme, edit, FALSE, state);
        EXPECT_EQ("", Drawn());
        EXPECT_EQ(std::string(frame) + " " + frame + " " + frame + " " + frame,
                  Probe(edit, {{1, 10}, {79, 10}, {40, 0}, {40, 21}}));
        DrawField(theme, combo, TRUE, state);
        EXPECT_EQ(button, Drawn());
        EXPECT_EQ(frame, Probe(combo, {{0, 10}}));
    }
    fake.bComboBorders = FALSE;
    PixelCanvas unread(90, 24);
    DrawField(theme, unread, FALSE, kFieldStates[0]);
    EXPECT_EQ(theme.GetColor(16), unread.Pixel(1, 10));
}

// With styles absent every replaced operation draws what Office 2000 draws:
// bars, grippers, borders, fields and the button states (with their text
// colour).
TEST_F(WinXPTheme, WithoutVisualStylesDrawsThePixelsOfOffice2000)
{
    fake.bThemed = FALSE;
    CXTPWinXPTheme winxp;
    CXTPOffice2000Theme classic;
    MarkColors(winxp);
    MarkColors(classic);
    ThemeTestBar bar;
    typedef void (*Paint)(CXTPOffice2000Theme&, CDC*, CXTPCommandBar*);
    const std::tuple<const char*, XTPBarPosition, Paint> kCases[] = {
        {"docked bar", xtpBarTop, [](auto& t, auto* dc, auto* b) { t.FillCommandBarEntry(dc, b); }},
        {"floating bar", xtpBarFloating, [](auto& t, auto* dc, auto* b) { t.FillCommandBarEntry(dc, b); }},
        {"gripper at the top", xtpBarTop,
         [](auto& t, auto* dc, auto* b) { t.DrawCommandBarGripper(dc, b, TRUE); }},
        {"gripper at the left", xtpBarLeft,
         [](auto& t, auto* dc, auto* b) { t.DrawCommandBarGripper(dc, b, TRUE); }},
        {"control gripper", xtpBarTop, [](auto& t, auto* dc, auto* b) { t.DrawControlGripper(dc, b, TRUE); }},
        {"resize grip", xtpBarTop,
         [](auto& t, auto* dc, auto*) { t.DrawResizeGripper(dc, CRect(0, 0, 100, 26)); }},
        {"pane border", xtpBarTop,
         [](auto& t, auto* dc, auto*) { t.DrawStatusBarPaneBorder(dc, CRect(2, 2, 60, 20)); }},
        {"combo field and button", xtpBarTop,
         [](auto& t, auto* dc, auto*) {
             t.DrawControlFieldFrame(dc, CRect(2, 2, 80, 22), TRUE, 0);
             t.DrawComboDropDownButton(dc, CRect(62, 2, 80, 22), TRUE, TRUE, FALSE);
         }},
    };
    for (const auto& [name, barPosition, paint] : kCases)
    {
        bar.pBar->Place(barPosition);
        PixelCanvas expected(100, 26), actual(100, 26);
        paint(classic, &expected.dc(), bar.pBar);
        paint(winxp, &actual.dc(), bar.pBar);
        EXPECT_GT(expected.CountOther(kWhite), 0) << name;
        EXPECT_TRUE(expected.SameAs(actual)) << name;
    }
    ExpectSameFields(classic, winxp);
    for (const auto& [name, bEnabled, nSelected, nPressed, bChecked, bPopuped, bToolBar, drawn] :
         kButtonStates)
    {
        PixelCanvas expected(40, 30), actual(40, 30);
        classic.DrawControlState(&expected.dc(), CRect(1, 2, 30, 24), bEnabled, nSelected, nPressed, bChecked,
                                 bPopuped, xtpBarTop);
        winxp.DrawControlState(&actual.dc(), CRect(1, 2, 30, 24), bEnabled, nSelected, nPressed, bChecked,
                               bPopuped, xtpBarTop);
        EXPECT_TRUE(expected.SameAs(actual)) << name;
        EXPECT_EQ(expected.dc().GetTextColor(), actual.dc().GetTextColor()) << name;
    }
    EXPECT_EQ("", Drawn());
}

} // namespace
