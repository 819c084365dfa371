// The application profile: values round-trip through wine's registry under
// HKEY_CURRENT_USER\Software\<key>\<application>, deletion rules included; a
// value of the wrong type reads as the default; the INI form without a
// registry key.
#include "TestApp.h"
#include "tests/support/TempFolder.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <string>

namespace {

const char testKey[] = "Tidewatch Window Test Key";
const char section[] = "Section";

// Reads a binary entry as text, "none" when the read fails; a failed read
// must leave no buffer and no length.
std::string ReadBinary(LPCTSTR lpszEntry)
{
    LPBYTE pRead = (LPBYTE)1;
    UINT nBytes = 3;
    BOOL bRead = theApp.GetProfileBinary(section, lpszEntry, &pRead, &nBytes);
    if (!bRead)
        return pRead == NULL && nBytes == 0 ? "none" : "failed with a buffer";
    std::string bytes((const char*)pRead, nBytes);
    delete[] pRead;
    return bytes;
}

// Writes and reads back a number, a text and bytes of every kind, in
// whichever store the profile uses.
void ExpectValuesRoundTrip()
{
    const std::string data("\x00\x01\xFE\x80\x07", 5);
    EXPECT_TRUE(theApp.WriteProfileInt(section, "Int", -7));
    EXPECT_TRUE(theApp.WriteProfileString(section, "Text", "hello world"));
    EXPECT_TRUE(theApp.WriteProfileBinary(section, "Blob", (LPBYTE)data.data(), (UINT)data.size()));
    EXPECT_EQ((int)theApp.GetProfileInt(section, "Int", 0), -7);
    EXPECT_EQ(theApp.GetProfileString(section, "Text"), "hello world");
    EXPECT_EQ(ReadBinary("Blob"), data);
}

class ProfileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ForgetTestKey();
        theApp.SetRegistryKey(testKey);
    }
    void TearDown() override { ForgetTestKey(); }

    static void ForgetTestKey() { ::SHDeleteKeyA(HKEY_CURRENT_USER, CString("Software\\") + testKey); }

    static void StoreRaw(LPCTSTR lpszEntry, DWORD type, const void* pData, DWORD size)
    {
        HKEY hKey = theApp.GetSectionKey(section);
        ASSERT_NE(hKey, (HKEY)NULL);
        ::RegSetValueExA(hKey, lpszEntry, 0, type, (const BYTE*)pData, size);
        ::RegCloseKey(hKey);
    }
};

TEST_F(ProfileTest, ValuesLiveUnderTheRegistryKeyAndTheApplicationName)
{
    ASSERT_TRUE(theApp.WriteProfileInt(section, "Number", 41));
    CString path;
    path.Format("Software\\%s\\%s\\%s", testKey, theApp.m_pszAppName, section);
    DWORD value = 0, size = sizeof value, type = 0;
    EXPECT_EQ(::RegGetValueA(HKEY_CURRENT_USER, path, "Number", RRF_RT_ANY, &type, &value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(CPoint(type, value), CPoint(REG_DWORD, 41));
    EXPECT_STREQ(theApp.m_pszProfileName, theApp.m_pszAppName);
    ExpectValuesRoundTrip();
}

// Missing values, and values stored with the wrong type or size, read as the defaults.
TEST_F(ProfileTest, MissingOrWrongValuesGiveTheDefaults)
{
    WORD shortValue = 0x1234;
    BYTE longValue[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    DWORD number = 12;
    StoreRaw("TextNotInt", REG_SZ, "12", 3);
    StoreRaw("ShortBinary", REG_BINARY, &shortValue, sizeof shortValue);
    StoreRaw("LongBinary", REG_BINARY, longValue, sizeof longValue);
    StoreRaw("IntNotText", REG_DWORD, &number, sizeof number);
    StoreRaw("FourBinaryBytes", REG_BINARY, &number, sizeof number);
    for (const char* entry : {"None", "TextNotInt", "ShortBinary", "LongBinary", "FourBinaryBytes"})
        EXPECT_EQ(theApp.GetProfileInt(section, entry, 4), 4u) << entry;
    for (const char* entry : {"None", "IntNotText"})
        EXPECT_EQ(theApp.GetProfileString(section, entry, "default"), "default") << entry;
    EXPECT_EQ(theApp.GetProfileString(section, "None"), "");
    EXPECT_EQ(ReadBinary("None"), "none");
    EXPECT_EQ(ReadBinary("TextNotInt"), "none");
}

TEST_F(ProfileTest, TextStoredWithoutItsTerminatorReadsExactly)
{
    StoreRaw("Unterminated", REG_SZ, "abcdef", 3);
    EXPECT_EQ(theApp.GetProfileString(section, "Unterminated"), "abc");
}

// A NULL value deletes the entry, a NULL entry the section.
TEST_F(ProfileTest, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    theApp.WriteProfileString(section, "Keep", "kept");
    theApp.WriteProfileString(section, "Drop", "dropped");
    EXPECT_TRUE(theApp.WriteProfileString(section, "Drop", NULL));
    EXPECT_EQ(theApp.GetProfileString(section, "Drop", "gone"), "gone");
    EXPECT_EQ(theApp.GetProfileString(section, "Keep"), "kept");
    EXPECT_TRUE(theApp.WriteProfileString(section, NULL, NULL));
    EXPECT_EQ(theApp.GetProfileString(section, "Keep", "none"), "none");
}

// Reading the profile creates no key: a section that is missing stays missing,
// and so does the program's own key.
TEST_F(ProfileTest, ReadingCreatesNoKeys)
{
    CString path;
    path.Format("Software\\%s", testKey);
    EXPECT_EQ(theApp.GetProfileInt("Missing", "Int", 4), 4u);
    EXPECT_EQ(theApp.GetProfileString("Missing", "Text", "none"), "none");
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    EXPECT_FALSE(theApp.GetProfileBinary("Missing", "Blob", &pData, &nBytes));
    HKEY hKey = NULL;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey), ERROR_SUCCESS) << "program key";
    ASSERT_TRUE(theApp.WriteProfileInt(section, "Int", 1));
    EXPECT_EQ(theApp.GetProfileInt("Missing", "Int", 4), 4u);
    path += CString("\\") + theApp.m_pszAppName + "\\Missing";
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey), ERROR_SUCCESS) << "section";
}

// Without a registry key the profile is an INI file.
class IniProfileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theApp.m_pszRegistryKey = NULL;
        theApp.m_pszProfileName = m_path;
    }
    void TearDown() override
    {
        theApp.m_pszRegistryKey = m_pszSavedKey;
        theApp.m_pszProfileName = m_pszSavedProfile;
    }

    TempFolder m_folder;
    CString m_path = m_folder.File("tidewatch-window-test.ini").c_str();
    LPCTSTR m_pszSavedKey = theApp.m_pszRegistryKey, m_pszSavedProfile = theApp.m_pszProfileName;
};

TEST_F(IniProfileTest, ValuesRoundTripThroughTheFile)
{
    ExpectValuesRoundTrip();
}

// Bytes are stored as text, one letter per half byte; damaged text reads as nothing.
TEST_F(IniProfileTest, BytesAreStoredAsLettersAndDamagedTextReadsAsNothing)
{
    const BYTE data[3] = {0x00, 0xAB, 0xFF};
    EXPECT_TRUE(theApp.WriteProfileBinary(section, "Blob", (LPBYTE)data, sizeof data));
    EXPECT_EQ(theApp.GetProfileString(section, "Blob"), "AALKPP");
    for (const char* text : {"ABC", "AZ", ""})
    {
        theApp.WriteProfileString(section, "Blob", text);
        EXPECT_EQ(ReadBinary("Blob"), "none") << text;
    }
}

} // namespace
