#include "toolkit/foundation/XTPResourceManagerIni.h"

namespace {
const DWORD kResourceTextSize = 2550;
}

CXTPResourceManagerIni::CXTPResourceManagerIni(LPCTSTR pszFileName) : m_strFileName(pszFileName)
{
    m_bValid = ::GetFileAttributesA(pszFileName) != INVALID_FILE_ATTRIBUTES;
}

void CXTPResourceManagerIni::ExpandEscapes(CString& strText)
{
    strText.Replace("\\n", "\n");
    strText.Replace("\\t", "\t");
}

BOOL CXTPResourceManagerIni::GetResourceText(CString& strText, UINT nID, LPCTSTR pszType)
{
    CString strKey;
    strKey.Format("%i", (int)nID);
    CString strValue;
    LPTSTR pszBuffer = strValue.GetBuffer(kResourceTextSize);
    DWORD nRead =
        ::GetPrivateProfileStringA(pszType, strKey, "", pszBuffer, kResourceTextSize, m_strFileName);
    strValue.ReleaseBuffer(nRead);
    if (strValue.IsEmpty())
        return FALSE;
    ExpandEscapes(strValue);
    strText = strValue;
    return TRUE;
}

BOOL CXTPResourceManagerIni::LoadString(CString* pString, UINT nIDResource)
{
    if (GetResourceText(*pString, nIDResource, "string"))
        return TRUE;
    return CXTPResourceManager::LoadString(pString, nIDResource);
}

BOOL CXTPResourceManagerIni::LoadMenu(CMenu* pMenu, UINT nIDResource)
{
    CString strText;
    if (GetResourceText(strText, nIDResource, "menu") && CreateMenu(*pMenu, strText))
        return TRUE;
    return CXTPResourceManager::LoadMenu(pMenu, nIDResource);
}

LPCDLGTEMPLATE CXTPResourceManagerIni::LoadDialogTemplate(LPCTSTR pszTemplate)
{
    CString strText;
    if (IS_INTRESOURCE(pszTemplate) && GetResourceText(strText, (UINT)(UINT_PTR)pszTemplate, "dialog"))
    {
        LPDLGTEMPLATE pTemplate = CreateDialogTemplate(strText);
        if (pTemplate != NULL)
            return pTemplate;
    }
    return CXTPResourceManager::LoadDialogTemplate(pszTemplate);
}
