// Pixels of tab strips where the colours are given: the default tab colours,
// the dithered selected button, the outlines of appearances 0 and 1, the
// scheme colours, gradients and their direction, the strip buttons, the
// visual-style set with and without visual styles, and the stacked rows.
#include "TabTestHost.h"

#include "toolkit/tabs/themes/XTPTabStripColorSets.h"
#include "toolkit/tabs/themes/XTPTabStripShape.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

#include "tests/support/PixelCanvas.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

namespace {

::testing::AssertionResult NearColor(COLORREF clrExpected, COLORREF clrActual, int nTolerance = 3)
{
    const int dr = abs(GetRValue(clrExpected) - GetRValue(clrActual));
    const int dg = abs(GetGValue(clrExpected) - GetGValue(clrActual));
    const int db = abs(GetBValue(clrExpected) - GetBValue(clrActual));
    if (dr <= nTolerance && dg <= nTolerance && db <= nTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << "expected 0x" << clrExpected << ", got 0x" << clrActual;
}

// A strip of 300 x 60 at the top of a canvas, tabs of 70 (A at x 2 .. 72),
// rows 30 high, no icons; the colour manager is put back after each case.
class TabPaint : public ::testing::Test
{
protected:
    void SetUp() override { strip.UseFixedTabs(); }
    void TearDown() override
    {
        XTPColorManager()->SetSystemTheme(xtpSystemThemeAuto);
        XTPColorManager()->RefreshColors();
        XTPWithholdOptionalLibrary("UxTheme.dll", FALSE);
        XTPUxThemeModule()->Bind();
    }
    CXTPTabStripColors* Colors() { return strip.m_painter.GetColorSet(); }
    CRect Tab(int nIndex) { return strip.GetItem(nIndex)->GetRect(); }

    CTabTestStrip strip{CRect(0, 0, 300, 60)};
    PixelCanvas canvas{300, 60};
};

TEST_F(TabPaint, ItemColoursFillTabsWithTheDefaultTabColours)
{
    strip.SetAppearanceById(xtpTabAppearanceBoxes);
    strip.m_painter.SetItemColors(TRUE);
    strip.AddTabs({"A", "B", "C", "D"}); // colours 0x1000000 to 0x1000003
    strip.Paint(canvas);
    EXPECT_EQ(RGB(138, 168, 228), canvas.Pixel(Tab(0).left + 2, Tab(0).bottom - 3));
    EXPECT_EQ(RGB(240, 158, 159), canvas.Pixel(Tab(3).left + 2, Tab(3).bottom - 3));
    strip.GetItem(3)->SetColor(RGB(10, 200, 30));
    strip.Paint(canvas);
    EXPECT_EQ(RGB(10, 200, 30), canvas.Pixel(Tab(3).left + 2, Tab(3).bottom - 3));
}

TEST_F(TabPaint, TrapezoidFacesFillOnlyTheTrapezoid)
{
    strip.SetAppearanceById(xtpTabAppearanceTrapezoid);
    strip.m_painter.SetItemColors(TRUE);
    strip.AddTabs({"A", "B", "C"});
    strip.Paint(canvas);
    const CRect a = Tab(0); // its face leans left by a quarter of its height
    EXPECT_EQ(RGB(138, 168, 228), canvas.Pixel(a.left + 20, a.bottom - 3)) << "inside";
    EXPECT_NE(RGB(138, 168, 228), canvas.Pixel(a.left - 5, a.top + 2)) << "beside the sloped side";
    EXPECT_NE(RGB(138, 168, 228), canvas.Pixel(a.left + 20, a.top - 2)) << "above the tab";
}

TEST_F(TabPaint, TheDefaultSetDithersAndSinksTheSelectedButton)
{
    strip.SetAppearanceById(xtpTabAppearanceButtons);
    strip.SetColorById(xtpTabColorDefault);
    strip.AddTabs({"A", "B", "C", "D"});
    strip.GetItem(1)->Select();
    strip.Paint(canvas);
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE), clrLight = ::GetSysColor(COLOR_BTNHIGHLIGHT),
                   clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const CRect b = Tab(1);
    const COLORREF clrLeft = canvas.Pixel(b.left + 2, b.bottom - 3), clrRight = canvas.Pixel(b.left + 3, b.bottom - 3);
    EXPECT_TRUE((clrLeft == clrFace && clrRight == clrLight) || (clrLeft == clrLight && clrRight == clrFace))
        << "a checker of face and highlight";
    EXPECT_EQ(clrShadow, canvas.Pixel(b.left, b.top + 5)) << "sunken: shadow at the top left";
    EXPECT_EQ(clrLight, canvas.Pixel(b.right - 1, b.top + 5)) << "and highlight at the bottom right";
    // Tab C is followed by a groove of two pixels.
    const CRect c = Tab(2);
    EXPECT_EQ(clrShadow, canvas.Pixel(c.right, c.top + 5));
    EXPECT_EQ(clrLight, canvas.Pixel(c.right + 1, c.top + 5));
    EXPECT_EQ(clrFace, canvas.Pixel(c.left + 2, c.bottom - 3)) << "an ordinary tab is plain";
}

// The dithered face is a pattern brush whose 0 bits (the first pixel of
// row 0x55) take the text colour, the highlight, and whose 1 bits take the
// background, the face.
TEST_F(TabPaint, TheDitheredFaceHasTheHighlightOnTheClearBitsOfThePattern)
{
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE), clrLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    PixelCanvas face(8, 8);
    Colors()->GradientFillRect(&face.dc(), CRect(0, 0, 8, 8), xtpTabColorDithered, xtpTabColorDithered,
                               xtpTabPositionTop);
    EXPECT_EQ(clrLight, face.Pixel(0, 0));
    EXPECT_EQ(clrFace, face.Pixel(1, 0));
    EXPECT_EQ(clrFace, face.Pixel(0, 1));
    EXPECT_EQ(clrLight, face.Pixel(1, 1));
}

// The toolkit set (id 2, chosen by appearances 4 to 7) starts from the
// system-colour values, not from the default set's dithered buttons and
// inverted trapezoid faces.
TEST_F(TabPaint, TheToolkitSetKeepsTheSystemLookOfButtonsAndTrapezoids)
{
    const COLORREF clrWindow = ::GetSysColor(COLOR_WINDOW), clrFace = ::GetSysColor(COLOR_BTNFACE),
                   clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    strip.AddTabs({"A", "B", "C"});
    strip.GetItem(1)->Select();

    strip.SetAppearanceById(xtpTabAppearanceButtons);
    ASSERT_EQ(xtpTabColorToolkit, strip.m_painter.GetColorId());
    strip.Paint(canvas);
    const CRect b = Tab(1);
    EXPECT_EQ(clrWindow, canvas.Pixel(b.left + 2, b.bottom - 3)) << "buttons: the selected one in the window colour";
    EXPECT_EQ(clrWindow, canvas.Pixel(b.left + 3, b.bottom - 3)) << "buttons: plain, not dithered";
    EXPECT_EQ(clrHighlight, canvas.Pixel(b.left, b.top + 5)) << "buttons: framed in the highlight colour";
    EXPECT_EQ(clrHighlight, canvas.Pixel(b.right - 1, b.top + 5)) << "buttons: on both sides";

    strip.SetAppearanceById(xtpTabAppearanceTrapezoid);
    ASSERT_EQ(xtpTabColorToolkit, strip.m_painter.GetColorId());
    EXPECT_EQ(clrWindow, (COLORREF)Colors()->m_clrSelectedTabFace);
    EXPECT_EQ(clrFace, (COLORREF)Colors()->m_clrTabFace);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), (COLORREF)Colors()->m_clrBorder);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), (COLORREF)Colors()->m_clrSelectedOutline[1]);
    EXPECT_EQ(clrWindow, (COLORREF)Colors()->m_clrNormalOutline[3]);
    strip.Paint(canvas);
    EXPECT_EQ(clrWindow, canvas.Pixel(Tab(1).left + 20, Tab(1).bottom - 4)) << "trapezoids: the selected one white";
    EXPECT_EQ(clrFace, canvas.Pixel(Tab(2).left + 30, Tab(2).bottom - 4)) << "trapezoids: the others in the face";
}

TEST_F(TabPaint, Appearance1OutlinesOnlyTheSelectedAndTheHotTab)
{
    CTabTestHost host(CSize(300, 60));
    host.UseFixedTabs();
    host.SetAppearanceById(xtpTabAppearance3DHot);
    host.m_painter.m_bHotTracking = TRUE;
    host.AddTabs({"A", "B", "C"});
    host.GetItem(2)->Select();
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, CenterOf(host.GetItem(1)));
    ASSERT_EQ(host.GetItem(1), host.GetHotItem());
    host.Paint(canvas);
    const COLORREF clrLight = ::GetSysColor(COLOR_BTNHIGHLIGHT), clrFace = ::GetSysColor(COLOR_BTNFACE);
    const CRect a = host.GetItem(0)->GetRect(), b = host.GetItem(1)->GetRect(), c = host.GetItem(2)->GetRect();
    EXPECT_EQ(clrFace, canvas.Pixel(a.left + 5, a.top)) << "an ordinary tab has no outline";
    EXPECT_EQ(clrLight, canvas.Pixel(b.left + 5, b.top)) << "the hot tab is raised";
    EXPECT_EQ(clrLight, canvas.Pixel(c.left + 5, c.top - 2)) << "the selected tab is raised and larger";
}

TEST_F(TabPaint, ABottomRowJoinsTheSelectedTabToTheClientAtItsTop)
{
    strip.SetPosition(xtpTabPositionBottom);
    strip.AddTabs({"A", "B"});
    strip.GetItem(0)->Select();
    strip.Paint(canvas);
    EXPECT_EQ(60, strip.GetHeaderRect().bottom) << "the header band at the bottom edge";
    const CRect a = Tab(0), b = Tab(1);
    ASSERT_EQ(strip.GetHeaderRect().top, a.top);
    const COLORREF clrDark = ::GetSysColor(COLOR_3DDKSHADOW);
    EXPECT_EQ(clrDark, canvas.Pixel(b.left + 10, b.top)) << "the client's frame runs along the row";
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.Pixel(a.left + 3, a.top)) << "but not over the selected tab";
    EXPECT_EQ(clrDark, canvas.Pixel(a.left + 10, a.bottom + 2)) << "whose far side is dark";
}

TEST_F(TabPaint, ClientFrameStyle1DrawsOnlyTheTabSideEdge)
{
    strip.m_painter.m_nClientFrameStyle = 1;
    strip.SetPosition(xtpTabPositionBottom);
    strip.AddTabs({"A"});
    strip.Paint(canvas);
    const int y = strip.GetHeaderRect().top; // the client's last row
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), canvas.Pixel(150, y));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.Pixel(150, y - 1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.Pixel(150, 0)) << "no frame at the far side";
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.Pixel(0, 10)) << "nor at the ends";
}

TEST_F(TabPaint, TheSchemeSetTakesTheOliveColours)
{
    XTPColorManager()->SetSystemTheme(xtpSystemThemeOlive);
    strip.SetAppearanceById(xtpTabAppearanceSlanted);
    strip.AddTabs({"A", "B"});
    strip.GetItem(0)->Select();
    EXPECT_EQ(RGB(255, 194, 115), (COLORREF)Colors()->m_clrSelectedTabFace);
    EXPECT_EQ(RGB(208, 222, 170), (COLORREF)Colors()->m_clrTabFace);
    EXPECT_EQ(RGB(96, 128, 88), (COLORREF)Colors()->m_clrBorder);
    strip.Paint(canvas);
    EXPECT_EQ(RGB(255, 194, 115), canvas.Pixel(150, 50)) << "the client area in the selected tab's face";
    EXPECT_EQ(RGB(96, 128, 88), canvas.Pixel(150, 59)) << "framed in outline 2";

    strip.m_painter.SetLunaColorsDisabled(TRUE);
    EXPECT_EQ(XTPGetColor(36), (COLORREF)Colors()->m_clrSelectedTabFace);
    strip.Paint(canvas);
    EXPECT_EQ(XTPGetColor(36), canvas.Pixel(150, 50));
}

TEST_F(TabPaint, TheSchemeSetHasNoSchemeColoursWithoutAScheme)
{
    XTPColorManager()->SetSystemTheme(xtpSystemThemeNone);
    strip.SetAppearanceById(xtpTabAppearanceSlanted);
    auto* pScheme = dynamic_cast<CXTPTabColorsScheme*>(Colors());
    ASSERT_NE(nullptr, pScheme);
    EXPECT_FALSE(pScheme->m_bSchemeColors);
    EXPECT_EQ(XTPGetColor(36), (COLORREF)Colors()->m_clrSelectedTabFace);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), (COLORREF)Colors()->m_clrSelectedOutline[0])
        << "outlines in the border colour";
    EXPECT_EQ(XTP_COLOR_NONE, (COLORREF)Colors()->m_clrNormalOutline[3]);
}

TEST_F(TabPaint, AHotTabOfTheSchemeSetRunsFromATintDownToTheHotFace)
{
    XTPColorManager()->SetSystemTheme(xtpSystemThemeBlue);
    CTabTestHost host(CSize(300, 60));
    host.UseFixedTabs();
    host.SetAppearanceById(xtpTabAppearanceSlanted);
    host.m_painter.m_bHotTracking = TRUE;
    host.AddTabs({"A", "B"});
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, CenterOf(host.GetItem(1)));
    CXTPTabStripItem* pHot = host.GetHotItem();
    ASSERT_NE(nullptr, pHot);
    const COLORREF clrHot = RGB(255, 240, 201), clrTint = RGB(255, 251, 239);
    struct Row
    {
        const char* name;
        int nPosition;
        COLORREF clrTop, clrBottom;
    } rows[] = {{"top", xtpTabPositionTop, clrTint, clrHot}, {"bottom", xtpTabPositionBottom, clrHot, clrTint}};
    for (const Row& row : rows)
    {
        host.m_painter.SetPosition(row.nPosition);
        PixelCanvas face(10, 40);
        EXPECT_EQ(clrHot, host.m_painter.GetColorSet()->FillTabFace(&face.dc(), CRect(0, 0, 10, 40), pHot));
        EXPECT_TRUE(NearColor(row.clrTop, face.Pixel(5, 0))) << row.name;
        EXPECT_TRUE(NearColor(row.clrBottom, face.Pixel(5, 39))) << row.name;
    }
}

TEST_F(TabPaint, TheInvertFlagTurnsTheHeaderGradientOver)
{
    Colors()->m_grcHeader.SetCustomValue(RGB(255, 255, 255), RGB(0, 0, 0));
    struct Row
    {
        const char* name;
        int nPosition;
        BOOL bInvert;
        CPoint ptLight; // where the light end is
    } rows[] = {
        {"top", xtpTabPositionTop, FALSE, CPoint(5, 0)},
        {"top inverted", xtpTabPositionTop, TRUE, CPoint(5, 39)},
        {"bottom", xtpTabPositionBottom, FALSE, CPoint(5, 39)},
        {"bottom inverted", xtpTabPositionBottom, TRUE, CPoint(5, 0)},
        {"left runs across", xtpTabPositionLeft, FALSE, CPoint(0, 20)},
        {"right runs back across", xtpTabPositionRight, FALSE, CPoint(9, 20)},
    };
    for (const Row& row : rows)
    {
        strip.m_painter.SetPosition(row.nPosition);
        strip.m_painter.m_bInvertGradient = row.bInvert;
        PixelCanvas header(10, 40);
        Colors()->FillHeaderBackground(&header.dc(), CRect(0, 0, 10, 40), &strip);
        EXPECT_TRUE(NearColor(RGB(255, 255, 255), header.Pixel(row.ptLight.x, row.ptLight.y), 30)) << row.name;
        EXPECT_TRUE(NearColor(RGB(0, 0, 0), header.Pixel(9 - row.ptLight.x, 39 - row.ptLight.y), 30)) << row.name;
    }
}

// Eight tabs of 70 in 300: the scroll buttons show, scroll back disabled.
class OverflowingSchemeStrip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.UseFixedTabs();
        host.SetAppearanceById(xtpTabAppearanceSlanted);
        host.AddTabs({"A", "B", "C", "D", "E", "F", "G", "H"});
    }
    void TearDown() override { XTPColorManager()->SetSystemTheme(xtpSystemThemeAuto); }
    // The button drawn alone on a white canvas of the strip's size.
    void DrawButton(int nKind)
    {
        host.RecalcHostLayout();
        host.FindButton(nKind)->Draw(&canvas.dc());
    }

    CTabTestHost host{CSize(300, 60)};
    PixelCanvas canvas{300, 60};
};

TEST_F(OverflowingSchemeStrip, ADisabledButtonHasNoFillAndAHollowBlackGlyph)
{
    CXTPTabStripButton* pBack = host.FindButton(xtpTabButtonScrollBack);
    ASSERT_FALSE(pBack->IsEnabled());
    DrawButton(xtpTabButtonScrollBack);
    const CRect rc = pBack->GetRect();
    int nOtherColours = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            nOtherColours += canvas.Pixel(x, y) != kWhite && canvas.Pixel(x, y) != kBlack;
    EXPECT_EQ(0, nOtherColours) << "only white and black";
    EXPECT_GT(canvas.CountOther(rc, kWhite), 0) << "an outline is drawn";
    const CPoint c = rc.CenterPoint();
    EXPECT_EQ(kWhite, canvas.Pixel(c.x + 1, c.y - 1)) << "hollow";

    DrawButton(xtpTabButtonScrollForward);
    const CPoint f = host.FindButton(xtpTabButtonScrollForward)->GetRect().CenterPoint();
    EXPECT_EQ(kBlack, canvas.Pixel(f.x - 1, f.y - 1)) << "an enabled glyph is filled";
}

TEST_F(OverflowingSchemeStrip, AHotButtonWithoutSchemeColoursTakesTheToolkitColours)
{
    host.m_painter.SetLunaColorsDisabled(TRUE);
    CXTPTabStripButton* pForward = host.FindButton(xtpTabButtonScrollForward);
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, pForward->GetRect().CenterPoint());
    ASSERT_TRUE(pForward->IsHot());
    DrawButton(xtpTabButtonScrollForward);
    const CRect rc = pForward->GetRect();
    const CPoint c = rc.CenterPoint();
    EXPECT_EQ(XTPGetColor(32), canvas.Pixel(rc.left, rc.top)) << "frame";
    EXPECT_EQ(XTPGetColor(31), canvas.Pixel(rc.left + 2, rc.top + 2)) << "fill";
    EXPECT_EQ(XTPGetColor(45), canvas.Pixel(c.x - 1, c.y - 1)) << "glyph";
}

TEST_F(OverflowingSchemeStrip, AHotButtonWithSchemeColoursGetsAnOrangeGradient)
{
    XTPColorManager()->SetSystemTheme(xtpSystemThemeSilver);
    host.m_painter.RefreshMetrics();
    CXTPTabStripButton* pForward = host.FindButton(xtpTabButtonScrollForward);
    host.CXTPTabStrip::OnMouseMove(host.m_hWnd, pForward->GetRect().CenterPoint());
    DrawButton(xtpTabButtonScrollForward);
    const CRect rc = pForward->GetRect();
    EXPECT_EQ(RGB(75, 75, 111), canvas.Pixel(rc.left, rc.top + 3)) << "the pressed-button frame";
    EXPECT_TRUE(NearColor(RGB(255, 242, 200), canvas.Pixel(rc.left + 2, rc.top + 1), 4));
}

// Draws every tab with a fake visual style: the part's rectangle green with
// its left column blue and its top row red, so that the way the tab is
// turned (or mirrored) shows.
HRESULT WINAPI FakeDrawThemeBackground(HTHEME, HDC hDC, int, int, const RECT* pRect, const RECT*)
{
    CRect rc(*pRect);
    ::SetBkColor(hDC, RGB(0, 255, 0));
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, rc, NULL, 0, NULL);
    ::SetBkColor(hDC, RGB(0, 0, 255));
    CRect rcLeft(rc.left, rc.top, rc.left + 1, rc.bottom);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, rcLeft, NULL, 0, NULL);
    ::SetBkColor(hDC, RGB(255, 0, 0));
    CRect rcTop(rc.left, rc.top, rc.right, rc.top + 1);
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, rcTop, NULL, 0, NULL);
    return S_OK;
}
// Draws every tab with a fake visual style whose corners are rounded off:
// the part's rectangle green but for its four corner pixels, which keep
// what lies beneath.
HRESULT WINAPI FakeDrawRoundedTab(HTHEME, HDC hDC, int, int, const RECT* pRect, const RECT*)
{
    const CRect rc(*pRect);
    ::SetBkColor(hDC, kGreen);
    for (int y = rc.top; y < rc.bottom; y++)
    {
        const int nCorner = y == rc.top || y == rc.bottom - 1 ? 1 : 0;
        const CRect rcRow(rc.left + nCorner, y, rc.right - nCorner, y + 1);
        ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, rcRow, NULL, 0, NULL);
    }
    return S_OK;
}
HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR)
{
    return (HTHEME)1;
}
HRESULT WINAPI FakeCloseThemeData(HTHEME)
{
    return S_OK;
}
BOOL WINAPI FakeIsAppThemed()
{
    return TRUE;
}

// Fake visual styles, always active, in which every part is drawn by pfnDraw.
void UseFakeVisualStyles(HRESULT(WINAPI* pfnDraw)(HTHEME, HDC, int, int, const RECT*, const RECT*))
{
    CXTPUxThemeModule* pModule = XTPUxThemeModule();
    pModule->SetProc(xtpUxOpenThemeData, reinterpret_cast<FARPROC>(FakeOpenThemeData));
    pModule->SetProc(xtpUxCloseThemeData, reinterpret_cast<FARPROC>(FakeCloseThemeData));
    pModule->SetProc(xtpUxDrawThemeBackground, reinterpret_cast<FARPROC>(pfnDraw));
    pModule->SetProc(xtpUxIsAppThemed, reinterpret_cast<FARPROC>(FakeIsAppThemed));
}

std::wstring g_strOpenedClass;
DWORD g_dwTextureFlags = 0;
HTHEME WINAPI RecordingOpenThemeData(HWND, LPCWSTR pszClassList)
{
    g_strOpenedClass = pszClassList;
    return (HTHEME)1;
}
HRESULT WINAPI RecordingEnableThemeDialogTexture(HWND, DWORD dwFlags)
{
    g_dwTextureFlags = dwFlags;
    return S_OK;
}

TEST_F(TabPaint, TheStripOpensTheTabThemeAndSetsTheDialogTexture)
{
    CXTPUxThemeModule* pModule = XTPUxThemeModule();
    pModule->SetProc(xtpUxOpenThemeData, reinterpret_cast<FARPROC>(RecordingOpenThemeData));
    pModule->SetProc(xtpUxCloseThemeData, reinterpret_cast<FARPROC>(FakeCloseThemeData));
    pModule->SetProc(xtpUxEnableThemeDialogTexture, reinterpret_cast<FARPROC>(RecordingEnableThemeDialogTexture));
    CTestWindow window(CSize(50, 50));
    strip.OpenVisualTheme(window.m_hWnd, TRUE);
    EXPECT_EQ(L"TAB", g_strOpenedClass);
    EXPECT_TRUE(strip.GetVisualTheme()->IsThemeOpen());
    EXPECT_EQ(6u, g_dwTextureFlags);
    strip.OpenVisualTheme(window.m_hWnd, FALSE);
    EXPECT_EQ(5u, g_dwTextureFlags);
    strip.GetVisualTheme()->CloseThemeData(); // while the fakes stand
}

TEST_F(TabPaint, VisualStyleTabsAreTurnedWithTheirRow)
{
    UseFakeVisualStyles(FakeDrawThemeBackground);
    strip.SetColorById(xtpTabColorVisualStyle);
    ASSERT_TRUE(Colors()->IsVisualStyleActive());
    strip.AddTabs({"A"});
    // The tab of (10, 10, 40, 30), grown by a pixel or two as its row asks:
    // on the left a rotation (its leading side at the bottom), at the bottom
    // a flip of its rows, on the right a transpose (the mirror of the left).
    struct Row
    {
        const char* name;
        int nPosition;
        CPoint ptRed, ptGreen, ptBlue; // the tab's outer edge, its inner edge, its leading side
    } rows[] = {
        {"top: drawn as it stands", xtpTabPositionTop, CPoint(25, 9), CPoint(25, 29), CPoint(9, 20)},
        {"left: turned a quarter left", xtpTabPositionLeft, CPoint(9, 20), CPoint(39, 20), CPoint(25, 30)},
        {"bottom: upside down", xtpTabPositionBottom, CPoint(25, 31), CPoint(25, 10), CPoint(9, 20)},
        {"right: mirrored across its diagonal", xtpTabPositionRight, CPoint(41, 20), CPoint(10, 20), CPoint(25, 30)},
    };
    for (const Row& row : rows)
    {
        strip.m_painter.SetPosition(row.nPosition);
        PixelCanvas tab(60, 50);
        EXPECT_EQ(XTP_COLOR_NONE, Colors()->FillTabFace(&tab.dc(), CRect(10, 10, 40, 30), strip.GetItem(0)));
        EXPECT_EQ(kRed, tab.Pixel(row.ptRed.x, row.ptRed.y)) << row.name;
        EXPECT_EQ(kGreen, tab.Pixel(row.ptGreen.x, row.ptGreen.y)) << row.name;
        EXPECT_EQ(kBlue, tab.Pixel(row.ptBlue.x, row.ptBlue.y)) << row.name;
    }
    EXPECT_EQ(XTP_COLOR_NONE, (COLORREF)Colors()->m_clr3DEdge[0]) << "no 3D edges over the styled tabs";
    strip.SetColorById(xtpTabColorDefault); // closes the fake themes while the fakes stand
}

// The rounded corners of a tab show the strip beneath it, each corner what
// lay under it, whichever way the tab is turned: the strip is four colours,
// one in each quarter around the tab's centre.
TEST_F(TabPaint, TheCornersOfVisualStyleTabsShowTheStripBeneathThem)
{
    UseFakeVisualStyles(FakeDrawRoundedTab);
    strip.SetColorById(xtpTabColorVisualStyle);
    ASSERT_TRUE(Colors()->IsVisualStyleActive());
    strip.AddTabs({"A"});
    auto drawStrip = [](PixelCanvas& canvas) {
        canvas.dc().FillSolidRect(0, 0, 25, 20, RGB(200, 40, 40));
        canvas.dc().FillSolidRect(25, 0, 35, 20, RGB(40, 40, 200));
        canvas.dc().FillSolidRect(0, 20, 25, 30, RGB(200, 200, 40));
        canvas.dc().FillSolidRect(25, 20, 35, 30, RGB(40, 200, 200));
    };
    PixelCanvas beneath(60, 50);
    drawStrip(beneath);
    // The tab of (10, 10, 40, 30), grown by a pixel or two as its row asks.
    const std::tuple<const char*, int, CRect> rows[] = {
        {"top", xtpTabPositionTop, CRect(9, 9, 41, 30)},
        {"left", xtpTabPositionLeft, CRect(9, 9, 40, 31)},
        {"bottom", xtpTabPositionBottom, CRect(9, 10, 41, 32)},
        {"right", xtpTabPositionRight, CRect(10, 9, 42, 31)},
    };
    for (const auto& [name, nPosition, rcTab] : rows)
    {
        strip.m_painter.SetPosition(nPosition);
        PixelCanvas tab(60, 50);
        drawStrip(tab);
        Colors()->FillTabFace(&tab.dc(), CRect(10, 10, 40, 30), strip.GetItem(0));
        const CPoint corners[] = {rcTab.TopLeft(), CPoint(rcTab.right - 1, rcTab.top),
                                  CPoint(rcTab.left, rcTab.bottom - 1), rcTab.BottomRight() - CSize(1, 1)};
        for (const CPoint& pt : corners)
            EXPECT_EQ(beneath.Pixel(pt.x, pt.y), tab.Pixel(pt.x, pt.y)) << name << " at " << pt.x << ", " << pt.y;
        EXPECT_EQ(kGreen, tab.Pixel(rcTab.left + 1, rcTab.top)) << name << ": the tab beside its corner";
    }
    strip.SetColorById(xtpTabColorDefault); // closes the fake themes while the fakes stand
}

TEST_F(TabPaint, TheVisualStyleSetWithoutStylesDrawsLikeTheDefaultSet)
{
    XTPWithholdOptionalLibrary("UxTheme.dll", TRUE);
    XTPUxThemeModule()->Bind();
    strip.AddTabs({"A", "B", "C"});
    strip.GetItem(1)->Select();
    strip.SetColorById(xtpTabColorVisualStyle);
    EXPECT_FALSE(Colors()->IsVisualStyleActive());
    strip.Paint(canvas);
    PixelCanvas expected(300, 60);
    strip.SetColorById(xtpTabColorDefault);
    strip.Paint(expected);
    EXPECT_TRUE(canvas.SameAs(expected));
}

TEST_F(TabPaint, StackedRowsAreRaisedWithAGrip)
{
    CTabTestStrip stacked(CRect(0, 0, 300, 100));
    stacked.UseFixedTabs();
    stacked.SetAppearanceById(xtpTabAppearanceStacked);
    stacked.SetTabSizes(70, 18, 0, 20, 0, 0);
    stacked.AddTabs({"A", "B"});
    stacked.GetItem(0)->Select();
    PixelCanvas canvas(300, 100);
    stacked.Paint(canvas);
    const CRect b = stacked.GetItem(1)->GetRect();
    EXPECT_EQ(100, b.bottom) << "the row after the selected one at the bottom";
    EXPECT_EQ(XTPGetColor(38), canvas.Pixel(b.right - 7, b.top + 4));
    EXPECT_EQ(XTPGetColor(38), canvas.Pixel(b.right - 5, b.top + 6));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.Pixel(b.left + 5, b.top)) << "raised";
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.Pixel(b.left + 5, b.bottom - 1));
}

} // namespace
