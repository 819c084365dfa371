// The main frame's news notification and notification-area icon: news posted
// to the frame, the icon's events sent through the icon window as the shell
// sends them, over a recorded shell and a store of the frame's own.
#include "app/MainFrame.h"
#include "DialogDriver.h"
#include "engine/ProgramFolder.h"
#include "resources/Resource.h"
#include "ShellNotifyRecorder.h"
#include "ViewsFixture.h"
#include "toolkit/commandbars/XTPKeyboardManager.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the actions posted to it as a modal loop dispatches them.
class CActionWindow : public CWnd
{
public:
    CActionWindow() { CreateEx(0, AfxRegisterWndClass(0), NULL, WS_POPUP, CRect(0, 0, 1, 1), NULL, 0); }
    ~CActionWindow() override { DestroyWindow(); }
    void Post(std::function<void()> action)
    {
        m_actions.push_back(action);
        PostMessage(WM_APP, m_actions.size() - 1, 0);
    }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message != WM_APP)
            return CWnd::OnWndMsg(message, wParam, lParam, pResult);
        m_actions[wParam]();
        *pResult = 0;
        return TRUE;
    }

private:
    std::vector<std::function<void()>> m_actions;
};

class TrayFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
        SetProgramFolder(folder.Path().c_str());
        HKEY hKey;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, NULL, 0, KEY_ALL_ACCESS,
                                                   NULL, &hKey, NULL));
        const DWORD off = 0;
        ::RegSetValueExA(hKey, "AutoCheckOnStart", 0, REG_DWORD, (const BYTE*)&off, sizeof off);
        ::RegCloseKey(hKey);
    }
    void TearDown() override
    {
        if (frame != NULL)
            frame->DestroyWindow();
        PumpPending();
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsKey);
        SetProgramFolder("");
    }

    // Makes the frame over this store; every unread item then comes as news
    // not yet alerted, its link a text that is no web link (opening it says
    // "Invalid Url" and starts no browser).
    void Open(const std::vector<StoredKeyword>& store)
    {
        ViewsTest::WriteStore(folder.File("conf.xml"), store);
        frame = new CMainFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL));
        frame->ShowWindow(SW_SHOW);
        PumpPending();
        for (Keyword* keyword = Keywords().GetFirst(); keyword != NULL; keyword = Keywords().GetNext(keyword))
        {
            for (NewsItem* item = keyword->firstItem; item != NULL; item = item->next)
            {
                item->link = "item " + item->title;
                item->unalerted = item->unread;
                keyword->unalertedCount += item->unread;
            }
        }
        shell.Clear();
    }
    KeywordGroup& Keywords() { return frame->GetTreeView()->GetKeywords(); }
    NewsItem* Item(const char* keyword, const char* title)
    {
        for (NewsItem* item = Keywords().Find(keyword)->firstItem; item != NULL; item = item->next)
        {
            if (item->title == title)
                return item;
        }
        return NULL;
    }
    bool Bold(Keyword* keyword)
    {
        HTREEITEM hItem = keyword != NULL ? keyword->treeItem : frame->GetTreeView()->GetRootItem();
        return frame->GetTreeView()->GetTree().GetItemBold(hItem) != FALSE;
    }
    // An event of the icon, as the shell sends it to the icon window.
    void TrayEvent(UINT nEvent) { frame->GetTrayIcon().SendMessage(WM_TRAY_NOTIFY, IDR_TRAY_MENU, nEvent); }
    void News() { frame->SendMessage(WM_NEWS_ARRIVED, 0, 0); }
    std::vector<std::string> BalloonTitles()
    {
        std::vector<std::string> titles;
        for (const ShownBalloon& balloon : shell.Balloons())
            titles.push_back(balloon.title);
        return titles;
    }
    // 1 enabled, 0 disabled, -1 left alone by the frame's update handler.
    int UpdateState(UINT nID)
    {
        CTestCmdUI state;
        state.m_nID = nID;
        state.DoUpdate(frame, FALSE);
        if (!state.m_bEnableChanged)
            return -1;
        return state.m_bEnabled ? 1 : 0;
    }

    ShellNotifyRecorder shell;
    TempFolder folder;
    CMainFrame* frame = NULL;
};

TEST_F(TrayFrameTest, NewsShowsABalloonPerItemAdvancedByTheIconsEvents)
{
    Open({{"tide", {"*high water", "*low water"}}, {"moon", {"new moon", "*full moon"}}});
    EXPECT_EQ(0, UpdateState(ID_CEASE_BALLOONS));
    EXPECT_EQ(0, UpdateState(ID_CEASE_ANIMATION));

    News();
    EXPECT_TRUE(frame->GetNotifier().IsAnimating());
    EXPECT_EQ(1, UpdateState(ID_CEASE_BALLOONS));
    EXPECT_EQ(1, UpdateState(ID_CEASE_ANIMATION));
    ASSERT_EQ(1u, shell.Balloons().size());
    EXPECT_EQ("tide: summary of high water", shell.Balloons()[0].text);
    EXPECT_EQ(10000u, shell.Balloons()[0].timeout) << "AlertTime's default";

    TrayEvent(NIN_BALLOONSHOW);
    EXPECT_EQ(1u, shell.Balloons().size());
    TrayEvent(NIN_BALLOONTIMEOUT);
    TrayEvent(NIN_BALLOONHIDE);
    EXPECT_EQ(std::vector<std::string>({"high water", "low water", "full moon"}), BalloonTitles());

    TrayEvent(NIN_BALLOONTIMEOUT);
    EXPECT_EQ(3u, shell.Balloons().size());
    EXPECT_EQ(0, UpdateState(ID_CEASE_BALLOONS)) << "the sequence ended";
    EXPECT_EQ(1, UpdateState(ID_CEASE_ANIMATION)) << "three items are still unread";
}

TEST_F(TrayFrameTest, WithoutBalloonEventsTheIconsOwnTimeOutAdvancesTheSequence)
{
    Open({{"tide", {"*high water", "*low water"}}});
    News();
    // A shell that never reports balloon events: the icon window's fallback
    // timer fires after the balloon's time.
    frame->GetTrayIcon().SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0);
    EXPECT_EQ(std::vector<std::string>({"high water", "low water"}), BalloonTitles());
    frame->GetTrayIcon().SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0);
    EXPECT_FALSE(frame->GetNotifier().IsSequenceRunning());
}

TEST_F(TrayFrameTest, CeaseBalloonsLetsNoFurtherBalloonFollow)
{
    Open({{"tide", {"*high water", "*low water"}}});
    News();
    frame->SendMessage(WM_COMMAND, ID_CEASE_BALLOONS, 0);
    TrayEvent(NIN_BALLOONTIMEOUT);
    EXPECT_EQ(std::vector<std::string>({"high water"}), BalloonTitles());
    EXPECT_EQ(0, UpdateState(ID_CEASE_BALLOONS));
    EXPECT_TRUE(frame->GetNotifier().IsAnimating());
}

TEST_F(TrayFrameTest, CeaseAnimationAndAllReadStopTheAnimation)
{
    Open({{"tide", {"*high water"}}});
    News();
    frame->SendMessage(WM_COMMAND, ID_CEASE_ANIMATION, 0);
    EXPECT_FALSE(frame->GetNotifier().IsAnimating());
    EXPECT_EQ(0, UpdateState(ID_CEASE_ANIMATION));

    News();
    ASSERT_TRUE(frame->GetNotifier().IsAnimating());
    frame->PostMessage(WM_ALL_READ, 0, 0);
    PumpPending();
    EXPECT_TRUE(frame->GetNotifier().IsAnimating()) << "the item is still unread";

    // Mark as Read on the root reads everything and posts WM_ALL_READ.
    CItemTreeView* tree = frame->GetTreeView();
    tree->GetTree().SelectItem(tree->GetRootItem());
    tree->SendMessage(WM_COMMAND, ID_MARK_READ, 0);
    PumpPending();
    EXPECT_FALSE(frame->GetNotifier().IsAnimating());
}

TEST_F(TrayFrameTest, ABalloonClickOpensTheLinkAndMarksTheItemRead)
{
    Open({{"tide", {"*high water", "low water"}}, {"moon", {"*full moon"}}});
    Keyword* tide = Keywords().Find("tide");
    News();
    ASSERT_TRUE(Bold(tide));

    CDialogDriver driver;
    TrayEvent(NIN_BALLOONUSERCLICK);

    ASSERT_EQ(1u, driver.seen.size()) << "the link was opened";
    EXPECT_EQ("Invalid Url", driver.seen[0].text);
    EXPECT_FALSE(Item("tide", "high water")->unread);
    EXPECT_EQ(0, tide->unreadCount);
    EXPECT_EQ(1, Keywords().totalUnread);
    EXPECT_FALSE(Bold(tide));
    EXPECT_TRUE(Bold(NULL)) << "an item is still unread";
    EXPECT_EQ(std::vector<std::string>({"high water", "full moon"}), BalloonTitles()) << "the next balloon";

    TrayEvent(NIN_BALLOONUSERCLICK);
    EXPECT_EQ(0, Keywords().totalUnread);
    EXPECT_FALSE(Bold(NULL));
    EXPECT_FALSE(frame->GetNotifier().IsAnimating()) << "the last unread item was read";
    EXPECT_FALSE(frame->GetNotifier().IsSequenceRunning());
}

TEST_F(TrayFrameTest, AnItemGoneBeforeTheClickIsNotTouched)
{
    Open({{"tide", {"*high water"}}});
    Keyword* tide = Keywords().Find("tide");
    News();
    // A check replaces the list with other news while the balloon shows.
    NewsItem* fresh = new NewsItem("ebb", "item ebb", "now", "", tide, TRUE);
    fresh->next = fresh->prev = NULL;
    tide->SetItems(fresh, fresh);

    CDialogDriver driver;
    TrayEvent(NIN_BALLOONUSERCLICK);

    EXPECT_EQ(1u, driver.seen.size()) << "the balloon's link is a copy";
    EXPECT_TRUE(fresh->unread);
    EXPECT_EQ(1, tide->unreadCount);
    EXPECT_EQ(1, Keywords().totalUnread);
    EXPECT_TRUE(Bold(tide));
    EXPECT_TRUE(frame->GetNotifier().IsAnimating());
}

TEST_F(TrayFrameTest, MinimiseHidesIntoTheTrayAndALeftClickShowsTheWindowAgain)
{
    Open({});
    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(frame->IsWindowVisible());
    EXPECT_TRUE(frame->IsMinimisedToTray());

    TrayEvent(WM_LBUTTONDOWN);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_FALSE(frame->IsIconic());
    EXPECT_FALSE(frame->IsMinimisedToTray());
}

TEST_F(TrayFrameTest, WithoutTheIconInTheTrayMinimiseIsTheUsualOne)
{
    Open({});
    // The icon went and the shell refuses to take it back.
    CXTTrayIcon& icon = frame->GetTrayIcon();
    icon.RemoveIcon();
    shell.Refuse(1);
    ASSERT_FALSE(icon.AddIcon());

    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(frame->IsWindowVisible()) << "a hidden window could not come back";
    EXPECT_TRUE(frame->IsIconic());
    EXPECT_FALSE(frame->IsMinimisedToTray());
}

TEST_F(TrayFrameTest, RightClickShowsTheIconMenuWhoseCommandsReachTheFrame)
{
    Open({{"tide", {"*high water"}}});
    News();
    CActionWindow actions;
    // The popup's first enabled item is "Cease Animation"; the balloons'
    // item is enabled too while the sequence runs.
    actions.Post([]() {
        XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_DOWN, 0);
        XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_RETURN, 0);
    });
    TrayEvent(WM_RBUTTONUP);
    EXPECT_FALSE(frame->GetNotifier().IsAnimating());
    EXPECT_TRUE(frame->GetNotifier().AreBalloonsOn());
}

} // namespace
