#pragma once
// CXTPControlSelector: a grid of cells from which the user picks a block of
// columns by rows with the mouse (a table size, say). Moving over the grid
// selects the block up to the pointer; each change of the block is announced
// to the site as WM_XTP_CONTROL_EXECUTE with the code XTP_SLN_SELCHANGE. A
// release over a selected block executes the control with that block
// (GetExecuted). Leaving the grid with the button held grows it towards the
// pointer, up to the most columns and rows (SetItemsMax); leaving it
// otherwise clears the selection. Each layout of its bar shows the first
// grid size again.
//
//     CXTPControlSelector* pGrid = new CXTPControlSelector;
//     pPopupBar->GetControls()->AddControl(pGrid, ID_INSERT_TABLE);
//     ... on ID_INSERT_TABLE: CSize szTable = pGrid->GetExecuted();
#include "toolkit/commandbars/controls/XTPControl.h"

// The notification code of a selection change of the grid.
const UINT XTP_SLN_SELCHANGE = 0x1006;

class CXTPControlSelector : public CXTPControl
{
    DECLARE_SERIAL(CXTPControlSelector)
public:
    CXTPControlSelector();

    // Columns and rows shown first, the most the grid grows to, and the
    // pixels of one cell (a non-positive side counts as unset: 28).
    void SetItemsCount(CSize szCount) { m_szItemsCount = szCount; }
    CSize GetItemsCount() const { return m_szItemsCount; }
    void SetItemsMax(CSize szMax) { m_szItemsMax = szMax; }
    CSize GetItemsMax() const { return m_szItemsMax; }
    void SetItemSize(CSize szItem) { m_szItem = szItem; }
    CSize GetItemSize() const;
    // The grid shown now, the block selected (0 x 0 none) and the block of
    // the last execution.
    CSize GetCurrentCount() const { return m_szItemsActive; }
    CSize GetSelectedBlock() const { return m_szSelected; }
    CSize GetExecuted() const { return m_szExecuted; }

    // Stores the block, redraws the bar and announces it to the site; an
    // unchanged block only when forced.
    void SetSelected(int cx, int cy, BOOL bForce = FALSE);

    // ---- Overridables ----

    // Draws one cell's content after its background; nothing here.
    virtual void DrawItem(CDC* pDC, CRect rcCell, COLORREF clrText);

    // ---- CXTPControl ----

    // The cell size times the grid shown.
    CSize GetSize(CDC* pDC) override;
    // The cells: highlighted inside the block, framed.
    void Draw(CDC* pDC) override;
    // Selects the block of the columns and rows that start before the point.
    void OnMouseMove(CPoint point) override;
    // Executes with the selected block.
    void OnLButtonUp(CPoint point) override;
    // Back to the first grid size, selection cleared (not while growing).
    void OnCalcDynamicSize(DWORD dwMode) override;
    // Leaving the grid: grows it with the button held, else clears the block.
    BOOL OnSetSelected(int bSelected) override;
    // The counts and the cell size, then the base copy.
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    // The control's keys, then "ItemsCount", "ItemsMax" and "ItemSize".
    void DoPropExchange(CXTPPropExchange* pPX) override;

private:
    // The grid grown towards the pointer (bar client coordinates).
    CSize GrownCount(CPoint ptPointer) const;

    CSize m_szItemsCount;
    CSize m_szItemsMax;
    CSize m_szSelected;
    CSize m_szItem;
    CSize m_szExecuted;
    CSize m_szItemsActive;
    BOOL m_bResizing;
};
