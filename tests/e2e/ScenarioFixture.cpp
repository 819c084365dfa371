#include "ScenarioFixture.h"

ScenarioFixture::ScenarioFixture()
    : m_programKey(HKEY_CURRENT_USER, ProgramOptions::kProgramKey),
      m_applicationKey(HKEY_CURRENT_USER, ProgramOptions::kApplicationKey)
{
    DeleteRegistryKey(HKEY_CURRENT_USER, ProgramOptions::kProgramKey);
    DeleteRegistryKey(HKEY_CURRENT_USER, ProgramOptions::kApplicationKey);
}

void ScenarioFixture::WriteOptions(ScenarioOptions options)
{
    if (options.searchHost.empty())
        options.searchHost = m_server.HostText();
    if (options.webSite.empty())
        options.webSite = m_server.SiteAddress();
    ASSERT_TRUE(options.Write());
}
