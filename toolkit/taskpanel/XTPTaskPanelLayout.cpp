#include "toolkit/taskpanel/XTPTaskPanelLayout.h"

#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A grid cell leaves 6 pixels round its icon on every side.
const int kGridCellPadding = 12;
const int kScrollLine = 6;
const int kWheelStep = 10;
// The buttons in a group's client area: their side and their distance from its edges.
const int kClientButtonSide = 16;
const int kClientButtonInset = 4;

} // namespace

XTPTaskPanelGrid XTPTaskPanelLayoutGrid(const CRect& rcWork, CSize szIcon, int nCount, std::vector<CRect>& rcCells)
{
    XTPTaskPanelGrid grid;
    grid.szCell = CSize(szIcon.cx + kGridCellPadding, szIcon.cy + kGridCellPadding);
    grid.nColumns = std::max(1, (int)(rcWork.Width() / std::max(1, (int)grid.szCell.cx)));
    rcCells.clear();
    for (int i = 0; i < nCount; i++)
    {
        const int nColumn = i % grid.nColumns, nRow = i / grid.nColumns;
        const CPoint pt(rcWork.left + nColumn * grid.szCell.cx, rcWork.top + nRow * grid.szCell.cy);
        rcCells.push_back(CRect(pt, grid.szCell));
    }
    grid.nRows = nCount == 0 ? 1 : (nCount + grid.nColumns - 1) / grid.nColumns;
    return grid;
}

int XTPTaskPanelAnimateEdge(int nCurrent, int nTarget, int nStep)
{
    if (nStep < 1 || nCurrent == nTarget)
        return nTarget;
    const int nDistance = nTarget - nCurrent;
    const int nMove = std::max(1, std::abs(nDistance) / nStep);
    return nDistance > 0 ? nCurrent + nMove : nCurrent - nMove;
}

CRect XTPTaskPanelAnimateRect(const CRect& rcCurrent, const CRect& rcTarget, int nStep)
{
    if (nStep < 1)
        return rcTarget;
    CRect rc = rcCurrent;
    rc.top = XTPTaskPanelAnimateEdge(rcCurrent.top, rcTarget.top, nStep);
    rc.bottom = XTPTaskPanelAnimateEdge(rcCurrent.bottom, rcTarget.bottom, nStep);
    return rc;
}

int XTPTaskPanelMinClientHeight(int nPanelHeight, const std::vector<XTPTaskPanelGroupShare>& groups,
                                int nGroupSpacing, int nMarginTop, int nMarginBottom)
{
    int nHeight = nPanelHeight - nMarginTop - nMarginBottom;
    for (const XTPTaskPanelGroupShare& group : groups)
        nHeight -= group.nCaptionHeight + group.nOuterTop + group.nOuterBottom + group.nOtherClientHeight;
    if (!groups.empty())
        nHeight -= ((int)groups.size() - 1) * nGroupSpacing;
    return nHeight;
}

int XTPTaskPanelScrollToShow(const CRect& rc, int nScrollPos, int nClientHeight)
{
    const int nViewBottom = nScrollPos + nClientHeight;
    if (rc.bottom <= nViewBottom)
        return rc.top < nScrollPos ? rc.top : nScrollPos;
    return rc.Height() > nClientHeight ? rc.top : rc.bottom - nClientHeight;
}

int XTPTaskPanelScrollRequest(UINT nSBCode, int nThumbPos, int nScrollPos, int nClientHeight, int nLimit)
{
    int nPos = nScrollPos;
    switch (nSBCode)
    {
    case SB_LINEUP: nPos -= kScrollLine; break;
    case SB_LINEDOWN: nPos += kScrollLine; break;
    case SB_PAGEUP: nPos -= nClientHeight; break;
    case SB_PAGEDOWN: nPos += nClientHeight; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: nPos = nThumbPos; break;
    case SB_TOP: nPos = 0; break;
    case SB_BOTTOM: nPos = nLimit; break;
    default: break;
    }
    return std::max(0, std::min(nPos, nLimit));
}

int XTPTaskPanelWheelScroll(int nScrollPos, short zDelta, int nLimit)
{
    const int nPos = nScrollPos + (zDelta > 0 ? -kWheelStep : kWheelStep);
    return std::max(0, std::min(nPos, nLimit));
}

void XTPTaskPanelPlaceScrollButtons(const XTPTaskPanelScrollButtonFrame& frame, CRect& rcUp, CRect& rcDown,
                                    BOOL& bDownInNextCaption)
{
    bDownInNextCaption = FALSE;
    if (!frame.bCaptionButtons)
    {
        CRect rc = frame.rcClient;
        rc.DeflateRect(kClientButtonInset, kClientButtonInset);
        rcUp.SetRect(rc.right - kClientButtonSide, rc.top, rc.right, rc.top + kClientButtonSide);
        rcDown.SetRect(rc.right - kClientButtonSide, rc.bottom - kClientButtonSide, rc.right, rc.bottom);
        return;
    }
    const int nSide = frame.rcCaption.Height();
    rcUp.SetRect(frame.nCaptionRight - nSide, frame.rcCaption.top, frame.nCaptionRight, frame.rcCaption.top + nSide);
    if (frame.bNextGroup)
    {
        const int nNextSide = frame.rcNextCaption.Height();
        rcDown.SetRect(frame.nNextCaptionRight - nNextSide, frame.rcNextCaption.top, frame.nNextCaptionRight,
                       frame.rcNextCaption.top + nNextSide);
        bDownInNextCaption = TRUE;
    }
    else
        rcDown.SetRect(frame.nCaptionRight - nSide, frame.nBottom - nSide, frame.nCaptionRight, frame.nBottom);
}

CRect XTPTaskPanelCaptionBeforeButton(const CRect& rcCaption, const CRect& rcButton, int nGap)
{
    CRect rc = rcCaption;
    rc.right = rcButton.left - nGap - 1;
    return rc;
}

int XTPTaskPanelGroupScrollOffset(const std::vector<CRect>& rcItems, int nFirstVisible, int nInnerTop)
{
    if (nFirstVisible <= 0 || nFirstVisible >= (int)rcItems.size())
        return 0;
    return rcItems[nFirstVisible].top - nInnerTop;
}

BOOL XTPTaskPanelCanScrollUp(const std::vector<CRect>& rcItems, int nFirstVisible)
{
    return !rcItems.empty() && nFirstVisible != 0;
}

BOOL XTPTaskPanelCanScrollDown(const std::vector<CRect>& rcItems, int nFirstVisible, int nInnerTop,
                               int nVisibleHeight)
{
    if (rcItems.empty())
        return FALSE;
    return rcItems.back().bottom - XTPTaskPanelGroupScrollOffset(rcItems, nFirstVisible, nInnerTop) > nVisibleHeight;
}

int XTPTaskPanelFirstVisibleFor(const std::vector<CRect>& rcItems, int nFirstVisible, int nIndex,
                                int nItemsPerRow, int nInnerTop, int nVisibleHeight)
{
    if (nIndex < 0 || nIndex >= (int)rcItems.size())
        return nFirstVisible;
    if (nIndex < nFirstVisible)
    {
        const int nPerRow = std::max(1, nItemsPerRow);
        return nIndex - nIndex % nPerRow;
    }
    const CRect& rcItem = rcItems[nIndex];
    auto fits = [&](int nFirst) {
        const int nOffset = XTPTaskPanelGroupScrollOffset(rcItems, nFirst, nInnerTop);
        return rcItem.bottom - nOffset <= nVisibleHeight || rcItem.top - nOffset <= nInnerTop;
    };
    if (fits(nFirstVisible))
        return nFirstVisible;
    int nFirst = nFirstVisible + 1;
    while (nFirst < nIndex && !fits(nFirst))
        nFirst++;
    return std::min(nFirst, nIndex);
}

CSize XTPTaskPanelClampLoadedSize(CSize sz, int nMax)
{
    return CSize(std::max(0, std::min((int)sz.cx, nMax)), std::max(0, std::min((int)sz.cy, nMax)));
}

CRect XTPTaskPanelClampLoadedMargins(const CRect& rc)
{
    if (rc == XTPUnsetRect)
        return rc;
    auto clamp = [](LONG n) { return std::max(0, std::min((int)n, XTPTaskPanelMaxLoadedExtent)); };
    return CRect(clamp(rc.left), clamp(rc.top), clamp(rc.right), clamp(rc.bottom));
}
