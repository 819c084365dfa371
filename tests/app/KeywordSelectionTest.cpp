// Which keywords Remove takes after the selections a user makes with real
// clicks and keys, and after the selections the program makes itself (Add,
// Change, Remove, the news list's SelectTreeItem): an item the program
// selects becomes the only selected one, while the user's own Ctrl+click
// selection stays whole. The tree shows no selection while it lacks the
// focus, so an item left selected behind the program's own would go unseen:
// after a keyword command the tree has the focus and paints the program's
// selection as it paints a clicked one. The pane's caption names the keyword
// on screen after each of them.
// The server's Winsock declarations come before <windows.h>.
#include "tests/support/NewsServer.h"

#include "MainFrameFixture.h"
#include "ViewsFixture.h"
#include "app/AddDlg.h"
#include "app/RepKeywordDlg.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/PixelCanvas.h"
#include "tests/support/RealInput.h"
#include "toolkit/foundation/XTPColorManager.h"

namespace {

typedef std::vector<std::string> Names;

// The tree's keyword items in order: all of them, or the selected ones.
Names KeywordNames(CItemTreeView* pView, bool bSelectedOnly)
{
    CXTTreeCtrl& tree = pView->GetTree();
    Names names;
    for (HTREEITEM hItem = tree.GetChildItem(pView->GetRootItem()); hItem != NULL;
         hItem = tree.GetNextItem(hItem, TVGN_NEXT))
    {
        if (!bSelectedOnly || (tree.GetItemState(hItem, TVIS_SELECTED) & TVIS_SELECTED))
            names.push_back((LPCTSTR)tree.GetItemText(hItem));
    }
    return names;
}

// The keyword items whose row the tree paints with the highlight colour of
// a selected item in a focused tree.
Names DrawnSelected(CItemTreeView* pView)
{
    CXTTreeCtrl& tree = pView->GetTree();
    CRect rcClient;
    tree.GetClientRect(&rcClient);
    PixelCanvas canvas(rcClient.Width(), rcClient.Height());
    tree.PaintItems(&canvas.dc(), TRUE);
    const COLORREF highlight = XTPGetColor(COLOR_HIGHLIGHT);
    Names names;
    for (HTREEITEM hItem = tree.GetChildItem(pView->GetRootItem()); hItem != NULL;
         hItem = tree.GetNextItem(hItem, TVGN_NEXT))
    {
        CRect rcItem;
        if (tree.GetItemRect(hItem, &rcItem, TRUE)
            && canvas.CountOther(rcItem, highlight) < rcItem.Width() * rcItem.Height())
            names.push_back((LPCTSTR)tree.GetItemText(hItem));
    }
    return names;
}

std::string Joined(const Names& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return "{" + text + "}";
}

// The main frame over a store of keywords (two unless a test names its
// own), in front, its searches going to a closed port; it is the
// application's main window, as in the program, so the keyword dialogs are
// its own.
class KeywordSelectionTest : public MainFrameTest
{
protected:
    void SetUp() override
    {
        PrepareOptions();
        SetTextOption("SearchHost", RefusingHostText().c_str());
        Start();
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        MainFrameTest::TearDown();
    }
    // A frame over m_store, in front.
    void Start()
    {
        ViewsTest::WriteStore(folder.File("conf.xml"), m_store);
        CreateFrame();
        AfxGetApp()->m_pMainWnd = frame;
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; }));
    }

    std::vector<StoredKeyword> m_store = {{"beta news", {}}, {"gamma", {}}};

    CItemTreeView* View() { return frame->GetTreeView(); }
    Names Keywords() { return KeywordNames(View(), false); }
    HTREEITEM ItemNamed(const char* name)
    {
        CXTTreeCtrl& tree = View()->GetTree();
        for (HTREEITEM hItem = tree.GetChildItem(View()->GetRootItem()); hItem != NULL;
             hItem = tree.GetNextItem(hItem, TVGN_NEXT))
        {
            if (tree.GetItemText(hItem) == name)
                return hItem;
        }
        return NULL;
    }
    Names Selected() { return KeywordNames(View(), true); }

    // A real click on the keyword's item, with the keys held; then waits
    // until the tree has the focus and the selection is the expected one.
    void Click(const char* name, std::initializer_list<WORD> heldKeys, const Names& selected)
    {
        CXTTreeCtrl& tree = View()->GetTree();
        HTREEITEM hItem = ItemNamed(name);
        ASSERT_TRUE(hItem != NULL) << name;
        ClickScreen(ScreenCenterOf(tree.m_hWnd, hItem), heldKeys);
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == tree.m_hWnd && Selected() == selected; }))
            << name << ": " << Selected().size() << " selected";
    }
    // Ctrl+R, once no check holds the keyword list; waits until the tree has
    // fewer keywords.
    void RemoveByKey()
    {
        ASSERT_TRUE(PumpPendingUntil([] { return !g_bUpdatingNews; }));
        const size_t nBefore = Keywords().size();
        PressKeys({VK_CONTROL, 'R'});
        ASSERT_TRUE(PumpPendingUntil([&] { return Keywords().size() < nBefore; }));
    }
};

TEST_F(KeywordSelectionTest, RemoveAfterAddingAKeywordTakesOnlyTheAddedOne)
{
    Click("beta news", {}, {"beta news"});
    CDialogDriver driver([](HWND) { TypeText("alpha\r"); });
    PressKeys({VK_CONTROL, 'A'});
    ASSERT_TRUE(PumpPendingUntil([&] { return Keywords().size() == 3; }));
    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("Add Keyword", driver.seen[0].caption);
    EXPECT_EQ(Names({"alpha"}), Selected());

    RemoveByKey();
    EXPECT_EQ(Names({"beta news", "gamma"}), Keywords());
}

// After each keyword command made from the tree, by its shortcut, the tree
// has the focus again, its one selected item is the keyword the news list
// shows, and it is painted as selected.
TEST_F(KeywordSelectionTest, TheKeywordACommandSelectsIsPaintedSelectedAndShownInTheNewsList)
{
    const struct
    {
        const char* name;
        std::function<void()> command;
        const char* selected;
    } steps[] = {
        {"add",
         [&] {
             Click("beta news", {}, {"beta news"});
             CDialogDriver driver([](HWND) { TypeText("alpha\r"); });
             PressKeys({VK_CONTROL, 'A'});
             ASSERT_TRUE(PumpPendingUntil([&] { return Keywords().size() == 3; }));
         },
         "alpha"},
        {"change",
         [&] {
             ASSERT_TRUE(PumpPendingUntil([] { return !g_bUpdatingNews; }));
             CDialogDriver driver([](HWND) { TypeText("alpha two\r"); });
             PressKeys({VK_CONTROL, 'D'});
             ASSERT_TRUE(PumpPendingUntil([&] {
                 return Keywords() == Names({"beta news", "gamma", "alpha two"});
             }));
         },
         "alpha two"},
        // The tree itself moves the caret from a removed keyword to the one
        // below it, while the news list shows the first keyword.
        {"remove",
         [&] {
             Click("gamma", {}, {"gamma"});
             RemoveByKey();
         },
         "beta news"},
    };
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.name);
        step.command();
        CXTTreeCtrl& tree = View()->GetTree();
        EXPECT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == tree.m_hWnd; }))
            << "the focus is on window id " << ::GetDlgCtrlID(::GetFocus());
        EXPECT_EQ(Names({step.selected}), Selected());
        EXPECT_EQ(Names({step.selected}), DrawnSelected(View()));
        Keyword* pShown = frame->GetNewsList()->GetKeyword();
        EXPECT_STREQ(step.selected, pShown != NULL ? (LPCTSTR)pShown->name : "(none)");
    }
}

TEST_F(KeywordSelectionTest, RemoveTakesEveryKeywordOfTheUsersCtrlClickSelection)
{
    Click("beta news", {}, {"beta news"});
    Click("gamma", {VK_CONTROL}, {"beta news", "gamma"});
    RemoveByKey();
    EXPECT_EQ(Names(), Keywords());
}

// The keyword pane's caption names the keyword the news list shows, and
// reads "Keyword" while the list shows none, whichever way the selection
// changed: Remove, Remove All and Import select items themselves, and the
// start-up load selects the root, with no keyword on screen yet.
TEST_F(KeywordSelectionTest, TheCaptionNamesTheKeywordTheNewsListShows)
{
    const std::string importFile = folder.File("import.xml");
    // The file holds a keyword of the shown one's name: a new keyword, not shown.
    ViewsTest::WriteStore(importFile, {{"beta news", {}}, {"delta", {}}});
    const struct
    {
        const char* name;
        std::function<void()> change;
        const char* caption;
    } rows[] = {
        {"Ctrl+R on the shown keyword", [&] { RemoveByKey(); }, "gamma"},
        {"Ctrl+Alt+R",
         [&] {
             PressKeys({VK_CONTROL, VK_MENU, 'R'});
             ASSERT_TRUE(PumpPendingUntil([&] { return Keywords().empty(); }));
         },
         "Keyword"},
        {"Ctrl+I",
         [&] {
             CDialogDriver driver([&](HWND) { TypeText((importFile + "\r").c_str()); });
             PressKeys({VK_CONTROL, 'I'});
             ASSERT_TRUE(PumpPendingUntil([&] { return Keywords() == Names({"beta news", "delta"}); }));
             EXPECT_EQ(1u, driver.seen.size());
         },
         "Keyword"},
        {"a new start after the program saved",
         [&] {
             AfxGetApp()->m_pMainWnd = NULL;
             frame->SendMessage(WM_CLOSE);
             frame = NULL; // the window destroyed itself, saving the store
             CreateFrame();
             AfxGetApp()->m_pMainWnd = frame;
             ASSERT_EQ(Names({"beta news", "gamma"}), Keywords());
         },
         "Keyword List"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        AfxGetApp()->m_pMainWnd = NULL;
        DestroyFrame();
        Start();
        Click("beta news", {}, {"beta news"});
        ASSERT_STREQ("beta news", View()->GetCaption().GetCaptionText());

        row.change();
        PumpPending();
        CXTCaption& caption = View()->GetCaption(); // the new frame's after a new start
        Keyword* pShown = frame->GetNewsList()->GetKeyword();
        EXPECT_STREQ(row.caption, caption.GetCaptionText());
        CString shownText;
        caption.GetCaptionButton().GetWindowText(shownText);
        EXPECT_STREQ(row.caption, shownText) << "the text the caption paints";
        if (pShown != NULL)
            EXPECT_STREQ(pShown->name, caption.GetCaptionText()) << "the keyword on screen";
        else
            EXPECT_EQ(0, frame->GetNewsList()->GetListCtrl().GetItemCount());
    }
}

// Thirty keywords, more than the tree shows at once.
class ManyKeywordsSelectionTest : public KeywordSelectionTest
{
protected:
    ManyKeywordsSelectionTest()
    {
        static const Names names = Range(1, 30);
        m_store.clear();
        for (const std::string& name : names)
            m_store.push_back({name.c_str(), {}});
    }

    static Names Range(int first, int last)
    {
        Names names;
        for (int i = first; i <= last; ++i)
            names.push_back("k" + std::to_string(i));
        return names;
    }

    // Click k1, Shift+Down, Ctrl+R; then the second Shift selection and
    // Ctrl+R again take k3 and k4, the keyword the tree selected after the
    // first Remove and the one below it.
    void RemoveTwoShiftSelections(const std::function<void()>& secondShiftSelection)
    {
        Click("k1", {}, {"k1"});
        PressKeys({VK_SHIFT, VK_DOWN});
        ASSERT_TRUE(PumpPendingUntil([&] { return Selected() == Range(1, 2); })) << Joined(Selected());
        RemoveByKey();
        ASSERT_EQ(Range(3, 30), Keywords());

        secondShiftSelection();
        ASSERT_TRUE(PumpPendingUntil([&] { return Selected() == Range(3, 4); })) << Joined(Selected());
        RemoveByKey();
        EXPECT_EQ(Range(5, 30), Keywords());
    }
};

TEST_F(ManyKeywordsSelectionTest, ShiftDownAfterARemoveRangesFromTheSelectedKeyword)
{
    RemoveTwoShiftSelections([] { PressKeys({VK_SHIFT, VK_DOWN}); });
}

TEST_F(ManyKeywordsSelectionTest, ShiftClickAfterARemoveRangesFromTheSelectedKeyword)
{
    RemoveTwoShiftSelections(
        [&] { ClickScreen(ScreenCenterOf(View()->GetTree().m_hWnd, ItemNamed("k4")), {VK_SHIFT}); });
}

// Runs the keyword command, whose dialog gets the text and OK.
std::function<void(ViewsTest&)> DialogCommand(UINT nCommand, int nFieldId, const char* text)
{
    return [=](ViewsTest& test) {
        CDialogDriver driver([=](HWND hDlg) {
            ::SetDlgItemTextA(hDlg, nFieldId, text);
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
        test.Command(nCommand);
    };
}

// After the user selected two keywords, each selection the program makes
// itself leaves its one item selected (and the caret).
TEST_F(ViewsTest, AnItemTheProgramSelectsBecomesTheOnlySelectedOne)
{
    const struct
    {
        const char* name;
        std::function<void(ViewsTest&)> select;
        const char* selected;
    } rows[] = {
        {"add", DialogCommand(CItemTreeView::ID_ADD_KEYWORD, CAddDlg::IDC_KEYWORD, "delta"), "delta"},
        {"change", DialogCommand(CItemTreeView::ID_CHANGE_KEYWORD, CRepKeywordDlg::IDC_KEYWORD, "gamma two"),
         "gamma two"},
        {"the news list's selection",
         [](ViewsTest& test) { test.m_pTree->SelectTreeItem(test.ItemNamed("alpha"), TVGN_CARET); }, "alpha"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Open({{"alpha", {}}, {"beta", {}}, {"gamma", {}}});
        CXTTreeCtrl& tree = m_pTree->GetTree();
        // As a click on beta and a Ctrl+click on gamma leave them.
        tree.SelectOnlyItem(ItemNamed("beta"));
        tree.SetItemState(ItemNamed("gamma"), TVIS_FOCUSED | TVIS_SELECTED, TVIS_FOCUSED | TVIS_SELECTED);
        ASSERT_EQ(Names({"beta", "gamma"}), KeywordNames(m_pTree, true));

        row.select(*this);
        EXPECT_EQ(Names({row.selected}), KeywordNames(m_pTree, true));
        EXPECT_EQ(ItemNamed(row.selected), tree.GetSelectedItem());
        ASSERT_TRUE(WaitForChecks());
        TearDown();
    }
}

} // namespace
