// The keyword tree view: loading the store, the keyword commands with their
// counters, bold marks and the news list following, the refusals while a
// check runs, and export and import.
#include "ViewsFixture.h"
#include "tests/support/DialogDriver.h"
#include "app/AddDlg.h"
#include "app/RepKeywordDlg.h"
#include "tests/support/PixelCanvas.h"

#include <algorithm>

namespace {

const std::vector<StoredKeyword> kStore = {
    {"alpha", {"*a1", "a2", "*a3"}},
    {"beta", {"b1"}},
    {"gamma", {"*g1"}},
};
const char kOpened[] = "*root: *alpha beta *gamma | 3 keywords, 3 unread | list: none 0 rows";

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
    EXPECT_EQ(State(), kOpened);
    EXPECT_EQ(tree.GetSelectedItem(), hRoot);
    EXPECT_TRUE(tree.GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
    Keyword* alpha = Group().GetFirst();
    EXPECT_EQ(alpha->treeItem, ItemNamed("alpha"));
    EXPECT_EQ((Keyword*)tree.GetItemData(alpha->treeItem), alpha);
}

TEST_F(ViewsTest, AClickOnTheCaptionAsksTheFrameToHideThePane)
{
    Open(kStore);
    m_pTree->SendMessage(WM_COMMAND, CItemTreeView::IDC_CAPTION, 0);
    EXPECT_EQ(m_pFrame->m_nHideRequests, 1);
}

TEST_F(ViewsTest, SelectingAKeywordShowsItsNewsAndEnablesTheKeywordCommands)
{
    Open(kStore);
    Select("alpha");
    EXPECT_EQ(State(), "*root: *alpha beta *gamma | 3 keywords, 3 unread | list: alpha 3 rows");
    EXPECT_STREQ(m_pList->GetListCtrl().GetItemText(1, CSkellrunView::COLUMN_TITLE), "a2");
    EXPECT_EQ(EnableOf(m_pTree, CItemTreeView::ID_REMOVE_KEYWORD), 1);
    EXPECT_EQ(EnableOf(m_pTree, CItemTreeView::ID_CHANGE_KEYWORD), 1);
    EXPECT_EQ(m_pFrame->m_selections, std::vector<std::string>({"Zivoror Udove", "alpha"}));
    EXPECT_STREQ(m_pTree->GetCaption().GetCaptionText(), "alpha");
}

TEST_F(ViewsTest, AddAppendsTheKeywordAndRefusesOneThatDiffersOnlyInCase)
{
    Open(kStore);
    CDialogDriver driver(Type("delta", CAddDlg::IDC_KEYWORD));
    Command(CItemTreeView::ID_ADD_KEYWORD);
    EXPECT_EQ(State(), "*root: *alpha beta *gamma delta | 4 keywords, 3 unread | list: delta 0 rows");
    EXPECT_EQ(m_pTree->GetTree().GetSelectedItem(), ItemNamed("delta"));
    EXPECT_EQ(Group().last->treeItem, ItemNamed("delta"));
    ASSERT_TRUE(WaitForChecks()); // the new keyword's own check refuses editing while it runs

    CDialogDriver typist(Type("BETA", CAddDlg::IDC_KEYWORD));
    Command(CItemTreeView::ID_ADD_KEYWORD);
    ASSERT_EQ(typist.seen.size(), 2u);
    EXPECT_EQ(typist.seen[0].caption, "Add Keyword");
    EXPECT_EQ(typist.seen[1].text, "The keyword \"BETA\" is already in the list.");
    EXPECT_EQ(Group().keywordCount, 4);
}

TEST_F(ViewsTest, ChangeRenamesTheSelectedKeywordUnlessAnotherHasTheName)
{
    const struct
    {
        const char *name, *selected, *typed, *tree;
        size_t windows;
    } rows[] = {
        {"new name", "beta", "beta two", "*alpha beta two *gamma", 1},
        {"own name in other case", "beta", "BETA", "*alpha BETA *gamma", 1},
        {"another keyword's name", "beta", "Gamma", "*alpha beta *gamma", 2},
        {"the root opens nothing", nullptr, "x", "*alpha beta *gamma", 0},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Open(kStore);
        Select(row.selected);
        CDialogDriver driver(Type(row.typed, CRepKeywordDlg::IDC_KEYWORD));
        Command(CItemTreeView::ID_CHANGE_KEYWORD);
        EXPECT_EQ(TreeText(), row.tree);
        EXPECT_EQ(driver.seen.size(), row.windows);
        TearDown();
    }
}

TEST_F(ViewsTest, RemoveTakesEverySelectedKeywordAndTheirUnreadCountsAndSaveWritesWhatIsLeft)
{
    Open(kStore);
    CXTTreeCtrl& tree = m_pTree->GetTree();
    Select("gamma");
    tree.SetItemState(ItemNamed("alpha"), TVIS_SELECTED, TVIS_SELECTED);
    tree.SetItemState(m_pTree->GetRootItem(), TVIS_SELECTED, TVIS_SELECTED);
    Command(CItemTreeView::ID_REMOVE_KEYWORD);
    EXPECT_EQ(State(), "root: beta | 1 keywords, 0 unread | list: beta 1 rows");
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
    Select("solo");
    Command(CItemTreeView::ID_REMOVE_KEYWORD);
    EXPECT_EQ(State(), "root:  | 0 keywords, 0 unread | list: none 0 rows");
    EXPECT_STREQ(m_pTree->GetCaption().GetCaptionText(), "Keyword");
}

TEST_F(ViewsTest, RemoveAllClearsTreeListAndCountersAndDisablesTheKeywordCommands)
{
    Open(kStore);
    Select("alpha");
    Command(CItemTreeView::ID_REMOVE_ALL);
    EXPECT_EQ(State(), "root:  | 0 keywords, 0 unread | list: none 0 rows");
    EXPECT_EQ(m_pTree->GetTree().GetSelectedItem(), m_pTree->GetRootItem());
    EXPECT_EQ(AllReadCount(), 1);
    EXPECT_EQ(EnableOf(m_pTree, CItemTreeView::ID_REMOVE_KEYWORD), 0);
    EXPECT_EQ(EnableOf(m_pTree, CItemTreeView::ID_CHANGE_KEYWORD), 0);
}

// The tree's images are the eleven icons in their order: image i is the
// i-th icon of the list, drawn the same.
TEST_F(ViewsTest, TheTreeImagesAreTheElevenIconsInOrder)
{
    Open(kStore);
    CImageList* pImages = m_pTree->GetTree().GetImageList(TVSIL_NORMAL);
    ASSERT_TRUE(pImages != nullptr);
    const UINT icons[] = {131, 133, 134, 137, 138, 132, 141, 136, 139, 140, 135};
    ASSERT_EQ(pImages->GetImageCount(), 11);
    for (int i = 0; i < 11; ++i)
    {
        PixelCanvas fromList(16, 16), fromIcon(16, 16);
        pImages->Draw(&fromList.dc(), i, CPoint(0, 0), ILD_NORMAL);
        HICON hIcon = (HICON)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(icons[i]), IMAGE_ICON, 16, 16, 0);
        ::DrawIconEx(fromIcon.dc().m_hDC, 0, 0, hIcon, 16, 16, 0, NULL, DI_NORMAL);
        ::DestroyIcon(hIcon);
        EXPECT_TRUE(fromList.SameAs(fromIcon)) << "image " << i;
    }
}

TEST_F(ViewsTest, MarkAsReadOnAKeywordClearsItsItemsAndFollowsWithTheRoot)
{
    Open(kStore);
    Select("alpha");
    Command(CItemTreeView::ID_MARK_READ);
    EXPECT_EQ(State(), "*root: alpha beta *gamma | 3 keywords, 1 unread | list: alpha 3 rows");
    EXPECT_EQ(Group().GetFirst()->unreadCount, 0);
    EXPECT_FALSE(Group().GetFirst()->firstItem->unread);
    EXPECT_EQ(AllReadCount(), 0);

    Select("gamma");
    Command(CItemTreeView::ID_MARK_READ);
    EXPECT_EQ(State(), "root: alpha beta gamma | 3 keywords, 0 unread | list: gamma 1 rows");
    EXPECT_EQ(AllReadCount(), 1);
    // On the root it reads everything and always tells the frame.
    Select(nullptr);
    Command(CItemTreeView::ID_MARK_READ);
    Command(CItemTreeView::ID_MARK_READ);
    EXPECT_EQ(AllReadCount(), 3);
}

TEST_F(ViewsTest, MarkAsReadOnTheRootReadsEverything)
{
    Open(kStore);
    Command(CItemTreeView::ID_MARK_READ);
    EXPECT_EQ(State(), "root: alpha beta gamma | 3 keywords, 0 unread | list: none 0 rows");
    EXPECT_EQ(AllReadCount(), 1);
}

TEST_F(ViewsTest, MarkAsReadOnTheRootShowsTheListedKeywordAgainAllRead)
{
    Open(kStore);
    Select("alpha");
    Select(nullptr);
    Command(CItemTreeView::ID_MARK_READ);
    EXPECT_EQ(State(), "root: alpha beta gamma | 3 keywords, 0 unread | list: alpha 3 rows");
    for (NewsItem* pItem = Group().GetFirst()->firstItem; pItem != NULL; pItem = pItem->next)
        EXPECT_FALSE(pItem->unread) << (LPCTSTR)pItem->title;
    // The tree draws again, with everything to paint.
    EXPECT_TRUE(m_pTree->GetTree().IsWindowVisible());
}

TEST_F(ViewsTest, EditingCommandsRefuseWhileACheckRuns)
{
    // The message box as "caption: what can't be done", after the text
    // "Tidewatch is getting updated news,\nso you can't ".
    const struct
    {
        const char* name;
        UINT command; // else the method runs
        void (CItemTreeView::*method)();
        const char* expected;
    } rows[] = {
        {"remove", CItemTreeView::ID_REMOVE_KEYWORD, nullptr, "Tidewatch: remove or add keywords for now"},
        {"remove all", CItemTreeView::ID_REMOVE_ALL, nullptr, "Tidewatch: remove or add keywords for now"},
        {"add", CItemTreeView::ID_ADD_KEYWORD, nullptr, "Tidewatch: remove or add keywords for now"},
        {"change", CItemTreeView::ID_CHANGE_KEYWORD, nullptr, "Tidewatch: change keywords for now"},
        {"import", 0, &CItemTreeView::ImportKeywords, "Information: apply the import feature for now"},
        {"export", 0, &CItemTreeView::ExportKeywords, "Information: apply the export feature for now"},
    };
    Open(kStore);
    Select("beta");
    g_bUpdatingNews = TRUE;
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CDialogDriver driver;
        if (row.method != nullptr)
            (m_pTree->*row.method)();
        else
            Command(row.command);
        ASSERT_EQ(driver.seen.size(), 1u);
        const std::string busy = "Tidewatch is getting updated news,\nso you can't ";
        EXPECT_EQ(busy, driver.seen[0].text.substr(0, busy.size()));
        EXPECT_EQ(row.expected, driver.seen[0].caption + ": " + driver.seen[0].text.substr(busy.size()));
        EXPECT_EQ(TreeText(), "*alpha beta *gamma");
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
    EXPECT_EQ(State(), kOpened);
    EXPECT_EQ(Group().GetFirst()->treeItem, ItemNamed("alpha"));
}

// The selected items' texts in tree order, then "@" and the caret's text.
std::string Selection(CXTTreeCtrl& tree)
{
    std::string text;
    for (HTREEITEM hItem = tree.GetRootItem(); hItem != NULL; hItem = tree.GetNextVisibleItem(hItem))
    {
        if (tree.CTreeCtrl::GetItemState(hItem, TVIS_SELECTED) & TVIS_SELECTED)
            text += std::string(tree.GetItemText(hItem)) + ",";
    }
    HTREEITEM hCaret = tree.GetNextItem(NULL, TVGN_CARET);
    return text + "@" + (hCaret != NULL ? (LPCTSTR)tree.GetItemText(hCaret) : "");
}

// An import replaces whatever the list held by the file's keywords in the
// file's order, each item holding its keyword, bold while it has unread news,
// with the root expanded, bold while anything is unread, and selected alone;
// no keyword is shown on the way.
TEST_F(ViewsTest, AnImportFillsTheTreeInTheFilesOrderWithTheRootSelectedAlone)
{
    const std::vector<StoredKeyword> file = {
        {"zulu", {"*z1"}}, {"alpha", {}}, {"mike", {"m1", "*m2"}}, {"Bravo", {"b1"}}};
    const std::string none = " | list: none 0 rows";
    const std::string imported = "*root: *zulu alpha *mike Bravo | 4 keywords, 2 unread" + none;
    std::vector<std::string> longNames;
    longNames.reserve(300); // the stored keywords point into the names
    std::vector<StoredKeyword> longFile;
    std::string longText = "*root: ";
    for (int i = 0; i < 300; ++i)
    {
        longNames.push_back("keyword " + std::to_string(299 - i));
        longFile.push_back({longNames.back().c_str(), {i % 3 == 0 ? "*new" : "old"}});
        longText += std::string(i == 0 ? "" : " ") + (i % 3 == 0 ? "*" : "") + longNames.back();
    }
    const struct
    {
        const char* name;
        std::vector<StoredKeyword> before;
        std::vector<const char*> selected; // the first is the caret; none: the root as opened
        std::vector<StoredKeyword> file;
        std::string expected;
    } rows[] = {
        {"into an empty list", {}, {}, file, imported},
        {"over a list", kStore, {}, file, imported},
        {"over a list, the caret and others on keywords", kStore, {"gamma", "alpha", "beta"}, file, imported},
        {"a file without keywords over a list", kStore, {"beta"}, {}, "root:  | 0 keywords, 0 unread" + none},
        {"a file without news", kStore, {}, {{"quiet", {"q1"}}}, "root: quiet | 1 keywords, 0 unread" + none},
        {"a long file", kStore, {"beta"}, longFile, longText + " | 300 keywords, 100 unread" + none},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Open(row.before);
        CXTTreeCtrl& tree = m_pTree->GetTree();
        for (const char* name : row.selected)
        {
            if (name == row.selected.front())
                Select(name);
            else
                tree.SetItemState(ItemNamed(name), TVIS_SELECTED, TVIS_SELECTED);
        }
        const std::string path = m_folder.File("import.xml");
        WriteStore(path, row.file);
        m_pFrame->m_selections.clear();
        ASSERT_TRUE(m_pTree->ImportKeywordsFrom(path.c_str()));
        PumpPending();

        EXPECT_EQ(row.expected, State());
        HTREEITEM hRoot = m_pTree->GetRootItem();
        EXPECT_EQ(tree.GetRootItem(), hRoot);
        EXPECT_STREQ("Zivoror Udove", tree.GetItemText(hRoot));
        EXPECT_EQ(0u, tree.GetItemData(hRoot));
        EXPECT_EQ(Group().keywordCount + 1, (int)tree.GetCount());
        EXPECT_EQ("Zivoror Udove,@Zivoror Udove", Selection(tree));
        for (const std::string& shown : m_pFrame->m_selections)
            EXPECT_EQ("Zivoror Udove", shown);
        EXPECT_EQ(0, EnableOf(m_pTree, CItemTreeView::ID_REMOVE_KEYWORD));
        if (!row.file.empty())
        {
            EXPECT_TRUE(tree.GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
        }
        // Each item holds its keyword, and the keyword its item.
        std::vector<HTREEITEM> items = KeywordItems();
        ASSERT_EQ((size_t)Group().keywordCount, items.size());
        Keyword* pKeyword = Group().GetFirst();
        for (HTREEITEM hItem : items)
        {
            EXPECT_EQ(pKeyword, (Keyword*)tree.GetItemData(hItem));
            EXPECT_EQ(hItem, pKeyword->treeItem);
            pKeyword = Group().GetNext(pKeyword);
        }
        TearDown();
    }
}

TEST_F(ViewsTest, AnImportThatCannotBeReadWholeLeavesListAndStoreAsTheyWere)
{
    Open(kStore);
    const std::string store = ReadBytes(m_folder.File("conf.xml"));
    const std::string cut = m_folder.File("cut.xml");
    WriteBytes(cut, store.substr(0, store.find("<Keyword name=\"gamma\"") + 12));
    for (const std::string& path : {cut, m_folder.File("missing.xml")})
    {
        SCOPED_TRACE(path);
        CDialogDriver driver;
        EXPECT_FALSE(m_pTree->ImportKeywordsFrom(path.c_str()));
        ASSERT_EQ(driver.seen.size(), 1u);
        EXPECT_EQ(driver.seen[0].caption, "Information");
        EXPECT_NE(driver.seen[0].text.find("The keyword list is unchanged."), std::string::npos);
        EXPECT_EQ(State(), kOpened);
        EXPECT_EQ(ReadBytes(m_folder.File("conf.xml")), store);
    }
}

// A keyword file's keywords too long to be searched for (by the keyword
// dialogs' rule, with the view's search host) are taken with the others and
// named in one message.
TEST_F(ViewsTest, AnImportTakesKeywordsTooLongToBeSearchedForAndNamesThem)
{
    const std::string plainLong(3000, 'k');
    // Short, but each character takes nine once in UTF-8 and encoded.
    const std::string longOnceEncoded(400, '\xE9');
    const struct
    {
        const char* name;
        std::vector<StoredKeyword> file;
        std::vector<std::string> named; // empty: no message
    } rows[] = {
        {"every keyword searchable", {{"alpha", {"*a1"}}, {"beta", {}}}, {}},
        {"one too long",
         {{"alpha", {"*a1"}}, {plainLong.c_str(), {"*l1", "l2"}}, {"gamma", {}}},
         {"\"" + std::string(40, 'k') + "...\""}},
        {"too long only once encoded",
         {{longOnceEncoded.c_str(), {}}, {"beta", {}}},
         {"\"" + std::string(40, '\xE9') + "...\""}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Open({{"old", {}}});
        const std::string path = m_folder.File("import.xml");
        WriteStore(path, row.file);
        CDialogDriver driver;
        ASSERT_TRUE(m_pTree->ImportKeywordsFrom(path.c_str()));

        // The whole file is taken, with its unread items.
        ASSERT_EQ((int)row.file.size(), Group().keywordCount);
        Keyword* pKeyword = Group().GetFirst();
        for (const StoredKeyword& stored : row.file)
        {
            EXPECT_STREQ(stored.name, pKeyword->name);
            EXPECT_EQ(std::count_if(stored.items.begin(), stored.items.end(),
                                    [](const std::string& item) { return item[0] == '*'; }),
                      pKeyword->unreadCount);
            EXPECT_EQ(pKeyword->treeItem, ItemNamed(stored.name));
            pKeyword = Group().GetNext(pKeyword);
        }
        if (row.named.empty())
            EXPECT_EQ(0u, driver.seen.size());
        else
        {
            ASSERT_EQ(1u, driver.seen.size());
            EXPECT_EQ("Information", driver.seen[0].caption);
            EXPECT_NE(std::string::npos, driver.seen[0].text.find("too long to be searched for"));
            for (const std::string& named : row.named)
                EXPECT_NE(std::string::npos, driver.seen[0].text.find(named)) << driver.seen[0].text;
        }
        TearDown();
    }
}

TEST_F(ViewsTest, AnExportThatCannotBeWrittenIsReported)
{
    Open(kStore);
    CDialogDriver driver;
    EXPECT_FALSE(m_pTree->ExportKeywordsTo(m_folder.File("no folder\\list.xml").c_str()));
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].caption, "Information");
    EXPECT_NE(driver.seen[0].text.find("could not be written"), std::string::npos);
}

TEST_F(ViewsTest, AStoreThatCannotBeWrittenIsReported)
{
    Open(kStore);
    CDialogDriver driver;
    SetProgramFolder(m_folder.File("no folder").c_str());
    EXPECT_FALSE(m_pTree->SaveKeywords());
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_NE(driver.seen[0].text.find("conf.xml"), std::string::npos);
}

TEST_F(ViewsTest, TheFileDialogsAskWithTheirTitles)
{
    Open(kStore);
    CDialogDriver driver([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
    m_pTree->ImportKeywords();
    m_pTree->ExportKeywords();
    ASSERT_EQ(driver.seen.size(), 2u);
    EXPECT_EQ(driver.seen[0].caption, "Load Keyword Group For XML File");
    EXPECT_EQ(driver.seen[1].caption, "Save Keyword Group For XML File");
    EXPECT_EQ(TreeText(), "*alpha beta *gamma");
}

} // namespace
