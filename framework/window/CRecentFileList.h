#pragma once
// The most-recently-used file list of the application, kept in a profile
// section as "File1", "File2"... (most recent first).
#include "framework/Core.h"

class CRecentFileList
{
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize);
    virtual ~CRecentFileList();

    int GetSize() const { return m_nSize; }
    CString& operator[](int nIndex) { return m_arrNames[nIndex]; }
    // Puts the file first; a file already listed moves up, the oldest drops out.
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    // The name entry nIndex shows in a menu: FALSE for an empty (or missing)
    // entry. A file that lies directly in lpszCurDir (nCurDir characters,
    // ending in a backslash) shows without its path; any other keeps its
    // full name, however long.
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir) const;
    // Rewrites the section with the names that are set.
    virtual void WriteList();

    CString* m_arrNames;
    int m_nSize;
    UINT m_nStart; // the command id offset of the first entry
    CString m_strSectionName;
    CString m_strEntryFormat;

private:
    CRecentFileList(const CRecentFileList&);
    void operator=(const CRecentFileList&);
    CString EntryName(int nIndex) const;
};
