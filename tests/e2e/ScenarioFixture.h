#pragma once
// What every scenario starts from: the program's options and bar state in
// the registry saved and cleared (and put back afterwards), a news server of
// its own, and a program folder of its own. WriteOptions writes the options
// the scenario runs with; "SearchHost" and "WebSite" left empty point at the
// scenario's server; StartProgram writes them and the store and starts the
// program.
#include "tests/support/NewsServer.h"

#include "ProgramOptions.h"
#include "RegistrySnapshot.h"
#include "TidewatchProcess.h"

#include <gtest/gtest.h>

using ScenarioOptions = ProgramOptions;

class ScenarioFixture : public testing::Test
{
protected:
    ScenarioFixture();
    void WriteOptions(ScenarioOptions options);
    bool StartProgram(const std::vector<StoredKeyword>& store, const ScenarioOptions& options = {});
    // Waits until the program's tree reads so (TidewatchProcess::TreeText).
    void WaitForTree(const std::string& text);

    RegistrySnapshot m_programKey;
    RegistrySnapshot m_applicationKey;
    NewsServer m_server;
    TidewatchProcess m_program;
};
