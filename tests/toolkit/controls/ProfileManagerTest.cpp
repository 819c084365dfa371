#include "toolkit/controls/XTProfileManager.h"
#include "framework/window/CWinApp.h"
#include "toolkit/foundation/XTAuxData.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <set>
#include <string>
#include <tuple>
#include <vector>

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
    EXPECT_EQ(std::vector<BYTE>(bytes, bytes + 5), std::vector<BYTE>(pData, pData + nBytes));
    delete[] pData;
    EXPECT_FALSE(profile.GetProfileBinary("Data", "Missing", &pData, &nBytes));
    EXPECT_EQ(std::make_pair((BYTE*)NULL, 0u), std::make_pair(pData, nBytes));

    CPoint point(-3, 40000), pointRead;
    CSize size(640, 480), sizeRead;
    double ratio = 0.625, ratioRead = 0;
    CRect rect(1, -2, 300, 400), rectRead;
    DWORD flags = 0xDEADBEEF, flagsRead = 0;
    EXPECT_TRUE(profile.WriteProfilePoint("Fixed", "Point", &point)
                && profile.WriteProfileSize("Fixed", "Size", &size)
                && profile.WriteProfileDouble("Fixed", "Ratio", &ratio)
                && profile.WriteProfileRect("Fixed", "Rect", &rect)
                && profile.WriteProfileDword("Fixed", "Flags", &flags));
    EXPECT_TRUE(profile.GetProfilePoint("Fixed", "Point", &pointRead)
                && profile.GetProfileSize("Fixed", "Size", &sizeRead)
                && profile.GetProfileDouble("Fixed", "Ratio", &ratioRead)
                && profile.GetProfileRect("Fixed", "Rect", &rectRead)
                && profile.GetProfileDword("Fixed", "Flags", &flagsRead));
    EXPECT_EQ(std::make_tuple(point, size, ratio, rect, flags),
              std::make_tuple(pointRead, sizeRead, ratioRead, rectRead, flagsRead));
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
    CRect rectRead(5, 5, 5, 5);
    EXPECT_FALSE(profile.GetProfilePoint("Settings", "Six", &point)
                 || profile.GetProfilePoint("Settings", "Rect", &point)
                 || profile.GetProfileRect("Settings", "Six", &rectRead)
                 || profile.GetProfilePoint("Settings", "Missing", &point));
    EXPECT_EQ(std::make_pair(CPoint(9, 9), CRect(5, 5, 5, 5)), std::make_pair(point, rectRead));

    BYTE* pData = NULL;
    UINT nBytes = 0;
    if (GetParam() == kRegistry)
    {
        // The registry keeps types: a string is no integer, an integer no
        // string and no binary value.
        profile.WriteProfileInt("Settings", "Number", 5);
        EXPECT_EQ(77, profile.GetProfileInt("Settings", "Text", 77));
        EXPECT_EQ(77, profile.GetProfileInt("Settings", "Six", 77));
        EXPECT_STREQ("dflt", profile.GetProfileString("Settings", "Number", "dflt"));
        EXPECT_FALSE(profile.GetProfileBinary("Settings", "Number", &pData, &nBytes));
        DWORD dw = 3;
        EXPECT_FALSE(profile.GetProfileDword("Settings", "Text", &dw));
        EXPECT_EQ(3u, dw);
    }
    else
    {
        // INI text that is no letter pair encoding is no binary value.
        profile.WriteProfileString("Settings", "Odd", "ABC");
        profile.WriteProfileString("Settings", "Letters", "AZ");
        EXPECT_FALSE(profile.GetProfileBinary("Settings", "Odd", &pData, &nBytes)
                     || profile.GetProfileBinary("Settings", "Letters", &pData, &nBytes));
    }
    EXPECT_EQ(nullptr, pData);
}

TEST_P(ProfileManagerTest, DeletionRules)
{
    const char* names[][2] = {{"Gone", "A"}, {"Gone", "B"}, {"Kept", "A"}, {"Kept", "B"}, {"Kept\\Sub", "C"}};
    for (int i = 0; i < 5; i++)
        profile.WriteProfileInt(names[i][0], names[i][1], i + 1);
    profile.WriteProfileInt("Kept\\Sub\\Deeper", "D", 6);
    auto values = [&]() {
        std::string text;
        for (auto& name : names)
            text += std::to_string(profile.GetProfileInt(name[0], name[1], 0));
        return text;
    };
    // A NULL value deletes the entry, a NULL entry the whole section.
    EXPECT_TRUE(profile.WriteProfileString("Gone", "A", NULL));
    EXPECT_EQ("02345", values());
    EXPECT_TRUE(profile.WriteProfileString("Gone", NULL, NULL));
    EXPECT_EQ("00345", values());
    EXPECT_TRUE(profile.DeleteProfileValue("Kept", "A"));
    EXPECT_EQ("00045", values());
    EXPECT_TRUE(profile.DeleteProfileKey("Kept", "Sub"));
    EXPECT_EQ("00040", values());
    // In the registry everything below the subkey went with it.
    EXPECT_EQ(GetParam() == kRegistry ? -1 : 6, profile.GetProfileInt("Kept\\Sub\\Deeper", "D", -1));
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
    // The store decides the order; "name type" sorted.
    std::set<std::string> listed;
    for (int i = 0; i < names.GetSize(); i++)
    {
        void* pType = NULL;
        types.Lookup(names[i], pType);
        listed.insert(std::string(names[i]) + " " + std::to_string((DWORD_PTR)pType));
    }
    EXPECT_EQ((GetParam() == kRegistry ? std::set<std::string>{"Blob 3", "Count 4", "Name 1"}
                                       : std::set<std::string>{"Blob 1", "Count 1", "Name 1"}),
              listed);

    CStringArray keys;
    ASSERT_EQ(2, profile.EnumKeys("Enum", &keys));
    EXPECT_EQ("First Second", std::string(keys[0]) + " " + std::string(keys[1]));
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
    DWORD value = 0x01020304;
    profile.WriteProfileDword("Data", "Dword", &value);
    profile.WriteProfileInt("Data", "Int", -12);
    char text[64] = "";
    ::GetPrivateProfileSectionA("Data", text, sizeof text, iniFile);
    EXPECT_EQ(std::string("Pair=CBLK\0Dword=EADACABA\0Int=-12\0", 34), std::string(text, 34));

    CString longText('q', 5000);
    profile.WriteProfileString("Data", "Long", longText);
    EXPECT_EQ(longText.Left(4095), profile.GetProfileString("Data", "Long"));

    XTAuxData()->SetINIFileName("");
}

TEST(ProfileManagerNames, WithoutApplicationNamesTheRegistryFailsAndReadersGiveDefaults)
{
    // No application object lends its names in this test program.
    ASSERT_EQ(nullptr, AfxGetApp());
    CXTProfileManager profile(HKEY_CURRENT_USER);
    EXPECT_FALSE(profile.HasProfileNames());
    EXPECT_EQ(NULL, profile.GetAppRegistryKey());
    EXPECT_FALSE(profile.WriteProfileInt("Settings", "Theme", 1)
                 || profile.WriteProfileString("Settings", "N", "x")
                 || profile.DeleteProfileValue("Settings", "N"));
    EXPECT_EQ(2, profile.GetProfileInt("Settings", "Theme", 2));
    EXPECT_STREQ("d", profile.GetProfileString("Settings", "N", "d"));
    EXPECT_EQ(0, profile.EnumKeys("Settings", NULL));
}
