#include "HeaderMouse.h"

namespace {

CRect HeaderItemRect(CWnd& header, int iCol)
{
    CRect rc;
    header.SendMessage(HDM_GETITEMRECT, iCol, (LPARAM)&rc);
    return rc;
}

void SendMouse(CWnd& header, UINT message, CPoint pt)
{
    WPARAM wParam = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    header.SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
}

} // namespace

void ClickHeaderColumn(CWnd& header, int iCol)
{
    CPoint pt = HeaderItemRect(header, iCol).CenterPoint();
    SendMouse(header, WM_LBUTTONDOWN, pt);
    SendMouse(header, WM_LBUTTONUP, pt);
    PumpPending();
}

void DragHeaderDivider(CWnd& header, int iCol, int x)
{
    CRect rc = HeaderItemRect(header, iCol);
    SendMouse(header, WM_LBUTTONDOWN, CPoint(rc.right, rc.Height() / 2));
    SendMouse(header, WM_MOUSEMOVE, CPoint(x, rc.Height() / 2));
    SendMouse(header, WM_LBUTTONUP, CPoint(x, rc.Height() / 2));
    PumpPending();
}

void DoubleClickHeaderDivider(CWnd& header, int iCol)
{
    CRect rc = HeaderItemRect(header, iCol);
    CPoint pt(rc.right, rc.Height() / 2);
    SendMouse(header, WM_LBUTTONDOWN, pt);
    SendMouse(header, WM_LBUTTONUP, pt);
    SendMouse(header, WM_LBUTTONDBLCLK, pt);
    SendMouse(header, WM_LBUTTONUP, pt);
    PumpPending();
}
