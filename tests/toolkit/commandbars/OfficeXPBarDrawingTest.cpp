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
    for (CPoint pt : {CPoint(50, 13), CPoint(2, 2), CPoint(2, 1), CPoint(1, 2)})
        EXPECT_EQ(Marker(30), canvas.Pixel(pt.x, pt.y)) << pt.x << ", " << pt.y;
    // The frame and the corner pixels inside it take the dock's colour.
    for (CPoint pt : {CPoint(0, 0), CPoint(50, 25), CPoint(99, 13), CPoint(1, 1), CPoint(98, 1),
                      CPoint(1, 24), CPoint(98, 24)})
        EXPECT_EQ(Marker(15), canvas.Pixel(pt.x, pt.y)) << pt.x << ", " << pt.y;
}

TEST_F(OfficeXPBar, GripperOfABarDockedAtTheTop)
{
    PixelCanvas canvas(100, 26);
    theme.FillCommandBarEntry(&canvas.dc(), pBar);
    EXPECT_EQ(CSize(6, 0), theme.DrawCommandBarGripper(&canvas.dc(), pBar, TRUE));
    // Three-pixel lines from x 4 to 6 on every second row from 5 while the
    // row is above the bottom less 5.
    for (int y = 5; y < 21; y += 2)
    {
        EXPECT_EQ(Marker(38), canvas.Pixel(4, y)) << y;
        EXPECT_EQ(Marker(38), canvas.Pixel(6, y)) << y;
        EXPECT_EQ(Marker(30), canvas.Pixel(5, y + 1)) << y;
    }
    EXPECT_EQ(Marker(30), canvas.Pixel(3, 5));
    EXPECT_EQ(Marker(30), canvas.Pixel(7, 5));
    EXPECT_EQ(Marker(30), canvas.Pixel(5, 21));
    // Measuring draws nothing.
    PixelCanvas untouched(100, 26);
    EXPECT_EQ(CSize(6, 0), theme.DrawCommandBarGripper(&untouched.dc(), pBar, FALSE));
    EXPECT_EQ(0, untouched.CountOther(kWhite));
}

TEST_F(OfficeXPBar, GripperOfABarDockedAtTheLeft)
{
    pBar->MoveWindow(0, 0, 26, 100);
    pBar->Place(xtpBarLeft);
    PixelCanvas canvas(26, 100);
    theme.FillCommandBarEntry(&canvas.dc(), pBar);
    EXPECT_EQ(CSize(0, 8), theme.DrawCommandBarGripper(&canvas.dc(), pBar, TRUE));
    for (int x = 5; x < 21; x += 2)
    {
        EXPECT_EQ(Marker(38), canvas.Pixel(x, 4)) << x;
        EXPECT_EQ(Marker(38), canvas.Pixel(x, 6)) << x;
        EXPECT_EQ(Marker(30), canvas.Pixel(x + 1, 5)) << x;
    }
    EXPECT_EQ(Marker(30), canvas.Pixel(5, 7));
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
    EXPECT_EQ(Marker(32), canvas.Pixel(2, 2));
    EXPECT_EQ(Marker(32), canvas.Pixel(24, 24));
    EXPECT_EQ(Marker(31), canvas.Pixel(3, 3));
    // Icon at 3 from the left, centred: (5, 5); hot picture one pixel up-left.
    EXPECT_EQ(kBlue, canvas.Pixel(4, 4));
    EXPECT_EQ(kBlue, canvas.Pixel(19, 19));
    EXPECT_NE(kBlue, canvas.Pixel(21, 21));
    EXPECT_NE(Marker(31), canvas.Pixel(21, 21));
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
    EXPECT_EQ(Marker(32), canvas.Pixel(R.right - 1, R.bottom - 1));
    EXPECT_EQ(Marker(31), canvas.Pixel(R.right - 30, 1));
    EXPECT_EQ(Marker(37), canvas.Pixel(0, 0));
    EXPECT_EQ(Marker(33), canvas.Pixel(1, 1));
    EXPECT_EQ(Marker(37), canvas.Pixel(nBox - 1, 10));
    EXPECT_EQ(Marker(45), canvas.dc().GetTextColor());

    // A disabled popup item: no box, the disabled text and an arrow.
    CXTPControl* pPopup = pBar->GetControls()->Add(xtpControlPopup, 0);
    pPopup->SetCaption(CString("More"));
    pPopup->SetEnabled(FALSE);
    pPopup->SetRect(R);
    PixelCanvas popupCanvas(150, 22);
    theme.DrawControl(&popupCanvas.dc(), pPopup, TRUE);
    EXPECT_EQ(Marker(35), popupCanvas.dc().GetTextColor());
    EXPECT_EQ(kWhite, popupCanvas.Pixel(0, 0));
    const int xArrow = R.right - 11, yArrow = R.CenterPoint().y;
    EXPECT_EQ(Marker(35), popupCanvas.Pixel(xArrow + 1, yArrow));
    pBar->InternalRelease();
}

} // namespace
