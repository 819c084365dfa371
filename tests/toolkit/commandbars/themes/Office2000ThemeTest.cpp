// The Office 2000 look drawn into a memory DC and probed: raised, sunken and
// dithered state boxes, embossed disabled icons and the combo drop-down button.

#include "ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A box at (4, 4, 36, 26) probed at its left, top, right and bottom edges,
// then at (20, 15), (21, 15) and (20, 16) inside: raised "m20 m20 m16 m16 w w w",
// sunken "m16 m16 m20 m20 w w w", dithered sunken (a checkerboard of button
// face and highlight inside) or none at all ("").
const char* const kRaised = "m20 m20 m16 m16 w w w";
const char* const kSunken = "m16 m16 m20 m20 w w w";
const char* const kDithered = "m16 m16 m20 m20 m15 m20 m20";

TEST(Office2000Theme, StateBoxesAreRaisedSunkenOrDithered)
{
    // Name, enabled, selected, pressed, checked, popup open, on a toolbar, box.
    const std::tuple<const char*, BOOL, int, int, BOOL, BOOL, BOOL, const char*> kCases[] = {
        {"idle", TRUE, 0, 0, FALSE, FALSE, TRUE, ""},
        {"hot", TRUE, 1, 0, FALSE, FALSE, TRUE, kRaised},
        {"pressed without the mouse over it", TRUE, 0, 1, FALSE, FALSE, TRUE, kRaised},
        {"pressed", TRUE, 1, 1, FALSE, FALSE, TRUE, kSunken},
        {"just executed", TRUE, 0, 2, FALSE, FALSE, TRUE, kSunken},
        {"checked and idle", TRUE, 0, 0, TRUE, FALSE, TRUE, kDithered},
        {"checked and hot", TRUE, 1, 0, TRUE, FALSE, TRUE, kSunken},
        {"popup open", TRUE, 1, 0, FALSE, TRUE, TRUE, kSunken},
        {"disabled and hot", FALSE, 1, 0, FALSE, FALSE, TRUE, ""},
        {"disabled, reached by the keyboard", FALSE, 2, 0, FALSE, FALSE, TRUE, kSunken},
        {"disabled and checked on a toolbar", FALSE, 0, 0, TRUE, FALSE, TRUE, ""},
        {"disabled and checked in a popup", FALSE, 0, 0, TRUE, FALSE, FALSE, kSunken},
    };
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    for (const auto& [name, bEnabled, nSelected, nPressed, bChecked, bPopuped, bToolBar, box] : kCases)
    {
        PixelCanvas canvas(40, 30);
        theme.DrawRectangle(&canvas.dc(), CRect(4, 4, 36, 26), nSelected, nPressed, bEnabled, bChecked,
                            bPopuped, bToolBar, xtpBarTop);
        if (*box == 0)
            EXPECT_EQ(0, canvas.CountOther(kWhite)) << name;
        else
            EXPECT_EQ(box,
                      Probe(canvas, {{4, 10}, {20, 4}, {35, 10}, {20, 25}, {20, 15}, {21, 15}, {20, 16}}))
                << name;
    }
}

TEST(Office2000Theme, DisabledIconIsEmbossedAndPressedIconMoves)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    CXTPImageManager images;
    AddSolidIcon(images, 41001, RGB(0, 0, 200));
    CXTPImageManagerIcon* pIcon = images.GetImage(41001, 16);

    PixelCanvas disabled(40, 40);
    theme.DrawImage(&disabled.dc(), CPoint(10, 10), CSize(16, 16), pIcon, 0, 0, FALSE, FALSE, FALSE, TRUE);
    // The shadow on top, the highlight showing one pixel down and right.
    EXPECT_EQ("m16 m16 m20 m20", Probe(disabled, {{10, 10}, {25, 25}, {26, 26}, {26, 11}}));
    EXPECT_EQ(CRect(10, 10, 27, 27), disabled.PaintedBounds(kWhite));

    PixelCanvas pressed(40, 40);
    theme.DrawImage(&pressed.dc(), CPoint(10, 10), CSize(16, 16), pIcon, 1, 1, TRUE, FALSE, FALSE, TRUE);
    EXPECT_EQ(CRect(11, 11, 27, 27), pressed.PaintedBounds(kWhite));
}

TEST(Office2000Theme, ComboDropDownButtonIsRaisedOrFlatWhenDropped)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
    // The button: one pixel further left, one in at the top, right and
    // bottom; raised inside a face-and-black frame, flat when dropped.
    PixelCanvas raised(40, 24), dropped(40, 24);
    theme.DrawComboDropDownButton(&raised.dc(), CRect(20, 2, 38, 22), TRUE, FALSE, FALSE);
    theme.DrawComboDropDownButton(&dropped.dc(), CRect(20, 2, 38, 22), TRUE, FALSE, TRUE);
    EXPECT_EQ("m15 m0 m20 m16 w w",
              Probe(raised, {{19, 10}, {36, 10}, {20, 10}, {35, 10}, {37, 10}, {25, 2}}));
    EXPECT_EQ("m16 m16 m15", Probe(dropped, {{19, 10}, {36, 10}, {20, 10}}));
}

} // namespace
