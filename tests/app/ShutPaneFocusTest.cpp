// Keys and keyword commands never act on a pane the user cannot see. When
// the keyword tree is dragged shut (0 pixels wide) or its column is hidden,
// or the program starts with it shut, the news list becomes the active view and
// has the focus, also after a dialog gives the focus back to the frame; Down,
// Down and Ctrl+R, typed then, move nothing in the tree and remove no
// keyword. Shown again, the tree does not take the focus unasked. A tree
// dragged narrower stays the pane the keys and commands go to. The news pane
// dragged to a sliver at the window's right edge is passed over the same
// way. A drag of a bar leaves the panes as they paint themselves afresh.
// Drags and keys are real input.
// The server's Winsock declarations come before <windows.h>.
#include "tests/support/NewsServer.h"

#include "MainFrameFixture.h"
#include "ViewsFixture.h"
#include "framework/window/ShownPanes.h"
#include "resources/Resource.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/PixelCanvas.h"
#include "tests/support/RealInput.h"

#include <functional>

namespace {

typedef std::vector<std::string> Names;

// The main frame as the program starts it, over two keywords, in front: the
// document template's initial update makes the keyword tree the active view
// and gives it the focus unless it is shut. It is the application's main
// window, so that its dialogs are its own.
class ShutPaneFocusTest : public MainFrameTest
{
protected:
    void SetUp() override { PrepareOptions(); }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        MainFrameTest::TearDown();
    }

    // A new frame (in place of the last one) with the tree this wide, over
    // these keywords.
    void Start(int nTreeWidth, const std::vector<StoredKeyword>& store = {{"beta", {}}, {"gamma", {}}})
    {
        AfxGetApp()->m_pMainWnd = NULL;
        DestroyFrame();
        SetOption("TreeWidth", nTreeWidth);
        ViewsTest::WriteStore(folder.File("conf.xml"), store);
        SetTextOption("SearchHost", RefusingHostText().c_str());
        CreateFrame();
        AfxGetApp()->m_pMainWnd = frame;
        frame->InitialUpdateFrame(NULL, TRUE);
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; }));
    }

    CItemTreeView* TreeView() { return frame->GetTreeView(); }
    int TreeWidth()
    {
        CRect rect;
        TreeView()->GetWindowRect(&rect);
        return rect.Width();
    }
    // The middle of the bar right of the keyword tree, on the screen.
    CPoint BarCenter()
    {
        CRect rect;
        TreeView()->GetWindowRect(&rect);
        return CPoint(rect.right + 2, rect.CenterPoint().y);
    }
    // A real drag of that bar to the screen's x; waits until the tree's width
    // is the expected one.
    void DragBarTo(int x, std::function<bool(int)> widthIsExpected)
    {
        DragScreen(BarCenter(), CPoint(x, BarCenter().y));
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetCapture() == NULL && widthIsExpected(TreeWidth()); }))
            << "the tree is " << TreeWidth() << " wide";
    }
    // A real drag of the bar below the news list by cy pixels; waits until
    // the list's height is the expected one.
    void DragListBarBy(int cy, std::function<bool(int)> heightIsExpected)
    {
        CRect list;
        frame->GetNewsList()->GetWindowRect(&list);
        const CPoint bar(list.CenterPoint().x, list.bottom + 2);
        DragScreen(bar, bar + CSize(0, cy));
        ASSERT_TRUE(PumpPendingUntil([&] {
            frame->GetNewsList()->GetWindowRect(&list);
            return ::GetCapture() == NULL && heightIsExpected(list.Height());
        })) << "the list is "
            << list.Height() << " high";
    }
    int FrameLeft()
    {
        CRect rect;
        frame->GetWindowRect(&rect);
        return rect.left;
    }
    int FrameRight()
    {
        CRect rect;
        frame->GetWindowRect(&rect);
        return rect.right;
    }
    // A real click on the first keyword in the tree.
    void ClickFirstKeyword()
    {
        CXTTreeCtrl& tree = TreeView()->GetTree();
        ClickScreen(ScreenCenterOf(tree.m_hWnd, tree.GetChildItem(TreeView()->GetRootItem())));
    }
    // The bar dragged as far right as it goes, the news pane beyond it a
    // sliver.
    void DragNewsPaneShut()
    {
        const int nFar = FrameRight() - FrameLeft() - 40;
        DragBarTo(FrameRight(), [&](int cx) { return cx > nFar; });
    }

    // Which pane holds the focus, and which is the frame's active view.
    std::string Where()
    {
        auto nameOf = [&](HWND hWnd) -> std::string {
            if (hWnd == NULL)
                return "nothing";
            if (hWnd == TreeView()->m_hWnd || ::IsChild(TreeView()->m_hWnd, hWnd))
                return "keyword tree";
            if (hWnd == frame->GetNewsList()->m_hWnd || ::IsChild(frame->GetNewsList()->m_hWnd, hWnd))
                return "news list";
            const HWND hPreview = frame->GetNewsSplitter().GetPane(1, 0)->m_hWnd;
            if (hWnd == hPreview || ::IsChild(hPreview, hWnd))
                return "preview";
            return "window id " + std::to_string(::GetDlgCtrlID(hWnd));
        };
        CView* pActive = frame->GetActiveView();
        return "focus " + nameOf(::GetFocus()) + ", active "
               + nameOf(pActive != NULL ? pActive->m_hWnd : NULL);
    }

    // The About dialog opened and closed: the frame, active again, gives the
    // focus to its active view.
    void OpenAndCloseADialog()
    {
        CDialogDriver driver;
        frame->SendMessage(WM_COMMAND, ID_APP_ABOUT);
        ASSERT_EQ(1u, driver.seen.size());
        ASSERT_TRUE(PumpPendingUntil([&] { return ::IsChild(frame->m_hWnd, ::GetFocus()); }))
            << "the focus is on window id " << ::GetDlgCtrlID(::GetFocus());
    }

    Names Keywords()
    {
        CXTTreeCtrl& tree = TreeView()->GetTree();
        Names names;
        for (HTREEITEM hItem = tree.GetChildItem(TreeView()->GetRootItem()); hItem != NULL;
             hItem = tree.GetNextItem(hItem, TVGN_NEXT))
            names.push_back((LPCTSTR)tree.GetItemText(hItem));
        return names;
    }
};

} // namespace

TEST_F(ShutPaneFocusTest, KeysAndCommandsGoToAShownPane)
{
    const std::string kNewsList = "focus news list, active news list";
    const std::string kTree = "focus keyword tree, active keyword tree";
    const struct
    {
        const char* name;
        int nTreeWidth;
        std::function<void()> shut;
        std::string where;
        // Down Down Ctrl+R in the tree moves from the root item to the second
        // keyword and removes it.
        Names remaining;
        std::function<void()> showAgain;
    } rows[] = {
        {"dragged shut",
         200,
         [&] { DragBarTo(FrameLeft(), [](int cx) { return cx == 0; }); },
         kNewsList,
         {"beta", "gamma"},
         [&] { DragBarTo(FrameLeft() + 150, [](int cx) { return cx > 100; }); }},
        // The caption's command hides the column (CXTSplitterWnd::HideColumn).
        {"column hidden",
         200,
         [&] {
             TreeView()->SendMessage(WM_COMMAND, CItemTreeView::IDC_CAPTION);
             ASSERT_FALSE(TreeView()->IsWindowVisible());
         },
         kNewsList,
         {"beta", "gamma"},
         [&] { frame->GetKeywordSplitter().ShowColumn(); }},
        {"shut at the start",
         0,
         [] {},
         kNewsList,
         {"beta", "gamma"},
         [&] { DragBarTo(FrameLeft() + 150, [](int cx) { return cx > 100; }); }},
        {"dragged narrower",
         200,
         [&] { DragBarTo(BarCenter().x - 100, [](int cx) { return cx > 0 && cx < 150; }); },
         kTree,
         {"beta"},
         nullptr},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Start(row.nTreeWidth);
        row.shut();
        EXPECT_EQ(row.where, Where()) << "at once";
        OpenAndCloseADialog();
        EXPECT_EQ(row.where, Where()) << "after the dialog";

        EXPECT_TRUE(PressKeysAndWait({VK_DOWN})) << "the keys never came";
        EXPECT_TRUE(PressKeysAndWait({VK_DOWN})) << "the keys never came";
        EXPECT_TRUE(PressKeysAndWait({VK_CONTROL, 'R'})) << "the keys never came";
        EXPECT_EQ(row.remaining, Keywords());

        if (row.showAgain)
        {
            row.showAgain();
            EXPECT_TRUE(IsShownInTopLevel(TreeView()->GetTree().m_hWnd));
            EXPECT_EQ(row.where, Where()) << "shown again";
        }
    }
}

namespace {

// The window as drawn, children included: read from its window DC, which
// shows what the window holds now, whether or not the screen has caught up.
void CopyPicture(HWND hWnd, PixelCanvas& picture)
{
    HDC hDC = ::GetWindowDC(hWnd);
    ::BitBlt(picture.dc().m_hDC, 0, 0, picture.width(), picture.height(), hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hDC);
}

// Where two pictures of one size differ: "none", or the rectangle around
// the pixels that do.
std::string Differences(const PixelCanvas& a, const PixelCanvas& b)
{
    CRect bounds(0, 0, 0, 0);
    for (int y = 0; y < a.height(); y++)
        for (int x = 0; x < a.width(); x++)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                bounds |= CRect(x, y, x + 1, y + 1);
    if (bounds.IsRectEmpty())
        return "none";
    char text[64];
    sprintf(text, "(%d, %d) to (%d, %d)", (int)bounds.left, (int)bounds.top, (int)bounds.right,
            (int)bounds.bottom);
    return text;
}

} // namespace

// A drag of the bar leaves the panes as they would paint themselves afresh:
// the picture of the panes once the drag is over and every paint done equals
// the one they paint when all of it is redrawn.
TEST_F(ShutPaneFocusTest, ADragLeavesNoTrace)
{
    const struct
    {
        const char* name;
        std::function<void()> drag;
    } rows[] = {
        {"shut and open again",
         [&] {
             DragBarTo(FrameLeft(), [](int cx) { return cx == 0; });
             DragBarTo(FrameLeft() + 150, [](int cx) { return cx > 100; });
         }},
        {"wider", [&] { DragBarTo(BarCenter().x + 120, [](int cx) { return cx > 250; }); }},
        {"narrower", [&] { DragBarTo(BarCenter().x - 120, [](int cx) { return cx > 0 && cx < 150; }); }},
        // The preview grows into the room the list leaves, then the list
        // into the preview's.
        {"the list's bottom bar up and down",
         [&] {
             DragListBarBy(-100, [](int cy) { return cy < 150; });
             DragListBarBy(150, [](int cy) { return cy > 200; });
         }},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Start(200);
        row.drag();
        CWnd& panes = frame->GetKeywordSplitter();
        CRect rect;
        panes.GetWindowRect(&rect);
        panes.RedrawWindow(NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PixelCanvas afterDrag(rect.Width(), rect.Height());
        CopyPicture(panes.m_hWnd, afterDrag);

        panes.RedrawWindow(NULL, NULL,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PixelCanvas fresh(rect.Width(), rect.Height());
        CopyPicture(panes.m_hWnd, fresh);
        EXPECT_EQ("none", Differences(afterDrag, fresh)) << "left by the drag";
    }
}

// The news pane dragged to a sliver at the window's right edge is out of
// sight: the pane keys and commands pass over it and Goto Url (Ctrl+G)
// opens none of its stories; the focus given to the news pane's own
// splitter window, which takes no keys, goes on to a view. Shown again, the
// news pane is reached again. The tree shows the first keyword's stories in
// the list and has the focus.
TEST_F(ShutPaneFocusTest, PaneKeysPassOverANewsPaneOutOfSight)
{
    const std::string kTree = "focus keyword tree, active keyword tree";
    const std::string kNewsList = "focus news list, active news list";
    const std::string kPreview = "focus preview, active preview";
    const struct
    {
        const char* name;
        std::function<void()> act;
        std::string whereShut;
        std::string whereShown;
    } rows[] = {
        // From the tree back to the last pane, wrapping.
        {"Shift+F6",
         [] {
             EXPECT_TRUE(PressKeysAndWait({VK_SHIFT, VK_F6})) << "the keys never came";
         },
         kTree, kPreview},
        // The program binds no key to it.
        {"the next-pane command", [&] { frame->SendMessage(WM_COMMAND, ID_NEXT_PANE); }, kTree, kNewsList},
        {"the focus given to the news pane's splitter window", [&] { frame->GetNewsSplitter().SetFocus(); },
         kTree, kNewsList},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Start(200, {{"beta", {"first story", "second story"}}, {"gamma", {}}});
        ClickFirstKeyword();
        ASSERT_TRUE(
            PumpPendingUntil([&] { return frame->GetNewsList()->GetListCtrl().GetItemCount() == 2; }));
        ASSERT_EQ(kTree, Where());

        DragNewsPaneShut();
        EXPECT_FALSE(IsShownInTopLevel(frame->GetNewsList()->m_hWnd));
        row.act();
        EXPECT_EQ(row.whereShut, Where()) << "out of sight";
        EXPECT_TRUE(PressKeysAndWait({VK_CONTROL, 'G'})) << "the keys never came";
        EXPECT_EQ(std::vector<std::string>(), opened) << "out of sight";
        opened.clear();

        DragBarTo(FrameLeft() + 200, [](int cx) { return cx < 300; });
        ClickFirstKeyword();
        ASSERT_TRUE(PumpPendingUntil([&] { return Where() == kTree; })) << Where();
        row.act();
        EXPECT_EQ(row.whereShown, Where()) << "shown again";
        EXPECT_TRUE(PressKeysAndWait({VK_CONTROL, 'G'})) << "the keys never came";
        const std::vector<std::string> story = {"http://news.example/beta/0"};
        EXPECT_EQ(row.whereShown == kNewsList ? story : std::vector<std::string>(), opened) << "shown again";
        opened.clear();
    }
}
