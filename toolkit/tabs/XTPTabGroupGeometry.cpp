#include "toolkit/tabs/XTPTabGroupGeometry.h"

#include "toolkit/tabs/XTPTabStripGeometry.h"

#include <numeric>

namespace {

// The reach of a group's edge that offers a new group beside it.
const int kEdgeReach = 30;

BOOL NearEdge(int nDistance)
{
    return nDistance >= 1 && nDistance < kEdgeReach;
}

} // namespace

std::vector<XTPTabGroupPlace> XTPTabPlaceGroups(const std::vector<double>& weights, const CRect& rcArea,
                                                BOOL bStacked)
{
    const CXTPOrientation orient(bStacked); // groups follow each other along the main axis
    const int nCount = (int)weights.size();
    double dTotal = std::accumulate(weights.begin(), weights.end(), 0.0);
    const BOOL bEqual = dTotal <= 0;
    if (bEqual)
        dTotal = nCount;
    const int nLength = orient.MainLength(rcArea);
    std::vector<XTPTabGroupPlace> places(nCount);
    double dAccumulated = 0;
    int nStart = orient.MainStart(rcArea);
    for (int i = 0; i < nCount; i++)
    {
        XTPTabGroupPlace& place = places[i];
        place.rcGroup = rcArea;
        place.rcSplitter.SetRectEmpty();
        orient.MainStart(place.rcGroup) = nStart;
        if (i == nCount - 1)
            break;
        dAccumulated += bEqual ? 1.0 : weights[i];
        const int nEnd = orient.MainStart(rcArea) + (int)(nLength * dAccumulated / dTotal);
        orient.MainEnd(place.rcGroup) = nEnd - kTabGroupSplitterSize;
        place.rcSplitter = rcArea;
        orient.MainStart(place.rcSplitter) = nEnd - kTabGroupSplitterSize;
        orient.MainEnd(place.rcSplitter) = nEnd;
        nStart = nEnd;
    }
    return places;
}

void XTPTabShareWeights(double& dFirst, double& dSecond, int nSplitter, int nBoundsBegin, int nBoundsLength)
{
    if (nBoundsLength == 0)
        return;
    const double dSum = dFirst + dSecond;
    dFirst = dSum * (nSplitter + 2 - nBoundsBegin) / nBoundsLength;
    dSecond = dSum - dFirst;
}

XTPTabDrop XTPTabFindDrop(const std::vector<XTPTabDropGroup>& groups, CPoint pt, const CRect& rcClientArea,
                          BOOL bStacked)
{
    XTPTabDrop drop = {xtpTabDropNone, -1, CRect(0, 0, 0, 0)};
    if (!rcClientArea.PtInRect(pt))
        return drop;
    drop.nMode = xtpTabDropMenu;
    const BOOL bOneGroup = groups.size() == 1;
    for (int i = 0; i < (int)groups.size(); i++)
    {
        const XTPTabDropGroup& group = groups[i];
        CRect rcTarget = group.rcControl;
        if (group.rcHeader.PtInRect(pt))
        {
            drop.nMode = xtpTabDropIntoGroup;
            rcTarget = group.rcClient;
        }
        else if ((bOneGroup || bStacked) && group.bCanLeave && NearEdge(group.rcControl.bottom - pt.y))
        {
            drop.nMode = xtpTabDropNewBelow;
            rcTarget.top = rcTarget.CenterPoint().y;
        }
        else if ((bOneGroup || !bStacked) && group.bCanLeave && NearEdge(group.rcControl.right - pt.x))
        {
            drop.nMode = xtpTabDropNewRight;
            rcTarget.left = rcTarget.CenterPoint().x;
        }
        else
        {
            continue;
        }
        drop.nGroup = i;
        drop.rcTarget = rcTarget;
        break;
    }
    return drop;
}
