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
    ~Caption() { caption.DestroyWindow(); }

    CRect TextRect()
    {
        CRect rc;
        caption.CalcTextRect(rc);
        return rc;
    }
    int TextWidth(LPCTSTR lpszText)
    {
        CDC* pDC = caption.GetDC();
        CFont* pOld = pDC->SelectObject(caption.GetFont());
        int cx = pDC->GetTextExtent(lpszText, lstrlenA(lpszText)).cx;
        pDC->SelectObject(pOld);
        caption.ReleaseDC(pDC);
        return cx;
    }
};

} // namespace

TEST(Caption, TextRectangleFitsTheTextWithinTheClientArea)
{
    Caption fixture("Keyword List");
    CRect rc = fixture.TextRect();
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(0, rc.top);
    EXPECT_EQ(20, rc.bottom);
    EXPECT_GT(rc.Width(), fixture.TextWidth("Keyword List") + 12);
    EXPECT_LT(rc.Width(), 200);

    fixture.caption.ModifyCaptionStyle(3);
    rc = fixture.TextRect();
    EXPECT_EQ(CPoint(3, 3), rc.TopLeft());
    EXPECT_EQ(17, rc.bottom);

    // Cut to the client width, less 18 with an icon.
    fixture.caption.ModifyCaptionStyle(0, NULL,
                                       "A caption text far longer than the two hundred pixels of its bar");
    EXPECT_EQ(3 + 200, fixture.TextRect().right);
    fixture.caption.ModifyCaptionStyle(0, NULL, NULL, ::LoadIcon(NULL, IDI_APPLICATION));
    EXPECT_EQ(3 + 200 - 18, fixture.TextRect().right);
}

TEST(Caption, EmptyTextHasNoTextRectangleAndNoButtonArea)
{
    Caption fixture("");
    CRect rc = fixture.TextRect();
    EXPECT_TRUE(rc.IsRectEmpty());
    CRect rcButton;
    fixture.caption.GetButtonRect(rcButton);
    EXPECT_TRUE(rcButton.IsRectEmpty());
}

TEST(Caption, CallersColoursSurviveASystemColourChange)
{
    Caption fixture;
    CXTCaption& caption = fixture.caption;
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), caption.GetFaceColor());
    caption.SetCaptionColors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));
    caption.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(1, 2, 3), caption.GetBorderColor());
    EXPECT_EQ(RGB(4, 5, 6), caption.GetFaceColor());
    EXPECT_EQ(RGB(7, 8, 9), caption.GetTextColor());
    EXPECT_EQ(RGB(4, 5, 6), caption.GetCaptionButton().GetColorFace());

    // Without the caller's colours the system's come back.
    caption.EnableOffice2003Look(FALSE);
    caption.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), caption.GetFaceColor());
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), caption.GetTextColor());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), caption.GetCaptionButton().GetColorFace());
}

TEST(Caption, CloseButtonModeSendsTheCommandAndOpensNoPopup)
{
    Caption fixture("Preview", CaptionStyleRaised | CaptionStyleCloseButton);
    CXTCaptionButton& button = fixture.caption.GetCaptionButton();
    ASSERT_TRUE(button.IsWindowVisible());
    CRect rcButton;
    button.GetWindowRect(&rcButton);
    fixture.caption.ScreenToClient(&rcButton);
    EXPECT_EQ(CRect(200 - 16 - 2, 2, 200 - 2, 17), rcButton);
    EXPECT_EQ(CSize(16, 15), button.GetImageSize());

    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(1, fixture.host.CountCommand(0, kCaptionId));
    EXPECT_EQ((LPARAM)fixture.caption.m_hWnd, fixture.host.m_commands.back().lParam);
    EXPECT_EQ(nullptr, fixture.caption.GetPopup());
}

struct BackRow
{
    const char* name;
    DWORD dwStyle;
    int nBorder;
    int nFaceInset;     // first pixel of the face from the edge
    COLORREF clrCorner; // at (0, 0), 0xFF: the border colour
};

class CaptionBack : public ::testing::TestWithParam<BackRow>
{};

TEST_P(CaptionBack, EdgeBorderAndFace)
{
    const BackRow& row = GetParam();
    Caption fixture("", row.dwStyle);
    fixture.caption.SetCaptionColors(RGB(200, 0, 0), RGB(0, 0, 200), RGB(0, 0, 0));
    fixture.caption.ModifyCaptionStyle(row.nBorder);
    PixelCanvas canvas(200, 20);
    CRect rc(0, 0, 200, 20);
    fixture.caption.DrawCaptionBack(&canvas.dc(), rc);
    COLORREF clrCorner = row.clrCorner == 0xFF ? RGB(200, 0, 0) : XTPGetColor((int)row.clrCorner);
    EXPECT_EQ(clrCorner, canvas.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 200), canvas.Pixel(row.nFaceInset, 10));
    EXPECT_NE(RGB(0, 0, 200), canvas.Pixel(row.nFaceInset - 1, 10));
    if (row.nBorder > 0)
    {
        EXPECT_EQ(RGB(200, 0, 0), canvas.Pixel(row.nFaceInset - 1, 10));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CaptionBack,
    ::testing::Values(BackRow{"FrameWithoutBorder", CaptionStyleFrame, 0, 2, COLOR_3DSHADOW},
                      BackRow{"FrameWithBorderThree", CaptionStyleFrame, 3, 4, COLOR_3DSHADOW},
                      BackRow{"RaisedWithoutBorder", CaptionStyleRaised, 0, 1, COLOR_3DHILIGHT},
                      BackRow{"PlainWithBorderTwo", 0, 2, 2, 0xFF}),
    [](const ::testing::TestParamInfo<BackRow>& info) { return std::string(info.param.name); });

struct ThemeRow
{
    const char* name;
    int nTheme;
    bool bOffice2003Caption;
    bool bOfficeXPButton;
    bool bOffice2003Button;
};

class CaptionThemeChoice : public ::testing::TestWithParam<ThemeRow>
{};

TEST_P(CaptionThemeChoice, ThemeIdPicksCaptionAndButtonThemes)
{
    const ThemeRow& row = GetParam();
    CThemeManagerReset reset;
    Caption fixture;
    XTThemeManager()->SetTheme(row.nTheme);
    CXTCaptionTheme* pTheme = fixture.caption.GetCaptionTheme();
    ASSERT_NE(nullptr, pTheme);
    EXPECT_EQ(row.bOffice2003Caption, dynamic_cast<CXTCaptionThemeOffice2003*>(pTheme) != nullptr);
    CXTButtonTheme* pButtonTheme = fixture.caption.GetCaptionButton().GetTheme();
    EXPECT_EQ(row.bOfficeXPButton, dynamic_cast<CXTCaptionButtonThemeOfficeXP*>(pButtonTheme) != nullptr);
    EXPECT_EQ(row.bOffice2003Button, dynamic_cast<CXTCaptionButtonThemeOffice2003*>(pButtonTheme) != nullptr);
    EXPECT_EQ(!row.bOfficeXPButton && !row.bOffice2003Button,
              dynamic_cast<CXTCaptionButtonTheme*>(pButtonTheme) != nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CaptionThemeChoice,
    ::testing::Values(ThemeRow{"DefaultGivesPlainButton", 0, false, false, false},
                      ThemeRow{"OfficeXPGivesBaseCaptionWithOfficeXPButton", 1, false, true, false},
                      ThemeRow{"Office2003GivesGradientCaption", 2, true, false, true},
                      ThemeRow{"WindowsXPGivesBaseCaptionWithOfficeXPButton", 3, false, true, false}),
    [](const ::testing::TestParamInfo<ThemeRow>& info) { return std::string(info.param.name); });

TEST(Caption, Office2003LookIsPrivateAndUsesTheCallersColours)
{
    Caption fixture;
    fixture.caption.EnableOffice2003Look(TRUE);
    EXPECT_NE(nullptr, dynamic_cast<CXTCaptionThemeOffice2003*>(fixture.caption.GetCaptionTheme()));
    EXPECT_EQ(nullptr, dynamic_cast<CXTCaptionThemeOffice2003*>(CXTCaption::GetTheme()));
    EXPECT_TRUE(fixture.caption.HasUserColors());
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
    ~PaneWithCaption()
    {
        pane.DestroyWindow();
        container.DestroyWindow();
    }
    HWND PaneParent() { return ::GetParent(pane.m_hWnd); }
};

} // namespace

TEST(CaptionPopup, AttachingAPaneShowsTheTextButton)
{
    Caption plain;
    EXPECT_FALSE(plain.caption.GetCaptionButton().IsWindowVisible());
    PaneWithCaption fixture;
    EXPECT_TRUE(fixture.caption.GetCaptionButton().IsWindowVisible());
}

TEST(CaptionPopup, PinningGivesThePaneBackAndTellsTheOwner)
{
    PaneWithCaption fixture;
    ASSERT_TRUE(fixture.caption.ShowPopup());
    CXTCaptionPopupWnd* pPopup = fixture.caption.GetPopup();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(pPopup->m_hWnd, fixture.PaneParent());
    EXPECT_TRUE(pPopup->IsWindowVisible());
    // A second click while it is open changes nothing.
    EXPECT_TRUE(fixture.caption.ShowPopup());
    EXPECT_EQ(pPopup, fixture.caption.GetPopup());
    // With theme 0 the push pin keeps the default style flags.
    EXPECT_EQ((DWORD)ButtonStyleFlat, pPopup->GetPushPin().GetXButtonStyle());

    CXTCaptionButton& pin = pPopup->GetPushPin();
    pin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    pin.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    // The popup has only posted its message: it still exists here.
    EXPECT_EQ(pPopup, fixture.caption.GetPopup());
    PumpPending();
    EXPECT_EQ(nullptr, fixture.caption.GetPopup());
    EXPECT_EQ(fixture.container.m_hWnd, fixture.PaneParent());
    EXPECT_EQ(1, fixture.host.CountMessage(WM_CAPTION_POPUP_PINNED));
    EXPECT_FALSE(fixture.caption.GetCaptionButton().IsWindowVisible());
    CRect rcPane;
    fixture.pane.GetWindowRect(&rcPane);
    fixture.container.ScreenToClient(&rcPane);
    EXPECT_EQ(0, rcPane.top);
}

TEST(CaptionPopup, FocusElsewhereClosesItOnceAndGivesThePaneBack)
{
    PaneWithCaption fixture;
    ASSERT_TRUE(fixture.caption.ShowPopup());
    CXTCaptionPopupWnd* pPopup = fixture.caption.GetPopup();
    fixture.pane.SetFocus();
    ASSERT_EQ(fixture.pane.m_hWnd, ::GetFocus());
    EXPECT_FALSE(pPopup->CheckFocusLost());

    fixture.host.SetFocus();
    pPopup->SendMessage(WM_TIMER, CXTCaptionPopupWnd::TimerFocus);
    pPopup->SendMessage(WM_TIMER, CXTCaptionPopupWnd::TimerFocus);
    PumpPending();
    EXPECT_EQ(nullptr, fixture.caption.GetPopup());
    EXPECT_EQ(fixture.container.m_hWnd, fixture.PaneParent());
    EXPECT_EQ(1, fixture.host.CountMessage(WM_CAPTION_POPUP_CLOSED));
    EXPECT_TRUE(fixture.caption.GetCaptionButton().IsWindowVisible());
}

TEST(CaptionPopup, ClosingThePopupAnyWayGivesThePaneBack)
{
    PaneWithCaption fixture;
    ASSERT_TRUE(fixture.caption.ShowPopup());
    fixture.caption.ClosePopup();
    EXPECT_EQ(fixture.container.m_hWnd, fixture.PaneParent());
    EXPECT_EQ(nullptr, fixture.caption.GetPopup());
    PumpPending();
    EXPECT_EQ(0, fixture.host.CountMessage(WM_CAPTION_POPUP_CLOSED));
}

TEST(Caption, IconIsDrawnOnlyWhereItFits)
{
    Caption fixture;
    fixture.caption.ModifyCaptionStyle(0, NULL, NULL, ::LoadIcon(NULL, IDI_APPLICATION));
    CSize sizeIcon = fixture.caption.GetIconSize();
    for (int nWidth : {(int)sizeIcon.cx, (int)sizeIcon.cx + 4})
    {
        PixelCanvas canvas(nWidth, 20, RGB(1, 2, 3));
        CRect rc(0, 0, nWidth, 20);
        fixture.caption.DrawCaptionIcon(&canvas.dc(), rc);
        EXPECT_EQ(nWidth > sizeIcon.cx, canvas.CountOther(RGB(1, 2, 3)) > 0) << nWidth;
    }
}

TEST(Caption, Office2003BackIsFramedWithItsGradientAndUnderlinedWithout)
{
    Caption fixture;
    COLORREF clrFrame = XTPGetColor(54);
    for (BOOL bGradient : {TRUE, FALSE})
    {
        CXTCaptionThemeOffice2003 theme(bGradient);
        theme.RefreshMetrics();
        PixelCanvas canvas(100, 20, RGB(1, 2, 3));
        CRect rc(0, 0, 100, 20);
        theme.DrawCaptionBack(&canvas.dc(), &fixture.caption, rc);
        EXPECT_EQ(clrFrame, canvas.Pixel(50, 19));
        EXPECT_EQ(bGradient != FALSE, canvas.Pixel(50, 0) == clrFrame && canvas.Pixel(0, 10) == clrFrame);
    }
}
