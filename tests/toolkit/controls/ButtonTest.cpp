// The push button: theme choice by style flags and theme id, icon sizes, hot
// tracking on the hover timer, double clicks and the edges of its looks.
#include <gtest/gtest.h>
#include "tests/toolkit/controls/ScopedThemes.h"
#include "NotifyRecorderWnd.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/controls/XTButton.h"
#include "toolkit/controls/XTButtonTheme.h"
#include "toolkit/foundation/XTPColorManager.h"

namespace {

const UINT kButtonId = 300;

struct Button
{
    NotifyRecorderWnd& host = TestHost();
    CXTButton button;

    explicit Button(DWORD dwStyle = 0, CRect rc = CRect(20, 20, 120, 50))
    {
        button.Create("Check", WS_CHILD | WS_VISIBLE | dwStyle, rc, &host, kButtonId);
    }

    // The cursor over the button (or far from it), then the hover timer's tick.
    void HoverTick(bool bInside)
    {
        CRect rc;
        button.GetWindowRect(&rc);
        CPoint pt = rc.CenterPoint() + (bInside ? CSize(0, 0) : CSize(300, 300));
        ::SetCursorPos(pt.x, pt.y);
        button.SendMessage(WM_TIMER, CXTButton::TimerHover);
    }
    // The theme's class, and "shared" or "private".
    std::string ThemeKind()
    {
        bool bShared =
            button.GetFactory() == XTThemeManager()->GetFactory(RUNTIME_CLASS(CXTButtonThemeFactory));
        return ClassName(*button.GetTheme()) + (bShared ? " shared" : " private");
    }
};

} // namespace

class ButtonTest : public ::testing::Test, public Button
{};

TEST(ButtonLook, StyleFlagsAndThemeIdPickTheTheme)
{
    struct Row
    {
        DWORD nControlsTheme, dwxStyle;
        const char* expected;
    } rows[] = {
        {0, ButtonStyleOfficeXP, "CXTButtonThemeOfficeXP private"},
        // The Office XP flag wins over flat.
        {2, ButtonStyleOfficeXP | ButtonStyleFlat, "CXTButtonThemeOfficeXP private"},
        {2, ButtonStyleFlat, "CXTButtonTheme private"},
        {2, 0, "CXTButtonThemeOffice2003 shared"},
        {1, ButtonStyleSemiFlat, "CXTButtonThemeOfficeXP shared"},
        {0, 0, "CXTButtonTheme shared"},
    };
    CThemeManagerReset reset;
    for (const Row& row : rows)
    {
        XTThemeManager()->SetTheme(row.nControlsTheme);
        Button fixture;
        fixture.button.SetXButtonStyle(row.dwxStyle);
        EXPECT_EQ(row.expected, fixture.ThemeKind()) << row.nControlsTheme << " " << row.dwxStyle;
    }
}

TEST_F(ButtonTest, DisabledTextIsGrayInEveryTheme)
{
    for (DWORD dwxStyle : {(DWORD)ButtonStyleFlat, (DWORD)ButtonStyleOfficeXP})
    {
        button.SetXButtonStyle(dwxStyle);
        EXPECT_EQ(XTPGetColor(COLOR_GRAYTEXT), button.GetTheme()->GetTextColor(ODS_DISABLED, &button));
    }
}

TEST_F(ButtonTest, XPColorsReachOnlyAnOfficeXPTheme)
{
    button.SetXButtonStyle(ButtonStyleFlat);
    COLORREF clrShadow = button.GetTheme()->GetColorShadow();
    button.SetXPColors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));
    EXPECT_EQ(clrShadow, button.GetTheme()->GetColorShadow());

    button.SetXButtonStyle(ButtonStyleOfficeXP);
    button.SetXPColors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));
    CXTButtonThemeOfficeXP* pTheme = static_cast<CXTButtonThemeOfficeXP*>(button.GetTheme());
    EXPECT_EQ(std::vector<COLORREF>({RGB(1, 2, 3), RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)}),
              std::vector<COLORREF>({pTheme->GetColorShadow(), pTheme->GetColorHilite(), pTheme->GetHotFace(),
                                     pTheme->GetPressedFace()}));
    button.SetXButtonStyle(0);
    EXPECT_EQ("CXTButtonTheme shared", ThemeKind());
}

TEST_F(ButtonTest, IconSizeIsTheGivenOneOrTheIconsOwn)
{
    HICON hIcon = MakeIcon(24, 24);
    ASSERT_TRUE(button.SetIcon(CSize(0, 0), hIcon));
    EXPECT_EQ(CSize(24, 24), button.GetImageSize());
    ASSERT_TRUE(button.SetIcon(CSize(16, 16), hIcon));
    button.ToggleShowImages();
    EXPECT_EQ(CSize(0, 0), button.GetImageSize());
    button.ToggleShowImages();
    EXPECT_EQ(CSize(16, 16), button.GetImageSize());
    ::DestroyIcon(hIcon);
    EXPECT_FALSE(button.SetIcon(CSize(16, 16), 59999u)) << "no such icon resource";
}

TEST_F(ButtonTest, HoverTimerMarksHotOnlyWhileTheCursorIsOverAndTheButtonIsUp)
{
    button.SetXButtonStyle(0);
    HoverTick(true);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(button.IsHot()) << "the three-dimensional look tracks nothing";

    button.SetXButtonStyle(ButtonStyleFlat);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(button.IsHot());
    // Held down: the next tick clears the hot look.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    HoverTick(true);
    EXPECT_FALSE(button.IsHot());
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));

    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(button.IsHot());
    HoverTick(false);
    EXPECT_FALSE(button.IsHot());
}

TEST_F(ButtonTest, DoubleClickCountsAsTwoClicks)
{
    ClickAt(button, CPoint(10, 10));
    SendMouse(button, WM_LBUTTONDBLCLK, CPoint(10, 10));
    SendMouse(button, WM_LBUTTONUP, CPoint(10, 10));
    EXPECT_EQ(2, host.Count(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED)));
}

TEST(ButtonLook, EdgeFollowsStyleHotAndPressed)
{
    struct Row
    {
        const char* name;
        DWORD dwxStyle, bHot, nState;
        int nTopLeft; // the colour index of the corner, -1: the face
    } rows[] = {
        {"flat at rest has no edge", ButtonStyleFlat, FALSE, 0, -1},
        {"flat hot is raised", ButtonStyleFlat, TRUE, 0, COLOR_3DHILIGHT},
        {"flat pressed is sunken", ButtonStyleFlat, FALSE, ODS_SELECTED, COLOR_3DSHADOW},
        {"semi-flat at rest is raised", ButtonStyleSemiFlat, FALSE, 0, COLOR_3DHILIGHT},
        {"3D pressed has a dark outer edge", 0, FALSE, ODS_SELECTED, COLOR_3DDKSHADOW},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        Button fixture(0, CRect(20, 20, 60, 44));
        CXTButton& button = fixture.button;
        button.SetXButtonStyle(row.dwxStyle);
        button.GetTheme()->SetColorFace(RGB(10, 20, 30));
        if (row.bHot)
        {
            fixture.HoverTick(true);
            button.SendMessage(WM_MOUSEMOVE, 0, 0);
        }
        ASSERT_EQ(row.bHot, (DWORD)button.IsHot());

        PixelCanvas canvas(40, 24, RGB(1, 1, 1));
        DRAWITEMSTRUCT dis = {ODT_BUTTON,     0, 0, 0, row.nState, button.m_hWnd, canvas.dc().m_hDC,
                              {0, 0, 40, 24}, 0};
        button.DrawItem(&dis);
        EXPECT_EQ(row.nTopLeft < 0 ? RGB(10, 20, 30) : XTPGetColor(row.nTopLeft), canvas.Pixel(0, 0));
        EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel(20, 2));
        button.GetTheme()->SetColorFace(XTP_COLOR_NONE);
    }
}

TEST(ButtonLook, Office2003SchemeGivesBorderHotAndFaceColours)
{
    const COLORREF kHot = RGB(255, 238, 194), kFace = XTPGetColor(COLOR_3DFACE);
    struct Row
    {
        const char* name;
        int nScheme, bFlatFace;
        std::vector<COLORREF> expected; // border, hot face, face
    } rows[] = {
        {"no scheme: Office XP", xtpSystemThemeNone, TRUE, {XTPGetColor(32), XTPGetColor(31), kFace}},
        {"blue flat face", xtpSystemThemeBlue, TRUE, {RGB(0, 0, 128), kHot, RGB(169, 199, 240)}},
        {"olive flat face", xtpSystemThemeOlive, TRUE, {RGB(63, 93, 56), kHot, RGB(197, 212, 159)}},
        {"silver", xtpSystemThemeSilver, TRUE, {RGB(75, 75, 111), kHot, RGB(192, 192, 211)}},
        {"not flat: face colour 15", xtpSystemThemeSilver, FALSE, {RGB(75, 75, 111), kHot, kFace}},
    };
    for (const Row& row : rows)
    {
        CScopedColorScheme scheme(row.nScheme);
        CXTButtonThemeOffice2003 theme(row.bFlatFace);
        theme.RefreshMetrics();
        EXPECT_EQ(row.expected,
                  std::vector<COLORREF>({theme.GetColorHilite(), theme.GetHotFace(), theme.GetColorFace()}))
            << row.name;
    }
}

TEST(ButtonLook, ImageAloneIsCentredWithCentreStyles)
{
    Button fixture(BS_CENTER | BS_VCENTER, CRect(0, 0, 100, 30));
    CXTButton& button = fixture.button;
    button.SetWindowText("");
    HICON hIcon = MakeIcon(16, 16);
    button.SetIcon(CSize(16, 16), hIcon);
    PixelCanvas canvas(100, 30);
    CRect rc(0, 0, 100, 30);
    CPoint pt;
    button.GetTheme()->CalcImagePos(pt, &canvas.dc(), 0, rc, FALSE, &button);
    EXPECT_EQ(CPoint(42, 7), pt);

    // With text the image stays at the border gap.
    button.SetWindowText("Go");
    button.GetTheme()->CalcImagePos(pt, &canvas.dc(), 0, rc, FALSE, &button);
    EXPECT_EQ(CPoint(4, 7), pt);
    ::DestroyIcon(hIcon);
}
