// The Office XP look of a real bar window, drawn into a memory DC and
// probed: the docked toolbar's face, frame and corners, its gripper at the
// top and at the left, and a toolbar button drawn hot with its icon.
#include "themes/ThemeTestSupport.h"

#include "toolkit/commandbars/XTPControl.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"
#include "toolkit/foundation/XTPImageManager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using OfficeXPBar = ThemeBarTest<CXTPOfficeXPTheme>;

TEST_F(OfficeXPBar, DockedToolbarHasAFrameAndRoundedCorners)
{
    PixelCanvas canvas(100, 26);
    theme.FillCommandBarEntry(&canvas.dc(), pBar);
    EXPECT_EQ("m30 m30 m30 m30", Probe(canvas, {{50, 13}, {2, 2}, {2, 1}, {1, 2}}));
    // The frame and the corner pixels inside it take the dock's colour.
    EXPECT_EQ("m15 m15 m15 m15 m15 m15 m15",
              Probe(canvas, {{0, 0}, {50, 25}, {99, 13}, {1, 1}, {98, 1}, {1, 24}, {98, 24}}));
}

// Three-pixel lines from 4 to 6 across the bar on every second line from 5
// while the line is before the bar's end less 5; measuring draws nothing.
TEST_F(OfficeXPBar, GripperAtTheTopAndAtTheLeft)
{
    PixelCanvas untouched(100, 26);
    EXPECT_EQ(CSize(6, 0), theme.DrawCommandBarGripper(&untouched.dc(), pBar, FALSE));
    EXPECT_EQ(0, untouched.CountOther(kWhite));
    PixelCanvas top(100, 26);
    theme.FillCommandBarEntry(&top.dc(), pBar);
    EXPECT_EQ(CSize(6, 0), theme.DrawCommandBarGripper(&top.dc(), pBar, TRUE));
    for (int y = 5; y < 21; y += 2)
        EXPECT_EQ("m38 m38 m30", Probe(top, {{4, y}, {6, y}, {5, y + 1}})) << y;
    EXPECT_EQ("m30 m30 m30", Probe(top, {{3, 5}, {7, 5}, {5, 21}}));

    pBar->MoveWindow(0, 0, 26, 100);
    pBar->Place(xtpBarLeft);
    PixelCanvas left(26, 100);
    theme.FillCommandBarEntry(&left.dc(), pBar);
    EXPECT_EQ(CSize(0, 8), theme.DrawCommandBarGripper(&left.dc(), pBar, TRUE));
    for (int x = 5; x < 21; x += 2)
        EXPECT_EQ("m38 m38 m30", Probe(left, {{x, 4}, {x, 6}, {x + 1, 5}})) << x;
    EXPECT_EQ("m30", Probe(left, {{5, 7}}));
}

TEST_F(OfficeXPBar, HotButtonWithAnIconIsBoxedAndRaised)
{
    const UINT nCommand = 41300;
    HICON hIcon = MakeSolidIcon(kBlue);
    CXTPImageManager* pImages = new CXTPImageManager();
    pImages->SetIcon(CXTPImageManagerIconHandle(hIcon), nCommand, CSize(16, 16));
    ::DestroyIcon(hIcon);
    pBar->SetImageManager(pImages);

    CXTPControl* pButton = pBar->GetControls()->Add(xtpControlButton, (int)nCommand);
    pButton->SetRect(CRect(2, 2, 25, 25));
    PixelCanvas canvas(30, 30);
    // An icon without a caption measures as the bar's button.
    EXPECT_EQ(pBar->GetButtonSize(), theme.DrawControl(&canvas.dc(), pButton, FALSE));
    EXPECT_EQ(0, canvas.CountOther(kWhite));

    pButton->OnSetSelected(1);
    theme.DrawControl(&canvas.dc(), pButton, TRUE);
    // Icon at 3 from the left, centred: (5, 5); hot picture one pixel up-left
    // with its shadow down-right.
    EXPECT_EQ("m32 m32 m31 #0000ff #0000ff #90a8be",
              Probe(canvas, {{2, 2}, {24, 24}, {3, 3}, {4, 4}, {19, 19}, {21, 21}}));
}

} // namespace

namespace {

// A bar that stands as a popup bar.
class CPopupStandIn : public CXTPToolBar
{
public:
    void MakePopup()
    {
        m_barType = xtpBarTypePopup;
        m_barPosition = xtpBarPopup;
    }
};

TEST(OfficeXPPopupRows, RowBoxesCheckBoxAndArrow)
{
    CTestWindow host;
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    CPopupStandIn* pBar = new CPopupStandIn();
    ASSERT_TRUE(pBar->CreateToolBar(WS_VISIBLE, &host));
    pBar->MakePopup();
    CXTPControl* pItem = pBar->GetControls()->Add(xtpControlButton, 0);
    pItem->SetCaption(CString("&Item\tCtrl+I"));
    const int nBox = std::max(16, theme.GetTextHeight()) + 4;
    const CRect R(0, 0, 150, 22);
    pItem->SetRect(R);

    PixelCanvas canvas(150, 22);
    const CSize size = theme.DrawControl(&canvas.dc(), pItem, FALSE);
    EXPECT_EQ(std::max(22, theme.GetTextHeight()), size.cy);
    EXPECT_GT(size.cx, nBox + 40);
    EXPECT_EQ(0, canvas.CountOther(kWhite));

    // Hot and checked: the row's box and the check box in the icon column.
    pItem->SetChecked(TRUE);
    pItem->OnSetSelected(1);
    theme.DrawControl(&canvas.dc(), pItem, TRUE);
    EXPECT_EQ(
        "m32 m31 m37 m33 m37",
        Probe(canvas, {{R.right - 1, R.bottom - 1}, {R.right - 30, 1}, {0, 0}, {1, 1}, {nBox - 1, 10}}));
    EXPECT_EQ(Marker(45), canvas.dc().GetTextColor());

    // A disabled popup item: no box, the disabled text and an arrow.
    CXTPControl* pPopup = pBar->GetControls()->Add(xtpControlPopup, 0);
    pPopup->SetCaption(CString("More"));
    pPopup->SetEnabled(FALSE);
    pPopup->SetRect(R);
    PixelCanvas popupCanvas(150, 22);
    theme.DrawControl(&popupCanvas.dc(), pPopup, TRUE);
    EXPECT_EQ(Marker(35), popupCanvas.dc().GetTextColor());
    EXPECT_EQ("w m35", Probe(popupCanvas, {{0, 0}, {R.right - 10, R.CenterPoint().y}}));
    pBar->InternalRelease();
}

} // namespace
