#pragma once
// CXTPBarTracker: the dock context of one tool bar, made by the bar's
// EnableDocking. It runs the modal mouse loops that move a bar (docking it
// into the dock bar under the cursor as it goes, or floating it), resize a
// floating bar or a dialog bar from its edges, and switch a bar between
// docked and floating on a double click. Changes apply live while the mouse
// moves: the bar itself moves, no outline is drawn; Esc ends a loop keeping
// what was done. The loops run on the one capture loop
// (toolkit/foundation/XTPCaptureLoop) and the rectangle arithmetic of
// layout/XTPFloatingRect and layout/XTPDockArea.
//
// The tracker remembers where the bar was last dropped in a dock bar (client
// coordinates of that dock bar), which dock bar last laid it out and where
// it last floated, so that a toggle returns the bar to its previous place.
//
//     // in the bar's WM_LBUTTONDOWN on empty bar space:
//     pBar->GetBarTracker()->StartDrag(ptScreen);
#include "framework/Core.h"

class CXTPToolBar;
class CXTPDockBar;
class CFrameWnd;

class CXTPBarTracker
{
public:
    explicit CXTPBarTracker(CXTPToolBar* pBar);
    virtual ~CXTPBarTracker();

    CXTPToolBar* GetBar() const { return m_pBar; }

    // ---- Remembered places -----------------------------------------------
    // Where the bar was last dropped (client coordinates of the dock bar;
    // empty when it was appended without a place).
    CRect GetDockedRect() const { return m_rcDocked; }
    void SetDockedRect(const CRect& rc) { m_rcDocked = rc; }
    // The position (0 top .. 3 right) of the dock bar that last laid it out.
    int GetLastDockPosition() const { return m_nLastDockPosition; }
    void SetLastDockPosition(int nPosition) { m_nLastDockPosition = nPosition; }
    // The top-left of the floating window (screen); 0, 0 when it never floated.
    CPoint GetFloatingPoint() const { return m_ptFloating; }
    void SetFloatingPoint(CPoint pt) { m_ptFloating = pt; }

    // ---- Overridables ----------------------------------------------------
    // A press on empty bar space at the screen point: the bar follows the
    // mouse until the button is released. [docks into any dock bar under the
    // cursor that the bar's flags allow, floats elsewhere when it may float;
    // afterwards a floating bar remembers its top-left, and a bar that was
    // docked before keeps that dock place for the next toggle]
    virtual void StartDrag(CPoint pt);
    // A press on a sizing edge (HTLEFT .. HTBOTTOMRIGHT) at the screen point:
    // the edge follows the mouse until the button is released. [a floating
    // bar then remembers its top-left and, as its MRU width, the width its
    // next layout needs to keep the new shape (XTPResizedBarWidth)]
    virtual void StartResize(int nHitTest, CPoint pt);
    // A double click on empty bar space: a floating bar docks where it was
    // last docked, a docked bar floats where it last floated (only with the
    // options' double-click floats). FALSE when the bar's flags or the
    // options forbid it. [marks the options changed]
    virtual BOOL ToggleDocking();

protected:
    // The modal loop of StartDrag and StartResize (only when no window holds
    // the capture); each mouse move goes to Move, ResizeDialogBar or Resize.
    virtual void Track();

private:
    void Move(CPoint pt);
    void Resize(CPoint pt);
    void ResizeDialogBar(CPoint pt);
    // Lays the frame out at once when a layout waits for idle time.
    void FlushFrameLayout();
    // The manager's dock bar at a position (0..3), NULL without one.
    CXTPDockBar* GetDockBarAt(int nPosition) const;
    void MarkOptionsChanged();
    CFrameWnd* GetSite() const;

    enum
    {
        modeMove = 1
    };

    CXTPToolBar* m_pBar;
    int m_nMode; // modeMove, or the hit code of the edge being resized
    CPoint m_ptLast;
    int m_nLastDockPosition;
    CRect m_rcDocked;
    CPoint m_ptFloating;
    CRect m_rcDrag;
    CRect m_rcFloating;
};
