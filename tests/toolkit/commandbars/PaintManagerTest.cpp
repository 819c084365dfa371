// The paint manager's process-wide instance and theme factory, its colour
// table, its caption helpers and its status-bar services on a real status
// bar: panes framed flat in the shadow colour with their text, a last pane
// as wide as its text, and panes without border or disabled.
#include "framework/Controls.h"
#include "toolkit/commandbars/XTPPaintManager.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include "tests/support/PixelCanvas.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

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
    const struct
    {
        const char* name;
        int nTheme, nBase;
    } kCases[] = {
        {"Office XP", xtpThemeOfficeXP, xtpThemeOfficeXP},
        {"Office 2000", xtpThemeOffice2000, xtpThemeOffice2000},
        {"Office 2003", xtpThemeOffice2003, xtpThemeOffice2003},
        {"Windows XP", xtpThemeNativeWinXP, xtpThemeNativeWinXP},
        {"Office 2003 with Luna colours", xtpThemeOffice2003Luna, xtpThemeOffice2003},
        {"an id the factory does not know", 7, xtpThemeOffice2000},
        {"a negative id", -1, xtpThemeOffice2000},
    };
    for (const auto& c : kCases)
    {
        CXTPPaintManager* pPaintManager = CXTPPaintManager::SetTheme(c.nTheme);
        ASSERT_TRUE(pPaintManager != NULL) << c.name;
        EXPECT_EQ(pPaintManager, XTPPaintManager()) << c.name;
        EXPECT_EQ(c.nTheme, pPaintManager->GetThemeId()) << c.name;
        EXPECT_EQ(c.nBase, pPaintManager->GetBaseTheme()) << c.name;
    }
    EXPECT_TRUE(XTPPaintManager()->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
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
    EXPECT_EQ(theme.GetColor(COLOR_BTNTEXT), theme.GetStatusBarTextColor());
}

TEST(PaintManagerCaptions, StripMnemonicsAndPrepareMenuCaption)
{
    const struct
    {
        const char* name;
        const char* input;
        const char* stripped;
        const char* menuCaption;
    } kCaptionCases[] = {
        {"a mnemonic goes", "&File", "File", "File"},
        {"a doubled ampersand stays single", "Save && &Close", "Save & Close", "Save & Close"},
        {"trailing dots move to the front", "&Open...", "Open...", "...Open"},
        {"dots after a non-letter stay", "Page 2...", "Page 2...", "Page 2..."},
        {"a recent-file number moves to the end", "&1 report.txt", "1 report.txt", "report.txt 1"},
        {"a number before a non-letter stays", "&1 2.txt", "1 2.txt", "1 2.txt"},
        {"short captions stay", "&A", "A", "A"},
    };
    for (const auto& c : kCaptionCases)
    {
        SCOPED_TRACE(c.name);
        CString strStripped(c.input);
        CXTPPaintManager::StripMnemonics(strStripped);
        EXPECT_STREQ(c.stripped, strStripped);
        CString strMenu(c.input);
        CXTPPaintManager::PrepareMenuCaption(strMenu);
        EXPECT_STREQ(c.menuCaption, strMenu);
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
    for (CPoint pt : {CPoint(8, 11), CPoint(10, 13), CPoint(14, 9)})
        EXPECT_EQ(kRed, canvas.Pixel(pt.x, pt.y));
    EXPECT_EQ(CRect(8, 9, 15, 15), canvas.PaintedBounds(kWhite));
}

const COLORREF kShadow = RGB(10, 20, 30);
const COLORREF kHighlight = RGB(40, 50, 60);
const COLORREF kFace = RGB(70, 80, 90);

class StatusBarDrawing : public FrameTest<>
{
protected:
    void Prepare() override
    {
        const int nIndexes[] = {COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
        const COLORREF colors[] = {kFace, kShadow, kHighlight};
        theme.SetColors(3, nIndexes, colors);
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
    EXPECT_EQ(kShadow, canvas.Pixel(nRight - 1, rcPane.top + 2));
    EXPECT_EQ(kFace, canvas.Pixel(nRight, rcPane.top + 2));
}

TEST_F(StatusBarDrawing, PaneIsFramedInTheShadowColourWithItsTextUnlessBorderlessOrDisabled)
{
    CRect rcPane;
    statusBar.GetItemRect(0, &rcPane);
    ASSERT_FALSE(rcPane.IsRectEmpty());
    CRect rcInside = rcPane;
    rcInside.DeflateRect(1, 1);
    PixelCanvas canvas(rcClient.Width(), rcClient.Height());
    DrawPane(canvas, 0);
    EXPECT_EQ(kShadow, canvas.Pixel(rcPane.left, rcPane.top));
    EXPECT_EQ(kShadow, canvas.Pixel(rcPane.right - 1, rcPane.bottom - 1));
    EXPECT_EQ(kShadow, canvas.Pixel(rcPane.left, rcPane.bottom - 1));
    EXPECT_GT(canvas.CountOther(rcInside, kFace), 0) << "the text";
    EXPECT_EQ(kFace, canvas.Pixel(rcPane.right + 1, rcPane.top + 2)) << "outside the pane only the face";

    statusBar.SetPaneStyle(0, SBPS_STRETCH | SBPS_NOBORDERS);
    PixelCanvas noBorder(rcClient.Width(), rcClient.Height());
    DrawPane(noBorder, 0);
    EXPECT_EQ(kFace, noBorder.Pixel(rcPane.left, rcPane.top));
    EXPECT_GT(noBorder.CountOther(rcInside, kFace), 0);

    statusBar.SetPaneStyle(0, SBPS_STRETCH | SBPS_DISABLED);
    PixelCanvas disabled(rcClient.Width(), rcClient.Height());
    DrawPane(disabled, 0);
    EXPECT_EQ(kShadow, disabled.Pixel(rcPane.left, rcPane.top));
    EXPECT_EQ(0, disabled.CountOther(rcInside, kFace));
}

TEST(PaintManagerBorders, BaseFrameIsSunkenAndTheOfficeXPFrameFlat)
{
    CXTPOfficeXPTheme theme;
    const int nIndexes[] = {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    const COLORREF colors[] = {kShadow, kHighlight};
    theme.SetColors(2, nIndexes, colors);
    PixelCanvas flat(20, 20);
    theme.DrawStatusBarPaneBorder(&flat.dc(), CRect(2, 2, 18, 18));
    EXPECT_EQ(kShadow, flat.Pixel(2, 2));
    EXPECT_EQ(kShadow, flat.Pixel(17, 17));
    PixelCanvas sunken(20, 20);
    theme.CXTPPaintManager::DrawStatusBarPaneBorder(&sunken.dc(), CRect(2, 2, 18, 18));
    EXPECT_EQ(kShadow, sunken.Pixel(2, 2));
    EXPECT_EQ(kHighlight, sunken.Pixel(17, 17));
}

} // namespace
