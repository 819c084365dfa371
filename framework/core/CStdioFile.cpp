#include "framework/core/CStdioFile.h"

#include "framework/core/CException.h"

#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(NULL)
{}

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream)
{
    if (pOpenStream)
        m_hFile = (HANDLE)_get_osfhandle(_fileno(pOpenStream));
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_pStream(NULL)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream && m_bCloseOnDelete)
        Abort();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    // The handle is opened with the framework's flags, then wrapped in a stream.
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError))
        return FALSE;
    char mode[4] = {0};
    UINT nAccess = nOpenFlags & 3;
    mode[0] = nAccess == modeRead ? 'r' : nAccess == modeWrite ? 'w' : 'r';
    int n = 1;
    if (nAccess == modeReadWrite)
        mode[n++] = '+';
    mode[n] = (nOpenFlags & typeBinary) ? 'b' : 't';
    int osFlags = (nAccess == modeRead    ? _O_RDONLY
                   : nAccess == modeWrite ? _O_WRONLY
                                          : _O_RDWR)
                  | ((nOpenFlags & typeBinary) ? _O_BINARY : _O_TEXT);
    int fd = _open_osfhandle((intptr_t)m_hFile, osFlags);
    m_pStream = fd < 0 ? NULL : _fdopen(fd, mode);
    if (!m_pStream)
    {
        if (fd >= 0)
            _close(fd);
        else
            CloseHandle(m_hFile);
        m_hFile = hFileNull;
        m_bCloseOnDelete = FALSE;
        if (pError)
        {
            pError->m_cause = CFileException::tooManyOpenFiles;
            pError->m_lOsError = ERROR_TOO_MANY_OPEN_FILES;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    return TRUE;
}

void CStdioFile::ThrowStreamError() const
{
    AfxThrowFileException(CFileException::genericException, (LONG)_doserrno, m_strFileName);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    UINT nRead = (UINT)fread(lpBuf, 1, nCount, m_pStream);
    if (nRead < nCount && ferror(m_pStream))
    {
        clearerr(m_pStream);
        ThrowStreamError();
    }
    return nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
    {
        clearerr(m_pStream);
        ThrowStreamError();
    }
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    static const int kOrigin[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (nFrom > end || _fseeki64(m_pStream, lOff, kOrigin[nFrom]) != 0)
        AfxThrowFileException(CFileException::badSeek, (LONG)_doserrno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetPosition() const
{
    __int64 position = _ftelli64(m_pStream);
    if (position < 0)
        ThrowStreamError();
    return (ULONGLONG)position;
}

ULONGLONG CStdioFile::GetLength() const
{
    fflush(m_pStream);
    return CFile::GetLength();
}

void CStdioFile::Flush()
{
    if (m_pStream && fflush(m_pStream) != 0)
        ThrowStreamError();
}

void CStdioFile::Close()
{
    int result = m_pStream ? fclose(m_pStream) : 0; // closes the handle as well
    m_pStream = NULL;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (result != 0)
        ThrowStreamError();
}

void CStdioFile::Abort()
{
    if (m_pStream)
        fclose(m_pStream);
    m_pStream = NULL;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    LPTSTR result = fgets(lpsz, (int)nMax, m_pStream);
    if (!result && ferror(m_pStream))
    {
        clearerr(m_pStream);
        ThrowStreamError();
    }
    return result;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    char chunk[256];
    BOOL readAny = FALSE;
    while (ReadString(chunk, sizeof chunk))
    {
        readAny = TRUE;
        rString += chunk;
        if (rString.GetLength() > 0 && rString[rString.GetLength() - 1] == '\n')
            break;
    }
    // A binary stream keeps the carriage return of the line end: drop it as well.
    if (rString.GetLength() > 0 && rString[rString.GetLength() - 1] == '\n')
        rString.Delete(rString.GetLength() - 1);
    if (rString.GetLength() > 0 && rString[rString.GetLength() - 1] == '\r')
        rString.Delete(rString.GetLength() - 1);
    return readAny;
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (fputs(lpsz ? lpsz : "", m_pStream) == EOF)
    {
        clearerr(m_pStream);
        ThrowStreamError();
    }
}
