// The thirteen themes: each id's painter with the metrics and colours its
// theme gives (without a Windows XP scheme, as here, and with the blue one
// set on the colour manager), pixel probes where a theme is about pixels,
// the recolouring of the round buttons and the screenshots of every theme.
#include "TaskPanelTestSupport.h"

#include "framework/Controls.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/taskpanel/XTPTaskPanelResource.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelButtonPainters.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelHsl.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelOpenFramePainter.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelShellStylePainter.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelThemes.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <typeinfo>

namespace {

COLORREF Sys(int nIndex)
{
    return XTPGetColor(nIndex);
}

// What a painter's settings say: expand button, highlight, margins and
// spacing, drag mark, scroll buttons, disabled text, caption weight.
std::string Settings(CXTPTaskPanelPainter* p)
{
    std::ostringstream os;
    os << "expand " << p->GetExpandButtonStyle() << ", highlight " << p->GetHighlightStyle() << ", inner "
       << Text(p->GetGroupInnerMarginsDefault()) << ", margins " << Text(p->GetControlMarginsDefault())
       << ", spacing " << p->GetGroupSpacingDefault() << (p->IsInsertAfter() ? ", invert mark" : "")
       << (p->IsClassicScrollButton() ? ", classic scroll" : "") << (p->IsEmbossedDisabledText() ? ", emboss" : "")
       << (p->IsBoldCaption() ? "" : ", plain caption") << (p->IsOpenClientFrame() ? ", open frame" : "");
    return os.str();
}

TEST(TaskPanelThemes, EachIdMakesItsPainterWithItsSettings)
{
    struct Row
    {
        int nTheme;
        const char* className;
        const char* settings;
    } rows[] = {
        {0, "CXTPTaskPanelPainter", "expand 2, highlight 0, inner 11 8 11 8, margins 12 12 12 12, spacing 15"},
        {1, "CXTPTaskPanelOpenFramePainter",
         "expand 0, highlight 2, inner 11 8 11 8, margins 8 8 0 8, spacing 15, open frame"},
        {2, "CXTPTaskPanelShellStylePainter", "expand 1, highlight 2, inner 11 8 11 8, margins 12 12 12 12, spacing 15"},
        {3, "CXTPTaskPanelListPainter", "expand 3, highlight 0, inner 11 8 11 8, margins 12 12 12 12, spacing 15"},
        {4, "CXTPTaskPanelFlatListPainter", "expand 0, highlight 1, inner 11 8 11 8, margins 12 12 12 12, spacing 15"},
        {5, "CXTPTaskPanelSchemeListPainter", "expand 0, highlight 2, inner 11 8 11 8, margins 12 12 12 12, spacing 15"},
        {6, "CXTPTaskPanelShellListPainter", "expand 1, highlight 2, inner 11 8 11 8, margins 12 12 12 12, spacing 15"},
        {7, "CXTPTaskPanelButtonPainter",
         "expand 3, highlight 0, inner 0 4 0 2, margins 2 2 2 2, spacing 1, invert mark, classic scroll, plain caption"},
        {8, "CXTPTaskPanelTreeButtonPainter", "expand 3, highlight 1, inner 0 4 0 2, margins 2 2 2 2, spacing 1"},
        {9, "CXTPTaskPanelDarkButtonPainter",
         "expand 3, highlight 0, inner 8 6 8 6, margins 0 0 0 0, spacing 0, emboss, plain caption"},
        {10, "CXTPTaskPanelFlatButtonPainter", "expand 3, highlight 1, inner 8 6 8 6, margins 0 0 0 0, spacing 0, plain caption"},
        {11, "CXTPTaskPanelGradientButtonPainter",
         "expand 3, highlight 2, inner 8 6 8 6, margins 0 0 0 0, spacing 0, plain caption"},
        {12, "CXTPTaskPanelGradientBarPainter", "expand 3, highlight 2, inner 8 6 8 6, margins 0 0 0 0, spacing 0, plain caption"},
        {99, "CXTPTaskPanelShellStylePainter", "expand 1, highlight 2, inner 11 8 11 8, margins 12 12 12 12, spacing 15"},
    };
    for (const Row& row : rows)
    {
        std::unique_ptr<CXTPTaskPanelPainter> pPainter(XTPTaskPanelCreatePainter(row.nTheme));
        EXPECT_NE(std::string::npos, std::string(typeid(*pPainter).name()).find(row.className)) << row.nTheme;
        EXPECT_EQ(row.settings, Settings(pPainter.get())) << row.nTheme;
    }
}

TEST(TaskPanelThemes, CaptionHeightsFollowTheirFonts)
{
    std::unique_ptr<CXTPTaskPanelPainter> pBase(XTPTaskPanelCreatePainter(0)), pOpen(XTPTaskPanelCreatePainter(1)),
        pButton(XTPTaskPanelCreatePainter(7)), pDark(XTPTaskPanelCreatePainter(9)), pBar(XTPTaskPanelCreatePainter(12));
    EXPECT_GE(pBase->GetCaptionHeight(), 25);
    EXPECT_GE(pOpen->GetCaptionHeight(), 20);
    EXPECT_GE(pButton->GetCaptionHeight(), 18);
    EXPECT_GE(pDark->GetCaptionHeight(), 20);
    EXPECT_GE(pBar->GetCaptionHeight(), 22);
    EXPECT_EQ(pButton->GetCaptionHeight() - 5 + 3 >= 22 ? pButton->GetCaptionHeight() - 2 : 22, pBar->GetCaptionHeight())
        << "the bar: the text's height + 3 where the button has + 5";
}

TEST(TaskPanelThemes, ColoursWithoutAScheme)
{
    ASSERT_EQ(0, XTPColorManager()->GetCurrentSystemTheme()) << "the test machine has no Windows XP scheme";
    std::unique_ptr<CXTPTaskPanelPainter> p1(XTPTaskPanelCreatePainter(1));
    const COLORREF clrFace = Sys(COLOR_BTNFACE), clrWindow = Sys(COLOR_WINDOW);
    EXPECT_EQ(CXTPColorManager::BlendColors(clrFace, clrWindow, 50), (COLORREF)p1->GetBackgroundColor().clrLight);
    EXPECT_EQ(RGB(0, 0, 255), (COLORREF)p1->GetGroupColors(FALSE)->clrClientLink);
    EXPECT_EQ(CXTPColorManager::BlendColors(clrFace, clrWindow, 39), (COLORREF)p1->GetGroupColors(TRUE)->clrHead.clrLight)
        << "special groups look ordinary";

    std::unique_ptr<CXTPTaskPanelPainter> p2(XTPTaskPanelCreatePainter(2));
    EXPECT_TRUE(static_cast<CXTPTaskPanelShellStylePainter*>(p2.get())->IsShellLook()) << "the fallback colours";
    EXPECT_EQ(Sys(COLOR_ACTIVECAPTION), (COLORREF)p2->GetGroupColors(TRUE)->clrHead.clrLight);
    EXPECT_EQ(Sys(COLOR_WINDOW), (COLORREF)p2->GetGroupColors(FALSE)->clrClientBorder);
    EXPECT_TRUE(p2->GetExpandIcon(FALSE) != NULL && p2->GetExpandIcon(TRUE) != NULL) << "generated round buttons";

    std::unique_ptr<CXTPTaskPanelPainter> p3(XTPTaskPanelCreatePainter(3));
    EXPECT_EQ(Sys(COLOR_BACKGROUND), (COLORREF)p3->GetBackgroundColor().clrDark);
    EXPECT_EQ(Sys(COLOR_BTNTEXT), (COLORREF)p3->GetGroupColors(FALSE)->clrClientBorder);
    for (int nTheme : {4, 5})
    {
        std::unique_ptr<CXTPTaskPanelPainter> p(XTPTaskPanelCreatePainter(nTheme));
        EXPECT_EQ(RGB(0, 0, 255), (COLORREF)p->GetGroupColors(FALSE)->clrClientLink) << nTheme;
        EXPECT_EQ(RGB(0, 0, 255), (COLORREF)p->GetGroupColors(TRUE)->clrClientLinkHot) << nTheme;
    }
    std::unique_ptr<CXTPTaskPanelPainter> p9(XTPTaskPanelCreatePainter(9)), p10(XTPTaskPanelCreatePainter(10));
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), (COLORREF)p9->GetGroupColors(FALSE)->clrClient);
    EXPECT_EQ(Sys(COLOR_WINDOW), (COLORREF)p9->GetGroupColors(FALSE)->clrClientLink);
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), p9->GetHighlightHotColor());
    EXPECT_EQ(XTPGetColor(30), (COLORREF)p10->GetGroupColors(FALSE)->clrClient);

    std::unique_ptr<CXTPTaskPanelPainter> p7(XTPTaskPanelCreatePainter(7));
    const COLORREF f = clrFace, l = Sys(COLOR_BTNHIGHLIGHT);
    const int m = GetRValue(f) >= GetGValue(f) && GetRValue(f) >= GetBValue(f)
                      ? GetRValue(f)
                      : std::min((int)GetRValue(f), std::min((int)GetGValue(f), (int)GetBValue(f)));
    EXPECT_EQ(RGB((GetRValue(f) + GetRValue(l)) / 2, ((2 * GetGValue(f) - m + GetGValue(l)) / 2) & 0xFF,
                  ((2 * GetBValue(f) - m + GetBValue(l)) / 2) & 0xFF),
              p7->GetHighlightHotColor())
        << "the classic hot face";
}

// The blue Windows XP scheme on the colour manager for one case.
class BlueSchemeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        XTPColorManager()->SetSystemTheme(xtpSystemThemeBlue);
        XTPColorManager()->RefreshColors();
    }
    void TearDown() override
    {
        XTPColorManager()->SetSystemTheme(xtpSystemThemeAuto);
        XTPColorManager()->RefreshColors();
    }
};

TEST_F(BlueSchemeTest, ThemesTakeTheSchemesColours)
{
    std::unique_ptr<CXTPTaskPanelPainter> p1(XTPTaskPanelCreatePainter(1)), p2(XTPTaskPanelCreatePainter(2)),
        p5(XTPTaskPanelCreatePainter(5)), p6(XTPTaskPanelCreatePainter(6)), p11(XTPTaskPanelCreatePainter(11));
    EXPECT_EQ(RGB(74, 122, 201), (COLORREF)p1->GetBackgroundColor().clrDark);
    EXPECT_EQ(RGB(0, 61, 178), (COLORREF)p1->GetGroupColors(FALSE)->clrClientLink);
    EXPECT_EQ(RGB(0, 73, 181), (COLORREF)p2->GetGroupColors(TRUE)->clrHead.clrLight);
    EXPECT_EQ(RGB(33, 93, 198), (COLORREF)p2->GetGroupColors(FALSE)->clrClientLink) << "links in the caption colour";
    EXPECT_EQ(0.5, p2->GetGroupColors(FALSE)->dHeadGradientFactor);
    EXPECT_EQ(RGB(123, 164, 224), (COLORREF)p5->GetGroupColors(FALSE)->clrHead.clrLight);
    EXPECT_EQ(RGB(214, 223, 247), (COLORREF)p6->GetGroupColors(TRUE)->clrClient) << "special copies ordinary";
    EXPECT_EQ(RGB(216, 231, 252), (COLORREF)p11->GetBackgroundColor().clrLight);
    EXPECT_EQ(RGB(232, 127, 8),
              (COLORREF) static_cast<CXTPTaskPanelGradientButtonPainter*>(p11.get())->GetCaptionFacePressed().clrLight);
    EXPECT_EQ(RGB(255, 238, 194), p2->GetHighlightHotColor()) << "the scheme's highlight";
}

TEST(TaskPanelThemes, FallbackFlagOffKeepsTheBaseLook)
{
    class CPlainShellPainter : public CXTPTaskPanelShellStylePainter
    {
    public:
        CPlainShellPainter()
        {
            SetFallbackColors(FALSE);
            RefreshMetrics();
        }
    } painter;
    EXPECT_FALSE(painter.IsShellLook());
    EXPECT_EQ(xtpTaskPanelExpandButtonChevron, painter.GetExpandButtonStyle());
    EXPECT_EQ(Sys(COLOR_BTNFACE), (COLORREF)painter.GetGroupColors(FALSE)->clrHead.clrLight);
}

TEST(TaskPanelHsl, ConvertsBothWays)
{
    struct Row
    {
        COLORREF clr;
        double h, s, l;
    } rows[] = {{RGB(255, 0, 0), 0, 1, 0.5},         {RGB(0, 255, 0), 1.0 / 3, 1, 0.5},
                {RGB(0, 0, 255), 2.0 / 3, 1, 0.5},   {RGB(255, 255, 255), 0, 0, 1},
                {RGB(0, 0, 0), 0, 0, 0},             {RGB(128, 128, 128), 0, 0, 128 / 255.0},
                {RGB(255, 128, 0), 128 / 255.0 / 6, 1, 0.5}};
    for (const Row& row : rows)
    {
        const XTPTaskPanelHsl hsl = XTPTaskPanelRgbToHsl(row.clr);
        EXPECT_NEAR(row.h, hsl.h, 1e-6) << std::hex << row.clr;
        EXPECT_NEAR(row.s, hsl.s, 1e-6) << std::hex << row.clr;
        EXPECT_NEAR(row.l, hsl.l, 1e-6) << std::hex << row.clr;
    }
    // Back: each channel x 255 truncated, so a round trip may lose one.
    for (COLORREF clr : {RGB(255, 0, 0), RGB(33, 93, 198), RGB(198, 211, 247), RGB(1, 2, 3)})
    {
        const COLORREF back = XTPTaskPanelHslToRgb(XTPTaskPanelRgbToHsl(clr));
        EXPECT_LE(abs(GetRValue(back) - GetRValue(clr)), 1) << std::hex << clr;
        EXPECT_LE(abs(GetGValue(back) - GetGValue(clr)), 1) << std::hex << clr;
        EXPECT_LE(abs(GetBValue(back) - GetBValue(clr)), 1) << std::hex << clr;
    }
}

TEST(TaskPanelHsl, RecolouredLightnessScalesWithTheTarget)
{
    EXPECT_DOUBLE_EQ(0.95, XTPTaskPanelRecolorLightness(0.95, 0.8, 0.4)) << "near-white stays on a dark target";
    EXPECT_DOUBLE_EQ(0.3, XTPTaskPanelRecolorLightness(0.6, 0.8, 0.4));
    EXPECT_DOUBLE_EQ(1.0, XTPTaskPanelRecolorLightness(0.95, 0.5, 0.95)) << "on a light target it scales, at most 1";
    EXPECT_DOUBLE_EQ(0.2, XTPTaskPanelRecolorLightness(0.5, 0.0, 0.4)) << "a black background: no division by zero";
}

// The painter of theme 2 in a panel, to draw round buttons.
class ThemedPanelTest : public TaskPanelTest
{
protected:
    void Use(int nTheme)
    {
        panel->SetTheme(nTheme);
        panel->Reposition(FALSE);
    }
    PixelCanvas& Print()
    {
        canvas.Fill(kRed);
        PrintPanel(panel, canvas);
        return canvas;
    }
    PixelCanvas canvas{200, 300};
};

TEST_F(TaskPanelTest, HiddenCaptionTakesNoRoomInAnyTheme)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 2);
    pGroup->SetCaptionVisible(FALSE);
    for (int nTheme = xtpTaskPanelThemeBase; nTheme <= xtpTaskPanelThemeGradientBar; nTheme++)
    {
        panel->SetTheme(nTheme);
        const int nStrip = panel->GetPaintManager()->IsOpenClientFrame() ? 0 : 1;
        EXPECT_EQ(nStrip, pGroup->GetCaptionHeight()) << "theme " << nTheme;
        EXPECT_EQ(pGroup->GetTargetRect().top + nStrip, pGroup->GetTargetClientRect().top) << "theme " << nTheme;
    }
}

// With one group open at a time the open group fills what the others leave.
// The list themes wrap their captions, so each caption is measured at the
// width its group is about to take, also in the first layout of new groups:
// a second layout moves nothing.
TEST_F(ThemedPanelTest, ListThemesFillThePanelInTheFirstLayoutOfNewGroups)
{
    panel->SetBehaviour(xtpTaskPanelBehaviourList);
    for (int nTheme : {xtpTaskPanelThemeList, xtpTaskPanelThemeFlatList, xtpTaskPanelThemeSchemeList,
                       xtpTaskPanelThemeShellList})
    {
        SCOPED_TRACE(nTheme);
        panel->GetGroups()->Clear();
        Use(nTheme);
        panel->LockRedraw(TRUE);
        for (UINT nID = 1; nID <= 3; nID++)
            AddGroup(nID, 2)->SetCaption("A caption that wraps in a panel as narrow as this one");
        panel->GetAt(0)->SetExpanded(TRUE);
        panel->LockRedraw(FALSE);
        const std::string strFirst = Targets();
        panel->Reposition(FALSE);
        EXPECT_EQ(Targets(), strFirst);
        const CRect rcLast = panel->GetAt(2)->GetTargetRect();
        EXPECT_GT(rcLast.bottom, 200) << "the open group fills the panel";
    }
}

TEST_F(ThemedPanelTest, RoundButtonsAreRecolouredAndRound)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 1);
    Use(xtpTaskPanelThemeShellStyle);
    HICON hIcon = panel->GetPaintManager()->GetExpandIcon(FALSE);
    ASSERT_TRUE(hIcon != NULL);
    PixelCanvas icon(19, 19, kRed);
    ::DrawIconEx(icon.dc().GetSafeHdc(), 0, 0, hIcon, 19, 19, 0, NULL, DI_NORMAL);
    EXPECT_EQ(kRed, icon.Pixel(0, 0)) << "the corner is transparent";
    EXPECT_EQ(kRed, icon.Pixel(18, 18));
    EXPECT_NE(kRed, icon.Pixel(9, 9)) << "the button itself";
    EXPECT_NE(kRed, icon.Pixel(9, 1)) << "its ring";
    // The caption shows it at its right end.
    PixelCanvas& picture = Print();
    const CRect rcCaption = pGroup->GetCaptionRect();
    const CPoint ptButton(rcCaption.right - 23 + 9, std::max((int)rcCaption.top, (int)rcCaption.CenterPoint().y - 10) + 9);
    EXPECT_NE(picture.Pixel(ptButton.x, ptButton.y), (COLORREF)panel->GetPaintManager()->GetGroupColors(FALSE)->clrHead.clrDark);
}

// The round buttons are made when first drawn or asked for, but from the
// colours the theme had when it refreshed its metrics: a colour set later
// (until the next refresh) leaves them as they were.
TEST(TaskPanelThemes, RoundButtonsKeepTheColoursOfTheirRefresh)
{
    const COLORREF clrLater[] = {RGB(200, 30, 30), RGB(30, 160, 30)};
    std::unique_ptr<CXTPTaskPanelPainter> pAsMade(XTPTaskPanelCreatePainter(xtpTaskPanelThemeShellStyle));
    std::unique_ptr<CXTPTaskPanelPainter> pRecoloured(XTPTaskPanelCreatePainter(xtpTaskPanelThemeShellStyle));
    for (BOOL bSpecial : {FALSE, TRUE})
        pRecoloured->GetGroupColors(bSpecial)->clrHead.SetCustomValue(clrLater[bSpecial], clrLater[bSpecial]);
    for (BOOL bSpecial : {FALSE, TRUE})
    {
        PixelCanvas asMade(19, 19, RGB(255, 0, 255)), recoloured(19, 19, RGB(255, 0, 255));
        ::DrawIconEx(asMade.dc().GetSafeHdc(), 0, 0, pAsMade->GetExpandIcon(bSpecial), 19, 19, 0, NULL, DI_NORMAL);
        ::DrawIconEx(recoloured.dc().GetSafeHdc(), 0, 0, pRecoloured->GetExpandIcon(bSpecial), 19, 19, 0, NULL,
                     DI_NORMAL);
        for (int y = 0; y < 19; y++)
            for (int x = 0; x < 19; x++)
                ASSERT_EQ(asMade.Pixel(x, y), recoloured.Pixel(x, y)) << "special " << bSpecial << " at " << x << "," << y;
    }
    // The next refresh takes the colour set since.
    pRecoloured->RefreshMetrics();
    PixelCanvas asMade(19, 19, RGB(255, 0, 255)), refreshed(19, 19, RGB(255, 0, 255));
    ::DrawIconEx(asMade.dc().GetSafeHdc(), 0, 0, pAsMade->GetExpandIcon(FALSE), 19, 19, 0, NULL, DI_NORMAL);
    ::DrawIconEx(refreshed.dc().GetSafeHdc(), 0, 0, pRecoloured->GetExpandIcon(FALSE), 19, 19, 0, NULL, DI_NORMAL);
    EXPECT_NE(asMade.Pixel(9, 9), refreshed.Pixel(9, 9));
}

TEST_F(ThemedPanelTest, ListThemeFramesAllGroupsInOne)
{
    Use(xtpTaskPanelThemeList);
    PixelCanvas& empty = Print();
    EXPECT_EQ(0, empty.CountOther(Sys(COLOR_BACKGROUND))) << "no groups: only the background";
    CXTPTaskPanelGroup* pFirst = AddGroup(1, 1);
    CXTPTaskPanelGroup* pLast = AddGroup(2, 1);
    PixelCanvas& picture = Print();
    const COLORREF clrFrame = Sys(COLOR_BTNTEXT);
    const int x = pFirst->GetCaptionRect().CenterPoint().x;
    EXPECT_EQ(clrFrame, picture.Pixel(x, pFirst->GetCaptionRect().top - 3)) << "the frame's top";
    EXPECT_EQ(clrFrame, picture.Pixel(x, pLast->GetClientRect().bottom + 8 - 1)) << "its bottom";
    EXPECT_EQ(Sys(COLOR_WINDOW), picture.Pixel(x, (pFirst->GetClientRect().bottom + pLast->GetCaptionRect().top) / 2))
        << "between the groups the frame's face";
}

TEST_F(ThemedPanelTest, OpenFrameThemeHasNoExpandButtonAndOneLookForSpecialGroups)
{
    CXTPTaskPanelGroup* pOrdinary = AddGroup(1, 1);
    CXTPTaskPanelGroup* pSpecial = AddGroup(2, 1);
    pSpecial->SetSpecial(TRUE);
    pOrdinary->SetCaption("");
    pSpecial->SetCaption("");
    Use(xtpTaskPanelThemeOpenFrame);
    EXPECT_EQ(0, panel->GetPaintManager()->GetExpandButtonWidth(pOrdinary, pOrdinary->GetCaptionRect()));
    PixelCanvas& picture = Print();
    const CRect a = pOrdinary->GetCaptionRect(), b = pSpecial->GetCaptionRect();
    for (int dx : {3, a.Width() / 2, a.Width() - 3})
        EXPECT_EQ(picture.Pixel(a.left + dx, a.top + 5), picture.Pixel(b.left + dx, b.top + 5)) << dx;
}

// Prints the panel into the canvas while the group drag's loop runs, then
// lets the button go.
CXTPTaskPanel* g_pDragPanel = NULL;
PixelCanvas* g_pDragPicture = NULL;
void CALLBACK PrintDuringDrag(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    PrintPanel(g_pDragPanel, *g_pDragPicture);
    g_pDragPanel->PostMessage(WM_LBUTTONUP, 0, 0);
}

TEST_F(ThemedPanelTest, ButtonThemeInvertsDraggedAndDropTargetCaptions)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 1);
    CXTPTaskPanelGroup* pOther = AddGroup(2, 1);
    Use(xtpTaskPanelThemeButton);
    const CRect rc = pGroup->GetCaptionRect();
    const CPoint pt(rc.right - 4, rc.top + 4);
    const COLORREF clrFace = Sys(COLOR_BTNFACE);
    EXPECT_EQ(clrFace, Print().Pixel(pt.x, pt.y));

    panel->SetAllowDrag(xtpTaskItemAllowDragAll);
    // The system's drag loop asks the window under the real cursor for drops;
    // other tests (in this process or another on the display) leave the
    // cursor anywhere. Off the screen the panel is under no cursor, and it
    // prints the same.
    owner.SetWindowPos(NULL, 4000, 4000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PixelCanvas during(200, 300);
    g_pDragPanel = panel;
    g_pDragPicture = &during;
    const CPoint ptDown = rc.CenterPoint();
    Mouse(WM_MOUSEMOVE, ptDown);
    Mouse(WM_LBUTTONDOWN, ptDown, MK_LBUTTON);
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 0, PrintDuringDrag);
    Mouse(WM_MOUSEMOVE, CPoint(ptDown.x, ptDown.y + 6), MK_LBUTTON);
    ::KillTimer(NULL, nTimer);
    owner.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(clrFace ^ 0xFFFFFF, during.Pixel(pt.x, pt.y)) << "the dragged caption is inverted";
    EXPECT_EQ(clrFace, Print().Pixel(pt.x, pt.y)) << "and back once the button is up";

    COleDataSource source;
    pOther->GetAt(0)->CacheDataSource(&source, TRUE);
    COleDataObject data;
    data.Attach(source.GetDataObject(), FALSE);
    const CRect rcOther = pOther->GetCaptionRect();
    panel->OnDragOver(&data, 0, rcOther.CenterPoint());
    EXPECT_EQ(pOther, panel->GetDragOverItem());
    EXPECT_EQ(clrFace ^ 0xFFFFFF, Print().Pixel(rcOther.right - 4, rcOther.top + 4)) << "a drop target's caption too";
    panel->OnDragOver(NULL, 0, CPoint(-1, -1));
}

TEST_F(ThemedPanelTest, GradientBarCentresTextWithLinesBetweenCaptions)
{
    CXTPTaskPanelGroup* pFirst = AddGroup(1, 1);
    CXTPTaskPanelGroup* pSecond = AddGroup(2, 1);
    pFirst->SetCaption("ii");
    Use(xtpTaskPanelThemeGradientBar);
    PixelCanvas& picture = Print();
    const COLORREF clrLine = XTPGetColor(54);
    const CRect a = pFirst->GetCaptionRect(), b = pSecond->GetCaptionRect();
    EXPECT_EQ(clrLine, picture.Pixel(b.CenterPoint().x, b.top)) << "a line above the second caption";
    EXPECT_NE(clrLine, picture.Pixel(a.CenterPoint().x + 40, a.top)) << "none above the first";
    CRect rcText;
    pFirst->GetTextRect(&rcText);
    const CRect rcInk = [&] {
        CRect rcFound(0, 0, 0, 0);
        const COLORREF clrFace = picture.Pixel(a.left + 5, a.CenterPoint().y);
        for (int x = a.left + 4; x < a.right - 4; x++)
            if (picture.Pixel(x, a.CenterPoint().y) != clrFace && picture.Pixel(x, a.CenterPoint().y) != 0xFFFFFFFF)
                rcFound |= CRect(x, 0, x + 1, 1);
        return rcFound;
    }();
    EXPECT_NEAR(a.CenterPoint().x, rcInk.CenterPoint().x, 3) << "the text is centred";
}

TEST_F(ThemedPanelTest, TreeButtonShowsPlusWhenClosedAndMinusWhenOpen)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 1);
    Use(xtpTaskPanelThemeTreeButton);
    const CRect rc = pGroup->GetCaptionRect();
    const CRect b(rc.left + 6, rc.CenterPoint().y - 6, rc.left + 15, rc.CenterPoint().y + 3);
    EXPECT_EQ(RGB(0, 0, 0), Print().Pixel(b.left + 3, b.top + 4)) << "the minus";
    EXPECT_NE(RGB(0, 0, 0), canvas.Pixel(b.left + 4, b.top + 2)) << "no bar while open";
    pGroup->SetExpanded(FALSE);
    EXPECT_EQ(RGB(0, 0, 0), Print().Pixel(b.left + 4, b.top + 2)) << "the plus's bar";
    EXPECT_EQ(Sys(COLOR_BTNSHADOW), canvas.Pixel(b.left, b.top + 3)) << "the box's side";
}

TEST(TaskPanelThemes, ResourcesHoldTheHandAndTheRoundButtons)
{
    EXPECT_TRUE(::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(XTP_IDC_TASKPANEL_HAND)) != NULL);
    for (UINT nID : {XTP_IDB_TASKPANEL_EXPAND, XTP_IDB_TASKPANEL_EXPAND_SPECIAL})
    {
        HBITMAP hBitmap = (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID), IMAGE_BITMAP, 0, 0,
                                                LR_CREATEDIBSECTION);
        ASSERT_TRUE(hBitmap != NULL) << nID;
        DIBSECTION dib;
        ::GetObject(hBitmap, sizeof(dib), &dib);
        EXPECT_EQ("19 19 8", std::to_string(dib.dsBm.bmWidth) + " " + std::to_string(dib.dsBm.bmHeight) + " "
                                 + std::to_string(dib.dsBm.bmBitsPixel))
            << nID;
        ::DeleteObject(hBitmap);
    }
}

TEST(TaskPanelThemes, PremultiplyScalesColoursByAlpha)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    DWORD* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, (void**)&pBits, NULL, 0);
    pBits[0] = 0x80FF8040; // alpha 128
    pBits[1] = 0x00FFFFFF; // alpha 0
    struct CProbe : CXTPTaskPanelPainter
    {
        static void Premultiply(HBITMAP& h) { PremultiplyAlpha(h); }
    };
    CProbe::Premultiply(hBitmap);
    ::GdiFlush();
    EXPECT_EQ(0x80804020u, pBits[0]);
    EXPECT_EQ(0x00000000u, pBits[1]);
    ::DeleteObject(hBitmap);
}

// The test frame of the screenshots: a panel of three groups and ten items.
class ScreenshotFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CTestFrame;
        ASSERT_TRUE(frame->CreateAt(60, 60, 240, 420, "Task panel"));
        ASSERT_TRUE(panel.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 240, 420), frame, 1));
        FillThreeGroupsAndTenItems(panel, images);
        panel.SetAnimation(1);
        panel.Reposition(FALSE);
    }
    void TearDown() override
    {
        panel.DestroyWindow();
        frame->DestroyWindow();
        PumpPending();
    }
    CTestFrame* frame = nullptr;
    CXTPTaskPanel panel;
    CImageList images;
};

TEST_F(ScreenshotFrameTest, DefaultLookShowsEveryGroup)
{
    EXPECT_EQ(10, panel.GetAt(0)->GetItemCount() + panel.GetAt(1)->GetItemCount() + panel.GetAt(2)->GetItemCount());
    PixelCanvas canvas(240, 420);
    PrintPanel(&panel, canvas);
    EXPECT_LT(panel.GetAt(2)->GetTargetRect().bottom, 420) << "one below the other, inside the frame";
    EXPECT_GT(canvas.CountOther(panel.GetAt(0)->GetClientRect(), canvas.Pixel(panel.GetAt(0)->GetClientRect().right - 3,
                                                                              panel.GetAt(0)->GetClientRect().bottom - 3)),
              100)
        << "links with icons";
    SaveShotIfAsked(frame, "taskpanel-frame");
}

TEST_F(ScreenshotFrameTest, EveryThemeDrawsItsOwnPicture)
{
    std::vector<std::unique_ptr<PixelCanvas>> pictures;
    for (int nTheme = 0; nTheme <= 12; nTheme++)
    {
        panel.SetTheme(nTheme);
        panel.Reposition(FALSE);
        pictures.emplace_back(new PixelCanvas(240, 420));
        PrintPanel(&panel, *pictures.back());
        SaveShotIfAsked(frame, "theme-" + std::to_string(nTheme));
    }
    for (int a = 0; a <= 12; a++)
        for (int b = a + 1; b <= 12; b++)
            EXPECT_FALSE(pictures[a]->SameAs(*pictures[b])) << "themes " << a << " and " << b << " look alike";
}

} // namespace
