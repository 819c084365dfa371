#pragma once
// What the control tests share: a visible frame window to put controls in, and the pumping of
// the thread's message queue.
#include "framework/CFrameWnd.h"
#include "framework/CView.h"

// A top-level frame at a fixed place on the screen; its children are created by the tests.
class CTestFrame : public CFrameWnd {
public:
    // Client size cx x cy at (x, y) of the screen.
    BOOL CreateAt(int x, int y, int cx, int cy, LPCTSTR lpszTitle = "test frame");
};

// Dispatches every message waiting in the queue.
void PumpPending();
// The window rectangle of pWnd in the client coordinates of its parent.
CRect RectInParent(CWnd* pWnd);
