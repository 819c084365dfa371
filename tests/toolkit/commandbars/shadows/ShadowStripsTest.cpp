// The arithmetic of drop shadows as plain functions: where the strips of a
// shadowed rectangle go, how a strip joins one of the other orientation it
// meets, and the alpha and colour of each pixel of a strip.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/shadows/XTPShadowStrips.h"

namespace {

TEST(ShadowStrips, TheStripsLieAlongTheBottomAndDownTheRight)
{
    const CRect rc(100, 50, 300, 250);
    EXPECT_EQ(CRect(104, 250, 304, 254), ShadowStripRect(TRUE, rc, 4)) << "bottom: 4 in from the left, past the right";
    EXPECT_EQ(CRect(300, 54, 304, 250), ShadowStripRect(FALSE, rc, 4)) << "right: 4 down from the top";
    EXPECT_EQ(CRect(102, 250, 302, 252), ShadowStripRect(TRUE, rc, 2));
}

struct JoinCase
{
    const char* name;
    BOOL bHorizontal;
    CRect rcNew, rcOther, rcJoined;
};

TEST(ShadowStrips, AStripMeetingOneOfTheOtherOrientationIsLengthened)
{
    const JoinCase kJoins[] = {
        {"a right strip starting a pixel above a bottom strip's lower edge grows up by twice its height", FALSE,
         CRect(300, 253, 304, 400), CRect(104, 250, 320, 254), CRect(300, 245, 304, 400)},
        {"a right strip whose right edge is outside the bottom strip stays", FALSE, CRect(320, 253, 324, 400),
         CRect(104, 250, 320, 254), CRect(320, 253, 324, 400)},
        {"a right strip at another height stays", FALSE, CRect(300, 260, 304, 400), CRect(104, 250, 320, 254),
         CRect(300, 260, 304, 400)},
        {"a bottom strip starting a pixel left of a right strip's edge grows left by twice its width and one", TRUE,
         CRect(303, 300, 500, 304), CRect(300, 54, 304, 400), CRect(294, 300, 500, 304)},
        {"a bottom strip below the right strip's end stays", TRUE, CRect(303, 400, 500, 404),
         CRect(300, 54, 304, 400), CRect(303, 400, 500, 404)},
        {"a bottom strip elsewhere stays", TRUE, CRect(310, 300, 500, 304), CRect(300, 54, 304, 400),
         CRect(310, 300, 500, 304)},
    };
    for (const JoinCase& c : kJoins)
        EXPECT_EQ(c.rcJoined, JoinShadowStrip(c.bHorizontal, c.rcNew, c.rcOther)) << c.name;
}

// Alpha (top byte) and colour of one pixel of a strip.
struct PixelCase
{
    const char* name;
    int x, y;
    DWORD dwExpected;
};

template <size_t N>
void ExpectPixels(const std::vector<DWORD>& pixels, int cx, const PixelCase (&cases)[N])
{
    for (const PixelCase& c : cases)
        EXPECT_EQ(c.dwExpected, pixels[c.y * cx + c.x]) << c.name;
}

TEST(ShadowStrips, TheRightStripIsDarkestBesideTheBarAndFadesInAtItsTop)
{
    // 4 x 10, the system's shadow (alpha twice the theme's), base colour
    // 200, 100, 40.
    const std::vector<DWORD> pixels = ShadowStripPixels(FALSE, 4, 10, RGB(200, 100, 40), 2);
    ASSERT_EQ(40u, pixels.size());
    const PixelCase kPixels[] = {
        {"next to the bar: alpha 15 x 4 x 2, the full colour", 0, 5, 0x78C86428},
        {"outer column: alpha 15 x 1 x 2, a quarter of the colour", 3, 5, 0x1E32190A},
        {"the last row like the others", 1, 9, 0x5A964B1E},
        {"top corner, outer: alpha 3 x 1 x 1 x 2, a twentieth", 3, 0, 0x060A0502},
        {"top corner, inner lowest: alpha 3 x 4 x 4 x 2, sixteen twentieths", 0, 3, 0x60A05020},
        {"top corner, inner top: alpha 3 x 4 x 1 x 2, four twentieths", 0, 0, 0x18281408},
    };
    ExpectPixels(pixels, 4, kPixels);
}

TEST(ShadowStrips, TheBottomStripIsDarkestBesideTheBarAndFadesInAtBothEnds)
{
    // 12 x 4, a theme's own shadow, black.
    const std::vector<DWORD> pixels = ShadowStripPixels(TRUE, 12, 4, RGB(0, 0, 0), 1);
    ASSERT_EQ(48u, pixels.size());
    const PixelCase kPixels[] = {
        {"the row next to the bar: alpha 15 x 4", 6, 0, 0x3C000000},
        {"the outer row: alpha 15", 6, 3, 0x0F000000},
        {"left corner, outer end: alpha 3", 0, 3, 0x03000000},
        {"left corner, inner: alpha 3 x 4 x 4", 3, 0, 0x30000000},
        {"right corner mirrors the left: outer end", 11, 3, 0x03000000},
        {"right corner, next to the bar at its end: alpha 3 x 1 x 4", 11, 0, 0x0C000000},
    };
    ExpectPixels(pixels, 12, kPixels);
}

TEST(ShadowStrips, AnEmptyStripHasNoPixels)
{
    EXPECT_TRUE(ShadowStripPixels(TRUE, 0, 4, RGB(0, 0, 0), 1).empty());
    EXPECT_TRUE(ShadowStripPixels(FALSE, 4, 0, RGB(0, 0, 0), 1).empty());
    EXPECT_EQ(8u, ShadowStripPixels(FALSE, 4, 2, RGB(0, 0, 0), 1).size()) << "shorter than its corner: no overrun";
}

} // namespace
