#include "ScenarioFixture.h"

const char ScenarioFixture::kOptionsKey[] = "Software\\Quorvane\\Tidewatch\\Profile";
const char ScenarioFixture::kProgramKey[] = "Software\\Quorvane\\Tidewatch";
const char ScenarioFixture::kApplicationKey[] = "Software\\Quorvane Tidewatch Applications";

ScenarioFixture::ScenarioFixture()
    : m_programKey(HKEY_CURRENT_USER, kProgramKey), m_applicationKey(HKEY_CURRENT_USER, kApplicationKey)
{
    DeleteRegistryKey(HKEY_CURRENT_USER, kProgramKey);
    DeleteRegistryKey(HKEY_CURRENT_USER, kApplicationKey);
}

void ScenarioFixture::WriteOptions(const ScenarioOptions& options)
{
    const struct
    {
        const char* name;
        DWORD value;
    } numbers[] = {
        {"AutoCheckOnStart", options.autoCheckOnStart},
        {"AutoCheckEvery", 1},
        {"AutoCheckInterval", 30},
        {"ShowSummary", options.showSummary},
        {"ShowSummaryOnStart", 0},
        // No sound device here; the sound is not what the suite looks at.
        {"PlaySoundOnNews", 0},
        {"AlertTime", options.alertTime},
        {"CheckUpgrade", options.checkUpgrade},
    };
    for (const auto& number : numbers)
        ASSERT_TRUE(WriteRegistryNumber(HKEY_CURRENT_USER, kOptionsKey, number.name, number.value));
    std::string host = options.searchHost.empty() ? m_server.HostText() : options.searchHost;
    std::string site = options.webSite.empty() ? m_server.SiteAddress() : options.webSite;
    ASSERT_TRUE(WriteRegistryText(HKEY_CURRENT_USER, kOptionsKey, "SearchHost", host));
    ASSERT_TRUE(WriteRegistryText(HKEY_CURRENT_USER, kOptionsKey, "WebSite", site));
}
