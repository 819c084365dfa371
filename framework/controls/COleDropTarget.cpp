#include "framework/controls/COleDropTarget.h"
#include "framework/window/CWnd.h"
#include "framework/controls/OleInterface.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

COleDropTarget::COleDropTarget() : m_hWnd(NULL)
{
    m_xDropTarget.m_pOwner = this;
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL || m_hWnd != NULL)
        return FALSE;
    if (FAILED(::RegisterDragDrop(hWnd, &m_xDropTarget)))
        return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == NULL)
        return;
    ::RevokeDragDrop(m_hWnd);
    m_hWnd = NULL;
    m_dataObject.Release();
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*)
{}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1;
}

CPoint COleDropTarget::ClientPoint(POINTL ptScreen) const
{
    CPoint point(ptScreen.x, ptScreen.y);
    ::ScreenToClient(m_hWnd, &point);
    return point;
}

CWnd* COleDropTarget::GetTargetWindow() const
{
    return CWnd::FromHandle(m_hWnd);
}

// An effect the target chose, limited to what the source allows (scrolling always passes).
static DROPEFFECT Allowed(DROPEFFECT chosen, DWORD allowed)
{
    return chosen & (allowed | DROPEFFECT_SCROLL);
}

HRESULT COleDropTarget::DragEnter(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect)
{
    lpDataObject->AddRef();
    m_dataObject.Attach(lpDataObject, TRUE);
    *pdwEffect =
        Allowed(OnDragEnter(GetTargetWindow(), &m_dataObject, dwKeyState, ClientPoint(pt)), *pdwEffect);
    return S_OK;
}

HRESULT COleDropTarget::DragOver(DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect)
{
    *pdwEffect =
        Allowed(OnDragOver(GetTargetWindow(), &m_dataObject, dwKeyState, ClientPoint(pt)), *pdwEffect);
    return S_OK;
}

HRESULT COleDropTarget::DragLeave()
{
    OnDragLeave(GetTargetWindow());
    m_dataObject.Release();
    return S_OK;
}

HRESULT COleDropTarget::Drop(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect)
{
    CWnd* pWnd = GetTargetWindow();
    CPoint point = ClientPoint(pt);
    COleDataObject dataObject;
    dataObject.Attach(lpDataObject, FALSE);
    DWORD allowed = *pdwEffect;
    // The last drag-over decides the effect the drop is offered.
    DROPEFFECT dropDefault =
        Allowed(OnDragOver(pWnd, &dataObject, dwKeyState, point), allowed) & ~DROPEFFECT_SCROLL;
    DROPEFFECT result = OnDropEx(pWnd, &dataObject, dropDefault, allowed, point);
    if (result == (DROPEFFECT)-1)
        result = (dropDefault != DROPEFFECT_NONE && OnDrop(pWnd, &dataObject, dropDefault, point))
                     ? dropDefault
                     : DROPEFFECT_NONE;
    if (result == DROPEFFECT_NONE)
        OnDragLeave(pWnd);
    m_dataObject.Release();
    *pdwEffect = result;
    return S_OK;
}

// ---- IDropTarget ------------------------------------------------------------------------------

STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    return OleQueryOwnInterface(this, riid, IID_IDropTarget, ppv);
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::AddRef()
{
    return m_pOwner->InternalAddRef();
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::Release()
{
    return m_pOwner->InternalRelease();
}

STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt,
                                                    LPDWORD pdwEffect)
{
    return m_pOwner->DragEnter(lpDataObject, dwKeyState, pt, pdwEffect);
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD dwKeyState, POINTL pt, LPDWORD pdwEffect)
{
    return m_pOwner->DragOver(dwKeyState, pt, pdwEffect);
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave()
{
    return m_pOwner->DragLeave();
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(LPDATAOBJECT lpDataObject, DWORD dwKeyState, POINTL pt,
                                               LPDWORD pdwEffect)
{
    return m_pOwner->Drop(lpDataObject, dwKeyState, pt, pdwEffect);
}
