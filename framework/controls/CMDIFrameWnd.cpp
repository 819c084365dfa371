#include "framework/controls/CMDIFrameWnd.h"
#include "framework/window/CDocTemplate.h"
#include "framework/gdi/CMenu.h"
#include "framework/window/CView.h"
#include "framework/window/CWinApp.h"
#include "framework/core/ModuleState.h"
#include "framework/window/WindowClasses.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(NULL)
{}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu != NULL ? pWindowMenu->GetSafeHmenu() : NULL;
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    m_hWndMDIClient = ::CreateWindowEx(WS_EX_CLIENTEDGE, "MDICLIENT", NULL,
                                       WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL
                                           | WS_HSCROLL | MDIS_ALLCHILDSTYLES,
                                       0, 0, 0, 0, m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST,
                                       AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != NULL;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    HMENU hWindowMenu = GetWindowMenuPopup(::GetMenu(m_hWnd));
    return CreateClient(lpcs, hWindowMenu != NULL ? CMenu::FromHandle(hWindowMenu) : NULL);
}

static BOOL HoldsWindowCommand(HMENU hPopup)
{
    for (int i = 0; i < ::GetMenuItemCount(hPopup); i++)
    {
        UINT nID = ::GetMenuItemID(hPopup, i);
        if (nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_SPLIT)
            return TRUE;
    }
    return FALSE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == NULL)
        return NULL;
    int nCount = ::GetMenuItemCount(hMenuBar);
    for (int i = nCount - 1; i >= 0; i--)
    {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup != NULL && HoldsWindowCommand(hPopup))
            return hPopup;
    }
    return nCount >= 2 ? ::GetSubMenu(hMenuBar, nCount - 2) : NULL;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProc(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hChild = m_hWndMDIClient != NULL
                      ? (HWND)::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized)
                      : NULL;
    if (pbMaximized != NULL)
        *pbMaximized = hChild != NULL && bMaximized;
    return DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(hChild));
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDICascade()
{
    ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessage(m_hWndMDIClient, WM_MDITILE, nType, 0);
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessage(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

void CMDIFrameWnd::MDISetMenu(HMENU hFrameMenu, HMENU hWindowMenu)
{
    ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hFrameMenu, (LPARAM)hWindowMenu);
    ::DrawMenuBar(m_hWnd);
}

BOOL CMDIFrameWnd::HasFrameMenu() const
{
    return ::GetMenu(m_hWnd) != NULL || m_hMenuDefault != NULL;
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActive = MDIGetActive();
    return pActive != NULL ? (CFrameWnd*)pActive : this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CMDIChildWnd* pActive = MDIGetActive();
    if (pActive != NULL && pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    // Ctrl+F4, Ctrl+F6 and the child's system menu keys.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWndMDIClient != NULL
        && MDIGetActive() != NULL && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pActive = MDIGetActive();
    if (pActive != NULL)
        pActive->OnUpdateFrameMenu(TRUE, pActive, hMenuAlt);
    else if (HasFrameMenu())
        MDISetMenu(hMenuAlt != NULL ? hMenuAlt : m_hMenuDefault, GetWindowMenuPopup(m_hMenuDefault));
}

// ---- CMDIChildWnd ------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivate)
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(NULL)
{}

static CMDIFrameWnd* MainMDIFrame()
{
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == NULL)
        pParentWnd = MainMDIFrame();
    if (pParentWnd == NULL || pParentWnd->m_hWndMDIClient == NULL)
        return FALSE;
    m_strTitle = lpszWindowName;
    BOOL bDefault = ::EqualRect(&rect, &rectDefault);
    CREATESTRUCT cs = {};
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle | WS_CHILD;
    cs.x = bDefault ? CW_USEDEFAULT : rect.left;
    cs.y = bDefault ? CW_USEDEFAULT : rect.top;
    cs.cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    // The client makes the child (so that a window subclassing the client sees WM_MDICREATE);
    // the hook binds it to this object before its first message.
    MDICREATESTRUCT mdiCreate;
    mdiCreate.szClass = cs.lpszClass;
    mdiCreate.szTitle = cs.lpszName;
    mdiCreate.hOwner = cs.hInstance;
    mdiCreate.x = cs.x;
    mdiCreate.y = cs.y;
    mdiCreate.cx = cs.cx;
    mdiCreate.cy = cs.cy;
    mdiCreate.style = cs.style;
    mdiCreate.lParam = (LPARAM)pContext;
    HWND hWnd;
    {
        CWndCreationHook hook(this);
        hWnd = (HWND)::SendMessage(cs.hwndParent, WM_MDICREATE, 0, (LPARAM)&mdiCreate);
    }
    return hWnd != NULL;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFull, 0);
    CMultiDocTemplate* pTemplate =
        pContext != NULL ? DYNAMIC_DOWNCAST(CMultiDocTemplate, pContext->m_pNewDocTemplate) : NULL;
    if (pTemplate != NULL)
    {
        m_hMenuShared = pTemplate->m_hMenuShared;
        m_hAccelTable = pTemplate->m_hAccelTable;
    }
    CString strTitle = m_strTitle;
    CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pParentWnd);
    if (!Create(AfxFrameWndClass(nIDResource), strTitle, dwDefaultStyle, rectDefault, pFrame, pContext))
        return FALSE;
    if (pContext == NULL)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CHILD;
    return CFrameWnd::PreCreateWindow(cs);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // A child's creation data comes wrapped in the MDI creation record.
    CREATESTRUCT cs = *lpCreateStruct;
    MDICREATESTRUCT* pMDICreate = (MDICREATESTRUCT*)lpCreateStruct->lpCreateParams;
    cs.lpCreateParams = pMDICreate != NULL ? (LPVOID)pMDICreate->lParam : NULL;
    return CFrameWnd::OnCreate(&cs);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProc(m_hWnd, message, wParam, lParam);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hClient = ::GetParent(m_hWnd);
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, CWnd::FromHandlePermanent(::GetParent(hClient)));
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    MDIDestroy();
    return TRUE;
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIMaximize()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessage(::GetParent(m_hWnd), WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CFrameWnd::ActivateFrame(nCmdShow);
    MDIActivate();
}

CWnd* CMDIChildWnd::GetMessageBar()
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return pFrame != NULL ? pFrame->GetMessageBar() : NULL;
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == NULL || !pFrame->HasFrameMenu())
        return;
    HMENU hMenu = NULL;
    if (bActivate)
        hMenu =
            hMenuAlt != NULL ? hMenuAlt : (m_hMenuShared != NULL ? m_hMenuShared : pFrame->m_hMenuDefault);
    else if (pActivateWnd == NULL)
        hMenu = pFrame->m_hMenuDefault;
    if (hMenu != NULL)
        pFrame->MDISetMenu(hMenu, pFrame->GetWindowMenuPopup(hMenu));
}

LRESULT CMDIChildWnd::OnMDIActivate(WPARAM, LPARAM lParam)
{
    HWND hActivated = (HWND)lParam;
    BOOL bActivate = hActivated == m_hWnd;
    OnUpdateFrameMenu(bActivate, CWnd::FromHandle(hActivated), NULL);
    CView* pView = GetActiveView();
    if (pView != NULL)
        pView->OnActivateView(bActivate, pView, pView);
    return Default();
}
