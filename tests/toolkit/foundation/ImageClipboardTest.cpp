// Pasting the image manager's icons from the clipboard, whole or damaged.
#include "ImageTestSupport.h"
#include "framework/controls/COleDataObject.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <gtest/gtest.h>
#include <string.h>

namespace {
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

// Each case has the bytes of the icons FillManager makes, copied to the clipboard.
class ImageClipboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::OleInitialize(NULL);
        CXTPImageManager source;
        FillManager(source);
        m_data = CopiedBytes(source);
        ASSERT_GT(m_data.size(), 40u);
    }
    void TearDown() override { ::OleUninitialize(); }
    std::vector<BYTE> m_data;
};

TEST_F(ImageClipboard, PasteGivesANewIdWithTheCopiedWidths)
{
    CXTPImageManager target;
    EXPECT_EQ(0x10AABu, PasteInto(target));
    EXPECT_EQ(kFilledIcons, DescribeIconSet(target, 0x10AAB)) << "widths 16 and 24, no scaled copy";
}

TEST_F(ImageClipboard, DamagedDataLeavesNoIconSet)
{
    std::vector<BYTE> wrongCheckSum(m_data);
    wrongCheckSum[3] = 'Q';
    std::vector<std::vector<BYTE>> damaged = {std::vector<BYTE>(), wrongCheckSum};
    for (size_t nLength : {(size_t)1, (size_t)10, (size_t)30, m_data.size() / 2})
        damaged.push_back(std::vector<BYTE>(m_data.begin(), m_data.begin() + nLength));
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
    CXTPImageManager target;
    EXPECT_EQ(0u, PasteInto(target)) << "nothing of the format on the clipboard";
}
} // namespace
