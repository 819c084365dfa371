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

bool ScenarioFixture::StartProgram(const std::vector<StoredKeyword>& store, const ScenarioOptions& options)
{
    WriteOptions(options);
    return !HasFatalFailure() && m_program.WriteStore(store) && m_program.Start();
}

void ScenarioFixture::WaitForTree(const std::string& text)
{
    ASSERT_TRUE(WaitUntil([&] { return m_program.TreeText() == text; })) << m_program.TreeText();
}
