// The keyword tree view: loading the store, the keyword commands with their
// counters, bold marks and the news list following, the refusals while a
// check runs, and export and import.
#include "ViewsFixture.h"
#include "DialogDriver.h"
#include "app/AddDlg.h"
#include "app/RepKeywordDlg.h"

namespace {

const std::vector<StoredKeyword> kStore = {
    {"alpha", {"*a1", "a2", "*a3"}},
    {"beta", {"b1"}},
    {"gamma", {"*g1"}},
};

// Types the text into the dialog's keyword edit and presses OK.
std::function<void(HWND)> Type(const char* text, int editId)
{
    return [text, editId](HWND hDlg) {
        ::SetDlgItemTextA(hDlg, editId, text);
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    };
}

TEST_F(ViewsTest, TheStoreLoadsUnderTheRootWithBoldKeywordsForUnreadNews)
{
    Open(kStore);
    CXTTreeCtrl& tree = m_pTree->GetTree();
    HTREEITEM hRoot = m_pTree->GetRootItem();
    EXPECT_STREQ(tree.GetItemText(hRoot), "Zivoror Udove");
    EXPECT_EQ(TreeText(), "*alpha beta *gamma");
    EXPECT_TRUE(tree.GetItemBold(hRoot));
    EXPECT_EQ(tree.GetSelectedItem(), hRoot);
    EXPECT_TRUE(tree.GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(Group().totalUnread, 3);
    Keyword* alpha = Group().GetFirst();
    EXPECT_EQ(alpha->treeItem, ItemNamed("alpha"));
    EXPECT_EQ((Keyword*)tree.GetItemData(alpha->treeItem), alpha);
}

TEST_F(ViewsTest, SelectingAKeywordShowsItsNewsAndEnablesTheKeywordCommands)
{
    Open(kStore);
    m_pTree->GetTree().Select(ItemNamed("alpha"), TVGN_CARET);
    EXPECT_EQ(m_pList->GetKeyword(), Group().GetFirst());
    EXPECT_EQ(m_pList->GetListCtrl().GetItemCount(), 3);
    EXPECT_STREQ(m_pList->GetListCtrl().GetItemText(1, CSkellrunView::COLUMN_TITLE), "a2");
    EXPECT_EQ(UpdateState(CItemTreeView::ID_REMOVE_KEYWORD), 1);
    EXPECT_EQ(UpdateState(CItemTreeView::ID_CHANGE_KEYWORD), 1);
    ASSERT_FALSE(m_pFrame->m_selections.empty());
    EXPECT_EQ(m_pFrame->m_selections.back(), "alpha");
    EXPECT_STREQ(m_pTree->GetCaption().GetCaptionText(), "alpha");
}

TEST_F(ViewsTest, AddAppendsTheKeywordAndRefusesOneThatDiffersOnlyInCase)
{
    Open(kStore);
    {
        CDialogDriver driver(Type("delta", CAddDlg::IDC_KEYWORD));
        Command(CItemTreeView::ID_ADD_KEYWORD);
        ASSERT_EQ(driver.seen.size(), 1u);
        EXPECT_EQ(driver.seen[0].caption, "Add Keyword");
    }
    EXPECT_EQ(TreeText(), "*alpha beta *gamma delta");
    EXPECT_EQ(Group().keywordCount, 4);
    EXPECT_EQ(m_pTree->GetTree().GetSelectedItem(), ItemNamed("delta"));
    EXPECT_EQ(Group().last->treeItem, ItemNamed("delta"));
    ASSERT_TRUE(WaitForChecks()); // the new keyword's own check refuses editing while it runs

    CDialogDriver driver(Type("BETA", CAddDlg::IDC_KEYWORD));
    Command(CItemTreeView::ID_ADD_KEYWORD);
    ASSERT_EQ(driver.seen.size(), 2u);
    EXPECT_EQ(driver.seen[1].text, "The keyword \"BETA\" is already in the list.");
    EXPECT_EQ(Group().keywordCount, 4);
}

TEST_F(ViewsTest, ChangeRenamesTheSelectedKeywordUnlessAnotherHasTheName)
{
    const struct
    {
        const char *name, *typed, *tree;
        size_t windows;
    } rows[] = {
        {"new name", "beta two", "*alpha beta two *gamma", 1},
        {"own name in other case", "BETA", "*alpha BETA *gamma", 1},
        {"another keyword's name", "Gamma", "*alpha beta *gamma", 2},
    };
    for (const auto& row : rows)
    {
        Open(kStore);
        m_pTree->GetTree().Select(ItemNamed("beta"), TVGN_CARET);
        CDialogDriver driver(Type(row.typed, CRepKeywordDlg::IDC_KEYWORD));
        Command(CItemTreeView::ID_CHANGE_KEYWORD);
        EXPECT_EQ(TreeText(), row.tree) << row.name;
        EXPECT_EQ(driver.seen.size(), row.windows) << row.name;
        TearDown();
        m_pFrame = nullptr;
    }
}

TEST_F(ViewsTest, ChangeOnTheRootOpensNothing)
{
    Open(kStore);
    CDialogDriver driver;
    m_pTree->SendMessage(WM_COMMAND, CItemTreeView::ID_CHANGE_KEYWORD, 0);
    EXPECT_TRUE(driver.seen.empty());
}

TEST_F(ViewsTest, RemoveTakesEverySelectedKeywordAndTheirUnreadCountsAndSaveWritesWhatIsLeft)
{
    Open(kStore);
    CXTTreeCtrl& tree = m_pTree->GetTree();
    tree.Select(ItemNamed("gamma"), TVGN_CARET);
    tree.SetItemState(ItemNamed("alpha"), TVIS_SELECTED, TVIS_SELECTED);
    tree.SetItemState(m_pTree->GetRootItem(), TVIS_SELECTED, TVIS_SELECTED);
    Command(CItemTreeView::ID_REMOVE_KEYWORD);
    EXPECT_EQ(TreeText(), "beta");
    EXPECT_EQ(Group().keywordCount, 1);
    EXPECT_EQ(Group().totalUnread, 0);
    EXPECT_FALSE(tree.GetItemBold(m_pTree->GetRootItem()));
    EXPECT_EQ(m_pList->GetKeyword(), Group().GetFirst());
    EXPECT_EQ(AllReadCount(), 1);
    ASSERT_TRUE(m_pTree->SaveKeywords());
    KeywordGroup saved;
    ASSERT_EQ(saved.ConfReader(m_folder.File("conf.xml").c_str()), 1);
    EXPECT_EQ(saved.keywordCount, 1);
    EXPECT_STREQ(saved.last->name, "beta");
}

TEST_F(ViewsTest, RemovingTheLastKeywordEmptiesTheListAndNamesTheCaptionKeyword)
{
    Open({{"solo", {"*s1"}}});
    m_pTree->GetTree().Select(ItemNamed("solo"), TVGN_CARET);
    Command(CItemTreeView::ID_REMOVE_KEYWORD);
    EXPECT_EQ(m_pList->GetKeyword(), nullptr);
    EXPECT_EQ(m_pList->GetListCtrl().GetItemCount(), 0);
    EXPECT_STREQ(m_pTree->GetCaption().GetCaptionText(), "Keyword");
}

TEST_F(ViewsTest, RemoveAllClearsTreeListAndCountersAndDisablesTheKeywordCommands)
{
    Open(kStore);
    m_pTree->GetTree().Select(ItemNamed("alpha"), TVGN_CARET);
    Command(CItemTreeView::ID_REMOVE_ALL);
    EXPECT_EQ(TreeText(), "");
    EXPECT_EQ(Group().keywordCount, 0);
    EXPECT_EQ(Group().totalUnread, 0);
    EXPECT_EQ(m_pList->GetKeyword(), nullptr);
    EXPECT_EQ(m_pList->GetListCtrl().GetItemCount(), 0);
    EXPECT_FALSE(m_pTree->GetTree().GetItemBold(m_pTree->GetRootItem()));
    EXPECT_EQ(m_pTree->GetTree().GetSelectedItem(), m_pTree->GetRootItem());
    EXPECT_EQ(AllReadCount(), 1);
    EXPECT_EQ(UpdateState(CItemTreeView::ID_REMOVE_KEYWORD), 0);
    EXPECT_EQ(UpdateState(CItemTreeView::ID_CHANGE_KEYWORD), 0);
}

TEST_F(ViewsTest, MarkAsReadOnAKeywordClearsItsItemsAndFollowsWithTheRoot)
{
    Open(kStore);
    m_pTree->GetTree().Select(ItemNamed("alpha"), TVGN_CARET);
    Command(CItemTreeView::ID_MARK_READ);
    EXPECT_EQ(TreeText(), "alpha beta *gamma");
    EXPECT_EQ(Group().totalUnread, 1);
    EXPECT_EQ(Group().GetFirst()->unreadCount, 0);
    EXPECT_FALSE(Group().GetFirst()->firstItem->unread);
    EXPECT_TRUE(m_pTree->GetTree().GetItemBold(m_pTree->GetRootItem()));
    EXPECT_EQ(AllReadCount(), 0);

    m_pTree->GetTree().Select(ItemNamed("gamma"), TVGN_CARET);
    Command(CItemTreeView::ID_MARK_READ);
    EXPECT_EQ(Group().totalUnread, 0);
    EXPECT_FALSE(m_pTree->GetTree().GetItemBold(m_pTree->GetRootItem()));
    EXPECT_EQ(AllReadCount(), 1);
}

TEST_F(ViewsTest, MarkAsReadOnTheRootReadsEverythingAndAlwaysTellsTheFrame)
{
    Open(kStore);
    Command(CItemTreeView::ID_MARK_READ);
    EXPECT_EQ(TreeText(), "alpha beta gamma");
    EXPECT_EQ(Group().totalUnread, 0);
    EXPECT_FALSE(m_pTree->GetTree().GetItemBold(m_pTree->GetRootItem()));
    EXPECT_EQ(AllReadCount(), 1);
    Command(CItemTreeView::ID_MARK_READ);
    EXPECT_EQ(AllReadCount(), 2);
}

TEST_F(ViewsTest, EditingCommandsRefuseWhileACheckRuns)
{
    const char* editing = "Tidewatch is getting updated news,\nso you can't remove or add keywords for now";
    const char* changing = "Tidewatch is getting updated news,\nso you can't change keywords for now";
    const char* importing =
        "Tidewatch is getting updated news,\nso you can't apply the import feature for now";
    const char* exporting =
        "Tidewatch is getting updated news,\nso you can't apply the export feature for now";
    const struct
    {
        const char* name;
        std::function<void(ViewsTest*)> run;
        const char *text, *caption;
    } rows[] = {
        {"remove", [](ViewsTest* t) { t->Command(CItemTreeView::ID_REMOVE_KEYWORD); }, editing, "Tidewatch"},
        {"remove all", [](ViewsTest* t) { t->Command(CItemTreeView::ID_REMOVE_ALL); }, editing, "Tidewatch"},
        {"add", [](ViewsTest* t) { t->Command(CItemTreeView::ID_ADD_KEYWORD); }, editing, "Tidewatch"},
        {"change", [](ViewsTest* t) { t->Command(CItemTreeView::ID_CHANGE_KEYWORD); }, changing, "Tidewatch"},
        {"import", [](ViewsTest* t) { t->m_pTree->ImportKeywords(); }, importing, "Information"},
        {"export", [](ViewsTest* t) { t->m_pTree->ExportKeywords(); }, exporting, "Information"},
    };
    Open(kStore);
    m_pTree->GetTree().Select(ItemNamed("beta"), TVGN_CARET);
    g_bUpdatingNews = TRUE;
    for (const auto& row : rows)
    {
        CDialogDriver driver;
        row.run(this);
        ASSERT_EQ(driver.seen.size(), 1u) << row.name;
        EXPECT_EQ(driver.seen[0].text, row.text) << row.name;
        EXPECT_EQ(driver.seen[0].caption, row.caption) << row.name;
        EXPECT_EQ(TreeText(), "*alpha beta *gamma") << row.name;
    }
}

TEST_F(ViewsTest, ExportThenImportRoundTripsTheKeywordList)
{
    Open(kStore);
    const std::string path = m_folder.File("KeywordList.xml");
    ASSERT_TRUE(m_pTree->ExportKeywordsTo(path.c_str()));
    Command(CItemTreeView::ID_REMOVE_ALL);
    ASSERT_EQ(TreeText(), "");

    ASSERT_TRUE(m_pTree->ImportKeywordsFrom(path.c_str()));
    EXPECT_EQ(TreeText(), "*alpha beta *gamma");
    EXPECT_EQ(Group().keywordCount, 3);
    EXPECT_EQ(Group().totalUnread, 3);
    EXPECT_TRUE(m_pTree->GetTree().GetItemBold(m_pTree->GetRootItem()));
    EXPECT_EQ(Group().GetFirst()->treeItem, ItemNamed("alpha"));
}

TEST_F(ViewsTest, AnImportThatCannotBeReadWholeLeavesListAndStoreAsTheyWere)
{
    Open(kStore);
    const std::string store = ReadBytes(m_folder.File("conf.xml"));
    const std::string cut = m_folder.File("cut.xml");
    WriteBytes(cut, store.substr(0, store.find("<Keyword name=\"gamma\"") + 12));
    const struct
    {
        const char* name;
        std::string path;
    } rows[] = {
        {"cut file", cut},
        {"missing file", m_folder.File("missing.xml")},
    };
    for (const auto& row : rows)
    {
        CDialogDriver driver;
        EXPECT_FALSE(m_pTree->ImportKeywordsFrom(row.path.c_str())) << row.name;
        ASSERT_EQ(driver.seen.size(), 1u) << row.name;
        EXPECT_EQ(driver.seen[0].caption, "Information") << row.name;
        EXPECT_NE(driver.seen[0].text.find("The keyword list is unchanged."), std::string::npos) << row.name;
        EXPECT_EQ(TreeText(), "*alpha beta *gamma") << row.name;
        EXPECT_EQ(Group().totalUnread, 3) << row.name;
        EXPECT_EQ(ReadBytes(m_folder.File("conf.xml")), store) << row.name;
    }
}

TEST_F(ViewsTest, AnExportOrStoreThatCannotBeWrittenIsReported)
{
    Open(kStore);
    CDialogDriver driver;
    EXPECT_FALSE(m_pTree->ExportKeywordsTo(m_folder.File("no folder\\list.xml").c_str()));
    SetProgramFolder(m_folder.File("no folder").c_str());
    EXPECT_FALSE(m_pTree->SaveKeywords());
    ASSERT_EQ(driver.seen.size(), 2u);
    EXPECT_EQ(driver.seen[0].caption, "Information");
    EXPECT_NE(driver.seen[0].text.find("could not be written"), std::string::npos);
    EXPECT_NE(driver.seen[1].text.find("conf.xml"), std::string::npos);
}

TEST_F(ViewsTest, TheFileDialogsAskWithTheirTitles)
{
    Open(kStore);
    const struct
    {
        const char* name;
        void (CItemTreeView::*run)();
        const char* caption;
    } rows[] = {
        {"import", &CItemTreeView::ImportKeywords, "Load Keyword Group For XML File"},
        {"export", &CItemTreeView::ExportKeywords, "Save Keyword Group For XML File"},
    };
    for (const auto& row : rows)
    {
        CDialogDriver driver([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
        (m_pTree->*row.run)();
        ASSERT_EQ(driver.seen.size(), 1u) << row.name;
        EXPECT_EQ(driver.seen[0].caption, row.caption) << row.name;
        EXPECT_EQ(TreeText(), "*alpha beta *gamma") << row.name;
    }
}

TEST_F(ViewsTest, TheCaptionClickAsksTheFrameToHideThePane)
{
    Open(kStore);
    m_pTree->SendMessage(WM_COMMAND, CItemTreeView::IDC_CAPTION, 0);
    EXPECT_EQ(m_pFrame->m_nHideRequests, 1);
}

} // namespace
