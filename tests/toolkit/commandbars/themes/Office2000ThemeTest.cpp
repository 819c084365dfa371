// The Office 2000 look drawn into a memory DC and probed: raised, sunken and
// dithered state boxes, embossed disabled icons and captions, bar frames,
// grippers, grooves, the tear-off strip and the combo field parts.
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/foundation/XTPImageManager.h"

#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

enum Edge
{
    kNoBox,
    kRaised,
    kSunken,
    kDitheredSunken
};

struct StateCase
{
    const char* name;
    BOOL bEnabled;
    int nSelected;
    int nPressed;
    BOOL bChecked;
    BOOL bPopuped;
    BOOL bToolBar;
    Edge edge;
};

const StateCase kStateCases[] = {
    {"idle", TRUE, 0, 0, FALSE, FALSE, TRUE, kNoBox},
    {"hot", TRUE, 1, 0, FALSE, FALSE, TRUE, kRaised},
    {"pressed without the mouse over it", TRUE, 0, 1, FALSE, FALSE, TRUE, kRaised},
    {"pressed", TRUE, 1, 1, FALSE, FALSE, TRUE, kSunken},
    {"just executed", TRUE, 0, 2, FALSE, FALSE, TRUE, kSunken},
    {"checked and idle", TRUE, 0, 0, TRUE, FALSE, TRUE, kDitheredSunken},
    {"checked and hot", TRUE, 1, 0, TRUE, FALSE, TRUE, kSunken},
    {"popup open", TRUE, 1, 0, FALSE, TRUE, TRUE, kSunken},
    {"disabled and hot", FALSE, 1, 0, FALSE, FALSE, TRUE, kNoBox},
    {"disabled, reached by the keyboard", FALSE, 2, 0, FALSE, FALSE, TRUE, kSunken},
    {"disabled and checked on a toolbar", FALSE, 0, 0, TRUE, FALSE, TRUE, kNoBox},
    {"disabled and checked in a popup", FALSE, 0, 0, TRUE, FALSE, FALSE, kSunken},
};

TEST(Office2000Theme, StateBoxesAreRaisedSunkenOrDithered)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    const CRect rc(4, 4, 36, 26);
    for (const StateCase& c : kStateCases)
    {
        SCOPED_TRACE(c.name);
        PixelCanvas canvas(40, 30);
        theme.DrawRectangle(&canvas.dc(), rc, c.nSelected, c.nPressed, c.bEnabled, c.bChecked, c.bPopuped,
                            c.bToolBar, xtpBarTop);
        if (c.edge == kNoBox)
        {
            EXPECT_EQ(0, canvas.CountOther(kWhite));
            continue;
        }
        const int nTopLeft = c.edge == kRaised ? 20 : 16, nBottomRight = c.edge == kRaised ? 16 : 20;
        EXPECT_EQ(Marker(nTopLeft), canvas.Pixel(4, 10));
        EXPECT_EQ(Marker(nTopLeft), canvas.Pixel(20, 4));
        EXPECT_EQ(Marker(nBottomRight), canvas.Pixel(35, 10));
        EXPECT_EQ(Marker(nBottomRight), canvas.Pixel(20, 25));
        if (c.edge == kDitheredSunken)
        {
            // A checkerboard of button face and highlight.
            const COLORREF clr = canvas.Pixel(10, 10);
            EXPECT_TRUE(clr == Marker(15) || clr == Marker(20));
            EXPECT_NE(clr, canvas.Pixel(11, 10));
            EXPECT_NE(clr, canvas.Pixel(10, 11));
            EXPECT_EQ(clr, canvas.Pixel(11, 11));
        }
        else
            EXPECT_EQ(kWhite, canvas.Pixel(20, 15));
    }
}

TEST(Office2000Theme, ControlStateTextColours)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    PixelCanvas canvas(10, 10);
    theme.DrawControlState(&canvas.dc(), CRect(0, 0, 10, 10), FALSE, 0, 0, FALSE, FALSE, xtpBarTop);
    EXPECT_EQ(Marker(17), canvas.dc().GetTextColor());
    theme.DrawControlState(&canvas.dc(), CRect(0, 0, 10, 10), TRUE, 1, 0, FALSE, FALSE, xtpBarPopup);
    EXPECT_EQ(Marker(18), canvas.dc().GetTextColor());
    theme.DrawControlState(&canvas.dc(), CRect(0, 0, 10, 10), TRUE, 1, 0, FALSE, FALSE, xtpBarTop);
    EXPECT_EQ(Marker(18), canvas.dc().GetTextColor());
}

TEST(Office2000Theme, DisabledIconIsEmbossedAndPressedIconMoves)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    CXTPImageManager images;
    HICON hIcon = MakeSolidIcon(RGB(0, 0, 200));
    ASSERT_TRUE(images.SetIcon(CXTPImageManagerIconHandle(hIcon), 41001, CSize(16, 16)));
    ::DestroyIcon(hIcon);
    CXTPImageManagerIcon* pIcon = images.GetImage(41001, 16);
    ASSERT_TRUE(pIcon != NULL);

    PixelCanvas disabled(40, 40);
    theme.DrawImage(&disabled.dc(), CPoint(10, 10), CSize(16, 16), pIcon, 0, 0, FALSE, FALSE, FALSE, TRUE);
    // The shadow on top, the highlight showing one pixel down and right.
    EXPECT_EQ(Marker(16), disabled.Pixel(10, 10));
    EXPECT_EQ(Marker(16), disabled.Pixel(25, 25));
    EXPECT_EQ(Marker(20), disabled.Pixel(26, 26));
    EXPECT_EQ(Marker(20), disabled.Pixel(26, 11));
    EXPECT_EQ(CRect(10, 10, 27, 27), disabled.PaintedBounds(kWhite));

    PixelCanvas pressed(40, 40);
    theme.DrawImage(&pressed.dc(), CPoint(10, 10), CSize(16, 16), pIcon, 1, 1, TRUE, FALSE, FALSE, TRUE);
    EXPECT_EQ(CRect(11, 11, 27, 27), pressed.PaintedBounds(kWhite));
}

TEST(Office2000Theme, DisabledCaptionIsEmbossedUnlessSelected)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    const COLORREF kText = RGB(1, 2, 3);
    PixelCanvas embossed(80, 20), plain(80, 20);
    for (PixelCanvas* pCanvas : {&embossed, &plain})
    {
        pCanvas->dc().SetTextColor(kText);
        pCanvas->dc().SetBkMode(TRANSPARENT);
    }
    CRect rc(2, 0, 80, 20);
    theme.DrawControlCaption(&embossed.dc(), "Mmm", &rc, 0, TRUE, FALSE, FALSE);
    theme.DrawControlCaption(&plain.dc(), "Mmm", &rc, 0, TRUE, TRUE, FALSE);
    EXPECT_GT(plain.CountOther(kWhite), 0);
    EXPECT_GT(embossed.CountOther(kWhite), plain.CountOther(kWhite));
    EXPECT_EQ(kText, embossed.dc().GetTextColor());
    EXPECT_EQ(embossed.PaintedBounds(kWhite).right, plain.PaintedBounds(kWhite).right + 1);
}

TEST(Office2000Theme, FieldFramesAndDropDownButton)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    const CRect rc(2, 2, 38, 22);
    struct FieldCase
    {
        const char* name;
        BOOL bEnabled;
        int nSelected;
        int nTopLeft, nBottomRight;
    } const kCases[] = {
        {"enabled: sunken", TRUE, 0, 16, 20},
        {"disabled: flat highlight", FALSE, 1, 20, 20},
        {"disabled, reached by the keyboard: flat shadow", FALSE, 2, 16, 16},
    };
    for (const FieldCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        PixelCanvas canvas(40, 24);
        theme.DrawControlFieldFrame(&canvas.dc(), rc, c.bEnabled, c.nSelected);
        EXPECT_EQ(Marker(c.nTopLeft), canvas.Pixel(2, 10));
        EXPECT_EQ(Marker(c.nBottomRight), canvas.Pixel(37, 10));
        EXPECT_EQ(kWhite, canvas.Pixel(20, 12));
    }
    // The button: one pixel further left, one in at the top, right and
    // bottom; raised inside a face-and-black frame, flat when dropped.
    PixelCanvas raised(40, 24), dropped(40, 24);
    theme.DrawComboDropDownButton(&raised.dc(), CRect(20, 2, 38, 22), TRUE, FALSE, FALSE);
    theme.DrawComboDropDownButton(&dropped.dc(), CRect(20, 2, 38, 22), TRUE, FALSE, TRUE);
    EXPECT_EQ(Marker(15), raised.Pixel(19, 10));
    EXPECT_EQ(Marker(0), raised.Pixel(36, 10));
    EXPECT_EQ(Marker(20), raised.Pixel(20, 10));
    EXPECT_EQ(Marker(16), raised.Pixel(35, 10));
    EXPECT_EQ(kWhite, raised.Pixel(37, 10));
    EXPECT_EQ(kWhite, raised.Pixel(25, 2));
    EXPECT_EQ(Marker(16), dropped.Pixel(19, 10));
    EXPECT_EQ(Marker(16), dropped.Pixel(36, 10));
    EXPECT_EQ(Marker(15), dropped.Pixel(20, 10));
}

class Office2000Bar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MarkColors(theme);
        pBar = new CThemeTestToolBar();
        ASSERT_TRUE(pBar->CreateToolBar(WS_VISIBLE, &host));
        pBar->MoveWindow(0, 0, 100, 26);
    }
    void TearDown() override { pBar->InternalRelease(); }

    CTestWindow host;
    CXTPOffice2000Theme theme;
    CThemeTestToolBar* pBar = NULL;
};

TEST_F(Office2000Bar, DockedBarIsRaisedFloatingBarGetsAnOuterFrame)
{
    PixelCanvas docked(100, 26);
    theme.FillCommandBarEntry(&docked.dc(), pBar);
    EXPECT_EQ(Marker(20), docked.Pixel(0, 0));
    EXPECT_EQ(Marker(16), docked.Pixel(99, 25));
    EXPECT_EQ(Marker(15), docked.Pixel(50, 13));

    pBar->Place(xtpBarFloating);
    PixelCanvas floating(100, 26);
    theme.FillCommandBarEntry(&floating.dc(), pBar);
    EXPECT_EQ(Marker(15), floating.Pixel(0, 10));
    EXPECT_EQ(Marker(0), floating.Pixel(99, 10));
    EXPECT_EQ(Marker(20), floating.Pixel(1, 10));
    EXPECT_EQ(Marker(16), floating.Pixel(98, 10));
}

TEST_F(Office2000Bar, GripperIsOneRaisedBar)
{
    PixelCanvas canvas(100, 26);
    EXPECT_EQ(CSize(6, 0), theme.DrawCommandBarGripper(&canvas.dc(), pBar, TRUE));
    EXPECT_EQ(CRect(3, 3, 6, 23), canvas.PaintedBounds(kWhite));
    EXPECT_EQ(Marker(20), canvas.Pixel(3, 10));
    EXPECT_EQ(Marker(16), canvas.Pixel(5, 10));

    pBar->Place(xtpBarLeft);
    PixelCanvas left(100, 26);
    EXPECT_EQ(CSize(0, 8), theme.DrawCommandBarGripper(&left.dc(), pBar, TRUE));
    EXPECT_EQ(CRect(3, 3, 97, 6), left.PaintedBounds(kWhite));
}

TEST_F(Office2000Bar, TearOffStripIsEightHighInCaptionColours)
{
    PixelCanvas canvas(100, 26);
    EXPECT_EQ(CSize(0, 8), theme.DrawTearOffGripper(&canvas.dc(), CRect(0, 0, 100, 8), FALSE, TRUE));
    EXPECT_EQ(Marker(3), canvas.Pixel(50, 3));
    EXPECT_EQ(kWhite, canvas.Pixel(50, 7));
    theme.DrawTearOffGripper(&canvas.dc(), CRect(0, 0, 100, 8), TRUE, TRUE);
    EXPECT_EQ(Marker(2), canvas.Pixel(50, 3));
}

TEST(Office2000Factory, UnknownIdsAndIdOneMakeTheClassicLook)
{
    for (int nTheme : {(int)xtpThemeOffice2000, 7, -1})
    {
        std::unique_ptr<CXTPPaintManager, void (*)(CXTPPaintManager*)> pTheme(
            CXTPPaintManager::CreateTheme(nTheme), [](CXTPPaintManager* p) { p->InternalRelease(); });
        EXPECT_TRUE(dynamic_cast<CXTPOffice2000Theme*>(pTheme.get()) != NULL) << nTheme;
        EXPECT_EQ(xtpThemeOffice2000, pTheme->GetBaseTheme()) << nTheme;
        EXPECT_EQ(nTheme, pTheme->GetThemeId());
    }
}

} // namespace
