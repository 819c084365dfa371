#pragma once
// What tests of OLE container code share: CSelectingView, a view that has
// selected the document items it was told (CView::IsSelected), and
// CTestOleObject, an embedded object of the tests' own that names itself with
// the short type name it was given and offers the verbs it was given
// (IOleObject::EnumVerbs, GetUserType); every other request of a container
// is refused with E_NOTIMPL.
//
//     CTestOleObject* pObject = new CTestOleObject("Picture", {{0, "&Edit", 0, OLEVERBATTRIB_ONCONTAINERMENU}});
//     pItem->SetObject(pObject);
//     pObject->Release();
#include "framework/window/CView.h"

#include <ole2.h>

#include <set>
#include <string>
#include <vector>

class CSelectingView : public CView
{
public:
    void OnDraw(CDC*) override {}
    BOOL IsSelected(const CObject* pDocItem) const override { return m_selected.count(pDocItem) != 0; }
    std::set<const CObject*> m_selected;
};

class CTestOleObject : public IOleObject
{
public:
    struct Verb
    {
        LONG lVerb;
        const char* pszName;
        UINT fuFlags;
        DWORD grfAttribs;
    };

    // One reference, the caller's.
    CTestOleObject(const char* pszShortType, const std::vector<Verb>& verbs);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleObject: the verbs and the type name.
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) override;
    STDMETHODIMP GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) override;

    // IOleObject: refused.
    STDMETHODIMP SetClientSite(IOleClientSite*) override { return E_NOTIMPL; }
    STDMETHODIMP GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP Close(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return E_NOTIMPL; }
    STDMETHODIMP IsUpToDate() override { return E_NOTIMPL; }
    STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // The references held now (the object is gone at 0).
    LONG GetRefCount() const { return m_nRefs; }

private:
    virtual ~CTestOleObject() {}

    LONG m_nRefs;
    std::string m_strShortType;
    std::vector<Verb> m_verbs;
};
