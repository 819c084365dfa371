// The image manager's icons in archives, the registry and on the clipboard,
// and what corrupt or truncated data does to them.
#include "ImageTestSupport.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeRegistry.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {
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

TEST(ImagePersistence, BitmapRecordCountsTakeTheArchiveCountForm)
{
    // Of one alpha icon: check text 22, icon count 2, width 4, height and version 8, the normal
    // image (header count 2 + 52, pixel count + pixels, empty mask record 2), three empty
    // images of 2 + 2 bytes. A pixel count from 0xFFFF up is 0xFFFF and a 32-bit count.
    const struct
    {
        const char* name;
        int nSide;
        size_t nBytes;
    } cases[] = {
        {"16 x 16", 16, 22 + 2 + 4 + 8 + (2 + 52 + 2 + 1024 + 2) + 12},
        {"128 x 128", 128, 22 + 2 + 4 + 8 + (2 + 52 + 6 + 65536 + 2) + 12},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CXTPImageManager source;
        CXTPImageManagerIconHandle alpha;
        alpha = MakeAlphaBitmap(c.nSide, c.nSide, 0x80102030);
        source.SetIcon(alpha, 7);
        std::vector<BYTE> data = StoreIcons(source, 7);
        EXPECT_EQ(c.nBytes, data.size());
        CXTPImageManager target;
        ASSERT_TRUE(LoadIcons(target, 7, data));
        CXTPImageManagerIcon* pIcon = target.GetImage(7, c.nSide);
        ASSERT_TRUE(pIcon != NULL);
        ASSERT_TRUE(pIcon->IsAlpha());
        EXPECT_EQ(0x80102030u, AlphaPixel(pIcon->GetIcon().GetBitmap(), c.nSide - 1, c.nSide - 1));
    }
}

TEST(ImagePersistence, ReadsIconDataWrittenByHand)
{
    std::vector<BYTE> data;
    auto add = [&](const void* pData, size_t nBytes) {
        data.insert(data.end(), (const BYTE*)pData, (const BYTE*)pData + nBytes);
    };
    auto addWord = [&](WORD w) { add(&w, 2); };
    auto addLong = [&](LONG n) { add(&n, 4); };
    data.push_back(21);
    add("CXTPImageManagerIcons", 21);
    addWord(1);  // icons
    addLong(16); // width
    addLong(16); // height
    addLong(8);  // version
    BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 32, BI_RGB, 1024, 0, 0, 0, 0};
    addWord(52);
    add(&header, sizeof(header));
    data.insert(data.end(), 12, 0); // colour masks
    addWord(1024);
    std::vector<DWORD> pixels(256, 0xFF0000FF);
    pixels[0] = 0xFF00FF00; // bottom-up rows: the bottom left pixel
    add(&pixels[0], 1024);
    for (int nRecord = 0; nRecord < 7; nRecord++)
        addWord(0); // the mask record and three empty images

    CXTPImageManager manager;
    ASSERT_TRUE(LoadIcons(manager, 3, data));
    CXTPImageManagerIcon* pIcon = manager.GetImage(3, 16);
    ASSERT_TRUE(pIcon != NULL);
    ASSERT_TRUE(pIcon->IsAlpha());
    EXPECT_EQ(0xFF00FF00u, AlphaPixel(pIcon->GetIcon().GetBitmap(), 0, 15));
    EXPECT_EQ(0xFF0000FFu, AlphaPixel(pIcon->GetIcon().GetBitmap(), 15, 0));
    EXPECT_EQ(16, pIcon->GetHeight());
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

// Every length or byte of the headers, then a sample of the pixel data.
size_t NextDamagedByte(size_t nByte)
{
    return nByte < 128 ? nByte + 1 : nByte + 13;
}

TEST(ImagePersistence, DamagedDataFailsCleanly)
{
    CXTPImageManager source;
    FillManager(source);
    std::vector<BYTE> data = StoreIcons(source, 7);
    CXTPImageManager target;
    for (size_t nLength = 0; nLength < data.size(); nLength = NextDamagedByte(nLength))
    {
        target.RemoveAll();
        std::vector<BYTE> truncated(data.begin(), data.begin() + nLength);
        EXPECT_FALSE(LoadIcons(target, 7, truncated)) << "the archive reports its end at " << nLength;
    }

    std::vector<BYTE> wrongCheckSum(data);
    wrongCheckSum[3] = 'Q';
    EXPECT_FALSE(LoadIcons(target, 7, wrongCheckSum));
    // A byte changed to 0xFF: no crash, no unbounded allocation.
    for (size_t i = 0; i < data.size(); i = NextDamagedByte(i))
    {
        std::vector<BYTE> corrupt(data);
        corrupt[i] = 0xFF;
        target.RemoveAll();
        LoadIcons(target, 7, corrupt);
    }
}

TEST(ImagePersistence, RegistryLayout)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    HKEY hKey = NULL;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey, NULL));
    CXTPImageManager source;
    FillManager(source);
    {
        CXTPPropExchangeRegistry px(FALSE, hKey, "Images");
        source.DoPropExchange(&px);
    }
    const struct
    {
        const char* key;
        const char* name;
        DWORD dwExpected;
    } rows[] = {{"Images", "Count", 1},
                {"Images\\IconSet0", "Id", 7},
                {"Images\\IconSet0", "Count", 2},
                {"Images\\IconSet0\\Icon1", "Width", 24}};
    DWORD dwType = 0;
    for (const auto& row : rows)
    {
        DWORD dwValue = 0, nSize = sizeof(dwValue);
        EXPECT_EQ(ERROR_SUCCESS, ::SHGetValueA(hKey, row.key, row.name, &dwType, &dwValue, &nSize))
            << row.name;
        EXPECT_EQ(row.dwExpected, dwValue) << row.key << " " << row.name;
    }
    DWORD nSize = 0;
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

} // namespace
