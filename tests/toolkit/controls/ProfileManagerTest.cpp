#include "toolkit/controls/XTProfileManager.h"
#include "framework/window/CWinApp.h"
#include "toolkit/foundation/XTAuxData.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <set>
#include <string>

namespace {

const char kCompany[] = "Tidewatch Profile Tests";
const char kApplication[] = "Profile Manager";

enum Mode
{
    kRegistry,
    kIniFile
};

// A profile manager under HKEY_CURRENT_USER\Software\<test company>, or on an
// INI file in the temporary folder; both are removed after each case.
class ProfileManagerTest : public ::testing::TestWithParam<Mode>
{
protected:
    void SetUp() override
    {
        profile.m_pszRegistryKey = kCompany;
        profile.m_pszProfileName = kApplication;
        if (GetParam() == kIniFile)
            XTAuxData()->SetINIFileName(folder.File("profile.ini").c_str());
    }
    void TearDown() override
    {
        XTAuxData()->SetINIFileName("");
        HKEY hSoftware = NULL;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &hSoftware) == ERROR_SUCCESS)
        {
            ::SHDeleteKeyA(hSoftware, kCompany);
            ::RegCloseKey(hSoftware);
        }
    }

    CXTProfileManager profile{HKEY_CURRENT_USER};
    TempFolder folder;
};

} // namespace

TEST_P(ProfileManagerTest, EachValueKindRoundTrips)
{
    EXPECT_TRUE(profile.WriteProfileInt("Settings", "Theme", -7));
    EXPECT_EQ(-7, profile.GetProfileInt("Settings", "Theme", 2));
    EXPECT_EQ(2, profile.GetProfileInt("Settings", "Missing", 2));

    EXPECT_TRUE(profile.WriteProfileString("Columns", "Widths", "120,80,200"));
    EXPECT_STREQ("120,80,200", profile.GetProfileString("Columns", "Widths", "x"));
    EXPECT_STREQ("x", profile.GetProfileString("Columns", "Missing", "x"));
    EXPECT_STREQ("", profile.GetProfileString("Columns", "Missing", NULL));

    const BYTE bytes[] = {0x00, 0x12, 0xAB, 0xFF, 0x7F};
    EXPECT_TRUE(profile.WriteProfileBinary("Data", "Blob", bytes, sizeof bytes));
    BYTE* pData = NULL;
    UINT nBytes = 0;
    ASSERT_TRUE(profile.GetProfileBinary("Data", "Blob", &pData, &nBytes));
    ASSERT_EQ(sizeof bytes, nBytes);
    EXPECT_EQ(0, memcmp(bytes, pData, sizeof bytes));
    delete[] pData;
    EXPECT_FALSE(profile.GetProfileBinary("Data", "Missing", &pData, &nBytes));
    EXPECT_EQ(nullptr, pData);
    EXPECT_EQ(0u, nBytes);

    CPoint point(-3, 40000), pointRead;
    CSize size(640, 480), sizeRead;
    double ratio = 0.625, ratioRead = 0;
    CRect rect(1, -2, 300, 400), rectRead;
    DWORD flags = 0xDEADBEEF, flagsRead = 0;
    EXPECT_TRUE(profile.WriteProfilePoint("Fixed", "Point", &point));
    EXPECT_TRUE(profile.WriteProfileSize("Fixed", "Size", &size));
    EXPECT_TRUE(profile.WriteProfileDouble("Fixed", "Ratio", &ratio));
    EXPECT_TRUE(profile.WriteProfileRect("Fixed", "Rect", &rect));
    EXPECT_TRUE(profile.WriteProfileDword("Fixed", "Flags", &flags));
    EXPECT_TRUE(profile.GetProfilePoint("Fixed", "Point", &pointRead));
    EXPECT_TRUE(profile.GetProfileSize("Fixed", "Size", &sizeRead));
    EXPECT_TRUE(profile.GetProfileDouble("Fixed", "Ratio", &ratioRead));
    EXPECT_TRUE(profile.GetProfileRect("Fixed", "Rect", &rectRead));
    EXPECT_TRUE(profile.GetProfileDword("Fixed", "Flags", &flagsRead));
    EXPECT_EQ(point, pointRead);
    EXPECT_EQ(size, sizeRead);
    EXPECT_EQ(ratio, ratioRead);
    EXPECT_EQ(rect, rectRead);
    EXPECT_EQ(flags, flagsRead);
}

TEST_P(ProfileManagerTest, ValuesOfAnotherTypeOrSizeReadAsDefaults)
{
    profile.WriteProfileString("Settings", "Text", "12");
    const BYTE six[6] = {1, 2, 3, 4, 5, 6};
    profile.WriteProfileBinary("Settings", "Six", six, sizeof six);
    CRect rect(1, 2, 3, 4);
    profile.WriteProfileRect("Settings", "Rect", &rect);

    // A fixed-size reader leaves the caller's value alone unless exactly its
    // size is stored.
    CPoint point(9, 9);
    EXPECT_FALSE(profile.GetProfilePoint("Settings", "Six", &point));
    EXPECT_FALSE(profile.GetProfilePoint("Settings", "Rect", &point));
    EXPECT_EQ(CPoint(9, 9), point);
    CRect rectRead(5, 5, 5, 5);
    EXPECT_FALSE(profile.GetProfileRect("Settings", "Six", &rectRead));
    EXPECT_EQ(CRect(5, 5, 5, 5), rectRead);
    EXPECT_FALSE(profile.GetProfilePoint("Settings", "Missing", &point));

    if (GetParam() == kRegistry)
    {
        // The registry keeps types: a string is no integer, an integer no
        // string and no binary value.
        profile.WriteProfileInt("Settings", "Number", 5);
        EXPECT_EQ(77, profile.GetProfileInt("Settings", "Text", 77));
        EXPECT_EQ(77, profile.GetProfileInt("Settings", "Six", 77));
        EXPECT_STREQ("dflt", profile.GetProfileString("Settings", "Number", "dflt"));
        BYTE* pData = NULL;
        UINT nBytes = 0;
        EXPECT_FALSE(profile.GetProfileBinary("Settings", "Number", &pData, &nBytes));
        EXPECT_EQ(nullptr, pData);
        DWORD dw = 3;
        EXPECT_FALSE(profile.GetProfileDword("Settings", "Text", &dw));
        EXPECT_EQ(3u, dw);
    }
    else
    {
        // INI text that is no letter pair encoding is no binary value.
        profile.WriteProfileString("Settings", "Odd", "ABC");
        profile.WriteProfileString("Settings", "Letters", "AZ");
        BYTE* pData = NULL;
        UINT nBytes = 0;
        EXPECT_FALSE(profile.GetProfileBinary("Settings", "Odd", &pData, &nBytes));
        EXPECT_FALSE(profile.GetProfileBinary("Settings", "Letters", &pData, &nBytes));
        EXPECT_EQ(nullptr, pData);
    }
}

TEST_P(ProfileManagerTest, DeletionRules)
{
    profile.WriteProfileInt("Gone", "A", 1);
    profile.WriteProfileInt("Gone", "B", 2);
    profile.WriteProfileInt("Kept", "A", 3);
    profile.WriteProfileInt("Kept", "B", 4);
    profile.WriteProfileInt("Kept\\Sub", "C", 5);
    profile.WriteProfileInt("Kept\\Sub\\Deeper", "D", 6);

    // A NULL value deletes the entry, a NULL entry the whole section.
    EXPECT_TRUE(profile.WriteProfileString("Gone", "A", NULL));
    EXPECT_EQ(-1, profile.GetProfileInt("Gone", "A", -1));
    EXPECT_EQ(2, profile.GetProfileInt("Gone", "B", -1));
    EXPECT_TRUE(profile.WriteProfileString("Gone", NULL, NULL));
    EXPECT_EQ(-1, profile.GetProfileInt("Gone", "B", -1));

    EXPECT_TRUE(profile.DeleteProfileValue("Kept", "A"));
    EXPECT_EQ(-1, profile.GetProfileInt("Kept", "A", -1));
    EXPECT_EQ(4, profile.GetProfileInt("Kept", "B", -1));

    EXPECT_TRUE(profile.DeleteProfileKey("Kept", "Sub"));
    EXPECT_EQ(-1, profile.GetProfileInt("Kept\\Sub", "C", -1));
    EXPECT_EQ(4, profile.GetProfileInt("Kept", "B", -1));
    if (GetParam() == kRegistry)
    {
        // Everything below the subkey went with it.
        EXPECT_EQ(-1, profile.GetProfileInt("Kept\\Sub\\Deeper", "D", -1));
    }
}

TEST_P(ProfileManagerTest, EnumeratesValuesAndKeys)
{
    profile.WriteProfileInt("Enum", "Count", 1);
    profile.WriteProfileString("Enum", "Name", "x");
    BYTE b = 7;
    profile.WriteProfileBinary("Enum", "Blob", &b, 1);
    profile.WriteProfileInt("Enum\\First", "V", 1);
    profile.WriteProfileInt("Enum\\Second", "V", 1);
    profile.WriteProfileInt("Enum\\Second\\Grandchild", "V", 1);
    profile.WriteProfileInt("Other", "V", 1);

    CMapStringToPtr types;
    CStringArray names;
    ASSERT_EQ(3, profile.EnumValues("Enum", &types, &names));
    ASSERT_EQ(3, names.GetSize());
    // The store decides the order.
    std::set<std::string> listed = {(LPCTSTR)names[0], (LPCTSTR)names[1], (LPCTSTR)names[2]};
    EXPECT_EQ((std::set<std::string>{"Blob", "Count", "Name"}), listed);
    void* pType = NULL;
    ASSERT_TRUE(types.Lookup("Blob", pType));
    EXPECT_EQ(GetParam() == kRegistry ? REG_BINARY : REG_SZ, (DWORD)(DWORD_PTR)pType);
    ASSERT_TRUE(types.Lookup("Count", pType));
    EXPECT_EQ(GetParam() == kRegistry ? REG_DWORD : REG_SZ, (DWORD)(DWORD_PTR)pType);
    EXPECT_EQ(3, profile.EnumValues("Enum", NULL, NULL));

    CStringArray keys;
    ASSERT_EQ(2, profile.EnumKeys("Enum", &keys));
    EXPECT_STREQ("First", keys[0]);
    EXPECT_STREQ("Second", keys[1]);
    EXPECT_EQ(0, profile.EnumValues("Empty", NULL, NULL));
}

INSTANTIATE_TEST_SUITE_P(Stores, ProfileManagerTest, ::testing::Values(kRegistry, kIniFile),
                         [](const ::testing::TestParamInfo<Mode>& info) {
                             return std::string(info.param == kRegistry ? "Registry" : "IniFile");
                         });

TEST(ProfileManagerIni, StoresBinaryAsLetterPairsAndCutsLongStrings)
{
    TempFolder folder;
    CString iniFile = folder.File("letters.ini").c_str();
    XTAuxData()->SetINIFileName(iniFile);
    CXTProfileManager profile(HKEY_CURRENT_USER);

    const BYTE bytes[] = {0x12, 0xAB};
    EXPECT_TRUE(profile.WriteProfileBinary("Data", "Pair", bytes, sizeof bytes));
    char text[16] = "";
    ::GetPrivateProfileStringA("Data", "Pair", "", text, sizeof text, iniFile);
    EXPECT_STREQ("CBLK", text);
    DWORD value = 0x01020304;
    profile.WriteProfileDword("Data", "Dword", &value);
    ::GetPrivateProfileStringA("Data", "Dword", "", text, sizeof text, iniFile);
    EXPECT_STREQ("EADACABA", text);
    profile.WriteProfileInt("Data", "Int", -12);
    ::GetPrivateProfileStringA("Data", "Int", "", text, sizeof text, iniFile);
    EXPECT_STREQ("-12", text);

    CString longText('q', 5000);
    profile.WriteProfileString("Data", "Long", longText);
    EXPECT_EQ(longText.Left(4095), profile.GetProfileString("Data", "Long"));

    XTAuxData()->SetINIFileName("");
}

TEST(ProfileManagerNames, WithoutApplicationNamesTheRegistryFailsAndReadersGiveDefaults)
{
    // An application object of another test would lend its names: hide them.
    CWinApp* pApp = AfxGetApp();
    LPCTSTR pszAppKey = pApp != NULL ? pApp->m_pszRegistryKey : NULL;
    if (pApp != NULL)
        pApp->m_pszRegistryKey = NULL;

    CXTProfileManager profile(HKEY_CURRENT_USER);
    EXPECT_FALSE(profile.HasProfileNames());
    EXPECT_EQ(NULL, profile.GetAppRegistryKey());
    EXPECT_FALSE(profile.WriteProfileInt("Settings", "Theme", 1));
    EXPECT_EQ(2, profile.GetProfileInt("Settings", "Theme", 2));
    EXPECT_FALSE(profile.WriteProfileString("Settings", "Name", "x"));
    EXPECT_STREQ("d", profile.GetProfileString("Settings", "Name", "d"));
    EXPECT_FALSE(profile.DeleteProfileValue("Settings", "Name"));
    EXPECT_EQ(0, profile.EnumKeys("Settings", NULL));

    if (pApp != NULL)
        pApp->m_pszRegistryKey = pszAppKey;
}
