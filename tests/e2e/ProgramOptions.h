#pragma once
// The options a run of the program starts with, written where the program
// reads them: REG_DWORD values and the "SearchHost" and "WebSite" texts under
// HKEY_CURRENT_USER kOptionsKey. The sound is always off (there is no sound
// device here) and the timed check keeps its 30 minutes, longer than any run.
#include <windows.h>

#include <string>

struct ProgramOptions
{
    static const char kOptionsKey[];
    // The keys a run writes: the options, and the framework profile with the
    // theme and the bar state.
    static const char kProgramKey[];
    static const char kApplicationKey[];

    DWORD autoCheckOnStart = 0, showSummary = 1, showSummaryOnStart = 0, checkUpgrade = 0;
    std::string searchHost; // "host:port"
    std::string webSite;    // "http://host:port"

    // False when a value could not be written.
    bool Write() const;
};
