#include "toolkit/commandbars/layout/XTPFloatingRect.h"

#include "toolkit/commandbars/layout/XTPLayoutFlags.h"

#include <algorithm>

namespace {

BOOL MovesLeft(int nHitTest)
{
    return nHitTest == HTLEFT || nHitTest == HTTOPLEFT || nHitTest == HTBOTTOMLEFT;
}
BOOL MovesRight(int nHitTest)
{
    return nHitTest == HTRIGHT || nHitTest == HTTOPRIGHT || nHitTest == HTBOTTOMRIGHT;
}
BOOL MovesTop(int nHitTest)
{
    return nHitTest == HTTOP || nHitTest == HTTOPLEFT || nHitTest == HTTOPRIGHT;
}
BOOL MovesBottom(int nHitTest)
{
    return nHitTest == HTBOTTOM || nHitTest == HTBOTTOMLEFT || nHitTest == HTBOTTOMRIGHT;
}

// How far a value lies outside [nStart, nEnd), signed: the offset that
// brings it back in.
int Outside(int nValue, int nStart, int nEnd)
{
    if (nValue < nStart)
        return nValue - nStart;
    if (nValue >= nEnd)
        return nValue - (nEnd - 1);
    return 0;
}

// The offset that moves [nStart, nEnd) inside [nAreaStart, nAreaEnd), or to
// the area's start when it is longer than the area.
int Inside(int nStart, int nEnd, int nAreaStart, int nAreaEnd)
{
    if (nEnd - nStart >= nAreaEnd - nAreaStart || nStart < nAreaStart)
        return nAreaStart - nStart;
    if (nEnd > nAreaEnd)
        return nAreaEnd - nEnd;
    return 0;
}

} // namespace

void XTPKeepPointInRect(CRect& rc, CPoint pt)
{
    rc.OffsetRect(Outside(pt.x, rc.left, rc.right), Outside(pt.y, rc.top, rc.bottom));
}

CRect XTPMoveInsideArea(CRect rc, const CRect& rcArea)
{
    rc.OffsetRect(Inside(rc.left, rc.right, rcArea.left, rcArea.right),
                  Inside(rc.top, rc.bottom, rcArea.top, rcArea.bottom));
    return rc;
}

CRect XTPMoveSizingEdges(CRect rc, int nHitTest, CSize delta)
{
    if (MovesLeft(nHitTest))
        rc.left += delta.cx;
    if (MovesRight(nHitTest))
        rc.right += delta.cx;
    if (MovesTop(nHitTest))
        rc.top += delta.cy;
    if (MovesBottom(nHitTest))
        rc.bottom += delta.cy;
    return rc;
}

XTPFloatingResize XTPResizeFloatingBar(const CRect& rcFloating, int nHitTest, CSize delta)
{
    XTPFloatingResize resize;
    if (nHitTest == HTLEFT || nHitTest == HTRIGHT)
    {
        resize.rcFloating = XTPMoveSizingEdges(rcFloating, nHitTest, CSize(delta.cx, 0));
        resize.nLength = resize.rcFloating.Width();
        resize.dwMode = xtpLayoutHorz | xtpLayoutCommit;
    }
    else
    {
        resize.rcFloating = XTPMoveSizingEdges(rcFloating, nHitTest, CSize(0, delta.cy));
        resize.nLength = resize.rcFloating.Height();
        resize.dwMode = xtpLayoutHorz | xtpLayoutLengthIsHeight | xtpLayoutCommit;
    }
    resize.nLength = std::max(resize.nLength, 0);
    return resize;
}

int XTPResizedBarWidth(int nHitTest, const CRect& rcFloating, const CRect& rcWindow)
{
    return nHitTest == HTLEFT || nHitTest == HTRIGHT ? rcFloating.Width() : rcWindow.Width();
}

CRect XTPPlaceResized(const CRect& rcWindow, CSize size, int nHitTest)
{
    CPoint ptTopLeft = rcWindow.TopLeft();
    if (MovesLeft(nHitTest))
        ptTopLeft.x = rcWindow.right - size.cx;
    if (MovesTop(nHitTest))
        ptTopLeft.y = rcWindow.bottom - size.cy;
    return CRect(ptTopLeft, size);
}

CPoint XTPFloatingTogglePoint(CPoint ptRemembered, CPoint ptCurrent)
{
    if (ptRemembered.x < 1 || ptRemembered.y < 1)
        return ptCurrent;
    return ptRemembered;
}
