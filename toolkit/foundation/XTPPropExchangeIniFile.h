#pragma once
// Settings in an INI file: a section's INI section name is the path of the
// nested section names joined by backslashes. The exchange works on a
// temporary copy of the file, copied in by LoadFromFile and out by SaveToFile.
#include "toolkit/foundation/XTPPropExchange.h"

class CXTPPropExchangeIniFile : public CXTPPropExchange
{
public:
    CXTPPropExchangeIniFile(BOOL bLoading, LPCTSTR lpszParentSection, LPCTSTR lpszSection);
    ~CXTPPropExchangeIniFile();

    BOOL LoadFromFile(LPCTSTR lpszFileName);
    // Copies the working file over the file at the path; FALSE when that fails.
    BOOL SaveToFile(LPCTSTR lpszFileName);

    BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault) override;
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    // The nested section holds at least one value.
    BOOL IsSectionExists(LPCTSTR pszSection) override;
    BOOL OnBeforeExchange() override;

private:
    BOOL ReadString(LPCTSTR pszPropName, CString& strValue);
    void FlushProfileCache();

private:
    CString m_strSectionName;
    CString m_strFileName;
};
