#include "app/TreeRedrawBatch.h"

TreeRedrawBatch::TreeRedrawBatch(CWnd& tree)
    : m_hTree(tree.GetSafeHwnd()),
      m_bRestores(m_hTree != NULL && (::GetWindowLongA(m_hTree, GWL_STYLE) & WS_VISIBLE) != 0), m_scrollBars()
{
    if (!m_bRestores)
        return;
    m_scrollBars = ScrollBarsOf(m_hTree);
    ::DefWindowProcA(m_hTree, WM_SETREDRAW, FALSE, 0);
}

TreeRedrawBatch::~TreeRedrawBatch()
{
    if (!m_bRestores || !::IsWindow(m_hTree))
        return;
    ::DefWindowProcA(m_hTree, WM_SETREDRAW, TRUE, 0);
    UINT nFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
    if (!(ScrollBarsOf(m_hTree) == m_scrollBars))
        nFlags |= RDW_FRAME;
    ::RedrawWindow(m_hTree, NULL, NULL, nFlags);
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
