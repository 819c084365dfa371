#pragma once
// The docking area as plain data: the rows of bars in one dock bar, the row a
// dropped bar joins, and the dock bar (side of the frame) a dragged bar lands
// on. CXTPDockBar keeps its bars in a CXTPDockRows and asks these functions
// where a drop goes; the bar tracker asks XTPHitTestDockSides which side
// takes a dragged bar. Nothing here touches a window: the callers measure
// the rectangles and pass them in.
//
//     CXTPDockRows<CXTPToolBar> rows;               // one dock bar's bars
//     XTPDropRow drop = XTPFindDropRow(arrRowEnds, nCentre);
//     int nIndex = rows.Insert(pBar, drop);
//
//     int nSide = XTPHitTestDockSides(arrSideRects, nCurrent, ptCursor, pBar->GetFlags());
#include "framework/Core.h"

#include <algorithm>
#include <vector>

// Where a dropped bar goes among the rows of a dock bar.
struct XTPDropRow
{
    int nRow;     // the row it joins, or before which a new row opens
    BOOL bNewRow; // a new row opens before nRow (after the last row when nRow is the row count)
};

// The row a bar dropped with its centre at nCross (across the dock bar,
// measured from the frame edge) goes to. arrRowEnds holds, per row from the
// edge outward, the farthest cross edge of the row's visible bars (0 when
// none is visible). A row reaches as far as its own end and every end before
// it. The bar joins the first row that reaches past nCross; on the boundary
// with the row before (or at or before the dock bar's edge) it opens a new
// row there instead. Past every row it opens a new last row.
XTPDropRow XTPFindDropRow(const std::vector<int>& arrRowEnds, int nCross);

// How far outside a dock bar's rectangle a dragged point still docks into it.
const int XTP_DOCK_MARGIN = 20;

// The dock side (0 top, 1 bottom, 2 left, 3 right: the manager's order and
// the bar positions) that a dragged point lands on, given the screen
// rectangles of the four dock bars. The side nCurrent (-1 for none) is tried
// first, then the four in order; a side is hit when the point lies within
// its rectangle grown by XTP_DOCK_MARGIN on every side. The first hit
// decides, and it docks only when dwAllowed holds its flag (1 top, 2 bottom,
// 4 left, 8 right: the bar flags); -1 when the point docks nowhere.
int XTPHitTestDockSides(const CRect (&arrSides)[4], int nCurrent, CPoint pt, DWORD dwAllowed);

// The bars of one dock bar in rows, as a list of slots: bars in order, a NULL
// ending each row. The list always begins with a NULL and holds no two NULLs
// in a row, so every row has at least one bar. Rows run outward from the
// frame edge; the order of the bars inside a row is decided by their
// positions at layout time.
template <class TBar>
class CXTPDockRows
{
public:
    CXTPDockRows() : m_arrSlots(1, (TBar*)NULL) {}

    const std::vector<TBar*>& GetSlots() const { return m_arrSlots; }
    // The slot index of the bar (not nExcept), -1 when it is not here.
    int Find(const TBar* pBar, int nExcept = -1) const
    {
        for (int i = 0; i < (int)m_arrSlots.size(); i++)
        {
            if (m_arrSlots[i] == pBar && pBar != NULL && i != nExcept)
                return i;
        }
        return -1;
    }
    int GetBarCount() const { return (int)m_arrSlots.size() - GetBreakCount(); }
    int GetRowCount() const { return GetBreakCount() - 1; }

    // The bars of row nRow in slot order (none for a row that does not exist).
    void GetRow(int nRow, std::vector<TBar*>& bars) const { CopyRowFrom(RowStart(nRow), bars); }
    // The bars of the row holding slot nIndex (none for a row break).
    void GetRowAt(int nIndex, std::vector<TBar*>& bars) const
    {
        bars.clear();
        if (nIndex <= 0 || nIndex >= (int)m_arrSlots.size() || m_arrSlots[nIndex] == NULL)
            return;
        int nFirst = nIndex;
        while (m_arrSlots[nFirst - 1] != NULL)
            nFirst--;
        CopyRowFrom(nFirst, bars);
    }

    // Puts the bar at the start of the drop's row, or alone into a new row
    // before it; returns the bar's slot index.
    int Insert(TBar* pBar, const XTPDropRow& drop)
    {
        ASSERT(pBar != NULL && drop.nRow >= 0 && drop.nRow <= GetRowCount());
        ASSERT(drop.bNewRow || drop.nRow < GetRowCount());
        int nStart = RowStart(drop.nRow);
        if (drop.bNewRow)
            m_arrSlots.insert(m_arrSlots.begin() + nStart, (TBar*)NULL);
        m_arrSlots.insert(m_arrSlots.begin() + nStart, pBar);
        return nStart;
    }
    // A new last row holding the bar.
    int AppendRow(TBar* pBar) { return Insert(pBar, XTPDropRow{GetRowCount(), TRUE}); }

    // Takes the bar's slot (not nExcept) out; a row left empty goes with it.
    // FALSE when the bar is not here.
    BOOL Remove(const TBar* pBar, int nExcept = -1)
    {
        int nIndex = Find(pBar, nExcept);
        if (nIndex < 0)
            return FALSE;
        m_arrSlots.erase(m_arrSlots.begin() + nIndex);
        if (m_arrSlots[nIndex - 1] == NULL && m_arrSlots[nIndex] == NULL)
            m_arrSlots.erase(m_arrSlots.begin() + nIndex);
        return TRUE;
    }

    // Gives every bar for which isAlone holds a row of its own.
    template <class Predicate>
    void GiveOwnRows(Predicate isAlone)
    {
        for (int i = 1; i < (int)m_arrSlots.size(); i++)
        {
            TBar* pBar = m_arrSlots[i];
            if (pBar == NULL || !isAlone(pBar))
                continue;
            if (m_arrSlots[i - 1] != NULL)
            {
                m_arrSlots.insert(m_arrSlots.begin() + i, (TBar*)NULL);
                i++;
            }
            if (m_arrSlots[i + 1] != NULL)
                m_arrSlots.insert(m_arrSlots.begin() + i + 1, (TBar*)NULL);
        }
    }

    // Takes the slots given (bars, NULL for row breaks) with the breaks
    // tidied: one NULL first, one between rows, one last.
    void Assign(const std::vector<TBar*>& arrSlots)
    {
        m_arrSlots.assign(1, (TBar*)NULL);
        for (TBar* pBar : arrSlots)
        {
            if (pBar != NULL || m_arrSlots.back() != NULL)
                m_arrSlots.push_back(pBar);
        }
        if (m_arrSlots.back() != NULL)
            m_arrSlots.push_back(NULL);
    }

private:
    int GetBreakCount() const { return (int)std::count(m_arrSlots.begin(), m_arrSlots.end(), (TBar*)NULL); }
    // The slot where row nRow begins (the list's size past the last row).
    int RowStart(int nRow) const
    {
        int nBreaks = 0;
        for (int i = 0; i < (int)m_arrSlots.size(); i++)
        {
            if (m_arrSlots[i] == NULL && nBreaks++ == nRow)
                return i + 1;
        }
        return (int)m_arrSlots.size();
    }
    void CopyRowFrom(int nFirst, std::vector<TBar*>& bars) const
    {
        bars.clear();
        for (int i = nFirst; i < (int)m_arrSlots.size() && m_arrSlots[i] != NULL; i++)
            bars.push_back(m_arrSlots[i]);
    }

    std::vector<TBar*> m_arrSlots;
};
