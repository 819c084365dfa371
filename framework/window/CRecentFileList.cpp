#include "framework/window/CRecentFileList.h"
#include "framework/window/CWinApp.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize)
    : m_arrNames(new CString[nSize > 0 ? nSize : 1]), m_nSize(nSize > 0 ? nSize : 0), m_nStart(nStart),
      m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat)
{}

CRecentFileList::~CRecentFileList()
{
    delete[] m_arrNames;
}

CString CRecentFileList::EntryName(int nIndex) const
{
    CString entry;
    entry.Format(m_strEntryFormat, nIndex + 1);
    return entry;
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (m_nSize == 0)
        return;
    char fullPath[MAX_PATH];
    if (::GetFullPathNameA(lpszPathName, MAX_PATH, fullPath, NULL) == 0)
        lstrcpynA(fullPath, lpszPathName, MAX_PATH);
    // The slot to free: the file's own place, else the last one.
    int nFree = m_nSize - 1;
    for (int i = 0; i < m_nSize; ++i)
    {
        if (m_arrNames[i].CompareNoCase(fullPath) == 0)
        {
            nFree = i;
            break;
        }
    }
    for (int i = nFree; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = fullPath;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    for (int i = nIndex; i < m_nSize - 1; ++i)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[m_nSize - 1].Empty();
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    for (int i = 0; i < m_nSize; ++i)
        m_arrNames[i] = pApp->GetProfileString(m_strSectionName, EntryName(i));
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileString(m_strSectionName, NULL, NULL);
    for (int i = 0; i < m_nSize; ++i)
    {
        if (!m_arrNames[i].IsEmpty())
            pApp->WriteProfileString(m_strSectionName, EntryName(i), m_arrNames[i]);
    }
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir) const
{
    if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[nIndex].IsEmpty())
        return FALSE;
    const CString& strPath = m_arrNames[nIndex];
    strName = strPath;
    if (lpszCurDir != NULL && nCurDir > 0 && strPath.GetLength() > nCurDir
        && strPath.Left(nCurDir).CompareNoCase(CString(lpszCurDir).Left(nCurDir)) == 0)
    {
        CString strRest = strPath.Mid(nCurDir);
        if (strRest.Find('\\') < 0)
            strName = strRest;
    }
    return TRUE;
}
