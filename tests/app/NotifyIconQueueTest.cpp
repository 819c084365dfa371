// The notification-area icon's call queue: the calls are made in order on a
// thread of their own with copies of their icons, their answers come back to
// the record's window, and the program's end waits until the shell has the
// calls but not for a shell that keeps one.
#include "app/NotifyIconQueue.h"
#include "tests/support/TestWindow.h"
#include "toolkit/controls/XTTrayIcon.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Stands in for the shell: records each call ("add", "modify", "delete"),
// whether it came on the test's thread and whether its icon was a live icon
// other than the one handed over; answers the calls in `refused` with FALSE;
// keeps each call until `go` is set.
struct FakeShell
{
    std::vector<std::string> calls;
    std::vector<DWORD> refused;
    HICON handedOver = NULL;
    bool onTestThread = false, liveCopy = false;
    DWORD testThread = ::GetCurrentThreadId();
    HANDLE go = ::CreateEventA(NULL, TRUE, TRUE, NULL);
    volatile LONG waiting = 0;
};
FakeShell* g_pShell = nullptr;

BOOL WINAPI Answer(DWORD dwMessage, PNOTIFYICONDATAA pData)
{
    ::InterlockedIncrement(&g_pShell->waiting);
    ::WaitForSingleObject(g_pShell->go, INFINITE);
    ::InterlockedDecrement(&g_pShell->waiting);
    g_pShell->calls.push_back(dwMessage == NIM_ADD ? "add" : dwMessage == NIM_DELETE ? "delete" : "modify");
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

} // namespace
