#pragma once
// CStatusBar: the status bar common control as a control bar. It keeps one record per pane (id,
// style, text width, text); SetIndicators builds them from command ids, whose string resources
// give the first texts. A SBPS_STRETCH pane takes the width the other panes leave. The window
// text of the bar is the text of the pane with id 0 (the frame's message pane), and at idle time
// each pane is updated through the ON_UPDATE_COMMAND_UI handler of its id.
#include "framework/controls/CControlBar.h"
#include <vector>

// Pane styles.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

// One pane.
struct StatusBarPane
{
    UINT nID;    // command id, 0 for a separator
    UINT nStyle; // SBPS_ styles
    UINT nFlags; // state of the bar's own use (nothing yet)
    int cxText;  // width of the text area in pixels
    CString strText;
};

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    virtual ~CStatusBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // dwCtrlStyle: SBARS_ styles of the control. A size grip is added when the parent can be
    // resized.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);

    // One pane per id; a pane's first text is the string resource of its id (empty when there
    // is none) and its width that text's width. A separator (id 0) as the first pane stretches
    // and has no border.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return (int)m_panes.size(); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;

    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const;
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    // Hands the pane widths (bUpdateRects) and texts (bUpdateText) to the control.
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // The right edges of the panes for a bar cxClient pixels wide (cxGrip of which the size grip
    // takes): each pane is its text width plus three edge widths (cxEdge) wide, and the first
    // stretching pane also gets whatever width is left.
    static void CalcPaneEdges(const std::vector<StatusBarPane>& panes, int cxClient, int cxGrip, int cxEdge,
                              std::vector<int>& edges);

protected:
    StatusBarPane* GetPanePtr(int nIndex);
    const StatusBarPane* GetPanePtr(int nIndex) const;
    // Sends one pane's text and border style to the control.
    void UpdatePaneText(int nIndex);
    // The text width of lpszText in the bar's font.
    int MeasureText(LPCTSTR lpszText) const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);

    std::vector<StatusBarPane> m_panes;
    int m_nMinHeight;

    DECLARE_MESSAGE_MAP()
};

// The update state of one status-bar pane during OnUpdateCmdUI.
class CStatusCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCTSTR lpszText) override;
};
