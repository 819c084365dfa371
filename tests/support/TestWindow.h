#pragma once
// Windows for tests that need real ones under the X display: a visible host
// window for child controls, a visible frame window, and a gtest fixture that
// makes a frame before each case and destroys it after. Test executables that
// use these are registered with `tw_test(... WINDOWS)` so they take the display
// in turn.
//
//     TEST(Button, Click) {
//         CTestWindow host;                         // visible, 500 x 400 client
//         CButton button;
//         button.Create("OK", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 24), &host, 100);
//         ...
//     }
//
//     class BarTest : public FrameTest<CTestFrame> { void Prepare() override { ... } };
//     TEST_F(BarTest, Docks) { frame->RecalcLayout(); ... }
#include "framework/Window.h"

#include <gtest/gtest.h>

// Dispatches every message waiting in the thread's queue as the framework's
// pump does (so PreTranslateMessage runs), never waiting for one. A WM_QUIT
// is left in the queue.
void PumpPending();

// Sends a left click (button down and up) at the point of the window's client area.
void ClickAt(CWnd& wnd, CPoint point);

// The window rectangle of pWnd in the client coordinates of its parent.
CRect RectInParent(CWnd* pWnd);

// A visible top-level popup window with a client area of the given size at the
// screen's top left, destroyed with the object. Derived classes may add a
// message map to record what their children notify.
class CTestWindow : public CWnd
{
public:
    explicit CTestWindow(CSize clientSize = CSize(500, 400));
    ~CTestWindow() override;
};

// A top-level frame window; its children are created by the tests.
class CTestFrame : public CFrameWnd
{
public:
    // Visible, client size cx x cy at (x, y) of the screen; pumps the
    // messages of its creation before it returns.
    BOOL CreateAt(int x, int y, int cx, int cy, LPCTSTR lpszTitle = "test frame");
};

// A test with its own frame of class TFrame (a CTestFrame or derived class),
// client size cx x cy, created before and destroyed after each case. Fixtures
// put their bars and panes in the frame in Prepare(), which runs once the frame is up.
template <class TFrame = CTestFrame, int cx = 400, int cy = 300>
class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new TFrame;
        ASSERT_TRUE(frame->CreateAt(40, 40, cx, cy));
        Prepare();
    }
    void TearDown() override
    {
        // A frame deletes itself when its window is destroyed.
        frame->DestroyWindow();
        PumpPending();
    }
    // Runs after the frame is created; the base does nothing.
    virtual void Prepare() {}

    TFrame* frame = nullptr;
};
