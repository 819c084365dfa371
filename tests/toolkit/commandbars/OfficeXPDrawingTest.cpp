// The Office XP look drawn into a memory DC and probed pixel by pixel: the
// state boxes of controls, icons faded, raised over their shadow, pressed
// and disabled, and the size grips.
#include "themes/ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"
#include "toolkit/foundation/XTPImageManager.h"

#include <gtest/gtest.h>

namespace {

const int kNone = -1;

struct StateCase
{
    const char* name;
    BOOL bEnabled;
    int nSelected;
    int nPressed;
    BOOL bChecked;
    BOOL bPopuped;
    int nFrame; // kNone: no box at all
    int nFill;
    int nText;
};

const StateCase kStateCases[] = {
    {"normal", TRUE, 0, 0, FALSE, FALSE, kNone, kNone, 46},
    {"hot", TRUE, 1, 0, FALSE, FALSE, 32, 31, 45},
    {"pressed", TRUE, 1, 1, FALSE, FALSE, 50, 33, 47},
    {"just executed", TRUE, 0, 2, FALSE, FALSE, 50, 33, 47},
    {"checked", TRUE, 0, 0, TRUE, FALSE, 50, 36, 45},
    {"checked and hot", TRUE, 1, 0, TRUE, FALSE, 37, 33, 47},
    {"popup open", TRUE, 1, 0, FALSE, TRUE, 43, 30, 46},
    {"disabled", FALSE, 1, 0, FALSE, FALSE, kNone, kNone, 40},
    {"disabled and checked", FALSE, 0, 0, TRUE, FALSE, kNone, kNone, 40},
    {"disabled, reached by the keyboard", FALSE, 2, 0, FALSE, FALSE, 32, 31, 40},
};

TEST(OfficeXPDrawing, ControlStateBoxes)
{
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    const CRect rc(5, 5, 35, 27);
    for (const StateCase& c : kStateCases)
    {
        SCOPED_TRACE(c.name);
        PixelCanvas canvas(40, 32);
        theme.DrawControlState(&canvas.dc(), rc, c.bEnabled, c.nSelected, c.nPressed, c.bChecked, c.bPopuped,
                               xtpBarTop);
        if (c.nFrame == kNone)
            EXPECT_EQ(0, canvas.CountOther(kWhite));
        else
        {
            EXPECT_EQ(Marker(c.nFrame), canvas.Pixel(5, 5));
            EXPECT_EQ(Marker(c.nFrame), canvas.Pixel(34, 26));
            EXPECT_EQ(Marker(c.nFrame), canvas.Pixel(20, 26));
            EXPECT_EQ(Marker(c.nFill), canvas.Pixel(6, 6));
            EXPECT_EQ(Marker(c.nFill), canvas.Pixel(20, 16));
            EXPECT_EQ(CRect(5, 5, 35, 27), canvas.PaintedBounds(kWhite));
        }
        EXPECT_EQ(Marker(c.nText), canvas.dc().GetTextColor());
    }
}

class OfficeXPIcons : public ::testing::Test
{
protected:
    static constexpr UINT kCommand = 41001;
    static constexpr COLORREF kIconColor = RGB(0, 0, 200);

    void SetUp() override
    {
        MarkColors(theme);
        HICON hIcon = MakeSolidIcon(kIconColor);
        ASSERT_TRUE(images.SetIcon(CXTPImageManagerIconHandle(hIcon), kCommand, CSize(16, 16)));
        ::DestroyIcon(hIcon);
        pIcon = images.GetImage(kCommand, 16);
        ASSERT_TRUE(pIcon != NULL);
    }

    // Draws the icon at (10, 10) of a 40 x 40 canvas.
    void Draw(PixelCanvas& canvas, int nSelected, int nPressed, BOOL bEnabled = TRUE, BOOL bChecked = FALSE)
    {
        theme.DrawImage(&canvas.dc(), CPoint(10, 10), CSize(16, 16), pIcon, nSelected, nPressed, bEnabled,
                        bChecked, FALSE, TRUE);
    }

    CXTPOfficeXPTheme theme;
    CXTPImageManager images;
    CXTPImageManagerIcon* pIcon = NULL;
};

TEST_F(OfficeXPIcons, IdleIconsAreFadedUntilTheOptionIsCleared)
{
    PixelCanvas faded(40, 40);
    Draw(faded, 0, 0);
    const COLORREF clrFaded = faded.Pixel(17, 17);
    EXPECT_NE(kIconColor, clrFaded);
    EXPECT_NE(kWhite, clrFaded);
    // Fading lightens: every channel moves towards white.
    EXPECT_GE(GetBValue(clrFaded), GetBValue(kIconColor));
    EXPECT_GT(GetRValue(clrFaded) + GetGValue(clrFaded), 0);

    theme.GetIconsInfo()->bUseFadedIcons = FALSE;
    PixelCanvas plain(40, 40);
    Draw(plain, 0, 0);
    EXPECT_EQ(kIconColor, plain.Pixel(17, 17));
    EXPECT_EQ(CRect(10, 10, 26, 26), plain.PaintedBounds(kWhite));
}

TEST_F(OfficeXPIcons, HotIconsRiseOverTheirShadow)
{
    PixelCanvas canvas(40, 40);
    Draw(canvas, 1, 0);
    // The hot picture one pixel up-left, the shadow one pixel down-right.
    EXPECT_EQ(kIconColor, canvas.Pixel(9, 9));
    EXPECT_EQ(kIconColor, canvas.Pixel(24, 24));
    const COLORREF clrShadow = canvas.Pixel(26, 26);
    EXPECT_NE(kWhite, clrShadow);
    EXPECT_NE(kIconColor, clrShadow);
    EXPECT_EQ(CRect(9, 9, 27, 27), canvas.PaintedBounds(kWhite));

    theme.GetIconsInfo()->bIconsWithShadow = FALSE;
    PixelCanvas flat(40, 40);
    Draw(flat, 1, 0);
    EXPECT_EQ(CRect(10, 10, 26, 26), flat.PaintedBounds(kWhite));
    EXPECT_EQ(kIconColor, flat.Pixel(10, 10));
}

TEST_F(OfficeXPIcons, PressedAndCheckedIconsStayInPlace)
{
    struct Case
    {
        const char* name;
        int nSelected, nPressed;
        BOOL bChecked;
    };
    const Case cases[] = {{"pressed", 1, 1, FALSE},
                          {"just executed", 0, 2, FALSE},
                          {"checked", 0, 0, TRUE},
                          {"checked and hot", 1, 0, TRUE}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        PixelCanvas canvas(40, 40);
        Draw(canvas, c.nSelected, c.nPressed, TRUE, c.bChecked);
        EXPECT_EQ(CRect(10, 10, 26, 26), canvas.PaintedBounds(kWhite));
        EXPECT_EQ(kIconColor, canvas.Pixel(17, 17));
    }
}

TEST_F(OfficeXPIcons, DisabledIconsAreMonochromeInTheDisabledColour)
{
    PixelCanvas canvas(40, 40);
    Draw(canvas, 0, 0, FALSE);
    EXPECT_EQ(Marker(40), canvas.Pixel(10, 10));
    EXPECT_EQ(Marker(40), canvas.Pixel(25, 25));
    EXPECT_EQ(CRect(10, 10, 26, 26), canvas.PaintedBounds(kWhite));
}

TEST(PaintManagerDrawing, ResizeGripperDrawsNineLinesInTheCorner)
{
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    PixelCanvas canvas(20, 20);
    theme.DrawResizeGripper(&canvas.dc(), CRect(0, 0, 20, 20));
    // Shadow pairs and a highlight line per step, from the bottom row up to
    // the right column.
    EXPECT_EQ(Marker(16), canvas.Pixel(17, 18));
    EXPECT_EQ(Marker(16), canvas.Pixel(16, 18));
    EXPECT_EQ(Marker(20), canvas.Pixel(15, 18));
    EXPECT_EQ(Marker(16), canvas.Pixel(18, 9));
    EXPECT_EQ(Marker(20), canvas.Pixel(18, 7));
    const CRect bounds = canvas.PaintedBounds(kWhite);
    EXPECT_EQ(19, bounds.bottom);
    EXPECT_LE(bounds.right, 20);
    EXPECT_GE(bounds.left, 20 - 15);
}

TEST(PaintManagerDrawing, StatusBarGripperPutsThreeByThreeDotsInTheCorner)
{
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    PixelCanvas canvas(30, 30);
    theme.DrawStatusBarGripper(&canvas.dc(), CRect(0, 0, 30, 30));
    for (int nRow = 0; nRow < 3; nRow++)
    {
        for (int nColumn = 0; nColumn < 3; nColumn++)
        {
            const int x = 18 + 4 * nColumn, y = 18 + 4 * nRow;
            EXPECT_EQ(Marker(16), canvas.Pixel(x, y));
            EXPECT_EQ(Marker(20), canvas.Pixel(x + 2, y + 2));
        }
    }
    EXPECT_EQ(CRect(18, 18, 29, 29), canvas.PaintedBounds(kWhite));
}

} // namespace
