#include "framework/controls/CControlBar.h"
#include "framework/window/CFrameWnd.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_bAutoDelete(FALSE), m_dwStyle(0), m_nStateFlags(0), m_pDockBar(NULL), m_pDockSite(NULL),
      m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0)
{}

CControlBar::~CControlBar()
{}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

DWORD CControlBar::TakeBarStyle(DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    return dwStyle & ~CBRS_ALL;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = (bStretch && bHorz) ? 32767 : 0;
    size.cy = (bStretch && !bHorz) ? 32767 : 0;
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return m_pDockSite != NULL ? m_pDockSite : GetParentFrame();
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayShow)
        return TRUE;
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (GetStyle() & WS_VISIBLE) != 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_nStateFlags & (delayHide | delayShow))
    {
        UINT show = (m_nStateFlags & delayShow) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
        m_nStateFlags &= ~(delayHide | delayShow);
        SetWindowPos(NULL, 0, 0, 0, 0, show | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // The frame gives the bar's room to its other children, or takes it back.
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->RecalcLayout();
    }
    if (!(GetStyle() & WS_VISIBLE) || (m_pDockBar != NULL && !(m_pDockBar->GetStyle() & WS_VISIBLE)))
        return 0;
    CWnd* pTarget = GetOwner();
    if (pTarget != NULL)
        OnUpdateCmdUI((CFrameWnd*)pTarget, (BOOL)wParam);
    return 0;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CRect avail(pLayout->rect);
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CSize size;
    if (m_dwStyle & CBRS_SIZE_DYNAMIC)
        size = CalcDynamicLayout(-1, (pLayout->bStretch ? LM_STRETCH : 0)
                                         | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK));
    else
        size = CalcFixedLayout(pLayout->bStretch, bHorz);
    size.cx = std::min((int)size.cx, avail.Width());
    size.cy = std::min((int)size.cy, avail.Height());

    CRect rect(avail.TopLeft(), size);
    if (m_dwStyle & CBRS_ALIGN_TOP)
    {
        pLayout->rect.top += size.cy;
    }
    else if (m_dwStyle & CBRS_ALIGN_BOTTOM)
    {
        rect.MoveToY(avail.bottom - size.cy);
        pLayout->rect.bottom -= size.cy;
    }
    else if (m_dwStyle & CBRS_ALIGN_LEFT)
    {
        pLayout->rect.left += size.cx;
    }
    else if (m_dwStyle & CBRS_ALIGN_RIGHT)
    {
        rect.MoveToX(avail.right - size.cx);
        pLayout->rect.right -= size.cx;
    }
    else
    {
        return 0;
    }
    if (bHorz)
    {
        pLayout->sizeTotal.cy += size.cy;
        pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, size.cx);
    }
    else
    {
        pLayout->sizeTotal.cx += size.cx;
        pLayout->sizeTotal.cy = std::max(pLayout->sizeTotal.cy, size.cy);
    }
    if (pLayout->hDWP != NULL)
        AfxRepositionWindow(pLayout, m_hWnd, rect);
    return 0;
}
