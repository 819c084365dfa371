// The paint manager's process-wide instance and theme factory, its colour
// table, its caption helpers and its status-bar services on a real status
// bar: panes framed flat in the shadow colour with their text, a last pane
// as wide as its text, and panes without border or disabled.
#include "framework/Controls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"
#include "toolkit/commandbars/themes/XTPWinXPTheme.h"

#include "themes/ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

class PaintManagerTheme : public ::testing::Test
{
protected:
    void TearDown() override { CXTPPaintManager::SetTheme(xtpThemeOfficeXP); }
};

// Unknown ids make the classic look, keeping the id asked for.
TEST_F(PaintManagerTheme, SetThemeMakesAThemeOfTheIdCurrent)
{
    // Name, id, base theme.
    const std::tuple<const char*, int, int> kCases[] = {
        {"Office XP", xtpThemeOfficeXP, xtpThemeOfficeXP},
        {"Office 2000", xtpThemeOffice2000, xtpThemeOffice2000},
        {"Office 2003", xtpThemeOffice2003, xtpThemeOffice2003},
        {"Windows XP", xtpThemeNativeWinXP, xtpThemeNativeWinXP},
        {"Office 2003 with Luna colours", xtpThemeOffice2003Luna, xtpThemeOffice2003},
        {"an id the factory does not know", 7, xtpThemeOffice2000},
        {"a negative id", -1, xtpThemeOffice2000},
    };
    for (const auto& [name, nTheme, nBase] : kCases)
    {
        CXTPPaintManager* pPaintManager = CXTPPaintManager::SetTheme(nTheme);
        ASSERT_TRUE(pPaintManager != NULL) << name;
        EXPECT_EQ(pPaintManager, XTPPaintManager()) << name;
        EXPECT_EQ(nTheme, pPaintManager->GetThemeId()) << name;
        EXPECT_EQ(nBase, pPaintManager->GetBaseTheme()) << name;
    }
}

TEST_F(PaintManagerTheme, SetThemeReleasesTheObjectItReplaces)
{
    CXTPPaintManager* pOld = CXTPPaintManager::SetTheme(xtpThemeOfficeXP);
    pOld->InternalAddRef();
    CXTPPaintManager::SetTheme(xtpThemeOffice2003);
    EXPECT_EQ(1, pOld->m_dwRef);
    pOld->InternalRelease();
}

TEST_F(PaintManagerTheme, CustomThemeGetsIdFiveAndDoneClearsTheCurrentOne)
{
    CXTPPaintManager* pCustom = new CXTPOfficeXPTheme();
    CXTPPaintManager::SetCustomTheme(pCustom);
    EXPECT_EQ(pCustom, XTPPaintManager());
    EXPECT_EQ(xtpThemeCustom, pCustom->GetThemeId());
    CXTPPaintManager::Done();
    EXPECT_TRUE(XTPPaintManager() == NULL);
}

TEST(PaintManagerColors, TableIndexesAndColoursPassedThrough)
{
    CXTPOfficeXPTheme theme;
    EXPECT_EQ(XTPColorManager()->GetColor(COLOR_BTNFACE), theme.GetColor(COLOR_BTNFACE));
    const int nIndex = 57;
    const COLORREF clr = RGB(1, 2, 3);
    theme.SetColors(1, &nIndex, &clr);
    // Index 57 is the last of the table; above it a value is a colour itself.
    EXPECT_EQ((std::vector<COLORREF>{clr, 58, RGB(200, 100, 50)}),
              (std::vector<COLORREF>{theme.GetColor(57), theme.GetColor(58),
                                     theme.GetColor((int)RGB(200, 100, 50))}));
    // A refresh takes the colour manager's values again.
    theme.RefreshMetrics();
    EXPECT_EQ(XTPColorManager()->GetColor(57), theme.GetColor(57));
}

TEST(PaintManagerColors, StatusBarTextTakesTheButtonTextColour)
{
    CXTPOfficeXPTheme theme;
    EXPECT_EQ(theme.GetColor(COLOR_BTNTEXT), theme.GetStatusBarTextColor());
}

TEST(PaintManagerCaptions, StripMnemonicsAndPrepareMenuCaption)
{
    // Name, caption, stripped of its mnemonics, prepared for a menu.
    const std::tuple<const char*, const char*, const char*, const char*> kCaptionCases[] = {
        {"a mnemonic goes", "&File", "File", "File"},
        {"a doubled ampersand stays single", "Save && &Close", "Save & Close", "Save & Close"},
        {"trailing dots move to the front", "&Open...", "Open...", "...Open"},
        {"dots after a non-letter stay", "Page 2...", "Page 2...", "Page 2..."},
        {"a recent-file number moves to the end", "&1 report.txt", "1 report.txt", "report.txt 1"},
        {"a number before a non-letter stays", "&1 2.txt", "1 2.txt", "1 2.txt"},
        {"short captions stay", "&A", "A", "A"},
    };
    for (const auto& [name, input, stripped, menuCaption] : kCaptionCases)
    {
        CString strStripped(input), strMenu(input);
        CXTPPaintManager::StripMnemonics(strStripped);
        CXTPPaintManager::PrepareMenuCaption(strMenu);
        EXPECT_STREQ(stripped, strStripped) << name;
        EXPECT_STREQ(menuCaption, strMenu) << name;
    }
}

TEST(PaintManagerCaptions, MeasuringTextCountsTheTriangleAndTurnsVerticalText)
{
    CXTPOfficeXPTheme theme;
    PixelCanvas canvas(10, 10);
    canvas.dc().SelectObject(theme.GetRegularFont());
    const CSize szSpace = canvas.dc().GetTextExtent(CString(" "));
    const CSize szText = canvas.dc().GetTextExtent(CString("Edit"));
    const CRect rc(0, 0, 100, 20);
    EXPECT_EQ(szSpace, theme.DrawTextEx(&canvas.dc(), CString(), rc, FALSE, FALSE, FALSE, FALSE));
    EXPECT_EQ(CSize(szSpace.cx + 10, szSpace.cy),
              theme.DrawTextEx(&canvas.dc(), CString(), rc, FALSE, FALSE, FALSE, TRUE));
    EXPECT_EQ(szText, theme.DrawTextEx(&canvas.dc(), CString("&Edit"), rc, FALSE, FALSE, FALSE, FALSE));
    EXPECT_EQ(CSize(szText.cy, szText.cx + 10),
              theme.DrawTextEx(&canvas.dc(), CString("&Edit"), rc, FALSE, TRUE, FALSE, TRUE));
}

TEST(PaintManagerDrawing, CheckMarkStrokesInTheCentredBox)
{
    CXTPOfficeXPTheme theme;
    PixelCanvas canvas(24, 24);
    theme.DrawCheckMark(&canvas.dc(), CRect(2, 2, 22, 22), kRed);
    // Box at (2, 2): strokes (6, 9)-(8, 11)-(13, 6) and one pixel lower.
    EXPECT_EQ("#ff0000 #ff0000 #ff0000", Probe(canvas, {{8, 11}, {10, 13}, {14, 9}}));
    EXPECT_EQ(CRect(8, 9, 15, 15), canvas.PaintedBounds(kWhite));
}

// The status bar drawn with marked colours: face 15, shadow 16, highlight 20.
class StatusBarDrawing : public FrameTest<>
{
protected:
    void Prepare() override
    {
        MarkColors(theme);
        ASSERT_TRUE(statusBar.Create(frame));
        const UINT ids[] = {ID_SEPARATOR, ID_SEPARATOR};
        statusBar.SetIndicators(ids, 2);
        statusBar.SetPaneInfo(0, ID_SEPARATOR, SBPS_STRETCH, 100);
        statusBar.SetPaneInfo(1, ID_SEPARATOR, SBPS_NORMAL, 40);
        statusBar.SetPaneText(0, "Ready");
        statusBar.SetPaneText(1, "CAP");
        frame->RecalcLayout();
        statusBar.GetClientRect(&rcClient);
    }

    // The pane drawn over the filled bar.
    void DrawPane(PixelCanvas& canvas, int nIndex)
    {
        theme.FillStatusBar(&canvas.dc(), &statusBar);
        theme.DrawStatusBarPane(&canvas.dc(), &statusBar, nIndex);
    }

    CXTPOfficeXPTheme theme;
    CStatusBar statusBar;
    CRect rcClient;
};

TEST_F(StatusBarDrawing, LastPaneWithoutStretchIsAsWideAsItsText)
{
    PixelCanvas canvas(rcClient.Width(), rcClient.Height());
    DrawPane(canvas, 1);
    CRect rcPane;
    statusBar.GetItemRect(1, &rcPane);
    const int nRight = rcPane.left + 40 + 3 * ::GetSystemMetrics(SM_CXEDGE);
    EXPECT_EQ("m16 m15", Probe(canvas, {{nRight - 1, rcPane.top + 2}, {nRight, rcPane.top + 2}}));
}

TEST_F(StatusBarDrawing, PaneIsFramedInTheShadowColourWithItsTextUnlessBorderlessOrDisabled)
{
    CRect rcPane;
    statusBar.GetItemRect(0, &rcPane);
    ASSERT_FALSE(rcPane.IsRectEmpty());
    CRect rcInside = rcPane;
    rcInside.DeflateRect(1, 1);
    // Name, style; the pane's top left, bottom right and bottom left corner,
    // and right of the pane; whether it shows its text.
    const std::tuple<const char*, UINT, const char*, bool> kCases[] = {
        {"framed", SBPS_STRETCH, "m16 m16 m16 m15", true},
        {"without border", SBPS_STRETCH | SBPS_NOBORDERS, "m15 m15 m15 m15", true},
        {"disabled", SBPS_STRETCH | SBPS_DISABLED, "m16 m16 m16 m15", false},
    };
    for (const auto& [name, nStyle, frameColors, bText] : kCases)
    {
        statusBar.SetPaneStyle(0, nStyle);
        PixelCanvas canvas(rcClient.Width(), rcClient.Height());
        DrawPane(canvas, 0);
        EXPECT_EQ(frameColors, Probe(canvas, {{rcPane.left, rcPane.top},
                                              {rcPane.right - 1, rcPane.bottom - 1},
                                              {rcPane.left, rcPane.bottom - 1},
                                              {rcPane.right + 1, rcPane.top + 2}}))
            << name;
        EXPECT_EQ(bText, canvas.CountOther(rcInside, Marker(15)) > 0) << name;
    }
}

TEST(PaintManagerBorders, BaseFrameIsSunkenAndTheOfficeXPFrameFlat)
{
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    PixelCanvas flat(20, 20), sunken(20, 20);
    theme.DrawStatusBarPaneBorder(&flat.dc(), CRect(2, 2, 18, 18));
    theme.CXTPPaintManager::DrawStatusBarPaneBorder(&sunken.dc(), CRect(2, 2, 18, 18));
    EXPECT_EQ("m16 m16", Probe(flat, {{2, 2}, {17, 17}}));
    EXPECT_EQ("m16 m20", Probe(sunken, {{2, 2}, {17, 17}}));
}

// The expand button at a toolbar's end is placed from the bar's size the
// measuring call is given; without it, or without a button, every look
// places nothing and measures nothing.
TEST(PaintManagerExpandButton, MeasuringWithoutTheBarSizeOrAButtonPlacesNothing)
{
    CXTPOfficeXPTheme xp;
    CXTPOffice2003Theme office2003;
    CXTPOffice2000Theme office2000;
    CXTPWinXPTheme winxp;
    const std::pair<const char*, CXTPPaintManager*> looks[] = {
        {"Office XP", &xp}, {"Office 2003", &office2003}, {"Office 2000", &office2000},
        {"Windows XP", &winxp}};
    ThemeTestBar bar;
    CXTPControl* pExpand = bar.pBar->GetControls()->Add(xtpControlButton, 41302);
    const CRect rcBefore(5, 6, 7, 8);
    CSize szBar(100, 26);
    for (const auto& [name, pLook] : looks)
    {
        pExpand->SetRect(rcBefore);
        EXPECT_EQ(CSize(0, 0), pLook->DrawSpecialControl(NULL, 0, pExpand, bar.pBar, FALSE, NULL)) << name;
        EXPECT_EQ(rcBefore, pExpand->GetRect()) << name;
        EXPECT_EQ(CSize(0, 0), pLook->DrawSpecialControl(NULL, 0, NULL, bar.pBar, FALSE, &szBar)) << name;
        EXPECT_EQ(CSize(0, 0), pLook->DrawSpecialControl(NULL, 0, pExpand, bar.pBar, FALSE, &szBar)) << name;
        EXPECT_NE(rcBefore, pExpand->GetRect()) << name << ": with the size it is placed";
    }
}

} // namespace

TEST(PaintManagerDrawing, SymbolGlyphsAreEightPointsOfANinetySixPixelInch)
{
    struct Row
    {
        int nLogPixelsX, nLogPixelsY;
        LONG lHeight;
    } rows[] = {
        {96, 96, -11},   // 8 points at 96 pixels per inch, not 8 pixels
        {120, 120, -11}, // the glyph keeps its size in pixels on a finer screen
        {192, 192, -11},
        {96, 120, -13}, // taller pixels than wide ones
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.lHeight, CXTPPaintManager::GetSymbolGlyphHeight(row.nLogPixelsX, row.nLogPixelsY))
            << row.nLogPixelsX << " x " << row.nLogPixelsY;
}
