// The Office 2000 look drawn into a memory DC and probed: raised, sunken and
// dithered state boxes, embossed disabled icons, the combo drop-down button
// and the factory's classic look for unknown ids.
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/themes/XTPOffice2000Theme.h"
#include "toolkit/foundation/XTPImageManager.h"

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

TEST(Office2000Theme, ComboDropDownButtonIsRaisedOrFlatWhenDropped)
{
    CXTPOffice2000Theme theme;
    MarkColors(theme);
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
