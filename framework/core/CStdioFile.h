#pragma once
// CStdioFile: a buffered C runtime stream, in text mode unless opened with typeBinary. In text
// mode line ends are "\r\n" on disk and "\n" in memory.
#include "framework/core/CFile.h"

#include <stdio.h>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    explicit CStdioFile(FILE* pOpenStream);
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    // The next line without its line end; FALSE at the end of the file.
    BOOL ReadString(CString& rString);
    // At most nMax - 1 characters of the next line, its "\n" included; NULL at the end.
    LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    void WriteString(LPCTSTR lpsz);

    FILE* m_pStream;

private:
    void ThrowStreamError() const;
};
