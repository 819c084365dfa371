#include "toolkit/foundation/XTPPropExchangeIniFile.h"

#include "toolkit/foundation/XTPPropExchangeIniDocument.h"

namespace {
// The INI section name of a nested section: the names joined by backslashes.
CString NestedSectionName(LPCTSTR lpszParentSection, LPCTSTR lpszSection)
{
    if (lpszParentSection == NULL || *lpszParentSection == 0)
        return lpszSection;
    CString strName;
    strName.Format("%s\\%s", lpszParentSection, lpszSection);
    return strName;
}
} // namespace

CXTPPropExchangeIniFile::CXTPPropExchangeIniFile(BOOL bLoading, LPCTSTR lpszParentSection,
                                                 LPCTSTR lpszSection)
    : m_strSectionName(NestedSectionName(lpszParentSection, lpszSection)),
      m_pDocument(std::make_shared<CXTPPropExchangeIniDocument>())
{
    m_bLoading = bLoading;
}

CXTPPropExchangeIniFile::CXTPPropExchangeIniFile(CXTPPropExchangeIniFile* pParent, LPCTSTR lpszSection)
    : m_strSectionName(NestedSectionName(pParent->m_strSectionName, lpszSection)), m_pDocument(pParent->m_pDocument)
{
    m_bLoading = pParent->m_bLoading;
    InitSection(pParent);
}

BOOL CXTPPropExchangeIniFile::OnBeforeExchange()
{
    if (!m_bInitialized)
    {
        m_bInitialized = TRUE;
        if (IsStoring())
            m_pDocument->AddSection(m_strSectionName);
    }
    return TRUE;
}

BOOL CXTPPropExchangeIniFile::LoadFromFile(LPCTSTR lpszFileName)
{
    return m_pDocument->LoadFromFile(lpszFileName);
}

BOOL CXTPPropExchangeIniFile::SaveToFile(LPCTSTR lpszFileName)
{
    return m_pDocument->SaveToFile(lpszFileName);
}

BOOL CXTPPropExchangeIniFile::ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                           const void* pvDefault)
{
    OnBeforeExchange();
    if (IsStoring())
    {
        // A value equal to its default is left out: an older stored value goes.
        if (IsSamePropValue(vtProp, pvProp, pvDefault))
        {
            m_pDocument->RemoveValue(m_strSectionName, pszPropName);
            return TRUE;
        }
        CString strValue;
        if (!ExchangePropStringHelper(strValue, vtProp, pvProp, pvDefault))
            return FALSE;
        m_pDocument->SetValue(m_strSectionName, pszPropName, strValue);
        return TRUE;
    }

    if (!m_bUseDefaultOnLoad)
        pvDefault = NULL;
    CString strValue;
    if (!m_pDocument->Lookup(m_strSectionName, pszPropName, strValue) || strValue.IsEmpty())
        return CopyPropValue(vtProp, pvProp, pvDefault);
    return ExchangePropStringHelper(strValue, vtProp, pvProp, pvDefault);
}

BOOL CXTPPropExchangeIniFile::IsSectionExists(LPCTSTR pszSection)
{
    return m_pDocument->HasSection(NestedSectionName(m_strSectionName, pszSection));
}

CXTPPropExchange* CXTPPropExchangeIniFile::GetSection(LPCTSTR pszSection)
{
    OnBeforeExchange();
    return new CXTPPropExchangeIniFile(this, pszSection);
}
