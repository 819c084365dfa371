#pragma once
// CSplitterWnd: a window that lays out a grid of pane windows (rows x columns, at most 16 each)
// and lets the user move the bars between them with the mouse.
//
// Geometry. The panes lie in the inside rectangle (GetInsideRect) less the border (m_cxBorder,
// m_cyBorder) on every side. Columns follow each other left to right with m_cxSplitterGap pixels
// between them, rows top to bottom with m_cySplitterGap; the row and column records hold the
// minimum, ideal and current sizes (see SplitterGeometry). Around each pane the border is drawn
// (OnDrawSplitter with splitBorder); a pane that brings its own edge (WS_EX_CLIENTEDGE) or is a
// splitter itself covers that border. m_cxBorderShare widens every pane into its border.
//
// Dragging. A press on a bar starts tracking (StartTracking); the tracker, a bar-sized rectangle
// that sits one pixel inside the gap (GetHitRect), follows the mouse inside m_rectLimit and is
// drawn by OnInvertTracker; the release ends it (StopTracking), which moves the tracker back by
// that pixel and hands its position to TrackRowSize / TrackColumnSize.
//
// Every step is a virtual function called from the splitter's own paint, mouse and layout code,
// so that derived splitters can draw, track and lay out in their own way.
#include "framework/window/CWnd.h"
#include "framework/window/StandardIds.h"
#include "framework/controls/SplitterGeometry.h"

#include <vector>

class CDC;
class CView;
struct CCreateContext;

// The child id of the pane at (row, col).
#define AFX_IDW_PANE_ROWCOL(row, col) (AFX_IDW_PANE_FIRST + (row)*16 + (col))

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    virtual ~CSplitterWnd();

    // A splitter with a fixed grid; the panes are created afterwards with CreateView (or as
    // child windows with the ids IdFromRowCol gives).
    virtual BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                              UINT nID = AFX_IDW_PANE_FIRST);
    // Creates the pane at (row, col) as an object of pViewClass; sizeInit gives the column's ideal
    // width and the row's ideal height.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);

    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const;
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);

    // Places every pane from the row and column records; call after changing them. A pane it
    // leaves unseen (0 pixels wide or high, a sliver, or hidden: IsShownInTopLevel) keeps
    // neither the frame's active view nor the focus: they go to a shown view
    // (CFrameWnd::EnsureActiveViewShown). A pane that moves is painted afresh.
    virtual void RecalcLayout();

    // The pane that holds the frame's active view, else the one that holds the focus (the
    // window itself or the pane it lies in, a nested splitter say), or NULL.
    virtual CWnd* GetActivePane(int* pRow = NULL, int* pCol = NULL);
    // Activates pWnd, or the pane at (row, col) when pWnd is NULL: a view becomes its frame's
    // active view, another window gets the focus. A nested splitter passes the activation on
    // to its active pane when that is shown, else to its first shown pane; with no pane of it
    // shown nothing is activated.
    virtual void SetActivePane(int row, int col, CWnd* pWnd = NULL);

    // The pane commands (F6 and Shift+F6 in most programs): the next or previous shown pane in
    // reading order, the panes of a nested splitter in its place, wrapping at either end,
    // becomes active and gets the focus. Without a pane holding the focus the first (last) one.
    // Shown means in sight (IsShownInTopLevel): a pane dragged to a sliver is skipped.
    virtual BOOL CanActivateNext(BOOL bPrev = FALSE);
    virtual void ActivateNext(BOOL bPrev = FALSE);

    // Splitting and joining belong to splitters whose grid changes at run time; the static ones
    // built here refuse both (FALSE).
    virtual BOOL SplitRow(int cyBefore);
    virtual BOOL SplitColumn(int cxBefore);

    // The parts OnDrawSplitter draws.
    enum ESplitType
    {
        splitBox,
        splitBar,
        splitIntersection,
        splitBorder
    };

    // Hit codes: split boxes, the bars between rows (vSplitterBar1 + row) and columns
    // (hSplitterBar1 + column), and their crossings (splitterIntersection1 + row * 15 + column).
    enum HitTestValue
    {
        noHit = 0,
        vSplitterBox = 1,
        hSplitterBox = 2,
        bothSplitterBox = 3,
        vSplitterBar1 = 101,
        vSplitterBar15 = 115,
        hSplitterBar1 = 201,
        hSplitterBar15 = 215,
        splitterIntersection1 = 301,
        splitterIntersection225 = 525
    };

    typedef SplitterTrackInfo CRowColInfo;

protected:
    // Draws one part in rect; with a NULL DC only invalidates that part.
    virtual void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect);
    // Shows or hides (the same call twice) the tracker at rect.
    virtual void OnInvertTracker(const CRect& rect);
    // The client area the grid and the border use.
    virtual void GetInsideRect(CRect& rect) const;
    // The rectangle of a hit code's bar or crossing; also narrows m_rectLimit to where that
    // tracker may go and sets m_ptTrackOffset, the tracker's top-left less the mouse point (a
    // mouse held at the middle of the bar leaves the bar where it is).
    virtual void GetHitRect(int ht, CRect& rect);
    virtual int HitTest(CPoint pt) const;
    virtual void SetSplitCursor(int ht);
    virtual void StartTracking(int ht);
    virtual void StopTracking(BOOL bAccept);
    // The new ideal size of a row whose bar was dropped at y (client coordinates); below the
    // row's minimum the row is collapsed to 0.
    virtual void TrackRowSize(int y, int row);
    virtual void TrackColumnSize(int x, int col);
    // Draws (or with a NULL DC invalidates) every bar and crossing.
    virtual void DrawAllSplitBars(CDC* pDC, int cxInside, int cyInside);

    // Layout helpers shared by RecalcLayout, hit testing and painting.
    CRect GetPaneArea() const;
    CRect GetCellRect(int row, int col) const;
    CRect GetRowBarRect(int row) const;
    CRect GetColumnBarRect(int col) const;
    // A pane that draws its own edge (client edge or a nested splitter).
    BOOL HasOwnEdge(CWnd* pWnd) const;
    // The shown panes in reading order, a nested splitter's own panes in its place
    // (ShownPanesIn, framework/window/ShownPanes.h).
    void CollectShownPanes(std::vector<CWnd*>& panes) const;
    void MoveTracker(CRect& rect, CPoint pt, BOOL bVertical);
    // Moves the trackers of the drag to the mouse point (client coordinates) plus the track
    // offset, inside the limit; answers that point.
    CPoint MoveTrackersTo(CPoint pt);
    // Ends a drag once its trackers are off the screen: releases the mouse and, when accepted,
    // hands the trackers' positions to TrackRowSize / TrackColumnSize and lays the panes out
    // again; a focus the drag took goes back to the frame's active view. StopTracking calls
    // it; a splitter that draws no trackers may call it directly.
    void FinishTracking(BOOL bAccept);

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint pt);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint pt);
    afx_msg void OnCancelMode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    // The splitter takes no keys but a drag's own: the focus given to it goes on to its active
    // pane when shown, else its first shown pane, else (none shown) through the frame to the
    // frame's active view.
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnNextPaneCmd(UINT nID);
    afx_msg void OnUpdateNextPaneCmd(CCmdUI* pCmdUI);
    // Commands and notifications of the panes go on to the splitter's parent.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int m_nMaxRows, m_nMaxCols;
    int m_nRows, m_nCols;
    BOOL m_bHasHScroll, m_bHasVScroll;
    CRowColInfo* m_pColInfo;
    CRowColInfo* m_pRowInfo;

    int m_cxSplitter, m_cySplitter;       // width and height of a drawn bar and of its tracker
    int m_cxBorderShare, m_cyBorderShare; // pixels by which a pane covers its border
    int m_cxSplitterGap, m_cySplitterGap; // distance between neighbouring panes
    int m_cxBorder, m_cyBorder;           // border around the grid and around each pane

    BOOL m_bTracking, m_bTracking2;
    CPoint m_ptTrackOffset;
    CRect m_rectLimit;
    CRect m_rectTracker, m_rectTracker2;
    int m_htTrack;

    DECLARE_MESSAGE_MAP()

private:
    // The child pane that is hWnd or holds it, or NULL; its row and column as IsChildPane.
    CWnd* ChildPaneHolding(HWND hWnd, int* pRow, int* pCol);
    // RecalcLayout's last step: the active view and the focus off the unseen panes.
    void KeepActivationShown();
    // The pane that stands for this splitter: its active pane when shown, else its first shown
    // pane (ShownPanesIn), else NULL.
    CWnd* ShownActivePane();
    // Activates the pane through the splitter that holds it (SetActivePane) and makes sure the
    // focus lies in it.
    static void ActivateWithFocus(CWnd* pPane);
};
