// The bars customized in the running program: Customize opened by its
// command, a button dragged off the tool bar and a new tool bar made on the
// toolbars page; after the program is closed and started again both changes
// are still there. Every page of the sheet reached by keys answers every key,
// and what was changed meanwhile is there after a restart.
#include "ScenarioFixture.h"

#include "resources/Resource.h"
#include "tests/support/RealInput.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"

#include <commctrl.h>
#include <prsht.h>

#include <map>

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

typedef std::vector<WORD> Chord;

// How long the sheet may take to answer one question.
const DWORD kAnswerMs = 2000;

LRESULT Ask(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_BLOCK, kAnswerMs, &answer))
        return -1;
    return (LRESULT)answer;
}

// The index of the sheet's page shown; -1 when the sheet does not answer.
int ShownPage(HWND sheet)
{
    const HWND page = (HWND)Ask(sheet, PSM_GETCURRENTPAGEHWND);
    return page == NULL || page == (HWND)-1 ? -1 : (int)Ask(sheet, PSM_HWNDTOINDEX, (WPARAM)page);
}

// The window with the keyboard focus in the thread of the window.
HWND FocusOfThread(HWND hwnd)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(hwnd, NULL), &info) ? info.hwndFocus : NULL;
}

// The focus is on a window in sight below the window.
bool FocusInSight(HWND within)
{
    const HWND focus = FocusOfThread(within);
    return ::IsChild(within, focus) && ::IsWindowVisible(focus);
}

class CustomizeScenario : public ScenarioFixture
{
protected:
    // Customize opened by its command: the sheet, in front for the keys.
    bool OpenSheet(HWND& sheet)
    {
        m_program.PostCommand(XTP_ID_CUSTOMIZE);
        return WaitForDialogTitled("Customize", sheet)
               && WaitUntil([&] { return ::GetForegroundWindow() == sheet && ShownPage(sheet) == 0; });
    }
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

// The rows by real input on the program's own sheet: each page
// reached by Ctrl+Tab and by Ctrl+Shift+Tab takes Alt+letters that name
// nothing (the program hung on them, for good, when the focus stayed on the
// page that went), an Alt+letter that names a check box or a list's label,
// Tab and Escape. The program then closes, saving a keyword added before and
// the options the keys changed: a restart shows them.
TEST_F(CustomizeScenario, EveryPageReachedByKeysAnswersEveryKeyAndTheProgramSavesOnClose)
{
    const Chord ctrlTab = {VK_CONTROL, VK_TAB}, ctrlShiftTab = {VK_CONTROL, VK_SHIFT, VK_TAB};
    const Chord altQ = {VK_MENU, 'Q'}, altA = {VK_MENU, 'A'};
    struct Step
    {
        Chord keys;
        int pageAfter;
    };
    struct Row
    {
        const char* name;
        std::vector<Step> route; // from the first page, "Toolbars"
        std::vector<Chord> nameless;
        Chord named;  // names a control of the page shown:
        int namedId;  // a check box toggles, a list takes the focus
    };
    const Row rows[] = {
        {"Commands by Ctrl+Tab", {{ctrlTab, 1}}, {altQ, altA}, {VK_MENU, 'D'}, XTP_IDC_LIST_COMMANDS},
        {"Options by Ctrl+Tab twice", {{ctrlTab, 1}, {ctrlTab, 2}}, {altQ, altA}, {VK_MENU, 'N'},
         XTP_IDC_CHECK_FULL_MENUS},
        {"Toolbars by Ctrl+Tab three times", {{ctrlTab, 1}, {ctrlTab, 2}, {ctrlTab, 0}}, {altQ}, {VK_MENU, 'A'},
         XTP_IDC_LIST_TOOLBARS},
        {"Options by Ctrl+Shift+Tab", {{ctrlShiftTab, 2}}, {altQ, altA}, {VK_MENU, 'L'}, XTP_IDC_CHECK_LARGEICONS},
        {"Commands by Ctrl+Shift+Tab twice", {{ctrlShiftTab, 2}, {ctrlShiftTab, 1}}, {altQ, altA}, {VK_MENU, 'G'},
         XTP_IDC_LIST_CATEGORIES},
        {"Toolbars by Ctrl+Shift+Tab three times", {{ctrlShiftTab, 2}, {ctrlShiftTab, 1}, {ctrlShiftTab, 0}},
         {altQ}, {VK_MENU, 'A'}, XTP_IDC_LIST_TOOLBARS},
    };
    ASSERT_TRUE(StartProgram({{"harbour", {}}}));
    m_program.PostCommand(ID_ADD_KEYWORD);
    ShownDialog add;
    ASSERT_TRUE(m_program.WaitForDialog(add));
    ASSERT_EQ("Add Keyword", add.caption);
    TidewatchProcess::SetFieldText(add, IDC_ADD_KEYWORD, "lighthouse");
    TidewatchProcess::Press(add, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return m_program.TreeText().find("lighthouse") != std::string::npos; }));
    ASSERT_TRUE(m_program.WaitUntilChecksEnd());

    std::map<int, LRESULT> checks; // as the keys left them
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        HWND sheet = NULL;
        ASSERT_TRUE(OpenSheet(sheet));
        for (const Step& step : row.route)
        {
            PressKeys(step.keys);
            ASSERT_TRUE(WaitUntil([&] { return ShownPage(sheet) == step.pageAfter; }));
        }
        const HWND page = (HWND)Ask(sheet, PSM_GETCURRENTPAGEHWND);
        EXPECT_TRUE(FocusInSight(page)) << "the page shown has the focus";

        // The keys that name nothing go first: the sheet must have handled
        // them before it can act on the one that names a control.
        for (const Chord& chord : row.nameless)
            PressKeys(chord);
        const HWND named = ::GetDlgItem(page, row.namedId);
        const bool checkBox = (Ask(named, WM_GETDLGCODE) & DLGC_BUTTON) != 0;
        const LRESULT check = Ask(named, BM_GETCHECK);
        PressKeys(row.named);
        if (checkBox)
            EXPECT_TRUE(WaitUntil([&] {
                checks[row.namedId] = Ask(named, BM_GETCHECK);
                return checks[row.namedId] != -1 && checks[row.namedId] != check;
            })) << "the check box toggles";
        else
            EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(sheet) == named; })) << "the list takes the focus";
        ASSERT_EQ(row.route.back().pageAfter, ShownPage(sheet))
            << "the sheet answers (-1: it does not), on the page the keys that name nothing left";

        const HWND beforeTab = FocusOfThread(sheet);
        PressKeys({VK_TAB});
        EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(sheet) != beforeTab && FocusInSight(sheet); }))
            << "Tab moves the focus, in sight";
        PressKeys({VK_ESCAPE});
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(sheet); })) << "Escape closes the sheet";
    }

    ASSERT_TRUE(m_program.Close());
    EXPECT_TRUE(m_program.DialogsAtClose().empty());
    ASSERT_TRUE(m_program.Start());
    EXPECT_EQ("Zivoror Udove | harbour | lighthouse", m_program.TreeText());
    HWND sheet = NULL;
    ASSERT_TRUE(OpenSheet(sheet));
    PressKeys({VK_MENU, 'O'});
    ASSERT_TRUE(WaitUntil([&] { return ShownPage(sheet) == 2; }));
    const HWND options = (HWND)Ask(sheet, PSM_GETCURRENTPAGEHWND);
    ASSERT_EQ(2u, checks.size());
    for (const auto& check : checks)
        EXPECT_EQ(check.second, Ask(::GetDlgItem(options, check.first), BM_GETCHECK)) << "check box " << check.first;
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(sheet); }));
    EXPECT_TRUE(m_program.Close());
}

} // namespace
