// The tree control: walking, search, per-item fonts and colours and their
// painting, keys; and multi-selection: states and vetoes, Ctrl and Shift clicks
// and keys, drag starts, the rubber band, collapse and the modal loops' WM_QUIT.
// The modal loops are driven by messages posted before the press.
#include <gtest/gtest.h>
#include "NotifyRecorderWnd.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/controls/XTTreeCtrl.h"
#include "toolkit/foundation/XTPColorManager.h"
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A tree control of class TTree in the shared test host, filled with named items:
//   Alpha { "alpha beta", "x ab", "abc" }, Beta { "x_ab", "ab.", "abab" }, Gamma
// with Alpha and Beta expanded.
template <class TTree = CXTTreeCtrl>
struct TreeFixture
{
    NotifyRecorderWnd& host = TestHost();
    TTree tree;
    std::map<std::string, HTREEITEM> items;

    explicit TreeFixture(DWORD dwStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS)
    {
        tree.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(0, 0, 300, 300), &host, 1000);
        const char* names[][2] = {{"Alpha", ""}, {"alpha beta", "Alpha"}, {"x ab", "Alpha"}, {"abc", "Alpha"},
                                  {"Beta", ""},  {"x_ab", "Beta"},        {"ab.", "Beta"},   {"abab", "Beta"},
                                  {"Gamma", ""}};
        for (auto& name : names)
            items[name[0]] = tree.InsertItem(name[0], *name[1] ? items[name[1]] : TVI_ROOT);
        tree.Expand(items["Alpha"], TVE_EXPAND);
        tree.Expand(items["Beta"], TVE_EXPAND);
        host.m_messages.clear();
    }
    ~TreeFixture() { tree.DestroyWindow(); }

    HTREEITEM operator[](const std::string& name) { return name.empty() ? NULL : items.at(name); }
    std::string NameOf(HTREEITEM hItem)
    {
        return hItem == NULL ? std::string() : std::string((LPCTSTR)tree.GetItemText(hItem));
    }
    CPoint LabelCenter(const std::string& name)
    {
        CRect rc;
        tree.GetItemRect(items.at(name), &rc, TRUE);
        return rc.CenterPoint();
    }
    bool IsExpanded(const char* name)
    {
        return tree.CTreeCtrl::GetItemState(items.at(name), TVIS_EXPANDED) != 0;
    }
    // The names of the selected items in visible order, then "@" and the caret.
    std::string Selected()
    {
        std::string names;
        for (HTREEITEM h = tree.GetRootItem(); h != NULL; h = tree.GetNextVisibleItem(h))
            if (tree.CTreeCtrl::GetItemState(h, TVIS_SELECTED) & TVIS_SELECTED)
                names += NameOf(h) + ",";
        return names + "@" + NameOf(tree.GetNextItem(NULL, TVGN_CARET));
    }
};

TEST(TreeCtrl, SearchEndsWithTheExpectedItem)
{
    struct Row
    {
        const char* name;
        const char* text;
        bool bCaseSensitive, bDownward, bWholeWord;
        const char *start, *expected; // "" for nothing
    } rows[] = {
        {"empty text finds nothing", "", false, true, false, "Alpha", ""},
        {"start item itself matches", "alpha", false, true, false, "Alpha", "Alpha"},
        {"case-insensitive finds other case", "BETA", false, true, false, "abc", "Beta"},
        {"case-sensitive skips other case", "Beta", true, true, false, "alpha beta", "Beta"},
        {"case-sensitive without match ends", "BETA", true, true, false, "Alpha", ""},
        {"whole word skips letter and underscore neighbours", "ab", false, true, true, "abc", "ab."},
        {"whole word matches after space", "ab", false, true, true, "Alpha", "x ab"},
        {"whole word judges every hit on the whole text", "ab", false, true, true, "abab", "x ab"},
        {"downward wraps to the first item", "Alpha", false, true, false, "Gamma", "Alpha"},
        {"upward wraps to the last item of the whole tree", "Gamma", false, false, false, "Alpha", "Gamma"},
        {"upward finds in an earlier branch", "x ab", false, false, false, "Beta", "x ab"},
        {"upward without match ends from a later top-level item", "nothing", false, false, false, "Beta", ""},
        {"downward without match ends", "nothing", false, true, true, "x_ab", ""},
    };
    TreeFixture<> fixture;
    for (const Row& row : rows)
    {
        HTREEITEM hFound = fixture.tree.FindItem(row.text, row.bCaseSensitive, row.bDownward, row.bWholeWord,
                                                 fixture[row.start]);
        EXPECT_EQ(row.expected, fixture.NameOf(hFound)) << row.name;
    }
}

TEST(TreeCtrl, WalkingAndSearchBelowAnItem)
{
    TreeFixture<> fixture;
    CXTTreeCtrl& tree = fixture.tree;
    std::string walked;
    for (HTREEITEM hItem : {tree.GetLastItemInTree(NULL), tree.GetLastItemInTree(fixture["Alpha"]),
                            tree.GetPrevItemInTree(fixture["Beta"]), tree.GetNextItemInTree(fixture["abc"]),
                            tree.GetNextItemInTree(fixture["Gamma"]),
                            tree.FindItemInChildren("ab", FALSE, TRUE, fixture["Beta"]),
                            tree.FindItemInChildren("ab", FALSE, FALSE, fixture["Gamma"])})
        walked += fixture.NameOf(hItem) + "|";
    EXPECT_EQ("Gamma|abc|abc|Beta||ab.||", walked);

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
    TreeFixture<CPickyTree> fixture;
    EXPECT_EQ("x_ab", fixture.NameOf(fixture.tree.FindItem("ab", FALSE, TRUE, FALSE, fixture["Alpha"])));
}

TEST(TreeCtrl, ItemFontsColoursAndBoldAreKeptPerItem)
{
    TreeFixture<> fixture;
    CXTTreeCtrl& tree = fixture.tree;
    HTREEITEM hItem = fixture["abc"];
    EXPECT_EQ(0xFFFFFFFF, tree.GetItemColor(hItem));
    tree.SetItemColor(hItem, RGB(200, 0, 0));
    LOGFONTA lf;
    EXPECT_FALSE(tree.GetItemFont(hItem, &lf) || tree.GetItemBold(hItem));

    LOGFONTA lfSet = {};
    lfSet.lfHeight = -20;
    lstrcpyA(lfSet.lfFaceName, "Tahoma");
    tree.SetItemFont(hItem, &lfSet);
    ASSERT_TRUE(tree.GetItemFont(hItem, &lf));
    EXPECT_EQ(std::make_tuple(std::string("Tahoma"), -20L, RGB(200, 0, 0)),
              std::make_tuple(std::string(lf.lfFaceName), lf.lfHeight, tree.GetItemColor(hItem)));

    tree.SetItemBold(hItem, TRUE);
    EXPECT_TRUE(tree.CTreeCtrl::GetItemState(hItem, TVIS_BOLD) & TVIS_BOLD);

    // Deleting the item drops its record.
    tree.DeleteItem(hItem);
    EXPECT_EQ(0xFFFFFFFF, tree.GetItemColor(hItem));
    EXPECT_FALSE(tree.GetItemFont(hItem, &lf) || tree.GetItemBold(hItem));
}

// Pixels of the colour inside the item's row.
int InkOf(TreeFixture<>& fixture, const char* name, COLORREF clr)
{
    PixelCanvas canvas(300, 300);
    fixture.tree.PaintItems(&canvas.dc(), TRUE);
    CRect rcItem;
    fixture.tree.GetItemRect(fixture[name], &rcItem, FALSE);
    int nTotal = rcItem.Width() * rcItem.Height();
    return nTotal - canvas.CountOther(rcItem, clr);
}

TEST(TreeCtrl, ItemsArePaintedInTheirOwnColourAndWeight)
{
    TreeFixture<> fixture;
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

    // Selected, its own colour does not replace the selection's text colour.
    tree.SelectItem(fixture["Gamma"]);
    tree.SetFocus();
    ASSERT_EQ(tree.m_hWnd, ::GetFocus());
    EXPECT_GT(InkOf(fixture, "Gamma", XTPGetColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_EQ(0, InkOf(fixture, "Gamma", kInk));
}

TEST(TreeCtrl, HotTrackingMarksTheItemUnderTheMouse)
{
    TreeFixture<> fixture(TVS_HASBUTTONS | TVS_TRACKSELECT);
    CXTTreeCtrl& tree = fixture.tree;
    SendMouse(tree, WM_MOUSEMOVE, fixture.LabelCenter("Gamma"));
    EXPECT_EQ(TVIS_XT_HOT, tree.GetItemState(fixture["Gamma"], TVIS_XT_HOT));
    SendMouse(tree, WM_MOUSEMOVE, fixture.LabelCenter("Beta"));
    EXPECT_EQ(std::make_pair(0u, (UINT)TVIS_XT_HOT),
              std::make_pair(tree.GetItemState(fixture["Gamma"], TVIS_XT_HOT),
                             tree.GetItemState(fixture["Beta"], TVIS_XT_HOT)));
    tree.KillTimer(CXTTreeBase::TimerHotTrack);
}

TEST(TreeCtrl, EnterTogglesTheCaretItemAndKeysGoStraightToTheLabelEdit)
{
    TreeFixture<> fixture(TVS_HASBUTTONS | TVS_EDITLABELS);
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["Alpha"]);
    MSG enter = {tree.m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    tree.PreTranslateMessage(&enter);
    EXPECT_FALSE(fixture.IsExpanded("Alpha"));
    tree.PreTranslateMessage(&enter);
    EXPECT_TRUE(fixture.IsExpanded("Alpha"));

    tree.SetFocus();
    tree.SelectItem(fixture["Gamma"]);
    ASSERT_NE(nullptr, tree.EditLabel(fixture["Gamma"]));
    HWND hEdit = (HWND)tree.SendMessage(TVM_GETEDITCONTROL);
    ASSERT_TRUE(::IsWindow(hEdit));

    // Escape reaches the edit, which ends editing without a change.
    MSG msg = {hEdit, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_TRUE(tree.PreTranslateMessage(&msg));
    PumpPending();
    EXPECT_EQ(NULL, (HWND)tree.SendMessage(TVM_GETEDITCONTROL));
    EXPECT_EQ(std::make_pair(1, 1), std::make_pair(fixture.host.CountNotify(TVN_BEGINLABELEDITA),
                                                   fixture.host.CountNotify(TVN_ENDLABELEDITA)));
    EXPECT_EQ("Gamma", fixture.NameOf(fixture["Gamma"]));
}

struct MultiTree : TreeFixture<>
{
    MultiTree() { tree.EnableMultiSelect(TRUE); }

    // The first item selected as the caret, the others added to the selection.
    void Select(std::initializer_list<const char*> names)
    {
        tree.SelectItem(items.at(*names.begin()));
        for (const char* name : names)
            tree.SetItemState(items.at(name), TVIS_SELECTED, TVIS_SELECTED);
    }
    // A press at the point with the loop's messages posted first, then what
    // the loop left in the queue.
    void Press(UINT message, CPoint point, UINT nFlags, std::initializer_list<MSG> posted)
    {
        for (const MSG& msg : posted)
            ::PostMessageA(tree.m_hWnd, msg.message, msg.wParam, msg.lParam);
        tree.SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
        PumpPending();
    }
    void Click(const std::string& name, UINT nFlags = 0)
    {
        CPoint pt = LabelCenter(name);
        Press(WM_LBUTTONDOWN, pt, MK_LBUTTON | nFlags, {Up(pt)});
    }
    static MSG Up(CPoint pt) { return Msg(WM_LBUTTONUP, 0, pt); }
    static MSG Move(CPoint pt) { return Msg(WM_MOUSEMOVE, MK_LBUTTON, pt); }
    static MSG Msg(UINT message, WPARAM wParam, CPoint pt)
    {
        MSG msg = {};
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = MAKELPARAM(pt.x, pt.y);
        return msg;
    }
    // A point in empty space below the items.
    CPoint Empty() { return CPoint(200, 280); }
};

// Holds keys down in the thread's keyboard state while it lives.
struct HeldKeys
{
    BYTE saved[256];
    explicit HeldKeys(std::initializer_list<int> keys)
    {
        ::GetKeyboardState(saved);
        BYTE state[256];
        memcpy(state, saved, sizeof(state));
        for (int key : keys)
            state[key] = 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(saved); }
};

TEST(TreeMultiSelect, SelectionVetoedByTheOwnerStaysPut)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    ASSERT_TRUE(tree.SelectItem(fixture["Alpha"]));
    fixture.host.m_hVetoItem = fixture["Gamma"];
    EXPECT_FALSE(tree.SetItemState(fixture["Gamma"], TVIS_SELECTED, TVIS_SELECTED));
    EXPECT_FALSE(tree.SelectItem(fixture["Gamma"]));
    fixture.Click("Gamma", MK_CONTROL);
    EXPECT_EQ("Alpha,@Alpha", fixture.Selected());

    fixture.host.m_hVetoItem = NULL;
    EXPECT_TRUE(tree.SetItemState(fixture["Gamma"], TVIS_SELECTED, TVIS_SELECTED));
    EXPECT_EQ("Alpha,Gamma,@Alpha", fixture.Selected());
    EXPECT_EQ(std::make_pair((UINT)(TVIS_FOCUSED | TVIS_SELECTED), (UINT)TVIS_SELECTED),
              std::make_pair(tree.GetItemState(fixture["Alpha"], TVIS_FOCUSED | TVIS_SELECTED),
                             tree.GetItemState(fixture["Gamma"], TVIS_FOCUSED | TVIS_SELECTED)));
}

TEST(TreeMultiSelect, CtrlAndShiftClicks)
{
    MultiTree fixture;
    std::vector<std::string> steps;
    auto click = [&](const char* name, UINT nFlags) {
        fixture.Click(name, nFlags);
        steps.push_back(fixture.Selected());
    };
    click("x ab", 0);
    EXPECT_EQ(1, fixture.host.CountNotify(NM_CLICK));
    click("Beta", MK_CONTROL);
    // Ctrl+click on a selected item deselects it on release.
    click("x ab", MK_CONTROL);
    // No anchor: Shift+click selects from the caret to the item, only those;
    // the anchor stays for the next Shift+click.
    click("x_ab", MK_SHIFT);
    click("alpha beta", MK_SHIFT);
    // A plain click clears the anchor and the selection.
    click("Gamma", 0);
    click("abab", MK_SHIFT);
    EXPECT_EQ(
        std::vector<std::string>({"x ab,@x ab", "x ab,Beta,@Beta", "Beta,@x ab", "x ab,abc,Beta,x_ab,@x_ab",
                                  "alpha beta,x ab,@alpha beta", "Gamma,@Gamma", "abab,Gamma,@abab"}),
        steps);
    EXPECT_EQ(2u, fixture.tree.GetSelectedCount());
}

TEST(TreeMultiSelect, CtrlPressMovedPastTheDragDistanceStartsADrag)
{
    MultiTree fixture;
    fixture.Select({"Alpha", "abc"});
    CPoint pt = fixture.LabelCenter("abc");
    fixture.Press(WM_LBUTTONDOWN, pt, MK_LBUTTON | MK_CONTROL,
                  {MultiTree::Move(CPoint(pt.x + 1, pt.y)), MultiTree::Move(CPoint(pt.x + 30, pt.y + 30)),
                   MultiTree::Up(pt)});
    EXPECT_EQ(1, fixture.host.CountNotify(TVN_BEGINDRAGA));
    EXPECT_EQ(pt, fixture.host.m_ptDrag);
    EXPECT_EQ("Alpha,abc,@abc", fixture.Selected());
}

TEST(TreeMultiSelect, ShiftAndCtrlWithArrowKeys)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["x ab"]);
    {
        HeldKeys shift({VK_SHIFT});
        tree.SendMessage(WM_KEYDOWN, VK_DOWN);
        tree.SendMessage(WM_KEYDOWN, VK_DOWN);
        EXPECT_EQ("x ab,abc,Beta,@Beta", fixture.Selected());
        tree.SendMessage(WM_KEYDOWN, VK_UP);
    }
    {
        HeldKeys ctrl({VK_CONTROL});
        tree.SendMessage(WM_KEYDOWN, VK_DOWN);
    }
    EXPECT_EQ("x ab,abc,@Beta", fixture.Selected());
    // A plain arrow with several selected items leaves one.
    tree.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(1u, tree.GetSelectedCount());
}

TEST(TreeMultiSelect, RubberBandSelectsTheItemsItCrossesAndEscapeDeselectsAll)
{
    MultiTree fixture;
    fixture.Select({"Alpha"});
    CPoint ptStart = fixture.Empty();
    CPoint ptEnd(5, fixture.LabelCenter("abab").y);
    fixture.Press(
        WM_LBUTTONDOWN, ptStart, MK_LBUTTON,
        {MultiTree::Move(CPoint(ptStart.x - 1, ptStart.y)), MultiTree::Move(ptEnd), MultiTree::Up(ptEnd)});
    EXPECT_EQ("abab,Gamma,@Alpha", fixture.Selected());

    // A click in empty space without keys deselects everything.
    fixture.Press(WM_LBUTTONDOWN, ptStart, MK_LBUTTON, {MultiTree::Up(ptStart)});
    EXPECT_EQ("@Alpha", fixture.Selected());

    // So does Escape during a band that adds to the selection.
    fixture.Select({"Alpha", "Beta"});
    fixture.Press(WM_LBUTTONDOWN, ptStart, MK_LBUTTON | MK_SHIFT,
                  {MultiTree::Move(CPoint(ptStart.x - 40, ptStart.y - 5)),
                   MultiTree::Msg(WM_KEYDOWN, VK_ESCAPE, CPoint()), MultiTree::Up(ptStart)});
    EXPECT_EQ("@Alpha", fixture.Selected());
}

TEST(TreeMultiSelect, CtrlBandTogglesRememberedItemsWhileInside)
{
    MultiTree fixture;
    fixture.Select({"abab", "Gamma"});
    fixture.host.m_messages.clear();
    CPoint ptStart = fixture.Empty();
    CPoint ptBack(ptStart.x - 10, ptStart.y - 10);
    fixture.Press(WM_LBUTTONDOWN, ptStart, MK_LBUTTON | MK_CONTROL,
                  {MultiTree::Move(CPoint(5, fixture.LabelCenter("abab").y)), MultiTree::Move(ptBack),
                   MultiTree::Up(ptBack)});
    // Both were deselected while inside the band and selected again after.
    int nDeselected = 0;
    for (const RecordedMessage& msg : fixture.host.m_messages)
        nDeselected += msg.wParam == TVN_SELCHANGEDA
                       && (msg.lParam == (LPARAM)fixture["abab"] || msg.lParam == (LPARAM)fixture["Gamma"]);
    EXPECT_EQ(2, nDeselected);
    EXPECT_EQ("abab,Gamma,@abab", fixture.Selected());
}

TEST(TreeMultiSelect, ModalLoopsEndAndPostTheQuitAgain)
{
    MultiTree fixture;
    // The click loop on an item, the band loop in empty space.
    for (CPoint pt : {fixture.LabelCenter("Beta"), fixture.Empty()})
    {
        ::PostQuitMessage(7);
        fixture.tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(7u, msg.wParam);
        EXPECT_NE(fixture.tree.m_hWnd, ::GetCapture());
    }
}

TEST(TreeMultiSelect, CollapsingMovesTheFocusOutOfTheBranch)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    fixture.Select({"x ab", "abc"});
    // The expand button of Alpha: left of its label on the same row.
    CPoint pt = fixture.LabelCenter("Alpha");
    UINT nFlags = 0;
    for (pt.x = 0; !(tree.HitTest(pt, &nFlags) == fixture["Alpha"] && (nFlags & TVHT_ONITEMBUTTON)); pt.x++)
        ASSERT_LT(pt.x, 100);
    ClickAt(tree, pt);
    PumpPending();
    EXPECT_FALSE(fixture.IsExpanded("Alpha"));
    EXPECT_EQ("@Alpha", fixture.Selected());
}

TEST(TreeMultiSelect, TurningTheModeOffKeepsOnlyTheCaret)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    fixture.Select({"Beta", "Alpha", "Gamma"});
    EXPECT_TRUE(tree.EnableMultiSelect(FALSE));
    EXPECT_EQ("Beta,@Beta", fixture.Selected());
    EXPECT_EQ(fixture["Beta"], tree.GetFirstSelectedItem());
    EXPECT_EQ(NULL, tree.GetNextSelectedItem(fixture["Beta"]));

    // The caret not selected: nothing stays.
    tree.EnableMultiSelect(TRUE);
    tree.SetItemState(fixture["Gamma"], TVIS_SELECTED, TVIS_SELECTED);
    tree.SetItemState(fixture["Beta"], 0, TVIS_SELECTED);
    tree.EnableMultiSelect(FALSE);
    EXPECT_EQ("@Beta", fixture.Selected());
}

TEST(TreeMultiSelect, RightClickInEmptySpaceDeselectsAndNotifies)
{
    MultiTree fixture;
    fixture.Select({"Beta", "Gamma"});
    CPoint pt = fixture.Empty();
    fixture.tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ("@Beta", fixture.Selected());
    EXPECT_EQ(1, fixture.host.CountNotify(NM_RCLICK));

    // On an unselected item: that item alone.
    pt = fixture.LabelCenter("abc");
    fixture.tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ("abc,@abc", fixture.Selected());
}

} // namespace
