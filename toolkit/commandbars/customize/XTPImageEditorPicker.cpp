#include "toolkit/commandbars/customize/XTPImageEditorPicker.h"

#include "toolkit/commandbars/customize/XTPButtonEditorBitmap.h"
#include "framework/window/CPaintDC.h"
#include "toolkit/foundation/XTPBufferDC.h"

IMPLEMENT_DYNAMIC(CXTPImageEditorPicker, CStatic)

BEGIN_MESSAGE_MAP(CXTPImageEditorPicker, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {
const COLORREF kPatternGrey = RGB(235, 235, 235);
} // namespace

CXTPImageEditorPicker::CXTPImageEditorPicker() : m_clr(0), m_bSelected(FALSE)
{}

void CXTPImageEditorPicker::SetColor(COLORREF clr)
{
    m_clr = clr;
    Redraw();
}

void CXTPImageEditorPicker::SetSelected(BOOL bSelected)
{
    m_bSelected = bSelected;
    Redraw();
}

void CXTPImageEditorPicker::Redraw()
{
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

BOOL CXTPImageEditorPicker::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPImageEditorPicker::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rc;
    GetClientRect(&rc);
    CXTPBufferDC dc(dcPaint, rc);
    if (m_clr == XTP_EDITOR_TRANSPARENT)
    {
        CPoint ptCenter = rc.CenterPoint();
        dc.FillSolidRect(rc, RGB(255, 255, 255));
        dc.FillSolidRect(CRect(rc.left, rc.top, ptCenter.x, ptCenter.y), kPatternGrey);
        dc.FillSolidRect(CRect(ptCenter.x, ptCenter.y, rc.right, rc.bottom), kPatternGrey);
    }
    else
    {
        dc.FillSolidRect(rc, m_clr);
    }
    if (!m_bSelected)
    {
        dc.Draw3dRect(rc, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_3DDKSHADOW));
        return;
    }
    const COLORREF frames[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0)};
    for (COLORREF clrFrame : frames)
    {
        dc.Draw3dRect(rc, clrFrame, clrFrame);
        rc.DeflateRect(1, 1);
    }
}

void CXTPImageEditorPicker::OnLButtonDown(UINT, CPoint)
{
    NMHDR hdr;
    hdr.hwndFrom = m_hWnd;
    hdr.idFrom = (UINT_PTR)GetDlgCtrlID();
    hdr.code = NM_CLICK;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_NOTIFY, hdr.idFrom, (LPARAM)&hdr);
}
