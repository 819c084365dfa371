#pragma once
// CXTPDockBar: the window along one edge of the frame that holds docked tool
// bars in rows (columns on the left and right edges). The manager creates
// four of them (EnableDocking). In the frame's layout pass (WM_SIZEPARENT) a
// dock bar takes its share of the frame's edge: it lays out its rows so that
// bars keep their dropped positions where they can, push each other aside
// where they must, are squeezed when the row is short, and move to extra rows
// when even that fails.
//
// The bars are kept in rows (layout/XTPDockArea's CXTPDockRows): one list of
// slots in which a NULL entry ends a row; it always begins with a NULL. Rows
// follow each other outward from the edge.
#include "toolkit/commandbars/XTPCommandBarsDefines.h"
#include "toolkit/commandbars/layout/XTPDockArea.h"
#include "toolkit/commandbars/layout/XTPOrientation.h"

#include <vector>

class CXTPToolBar;
class CXTPCommandBars;

class CXTPDockBar : public CWnd
{
    DECLARE_DYNAMIC(CXTPDockBar)
public:
    explicit CXTPDockBar(CXTPCommandBars* pCommandBars);
    ~CXTPDockBar() override;

    // A child of pParent with the alignment of dwStyle (CBRS_ALIGN_...).
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID);

    // Docks the bar: with a rectangle (screen coordinates) into the row under
    // its centre, without one in a new last row.
    void DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect = NULL);
    // Takes the bar out (its entry other than nExcept); an emptied row goes.
    void RemoveCommandBar(CXTPToolBar* pBar, int nExcept = -1);
    int FindBar(CXTPToolBar* pBar, int nExcept = -1) const { return m_rows.Find(pBar, nExcept); }
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The visible normal bars of the row holding nIndex, by screen order.
    void GetRowBars(int nIndex, std::vector<CXTPToolBar*>& bars) const;
    // The number of rows and the bars of one row, in array order.
    int GetRowCount() const { return m_rows.GetRowCount(); }
    void GetRow(int nRow, std::vector<CXTPToolBar*>& bars) const { m_rows.GetRow(nRow, bars); }

    // The bar slots: bars and NULL row breaks; a NULL comes first and a NULL
    // ends each row.
    const std::vector<CXTPToolBar*>& GetSlots() const { return m_rows.GetSlots(); }
    // The given slots come first, then the bars of this dock bar they do not
    // name; row breaks are tidied (one between rows). A bar named here is
    // taken from any other dock bar and docked here.
    void SetSlots(const std::vector<CXTPToolBar*>& arrSlots);

    XTPBarPosition GetPosition() const;
    BOOL IsVertical() const;
    // Along and across this dock bar.
    CXTPOrientation GetOrientation() const { return CXTPOrientation(IsVertical()); }
    DWORD GetDockStyle() const { return m_dwStyle; }
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }

    // The size of the whole dock bar for an edge of nLength; with
    // xtpLayoutCommit the bars are placed through the layout's positioning.
    CSize CalcFixedLayout(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* pLayout);
    // The layout mode of one bar in this dock bar.
    DWORD GetDockMode(CXTPToolBar* pBar) const;

protected:
    // Puts the bar into the row under the rectangle's centre (client
    // coordinates); returns its new index.
    int InsertBar(CXTPToolBar* pBar, const CRect& rc);
    // Gives each stretched bar a row of its own.
    void NormaliseRows();
    // Lays out one row (adding overflow rows as needed); returns the thickness.
    int AdjustRows(std::vector<CXTPToolBar*>& bars, int nOffset, int nLength, HDWP& hDWP);
    // One row: the thickness, or 0 with nRemove set when a bar must leave.
    int AdjustRow(std::vector<CXTPToolBar*>& bars, int nOffset, int nLength, HDWP& hDWP, int& nRemove);
    void DelayFrameLayout();

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    DWORD m_dwStyle;
    CXTPDockRows<CXTPToolBar> m_rows;
    CXTPCommandBars* m_pCommandBars;
};
