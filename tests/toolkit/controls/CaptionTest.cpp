// The caption bar and its themes: text rectangle, colours through system
// colour changes, close-button mode, edges and faces, theme choice; the
// caption popup borrowing its pane and giving it back.
#include "tests/toolkit/controls/ScopedThemes.h"
#include <gtest/gtest.h>
#include "NotifyRecorderWnd.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/controls/XTCaption.h"
#include "toolkit/controls/XTCaptionPopupWnd.h"
#include "toolkit/controls/XTCaptionTheme.h"
#include "toolkit/foundation/XTPColorManager.h"

namespace {

const UINT kCaptionId = 1001;

struct Caption
{
    NotifyRecorderWnd& host = TestHost();
    CXTCaption caption;

    explicit Caption(LPCTSTR lpszText = "Keyword List", DWORD dwCaptionStyle = CaptionStyleRaised,
                     CRect rect = CRect(300, 60, 500, 80))
    {
        caption.CreateCaption(&host, lpszText, dwCaptionStyle, WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, rect,
                              kCaptionId);
        caption.SetOwner(&host);
    }

    CRect TextRect()
    {
        CRect rc;
        caption.CalcTextRect(rc);
        return rc;
    }
};

} // namespace

class CaptionTest : public ::testing::Test, public Caption
{};

TEST_F(CaptionTest, TextRectangleFitsTheTextWithinTheClientArea)
{
    CRect rc = TextRect();
    CClientDC dc(&caption);
    dc.SelectObject(caption.GetFont());
    EXPECT_GT(rc.Width(), dc.GetTextExtent("Keyword List", 12).cx + 12);
    EXPECT_LT(rc.Width(), 200);
    EXPECT_EQ(CRect(0, 0, rc.right, 20), rc);

    caption.ModifyCaptionStyle(3);
    rc = TextRect();
    EXPECT_EQ(CRect(3, 3, rc.right, 17), rc);

    // Cut to the client width, less 18 with an icon.
    caption.ModifyCaptionStyle(0, NULL, "A caption text far longer than the two hundred pixels of its bar");
    EXPECT_EQ(3 + 200, TextRect().right);
    caption.ModifyCaptionStyle(0, NULL, NULL, ::LoadIcon(NULL, IDI_APPLICATION));
    EXPECT_EQ(3 + 200 - 18, TextRect().right);
}

TEST_F(CaptionTest, IconIsDrawnOnlyWhereItFits)
{
    caption.ModifyCaptionStyle(0, NULL, NULL, ::LoadIcon(NULL, IDI_APPLICATION));
    CSize sizeIcon = caption.GetIconSize();
    for (int nWidth : {(int)sizeIcon.cx, (int)sizeIcon.cx + 4})
    {
        PixelCanvas canvas(nWidth, 20, RGB(1, 2, 3));
        CRect rc(0, 0, nWidth, 20);
        caption.DrawCaptionIcon(&canvas.dc(), rc);
        EXPECT_EQ(nWidth > sizeIcon.cx, canvas.CountOther(RGB(1, 2, 3)) > 0) << nWidth;
    }
}

TEST_F(CaptionTest, CallersColoursSurviveASystemColourChange)
{
    auto colours = [this]() {
        return std::vector<COLORREF>{caption.GetFaceColor(), caption.GetTextColor(),
                                     caption.GetCaptionButton().GetColorFace()};
    };
    caption.SetCaptionColors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));
    caption.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(1, 2, 3), caption.GetBorderColor());
    EXPECT_EQ(std::vector<COLORREF>({RGB(4, 5, 6), RGB(7, 8, 9), RGB(4, 5, 6)}), colours());

    // Without the caller's colours the system's come back.
    caption.EnableOffice2003Look(FALSE);
    caption.SendMessage(WM_SYSCOLORCHANGE);
    COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(std::vector<COLORREF>({clrFace, ::GetSysColor(COLOR_BTNTEXT), clrFace}), colours());
}

TEST(CaptionLook, CloseButtonModeSendsTheCommandAndOpensNoPopup)
{
    Caption fixture("Preview", CaptionStyleRaised | CaptionStyleCloseButton);
    CXTCaptionButton& button = fixture.caption.GetCaptionButton();
    ASSERT_TRUE(button.IsWindowVisible());
    EXPECT_EQ(std::make_pair(CRect(200 - 16 - 2, 2, 200 - 2, 17), CSize(16, 15)),
              std::make_pair(RectInParent(&button), button.GetImageSize()));

    ClickAt(button, CPoint(5, 5));
    ASSERT_EQ(1, fixture.host.Count(WM_COMMAND, kCaptionId));
    EXPECT_EQ((LPARAM)fixture.caption.m_hWnd, fixture.host.m_messages.back().lParam);
    EXPECT_EQ(nullptr, fixture.caption.GetPopup());
}

TEST(CaptionLook, EdgeBorderAndFace)
{
    struct Row
    {
        const char* name;
        // The style, the border, the first pixel of the face from the edge, the colour
        // index at (0, 0) (-1: the border colour).
        int dwStyle, nBorder, nFaceInset, nCorner;
    } rows[] = {
        {"frame without border", CaptionStyleFrame, 0, 2, COLOR_3DSHADOW},
        {"frame with border three", CaptionStyleFrame, 3, 4, COLOR_3DSHADOW},
        {"raised without border", CaptionStyleRaised, 0, 1, COLOR_3DHILIGHT},
        {"plain with border two", 0, 2, 2, -1},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        Caption fixture("", row.dwStyle);
        fixture.caption.SetCaptionColors(RGB(200, 0, 0), RGB(0, 0, 200), RGB(0, 0, 0));
        fixture.caption.ModifyCaptionStyle(row.nBorder);
        PixelCanvas canvas(200, 20);
        CRect rc(0, 0, 200, 20);
        fixture.caption.DrawCaptionBack(&canvas.dc(), rc);
        EXPECT_EQ(row.nCorner < 0 ? RGB(200, 0, 0) : XTPGetColor(row.nCorner), canvas.Pixel(0, 0));
        EXPECT_EQ(RGB(0, 0, 200), canvas.Pixel(row.nFaceInset, 10));
        COLORREF clrBeforeFace = canvas.Pixel(row.nFaceInset - 1, 10);
        EXPECT_TRUE(row.nBorder > 0 ? clrBeforeFace == RGB(200, 0, 0) : clrBeforeFace != RGB(0, 0, 200));
    }
}

TEST(CaptionLook, WithoutTextThereIsNoTextRectangleNorButton)
{
    for (int dwStyle : {(int)CaptionStyleFrame, (int)CaptionStyleRaised, 0})
    {
        Caption fixture("", dwStyle);
        CRect rcButton;
        fixture.caption.GetButtonRect(rcButton);
        EXPECT_TRUE(fixture.TextRect().IsRectEmpty() && rcButton.IsRectEmpty()) << dwStyle;
        EXPECT_FALSE(fixture.caption.GetCaptionButton().IsWindowVisible()) << dwStyle;
    }
}

TEST_F(CaptionTest, ThemeIdPicksCaptionAndButtonThemes)
{
    CThemeManagerReset reset;
    std::string themes;
    for (int nTheme : {0, 1, 2, 3})
    {
        XTThemeManager()->SetTheme(nTheme);
        themes += ClassName(*caption.GetCaptionTheme()) + " "
                  + ClassName(*caption.GetCaptionButton().GetTheme()) + "|";
    }
    EXPECT_EQ("CXTCaptionTheme CXTCaptionButtonTheme|CXTCaptionTheme CXTCaptionButtonThemeOfficeXP|"
              "CXTCaptionThemeOffice2003 CXTCaptionButtonThemeOffice2003|"
              "CXTCaptionTheme CXTCaptionButtonThemeOfficeXP|",
              themes);
}

TEST_F(CaptionTest, Office2003BackIsFramedWithItsGradientAndUnderlinedWithout)
{
    COLORREF clrFrame = XTPGetColor(54);
    for (BOOL bGradient : {TRUE, FALSE})
    {
        CXTCaptionThemeOffice2003 theme(bGradient);
        theme.RefreshMetrics();
        PixelCanvas canvas(100, 20, RGB(1, 2, 3));
        CRect rc(0, 0, 100, 20);
        theme.DrawCaptionBack(&canvas.dc(), &caption, rc);
        EXPECT_EQ(clrFrame, canvas.Pixel(50, 19));
        EXPECT_EQ(bGradient != FALSE, canvas.Pixel(50, 0) == clrFrame && canvas.Pixel(0, 10) == clrFrame);
    }
}

// The caption's own Office 2003 look is private and uses the caller's colours.
TEST_F(CaptionTest, OwnOffice2003LookIsPrivateAndUsesTheCallersColours)
{
    caption.EnableOffice2003Look(TRUE);
    EXPECT_EQ("CXTCaptionThemeOffice2003 CXTCaptionTheme",
              ClassName(*caption.GetCaptionTheme()) + " " + ClassName(*CXTCaption::GetTheme()));
    EXPECT_TRUE(caption.HasUserColors());
}

// ---- the popup ----

namespace {

// A pane inside a container inside the host, with a caption over it.
struct PaneWithCaption : Caption
{
    CStatic container;
    CEdit pane;

    PaneWithCaption() : Caption("Keyword List", CaptionStyleRaised, CRect(300, 80, 500, 100))
    {
        container.Create("", WS_CHILD | WS_VISIBLE, CRect(300, 100, 500, 300), &host, 2000);
        pane.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 200, 200), &container, 2001);
        caption.SetChildWindow(&pane, &host);
    }
    HWND PaneParent() { return ::GetParent(pane.m_hWnd); }
};

} // namespace

class CaptionPopup : public ::testing::Test, public PaneWithCaption
{};

TEST_F(CaptionPopup, PinningGivesThePaneBackAndTellsTheOwner)
{
    EXPECT_TRUE(caption.GetCaptionButton().IsWindowVisible()) << "a pane shows the text button";
    ASSERT_TRUE(caption.ShowPopup());
    CXTCaptionPopupWnd* pPopup = caption.GetPopup();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(pPopup->m_hWnd, PaneParent());
    EXPECT_TRUE(pPopup->IsWindowVisible());
    // A second click while it is open changes nothing.
    EXPECT_TRUE(caption.ShowPopup());
    EXPECT_EQ(pPopup, caption.GetPopup());
    // With theme 0 the push pin keeps the default style flags.
    EXPECT_EQ((DWORD)ButtonStyleFlat, pPopup->GetPushPin().GetXButtonStyle());

    ClickAt(pPopup->GetPushPin(), CPoint(3, 3));
    // The popup has only posted its message: it still exists here.
    EXPECT_EQ(pPopup, caption.GetPopup());
    PumpPending();
    EXPECT_EQ(nullptr, caption.GetPopup());
    EXPECT_EQ(container.m_hWnd, PaneParent());
    EXPECT_EQ(1, host.Count(WM_CAPTION_POPUP_PINNED));
    EXPECT_FALSE(caption.GetCaptionButton().IsWindowVisible());
    EXPECT_EQ(0, RectInParent(&pane).top);

    // Closed by its caption, it gives the pane back and tells nobody.
    ASSERT_TRUE(caption.ShowPopup());
    caption.ClosePopup();
    EXPECT_EQ(container.m_hWnd, PaneParent());
    EXPECT_EQ(nullptr, caption.GetPopup());
    PumpPending();
    EXPECT_EQ(0, host.Count(WM_CAPTION_POPUP_CLOSED));
}

TEST_F(CaptionPopup, FocusElsewhereClosesItOnceAndGivesThePaneBack)
{
    ASSERT_TRUE(caption.ShowPopup());
    CXTCaptionPopupWnd* pPopup = caption.GetPopup();
    pane.SetFocus();
    ASSERT_EQ(pane.m_hWnd, ::GetFocus());
    EXPECT_FALSE(pPopup->CheckFocusLost());

    host.SetFocus();
    pPopup->SendMessage(WM_TIMER, CXTCaptionPopupWnd::TimerFocus);
    pPopup->SendMessage(WM_TIMER, CXTCaptionPopupWnd::TimerFocus);
    PumpPending();
    EXPECT_EQ(nullptr, caption.GetPopup());
    EXPECT_EQ(container.m_hWnd, PaneParent());
    EXPECT_EQ(1, host.Count(WM_CAPTION_POPUP_CLOSED));
    EXPECT_TRUE(caption.GetCaptionButton().IsWindowVisible());
}
