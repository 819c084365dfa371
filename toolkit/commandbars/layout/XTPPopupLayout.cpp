#include "toolkit/commandbars/layout/XTPPopupLayout.h"

#include <algorithm>

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
