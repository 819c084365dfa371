#pragma once
// The operating-system version tests of the controls, on the platform id and
// the major and minor version numbers that GetVersionEx reports.
#include <windows.h>

class CXTWinVersion
{
public:
    // Reads the running system's version.
    CXTWinVersion();
    // Uses the given record (tests and callers that know the version).
    explicit CXTWinVersion(const OSVERSIONINFOA& info);

    BOOL IsWin32s() const;
    BOOL IsWin95() const;
    BOOL IsWin98() const;
    BOOL IsWinME() const;
    BOOL IsWinNT4() const;
    BOOL IsWin2000() const;
    BOOL IsWinXP() const;
    BOOL IsWin95OrGreater() const;
    BOOL IsWin98OrGreater() const;
    BOOL IsWinMEOrGreater() const;
    BOOL IsWinNT4OrGreater() const;
    BOOL IsWin2KOrGreater() const;
    BOOL IsWinXPOrGreater() const;

    const OSVERSIONINFOA& GetVersionInfo() const { return m_info; }

private:
    BOOL IsPlatform(DWORD dwPlatform) const { return m_info.dwPlatformId == dwPlatform; }
    BOOL IsVersion(DWORD dwMajor, DWORD dwMinor) const;
    BOOL IsVersionAtLeast(DWORD dwMajor, DWORD dwMinor) const;

    OSVERSIONINFOA m_info;
};

// The shared version record, built by the toolkit's start-up (or on the first
// call before it).
CXTWinVersion* XTOSVersionInfo();
