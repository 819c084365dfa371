#pragma once
// The host window of the header, list and edit tests: one visible top-level
// window (destroying visible top-level windows is slow under wine) that
// records the WM_NOTIFY codes its children send and the column of every
// HDN_ITEMCLICK with its button.
#include "framework/Framework.h"
#include "tests/support/TestWindow.h"
#include <utility>
#include <vector>

class CListEditHost : public CTestWindow
{
public:
    std::vector<UINT> m_notifyCodes;
    // iItem and iButton of every HDN_ITEMCLICK received (either form).
    std::vector<std::pair<int, int>> m_columnClicks;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// The shared host, its records emptied.
CListEditHost& ListEditHost();

// Mouse input on a header, in its client coordinates: a click in the middle
// of column iCol, a drag of its right divider to x, a double-click on it.
void ClickHeaderColumn(CWnd& header, int iCol);
void DragHeaderDivider(CWnd& header, int iCol, int x);
void DoubleClickHeaderDivider(CWnd& header, int iCol);

enum
{
    IDC_LIST_EDIT_TEST = 300
};
