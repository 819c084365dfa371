#include "toolkit/foundation/XTWinVersion.h"

#include <gtest/gtest.h>

namespace {

CXTWinVersion Version(DWORD dwPlatform, DWORD dwMajor, DWORD dwMinor)
{
    OSVERSIONINFOA info = {sizeof(OSVERSIONINFOA), dwMajor, dwMinor, 0, dwPlatform, ""};
    return CXTWinVersion(info);
}

// One row per version record: the thirteen answers in the order
// Win32s, 95, 98, ME, NT4, 2000, XP, 95+, 98+, ME+, NT4+, 2K+, XP+.
struct VersionRow
{
    DWORD dwPlatform, dwMajor, dwMinor;
    const char* pszAnswers;
};

const VersionRow g_rows[] = {
    {VER_PLATFORM_WIN32s, 3, 10, "1000000000000"},
    {VER_PLATFORM_WIN32_WINDOWS, 4, 0, "0100000100000"},
    {VER_PLATFORM_WIN32_WINDOWS, 4, 3, "0100000100000"},
    {VER_PLATFORM_WIN32_WINDOWS, 4, 10, "0010000110000"},
    {VER_PLATFORM_WIN32_WINDOWS, 4, 90, "0001000111000"},
    {VER_PLATFORM_WIN32_NT, 3, 51, "0000000000000"},
    {VER_PLATFORM_WIN32_NT, 4, 0, "0000100000100"},
    {VER_PLATFORM_WIN32_NT, 5, 0, "0000010000110"},
    {VER_PLATFORM_WIN32_NT, 5, 1, "0000001000111"},
    {VER_PLATFORM_WIN32_NT, 5, 2, "0000000000111"},
    {VER_PLATFORM_WIN32_NT, 6, 0, "0000000000111"},
};

TEST(WinVersion, AnswersFollowTheVersionTable)
{
    for (const VersionRow& row : g_rows)
    {
        CXTWinVersion v = Version(row.dwPlatform, row.dwMajor, row.dwMinor);
        const BOOL answers[] = {v.IsWin32s(),         v.IsWin95(),           v.IsWin98(),
                                v.IsWinME(),          v.IsWinNT4(),          v.IsWin2000(),
                                v.IsWinXP(),          v.IsWin95OrGreater(),  v.IsWin98OrGreater(),
                                v.IsWinMEOrGreater(), v.IsWinNT4OrGreater(), v.IsWin2KOrGreater(),
                                v.IsWinXPOrGreater()};
        for (int i = 0; i < 13; i++)
            EXPECT_EQ(row.pszAnswers[i] == '1', answers[i] != FALSE)
                << "platform " << row.dwPlatform << " version " << row.dwMajor << "." << row.dwMinor
                << " answer " << i;
    }
}

} // namespace
