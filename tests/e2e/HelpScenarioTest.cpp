// The help file as the running program opens it: Help > Index, pressed as
// its shortcut Ctrl+F2, opens the help window on its index tab, which lists
// the entries of the index that the help project compiles into the file.
#include "ScenarioFixture.h"

#include "RemoteMemory.h"

#include <algorithm>

namespace {

const SIZE_T kTextOffset = 256;
const int kTextChars = 256;

class HelpScenario : public ScenarioFixture
{
protected:
    DWORD ProcessId() const { return ::GetProcessId(m_program.ProcessHandle()); }

    // The program's help window, once shown.
    HWND WaitForHelpWindow() const
    {
        HWND help = NULL;
        WaitUntil([&] {
            help = FindTopLevel([&](HWND hwnd) {
                return ProcessOf(hwnd) == ProcessId() && ::IsWindowVisible(hwnd)
                       && ClassOf(hwnd) == "HH Parent";
            });
            return help != NULL;
        });
        return help;
    }

    // The text that the window writes into the record's text field for the
    // message (TCM_GETITEMA, LVM_GETITEMTEXTA, ...): the record goes to a
    // block of the program's memory, its text field pointing into the block.
    template <typename Record>
    std::string AskText(HWND window, UINT message, WPARAM wParam, Record record) const
    {
        RemoteMemory block(ProcessId(), kTextOffset + kTextChars);
        record.pszText = (LPSTR)block.Address(kTextOffset);
        record.cchTextMax = kTextChars;
        char text[kTextChars] = "";
        DWORD_PTR answer = 0;
        if (!block.Write(0, &record, sizeof record)
            || !::SendMessageTimeoutA(window, message, wParam, (LPARAM)block.Address(0), SMTO_BLOCK,
                                      kStateWaitMs, &answer)
            || !block.Read(kTextOffset, text, kTextChars - 1))
            return std::string();
        return text;
    }

    // The text of a tab of the tab control, without the mark of its
    // mnemonic.
    std::string TabText(HWND tabs, int index) const
    {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        std::string shown = AskText(tabs, TCM_GETITEMA, index, item);
        shown.erase(std::remove(shown.begin(), shown.end(), '&'), shown.end());
        return shown;
    }

    // The texts of the list's rows, in order, joined by " | ".
    std::string ListText(HWND list) const
    {
        std::string joined;
        int count = (int)::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
        for (int row = 0; row < count; ++row)
            joined += (row == 0 ? "" : " | ") + AskText(list, LVM_GETITEMTEXTA, row, LVITEMA{});
        return joined;
    }
};

TEST_F(HelpScenario, CtrlF2OpensTheIndexTabListingTheIndexEntries)
{
    ASSERT_TRUE(StartProgram({}));
    HWND main = m_program.MainWindow();
    ::SetForegroundWindow(main);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }));
    PressShortcut(VK_CONTROL, VK_F2);

    HWND help = WaitForHelpWindow();
    ASSERT_TRUE(help != NULL) << "Ctrl+F2 opened no help window";
    // The window shows before it has made its panes.
    auto visible = [&](const char* className) {
        return FindDescendant(
            help, [&](HWND hwnd) { return ::IsWindowVisible(hwnd) && ClassOf(hwnd) == className; });
    };
    HWND tabs = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (tabs = visible(WC_TABCONTROLA)) != NULL; }))
        << "the help window has no tabs";
    int shown = (int)::SendMessageA(tabs, TCM_GETCURSEL, 0, 0);
    EXPECT_EQ("Index", TabText(tabs, shown)) << "the tab shown";

    // The index's keywords, as the help project's index file has them.
    const std::string entries =
        "Add Keyword | alarm sound | balloons | Check for All Keyword | Check for Upgrade | check interval | "
        "Check News | conf.xml | Desktop Alert | Edit Keyword | Export to XML File | Goto Url | "
        "Import from XML File | keyword tree | Mark as Read | news list | notification area | Options | "
        "preview pane | Remove Keyword | status bar | themes | upgrade | Welcome";
    std::string listed;
    EXPECT_TRUE(WaitUntil([&] {
        HWND list = visible(WC_LISTVIEWA);
        listed = list != NULL ? ListText(list) : "(no list)";
        return listed == entries;
    })) << "the index tab lists: "
        << listed;

    ::PostMessageA(help, WM_CLOSE, 0, 0);
    EXPECT_TRUE(m_program.Close());
    EXPECT_TRUE(m_program.DialogsAtClose().empty());
}

} // namespace
