// The main frame's four themes: each theme command sets the command bars'
// paint manager, the controls' theme manager, the status bar, the keyword
// caption's theme and the shared header theme as one table says, and checks
// its menu item; the keyword caption's own Windows XP look, pixel by pixel.
#include "MainFrameFixture.h"
#include "app/KeywordCaptionTheme.h"
#include "resources/Resource.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/commandbars/XTPPaintManager.h"
#include "toolkit/controls/XTFlatBorder.h"
#include "toolkit/controls/XTHeaderCtrl.h"
#include "toolkit/controls/XTHeaderTheme.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTThemeManager.h"

#include <typeinfo>

namespace {

enum CaptionLook
{
    PlainCaption,      // the caption factory's base theme
    Office2003Caption, // the dark-gradient Office 2003 caption
    KeywordCaption     // the keyword pane's own look
};

struct ThemeRow
{
    const char* name;
    UINT nCommand;
    int paintTheme, controlsTheme;
    BOOL statusBarThemed;
    CaptionLook caption;
    int captionThemeId; // of a plain caption
};

const ThemeRow kThemes[] = {
    {"Office XP", ID_THEME_OFFICEXP, 0, 1, TRUE, PlainCaption, 1},
    {"Office 2000", ID_THEME_OFFICE2000, 1, 0, TRUE, PlainCaption, 0},
    {"Office 2003", ID_THEME_OFFICE2003, 2, 2, FALSE, Office2003Caption, 0},
    {"Windows XP", ID_THEME_WINXP, 3, 0, TRUE, KeywordCaption, 0},
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
};

TEST_F(FrameThemeTest, EachThemeCommandSetsEveryThemedPart)
{
    // Run twice, so each theme follows another one.
    for (int pass = 0; pass < 2; ++pass)
    {
        for (const ThemeRow& row : kThemes)
        {
            frame->SendMessage(WM_COMMAND, row.nCommand, 0);
            EXPECT_EQ(row.paintTheme, frame->GetTheme()) << row.name;
            ASSERT_TRUE(XTPPaintManager() != NULL);
            EXPECT_EQ(row.paintTheme, XTPPaintManager()->GetThemeId()) << row.name;
            EXPECT_EQ(row.controlsTheme, XTThemeManager()->GetTheme()) << row.name;
            EXPECT_EQ(row.statusBarThemed, frame->GetStatusBar().IsThemed()) << row.name;

            CXTCaptionTheme* pCaption = CaptionTheme();
            ASSERT_TRUE(pCaption != NULL) << row.name;
            switch (row.caption)
            {
            case PlainCaption:
                EXPECT_TRUE(typeid(*pCaption) == typeid(CXTCaptionTheme)) << row.name;
                EXPECT_EQ(row.captionThemeId, pCaption->GetThemeId()) << row.name;
                break;
            case Office2003Caption:
                ASSERT_TRUE(typeid(*pCaption) == typeid(CXTCaptionThemeOffice2003)) << row.name;
                EXPECT_TRUE(static_cast<CXTCaptionThemeOffice2003*>(pCaption)->GetGradient()) << row.name;
                break;
            case KeywordCaption: // its button takes the Office 2003 button look
                EXPECT_TRUE(typeid(*pCaption) == typeid(CKeywordCaptionTheme)) << row.name;
                EXPECT_TRUE(typeid(*frame->GetTreeView()->GetCaption().GetCaptionButton().GetTheme())
                            == typeid(CXTButtonThemeOffice2003));
                break;
            }
            // The shared caption theme of other captions follows the theme manager.
            EXPECT_NE(pCaption, CXTCaption::GetTheme()) << row.name;

            for (const ThemeRow& other : kThemes)
                EXPECT_EQ(other.nCommand == row.nCommand ? 1 : 0, CheckOf(frame, other.nCommand))
                    << row.name << " / " << other.name;
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
