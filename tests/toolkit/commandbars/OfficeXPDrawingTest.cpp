// The Office XP look drawn into a memory DC and probed pixel by pixel: the
// state boxes of controls, icons faded, raised over their shadow, pressed
// and disabled, and the size grips.
#include "themes/ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"
#include "toolkit/foundation/XTPImageManager.h"

#include <gtest/gtest.h>

namespace {

TEST(OfficeXPDrawing, ControlStateBoxes)
{
    // The frame at (5, 5), (34, 26), (20, 26), the fill at (6, 6), (20, 16)
    // ("" for no box at all), and the text colour's index.
    const struct
    {
        const char* name;
        BOOL bEnabled;
        int nSelected, nPressed;
        BOOL bChecked, bPopuped;
        const char* box;
        int nText;
    } kCases[] = {
        {"normal", TRUE, 0, 0, FALSE, FALSE, "", 46},
        {"hot", TRUE, 1, 0, FALSE, FALSE, "m32 m32 m32 m31 m31", 45},
        {"pressed", TRUE, 1, 1, FALSE, FALSE, "m50 m50 m50 m33 m33", 47},
        {"just executed", TRUE, 0, 2, FALSE, FALSE, "m50 m50 m50 m33 m33", 47},
        {"checked", TRUE, 0, 0, TRUE, FALSE, "m50 m50 m50 m36 m36", 45},
        {"checked and hot", TRUE, 1, 0, TRUE, FALSE, "m37 m37 m37 m33 m33", 47},
        {"popup open", TRUE, 1, 0, FALSE, TRUE, "m43 m43 m43 m30 m30", 46},
        {"disabled", FALSE, 1, 0, FALSE, FALSE, "", 40},
        {"disabled and checked", FALSE, 0, 0, TRUE, FALSE, "", 40},
        {"disabled, reached by the keyboard", FALSE, 2, 0, FALSE, FALSE, "m32 m32 m32 m31 m31", 40},
    };
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.name);
        PixelCanvas canvas(40, 32);
        theme.DrawControlState(&canvas.dc(), CRect(5, 5, 35, 27), c.bEnabled, c.nSelected, c.nPressed,
                               c.bChecked, c.bPopuped, xtpBarTop);
        EXPECT_EQ(*c.box ? CRect(5, 5, 35, 27) : CRect(0, 0, 0, 0), canvas.PaintedBounds(kWhite));
        if (*c.box)
        {
            EXPECT_EQ(c.box, Probe(canvas, {{5, 5}, {34, 26}, {20, 26}, {6, 6}, {20, 16}}));
        }
        EXPECT_EQ(Marker(c.nText), canvas.dc().GetTextColor());
    }
}

// A solid blue icon drawn at (10, 10): faded when idle (unless the option is
// cleared), raised one pixel up-left over its shadow when hot (unless
// shadows are off), in place when pressed or checked, and monochrome in the
// disabled colour.
TEST(OfficeXPDrawing, IconsByState)
{
    const struct
    {
        const char* name;
        int nSelected, nPressed;
        BOOL bEnabled, bChecked, bFaded, bShadow;
        CRect bounds;
        const char* colors; // at (9, 9), (10, 10), (17, 17), (24, 24), (26, 26)
    } kCases[] = {
        {"idle", 0, 0, TRUE, FALSE, TRUE, TRUE, CRect(10, 10, 26, 26), "w #4c4cd8 #4c4cd8 #4c4cd8 w"},
        {"idle, not faded", 0, 0, TRUE, FALSE, FALSE, TRUE, CRect(10, 10, 26, 26),
         "w #0000c8 #0000c8 #0000c8 w"},
        {"hot", 1, 0, TRUE, FALSE, TRUE, TRUE, CRect(9, 9, 27, 27),
         "#0000c8 #0000c8 #0000c8 #0000c8 #90a8be"},
        {"hot, no shadow", 1, 0, TRUE, FALSE, TRUE, FALSE, CRect(10, 10, 26, 26),
         "w #0000c8 #0000c8 #0000c8 w"},
        {"pressed", 1, 1, TRUE, FALSE, TRUE, TRUE, CRect(10, 10, 26, 26), "w #0000c8 #0000c8 #0000c8 w"},
        {"just executed", 0, 2, TRUE, FALSE, TRUE, TRUE, CRect(10, 10, 26, 26),
         "w #0000c8 #0000c8 #0000c8 w"},
        {"checked", 0, 0, TRUE, TRUE, TRUE, TRUE, CRect(10, 10, 26, 26), "w #0000c8 #0000c8 #0000c8 w"},
        {"checked and hot", 1, 0, TRUE, TRUE, TRUE, TRUE, CRect(10, 10, 26, 26),
         "w #0000c8 #0000c8 #0000c8 w"},
        {"disabled", 0, 0, FALSE, FALSE, TRUE, TRUE, CRect(10, 10, 26, 26), "w m40 m40 m40 w"},
    };
    CXTPImageManager images;
    HICON hIcon = MakeSolidIcon(RGB(0, 0, 200));
    ASSERT_TRUE(images.SetIcon(CXTPImageManagerIconHandle(hIcon), 41001, CSize(16, 16)));
    ::DestroyIcon(hIcon);
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.name);
        CXTPOfficeXPTheme theme;
        MarkColors(theme);
        theme.GetIconsInfo()->bUseFadedIcons = c.bFaded;
        theme.GetIconsInfo()->bIconsWithShadow = c.bShadow;
        PixelCanvas canvas(40, 40);
        theme.DrawImage(&canvas.dc(), CPoint(10, 10), CSize(16, 16), images.GetImage(41001, 16), c.nSelected,
                        c.nPressed, c.bEnabled, c.bChecked, FALSE, TRUE);
        EXPECT_EQ(c.bounds, canvas.PaintedBounds(kWhite));
        EXPECT_EQ(c.colors, Probe(canvas, {{9, 9}, {10, 10}, {17, 17}, {24, 24}, {26, 26}}));
    }
}

TEST(PaintManagerDrawing, ResizeAndStatusBarGrippers)
{
    CXTPOfficeXPTheme theme;
    MarkColors(theme);
    // Nine lines in the corner: shadow pairs and a highlight line per step,
    // from the bottom row up to the right column.
    PixelCanvas resize(20, 20);
    theme.DrawResizeGripper(&resize.dc(), CRect(0, 0, 20, 20));
    EXPECT_EQ("m16 m16 m20 m16 m20", Probe(resize, {{17, 18}, {16, 18}, {15, 18}, {18, 9}, {18, 7}}));
    const CRect bounds = resize.PaintedBounds(kWhite);
    EXPECT_EQ(19, bounds.bottom);
    EXPECT_LE(bounds.right, 20);
    EXPECT_GE(bounds.left, 20 - 15);

    // Three by three dots, shadow over highlight, in the status bar's corner.
    PixelCanvas status(30, 30);
    theme.DrawStatusBarGripper(&status.dc(), CRect(0, 0, 30, 30));
    for (int y = 18; y <= 26; y += 4)
        for (int x = 18; x <= 26; x += 4)
            EXPECT_EQ("m16 m20", Probe(status, {{x, y}, {x + 2, y + 2}})) << x << ", " << y;
    EXPECT_EQ(CRect(18, 18, 29, 29), status.PaintedBounds(kWhite));
}

} // namespace
