#include "framework/controls/COleDataObject.h"
#include "framework/core/CSharedFile.h"

void AfxFillFormatEtc(LPFORMATETC lpFormatEtc, CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtcFill)
{
    if (lpFormatEtc != NULL)
    {
        *lpFormatEtcFill = *lpFormatEtc;
        if (cfFormat != 0)
            lpFormatEtcFill->cfFormat = cfFormat;
        return;
    }
    lpFormatEtcFill->cfFormat = cfFormat;
    lpFormatEtcFill->ptd = NULL;
    lpFormatEtcFill->dwAspect = DVASPECT_CONTENT;
    lpFormatEtcFill->lindex = -1;
    lpFormatEtcFill->tymed =
        TYMED_HGLOBAL | TYMED_ISTREAM | TYMED_ISTORAGE | TYMED_FILE | TYMED_GDI | TYMED_MFPICT | TYMED_ENHMF;
}

COleDataObject::COleDataObject() : m_lpDataObject(NULL), m_bAutoRelease(TRUE), m_lpEnumerator(NULL)
{}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    EndEnumFormats();
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = NULL;
    return lpDataObject;
}

void COleDataObject::Release()
{
    EndEnumFormats();
    if (m_lpDataObject != NULL && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = NULL;
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = NULL;
    if (FAILED(OleGetClipboard(&lpDataObject)) || lpDataObject == NULL)
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

LPDATAOBJECT COleDataObject::GetIDataObject(BOOL bAddRef)
{
    if (bAddRef && m_lpDataObject != NULL)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc);
    return m_lpDataObject->QueryGetData(&formatEtc) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc);
    ZeroMemory(lpStgMedium, sizeof(STGMEDIUM));
    return m_lpDataObject->GetData(&formatEtc, lpStgMedium) == S_OK;
}

HGLOBAL AfxCopyGlobalMemory(HGLOBAL hSource)
{
    SIZE_T size = GlobalSize(hSource);
    HGLOBAL hCopy = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (hCopy == NULL)
        return NULL;
    void* pSource = GlobalLock(hSource);
    void* pCopy = GlobalLock(hCopy);
    if (pSource == NULL || pCopy == NULL)
    {
        if (pSource != NULL)
            GlobalUnlock(hSource);
        GlobalUnlock(hCopy);
        GlobalFree(hCopy);
        return NULL;
    }
    CopyMemory(pCopy, pSource, size);
    GlobalUnlock(hCopy);
    GlobalUnlock(hSource);
    return hCopy;
}

// Reads a stream from its current position to its end into a new global block.
static HGLOBAL ReadStream(LPSTREAM lpStream)
{
    HGLOBAL hGlobal = NULL;
    LPSTREAM lpMemory = NULL;
    if (FAILED(CreateStreamOnHGlobal(NULL, FALSE, &lpMemory)))
        return NULL;
    ULARGE_INTEGER all;
    all.QuadPart = ~0ULL;
    if (SUCCEEDED(lpStream->CopyTo(lpMemory, all, NULL, NULL)))
        GetHGlobalFromStream(lpMemory, &hGlobal);
    lpMemory->Release();
    return hGlobal;
}

// Takes the global memory out of a medium: the block itself when the medium gives it away, else
// a copy. The medium is released.
static HGLOBAL TakeGlobal(STGMEDIUM& medium)
{
    HGLOBAL hGlobal = NULL;
    if (medium.tymed == TYMED_HGLOBAL)
    {
        if (medium.pUnkForRelease == NULL)
            return medium.hGlobal;
        hGlobal = AfxCopyGlobalMemory(medium.hGlobal);
    }
    else if (medium.tymed == TYMED_ISTREAM)
    {
        hGlobal = ReadStream(medium.pstm);
    }
    ReleaseStgMedium(&medium);
    return hGlobal;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc);
    formatEtc.tymed = TYMED_HGLOBAL;
    STGMEDIUM medium;
    if (!GetData(cfFormat, &medium, &formatEtc))
        return NULL;
    return TakeGlobal(medium);
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc;
    AfxFillFormatEtc(lpFormatEtc, cfFormat, &formatEtc);
    formatEtc.tymed = TYMED_HGLOBAL | TYMED_ISTREAM;
    STGMEDIUM medium;
    if (!GetData(cfFormat, &medium, &formatEtc))
        return NULL;
    HGLOBAL hGlobal = TakeGlobal(medium);
    if (hGlobal == NULL)
        return NULL;
    CSharedFile* pFile = new CSharedFile(GMEM_MOVEABLE | GMEM_DDESHARE);
    pFile->SetHandle(hGlobal, FALSE);
    return pFile;
}

void COleDataObject::BeginEnumFormats()
{
    EndEnumFormats();
    if (m_lpDataObject != NULL)
        m_lpDataObject->EnumFormatEtc(DATADIR_GET, &m_lpEnumerator);
}

BOOL COleDataObject::GetNextFormat(LPFORMATETC lpFormatEtc)
{
    if (m_lpEnumerator == NULL)
        return FALSE;
    ULONG fetched = 0;
    if (m_lpEnumerator->Next(1, lpFormatEtc, &fetched) != S_OK || fetched != 1)
        return FALSE;
    if (lpFormatEtc->ptd != NULL)
    {
        CoTaskMemFree(lpFormatEtc->ptd);
        lpFormatEtc->ptd = NULL;
    }
    return TRUE;
}

void COleDataObject::EndEnumFormats()
{
    if (m_lpEnumerator != NULL)
        m_lpEnumerator->Release();
    m_lpEnumerator = NULL;
}
