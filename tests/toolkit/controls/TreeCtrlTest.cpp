// The tree control: walking, search, per-item fonts and colours and their
// painting, keys; and multi-selection: states and vetoes, Ctrl and Shift clicks
// and keys, drag starts, the rubber band, collapse and the modal loops' WM_QUIT.
// The modal loops are driven by messages posted before the press.
#include <gtest/gtest.h>
#include "NotifyRecorderWnd.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/controls/XTTreeCtrl.h"
#include "toolkit/foundation/XTPColorManager.h"
#include <functional>
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

    HTREEITEM Item(const std::string& name) { return name.empty() ? NULL : items.at(name); }
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
    // Pixels of the colour inside the item's row as the tree paints it.
    int InkOf(const char* name, COLORREF clr)
    {
        PixelCanvas canvas(300, 300);
        tree.PaintItems(&canvas.dc(), TRUE);
        CRect rcItem;
        tree.GetItemRect(Item(name), &rcItem, FALSE);
        return rcItem.Width() * rcItem.Height() - canvas.CountOther(rcItem, clr);
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

class TreeCtrl : public ::testing::Test, public TreeFixture<>
{};

TEST_F(TreeCtrl, SearchEndsWithTheExpectedItem)
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
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, NameOf(tree.FindItem(row.text, row.bCaseSensitive, row.bDownward,
                                                     row.bWholeWord, Item(row.start))))
            << row.name;
}

TEST_F(TreeCtrl, WalkingAndSearchBelowAnItem)
{
    std::string walked;
    for (HTREEITEM hItem :
         {tree.GetLastItemInTree(NULL), tree.GetLastItemInTree(Item("Alpha")),
          tree.GetPrevItemInTree(Item("Beta")), tree.GetNextItemInTree(Item("abc")),
          tree.GetNextItemInTree(Item("Gamma")), tree.FindItemInChildren("ab", FALSE, TRUE, Item("Beta")),
          tree.FindItemInChildren("ab", FALSE, FALSE, Item("Gamma"))})
        walked += NameOf(hItem) + "|";
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

TEST(TreeCtrlStyles, RejectedMatchesLetTheSearchGoOn)
{
    TreeFixture<CPickyTree> fixture;
    EXPECT_EQ("x_ab", fixture.NameOf(fixture.tree.FindItem("ab", FALSE, TRUE, FALSE, fixture.Item("Alpha"))));
}

TEST_F(TreeCtrl, ItemFontsColoursAndBoldAreKeptPerItem)
{
    HTREEITEM hItem = Item("abc");
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

TEST_F(TreeCtrl, ItemsArePaintedInTheirOwnColourAndWeight)
{
    const COLORREF kInk = RGB(0, 128, 0);
    EXPECT_EQ(0, InkOf("Gamma", kInk));
    tree.SetItemColor(Item("Gamma"), kInk);
    EXPECT_EQ(0, InkOf("Beta", kInk));

    // A lighter stored font loses to the bold flag.
    LOGFONTA lf;
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_THIN;
    tree.SetItemFont(Item("Gamma"), &lf);
    int nThin = InkOf("Gamma", kInk);
    EXPECT_GT(nThin, 0);
    tree.SetItemBold(Item("Gamma"), TRUE);
    EXPECT_GT(InkOf("Gamma", kInk), nThin);

    // Selected, its own colour does not replace the selection's text colour.
    tree.SelectItem(Item("Gamma"));
    tree.SetFocus();
    ASSERT_EQ(tree.m_hWnd, ::GetFocus());
    EXPECT_GT(InkOf("Gamma", XTPGetColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_EQ(0, InkOf("Gamma", kInk));
}

TEST(TreeCtrlStyles, HotTrackingMarksTheItemUnderTheMouse)
{
    TreeFixture<> fixture(TVS_HASBUTTONS | TVS_TRACKSELECT);
    CXTTreeCtrl& tree = fixture.tree;
    SendMouse(tree, WM_MOUSEMOVE, fixture.LabelCenter("Gamma"));
    EXPECT_EQ(TVIS_XT_HOT, tree.GetItemState(fixture.Item("Gamma"), TVIS_XT_HOT));
    SendMouse(tree, WM_MOUSEMOVE, fixture.LabelCenter("Beta"));
    EXPECT_TRUE(tree.GetItemState(fixture.Item("Gamma"), TVIS_XT_HOT) == 0
                && tree.GetItemState(fixture.Item("Beta"), TVIS_XT_HOT) == TVIS_XT_HOT);
    tree.KillTimer(CXTTreeBase::TimerHotTrack);
}

TEST(TreeCtrlStyles, EnterTogglesTheCaretItem)
{
    TreeFixture<> fixture(TVS_HASBUTTONS | TVS_EDITLABELS);
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture.Item("Alpha"));
    MSG enter = {tree.m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    tree.PreTranslateMessage(&enter);
    EXPECT_FALSE(fixture.IsExpanded("Alpha"));
    tree.PreTranslateMessage(&enter);
    EXPECT_TRUE(fixture.IsExpanded("Alpha"));
}

TEST(TreeCtrlStyles, KeysGoStraightToTheLabelEdit)
{
    TreeFixture<> fixture(TVS_HASBUTTONS | TVS_EDITLABELS);
    CXTTreeCtrl& tree = fixture.tree;
    tree.SetFocus();
    tree.SelectItem(fixture.Item("Gamma"));
    ASSERT_NE(nullptr, tree.EditLabel(fixture.Item("Gamma")));
    HWND hEdit = (HWND)tree.SendMessage(TVM_GETEDITCONTROL);

    // Escape reaches the edit, which ends editing without a change.
    MSG msg = {hEdit, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_TRUE(tree.PreTranslateMessage(&msg));
    PumpPending();
    EXPECT_EQ(NULL, (HWND)tree.SendMessage(TVM_GETEDITCONTROL));
    EXPECT_EQ(std::make_pair(1, 1), std::make_pair(fixture.host.CountNotify(TVN_BEGINLABELEDITA),
                                                   fixture.host.CountNotify(TVN_ENDLABELEDITA)));
    EXPECT_EQ("Gamma", fixture.NameOf(fixture.Item("Gamma")));
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
    void Press(CPoint point, UINT nFlags, std::initializer_list<MSG> posted)
    {
        for (const MSG& msg : posted)
            ::PostMessageA(tree.m_hWnd, msg.message, msg.wParam, msg.lParam);
        tree.SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
        PumpPending();
    }
    void Click(const std::string& name, UINT nFlags = 0)
    {
        CPoint pt = LabelCenter(name);
        Press(pt, MK_LBUTTON | nFlags, {Up(pt)});
    }
    static MSG Up(CPoint pt) { return Msg(WM_LBUTTONUP, 0, pt); }
    static MSG Move(CPoint pt) { return Msg(WM_MOUSEMOVE, MK_LBUTTON, pt); }
    static MSG Msg(UINT m, WPARAM w, CPoint p) { return {0, m, w, MAKELPARAM(p.x, p.y), 0, {}}; }
    // A point in empty space below the items.
    CPoint Empty() { return CPoint(200, 280); }
};

class TreeMultiSelect : public ::testing::Test, public MultiTree
{};

// Holds a key down in the thread's keyboard state while it lives.
struct HeldKeys
{
    BYTE saved[256];
    explicit HeldKeys(int key)
    {
        ::GetKeyboardState(saved);
        BYTE state[256];
        memcpy(state, saved, sizeof(state));
        state[key] = 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(saved); }
};

TEST_F(TreeMultiSelect, SelectionVetoedByTheOwnerStaysPut)
{
    ASSERT_TRUE(tree.SelectItem(Item("Alpha")));
    host.m_hVetoItem = Item("Gamma");
    EXPECT_FALSE(tree.SetItemState(Item("Gamma"), TVIS_SELECTED, TVIS_SELECTED)
                 || tree.SelectItem(Item("Gamma")));
    Click("Gamma", MK_CONTROL);
    EXPECT_EQ("Alpha,@Alpha", Selected());

    host.m_hVetoItem = NULL;
    EXPECT_TRUE(tree.SetItemState(Item("Gamma"), TVIS_SELECTED, TVIS_SELECTED));
    EXPECT_EQ("Alpha,Gamma,@Alpha", Selected());
    // Only the caret reads as focused.
    EXPECT_EQ(std::make_pair((UINT)(TVIS_FOCUSED | TVIS_SELECTED), (UINT)TVIS_SELECTED),
              std::make_pair(tree.GetItemState(Item("Alpha"), TVIS_FOCUSED | TVIS_SELECTED),
                             tree.GetItemState(Item("Gamma"), TVIS_FOCUSED | TVIS_SELECTED)));
}

TEST_F(TreeMultiSelect, CtrlAndShiftClicks)
{
    std::vector<std::string> steps;
    auto click = [&](const char* name, UINT nFlags) {
        Click(name, nFlags);
        steps.push_back(Selected());
    };
    click("x ab", 0);
    EXPECT_EQ(1, host.CountNotify(NM_CLICK));
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
}

TEST_F(TreeMultiSelect, CtrlPressMovedPastTheDragDistanceStartsADrag)
{
    Select({"Alpha", "abc"});
    CPoint pt = LabelCenter("abc");
    Press(pt, MK_LBUTTON | MK_CONTROL,
          {Move(CPoint(pt.x + 1, pt.y)), Move(CPoint(pt.x + 30, pt.y + 30)), Up(pt)});
    EXPECT_EQ(1, host.CountNotify(TVN_BEGINDRAGA));
    EXPECT_EQ(pt, host.m_ptDrag);
    EXPECT_EQ("Alpha,abc,@abc", Selected());
}

TEST_F(TreeMultiSelect, ShiftAndCtrlWithArrowKeys)
{
    tree.SelectItem(Item("x ab"));
    {
        HeldKeys shift(VK_SHIFT);
        tree.SendMessage(WM_KEYDOWN, VK_DOWN);
        tree.SendMessage(WM_KEYDOWN, VK_DOWN);
        EXPECT_EQ("x ab,abc,Beta,@Beta", Selected());
        tree.SendMessage(WM_KEYDOWN, VK_UP);
    }
    {
        HeldKeys ctrl(VK_CONTROL);
        tree.SendMessage(WM_KEYDOWN, VK_DOWN);
    }
    EXPECT_EQ("x ab,abc,@Beta", Selected());
    // A plain arrow with several selected items leaves one.
    tree.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(1u, tree.GetSelectedCount());
}

TEST_F(TreeMultiSelect, RubberBandSelectsTheItemsItCrossesAndEscapeDeselectsAll)
{
    Select({"Alpha"});
    CPoint ptStart = Empty();
    CPoint ptEnd(5, LabelCenter("abab").y);
    Press(ptStart, MK_LBUTTON, {Move(CPoint(ptStart.x - 1, ptStart.y)), Move(ptEnd), Up(ptEnd)});
    EXPECT_EQ("abab,Gamma,@Alpha", Selected());

    // A click in empty space without keys deselects everything.
    Press(ptStart, MK_LBUTTON, {Up(ptStart)});
    EXPECT_EQ("@Alpha", Selected());

    // So does Escape during a band that adds to the selection.
    Select({"Alpha", "Beta"});
    Press(ptStart, MK_LBUTTON | MK_SHIFT,
          {Move(CPoint(ptStart.x - 40, ptStart.y - 5)), Msg(WM_KEYDOWN, VK_ESCAPE, CPoint()), Up(ptStart)});
    EXPECT_EQ("@Alpha", Selected());
}

TEST_F(TreeMultiSelect, CtrlBandTogglesRememberedItemsWhileInside)
{
    Select({"abab", "Gamma"});
    host.m_messages.clear();
    CPoint ptStart = Empty();
    CPoint ptBack(ptStart.x - 10, ptStart.y - 10);
    Press(ptStart, MK_LBUTTON | MK_CONTROL,
          {Move(CPoint(5, LabelCenter("abab").y)), Move(ptBack), Up(ptBack)});
    // Both were deselected while inside the band and selected again after.
    int nDeselected = 0;
    for (const RecordedMessage& msg : host.m_messages)
        nDeselected += msg.wParam == TVN_SELCHANGEDA
                       && (msg.lParam == (LPARAM)Item("abab") || msg.lParam == (LPARAM)Item("Gamma"));
    EXPECT_EQ(2, nDeselected);
    EXPECT_EQ("abab,Gamma,@abab", Selected());
}

TEST_F(TreeMultiSelect, ModalLoopsEndAndPostTheQuitAgain)
{
    // The click loop on an item, the band loop in empty space.
    for (CPoint pt : {LabelCenter("Beta"), Empty()})
    {
        ::PostQuitMessage(7);
        tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_TRUE(msg.wParam == 7 && ::GetCapture() != tree.m_hWnd);
    }
}

TEST_F(TreeMultiSelect, ModalLoopsEndWhenTheCaptureIsLost)
{
    Select({"Alpha"});
    // The click loop: the release after the loss does not toggle Beta in.
    CPoint pt = LabelCenter("Beta");
    tree.PostMessage(WM_CANCELMODE);
    tree.PostMessage(WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(pt.x, pt.y));
    tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ("Alpha,@Alpha", Selected());
    EXPECT_TRUE(::GetCapture() != tree.m_hWnd);
    PumpPending();
    // The band loop: the moves after the loss draw no band over the items.
    CPoint ptEnd = LabelCenter("Gamma");
    tree.PostMessage(WM_CANCELMODE);
    tree.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, ptEnd.y));
    tree.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(0, ptEnd.y));
    tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(Empty().x, Empty().y));
    PumpPending();
    EXPECT_EQ("Alpha,@Alpha", Selected());
}

TEST_F(TreeMultiSelect, CollapsingMovesTheFocusOutOfTheBranch)
{
    Select({"x ab", "abc"});
    // The expand button of Alpha: left of its label on the same row.
    CPoint pt = LabelCenter("Alpha");
    UINT nFlags = 0;
    for (pt.x = 0; !(tree.HitTest(pt, &nFlags) == Item("Alpha") && (nFlags & TVHT_ONITEMBUTTON)); pt.x++)
        ASSERT_LT(pt.x, 100);
    ClickAt(tree, pt);
    PumpPending();
    EXPECT_EQ("@Alpha collapsed", Selected() + (IsExpanded("Alpha") ? " expanded" : " collapsed"));
}

TEST_F(TreeMultiSelect, TurningTheModeOffKeepsOnlyTheCaret)
{
    Select({"Beta", "Alpha", "Gamma"});
    EXPECT_TRUE(tree.EnableMultiSelect(FALSE));
    EXPECT_EQ("Beta,@Beta", Selected());
    EXPECT_TRUE(tree.GetFirstSelectedItem() == Item("Beta")
                && tree.GetNextSelectedItem(Item("Beta")) == NULL);

    // The caret not selected: nothing stays.
    tree.EnableMultiSelect(TRUE);
    tree.SetItemState(Item("Gamma"), TVIS_SELECTED, TVIS_SELECTED);
    tree.SetItemState(Item("Beta"), 0, TVIS_SELECTED);
    tree.EnableMultiSelect(FALSE);
    EXPECT_EQ("@Beta", Selected());
}

// A change of the focus repaints the selected items on screen, the row cut
// by the bottom edge included, and no other row.
TEST(TreeMultiSelectFocus, AChangeOfTheFocusRepaintsTheSelectedItemsOnScreen)
{
    NotifyRecorderWnd& host = TestHost();
    CXTTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 200, 100), &host, 1000));
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 100; ++i)
        items.push_back(tree.InsertItem(("item " + std::to_string(i)).c_str()));
    // Ten and a half rows on screen, from item 40 on.
    const int nRow = tree.GetItemHeight();
    tree.SetWindowPos(NULL, 0, 0, 200, nRow * 10 + nRow / 2, SWP_NOZORDER | SWP_NOMOVE);
    tree.EnableMultiSelect(TRUE);
    tree.SelectItem(items[41]);
    for (int i : {20, 45, 50, 90})
        tree.SetItemState(items[i], TVIS_SELECTED, TVIS_SELECTED);
    tree.SelectSetFirstVisible(items[40]);
    ASSERT_EQ(10u, tree.GetVisibleCount());

    const struct
    {
        const char* name;
        bool focus; // gains it, else loses it
    } rows[] = {{"gaining the focus", true}, {"losing the focus", false}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        if (!row.focus)
            tree.SetFocus();
        tree.UpdateWindow();
        ASSERT_FALSE(tree.GetUpdateRect(NULL, FALSE));
        if (row.focus)
            tree.SetFocus();
        else
            host.SetFocus();
        HRGN hPending = ::CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(tree.m_hWnd, hPending, FALSE);
        std::string repainted;
        for (int i = 40; i <= 50; ++i)
        {
            CRect rcLabel;
            tree.GetItemRect(items[i], &rcLabel, TRUE);
            if (::PtInRegion(hPending, rcLabel.left + 1, rcLabel.top + 1))
                repainted += std::to_string(i) + " ";
        }
        ::DeleteObject(hPending);
        EXPECT_EQ("41 45 50 ", repainted);
    }
}

// The selection a program makes itself: the item alone, whatever the user
// had selected, and a later Shift+click ranges from it, not from the anchor
// the user's own Shift+click left.
TEST_F(TreeMultiSelect, SelectOnlyItemLeavesTheItemAloneAndForgetsTheAnchor)
{
    Click("x ab");
    Click("abc", MK_SHIFT);
    ASSERT_EQ("x ab,abc,@abc", Selected());
    EXPECT_TRUE(tree.SelectOnlyItem(Item("Beta")));
    EXPECT_EQ("Beta,@Beta", Selected());
    Click("abab", MK_SHIFT);
    EXPECT_EQ("Beta,x_ab,ab.,abab,@abab", Selected());

    // With the mode off it is the control's own selection.
    tree.EnableMultiSelect(FALSE);
    EXPECT_TRUE(tree.SelectOnlyItem(Item("Gamma")));
    EXPECT_EQ("Gamma,@Gamma", Selected());
}

// A Shift selection whose anchor was deleted since ranges from the caret,
// by click and by key, whatever remains selected.
TEST(TreeMultiSelectDeletedAnchor, TheNextShiftSelectionStartsAtTheCaret)
{
    const struct
    {
        const char* name;
        std::function<void(MultiTree&)> shiftSelect;
        const char* selected;
    } rows[] = {
        {"Shift+click", [](MultiTree& t) { t.Click("abab", MK_SHIFT); }, "abc,Beta,x_ab,ab.,abab,@abab"},
        {"Shift+Down",
         [](MultiTree& t) {
             HeldKeys shift(VK_SHIFT);
             t.tree.SendMessage(WM_KEYDOWN, VK_DOWN);
         },
         "abc,Beta,@Beta"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        MultiTree fixture;
        fixture.Click("x ab");
        fixture.Click("abc", MK_SHIFT);
        ASSERT_EQ("x ab,abc,@abc", fixture.Selected());
        fixture.tree.DeleteItem(fixture.Item("x ab"));
        fixture.items.erase("x ab");
        row.shiftSelect(fixture);
        EXPECT_EQ(row.selected, fixture.Selected());
    }
}

TEST_F(TreeMultiSelect, RightClickInEmptySpaceDeselectsAndNotifies)
{
    Select({"Beta", "Gamma"});
    CPoint pt = Empty();
    tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ("@Beta", Selected());
    EXPECT_EQ(1, host.CountNotify(NM_RCLICK));

    // On an unselected item: that item alone.
    pt = LabelCenter("abc");
    tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ("abc,@abc", Selected());
}

} // namespace
