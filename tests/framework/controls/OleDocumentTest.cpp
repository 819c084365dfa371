// The OLE container document: items join and leave it, a view's primary
// selection is its only selected item, and the Edit menu's object entry is
// built from the selected object's verbs (an object of the test's own).
#include "tests/support/TestOleObject.h"
#include "framework/Controls.h"
#include "framework/Gdi.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const DWORD kOnMenu = OLEVERBATTRIB_ONCONTAINERMENU;

TEST(OleDocument, ItemsJoinOnConstructionLeaveOnDeletionAndGoWithTheDocument)
{
    COleDocument* pDoc = new COleDocument;
    COleClientItem* pFirst = new COleClientItem(pDoc);
    COleClientItem* pSecond = new COleClientItem(pDoc);
    EXPECT_EQ(2, pDoc->GetItemCount());
    EXPECT_EQ(pDoc, pSecond->GetDocument());

    delete pFirst;
    EXPECT_EQ(1, pDoc->GetItemCount());
    EXPECT_EQ(pSecond, pDoc->GetItem(0));

    CTestOleObject* pObject = new CTestOleObject("Picture", {});
    pSecond->SetObject(pObject);
    EXPECT_EQ(2, pObject->GetRefCount());
    EXPECT_EQ(COleClientItem::loadedState, pSecond->GetItemState());
    delete pDoc; // deletes the second item, which lets the object go
    EXPECT_EQ(1, pObject->GetRefCount());
    pObject->Release();
}

TEST(OleDocument, ThePrimarySelectionIsTheOnlySelectedItem)
{
    COleDocument doc;
    COleClientItem* pFirst = new COleClientItem(&doc);
    COleClientItem* pSecond = new COleClientItem(&doc);
    CSelectingView* pView = new CSelectingView;

    EXPECT_EQ(nullptr, doc.GetPrimarySelectedItem(pView)) << "none selected";
    pView->m_selected = {pSecond};
    EXPECT_EQ(pSecond, doc.GetPrimarySelectedItem(pView));
    pView->m_selected = {pFirst, pSecond};
    EXPECT_EQ(nullptr, doc.GetPrimarySelectedItem(pView)) << "two selected";
    delete pView;
}

// The menu's item at position 0 as text: "Text=id" for a command (with
// " grayed" when it is), "Text>{...}" for a submenu.
std::string Describe(HMENU hMenu, int nPos)
{
    char text[1024] = "";
    ::GetMenuStringA(hMenu, (UINT)nPos, text, sizeof(text), MF_BYPOSITION);
    HMENU hSub = ::GetSubMenu(hMenu, nPos);
    std::string result = text;
    if (hSub != NULL)
    {
        result += ">{";
        for (int i = 0; i < ::GetMenuItemCount(hSub); i++)
            result += (i > 0 ? ", " : "") + Describe(hSub, i);
        return result + "}";
    }
    result += "=" + std::to_string(::GetMenuItemID(hMenu, nPos));
    if (::GetMenuState(hMenu, (UINT)nPos, MF_BYPOSITION) & MF_GRAYED)
        result += " grayed";
    return result;
}

// The entry built at position 1 of a three-item menu for an object with the verbs.
std::string EditMenuEntry(const char* pszType, const std::vector<CTestOleObject::Verb>& verbs, BOOL bObject = TRUE)
{
    COleDocument doc;
    COleClientItem* pItem = new COleClientItem(&doc);
    if (bObject)
    {
        CTestOleObject* pObject = new CTestOleObject(pszType, verbs);
        pItem->SetObject(pObject);
        pObject->Release();
    }
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 1, "Cut");
    menu.AppendMenu(MF_STRING, 2, "<<OLE VERBS GO HERE>>");
    menu.AppendMenu(MF_STRING, 3, "Paste");
    EXPECT_TRUE(AfxOleSetEditMenu(pItem, &menu, 1, ID_OLE_VERB_FIRST, ID_OLE_VERB_LAST));
    EXPECT_EQ(3u, menu.GetMenuItemCount());
    EXPECT_EQ("Paste=3", Describe(menu.GetSafeHmenu(), 2)) << "the items around stay";
    return Describe(menu.GetSafeHmenu(), 1);
}

TEST(OleEditMenu, TheObjectEntryFollowsTheVerbsForTheContainerMenu)
{
    const std::string kFirst = std::to_string(ID_OLE_VERB_FIRST);
    struct Row
    {
        const char* name;
        const char* pszType;
        std::vector<CTestOleObject::Verb> verbs;
        std::string expected;
    } rows[] = {
        {"no verbs: the primary verb's command", "Picture", {}, "Picture &Object=" + kFirst},
        {"one verb", "Picture", {{0, "&Edit", 0, kOnMenu}}, "Edit Picture &Object=" + kFirst},
        {"several verbs: a submenu",
         "Picture",
         {{0, "&Edit", 0, kOnMenu}, {1, "&Open", MF_GRAYED, kOnMenu}},
         "Picture &Object>{&Edit=" + kFirst + ", &Open=" + std::to_string(ID_OLE_VERB_FIRST + 1) + " grayed}"},
        {"negative and unlisted verbs are left out",
         "Sheet",
         {{-1, "Show", 0, kOnMenu}, {0, "&Edit", 0, kOnMenu}, {1, "Hidden", 0, 0}},
         "Edit Sheet &Object=" + kFirst},
        {"a verb past the last command is left out",
         "Sheet",
         {{0, "&Edit", 0, kOnMenu}, {16, "Far", 0, kOnMenu}},
         "Edit Sheet &Object=" + kFirst},
        {"no type name", "", {}, "&Object=" + kFirst},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, EditMenuEntry(row.pszType, row.verbs)) << row.name;
}

TEST(OleEditMenu, LongTypeAndVerbNamesAreKeptWhole)
{
    const std::string strType(300, 'T'), strVerb(300, 'V');
    const std::string kFirst = std::to_string(ID_OLE_VERB_FIRST);
    EXPECT_EQ(strType + " &Object=" + kFirst, EditMenuEntry(strType.c_str(), {}));
    EXPECT_EQ(strVerb + " " + strType + " &Object=" + kFirst,
              EditMenuEntry(strType.c_str(), {{0, strVerb.c_str(), 0, kOnMenu}}));
}

TEST(OleEditMenu, WithoutAnObjectTheEntryIsADisabledObject)
{
    EXPECT_EQ("&Object=" + std::to_string(ID_OLE_VERB_FIRST) + " grayed", EditMenuEntry("Picture", {}, FALSE));
}

TEST(OleEditMenu, APositionPastTheMenuChangesNothing)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 1, "Cut");
    EXPECT_FALSE(AfxOleSetEditMenu(NULL, &menu, 1, ID_OLE_VERB_FIRST));
    EXPECT_EQ(1u, menu.GetMenuItemCount());
}

} // namespace
