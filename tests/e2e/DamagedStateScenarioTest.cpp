// A damaged saved state never stops the program: after a first run has saved
// its bar state, the scenario writes counts that promise far more than the
// profile holds (the used commands, the bar sections, a dock row). The
// program starts as usual, and once it closed the profile holds the sections
// of its own bars and counts that match them.
#include "ScenarioFixture.h"

#include <shlwapi.h>

namespace {

using DamagedStateScenario = ScenarioFixture;

// The key of the application's profile (its one subkey below the framework
// key); empty when there is none.
std::string ApplicationProfileKey()
{
    HKEY hKey = NULL;
    std::string path;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, ProgramOptions::kApplicationKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return path;
    char name[MAX_PATH];
    DWORD length = sizeof name;
    if (::RegEnumKeyExA(hKey, 0, name, &length, NULL, NULL, NULL, NULL) == ERROR_SUCCESS)
        path = std::string(ProgramOptions::kApplicationKey) + "\\" + name;
    ::RegCloseKey(hKey);
    return path;
}

bool KeyExists(const std::string& path)
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

DWORD ReadNumber(const std::string& path, const char* name)
{
    DWORD value = 0, size = sizeof value;
    if (::SHGetValueA(HKEY_CURRENT_USER, path.c_str(), name, NULL, &value, &size) != ERROR_SUCCESS)
        return 0xFFFFFFFF;
    return value;
}

TEST_F(DamagedStateScenario, CountsBeyondTheSavedStateNeitherStopTheProgramNorStay)
{
    ASSERT_TRUE(StartProgram({}));
    ASSERT_TRUE(m_program.Close());
    const std::string app = ApplicationProfileKey();
    ASSERT_FALSE(app.empty());
    const std::string state = app + "\\Quorvane Tidewatch CommandBar";
    ASSERT_TRUE(KeyExists(state + "-Bar0")) << "the first run saved its bars";
    ASSERT_FALSE(KeyExists(state + "-Bar2"));

    ASSERT_TRUE(WriteRegistryNumber(HKEY_CURRENT_USER, state + "-Options\\UsedCommands", "Count", 0x7FFFFFFF));
    ASSERT_TRUE(WriteRegistryNumber(HKEY_CURRENT_USER, state + "-Summary", "Bars", 1024));
    ASSERT_TRUE(WriteRegistryNumber(HKEY_CURRENT_USER, state + "-DockBar0", "Bars", 0x7FFFFFFF));

    TidewatchProcess program;
    ASSERT_TRUE(program.WriteStore({{"harbour", {}}}));
    ASSERT_TRUE(program.Start()) << "the damaged state kept the window from showing";
    EXPECT_EQ("Zivoror Udove | harbour", program.TreeText());
    ASSERT_TRUE(program.Close());

    EXPECT_FALSE(KeyExists(state + "-Bar2")) << "a bar section the load made";
    EXPECT_FALSE(KeyExists(state + "-Bar1023")) << "a bar section the load made";
    EXPECT_EQ(2u, ReadNumber(state + "-Summary", "Bars"));
    EXPECT_NE(0x7FFFFFFFu, ReadNumber(state + "-Options\\UsedCommands", "Count"));
    EXPECT_NE(0x7FFFFFFFu, ReadNumber(state + "-DockBar0", "Bars"));
}

} // namespace
