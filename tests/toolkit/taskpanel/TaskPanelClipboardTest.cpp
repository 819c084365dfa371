// One item on the clipboard and on a drag's data source: the archive form
// under "TaskPanelGroupItem" read back, the XML text for other programs, and
// data that names a foreign class or is cut short, which gives no item and
// creates nothing.
#include "TaskPanelTestSupport.h"

#include "framework/Controls.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"

#include <gtest/gtest.h>

namespace {

// A serializable class that is no task-panel item, counting its objects.
class CForeignThing : public CObject
{
    DECLARE_SERIAL(CForeignThing)
public:
    CForeignThing() { ++made; }
    static int made;
};
int CForeignThing::made = 0;
IMPLEMENT_SERIAL(CForeignThing, CObject, 1)

// A global block of the bytes an archive wrote: a class record, then the body.
HGLOBAL ArchiveBlock(CRuntimeClass* pClass, const char* pszBody, UINT nBodyLength)
{
    CSharedFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteClass(pClass);
        ar.Write(pszBody, nBodyLength);
        ar.Close();
    }
    return file.Detach();
}

std::string GlobalText(HGLOBAL hGlobal)
{
    if (hGlobal == NULL)
        return "none";
    std::string text((const char*)::GlobalLock(hGlobal));
    ::GlobalUnlock(hGlobal);
    ::GlobalFree(hGlobal);
    return text;
}

CXTPTaskPanelItem* ItemFrom(COleDataSource& source)
{
    COleDataObject data;
    data.Attach(source.GetDataObject(), FALSE);
    return CXTPTaskPanelItem::CreateFromOleData(&data);
}

TEST_F(TaskPanelTest, ClipboardCarriesAnItemBackAndForth)
{
    CXTPTaskPanelGroupItem* pLink = AddGroup(1, 1)->GetAt(0);
    pLink->SetTooltip("tip");
    pLink->SetIconIndex(4);
    pLink->SetBold(TRUE);
    pLink->CopyToClipboard();
    EXPECT_TRUE(::IsClipboardFormatAvailable(TaskPanelClipboardFormat));

    CXTPTaskPanelItem* pPasted = CXTPTaskPanelItem::PasteFromClipboard();
    ASSERT_NE(nullptr, pPasted);
    CXTPTaskPanelGroupItem* pCopy = DYNAMIC_DOWNCAST(CXTPTaskPanelGroupItem, pPasted);
    ASSERT_NE(nullptr, pCopy) << "the item's own class";
    EXPECT_STREQ("Link 1.1", pCopy->GetCaption());
    EXPECT_STREQ("tip", pCopy->GetTooltip());
    EXPECT_EQ(101u, pCopy->GetID());
    EXPECT_EQ(xtpTaskItemTypeLink, pCopy->GetType());
    EXPECT_EQ(4, pCopy->GetIconIndex());
    EXPECT_TRUE(pCopy->IsBold());
    EXPECT_EQ(NULL, pCopy->GetTaskPanel()) << "detached until someone adds it";
    pCopy->InternalRelease();

    ::OpenClipboard(NULL);
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_EQ(nullptr, CXTPTaskPanelItem::PasteFromClipboard()) << "nothing of the format";
}

TEST_F(TaskPanelTest, DataSourceCarriesTextOnlyWhenAsked)
{
    CXTPTaskPanelGroupItem* pLink = AddGroup(1, 1)->GetAt(0);
    COleDataSource inside, outside;
    ASSERT_TRUE(pLink->CacheDataSource(&inside, FALSE));
    ASSERT_TRUE(pLink->CacheDataSource(&outside, TRUE));

    COleDataObject data;
    data.Attach(inside.GetDataObject(), FALSE);
    EXPECT_TRUE(data.IsDataAvailable(TaskPanelClipboardFormat));
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    data.Release();
    data.Attach(outside.GetDataObject(), FALSE);
    EXPECT_TRUE(data.IsDataAvailable(TaskPanelClipboardFormat));
    const std::string text = GlobalText(data.GetGlobalData(CF_TEXT));
    EXPECT_NE(std::string::npos, text.find("<Item")) << text;
    EXPECT_NE(std::string::npos, text.find("Caption=\"Link 1.1\"")) << text;
    data.Release();

    CXTPTaskPanelItem* pCopy = ItemFrom(outside);
    ASSERT_NE(nullptr, pCopy);
    EXPECT_STREQ("Link 1.1", pCopy->GetCaption());
    pCopy->InternalRelease();
}

// The sizes and margins of a group item or a group as text.
std::string Extents(CXTPTaskPanelItem* pItem)
{
    if (CXTPTaskPanelGroupItem* pGroupItem = DYNAMIC_DOWNCAST(CXTPTaskPanelGroupItem, pItem))
        return "size " + std::to_string(pGroupItem->GetItemSize().cx) + "x"
               + std::to_string(pGroupItem->GetItemSize().cy) + ", margins " + Text(pGroupItem->GetMargins());
    CXTPTaskPanelGroup* pGroup = DYNAMIC_DOWNCAST(CXTPTaskPanelGroup, pItem);
    return "icons " + std::to_string(pGroup->GetIconSize().cx) + "x" + std::to_string(pGroup->GetIconSize().cy)
           + ", inner " + Text(pGroup->GetInnerMargins()) + ", outer " + Text(pGroup->GetOuterMargins());
}

// Sizes and margins that come with an item or a group over the clipboard or
// in a drop are kept within what a screen shows (an icon within 256 pixels);
// the unset margins stay unset. A group item sent 851,990 pixels high no
// longer makes its group as high.
TEST_F(TaskPanelTest, TransferredSizesAndMarginsStayWithinAScreen)
{
    const std::string kUnset = Text(XTPUnsetRect);
    struct Row
    {
        const char* name;
        std::function<CXTPTaskPanelItem*()> make;
        std::string expected;
    } rows[] = {
        {"an item 851,990 high",
         [] {
             CXTPTaskPanelGroupItem* pItem = new CXTPTaskPanelGroupItem;
             pItem->SetItemSize(0, 851990);
             return pItem;
         },
         "size 0x4096, margins " + kUnset},
        {"an item of negative width and vast margins",
         [] {
             CXTPTaskPanelGroupItem* pItem = new CXTPTaskPanelGroupItem;
             pItem->SetItemSize(-5, 12);
             pItem->GetMargins().SetRect(-3, 900000, 2, 5);
             return pItem;
         },
         "size 0x12, margins 0 4096 2 5"},
        {"a group of vast icons and margins",
         [] {
             CXTPTaskPanelGroup* pGroup = new CXTPTaskPanelGroup;
             pGroup->SetIconSize(CSize(100000, 32));
             pGroup->GetInnerMargins().SetRect(1, 2, 3, 900000);
             return pGroup;
         },
         "icons 256x32, inner 1 2 3 4096, outer " + kUnset},
    };
    for (const Row& row : rows)
    {
        CXTPTaskPanelItem* pSent = row.make();
        COleDataSource source;
        ASSERT_TRUE(pSent->CacheDataSource(&source, FALSE)) << row.name;
        pSent->InternalRelease();
        CXTPTaskPanelItem* pCopy = ItemFrom(source);
        ASSERT_NE(nullptr, pCopy) << row.name;
        EXPECT_EQ(row.expected, Extents(pCopy)) << row.name;
        pCopy->InternalRelease();
    }

    CXTPTaskPanelGroup* pGroup = AddGroup(1, 0);
    CXTPTaskPanelGroupItem* pTall = new CXTPTaskPanelGroupItem;
    pTall->SetItemSize(0, 851990);
    COleDataSource source;
    pTall->CacheDataSource(&source, FALSE);
    pTall->InternalRelease();
    pGroup->GetItems()->InsertAt(0, ItemFrom(source));
    // The caption, 6 above the item and 8 below it.
    EXPECT_EQ(20 + 6 + 4096 + 8, pGroup->GetTargetRect().Height());
}

TEST(TaskPanelTransfer, ForeignClassCreatesNothing)
{
    COleDataSource source;
    const char body[] = "\x05Hello\x00\x00";
    source.CacheGlobalData(TaskPanelClipboardFormat, ArchiveBlock(RUNTIME_CLASS(CForeignThing), body, sizeof(body)));
    CForeignThing::made = 0;
    EXPECT_EQ(nullptr, ItemFrom(source));
    EXPECT_EQ(0, CForeignThing::made) << "the class is checked before anything is made";
}

TEST(TaskPanelTransfer, DamagedDataGivesNoItem)
{
    CXTPTaskPanelGroupItem item;
    item.SetCaption("a caption long enough to be cut");
    HGLOBAL hWhole = item.PrepareDrag();
    ASSERT_NE((HGLOBAL)NULL, hWhole);
    const SIZE_T nSize = ::GlobalSize(hWhole);
    struct Row
    {
        const char* name;
        SIZE_T nKeep;
    } rows[] = {{"cut in the caption", 20}, {"cut after the class", 6}, {"only a byte", 1}};
    for (const Row& row : rows)
    {
        ASSERT_LT(row.nKeep, nSize);
        HGLOBAL hCut = ::GlobalAlloc(GMEM_MOVEABLE, row.nKeep);
        memcpy(::GlobalLock(hCut), ::GlobalLock(hWhole), row.nKeep);
        ::GlobalUnlock(hCut);
        ::GlobalUnlock(hWhole);
        COleDataSource source;
        source.CacheGlobalData(TaskPanelClipboardFormat, hCut);
        EXPECT_EQ(nullptr, ItemFrom(source)) << row.name;
    }
    COleDataSource source;
    source.CacheGlobalData(TaskPanelClipboardFormat, hWhole);
    CXTPTaskPanelItem* pWhole = ItemFrom(source);
    ASSERT_NE(nullptr, pWhole) << "the whole block reads";
    EXPECT_STREQ("a caption long enough to be cut", pWhole->GetCaption());
    pWhole->InternalRelease();

    COleDataSource textOnly;
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, 6);
    memcpy(::GlobalLock(hText), "hello", 6);
    ::GlobalUnlock(hText);
    textOnly.CacheGlobalData(CF_TEXT, hText);
    EXPECT_EQ(nullptr, ItemFrom(textOnly)) << "text from another program";
}

} // namespace
