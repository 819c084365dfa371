#include "app/TreeRedrawBatch.h"

namespace {

const char kLayoutBatches[] = "TreeRedrawBatch.ManyItems";

} // namespace

TreeRedrawBatch::TreeRedrawBatch(CWnd& tree, Size size)
    : m_hTree(tree.GetSafeHwnd()),
      m_bRestores(m_hTree != NULL && (::GetWindowLongA(m_hTree, GWL_STYLE) & WS_VISIBLE) != 0),
      m_bRestoresLayout(FALSE), m_scrollBars()
{
    if (m_hTree != NULL && size == ManyItems)
    {
        const UINT_PTR nBatches = LayoutBatches(m_hTree);
        SetLayoutBatches(m_hTree, nBatches + 1);
        m_bRestoresLayout = nBatches == 0;
        if (m_bRestoresLayout)
            ::SendMessageA(m_hTree, WM_SETREDRAW, FALSE, 0);
    }
    if (!m_bRestores)
        return;
    m_scrollBars = ScrollBarsOf(m_hTree);
    ::DefWindowProcA(m_hTree, WM_SETREDRAW, FALSE, 0);
}

TreeRedrawBatch::~TreeRedrawBatch()
{
    if (m_hTree == NULL || !::IsWindow(m_hTree))
        return;
    if (m_bRestoresLayout)
    {
        // Laid out while the window does not draw yet: the scroll bars are
        // compared below with their new ranges.
        ::RemovePropA(m_hTree, kLayoutBatches);
        ::SendMessageA(m_hTree, WM_SETREDRAW, TRUE, 0);
    }
    else if (LayoutBatches(m_hTree) != 0)
    {
        SetLayoutBatches(m_hTree, LayoutBatches(m_hTree) - 1);
    }
    if (!m_bRestores)
        return;
    ::DefWindowProcA(m_hTree, WM_SETREDRAW, TRUE, 0);
    UINT nFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
    if (!(ScrollBarsOf(m_hTree) == m_scrollBars))
        nFlags |= RDW_FRAME;
    ::RedrawWindow(m_hTree, NULL, NULL, nFlags);
}

UINT_PTR TreeRedrawBatch::LayoutBatches(HWND hTree)
{
    return (UINT_PTR)::GetPropA(hTree, kLayoutBatches);
}

void TreeRedrawBatch::SetLayoutBatches(HWND hTree, UINT_PTR nBatches)
{
    ::SetPropA(hTree, kLayoutBatches, (HANDLE)nBatches);
}

TreeRedrawBatch::ScrollBars TreeRedrawBatch::ScrollBarsOf(HWND hWnd)
{
    ScrollBars scrollBars = {};
    scrollBars.dwStyle = ::GetWindowLongA(hWnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
    const int nBars[] = {SB_HORZ, SB_VERT};
    for (int i = 0; i < 2; ++i)
    {
        SCROLLINFO& info = scrollBars.bars[i];
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        if (!::GetScrollInfo(hWnd, nBars[i], &info))
            info.nMin = info.nMax = info.nPage = info.nPos = 0;
    }
    return scrollBars;
}

bool TreeRedrawBatch::ScrollBars::operator==(const ScrollBars& other) const
{
    if (dwStyle != other.dwStyle)
        return false;
    for (int i = 0; i < 2; ++i)
    {
        const SCROLLINFO& a = bars[i];
        const SCROLLINFO& b = other.bars[i];
        if (a.nMin != b.nMin || a.nMax != b.nMax || a.nPage != b.nPage || a.nPos != b.nPos)
            return false;
    }
    return true;
}
