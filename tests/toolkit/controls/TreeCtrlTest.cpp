// The tree control's own part: walking, search, per-item fonts and colours,
// and the painting of items in them.
#include <gtest/gtest.h>
#include "TreeTestFixture.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/foundation/XTPColorManager.h"

struct FindRow
{
    const char* name;
    const char* text;
    bool bCaseSensitive;
    bool bDownward;
    bool bWholeWord;
    const char* start;
    const char* expected; // "" for nothing
};

class TreeFind : public ::testing::TestWithParam<FindRow>
{};

TEST_P(TreeFind, SearchEndsWithTheExpectedItem)
{
    const FindRow& row = GetParam();
    TreeFixture fixture;
    HTREEITEM hFound = fixture.tree.FindItem(row.text, row.bCaseSensitive, row.bDownward, row.bWholeWord,
                                             fixture[row.start]);
    EXPECT_EQ(std::string(row.expected), fixture.NameOf(hFound));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TreeFind,
    ::testing::Values(
        FindRow{"EmptyTextFindsNothing", "", false, true, false, "Alpha", ""},
        FindRow{"StartItemItselfMatches", "alpha", false, true, false, "Alpha", "Alpha"},
        FindRow{"CaseInsensitiveFindsOtherCase", "BETA", false, true, false, "abc", "Beta"},
        FindRow{"CaseSensitiveSkipsOtherCase", "Beta", true, true, false, "alpha beta", "Beta"},
        FindRow{"CaseSensitiveWithoutMatchEnds", "BETA", true, true, false, "Alpha", ""},
        FindRow{"WholeWordSkipsLetterAndUnderscoreNeighbours", "ab", false, true, true, "abc", "ab."},
        FindRow{"WholeWordMatchesAfterSpace", "ab", false, true, true, "Alpha", "x ab"},
        FindRow{"WholeWordJudgesEveryHitOnTheWholeText", "ab", false, true, true, "abab", "x ab"},
        FindRow{"DownwardWrapsToTheFirstItem", "Alpha", false, true, false, "Gamma", "Alpha"},
        FindRow{"UpwardWrapsToTheLastItemOfTheWholeTree", "Gamma", false, false, false, "Alpha", "Gamma"},
        FindRow{"UpwardFindsInAnEarlierBranch", "x ab", false, false, false, "Beta", "x ab"},
        FindRow{"UpwardWithoutMatchEndsFromALaterTopLevelItem", "nothing", false, false, false, "Beta", ""},
        FindRow{"DownwardWithoutMatchEnds", "nothing", false, true, true, "x_ab", ""}),
    [](const ::testing::TestParamInfo<FindRow>& info) { return std::string(info.param.name); });

TEST(TreeCtrl, WalkingAndSearchBelowAnItem)
{
    TreeFixture fixture;
    CXTTreeCtrl& tree = fixture.tree;
    EXPECT_EQ(fixture["Gamma"], tree.GetLastItemInTree(NULL));
    EXPECT_EQ(fixture["abc"], tree.GetLastItemInTree(fixture["Alpha"]));
    EXPECT_EQ(fixture["abc"], tree.GetPrevItemInTree(fixture["Beta"]));
    EXPECT_EQ(fixture["Beta"], tree.GetNextItemInTree(fixture["abc"]));
    EXPECT_EQ(NULL, tree.GetNextItemInTree(fixture["Gamma"]));
    EXPECT_EQ(fixture["ab."], tree.FindItemInChildren("ab", FALSE, TRUE, fixture["Beta"]));
    EXPECT_EQ(NULL, tree.FindItemInChildren("ab", FALSE, FALSE, fixture["Gamma"]));

    tree.DeleteAllItems();
    EXPECT_EQ(NULL, tree.GetLastItemInTree(NULL));
    EXPECT_EQ(NULL, tree.FindItem("Alpha"));
}

// A tree that refuses every match in the Alpha branch.
class CPickyTree : public CXTTreeCtrl
{
public:
    BOOL AcceptFoundItem(HTREEITEM hItem) override { return GetParentItem(hItem) != GetRootItem(); }
};

TEST(TreeCtrl, RejectedMatchesLetTheSearchGoOn)
{
    NotifyRecorderWnd& host = TestHost();
    CPickyTree tree;
    tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &host, 1000);
    HTREEITEM hAlpha = tree.InsertItem("Alpha");
    tree.InsertItem("ab one", hAlpha);
    HTREEITEM hBeta = tree.InsertItem("Beta");
    HTREEITEM hWanted = tree.InsertItem("ab two", hBeta);
    EXPECT_EQ(hWanted, tree.FindItem("ab", FALSE, TRUE, FALSE, hAlpha));
    tree.DestroyWindow();
}

TEST(TreeCtrl, ItemFontsColoursAndBoldAreKeptPerItem)
{
    TreeFixture fixture;
    CXTTreeCtrl& tree = fixture.tree;
    HTREEITEM hItem = fixture["abc"];
    EXPECT_EQ(0xFFFFFFFF, tree.GetItemColor(hItem));

    tree.SetItemColor(hItem, RGB(200, 0, 0));
    LOGFONTA lf;
    EXPECT_FALSE(tree.GetItemFont(hItem, &lf));
    EXPECT_EQ(RGB(200, 0, 0), tree.GetItemColor(hItem));

    LOGFONTA lfSet = {};
    lfSet.lfHeight = -20;
    lstrcpyA(lfSet.lfFaceName, "Tahoma");
    tree.SetItemFont(hItem, &lfSet);
    ASSERT_TRUE(tree.GetItemFont(hItem, &lf));
    EXPECT_STREQ("Tahoma", lf.lfFaceName);
    EXPECT_EQ(-20, lf.lfHeight);
    EXPECT_EQ(RGB(200, 0, 0), tree.GetItemColor(hItem));

    EXPECT_FALSE(tree.GetItemBold(hItem));
    tree.SetItemBold(hItem, TRUE);
    EXPECT_TRUE(tree.GetItemBold(hItem));
    EXPECT_TRUE(tree.CTreeCtrl::GetItemState(hItem, TVIS_BOLD) & TVIS_BOLD);

    // Deleting the item drops its record.
    tree.DeleteItem(hItem);
    EXPECT_EQ(0xFFFFFFFF, tree.GetItemColor(hItem));
    EXPECT_FALSE(tree.GetItemFont(hItem, &lf));
}

namespace {

// Pixels of the colour inside the item's row.
int InkOf(TreeFixture& fixture, const char* name, COLORREF clr)
{
    PixelCanvas canvas(300, 300);
    fixture.tree.PaintItems(&canvas.dc(), TRUE);
    CRect rcItem;
    fixture.tree.GetItemRect(fixture[name], &rcItem, FALSE);
    int nTotal = rcItem.Width() * rcItem.Height();
    return nTotal - canvas.CountOther(rcItem, clr);
}

} // namespace

TEST(TreeCtrl, ItemsArePaintedInTheirOwnColourAndWeight)
{
    TreeFixture fixture;
    CXTTreeCtrl& tree = fixture.tree;
    const COLORREF kInk = RGB(0, 128, 0);
    EXPECT_EQ(0, InkOf(fixture, "Gamma", kInk));
    tree.SetItemColor(fixture["Gamma"], kInk);
    EXPECT_EQ(0, InkOf(fixture, "Beta", kInk));

    // A lighter stored font loses to the bold flag.
    LOGFONTA lf;
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_THIN;
    tree.SetItemFont(fixture["Gamma"], &lf);
    int nThin = InkOf(fixture, "Gamma", kInk);
    EXPECT_GT(nThin, 0);
    tree.SetItemBold(fixture["Gamma"], TRUE);
    EXPECT_GT(InkOf(fixture, "Gamma", kInk), nThin);
}

TEST(TreeCtrl, SelectedItemIsPaintedInTheSelectionColours)
{
    TreeFixture fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["Gamma"]);
    tree.SetFocus();
    ASSERT_EQ(tree.m_hWnd, ::GetFocus());
    EXPECT_GT(InkOf(fixture, "Gamma", XTPGetColor(COLOR_HIGHLIGHT)), 0);

    // Its own colour does not replace the selection's text colour.
    tree.SetItemColor(fixture["Gamma"], RGB(0, 128, 0));
    EXPECT_EQ(0, InkOf(fixture, "Gamma", RGB(0, 128, 0)));
}

TEST(TreeCtrl, EnterTogglesTheCaretItem)
{
    TreeFixture fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["Alpha"]);
    MSG msg = {tree.m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    tree.PreTranslateMessage(&msg);
    EXPECT_FALSE(tree.CTreeCtrl::GetItemState(fixture["Alpha"], TVIS_EXPANDED) & TVIS_EXPANDED);
    tree.PreTranslateMessage(&msg);
    EXPECT_TRUE(tree.CTreeCtrl::GetItemState(fixture["Alpha"], TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST(TreeView, IsCreatableByNameAndWorksOnItsOwnWindow)
{
    NotifyRecorderWnd& host = TestHost();
    CRuntimeClass* pClass = CRuntimeClass::FromName("CXTTreeView");
    ASSERT_NE(nullptr, pClass);
    CXTTreeView* pView = static_cast<CXTTreeView*>(pClass->CreateObject());
    ASSERT_NE(nullptr, pView);
    ASSERT_TRUE(pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 200),
                              &host, 1002));
    CTreeCtrl& tree = pView->GetTreeCtrl();
    HTREEITEM hFirst = tree.InsertItem("first");
    HTREEITEM hSecond = tree.InsertItem("second");
    EXPECT_EQ(hSecond, pView->FindItem("SECOND", FALSE, TRUE, FALSE, hFirst));
    pView->SetItemColor(hSecond, RGB(1, 2, 3));
    tree.DeleteItem(hSecond);
    EXPECT_EQ(0xFFFFFFFF, pView->GetItemColor(hSecond));
    // The view deletes itself with its window.
    pView->DestroyWindow();
}

TEST(TreeCtrl, HotTrackingMarksTheItemUnderTheMouse)
{
    TreeFixture fixture(TVS_HASBUTTONS | TVS_TRACKSELECT);
    CXTTreeCtrl& tree = fixture.tree;
    CPoint pt = fixture.LabelCenter("Gamma");
    tree.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(TVIS_XT_HOT, tree.GetItemState(fixture["Gamma"], TVIS_XT_HOT));
    pt = fixture.LabelCenter("Beta");
    tree.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(0u, tree.GetItemState(fixture["Gamma"], TVIS_XT_HOT));
    EXPECT_EQ(TVIS_XT_HOT, tree.GetItemState(fixture["Beta"], TVIS_XT_HOT));
    tree.KillTimer(CXTTreeBase::TimerHotTrack);
}

TEST(TreeCtrl, KeysGoStraightToTheLabelEdit)
{
    TreeFixture fixture(TVS_HASBUTTONS | TVS_EDITLABELS);
    CXTTreeCtrl& tree = fixture.tree;
    tree.SetFocus();
    tree.SelectItem(fixture["Gamma"]);
    ASSERT_NE(nullptr, tree.EditLabel(fixture["Gamma"]));
    HWND hEdit = (HWND)tree.SendMessage(TVM_GETEDITCONTROL);
    ASSERT_TRUE(::IsWindow(hEdit));
    EXPECT_EQ(1, fixture.host.CountNotify(TVN_BEGINLABELEDITA));

    // Escape reaches the edit, which ends editing without a change.
    MSG msg = {hEdit, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_TRUE(tree.PreTranslateMessage(&msg));
    PumpPending();
    EXPECT_EQ(NULL, (HWND)tree.SendMessage(TVM_GETEDITCONTROL));
    EXPECT_EQ(1, fixture.host.CountNotify(TVN_ENDLABELEDITA));
    EXPECT_EQ("Gamma", fixture.NameOf(fixture["Gamma"]));
}
