#include "toolkit/commandbars/layout/XTPPopupLayout.h"

#include <algorithm>
#include <cmath>

namespace {

const int kMinimumWidth = 22;

} // namespace

XTPPopupPlacement PlacePopup(CPoint pt, const CRect& rcExclude, int nFlags, CSize sz, const CRect& rcWork)
{
    const CRect& E = rcExclude;
    const CRect& W = rcWork;
    const BOOL bHasWidth = E.right != E.left;
    const BOOL bHasHeight = E.bottom != E.top;
    // Half of the work area, measured from its own top: right on a monitor
    // that does not start at 0.
    const int nMiddle = W.top + (W.bottom - W.top) / 2;
    int x = pt.x, y = pt.y, cx = sz.cx, cy = sz.cy;
    BOOL bScroll = FALSE;

    if (nFlags == (xtpPopupLeft | xtpPopupDown) && bHasWidth)
        x = E.right - cx;
    else if ((nFlags & xtpPopupLeft) && bHasWidth)
        x = E.left - cx;
    if ((nFlags & xtpPopupLeft) && !bHasWidth)
        x -= cx;

    if (!bHasHeight && y > W.bottom)
        y -= cy;
    else if (y + cy > W.bottom)
    {
        if (!bHasHeight)
            y = (y >= nMiddle ? y : W.bottom) - cy;
        else if (nFlags & xtpPopupDown)
        {
            y = E.top - cy;
            if (y < W.top)
            {
                bScroll = TRUE;
                if (E.CenterPoint().y > nMiddle)
                {
                    y = W.top;
                    cy = E.top - W.top;
                }
                else
                {
                    y = E.bottom;
                    cy = W.bottom - y;
                }
            }
        }
        else
            y = W.bottom - cy;
        y = std::max(y, (int)W.top);
        if (y + cy > W.bottom)
        {
            cy = W.bottom - y;
            bScroll = TRUE;
        }
    }

    if (x + cx > W.right)
    {
        if (!bHasWidth && x > W.right)
            x -= cx;
        else if (!bHasWidth)
            x = W.right - cx;
        else
        {
            x = ((nFlags & xtpPopupDown) ? W.right : E.left) - cx;
            nFlags |= xtpPopupLeft;
        }
    }
    else if (x < W.left)
    {
        if (bHasWidth)
        {
            x = (nFlags & xtpPopupDown) ? W.left : E.right;
            nFlags &= ~xtpPopupLeft;
        }
        else if (nFlags & xtpPopupLeft)
        {
            // The work area's own left edge: a monitor left of the primary
            // one has negative coordinates.
            x = W.left;
            nFlags &= ~xtpPopupLeft;
        }
    }

    XTPPopupPlacement placement;
    placement.rcWindow = CRect(x, y, x + cx, y + cy);
    placement.nFlags = nFlags;
    placement.bScroll = bScroll;
    return placement;
}

int PopupMaxRowWidth(int nWorkAreaRight, double dRatio)
{
    if (dRatio <= 0)
        return 0;
    // A whole third of 1281 is 427, though 1281 times the double nearest 1/3
    // falls just short of it.
    return (int)std::floor(nWorkAreaRight * dRatio + 1e-9);
}

CSize LayoutPopupRows(std::vector<XTPPopupRow>& rows, const CRect& rcBorder, int nSeparator, int nMaxWidth,
                      int nExpandHeight)
{
    int y = rcBorder.top;
    int nWidest = 0;
    BOOL bFirst = TRUE;
    XTPPopupRow* pExpand = NULL;
    for (XTPPopupRow& row : rows)
    {
        if (!row.bVisible)
            continue;
        if (row.bExpandButton)
        {
            pExpand = &row;
            continue;
        }
        if (row.bBeginGroup && !bFirst)
            y += nSeparator;
        bFirst = FALSE;
        int cx = row.size.cx;
        if (nMaxWidth > 0 && cx > nMaxWidth)
            cx = nMaxWidth;
        row.rect = CRect(rcBorder.left, y, rcBorder.left + cx, y + row.size.cy);
        y += row.size.cy;
        nWidest = std::max(nWidest, cx);
    }
    nWidest = std::max(nWidest, kMinimumWidth);
    if (bFirst)
        y = std::max(y, kMinimumWidth);
    for (XTPPopupRow& row : rows)
    {
        if (row.bVisible && !row.bExpandButton)
            row.rect.right = row.rect.left + nWidest;
    }
    int nBottom = rcBorder.bottom;
    if (pExpand != NULL)
    {
        pExpand->rect = CRect(rcBorder.left, y, rcBorder.left + nWidest, y + nExpandHeight);
        nBottom += nExpandHeight;
    }
    return CSize(nWidest + rcBorder.left + rcBorder.right, y + nBottom);
}

namespace {

// A row that takes part in scrolling: shown apart from scrolling, and not
// the expand button, which keeps its place at the bottom.
BOOL Scrolls(const XTPPopupRow& row)
{
    return row.bVisible && !row.bExpandButton;
}

void PlaceRow(XTPPopupRow& row, int y)
{
    const int nHeight = row.rect.Height();
    row.rect.top = y;
    row.rect.bottom = y + nHeight;
    row.bScrolledOut = FALSE;
}

CRect ScrollArea(const CRect& rcBorder, CSize szClient, int y)
{
    return CRect(rcBorder.left, y, szClient.cx - rcBorder.right, y + kPopupScrollAreaHeight);
}

void StackFromTop(std::vector<XTPPopupRow>& rows, CSize szClient, const CRect& B, int nSeparator,
                  XTPPopupScroll& scroll)
{
    const int nCount = (int)rows.size();
    // One row above is not worth an area of its own: show it.
    if (scroll.nFirst == 1)
        scroll.nFirst = 0;
    int y = B.top;
    if (scroll.nFirst > 0)
    {
        scroll.rcUp = ScrollArea(B, szClient, B.top);
        y += kPopupScrollAreaHeight;
    }
    int i = scroll.nFirst;
    for (; i < nCount; i++)
    {
        XTPPopupRow& row = rows[i];
        if (!Scrolls(row))
            continue;
        if (row.bBeginGroup)
            y += nSeparator;
        // Room must stay for the down area below.
        if (szClient.cy - (y + row.rect.Height()) < kPopupScrollAreaHeight + B.bottom)
            break;
        PlaceRow(row, y);
        y += row.rect.Height();
    }
    scroll.nLast = i;
    if (i < nCount)
        scroll.rcDown = ScrollArea(B, szClient, szClient.cy - B.bottom - kPopupScrollAreaHeight);
}

void StackFromBottom(std::vector<XTPPopupRow>& rows, CSize szClient, const CRect& B, int nSeparator,
                     XTPPopupScroll& scroll)
{
    const int nCount = (int)rows.size();
    if (scroll.nLast == nCount - 1)
        scroll.nLast = nCount;
    int y = szClient.cy - B.bottom;
    if (scroll.nLast < nCount)
    {
        scroll.rcDown = ScrollArea(B, szClient, y - kPopupScrollAreaHeight);
        y -= kPopupScrollAreaHeight;
    }
    int i = scroll.nLast - 1;
    for (; i >= 0; i--)
    {
        XTPPopupRow& row = rows[i];
        if (!Scrolls(row))
            continue;
        // Room must stay for the up area above, below the top border (the
        // tear-off strip lies in it).
        if (y - row.rect.Height() < B.top + kPopupScrollAreaHeight)
            break;
        PlaceRow(row, y - row.rect.Height());
        y -= row.rect.Height();
        if (row.bBeginGroup)
            y -= nSeparator;
    }
    scroll.nFirst = i + 1;
    if (i >= 0)
        scroll.rcUp = ScrollArea(B, szClient, B.top);
}

} // namespace

void LayoutScrolledRows(std::vector<XTPPopupRow>& rows, CSize szClient, const CRect& rcBorder, int nSeparator,
                        BOOL bFromBottom, XTPPopupScroll& scroll)
{
    for (XTPPopupRow& row : rows)
        row.bScrolledOut = Scrolls(row);
    scroll.rcUp.SetRectEmpty();
    scroll.rcDown.SetRectEmpty();
    scroll.nFirst = std::max(0, std::min(scroll.nFirst, (int)rows.size()));
    scroll.nLast = std::max(0, std::min(scroll.nLast, (int)rows.size()));
    if (bFromBottom)
        StackFromBottom(rows, szClient, rcBorder, nSeparator, scroll);
    else
        StackFromTop(rows, szClient, rcBorder, nSeparator, scroll);
}
