#pragma once
// CFrameWnd: a top-level (or MDI child) window around views and control
// bars. It lays its children out through WM_SIZEPARENT, routes commands
// (active view, its document, the frame, the application), updates menus
// through CCmdUI, translates its accelerators and shows menu prompts in the
// status bar.
#include "framework/window/CWnd.h"
#include "framework/window/CCreateContext.h"
#include "framework/window/StandardIds.h"

class CView;
class CDocument;

// Flags of NotifyFloatingWindows and WM_FLOATSTATUS.
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

// The style of views created by CFrameWnd::CreateView.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// What a frame keeps while print preview replaces its panes.
struct CPrintPreviewState
{
    UINT nIDMainPane;
    HMENU hMenu;
    DWORD dwStates;
    HWND hWndFocus;
    HACCEL hAccelTable;
};

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    CFrameWnd();
    virtual ~CFrameWnd();

    // ---- Overridables, and what the base does ----
    // Creates the frame from one resource id: its menu, accelerators and
    // icon, and the title from the first line of its string.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    // Creates the client area: the base makes the view of pContext the pane
    // AFX_IDW_PANE_FIRST.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // Layout: bars take their share through WM_SIZEPARENT, the pane the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The active view (the base keeps the one SetActiveView gave), its
    // document, and the active frame (the base: this frame).
    virtual CView* GetActiveView() const;
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame();
    // Shows the frame: the base shows a hidden frame normally and restores
    // an iconic one, then brings it to the top.
    virtual void ActivateFrame(int nCmdShow = -1);
    // Title: m_strTitle, with FWS_ADDTOTITLE and the document's name.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // Puts hMenuAlt (or the default menu) in the frame, unless a menu bar of
    // the program's own has taken the native menu away.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    // Entering or leaving print preview; the base lays the frame out again.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    // Sends WM_FLOATSTATUS to the popups this frame owns.
    virtual void NotifyFloatingWindows(DWORD dwFlags);
    // Status text: the base takes the part of the command's string before "\n".
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    // Where status text goes; the base: the descendant AFX_IDW_STATUS_BAR.
    virtual CWnd* GetMessageBar();
    // The shortcuts PreTranslateMessage runs; the base: m_hAccelTable.
    virtual HACCEL GetDefaultAccelerator();

    // Runs the frame's shortcuts while the frame is enabled.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Routes a command to the active view, then this frame, then the
    // application; the pane commands (ID_NEXT_PANE, ID_PREV_PANE) go to the
    // client pane (a splitter moves the focus among its panes) before the
    // frame.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // The frame's window class, and FWS_PREFIXTITLE with FWS_ADDTOTITLE.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // ---- Operations ----
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Asks for RecalcLayout at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    // Keeps the keys and the commands off a view the user cannot see: when
    // the active view is not shown (dragged shut or to a sliver, or hidden:
    // IsShownInTopLevel in ShownPanes.h), the first shown view of the frame's
    // panes, in reading order, becomes the active view (with notification).
    // Answers the active view when it is shown; NULL when there is none or no
    // view of the panes shows (the active view then stays as it is).
    CView* EnsureActiveViewShown();
    // Sends WM_INITIALUPDATE to the frame's windows and, when bMakeVisible,
    // shows the frame. Without an active view, the view of the first pane
    // becomes it and gets the focus: the view with the first pane's id, also
    // inside a splitter there (which takes that id itself). A view that is
    // not shown gives way as in EnsureActiveViewShown.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);

    enum IdleFlags
    {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };

    CString m_strTitle;
    HACCEL m_hAccelTable;
    HMENU m_hMenuDefault;
    UINT m_nIDHelp;
    UINT m_nIdleFlags;
    UINT m_nIDTracking; // the command whose prompt shows
    UINT m_nIDLastMessage;
    BOOL m_bAutoMenuEnable; // menu items nobody handles are greyed
    BOOL m_bHelpMode;
    BOOL m_bInRecalcLayout;
    CRect m_rectBorder; // space kept free around the pane

protected:
    // A frame deletes itself once its window is gone.
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // Tool tip texts of commands: the part of their string after "\n".
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    // WM_SETMESSAGESTRING and WM_POPMESSAGESTRING: wParam a string id, or lParam the text.
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);

    CView* m_pViewActive;

private:
    // The view of the first pane (see InitialUpdateFrame), or NULL.
    CView* FirstPaneView() const;

    DECLARE_MESSAGE_MAP()
};
