#include "framework/core/CFile.h"

#include "framework/core/CException.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

// Describes the last Win32 error in the caller's exception object; answers FALSE.
static BOOL FailOpen(LPCTSTR lpszFileName, CFileException* pError)
{
    if (pError)
    {
        LONG lOsError = (LONG)GetLastError();
        pError->m_cause = CFileException::OsErrorToException(lOsError);
        pError->m_lOsError = lOsError;
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    static const DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
    static const DWORD kShare[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE};
    UINT nMode = nOpenFlags & 3;
    UINT nShare = (nOpenFlags & 0x70) >> 4;
    if (nMode > 2 || nShare > 4)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FailOpen(lpszFileName, pError);
    }
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES security = {sizeof security, NULL, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
    HANDLE hFile = CreateFileA(lpszFileName, kAccess[nMode], kShare[nShare], &security, creation,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FailOpen(lpszFileName, pError);
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = lpszFileName;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    LONG lOsError = (LONG)GetLastError();
    AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    DWORD nRead = 0;
    if (nCount && !ReadFile(m_hFile, lpBuf, nCount, &nRead, NULL))
        ThrowLastError();
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    DWORD nWritten = 0;
    if (nCount == 0)
        return;
    if (!WriteFile(m_hFile, lpBuf, nCount, &nWritten, NULL))
        ThrowLastError();
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER distance, position;
    distance.QuadPart = lOff;
    if (nFrom > end || !SetFilePointerEx(m_hFile, distance, &position, nFrom))
        AfxThrowFileException(CFileException::badSeek, (LONG)GetLastError(), m_strFileName);
    return position.QuadPart;
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero, position;
    zero.QuadPart = 0;
    if (!SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT))
        ThrowLastError();
    return position.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        ThrowLastError();
    return size.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    ULONGLONG position = GetPosition();
    Seek((LONGLONG)dwNewLen, begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError();
    if (position < dwNewLen)
        Seek((LONGLONG)position, begin);
}

void CFile::Flush()
{
    if (m_hFile != hFileNull && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    BOOL failed = FALSE;
    if (m_hFile != hFileNull)
        failed = !CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (failed)
        ThrowLastError();
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

CString CFile::GetFileName() const
{
    int nStart = 0;
    for (int i = 0; i < m_strFileName.GetLength(); ++i)
    {
        if (strchr("\\/:", m_strFileName[i]))
            nStart = i + 1;
    }
    return m_strFileName.Mid(nStart);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    if (!DeleteFileA(lpszFileName))
    {
        LONG lOsError = (LONG)GetLastError();
        AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, lpszFileName);
    }
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (!MoveFileA(lpszOldName, lpszNewName))
    {
        LONG lOsError = (LONG)GetLastError();
        AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, lpszOldName);
    }
}
