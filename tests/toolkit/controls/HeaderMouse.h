#pragma once
// Mouse input on a header, in its client coordinates, for the header, list
// and edit tests, whose controls live in the shared test host (TestHost()).
#include "NotifyRecorderWnd.h"

// A click in the middle of column iCol, a drag of its right divider to x, a
// double-click on it.
void ClickHeaderColumn(CWnd& header, int iCol);
void DragHeaderDivider(CWnd& header, int iCol, int x);
void DoubleClickHeaderDivider(CWnd& header, int iCol);

// The id of the control under test.
enum
{
    IDC_LIST_EDIT_TEST = 300
};
