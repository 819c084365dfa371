#include "toolkit/foundation/XTWinVersion.h"

#include "toolkit/foundation/XTPStartup.h"

static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record has the size GetVersionEx expects");

CXTWinVersion::CXTWinVersion()
{
    ZeroMemory(&m_info, sizeof(m_info));
    m_info.dwOSVersionInfoSize = sizeof(m_info);
    ::GetVersionExA(&m_info);
}

CXTWinVersion::CXTWinVersion(const OSVERSIONINFOA& info) : m_info(info)
{}

BOOL CXTWinVersion::IsVersion(DWORD dwMajor, DWORD dwMinor) const
{
    return m_info.dwMajorVersion == dwMajor && m_info.dwMinorVersion == dwMinor;
}

BOOL CXTWinVersion::IsVersionAtLeast(DWORD dwMajor, DWORD dwMinor) const
{
    return m_info.dwMajorVersion > dwMajor
           || (m_info.dwMajorVersion == dwMajor && m_info.dwMinorVersion >= dwMinor);
}

BOOL CXTWinVersion::IsWin32s() const
{
    return IsPlatform(VER_PLATFORM_WIN32s);
}

BOOL CXTWinVersion::IsWin95() const
{
    return IsPlatform(VER_PLATFORM_WIN32_WINDOWS) && m_info.dwMajorVersion == 4 && m_info.dwMinorVersion < 10;
}

BOOL CXTWinVersion::IsWin98() const
{
    return IsPlatform(VER_PLATFORM_WIN32_WINDOWS) && IsVersion(4, 10);
}

BOOL CXTWinVersion::IsWinME() const
{
    return IsPlatform(VER_PLATFORM_WIN32_WINDOWS) && IsVersion(4, 90);
}

BOOL CXTWinVersion::IsWinNT4() const
{
    return IsPlatform(VER_PLATFORM_WIN32_NT) && IsVersion(4, 0);
}

BOOL CXTWinVersion::IsWin2000() const
{
    return IsPlatform(VER_PLATFORM_WIN32_NT) && IsVersion(5, 0);
}

BOOL CXTWinVersion::IsWinXP() const
{
    return IsPlatform(VER_PLATFORM_WIN32_NT) && IsVersion(5, 1);
}

BOOL CXTWinVersion::IsWin95OrGreater() const
{
    return IsPlatform(VER_PLATFORM_WIN32_WINDOWS) && m_info.dwMajorVersion >= 4;
}

BOOL CXTWinVersion::IsWin98OrGreater() const
{
    return IsPlatform(VER_PLATFORM_WIN32_WINDOWS) && IsVersionAtLeast(4, 10);
}

BOOL CXTWinVersion::IsWinMEOrGreater() const
{
    return IsPlatform(VER_PLATFORM_WIN32_WINDOWS) && IsVersionAtLeast(4, 90);
}

BOOL CXTWinVersion::IsWinNT4OrGreater() const
{
    return m_info.dwPlatformId >= VER_PLATFORM_WIN32_NT && m_info.dwMajorVersion >= 4;
}

BOOL CXTWinVersion::IsWin2KOrGreater() const
{
    return m_info.dwPlatformId >= VER_PLATFORM_WIN32_NT && m_info.dwMajorVersion >= 5;
}

BOOL CXTWinVersion::IsWinXPOrGreater() const
{
    return m_info.dwPlatformId >= VER_PLATFORM_WIN32_NT && IsVersionAtLeast(5, 1);
}

namespace {

CXTWinVersion* g_pVersion = NULL;

void BuildWinVersion()
{
    XTOSVersionInfo();
}

} // namespace

CXTWinVersion* XTOSVersionInfo()
{
    if (g_pVersion == NULL)
        g_pVersion = new CXTWinVersion;
    return g_pVersion;
}

XTP_STARTUP_ENTRY(WinVersion, xtpStartupWinVersion, BuildWinVersion, NULL);
