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

// Reads a binary entry; a failed read must leave no buffer and no length.
bool ReadBinary(LPCTSTR lpszEntry, std::string& bytes)
{
    LPBYTE pRead = (LPBYTE)1;
    UINT nBytes = 3;
    BOOL bRead = theApp.GetProfileBinary(section, lpszEntry, &pRead, &nBytes);
    EXPECT_EQ(bRead != FALSE, pRead != NULL);
    if (pRead == NULL)
    {
        EXPECT_EQ(nBytes, 0u);
    }
    bytes.assign(pRead ? (const char*)pRead : "", pRead ? nBytes : 0);
    delete[] pRead;
    return bRead != FALSE;
}

// Writes and reads back a number, a text and bytes of every kind, in
// whichever store the profile uses.
void ExpectValuesRoundTrip()
{
    EXPECT_TRUE(theApp.WriteProfileInt(section, "Int", -7));
    EXPECT_EQ((int)theApp.GetProfileInt(section, "Int", 0), -7);
    EXPECT_TRUE(theApp.WriteProfileString(section, "Text", "hello world"));
    EXPECT_EQ(theApp.GetProfileString(section, "Text"), "hello world");
    const std::string data("\x00\x01\xFE\x80\x07", 5);
    EXPECT_TRUE(theApp.WriteProfileBinary(section, "Blob", (LPBYTE)data.data(), (UINT)data.size()));
    std::string read;
    EXPECT_TRUE(ReadBinary("Blob", read));
    EXPECT_EQ(read, data);
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

    static void ForgetTestKey()
    {
        CString path = CString("Software\\") + testKey;
        ::SHDeleteKeyA(HKEY_CURRENT_USER, path);
    }

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
    HKEY hKey = NULL;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey), ERROR_SUCCESS);
    DWORD value = 0, size = sizeof value, type = 0;
    EXPECT_EQ(::RegQueryValueExA(hKey, "Number", NULL, &type, (BYTE*)&value, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, (DWORD)REG_DWORD);
    EXPECT_EQ(value, 41u);
    ::RegCloseKey(hKey);
    EXPECT_STREQ(theApp.m_pszProfileName, theApp.m_pszAppName);
}

TEST_F(ProfileTest, ValuesRoundTrip)
{
    ExpectValuesRoundTrip();
}

TEST_F(ProfileTest, MissingValuesGiveTheDefaults)
{
    EXPECT_EQ(theApp.GetProfileInt(section, "None", 9), 9u);
    EXPECT_EQ(theApp.GetProfileString(section, "None", "fallback"), "fallback");
    EXPECT_EQ(theApp.GetProfileString(section, "None"), "");
    std::string read = "old";
    EXPECT_FALSE(ReadBinary("None", read));
    EXPECT_EQ(read, "");
}

TEST_F(ProfileTest, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    theApp.WriteProfileString(section, "Keep", "kept");
    theApp.WriteProfileString(section, "Drop", "dropped");
    EXPECT_TRUE(theApp.WriteProfileString(section, "Drop", NULL));
    EXPECT_EQ(theApp.GetProfileString(section, "Drop", "gone"), "gone");
    EXPECT_EQ(theApp.GetProfileString(section, "Keep"), "kept");

    theApp.WriteProfileInt(section, "Number", 5);
    EXPECT_TRUE(theApp.WriteProfileString(section, NULL, NULL));
    EXPECT_EQ(theApp.GetProfileInt(section, "Number", 77), 77u);
    EXPECT_EQ(theApp.GetProfileString(section, "Keep", "none"), "none");
}

TEST_F(ProfileTest, WrongTypeOrSizeReadsAsTheDefault)
{
    StoreRaw("TextNotInt", REG_SZ, "12", 3);
    EXPECT_EQ(theApp.GetProfileInt(section, "TextNotInt", 4), 4u);
    WORD shortValue = 0x1234;
    StoreRaw("ShortBinary", REG_BINARY, &shortValue, sizeof shortValue);
    EXPECT_EQ(theApp.GetProfileInt(section, "ShortBinary", 4), 4u);
    BYTE longValue[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    StoreRaw("LongBinary", REG_BINARY, longValue, sizeof longValue);
    EXPECT_EQ(theApp.GetProfileInt(section, "LongBinary", 4), 4u);
    DWORD number = 12;
    StoreRaw("IntNotText", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(theApp.GetProfileString(section, "IntNotText", "default"), "default");
    std::string read;
    EXPECT_FALSE(ReadBinary("TextNotInt", read));
}

TEST_F(ProfileTest, TextStoredWithoutTerminatorReadsExactly)
{
    StoreRaw("Unterminated", REG_SZ, "abcdef", 3);
    EXPECT_EQ(theApp.GetProfileString(section, "Unterminated"), "abc");
}

// Without a registry key the profile is an INI file.
class IniProfileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_path = m_folder.File("tidewatch-window-test.ini").c_str();
        m_pszSavedKey = theApp.m_pszRegistryKey;
        m_pszSavedProfile = theApp.m_pszProfileName;
        theApp.m_pszRegistryKey = NULL;
        theApp.m_pszProfileName = m_path;
    }
    void TearDown() override
    {
        theApp.m_pszRegistryKey = m_pszSavedKey;
        theApp.m_pszProfileName = m_pszSavedProfile;
    }

    TempFolder m_folder;
    CString m_path;
    LPCTSTR m_pszSavedKey = NULL;
    LPCTSTR m_pszSavedProfile = NULL;
};

TEST_F(IniProfileTest, ValuesRoundTripThroughTheFile)
{
    ExpectValuesRoundTrip();
    // Bytes are stored as text, one letter per half byte.
    const BYTE data[3] = {0x00, 0xAB, 0xFF};
    EXPECT_TRUE(theApp.WriteProfileBinary(section, "Blob", (LPBYTE)data, sizeof data));
    EXPECT_EQ(theApp.GetProfileString(section, "Blob"), "AAL"
                                                        "KPP");
}

TEST_F(IniProfileTest, DamagedBinaryTextReadsAsNothing)
{
    for (const char* text : {"ABC", "AZ", ""})
    {
        SCOPED_TRACE(text);
        theApp.WriteProfileString(section, "Blob", text);
        std::string read;
        EXPECT_FALSE(ReadBinary("Blob", read));
    }
}

} // namespace
