#include "framework/window/CFrameWnd.h"
#include "framework/window/CView.h"
#include "framework/window/ShownPanes.h"
#include "framework/window/CDocument.h"
#include "framework/window/CWinApp.h"
#include "framework/window/WindowClasses.h"
#include "framework/Gdi.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ACTIVATE()
ON_WM_ENABLE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_POPMESSAGESTRING, OnSetMessageString)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

// CW_USEDEFAULT for position and size.
const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd()
    : m_hAccelTable(NULL), m_hMenuDefault(NULL), m_nIDHelp(0), m_nIdleFlags(0), m_nIDTracking(0),
      m_nIDLastMessage(0), m_bAutoMenuEnable(TRUE), m_bHelpMode(FALSE), m_bInRecalcLayout(FALSE),
      m_rectBorder(0, 0, 0, 0), m_pViewActive(NULL)
{}

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable != NULL)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

// ---------------------------------------------------------------------------
// Creation.

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxFrameWndClass(0);
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL)
    {
        hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (hMenu == NULL)
            return FALSE;
    }
    m_strTitle = lpszWindowName;
    // The sizes wrap on purpose: rectDefault gives CW_USEDEFAULT.
    int nWidth = (int)((unsigned)rect.right - (unsigned)rect.left);
    int nHeight = (int)((unsigned)rect.bottom - (unsigned)rect.top);
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, nWidth, nHeight,
                  pParentWnd->GetSafeHwnd(), hMenu, (LPVOID)pContext))
    {
        // The window (if it came to exist) destroyed its menu with it.
        if (hMenu != NULL && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFull, 0);
    CString strTitle = m_strTitle;
    LPCTSTR lpszClass = AfxFrameWndClass(nIDResource);
    LPCTSTR lpszMenu = MAKEINTRESOURCE(nIDResource);
    if (::FindResourceA(AfxFindResourceHandle(lpszMenu, RT_MENU), lpszMenu, RT_MENU) == NULL)
        lpszMenu = NULL;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext))
        return FALSE; // the frame deleted itself if its window came to exist
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCE(nIDResource));
    if (pContext == NULL)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable != NULL)
        return FALSE;
    m_hAccelTable =
        ::LoadAcceleratorsA(AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR), lpszResourceName);
    return m_hAccelTable != NULL;
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    // The idle prompt, once the bars exist; the first layout now.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != NULL && pContext->m_pNewViewClass != NULL)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != NULL;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = DYNAMIC_DOWNCAST(CWnd, pObject);
    if (pView == NULL)
    {
        delete pObject;
        return NULL;
    }
    if (!pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return NULL; // a view deletes itself when its window goes
    return pView;
}

// ---------------------------------------------------------------------------
// Layout.

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleMenu)
    {
        m_nIdleFlags &= ~idleMenu;
        OnUpdateFrameMenu(NULL);
    }
    if (m_nIdleFlags & idleTitle)
    {
        m_nIdleFlags &= ~idleTitle;
        OnUpdateFrameTitle(TRUE);
    }
    if (m_nIdleFlags & idleLayout)
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    return 0;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    HMENU hMenu = hMenuAlt != NULL ? hMenuAlt : m_hMenuDefault;
    // A menu bar of our own may have taken the native menu away: leave it so.
    if (hMenu != NULL && ::GetMenu(m_hWnd) != NULL && ::GetMenu(m_hWnd) != hMenu)
    {
        ::SetMenu(m_hWnd, hMenu);
        ::DrawMenuBar(m_hWnd);
    }
}

void CFrameWnd::OnSetPreviewMode(BOOL, CPrintPreviewState*)
{
    RecalcLayout();
}

// ---------------------------------------------------------------------------
// Views, documents and activation.

CView* CFrameWnd::GetActiveView() const
{
    return m_pViewActive;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = NULL;
    if (pViewOld != NULL && bNotify)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew != NULL && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != NULL ? pView->GetDocument() : NULL;
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = GetActiveView();
    if (pView == NULL)
    {
        pView = FirstPaneView();
        if (pView != NULL)
            SetActiveView(pView, FALSE);
    }
    if (bMakeVisible)
    {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        ActivateFrame();
        pView = EnsureActiveViewShown();
        if (pView != NULL)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != NULL)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

CView* CFrameWnd::FirstPaneView() const
{
    // A splitter in the first pane carries the pane's id, and so does its
    // own first pane: the view lies at the end of that chain. Without it the
    // frame would start with no active view, its commands and the focus
    // going to no view until the user clicked one.
    CWnd* pPane = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
    while (pPane != NULL && !pPane->IsKindOf(RUNTIME_CLASS(CView)))
    {
        const HWND hInner = ::GetDlgItem(pPane->m_hWnd, AFX_IDW_PANE_FIRST);
        pPane = hInner != NULL ? CWnd::FromHandlePermanent(hInner) : NULL;
    }
    return (CView*)pPane;
}

CView* CFrameWnd::EnsureActiveViewShown()
{
    if (m_pViewActive == NULL || IsShownInTopLevel(m_pViewActive->m_hWnd))
        return m_pViewActive;
    for (HWND hPane : ShownPanesIn(m_hWnd))
    {
        CView* pView = DYNAMIC_DOWNCAST(CView, CWnd::FromHandlePermanent(hPane));
        if (pView != NULL)
        {
            SetActiveView(pView);
            return pView;
        }
    }
    return NULL;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    BringWindowToTop();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    // After a dialog, on activation: the focus goes on to the active view,
    // never to one the user cannot see.
    CView* pView = EnsureActiveViewShown();
    if (pView != NULL)
        ::SetFocus(pView->m_hWnd);
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    NotifyFloatingWindows(nState != WA_INACTIVE ? FS_ACTIVATE : FS_DEACTIVATE);
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != NULL;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (::GetWindow(hWnd, GW_OWNER) == m_hWnd)
            ::SendMessageA(hWnd, WM_FLOATSTATUS, dwFlags, 0);
    }
}

void CFrameWnd::OnClose()
{
    CDocument* pDocument = GetActiveDocument();
    if (pDocument != NULL && !pDocument->CanCloseFrame(this))
        return;
    // The last frame of a document closes the document, which destroys it.
    if (pDocument != NULL && pDocument->m_bAutoDelete && pDocument->CountFramesShowing() <= 1)
    {
        pDocument->OnCloseDocument();
        return;
    }
    DestroyWindow();
}

// ---------------------------------------------------------------------------
// Commands, menus, accelerators and prompts.

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView != NULL && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (nID == ID_NEXT_PANE || nID == ID_PREV_PANE)
    {
        CWnd* pPane = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST));
        if (pPane != NULL && pPane != pView && pPane->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    // A disabled frame (a modal dialog is up) runs no shortcuts.
    if (!IsWindowEnabled())
        return FALSE;
    HACCEL hAccel = GetDefaultAccelerator();
    return hAccel != NULL && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (!bSysMenu)
        CCmdUI::UpdateMenu(pPopupMenu, this, m_bAutoMenuEnable);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && hSysMenu == NULL)
        m_nIDTracking = AFX_IDS_IDLEMESSAGE; // the menu closed
    else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_nIDTracking = 0;
    else
        m_nIDTracking = nItemID;
    SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString strFull;
    if (strFull.LoadString(nID))
        AfxExtractSubString(rMessage, strFull, 0);
    else if (nID == AFX_IDS_IDLEMESSAGE)
        rMessage = "Ready"; // the idle prompt of programs without one of their own
    else
        rMessage.Empty();
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != NULL)
    {
        CString strMessage;
        if (lParam != 0)
            strMessage = (LPCTSTR)lParam;
        else if (wParam != 0)
            GetMessageString((UINT)wParam, strMessage);
        pMessageBar->SetWindowText(strMessage);
    }
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    return nIDLast;
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    TOOLTIPTEXTA* pText = (TOOLTIPTEXTA*)pNMHDR;
    UINT_PTR nID = pNMHDR->idFrom;
    if (pText->uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID((HWND)nID);
    CString strFull;
    if (nID == 0 || !strFull.LoadString((UINT)nID))
        return FALSE;
    CString strTip;
    AfxExtractSubString(strTip, strFull, 1);
    lstrcpynA(pText->szText, strTip, sizeof pText->szText);
    *pResult = 0;
    return TRUE;
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID);
}

// ---------------------------------------------------------------------------
// Title.

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != NULL)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(NULL);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString title = m_strTitle;
    if (lpszDocName != NULL && *lpszDocName != '\0')
    {
        if (GetStyle() & FWS_PREFIXTITLE)
            title = CString(lpszDocName) + " - " + m_strTitle;
        else
            title = m_strTitle + " - " + lpszDocName;
    }
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}
