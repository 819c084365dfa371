// Many children's bold marks changed at once: each tree of the table ends as
// a twin tree does whose children were changed one by one (bold marks,
// selection, expansion, caret, scroll place, label rectangles and scroll
// bars), and the items not named keep their marks.
#include "app/TreeBoldMarks.h"
#include "app/TreeRedrawBatch.h"
#include "tests/support/TestWindow.h"
#include "toolkit/controls/XTTreeCtrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kParent = -1; // the parent item, where a row names an item
const int kNone = -2;   // no caret

struct Row
{
    const char* name;
    std::vector<int> bold;     // children bold to begin with
    std::vector<int> changed;  // children handed to SetChildrenBold
    BOOL bBold;                // the mark they get
    int caret;                 // kParent, kNone or a child
    std::vector<int> selected; // children selected beside the caret
    int firstVisible;          // kParent or the child scrolled to the top
    int horizontal;            // pixels scrolled to the right
    bool expanded;
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

const int kChildren = 60;

bool Contains(const std::vector<int>& list, int i)
{
    return std::find(list.begin(), list.end(), i) != list.end();
}

std::vector<int> All()
{
    std::vector<int> all(kChildren);
    for (int i = 0; i < kChildren; ++i)
        all[i] = i;
    return all;
}

const Row kRows[] = {
    {"every child cleared, the parent the caret", All(), All(), FALSE, kParent, {}, kParent, 0, true},
    {"some children cleared, the rest left bold",
     All(),
     {0, 5, 6, 40, 59},
     FALSE,
     kParent,
     {},
     kParent,
     0,
     true},
    {"scrolled half way down", All(), All(), FALSE, kParent, {}, 30, 0, true},
    {"scrolled to the last page", All(), All(), FALSE, kParent, {}, 59, 0, true},
    {"scrolled to the right", All(), All(), FALSE, kParent, {}, 10, 40, true},
    {"children selected beside the parent's caret", All(), All(), FALSE, kParent, {2, 31, 32}, 20, 0, true},
    {"no caret", All(), All(), FALSE, kNone, {}, 12, 0, true},
    {"the caret on a child", All(), All(), FALSE, 33, {}, 25, 0, true},
    {"marks set rather than cleared", {1, 2}, {3, 4, 50}, TRUE, kParent, {}, 45, 20, true},
    {"the parent collapsed", All(), All(), FALSE, kParent, {}, kParent, 0, false},
    {"no child named", All(), {}, FALSE, kParent, {}, 30, 0, true},
};

// Everything the user can tell about a tree.
struct TreeState
{
    std::vector<UINT> states; // bold, selected and expanded, item by item
    std::vector<CRect> labels;
    int caret = kNone;
    int firstVisible = kNone;
    int horizontal = 0, vertical = 0;
    DWORD scrollStyle = 0;
    std::vector<int> ranges; // both bars: min, max, page

    bool operator==(const TreeState& o) const
    {
        return states == o.states && labels == o.labels && caret == o.caret && firstVisible == o.firstVisible
               && horizontal == o.horizontal && vertical == o.vertical && scrollStyle == o.scrollStyle
               && ranges == o.ranges;
    }
};

std::ostream& operator<<(std::ostream& out, const TreeState& s)
{
    out << "caret " << s.caret << ", first visible " << s.firstVisible << ", scrolled " << s.horizontal << "/"
        << s.vertical << ", bars " << s.scrollStyle << ", bold:";
    for (size_t i = 0; i < s.states.size(); ++i)
        out << ((s.states[i] & TVIS_BOLD) ? " B" : " -") << ((s.states[i] & TVIS_SELECTED) ? "s" : "")
            << ((s.states[i] & TVIS_EXPANDED) ? "e" : "");
    out << ", ranges:";
    for (int n : s.ranges)
        out << " " << n;
    out << ", labels:";
    for (const CRect& r : s.labels)
        out << " " << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
    return out;
}

// A tree like the keyword tree: a parent with long-named children (wider
// than the tree, so it scrolls both ways) and a top-level item after it.
class TwinTree
{
public:
    TwinTree(CWnd& host, int left, UINT nId, const Row& row)
    {
        EXPECT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                                CRect(left, 0, left + 160, 130), &host, nId));
        {
            TreeRedrawBatch batch(tree);
            parent = tree.InsertItem("Keywords");
            for (int i = 0; i < kChildren; ++i)
                children.push_back(tree.InsertItem(
                    ("keyword " + std::to_string(i) + " about the tides and the coast").c_str(), parent,
                    TVI_LAST));
            tree.InsertItem("Archive");
            for (int i : row.bold)
                tree.CTreeCtrl::SetItemState(children[i], TVIS_BOLD, TVIS_BOLD);
            if (row.expanded)
                tree.Expand(parent, TVE_EXPAND);
        }
        tree.Select(row.caret == kParent ? parent
                    : row.caret == kNone ? NULL
                                         : children[row.caret],
                    TVGN_CARET);
        tree.EnableMultiSelect(TRUE);
        for (int i : row.selected)
            tree.CTreeCtrl::SetItemState(children[i], TVIS_SELECTED, TVIS_SELECTED);
        tree.SelectSetFirstVisible(row.firstVisible == kParent ? parent : children[row.firstVisible]);
        if (row.horizontal != 0)
            tree.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, row.horizontal), 0);
    }

    int IndexOf(HTREEITEM hItem) const
    {
        if (hItem == NULL)
            return kNone;
        if (hItem == parent)
            return kParent;
        return (int)(std::find(children.begin(), children.end(), hItem) - children.begin());
    }

    TreeState State() const
    {
        TreeState s;
        std::vector<HTREEITEM> items(1, parent);
        items.insert(items.end(), children.begin(), children.end());
        for (HTREEITEM hItem : items)
        {
            s.states.push_back(
                tree.CTreeCtrl::GetItemState(hItem, TVIS_BOLD | TVIS_SELECTED | TVIS_EXPANDED));
            CRect label(0, 0, 0, 0);
            if (!tree.GetItemRect(hItem, &label, TRUE))
                label.SetRectEmpty();
            s.labels.push_back(label);
        }
        s.caret = IndexOf(tree.GetSelectedItem());
        s.firstVisible = IndexOf(tree.GetFirstVisibleItem());
        s.horizontal = tree.GetScrollPos(SB_HORZ);
        s.vertical = tree.GetScrollPos(SB_VERT);
        s.scrollStyle = tree.GetStyle() & (WS_HSCROLL | WS_VSCROLL);
        for (int nBar : {SB_HORZ, SB_VERT})
        {
            SCROLLINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = SIF_RANGE | SIF_PAGE;
            if (!::GetScrollInfo(tree.m_hWnd, nBar, &info))
                info.nMin = info.nMax = info.nPage = 0;
            s.ranges.insert(s.ranges.end(), {info.nMin, info.nMax, (int)info.nPage});
        }
        return s;
    }

    std::vector<HTREEITEM> Items(const std::vector<int>& indexes) const
    {
        std::vector<HTREEITEM> items;
        for (int i : indexes)
            items.push_back(children[i]);
        return items;
    }

    CXTTreeCtrl tree;
    HTREEITEM parent = NULL;
    std::vector<HTREEITEM> children;
};

class TreeBoldMarksTest : public ::testing::TestWithParam<Row>
{};

TEST_P(TreeBoldMarksTest, EndsAsTheTreeChangedOneChildAtATime)
{
    const Row& row = GetParam();
    CTestWindow host;
    TwinTree atOnce(host, 0, 1, row), oneByOne(host, 200, 2, row);
    ASSERT_EQ(atOnce.State(), oneByOne.State());

    SetChildrenBold(atOnce.tree, atOnce.parent, atOnce.Items(row.changed), row.bBold);
    {
        TreeRedrawBatch batch(oneByOne.tree);
        for (HTREEITEM hChild : oneByOne.Items(row.changed))
            oneByOne.tree.CTreeCtrl::SetItemState(hChild, row.bBold ? TVIS_BOLD : 0, TVIS_BOLD);
    }

    const TreeState after = atOnce.State();
    EXPECT_EQ(after, oneByOne.State());
    // The named children have the mark, the others the one they had.
    for (int i = 0; i < kChildren; ++i)
    {
        const bool bold = Contains(row.changed, i) ? row.bBold != FALSE : Contains(row.bold, i);
        EXPECT_EQ(bold, (after.states[i + 1] & TVIS_BOLD) != 0) << "child " << i;
    }
    // The tree draws again with everything to paint.
    EXPECT_TRUE(atOnce.tree.IsWindowVisible());
    CRect pending, client;
    atOnce.tree.GetUpdateRect(&pending, FALSE);
    atOnce.tree.GetClientRect(&client);
    EXPECT_EQ(client, pending);
}

INSTANTIATE_TEST_SUITE_P(Trees, TreeBoldMarksTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c != 0; ++c)
                                 if (isalnum((unsigned char)*c))
                                     name += *c;
                             return name;
                         });

} // namespace
