#include "toolkit/commandbars/docking/XTPBarTracker.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/docking/XTPDialogBar.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/layout/XTPFloatingRect.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "toolkit/foundation/XTPMultiMonitor.h"

namespace {

// The floating layout a bar takes when it starts to float.
const DWORD kFloatingMode = xtpLayoutHorz | xtpLayoutMRUWidth | xtpLayoutCommit;

CRect WindowRect(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

} // namespace

CXTPBarTracker::CXTPBarTracker(CXTPToolBar* pBar)
    : m_pBar(pBar), m_nMode(modeMove), m_ptLast(0, 0), m_nLastDockPosition(xtpBarTop), m_rcDocked(0, 0, 0, 0),
      m_ptFloating(0, 0), m_rcDrag(0, 0, 0, 0), m_rcFloating(0, 0, 0, 0)
{}

CXTPBarTracker::~CXTPBarTracker()
{}

CFrameWnd* CXTPBarTracker::GetSite() const
{
    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    return pCommandBars != NULL ? pCommandBars->GetSite() : NULL;
}

CXTPDockBar* CXTPBarTracker::GetDockBarAt(int nPosition) const
{
    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    if (pCommandBars == NULL || nPosition < xtpBarTop || nPosition > xtpBarRight)
        return NULL;
    return pCommandBars->GetDockBar(nPosition);
}

void CXTPBarTracker::MarkOptionsChanged()
{
    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    if (pCommandBars != NULL)
        pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
}

void CXTPBarTracker::FlushFrameLayout()
{
    CFrameWnd* pSite = GetSite();
    if (pSite != NULL && pSite->m_hWnd != NULL && (pSite->m_nIdleFlags & CFrameWnd::idleLayout))
        pSite->RecalcLayout();
}

// ---- Starting the loops -------------------------------------------------------------

void CXTPBarTracker::StartDrag(CPoint pt)
{
    m_nMode = modeMove;
    const CRect rcDockedBefore = m_rcDocked;
    const int nDockPositionBefore = m_nLastDockPosition;
    const BOOL bDockedBefore = m_pBar->GetPosition() != xtpBarFloating;

    m_rcDrag = WindowRect(m_pBar);
    XTPKeepPointInRect(m_rcDrag, pt);
    m_rcFloating = m_rcDrag;
    m_ptLast = pt;

    ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
    XTPMouseManager()->LockMouseMove();
    Track();
    XTPMouseManager()->UnlockMouseMove();

    if (m_pBar->GetPosition() == xtpBarFloating && m_pBar->m_hWnd != NULL)
    {
        m_ptFloating = WindowRect(m_pBar).TopLeft();
        if (bDockedBefore)
        {
            // The next toggle docks the bar where it was before this drag,
            // not where the drag passed through.
            m_rcDocked = rcDockedBefore;
            m_nLastDockPosition = nDockPositionBefore;
        }
    }
}

void CXTPBarTracker::StartResize(int nHitTest, CPoint pt)
{
    m_nMode = nHitTest;
    m_ptLast = pt;
    m_rcFloating = WindowRect(m_pBar);
    Track();
    if (m_pBar->m_hWnd == NULL)
        return;
    m_rcDrag = WindowRect(m_pBar);
    if (m_pBar->GetPosition() == xtpBarFloating)
    {
        m_ptFloating = m_rcDrag.TopLeft();
        m_pBar->SetWidth(XTPResizedBarWidth(m_nMode, m_rcFloating, m_rcDrag));
    }
}

BOOL CXTPBarTracker::ToggleDocking()
{
    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    if (pCommandBars == NULL)
        return FALSE;
    if (m_pBar->GetPosition() == xtpBarFloating)
    {
        CXTPDockBar* pDockBar = GetDockBarAt(m_nLastDockPosition);
        if (!(m_pBar->GetFlags() & xtpFlagAlignAny) || pDockBar == NULL)
            return FALSE;
        // A bar the program docked was never dropped at a place: it goes
        // back to a row of its own after the others, as the program docked
        // it, rather than to the frame's edge before every other row.
        CRect rcDocked = m_rcDocked;
        const BOOL bPlace = !rcDocked.IsRectEmpty();
        if (bPlace)
            pDockBar->ClientToScreen(&rcDocked);
        if (!pCommandBars->DockCommandBar(m_pBar, bPlace ? &rcDocked : NULL, pDockBar))
            return FALSE;
        if (GetSite() != NULL)
            GetSite()->RecalcLayout();
    }
    else
    {
        if (!(m_pBar->GetFlags() & xtpFlagFloating) || !pCommandBars->GetCommandBarsOptions()->bDblClickFloat)
            return FALSE;
        // The manager floats the bar at its last floating point.
        if (!pCommandBars->FloatCommandBar(m_pBar))
            return FALSE;
    }
    MarkOptionsChanged();
    return TRUE;
}

// ---- The loop -----------------------------------------------------------------------

void CXTPBarTracker::Track()
{
    if (::GetCapture() != NULL || m_pBar->m_hWnd == NULL)
        return;
    CXTPCaptureLoop loop(m_pBar->m_hWnd, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape |
                                             CXTPCaptureLoop::paintFirst);
    loop.Run([this](MSG& msg) {
        FlushFrameLayout();
        if (msg.message == WM_LBUTTONUP)
            return CXTPCaptureLoop::finish;
        if (msg.message != WM_MOUSEMOVE)
            return CXTPCaptureLoop::dispatch;
        // Client coordinates of the window the move came to, as it stands
        // now: the bar itself moves during the drag.
        CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
        ::ClientToScreen(msg.hwnd, &pt);
        if (pt != m_ptLast)
        {
            if (m_nMode == modeMove)
                Move(pt);
            else if (m_pBar->IsDialogBar())
                ResizeDialogBar(pt);
            else
                Resize(pt);
            m_ptLast = pt;
        }
        FlushFrameLayout();
        return CXTPCaptureLoop::handled;
    });
    MarkOptionsChanged();
}

void CXTPBarTracker::Move(CPoint pt)
{
    const CSize delta = pt - m_ptLast;
    m_rcDrag.OffsetRect(delta);
    m_rcFloating.OffsetRect(delta);

    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    if (pCommandBars == NULL)
        return;
    CXTPDockBar* pOldDockBar = m_pBar->GetDockBar();
    CXTPDockBar* pDockBar = pCommandBars->CanDock(pt, pOldDockBar, m_pBar->GetFlags());
    if (pDockBar != NULL)
    {
        const BOOL bWasFloating = m_pBar->GetPosition() == xtpBarFloating;
        if (!pCommandBars->DockCommandBar(m_pBar, m_rcDrag, pDockBar))
            return;
        if ((pDockBar != pOldDockBar || bWasFloating) && GetSite() != NULL)
            GetSite()->RecalcLayout();
        FlushFrameLayout();
        m_rcDrag = WindowRect(m_pBar);
        return;
    }
    if (!(m_pBar->GetFlags() & xtpFlagFloating))
        return;
    if (m_pBar->GetPosition() != xtpBarFloating)
    {
        if (!pCommandBars->FloatCommandBar(m_pBar))
            return;
        m_rcFloating = CRect(m_rcFloating.TopLeft(), m_pBar->CalcDynamicLayout(0, kFloatingMode));
        XTPKeepPointInRect(m_rcFloating, pt);
    }
    m_pBar->SetWindowPos(NULL, m_rcFloating.left, m_rcFloating.top, m_rcFloating.Width(),
                         m_rcFloating.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CXTPBarTracker::Resize(CPoint pt)
{
    const XTPFloatingResize resize = XTPResizeFloatingBar(m_rcFloating, m_nMode, pt - m_ptLast);
    m_rcFloating = resize.rcFloating;
    const CSize size = m_pBar->CalcDynamicLayout(resize.nLength, resize.dwMode);
    const CRect rcWindow = WindowRect(m_pBar);
    if (size == rcWindow.Size())
        return;
    const CRect rcNew = XTPPlaceResized(rcWindow, size, m_nMode);
    CRect rcVisible;
    if (rcVisible.IntersectRect(rcNew, XTPMultiMonitor()->GetWorkArea(m_pBar->m_hWnd)))
        m_pBar->SetWindowPos(NULL, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    m_pBar->Invalidate(FALSE);
}

void CXTPBarTracker::ResizeDialogBar(CPoint pt)
{
    m_rcFloating = XTPMoveSizingEdges(m_rcFloating, m_nMode, pt - m_ptLast);
    CXTPDialogBar* pDialogBar = DYNAMIC_DOWNCAST(CXTPDialogBar, m_pBar);
    CRect rcVisible;
    if (pDialogBar == NULL || m_rcFloating.Size() == WindowRect(m_pBar).Size()
        || !rcVisible.IntersectRect(m_rcFloating, XTPMultiMonitor()->GetWorkArea(m_pBar->m_hWnd)))
        return;
    pDialogBar->ResizeTo(m_rcFloating, m_nMode);
    m_pBar->Invalidate(FALSE);
}
