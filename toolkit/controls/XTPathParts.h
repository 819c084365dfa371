#pragma once
// CXTPathParts: a file path split into drive, directory, file name and
// extension.
//
//   CXTPathParts parts("C:\\news\\conf.xml");
//   parts.GetDrive();      // "C:"
//   parts.GetDir();        // "\\news\\"
//   parts.GetFName();      // "conf"
//   parts.GetExt();        // ".xml"
//
// A part longer than its buffer is cut to the buffer; nothing is written past
// the buffers.
#include "framework/Core.h"

class CXTPathParts
{
public:
    // Splits the path when one is given.
    explicit CXTPathParts(LPCTSTR lpszPath = NULL);
    virtual ~CXTPathParts();

    // Drive with its colon, directory with its trailing separator, file name
    // without extension, extension with its dot; a missing part is empty.
    void SplitPath(LPCTSTR lpszPath);

    CString GetDrive() const { return m_szDrive; }
    CString GetDir() const { return m_szDir; }
    CString GetFName() const { return m_szFName; }
    CString GetExt() const { return m_szExt; }
    // Drive and directory.
    CString GetDrivePath() const;
    // File name and extension.
    CString GetFileName() const;

    char m_szDrive[3];
    char m_szDir[256];
    char m_szFName[256];
    char m_szExt[256];
};
