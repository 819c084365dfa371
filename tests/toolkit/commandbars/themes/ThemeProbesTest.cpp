// Pixel probes of what the themes paint in the colours their tables give:
// the separators of every look on docked bars and in popups, the tear-off
// strips, the dock bars' fill, the Office 2003 bar backgrounds and expand
// buttons, and the Office 2000 popup rows and bar frames. Table colours are
// marked (ThemeTestSupport.h); the Office 2003 scheme colours are its fixed
// blue values.
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"
#include "toolkit/commandbars/themes/XTPWinXPTheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// The four looks, marked.
struct MarkedThemes
{
    MarkedThemes()
    {
        for (CXTPPaintManager* pTheme : {(CXTPPaintManager*)&xp, (CXTPPaintManager*)&office2003,
                                         (CXTPPaintManager*)&office2000, (CXTPPaintManager*)&winxp})
            MarkColors(*pTheme);
    }
    CXTPOfficeXPTheme xp;
    CXTPOffice2003Theme office2003;
    CXTPOffice2000Theme office2000;
    CXTPWinXPTheme winxp;
};

// A separator before a control at R in the row Q, drawn on a white canvas.
struct SeparatorCase
{
    const char* name;
    CXTPPaintManager* pTheme;
    XTPBarPosition barPosition; // xtpBarPopup: the popup bar
    BOOL bWrap;
    CRect R, Q;
    std::vector<POINT> points;
    const char* expected;
};

TEST(ThemeProbes, SeparatorsOfEveryLook)
{
    MarkedThemes t;
    ThemeTestBar docked, popup;
    popup.pBar->MakePopup();
    popup.pBar->MoveWindow(0, 0, 150, 60);
    // Icons taller than a text row: the flat look's icon column W is 24 + 5.
    popup.pBar->SetIconSize(CSize(24, 24));
    const CRect kTopR(40, 2, 63, 24), kTopQ(0, 2, 100, 24);
    const CRect kLeftR(2, 40, 24, 63), kLeftQ(2, 0, 24, 100);
    const CRect kPopupR(2, 30, 148, 52), kPopupQ(0, 30, 150, 52);
    const SeparatorCase cases[] = {
        // Office XP: one line in colour 39.
        {"flat, docked at the top", &t.xp, xtpBarTop, FALSE, kTopR, kTopQ,
         {{36, 2}, {36, 23}, {35, 10}, {37, 10}, {36, 24}}, "m39 m39 w w w"},
        {"flat, docked at the top, a new row", &t.xp, xtpBarTop, TRUE, kTopR, kTopQ,
         {{4, -2}, {99, -2}, {3, -2}}, "m39 m39 w"},
        {"flat, docked at the left", &t.xp, xtpBarLeft, FALSE, kLeftR, kLeftQ,
         {{2, 36}, {23, 36}, {10, 35}, {10, 37}}, "m39 m39 w w"},
        {"flat, popup: from the icon column's width + 9", &t.xp, xtpBarPopup, FALSE, kPopupR, kPopupQ,
         {{38, 28}, {140, 28}, {37, 28}, {60, 27}, {60, 29}}, "m39 m39 w w w"},
        // Office 2003: docked, an etched pair in colours 39 and 20; popups as Office XP.
        {"Office 2003, docked at the top", &t.office2003, xtpBarTop, FALSE, kTopR, kTopQ,
         {{36, 6}, {36, 19}, {36, 5}, {36, 20}, {37, 7}, {37, 20}, {37, 6}}, "m39 m39 w w m20 m20 w"},
        {"Office 2003, docked at the left", &t.office2003, xtpBarLeft, FALSE, kLeftR, kLeftQ,
         {{6, 36}, {19, 36}, {5, 36}, {20, 36}, {7, 37}, {20, 37}, {6, 37}}, "m39 m39 w w m20 m20 w"},
        {"Office 2003, popup", &t.office2003, xtpBarPopup, FALSE, kPopupR, kPopupQ,
         {{38, 28}, {140, 28}, {37, 28}}, "m39 m39 w"},
        // Office 2000 and Windows XP: a sunken groove two pixels wide.
        {"classic, docked at the top", &t.office2000, xtpBarTop, FALSE, kTopR, kTopQ,
         {{36, 10}, {37, 10}, {35, 10}, {38, 10}}, "m16 m20 w w"},
        {"classic, docked at the left", &t.office2000, xtpBarLeft, FALSE, kLeftR, kLeftQ,
         {{10, 36}, {10, 37}, {10, 35}, {10, 38}}, "m16 m20 w w"},
        {"classic, popup: inset 14 pixels", &t.office2000, xtpBarPopup, FALSE, kPopupR, kPopupQ,
         {{14, 25}, {70, 25}, {70, 26}, {13, 25}, {136, 25}, {70, 27}}, "m16 m16 m20 w w w"},
        {"Windows XP, docked at the top", &t.winxp, xtpBarTop, FALSE, kTopR, kTopQ,
         {{36, 10}, {37, 10}, {35, 10}, {38, 10}}, "m16 m20 w w"},
        {"Windows XP, popup", &t.winxp, xtpBarPopup, FALSE, kPopupR, kPopupQ,
         {{14, 25}, {70, 26}, {13, 25}}, "m16 m20 w"},
    };
    for (const SeparatorCase& c : cases)
    {
        CThemeTestToolBar* pBar = c.barPosition == xtpBarPopup ? popup.pBar : docked.pBar;
        if (c.barPosition != xtpBarPopup)
        {
            pBar->Place(c.barPosition);
            pBar->MoveWindow(0, 0, c.barPosition == xtpBarLeft ? 26 : 100, c.barPosition == xtpBarLeft ? 100 : 26);
        }
        CXTPControl* pControl = pBar->GetControls()->Add(xtpControlButton, 41301);
        pControl->SetRect(c.R);
        pControl->SetRowRect(c.Q);
        pControl->SetWrap(c.bWrap);
        // A row that begins below the canvas top leaves room for the line above it.
        const int dy = c.bWrap ? 8 : 0;
        PixelCanvas canvas(160, 110);
        canvas.dc().SetViewportOrg(0, dy);
        EXPECT_EQ(CSize(0, 0), c.pTheme->DrawCommandBarSeparator(&canvas.dc(), pBar, pControl, TRUE)) << c.name;
        canvas.dc().SetViewportOrg(0, 0);
        std::vector<POINT> points = c.points;
        for (POINT& pt : points)
            pt.y += dy;
        EXPECT_EQ(c.expected, Probe(canvas, points)) << c.name;
        pBar->GetControls()->Remove(pControl);
    }
}

// The strip at the top of a tear-off popup, 100 pixels wide: the flat look's
// lines and Office 2003's dots in its middle, over the bar face or, selected,
// in a hot box; the classic look's strip in the caption colours, its last row
// left alone.
TEST(ThemeProbes, TearOffStrips)
{
    MarkedThemes t;
    const CRect rc(0, 0, 100, 9);
    struct
    {
        const char* name;
        CXTPPaintManager* pTheme;
        BOOL bSelected;
        int cy;
        std::vector<POINT> points;
        const char* expected;
    } cases[] = {
        {"flat", &t.xp, FALSE, 9, {{51, 3}, {51, 5}, {51, 7}, {51, 4}, {5, 5}, {1, 1}}, "m38 m38 m38 m30 m30 m41"},
        {"flat, selected", &t.xp, TRUE, 9, {{51, 4}, {51, 6}, {51, 5}, {2, 5}, {5, 5}}, "m45 m45 m31 m32 m31"},
        // The dots' places follow the strip's middle: the first one is found below.
        {"Office 2003", &t.office2003, FALSE, 9, {{0, 0}, {1, 1}, {2, 2}, {5, 5}, {1, 1}}, "m38 m38 m20 m30 m41"},
        {"Office 2003, selected", &t.office2003, TRUE, 9, {{0, 0}, {2, 2}, {2, 5}, {5, 5}}, "m38 m20 m32 m31"},
        {"classic", &t.office2000, FALSE, 8, {{0, 0}, {99, 7}, {50, 8}}, "m3 m3 w"},
        {"classic, selected", &t.office2000, TRUE, 8, {{0, 0}, {99, 7}, {50, 8}}, "m2 m2 w"},
    };
    for (const auto& c : cases)
    {
        PixelCanvas canvas(110, 12);
        EXPECT_EQ(CSize(0, c.cy), c.pTheme->DrawTearOffGripper(&canvas.dc(), rc, c.bSelected, TRUE)) << c.name;
        std::vector<POINT> points = c.points;
        if (c.pTheme == &t.office2003)
        {
            // A dot: its dark square's top left corner in row 4 near the middle, the light
            // square one pixel right and down; the first two points are relative to it.
            int x = 30;
            while (x < 70 && canvas.Pixel(x, 4) != Marker(38))
                x++;
            for (size_t i = 0; i + 2 < points.size(); i++)
                points[i] = CPoint(x + points[i].x, 4 + points[i].y);
        }
        EXPECT_EQ(c.expected, Probe(canvas, points)) << c.name;
    }
}

// A dock bar along one edge of a window of its own.
struct ProbedDockBar
{
    explicit ProbedDockBar(DWORD dwAlign, CRect rc) : pDockBar(new CXTPDockBar(NULL))
    {
        EXPECT_TRUE(pDockBar->Create(&host, dwAlign, 0xE81B));
        pDockBar->MoveWindow(rc);
    }
    ~ProbedDockBar()
    {
        pDockBar->DestroyWindow();
        delete pDockBar;
    }
    CTestWindow host;
    CXTPDockBar* pDockBar;
};

const DWORD kDockTop = 0x2800;   // aligned and bordered at the top
const DWORD kDockRight = 0x4100; // at the right
const DWORD kDockLeft = 0x1400;  // at the left

// The plain looks fill every dock bar with the button face; Office 2003
// runs its bar gradient left to right over at least half the screen, so a
// narrow dock bar shows only the gradient's start, and fills the right dock
// bar with the gradient's end.
TEST(ThemeProbes, DockBarFill)
{
    MarkedThemes t;
    ProbedDockBar top(kDockTop, CRect(0, 0, 100, 30)), left(kDockLeft, CRect(0, 0, 30, 100)),
        right(kDockRight, CRect(0, 0, 30, 100));
    for (CXTPPaintManager* pTheme : {(CXTPPaintManager*)&t.xp, (CXTPPaintManager*)&t.office2000})
        for (CXTPDockBar* pDockBar : {top.pDockBar, left.pDockBar, right.pDockBar})
        {
            PixelCanvas canvas(100, 100);
            pTheme->FillDockBar(&canvas.dc(), pDockBar);
            CRect rcClient;
            pDockBar->GetClientRect(&rcClient);
            EXPECT_EQ(0, canvas.CountOther(rcClient, Marker(15))) << pTheme->GetThemeId();
        }

    SchemeScope scheme(xtpSystemThemeBlue);
    CXTPOffice2003Theme office2003;
    const COLORREF start = RGB(158, 190, 245), end = RGB(196, 218, 250);
    ASSERT_EQ(ColorNames({start, end}), ColorNames({office2003.m_clrBarGradientStart, office2003.m_clrBarGradientEnd}));
    PixelCanvas narrow(100, 30), rightCanvas(30, 100);
    office2003.FillDockBar(&narrow.dc(), top.pDockBar);
    office2003.FillDockBar(&rightCanvas.dc(), right.pDockBar);
    const int nHalfScreen = ::GetSystemMetrics(SM_CXFULLSCREEN) / 2;
    // At x = 99 the gradient has gone 99 / (half the screen) of its way.
    const COLORREF at99 = narrow.Pixel(99, 15);
    EXPECT_NEAR(158 + (196 - 158) * 99 / nHalfScreen, GetRValue(at99), 2);
    EXPECT_NEAR(190 + (218 - 190) * 99 / nHalfScreen, GetGValue(at99), 2);
    EXPECT_EQ(ColorName(start), ColorName(narrow.Pixel(0, 15)));
    EXPECT_EQ(0, rightCanvas.CountOther(CRect(0, 0, 30, 100), end));
}

// Each channel of the two colours within nTolerance: a gradient's first row
// is its start colour, its last row one step short of its end.
bool Near(COLORREF a, COLORREF b, int nTolerance = 2)
{
    return abs(GetRValue(a) - GetRValue(b)) <= nTolerance && abs(GetGValue(a) - GetGValue(b)) <= nTolerance
           && abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}
const int kLastStep = 6;

// A toolbar docked at the top of its window in the blue scheme: the dock
// area's gradient shows in its first three columns, its top row and the
// corners; the body runs top to bottom from the toolbar gradient's start to
// its end; a shadow line runs along the bottom from x 5. A menu bar is the
// bar gradient left to right.
TEST(ThemeProbes, Office2003BarBackgrounds)
{
    SchemeScope scheme(xtpSystemThemeBlue);
    CXTPOffice2003Theme theme;
    ThemeTestBar bar;
    bar.host.MoveWindow(0, 0, 200, 60);
    bar.pBar->MoveWindow(0, 0, 100, 26);
    PixelCanvas canvas(100, 26);
    theme.FillCommandBarEntry(&canvas.dc(), bar.pBar);
    const COLORREF dock = RGB(158, 190, 245), top = RGB(221, 236, 254), bottom = RGB(129, 169, 226),
                   shadow = RGB(59, 97, 156);
    EXPECT_TRUE(Near(dock, canvas.Pixel(1, 13))) << ColorName(canvas.Pixel(1, 13));
    EXPECT_TRUE(Near(dock, canvas.Pixel(50, 0))) << ColorName(canvas.Pixel(50, 0));
    EXPECT_TRUE(Near(dock, canvas.Pixel(3, 1))) << "corner " << ColorName(canvas.Pixel(3, 1));
    EXPECT_TRUE(Near(top, canvas.Pixel(50, 1))) << ColorName(canvas.Pixel(50, 1));
    EXPECT_TRUE(Near(bottom, canvas.Pixel(4, 25), kLastStep)) << ColorName(canvas.Pixel(4, 25));
    EXPECT_EQ("#3b619c #3b619c", Probe(canvas, {{5, 25}, {97, 25}}));
    EXPECT_NE(ColorName(shadow), ColorName(canvas.Pixel(4, 25)));
    EXPECT_NE(ColorName(shadow), ColorName(canvas.Pixel(98, 25)));

    bar.pBar->MakeMenuBar();
    PixelCanvas menu(100, 26);
    theme.FillCommandBarEntry(&menu.dc(), bar.pBar);
    EXPECT_EQ(ColorName(dock), ColorName(menu.Pixel(0, 0)));
    EXPECT_EQ(menu.Pixel(50, 0), menu.Pixel(50, 25)) << "left to right";
}

// The expand button at the end of a toolbar in the blue scheme: its
// gradient by state, the outer corners left round, and its glyph over a
// highlight shadow.
TEST(ThemeProbes, Office2003ExpandButtons)
{
    SchemeScope scheme(xtpSystemThemeBlue);
    CXTPOffice2003Theme theme;
    MarkColors(theme);
    ThemeTestBar bar;
    CXTPControl* pExpand = bar.pBar->GetControls()->Add(xtpControlButton, 41302);
    CSize szBar(100, 26);
    theme.DrawSpecialControl(NULL, 0, pExpand, bar.pBar, FALSE, &szBar);
    ASSERT_EQ(CRect(88, 1, 100, 26), pExpand->GetRect());
    struct
    {
        const char* name;
        int nSelected;
        COLORREF top, bottom;
        int nGlyph;
    } states[] = {
        {"idle", 0, RGB(117, 166, 241), RGB(0, 53, 145), 46},
        {"hot", 1, RGB(255, 242, 200), RGB(255, 212, 151), 45},
    };
    for (const auto& state : states)
    {
        pExpand->OnSetSelected(state.nSelected);
        PixelCanvas canvas(100, 26);
        theme.DrawSpecialControl(&canvas.dc(), 0, pExpand, bar.pBar, TRUE, NULL);
        EXPECT_TRUE(Near(state.top, canvas.Pixel(91, 1))) << state.name << " " << ColorName(canvas.Pixel(91, 1));
        EXPECT_TRUE(Near(state.bottom, canvas.Pixel(91, 25), kLastStep))
            << state.name << " " << ColorName(canvas.Pixel(91, 25));
        // The corners and the left column stay as they were.
        EXPECT_EQ("w w w", Probe(canvas, {{99, 1}, {99, 25}, {88, 10}})) << state.name;
        // The glyph's bar around (94, 20): (x - 1 .. x + 3, y - 4), its shadow one pixel lower.
        EXPECT_EQ(ColorNames({Marker(state.nGlyph), Marker(20)}), Probe(canvas, {{94, 16}, {94, 17}})) << state.name;
    }
}

// Office 2000 popup rows, 150 x 22 with 16-pixel icons: a hot row is
// highlighted from one pixel right of its image box with the highlight text;
// an idle row has the popup text and no highlight; a row shown only by the
// expanded popup is the light face; a disabled row's text is grey and
// embossed.
TEST(ThemeProbes, Office2000PopupRows)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    ThemeTestBar bar;
    bar.pBar->MakePopup();
    bar.pBar->MoveWindow(0, 0, 150, 22);
    CXTPControl* pRow = bar.pBar->GetControls()->Add(xtpControlButton, 41303);
    pRow->SetCaption(CString("Wide Row"));
    pRow->SetRect(CRect(0, 0, 150, 22));
    const int bw = std::max(16 + 4, theme.GetTextHeight());
    auto textColors = [](PixelCanvas& canvas, int x0) {
        std::set<std::string> colors;
        for (int y = 3; y < 19; y++)
            for (int x = x0; x < 120; x++)
                colors.insert(ColorName(canvas.Pixel(x, y)));
        return colors;
    };

    PixelCanvas idle(150, 22);
    theme.DrawControl(&idle.dc(), pRow, TRUE);
    EXPECT_EQ(std::set<std::string>({"w", "m18"}), textColors(idle, bw + 1));

    pRow->OnSetSelected(1);
    PixelCanvas hot(150, 22);
    theme.DrawControl(&hot.dc(), pRow, TRUE);
    EXPECT_EQ("w m13 m13 m13", Probe(hot, {{bw, 10}, {bw + 1, 10}, {149, 0}, {149, 21}}));
    EXPECT_EQ(std::set<std::string>({"m13", "m14"}), textColors(hot, bw + 1));

    pRow->OnSetSelected(0);
    pRow->SetExpanded(TRUE);
    PixelCanvas expanded(150, 22);
    theme.DrawControl(&expanded.dc(), pRow, TRUE);
    EXPECT_EQ("m22 m22 m22", Probe(expanded, {{0, 0}, {bw, 10}, {149, 21}}));
    pRow->SetExpanded(FALSE);

    pRow->SetEnabled(FALSE);
    PixelCanvas disabled(150, 22);
    theme.DrawControl(&disabled.dc(), pRow, TRUE);
    // Embossed: first in the highlight one pixel right and down.
    EXPECT_EQ(std::set<std::string>({"w", "m17", "m20"}), textColors(disabled, bw + 1));
}

// Office 2000 bars: the face inside a raised frame; a floating bar or a
// popup first gets an outer frame of face and black.
TEST(ThemeProbes, Office2000BarFrames)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    ThemeTestBar bar;
    PixelCanvas docked(100, 26);
    theme.FillCommandBarEntry(&docked.dc(), bar.pBar);
    EXPECT_EQ("m20 m20 m16 m16 m15", Probe(docked, {{0, 10}, {50, 0}, {99, 10}, {50, 25}, {50, 10}}));
    for (XTPBarPosition barPosition : {xtpBarFloating, xtpBarPopup})
    {
        bar.pBar->Place(barPosition);
        PixelCanvas framed(100, 26);
        theme.FillCommandBarEntry(&framed.dc(), bar.pBar);
        EXPECT_EQ("m15 m15 m0 m0 m20 m20 m16 m16 m15",
                  Probe(framed, {{0, 10}, {50, 0}, {99, 10}, {50, 25}, {1, 10}, {50, 1}, {98, 10}, {50, 24}, {50, 10}}))
            << barPosition;
    }
}

} // namespace
