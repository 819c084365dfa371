// The customize mode of a control: a press that resizes it by an edge or
// drags it off its bar, and what a drag over it may do.
#include "toolkit/commandbars/controls/XTPControl.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPCustomizeDropSource.h"
#include "toolkit/foundation/XTPCaptureLoop.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <algorithm>

namespace {

// How near an edge a point must lie to resize the control by it.
const int kResizeEdge = 2;
const CSize kResizeFrame(2, 2);

} // namespace

BOOL CXTPControl::IsOnResizeEdge(CPoint point) const
{
    if (!m_rcControl.PtInRect(point))
        return FALSE;
    return point.x < m_rcControl.left + kResizeEdge || point.x >= m_rcControl.right - kResizeEdge;
}

HCURSOR CXTPControl::GetResizeCursor()
{
    return XTPLoadCursor(XTP_IDC_CUSTOMIZE_RESIZE);
}

void CXTPControl::OnCustomizeMouseDown(CPoint point)
{
    CXTPCommandBar* pBar = m_pParent;
    CXTPCommandBars* pCommandBars = pBar != NULL ? pBar->GetCommandBars() : NULL;
    if (pCommandBars == NULL)
        return;
    if (pCommandBars->GetDragControl() == this && IsCustomizeResizeAllow() && CustomizeStartResize(point))
        return;
    pCommandBars->SetDragControl(this);
    DROPEFFECT effect = pCommandBars->GetDropSource()->DoDragDrop(this, FALSE);
    if (effect == DROPEFFECT_COPY || effect == XTP_DROPEFFECT_CANCEL || m_pControls == NULL)
        return;

    // Moved elsewhere or off the bars: the control leaves its bar. (A copy,
    // wherever it was released, leaves the original alone.)
    CXTPControls* pControls = m_pControls;
    pBar->SetPopuped(-1);
    pBar->SetSelected(-1);
    if (pCommandBars->GetDragControl() == this)
        pCommandBars->SetDragControl(NULL);
    CXTPControl* pNext = pControls->GetAt(m_nIndex + 1);
    if (pNext != NULL && m_bBeginGroup)
        pNext->SetBeginGroup(TRUE);
    if (m_nIndex == 0 && pNext != NULL)
        pNext->SetBeginGroup(FALSE);
    pControls->Remove(this);
    pBar->OnRecalcLayout();
    pCommandBars->SetDragControl(pCommandBars->GetDragControl());
}

BOOL CXTPControl::CustomizeStartResize(CPoint point)
{
    if (!IsOnResizeEdge(point) || m_pParent == NULL || m_pParent->GetSafeHwnd() == NULL)
        return FALSE;
    CXTPCommandBar* pBar = m_pParent;
    const BOOL bLeftEdge = point.x < m_rcControl.left + kResizeEdge;
    const int nMinWidth = GetCustomizeMinWidth();
    pBar->UpdateWindow();
    pBar->LockRedraw();
    CClientDC dc(pBar);
    ::SetCursor(GetResizeCursor());

    // The frame follows the dragged edge; the other edge stays.
    CRect rcTrack = m_rcControl;
    CRect rcShown;
    auto moveFrameTo = [&](int x) {
        if (bLeftEdge)
            rcTrack.left = std::min(x, (int)m_rcControl.right - nMinWidth);
        else
            rcTrack.right = std::max(x, (int)m_rcControl.left + nMinWidth);
        dc.DrawDragRect(rcTrack, kResizeFrame, rcShown.IsRectEmpty() ? NULL : &rcShown, kResizeFrame);
        rcShown = rcTrack;
    };
    moveFrameTo(bLeftEdge ? m_rcControl.left : m_rcControl.right);
    CXTPCaptureLoop loop(pBar->m_hWnd, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape);
    CXTPCaptureLoop::End end = loop.Run([&](MSG& msg) {
        if (msg.message == WM_LBUTTONUP)
            return CXTPCaptureLoop::finish;
        if (msg.message != WM_MOUSEMOVE)
            return CXTPCaptureLoop::dispatch;
        moveFrameTo((short)LOWORD(msg.lParam));
        return CXTPCaptureLoop::handled;
    });
    dc.DrawDragRect(CRect(0, 0, 0, 0), CSize(0, 0), &rcShown, kResizeFrame);
    pBar->UnlockRedraw();
    if (!CXTPCaptureLoop::IsAbandoned(end) && rcTrack.Width() != m_rcControl.Width())
    {
        SetWidth(rcTrack.Width());
        pBar->OnRecalcLayout();
    }
    return TRUE;
}

void CXTPControl::OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point)
{
    (void)pDataObject;
    (void)point;
    if (m_pParent != NULL)
    {
        m_pParent->SetPopuped(-1);
        m_pParent->SetSelected(-1);
    }
}
