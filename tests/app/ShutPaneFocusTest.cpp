// Keys and keyword commands never act on a pane the user cannot see. When
// the keyword tree is dragged shut (0 pixels wide) or its column is hidden,
// or the program starts with it shut, the news list becomes the active view and
// has the focus, also after a dialog gives the focus back to the frame; Down,
// Down and Ctrl+R, typed then, move nothing in the tree and remove no
// keyword. Shown again, the tree does not take the focus unasked. A tree
// dragged narrower stays the pane the keys and commands go to. Drags and
// keys are real input.
// The server's Winsock declarations come before <windows.h>.
#include "tests/support/NewsServer.h"

#include "MainFrameFixture.h"
#include "ViewsFixture.h"
#include "framework/window/ShownPanes.h"
#include "resources/Resource.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/RealInput.h"

#include <functional>

namespace {

typedef std::vector<std::string> Names;

// The key whose release PressKeysAndWait waits for, and whether the thread
// has taken it.
WORD g_vkAwaited = 0;
bool g_bAwaitedTaken = false;

LRESULT CALLBACK WatchKeyRelease(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = (const MSG*)lParam;
    if (nCode == HC_ACTION && wParam == PM_REMOVE
        && (pMsg->message == WM_KEYUP || pMsg->message == WM_SYSKEYUP) && pMsg->wParam == g_vkAwaited)
        g_bAwaitedTaken = true;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Presses the keys, then pumps until the thread has taken the release of
// the first one, the last released: what the keys do is done by then.
void PressKeysAndWait(std::initializer_list<WORD> keys)
{
    g_vkAwaited = *keys.begin();
    g_bAwaitedTaken = false;
    const HHOOK hHook = ::SetWindowsHookExA(WH_GETMESSAGE, WatchKeyRelease, NULL, ::GetCurrentThreadId());
    PressKeys(keys);
    EXPECT_TRUE(PumpPendingUntil([] { return g_bAwaitedTaken; })) << "the keys never came";
    ::UnhookWindowsHookEx(hHook);
}

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

    // A new frame (in place of the last one) with the tree this wide.
    void Start(int nTreeWidth)
    {
        AfxGetApp()->m_pMainWnd = NULL;
        DestroyFrame();
        SetOption("TreeWidth", nTreeWidth);
        ViewsTest::WriteStore(folder.File("conf.xml"), {{"beta", {}}, {"gamma", {}}});
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
    int FrameLeft()
    {
        CRect rect;
        frame->GetWindowRect(&rect);
        return rect.left;
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

        PressKeysAndWait({VK_DOWN});
        PressKeysAndWait({VK_DOWN});
        PressKeysAndWait({VK_CONTROL, 'R'});
        EXPECT_EQ(row.remaining, Keywords());

        if (row.showAgain)
        {
            row.showAgain();
            EXPECT_TRUE(IsShownInTopLevel(TreeView()->GetTree().m_hWnd));
            EXPECT_EQ(row.where, Where()) << "shown again";
        }
    }
}
