// The keys that walk a frame's menus, by real input (the keyboard hook sees
// only real keys): Left and Right move from one menu of the menu bar to the
// next, which opens in place of the one that closes with its first command
// selected, however the first menu was opened (Alt and its letter, F10, a
// click) and wherever the bar stands; inside an open menu or submenu Home,
// End, Up and Down stay with that menu, selected command moved or not.
#include "CommandBarsTestSupport.h"

#include "OpenMenus.h"
#include "tests/support/RealInput.h"

namespace {

// The menu bar's titles in IDR_TEST_WALK_MENU.
const int kFileTitle = 0;

// A walk through the menus by keys and clicks, with its name.
struct Walk
{
    const char* name;
    std::vector<InputStep> steps;
};

// The frame in front with the walk menu on its menu bar and the focus in its
// pane, as a user leaves it before reaching for the menus.
class MenuKeysTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_TEST_WALK_MENU));
        ASSERT_TRUE(MenuBar()->LoadMenu(&menu));
        frame->RecalcLayout();
        frame->SetForegroundWindow();
        ASSERT_TRUE(PumpPendingUntil([&] { return ::GetForegroundWindow() == frame->m_hWnd; }));
        frame->m_wndPane.SetFocus();
    }

    // The screen point at the middle of a title of the menu bar.
    CPoint TitleCenter(int nIndex) const
    {
        CRect rc = MenuBar()->GetControl(nIndex)->GetRect();
        MenuBar()->ClientToScreen(&rc);
        return rc.CenterPoint();
    }

    // The walk's steps, the mouse resting away from the frame (a click step
    // moves it where it clicks); the menus are closed and the focus is back
    // in the pane after.
    void ExpectWalk(const Walk& walk)
    {
        MoveMouseTo(CPoint(1000, 900));
        EXPECT_TRUE(PumpUntilInputTaken());
        EXPECT_TRUE(WalkByInput(walk.steps, [&] { return OpenMenusOf(MenuBar()); })) << walk.name;
        XTPMouseManager()->SendTrackLost();
        frame->m_wndPane.SetFocus();
    }
};

// The mouse resting on a title makes it hot; the letters, of that title or
// of a command under the pointer, still open their menus with the first
// command selected, as from anywhere else.
TEST_F(MenuKeysTest, ALetterOpensItsMenuWithTheFirstCommandSelectedUnderTheMouse)
{
    const int kViewTitle = 2;
    struct Row
    {
        const char* name;
        int nTitleUnderMouse;
        std::vector<InputStep> steps;
    } rows[] = {
        {"the mouse on the title of the letter", kViewTitle, {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"}}},
        {"the mouse on another title", kFileTitle, {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"}}},
        {"the mouse on the title, Right from its menu",
         kViewTitle,
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"}, {KeysPressed(VK_RIGHT), "&Help > &Index"}}},
    };
    for (const Row& row : rows)
    {
        MoveMouseTo(TitleCenter(row.nTitleUnderMouse));
        ASSERT_TRUE(PumpUntilInputTaken());
        EXPECT_EQ(row.nTitleUnderMouse, MenuBar()->GetSelectedIndex()) << row.name << ": the title is hot";
        EXPECT_TRUE(WalkByInput(row.steps, [&] { return OpenMenusOf(MenuBar()); })) << row.name;
        XTPMouseManager()->SendTrackLost();
        frame->m_wndPane.SetFocus();
    }
}

// Left and Right along a horizontal bar (docked at the top or floating):
// the neighbouring menu opens with its first command selected, wrapping
// from the last menu to the first and back; a submenu closes alone.
std::vector<Walk> WalksAlongAHorizontalBar()
{
    return {
        {"Alt+letter, Right",
         {{KeysPressed(VK_MENU, 'E'), "&Edit > &Copy"}, {KeysPressed(VK_RIGHT), "&View > &Bold"}}},
        {"Alt+letter, Left",
         {{KeysPressed(VK_MENU, 'E'), "&Edit > &Copy"}, {KeysPressed(VK_LEFT), "&File > &New"}}},
        {"Alt+letter of the last menu, Right to the first",
         {{KeysPressed(VK_MENU, 'H'), "&Help > &Index"}, {KeysPressed(VK_RIGHT), "&File > &New"}}},
        {"Alt+letter of the first menu, Left to the last",
         {{KeysPressed(VK_MENU, 'F'), "&File > &New"}, {KeysPressed(VK_LEFT), "&Help > &Index"}}},
        {"Alt+letter, Right twice",
         {{KeysPressed(VK_MENU, 'F'), "&File > &New"},
          {KeysPressed(VK_RIGHT), "&Edit > &Copy"},
          {KeysPressed(VK_RIGHT), "&View > &Bold"}}},
        {"F10, Down, Right",
         {{KeysPressed(VK_F10), "&File"},
          {KeysPressed(VK_DOWN), "&File > &New"},
          {KeysPressed(VK_RIGHT), "&Edit > &Copy"}}},
        {"Alt+letter, a submenu, Left and Left",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"},
          {KeysPressed(VK_DOWN), "&View > &Zoom"},
          {KeysPressed(VK_RIGHT), "&View > &Zoom > &In"},
          {KeysPressed(VK_LEFT), "&View > &Zoom"},
          {KeysPressed(VK_LEFT), "&Edit > &Copy"}}},
        {"Alt+letter, a submenu, Right on its command",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"},
          {KeysPressed(VK_UP), "&View > &Lines"},
          {KeysPressed(VK_RIGHT), "&View > &Lines > &Wrap"},
          {KeysPressed(VK_RIGHT), "&Help > &Index"}}},
    };
}

TEST_F(MenuKeysTest, LeftAndRightOpenTheNeighbouringMenuOfABarDockedAtTheTop)
{
    for (const Walk& walk : WalksAlongAHorizontalBar())
        ExpectWalk(walk);
    ExpectWalk({"a click on a title, Right",
                {{[&] { ClickScreen(TitleCenter(kFileTitle)); }, "&File > (none)"},
                 {KeysPressed(VK_RIGHT), "&Edit > &Copy"},
                 {KeysPressed(VK_LEFT), "&File > &New"}}});
}

TEST_F(MenuKeysTest, LeftAndRightOpenTheNeighbouringMenuOfAFloatingBar)
{
    ASSERT_TRUE(frame->m_pCommandBars->FloatCommandBar(MenuBar()));
    ASSERT_EQ(xtpBarFloating, MenuBar()->GetPosition());
    frame->m_wndPane.SetFocus();
    for (const Walk& walk : WalksAlongAHorizontalBar())
        ExpectWalk(walk);
}

// Docked at the left, the bar runs downwards: Up and Down move along it,
// Right opens the menu and Left closes it again; the open menu, beside the
// bar, keeps Up and Down.
TEST_F(MenuKeysTest, UpAndDownMoveAlongABarDockedAtTheLeft)
{
    ASSERT_TRUE(frame->m_pCommandBars->DockCommandBarAt(MenuBar(), NULL, xtpBarLeft));
    ASSERT_EQ(xtpBarLeft, MenuBar()->GetPosition());
    frame->RecalcLayout();
    frame->m_wndPane.SetFocus();
    const Walk walks[] = {
        {"Alt+letter, Left, Up and Down at both ends",
         {{KeysPressed(VK_MENU, 'H'), "&Help > &Index"},
          {KeysPressed(VK_LEFT), "&Help"},
          {KeysPressed(VK_DOWN), "&File"},
          {KeysPressed(VK_UP), "&Help"},
          {KeysPressed(VK_UP), "&View"},
          {KeysPressed(VK_RIGHT), "&View > &Bold"}}},
        {"F10, Down, Right",
         {{KeysPressed(VK_F10), "&File"},
          {KeysPressed(VK_DOWN), "&Edit"},
          {KeysPressed(VK_RIGHT), "&Edit > &Copy"}}},
        {"Alt+letter of a menu of one command, Up and Down",
         {{KeysPressed(VK_MENU, 'E'), "&Edit > &Copy"},
          {KeysPressed(VK_UP), "&Edit > &Copy"},
          {KeysPressed(VK_DOWN), "&Edit > &Copy"}}},
        {"Alt+letter, a submenu, Left and Left",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"},
          {KeysPressed(VK_DOWN), "&View > &Zoom"},
          {KeysPressed(VK_RIGHT), "&View > &Zoom > &In"},
          {KeysPressed(VK_LEFT), "&View > &Zoom"},
          {KeysPressed(VK_LEFT), "&View"}}},
    };
    for (const Walk& walk : walks)
        ExpectWalk(walk);
}

// Inside an open menu Home and End select its first and last command, Up
// and Down wrap; none of them reaches the menu bar (which would open another
// menu or close this one), at the menu's ends and in a menu of one command.
TEST_F(MenuKeysTest, HomeEndUpAndDownStayInTheOpenMenu)
{
    const Walk walks[] = {
        {"Home from the first command",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"}, {KeysPressed(VK_HOME), "&View > &Bold"}}},
        {"Home from a middle command",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"},
          {KeysPressed(VK_DOWN), "&View > &Zoom"},
          {KeysPressed(VK_HOME), "&View > &Bold"}}},
        {"Home from the last command",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"},
          {KeysPressed(VK_UP), "&View > &Lines"},
          {KeysPressed(VK_HOME), "&View > &Bold"}}},
        {"End from the first command",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"}, {KeysPressed(VK_END), "&View > &Lines"}}},
        {"End from a middle command",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"},
          {KeysPressed(VK_DOWN), "&View > &Zoom"},
          {KeysPressed(VK_END), "&View > &Lines"}}},
        {"End from the last command",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"},
          {KeysPressed(VK_END), "&View > &Lines"},
          {KeysPressed(VK_END), "&View > &Lines"}}},
        {"End and Home in the last menu, opened by F10",
         {{KeysPressed(VK_F10), "&File"},
          {KeysPressed(VK_LEFT), "&Help"},
          {KeysPressed(VK_DOWN), "&Help > &Index"},
          {KeysPressed(VK_HOME), "&Help > &Index"},
          {KeysPressed(VK_END), "&Help > &About"},
          {KeysPressed(VK_END), "&Help > &About"}}},
        {"Up and Down at both ends of a longer menu",
         {{KeysPressed(VK_MENU, 'F'), "&File > &New"},
          {KeysPressed(VK_UP), "&File > E&xit"},
          {KeysPressed(VK_DOWN), "&File > &New"},
          {KeysPressed(VK_END), "&File > E&xit"},
          {KeysPressed(VK_DOWN), "&File > &New"}}},
        {"Up and Down in a menu of one command",
         {{KeysPressed(VK_MENU, 'E'), "&Edit > &Copy"},
          {KeysPressed(VK_UP), "&Edit > &Copy"},
          {KeysPressed(VK_DOWN), "&Edit > &Copy"},
          {KeysPressed(VK_HOME), "&Edit > &Copy"},
          {KeysPressed(VK_END), "&Edit > &Copy"}}},
        {"Home, End, Up and Down in a submenu",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"},
          {KeysPressed(VK_DOWN), "&View > &Zoom"},
          {KeysPressed(VK_RIGHT), "&View > &Zoom > &In"},
          {KeysPressed(VK_HOME), "&View > &Zoom > &In"},
          {KeysPressed(VK_DOWN), "&View > &Zoom > &Out"},
          {KeysPressed(VK_END), "&View > &Zoom > &Reset"},
          {KeysPressed(VK_END), "&View > &Zoom > &Reset"},
          {KeysPressed(VK_DOWN), "&View > &Zoom > &In"},
          {KeysPressed(VK_UP), "&View > &Zoom > &Reset"},
          {KeysPressed(VK_HOME), "&View > &Zoom > &In"}}},
        {"Home, End, Up and Down in a submenu of one command",
         {{KeysPressed(VK_MENU, 'V'), "&View > &Bold"},
          {KeysPressed(VK_END), "&View > &Lines"},
          {KeysPressed(VK_RIGHT), "&View > &Lines > &Wrap"},
          {KeysPressed(VK_UP), "&View > &Lines > &Wrap"},
          {KeysPressed(VK_DOWN), "&View > &Lines > &Wrap"},
          {KeysPressed(VK_HOME), "&View > &Lines > &Wrap"},
          {KeysPressed(VK_END), "&View > &Lines > &Wrap"}}},
    };
    for (const Walk& walk : walks)
        ExpectWalk(walk);
}

} // namespace
