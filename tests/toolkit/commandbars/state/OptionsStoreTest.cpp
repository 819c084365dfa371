// The command-bars options saved and loaded as a program does it: it sets
// options of its own before the load (short menus, say), then loads the
// "<profile>-Options" section, and saves it when it closes. Whatever the
// user chose comes back as chosen, start after start, also where the choice
// is the toolkit's default; a store of an older version loads what it holds,
// and a reader that keeps what the program set for a value it does not find
// (as older versions read) reads the user's choices from a new store.
#include "CommandBarsTestSupport.h"

#include "tests/support/TempFolder.h"
#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/state/XTPPropExchangeParam.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"
#include "toolkit/foundation/XTPPropExchangeRegistry.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <functional>
#include <string>

namespace {

const char* const kCompany = "Tidewatch Options Store Tests";
const char* const kProfile = "OptionsStoreTest";

// One option of the registry form: the value a program sets before its load
// and the value the user then chooses, the toolkit's default.
struct OptionRow
{
    const char* name;
    std::function<int&(CXTPCommandBarsOptions&)> value;
    int nProgram;
    int nUser;
};

const OptionRow kRows[] = {
    {"AlwaysShowFullMenus", [](CXTPCommandBarsOptions& o) -> int& { return o.bAlwaysShowFullMenus; }, FALSE, TRUE},
    {"ShowFullAfterDelay", [](CXTPCommandBarsOptions& o) -> int& { return o.bShowFullAfterDelay; }, FALSE, TRUE},
    {"ToolBarScreenTips", [](CXTPCommandBarsOptions& o) -> int& { return o.bToolBarScreenTips; }, FALSE, TRUE},
    {"ToolBarAccelTips", [](CXTPCommandBarsOptions& o) -> int& { return o.bToolBarAccelTips; }, TRUE, FALSE},
    {"LargeIcons", [](CXTPCommandBarsOptions& o) -> int& { return o.bLargeIcons; }, TRUE, FALSE},
    {"Animation", [](CXTPCommandBarsOptions& o) -> int& { return o.animationType; }, 3, 0},
};

// The registry-form values, for comparing two option records.
std::string Describe(CXTPCommandBarsOptions& options)
{
    std::string text;
    for (const OptionRow& row : kRows)
        text += std::string(row.name) + "=" + std::to_string(row.value(options)) + " ";
    return text;
}

// A program's start: a new manager whose options the program sets up
// (every row at its program value), then loaded from the profile.
class CProgramStart
{
public:
    CProgramStart() : m_pBars((CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject())
    {
        for (const OptionRow& row : kRows)
            row.value(Options()) = row.nProgram;
        m_pBars->LoadOptions(kProfile);
    }
    ~CProgramStart() { m_pBars->InternalRelease(); }
    CXTPCommandBarsOptions& Options() { return *m_pBars->GetCommandBarsOptions(); }
    // What the program does when it closes.
    void Close() { m_pBars->SaveOptions(kProfile); }

private:
    CXTPCommandBars* m_pBars;
};

class OptionsStoreTest : public ::testing::Test
{
protected:
    // The section's key below HKEY_CURRENT_USER.
    CString SectionKey() const
    {
        return CString("Software\\") + kCompany + "\\" + app.m_pszProfileName + "\\" + kProfile + "-Options";
    }
    void WriteSection(std::initializer_list<std::pair<const char*, DWORD>> values)
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, SectionKey());
        HKEY hKey = NULL;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CURRENT_USER, SectionKey(), &hKey));
        for (const auto& [name, dwValue] : values)
            ::RegSetValueExA(hKey, name, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof dwValue);
        ::RegCloseKey(hKey);
    }

    CRegistryTestApp app{kCompany};
};

// Each option set by the program before the load and changed by the user to
// the toolkit's default: three starts in a row bring the user's value back.
TEST_F(OptionsStoreTest, WhatTheUserChoseComesBackStartAfterStart)
{
    for (const OptionRow& row : kRows)
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, SectionKey());
        {
            CProgramStart first;
            ASSERT_EQ(row.nProgram, row.value(first.Options())) << row.name << ": nothing saved yet";
            row.value(first.Options()) = row.nUser;
            first.Close();
        }
        for (int nStart = 2; nStart <= 4; nStart++)
        {
            CProgramStart start;
            EXPECT_EQ(row.nUser, row.value(start.Options())) << row.name << ", start " << nStart;
            start.Close();
        }
    }
}

// Stores written by older versions, which left out every value equal to the
// toolkit's default: a value left out was saved at that default, so the
// user's choice of it comes back; without a section the program's own
// values stand.
TEST_F(OptionsStoreTest, AStoreOfAnOlderVersionLoadsWhatItHolds)
{
    CXTPCommandBarsOptions programs, defaults, chosen;
    for (const OptionRow& row : kRows)
        row.value(programs) = row.nProgram;
    chosen.bAlwaysShowFullMenus = FALSE;
    chosen.bLargeIcons = TRUE;
    chosen.animationType = 4;

    struct StoreRow
    {
        const char* name;
        bool bSection;
        std::initializer_list<std::pair<const char*, DWORD>> values;
        std::string expected;
    };
    const StoreRow rows[] = {
        {"no section: a first start", false, {}, Describe(programs)},
        {"every option at the toolkit's default", true, {}, Describe(defaults)},
        {"short menus, large icons and fading", true,
         {{"AlwaysShowFullMenus", 0}, {"LargeIcons", 1}, {"Animation", 4}},
         Describe(chosen)},
    };
    for (const StoreRow& row : rows)
    {
        if (row.bSection)
            WriteSection(row.values);
        else
            ::SHDeleteKeyA(HKEY_CURRENT_USER, SectionKey());
        CProgramStart start;
        EXPECT_EQ(row.expected, Describe(start.Options())) << row.name;
    }
}

// A reader that keeps the value the program set for one it does not find,
// as older versions read, gets the user's choices from a new store: every
// value is written, the toolkit's defaults too.
TEST_F(OptionsStoreTest, AReaderThatKeepsWhatIsMissingReadsTheUsersChoices)
{
    CXTPCommandBarsOptions users;
    for (const OptionRow& row : kRows)
        row.value(users) = row.nUser;
    {
        CProgramStart start;
        for (const OptionRow& row : kRows)
            row.value(start.Options()) = row.nUser;
        start.Close();
    }
    CXTPCommandBarsOptions read;
    for (const OptionRow& row : kRows)
        row.value(read) = row.nProgram;
    HKEY hAppKey = app.GetAppRegistryKey();
    {
        CXTPPropExchangeRegistry px(TRUE, hAppKey, CString(kProfile) + "-Options");
        px.UseDefaultOnLoad(FALSE);
        read.DoPropExchange(&px, TRUE);
    }
    ::RegCloseKey(hAppKey);
    EXPECT_EQ(Describe(users), Describe(read));
}

// The options in a whole state (here an INI file): the user's choices come
// back over the program's; a state saved without options leaves the
// program's own.
class WholeStateOptionsTest : public CommandBarsTest
{
protected:
    // The state of the frame's manager with or without its options.
    void Exchange(BOOL bLoading, BOOL bOptions)
    {
        CXTPPropExchangeParam param;
        param.bSerializeLayout = FALSE;
        param.bSerializeOptions = bOptions;
        CXTPPropExchangeIniFile px(bLoading, NULL, "State");
        if (bLoading)
        {
            ASSERT_TRUE(px.LoadFromFile(folder.File("state.ini").c_str()));
        }
        frame->m_pCommandBars->DoPropExchange(&px, &param);
        if (!bLoading)
        {
            ASSERT_TRUE(px.SaveToFile(folder.File("state.ini").c_str()));
        }
    }
    CXTPCommandBarsOptions& Options() { return *frame->m_pCommandBars->GetCommandBarsOptions(); }
    void SetUpAsTheProgram()
    {
        for (const OptionRow& row : kRows)
            row.value(Options()) = row.nProgram;
    }

    TempFolder folder;
};

TEST_F(WholeStateOptionsTest, TheUsersChoicesComeBackAndAStateWithoutOptionsKeepsTheProgramsOwn)
{
    CXTPCommandBarsOptions programs, users;
    for (const OptionRow& row : kRows)
    {
        row.value(programs) = row.nProgram;
        row.value(users) = row.nUser;
    }
    for (BOOL bSavedWithOptions : {TRUE, FALSE})
    {
        for (const OptionRow& row : kRows)
            row.value(Options()) = row.nUser;
        Exchange(FALSE, bSavedWithOptions);
        SetUpAsTheProgram();
        Exchange(TRUE, TRUE);
        EXPECT_EQ(Describe(bSavedWithOptions ? users : programs), Describe(Options()))
            << (bSavedWithOptions ? "saved with options" : "saved without");
    }
}

} // namespace
