#include "ProgramOptions.h"

#include "RegistrySnapshot.h"

const char ProgramOptions::kOptionsKey[] = "Software\\Quorvane\\Tidewatch\\Profile";
const char ProgramOptions::kProgramKey[] = "Software\\Quorvane\\Tidewatch";
const char ProgramOptions::kApplicationKey[] = "Software\\Quorvane Tidewatch Applications";

bool ProgramOptions::Write() const
{
    const struct
    {
        const char* name;
        DWORD value;
    } numbers[] = {
        {"AutoCheckOnStart", autoCheckOnStart},
        {"AutoCheckEvery", 1},
        {"AutoCheckInterval", 30},
        {"ShowSummary", showSummary},
        {"ShowSummaryOnStart", showSummaryOnStart},
        {"PlaySoundOnNews", 0},
        {"AlertTime", 10},
        {"CheckUpgrade", checkUpgrade},
    };
    bool ok = true;
    for (const auto& number : numbers)
        ok = WriteRegistryNumber(HKEY_CURRENT_USER, kOptionsKey, number.name, number.value) && ok;
    return WriteRegistryText(HKEY_CURRENT_USER, kOptionsKey, "SearchHost", searchHost)
           && WriteRegistryText(HKEY_CURRENT_USER, kOptionsKey, "WebSite", webSite) && ok;
}
