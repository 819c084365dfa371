#include "toolkit/foundation/XTPSplitterTracker.h"
#include "toolkit/foundation/XTPCaptureLoop.h"

#include <algorithm>

namespace {

const DWORD kLockedDCFlags = DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE;
const DWORD kDCFlags = DCX_WINDOW | DCX_CACHE;

} // namespace

CXTPSplitterTracker::CXTPSplitterTracker(BOOL bSolid) : m_pDC(NULL), m_bSolid(bSolid)
{}

void CXTPSplitterTracker::InvertTracker(const CRect& rect)
{
    if (m_bSolid)
    {
        m_pDC->InvertRect(rect);
        return;
    }
    CBrush* pOldBrush = m_pDC->SelectObject(CDC::GetHalftoneBrush());
    m_pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    m_pDC->SelectObject(pOldBrush);
}

void CXTPSplitterTracker::MoveTracker(CRect& rcTrack, CPoint pt, BOOL bHoriz)
{
    int nDelta = bHoriz ? pt.x - rcTrack.left : pt.y - rcTrack.top;
    if (nDelta == 0)
        return;
    InvertTracker(rcTrack);
    rcTrack.OffsetRect(bHoriz ? nDelta : 0, bHoriz ? 0 : nDelta);
    InvertTracker(rcTrack);
}

BOOL CXTPSplitterTracker::Track(CWnd* pTrackWnd, CRect rcAvail, CRect& rcTrack, CPoint point, BOOL bHoriz)
{
    HWND hTrackWnd = pTrackWnd->GetSafeHwnd();
    BOOL bLocked = ::LockWindowUpdate(::GetDesktopWindow());
    HDC hDC = ::GetDCEx(NULL, NULL, bLocked ? kLockedDCFlags : kDCFlags);
    CDC dc;
    dc.Attach(hDC);
    m_pDC = &dc;

    CPoint ptOffset = bHoriz ? CPoint(rcTrack.left - point.x, 0) : CPoint(0, rcTrack.top - point.y);
    InvertTracker(rcTrack);
    if (!m_rcBoundary.IsRectEmpty())
        InvertTracker(m_rcBoundary);

    CXTPCaptureLoop loop(hTrackWnd, CXTPCaptureLoop::captureMouse | CXTPCaptureLoop::endOnEscape);
    const CXTPCaptureLoop::End end = loop.Run([&](MSG& msg) {
        if (msg.message == WM_LBUTTONUP)
            return CXTPCaptureLoop::finish;
        if (msg.message != WM_MOUSEMOVE)
            return CXTPCaptureLoop::dispatch;
        CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
        ::ClientToScreen(hTrackWnd, &pt);
        pt += ptOffset;
        pt.x = std::min(std::max(pt.x, rcAvail.left), rcAvail.right);
        pt.y = std::min(std::max(pt.y, rcAvail.top), rcAvail.bottom);
        MoveTracker(rcTrack, pt, bHoriz);
        return CXTPCaptureLoop::handled;
    });

    if (!m_rcBoundary.IsRectEmpty())
        InvertTracker(m_rcBoundary);
    InvertTracker(rcTrack);
    if (bLocked)
        ::LockWindowUpdate(NULL);
    m_pDC = NULL;
    ::ReleaseDC(NULL, dc.Detach());
    return end == CXTPCaptureLoop::endFinished;
}
