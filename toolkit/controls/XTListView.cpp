#include "toolkit/controls/XTListView.h"

IMPLEMENT_DYNCREATE(CXTListView, CListView)

CXTListView::CXTListView()
{
    m_pListCtrl = &GetListCtrl();
    RefreshMetrics();
}

IMPLEMENT_DYNCREATE(CXTListCtrl, CListCtrl)

CXTListCtrl::CXTListCtrl()
{
    m_pListCtrl = this;
    RefreshMetrics();
}
