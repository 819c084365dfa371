#pragma once
// CMDIFrameWnd and CMDIChildWnd: a frame whose client area is the system's MDI client window
// (m_hWndMDIClient, the frame's pane AFX_IDW_PANE_FIRST, laid out by RecalcLayout like any
// pane: a window that subclasses it takes part through CalcWindowRect), and the frames of the
// documents inside it. Commands go to the active child first. A child shows its shared menu
// (m_hMenuShared, from its multi-document template) in the frame while it is active.
#include "framework/window/CFrameWnd.h"

// The id of the first child in the frame's window menu.
#define AFX_IDM_FIRST_MDICHILD 0xFF00

class CMDIChildWnd;
class CMenu;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    // Creates the MDI client; pWindowMenu is the popup that lists the children.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The popup of a menu bar that lists the children: the last popup holding a window command
    // (ID_WINDOW_NEW .. ID_WINDOW_SPLIT), else the last but one popup, else NULL.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = NULL) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDICascade();
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    // Puts a menu (and its window popup) in the frame; NULL keeps the current one.
    void MDISetMenu(HMENU hFrameMenu, HMENU hWindowMenu);
    // The frame shows a menu or was made with one. A frame without any menu
    // stays so; one whose menu a command bar took over still asks its MDI
    // client for each child's menu (WM_MDISETMENU), which that bar takes in
    // place of the frame by watching the client.
    BOOL HasFrameMenu() const;

    CFrameWnd* GetActiveFrame() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;

    HWND m_hWndMDIClient;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    // Creates the child in pParentWnd's MDI client (the main window when NULL).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = NULL,
                        CCreateContext* pContext = NULL);
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override;
    // Children are destroyed through the MDI client.
    BOOL DestroyWindow() override;
    void ActivateFrame(int nCmdShow = -1) override;
    CWnd* GetMessageBar() override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    // Shows this child's menu in the frame when it becomes active, the frame's own menu when the
    // last child goes.
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);

    HMENU m_hMenuShared;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnMDIActivate(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
