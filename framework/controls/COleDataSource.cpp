#include "framework/controls/COleDataSource.h"
#include "framework/controls/COleDropSource.h"
#include "framework/window/CWnd.h"
#include "framework/core/CException.h"
#include "framework/controls/OleInterface.h"
#include <shlobj.h>

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

// The source last put on the clipboard; cleared when it goes away.
static COleDataSource* s_pClipboardSource = NULL;

COleDataSource::COleDataSource()
{
    m_xDataObject.m_pOwner = this;
}

COleDataSource::~COleDataSource()
{
    if (s_pClipboardSource == this)
        s_pClipboardSource = NULL;
    Empty();
}

LPDATAOBJECT COleDataSource::GetDataObject()
{
    return &m_xDataObject;
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    STGMEDIUM medium;
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = hGlobal;
    medium.pUnkForRelease = NULL;
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc);
    formatEtc.tymed = TYMED_HGLOBAL;
    CacheData(cfFormat, &medium, &formatEtc);
}

void COleDataSource::CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    CacheEntry entry;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &entry.formatEtc);
    entry.formatEtc.tymed = lpStgMedium->tymed;
    entry.medium = *lpStgMedium;
    CacheEntry* pOld = FindEntry(&entry.formatEtc);
    if (pOld != NULL)
    {
        ReleaseStgMedium(&pOld->medium);
        *pOld = entry;
    }
    else
    {
        m_entries.push_back(entry);
    }
}

void COleDataSource::Empty()
{
    for (size_t i = 0; i < m_entries.size(); i++)
        ReleaseStgMedium(&m_entries[i].medium);
    m_entries.clear();
}

COleDataSource::CacheEntry* COleDataSource::FindEntry(const FORMATETC* lpFormatEtc)
{
    for (size_t i = 0; i < m_entries.size(); i++)
    {
        const FORMATETC& cached = m_entries[i].formatEtc;
        if (cached.cfFormat == lpFormatEtc->cfFormat && (cached.tymed & lpFormatEtc->tymed) != 0
            && cached.dwAspect == lpFormatEtc->dwAspect && cached.lindex == lpFormatEtc->lindex)
            return &m_entries[i];
    }
    return NULL;
}

void COleDataSource::SetClipboard()
{
    s_pClipboardSource = this;
    HRESULT hr = OleSetClipboard(&m_xDataObject);
    // The clipboard holds its own reference now; the creator's reference ends here.
    InternalRelease();
    if (FAILED(hr))
        AfxThrowOleException(hr);
}

void PASCAL COleDataSource::FlushClipboard()
{
    OleFlushClipboard();
}

COleDataSource* PASCAL COleDataSource::GetClipboardOwner()
{
    if (s_pClipboardSource != NULL && OleIsCurrentClipboard(&s_pClipboardSource->m_xDataObject) == S_OK)
        return s_pClipboardSource;
    return NULL;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource defaultSource;
    if (pDropSource == NULL)
        pDropSource = &defaultSource;
    if (lpRectStartDrag != NULL)
    {
        pDropSource->m_rectStartDrag.CopyRect(lpRectStartDrag);
        if (!pDropSource->OnBeginDrag(CWnd::FromHandle(::GetActiveWindow())))
            return DROPEFFECT_NONE;
    }
    DWORD effect = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(&m_xDataObject, pDropSource->GetDropSource(), dwEffects, &effect);
    return hr == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

HRESULT COleDataSource::GetData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    CacheEntry* pEntry = FindEntry(lpFormatEtc);
    if (pEntry == NULL)
        return DV_E_FORMATETC;
    *lpStgMedium = pEntry->medium;
    if (pEntry->medium.tymed == TYMED_HGLOBAL)
    {
        // Global memory is handed over as a copy of the receiver's own.
        lpStgMedium->hGlobal = AfxCopyGlobalMemory(pEntry->medium.hGlobal);
        lpStgMedium->pUnkForRelease = NULL;
        return lpStgMedium->hGlobal != NULL ? S_OK : E_OUTOFMEMORY;
    }
    // Other media are lent: releasing the medium releases this source.
    lpStgMedium->pUnkForRelease = &m_xDataObject;
    m_xDataObject.AddRef();
    return S_OK;
}

HRESULT COleDataSource::QueryGetData(LPFORMATETC lpFormatEtc)
{
    return FindEntry(lpFormatEtc) != NULL ? S_OK : DV_E_FORMATETC;
}

HRESULT COleDataSource::EnumFormatEtc(DWORD dwDirection, LPENUMFORMATETC* ppEnum)
{
    *ppEnum = NULL;
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (size_t i = 0; i < m_entries.size(); i++)
        formats.push_back(m_entries[i].formatEtc);
    return SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.empty() ? NULL : &formats[0], ppEnum);
}

// ---- IDataObject ------------------------------------------------------------------------------

STDMETHODIMP COleDataSource::XDataObject::QueryInterface(REFIID riid, void** ppv)
{
    return OleQueryOwnInterface(this, riid, IID_IDataObject, ppv);
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::AddRef()
{
    return m_pOwner->InternalAddRef();
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::Release()
{
    return m_pOwner->InternalRelease();
}

STDMETHODIMP COleDataSource::XDataObject::GetData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    return m_pOwner->GetData(lpFormatEtc, lpStgMedium);
}

STDMETHODIMP COleDataSource::XDataObject::GetDataHere(LPFORMATETC, LPSTGMEDIUM)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::QueryGetData(LPFORMATETC lpFormatEtc)
{
    return m_pOwner->QueryGetData(lpFormatEtc);
}

STDMETHODIMP COleDataSource::XDataObject::GetCanonicalFormatEtc(LPFORMATETC, LPFORMATETC lpFormatEtcOut)
{
    lpFormatEtcOut->ptd = NULL;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::SetData(LPFORMATETC, LPSTGMEDIUM, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::EnumFormatEtc(DWORD dwDirection, LPENUMFORMATETC* ppEnum)
{
    return m_pOwner->EnumFormatEtc(dwDirection, ppEnum);
}

STDMETHODIMP COleDataSource::XDataObject::DAdvise(LPFORMATETC, DWORD, LPADVISESINK, LPDWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::EnumDAdvise(LPENUMSTATDATA*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
