#include "ControlTestWindow.h"

BEGIN_MESSAGE_MAP(ControlTestWindow, CWnd)
    ON_CLBN_CHKCHANGE(IDC_TEST_FIRST, OnCheckChange)
END_MESSAGE_MAP()

ControlTestWindow::ControlTestWindow()
{
    CreateEx(0, AfxRegisterWndClass(0), "Controls", WS_POPUP | WS_VISIBLE,
             CRect(0, 0, 500, 400), NULL, 0);
}

ControlTestWindow::~ControlTestWindow()
{
    DestroyWindow();
}

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

void ClickAt(CWnd& wnd, CPoint point)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}
