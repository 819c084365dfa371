// The layout of a collection's controls with a paint manager that gives
// every control the size stored in its tag: rows, wraps, hidden overflow,
// vertical docking, right alignment and stretching, as rectangles.
#include "toolkit/commandbars/XTPControlButton.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Sizes are arithmetic here, not font metrics.
class CFixedSizePaintManager : public CXTPOfficeXPTheme
{
public:
    CSize DrawControlToolBarParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override
    {
        (void)pDC;
        (void)bDraw;
        return CSize(LOWORD(pControl->GetTag()), HIWORD(pControl->GetTag()));
    }
};

struct Item
{
    int cx, cy;
    BOOL bBeginGroup;
    DWORD dwFlags;
    DWORD dwHideFlags;
};

struct LayoutCase
{
    // A constructor, so that a row takes the formatter's packed call layout.
    LayoutCase(const char* name_, const std::vector<Item>& items_, int nLength_, DWORD dwMode_,
               CRect rcBorder_, CSize size_, const std::vector<CRect>& rects_,
               const std::vector<BOOL>& wraps_, const std::vector<BOOL>& wrappedOff_)
        : name(name_), items(items_), nLength(nLength_), dwMode(dwMode_), rcBorder(rcBorder_), size(size_),
          rects(rects_), wraps(wraps_), wrappedOff(wrappedOff_)
    {}
    const char* name;
    std::vector<Item> items;
    int nLength;
    DWORD dwMode;
    CRect rcBorder;
    CSize size;
    std::vector<CRect> rects;
    std::vector<BOOL> wraps;
    std::vector<BOOL> wrappedOff; // hide bit 2 after the layout
};

const DWORD kDockedTop = xtpLayoutCommit | xtpLayoutHorzDock | xtpLayoutHorz;
const DWORD kDockedLeft = xtpLayoutCommit | xtpLayoutVertDock;
const CRect kGripperBorder(8, 2, 2, 2);
const CRect kNoBorder(0, 0, 0, 0);

const LayoutCase kCases[] = {
    LayoutCase("a narrow docked bar wraps at its last group and fills the length",
               {{23, 22, FALSE, 0, 0}, {23, 22, TRUE, 0, 0}, {40, 22, FALSE, 0, 0}}, 80, kDockedTop,
               kGripperBorder, CSize(80, 54),
               {CRect(8, 2, 31, 24), CRect(8, 30, 31, 52), CRect(31, 30, 71, 52)}, {FALSE, TRUE, FALSE},
               {FALSE, FALSE, FALSE}),
    LayoutCase("without wrapping what does not fit is wrapped off the bar",
               {{23, 22, FALSE, 0, 0}, {23, 22, TRUE, 0, 0}, {40, 22, FALSE, 0, 0}}, 80,
               kDockedTop | xtpLayoutHideWrap, kGripperBorder, CSize(80, 26),
               {CRect(8, 2, 31, 24), CRect(37, 2, 60, 24), CRect(0, 0, 0, 0)}, {FALSE, FALSE, FALSE},
               {FALSE, FALSE, TRUE}),
    LayoutCase("a stretched bar pushes right-aligned controls to its end and stretches the rest",
               {{20, 22, FALSE, xtpFlagControlStretched, 0},
                {23, 22, FALSE, 0, 0},
                {10, 22, FALSE, xtpFlagRightAlign, 0}},
               200, kDockedTop | xtpLayoutStretch, kNoBorder, CSize(200, 22),
               {CRect(0, 0, 167, 22), CRect(167, 0, 190, 22), CRect(190, 0, 200, 22)}, {FALSE, FALSE, FALSE},
               {FALSE, FALSE, FALSE}),
    LayoutCase("hidden controls take no place",
               {{23, 22, FALSE, 0, 0}, {50, 22, TRUE, 0, xtpHideGeneric}, {23, 22, TRUE, 0, 0}}, 200,
               kDockedTop, kNoBorder, CSize(52, 22),
               {CRect(0, 0, 23, 22), CRect(0, 0, 0, 0), CRect(29, 0, 52, 22)}, {FALSE, FALSE, FALSE},
               {FALSE, FALSE, FALSE}),
};

class ControlsLayout : public ::testing::Test
{
protected:
    void SetUp() override { CXTPPaintManager::SetCustomTheme(new CFixedSizePaintManager()); }
    void TearDown() override { CXTPPaintManager::SetTheme(xtpThemeOfficeXP); }
};

TEST_F(ControlsLayout, RectanglesForLengthAndMode)
{
    PixelCanvas canvas(10, 10);
    for (const LayoutCase& c : kCases)
    {
        SCOPED_TRACE(c.name);
        CXTPControls controls;
        for (size_t i = 0; i < c.items.size(); i++)
        {
            CXTPControl* pControl = controls.Add(xtpControlButton, 100 + (int)i);
            pControl->SetTag(MAKELONG(c.items[i].cx, c.items[i].cy));
            pControl->SetBeginGroup(c.items[i].bBeginGroup);
            pControl->SetFlags(c.items[i].dwFlags);
            pControl->SetHideFlags(c.items[i].dwHideFlags);
        }
        EXPECT_EQ(c.size, controls.CalcDynamicSize(&canvas.dc(), c.nLength, c.dwMode, c.rcBorder));
        std::vector<CRect> rects;
        std::vector<BOOL> wraps, wrappedOff;
        for (int i = 0; i < controls.GetCount(); i++)
        {
            rects.push_back(controls.GetAt(i)->GetRect());
            wraps.push_back(controls.GetAt(i)->GetWrap());
            wrappedOff.push_back((controls.GetAt(i)->GetHideFlags() & xtpHideWrap) != 0);
        }
        EXPECT_EQ(c.rects, rects);
        EXPECT_EQ(c.wraps, wraps);
        EXPECT_EQ(c.wrappedOff, wrappedOff);
    }
}

TEST_F(ControlsLayout, BarWithoutVisibleControlsMeasuresTheMinimumBox)
{
    PixelCanvas canvas(10, 10);
    CXTPControls controls;
    controls.Add(xtpControlButton, 1)->SetHideFlags(xtpHideGeneric);
    EXPECT_EQ(CSize(33, 26), controls.CalcDynamicSize(&canvas.dc(), 200, kDockedTop, kGripperBorder));
    // The minimum raises the height of a horizontally docked bar, else the width.
    EXPECT_EQ(CSize(33, 40), controls.CalcDynamicSize(&canvas.dc(), 200, kDockedTop, kGripperBorder, 40));
    EXPECT_EQ(CSize(50, 26), controls.CalcDynamicSize(&canvas.dc(), 200, kDockedLeft, kGripperBorder, 50));
}

TEST_F(ControlsLayout, FloatingBarTakesTheNarrowestShapeOfItsRowCount)
{
    PixelCanvas canvas(10, 10);
    CXTPControls controls;
    for (int i = 0; i < 6; i++)
        controls.Add(xtpControlButton, 1 + i)->SetTag(MAKELONG(20, 20));
    const CRect rcBorder(3, 3, 3, 3);
    EXPECT_EQ(CSize(46, 66), controls.CalcDynamicSize(&canvas.dc(), 56, xtpLayoutCommit, rcBorder));
    EXPECT_EQ(CRect(3, 23, 23, 43), controls.GetAt(2)->GetRect());
    // Asked for a height, the bar takes the widest shape that fits it.
    EXPECT_EQ(CSize(66, 46), controls.CalcDynamicSize(&canvas.dc(), 56,
                                                      xtpLayoutCommit | xtpLayoutLengthIsHeight, rcBorder));
}

} // namespace
