#pragma once
// What every scenario starts from: the program's options and bar state in
// the registry saved and cleared (and put back afterwards), a news server of
// its own, and a program folder of its own. Options() writes the options the
// scenario runs with, pointing "SearchHost" and "WebSite" at the server.
#include "tests/support/NewsServer.h"
#include "RegistrySnapshot.h"
#include "TidewatchProcess.h"

#include <gtest/gtest.h>

struct ScenarioOptions
{
    DWORD autoCheckOnStart = 0;
    DWORD showSummary = 1;
    DWORD alertTime = 10;
    DWORD checkUpgrade = 0;
    std::string searchHost; // empty: the scenario's server
    std::string webSite;    // empty: the scenario's server
};

class ScenarioFixture : public testing::Test
{
protected:
    static const char kOptionsKey[];
    static const char kProgramKey[];
    static const char kApplicationKey[];

    ScenarioFixture();
    void WriteOptions(const ScenarioOptions& options);

    RegistrySnapshot m_programKey;
    RegistrySnapshot m_applicationKey;
    NewsServer m_server;
    TidewatchProcess m_program;
};
