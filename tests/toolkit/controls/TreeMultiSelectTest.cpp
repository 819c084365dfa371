// Tree multi-selection: states and vetoes, Ctrl and Shift clicks and keys,
// drag starts, the rubber band, collapse and the modal loops' WM_QUIT. The
// modal loops are driven by messages posted before the press.
#include <gtest/gtest.h>
#include "TreeTestFixture.h"

namespace {

struct MultiTree : TreeFixture
{
    MultiTree() { tree.EnableMultiSelect(TRUE); }

    // A press at the point with the loop's messages posted first.
    void Press(UINT message, CPoint point, UINT nFlags, std::initializer_list<MSG> posted)
    {
        for (const MSG& msg : posted)
            ::PostMessageA(tree.m_hWnd, msg.message, msg.wParam, msg.lParam);
        tree.SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
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
    std::string Caret() { return NameOf(tree.GetNextItem(NULL, TVGN_CARET)); }
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

} // namespace

TEST(TreeMultiSelect, SelectionVetoedByTheOwnerStaysPut)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    ASSERT_TRUE(tree.SelectItem(fixture["Alpha"]));
    fixture.host.m_hVetoItem = fixture["Gamma"];
    EXPECT_FALSE(tree.SetItemState(fixture["Gamma"], TVIS_SELECTED, TVIS_SELECTED));
    EXPECT_FALSE(tree.SelectItem(fixture["Gamma"]));
    fixture.Click("Gamma", MK_CONTROL);
    EXPECT_EQ("Alpha", fixture.Selected());

    fixture.host.m_hVetoItem = NULL;
    EXPECT_TRUE(tree.SetItemState(fixture["Gamma"], TVIS_SELECTED, TVIS_SELECTED));
    EXPECT_EQ("Alpha,Gamma", fixture.Selected());
    EXPECT_EQ("Alpha", fixture.Caret());
    EXPECT_EQ(TVIS_FOCUSED | TVIS_SELECTED,
              tree.GetItemState(fixture["Alpha"], TVIS_FOCUSED | TVIS_SELECTED));
    EXPECT_EQ(TVIS_SELECTED, tree.GetItemState(fixture["Gamma"], TVIS_FOCUSED | TVIS_SELECTED));
}

TEST(TreeMultiSelect, CtrlAndShiftClicks)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    fixture.Click("x ab");
    EXPECT_EQ("x ab", fixture.Selected());
    EXPECT_EQ(1, fixture.host.CountNotify(NM_CLICK));

    fixture.Click("Beta", MK_CONTROL);
    EXPECT_EQ("x ab,Beta", fixture.Selected());
    EXPECT_EQ("Beta", fixture.Caret());

    // Ctrl+click on a selected item deselects it on release.
    fixture.Click("x ab", MK_CONTROL);
    EXPECT_EQ("Beta", fixture.Selected());
    EXPECT_EQ("x ab", fixture.Caret());

    // No anchor: Shift+click selects from the caret to the item, only those.
    fixture.Click("x_ab", MK_SHIFT);
    EXPECT_EQ("x ab,abc,Beta,x_ab", fixture.Selected());
    EXPECT_EQ("x_ab", fixture.Caret());
    // The anchor stays for the next Shift+click.
    fixture.Click("alpha beta", MK_SHIFT);
    EXPECT_EQ("alpha beta,x ab", fixture.Selected());

    // A plain click clears the anchor and the selection.
    fixture.Click("Gamma");
    EXPECT_EQ("Gamma", fixture.Selected());
    fixture.Click("abab", MK_SHIFT);
    EXPECT_EQ("abab,Gamma", fixture.Selected());
    EXPECT_EQ(2u, tree.GetSelectedCount());
}

TEST(TreeMultiSelect, CtrlPressMovedPastTheDragDistanceStartsADrag)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["Alpha"]);
    tree.SetItemState(fixture["abc"], TVIS_SELECTED, TVIS_SELECTED);
    CPoint pt = fixture.LabelCenter("abc");
    fixture.Press(WM_LBUTTONDOWN, pt, MK_LBUTTON | MK_CONTROL,
                  {MultiTree::Move(CPoint(pt.x + 1, pt.y)), MultiTree::Move(CPoint(pt.x + 30, pt.y + 30)),
                   MultiTree::Up(pt)});
    EXPECT_EQ(1, fixture.host.CountNotify(TVN_BEGINDRAGA));
    EXPECT_EQ(pt, fixture.host.m_ptDrag);
    EXPECT_EQ("abc", fixture.Caret());
    EXPECT_EQ("Alpha,abc", fixture.Selected());
    PumpPending();
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
        EXPECT_EQ("x ab,abc,Beta", fixture.Selected());
        tree.SendMessage(WM_KEYDOWN, VK_UP);
        EXPECT_EQ("x ab,abc", fixture.Selected());
    }
    {
        HeldKeys ctrl({VK_CONTROL});
        tree.SendMessage(WM_KEYDOWN, VK_DOWN);
        EXPECT_EQ("Beta", fixture.Caret());
        EXPECT_EQ("x ab,abc", fixture.Selected());
    }
    // A plain arrow with several selected items leaves one.
    tree.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(1u, tree.GetSelectedCount());
}

TEST(TreeMultiSelect, RubberBandSelectsTheItemsItCrosses)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["Alpha"]);
    CPoint ptStart = fixture.Empty();
    CPoint ptEnd(5, fixture.LabelCenter("abab").y);
    fixture.Press(
        WM_LBUTTONDOWN, ptStart, MK_LBUTTON,
        {MultiTree::Move(CPoint(ptStart.x - 1, ptStart.y)), MultiTree::Move(ptEnd), MultiTree::Up(ptEnd)});
    EXPECT_EQ("abab,Gamma", fixture.Selected());
    PumpPending();

    // A click in empty space without keys deselects everything.
    fixture.Press(WM_LBUTTONDOWN, ptStart, MK_LBUTTON, {MultiTree::Up(ptStart)});
    EXPECT_EQ("", fixture.Selected());
    PumpPending();
}

TEST(TreeMultiSelect, CtrlBandTogglesRememberedItemsWhileInside)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["abab"]);
    tree.SetItemState(fixture["Gamma"], TVIS_SELECTED, TVIS_SELECTED);
    fixture.host.m_messages.clear();
    CPoint ptStart = fixture.Empty();
    CPoint ptOver(5, fixture.LabelCenter("abab").y);
    CPoint ptBack(ptStart.x - 10, ptStart.y - 10);
    fixture.Press(WM_LBUTTONDOWN, ptStart, MK_LBUTTON | MK_CONTROL,
                  {MultiTree::Move(ptOver), MultiTree::Move(ptBack), MultiTree::Up(ptBack)});
    // Both were deselected while inside the band and selected again after.
    int nDeselected = 0;
    for (const RecordedMessage& msg : fixture.host.m_messages)
        nDeselected += msg.wParam == TVN_SELCHANGEDA
                       && (msg.lParam == (LPARAM)fixture["abab"] || msg.lParam == (LPARAM)fixture["Gamma"]);
    EXPECT_EQ(2, nDeselected);
    EXPECT_EQ("abab,Gamma", fixture.Selected());
    PumpPending();
}

TEST(TreeMultiSelect, EscapeDuringTheBandDeselectsEverything)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["Alpha"]);
    tree.SetItemState(fixture["Beta"], TVIS_SELECTED, TVIS_SELECTED);
    CPoint ptStart = fixture.Empty();
    fixture.Press(WM_LBUTTONDOWN, ptStart, MK_LBUTTON | MK_SHIFT,
                  {MultiTree::Move(CPoint(ptStart.x - 40, ptStart.y - 5)),
                   MultiTree::Msg(WM_KEYDOWN, VK_ESCAPE, CPoint()), MultiTree::Up(ptStart)});
    EXPECT_EQ("", fixture.Selected());
    PumpPending();
}

struct QuitRow
{
    const char* name;
    bool bOnItem;
};

class TreeModalLoopQuit : public ::testing::TestWithParam<QuitRow>
{};

TEST_P(TreeModalLoopQuit, LoopEndsAndPostsTheQuitAgain)
{
    MultiTree fixture;
    CPoint pt = GetParam().bOnItem ? fixture.LabelCenter("Beta") : fixture.Empty();
    ::PostQuitMessage(7);
    fixture.tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
    EXPECT_NE(fixture.tree.m_hWnd, ::GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Rows, TreeModalLoopQuit,
                         ::testing::Values(QuitRow{"ClickLoop", true}, QuitRow{"BandLoop", false}),
                         [](const ::testing::TestParamInfo<QuitRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(TreeMultiSelect, CollapsingMovesTheFocusOutOfTheBranch)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["x ab"]);
    tree.SetItemState(fixture["abc"], TVIS_SELECTED, TVIS_SELECTED);
    // The expand button of Alpha: left of its label on the same row.
    CPoint ptLabel = fixture.LabelCenter("Alpha");
    CPoint ptButton(-1, ptLabel.y);
    for (int x = 0; x < ptLabel.x && ptButton.x < 0; x++)
    {
        UINT nFlags = 0;
        if (tree.HitTest(CPoint(x, ptLabel.y), &nFlags) == fixture["Alpha"] && (nFlags & TVHT_ONITEMBUTTON))
            ptButton.x = x;
    }
    ASSERT_GE(ptButton.x, 0);
    tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptButton.x, ptButton.y));
    tree.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptButton.x, ptButton.y));
    EXPECT_FALSE(tree.CTreeCtrl::GetItemState(fixture["Alpha"], TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ("Alpha", fixture.Caret());
    EXPECT_FALSE(tree.IsSelected(fixture["x ab"]));
    EXPECT_FALSE(tree.IsSelected(fixture["abc"]));
    PumpPending();
}

TEST(TreeMultiSelect, TurningTheModeOffKeepsOnlyTheCaret)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["Beta"]);
    tree.SetItemState(fixture["Alpha"], TVIS_SELECTED, TVIS_SELECTED);
    tree.SetItemState(fixture["Gamma"], TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_TRUE(tree.EnableMultiSelect(FALSE));
    EXPECT_EQ("Beta", fixture.Selected());
    EXPECT_EQ(fixture["Beta"], tree.GetFirstSelectedItem());
    EXPECT_EQ(NULL, tree.GetNextSelectedItem(fixture["Beta"]));

    // The caret not selected: nothing stays.
    tree.EnableMultiSelect(TRUE);
    tree.SetItemState(fixture["Gamma"], TVIS_SELECTED, TVIS_SELECTED);
    tree.SetItemState(fixture["Beta"], 0, TVIS_SELECTED);
    tree.EnableMultiSelect(FALSE);
    EXPECT_EQ("", fixture.Selected());
}

TEST(TreeMultiSelect, RightClickInEmptySpaceDeselectsAndNotifies)
{
    MultiTree fixture;
    CXTTreeCtrl& tree = fixture.tree;
    tree.SelectItem(fixture["Beta"]);
    tree.SetItemState(fixture["Gamma"], TVIS_SELECTED, TVIS_SELECTED);
    CPoint pt = fixture.Empty();
    tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ("", fixture.Selected());
    EXPECT_EQ(1, fixture.host.CountNotify(NM_RCLICK));

    // On an unselected item: that item alone.
    pt = fixture.LabelCenter("abc");
    tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ("abc", fixture.Selected());
}
