// Which windows the user can see and which panes a frame shows, in reading
// order; and the frame that never gives the focus to a view the user cannot
// see.
#include "TestWindows.h"
#include "framework/window/ShownPanes.h"
#include "tests/support/RealInput.h"
#include "tests/support/TestWindow.h"

#include <functional>

namespace {

// A plain child window at the rectangle of its parent's client area.
HWND Child(HWND hParent, const CRect& rect, UINT nID = 0, DWORD dwStyle = WS_VISIBLE)
{
    return ::CreateWindowExA(0, "STATIC", "", WS_CHILD | dwStyle, rect.left, rect.top, rect.Width(),
                             rect.Height(), hParent, (HMENU)(UINT_PTR)nID, ::GetModuleHandleA(NULL), NULL);
}

class CPaneTestView : public CView
{
public:
    void OnDraw(CDC*) override {}
};

} // namespace

// A pane (a window with a pane id) must show at least ReadablePaneSize of its
// client area; other windows, however small, need only show some of theirs.
TEST(ShownPanes, AWindowIsShownWhenSomeOfItLiesInsideEveryParent)
{
    CTestWindow host(CSize(300, 200));
    const UINT kPane = AFX_IDW_PANE_FIRST;
    const SIZE readable = ReadablePaneSize();
    const struct
    {
        const char* name;
        std::function<HWND()> make;
        BOOL bShown;
    } rows[] = {
        {"a visible child with room", [&] { return Child(host.m_hWnd, CRect(10, 10, 60, 40)); }, TRUE},
        {"without WS_VISIBLE", [&] { return Child(host.m_hWnd, CRect(10, 10, 60, 40), 0, 0); }, FALSE},
        {"0 pixels wide", [&] { return Child(host.m_hWnd, CRect(10, 10, 10, 40)); }, FALSE},
        {"0 pixels high", [&] { return Child(host.m_hWnd, CRect(10, 10, 60, 10)); }, FALSE},
        {"in a hidden parent",
         [&] { return Child(Child(host.m_hWnd, CRect(0, 0, 100, 100), 0, 0), CRect(10, 10, 60, 40)); },
         FALSE},
        // A parent dragged shut keeps its children's sizes.
        {"in a parent 0 pixels wide",
         [&] { return Child(Child(host.m_hWnd, CRect(0, 0, 0, 100)), CRect(10, 10, 60, 40)); }, FALSE},
        {"outside its parent's client area",
         [&] { return Child(Child(host.m_hWnd, CRect(0, 0, 100, 100)), CRect(120, 10, 160, 40)); }, FALSE},
        {"partly inside its parent",
         [&] { return Child(Child(host.m_hWnd, CRect(0, 0, 100, 100)), CRect(90, 10, 160, 40)); }, TRUE},
        {"a pane as large as can be read",
         [&] { return Child(host.m_hWnd, CRect(CPoint(10, 10), readable), kPane); }, TRUE},
        {"a pane a pixel narrower",
         [&] { return Child(host.m_hWnd, CRect(10, 10, 9 + readable.cx, 10 + readable.cy), kPane); }, FALSE},
        {"a pane a pixel lower",
         [&] { return Child(host.m_hWnd, CRect(10, 10, 10 + readable.cx, 9 + readable.cy), kPane); }, FALSE},
        // A bar dragged to the edge: 2 pixels of the pane lie inside its parent.
        {"a pane 2 pixels of which show",
         [&] { return Child(Child(host.m_hWnd, CRect(0, 0, 100, 100)), CRect(98, 10, 160, 60), kPane); },
         FALSE},
        {"a window in a pane 2 pixels wide",
         [&] { return Child(Child(host.m_hWnd, CRect(0, 0, 2, 100), kPane), CRect(0, 10, 60, 40)); }, FALSE},
        {"a small window in a pane with room",
         [&] { return Child(Child(host.m_hWnd, CRect(0, 0, 100, 100), kPane), CRect(10, 10, 14, 14)); },
         TRUE},
        {"in a hidden top-level window",
         [&] {
             host.ShowWindow(SW_HIDE);
             return Child(host.m_hWnd, CRect(10, 10, 60, 40));
         },
         TRUE},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.bShown, IsShownInTopLevel(row.make()));
    }
}

TEST(ShownPanes, PanesComeInTheOrderOfTheirIdsAndPaneHoldersGiveTheirOwn)
{
    CTestWindow host(CSize(300, 200));
    const UINT kFirst = AFX_IDW_PANE_FIRST;
    // Created out of order: (0, 1), a holder at (0, 0) with (0, 1) and (0, 0)
    // of its own, (1, 0), a pane dragged shut at (1, 1), a hidden one at
    // (1, 2) and a window that is no pane.
    const HWND hRight = Child(host.m_hWnd, CRect(150, 0, 300, 100), kFirst + 1);
    const HWND hHolder = Child(host.m_hWnd, CRect(0, 0, 150, 100), kFirst);
    const HWND hInnerRight = Child(hHolder, CRect(75, 0, 150, 100), kFirst + 1);
    const HWND hInnerLeft = Child(hHolder, CRect(0, 0, 75, 100), kFirst);
    const HWND hBottom = Child(host.m_hWnd, CRect(0, 100, 300, 200), kFirst + 16);
    Child(host.m_hWnd, CRect(0, 200, 0, 200), kFirst + 17);
    Child(host.m_hWnd, CRect(0, 100, 300, 200), kFirst + 18, 0);
    Child(host.m_hWnd, CRect(0, 0, 300, 200), 100);

    EXPECT_EQ(std::vector<HWND>({hInnerLeft, hInnerRight, hRight, hBottom}), ShownPanesIn(host.m_hWnd));
    ::ShowWindow(hInnerLeft, SW_HIDE);
    ::ShowWindow(hInnerRight, SW_HIDE);
    EXPECT_EQ(std::vector<HWND>({hRight, hBottom}), ShownPanesIn(host.m_hWnd)) << "a holder showing nothing";
}

// A frame with two views side by side, the first active: when the frame
// gets the focus (after a dialog, on activation), it goes to the active view
// if the user can see it, else to the first view shown, which becomes the
// active view; with none shown the frame keeps the focus and the active view
// stays.
TEST(ShownPanes, TheFrameGivesTheFocusToAShownView)
{
    const struct
    {
        const char* name;
        std::function<void(CView*, CView*)> change;
        const char* focus;
        const char* active;
    } rows[] = {
        {"the active view dragged shut",
         [](CView* pFirst, CView*) { pFirst->SetWindowPos(NULL, 0, 0, 0, 100, SWP_NOMOVE | SWP_NOZORDER); },
         "second", "second"},
        {"no view shown",
         [](CView* pFirst, CView* pSecond) {
             pFirst->ShowWindow(SW_HIDE);
             pSecond->ShowWindow(SW_HIDE);
         },
         "frame", "first"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CTestFrame* pFrame = new CTestFrame;
        ASSERT_TRUE(pFrame->CreateAt(40, 40, 400, 300));
        // Views delete themselves with their windows.
        CView* pFirst = new CPaneTestView;
        CView* pSecond = new CPaneTestView;
        ASSERT_TRUE(pFirst->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), pFrame,
                                   AFX_IDW_PANE_FIRST));
        ASSERT_TRUE(pSecond->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(200, 0, 400, 300), pFrame,
                                    AFX_IDW_PANE_FIRST + 1));
        pFrame->SetActiveView(pFirst, FALSE);
        row.change(pFirst, pSecond);
        pFrame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == pFrame->m_hWnd; }));
        ::SetFocus(NULL);
        pFrame->SetFocus();

        auto name = [&](HWND hWnd) {
            return hWnd == pFirst->m_hWnd    ? "first"
                   : hWnd == pSecond->m_hWnd ? "second"
                   : hWnd == pFrame->m_hWnd  ? "frame"
                                             : "elsewhere";
        };
        EXPECT_STREQ(row.focus, name(::GetFocus()));
        EXPECT_STREQ(row.active, name(pFrame->GetActiveView()->m_hWnd));
        pFrame->DestroyWindow();
        PumpPending();
    }
}
