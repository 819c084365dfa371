// The image manager's icons in archives and on the clipboard, and what
// corrupt or truncated data does to them.
#include "ImageTestSupport.h"
#include "tests/support/PixelCanvas.h"
#include "framework/controls/COleDataObject.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <gtest/gtest.h>
#include <string.h>

namespace {

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

// Puts bytes on the clipboard under the toolbar-image format.
void PutOnClipboard(const std::vector<BYTE>& data)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, data.size() ? data.size() : 1);
    if (!data.empty())
        memcpy(::GlobalLock(hData), &data[0], data.size());
    ::GlobalUnlock(hData);
    ::SetClipboardData(XTPImageManagerClipboardFormat, hData);
    ::CloseClipboard();
}

UINT PasteInto(CXTPImageManager& manager)
{
    COleDataObject data;
    if (!data.AttachClipboard())
        return 0;
    return manager.PasteFromClipboard(data);
}

// Each case has the icons FillManager makes in m_source.
struct ImagePersistence : ::testing::Test
{
    void SetUp() override
    {
        ::OleInitialize(NULL);
        FillManager(m_source);
    }
    void TearDown() override { ::OleUninitialize(); }
    CXTPImageManager m_source;
};

TEST_F(ImagePersistence, IconsRoundTripThroughAnArchive)
{
    CXTPImageManager target;
    ASSERT_TRUE(LoadIcons(target, 7, StoreIcons(m_source, 7)));
    EXPECT_EQ(kFilledIcons, DescribeIconSet(target, 7)) << "scaled copies are not kept";
    // A loaded id moves the next custom id.
    ASSERT_TRUE(LoadIcons(target, 0x20000, StoreIcons(m_source, 7)));
    CXTPImageManagerIconHandle icon;
    icon = MakeIcon(16, 16, RGB(1, 1, 1));
    EXPECT_EQ(0x20001u, target.AddCustomIcon(icon));

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        m_source.Serialize(ar);
    }
    file.SeekToBegin();
    CXTPImageManager all;
    CArchive ar(&file, CArchive::load);
    all.Serialize(ar);
    EXPECT_EQ(kFilledIcons, DescribeIconSet(all, 7));
}

// A monochrome icon (one mask bitmap of twice its height, no colours) used as
// a button image is stored as a colour icon that draws the same pixels.
TEST(ImageRecords, MonochromeIconsStoreWhatTheyDraw)
{
    // Top four rows transparent, then the left half black and the right half
    // white; each row of 16 pixels is one 16-bit word of each mask.
    std::vector<WORD> andBits(16), xorBits(16);
    for (int y = 0; y < 16; y++)
    {
        andBits[y] = y < 4 ? 0xFFFF : 0x0000;
        xorBits[y] = y < 4 ? 0x0000 : 0xFF00; // the bytes' first bit is the leftmost pixel
    }
    HICON hMonochrome = ::CreateIcon(NULL, 16, 16, 1, 1, (const BYTE*)andBits.data(), (const BYTE*)xorBits.data());
    ASSERT_TRUE(hMonochrome != NULL);
    CXTPImageManager source, target;
    ASSERT_TRUE(source.SetIcon(CXTPImageManagerIconHandle(hMonochrome), 7, CSize(16, 16)));
    ASSERT_TRUE(LoadIcons(target, 7, StoreIcons(source, 7)));
    ASSERT_TRUE(target.GetImage(7, 16) != NULL);
    const CXTPImageManagerIconHandle& loaded = target.GetImage(7, 16)->GetIcon();
    ASSERT_FALSE(loaded.IsEmpty()) << "the icon loads";
    for (COLORREF clrBack : {RGB(128, 128, 128), RGB(0, 0, 255)})
    {
        PixelCanvas drawn(16, 16, clrBack), reloaded(16, 16, clrBack);
        ::DrawIconEx(drawn.dc().m_hDC, 0, 0, hMonochrome, 16, 16, 0, NULL, DI_NORMAL);
        ::DrawIconEx(reloaded.dc().m_hDC, 0, 0, loaded.GetIcon(), 16, 16, 0, NULL, DI_NORMAL);
        EXPECT_EQ(clrBack, reloaded.Pixel(3, 2)) << "transparent";
        EXPECT_EQ(RGB(0, 0, 0), reloaded.Pixel(3, 8));
        EXPECT_EQ(RGB(255, 255, 255), reloaded.Pixel(12, 8));
        EXPECT_TRUE(drawn.SameAs(reloaded));
    }
    ::DestroyIcon(hMonochrome);
}

// Of one alpha icon: check text 22, icon count 2, width 4, height and version 8, the normal
// image (header count 2 + 52, pixel count + pixels, empty mask record 2), three empty
// images of 2 + 2 bytes. A pixel count from 0xFFFF up is 0xFFFF and a 32-bit count.
TEST(ImageRecords, IconRecordLayout)
{
    CXTPImageManager source, target;
    CXTPImageManagerIconHandle alpha;
    alpha = MakeAlphaBitmap(128, 128, 0x80102030);
    source.SetIcon(alpha, 7);
    std::vector<BYTE> data = StoreIcons(source, 7);
    EXPECT_EQ(22u + 2 + 4 + 8 + (2 + 52 + 6 + 65536 + 2) + 12, data.size());
    ASSERT_TRUE(LoadIcons(target, 7, data));
    EXPECT_EQ("128x128 alpha 80102030; ", DescribeIconSet(target, 7));
    std::vector<BYTE> handData;
    auto add = [&](const void* pData, size_t nBytes) {
        handData.insert(handData.end(), (const BYTE*)pData, (const BYTE*)pData + nBytes);
    };
    auto addWord = [&](WORD w) { add(&w, 2); };
    auto addLong = [&](LONG n) { add(&n, 4); };
    handData.push_back(21);
    add("CXTPImageManagerIcons", 21);
    addWord(1);  // icons
    addLong(16); // width
    addLong(16); // height
    addLong(8);  // version
    BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 32, BI_RGB, 1024, 0, 0, 0, 0};
    addWord(52);
    add(&header, sizeof(header));
    handData.insert(handData.end(), 12, 0); // colour masks
    addWord(1024);
    std::vector<DWORD> pixels(256, 0xFF0000FF);
    pixels[0] = 0xFF00FF00; // bottom-up rows: the bottom left pixel
    add(&pixels[0], 1024);
    for (int nRecord = 0; nRecord < 7; nRecord++)
        addWord(0); // the mask record and three empty images

    CXTPImageManager manager;
    ASSERT_TRUE(LoadIcons(manager, 3, handData));
    EXPECT_EQ("16x16 alpha FF0000FF; ", DescribeIconSet(manager, 3));
    EXPECT_EQ(0xFF00FF00u, AlphaPixel(manager.GetImage(3, 16)->GetIcon().GetBitmap(), 0, 15));
    EXPECT_EQ(handData, StoreIcons(manager, 3));
}

// Every length or byte of the headers, then a sample of the pixel data.
size_t NextDamagedByte(size_t nByte)
{
    return nByte < 128 ? nByte + 1 : nByte + 13;
}

TEST_F(ImagePersistence, DamagedDataFailsCleanly)
{
    std::vector<BYTE> data = StoreIcons(m_source, 7);
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

TEST_F(ImagePersistence, PasteFromTheClipboard)
{
    std::vector<BYTE> data = CopiedBytes(m_source);
    ASSERT_GT(data.size(), 40u);
    CXTPImageManager pasted;
    EXPECT_EQ(0x10AABu, PasteInto(pasted));
    EXPECT_EQ(kFilledIcons, DescribeIconSet(pasted, 0x10AAB)) << "widths 16 and 24, no scaled copy";
    std::vector<BYTE> wrongCheckSum(data);
    wrongCheckSum[3] = 'Q';
    std::vector<std::vector<BYTE>> damaged = {std::vector<BYTE>(), wrongCheckSum};
    for (size_t nLength : {(size_t)1, (size_t)10, (size_t)30, data.size() / 2})
        damaged.push_back(std::vector<BYTE>(data.begin(), data.begin() + nLength));
    for (const std::vector<BYTE>& bytes : damaged)
    {
        PutOnClipboard(bytes);
        CXTPImageManager target;
        EXPECT_EQ(0u, PasteInto(target)) << bytes.size();
        EXPECT_TRUE(target.GetImages().empty()) << "a failed paste leaves no icon set";
    }

    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    ::CloseClipboard();
    CXTPImageManager empty;
    EXPECT_EQ(0u, PasteInto(empty)) << "nothing of the format on the clipboard";
}

} // namespace
