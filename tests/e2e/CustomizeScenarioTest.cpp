// The bars customized in the running program: Customize opened by its
// command, a button dragged off the tool bar and a new tool bar made on the
// toolbars page; after the program is closed and started again both changes
// are still there.
#include "ScenarioFixture.h"

#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"

#include <commctrl.h>
#include <prsht.h>

namespace {

struct BarSearch
{
    const char* title;
    HWND found;
};

BOOL CALLBACK AcceptBar(HWND hwnd, LPARAM lParam)
{
    BarSearch* search = (BarSearch*)lParam;
    char text[64] = "";
    ::GetWindowTextA(hwnd, text, sizeof text);
    if (lstrcmpA(text, search->title) != 0 || !::IsWindowVisible(hwnd))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// The shown command bar of the main window with that title (its window text).
HWND FindBar(HWND mainWindow, const char* title)
{
    BarSearch search = {title, NULL};
    ::EnumChildWindows(mainWindow, AcceptBar, (LPARAM)&search);
    return search.found;
}

// The command of the bar's control at a point of its client area, as the
// bar answers the help hit test (0 for none).
UINT CommandAt(HWND bar, POINT client)
{
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(bar, 0x0366 /* WM_HELPHITTEST */, 0, MAKELPARAM(client.x, client.y), SMTO_BLOCK, 5000,
                          &answer);
    return answer >= 0x10000 && answer < 0x50000 ? (UINT)(answer - 0x10000) : 0;
}

class CustomizeScenario : public ScenarioFixture
{
protected:
    // The program's dialog of that caption, once shown.
    bool WaitForDialogTitled(const std::string& caption, HWND& dialog)
    {
        DWORD processId = ::GetProcessId(m_program.ProcessHandle());
        return WaitUntil([&] {
            dialog = FindTopLevel([&](HWND hwnd) {
                char text[64] = "";
                ::GetWindowTextA(hwnd, text, sizeof text);
                return ProcessOf(hwnd) == processId && ::IsWindowVisible(hwnd) && ClassOf(hwnd) == "#32770"
                       && caption == text;
            });
            return dialog != NULL;
        });
    }
};

TEST_F(CustomizeScenario, AButtonRemovedAndANewToolBarStayAfterARestart)
{
    ASSERT_TRUE(StartProgram({}));
    HWND standard = FindBar(m_program.MainWindow(), "Standard");
    ASSERT_TRUE(standard != NULL);
    // The first button of the bar, near its start past the gripper.
    const POINT first = {20, 12};
    ASSERT_EQ((UINT)ID_ADD_KEYWORD, CommandAt(standard, first));
    ASSERT_EQ(NULL, FindBar(m_program.MainWindow(), "Scenario Bar"));

    m_program.PostCommand(XTP_ID_CUSTOMIZE);
    HWND sheet = NULL;
    ASSERT_TRUE(WaitForDialogTitled("Customize", sheet));
    // The sheet moves aside so that the bars can be reached.
    ::SetWindowPos(sheet, NULL, 700, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // The first button of the tool bar is dragged onto the keyword tree:
    // the next one takes its place.
    POINT from = first, onTree = {60, 0};
    ::ClientToScreen(standard, &from);
    RECT rcMain = {};
    ::GetWindowRect(m_program.MainWindow(), &rcMain);
    onTree.y = rcMain.bottom - 80;
    onTree.x += rcMain.left;
    DragMouse(from, onTree);
    ASSERT_TRUE(WaitUntil([&] { return CommandAt(standard, first) == ID_REMOVE_ALL; })) << "the button left the bar";

    // A new tool bar from the toolbars page.
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    ASSERT_TRUE(page != NULL);
    ::PostMessageA(::GetDlgItem(page, XTP_IDC_BUTTON_NEW), BM_CLICK, 0, 0);
    HWND nameDialog = NULL;
    ASSERT_TRUE(WaitForDialogTitled("New Toolbar", nameDialog));
    TidewatchProcess::SetFieldText({nameDialog, "", ""}, XTP_IDC_TOOLBAR_NAME, "Scenario Bar");
    TidewatchProcess::Press({nameDialog, "", ""}, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return FindBar(m_program.MainWindow(), "Scenario Bar") != NULL; }));

    TidewatchProcess::Press({sheet, "", ""}, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(sheet); }));
    ASSERT_TRUE(m_program.Close());
    EXPECT_TRUE(m_program.DialogsAtClose().empty());

    ASSERT_TRUE(m_program.Start());
    standard = FindBar(m_program.MainWindow(), "Standard");
    ASSERT_TRUE(standard != NULL);
    EXPECT_EQ((UINT)ID_REMOVE_ALL, CommandAt(standard, first)) << "the button is still gone";
    EXPECT_TRUE(FindBar(m_program.MainWindow(), "Scenario Bar") != NULL) << "the new bar came back";
    EXPECT_TRUE(m_program.Close());
}

} // namespace
