// Keys typed fast while the program is busy, into the keyword tree's context
// menu: Down and Enter choose Edit Keyword, and the x typed after Enter, with
// Enter up or still down, is typed into the Change Keyword dialog's field;
// the tree, which had the focus before the menu, does not get it (its
// type-to-find would move the selection to xray). Real clicks and keys,
// all queued before the program reads any of them.
// The server's Winsock declarations come before <windows.h>.
#include "tests/support/NewsServer.h"

#include "MainFrameFixture.h"
#include "ViewsFixture.h"
#include "app/RepKeywordDlg.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/RealInput.h"

#include <functional>

namespace {

// The Change Keyword dialog open, and its field as the Esc that closes it
// found it.
HWND g_hDialog = NULL;
std::string g_fieldAtEsc;

LRESULT CALLBACK NoteFieldAtEsc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = (const MSG*)lParam;
    if (nCode == HC_ACTION && wParam == PM_REMOVE && g_hDialog != NULL && pMsg->message == WM_KEYDOWN
        && pMsg->wParam == VK_ESCAPE)
    {
        char text[64] = "";
        ::GetDlgItemTextA(g_hDialog, CRepKeywordDlg::IDC_KEYWORD, text, sizeof text);
        g_fieldAtEsc = text;
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// The main frame as the program starts it over the keywords alpha and xray,
// in front, the tree holding the focus.
class KeywordMenuTypeAheadTest : public MainFrameTest
{
protected:
    void SetUp() override
    {
        PrepareOptions();
        ViewsTest::WriteStore(folder.File("conf.xml"), {{"alpha", {}}, {"xray", {}}});
        SetTextOption("SearchHost", RefusingHostText().c_str());
        CreateFrame();
        AfxGetApp()->m_pMainWnd = frame;
        frame->InitialUpdateFrame(NULL, TRUE);
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == Tree().m_hWnd; }));
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = NULL;
        MainFrameTest::TearDown();
    }

    CXTTreeCtrl& Tree() { return frame->GetTreeView()->GetTree(); }
    CPoint AlphaCenter()
    {
        const HTREEITEM hAlpha = Tree().GetChildItem(frame->GetTreeView()->GetRootItem());
        return ScreenCenterOf(Tree().m_hWnd, hAlpha);
    }
    std::string Selected()
    {
        const HTREEITEM hItem = Tree().GetSelectedItem();
        return hItem != NULL ? (LPCTSTR)Tree().GetItemText(hItem) : "(none)";
    }
};

} // namespace

TEST_F(KeywordMenuTypeAheadTest, TheXTypedAfterEnterGoesToTheChangeKeywordDialog)
{
    const struct
    {
        const char* name;
        std::initializer_list<KeyStroke> enterAndX;
    } rows[] = {
        {"x after Enter is up", {KeyDown(VK_RETURN), KeyUp(VK_RETURN), KeyDown('X'), KeyUp('X')}},
        {"x while Enter is down", {KeyDown(VK_RETURN), KeyDown('X'), KeyUp(VK_RETURN), KeyUp('X')}},
    };
    const HHOOK hHook = ::SetWindowsHookExA(WH_GETMESSAGE, NoteFieldAtEsc, NULL, ::GetCurrentThreadId());
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        // A left click between the right ones: two of these would make a
        // double click.
        ClickScreen(AlphaCenter());
        ASSERT_TRUE(PumpPendingUntil([&] { return Selected() == "alpha"; })) << Selected();
        g_hDialog = NULL;
        g_fieldAtEsc = "(no Esc in the dialog)";
        CDialogDriver driver([](HWND hDlg) { g_hDialog = hDlg; });
        SendButtonsAt(AlphaCenter(), {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
        PressKeys({VK_DOWN});
        SendKeyStrokes(row.enterAndX);
        PressKeys({VK_ESCAPE}); // cancels the dialog
        EXPECT_TRUE(PumpPendingUntil([&] { return g_hDialog != NULL && !::IsWindow(g_hDialog); }))
            << "the dialog did not come and go";
        PumpPending();
        ASSERT_EQ(1u, driver.seen.size());
        EXPECT_EQ("Change Keyword", driver.seen[0].caption);
        EXPECT_EQ("x", g_fieldAtEsc);
        EXPECT_EQ("alpha", Selected());
    }
    ::UnhookWindowsHookEx(hHook);
}
