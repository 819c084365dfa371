#pragma once
// CXTSplitterWnd: the framework's splitter with themed bars, a flat look,
// live resizing while a bar is dragged (full drag), a choice of tracker, and
// operations that hide and show a row or column and swap the views of a pane.
//
//   CXTSplitterWnd splitter;
//   splitter.CreateStatic(pFrame, 1, 2);
//   splitter.CreateView(0, 0, RUNTIME_CLASS(CTreeView), CSize(175, 0), pContext);
//   ...
//   splitter.HideColumn(0);        // the other column takes the room
//   splitter.ShowColumn();         // back with its id and size
//
// At most one column and one row are hidden at a time; hiding another shows
// the hidden one first, and the last visible column or row is never hidden.
// A hidden pane keeps its window (hidden) under the id of the column (row)
// just past the visible ones.
//
// The bar colours come from the splitter theme (XTSplitterTheme.h); GetTheme
// and SetTheme reach the theme that every splitter without a private one
// shares. CXTSplitterWndEx is a variant with thin bars and a band along the top.
#include "framework/Framework.h"
#include "toolkit/controls/XTSplitterTheme.h"

// Bits of the splitter style.
enum XTSplitterStyle
{
    // The non-live tracker is a focus rectangle around the first pane's new
    // extent instead of an inverted bar.
    SplitterTrackOutline = 1,
    // Full drag is off whatever the system says.
    SplitterNoFullDrag = 2,
    // In the flat look the outer border is drawn in the face colour only.
    SplitterPlainBorder = 4,
    // Every non-client hit test answers HTBORDER: the bars cannot be dragged.
    SplitterFixed = 8
};

class CXTSplitterWnd : public CSplitterWnd, public CXTThemeManagerStyleHost
{
    DECLARE_DYNCREATE(CXTSplitterWnd)
public:
    CXTSplitterWnd();
    ~CXTSplitterWnd() override;

    // ---- Overridables added here (base behaviour stated) ----

    // Shows the hidden column again at its old index, with its old size;
    // nothing when no column is hidden.
    virtual void ShowColumn();
    // Hides a column; the active pane moves to the next column of its row
    // (a nested splitter there passes it on to a shown pane of its own), so
    // that neither the frame's active view nor the focus stays hidden.
    virtual void HideColumn(int nColHide);
    // The same for rows: the active pane moves to the next row of its column.
    virtual void ShowRow();
    virtual void HideRow(int nRowHide);
    // Swaps the child ids of the pane at (row, col) and pView; FALSE when
    // they are the same window.
    virtual BOOL ExchangeView(int nRow, int nCol, CWnd* pView);
    // Puts a new view of the class in the pane and returns the old view,
    // hidden and with id 0, which is the caller's to destroy; NULL (old view
    // in place, nothing left behind) when it cannot be made.
    virtual CView* ReplaceView(int nRow, int nCol, CRuntimeClass* pViewClass);
    // Puts an existing child window in the pane; returns the old pane
    // (hidden, id 0) or NULL when pView is there already.
    virtual CWnd* SwitchView(int nRow, int nCol, CWnd* pView);
    // XTSplitterStyle flags; full drag is read again (SplitterNoFullDrag
    // turns it off, else the system setting holds).
    virtual void SetSplitterStyle(DWORD dwStyle);
    virtual DWORD GetSplitterStyle() const { return m_dwSplitterStyle; }
    // Bars and gaps of 6 pixels when flat, 7 when not.
    virtual void EnableFlatLook(BOOL bFlatLook);
    // Draws the tracker of a drag without full drag.
    virtual void DrawTracker(const CRect& rect, CBrush* pBrush);

    // Sets the full-drag value; it no longer follows the system setting.
    void SetFullDrag(BOOL bFullDrag);
    BOOL IsFullDrag() const { return m_bFullDrag; }
    BOOL IsFlatLook() const { return m_bFlatLook; }
    int GetHiddenColumn() const { return m_nHiddenCol; }
    int GetHiddenRow() const { return m_nHiddenRow; }
    // The bar and gap sizes in use.
    CSize GetSplitterBarSize() const { return CSize(m_cxSplitter, m_cySplitter); }
    CSize GetSplitterGapSize() const { return CSize(m_cxSplitterGap, m_cySplitterGap); }

    // The shared splitter theme (made on first use) and its replacement.
    static CXTSplitterTheme* GetTheme();
    static void SetTheme(int nTheme);
    static void SetTheme(CXTThemeManagerStyle* pTheme);

protected:
    void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) override;
    void OnInvertTracker(const CRect& rect) override;
    void SetSplitCursor(int ht) override;
    void StartTracking(int ht) override;
    void StopTracking(BOOL bAccept) override;
    void OnThemeChanged() override;

    // The face and shadow colours of the splitter's theme.
    void GetThemeColors(COLORREF& clrFace, COLORREF& clrShadow);

    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

    int m_nHiddenCol;
    int m_nHiddenRow;
    BOOL m_bFullDrag;
    BOOL m_bFullDragFixed;
    BOOL m_bFlatLook;
    DWORD m_dwSplitterStyle;
    CPoint m_ptLastDrag;
    BOOL m_bClipStylesRemoved;

private:
    // Rows and columns are hidden and shown by the same code: a track is
    // a column (bColumn) or a row.
    struct TrackAxis;
    TrackAxis Axis(BOOL bColumn);
    void HideTrack(BOOL bColumn, int nHide);
    void ShowTrack(BOOL bColumn);
    void ReadFullDragSetting();
};

class CXTSplitterWndEx : public CXTSplitterWnd
{
    DECLARE_DYNCREATE(CXTSplitterWndEx)
public:
    CXTSplitterWndEx();

    // Shows the band's lines or not, and reserves nHeight pixels for it.
    void SetTopBand(BOOL bShow, int nHeight = 6);

protected:
    // The framework's inside rectangle less the band at the top.
    void GetInsideRect(CRect& rect) const override;
    void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

    int m_nTopBandHeight;
    BYTE m_bShowTopBand;
};
