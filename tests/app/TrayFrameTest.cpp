// The main frame's news notification and notification-area icon: news posted
// to the frame, the icon's events sent through the icon window as the shell
// sends them, over a recorded shell and a store of the frame's own; a shell
// that keeps the icon's calls waiting holds none of the window's work. The
// window's floating tool bars go into the notification area with it.
// The news server's Winsock declarations come before <windows.h>.
#include "tests/support/NewsServer.h"
#include "tests/support/ResultPageBuilder.h"

#include "MainFrameFixture.h"
#include "app/NotifyIconQueue.h"
#include "tests/support/DialogDriver.h"
#include "resources/Resource.h"
#include "ViewsFixture.h"
#include "tests/support/WindowStacking.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace {

class TrayFrameTest : public MainFrameTest
{
protected:
    void SetUp() override { PrepareOptions(); }

    // Makes the frame over this store. Every unread item then is news not
    // yet alerted, as a check leaves it, and its link a text that is no web
    // link: opening it says "Invalid Url" and starts no browser.
    void Open(const std::vector<StoredKeyword>& store)
    {
        ViewsTest::WriteStore(folder.File("conf.xml"), store);
        CreateFrame();
        PumpPending();
        shell.Settle(); // the icon is in the notification area
        for (Keyword* keyword = Keywords().GetFirst(); keyword != NULL; keyword = Keywords().GetNext(keyword))
        {
            for (NewsItem* item = keyword->firstItem; item != NULL; item = item->next)
            {
                item->link = "item " + item->title;
                item->unalerted = item->unread;
                keyword->unalertedCount += item->unread;
            }
        }
        shell.balloons.clear();
        shell.sounds.clear();
    }
    // Three unread items, the first with a title and a summary too long for
    // a balloon.
    void OpenWithALongFirstItem()
    {
        Open({{"ten chars!", {"*high water", "*low water"}}, {"moon", {"new moon", "*full moon"}}});
        NewsItem* first = Keywords().GetFirst()->firstItem;
        first->title = CString('h', 64);
        first->summary = CString('s', 246);
    }
    KeywordGroup& Keywords() { return frame->GetTreeView()->GetKeywords(); }
    // The tree's bold marks ('*') and the keywords' unread counts, then the
    // total: "*root: tide 0, *moon 1 | 1 unread".
    std::string Marks()
    {
        CXTTreeCtrl& tree = frame->GetTreeView()->GetTree();
        std::string text = tree.GetItemBold(frame->GetTreeView()->GetRootItem()) ? "*root:" : "root:";
        for (Keyword* keyword = Keywords().GetFirst(); keyword != NULL; keyword = Keywords().GetNext(keyword))
            text += std::string(keyword == Keywords().GetFirst() ? " " : ", ")
                    + (tree.GetItemBold(keyword->treeItem) ? "*" : "") + (LPCTSTR)keyword->name + " "
                    + std::to_string(keyword->unreadCount);
        return text + " | " + std::to_string(Keywords().totalUnread) + " unread";
    }
    // An event of the icon, as the shell sends it to the icon window; the
    // calls to the shell that follow are made and answered before it returns.
    void TrayEvent(UINT nEvent)
    {
        frame->GetTrayIcon().SendMessage(WM_TRAY_NOTIFY, IDR_TRAY_MENU, nEvent);
        shell.Settle();
    }
    void News()
    {
        frame->SendMessage(WM_NEWS_ARRIVED, 0, 0);
        shell.Settle();
    }
    bool Animating() { return frame->GetNotifier().IsAnimating() != FALSE; }
    std::string Shown()
    {
        return std::string(frame->IsMinimisedToTray() ? "in tray, " : "")
               + (frame->IsIconic() ? "iconic, " : "") + (frame->IsWindowVisible() ? "visible" : "hidden");
    }
    std::vector<std::string> BalloonTitles()
    {
        std::vector<std::string> titles;
        for (const ShownBalloon& balloon : shell.balloons)
            titles.push_back(balloon.title);
        return titles;
    }
};

TEST_F(TrayFrameTest, NewsAnimatesSoundsAndEnablesTheCeaseCommands)
{
    OpenWithALongFirstItem();
    EXPECT_EQ(0, EnableOf(frame, ID_CEASE_BALLOONS));
    EXPECT_EQ(0, EnableOf(frame, ID_CEASE_ANIMATION));

    News();
    EXPECT_TRUE(Animating());
    EXPECT_EQ(std::vector<std::string>({"sound/alarm.wav no module 0x20001"}), shell.sounds);
    EXPECT_EQ(1, EnableOf(frame, ID_CEASE_BALLOONS));
    EXPECT_EQ(1, EnableOf(frame, ID_CEASE_ANIMATION));
}

// AlertTime's default: 10 s.
TEST_F(TrayFrameTest, TheFirstBalloonShowsTheCutTitleAndTextForTheAlertTime)
{
    OpenWithALongFirstItem();
    News();
    ASSERT_EQ(1u, shell.balloons.size());
    const ShownBalloon& balloon = shell.balloons[0];
    EXPECT_EQ(std::make_tuple(std::string(60, 'h') + "...", "ten chars!: " + std::string(240, 's') + "...",
                              (DWORD)NIIF_INFO, 10000u),
              std::make_tuple(balloon.title, balloon.text, balloon.infoFlags, balloon.timeout));
}

TEST_F(TrayFrameTest, TheIconsEventsShowABalloonPerUnreadItemOnceThenEndTheSequence)
{
    OpenWithALongFirstItem();
    News();
    TrayEvent(NIN_BALLOONSHOW);
    EXPECT_EQ(1u, shell.balloons.size());
    TrayEvent(NIN_BALLOONTIMEOUT);
    TrayEvent(NIN_BALLOONHIDE);
    EXPECT_EQ(std::vector<std::string>({std::string(60, 'h') + "...", "low water", "full moon"}),
              BalloonTitles());
    EXPECT_EQ("moon: summary of full moon", shell.balloons[2].text);

    // A shell that never reports balloon events (wine's): the icon window's
    // fallback timer fires after the balloon's time.
    frame->GetTrayIcon().SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0);
    shell.Settle();
    EXPECT_EQ(3u, shell.balloons.size()) << "each item once";
    EXPECT_EQ(0, EnableOf(frame, ID_CEASE_BALLOONS)) << "the sequence ended";
    EXPECT_EQ(1, EnableOf(frame, ID_CEASE_ANIMATION)) << "three items are still unread";
    EXPECT_EQ(1u, shell.sounds.size());
}

TEST_F(TrayFrameTest, CeasedBalloonsEndTheSequenceAndTheNextNewsStartsAnother)
{
    Open({{"tide", {"*high water", "*low water", "*slack water"}}});
    News();
    frame->SendMessage(WM_COMMAND, ID_CEASE_BALLOONS, 0);
    EXPECT_EQ(1, EnableOf(frame, ID_CEASE_BALLOONS)) << "the balloon on screen stays";
    TrayEvent(NIN_BALLOONTIMEOUT);
    EXPECT_EQ(std::vector<std::string>({"high water"}), BalloonTitles());
    EXPECT_EQ(0, EnableOf(frame, ID_CEASE_BALLOONS));

    News();
    EXPECT_EQ(2u, shell.sounds.size());
    EXPECT_EQ(std::vector<std::string>({"high water", "low water"}), BalloonTitles());
}

TEST_F(TrayFrameTest, ARefusedBalloonEndsTheSequenceUntilTheNextNews)
{
    Open({{"tide", {"*high water", "*low water"}}});
    shell.Refuse(1);
    News();
    EXPECT_FALSE(frame->GetNotifier().IsSequenceRunning()) << "no balloon event would ever come";
    News();
    EXPECT_EQ(std::vector<std::string>({"high water", "low water"}), BalloonTitles());
    EXPECT_TRUE(frame->GetNotifier().IsSequenceRunning());
}

// The shell answers the first balloon only after the fallback time-out has
// moved the sequence on to the second: its refusal is no longer the
// sequence's concern, and the second balloon's time-out still runs.
TEST_F(TrayFrameTest, ALateRefusalOfABalloonTheSequenceLeftBehindEndsNothing)
{
    Open({{"tide", {"*high water", "*low water", "*slack water"}}});
    shell.Block(30000);
    shell.Refuse(1);
    frame->SendMessage(WM_NEWS_ARRIVED, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return shell.Blocked() == 1; })) << "the first balloon waits in the shell";
    CQueuedTrayIcon& icon = frame->GetTrayIcon();
    icon.SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0);
    shell.Unblock();
    shell.Settle();

    EXPECT_EQ(std::vector<std::string>({"high water", "low water"}), BalloonTitles());
    EXPECT_TRUE(frame->GetNotifier().IsSequenceRunning());
    EXPECT_TRUE(::KillTimer(icon.m_hWnd, CXTTrayIcon::BalloonFallbackTimerId)) << "the second balloon's time-out";
    icon.SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0);
    shell.Settle();
    EXPECT_EQ(std::vector<std::string>({"high water", "low water", "slack water"}), BalloonTitles());
}

// A time-out tick already on its way when the refusal came (killing a timer
// leaves its queued tick) shows no balloon: the sequence has ended.
TEST_F(TrayFrameTest, ATimeOutTickAfterARefusedBalloonShowsNoOther)
{
    Open({{"tide", {"*high water", "*low water"}}});
    shell.Refuse(1);
    News();
    frame->GetTrayIcon().SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0);
    shell.Settle();
    EXPECT_EQ(std::vector<std::string>({"high water"}), BalloonTitles());
    EXPECT_FALSE(frame->GetNotifier().IsSequenceRunning());
}

// Without the sound option the news stays silent.
TEST_F(TrayFrameTest, NewsIsSilentWithoutTheSoundOption)
{
    SetOption("PlaySoundOnNews", 0);
    Open({{"tide", {"*high water", "*low water"}}});
    News();
    EXPECT_TRUE(shell.sounds.empty());
}

TEST_F(TrayFrameTest, NewsDuringASequenceOnlyAnimatesUntilCeasedOrAllIsRead)
{
    Open({{"tide", {"*high water"}}, {"moon", {"*full moon"}}});
    News();
    frame->SendMessage(WM_COMMAND, ID_CEASE_ANIMATION, 0);
    EXPECT_FALSE(Animating());
    EXPECT_EQ(0, EnableOf(frame, ID_CEASE_ANIMATION));

    News();
    EXPECT_TRUE(Animating());
    EXPECT_EQ(1u, shell.sounds.size()) << "no sound while the sequence runs";
    EXPECT_EQ(std::vector<std::string>({"high water"}), BalloonTitles()) << "no balloon on top of the first";
    frame->SendMessage(WM_ALL_READ, 0, 0);
    EXPECT_TRUE(Animating()) << "the items are still unread";
    // Mark as Read on the root reads everything and posts WM_ALL_READ.
    CItemTreeView* tree = frame->GetTreeView();
    tree->GetTree().SelectItem(tree->GetRootItem());
    tree->SendMessage(WM_COMMAND, ID_MARK_READ, 0);
    PumpPending();
    EXPECT_FALSE(Animating());
}

TEST_F(TrayFrameTest, ABalloonClickOpensTheLinkAndMarksTheItemRead)
{
    Open({{"tide", {"*high water", "low water"}}, {"moon", {"*full moon"}}});
    Keyword* tide = Keywords().Find("tide");
    News();
    CDialogDriver driver;
    TrayEvent(NIN_BALLOONUSERCLICK);

    ASSERT_EQ(1u, driver.seen.size()) << "the link was opened";
    EXPECT_EQ("Invalid Url", driver.seen[0].text);
    EXPECT_FALSE(tide->firstItem->unread);
    EXPECT_EQ("*root: tide 0, *moon 1 | 1 unread", Marks());
    EXPECT_EQ(std::vector<std::string>({"high water", "full moon"}), BalloonTitles()) << "the next balloon";

    TrayEvent(NIN_BALLOONUSERCLICK);
    EXPECT_EQ("root: tide 0, moon 0 | 0 unread", Marks());
    EXPECT_FALSE(Animating()) << "the last unread item was read";
    EXPECT_FALSE(frame->GetNotifier().IsSequenceRunning());
}

TEST_F(TrayFrameTest, AClickFindsTheItemAgainInTheCurrentRecords)
{
    // While the balloon shows, a check replaces the keyword's list.
    struct
    {
        const char *name, *title;
        BOOL readAfter;
    } rows[] = {
        {"the same news in a new record", "high water", TRUE},
        {"other news only", "ebb", FALSE},
    };
    for (const auto& row : rows)
    {
        Open({{"tide", {"*high water"}}});
        Keyword* tide = Keywords().Find("tide");
        News();
        NewsItem* fresh = new NewsItem(row.title, CString("item ") + row.title, "now", "", tide, TRUE);
        fresh->next = fresh->prev = NULL;
        tide->SetItems(fresh, fresh);

        CDialogDriver driver;
        TrayEvent(NIN_BALLOONUSERCLICK);
        EXPECT_EQ(1u, driver.seen.size()) << row.name << ": the balloon's link is a copy";
        EXPECT_EQ(!row.readAfter, fresh->unread) << row.name;
        EXPECT_EQ(row.readAfter ? 0 : 1, Keywords().totalUnread) << row.name;
        EXPECT_EQ(!row.readAfter, Animating()) << row.name;
        DestroyFrame();
    }
}

// The balloon's item is found by its keyword, whatever the keyword is called.
TEST_F(TrayFrameTest, AClickFindsItsItemInItsOwnKeywordWhateverItsName)
{
    const struct
    {
        const char* name;
        std::vector<StoredKeyword> store;
        bool renameFirst;
        const char* marksAfterTwoClicks;
    } rows[] = {
        {"renamed while its balloon shows", {{"tide", {"*high water"}}, {"moon", {"*full moon"}}}, true,
         "root: spring tide 0, moon 0 | 0 unread"},
        // An imported file may hold two keywords of one name.
        {"two keywords of one name", {{"tide", {"*high water"}}, {"tide", {"*high water"}}}, false,
         "root: tide 0, tide 0 | 0 unread"},
    };
    for (const auto& row : rows)
    {
        Open(row.store);
        News();
        if (row.renameFirst)
            Keywords().GetFirst()->name = "spring tide";
        CDialogDriver driver; // the links are no web links: "Invalid Url"
        TrayEvent(NIN_BALLOONUSERCLICK);
        TrayEvent(NIN_BALLOONUSERCLICK);
        EXPECT_EQ(row.marksAfterTwoClicks, Marks()) << row.name;
        EXPECT_FALSE(Animating()) << row.name;
        DestroyFrame();
    }
}

TEST_F(TrayFrameTest, MinimiseHidesIntoTheTrayOnlyWhileTheIconIsThere)
{
    for (bool iconThere : {true, false})
    {
        Open({});
        if (!iconThere) // the icon went and the shell refuses to take it back
        {
            frame->GetTrayIcon().RemoveIcon();
            shell.Settle();
            shell.Refuse(1);
            frame->GetTrayIcon().AddIcon();
            shell.Settle();
            ASSERT_TRUE(frame->GetTrayIcon().IsIconRemoved());
        }
        frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        // A hidden window without the icon could not come back.
        EXPECT_EQ(iconThere ? "in tray, hidden" : "iconic, visible", Shown()) << iconThere;
        if (iconThere)
            TrayEvent(WM_LBUTTONDOWN);
        EXPECT_EQ(iconThere ? "visible" : "iconic, visible", Shown()) << iconThere;
        DestroyFrame();
    }
}

// Minimised while the icon's first add is on its way, the window goes into
// the notification area; when the shell refuses the icon, it comes back.
TEST_F(TrayFrameTest, AWindowInTheTrayComesBackWhenTheShellRefusesTheIcon)
{
    CreateFrame();
    shell.Refuse(3); // the add, the delete and the second add
    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ("in tray, hidden", Shown());
    shell.Settle();
    EXPECT_EQ("visible", Shown());
}

// The shell refused the icon's first add, then took the one after it: the
// window stays in the notification area.
TEST_F(TrayFrameTest, AWindowInTheTrayStaysWhenTheShellTakesTheIconsLaterAdd)
{
    CreateFrame();
    shell.Refuse(1); // the first add only
    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    shell.Settle();
    EXPECT_EQ("in tray, hidden", Shown());
    EXPECT_FALSE(frame->GetTrayIcon().IsIconRemoved());
}

// An icon the shell refused is added again when the work area changes (a
// task bar came); one removed before the refusal came stays removed.
TEST_F(TrayFrameTest, ARefusedIconIsAddedAgainWhenTheWorkAreaChanges)
{
    for (bool removedMeanwhile : {false, true})
    {
        Open({});
        CQueuedTrayIcon& icon = frame->GetTrayIcon();
        icon.RemoveIcon();
        shell.Settle();
        shell.Block(30000);
        shell.Refuse(1);
        icon.AddIcon();
        if (removedMeanwhile)
            icon.RemoveIcon();
        shell.Unblock();
        shell.Settle();
        ASSERT_TRUE(icon.IsIconRemoved()) << removedMeanwhile;
        shell.calls.clear();

        icon.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
        shell.Settle();
        EXPECT_EQ(removedMeanwhile ? std::vector<std::string>() : std::vector<std::string>({"add"}), shell.calls)
            << removedMeanwhile;
        EXPECT_EQ(removedMeanwhile, icon.IsIconRemoved() != FALSE) << removedMeanwhile;
        frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_EQ(removedMeanwhile ? "iconic, visible" : "in tray, hidden", Shown()) << removedMeanwhile;
        DestroyFrame();
    }
}

// The icon animates over a shell that takes 600 ms a call when the window
// closes: the icon's delete reaches the shell within the program's end wait.
TEST_F(TrayFrameTest, ClosingWhileTheIconAnimatesOverASlowShellGetsTheDeleteThereInTime)
{
    Open({{"tide", {"*high water"}}});
    News();
    ASSERT_TRUE(Animating());
    shell.calls.clear();
    shell.Block(600); // never released: each call takes 600 ms
    for (int tick = 0; tick < 40; tick++)
        frame->GetTrayIcon().SendMessage(WM_TIMER, 1001, 0); // the animation's timer
    frame->SendMessage(WM_CLOSE, 0, 0);
    frame = NULL; // the window destroyed itself
    EXPECT_TRUE(NotifyIconQueue::WaitBeforeExit());
    shell.Unblock();
    shell.Settle();
    EXPECT_EQ("delete", shell.calls.back());
    // The first tick's tooltip went to the shell at once; the rest waited,
    // each modify replaced by the next of its part.
    EXPECT_EQ(std::vector<std::string>({"modify", "modify", "modify", "delete"}), shell.calls);
}

// Chooses the first enabled item of the popup open at the time.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_DOWN, 0);
    XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(TrayFrameTest, RightClickShowsTheIconMenuWhoseCommandsReachTheFrame)
{
    Open({{"tide", {"*high water"}}});
    News();
    // "Cease Animation" is the first item; the balloons' item follows.
    ::SetTimer(NULL, 0, 0, ChooseFirstItem);
    TrayEvent(WM_RBUTTONUP);
    EXPECT_FALSE(Animating());
    EXPECT_TRUE(frame->GetNotifier().AreBalloonsOn());
}

// Closes the popup open at the time.
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_ESCAPE, 0);
}

// The tool bars go into the notification area with the window and come
// back with it, over a bar state forgotten before and after each case.
class TrayBarsTest : public TrayFrameTest
{
protected:
    void SetUp() override
    {
        MainFrameBarStateTest::ForgetBarState();
        TrayFrameTest::SetUp();
    }
    void TearDown() override
    {
        TrayFrameTest::TearDown();
        MainFrameBarStateTest::ForgetBarState();
    }
    CXTPToolBar* StandardBar() { return frame->GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD); }
    // Floats the bar with its top-left at the offset from the window's.
    CXTPToolBar* FloatAt(CXTPToolBar* pBar, CSize offset)
    {
        EXPECT_TRUE(frame->GetCommandBars()->FloatCommandBar(pBar));
        CRect rcFrame;
        frame->GetWindowRect(&rcFrame);
        pBar->PlaceFloating(rcFrame.TopLeft() + offset);
        return pBar;
    }
    // A real click on the window's minimise button (where the window's own
    // hit test finds it on the caption); answers once the window is in the
    // notification area.
    bool MinimiseByClick()
    {
        CRect rcFrame;
        frame->GetWindowRect(&rcFrame);
        const int y = rcFrame.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2;
        int nRight = -1, nLeft = -1;
        for (int x = rcFrame.right - 1; x > rcFrame.left && nLeft < 0; x--)
        {
            const bool bOnButton = frame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTMINBUTTON;
            if (bOnButton && nRight < 0)
                nRight = x;
            else if (!bOnButton && nRight >= 0)
                nLeft = x + 1;
        }
        EXPECT_GE(nLeft, 0) << "the caption has a minimise button";
        ClickScreen(CPoint((nLeft + nRight) / 2, y));
        return PumpPendingUntil([&] { return frame->IsMinimisedToTray() && !frame->IsWindowVisible(); });
    }
    static CPoint CenterOf(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc.CenterPoint();
    }
};

// Minimised into the notification area, the window takes its floating bars
// along, and brings back those the user keeps shown (a bar the user closed
// stays closed), in their order and in front of it; meanwhile the bars'
// state still has them shown.
TEST_F(TrayBarsTest, FloatingBarsHideIntoTheTrayWithTheWindowAndComeBackWithIt)
{
    const struct
    {
        const char* name;
        bool bSecondBar;
        bool bSecondShown;
    } rows[] = {
        {"the Standard bar", false, false},
        {"a second bar the user closed stays closed", true, false},
        {"two bars come back in their order", true, true},
    };
    for (const auto& row : rows)
    {
        Open({});
        std::vector<CXTPToolBar*> bars = {FloatAt(StandardBar(), CSize(100, 150))};
        if (row.bSecondBar)
        {
            CXTPCommandBars* pBars = frame->GetCommandBars();
            CXTPToolBar* pSecond = pBars->AddCustomBar("Second", pBars->GetFreeBarID());
            const UINT buttons[] = {ID_CHECK_ALL, ID_ADD_KEYWORD};
            pSecond->SetButtons(buttons, 2);
            bars.push_back(FloatAt(pSecond, CSize(120, 160)));
            if (!row.bSecondShown)
                pSecond->SetVisible(FALSE);
        }
        SettleDisplay();
        std::vector<HWND> shown; // front first
        for (CXTPToolBar* pBar : bars)
            if (pBar->IsWindowVisible())
                shown.push_back(pBar->m_hWnd);
        std::sort(shown.begin(), shown.end(), IsInFront);

        ASSERT_TRUE(MinimiseByClick()) << row.name;
        for (CXTPToolBar* pBar : bars)
        {
            EXPECT_FALSE(pBar->IsWindowVisible()) << row.name << ": " << pBar->GetTitle();
            EXPECT_EQ(pBar != bars[0] && !row.bSecondShown, !pBar->IsVisible())
                << row.name << ": the state of " << pBar->GetTitle();
        }

        // The icon's menu, opened and closed meanwhile, activates the
        // hidden window and shows no bar.
        ::SetTimer(NULL, 0, 0, CloseMenu);
        TrayEvent(WM_RBUTTONUP);
        SettleDisplay();
        for (CXTPToolBar* pBar : bars)
            EXPECT_FALSE(pBar->IsWindowVisible())
                << row.name << ", after the icon's menu: " << pBar->GetTitle();

        TrayEvent(WM_LBUTTONDOWN);
        SettleDisplay();
        EXPECT_EQ("visible", Shown()) << row.name;
        for (CXTPToolBar* pBar : bars)
            EXPECT_EQ(pBar->IsVisible(), pBar->IsWindowVisible()) << row.name << ": " << pBar->GetTitle();
        shown.push_back(frame->m_hWnd);
        for (size_t i = 0; i + 1 < shown.size(); i++)
            EXPECT_TRUE(IsInFront(shown[i], shown[i + 1])) << row.name << ": place " << i;
        EXPECT_EQ(shown[0], TopLevelAt(CenterOf(CWnd::FromHandle(shown[0])))) << row.name;
        DestroyFrame();
    }
}

// A window closed while it is in the notification area saves its floating
// bar as shown: start after start, through the program's own saving and
// loading, the bar comes back floating, shown, in front of the window.
TEST_F(TrayBarsTest, ABarClosedWithTheWindowInTheTrayComesBackShownStartAfterStart)
{
    Open({});
    CRect rcPlaced;
    FloatAt(StandardBar(), CSize(100, 150))->GetWindowRect(&rcPlaced);
    for (int nStart = 1; nStart <= 3; nStart++)
    {
        ASSERT_TRUE(MinimiseByClick()) << "start " << nStart;
        frame->SendMessage(WM_CLOSE, 0, 0);
        frame = NULL; // the window destroyed itself
        CreateFrame();
        shell.Settle();
        SettleDisplay();
        CXTPToolBar* pBar = StandardBar();
        ASSERT_EQ(xtpBarFloating, pBar->GetPosition()) << "start " << nStart;
        EXPECT_TRUE(pBar->IsVisible() && pBar->IsWindowVisible()) << "start " << nStart;
        CRect rcBar;
        pBar->GetWindowRect(&rcBar);
        EXPECT_EQ(rcPlaced, rcBar) << "start " << nStart;
        EXPECT_EQ(pBar->m_hWnd, TopLevelAt(rcPlaced.CenterPoint())) << "start " << nStart;
    }
}

// A menu open when the window goes into the notification area (the task bar
// minimises it without a click in it) closes, and stays closed when the
// window comes back.
TEST_F(TrayBarsTest, AMenuOpenWhenTheWindowGoesIntoTheTrayCloses)
{
    Open({});
    CXTPControl* pFile = frame->GetCommandBars()->GetMenuBar()->GetControl(0);
    CRect rcFile = pFile->GetRect();
    frame->GetCommandBars()->GetMenuBar()->ClientToScreen(&rcFile);
    ClickScreen(rcFile.CenterPoint());
    ASSERT_TRUE(PumpPendingUntil(
        [&] { return pFile->GetCommandBar() != NULL && pFile->GetCommandBar()->IsWindowVisible(); }));
    CXTPCommandBar* pPopup = pFile->GetCommandBar();

    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ("in tray, hidden", Shown());
    EXPECT_EQ(0, XTPMouseManager()->GetTrackedCount());
    EXPECT_FALSE(pPopup->IsWindowVisible());
    TrayEvent(WM_LBUTTONDOWN);
    EXPECT_EQ("visible", Shown());
    EXPECT_FALSE(pPopup->IsWindowVisible());
}

// The shell is asked for the icon only once the window has painted (the icon
// timer comes after every paint), as Create and the extra add would ask it.
TEST_F(MainFrameTest, TheIconIsAddedByTheIconTimerNotDuringCreation)
{
    shell.Settle();
    EXPECT_TRUE(shell.calls.empty());
    frame->SendMessage(WM_TIMER, CMainFrame::TIMER_TRAY_ICON, 0);
    shell.Settle();
    EXPECT_EQ(shell.calls, std::vector<std::string>({"add", "delete", "add"}));
    frame->SendMessage(WM_TIMER, CMainFrame::TIMER_TRAY_ICON, 0);
    shell.Settle();
    EXPECT_EQ(shell.calls.size(), 3u) << "once only";
    EXPECT_FALSE(frame->GetTrayIcon().IsIconRemoved());
}

// News or a minimise that come before the icon timer add the icon first.
TEST_F(MainFrameTest, NewsOrAMinimiseBeforeTheIconTimerAddTheIconFirst)
{
    const struct
    {
        const char* name;
        UINT message;
        WPARAM wParam;
    } rows[] = {{"news", WM_NEWS_ARRIVED, 0}, {"minimise", WM_SYSCOMMAND, SC_MINIMIZE}};
    for (const auto& row : rows)
    {
        DestroyFrame();
        CreateFrame();
        shell.Settle();
        shell.calls.clear();
        frame->SendMessage(row.message, row.wParam, 0);
        shell.Settle();
        ASSERT_GE(shell.calls.size(), 3u) << row.name;
        EXPECT_EQ(std::vector<std::string>(shell.calls.begin(), shell.calls.begin() + 3),
                  std::vector<std::string>({"add", "delete", "add"}))
            << row.name;
    }
    EXPECT_TRUE(frame->IsMinimisedToTray());
    EXPECT_FALSE(frame->IsWindowVisible());
}

// Closing: the window goes before the icon, and the bars' state saved on the
// way still has the status bar shown.
TEST_F(MainFrameTest, ClosingHidesTheWindowBeforeTheIconGoes)
{
    frame->SendMessage(WM_TIMER, CMainFrame::TIMER_TRAY_ICON, 0);
    shell.Settle();
    shell.calls.clear();
    shell.watched = frame->m_hWnd;
    frame->SendMessage(WM_CLOSE, 0, 0);
    frame = NULL; // the window destroyed itself
    shell.Settle();
    shell.watched = NULL;
    EXPECT_EQ(shell.calls, std::vector<std::string>({"delete (window hidden)"}));
    EXPECT_EQ(1, (int)AfxGetApp()->GetProfileInt(kCommandBarProfile, "StatusBar", 1));
}

// The start-up pass follows the icon's add, which waits for the first paint.
TEST_F(MainFrameTest, TheStartUpPassComesAfterTheIconsAdd)
{
    DestroyFrame();
    SetOption("AutoCheckOnStart", 1);
    CreateFrame();
    const HWND hTree = frame->GetTreeView()->m_hWnd;
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, hTree, WM_CHECK_ALL, WM_CHECK_ALL, PM_NOREMOVE)) << "before the icon";
    frame->SendMessage(WM_TIMER, CMainFrame::TIMER_TRAY_ICON, 0);
    EXPECT_TRUE(::PeekMessageA(&msg, hTree, WM_CHECK_ALL, WM_CHECK_ALL, PM_NOREMOVE)) << "after the icon";
    shell.Settle();
    EXPECT_EQ(shell.calls, std::vector<std::string>({"add", "delete", "add"}));
}

// A shell that keeps the icon's first call (as one without a notification
// area keeps a delete for seconds) holds none of the window's work: the
// start-up pass merges its news and the window closes meanwhile, and the
// icon's calls are made afterwards in their order.
TEST_F(MainFrameTest, ThePassMergesAndTheWindowClosesWhileTheShellKeepsTheIconsCall)
{
    NewsServer server;
    server.SetPage("tide", ResultPageHtml({NumberedRecord(1)}));
    DestroyFrame();
    ViewsTest::WriteStore(folder.File("conf.xml"), {{"tide", {}}});
    SetOption("AutoCheckOnStart", 1);
    SetOption("ShowSummaryOnStart", 1); // the start-up news stays quiet: no balloon, no animation
    SetTextOption("SearchHost", server.HostText().c_str());
    CreateFrame();
    shell.Block(30000);
    frame->SendMessage(WM_TIMER, CMainFrame::TIMER_TRAY_ICON, 0);
    ASSERT_TRUE(PumpUntil([&] { return shell.Blocked() == 1; })) << "the icon's add waits in the shell";

    CItemTreeView* tree = frame->GetTreeView();
    Keyword* tide = tree->GetKeywords().GetFirst();
    ASSERT_TRUE(PumpUntil([&] { return tide->unreadCount == 1 && !g_bUpdatingNews; })) << "the pass merged";
    EXPECT_TRUE(tree->GetTree().GetItemBold(tide->treeItem));
    EXPECT_EQ(1, shell.Blocked());

    const HWND hFrame = frame->m_hWnd;
    frame->SendMessage(WM_CLOSE, 0, 0);
    frame = NULL; // the window destroyed itself
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(1, shell.Blocked()) << "the window went while the shell kept the call";

    shell.Unblock();
    shell.Settle();
    EXPECT_EQ(shell.calls, std::vector<std::string>({"add", "delete", "add", "delete"}));
}

TEST_F(MainFrameTest, ClosingBeforeTheIconWasAddedAsksTheShellNothing)
{
    frame->SendMessage(WM_CLOSE, 0, 0);
    frame = NULL;
    shell.Settle();
    EXPECT_TRUE(shell.calls.empty());
}

} // namespace
