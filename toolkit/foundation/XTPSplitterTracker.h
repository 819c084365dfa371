#pragma once
// A modal drag of a splitter-like bar: the bar is drawn inverted on the
// screen while the mouse moves it inside the allowed area.
#include "framework/Window.h"

class CXTPSplitterTracker
{
public:
    // A solid tracker is inverted whole; else through the halftone brush.
    explicit CXTPSplitterTracker(BOOL bSolid = FALSE);
    virtual ~CXTPSplitterTracker() {}

    // Moves rcTrack (screen coordinates) with the mouse, along x when bHoriz,
    // else along y, kept inside rcAvail; point is where the drag started
    // (screen coordinates). TRUE when the left button was released, FALSE
    // on Escape, lost capture or WM_QUIT (which stays in the queue);
    // rcTrack holds the last position either way, and nothing stays drawn.
    BOOL Track(CWnd* pTrackWnd, CRect rcAvail, CRect& rcTrack, CPoint point, BOOL bHoriz);

    // A second, fixed rectangle drawn while tracking (none when empty).
    void SetBoundaryRect(const CRect& rcBoundary) { m_rcBoundary = rcBoundary; }

private:
    void InvertTracker(const CRect& rect);
    void MoveTracker(CRect& rcTrack, CPoint pt, BOOL bHoriz);

    CDC* m_pDC;
    BOOL m_bSolid;
    CRect m_rcBoundary;
};
