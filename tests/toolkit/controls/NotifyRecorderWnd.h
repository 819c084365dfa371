#pragma once
// The visible top-level window that hosts the controls of the tests and records
// what its children tell it: WM_COMMAND, WM_NOTIFY and any message in the WM_APP
// range or above 0xD00 that a control posts or sends. One window serves every
// test: destroying visible top-level windows is slow under wine. It can veto
// TVN_SELCHANGING for one item and answers the messages above 0xD00. Below it, mouse input on a header for
// the header, list and edit tests.
#include "framework/Framework.h"
#include "tests/support/TestWindow.h"
#include <vector>

// A recorded message; for WM_NOTIFY wParam holds the code and, with
// TVN_SELCHANGED, lParam the item left (itemOld).
using RecordedMessage = MSG;

class NotifyRecorderWnd : public CTestWindow
{
public:
    NotifyRecorderWnd() : CTestWindow(CSize(640, 480)) {}

    // How often the message came with the wParam (any wParam: -1).
    int Count(UINT message, WPARAM wParam = (WPARAM)-1) const;
    int CountNotify(UINT nCode) const { return Count(WM_NOTIFY, nCode); }

    std::vector<RecordedMessage> m_messages;
    // TVN_SELCHANGING for this item is answered with 1.
    HTREEITEM m_hVetoItem = NULL;
    // The press point of the last TVN_BEGINDRAG.
    CPoint m_ptDrag;
    // The answer to the messages above 0xD00 (a notification-area icon's events).
    LRESULT m_lAnswer = 0;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The shared host, its records emptied and the veto dropped.
NotifyRecorderWnd& TestHost();

// A mouse message at the client point (the left button down but for WM_LBUTTONUP).
void SendMouse(CWnd& wnd, UINT message, CPoint pt);
// A click in the middle of header column iCol, a drag of its right divider to
// x, a double-click on it.
void ClickHeaderColumn(CWnd& header, int iCol);
void DragHeaderDivider(CWnd& header, int iCol, int x);
void DoubleClickHeaderDivider(CWnd& header, int iCol);

// A colour icon of cx x cy, or a monochrome one (one mask of two halves, no
// colour bitmap); the caller destroys it.
HICON MakeIcon(int cx, int cy, bool monochrome = false);

// The id of the control under test.
enum
{
    IDC_LIST_EDIT_TEST = 300
};
