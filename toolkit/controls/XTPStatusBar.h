#pragma once
// CXTPStatusBar: the framework's status bar with panes inserted and removed at
// run time and child windows (a progress bar, a static text) kept exactly
// over their panes when the bar is resized. While it is themed it paints
// itself through the command bars' paint manager, so it follows the chosen
// theme; otherwise the common control paints it.
//
//   m_wndStatusBar.AddIndicator(ID_PROGRESS_PANE, 1);
//   m_wndStatusBar.SetPaneWidth(1, 100);
//   m_wndStatusBar.AddControl(&m_wndProgress, ID_PROGRESS_PANE, FALSE);
//
// A hosted window belongs to its creator unless it was added with bAutoDelete:
// then the bar deletes the object when the pane goes or the bar is destroyed.
// The bar reaches a hosted window only through the handle it had when it was
// added, so a window its owner destroyed (or deleted) is simply skipped.
#include "framework/Framework.h"

class CXTPCommandBars;
class CXTPPaintManager;

// One hosted window.
struct StatusPaneControl
{
    CWnd* pWnd;       // the hosted window object
    HWND hWnd;        // its window when it was added
    UINT nID;         // the pane's command id
    BOOL bAutoDelete; // the bar deletes pWnd
};

// A copy of one pane's record, used while panes are rebuilt.
struct StatusPaneInfo
{
    UINT nID;
    int cxText;
    UINT nStyle;
    UINT nFlags;
    CString strText;
};

class CXTPStatusBar : public CStatusBar
{
public:
    CXTPStatusBar();
    ~CXTPStatusBar() override;

    // The status font, then the framework's panes; the bar is then at least
    // 20 pixels high.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    // Id, style, width and text of a pane; FALSE outside 0..count-1.
    BOOL GetPaneInfoEx(int nIndex, StatusPaneInfo* pInfo);
    BOOL SetPaneInfoEx(int nIndex, StatusPaneInfo* pInfo);
    void SetPaneWidth(int nIndex, int cxText);

    // Inserts a pane (0 wide, style 0, no text) before nIndex (the count
    // appends); FALSE for a bad index or an id already present. Every other
    // pane keeps its id, width, style and text.
    BOOL AddIndicator(UINT nID, int nIndex);
    // Removes the pane and its hosted windows; FALSE when no pane has the id.
    BOOL RemoveIndicator(UINT nID);

    // Hosts a window over the pane with that id; FALSE when there is none.
    BOOL AddControl(CWnd* pWnd, UINT nID, BOOL bAutoDelete = TRUE);
    // The first record of that pane id, NULL when none.
    StatusPaneControl* FindControl(UINT nID);
    // Moves every hosted window over its pane: the pane's rectangle, inset by
    // the edge width unless the pane has no borders; the last pane's right
    // edge as the bar draws it (at the size grip when it stretches).
    void PositionControls();

    void SetThemed(BOOL bThemed) { m_bThemed = bThemed; }
    BOOL IsThemed() const { return m_bThemed; }
    // Whose paint manager draws the bar; NULL: the current global one.
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    // NULL when the bar is not themed or there is no paint manager.
    CXTPPaintManager* GetPaintManager() const;

    // Where a hosted window of a pane goes. rcPane: the pane's rectangle;
    // bLast: the pane is the last one; rcClient: the bar's client rectangle.
    static CRect ControlRect(CRect rcPane, UINT nStyle, int cxText, BOOL bLast, const CRect& rcClient,
                             BOOL bSizeGrip);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    // Destroys the hosted window when it still exists and deletes the object
    // when the bar owns it.
    static void ReleaseControl(StatusPaneControl* pControl);
    // Rebuilds the panes from the records.
    void SetPanes(const CArray<StatusPaneInfo*, StatusPaneInfo*>& panes);

    CArray<StatusPaneControl*, StatusPaneControl*> m_arControls;
    CXTPCommandBars* m_pCommandBars;
    CFont m_fontStatus;
    BOOL m_bThemed;
};
