#pragma once
// Settings through a framework archive: values in call order, without names
// or defaults, so loading code must ask for exactly what storing code wrote.
#include "toolkit/foundation/XTPPropExchange.h"

class CXTPPropExchangeArchive : public CXTPPropExchange
{
public:
    explicit CXTPPropExchangeArchive(CArchive& ar);

    BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault) override;
    BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes) override;
    BOOL ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass*& pClass,
                              CRuntimeClass* pDefaultClass) override;
    BOOL ExchangeObjectInstance(CObject*& pObject, CRuntimeClass* pObjectRuntime) override;
    CArchive* GetArchive(LPCTSTR pszPropName) override;
    void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive) override;
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    void WriteCount(DWORD dwCount) override;
    DWORD ReadCount() override;
    void Write(LPCTSTR pszPropName, const void* lpBuf, UINT nCount) override;
    UINT Read(LPCTSTR pszPropName, void* lpBuf, UINT nCount) override;
    BOOL IsAllowDefaultValues() override;
    BOOL IsAllowBlobValues() override;

private:
    // Reads exactly nCount bytes; raises the archive's end-of-file exception otherwise.
    void ReadExactly(void* lpBuf, UINT nCount);

    CArchive& m_ar;
};
