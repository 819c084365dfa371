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

// A profile manager under HKEY_CURRENT_USER\Software\<test company>, or (the
// parameter true) on an INI file in the temporary folder; both are removed
// after each case.
class ProfileManagerTest : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        profile.m_pszRegistryKey = kCompany;
        profile.m_pszProfileName = "Profile Manager";
        if (GetParam())
            XTAuxData()->SetINIFileName(folder.File("profile.ini").c_str());
    }
    void TearDown() override
    {
        XTAuxData()->SetINIFileName("");
        ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + kCompany);
    }

    CXTProfileManager profile{HKEY_CURRENT_USER};
    TempFolder folder;
};

} // namespace

TEST_P(ProfileManagerTest, EachValueKindRoundTrips)
{
    EXPECT_TRUE(profile.WriteProfileInt("S", "Theme", -7)
                && profile.WriteProfileString("S", "Widths", "120,80"));
    EXPECT_EQ(std::make_pair(-7, 2), std::make_pair(profile.GetProfileInt("S", "Theme", 2),
                                                    profile.GetProfileInt("S", "Missing", 2)));
    EXPECT_EQ("120,80|x|", std::string(profile.GetProfileString("S", "Widths", "x")) + "|"
                               + std::string(profile.GetProfileString("S", "Missing", "x")) + "|"
                               + std::string(profile.GetProfileString("S", "Missing", NULL)));

    const BYTE bytes[] = {0x00, 0x12, 0xAB, 0xFF, 0x7F};
    EXPECT_TRUE(profile.WriteProfileBinary("S", "Blob", bytes, sizeof bytes));
    BYTE* pData = NULL;
    UINT nBytes = 0;
    ASSERT_TRUE(profile.GetProfileBinary("S", "Blob", &pData, &nBytes));
    EXPECT_EQ(std::vector<BYTE>(bytes, bytes + 5), std::vector<BYTE>(pData, pData + nBytes));
    delete[] pData;
    EXPECT_FALSE(profile.GetProfileBinary("S", "Missing", &pData, &nBytes));
    EXPECT_EQ(std::make_pair((BYTE*)NULL, 0u), std::make_pair(pData, nBytes));

    CPoint point(-3, 40000), pointRead;
    CSize size(640, 480), sizeRead;
    double ratio = 0.625, ratioRead = 0;
    CRect rect(1, -2, 300, 400), rectRead;
    DWORD flags = 0xDEADBEEF, flagsRead = 0;
    EXPECT_TRUE(
        profile.WriteProfilePoint("S", "Point", &point) && profile.WriteProfileSize("S", "Size", &size)
        && profile.WriteProfileDouble("S", "Ratio", &ratio) && profile.WriteProfileRect("S", "Rect", &rect)
        && profile.WriteProfileDword("S", "Flags", &flags));
    EXPECT_TRUE(profile.GetProfilePoint("S", "Point", &pointRead)
                && profile.GetProfileSize("S", "Size", &sizeRead)
                && profile.GetProfileDouble("S", "Ratio", &ratioRead)
                && profile.GetProfileRect("S", "Rect", &rectRead)
                && profile.GetProfileDword("S", "Flags", &flagsRead));
    EXPECT_EQ(std::make_tuple(point, size, ratio, rect, flags),
              std::make_tuple(pointRead, sizeRead, ratioRead, rectRead, flagsRead));
}

TEST_P(ProfileManagerTest, ValuesOfAnotherTypeOrSizeReadAsDefaults)
{
    profile.WriteProfileString("S", "Text", "12");
    const BYTE six[6] = {1, 2, 3, 4, 5, 6};
    profile.WriteProfileBinary("S", "Six", six, sizeof six);
    CRect rect(1, 2, 3, 4);
    profile.WriteProfileRect("S", "Rect", &rect);

    // A fixed-size reader leaves the caller's value alone unless exactly its
    // size is stored.
    CPoint point(9, 9);
    CRect rectRead(5, 5, 5, 5);
    EXPECT_FALSE(profile.GetProfilePoint("S", "Six", &point) || profile.GetProfilePoint("S", "Rect", &point)
                 || profile.GetProfileRect("S", "Six", &rectRead)
                 || profile.GetProfilePoint("S", "Missing", &point));
    EXPECT_EQ(std::make_pair(CPoint(9, 9), CRect(5, 5, 5, 5)), std::make_pair(point, rectRead));

    BYTE* pData = NULL;
    UINT nBytes = 0;
    DWORD dw = 3;
    if (!GetParam())
    {
        // The registry keeps types: a string is no integer nor DWORD, an
        // integer no string and no binary value.
        profile.WriteProfileInt("S", "Number", 5);
        EXPECT_EQ(std::make_pair(77, 77), std::make_pair(profile.GetProfileInt("S", "Text", 77),
                                                         profile.GetProfileInt("S", "Six", 77)));
        EXPECT_STREQ("dflt", profile.GetProfileString("S", "Number", "dflt"));
        EXPECT_FALSE(profile.GetProfileBinary("S", "Number", &pData, &nBytes)
                     || profile.GetProfileDword("S", "Text", &dw));
    }
    // INI text that is no letter pair encoding is no binary value.
    profile.WriteProfileString("S", "Odd", "ABC");
    profile.WriteProfileString("S", "Letters", "AZ");
    EXPECT_FALSE(profile.GetProfileBinary("S", "Odd", &pData, &nBytes)
                 || profile.GetProfileBinary("S", "Letters", &pData, &nBytes));
    EXPECT_EQ(std::make_pair((BYTE*)NULL, 3u), std::make_pair(pData, (UINT)dw));
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
    EXPECT_EQ(GetParam() ? 6 : -1, profile.GetProfileInt("Kept\\Sub\\Deeper", "D", -1));
}

TEST_P(ProfileManagerTest, EnumeratesValuesAndKeys)
{
    profile.WriteProfileInt("Enum", "Count", 1);
    profile.WriteProfileString("Enum", "Name", "x");
    BYTE b = 7;
    profile.WriteProfileBinary("Enum", "Blob", &b, 1);
    for (const char* section : {"Enum\\First", "Enum\\Second", "Enum\\Second\\Grandchild", "Other"})
        profile.WriteProfileInt(section, "V", 1);

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
    EXPECT_EQ((!GetParam() ? std::set<std::string>{"Blob 3", "Count 4", "Name 1"}
                           : std::set<std::string>{"Blob 1", "Count 1", "Name 1"}),
              listed);

    CStringArray keys;
    ASSERT_EQ(2, profile.EnumKeys("Enum", &keys));
    EXPECT_EQ("First Second", std::string(keys[0]) + " " + std::string(keys[1]));
    EXPECT_EQ(0, profile.EnumValues("Empty", NULL, NULL));
}

INSTANTIATE_TEST_SUITE_P(Stores, ProfileManagerTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "IniFile" : "Registry";
                         });

// A profile manager on an INI file in a temporary folder.
class ProfileManagerIni : public ::testing::Test
{
protected:
    void SetUp() override { XTAuxData()->SetINIFileName(iniFile); }
    void TearDown() override { XTAuxData()->SetINIFileName(""); }

    TempFolder folder;
    CString iniFile = folder.File("letters.ini").c_str();
    CXTProfileManager profile{HKEY_CURRENT_USER};
};

TEST_F(ProfileManagerIni, StoresBinaryAsLetterPairs)
{
    const BYTE bytes[] = {0x12, 0xAB};
    EXPECT_TRUE(profile.WriteProfileBinary("Data", "Pair", bytes, sizeof bytes));
    DWORD value = 0x01020304;
    profile.WriteProfileDword("Data", "Dword", &value);
    profile.WriteProfileInt("Data", "Int", -12);
    char text[64] = "";
    ::GetPrivateProfileSectionA("Data", text, sizeof text, iniFile);
    EXPECT_EQ(std::string("Pair=CBLK\0Dword=EADACABA\0Int=-12\0", 34), std::string(text, 34));
}

TEST_F(ProfileManagerIni, CutsLongStrings)
{
    CString longText('q', 5000);
    profile.WriteProfileString("Data", "Long", longText);
    EXPECT_EQ(longText.Left(4095), profile.GetProfileString("Data", "Long"));
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
