// The program's own menus walked by real keys from each pane of the main
// window: Left and Right open the neighbouring menu of the menu bar, with its
// first command selected, however the first one was opened (Alt and its
// letter, F10, a click), and a submenu closes alone; Home, End, Up and Down
// stay inside the open menu or submenu, at its ends too and in the menus of
// one command (News, Tool, Upgrade).
#include "MainFrameFixture.h"
#include "tests/support/RealInput.h"
#include "tests/toolkit/commandbars/OpenMenus.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

namespace {

struct Walk
{
    const char* name;
    std::vector<InputStep> steps;
};

// The main frame as the program starts it, in front, the keyword tree
// holding the focus; its menus show what the program hides at first (Status
// Bar), whatever an earlier case saved of the bars.
class MainMenuKeysTest : public MainFrameBarStateTest
{
protected:
    void SetUp() override
    {
        MainFrameBarStateTest::SetUp();
        AfxGetApp()->m_pMainWnd = frame;
        frame->InitialUpdateFrame(NULL, TRUE);
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == Tree(); }));
    }
    void TearDown() override
    {
        XTPMouseManager()->SendTrackLost();
        AfxGetApp()->m_pMainWnd = NULL;
        MainFrameBarStateTest::TearDown();
    }

    HWND Tree() { return frame->GetTreeView()->GetTree().m_hWnd; }
    CXTPMenuBar* MenuBar() { return frame->GetCommandBars()->GetMenuBar(); }
    // The screen point at the middle of the menu bar's first title, Keyword.
    CPoint KeywordTitleCenter()
    {
        CRect rc = MenuBar()->GetControl(0)->GetRect();
        MenuBar()->ClientToScreen(&rc);
        return rc.CenterPoint();
    }

    // The walk from the window that has the focus, the mouse resting away
    // from the menu bar (a click step moves it where it clicks); the menus
    // are closed after and the focus is back where the walk began.
    void ExpectWalk(const Walk& walk)
    {
        const HWND hFocus = ::GetFocus();
        MoveMouseTo(CPoint(1200, 1000));
        EXPECT_TRUE(PumpUntilInputTaken());
        EXPECT_TRUE(WalkByInput(walk.steps, [&] { return OpenMenusOf(MenuBar()); })) << walk.name;
        XTPMouseManager()->SendTrackLost();
        ::SetFocus(hFocus);
        EXPECT_TRUE(PumpUntilInputTaken());
    }
};

TEST_F(MainMenuKeysTest, LeftAndRightOpenTheNeighbouringMenuFromEveryPane)
{
    const Walk walks[] = {
        {"Alt+K, Right",
         {{KeysPressed(VK_MENU, 'K'), "&Keyword > Edit Keyword"},
          {KeysPressed(VK_RIGHT), "File > Import from XML File"},
          {KeysPressed(VK_RIGHT), "&News > &Goto Url"}}},
        {"Alt+K, Left to the last menu",
         {{KeysPressed(VK_MENU, 'K'), "&Keyword > Edit Keyword"},
          {KeysPressed(VK_LEFT), "&Help > Contents"}}},
        {"Alt+H, Right to the first menu",
         {{KeysPressed(VK_MENU, 'H'), "&Help > Contents"},
          {KeysPressed(VK_RIGHT), "&Keyword > Edit Keyword"}}},
        {"F10, Down, Right",
         {{KeysPressed(VK_F10), "&Keyword"},
          {KeysPressed(VK_DOWN), "&Keyword > Edit Keyword"},
          {KeysPressed(VK_RIGHT), "File > Import from XML File"}}},
        {"a click on Keyword, Right",
         {{[&] { ClickScreen(KeywordTitleCenter()); }, "&Keyword > (none)"},
          {KeysPressed(VK_RIGHT), "File > Import from XML File"}}},
        {"Alt+V, the Theme submenu, Left and Left",
         {{KeysPressed(VK_MENU, 'V'), "&View > Standard"},
          {KeysPressed('T'), "&View > Theme > Office &2000 Theme"},
          {KeysPressed(VK_LEFT), "&View > Theme"},
          {KeysPressed(VK_RIGHT), "&View > Theme > Office &2000 Theme"},
          {KeysPressed(VK_LEFT), "&View > Theme"},
          {KeysPressed(VK_LEFT), "&News > &Goto Url"}}},
    };
    CWnd* pPreview = frame->GetNewsSplitter().GetPane(1, 0);
    const struct
    {
        const char* name;
        HWND hPane;
    } panes[] = {
        {"the keyword tree", Tree()},
        {"the news list", frame->GetNewsList()->m_hWnd},
        {"the preview", pPreview->m_hWnd},
    };
    for (const auto& pane : panes)
    {
        SCOPED_TRACE(pane.name);
        ::SetFocus(pane.hPane);
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetFocus() == pane.hPane; }));
        for (const Walk& walk : walks)
            ExpectWalk(walk);
    }
}

TEST_F(MainMenuKeysTest, HomeEndUpAndDownStayInTheOpenMenu)
{
    const Walk walks[] = {
        {"Home and End from the first, a middle and the last command of Keyword",
         {{KeysPressed(VK_MENU, 'K'), "&Keyword > Edit Keyword"},
          {KeysPressed(VK_HOME), "&Keyword > Edit Keyword"},
          {KeysPressed(VK_END), "&Keyword > E&xit"},
          {KeysPressed(VK_END), "&Keyword > E&xit"},
          {KeysPressed(VK_HOME), "&Keyword > Edit Keyword"},
          {KeysPressed(VK_DOWN), "&Keyword > Add Keyword"},
          {KeysPressed(VK_HOME), "&Keyword > Edit Keyword"},
          {KeysPressed(VK_DOWN), "&Keyword > Add Keyword"},
          {KeysPressed(VK_END), "&Keyword > E&xit"}}},
        {"Home, Up and Down at the ends of Help",
         {{KeysPressed(VK_MENU, 'H'), "&Help > Contents"},
          {KeysPressed(VK_HOME), "&Help > Contents"},
          {KeysPressed(VK_UP), "&Help > &About Tidewatch..."},
          {KeysPressed(VK_DOWN), "&Help > Contents"}}},
        {"News, of one command",
         {{KeysPressed(VK_MENU, 'N'), "&News > &Goto Url"},
          {KeysPressed(VK_UP), "&News > &Goto Url"},
          {KeysPressed(VK_DOWN), "&News > &Goto Url"},
          {KeysPressed(VK_HOME), "&News > &Goto Url"},
          {KeysPressed(VK_END), "&News > &Goto Url"}}},
        {"Tool, of one command",
         {{KeysPressed(VK_MENU, 'T'), "Tool > Options"},
          {KeysPressed(VK_UP), "Tool > Options"},
          {KeysPressed(VK_DOWN), "Tool > Options"}}},
        {"Upgrade, of one command",
         {{KeysPressed(VK_MENU, 'U'), "&Upgrade > Check for Upgrade"},
          {KeysPressed(VK_UP), "&Upgrade > Check for Upgrade"},
          {KeysPressed(VK_DOWN), "&Upgrade > Check for Upgrade"}}},
        {"Help's submenu",
         {{KeysPressed(VK_MENU, 'H'), "&Help > Contents"},
          {KeysPressed(VK_UP), "&Help > &About Tidewatch..."},
          {KeysPressed(VK_UP), "&Help > Quorvane on the Web"},
          {KeysPressed(VK_RIGHT), "&Help > Quorvane on the Web > Online Support"},
          {KeysPressed(VK_HOME), "&Help > Quorvane on the Web > Online Support"},
          {KeysPressed(VK_END), "&Help > Quorvane on the Web > Home Page"},
          {KeysPressed(VK_END), "&Help > Quorvane on the Web > Home Page"},
          {KeysPressed(VK_DOWN), "&Help > Quorvane on the Web > Online Support"},
          {KeysPressed(VK_UP), "&Help > Quorvane on the Web > Home Page"},
          {KeysPressed(VK_UP), "&Help > Quorvane on the Web > Online Forum"},
          {KeysPressed(VK_HOME), "&Help > Quorvane on the Web > Online Support"},
          {KeysPressed(VK_LEFT), "&Help > Quorvane on the Web"}}},
        {"View's Theme submenu",
         {{KeysPressed(VK_MENU, 'V'), "&View > Standard"},
          {KeysPressed('T'), "&View > Theme > Office &2000 Theme"},
          {KeysPressed(VK_UP), "&View > Theme > Win XP Theme"},
          {KeysPressed(VK_END), "&View > Theme > Win XP Theme"},
          {KeysPressed(VK_DOWN), "&View > Theme > Office &2000 Theme"},
          {KeysPressed(VK_HOME), "&View > Theme > Office &2000 Theme"}}},
    };
    for (const Walk& walk : walks)
        ExpectWalk(walk);
}

} // namespace
