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
#define FS_SHOW        0x01
#define FS_HIDE        0x02
#define FS_ACTIVATE    0x04
#define FS_DEACTIVATE  0x08
#define FS_ENABLE      0x10
#define FS_DISABLE     0x20
#define FS_SYNCACTIVE  0x40

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

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    // Creates the frame from one resource id: its menu, accelerators and
    // icon, and the title from the first line of its string.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Creates the client area: by default the view of pContext as the pane
    // AFX_IDW_PANE_FIRST.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Layout: bars take their share through WM_SIZEPARENT, the pane the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Asks for RecalcLayout at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);

    virtual CView* GetActiveView() const;
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame();
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // Title: m_strTitle, with FWS_ADDTOTITLE and the document's name.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    // Sends WM_FLOATSTATUS to the popups this frame owns.
    virtual void NotifyFloatingWindows(DWORD dwFlags);

    // Status text: the prompt of a command is the part of its string before "\n".
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    virtual CWnd* GetMessageBar();

    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    virtual HACCEL GetDefaultAccelerator();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };

    CString m_strTitle;
    HACCEL m_hAccelTable;
    HMENU m_hMenuDefault;
    UINT m_nIDHelp;
    UINT m_nIdleFlags;
    UINT m_nIDTracking;      // the command whose prompt shows
    UINT m_nIDLastMessage;
    BOOL m_bAutoMenuEnable;  // menu items nobody handles are greyed
    BOOL m_bHelpMode;
    BOOL m_bInRecalcLayout;
    CRect m_rectBorder;      // space kept free around the pane

protected:
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

    DECLARE_MESSAGE_MAP()
};
