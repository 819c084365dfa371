#include "ControlTestWindow.h"

BEGIN_MESSAGE_MAP(ControlTestWindow, CTestWindow)
ON_CLBN_CHKCHANGE(IDC_TEST_FIRST, OnCheckChange)
END_MESSAGE_MAP()

ControlTestWindow& TestParent()
{
    static ControlTestWindow* host = new ControlTestWindow;
    host->m_commandCodes.clear();
    return *host;
}

void ControlTestWindow::OnCheckChange()
{
    m_commandCodes.push_back(CLBN_CHKCHANGE);
}
