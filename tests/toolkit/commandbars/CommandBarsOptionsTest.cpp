// The options record through the registry and archive forms of the settings
// exchange, and the schema guard of older stores.
#include "toolkit/commandbars/XTPCommandBarsOptions.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeRegistry.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace {

// A registry section of its own under HKCU, removed afterwards.
class OptionsRegistryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_strKey.Format("Software\\Tidewatch Tests\\CommandBarsOptions %lu", ::GetCurrentProcessId());
        ::SHDeleteKeyA(HKEY_CURRENT_USER, m_strKey);
    }
    void TearDown() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, m_strKey); }

    void Exchange(CXTPCommandBarsOptions& options, BOOL bLoading)
    {
        CXTPPropExchangeRegistry px(bLoading, HKEY_CURRENT_USER, m_strKey);
        options.DoPropExchange(&px, TRUE);
    }
    void WriteDword(LPCTSTR lpszSection, LPCTSTR lpszName, DWORD dwValue)
    {
        CString strKey = m_strKey;
        if (lpszSection != NULL)
            strKey += CString("\\") + lpszSection;
        HKEY hKey = NULL;
        ASSERT_EQ(ERROR_SUCCESS,
                  ::RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL));
        ::RegSetValueExA(hKey, lpszName, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
        ::RegCloseKey(hKey);
    }
    CString m_strKey;
};

TEST_F(OptionsRegistryTest, RoundTripKeepsTheRegistryForm)
{
    CXTPCommandBarsOptions stored;
    stored.bAlwaysShowFullMenus = FALSE;
    stored.bLargeIcons = TRUE;
    stored.animationType = 3;
    stored.m_mapUsedCommands = {101, 205};
    stored.bShowTextBelowIcons = TRUE; // archive form only
    Exchange(stored, FALSE);

    CXTPCommandBarsOptions loaded;
    Exchange(loaded, TRUE);
    EXPECT_FALSE(loaded.bAlwaysShowFullMenus);
    EXPECT_TRUE(loaded.bLargeIcons);
    EXPECT_TRUE(loaded.bShowFullAfterDelay);
    EXPECT_EQ(3, loaded.animationType);
    EXPECT_EQ(std::set<UINT>({101, 205}), loaded.m_mapUsedCommands);
    EXPECT_FALSE(loaded.bShowTextBelowIcons) << "not part of the registry form";
}

TEST_F(OptionsRegistryTest, OlderSchemaSkipsTheUsedCommands)
{
    WriteDword(NULL, "Schema", 7);
    WriteDword(NULL, "Animation", 2);
    WriteDword("UsedCommands", "Count", 1);
    WriteDword("UsedCommands", "Item0", 300);
    CXTPCommandBarsOptions loaded;
    Exchange(loaded, TRUE);
    EXPECT_TRUE(loaded.m_mapUsedCommands.empty());
    EXPECT_EQ(2, loaded.animationType) << "the registry form reads the animation whatever the schema";
}

TEST(CommandBarsOptions, ArchiveRoundTripHoldsEverything)
{
    CMemFile file;
    CXTPCommandBarsOptions stored;
    stored.bShowExpandButtonAlways = FALSE;
    stored.bDblClickFloat = TRUE;
    stored.szIcons = CSize(24, 24);
    stored.szPopupIcons = CSize(20, 20);
    stored.m_mapHiddenCommands = {7, 8, 9};
    stored.m_mapUsedCommands = {8};
    {
        CArchive ar(&file, CArchive::store);
        stored.Serialize(ar);
    }
    file.SeekToBegin();
    CXTPCommandBarsOptions loaded;
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_FALSE(loaded.bShowExpandButtonAlways);
    EXPECT_TRUE(loaded.bDblClickFloat);
    EXPECT_EQ(CSize(24, 24), loaded.szIcons);
    EXPECT_EQ(CSize(20, 20), loaded.szPopupIcons);
    EXPECT_EQ(std::set<UINT>({7, 8, 9}), loaded.m_mapHiddenCommands);
    EXPECT_TRUE(loaded.IsCommandHidden(7));
    EXPECT_FALSE(loaded.IsCommandHidden(8)) << "used since it was hidden";
    EXPECT_FALSE(loaded.IsCommandHidden(10));
}

} // namespace
