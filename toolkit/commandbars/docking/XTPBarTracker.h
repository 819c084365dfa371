#pragma once
// CXTPBarTracker: what a docking tool bar remembers between layouts: the
// rectangle at which it was last dropped in a dock bar (client coordinates
// of the dock bar; empty when it was appended without one) and the position
// of the dock bar that last laid it out. Dragging, floating and resizing by
// mouse build on it.
#include "framework/Core.h"

class CXTPToolBar;

class CXTPBarTracker
{
public:
    explicit CXTPBarTracker(CXTPToolBar* pBar);

    CXTPToolBar* GetBar() const { return m_pBar; }
    CRect GetDockedRect() const { return m_rcDocked; }
    void SetDockedRect(const CRect& rc) { m_rcDocked = rc; }
    int GetLastDockPosition() const { return m_nLastDockPosition; }
    void SetLastDockPosition(int nPosition) { m_nLastDockPosition = nPosition; }
    // Where the bar's window first appears when it floats.
    CPoint GetFloatingPoint() const { return m_ptFloating; }
    void SetFloatingPoint(CPoint pt) { m_ptFloating = pt; }

private:
    CXTPToolBar* m_pBar;
    CRect m_rcDocked;
    int m_nLastDockPosition;
    CPoint m_ptFloating;
};
