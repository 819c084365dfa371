#pragma once
// What the benches that drive Tidewatch.exe from outside share: the run's
// registry keys, put back when the bench ends; the program's virtual desktop
// and its options pointed at the bench's news server; and the program's CPU
// time, as the system reports it (GetProcessTimes, kernel and user) and as
// the kernel counts it. GetProcessTimes of another process counts a few
// milliseconds a second under wine even while the kernel sees the process
// asleep, so the benches show both.
//
//     ProgramBenchRun run;                  // the keys saved, the server up
//     if (!run.Enter(ProgramOptions())) return 1;
//     ...
//     double before = CpuSeconds(process), kernelBefore = KernelCpuSeconds(path);
//     Sleep(60000);
//     printf("%.0f ms", (CpuSeconds(process) - before) * 1000);
#include "tests/support/NewsServer.h"

#include "ProgramOptions.h"
#include "RegistrySnapshot.h"
#include "VirtualDesktop.h"

#include <windows.h>

#include <stdio.h>

#include <string>

// Kernel and user time of the process in seconds; -1 when it cannot be read.
inline double CpuSeconds(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    auto seconds = [](const FILETIME& t) {
        return (((unsigned long long)t.dwHighDateTime << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

inline std::string ReadWholeFile(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char piece[4096];
    DWORD got = 0;
    while (ReadFile(file, piece, sizeof piece, &got, NULL) && got > 0)
        bytes.append(piece, got);
    CloseHandle(file);
    return bytes;
}

// The kernel's own count of the program's CPU time, read from /proc through
// wine's Z: drive: the process whose command line is the program's path and
// whose WINEPREFIX is this one's. -1 when the process is not found.
inline double KernelCpuSeconds(const std::string& programPath)
{
    char prefix[MAX_PATH] = "";
    GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA("Z:\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE)
        return -1;
    double seconds = -1;
    do
    {
        std::string folder = std::string("Z:\\proc\\") + entry.cFileName + "\\";
        if (entry.cFileName[0] < '1' || entry.cFileName[0] > '9')
            continue;
        std::string commandLine = ReadWholeFile(folder + "cmdline");
        std::string environment = ReadWholeFile(folder + "environ");
        if (lstrcmpiA(commandLine.c_str(), programPath.c_str()) != 0
            || (prefix[0]
                && environment.find(std::string("WINEPREFIX=") + prefix + '\0') == std::string::npos))
            continue;
        // Fields 14 and 15, after the name in parentheses: user and system
        // time in clock ticks of 10 ms.
        std::string stat = ReadWholeFile(folder + "stat");
        size_t nameEnd = stat.rfind(')');
        unsigned long user = 0, system = 0;
        if (nameEnd != std::string::npos
            && sscanf(stat.c_str() + nameEnd + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu",
                      &user, &system)
                   == 2)
            seconds = (user + system) / 100.0;
    } while (seconds < 0 && FindNextFileA(find, &entry));
    FindClose(find);
    return seconds;
}

struct ProgramBenchRun
{
    RegistrySnapshot desktopSizes{HKEY_CURRENT_USER, VirtualDesktop::kSizesKey};
    RegistrySnapshot programKey{HKEY_CURRENT_USER, ProgramOptions::kProgramKey};
    RegistrySnapshot applicationKey{HKEY_CURRENT_USER, ProgramOptions::kApplicationKey};
    NewsServer server;

    // Moves the calling thread, which owns no window yet, onto the desktop,
    // and writes the options with the news search and the web site at the
    // server, the framework's profile (theme, bars) cleared; false with the
    // reason printed.
    bool Enter(ProgramOptions options)
    {
        if (!VirtualDesktop::Enter())
            return false;
        options.searchHost = server.HostText();
        options.webSite = server.SiteAddress();
        DeleteRegistryKey(HKEY_CURRENT_USER, ProgramOptions::kApplicationKey);
        if (options.Write())
            return true;
        printf("cannot write the options\n");
        return false;
    }
};
