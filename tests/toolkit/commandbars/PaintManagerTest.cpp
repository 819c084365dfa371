// The paint manager's process-wide instance and theme factory, its colour
// table and its caption helpers.
#include "toolkit/commandbars/XTPPaintManager.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include "tests/support/PixelCanvas.h"

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

} // namespace
