#include "toolkit/foundation/XTPPropExchangeArchive.h"

#include <stdlib.h>

CXTPPropExchangeArchive::CXTPPropExchangeArchive(CArchive& ar) : m_ar(ar)
{
    m_bLoading = ar.IsLoading();
}

void CXTPPropExchangeArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (m_ar.Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

BOOL CXTPPropExchangeArchive::ExchangeProp(LPCTSTR, VARTYPE vtProp, void* pvProp, const void*)
{
    OnBeforeExchange();
    if (vtProp == VT_BSTR || vtProp == VT_LPSTR)
    {
        if (IsStoring())
            m_ar << *(CString*)pvProp;
        else
            m_ar >> *(CString*)pvProp;
        return TRUE;
    }
    // Every other type travels as its own little-endian bytes.
    UINT nSize = GetSizeOfVarType(vtProp);
    if (IsStoring())
        m_ar.Write(pvProp, nSize);
    else
        ReadExactly(pvProp, nSize);
    return TRUE;
}

BOOL CXTPPropExchangeArchive::ExchangeBlob(LPCTSTR, BYTE*& pData, DWORD& nBytes)
{
    if (IsStoring())
    {
        m_ar.WriteCount(nBytes);
        m_ar.Write(pData, nBytes);
        return TRUE;
    }
    DWORD nStored = (DWORD)m_ar.ReadCount();
    // A stored size is trusted only as far as the archive holds the bytes.
    m_ar.CheckCount(nStored, 1);
    if (pData == NULL)
    {
        pData = (BYTE*)malloc(nStored ? nStored : 1);
        if (pData == NULL)
            AfxThrowMemoryException();
    }
    else if (nBytes < nStored)
        return FALSE;
    nBytes = nStored;
    return m_ar.Read(pData, nStored) == nStored;
}

BOOL CXTPPropExchangeArchive::ExchangeRuntimeClass(LPCTSTR, CRuntimeClass*& pClass,
                                                   CRuntimeClass* pDefaultClass)
{
    if (IsStoring())
    {
        m_ar.WriteClass(pClass);
        return TRUE;
    }
    UINT nSchema = 0;
    pClass = m_ar.ReadClass(pDefaultClass, &nSchema);
    if (pClass == NULL)
        return FALSE;
    m_nSchema = nSchema;
    return TRUE;
}

BOOL CXTPPropExchangeArchive::ExchangeObjectInstance(CObject*& pObject, CRuntimeClass* pObjectRuntime)
{
    if (!CXTPPropExchange::ExchangeObjectInstance(pObject, pObjectRuntime))
        return FALSE;
    m_ar.MapObject(pObject);
    return TRUE;
}

CArchive* CXTPPropExchangeArchive::GetArchive(LPCTSTR)
{
    return &m_ar;
}

void CXTPPropExchangeArchive::ReleaseArchive(LPCTSTR, CArchive*)
{}

CXTPPropExchange* CXTPPropExchangeArchive::GetSection(LPCTSTR)
{
    CXTPPropExchangeArchive* pSection = new CXTPPropExchangeArchive(m_ar);
    pSection->InitSection(this);
    return pSection;
}

void CXTPPropExchangeArchive::WriteCount(DWORD dwCount)
{
    m_ar.WriteCount(dwCount);
}

DWORD CXTPPropExchangeArchive::ReadCount()
{
    return (DWORD)m_ar.ReadCount();
}

void CXTPPropExchangeArchive::Write(LPCTSTR, const void* lpBuf, UINT nCount)
{
    m_ar.Write(lpBuf, nCount);
}

UINT CXTPPropExchangeArchive::Read(LPCTSTR, void* lpBuf, UINT nCount)
{
    return m_ar.Read(lpBuf, nCount);
}

BOOL CXTPPropExchangeArchive::IsAllowDefaultValues()
{
    return FALSE;
}

BOOL CXTPPropExchangeArchive::IsAllowBlobValues()
{
    return TRUE;
}
