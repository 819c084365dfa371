// The main frame's own behaviour: its size from the options and back, the
// keyword commands it passes to the tree, the status bar's side of the
// checks (WM_CHECK_PROGRESS and timers 1 and 2), the maker's web pages, the preview pane's row, the
// keyword-language combo and the commands that do nothing.
#include "MainFrameFixture.h"
#include "tests/support/DialogDriver.h"
#include "app/AppMessages.h"
#include "resources/Resource.h"
#include "tests/support/TestWindow.h"
#include "tests/support/WindowStacking.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"

#include <gtest/gtest.h>

namespace {

// The status text and the progress bar's position as "text @ position".
std::string Status(CMainFrame* frame)
{
    CString text;
    frame->GetStatusBar().FindControl(0x8001)->pWnd->GetWindowText(text);
    const LRESULT pos = frame->GetStatusBar().FindControl(0x8000)->pWnd->SendMessage(PBM_GETPOS, 0, 0);
    return std::string(text) + " @ " + std::to_string(pos);
}

CXTPToolBar* StandardBar(CMainFrame* frame)
{
    return frame->GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD);
}

TEST_F(MainFrameTest, SizesComeFromTheOptionsAndTheScreen)
{
    CRect workArea;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_EQ(CSize(workArea.Width(), 550), RectInParent(frame).Size());
    EXPECT_EQ(200, RectInParent(frame->GetTreeView()).Width());
}

TEST_F(MainFrameTest, SizesAreSavedAsThePanesStand)
{
    frame->SetWindowPos(NULL, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
    // A maximised window stores the size it comes back to.
    for (int show : {SW_SHOWNORMAL, SW_MAXIMIZE})
    {
        frame->ShowWindow(show);
        ASSERT_TRUE(frame->SaveOptions());
        std::vector<DWORD> saved;
        for (LPCSTR name : {"FrameWidth", "FrameHeight", "TreeWidth", "AutoCheckOnStart"})
            saved.push_back(GetOption(name));
        EXPECT_EQ(std::vector<DWORD>({900, 600, 200, 0}), saved) << show;
    }
}

// Closing and starting again leaves the panes as they stood: each saved size
// is the pane's window size, and the next frame gives the pane that size.
TEST_F(MainFrameTest, SavedPaneSizesComeBackAtTheNextStart)
{
    const LPCSTR names[] = {"TreeWidth", "LookHeight"};
    std::vector<std::vector<DWORD>> starts;
    for (int start = 0; start < 3; ++start)
    {
        ASSERT_TRUE(frame->SaveOptions());
        std::vector<DWORD> saved;
        for (LPCSTR name : names)
            saved.push_back(GetOption(name));
        saved.push_back(RectInParent(frame->GetNewsList()).Height());
        starts.push_back(saved);
        DestroyFrame();
        CreateFrame();
    }
    EXPECT_EQ(starts[0], starts[1]);
    EXPECT_EQ(starts[0], starts[2]);
    EXPECT_EQ(starts[0][1], starts[0][2]) << "the saved height is the list's own";
}

// Right after creation, before any other layout, the bars and panes tile
// the hidden frame's client area: at the first start and at the next, which
// loads the bars' stored state.
TEST_F(MainFrameTest, BarsAndPanesTileTheClientAreaOnceCreated)
{
    DestroyFrame();
    PrepareOptions();
    for (const char* pszStart : {"first start", "next start"})
    {
        frame = new CMainFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL));
        CRect client;
        frame->GetClientRect(&client);
        CXTPCommandBars* pBars = frame->GetCommandBars();
        const CRect dock = RectInParent(pBars->GetDockBar(0));
        const CRect menu = RectInParent(pBars->GetMenuBar());
        const CRect tools = RectInParent(StandardBar(frame));
        const CRect panes = RectInParent(&frame->GetKeywordSplitter());
        const CRect status = RectInParent(&frame->GetStatusBar());
        const struct
        {
            const char* pszWhat;
            int nActual;
            int nExpected;
        } edges[] = {
            {"the menu bar opens the top dock", menu.top, 0},
            {"the toolbar under the menu bar", tools.top, menu.bottom},
            {"the toolbar closes the top dock", dock.top + tools.bottom, dock.bottom},
            {"the panes under the top dock", panes.top, dock.bottom},
            {"the panes down to the status bar", panes.bottom, status.top},
            {"the status bar at the bottom", status.bottom, client.bottom},
            {"the panes as wide as the frame", panes.Width(), client.Width()},
            {"the tree as wide as its option", RectInParent(frame->GetTreeView()).Width(), 200},
        };
        for (const auto& edge : edges)
            EXPECT_EQ(edge.nExpected, edge.nActual) << edge.pszWhat << ", " << pszStart;
        EXPECT_GT(menu.Height(), 0) << pszStart;
        EXPECT_GT(tools.Height(), 0) << pszStart;
        DestroyFrame();
    }
}

// The keyword commands that the frame passes to the tree: with the news list
// as the active view they stay enabled and still reach the tree's dialogs,
// and Check All still runs a pass.
TEST_F(MainFrameTest, KeywordCommandsServeWhileTheNewsListIsActive)
{
    frame->SetActiveView(frame->GetNewsList());
    CXTPToolBar* pToolBar = StandardBar(frame);
    ASSERT_TRUE(pToolBar != NULL);
    pToolBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    for (UINT id : {ID_ADD_KEYWORD, ID_REMOVE_ALL})
        EXPECT_TRUE(pToolBar->GetControls()->FindControlById(id)->GetEnabled()) << id;

    CDialogDriver driver([](HWND hWnd) {
        ::SetDlgItemTextA(hWnd, IDC_ADD_KEYWORD, "sea level");
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
    });
    frame->SendMessage(WM_COMMAND, ID_ADD_KEYWORD, 0);
    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("Add Keyword", driver.seen[0].caption);
    EXPECT_EQ(0, frame->GetTreeView()->GetKeywords().keywordCount) << "a cancelled dialog adds nothing";
    frame->SendMessage(WM_COMMAND, ID_CHECK_ALL, 0);
    EXPECT_EQ(100, frame->GetTreeView()->GetPercent()); // the empty store's pass ended at once
}

// The status bar holds the text pane, then the progress pane.
TEST_F(MainFrameTest, TheStatusBarHoldsTheTextPaneThenTheProgressPane)
{
    CXTPStatusBar& bar = frame->GetStatusBar();
    EXPECT_EQ(3, bar.GetCount());
    EXPECT_EQ(1, bar.CommandToIndex(0x8001));
    EXPECT_EQ(2, bar.CommandToIndex(0x8000));
}

// A pass animates the text on timer 1, a single check also moves the bar on timer 2;
// both end at rest, and neither touches the busy flag the tree view holds.
TEST_F(MainFrameTest, ChecksAnimateTheStatusBarWithoutTouchingTheBusyFlag)
{
    EXPECT_EQ(Status(frame), " Idle @ 0");
    const struct
    {
        WPARAM kind;
        UINT timer;
        std::vector<std::string> shown;
    } rows[] = {
        {1, 2, {" Check @ 10", " Check News @ 20", " Check News... @ 30"}},
        {2, 1, {" Check @ 0", " Check All @ 0", " Check All... @ 0", " Check @ 0"}},
    };
    for (const auto& row : rows)
    {
        g_bUpdatingNews = TRUE;
        frame->SendMessage(WM_CHECK_PROGRESS, 0, row.kind);
        std::vector<std::string> shown;
        for (size_t tick = 0; tick < row.shown.size(); ++tick)
        {
            frame->SendMessage(WM_TIMER, row.timer, 0);
            shown.push_back(Status(frame));
        }
        EXPECT_EQ(row.shown, shown);
        frame->SendMessage(WM_CHECK_PROGRESS, 100, row.kind);
        EXPECT_EQ(Status(frame), " Idle @ 0");
        EXPECT_FALSE(::KillTimer(frame->m_hWnd, row.timer)) << "the animation's timer is gone";
        EXPECT_TRUE(g_bUpdatingNews);
        g_bUpdatingNews = FALSE;
        frame->SendMessage(WM_CHECK_PROGRESS, 0, row.kind);
        frame->SendMessage(WM_CHECK_PROGRESS, 100, row.kind);
        EXPECT_FALSE(g_bUpdatingNews);
    }
}

TEST_F(MainFrameTest, WebCommandsOpenTheMakersPages)
{
    SetTextOption("WebSite", "http://127.0.0.1:8123");
    for (UINT nCommand : {ID_WEB_SUPPORT, ID_WEB_FAQ, ID_WEB_FORUM, ID_WEB_HOME})
        frame->SendMessage(WM_COMMAND, nCommand, 0);
    EXPECT_EQ(std::vector<std::string>({"http://127.0.0.1:8123/support.php?product=Tidewatch",
                                        "http://127.0.0.1:8123/FAQ.php?product=Tidewatch",
                                        "http://127.0.0.1:8123/forum/", "http://127.0.0.1:8123"}),
              opened);
}

TEST_F(MainFrameTest, PreviewCommandHidesAndShowsTheRow)
{
    CWnd* pPreview = frame->GetNewsSplitter().GetPane(1, 0);
    ASSERT_TRUE(pPreview != NULL);
    ASSERT_TRUE(pPreview->IsWindowVisible());
    for (bool shown : {false, true})
    {
        frame->SendMessage(WM_COMMAND, ID_PREVIEW_PANE, 0);
        EXPECT_EQ(shown, frame->IsPreviewShown() != FALSE);
        EXPECT_EQ(shown ? -1 : 1, frame->GetNewsSplitter().GetHiddenRow());
        EXPECT_EQ(shown, pPreview->IsWindowVisible() != FALSE);
        EXPECT_EQ(shown ? 1 : 0, CheckOf(frame, ID_PREVIEW_PANE));
    }
}

// View > Status Bar: enabled, checked while the bar shows, the panes taking
// its place; the choice is saved on closing and kept at the next start.
TEST_F(MainFrameTest, StatusBarCommandTogglesTheBarAndTheNextStartKeepsIt)
{
    // "shown, checked 1, panes end at the bar" or "hidden, checked 0, panes
    // end at the bottom".
    auto look = [this]() {
        CRect client;
        frame->GetClientRect(&client);
        const int panesBottom = RectInParent(&frame->GetKeywordSplitter()).bottom;
        const char* panes = panesBottom == RectInParent(&frame->GetStatusBar()).top ? "the bar"
                            : panesBottom == client.bottom                         ? "the bottom"
                                                                                   : "elsewhere";
        return std::string(frame->IsStatusBarShown() ? "shown" : "hidden") + ", checked "
               + std::to_string(CheckOf(frame, ID_VIEW_STATUS_BAR)) + ", panes end at " + panes;
    };
    for (bool shown : {false, true})
    {
        const std::string expected = shown ? "shown, checked 1, panes end at the bar"
                                           : "hidden, checked 0, panes end at the bottom";
        EXPECT_EQ(1, EnableOf(frame, ID_VIEW_STATUS_BAR));
        frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
        EXPECT_EQ(expected, look()) << "toggled";
        frame->SendMessage(WM_CLOSE, 0, 0);
        frame = NULL; // the window destroyed itself
        CreateFrame();
        EXPECT_EQ(expected, look()) << "started again";
    }
}

TEST_F(MainFrameTest, LanguageComboSelectsTheKeywordOfItsEntry)
{
    CXTTreeCtrl& tree = frame->GetTreeView()->GetTree();
    HTREEITEM hRoot = frame->GetTreeView()->GetRootItem();
    HTREEITEM hEnglish = tree.InsertItem("english", hRoot);
    tree.InsertItem("French", hRoot);
    CXTPControl* pControl = StandardBar(frame)->GetControls()->FindControlById(ID_TOOLBAR_COMBO);
    ASSERT_TRUE(pControl != NULL && pControl->GetType() == xtpControlComboBox);
    ControlExecuteNotify notify = {{NULL, ID_TOOLBAR_COMBO, XTP_CN_EXECUTE}, pControl};
    // Without a selection in the combo the tree stays as it is.
    for (int nSel : {0, -1})
    {
        tree.SelectItem(hRoot);
        ((CXTPControlComboBox*)pControl)->SetCurSel(nSel);
        EXPECT_EQ(1, frame->SendMessage(WM_XTP_CONTROL_EXECUTE, ID_TOOLBAR_COMBO, (LPARAM)&notify));
        EXPECT_EQ(nSel == 0 ? hEnglish : hRoot, tree.GetSelectedItem());
    }
}

// The resources' commands without a purpose here are enabled and do nothing.
TEST_F(MainFrameTest, UnusedCommandsAreHandledQuietly)
{
    for (UINT nID : {ID_LANGUAGE_OPTIONS, ID_UNUSED_FIRST, 32786, ID_UNUSED_LAST})
    {
        CTestCmdUI state;
        state.m_nID = nID;
        state.m_bEnabled = FALSE;
        state.DoUpdate(frame, TRUE); // disabled unless a handler takes the command
        EXPECT_TRUE(state.m_bEnabled) << nID;
        EXPECT_TRUE(frame->OnCmdMsg(nID, CN_COMMAND, NULL, NULL)) << nID;
    }
}

// Shift+F6 (the previous-pane command of the shortcuts) and the next-pane
// command move the focus among the keyword tree, the news list and the
// preview pane, wrapping at either end.
TEST_F(MainFrameTest, PaneCommandsMoveTheFocusAmongTheViews)
{
    CWnd* panes[] = {frame->GetTreeView(), frame->GetNewsList(), frame->GetNewsSplitter().GetPane(1, 0)};
    auto paneOfFocus = [&]() {
        const HWND hFocus = ::GetFocus();
        for (int i = 0; i < 3; i++)
            if (hFocus == panes[i]->m_hWnd || ::IsChild(panes[i]->m_hWnd, hFocus))
                return i;
        return -1;
    };
    panes[0]->SetFocus();
    std::vector<int> order;
    for (UINT nID : {ID_PREV_PANE, ID_PREV_PANE, ID_NEXT_PANE, ID_NEXT_PANE, ID_NEXT_PANE})
    {
        frame->SendMessage(WM_COMMAND, nID, 0);
        order.push_back(paneOfFocus());
    }
    EXPECT_EQ(std::vector<int>({2, 1, 2, 0, 1}), order);
    EXPECT_EQ(1, EnableOf(frame, ID_PREV_PANE));
}

// A tool bar left floating over the window comes back at its place in front
// of the window, start after start through the program's own saving (on
// closing) and loading; the window, not the bar, is the active one.
TEST_F(MainFrameBarStateTest, AFloatingToolBarStandsInFrontOfTheWindowStartAfterStart)
{
    CXTPToolBar* pBar = StandardBar(frame);
    ASSERT_TRUE(frame->GetCommandBars()->FloatCommandBar(pBar));
    CRect rcFrame;
    frame->GetWindowRect(&rcFrame);
    pBar->PlaceFloating(rcFrame.TopLeft() + CSize(100, 150));
    CRect rcPlaced;
    pBar->GetWindowRect(&rcPlaced);
    for (int nStart = 1; nStart <= 3; nStart++)
    {
        frame->SendMessage(WM_CLOSE, 0, 0);
        frame = NULL; // the window destroyed itself
        CreateFrame();
        SettleDisplay();
        pBar = StandardBar(frame);
        ASSERT_EQ(xtpBarFloating, pBar->GetPosition()) << "start " << nStart;
        CRect rcBar;
        pBar->GetWindowRect(&rcBar);
        EXPECT_EQ(rcPlaced, rcBar) << "start " << nStart;
        EXPECT_TRUE(IsInFront(pBar->m_hWnd, frame->m_hWnd)) << "start " << nStart;
        EXPECT_EQ(pBar->m_hWnd, TopLevelAt(rcPlaced.CenterPoint())) << "start " << nStart;
        EXPECT_EQ(frame->m_hWnd, ::GetActiveWindow()) << "start " << nStart;
    }
}

} // namespace
