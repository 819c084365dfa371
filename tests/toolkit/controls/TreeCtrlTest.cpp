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

namespace {

// A CXTTreeCtrl in the shared test host, filled with named items:
//   Alpha { "alpha beta", "x ab", "abc" }, Beta { "x_ab", "ab.", "abab" }, Gamma
// with Alpha and Beta expanded.
struct TreeFixture
{
    static const UINT kTreeId = 1000;

    NotifyRecorderWnd& host = TestHost();
    CXTTreeCtrl tree;
    std::map<std::string, HTREEITEM> items;

    explicit TreeFixture(DWORD dwStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS)
    {
        tree.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(0, 0, 300, 300), &host, kTreeId);
        HTREEITEM hAlpha = Add("Alpha", TVI_ROOT);
        Add("alpha beta", hAlpha);
        Add("x ab", hAlpha);
        Add("abc", hAlpha);
        HTREEITEM hBeta = Add("Beta", TVI_ROOT);
        Add("x_ab", hBeta);
        Add("ab.", hBeta);
        Add("abab", hBeta);
        Add("Gamma", TVI_ROOT);
        tree.Expand(hAlpha, TVE_EXPAND);
        tree.Expand(hBeta, TVE_EXPAND);
        host.m_messages.clear();
    }
    ~TreeFixture() { tree.DestroyWindow(); }

    HTREEITEM Add(const char* name, HTREEITEM hParent)
    {
        HTREEITEM hItem = tree.InsertItem(name, hParent);
        items[name] = hItem;
        return hItem;
    }
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
    // The names of the selected items in visible order.
    std::string Selected()
    {
        std::string names;
        for (HTREEITEM h = tree.GetRootItem(); h != NULL; h = tree.GetNextVisibleItem(h))
            if (tree.CTreeCtrl::GetItemState(h, TVIS_SELECTED) & TVIS_SELECTED)
                names += (names.empty() ? "" : ",") + NameOf(h);
        return names;
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
    TreeFixture fixture;
    for (const Row& row : rows)
    {
        HTREEITEM hFound = fixture.tree.FindItem(row.text, row.bCaseSensitive, row.bDownward, row.bWholeWord,
                                                 fixture[row.start]);
        EXPECT_EQ(row.expected, fixture.NameOf(hFound)) << row.name;
    }
}

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

    // Selected, its own colour does not replace the selection's text colour.
    tree.SelectItem(fixture["Gamma"]);
    tree.SetFocus();
    ASSERT_EQ(tree.m_hWnd, ::GetFocus());
    EXPECT_GT(InkOf(fixture, "Gamma", XTPGetColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_EQ(0, InkOf(fixture, "Gamma", kInk));
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

TEST(TreeView, DropsTheRecordOfADeletedItem)
{
    CXTTreeView* pView = new CXTTreeView;
    ASSERT_TRUE(pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &TestHost(), 1002));
    HTREEITEM hItem = pView->GetTreeCtrl().InsertItem("first");
    pView->SetItemColor(hItem, RGB(1, 2, 3));
    pView->GetTreeCtrl().DeleteItem(hItem);
    EXPECT_EQ(0xFFFFFFFF, pView->GetItemColor(hItem));
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

} // namespace
