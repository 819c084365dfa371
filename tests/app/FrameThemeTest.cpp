// The main frame's four themes: each theme command sets the command bars'
// paint manager, the controls' theme manager, the status bar, the keyword
// caption's theme and the shared header theme as one table says, and checks
// its menu item; the keyword caption's own Windows XP look, pixel by pixel.
#include "MainFrameFixture.h"
#include "app/KeywordCaptionTheme.h"
#include "resources/Resource.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/controls/XTFlatBorder.h"
#include "toolkit/controls/XTHeaderCtrl.h"
#include "toolkit/controls/XTHeaderTheme.h"
#include "toolkit/controls/XTProfileManager.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTThemeManager.h"

#include <typeinfo>

namespace {

struct ThemeRow
{
    const char* name;
    UINT nCommand;
    // The frame's and the paint manager's theme, the controls' theme, the
    // status bar and the keyword caption's theme.
    const char* expected;
};

const ThemeRow kThemes[] = {
    {"Office XP", ID_THEME_OFFICEXP, "frame 0, paint 0, controls 1, status themed, caption plain 1"},
    {"Office 2000", ID_THEME_OFFICE2000, "frame 1, paint 1, controls 0, status themed, caption plain 0"},
    {"Office 2003", ID_THEME_OFFICE2003,
     "frame 2, paint 2, controls 2, status plain, caption Office 2003 gradient"},
    // The keyword caption's button takes the Office 2003 button look.
    {"Windows XP", ID_THEME_WINXP,
     "frame 3, paint 3, controls 0, status themed, caption keyword, Office 2003 button"},
};

class FrameThemeTest : public MainFrameTest
{
protected:
    void TearDown() override
    {
        // The look every other frame case starts with.
        if (frame != NULL)
            frame->SetTheme(xtpThemeOffice2003);
        MainFrameTest::TearDown();
        // The shared header theme outlives the frame: back to the theme
        // manager's own, so other cases see the header they expect.
        CXTHeaderCtrl::SetSharedTheme(XTThemeManager()->GetTheme());
    }

    CXTCaptionTheme* CaptionTheme() { return frame->GetTreeView()->GetCaption().GetCaptionTheme(); }

    // The frame's and the paint manager's theme, the controls' theme, the
    // status bar and the caption, as the rows write them.
    std::string Look()
    {
        char look[64];
        snprintf(look, sizeof look, "frame %d, paint %d, controls %d, status %s, caption ", frame->GetTheme(),
                 XTPPaintManager()->GetThemeId(), XTThemeManager()->GetTheme(),
                 frame->GetStatusBar().IsThemed() ? "themed" : "plain");
        return look + CaptionLook();
    }

    std::string CaptionLook()
    {
        CXTCaptionTheme* pCaption = CaptionTheme();
        if (typeid(*pCaption) == typeid(CXTCaptionTheme))
            return "plain " + std::to_string(pCaption->GetThemeId());
        if (typeid(*pCaption) == typeid(CXTCaptionThemeOffice2003))
            return static_cast<CXTCaptionThemeOffice2003*>(pCaption)->GetGradient() ? "Office 2003 gradient"
                                                                                    : "Office 2003 flat";
        const bool office2003Button =
            typeid(*frame->GetTreeView()->GetCaption().GetCaptionButton().GetTheme())
            == typeid(CXTButtonThemeOffice2003);
        return std::string(typeid(*pCaption) == typeid(CKeywordCaptionTheme) ? "keyword, " : "other, ")
               + (office2003Button ? "Office 2003 button" : "other button");
    }
};

// A frame started with a stored theme looks as the theme's command makes it.
TEST_F(FrameThemeTest, TheStoredThemeSetsEveryThemedPartAtStartUp)
{
    // The stored theme lives under the application's registry key.
    AfxGetApp()->SetRegistryKey("Quorvane Tidewatch Test Applications");
    for (const ThemeRow& row : kThemes)
    {
        DestroyFrame();
        const int nTheme = (int)(&row - kThemes); // the rows are in theme-id order
        CXTProfileManager(HKEY_CURRENT_USER).WriteProfileInt("Settings", "Theme", nTheme);
        CreateFrame();
        ASSERT_TRUE(XTPPaintManager() != NULL && CaptionTheme() != NULL);
        EXPECT_EQ(row.expected, Look()) << row.name;
    }
}

TEST_F(FrameThemeTest, EachThemeCommandSetsEveryThemedPart)
{
    // Run twice, so each theme follows another one.
    for (int pass = 0; pass < 2; ++pass)
    {
        for (const ThemeRow& row : kThemes)
        {
            frame->SendMessage(WM_COMMAND, row.nCommand, 0);
            ASSERT_TRUE(XTPPaintManager() != NULL && CaptionTheme() != NULL);
            EXPECT_EQ(row.expected, Look());
            // The shared caption theme of other captions follows the theme manager.
            EXPECT_NE(CaptionTheme(), CXTCaption::GetTheme()) << row.name;

            std::string checks, expected;
            for (const ThemeRow& other : kThemes)
            {
                checks += std::to_string(CheckOf(frame, other.nCommand));
                expected += other.nCommand == row.nCommand ? "1" : "0";
            }
            EXPECT_EQ(expected, checks) << row.name << ": the menu's check marks";
        }
    }
}

TEST_F(FrameThemeTest, WindowsXPHeaderStaysAfterOffice2003)
{
    frame->SendMessage(WM_COMMAND, ID_THEME_OFFICE2003, 0);
    ASSERT_TRUE(CXTHeaderCtrl::GetSharedTheme() != NULL);
    EXPECT_TRUE(typeid(*CXTHeaderCtrl::GetSharedTheme()) == typeid(CXTHeaderThemeOffice2003));
    frame->SendMessage(WM_COMMAND, ID_THEME_WINXP, 0);
    EXPECT_TRUE(typeid(*CXTHeaderCtrl::GetSharedTheme()) == typeid(CXTHeaderThemeWinXP));
    frame->SendMessage(WM_COMMAND, ID_THEME_OFFICE2003, 0);
    EXPECT_TRUE(typeid(*CXTHeaderCtrl::GetSharedTheme()) == typeid(CXTHeaderThemeWinXP));
    EXPECT_EQ(2, XTThemeManager()->GetTheme());
}

// The Windows XP caption: face, a highlight line along the top and the left
// edge, the flat-border line along the bottom.
TEST_F(FrameThemeTest, KeywordCaptionDrawsItsEdges)
{
    frame->SendMessage(WM_COMMAND, ID_THEME_WINXP, 0);
    PixelCanvas canvas(60, 20, RGB(1, 2, 3));
    CKeywordCaptionTheme theme;
    theme.RefreshMetrics();
    CRect rect(0, 0, 60, 20);
    theme.DrawCaptionBack(&canvas.dc(), &frame->GetTreeView()->GetCaption(), rect);
    const COLORREF face = XTPGetColor(COLOR_3DFACE);
    const COLORREF highlight = XTPGetColor(COLOR_3DHILIGHT);
    const COLORREF border = XTFlatBorderColor(TRUE);
    ASSERT_NE(face, border);
    EXPECT_EQ(0, canvas.CountOther(CRect(0, 0, 60, 1), highlight));
    EXPECT_EQ(0, canvas.CountOther(CRect(0, 0, 1, 19), highlight));
    EXPECT_EQ(0, canvas.CountOther(CRect(1, 19, 60, 20), border));
    EXPECT_EQ(0, canvas.CountOther(CRect(1, 1, 60, 19), face));
    EXPECT_EQ(TRANSPARENT, canvas.dc().GetBkMode());
}

} // namespace
