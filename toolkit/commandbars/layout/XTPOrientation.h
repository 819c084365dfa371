#pragma once
// CXTPOrientation: the one place that knows which screen axis runs along a
// bar or a dock bar. Layout code speaks of the main axis (along the bar: x on
// a horizontal one, y on a vertical one) and the cross axis (across it), and
// asks this helper for the matching field instead of choosing between x and
// y itself.
//
//     CXTPOrientation orient(pDockBar->IsVertical());
//     int nLength = orient.Main(rcAvailable.Size());   // width or height
//     orient.Cross(size) += nRowThickness;             // cy or cx
//     CRect rcAlong = orient.Turn(rc);                 // x along, y across
#include "framework/Core.h"

class CXTPOrientation
{
public:
    explicit CXTPOrientation(BOOL bVertical) : m_bVertical(bVertical) {}

    BOOL IsVertical() const { return m_bVertical; }

    // ---- Sizes and points ------------------------------------------------
    LONG Main(const SIZE& size) const { return m_bVertical ? size.cy : size.cx; }
    LONG Cross(const SIZE& size) const { return m_bVertical ? size.cx : size.cy; }
    LONG& Main(SIZE& size) const { return m_bVertical ? size.cy : size.cx; }
    LONG& Cross(SIZE& size) const { return m_bVertical ? size.cx : size.cy; }
    LONG Main(const POINT& point) const { return m_bVertical ? point.y : point.x; }
    LONG Cross(const POINT& point) const { return m_bVertical ? point.x : point.y; }
    CSize MakeSize(int nMain, int nCross) const
    {
        return m_bVertical ? CSize(nCross, nMain) : CSize(nMain, nCross);
    }
    CPoint MakePoint(int nMain, int nCross) const
    {
        return m_bVertical ? CPoint(nCross, nMain) : CPoint(nMain, nCross);
    }

    // ---- Rectangle edges -------------------------------------------------
    LONG MainStart(const RECT& rc) const { return m_bVertical ? rc.top : rc.left; }
    LONG MainEnd(const RECT& rc) const { return m_bVertical ? rc.bottom : rc.right; }
    LONG CrossStart(const RECT& rc) const { return m_bVertical ? rc.left : rc.top; }
    LONG CrossEnd(const RECT& rc) const { return m_bVertical ? rc.right : rc.bottom; }
    LONG& MainStart(RECT& rc) const { return m_bVertical ? rc.top : rc.left; }
    LONG& MainEnd(RECT& rc) const { return m_bVertical ? rc.bottom : rc.right; }
    LONG& CrossStart(RECT& rc) const { return m_bVertical ? rc.left : rc.top; }
    LONG& CrossEnd(RECT& rc) const { return m_bVertical ? rc.right : rc.bottom; }
    int MainLength(const RECT& rc) const { return MainEnd(rc) - MainStart(rc); }
    int CrossLength(const RECT& rc) const { return CrossEnd(rc) - CrossStart(rc); }
    // Moves the rectangle by nMain along the axis and nCross across it.
    void Offset(CRect& rc, int nMain, int nCross) const { rc.OffsetRect(MakePoint(nMain, nCross)); }

    // ---- Turning ---------------------------------------------------------
    // The rectangle or size in main/cross terms (x along, y across), and
    // back: the same swap serves both ways.
    CRect Turn(const RECT& rc) const
    {
        return m_bVertical ? CRect(rc.top, rc.left, rc.bottom, rc.right) : CRect(rc);
    }
    CSize Turn(const SIZE& size) const { return MakeSize(size.cx, size.cy); }

private:
    BOOL m_bVertical;
};
