#pragma once
// The arithmetic of the MDI tab client's groups, apart from any window: how
// groups share the client area by their weights with 5-pixel splitter bars
// between them, how a splitter drag shares two weights anew, and which drop a
// tab dragged out of its row would make at a point.
//
//     std::vector<XTPTabGroupPlace> places = XTPTabPlaceGroups({100, 100}, CRect(0, 0, 400, 300), FALSE);
//     // places[0].rcGroup 0..195, places[0].rcSplitter 195..200, places[1].rcGroup 200..400
#include "framework/Core.h"

#include <vector>

// The bar between two groups.
const int kTabGroupSplitterSize = 5;

// One group's place: the group and the splitter bar after it (empty for the last group).
struct XTPTabGroupPlace
{
    CRect rcGroup;
    CRect rcSplitter;
};

// Shares rcArea among the groups by their weights, one after another down
// (bStacked) or across. Every group but the last ends where its accumulated
// weight puts it (length x accumulated / total, cut to a whole pixel), less
// the splitter bar; the next starts there. Weights that add up to nothing
// count as equal.
std::vector<XTPTabGroupPlace> XTPTabPlaceGroups(const std::vector<double>& weights, const CRect& rcArea,
                                                BOOL bStacked);

// The weights of two neighbouring groups after their splitter moved to start
// at nSplitter, inside bounds beginning at nBoundsBegin and nBoundsLength
// long (both groups and the bar): the first takes the share of the sum that
// lies before the splitter's middle, the second the rest. A zero length
// changes nothing.
void XTPTabShareWeights(double& dFirst, double& dSecond, int nSplitter, int nBoundsBegin, int nBoundsLength);

// What a dropped tab would do.
enum XTPTabDropMode
{
    xtpTabDropNone = 0,      // outside the client: nothing
    xtpTabDropMenu = 1,      // inside, on no target: the drop menu asks
    xtpTabDropIntoGroup = 2, // on a group's row: the tab joins that group
    xtpTabDropNewBelow = 3,  // near a group's bottom edge: a new group below it
    xtpTabDropNewRight = 4   // near a group's right edge: a new group right of it
};

// A group as a drop target: its row, its whole rectangle and its content,
// and whether the dragged tab may leave for a new group made from it (it
// belongs to another group, or its own group keeps a tab).
struct XTPTabDropGroup
{
    CRect rcHeader;
    CRect rcControl;
    CRect rcClient;
    BOOL bCanLeave;
};

struct XTPTabDrop
{
    int nMode;       // XTPTabDropMode
    int nGroup;      // the target group, -1 for none
    CRect rcTarget;  // the rectangle to show, empty for none
};

// The drop at pt (client coordinates) with the groups in order: outside
// rcClientArea nothing; inside, the first group whose row holds the point
// (its content is shown), or whose bottom edge is 1 to 29 pixels below the
// point (one group or stacked groups: its lower half), or whose right edge is
// 1 to 29 pixels right of it (one group or groups side by side: its right
// half); else the drop menu.
XTPTabDrop XTPTabFindDrop(const std::vector<XTPTabDropGroup>& groups, CPoint pt, const CRect& rcClientArea,
                          BOOL bStacked);
