#include "toolkit/commandbars/layout/XTPDockArea.h"

#include <algorithm>

XTPDropRow XTPFindDropRow(const std::vector<int>& arrRowEnds, int nCross)
{
    int nPreviousReach = 0;
    int nReach = 0;
    for (int nRow = 0; nRow < (int)arrRowEnds.size(); nRow++)
    {
        nReach = std::max(nReach, arrRowEnds[nRow]);
        if (nCross < nReach)
            return XTPDropRow{nRow, nCross <= nPreviousReach};
        nPreviousReach = nReach;
    }
    return XTPDropRow{(int)arrRowEnds.size(), TRUE};
}

int XTPHitTestDockSides(const CRect (&arrSides)[4], int nCurrent, CPoint pt, DWORD dwAllowed)
{
    auto hits = [&](int nSide) {
        CRect rc(arrSides[nSide]);
        rc.InflateRect(XTP_DOCK_MARGIN, XTP_DOCK_MARGIN);
        return rc.PtInRect(pt) != FALSE;
    };
    int nHit = -1;
    if (nCurrent >= 0 && nCurrent < 4 && hits(nCurrent))
        nHit = nCurrent;
    for (int nSide = 0; nHit < 0 && nSide < 4; nSide++)
    {
        if (hits(nSide))
            nHit = nSide;
    }
    if (nHit < 0 || !(dwAllowed & (1u << nHit)))
        return -1;
    return nHit;
}
