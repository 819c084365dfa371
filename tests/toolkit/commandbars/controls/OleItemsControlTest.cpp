// The object-verbs placeholder of an Edit menu: made for its menu item, it
// expands into a popup of the verbs of the object the frame's active view
// has selected (an embedded object of the test's own), replaces that popup
// at each layout, and adds nothing for an object active in place or without
// a popup's worth of verbs.
#include "CommandBarsTestSupport.h"

#include "tests/support/TestOleObject.h"
#include "toolkit/commandbars/controls/XTPControlOleItems.h"


namespace {

const DWORD kOnMenu = OLEVERBATTRIB_ONCONTAINERMENU;

class OleItemsControlTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        pView = new CSelectingView;
        pView->m_pDocument = &document;
        frame->SetActiveView(pView, FALSE);

        // An Edit menu: Cut, the placeholder, Paste.
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, ID_TEST_COPY, "&Copy");
        menu.AppendMenu(MF_STRING, CXTPControlOleItems::kCommandId, CXTPControlOleItems::kCaption);
        menu.AppendMenu(MF_STRING, ID_TEST_NEW, "&New");
        pPopupBar = CXTPPopupBar::CreatePopupBar(frame->m_pCommandBars);
        pPopupBar->LoadMenu(&menu);
        pPlaceholder = pPopupBar->GetControl(1);
    }
    void TearDown() override
    {
        pPopupBar->InternalRelease();
        frame->SetActiveView(NULL, FALSE);
        pView->m_pDocument = NULL;
        delete pView;
        CommandBarsTest::TearDown();
    }
    // A selected item holding an object with the verbs.
    COleClientItem* SelectObject(const std::vector<CTestOleObject::Verb>& verbs)
    {
        COleClientItem* pItem = new COleClientItem(&document);
        CTestOleObject* pObject = new CTestOleObject("Picture", verbs);
        pItem->SetObject(pObject);
        pObject->Release();
        pView->m_selected.insert(pItem);
        return pItem;
    }
    // The menu's captions; a popup as "Caption>{items}".
    std::string Captions() const
    {
        std::string text;
        for (int i = 0; i < pPopupBar->GetControlCount(); i++)
        {
            CXTPControl* pControl = pPopupBar->GetControl(i);
            if (!pControl->IsVisible())
                continue;
            text += (text.empty() ? "" : ", ") + std::string((LPCTSTR)pControl->GetCaption());
            if (pControl->GetCommandBar() == NULL)
                continue;
            CXTPControls* pItems = pControl->GetCommandBar()->GetControls();
            text += ">{";
            for (int j = 0; j < pItems->GetCount(); j++)
                text += (j > 0 ? ", " : "") + std::string((LPCTSTR)pItems->GetAt(j)->GetCaption()) + "="
                        + std::to_string(pItems->GetAt(j)->GetID());
            text += "}";
        }
        return text;
    }

    COleDocument document;
    CSelectingView* pView = nullptr;
    CXTPPopupBar* pPopupBar = nullptr;
    CXTPControl* pPlaceholder = nullptr;
};

TEST_F(OleItemsControlTest, TheMenuItemGivesThePlaceholderOnlyWithItsCaption)
{
    EXPECT_TRUE(pPlaceholder->IsKindOf(RUNTIME_CLASS(CXTPControlOleItems)));
    CXTPControls controls;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, CXTPControlOleItems::kCommandId, "Object");
    EXPECT_FALSE(controls.AddMenuItem(&menu, 0)->IsKindOf(RUNTIME_CLASS(CXTPControlOleItems)));
}

TEST_F(OleItemsControlTest, TheSelectedObjectsVerbsBecomeAPopupAfterThePlaceholder)
{
    SelectObject({{0, "&Edit", 0, kOnMenu}, {1, "&Open", 0, kOnMenu}});
    pPlaceholder->OnCalcDynamicSize(0);

    EXPECT_EQ((DWORD)xtpHideGeneric, pPlaceholder->GetHideFlags());
    EXPECT_EQ("&Copy, Picture &Object>{&Edit=57872, &Open=57873}, &New", Captions());
    CXTPControl* pPopup = pPopupBar->GetControl(2);
    EXPECT_EQ(xtpControlPopup, pPopup->GetType());
    EXPECT_EQ(0, pPopup->GetID());
    EXPECT_TRUE(pPopup->IsTemporary());
    EXPECT_EQ(CString("OLEMENUPOPUP"), pPopup->GetParameter());
}

TEST_F(OleItemsControlTest, EachLayoutReplacesThePopupAndAChangedSelectionShows)
{
    SelectObject({{0, "&Edit", 0, kOnMenu}, {1, "&Open", 0, kOnMenu}});
    pPlaceholder->OnCalcDynamicSize(0);
    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ(4, pPopupBar->GetControlCount()) << "one popup, not two";

    pView->m_selected.clear();
    pPlaceholder->OnCalcDynamicSize(0);
    EXPECT_EQ("&Copy, &New", Captions());
}

TEST_F(OleItemsControlTest, NothingIsAddedWhereNoPopupOfVerbsBelongs)
{
    struct Row
    {
        const char* name;
        std::vector<CTestOleObject::Verb> verbs;
        COleClientItem::ItemState state;
        int nSelected;
    } rows[] = {
        {"no selection", {{0, "&Edit", 0, kOnMenu}, {1, "&Open", 0, kOnMenu}}, COleClientItem::loadedState, 0},
        {"two selected", {{0, "&Edit", 0, kOnMenu}, {1, "&Open", 0, kOnMenu}}, COleClientItem::loadedState, 2},
        {"active in place with its own interface",
         {{0, "&Edit", 0, kOnMenu}, {1, "&Open", 0, kOnMenu}},
         COleClientItem::activeUIState,
         1},
        {"a single verb", {{0, "&Edit", 0, kOnMenu}}, COleClientItem::loadedState, 1},
    };
    for (const Row& row : rows)
    {
        for (int i = 0; i < row.nSelected; i++)
            SelectObject(row.verbs)->SetItemState(row.state);
        pPlaceholder->OnCalcDynamicSize(0);
        EXPECT_EQ("&Copy, &New", Captions()) << row.name;
        pView->m_selected.clear();
    }
}

TEST_F(OleItemsControlTest, ThePlaceholderGoesIntoMenusOnly)
{
    DROPEFFECT dropEffect = DROPEFFECT_COPY;
    EXPECT_TRUE(pPlaceholder->IsCustomizeDragOverAvail(pPopupBar, CPoint(0, 0), dropEffect));
    EXPECT_FALSE(pPlaceholder->IsCustomizeDragOverAvail(frame->GetToolBar(), CPoint(0, 0), dropEffect));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, dropEffect);
}

} // namespace
