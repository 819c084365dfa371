#include "toolkit/commandbars/bars/XTPCommandBarAccessible.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"

// ---- The entry points -------------------------------------------------------------------

namespace {

typedef void(WINAPI* PFNNOTIFYWINEVENT)(DWORD, HWND, LONG, LONG);
typedef LRESULT(WINAPI* PFNLRESULTFROMOBJECT)(REFIID, WPARAM, LPUNKNOWN);

struct AccessibilityEntries
{
    BOOL bWinEventsBound = FALSE;
    PFNNOTIFYWINEVENT pfnNotifyWinEvent = NULL;
    BOOL bOleAccBound = FALSE;
    PFNLRESULTFROMOBJECT pfnLresultFromObject = NULL;
};

AccessibilityEntries& Entries()
{
    static AccessibilityEntries entries;
    return entries;
}

} // namespace

void XTPAccessibility::BindWinEvents()
{
    AccessibilityEntries& entries = Entries();
    if (entries.bWinEventsBound)
        return;
    entries.bWinEventsBound = TRUE;
    entries.pfnNotifyWinEvent =
        (PFNNOTIFYWINEVENT)XTPGetOptionalProc(::GetModuleHandleA("USER32"), "NotifyWinEvent");
}

void XTPAccessibility::NotifyWinEvent(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild)
{
    BindWinEvents();
    if (Entries().pfnNotifyWinEvent != NULL)
        Entries().pfnNotifyWinEvent(dwEvent, hWnd, idObject, idChild);
}

LRESULT XTPAccessibility::LresultFromObject(REFIID riid, WPARAM wParam, IUnknown* pUnknown)
{
    AccessibilityEntries& entries = Entries();
    if (!entries.bOleAccBound)
    {
        entries.bOleAccBound = TRUE;
        // The library stays loaded for the process: clients hold objects
        // it marshalled.
        entries.pfnLresultFromObject =
            (PFNLRESULTFROMOBJECT)XTPGetOptionalProc(XTPLoadOptionalLibrary("oleacc.dll"), "LresultFromObject");
    }
    return entries.pfnLresultFromObject != NULL ? entries.pfnLresultFromObject(riid, wParam, pUnknown) : 0;
}

void XTPAccessibility::Unbind()
{
    Entries() = AccessibilityEntries();
}

// ---- The object ------------------------------------------------------------------------

CXTPCommandBarAccessible::CXTPCommandBarAccessible(CXTPCommandBar* pBar) : m_nRefs(1), m_pBar(pBar)
{}

LRESULT CXTPCommandBarAccessible::GetObjectResult(WPARAM wParam)
{
    return XTPAccessibility::LresultFromObject(__uuidof(IAccessible), wParam, (IAccessible*)this);
}

STDMETHODIMP CXTPCommandBarAccessible::QueryInterface(REFIID riid, void** ppv)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)
        || IsEqualIID(riid, __uuidof(IAccessible)))
    {
        *ppv = (IAccessible*)this;
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CXTPCommandBarAccessible::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_nRefs);
}

STDMETHODIMP_(ULONG) CXTPCommandBarAccessible::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return (ULONG)nRefs;
}

HRESULT CXTPCommandBarAccessible::ResolveChild(const VARIANT& varChild, BOOL bSelfAnswered, int& nIndex) const
{
    if (m_pBar == NULL)
        return E_FAIL;
    if (varChild.vt == VT_I4 && varChild.lVal == CHILDID_SELF)
    {
        nIndex = -1;
        return bSelfAnswered ? S_OK : E_NOTIMPL;
    }
    if (varChild.vt != VT_I4 || varChild.lVal < 1 || varChild.lVal > m_pBar->GetControlCount())
        return E_INVALIDARG;
    nIndex = (int)varChild.lVal - 1;
    return S_OK;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    int nIndex = -1;
    const HRESULT hr = ResolveChild(varChild, FALSE, nIndex);
    if (hr != S_OK)
        return hr;
    const CString strCaption = m_pBar->GetControl(nIndex)->GetCaption();
    const int nLength = ::MultiByteToWideChar(CP_ACP, 0, strCaption, -1, NULL, 0);
    *pszName = ::SysAllocStringLen(NULL, (UINT)(nLength - 1));
    if (*pszName == NULL)
        return E_OUTOFMEMORY;
    ::MultiByteToWideChar(CP_ACP, 0, strCaption, -1, *pszName, nLength);
    return S_OK;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    int nIndex = -1;
    const HRESULT hr = ResolveChild(varChild, TRUE, nIndex);
    if (hr != S_OK)
        return hr;
    ::VariantInit(pvarRole);
    if (nIndex >= 0)
    {
        pvarRole->vt = VT_I4;
        pvarRole->lVal = ROLE_SYSTEM_MENUITEM;
    }
    return S_OK;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    int nIndex = -1;
    const HRESULT hr = ResolveChild(varChild, FALSE, nIndex);
    if (hr != S_OK)
        return hr;
    ::VariantInit(pvarState);
    pvarState->vt = VT_I4;
    pvarState->lVal = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (m_pBar->GetSelectedIndex() == nIndex)
        pvarState->lVal |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED;
    return S_OK;
}

STDMETHODIMP CXTPCommandBarAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                   VARIANT varChild)
{
    int nIndex = -1;
    const HRESULT hr = ResolveChild(varChild, TRUE, nIndex);
    if (hr != S_OK)
        return hr;
    if (m_pBar->GetSafeHwnd() == NULL)
        return E_FAIL;
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    CRect rc = rcWindow;
    if (nIndex >= 0)
    {
        rc = m_pBar->GetControl(nIndex)->GetRect();
        rc.OffsetRect(rcWindow.TopLeft());
    }
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accParent(IDispatch** ppdispParent)
{
    *ppdispParent = NULL;
    return m_pBar != NULL ? S_OK : E_FAIL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accChild(VARIANT /*varChild*/, IDispatch** ppdispChild)
{
    *ppdispChild = NULL;
    return m_pBar != NULL ? S_OK : E_FAIL;
}

STDMETHODIMP CXTPCommandBarAccessible::GetTypeInfoCount(UINT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accChildCount(long*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accValue(VARIANT, BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accDescription(VARIANT, BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accHelp(VARIANT, BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accHelpTopic(BSTR*, VARIANT, long*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accKeyboardShortcut(VARIANT, BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accFocus(VARIANT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accSelection(VARIANT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::get_accDefaultAction(VARIANT, BSTR*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::accSelect(long, VARIANT)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::accNavigate(long, VARIANT, VARIANT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::accHitTest(long, long, VARIANT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::accDoDefaultAction(VARIANT)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPCommandBarAccessible::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}
