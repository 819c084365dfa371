// Input typed ahead into a modal loop (a context menu tracked, a drag) meets
// the thread's hooks when the loop takes it off the queue, as it would meet
// them in the program's own loop: what a hook eats reaches no window, what a
// hook changes arrives changed, and what comes after it is not lost. Real
// keys and clicks (SendInput) and real hooks, since hooks see only real input.
#include "CommandBarsTestSupport.h"

#include "tests/support/RealInput.h"
#include "toolkit/foundation/XTPCaptureLoop.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// A child of the frame that notes the key presses, characters and left
// button presses and releases that reach it.
class CInputLog : public CWnd
{
public:
    std::vector<std::string> received;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN)
            received.push_back("key " + std::to_string(wParam));
        else if (message == WM_CHAR)
            received.push_back(std::string("char ") + (char)wParam);
        else if (message == WM_LBUTTONDOWN)
            received.push_back("press");
        else if (message == WM_LBUTTONUP)
            received.push_back("release");
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

std::string KeyPress(UINT nVirtualKey)
{
    return "key " + std::to_string(nVirtualKey);
}

// A thread hook of the type for as long as the object lives.
class CThreadHook
{
public:
    CThreadHook(int nType, HOOKPROC pProc)
        : m_hHook(::SetWindowsHookExA(nType, pProc, NULL, ::GetCurrentThreadId()))
    {}
    ~CThreadHook() { ::UnhookWindowsHookEx(m_hHook); }

private:
    HHOOK m_hHook;
};

// Eats F2, pressed and released, as a program's own keyboard hook may.
LRESULT CALLBACK SwallowF2(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam == VK_F2)
        return 1;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Turns F3 into F4 as each message is taken.
LRESULT CALLBACK RewriteF3AsF4(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = (MSG*)lParam;
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F3)
        pMsg->wParam = VK_F4;
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// The frame in front with the log over its client area, holding the focus.
class TypeAheadTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        m_menu.LoadMenu(IDR_TEST_MENU);
        m_log.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, frame->GetPaneRect(), frame, 1);
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; }));
        m_log.SetFocus();
    }
    CPoint LogCenter()
    {
        CRect rc;
        m_log.GetWindowRect(&rc);
        return rc.CenterPoint();
    }
    // A drag's loop over the log until everything typed ahead went through
    // it: a timer message comes only once no input waits.
    void RunDragLoop()
    {
        const UINT_PTR kDrained = 7;
        m_log.SetTimer(kDrained, 0, NULL);
        CXTPCaptureLoop loop(m_log.m_hWnd, CXTPCaptureLoop::captureMouse);
        loop.Run([&](MSG& msg) {
            if (msg.message == WM_TIMER && msg.wParam == kDrained)
                return CXTPCaptureLoop::finish;
            return CXTPCaptureLoop::dispatch;
        });
        m_log.KillTimer(kDrained);
    }

    CMenu m_menu;
    CInputLog m_log;
};

TEST_F(TypeAheadTest, EachMessageMeetsTheHooksOnceAndTheNextIsNotLost)
{
    struct Row
    {
        const char* name;
        std::function<void()> typeAhead; // the input, queued before the loop runs
        std::function<void()> runLoop;
        std::vector<std::string> expected; // what reaches the log, in order
    };
    const Row rows[] = {
        {"keys typed ahead into a context menu",
         [] {
             PressKeys({VK_DOWN});
             PressKeys({VK_RETURN});
             PressKeys({'X'});
         },
         [&] {
             // The keyboard manager eats Down and Enter: they choose the
             // first item, and X, which comes after the menu, is the log's.
             EXPECT_EQ((UINT)ID_TEST_NEW,
                       CXTPCommandBars::TrackPopupMenu(m_menu.GetSubMenu(0), TPM_RETURNCMD | TPM_NONOTIFY,
                                                       100, 100, frame, NULL, NULL, frame->m_pCommandBars));
         },
         {KeyPress('X'), "char x"}},
        {"a release swallowed after a popup opened",
         [&] {
             XTPMouseManager()->SetSwallowNextUp();
             SendButtonsAt(LogCenter(), {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
         },
         [&] { RunDragLoop(); },
         {"press", "release"}},
        {"a hook that swallows F2",
         [] {
             PressKeys({VK_F2});
             PressKeys({'A'});
         },
         [&] {
             CThreadHook hook(WH_KEYBOARD, SwallowF2);
             RunDragLoop();
         },
         {KeyPress('A'), "char a"}},
        {"a message hook that rewrites F3 as F4",
         [] { PressKeys({VK_F3}); },
         [&] {
             CThreadHook hook(WH_GETMESSAGE, RewriteF3AsF4);
             RunDragLoop();
         },
         {KeyPress(VK_F4)}},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_log.received.clear();
        row.typeAhead();
        row.runLoop();
        // What the loop left goes through the program's loop.
        PumpPending();
        EXPECT_EQ(row.expected, m_log.received);
    }
}

// A command chosen from the menu bar by a key runs once that key is off the
// queue: a command that runs a loop of its own (a dialog) reads only what
// was typed after the key, not the key again (Enter pressing the dialog's
// default button, a mnemonic typed into its edit field).
TEST_F(TypeAheadTest, ACommandChosenByAKeyDoesNotReadThatKeyAgain)
{
    const struct
    {
        const char* name;
        std::function<void()> choose; // typed ahead: opens File and chooses New
        UINT nLastKey;                 // whose release the command's loop waits for
    } rows[] = {
        {"Enter on the selected item",
         [] {
             PressKeys({VK_F10});
             PressKeys({VK_DOWN});
             PressKeys({VK_RETURN});
         },
         VK_RETURN},
        {"the item's mnemonic",
         [] {
             PressKeys({VK_MENU, 'F'});
             PressKeys({'N'});
         },
         'N'},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        std::vector<std::string> keysInTheCommand;
        bool bRan = false;
        // The command's own loop takes what a dialog would take, until the
        // release of the key that chose it.
        frame->m_onNew = [&] {
            bRan = true;
            const DWORD start = ::GetTickCount();
            for (bool bReleased = false; !bReleased && ::GetTickCount() - start < 10000;)
            {
                MSG msg;
                if (!::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                {
                    ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
                    continue;
                }
                if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)
                    keysInTheCommand.push_back(KeyPress((UINT)msg.wParam));
                bReleased = msg.message == WM_KEYUP && msg.wParam == row.nLastKey;
                if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
                    ::DispatchMessageA(&msg);
            }
        };
        row.choose();
        ASSERT_TRUE(PumpPendingUntil([&] { return bRan; }));
        frame->m_onNew = nullptr;
        EXPECT_EQ(std::vector<std::string>(), keysInTheCommand);
        PumpPending();
    }
}

} // namespace

namespace {

// The test dialog, its field holding the focus; Esc closes it and notes what
// the field held then.
class CFieldDialog : public CDialog
{
public:
    explicit CFieldDialog(CWnd* pParent) : CDialog(IDD_TEST_FIELD, pParent) {}

    std::string fieldText = "(not closed by Esc)";

protected:
    void OnCancel() override
    {
        char text[64] = "";
        ::GetDlgItemTextA(m_hWnd, IDC_TEST_FIELD, text, sizeof text);
        fieldText = text;
        CDialog::OnCancel();
    }
};

// Fast typing overlaps keys: X goes down before Enter comes up. Typed while
// the program is busy, the keys wait in the queue until the menu reads them.
// Enter chooses New, whose command (or the caller, for a menu tracked for
// its result) opens a dialog: the x typed after Enter is the dialog's, Enter
// up or still down, and never reaches the window that had the focus before
// the menu.
TEST_F(TypeAheadTest, AKeyTypedAfterTheMenusEnterGoesToTheDialogTheChoiceOpens)
{
    enum Menu
    {
        menuBarPopup,    // File on the menu bar, opened by F10 and Down
        postedCommand,   // a context menu whose command is posted to the frame
        returnedCommand, // a context menu tracked for its result
    };
    const struct
    {
        const char* name;
        Menu menu;
        bool bXWhileEnterIsDown;
    } rows[] = {
        {"menu bar popup, x after Enter", menuBarPopup, false},
        {"menu bar popup, x while Enter is down", menuBarPopup, true},
        {"context menu posting its command, x after Enter", postedCommand, false},
        {"context menu posting its command, x while Enter is down", postedCommand, true},
        {"menu tracked for its result, x after Enter", returnedCommand, false},
        {"menu tracked for its result, x while Enter is down", returnedCommand, true},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_log.received.clear();
        std::string fieldText = "(no dialog)";
        auto runDialog = [&] {
            CFieldDialog dialog(frame);
            dialog.DoModal();
            fieldText = dialog.fieldText;
        };
        if (row.menu != returnedCommand)
            frame->m_onNew = runDialog;
        if (row.menu == menuBarPopup)
            PressKeys({VK_F10});
        PressKeys({VK_DOWN});
        if (row.bXWhileEnterIsDown)
            SendKeyStrokes({KeyDown(VK_RETURN), KeyDown('X'), KeyUp(VK_RETURN), KeyUp('X')});
        else
            SendKeyStrokes({KeyDown(VK_RETURN), KeyUp(VK_RETURN), KeyDown('X'), KeyUp('X')});
        PressKeys({VK_ESCAPE}); // for the dialog
        if (row.menu != menuBarPopup)
        {
            const UINT nResult = CXTPCommandBars::TrackPopupMenu(
                m_menu.GetSubMenu(0), row.menu == returnedCommand ? TPM_RETURNCMD : 0, 100, 100, frame, NULL,
                NULL, frame->m_pCommandBars);
            if (row.menu == returnedCommand)
            {
                EXPECT_EQ((UINT)ID_TEST_NEW, nResult);
                runDialog();
            }
        }
        EXPECT_TRUE(PumpPendingUntil([&] { return fieldText != "(no dialog)"; }));
        frame->m_onNew = nullptr;
        PumpPending();
        EXPECT_EQ("x", fieldText);
        EXPECT_EQ(std::vector<std::string>(), m_log.received);
        m_log.SetFocus();
    }
}

} // namespace
