// The notification-area icon's call queue: the calls are made in order on a
// thread of their own with copies of their icons, their answers come back to
// the record's window, modifies that later ones make needless are dropped,
// and the program's end waits until the shell has the calls but not for a
// shell that keeps one.
#include "app/NotifyIconQueue.h"
#include "tests/support/TestWindow.h"
#include "toolkit/controls/XTTrayIcon.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Stands in for the shell: records each call ("add", "modify", "delete"),
// and in `made` with its flags and the label its tooltip field carries
// ("modify 0x4 tip 2"), whether it came on the test's thread and whether its
// icon was a live icon other than the one handed over; answers the calls in
// `refused` with FALSE; keeps each call until `go` is set, then for
// `slowMs` more (a slow shell); uses `stackBytes` of its stack on each call.
struct FakeShell
{
    std::vector<std::string> calls, made;
    std::vector<DWORD> refused;
    HICON handedOver = NULL;
    bool onTestThread = false, liveCopy = false, stackWhole = true;
    DWORD testThread = ::GetCurrentThreadId();
    HANDLE go = ::CreateEventA(NULL, TRUE, TRUE, NULL);
    volatile LONG waiting = 0, slowMs = 0, stackBytes = 0;
};
FakeShell* g_pShell = nullptr;

const char* MessageName(DWORD dwMessage)
{
    return dwMessage == NIM_ADD ? "add" : dwMessage == NIM_DELETE ? "delete" : "modify";
}

// Fills and reads back nBytes of the calling thread's stack: false when a
// byte did not keep its value.
bool StackHolds(LONG nBytes)
{
    if (nBytes <= 0)
        return true;
    volatile unsigned char block[64 * 1024];
    for (size_t i = 0; i < sizeof block; i++)
        block[i] = (unsigned char)(i * 7 + nBytes);
    bool bWhole = StackHolds(nBytes - (LONG)sizeof block);
    for (size_t i = 0; i < sizeof block; i++)
        bWhole = bWhole && block[i] == (unsigned char)(i * 7 + nBytes);
    return bWhole;
}

BOOL WINAPI Answer(DWORD dwMessage, PNOTIFYICONDATAA pData)
{
    ::InterlockedIncrement(&g_pShell->waiting);
    ::WaitForSingleObject(g_pShell->go, INFINITE);
    g_pShell->calls.push_back(MessageName(dwMessage));
    char made[200];
    snprintf(made, sizeof made, "%s 0x%x %s", MessageName(dwMessage), pData->uFlags, pData->szTip);
    g_pShell->made.push_back(made);
    ::Sleep(g_pShell->slowMs);
    ::InterlockedDecrement(&g_pShell->waiting);
    g_pShell->stackWhole = g_pShell->stackWhole && StackHolds(g_pShell->stackBytes);
    g_pShell->onTestThread = g_pShell->onTestThread || ::GetCurrentThreadId() == g_pShell->testThread;
    ICONINFO info;
    if ((pData->uFlags & NIF_ICON) && pData->hIcon != g_pShell->handedOver && ::GetIconInfo(pData->hIcon, &info))
    {
        g_pShell->liveCopy = true;
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
    }
    for (DWORD refused : g_pShell->refused)
        if (refused == dwMessage)
            return FALSE;
    return TRUE;
}

class NotifyIconQueueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_pShell = &shell;
        XTSetShellNotifyIconForTesting(Answer);
        record.cbSize = XT_NOTIFYICONDATA_SIZE;
        record.hWnd = window.m_hWnd;
    }
    void TearDown() override
    {
        shell.slowMs = 0;
        ::SetEvent(shell.go);
        NotifyIconQueue::WaitUntilIdle(10000);
        XTSetShellNotifyIconForTesting(NULL);
        ::CloseHandle(shell.go);
        g_pShell = nullptr;
    }
    // The answers that came to the window, as "add 0x7 TRUE".
    std::vector<std::string> Answers()
    {
        std::vector<std::string> answers;
        MSG msg;
        while (::PeekMessageA(&msg, window.m_hWnd, WM_NOTIFY_ICON_ANSWER, WM_NOTIFY_ICON_ANSWER, PM_REMOVE))
        {
            const char* names[] = {"add", "modify", "delete"};
            char text[40];
            snprintf(text, sizeof text, "%s 0x%x %s", names[LOWORD(msg.wParam)], HIWORD(msg.wParam),
                     msg.lParam ? "TRUE" : "FALSE");
            answers.push_back(text);
        }
        return answers;
    }

    // Hands over a call of the record with these parts and this label in
    // its tooltip field, for icon nId.
    void Post(DWORD dwMessage, UINT uFlags, const char* label, UINT nId = 1, DWORD dwStateMask = 0)
    {
        record.uFlags = uFlags;
        record.uID = nId;
        record.dwStateMask = dwStateMask;
        lstrcpynA(record.szTip, label, sizeof record.szTip);
        NotifyIconQueue::Post(dwMessage, record);
    }
    // Hands over a call that the shell keeps until `go` is set again, and
    // waits until it is there.
    bool KeepTheShellBusy()
    {
        ::ResetEvent(shell.go);
        Post(NIM_ADD, NIF_TIP, "busy", 99);
        const DWORD nStart = ::GetTickCount();
        while (shell.waiting != 1)
        {
            if (::GetTickCount() - nStart > 10000)
                return false;
            ::Sleep(1);
        }
        return true;
    }

    FakeShell shell;
    CTestWindow window;
    NOTIFYICONDATAA record = {};
};

TEST_F(NotifyIconQueueTest, CallsAreMadeInOrderOffTheCallersThreadAndAnsweredToTheRecordsWindow)
{
    shell.refused = {NIM_MODIFY};
    record.uFlags = NIF_MESSAGE | NIF_TIP;
    NotifyIconQueue::Post(NIM_ADD, record);
    record.uFlags = NIF_INFO;
    NotifyIconQueue::Post(NIM_MODIFY, record);
    record.uFlags = 0;
    NotifyIconQueue::Post(NIM_DELETE, record);
    ASSERT_TRUE(NotifyIconQueue::WaitUntilIdle(10000));

    EXPECT_EQ(std::vector<std::string>({"add", "modify", "delete"}), shell.calls);
    EXPECT_FALSE(shell.onTestThread);
    EXPECT_EQ(std::vector<std::string>({"add 0x5 TRUE", "modify 0x10 FALSE", "delete 0x0 TRUE"}), Answers());
}

TEST_F(NotifyIconQueueTest, ACallHasAnIconOfItsOwnThatOutlivesTheOneHandedOver)
{
    ::ResetEvent(shell.go);
    shell.handedOver = ::CopyIcon(::LoadIconA(NULL, IDI_APPLICATION));
    record.uFlags = NIF_ICON;
    record.hIcon = shell.handedOver;
    NotifyIconQueue::Post(NIM_MODIFY, record);
    ::DestroyIcon(shell.handedOver); // the caller's icon goes before the call is made
    ::SetEvent(shell.go);
    ASSERT_TRUE(NotifyIconQueue::WaitUntilIdle(10000));
    EXPECT_TRUE(shell.liveCopy);
}

// The program's end waits until the shell has every call, but not for the
// answer of a shell that keeps one: the bound is only reached while a call
// has not been made.
TEST_F(NotifyIconQueueTest, TheEndWaitsUntilTheShellHasTheCallsNotForItsAnswer)
{
    ::ResetEvent(shell.go);
    NotifyIconQueue::Post(NIM_DELETE, record);
    EXPECT_TRUE(NotifyIconQueue::WaitBeforeExit(10000, 50)) << "the delete is under way";
    EXPECT_EQ(1, shell.waiting);
    EXPECT_FALSE(NotifyIconQueue::WaitUntilIdle(50));

    NotifyIconQueue::Post(NIM_ADD, record);
    EXPECT_FALSE(NotifyIconQueue::WaitBeforeExit(200, 50)) << "the add waits behind the delete";
    ::SetEvent(shell.go);
    EXPECT_TRUE(NotifyIconQueue::WaitBeforeExit(10000, 50));
}

struct PostedCall
{
    DWORD message;
    UINT flags;
    const char* label;
    UINT id = 1;
    DWORD stateMask = 0;
};

// While the shell is busy, calls come faster than it takes them: a waiting
// modify goes when a later modify of the same icon sets every part it sets,
// back to the icon's last add or delete. The rest is made in its order.
TEST_F(NotifyIconQueueTest, ModifiesThatALaterModifyMakesNeedlessAreDropped)
{
    const UINT kTip = NIF_TIP, kIcon = NIF_ICON, kBalloon = NIF_INFO | NIF_TIP, kState = NIF_STATE;
    const struct
    {
        const char* name;
        std::vector<PostedCall> posted;
        std::vector<std::string> made;
    } rows[] = {
        {"an animation: its last tooltip and icon, in their order",
         {{NIM_MODIFY, kTip, "tip 1"}, {NIM_MODIFY, kIcon, "icon 1"}, {NIM_MODIFY, kTip, "tip 2"},
          {NIM_MODIFY, kIcon, "icon 2"}, {NIM_MODIFY, kTip, "tip 3"}, {NIM_MODIFY, kIcon, "icon 3"}},
         {"modify 0x4 tip 3", "modify 0x2 icon 3"}},
        {"a later modify of fewer parts leaves an earlier one",
         {{NIM_MODIFY, kIcon, "icon"}, {NIM_MODIFY, kIcon | kTip, "both"}, {NIM_MODIFY, kTip, "tip"}},
         {"modify 0x6 both", "modify 0x4 tip"}},
        {"balloons stay, and take the place of the tooltips before them",
         {{NIM_MODIFY, kTip, "tip 1"}, {NIM_MODIFY, kBalloon, "balloon 1"}, {NIM_MODIFY, kTip, "tip 2"},
          {NIM_MODIFY, kBalloon, "balloon 2"}, {NIM_MODIFY, kTip, "tip 3"}},
         {"modify 0x14 balloon 1", "modify 0x14 balloon 2", "modify 0x4 tip 3"}},
        {"adds and deletes stay, and nothing merges across them",
         {{NIM_MODIFY, kTip, "tip 1"}, {NIM_DELETE, 0, "gone"}, {NIM_MODIFY, kTip, "tip 2"},
          {NIM_ADD, kTip | kIcon, "back"}, {NIM_MODIFY, kTip, "tip 3"}},
         {"modify 0x4 tip 1", "delete 0x0 gone", "modify 0x4 tip 2", "add 0x6 back", "modify 0x4 tip 3"}},
        {"another icon's modifies stay",
         {{NIM_MODIFY, kTip, "one: tip 1", 1}, {NIM_MODIFY, kTip, "two: tip 1", 2},
          {NIM_MODIFY, kTip, "one: tip 2", 1}},
         {"modify 0x4 two: tip 1", "modify 0x4 one: tip 2"}},
        {"a state change goes only for one of the same state bits or more",
         {{NIM_MODIFY, kState, "hidden", 1, NIS_HIDDEN}, {NIM_MODIFY, kState, "shown", 1, NIS_HIDDEN},
          {NIM_MODIFY, kState, "shared", 1, NIS_SHAREDICON}},
         {"modify 0x8 shown", "modify 0x8 shared"}},
    };
    for (const auto& row : rows)
    {
        ASSERT_TRUE(KeepTheShellBusy()) << row.name;
        for (const PostedCall& call : row.posted)
            Post(call.message, call.flags, call.label, call.id, call.stateMask);
        ::SetEvent(shell.go);
        ASSERT_TRUE(NotifyIconQueue::WaitUntilIdle(10000)) << row.name;
        std::vector<std::string> made(shell.made.begin() + 1, shell.made.end());
        EXPECT_EQ(row.made, made) << row.name;
        shell.made.clear();
        Answers();
    }
}

// The icon animates (two modifies every half second) over a shell that
// takes 600 ms a call: the program's last delete still reaches the shell
// within the end's wait.
TEST_F(NotifyIconQueueTest, TheLastDeleteReachesASlowShellWithinTheEndsWaitWhileTheIconAnimates)
{
    shell.slowMs = 600;
    Post(NIM_ADD, NIF_TIP | NIF_ICON, "added");
    for (int tick = 0; tick < 40; tick++) // twenty seconds of animation
    {
        Post(NIM_MODIFY, NIF_TIP, "animated");
        Post(NIM_MODIFY, NIF_ICON, "animated");
    }
    Post(NIM_DELETE, 0, "removed");
    EXPECT_TRUE(NotifyIconQueue::WaitBeforeExit());
    EXPECT_EQ("delete", shell.calls.back());
}

// The queue's thread gives back the stack it does not use when it starts:
// a shell that needs half a megabyte of stack has it whole, call after call.
TEST_F(NotifyIconQueueTest, TheThreadsStackServesAShellThatNeedsMuchOfIt)
{
    shell.stackBytes = 512 * 1024;
    for (int i = 0; i < 3; i++)
        Post(NIM_MODIFY, NIF_TIP, "deep");
    ASSERT_TRUE(NotifyIconQueue::WaitUntilIdle(10000));
    EXPECT_FALSE(shell.calls.empty());
    EXPECT_TRUE(shell.stackWhole);
}

} // namespace
