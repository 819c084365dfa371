#pragma once
// What the control tests share: a visible frame window to put controls in, and the pumping of
// the thread's message queue.
#include "framework/window/CFrameWnd.h"
#include "framework/window/CView.h"
#include <gtest/gtest.h>

// A top-level frame at a fixed place on the screen; its children are created by the tests.
class CTestFrame : public CFrameWnd {
public:
    // Client size cx x cy at (x, y) of the screen.
    BOOL CreateAt(int x, int y, int cx, int cy, LPCTSTR lpszTitle = "test frame");
};

// Dispatches every message waiting in the queue.
void PumpPending();

// A test with its own frame of class TFrame, client size cx x cy, destroyed after each case.
// Fixtures put their bars and panes in the frame in Prepare(), which runs once the frame is up.
template <class TFrame, int cx = 400, int cy = 300>
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new TFrame;
        ASSERT_TRUE(frame->CreateAt(40, 40, cx, cy));
        Prepare();
    }
    void TearDown() override
    {
        frame->DestroyWindow();
        PumpPending();
    }
    virtual void Prepare() {}

    TFrame* frame = nullptr;
};
// The window rectangle of pWnd in the client coordinates of its parent.
CRect RectInParent(CWnd* pWnd);
