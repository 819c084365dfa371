#include "TabTestHost.h"

#include "tests/support/PixelCanvas.h"

CTabTestStrip::CTabTestStrip(const CRect& rcStrip) : m_rcStrip(rcStrip)
{}

void CTabTestStrip::RecalcHostLayout()
{
    m_nLayouts++;
    CWindowDC dc(NULL);
    m_painter.RepositionTabStrip(this, &dc, m_rcStrip);
}

BOOL CTabTestStrip::DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabStripItem* pItem, BOOL bDraw, CSize& sz)
{
    if (!m_painter.IsShowIcons())
        return FALSE;
    if (bDraw && GetItemIcon(pItem) != NULL)
        ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, GetItemIcon(pItem), sz.cx, sz.cy, 0, NULL, DI_NORMAL);
    return TRUE;
}

void CTabTestStrip::UseFixedTabs()
{
    m_painter.ShowIcons(FALSE);
    m_painter.SetLayout(xtpTabLayoutFixed);
    SetTabSizes(70, 18, 0, 30, 0, 0);
}

void CTabTestStrip::AddTabs(std::initializer_list<const char*> captions)
{
    for (const char* pszCaption : captions)
        InsertItem(-1)->SetText(pszCaption);
}

void CTabTestStrip::Paint(PixelCanvas& canvas)
{
    m_painter.RepositionTabStrip(this, &canvas.dc(), m_rcStrip);
    m_painter.DrawTabStrip(this, &canvas.dc(), m_rcStrip);
}

CString CTabTestStrip::Order() const
{
    CString strOrder;
    for (int i = 0; i < GetItemCount(); i++)
        strOrder += (i > 0 ? " " : "") + GetItem(i)->GetCaption();
    return strOrder;
}

BEGIN_MESSAGE_MAP(CTabTestHost, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CTabTestHost::CTabTestHost(CSize size) : CTabTestStrip(CRect(CPoint(0, 0), size))
{
    CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "tab host", WS_POPUP | WS_VISIBLE, CRect(CPoint(20, 20), size),
             NULL, 0);
    ::SetForegroundWindow(m_hWnd);
}

CTabTestHost::~CTabTestHost()
{
    DestroyWindow();
}

void CTabTestHost::RecalcHostLayout()
{
    CTabTestStrip::RecalcHostLayout();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CTabTestHost::RedrawHost()
{
    CTabTestStrip::RedrawHost();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CTabTestHost::PostMouse(UINT nMessage, CPoint point)
{
    PostMessage(nMessage, nMessage == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(point.x, point.y));
}

void CTabTestHost::OnPaint()
{
    CPaintDC dc(this);
    m_painter.DrawTabStrip(this, &dc, m_rcStrip);
}
