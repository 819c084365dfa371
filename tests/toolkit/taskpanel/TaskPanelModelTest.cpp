// Items, groups and collections: reference counts through adding, removing
// and the panel's remembered items, ids from string resources, drag and
// drop permissions, moving and finding elements.
#include "TaskPanelTestIds.h"
#include "TaskPanelTestSupport.h"

#include <gtest/gtest.h>

namespace {

using CCountedItem = CLiveCounted<CXTPTaskPanelGroupItem>;
using CCountedGroup = CLiveCounted<CXTPTaskPanelGroup>;

CCountedItem* AddCounted(CXTPTaskPanelGroup* pGroup, UINT nID)
{
    CCountedItem* pItem = new CCountedItem;
    pGroup->GetItems()->Add(pItem, nID);
    pItem->SetType(xtpTaskItemTypeLink);
    pItem->SetCaption("counted");
    return pItem;
}

TEST_F(TaskPanelTest, CollectionTakesOverTheNewItemsReference)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 0);
    CCountedItem* pItem = AddCounted(pGroup, 10);
    EXPECT_EQ(1, pItem->m_dwRef);
    EXPECT_EQ(pGroup->GetItems(), pItem->GetParentItems());
    EXPECT_EQ(panel, pItem->GetTaskPanel());

    pItem->InternalAddRef(); // someone else holds it too
    pItem->Remove();
    EXPECT_EQ(1, CCountedItem::live) << "still held";
    EXPECT_EQ(NULL, pItem->GetParentItems()) << "detached from the collection";
    EXPECT_EQ(-1, pItem->GetIndex());
    pItem->InternalRelease();
    EXPECT_EQ(0, CCountedItem::live);

    AddCounted(pGroup, 11);
    AddCounted(pGroup, 12);
    pGroup->GetItems()->Clear();
    EXPECT_EQ(0, CCountedItem::live) << "clearing releases every element";
}

TEST_F(TaskPanelTest, PanelHoldsWhatItRemembersAndForgetsItOnRemoval)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 0);
    CCountedItem* pItem = AddCounted(pGroup, 10);
    panel->SetHotItem(pItem);
    panel->SetFocusedItem(pItem);
    EXPECT_EQ(3, pItem->m_dwRef) << "the collection, the hot and the focused item";
    panel->SetHotItem(NULL);
    EXPECT_EQ(2, pItem->m_dwRef);

    panel->SetHotItem(pItem);
    pItem->Remove();
    EXPECT_EQ(NULL, panel->GetHotItem());
    EXPECT_EQ(NULL, panel->GetFocusedItem());
    EXPECT_EQ(0, CCountedItem::live) << "the panel let go of it";
}

TEST_F(TaskPanelTest, RemovingAGroupForgetsItsItemsToo)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 0);
    CCountedItem* pHot = AddCounted(pGroup, 10);
    CCountedItem* pFocused = AddCounted(pGroup, 11);
    panel->SetHotItem(pHot);
    panel->SetFocusedItem(pFocused);
    pGroup->InternalAddRef();
    panel->GetGroups()->Remove(pGroup);
    EXPECT_EQ(NULL, panel->GetHotItem());
    EXPECT_EQ(NULL, panel->GetFocusedItem());
    EXPECT_EQ(2, CCountedItem::live) << "the group still holds them";
    pGroup->InternalRelease();
    EXPECT_EQ(0, CCountedItem::live) << "and releases them with itself";
}

TEST_F(TaskPanelTest, PressedAndActiveItemsAreForgottenOnRemoval)
{
    panel->SetBehaviour(xtpTaskPanelBehaviourList);
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);
    pGroup->SetExpanded(TRUE);
    EXPECT_EQ(pGroup, panel->GetActiveGroup());
    EXPECT_EQ(2, pGroup->m_dwRef) << "the collection and the active group";
    EXPECT_EQ(pGroup, panel->GetScrollButton(TRUE)->pScrollGroup);
    CXTPTaskPanelGroupItem* pItem = pGroup->GetAt(1);
    Mouse(WM_LBUTTONDOWN, CenterOf(pItem), MK_LBUTTON);
    EXPECT_EQ(pItem, panel->GetPressedItem());

    panel->GetGroups()->Clear();
    EXPECT_EQ(NULL, panel->GetActiveGroup());
    EXPECT_EQ(NULL, panel->GetPressedItem());
    EXPECT_EQ(NULL, panel->GetFocusedItem());
    EXPECT_EQ(NULL, panel->GetScrollButton(TRUE)->pScrollGroup);
    EXPECT_EQ(NULL, panel->GetScrollButton(FALSE)->pScrollGroup);
    Mouse(WM_LBUTTONUP, CPoint(50, 50));
    EXPECT_EQ(0, owner.Count(TPN_CLICK)) << "nothing is clicked after the item went";
}

TEST_F(TaskPanelTest, ItemRemovedByTheOwnerDuringItsNotificationLivesUntilItReturns)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 0);
    CCountedItem* pItem = AddCounted(pGroup, 10);
    int nLiveInside = -1;
    owner.onNotify = [&](UINT nCode, LPARAM lParam) {
        if (nCode != TPN_CLICK)
            return;
        ((CXTPTaskPanelItem*)lParam)->Remove();
        nLiveInside = CCountedItem::live;
    };
    panel->OnClick(pItem);
    EXPECT_EQ(1, nLiveInside) << "held while the owner works";
    EXPECT_EQ(0, CCountedItem::live) << "gone once the notification returned";
    EXPECT_EQ(0, pGroup->GetItemCount());
}

TEST_F(TaskPanelTest, GroupRemovedByTheOwnerWhileExpandingIsLeftAlone)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 2);
    AddGroup(2, 2);
    owner.onNotify = [&](UINT nCode, LPARAM lParam) {
        if (nCode == TPN_GROUPEXPANDING)
            ((TPNGROUPEXPANDING*)lParam)->pGroup->Remove();
    };
    pGroup->SetExpanded(FALSE);
    EXPECT_EQ(1, panel->GetGroupCount());
    EXPECT_EQ("6", owner.Codes()) << "no arrival is reported for a group that left";
}

// A group someone else holds outlives its panel, detached with its items:
// nothing it does later reaches the panel that is gone.
TEST(TaskPanelLifetime, GroupHeldElsewhereOutlivesThePanelDetached)
{
    CPanelOwner& owner = PanelOwner();
    CXTPTaskPanel* pPanel = new CXTPTaskPanel;
    ASSERT_TRUE(pPanel->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), &owner, 77));
    CXTPTaskPanelGroup* pGroup = pPanel->AddGroup(1);
    CCountedItem* pItem = AddCounted(pGroup, 10);
    pPanel->SetFocusedItem(pItem);
    pGroup->InternalAddRef();
    pItem->InternalAddRef();
    delete pPanel;

    EXPECT_EQ(NULL, pGroup->GetTaskPanel());
    EXPECT_EQ(NULL, pGroup->GetParentItems());
    EXPECT_EQ(NULL, pItem->GetTaskPanel());
    EXPECT_FALSE(pItem->IsItemFocused());
    pGroup->SetExpanded(FALSE);
    EXPECT_FALSE(pGroup->IsExpanded()) << "the group answers by itself";
    pGroup->InternalRelease();
    EXPECT_EQ(1, CCountedItem::live) << "the item is still held";
    pItem->InternalRelease();
    EXPECT_EQ(0, CCountedItem::live);
}

// The panel's groups take groups only and a group's items take group
// items only: another kind is refused and its reference released, and the
// panel lays out and paints as before.
TEST_F(TaskPanelTest, CollectionsTakeOnlyElementsOfTheirKind)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 2);
    const std::string strBefore = Targets();
    struct Row
    {
        const char* name;
        CXTPTaskPanelItems* pItems;
        std::function<CXTPTaskPanelItem*()> make;
    } rows[] = {
        {"a group item among the groups", panel->GetGroups(), [] { return new CCountedItem; }},
        {"a group among a group's items", pGroup->GetItems(), [] { return new CCountedGroup; }},
    };
    for (const Row& row : rows)
    {
        const int nCount = row.pItems->GetCount();
        EXPECT_EQ(NULL, row.pItems->Add(row.make(), 5)) << row.name;
        EXPECT_EQ(NULL, row.pItems->InsertAt(0, row.make())) << row.name;
        EXPECT_EQ(nCount, row.pItems->GetCount()) << row.name;
        EXPECT_EQ(0, CCountedItem::live + CCountedGroup::live) << row.name << " is released";
    }
    panel->Reposition(FALSE);
    PixelCanvas canvas(200, 300);
    PrintPanel(panel, canvas);
    EXPECT_EQ(strBefore, Targets());
}

TEST(TaskPanelItem, IdTakesCaptionAndTooltipFromItsString)
{
    struct Row
    {
        const char* name;
        UINT nID;
        const char* caption;
        const char* tooltip;
    } rows[] = {
        {"caption and tooltip", IDS_TASK_OPEN, "Open", "Opens a file"},
        {"a caption alone", IDS_TASK_CLOSE, "Close", "old tooltip"},
        {"no string", IDS_TASK_MISSING, "old caption", "old tooltip"},
    };
    for (const Row& row : rows)
    {
        CXTPTaskPanelItem* pItem = new CXTPTaskPanelItem;
        pItem->SetCaption("old caption");
        pItem->SetTooltip("old tooltip");
        pItem->SetID(row.nID);
        EXPECT_EQ(row.nID, pItem->GetID()) << row.name;
        EXPECT_STREQ(row.caption, pItem->GetCaption()) << row.name;
        EXPECT_STREQ(row.tooltip, pItem->GetTooltip()) << row.name;
        pItem->InternalRelease();
    }
}

TEST_F(TaskPanelTest, DragPermissionComesFromItemGroupOrPanel)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 1);
    CXTPTaskPanelGroupItem* pItem = pGroup->GetAt(0);
    struct Row
    {
        const char* name;
        long nItem, nGroup, nPanel, expected;
    } rows[] = {
        {"the item's own", 0x20, 0x40, 0x08, 0x20},
        {"the group's", 1, 0x40, 0x08, 0x40},
        {"the panel's", 1, 1, 0x08, 0x08},
        {"a panel that forbids", 1, 1, 0, 0},
        {"nobody chose", 1, 1, 1, xtpTaskItemAllowDragAll},
        {"an item that forbids", 0, 0x40, 0x08, 0},
    };
    for (const Row& row : rows)
    {
        pItem->SetAllowDrag(row.nItem);
        pGroup->SetAllowDrag(row.nGroup);
        panel->SetAllowDrag(row.nPanel);
        EXPECT_EQ(row.expected, pItem->GetAllowDrag()) << row.name;
    }
    CXTPTaskPanelItem* pDetached = new CXTPTaskPanelGroupItem;
    EXPECT_EQ(204, pDetached->GetAllowDrag()) << "a detached item";
    pDetached->InternalRelease();
}

TEST_F(TaskPanelTest, DropNeedsTheItemItsGroupAndThePanel)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 1);
    CXTPTaskPanelGroupItem* pItem = pGroup->GetAt(0);
    EXPECT_TRUE(pItem->IsAllowDrop());
    pGroup->SetAllowDrop(FALSE);
    EXPECT_FALSE(pItem->IsAllowDrop()) << "the group refuses";
    EXPECT_FALSE(pGroup->IsAllowDrop());
    pGroup->SetAllowDrop(TRUE);
    pItem->SetAllowDrop(FALSE);
    EXPECT_FALSE(pItem->IsAllowDrop()) << "the item refuses";
    EXPECT_TRUE(pGroup->IsAllowDrop());
    CXTPTaskPanelItem* pDetached = new CXTPTaskPanelGroupItem;
    EXPECT_FALSE(pDetached->IsAllowDrop()) << "no panel";
    pDetached->InternalRelease();
}

TEST(TaskPanelItem, PlainItemBelongsToNoGroup)
{
    // Only groups are their own group; a plain item used to pass itself off as one.
    CXTPTaskPanelItems items;
    CXTPTaskPanelItem* pItem = items.Add(new CXTPTaskPanelItem, 0);
    EXPECT_EQ(NULL, pItem->GetItemGroup());
    EXPECT_EQ(204, pItem->GetAllowDrag());
    CXTPTaskPanelGroup* pGroup = new CXTPTaskPanelGroup;
    EXPECT_EQ(pGroup, pGroup->GetItemGroup());
    pGroup->InternalRelease();
}

// The captions of a collection, "a b c".
std::string Captions(CXTPTaskPanelItems* pItems)
{
    std::string text;
    for (int i = 0; i < pItems->GetCount(); i++)
        text += (i ? " " : "") + std::string(pItems->GetAt(i)->GetCaption());
    return text;
}

TEST(TaskPanelItems, MoveFindAndIndex)
{
    CXTPTaskPanelItems items;
    for (const char* caption : {"a", "b", "c", "d"})
        items.Add(new CXTPTaskPanelItem, 0)->SetCaption(caption);
    CXTPTaskPanelItem* pB = items.GetAt(1);
    items.Move(pB, 3);
    EXPECT_EQ("a c d b", Captions(&items));
    items.Move(pB, 3);
    EXPECT_EQ("a c d b", Captions(&items)) << "its own index";
    CXTPTaskPanelItem* pStranger = new CXTPTaskPanelItem;
    items.Move(pStranger, 0);
    EXPECT_EQ("a c d b", Captions(&items)) << "not an element";
    EXPECT_EQ(-1, items.IndexOf(pStranger));
    EXPECT_EQ(1, pB->m_dwRef) << "moving keeps the one reference";
    items.InsertAt(99, pStranger)->SetCaption("e");
    EXPECT_EQ("a c d b e", Captions(&items)) << "an index past the end appends";
    items.GetAt(2)->SetID(7);
    EXPECT_EQ(items.GetAt(2), items.Find(7));
    EXPECT_EQ(NULL, items.Find(8));
    EXPECT_EQ(NULL, items.GetAt(5));
    EXPECT_EQ(NULL, items.GetAt(-1));
    items.RemoveAt(9);
    EXPECT_EQ(5, items.GetCount()) << "an index out of range removes nothing";
}

TEST_F(TaskPanelTest, SelectingAnItemDeselectsItsSiblings)
{
    CXTPTaskPanelGroup* pGroup = AddGroup(1, 3);
    pGroup->GetAt(0)->SetItemSelected(TRUE);
    pGroup->SetSelectedItem(pGroup->GetAt(2));
    EXPECT_FALSE(pGroup->GetAt(0)->IsItemSelected());
    EXPECT_TRUE(pGroup->GetAt(2)->IsItemSelected());
}

TEST_F(TaskPanelTest, DisabledItemIsNeverHot)
{
    CXTPTaskPanelGroupItem* pItem = AddGroup(1, 1)->GetAt(0);
    panel->SetHotItem(pItem);
    EXPECT_TRUE(pItem->IsItemHot());
    pItem->SetEnabled(FALSE);
    EXPECT_FALSE(pItem->IsItemHot()) << "even while the panel names it";
    EXPECT_FALSE(pItem->IsAcceptFocus());
}

} // namespace
