#include "toolkit/foundation/XTPPropExchangeIniFile.h"

namespace {
const DWORD kFirstReadSize = 4096;

BOOL IsTrimmedByProfileRead(char ch)
{
    return ch == ' ' || ch == '"';
}

// The profile read drops the spaces around a value and one pair of quotes
// enclosing it: a text that would lose either is stored inside quotes.
CString ProtectedFromProfileRead(const CString& strValue)
{
    int nLength = strValue.GetLength();
    if (nLength == 0
        || (!IsTrimmedByProfileRead(strValue[0]) && !IsTrimmedByProfileRead(strValue[nLength - 1])))
        return strValue;
    return "\"" + strValue + "\"";
}

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
{
    m_bLoading = bLoading;
    m_strSectionName = NestedSectionName(lpszParentSection, lpszSection);
}

CXTPPropExchangeIniFile::~CXTPPropExchangeIniFile()
{
    if (IsRootSection() && !m_strFileName.IsEmpty())
    {
        FlushProfileCache();
        ::DeleteFileA(m_strFileName);
    }
}

BOOL CXTPPropExchangeIniFile::OnBeforeExchange()
{
    if (!m_bInitialized)
    {
        m_bInitialized = TRUE;
        if (m_strFileName.IsEmpty())
        {
            char szTempPath[MAX_PATH];
            char szTempFile[MAX_PATH];
            if (::GetTempPathA(MAX_PATH, szTempPath) == 0
                || ::GetTempFileNameA(szTempPath, "xtp", 0, szTempFile) == 0)
                return FALSE;
            m_strFileName = szTempFile;
        }
    }
    return !m_strFileName.IsEmpty();
}

// The profile functions may keep a file's contents cached; this writes the
// cache out before the file is copied or deleted.
void CXTPPropExchangeIniFile::FlushProfileCache()
{
    ::WritePrivateProfileStringA(NULL, NULL, NULL, m_strFileName);
}

BOOL CXTPPropExchangeIniFile::LoadFromFile(LPCTSTR lpszFileName)
{
    if (::GetFileAttributesA(lpszFileName) == INVALID_FILE_ATTRIBUTES || !OnBeforeExchange())
        return FALSE;
    FlushProfileCache();
    return ::CopyFileA(lpszFileName, m_strFileName, FALSE);
}

BOOL CXTPPropExchangeIniFile::SaveToFile(LPCTSTR lpszFileName)
{
    if (!OnBeforeExchange())
        return FALSE;
    FlushProfileCache();
    // Copying over the target replaces it only once the copy succeeded.
    return ::CopyFileA(m_strFileName, lpszFileName, FALSE);
}

BOOL CXTPPropExchangeIniFile::ReadString(LPCTSTR pszPropName, CString& strValue)
{
    for (DWORD nSize = kFirstReadSize;; nSize *= 2)
    {
        LPTSTR pszBuffer = strValue.GetBuffer(nSize);
        DWORD nRead =
            ::GetPrivateProfileStringA(m_strSectionName, pszPropName, "", pszBuffer, nSize, m_strFileName);
        strValue.ReleaseBuffer(nRead);
        if (nRead < nSize - 1)
            return nRead > 0;
    }
}

BOOL CXTPPropExchangeIniFile::ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp,
                                           const void* pvDefault)
{
    if (IsStoring())
    {
        if (!OnBeforeExchange())
            return FALSE;
        // A value equal to its default is left out: an older stored value goes.
        if (IsSamePropValue(vtProp, pvProp, pvDefault))
        {
            ::WritePrivateProfileStringA(m_strSectionName, pszPropName, NULL, m_strFileName);
            return TRUE;
        }
        CString strValue;
        if (!ExchangePropStringHelper(strValue, vtProp, pvProp, pvDefault))
            return FALSE;
        return ::WritePrivateProfileStringA(m_strSectionName, pszPropName, ProtectedFromProfileRead(strValue),
                                            m_strFileName);
    }

    if (!m_bUseDefaultOnLoad)
        pvDefault = NULL;
    CString strValue;
    if (!OnBeforeExchange() || !ReadString(pszPropName, strValue))
        return CopyPropValue(vtProp, pvProp, pvDefault);
    return ExchangePropStringHelper(strValue, vtProp, pvProp, pvDefault);
}

BOOL CXTPPropExchangeIniFile::IsSectionExists(LPCTSTR pszSection)
{
    if (!OnBeforeExchange())
        return FALSE;
    // A section without a value is as good as missing: a few bytes tell.
    char szValues[8];
    return ::GetPrivateProfileSectionA(NestedSectionName(m_strSectionName, pszSection), szValues,
                                       sizeof(szValues), m_strFileName)
           > 0;
}

CXTPPropExchange* CXTPPropExchangeIniFile::GetSection(LPCTSTR pszSection)
{
    OnBeforeExchange();
    CXTPPropExchangeIniFile* pSection =
        new CXTPPropExchangeIniFile(IsLoading(), m_strSectionName, pszSection);
    pSection->InitSection(this);
    pSection->m_strFileName = m_strFileName;
    return pSection;
}
