#pragma once
// Settings in the registry: a section is a key, a value is a named registry
// value; nested sections are subkeys of their parent's key. Loading opens
// the keys that exist and creates none.
#include "toolkit/foundation/XTPPropExchange.h"

class CXTPPropExchangeRegistry : public CXTPPropExchange
{
public:
    CXTPPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR lpszSection);
    ~CXTPPropExchangeRegistry();

    BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault) override;
    BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes) override;
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    // The section's key exists.
    BOOL IsSectionExists(LPCTSTR pszSection) override;
    void EmptySection() override;
    BOOL IsAllowBlobValues() override;
    BOOL OnBeforeExchange() override;

private:
    BOOL StoreProp(LPCTSTR pszPropName, VARTYPE vtProp, const void* pvProp);
    BOOL LoadProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault);
    BOOL SetValue(LPCTSTR pszPropName, DWORD dwType, const void* pData, DWORD nBytes);
    BOOL QueryString(LPCTSTR pszPropName, CString& strValue);
    void CloseSectionKey();
    static BOOL DeleteKeyTree(HKEY hParentKey, LPCTSTR lpszKeyName);

private:
    HKEY m_hSectionKey;
    HKEY m_hParentKey;
    CString m_strSectionName;
};
