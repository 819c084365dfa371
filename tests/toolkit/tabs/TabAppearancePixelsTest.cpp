// Pixels of single tabs as the appearances draw them: the softened boxes (2)
// and the raised selected tab (5) in a top row, and the 3D (0), slanted (3)
// and trapezoid (7) tabs in rows on the left and on the right. Each strip has
// the tabs A, B and C of a fixed 70 pixels in rows 30 thick, A selected (B
// for appearances 2 and 5); the points are worked out by hand from each
// appearance's outline. The tabs are drawn clipped to the row's band, so a
// line an outline puts into the client is not seen.
#include "TabTestHost.h"

#include "toolkit/tabs/themes/XTPTabStripColors.h"
#include "toolkit/tabs/themes/XTPTabStripShape.h"
#include "toolkit/foundation/XTPColorManager.h"

#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Probe
{
    const char* name;
    CPoint pt;
    COLORREF clr;
};

void ExpectPixels(const PixelCanvas& canvas, const std::vector<Probe>& probes, const char* pszStrip)
{
    for (const Probe& probe : probes)
        EXPECT_EQ(probe.clr, canvas.Pixel(probe.pt.x, probe.pt.y))
            << pszStrip << ": " << probe.name << " at " << probe.pt.x << ", " << probe.pt.y;
}

// The strip of nAppearance at nPosition in a canvas of the strip's size.
class AppearancePixels : public ::testing::Test
{
protected:
    void TearDown() override
    {
        XTPColorManager()->SetSystemTheme(xtpSystemThemeAuto);
        XTPColorManager()->RefreshColors();
    }
    void Draw(CTabTestStrip& strip, PixelCanvas& canvas, int nAppearance, int nPosition, int nSelected)
    {
        strip.UseFixedTabs();
        strip.SetAppearanceById(nAppearance);
        strip.SetPosition(nPosition);
        strip.AddTabs({"A", "B", "C"});
        strip.GetItem(nSelected)->Select();
        strip.Paint(canvas);
    }
    // A row on the left or on the right, its tab nTab standing at rcTab.
    struct SideRow
    {
        const char* name;
        int nPosition;
        CRect rcTab;
        std::vector<Probe> probes;
    };
    // Each row drawn in a strip of 200 x 230 with the tab A selected.
    void ExpectSides(int nAppearance, int nTab, const std::vector<SideRow>& rows)
    {
        for (const SideRow& row : rows)
        {
            CTabTestStrip strip(CRect(0, 0, 200, 230));
            PixelCanvas canvas(200, 230);
            Draw(strip, canvas, nAppearance, row.nPosition, 0);
            ASSERT_EQ(row.rcTab, strip.GetItem(nTab)->GetRect()) << row.name;
            ExpectPixels(canvas, row.probes, row.name);
        }
    }
    static COLORREF Sys(int nIndex) { return ::GetSysColor(nIndex); }
};

// Boxes of the item colours, framed a pixel inside, their two outer corners
// left to the header and the pixels next to them half of each.
TEST_F(AppearancePixels, Appearance2SoftensTheOuterCornersOfItsBoxes)
{
    CTabTestStrip strip(CRect(0, 0, 300, 60));
    PixelCanvas canvas(300, 60);
    strip.m_painter.SetItemColors(TRUE);
    Draw(strip, canvas, xtpTabAppearanceRounded, xtpTabPositionTop, 1);
    // C: (142, 2, 212, 32); its box one wider and one into the client.
    ASSERT_EQ(CRect(142, 2, 212, 32), strip.GetItem(2)->GetRect());
    const COLORREF clrC = RGB(189, 205, 159), clrB = RGB(255, 219, 117), clrHeader = Sys(COLOR_BTNFACE),
                   clrBorder = Sys(COLOR_BTNSHADOW);
    const COLORREF clrHalf =
        RGB((GetRValue(clrC) + GetRValue(clrHeader)) / 2, (GetGValue(clrC) + GetGValue(clrHeader)) / 2,
            (GetBValue(clrC) + GetBValue(clrHeader)) / 2);
    ExpectPixels(canvas,
                 {
                     {"C's face", CPoint(180, 20), clrC},
                     {"its top row outside the frame", CPoint(180, 2), clrC},
                     {"its frame at the top", CPoint(180, 3), clrBorder},
                     {"at the left", CPoint(143, 20), clrBorder},
                     {"at the right", CPoint(211, 20), clrBorder},
                     {"the column it is wider by", CPoint(212, 20), clrC},
                     {"its face over the client's edge", CPoint(180, 31), clrC},
                     {"the outer corner: the header's", CPoint(212, 2), clrHeader},
                     {"next to it: half the face, half the header", CPoint(211, 2), clrHalf},
                     {"the selected B's face", CPoint(100, 20), clrB},
                     {"its frame", CPoint(100, 3), clrBorder},
                     {"the client's edge beyond the tabs", CPoint(250, 31), clrBorder},
                 },
                 "appearance 2");
}

// Only the selected tab has a face and a raised frame, which reaches a pixel
// into the client; the others have a separator after them.
TEST_F(AppearancePixels, Appearance5RaisesOnlyTheSelectedTab)
{
    CTabTestStrip strip(CRect(0, 0, 300, 60));
    PixelCanvas canvas(300, 60);
    Draw(strip, canvas, xtpTabAppearanceRaised, xtpTabPositionTop, 1);
    ASSERT_EQ(CRect(74, 2, 144, 32), strip.GetItem(1)->GetRect());
    const COLORREF clrLight = Sys(COLOR_BTNHIGHLIGHT), clrDark = Sys(COLOR_BTNTEXT),
                   clrHeader = XTPGetColor(48);
    ASSERT_NE(clrHeader, Sys(COLOR_BTNFACE));
    ExpectPixels(canvas,
                 {
                     {"B raised: light at the top", CPoint(100, 2), clrLight},
                     {"and at the left", CPoint(74, 20), clrLight},
                     {"dark at the right", CPoint(143, 20), clrDark},
                     {"open at its foot (its frame's foot lies in the client): its face", CPoint(100, 31),
                      Sys(COLOR_BTNFACE)},
                     {"C: a separator after it", CPoint(214, 20), Sys(COLOR_BTNSHADOW)},
                     {"and no face", CPoint(200, 20), clrHeader},
                     {"nor a frame", CPoint(180, 2), clrHeader},
                     {"the client's edge: light at the top", CPoint(250, 31), clrLight},
                     {"dark at the foot", CPoint(150, 59), clrDark},
                     {"and at the right", CPoint(299, 45), clrDark},
                     {"the client: the selected tab's face", CPoint(150, 45), Sys(COLOR_BTNFACE)},
                 },
                 "appearance 5");
}

TEST_F(AppearancePixels, Appearance0StandsOutOfTheLeftAndRightEdges)
{
    const COLORREF clrLight = Sys(COLOR_BTNHIGHLIGHT), clrShadow = Sys(COLOR_BTNSHADOW),
                   clrDark = Sys(COLOR_3DDKSHADOW), clrFace = Sys(COLOR_BTNFACE);
    ExpectSides(xtpTabAppearance3D, 2,
                {
                    {"left",
                     xtpTabPositionLeft,
                     CRect(3, 142, 33, 212),
                     {
                         {"the outer side: light", CPoint(3, 170), clrLight},
                         {"the top: light", CPoint(10, 142), clrLight},
                         {"its rounded corner", CPoint(4, 143), clrLight},
                         {"the foot: shadow", CPoint(10, 210), clrShadow},
                         {"then dark", CPoint(10, 211), clrDark},
                         {"the foot's first pixels crossed", CPoint(5, 210), clrDark},
                         {"and", CPoint(5, 211), clrShadow},
                         {"the selected A joined to the client", CPoint(32, 40), clrFace},
                         {"the client's light edge beside B", CPoint(32, 100), clrLight},
                     }},
                    {"right",
                     xtpTabPositionRight,
                     CRect(167, 142, 197, 212),
                     {
                         {"the top: light", CPoint(180, 142), clrLight},
                         {"its rounded corner", CPoint(196, 143), clrLight},
                         {"the outer side: shadow", CPoint(196, 170), clrShadow},
                         {"and dark beyond it", CPoint(197, 170), clrDark},
                         {"the lower corner", CPoint(196, 210), clrDark},
                         {"the foot: shadow", CPoint(180, 210), clrShadow},
                         {"then dark", CPoint(180, 211), clrDark},
                         {"the selected A's face over the client's edge", CPoint(167, 40), clrFace},
                         {"the client's dark edge beside B", CPoint(167, 100), clrDark},
                     }},
                });
}

// The blue scheme's outlines: the outer line, the trailing edge's inner line
// and the slant's inner line; the selected tab joined in its face.
TEST_F(AppearancePixels, Appearance3SlantsOnTheLeftAndRight)
{
    XTPColorManager()->SetSystemTheme(xtpSystemThemeBlue);
    const COLORREF clrOuter = RGB(0, 53, 154), clrTrailing = RGB(117, 166, 241),
                   clrInner = RGB(255, 255, 255), clrSelectedFace = RGB(255, 194, 115);
    ExpectSides(xtpTabAppearanceSlanted, 1,
                {
                    {"left",
                     xtpTabPositionLeft,
                     CRect(3, 90, 33, 160),
                     {
                         {"B's outer line", CPoint(3, 130), clrOuter},
                         {"its inner line", CPoint(4, 130), clrInner},
                         {"its trailing edge", CPoint(20, 159), clrTrailing},
                         {"the selected A's join", CPoint(32, 50), clrSelectedFace},
                     }},
                    {"right",
                     xtpTabPositionRight,
                     CRect(167, 90, 197, 160),
                     {
                         {"B's outer line", CPoint(197, 130), clrOuter},
                         {"its inner line", CPoint(196, 130), clrInner},
                         {"its trailing edge", CPoint(180, 159), clrTrailing},
                         {"the selected A's join", CPoint(167, 50), clrSelectedFace},
                     }},
                });
}

// Trapezoids moved back by a quarter of their thickness: the outer line and
// the light line inside it; the selected tab joined in its face.
TEST_F(AppearancePixels, Appearance7LeansOnTheLeftAndRight)
{
    const COLORREF clrOuter = Sys(COLOR_BTNTEXT), clrInner = Sys(COLOR_WINDOW),
                   clrSelectedFace = Sys(COLOR_WINDOW);
    ExpectSides(xtpTabAppearanceTrapezoid, 1,
                {
                    {"left",
                     xtpTabPositionLeft,
                     CRect(3, 81, 33, 151),
                     {
                         {"B's outer line", CPoint(3, 120), clrOuter},
                         {"its inner line", CPoint(4, 120), clrInner},
                         {"its face", CPoint(20, 120), Sys(COLOR_BTNFACE)},
                         {"the selected A's join", CPoint(32, 50), clrSelectedFace},
                         {"the client's edge beside B", CPoint(32, 120), Sys(COLOR_BTNSHADOW)},
                     }},
                    {"right",
                     xtpTabPositionRight,
                     CRect(167, 81, 197, 151),
                     {
                         {"B's outer line", CPoint(196, 120), clrOuter},
                         {"its inner line", CPoint(195, 120), clrInner},
                         {"its face", CPoint(180, 120), Sys(COLOR_BTNFACE)},
                         {"the selected A's join", CPoint(167, 50), clrSelectedFace},
                         {"the client's edge beside B", CPoint(167, 120), Sys(COLOR_BTNSHADOW)},
                     }},
                });
}

} // namespace
