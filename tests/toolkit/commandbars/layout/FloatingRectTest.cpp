#include "toolkit/commandbars/layout/XTPFloatingRect.h"
#include "toolkit/commandbars/layout/XTPLayoutFlags.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct PointInRectCase
{
    const char* pszName;
    CPoint pt;
    CRect rcExpected;
};

TEST(FloatingRect, KeepPointInRect)
{
    const CRect rc(100, 100, 200, 150);
    const PointInRectCase cases[] = {
        {"inside: unchanged", CPoint(150, 120), CRect(100, 100, 200, 150)},
        {"on the top-left corner: inside", CPoint(100, 100), CRect(100, 100, 200, 150)},
        {"left of it", CPoint(80, 120), CRect(80, 100, 180, 150)},
        {"on its right edge, which is outside", CPoint(200, 120), CRect(101, 100, 201, 150)},
        {"far right of it", CPoint(260, 120), CRect(161, 100, 261, 150)},
        {"above it", CPoint(150, 40), CRect(100, 40, 200, 90)},
        {"below it", CPoint(150, 170), CRect(100, 121, 200, 171)},
        {"outside on both axes", CPoint(20, 300), CRect(20, 251, 120, 301)},
    };
    for (const PointInRectCase& c : cases)
    {
        CRect rcMoved(rc);
        XTPKeepPointInRect(rcMoved, c.pt);
        EXPECT_EQ(c.rcExpected, rcMoved) << c.pszName;
        EXPECT_TRUE(rcMoved.PtInRect(c.pt)) << c.pszName;
    }
}

struct InsideAreaCase
{
    const char* pszName;
    CRect rc;
    CRect rcExpected;
};

TEST(FloatingRect, MoveInsideArea)
{
    const CRect rcArea(0, 0, 1024, 740);
    const InsideAreaCase cases[] = {
        {"inside: unchanged", CRect(100, 100, 300, 160), CRect(100, 100, 300, 160)},
        {"off the right edge", CRect(1000, 100, 1200, 160), CRect(824, 100, 1024, 160)},
        {"off the bottom edge", CRect(100, 700, 300, 760), CRect(100, 680, 300, 740)},
        {"above the top", CRect(100, -30, 300, 30), CRect(100, 0, 300, 60)},
        {"off every edge, far away", CRect(3000, -900, 3200, -840), CRect(824, 0, 1024, 60)},
        {"wider than the area: aligned left", CRect(-50, 100, 1100, 160), CRect(0, 100, 1150, 160)},
        {"exactly the area", CRect(0, 0, 1024, 740), CRect(0, 0, 1024, 740)},
    };
    for (const InsideAreaCase& c : cases)
        EXPECT_EQ(c.rcExpected, XTPMoveInsideArea(c.rc, rcArea)) << c.pszName;
}

// A hit code and the rectangle it leads to.
struct HitCodeCase
{
    const char* pszName;
    int nHitTest;
    CRect rcExpected;
};

TEST(FloatingRect, SizingEdgesByHitCode)
{
    const CRect rc(100, 100, 200, 150);
    const CSize delta(5, -7);
    const HitCodeCase cases[] = {
        {"left", HTLEFT, CRect(105, 100, 200, 150)},
        {"right", HTRIGHT, CRect(100, 100, 205, 150)},
        {"top", HTTOP, CRect(100, 93, 200, 150)},
        {"bottom", HTBOTTOM, CRect(100, 100, 200, 143)},
        {"top-left", HTTOPLEFT, CRect(105, 93, 200, 150)},
        {"top-right", HTTOPRIGHT, CRect(100, 93, 205, 150)},
        {"bottom-left", HTBOTTOMLEFT, CRect(105, 100, 200, 143)},
        {"bottom-right", HTBOTTOMRIGHT, CRect(100, 100, 205, 143)},
        {"the client area moves nothing", HTCLIENT, CRect(100, 100, 200, 150)},
        {"the caption moves nothing", HTCAPTION, CRect(100, 100, 200, 150)},
    };
    for (const HitCodeCase& c : cases)
        EXPECT_EQ(c.rcExpected, XTPMoveSizingEdges(rc, c.nHitTest, delta)) << c.pszName;
}

struct ResizeCase
{
    const char* pszName;
    int nHitTest;
    CSize delta;
    CRect rcExpected;
    int nLength;
    DWORD dwMode;
};

TEST(FloatingRect, FloatingBarResizeStep)
{
    const CRect rc(100, 100, 300, 160);
    const DWORD kWidth = xtpLayoutHorz | xtpLayoutCommit;
    const DWORD kHeight = xtpLayoutHorz | xtpLayoutLengthIsHeight | xtpLayoutCommit;
    const ResizeCase cases[] = {
        {"the left edge out", HTLEFT, CSize(-30, 9), CRect(70, 100, 300, 160), 230, kWidth},
        {"the right edge in", HTRIGHT, CSize(-50, 9), CRect(100, 100, 250, 160), 150, kWidth},
        {"the top edge up", HTTOP, CSize(9, -20), CRect(100, 80, 300, 160), 80, kHeight},
        {"the bottom edge down", HTBOTTOM, CSize(9, 40), CRect(100, 100, 300, 200), 100, kHeight},
        {"the right edge past the left: no length", HTRIGHT, CSize(-250, 0), CRect(100, 100, 50, 160), 0,
         kWidth},
        {"the top edge past the bottom: no length", HTTOP, CSize(0, 90), CRect(100, 190, 300, 160), 0,
         kHeight},
    };
    for (const ResizeCase& c : cases)
    {
        XTPFloatingResize resize = XTPResizeFloatingBar(rc, c.nHitTest, c.delta);
        EXPECT_EQ(c.rcExpected, resize.rcFloating) << c.pszName;
        EXPECT_EQ(c.nLength, resize.nLength) << c.pszName;
        EXPECT_EQ(c.dwMode, resize.dwMode) << c.pszName;
    }
}

TEST(FloatingRect, TheWidthTheNextLayoutIsGivenAfterAResize)
{
    const CRect rcFloating(100, 100, 300, 160), rcWindow(100, 100, 220, 190);
    const std::pair<int, int> cases[] = {{HTLEFT, 200}, {HTRIGHT, 200}, {HTTOP, 120}, {HTBOTTOM, 120}};
    for (const auto& [nHitTest, nWidth] : cases)
        EXPECT_EQ(nWidth, XTPResizedBarWidth(nHitTest, rcFloating, rcWindow)) << nHitTest;
}

TEST(FloatingRect, ResizedWindowKeepsTheFixedEdges)
{
    const CRect rcWindow(100, 100, 300, 160);
    const CSize size(120, 90);
    const HitCodeCase cases[] = {
        {"left edge moved: the right edge stays", HTLEFT, CRect(180, 100, 300, 190)},
        {"top edge moved: the bottom edge stays", HTTOP, CRect(100, 70, 220, 160)},
        {"right edge moved: the top-left stays", HTRIGHT, CRect(100, 100, 220, 190)},
        {"bottom edge moved: the top-left stays", HTBOTTOM, CRect(100, 100, 220, 190)},
        {"top-left corner moved: the bottom-right stays", HTTOPLEFT, CRect(180, 70, 300, 160)},
        {"bottom-left corner moved: top and right stay", HTBOTTOMLEFT, CRect(180, 100, 300, 190)},
    };
    for (const HitCodeCase& c : cases)
        EXPECT_EQ(c.rcExpected, XTPPlaceResized(rcWindow, size, c.nHitTest)) << c.pszName;
}

struct TogglePointCase
{
    const char* pszName;
    CPoint ptRemembered;
    CPoint ptExpected;
};

TEST(FloatingRect, TogglePoint)
{
    const CPoint ptCurrent(40, 60);
    const TogglePointCase cases[] = {
        {"nothing remembered", CPoint(0, 0), ptCurrent},
        {"x below 1", CPoint(0, 300), ptCurrent},
        {"y below 1", CPoint(300, -5), ptCurrent},
        {"remembered", CPoint(1, 1), CPoint(1, 1)},
        {"remembered far away", CPoint(500, 420), CPoint(500, 420)},
    };
    for (const TogglePointCase& c : cases)
        EXPECT_EQ(c.ptExpected, XTPFloatingTogglePoint(c.ptRemembered, ptCurrent)) << c.pszName;
}

} // namespace
