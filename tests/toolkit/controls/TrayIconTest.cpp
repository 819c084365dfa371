#include "toolkit/controls/XTTrayIcon.h"
#include "toolkit/foundation/XTPToolkitGlobals.h"
#include "TrayIconTestResources.h"
#include "NotifyRecorderWnd.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <tuple>
#include <vector>

namespace {

// What the shell was asked: every call through the seam, in order.
struct ShellCall
{
    DWORD message;
    NOTIFYICONDATAA data;
};
std::vector<ShellCall> g_shellCalls;
// The next calls the shell refuses.
int g_refuseCalls = 0;

BOOL WINAPI RecordShellCall(DWORD dwMessage, PNOTIFYICONDATAA pData)
{
    g_shellCalls.push_back({dwMessage, *pData});
    return g_refuseCalls > 0 ? (g_refuseCalls--, FALSE) : TRUE;
}

class TrayIconTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_shellCalls.clear();
        g_refuseCalls = 0;
        XTSetShellNotifyIconForTesting(RecordShellCall);
        // The icon with the test tooltip; the calls of its creation kept apart.
        ASSERT_TRUE(tray.Create("Tidewatch", &owner, IDI_TRAY_NORMAL, IDR_TRAY_MENU, 0, TRUE));
        created.swap(g_shellCalls);
    }
    void TearDown() override { XTSetShellNotifyIconForTesting(NULL); }

    // Sends the icon's callback message as the shell would.
    LRESULT Callback(LPARAM event, WPARAM id = IDR_TRAY_MENU)
    {
        return tray.SendMessage(WM_TRAY_NOTIFY, id, event);
    }
    const NOTIFYICONDATAA& LastCall() { return g_shellCalls.back().data; }
    // The last call as "<message> <flags>[ <tip>]", the flags as letters: m(essage), i(con), t(ip),
    // s(tate), b(alloon); the tip when it is sent.
    std::string Last()
    {
        const ShellCall& call = g_shellCalls.back();
        const char* messages[] = {"add", "modify", "delete", "focus", "version"};
        std::string text = std::string(messages[call.message]) + " ";
        for (int i = 0; i < 5; i++)
            if (call.data.uFlags & (1 << i))
                text += "mitsb"[i];
        return call.data.uFlags & NIF_TIP ? text + " " + call.data.szTip : text;
    }

    // What the owner was told in order: the events of WM_TRAY_NOTIFY, the ids of WM_COMMAND.
    std::vector<LPARAM> Told(UINT message)
    {
        std::vector<LPARAM> told;
        for (const RecordedMessage& msg : owner.m_messages)
            if (msg.message == message)
                told.push_back(message == WM_COMMAND ? LOWORD(msg.wParam) : msg.lParam);
        return told;
    }

    NotifyRecorderWnd& owner = TestHost();
    CXTTrayIcon tray;
    std::vector<ShellCall> created;
};

} // namespace

TEST_F(TrayIconTest, TextsAreCutToTheirFields)
{
    tray.SetTooltipText(CString('t', 200));
    EXPECT_EQ(CString('t', 126), tray.GetTooltipText());

    ASSERT_TRUE(tray.ShowBalloonTip(CString('b', 300), CString('h', 100), NIIF_INFO, 10));
    const NOTIFYICONDATAA& balloon = LastCall();
    EXPECT_EQ("modify tb " + std::string(126, 't'), Last());
    EXPECT_EQ(std::make_tuple(std::string(255, 'b'), std::string(63, 'h'), 10000u, (DWORD)NIIF_INFO),
              std::make_tuple(std::string(balloon.szInfo), std::string(balloon.szInfoTitle), balloon.uTimeout,
                              balloon.dwInfoFlags));
    // The balloon text is not sent again with later changes.
    EXPECT_STREQ("", tray.GetIconRecord().szInfo);
}

TEST_F(TrayIconTest, AnEmptyBalloonIsRefusedWithoutACall)
{
    EXPECT_FALSE(tray.ShowBalloonTip("") || tray.ShowBalloonTip(NULL));
    EXPECT_TRUE(g_shellCalls.empty());
}

// Without an event from the shell the balloon's time-out is told once, by
// the fallback timer; after a real balloon event the timer tells nothing.
TEST_F(TrayIconTest, BalloonTimeOutIsToldOnceByTheFallbackTimer)
{
    ASSERT_TRUE(tray.ShowBalloonTip("New item", "Keyword", NIIF_INFO, 10));
    tray.SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0);
    tray.SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0);
    ASSERT_TRUE(tray.ShowBalloonTip("New item", "Keyword", NIIF_INFO, 10));
    Callback(NIN_BALLOONSHOW);
    tray.SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0);
    EXPECT_EQ(std::vector<LPARAM>({NIN_BALLOONTIMEOUT, NIN_BALLOONSHOW}), Told(WM_TRAY_NOTIFY));
}

TEST(TrayIconText, CutsOnACharacterBoundary)
{
    struct Row
    {
        const char *name, *text;
        int maxBytes, codePage;
        const char* expected;
    } rows[] = {
        {"short text whole", "abc", 5, 1252, "abc"},
        {"long text cut", "abcdef", 4, 1252, "abcd"},
        {"double-byte character kept whole", "a\x82\xa0\x82\xa0", 3, 932, "a\x82\xa0"},
        {"double-byte character not split", "a\x82\xa0\x82\xa0", 4, 932, "a\x82\xa0"},
        {"lead byte at the end alone", "ab\x82", 3, 932, "ab\x82"},
        {"no text", "", 3, 1252, ""},
    };
    for (const Row& row : rows)
    {
        char buffer[16] = "xxxxxxxxxxxxxxx";
        int copied = XTCopyTextCut(buffer, row.maxBytes, row.text, row.codePage);
        EXPECT_EQ(std::make_pair(std::string(row.expected), (int)strlen(row.expected)),
                  std::make_pair(std::string(buffer), copied))
            << row.name;
    }
}

TEST_F(TrayIconTest, CreateAddsTheIconWithItsTooltip)
{
    g_shellCalls.swap(created);
    ASSERT_EQ(1u, g_shellCalls.size()) << "icon and tooltip wait for the add while the icon is not there";
    EXPECT_EQ("add mit Tidewatch", Last());
    const NOTIFYICONDATAA& added = LastCall();
    EXPECT_EQ(std::make_tuple(488u, tray.m_hWnd, (UINT)IDR_TRAY_MENU, (UINT)WM_TRAY_NOTIFY, true),
              std::make_tuple((UINT)added.cbSize, added.hWnd, added.uID, added.uCallbackMessage,
                              added.hIcon != NULL));
}

TEST_F(TrayIconTest, TooltipChangesAreSentAsModifications)
{
    ASSERT_TRUE(tray.SetTooltipText("Checking"));
    EXPECT_EQ("modify t Checking", Last());
    ASSERT_TRUE(tray.SetTooltipText((UINT)IDS_TRAY_TOOLTIP));
    EXPECT_EQ("modify t Tooltip from a string", Last());
    EXPECT_FALSE(tray.SetTooltipText((UINT)14199)) << "no such string";
}

TEST_F(TrayIconTest, TheIconIsHiddenShownDeletedAndAddedAgainWithWhatChanged)
{
    ASSERT_TRUE(tray.HideIcon());
    EXPECT_EQ("modify s", Last());
    EXPECT_TRUE(tray.IsIconHidden() && (LastCall().dwState & LastCall().dwStateMask) == NIS_HIDDEN);

    // While hidden, changes are kept but not sent.
    size_t calls = g_shellCalls.size();
    HICON hOther = ::LoadIcon(NULL, IDI_APPLICATION);
    EXPECT_TRUE(tray.SetIcon(hOther) && tray.SetTooltipText("While hidden"));
    EXPECT_EQ(calls, g_shellCalls.size());
    EXPECT_STREQ("While hidden", tray.GetTooltipText());

    ASSERT_TRUE(tray.ShowIcon());
    EXPECT_EQ("modify s", Last());
    EXPECT_FALSE(tray.IsIconHidden() || (LastCall().dwState & NIS_HIDDEN));

    ASSERT_TRUE(tray.RemoveIcon());
    EXPECT_EQ("delete ", Last());
    EXPECT_TRUE(tray.IsIconRemoved());
    // A removed icon is shown by adding it again, with what changed while hidden.
    ASSERT_TRUE(tray.ShowIcon());
    EXPECT_EQ("add mit While hidden", Last());
    EXPECT_EQ(hOther, LastCall().hIcon);
}

// A refused change leaves the state as it was.
TEST_F(TrayIconTest, ARefusedRemovalLeavesTheIconThere)
{
    g_refuseCalls = 1;
    EXPECT_FALSE(tray.RemoveIcon());
    EXPECT_FALSE(tray.IsIconRemoved());
}

namespace {

// An icon whose owner makes the shell calls itself: it records them and
// answers as told, and hears of refusals later.
class CRoutedTrayIcon : public CXTTrayIcon
{
public:
    using CXTTrayIcon::StopBalloonFallback;
    using CXTTrayIcon::TakeLateAddRefusal;

    std::vector<DWORD> m_routed;
    BOOL m_bAnswer = TRUE;

protected:
    BOOL CallShell(DWORD dwMessage, PNOTIFYICONDATAA) override
    {
        m_routed.push_back(dwMessage);
        return m_bAnswer;
    }
};

} // namespace

TEST_F(TrayIconTest, AnOverrideOfTheShellCallTakesEveryCallAndItsAnswerSetsTheState)
{
    CRoutedTrayIcon routed;
    ASSERT_TRUE(routed.Create("routed", &owner, IDI_TRAY_NORMAL, IDR_TRAY_MENU, 0, TRUE));
    routed.SetTooltipText("tip");
    routed.m_bAnswer = FALSE;
    EXPECT_FALSE(routed.RemoveIcon());
    EXPECT_FALSE(routed.IsIconRemoved());
    routed.m_bAnswer = TRUE;
    EXPECT_TRUE(routed.RemoveIcon());
    EXPECT_TRUE(routed.IsIconRemoved());
    EXPECT_EQ(std::vector<DWORD>({NIM_ADD, NIM_MODIFY, NIM_DELETE, NIM_DELETE}), routed.m_routed);
    EXPECT_TRUE(g_shellCalls.empty()) << "the shell itself was not asked";
}

// The shell's refusal of an add that counted as made comes later: the icon
// then counts as removed and is added again on a work-area change, unless it
// was removed before the refusal came.
TEST_F(TrayIconTest, ALateRefusalOfTheAddIsTakenUnlessTheIconWasRemovedSince)
{
    for (bool removedSince : {false, true})
    {
        CRoutedTrayIcon routed;
        ASSERT_TRUE(routed.Create("routed", &owner, IDI_TRAY_NORMAL, IDR_TRAY_MENU, 0, TRUE));
        if (removedSince)
            routed.RemoveIcon();
        EXPECT_EQ(!removedSince, routed.TakeLateAddRefusal() != FALSE) << removedSince;
        EXPECT_TRUE(routed.IsIconRemoved()) << removedSince;
        routed.m_routed.clear();
        routed.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
        EXPECT_EQ(removedSince ? std::vector<DWORD>() : std::vector<DWORD>({NIM_ADD}), routed.m_routed)
            << removedSince;
        EXPECT_EQ(removedSince, routed.IsIconRemoved() != FALSE) << removedSince;
    }
}

// A balloon refused late awaits no event: its fallback time-out is off.
TEST_F(TrayIconTest, ABalloonRefusedLateAwaitsNoTimeOut)
{
    CRoutedTrayIcon routed;
    ASSERT_TRUE(routed.Create("routed", &owner, IDI_TRAY_NORMAL, IDR_TRAY_MENU, 0, TRUE));
    ASSERT_TRUE(routed.ShowBalloonTip("New item", "Keyword", NIIF_INFO, 10));
    routed.StopBalloonFallback();
    EXPECT_FALSE(::KillTimer(routed.m_hWnd, CXTTrayIcon::BalloonFallbackTimerId)) << "no timer runs";
    routed.SendMessage(WM_TIMER, CXTTrayIcon::BalloonFallbackTimerId, 0); // a tick already queued
    EXPECT_TRUE(Told(WM_TRAY_NOTIFY).empty());
}

TEST_F(TrayIconTest, AnimationCyclesTheIconsOnItsTimerAndStopRestoresTheIcon)
{
    HICON hNormal = tray.GetIcon();
    UINT ids[] = {IDI_TRAY_FRAME1, IDI_TRAY_FRAME2, IDI_TRAY_FRAME3};
    CString tips[] = {"one", "", "three"};
    ASSERT_TRUE(tray.SetAnimationIcons(ids, 3, tips));
    tray.StartAnimation(500);

    std::vector<HICON> shown;
    std::string tipsShown;
    for (int tick = 0; tick < 4; tick++)
    {
        tray.SendMessage(WM_TIMER, 1001, 0);
        tipsShown += std::string(tray.GetTooltipText()) + "/" + Last() + " ";
        shown.push_back(tray.GetIcon());
    }
    EXPECT_EQ("one/modify i one/modify i three/modify i one/modify i ", tipsShown);
    // Three frames, none the normal icon; the fourth tick shows the first again.
    EXPECT_TRUE(shown[0] != shown[1] && shown[1] != shown[2] && shown[0] == shown[3] && shown[0] != hNormal);

    // Other timers do not advance the animation.
    size_t calls = g_shellCalls.size();
    tray.SendMessage(WM_TIMER, 1002, 0);
    EXPECT_EQ(calls, g_shellCalls.size());

    tray.StopAnimation();
    EXPECT_STREQ("Tidewatch", tray.GetTooltipText());
    HICON hRestored = tray.GetIcon();
    EXPECT_EQ(shown.end(), std::find(shown.begin(), shown.end(), hRestored));
    EXPECT_EQ("modify i", Last());
    EXPECT_EQ(hRestored, LastCall().hIcon);
    tray.SendMessage(WM_TIMER, 1001, 0);
    EXPECT_EQ(hRestored, tray.GetIcon()) << "a tick still queued at the stop changes nothing";
}

// A frame that does not load fails the whole call.
TEST_F(TrayIconTest, AnimationWithAFrameThatDoesNotLoadIsRefused)
{
    UINT missing[] = {IDI_TRAY_FRAME1, 14198};
    EXPECT_FALSE(tray.SetAnimationIcons(missing, 2, NULL));
}

TEST_F(TrayIconTest, EventsGoToTheOwnerFirst)
{
    // Another icon's events and events without an owner are not ours.
    EXPECT_EQ(0, Callback(WM_LBUTTONDBLCLK, 999));
    EXPECT_TRUE(Told(WM_TRAY_NOTIFY).empty());

    owner.m_lAnswer = 1;
    EXPECT_EQ(1, Callback(WM_LBUTTONDBLCLK));
    EXPECT_EQ(1, Callback(WM_RBUTTONUP));
    EXPECT_EQ(std::vector<LPARAM>({WM_LBUTTONDBLCLK, WM_RBUTTONUP}), Told(WM_TRAY_NOTIFY));
    // A handled event gets no default action, nor a menu.
    EXPECT_TRUE(Told(WM_COMMAND).empty() && g_shellCalls.empty());

    owner.m_lAnswer = 0;
    EXPECT_EQ(1, Callback(WM_LBUTTONDBLCLK));
    ASSERT_TRUE(tray.SetDefaultMenuItem(ID_TRAY_CEASE, FALSE));
    Callback(WM_LBUTTONDBLCLK);
    // The item at position 0 first, then the one chosen by id.
    EXPECT_EQ(std::vector<LPARAM>({ID_TRAY_OPEN, ID_TRAY_CEASE}), Told(WM_COMMAND));
}

TEST_F(TrayIconTest, AnUnhandledRightClickShowsTheMenu)
{
    // The menu's own loop takes the keys posted before it starts.
    owner.PostMessage(WM_KEYDOWN, VK_DOWN);
    owner.PostMessage(WM_KEYDOWN, VK_DOWN);
    owner.PostMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(1, Callback(WM_RBUTTONUP));
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, owner.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ((WPARAM)ID_TRAY_CEASE, LOWORD(msg.wParam));
    ASSERT_FALSE(g_shellCalls.empty());
    EXPECT_EQ("focus mit Tidewatch", Last());
    PumpPending();
}

TEST_F(TrayIconTest, TheIconComesBackWhenTheShellRestarts)
{
    tray.SetTooltipText("Current tip");
    tray.SendMessage(WM_TASKBARCREATED, 0, 0);
    EXPECT_EQ("add mit Current tip", Last());
    EXPECT_EQ(tray.GetIcon(), LastCall().hIcon);

    // A removed icon stays away.
    tray.RemoveIcon();
    g_shellCalls.clear();
    tray.SendMessage(WM_TASKBARCREATED, 0, 0);
    EXPECT_TRUE(g_shellCalls.empty());

    // A failed add is tried again, by the restart or a work-area change.
    g_refuseCalls = 1;
    EXPECT_FALSE(tray.AddIcon());
    tray.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_EQ("add mit Current tip", Last());
    EXPECT_FALSE(tray.IsIconRemoved() || tray.IsIconHidden());
}

TEST_F(TrayIconTest, AWindowGoesIntoTheTrayAndComesBack)
{
    CTestWindow window(CSize(120, 80));
    tray.AnimateToTray(&window);
    // Off the taskbar under a hidden window.
    HWND hHiddenParent = ::GetAncestor(window.m_hWnd, GA_PARENT);
    EXPECT_TRUE(!window.IsWindowVisible() && hHiddenParent != ::GetDesktopWindow()
                && !::IsWindowVisible(hHiddenParent));
    tray.RestoreFromTray(&window);
    EXPECT_TRUE(window.IsWindowVisible() && ::GetAncestor(window.m_hWnd, GA_PARENT) == ::GetDesktopWindow());
    // The hidden window is made once and kept for the next time.
    tray.AnimateToTray(&window);
    EXPECT_EQ(hHiddenParent, ::GetAncestor(window.m_hWnd, GA_PARENT));
}
