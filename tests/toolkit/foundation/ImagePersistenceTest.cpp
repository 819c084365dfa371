// The image manager's icons in archives, the registry and on the clipboard,
// and what corrupt or truncated data does to them.
#include "ImageTestSupport.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeRegistry.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace
{
const char kTestKey[] = "Software\\Tidewatch Tests\\ImageManager";

// Expects the icons FillManager made, under the id.
void ExpectFilledIcons(CXTPImageManager& manager, UINT nID)
{
    CXTPImageManagerIconSet* pSet = manager.GetIconSet(nID);
    ASSERT_TRUE(pSet != NULL);
    ASSERT_EQ(2u, pSet->GetIcons().size()) << "scaled copies are not kept";
    CXTPImageManagerIcon* pIcon = pSet->GetIcon(16, FALSE);
    ASSERT_TRUE(pIcon != NULL);
    EXPECT_FALSE(pIcon->IsAlpha());
    EXPECT_EQ(CSize(16, 16), CXTPImageManagerIcon::GetExtent(pIcon->GetIcon()));
    EXPECT_EQ(RGB(200, 10, 10), IconColor(pIcon->GetIcon(), 5, 5));
    EXPECT_EQ(RGB(10, 200, 10), IconColor(pIcon->GetHotIcon(), 5, 5));
    CXTPImageManagerIcon* pAlpha = pSet->GetIcon(24, FALSE);
    ASSERT_TRUE(pAlpha != NULL);
    EXPECT_TRUE(pAlpha->IsAlpha());
    EXPECT_EQ(24, pAlpha->GetHeight());
    EXPECT_EQ(0x80102030u, AlphaPixel(pAlpha->GetIcon().GetBitmap(), 23, 23));
}

std::vector<BYTE> StoreIcons(CXTPImageManager& manager, UINT nID)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        manager.SerializeIcons(nID, ar);
    }
    std::vector<BYTE> data((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(&data[0], (UINT)data.size());
    return data;
}

// Loads icons from the bytes; FALSE when the archive raised its exception.
BOOL LoadIcons(CXTPImageManager& manager, UINT nID, std::vector<BYTE> data)
{
    try
    {
        CMemFile file(data.empty() ? NULL : &data[0], (UINT)data.size());
        CArchive ar(&file, CArchive::load);
        manager.SerializeIcons(nID, ar);
        return TRUE;
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        return FALSE;
    }
}

TEST(ImagePersistence, IconsRoundTripThroughAnArchive)
{
    CXTPImageManager source;
    FillManager(source);
    CXTPImageManager target;
    ASSERT_TRUE(LoadIcons(target, 7, StoreIcons(source, 7)));
    ExpectFilledIcons(target, 7);

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        source.Serialize(ar);
    }
    file.SeekToBegin();
    CXTPImageManager all;
    CArchive ar(&file, CArchive::load);
    all.Serialize(ar);
    ExpectFilledIcons(all, 7);
}

TEST(ImagePersistence, LoadedIdsMoveTheNextCustomId)
{
    CXTPImageManager source;
    FillManager(source);
    CXTPImageManager target;
    ASSERT_TRUE(LoadIcons(target, 0x20000, StoreIcons(source, 7)));
    CXTPImageManagerIconHandle icon;
    icon = MakeIcon(16, 16, RGB(1, 1, 1));
    EXPECT_EQ(0x20001u, target.AddCustomIcon(icon));
}

TEST(ImagePersistence, EveryTruncationFailsCleanly)
{
    CXTPImageManager source;
    FillManager(source);
    std::vector<BYTE> data = StoreIcons(source, 7);
    CXTPImageManager target;
    for (size_t nLength = 0; nLength < data.size(); nLength++)
    {
        target.RemoveAll();
        std::vector<BYTE> truncated(data.begin(), data.begin() + nLength);
        // Either the archive reports its end, or an icon whose data is cut stays empty.
        if (LoadIcons(target, 7, truncated))
        {
            CXTPImageManagerIconSet* pSet = target.GetIconSet(7);
            ASSERT_TRUE(pSet != NULL);
            EXPECT_LE(pSet->GetIcons().size(), 2u);
        }
    }
}

TEST(ImagePersistence, CorruptDataIsRefused)
{
    CXTPImageManager source;
    FillManager(source);
    std::vector<BYTE> data = StoreIcons(source, 7);

    std::vector<BYTE> wrongCheckSum(data);
    wrongCheckSum[3] = 'Q';
    CXTPImageManager target;
    EXPECT_FALSE(LoadIcons(target, 7, wrongCheckSum));

    // Every single byte changed to 0xFF: no crash, no unbounded allocation.
    CXTPImageManager damaged;
    for (size_t i = 0; i < data.size(); i += 3)
    {
        std::vector<BYTE> corrupt(data);
        corrupt[i] = 0xFF;
        damaged.RemoveAll();
        LoadIcons(damaged, 7, corrupt);
    }
}

TEST(ImagePersistence, RegistryLayout)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    HKEY hKey = NULL;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, NULL, 0,
                                               KEY_ALL_ACCESS, NULL, &hKey, NULL));
    CXTPImageManager source;
    FillManager(source);
    {
        CXTPPropExchangeRegistry px(FALSE, hKey, "Images");
        source.DoPropExchange(&px);
    }
    DWORD dwValue = 0;
    DWORD nSize = sizeof(dwValue);
    DWORD dwType = 0;
    EXPECT_EQ(ERROR_SUCCESS, ::SHGetValueA(hKey, "Images", "Count", &dwType, &dwValue, &nSize));
    EXPECT_EQ(1u, dwValue);
    EXPECT_EQ(ERROR_SUCCESS, ::SHGetValueA(hKey, "Images\\IconSet0", "Id", &dwType, &dwValue, &nSize));
    EXPECT_EQ(7u, dwValue);
    EXPECT_EQ(ERROR_SUCCESS, ::SHGetValueA(hKey, "Images\\IconSet0", "Count", &dwType, &dwValue, &nSize));
    EXPECT_EQ(2u, dwValue);
    EXPECT_EQ(ERROR_SUCCESS, ::SHGetValueA(hKey, "Images\\IconSet0\\Icon1", "Width", &dwType, &dwValue, &nSize));
    EXPECT_EQ(24u, dwValue);
    nSize = 0;
    EXPECT_EQ(ERROR_SUCCESS, ::SHGetValueA(hKey, "Images\\IconSet0\\Icon0", "Data", &dwType, NULL, &nSize));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    EXPECT_GT(nSize, 100u);
    EXPECT_NE(ERROR_SUCCESS, ::SHGetValueA(hKey, "Images\\IconSet0", "CheckSum", &dwType, NULL, &nSize))
        << "the check text equals its default";

    CXTPImageManager target;
    {
        CXTPPropExchangeRegistry px(TRUE, hKey, "Images");
        target.DoPropExchange(&px);
    }
    ExpectFilledIcons(target, 7);
    ::RegCloseKey(hKey);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
}

TEST(ImagePersistence, CopyPutsTheIconsOnTheClipboard)
{
    CXTPImageManager source;
    FillManager(source);
    std::vector<BYTE> data = CopiedBytes(source);
    std::vector<BYTE> stored = StoreIcons(source, 7);
    ASSERT_GE(data.size(), stored.size());
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), data.begin()));
    CXTPImageManager target;
    ASSERT_TRUE(LoadIcons(target, 9, data));
    ExpectFilledIcons(target, 9);
}
}
