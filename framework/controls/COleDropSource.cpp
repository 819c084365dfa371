#include "framework/controls/COleDropSource.h"
#include "framework/window/CWnd.h"
#include "framework/controls/OleInterface.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

COleDropSource::COleDropSource()
    : m_bDragStarted(FALSE), m_dwButtonCancel(MK_RBUTTON), m_dwButtonDrop(MK_LBUTTON)
{
    m_xDropSource.m_pOwner = this;
}

LPDROPSOURCE COleDropSource::GetDropSource()
{
    return &m_xDropSource;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel) != 0)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & m_dwButtonDrop) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// One message of the wait before a drag: TRUE when the wait is over, with m_bDragStarted telling
// how it ended.
static BOOL EndsWaitForDrag(COleDropSource* pSource, const MSG& msg)
{
    switch (msg.message)
    {
    case WM_MOUSEMOVE:
    {
        // The point of a captured move is in the capture window's client coordinates.
        CPoint point((DWORD)msg.lParam);
        ::ClientToScreen(msg.hwnd, &point);
        if (!pSource->m_rectStartDrag.PtInRect(point))
            pSource->m_bDragStarted = TRUE;
        return pSource->m_bDragStarted;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_CANCELMODE:
        return TRUE;
    case WM_KEYDOWN:
        return msg.wParam == VK_ESCAPE;
    default:
        return FALSE;
    }
}

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    m_bDragStarted = FALSE;
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL)
        return m_bDragStarted = TRUE;
    ::SetCapture(hWnd);
    DWORD start = ::GetTickCount();
    const DWORD delay = DD_DEFDRAGDELAY;
    for (;;)
    {
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= delay)
        {
            m_bDragStarted = TRUE;
            break;
        }
        if (::GetCapture() != hWnd)
            break;
        MSG msg;
        if (!::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, delay - elapsed, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (EndsWaitForDrag(this, msg))
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return m_bDragStarted;
}

// ---- IDropSource ------------------------------------------------------------------------------

STDMETHODIMP COleDropSource::XDropSource::QueryInterface(REFIID riid, void** ppv)
{
    return OleQueryOwnInterface(this, riid, IID_IDropSource, ppv);
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::AddRef()
{
    return m_pOwner->InternalAddRef();
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::Release()
{
    return m_pOwner->InternalRelease();
}

STDMETHODIMP COleDropSource::XDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
}

STDMETHODIMP COleDropSource::XDropSource::GiveFeedback(DWORD dwEffect)
{
    return m_pOwner->GiveFeedback(dwEffect);
}
