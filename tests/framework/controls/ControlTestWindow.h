#pragma once
// A visible top-level window that hosts the controls of the tests and
// records the notifications it receives. One window serves every test:
// hiding or destroying a visible top-level window costs wine two seconds.
#include "framework/Framework.h"
#include <vector>

class ControlTestWindow : public CWnd
{
public:
    ControlTestWindow();
    ~ControlTestWindow();

    // The control codes (HIWORD of wParam) of the WM_COMMAND messages received.
    std::vector<UINT> m_commandCodes;

    afx_msg void OnCheckChange();

protected:
    DECLARE_MESSAGE_MAP()
};

// The shared host, its record of notifications emptied.
ControlTestWindow& TestParent();

// The control ids of the tests.
enum { IDC_TEST_FIRST = 100, IDC_TEST_SECOND = 101 };

// Sends a left click at the point of the window's client area.
void ClickAt(CWnd& wnd, CPoint point);
