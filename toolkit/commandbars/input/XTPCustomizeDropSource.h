#pragma once
// CXTPCustomizeDropSource: the drag of a control in customize mode. Each
// command-bars manager owns one; every bar registers itself as a target when
// its window is made and unregisters when it goes. A control dragged off its
// bar, or a command dragged from the customize sheet's commands list, runs
// the drag loop here: the bar under the cursor is told the drag entered it,
// moved over it or left it, and gets the drop.
//
//     DROPEFFECT effect = pCommandBars->GetDropSource()->DoDragDrop(pControl, FALSE);
//     if (effect == DROPEFFECT_MOVE || effect == DROPEFFECT_NONE)
//         ...take the control off its old bar...
//
// A move released over no bar answers DROPEFFECT_NONE: the control is dragged
// off the bars. A copy released there answers XTP_DROPEFFECT_CANCEL: a copy
// that lands nowhere changes nothing, the original stays where it was.
//
// While the customize sheet is open it is registered here (SetSheet): drags
// then capture the mouse with the sheet's window, and bars reach the sheet
// through GetSheet (the control context menu of a right click).
#include "framework/Window.h"

#include "framework/controls/COleDataObject.h" // DROPEFFECT

#include <vector>

class CXTPCommandBars;
class CXTPCommandBar;
class CXTPControl;

// The result of a drag that changed no bar: a copy released over no bar, or
// a drag cancelled (Esc, a right click, the capture taken away, WM_QUIT).
const DROPEFFECT XTP_DROPEFFECT_CANCEL = 5;

// What the open customize sheet offers the bars and the drag.
class CXTPCustomizeSheetLink
{
public:
    virtual ~CXTPCustomizeSheetLink() {}
    // The sheet's window: it holds the mouse capture during drags and hears
    // WM_XTP_DRAGCONTROLCHANGED.
    virtual CWnd* GetSheetWindow() = 0;
    // Shows the control context menu at a screen point.
    virtual void ContextMenu(int x, int y) = 0;
};

class CXTPCustomizeDropSource
{
public:
    explicit CXTPCustomizeDropSource(CXTPCommandBars* pCommandBars);
    ~CXTPCustomizeDropSource();

    // Target bars; a bar may register once.
    void Register(CXTPCommandBar* pBar);
    void Unregister(CXTPCommandBar* pBar);
    // The visible registered bar whose window holds the screen point, the
    // one registered last first; NULL for none.
    CXTPCommandBar* FindTarget(CPoint ptScreen) const;

    // The open customize sheet, NULL while none is open.
    void SetSheet(CXTPCustomizeSheetLink* pSheet) { m_pSheet = pSheet; }
    CXTPCustomizeSheetLink* GetSheet() const { return m_pSheet; }

    // Drags the control until the left button is released: DROPEFFECT_COPY
    // (copied onto a bar), DROPEFFECT_MOVE (moved onto a bar),
    // DROPEFFECT_NONE (moved, and released over no bar) or
    // XTP_DROPEFFECT_CANCEL (copied and released over no bar, or cancelled).
    // Moving unless bCopyOnly, or Ctrl is held at the first move or while
    // dragging.
    DROPEFFECT DoDragDrop(CXTPControl* pControl, BOOL bCopyOnly);

    // The state of the drag under way, which the bars read.
    CXTPControl* GetDraggedControl() const { return m_pControl; }
    // A drop now would move the control rather than copy it: the drag is
    // not copy-only and Ctrl is not held.
    BOOL IsMoving() const { return m_bMove && !m_bCopyOnly; }
    CXTPCommandBar* GetTarget() const { return m_pTarget; }

private:
    CXTPCustomizeDropSource(const CXTPCustomizeDropSource&) = delete;
    CXTPCustomizeDropSource& operator=(const CXTPCustomizeDropSource&) = delete;

    // The target under the screen point is told of the drag; an old one that
    // is left is told it left.
    void DragOver(CPoint ptScreen);
    void LeaveTarget();
    void UpdateCursor();
    // The first move: the dragged control leaves its bar's selection.
    void StartDrag(MSG& msg);
    DROPEFFECT Drop(CPoint ptScreen);

    HWND m_hWndCapture;
    CXTPControl* m_pControl;
    BOOL m_bMove;
    BOOL m_bCopyOnly;
    CXTPCommandBar* m_pTarget;
    CXTPCustomizeSheetLink* m_pSheet;
    CPoint m_ptStart;
    std::vector<CXTPCommandBar*> m_arrTargets;
    CXTPCommandBars* m_pCommandBars;
    HCURSOR m_hCursorNoDrop;
    HCURSOR m_hCursorMove;
    HCURSOR m_hCursorCopy;
};
