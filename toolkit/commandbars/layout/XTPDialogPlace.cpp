#include "toolkit/commandbars/layout/XTPDialogPlace.h"

#include "toolkit/commandbars/layout/XTPFloatingRect.h"

CRect XTPCenterOverOwner(CSize size, const CRect& rcOwner, const CRect& rcWorkArea)
{
    const CPoint ptCenter = rcOwner.CenterPoint();
    const CRect rc(CPoint(ptCenter.x - size.cx / 2, ptCenter.y - size.cy / 2), size);
    return XTPMoveInsideArea(rc, rcWorkArea);
}
