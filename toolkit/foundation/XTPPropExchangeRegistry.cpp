#include "toolkit/foundation/XTPPropExchangeRegistry.h"

#include <stdio.h>
#include <string.h>

CXTPPropExchangeRegistry::CXTPPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR lpszSection)
    : m_hSectionKey(NULL), m_hParentKey(hParentKey), m_strSectionName(lpszSection)
{
    m_bLoading = bLoading;
}

CXTPPropExchangeRegistry::~CXTPPropExchangeRegistry()
{
    CloseSectionKey();
}

void CXTPPropExchangeRegistry::CloseSectionKey()
{
    if (m_hSectionKey != NULL)
        ::RegCloseKey(m_hSectionKey);
    m_hSectionKey = NULL;
}

BOOL CXTPPropExchangeRegistry::OnBeforeExchange()
{
    if (m_hParentKey == NULL)
        return FALSE;
    if (!m_bInitialized)
    {
        m_bInitialized = TRUE;
        LONG nResult =
            IsLoading()
                ? ::RegOpenKeyExA(m_hParentKey, m_strSectionName, 0, KEY_READ, &m_hSectionKey)
                : ::RegCreateKeyExA(m_hParentKey, m_strSectionName, 0, NULL, 0, KEY_WRITE, NULL, &m_hSectionKey,
                                    NULL);
        if (nResult != ERROR_SUCCESS)
            m_hSectionKey = NULL;
    }
    return m_hSectionKey != NULL;
}

BOOL CXTPPropExchangeRegistry::ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                            const void* pvDefault)
{
    if (IsLoading())
        return LoadProp(pszPropName, vtProp, pvProp, m_bUseDefaultOnLoad ? pvDefault : NULL);

    if (!OnBeforeExchange())
        return FALSE;
    if (IsSamePropValue(vtProp, pvProp, pvDefault))
    {
        if (!m_bEmptySection)
            ::RegDeleteValueA(m_hSectionKey, pszPropName);
        return TRUE;
    }
    return StoreProp(pszPropName, vtProp, pvProp);
}

BOOL CXTPPropExchangeRegistry::StoreProp(LPCTSTR pszPropName, VARTYPE vtProp, const void* pvProp)
{
    CString strText;
    switch (vtProp)
    {
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_UI1:
        return SetValue(pszPropName, REG_DWORD, pvProp, GetSizeOfVarType(vtProp));
    case VT_R4:
    case VT_R8:
        return SetValue(pszPropName, REG_BINARY, pvProp, GetSizeOfVarType(vtProp));
    case VT_BSTR:
    case VT_LPSTR:
        strText = *(const CString*)pvProp;
        break;
    case VT_EX_RECT:
    case VT_EX_SIZE:
        ExchangePropStringHelper(strText, vtProp, (void*)pvProp, NULL);
        break;
    default:
        return FALSE;
    }
    return SetValue(pszPropName, REG_SZ, (LPCTSTR)strText, strText.GetLength() + 1);
}

BOOL CXTPPropExchangeRegistry::SetValue(LPCTSTR pszPropName, DWORD dwType, const void* pData, DWORD nBytes)
{
    return ::RegSetValueExA(m_hSectionKey, pszPropName, 0, dwType, (const BYTE*)pData, nBytes)
           == ERROR_SUCCESS;
}

BOOL CXTPPropExchangeRegistry::QueryString(LPCTSTR pszPropName, CString& strValue)
{
    DWORD nBytes = 0;
    if (::RegQueryValueExA(m_hSectionKey, pszPropName, NULL, NULL, NULL, &nBytes) != ERROR_SUCCESS)
        return FALSE;
    // Stored strings need not end with a zero: room for one more is added.
    LPTSTR pszBuffer = strValue.GetBuffer(nBytes + 1);
    memset(pszBuffer, 0, nBytes + 1);
    LONG nResult = ::RegQueryValueExA(m_hSectionKey, pszPropName, NULL, NULL, (BYTE*)pszBuffer, &nBytes);
    strValue.ReleaseBuffer();
    return nResult == ERROR_SUCCESS;
}

BOOL CXTPPropExchangeRegistry::LoadProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                        const void* pvDefault)
{
    if (!OnBeforeExchange())
        return CopyPropValue(vtProp, pvProp, pvDefault);

    switch (vtProp)
    {
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_UI1:
    case VT_R4:
    case VT_R8:
    {
        // Integers stored with fewer bytes than their type are zero-extended.
        BYTE buffer[8] = {0};
        UINT nSize = GetSizeOfVarType(vtProp);
        DWORD nBytes = vtProp == VT_R8 ? 8 : 4;
        BOOL bRead =
            ::RegQueryValueExA(m_hSectionKey, pszPropName, NULL, NULL, buffer, &nBytes) == ERROR_SUCCESS;
        if ((vtProp == VT_R4 || vtProp == VT_R8) && nBytes != nSize)
            bRead = FALSE;
        if (!bRead)
            return CopyPropValue(vtProp, pvProp, pvDefault);
        memcpy(pvProp, buffer, nSize);
        return TRUE;
    }
    case VT_BSTR:
    case VT_LPSTR:
    case VT_EX_RECT:
    case VT_EX_SIZE:
    {
        CString strValue;
        if (!QueryString(pszPropName, strValue))
            return CopyPropValue(vtProp, pvProp, pvDefault);
        if (vtProp == VT_BSTR || vtProp == VT_LPSTR)
        {
            *(CString*)pvProp = strValue;
            return TRUE;
        }
        return ExchangePropStringHelper(strValue, vtProp, pvProp, pvDefault);
    }
    default:
        return FALSE;
    }
}

BOOL CXTPPropExchangeRegistry::ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes)
{
    if (!OnBeforeExchange())
        return FALSE;
    if (IsStoring())
        return SetValue(pszPropName, REG_BINARY, pData, nBytes);

    DWORD nStored = 0;
    if (::RegQueryValueExA(m_hSectionKey, pszPropName, NULL, NULL, NULL, &nStored) != ERROR_SUCCESS)
        return FALSE;
    if (nStored == 0)
    {
        nBytes = 0;
        return TRUE;
    }
    BOOL bAllocated = FALSE;
    if (pData == NULL)
    {
        pData = (BYTE*)malloc(nStored);
        if (pData == NULL)
            AfxThrowMemoryException();
        bAllocated = TRUE;
    }
    else if (nBytes < nStored)
        return FALSE;
    if (::RegQueryValueExA(m_hSectionKey, pszPropName, NULL, NULL, pData, &nStored) != ERROR_SUCCESS)
    {
        if (bAllocated)
        {
            free(pData);
            pData = NULL;
        }
        return FALSE;
    }
    nBytes = nStored;
    return TRUE;
}

CXTPPropExchange* CXTPPropExchangeRegistry::GetSection(LPCTSTR pszSection)
{
    OnBeforeExchange();
    CXTPPropExchangeRegistry* pSection = new CXTPPropExchangeRegistry(IsLoading(), m_hSectionKey, pszSection);
    pSection->InitSection(this);
    return pSection;
}

BOOL CXTPPropExchangeRegistry::IsSectionExists(LPCTSTR pszSection)
{
    HKEY hKey = NULL;
    if (!OnBeforeExchange() || ::RegOpenKeyExA(m_hSectionKey, pszSection, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    ::RegCloseKey(hKey);
    return TRUE;
}

void CXTPPropExchangeRegistry::EmptySection()
{
    CXTPPropExchange::EmptySection();
    CloseSectionKey();
    if (m_hParentKey != NULL)
        DeleteKeyTree(m_hParentKey, m_strSectionName);
    m_bInitialized = FALSE;
}

BOOL CXTPPropExchangeRegistry::DeleteKeyTree(HKEY hParentKey, LPCTSTR lpszKeyName)
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(hParentKey, lpszKeyName, 0, KEY_READ | KEY_WRITE, &hKey) != ERROR_SUCCESS)
        return FALSE;
    char szSubKey[MAX_PATH];
    DWORD nLength = sizeof(szSubKey);
    BOOL bDeleted = TRUE;
    while (bDeleted && ::RegEnumKeyExA(hKey, 0, szSubKey, &nLength, NULL, NULL, NULL, NULL) == ERROR_SUCCESS)
    {
        bDeleted = DeleteKeyTree(hKey, szSubKey);
        nLength = sizeof(szSubKey);
    }
    ::RegCloseKey(hKey);
    return ::RegDeleteKeyA(hParentKey, lpszKeyName) == ERROR_SUCCESS;
}

BOOL CXTPPropExchangeRegistry::IsAllowBlobValues()
{
    return TRUE;
}
