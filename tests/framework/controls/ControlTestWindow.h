#pragma once
// The host of the control tests: a visible top-level window that records the
// notifications it receives. One window serves every test.
#include "framework/Framework.h"
#include "tests/support/TestWindow.h"

#include <vector>

class ControlTestWindow : public CTestWindow
{
public:
    // The control codes (HIWORD of wParam) of the WM_COMMAND messages received.
    std::vector<UINT> m_commandCodes;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commandCodes.push_back(HIWORD(wParam));
        return CTestWindow::OnCommand(wParam, lParam);
    }
};

// The shared host, its record of notifications emptied.
ControlTestWindow& TestParent();

// The control ids of the tests.
enum
{
    IDC_TEST_FIRST = 100,
    IDC_TEST_SECOND = 101
};
