#include "toolkit/controls/XTTreeCtrl.h"

IMPLEMENT_DYNAMIC(CXTTreeCtrl, CTreeCtrl)
IMPLEMENT_DYNCREATE(CXTTreeView, CTreeView)

CXTTreeCtrl::CXTTreeCtrl()
{
    m_pTreeCtrl = this;
}

CXTTreeView::CXTTreeView()
{
    m_pTreeCtrl = &GetTreeCtrl();
}
