#include "toolkit/commandbars/state/XTPStoredPlace.h"

#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchange.h"

#include <algorithm>

namespace {

// The value moved into [nLow, nHigh), or nLow for an empty range. The
// arithmetic is done in 64 bits: stored values reach the ends of the range.
LONG BoundInto(LONGLONG nValue, LONGLONG nLow, LONGLONG nHigh)
{
    return (LONG)std::max(nLow, std::min(nValue, nHigh - 1));
}

} // namespace

CRect XTPGetVirtualScreen()
{
    CRect rc(CPoint(::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN)),
             CSize(::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    if (rc.IsRectEmpty())
        rc.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return rc;
}

CRect XTPStoredBounds(const CRect& rcVirtualScreen, CSize szSavedScreen)
{
    CRect rcBounds = rcVirtualScreen;
    if (szSavedScreen.cx > 0 && szSavedScreen.cy > 0 && szSavedScreen.cx <= kXTPMaxScreenSide
        && szSavedScreen.cy <= kXTPMaxScreenSide)
        rcBounds.UnionRect(rcBounds, CRect(CPoint(0, 0), szSavedScreen));
    return rcBounds;
}

CRect XTPDockedPlaceBounds()
{
    return CRect(0, 0, kXTPMaxScreenSide, kXTPMaxScreenSide);
}

CPoint XTPBoundStoredPoint(CPoint pt, const CRect& rcBounds)
{
    return CPoint(BoundInto(pt.x, rcBounds.left, rcBounds.right), BoundInto(pt.y, rcBounds.top, rcBounds.bottom));
}

CRect XTPBoundStoredRect(const CRect& rc, const CRect& rcBounds)
{
    const LONGLONG cx = std::max(0LL, std::min((LONGLONG)rc.right - rc.left, (LONGLONG)rcBounds.Width()));
    const LONGLONG cy = std::max(0LL, std::min((LONGLONG)rc.bottom - rc.top, (LONGLONG)rcBounds.Height()));
    const LONG x = BoundInto(rc.left, rcBounds.left, rcBounds.right - cx + 1);
    const LONG y = BoundInto(rc.top, rcBounds.top, rcBounds.bottom - cy + 1);
    return CRect(x, y, (LONG)(x + cx), (LONG)(y + cy));
}

BOOL XTPIsStoredSizeInBounds(CSize size, const CRect& rcBounds)
{
    return size.cx >= 0 && size.cy >= 0 && size.cx <= rcBounds.Width() && size.cy <= rcBounds.Height();
}

BOOL XTPIsStoredWidth(LONGLONG nWidth)
{
    return nWidth >= 0 && nWidth <= kXTPMaxScreenSide;
}

void XTPExchangeStoredIconSize(CXTPPropExchange* pPX, LPCTSTR pszKey, CSize& szIcon, CSize szDefault)
{
    CSize szExchanged = szIcon;
    PX_Size(pPX, pszKey, szExchanged, szDefault);
    if (CXTPImageManager::IsIconSizeAllowed(szExchanged))
        szIcon = szExchanged;
}
