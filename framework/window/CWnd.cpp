// CWnd: binding objects to handles, creation, subclassing, and the window
// procedure that hands messages to the message map.
#include "framework/window/CWnd.h"
#include "framework/core/ModuleState.h"
#include "framework/window/WindowClasses.h"
#include "framework/window/CWinThread.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE state = {};
    return &state;
}

// ---------------------------------------------------------------------------
// Handle map.
namespace {

CObject* NewTemporaryWindow(HANDLE h)
{
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = (HWND)h;
    return pWnd;
}

void ClearTemporaryWindow(CObject* pObject)
{
    static_cast<CWnd*>(pObject)->m_hWnd = NULL;
}

const CHandleMapKind windowKind = {&NewTemporaryWindow, &ClearTemporaryWindow};

CHandleMap& WindowMap()
{
    return CHandleMap::ForThisThread(windowKind);
}

} // namespace

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return static_cast<CWnd*>(WindowMap().FromHandle(hWnd));
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd != NULL ? static_cast<CWnd*>(WindowMap().LookupPermanent(hWnd)) : NULL;
}

void CWnd::DeleteTempMap()
{
    WindowMap().DeleteTemporary();
}

HWND CWnd::GetSafeHwnd() const
{
    // Read through a volatile copy so the test survives optimisation.
    const CWnd* volatile self = this;
    return self == NULL ? NULL : self->m_hWnd;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL || FromHandlePermanent(hWndNew) != NULL)
        return FALSE;
    WindowMap().SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL && FromHandlePermanent(hWnd) == this)
        WindowMap().RemoveHandle(hWnd);
    m_hWnd = NULL;
    return hWnd;
}

// ---------------------------------------------------------------------------
// Construction and destruction.

CWnd::CWnd() : m_hWnd(NULL), m_hWndOwner(NULL), m_nModalResult(0), m_nFlags(0), m_pfnSuper(NULL)
{}

CWnd::~CWnd()
{
    // A window outliving its object would send messages to freed memory.
    if (m_hWnd != NULL && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    // A permanent object may be deleted by PostNcDestroy inside this call.
    return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy()
{}

void CWnd::OnNcDestroy()
{
    HWND hWnd = m_hWnd;
    Default();
    FinishNcDestroy(hWnd);
}

void CWnd::FinishNcDestroy(HWND hWndGone)
{
    if (FromHandlePermanent(hWndGone) != this)
        return;
    if (m_pfnSuper != NULL && (WNDPROC)::GetWindowLongPtrA(hWndGone, GWLP_WNDPROC) == &CWnd::WndProc)
        ::SetWindowLongPtrA(hWndGone, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = NULL;
    Detach();
    // The main window gone, the thread's message loop ends.
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->m_pMainWnd == this)
    {
        pThread->m_pMainWnd = NULL;
        AfxPostQuitMessage(0);
    }
    PostNcDestroy();
}

// ---------------------------------------------------------------------------
// Points the window at CWnd::WndProc and keeps the procedure it had.
void CWnd::SubclassToFramework(HWND hWnd)
{
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&CWnd::WndProc);
    if (oldProc != &CWnd::WndProc)
        m_pfnSuper = oldProc;
}

// Creation: a thread hook binds the object to the new window before the
// window's first message.
LRESULT CALLBACK CWndCreationHook::CreationHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (nCode == HCBT_CREATEWND && state->m_pWndInit != NULL)
    {
        CWnd* pWnd = state->m_pWndInit;
        state->m_pWndInit = NULL;
        HWND hWnd = (HWND)wParam;
        pWnd->Attach(hWnd);
        pWnd->PreSubclassWindow();
        pWnd->SubclassToFramework(hWnd);
    }
    return ::CallNextHookEx(state->m_hHookCreate, nCode, wParam, lParam);
}

CWndCreationHook::CWndCreationHook(CWnd* pWnd)
    : m_state(AfxGetThreadState()), m_pPreviousInit(m_state->m_pWndInit),
      m_hPreviousHook(m_state->m_hHookCreate)
{
    m_state->m_pWndInit = pWnd;
    m_state->m_hHookCreate = ::SetWindowsHookExA(WH_CBT, &CreationHook, NULL, ::GetCurrentThreadId());
}

CWndCreationHook::~CWndCreationHook()
{
    ::UnhookWindowsHookEx(m_state->m_hHookCreate);
    m_state->m_hHookCreate = m_hPreviousHook;
    m_state->m_pWndInit = m_pPreviousInit;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxDefaultWndClass();
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    HWND hWnd;
    {
        CWndCreationHook hook(this);
        hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }
    // A window that failed after WM_NCCREATE has already been through
    // WM_NCDESTROY, which unbound the object.
    return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    (LPVOID)pContext);
}

// ---------------------------------------------------------------------------
// Subclassing.

void CWnd::PreSubclassWindow()
{}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    SubclassToFramework(hWnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), nID);
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != NULL)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = NULL;
    return Detach();
}

// ---------------------------------------------------------------------------
// The window procedure.

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    MSG previous = state->m_lastSentMsg;
    state->m_lastSentMsg.hwnd = hWnd;
    state->m_lastSentMsg.message = message;
    state->m_lastSentMsg.wParam = wParam;
    state->m_lastSentMsg.lParam = lParam;

    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    }
    catch (CException* e)
    {
        // An exception must not unwind through the system's window code.
        char text[512] = "";
        e->GetErrorMessage(text, sizeof text);
        e->Delete();
        ::MessageBoxA(hWnd, text, NULL, MB_OK | MB_ICONEXCLAMATION);
        lResult = message == WM_CREATE ? -1 : 0;
    }
    // Handlers that do not call the base OnNcDestroy still leave no binding behind.
    if (message == WM_NCDESTROY)
    {
        CWnd* pStillBound = CWnd::FromHandlePermanent(hWnd);
        if (pStillBound != NULL)
            pStillBound->FinishNcDestroy(hWnd);
    }
    state->m_lastSentMsg = previous;
    return lResult;
}

LRESULT CALLBACK CWnd::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == NULL)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    state->m_lastSentMsg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    state->m_lastSentMsg.pt.x = (short)LOWORD(pos);
    state->m_lastSentMsg.pt.y = (short)HIWORD(pos);
    return &state->m_lastSentMsg;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& current = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}
