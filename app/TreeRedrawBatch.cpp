#include "app/TreeRedrawBatch.h"

TreeRedrawBatch::TreeRedrawBatch(CWnd& tree)
    : m_hTree(tree.GetSafeHwnd()),
      m_bRestores(m_hTree != NULL && (::GetWindowLongA(m_hTree, GWL_STYLE) & WS_VISIBLE) != 0)
{
    if (m_bRestores)
        ::DefWindowProcA(m_hTree, WM_SETREDRAW, FALSE, 0);
}

TreeRedrawBatch::~TreeRedrawBatch()
{
    if (!m_bRestores || !::IsWindow(m_hTree))
        return;
    ::DefWindowProcA(m_hTree, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(m_hTree, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
