#include "framework/controls/CCtrlView.h"
#include <commctrl.h>

IMPLEMENT_DYNAMIC(CCtrlView, CView)
IMPLEMENT_DYNCREATE(CTreeView, CCtrlView)
IMPLEMENT_DYNCREATE(CListView, CCtrlView)

BEGIN_MESSAGE_MAP(CCtrlView, CView)
ON_WM_PAINT()
END_MESSAGE_MAP()

// Child, visible, with a border: the style of a frame's views.
static const DWORD kDefaultViewStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

CCtrlView::CCtrlView(LPCTSTR lpszClass, DWORD dwStyle) : m_strClass(lpszClass), m_dwDefaultStyle(dwStyle)
{}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.lpszClass = m_strClass;
    cs.style |= m_dwDefaultStyle;
    return CView::PreCreateWindow(cs);
}

void CCtrlView::OnDraw(CDC*)
{
    // The control draws itself (OnPaint lets it).
}

void CCtrlView::OnPaint()
{
    Default();
}

CTreeView::CTreeView() : CCtrlView(WC_TREEVIEW, kDefaultViewStyle)
{}

CListView::CListView() : CCtrlView(WC_LISTVIEW, kDefaultViewStyle)
{}
