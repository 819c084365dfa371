// The push button: theme choice by style flags and theme id, icon sizes, hot
// tracking on the hover timer, double clicks and the edges of its looks.
#include <gtest/gtest.h>
#include "tests/toolkit/controls/ScopedThemes.h"
#include "NotifyRecorderWnd.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/controls/XTButton.h"
#include "toolkit/controls/XTButtonTheme.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"
#include "toolkit/foundation/XTPColorManager.h"

namespace {

const UINT kButtonId = 300;

struct Button
{
    NotifyRecorderWnd& host = TestHost();
    CXTButton button;

    explicit Button(LPCTSTR lpszText = "Check", DWORD dwStyle = 0)
    {
        button.Create(lpszText, WS_CHILD | WS_VISIBLE | dwStyle, CRect(20, 20, 120, 50), &host, kButtonId);
    }
    ~Button() { button.DestroyWindow(); }

    CPoint ScreenCenter()
    {
        CRect rc;
        button.GetWindowRect(&rc);
        return rc.CenterPoint();
    }
};

// A square icon of one colour.
HICON MakeIcon(int nSize, COLORREF clr)
{
    PixelCanvas color(nSize, nSize, clr), mask(nSize, nSize, kBlack);
    CBitmap hbmColor, hbmMask;
    color.CopyInto(hbmColor);
    mask.CopyInto(hbmMask);
    ICONINFO info = {TRUE, 0, 0, (HBITMAP)hbmMask.GetSafeHandle(), (HBITMAP)hbmColor.GetSafeHandle()};
    return ::CreateIconIndirect(&info);
}

} // namespace

struct ThemeChoiceRow
{
    const char* name;
    int nControlsTheme;
    DWORD dwxStyle;
    bool bOfficeXP;
    bool bOffice2003;
    bool bPrivate;
};

class ButtonThemeChoice : public ::testing::TestWithParam<ThemeChoiceRow>
{};

TEST_P(ButtonThemeChoice, StyleFlagsAndThemeIdPickTheTheme)
{
    const ThemeChoiceRow& row = GetParam();
    CThemeManagerReset reset;
    XTThemeManager()->SetTheme(row.nControlsTheme);
    Button fixture;
    fixture.button.SetXButtonStyle(row.dwxStyle);
    CXTButtonTheme* pTheme = fixture.button.GetTheme();
    ASSERT_NE(nullptr, pTheme);
    EXPECT_EQ(row.bOfficeXP, dynamic_cast<CXTButtonThemeOfficeXP*>(pTheme) != nullptr);
    EXPECT_EQ(row.bOffice2003, dynamic_cast<CXTButtonThemeOffice2003*>(pTheme) != nullptr);
    CXTThemeManagerStyleFactory* pShared = XTThemeManager()->GetFactory(RUNTIME_CLASS(CXTButtonThemeFactory));
    EXPECT_EQ(row.bPrivate, fixture.button.GetFactory() != pShared);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ButtonThemeChoice,
    ::testing::Values(
        ThemeChoiceRow{"OfficeXPFlagGivesPrivateOfficeXP", 0, ButtonStyleOfficeXP, true, false, true},
        ThemeChoiceRow{"OfficeXPFlagWinsOverFlat", 2, ButtonStyleOfficeXP | ButtonStyleFlat, true, false,
                       true},
        ThemeChoiceRow{"FlatGivesPrivateBaseEvenUnderOffice2003", 2, ButtonStyleFlat, false, false, true},
        ThemeChoiceRow{"NoFlagUsesSharedOffice2003", 2, 0, true, true, false},
        ThemeChoiceRow{"NoFlagUsesSharedOfficeXP", 1, ButtonStyleSemiFlat, true, false, false},
        ThemeChoiceRow{"NoFlagUsesSharedBase", 0, 0, false, false, false}),
    [](const ::testing::TestParamInfo<ThemeChoiceRow>& info) { return std::string(info.param.name); });

TEST(Button, XPColorsReachOnlyAnOfficeXPTheme)
{
    Button fixture;
    fixture.button.SetXButtonStyle(ButtonStyleFlat);
    COLORREF clrShadow = fixture.button.GetTheme()->GetColorShadow();
    fixture.button.SetXPColors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));
    EXPECT_EQ(clrShadow, fixture.button.GetTheme()->GetColorShadow());

    fixture.button.SetXButtonStyle(ButtonStyleOfficeXP);
    fixture.button.SetXPColors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));
    CXTButtonThemeOfficeXP* pTheme = static_cast<CXTButtonThemeOfficeXP*>(fixture.button.GetTheme());
    EXPECT_EQ(RGB(1, 2, 3), pTheme->GetColorShadow());
    EXPECT_EQ(RGB(1, 2, 3), pTheme->GetColorHilite());
    EXPECT_EQ(RGB(4, 5, 6), pTheme->GetHotFace());
    EXPECT_EQ(RGB(7, 8, 9), pTheme->GetPressedFace());

    fixture.button.SetXButtonStyle(0);
    CXTThemeManagerStyleFactory* pShared = XTThemeManager()->GetFactory(RUNTIME_CLASS(CXTButtonThemeFactory));
    EXPECT_EQ(pShared, fixture.button.GetFactory());
}

TEST(Button, IconSizeIsTheGivenOneOrTheIconsOwn)
{
    Button fixture;
    HICON hIcon = MakeIcon(24, RGB(255, 0, 0));
    ASSERT_TRUE(fixture.button.SetIcon(CSize(0, 0), hIcon));
    EXPECT_EQ(CSize(24, 24), fixture.button.GetImageSize());
    ASSERT_TRUE(fixture.button.SetIcon(CSize(16, 16), hIcon));
    EXPECT_EQ(CSize(16, 16), fixture.button.GetImageSize());
    ASSERT_NE(nullptr, fixture.button.GetButtonIcon());

    fixture.button.ToggleShowImages();
    EXPECT_EQ(CSize(0, 0), fixture.button.GetImageSize());
    fixture.button.ToggleShowImages();
    EXPECT_EQ(CSize(16, 16), fixture.button.GetImageSize());
    ::DestroyIcon(hIcon);

    EXPECT_FALSE(fixture.button.SetIcon(CSize(16, 16), 59999u));
    EXPECT_EQ(CSize(16, 16), fixture.button.GetImageSize());
}

TEST(Button, HoverTimerMarksHotOnlyWhileTheCursorIsOverAndTheButtonIsUp)
{
    Button fixture;
    fixture.button.SetXButtonStyle(ButtonStyleFlat);
    CPoint ptInside = fixture.ScreenCenter();
    ::SetCursorPos(ptInside.x, ptInside.y);
    fixture.button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(fixture.button.IsHot());

    // Held down: the next tick clears the hot look.
    fixture.button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    fixture.button.SendMessage(WM_TIMER, CXTButton::TimerHover);
    EXPECT_FALSE(fixture.button.IsHot());
    fixture.button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));

    fixture.button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(fixture.button.IsHot());
    ::SetCursorPos(ptInside.x + 300, ptInside.y + 300);
    fixture.button.SendMessage(WM_TIMER, CXTButton::TimerHover);
    EXPECT_FALSE(fixture.button.IsHot());
}

TEST(Button, ThreeDimensionalBaseThemeDoesNotTrackHot)
{
    Button fixture;
    fixture.button.SetXButtonStyle(0);
    CPoint ptInside = fixture.ScreenCenter();
    ::SetCursorPos(ptInside.x, ptInside.y);
    fixture.button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(fixture.button.IsHot());
}

TEST(Button, DoubleClickCountsAsTwoClicks)
{
    Button fixture;
    CWnd& button = fixture.button;
    LPARAM lPoint = MAKELPARAM(10, 10);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    button.SendMessage(WM_LBUTTONUP, 0, lPoint);
    button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint);
    button.SendMessage(WM_LBUTTONUP, 0, lPoint);
    EXPECT_EQ(2, fixture.host.CountCommand(BN_CLICKED, kButtonId));
}

struct EdgeRow
{
    const char* name;
    DWORD dwxStyle;
    bool bHot;
    UINT nState;
    COLORREF clrTopLeft; // expected colour index of the corner
};

class ButtonEdges : public ::testing::TestWithParam<EdgeRow>
{};

// A button that can be made hot without the cursor.
class HotButton : public CXTButton
{
public:
    void MakeHot()
    {
        CRect rc;
        GetWindowRect(&rc);
        ::SetCursorPos(rc.CenterPoint().x, rc.CenterPoint().y);
        SendMessage(WM_MOUSEMOVE, 0, 0);
    }
};

TEST_P(ButtonEdges, EdgeFollowsStyleHotAndPressed)
{
    const EdgeRow& row = GetParam();
    NotifyRecorderWnd& host = TestHost();
    HotButton button;
    button.Create("", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 44), &host, kButtonId);
    button.SetXButtonStyle(row.dwxStyle);
    button.GetTheme()->SetColorFace(RGB(10, 20, 30));
    if (row.bHot)
        button.MakeHot();
    ASSERT_EQ(row.bHot, (bool)button.IsHot());

    PixelCanvas canvas(40, 24, RGB(1, 1, 1));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = button.m_hWnd;
    dis.hDC = canvas.dc().m_hDC;
    dis.rcItem = CRect(0, 0, 40, 24);
    dis.itemState = row.nState;
    button.DrawItem(&dis);
    COLORREF clrExpected = row.clrTopLeft == 0xFF ? RGB(10, 20, 30) : XTPGetColor((int)row.clrTopLeft);
    EXPECT_EQ(clrExpected, canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel(20, 2));
    button.GetTheme()->SetColorFace(XTP_COLOR_NONE);
    button.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ButtonEdges,
    ::testing::Values(EdgeRow{"FlatAtRestHasNoEdge", ButtonStyleFlat, false, 0, 0xFF},
                      EdgeRow{"FlatHotIsRaised", ButtonStyleFlat, true, 0, COLOR_3DHILIGHT},
                      EdgeRow{"FlatPressedIsSunken", ButtonStyleFlat, false, ODS_SELECTED, COLOR_3DSHADOW},
                      EdgeRow{"SemiFlatAtRestIsRaised", ButtonStyleSemiFlat, false, 0, COLOR_3DHILIGHT},
                      EdgeRow{"ThreeDimensionalPressedHasDarkOuterEdge", 0, false, ODS_SELECTED,
                              COLOR_3DDKSHADOW}),
    [](const ::testing::TestParamInfo<EdgeRow>& info) { return std::string(info.param.name); });

struct SchemeRow
{
    const char* name;
    int nScheme;
    BOOL bFlatFace;
    COLORREF clrBorder;  // 0xFFFFFFFF: the Office XP border, colour 32
    COLORREF clrHotFace; // 0xFFFFFFFF: the Office XP hot face, colour 31
    COLORREF clrFace;    // 0xFFFFFFFF: colour 15
};

class ButtonOffice2003Scheme : public ::testing::TestWithParam<SchemeRow>
{};

TEST_P(ButtonOffice2003Scheme, SchemeGivesBorderHotAndFaceColours)
{
    const SchemeRow& row = GetParam();
    CScopedColorScheme scheme(row.nScheme);
    CXTButtonThemeOffice2003 theme(row.bFlatFace);
    theme.RefreshMetrics();
    EXPECT_EQ(row.clrBorder == 0xFFFFFFFF ? XTPGetColor(32) : row.clrBorder, theme.GetColorHilite());
    EXPECT_EQ(row.clrHotFace == 0xFFFFFFFF ? XTPGetColor(31) : row.clrHotFace, theme.GetHotFace());
    EXPECT_EQ(row.clrFace == 0xFFFFFFFF ? XTPGetColor(COLOR_3DFACE) : row.clrFace, theme.GetColorFace());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ButtonOffice2003Scheme,
    ::testing::Values(SchemeRow{"NoSchemeKeepsOfficeXPColours", xtpSystemThemeNone, TRUE, 0xFFFFFFFF,
                                0xFFFFFFFF, 0xFFFFFFFF},
                      SchemeRow{"BlueFlatFace", xtpSystemThemeBlue, TRUE, RGB(0, 0, 128), RGB(255, 238, 194),
                                RGB(169, 199, 240)},
                      SchemeRow{"OliveFlatFace", xtpSystemThemeOlive, TRUE, RGB(63, 93, 56),
                                RGB(255, 238, 194), RGB(197, 212, 159)},
                      SchemeRow{"SilverBorderIsSlateBlue", xtpSystemThemeSilver, TRUE, RGB(75, 75, 111),
                                RGB(255, 238, 194), RGB(192, 192, 211)},
                      SchemeRow{"WithoutFlatFaceTheFaceStaysColour15", xtpSystemThemeSilver, FALSE,
                                RGB(75, 75, 111), RGB(255, 238, 194), 0xFFFFFFFF}),
    [](const ::testing::TestParamInfo<SchemeRow>& info) { return std::string(info.param.name); });

TEST(Button, ImageAloneIsCentredWithCentreStyles)
{
    NotifyRecorderWnd& host = TestHost();
    CXTButton button;
    button.Create("", WS_CHILD | WS_VISIBLE | BS_CENTER | BS_VCENTER, CRect(0, 0, 100, 30), &host, kButtonId);
    HICON hIcon = MakeIcon(16, RGB(0, 0, 255));
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
    button.DestroyWindow();
}

TEST(Button, DisabledTextIsGrayInEveryTheme)
{
    Button fixture;
    for (DWORD dwxStyle : {(DWORD)ButtonStyleFlat, (DWORD)ButtonStyleOfficeXP})
    {
        fixture.button.SetXButtonStyle(dwxStyle);
        EXPECT_EQ(XTPGetColor(COLOR_GRAYTEXT),
                  fixture.button.GetTheme()->GetTextColor(ODS_DISABLED, &fixture.button));
    }
}
