// The Office XP look drawn into a memory DC and probed pixel by pixel: the
// state boxes of controls, icons faded, raised over their shadow, pressed
// and disabled, the size grips, and on a real bar window the docked
// toolbar's face, frame and corners, its gripper at the top and at the
// left, a toolbar button drawn hot with its icon and popup rows.
#include "themes/ThemeTestSupport.h"

#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

TEST(OfficeXPDrawing, ControlStateBoxes)
{
    // Name, enabled, selected, pressed, checked, popup open; then the frame
    // at (5, 5), (34, 26), (20, 26), the fill at (6, 6), (20, 16) (all white:
    // no box at all), and the text colour's index.
    const std::tuple<const char*, BOOL, int, int, BOOL, BOOL, const char*, int> kCases[] = {
        {"normal", TRUE, 0, 0, FALSE, FALSE, "w w w w w", 46},
        {"hot", TRUE, 1, 0, FALSE, FALSE, "m32 m32 m32 m31 m31", 45},
        {"pressed", TRUE, 1, 1, FALSE, FALSE, "m50 m50 m50 m33 m33", 47},
        {"just executed", TRUE, 0, 2, FALSE, FALSE, "m50 m50 m50 m33 m33", 47},
        {"checked", TRUE, 0, 0, TRUE, FALSE, "m50 m50 m50 m36 m36", 45},
        {"checked and hot", TRUE, 1, 0, TRUE, FALSE, "m37 m37 m37 m33 m33", 47},
        {"popup open", TRUE, 1, 0, FALSE, TRUE, "m43 m43 m43 m30 m30", 46},
        {"disabled", FALSE, 1, 0, FALSE, FALSE, "w w w w w", 40},
        {"disabled and checked", FALSE, 0, 0, TRUE, FALSE, "w w w w w", 40},
        {"disabled, reached by the keyboard", FALSE, 2, 0, FALSE, FALSE, "m32 m32 m32 m31 m31", 40},
    };
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    for (const auto& [name, bEnabled, nSelected, nPressed, bChecked, bPopuped, box, nText] : kCases)
    {
        SCOPED_TRACE(name);
        PixelCanvas canvas(40, 32);
        theme.DrawControlState(&canvas.dc(), CRect(5, 5, 35, 27), bEnabled, nSelected, nPressed, bChecked,
                               bPopuped, xtpBarTop);
        EXPECT_EQ(box[0] == 'w' ? CRect(0, 0, 0, 0) : CRect(5, 5, 35, 27), canvas.PaintedBounds(kWhite));
        EXPECT_EQ(box, Probe(canvas, {{5, 5}, {34, 26}, {20, 26}, {6, 6}, {20, 16}}));
        EXPECT_EQ(Marker(nText), canvas.dc().GetTextColor());
    }
}

// A solid icon (#0000c8) drawn at (10, 10): faded when idle (unless the
// option is cleared), raised one pixel up-left over its shadow when hot
// (unless shadows are off), in place when pressed or checked, and
// monochrome in the disabled colour.
TEST(OfficeXPDrawing, IconsByState)
{
    const CRect kInPlace(10, 10, 26, 26);
    const char* const kPlain = "w #0000c8 #0000c8 #0000c8 w";
    // Name, selected, pressed, enabled, checked, faded, with shadow; then the
    // painted bounds and the colours at (9, 9), (10, 10), (17, 17), (24, 24), (26, 26).
    const std::tuple<const char*, int, int, BOOL, BOOL, BOOL, BOOL, CRect, const char*> kCases[] = {
        {"idle", 0, 0, TRUE, FALSE, TRUE, TRUE, kInPlace, "w #4c4cd8 #4c4cd8 #4c4cd8 w"},
        {"idle, not faded", 0, 0, TRUE, FALSE, FALSE, TRUE, kInPlace, kPlain},
        {"hot", 1, 0, TRUE, FALSE, TRUE, TRUE, CRect(9, 9, 27, 27),
         "#0000c8 #0000c8 #0000c8 #0000c8 #90a8be"},
        {"hot, no shadow", 1, 0, TRUE, FALSE, TRUE, FALSE, kInPlace, kPlain},
        {"pressed", 1, 1, TRUE, FALSE, TRUE, TRUE, kInPlace, kPlain},
        {"just executed", 0, 2, TRUE, FALSE, TRUE, TRUE, kInPlace, kPlain},
        {"checked", 0, 0, TRUE, TRUE, TRUE, TRUE, kInPlace, kPlain},
        {"checked and hot", 1, 0, TRUE, TRUE, TRUE, TRUE, kInPlace, kPlain},
        {"disabled", 0, 0, FALSE, FALSE, TRUE, TRUE, kInPlace, "w m40 m40 m40 w"},
    };
    CXTPImageManager images;
    AddSolidIcon(images, 41001, RGB(0, 0, 200));
    for (const auto& [name, nSelected, nPressed, bEnabled, bChecked, bFaded, bShadow, bounds, colors] :
         kCases)
    {
        CXTPOfficeXPTheme theme;
        MarkColors(theme);
        theme.GetIconsInfo()->bUseFadedIcons = bFaded;
        theme.GetIconsInfo()->bIconsWithShadow = bShadow;
        PixelCanvas canvas(40, 40);
        theme.DrawImage(&canvas.dc(), CPoint(10, 10), CSize(16, 16), images.GetImage(41001, 16), nSelected,
                        nPressed, bEnabled, bChecked, FALSE, TRUE);
        EXPECT_EQ(bounds, canvas.PaintedBounds(kWhite)) << name;
        EXPECT_EQ(colors, Probe(canvas, {{9, 9}, {10, 10}, {17, 17}, {24, 24}, {26, 26}})) << name;
    }
}

TEST(PaintManagerDrawing, ResizeGripperDrawsNineLinesInTheCorner)
{
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    // Nine lines in the corner: shadow pairs and a highlight line per step,
    // from the bottom row up to the right column.
    PixelCanvas resize(20, 20);
    theme.DrawResizeGripper(&resize.dc(), CRect(0, 0, 20, 20));
    EXPECT_EQ("m16 m16 m20 m16 m20", Probe(resize, {{17, 18}, {16, 18}, {15, 18}, {18, 9}, {18, 7}}));
    EXPECT_EQ(CRect(7, 7, 19, 19), resize.PaintedBounds(kWhite));
}

TEST(PaintManagerDrawing, StatusBarGripperDrawsThreeByThreeDots)
{
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    // Three by three dots, shadow over highlight, in the status bar's corner.
    PixelCanvas status(30, 30);
    theme.DrawStatusBarGripper(&status.dc(), CRect(0, 0, 30, 30));
    for (int y = 18; y <= 26; y += 4)
        for (int x = 18; x <= 26; x += 4)
            EXPECT_EQ("m16 m20", Probe(status, {{x, y}, {x + 2, y + 2}})) << x << ", " << y;
    EXPECT_EQ(CRect(18, 18, 29, 29), status.PaintedBounds(kWhite));
}

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
TEST_F(OfficeXPBar, MeasuringTheGripperDrawsNothing)
{
    PixelCanvas untouched(100, 26);
    EXPECT_EQ(CSize(6, 0), theme.DrawCommandBarGripper(&untouched.dc(), pBar, FALSE));
    EXPECT_EQ(0, untouched.CountOther(kWhite));
}

TEST_F(OfficeXPBar, GripperAtTheTopAndAtTheLeft)
{
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
    CXTPImageManager* pImages = new CXTPImageManager();
    AddSolidIcon(*pImages, 41300, kBlue);
    pBar->SetImageManager(pImages);

    CXTPControl* pButton = pBar->GetControls()->Add(xtpControlButton, 41300);
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

// Rows of a popup bar, 150 by 22.
class OfficeXPPopupRow : public OfficeXPBar
{
protected:
    OfficeXPPopupRow() { pBar->MakePopup(); }
    CXTPControl* AddRow(XTPControlType type, const char* pszCaption)
    {
        CXTPControl* pRow = pBar->GetControls()->Add(type, 0);
        pRow->SetCaption(CString(pszCaption));
        pRow->SetRect(R);
        return pRow;
    }
    // The width of the icon column's box.
    int IconBox() { return std::max(16, theme.GetTextHeight()) + 4; }
    const CRect R = CRect(0, 0, 150, 22);
};

TEST_F(OfficeXPPopupRow, MeasuringARowDrawsNothing)
{
    CXTPControl* pItem = AddRow(xtpControlButton, "&Item\tCtrl+I");
    PixelCanvas canvas(150, 22);
    const CSize size = theme.DrawControl(&canvas.dc(), pItem, FALSE);
    EXPECT_EQ(std::max(22, theme.GetTextHeight()), size.cy);
    EXPECT_GT(size.cx, IconBox() + 40);
    EXPECT_EQ(0, canvas.CountOther(kWhite));
}

// Hot and checked: the row's box and the check box in the icon column.
TEST_F(OfficeXPPopupRow, HotCheckedRowIsBoxedWithTheCheckBoxInTheIconColumn)
{
    CXTPControl* pItem = AddRow(xtpControlButton, "&Item\tCtrl+I");
    PixelCanvas canvas(150, 22);
    pItem->SetChecked(TRUE);
    pItem->OnSetSelected(1);
    theme.DrawControl(&canvas.dc(), pItem, TRUE);
    EXPECT_EQ(
        "m32 m31 m37 m33 m37",
        Probe(canvas, {{R.right - 1, R.bottom - 1}, {R.right - 30, 1}, {0, 0}, {1, 1}, {IconBox() - 1, 10}}));
    EXPECT_EQ(Marker(45), canvas.dc().GetTextColor());
}

// A disabled popup item: no box, the disabled text and an arrow.
TEST_F(OfficeXPPopupRow, DisabledPopupItemHasNoBoxTheDisabledTextAndAnArrow)
{
    CXTPControl* pPopup = AddRow(xtpControlPopup, "More");
    pPopup->SetEnabled(FALSE);
    PixelCanvas popupCanvas(150, 22);
    theme.DrawControl(&popupCanvas.dc(), pPopup, TRUE);
    EXPECT_EQ(Marker(35), popupCanvas.dc().GetTextColor());
    EXPECT_EQ("w m35", Probe(popupCanvas, {{0, 0}, {R.right - 10, R.CenterPoint().y}}));
}

} // namespace
