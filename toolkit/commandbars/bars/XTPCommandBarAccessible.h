#pragma once
// The accessibility side of the command bars. A bar answers WM_GETOBJECT
// (for its client or menu object) with a CXTPCommandBarAccessible: an
// IAccessible whose children are the bar's controls, child id = index + 1,
// each a menu item with its caption as name and its rectangle as location.
// When the keyboard selects a control the bar raises EVENT_OBJECT_FOCUS for
// that child. Both system entry points are bound by name at run time:
// "LresultFromObject" of "oleacc.dll" on first use, "NotifyWinEvent" of
// USER32 when the first bar is made; where one is missing WM_GETOBJECT is
// answered 0 and no event is raised.
//
// The object is reference counted for its clients; the bar holds one
// reference and detaches it when it goes, after which every call fails.
#include <ole2.h>
#include <oleacc.h>

class CXTPCommandBar;

class CXTPCommandBarAccessible final : public IAccessible
{
public:
    // One reference, the bar's.
    explicit CXTPCommandBarAccessible(CXTPCommandBar* pBar);
    // The bar is gone: calls fail from now on.
    void Detach() { m_pBar = NULL; }
    // The answer to WM_GETOBJECT: the object marshalled by
    // "LresultFromObject" (0 when that entry point is missing).
    LRESULT GetObjectResult(WPARAM wParam);

    // ---- IUnknown ----
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // ---- IDispatch: none (E_NOTIMPL) ----
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    // ---- IAccessible ----
    // Parent and child objects: S_OK with none.
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override;
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    // A child's caption; E_NOTIMPL for the bar itself.
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override;
    // A child is a menu item; the bar itself has an empty role.
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    // A child: focusable and selectable, focused and selected while it is
    // the bar's selected control; E_NOTIMPL for the bar itself.
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override;
    // Screen rectangles: a child's at the bar window's origin, the bar's own.
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT varChild) override;
    // Everything else: E_NOTIMPL.
    STDMETHODIMP get_accChildCount(long* pcountChildren) override;
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override;
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override;
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override;
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override;
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override;
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override;
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override;

private:
    ~CXTPCommandBarAccessible() {}
    // S_OK with the child's index (-1 for the bar itself when the operation
    // answers for it); E_FAIL once detached, E_NOTIMPL for the bar itself
    // otherwise, E_INVALIDARG for an id the bar has no control for.
    HRESULT ResolveChild(const VARIANT& varChild, BOOL bSelfAnswered, int& nIndex) const;

    LONG m_nRefs;
    CXTPCommandBar* m_pBar;
};

// The entry points, bound by name: "NotifyWinEvent" when the first bar is
// made, "LresultFromObject" when first needed.
namespace XTPAccessibility
{
// Binds "NotifyWinEvent" unless bound already.
void BindWinEvents();
// Raises the event; nothing when "NotifyWinEvent" is missing.
void NotifyWinEvent(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild);
// "LresultFromObject"; 0 when "oleacc.dll" or the entry point is missing.
LRESULT LresultFromObject(REFIID riid, WPARAM wParam, IUnknown* pUnknown);
// Test seam: forgets both bindings, so the next use binds them again (after
// a test withheld a library or an entry point).
void Unbind();
} // namespace XTPAccessibility
