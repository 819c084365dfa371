// The compiled resources of Tidewatch.exe against the program's own tables:
// the menus of the main window, the tray icon, the keyword tree and the news
// list, the shortcuts, the "Standard" tool bar, the dialogs' controls and the
// strings; and what the main frame adds to them when it builds its bars: the
// commands hidden from the short menus and the tool tips. The program file
// is loaded as data, as the shell reads it.
#include "MainFrameFixture.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Rows;

class ProgramResources : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_hProgram = ::LoadLibraryExA(TW_PROGRAM_FILE, NULL, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite()
    {
        if (s_hProgram != NULL)
            ::FreeLibrary(s_hProgram);
        s_hProgram = NULL;
    }
    void SetUp() override { ASSERT_TRUE(s_hProgram != NULL) << TW_PROGRAM_FILE; }

    // One row per item: its text (without trailing blanks; the shortcut after
    // the tab in brackets when bShortcuts) and id, "-" for a separator, and a
    // popup's title with " >" followed by its items, indented.
    static void DescribeMenu(HMENU hMenu, BOOL bShortcuts, const std::string& indent, Rows& rows)
    {
        for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
        {
            char text[256] = "";
            MENUITEMINFOA info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = sizeof(text);
            ::GetMenuItemInfoA(hMenu, i, TRUE, &info);
            if (info.fType & MFT_SEPARATOR)
            {
                rows.push_back(indent + "-");
                continue;
            }
            std::string caption = text, shortcut;
            const size_t tab = caption.find('\t');
            if (tab != std::string::npos)
            {
                shortcut = caption.substr(tab + 1);
                caption.erase(tab);
            }
            caption.erase(caption.find_last_not_of(' ') + 1);
            if (info.hSubMenu != NULL)
            {
                rows.push_back(indent + caption + " >");
                DescribeMenu(info.hSubMenu, bShortcuts, indent + "  ", rows);
                continue;
            }
            if (bShortcuts && !shortcut.empty())
                caption += " (" + shortcut + ")";
            rows.push_back(indent + caption + " " + std::to_string(info.wID));
        }
    }
    static Rows Menu(UINT nID, BOOL bShortcuts)
    {
        Rows rows;
        HMENU hMenu = ::LoadMenuA(s_hProgram, MAKEINTRESOURCEA(nID));
        if (hMenu == NULL)
            return {"no menu " + std::to_string(nID)};
        DescribeMenu(hMenu, bShortcuts, "", rows);
        ::DestroyMenu(hMenu);
        return rows;
    }

    static HMODULE s_hProgram;
};
HMODULE ProgramResources::s_hProgram = NULL;

TEST_F(ProgramResources, MainMenuHoldsThePopupsAndCommandsOfTheTable)
{
    Rows rows = Menu(128, FALSE);
    // The title of the popup after "Tool" is the program's choice.
    int nTopLevel = 0;
    for (std::string& row : rows)
        if (row[0] != ' ' && nTopLevel++ == 5)
            row = "(its own title) >";
    EXPECT_EQ(Rows({"&Keyword >",
                    "  Edit Keyword 32857",
                    "  Add Keyword 32814",
                    "  Remove All Keyword 32817",
                    "  Remove Keyword 32812",
                    "  Check News 32813",
                    "  Check for All Keyword 32828",
                    "  Mark as Read 32815",
                    "  -",
                    "  E&xit 57665",
                    "File >",
                    "  Import from XML File 32825",
                    "  Export to XML File 32824",
                    "&News >",
                    "  &Goto Url 32816",
                    "&View >",
                    "  &Toolbar 59392",
                    "  &Status Bar 59393",
                    "  -",
                    "  Theme >",
                    "    Office &2000 Theme 32804",
                    "    Office &XP Theme 32803",
                    "    Office 200&3 Theme 32805",
                    "    Win XP Theme 32807",
                    "Tool >",
                    "  Options 32822",
                    "(its own title) >",
                    "  Check for Upgrade 32855",
                    "&Help >",
                    "  Contents 57670",
                    "  Index... 57666",
                    "  Search 32851",
                    "  Quorvane on the Web >",
                    "    Online Support 32843",
                    "    Frequently Asked Questions 32844",
                    "    Online Forum 32845",
                    "    Home Page 32846",
                    "  &About Tidewatch... 57664"}),
              rows);
}

TEST_F(ProgramResources, ContextMenusHoldTheirEntries)
{
    const std::pair<UINT, Rows> menus[] = {
        {131, {"Item >", "  Cease Animation 32834", "  Cease Bollontip Notification 32833"}},
        {152,
         {"Keyword Menu >", "  Edit Keyword (Ctrl+D) 32857", "  Add Keyword (Ctrl+A) 32814",
          "  Remove All (Ctrl+Alt+R) 32817", "  Remove (Ctrl+R) 32812", "  Check All (Ctrl+Alt+C) 32828",
          "  Check News (Ctrl+C) 32813", "  Mark As Read (Ctrl+M) 32815"}},
        {157, {"List Menu >", "  Goto Url 32816"}},
    };
    for (const auto& [nID, expected] : menus)
    {
        Rows rows = Menu(nID, TRUE);
        // The tray menu's popup title is the program's choice; its entries are not.
        if (nID == 131 && !rows.empty())
            rows[0] = "Item >";
        EXPECT_EQ(expected, rows) << "menu " << nID;
    }
}

std::string ShortcutText(const ACCEL& accel)
{
    std::string text;
    if (accel.fVirt & FCONTROL)
        text += "Ctrl+";
    if (accel.fVirt & FALT)
        text += "Alt+";
    if (accel.fVirt & FSHIFT)
        text += "Shift+";
    if (accel.key >= VK_F1 && accel.key <= VK_F24)
        text += "F" + std::to_string(accel.key - VK_F1 + 1);
    else
        text += (char)accel.key;
    return text + ((accel.fVirt & FVIRTKEY) ? "" : " (a character)") + " " + std::to_string(accel.cmd);
}

TEST_F(ProgramResources, ShortcutsAreTheTablesOwn)
{
    HACCEL hAccel = ::LoadAcceleratorsA(s_hProgram, MAKEINTRESOURCEA(128));
    ASSERT_TRUE(hAccel != NULL);
    std::vector<ACCEL> entries(::CopyAcceleratorTableA(hAccel, NULL, 0));
    ::CopyAcceleratorTableA(hAccel, entries.data(), (int)entries.size());
    ::DestroyAcceleratorTable(hAccel);
    Rows rows;
    for (const ACCEL& accel : entries)
        rows.push_back(ShortcutText(accel));
    std::sort(rows.begin(), rows.end());
    Rows expected = {"Ctrl+A 32814",       "Ctrl+C 32813",      "Ctrl+Alt+C 32828", "Ctrl+D 32857",
                     "Ctrl+E 32824",       "Ctrl+G 32816",      "Ctrl+I 32825",     "Ctrl+M 32815",
                     "Ctrl+O 32822",       "Ctrl+R 32812",      "Ctrl+Alt+R 32817", "Ctrl+U 32855",
                     "Ctrl+F1 57670",      "Ctrl+F2 57666",     "Ctrl+F3 32851",    "Shift+F6 57681"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, rows);
}

TEST_F(ProgramResources, StandardToolBarHoldsItsButtonsInOrder)
{
    HRSRC hResource = ::FindResourceA(s_hProgram, MAKEINTRESOURCEA(130), MAKEINTRESOURCEA(241));
    ASSERT_TRUE(hResource != NULL);
    const WORD* pWords = (const WORD*)::LockResource(::LoadResource(s_hProgram, hResource));
    ASSERT_TRUE(pWords != NULL);
    ASSERT_EQ(::SizeofResource(s_hProgram, hResource), (4u + pWords[3]) * sizeof(WORD));
    EXPECT_EQ(std::vector<WORD>({1, 16, 15}), std::vector<WORD>(pWords, pWords + 3)) << "version and image size";
    EXPECT_EQ(std::vector<WORD>({32814, 0, 32817, 0, 32812, 0, 32828, 0, 32813, 0, 32815, 0, 32816, 0, 32802,
                                 57664}),
              std::vector<WORD>(pWords + 4, pWords + 4 + pWords[3]));
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST_F(ProgramResources, DialogsHoldTheirControls)
{
    struct Row
    {
        UINT nID;
        const char* title;
        // Each control as its id (-1 for none) and, for buttons and static
        // texts whose text the program's table gives, the text (the About
        // box's icon comes first).
        Rows controls;
        std::set<int> textsOfTheirOwn; // ids whose texts are the program's choice
    } rows[] = {
        {156, "Add Keyword", {"-1 Keyword:", "1002", "1 Ok", "2 Cancel"}, {}},
        {166, "Change Keyword", {"-1 New Keyword:", "1018", "1 Ok", "2 Cancel"}, {}},
        {159,
         "About Tidewatch",
         {"-1", "-1 Tidewatch 2.0", "-1 Company Home Page:", "1004", "-1 Tech Forum:", "1005", "-1 Our Support Team:",
          "1006", "1 OK"},
         {1004, 1005, 1006}},
        {163,
         "Options",
         {"-1 Automatic Check", "1003 Schedule an automatic check every", "1005", "1006", "-1 minutes",
          "1004 Perform an automatic check for updated news when started", "-1 When updated news was gotten",
          "1007 Play a sound", "1008 Display a Desktop Alert",
          "1009 Don't display Desktop Alert for the 1st time automatic check",
          "1010 The Desktop Alert should appear for", "1011", "1012", "1013 seconds", "-1 Check for upgrade",
          "1015 Check for Upgrade when Tidewatch was started", "1 Ok", "2 Cancel", "57670 Help"},
         {}},
    };
    for (const Row& row : rows)
    {
        HWND hDialog = ::CreateDialogParamA(s_hProgram, MAKEINTRESOURCEA(row.nID), NULL, QuietDialogProc, 0);
        ASSERT_TRUE(hDialog != NULL) << row.nID;
        char text[256];
        ::GetWindowTextA(hDialog, text, sizeof(text));
        EXPECT_STREQ(row.title, text) << row.nID;
        Rows controls;
        for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            const int nID = ::GetDlgCtrlID(hChild) == 0xFFFF ? -1 : ::GetDlgCtrlID(hChild);
            char className[64];
            ::GetClassNameA(hChild, className, sizeof(className));
            ::GetWindowTextA(hChild, text, sizeof(text));
            const bool bIcon = (::GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
            const bool bText = (lstrcmpiA(className, "Button") == 0 || (lstrcmpiA(className, "Static") == 0 && !bIcon))
                               && text[0] != 0 && row.textsOfTheirOwn.count(nID) == 0;
            controls.push_back(std::to_string(nID) + (bText ? std::string(" ") + text : ""));
        }
        ::DestroyWindow(hDialog);
        EXPECT_EQ(row.controls, controls) << row.nID;
    }
}

TEST_F(ProgramResources, StringsAreTheTablesOwn)
{
    const std::pair<UINT, const char*> strings[] = {
        {131, "Zivoror Udove"},
        {57344, "Tidewatch"},
        {9300, "&Add or Remove Buttons"},
        {9307, "Close"},
        {9312, "Customize"},
        {9314, "New Menu"},
        {9330, "Custom %d"},
        {9331, "The toolbar name cannot be blank. Type a name."},
        {9332, "Sorry you have reached your limit."},
        {9333, "A toolbar named '%s' already exists. Type another name."},
        {9334, "Rename Toolbar"},
        {9337, "All Commands"},
        {9349, "Are you sure you want to reset the changes made to the '%s' toolbar?"},
        {9350, "Built-in Menus"},
        {9369, "\nCopy"},
        {9370, "\nPaste"},
        {9371, "\nClear"},
        {9372, "\nUndo"},
        {9373, "\nRedo"},
        {9374, "\nImport from File"},
        {9394, "Due to a software update the toolbar '%s' has changed. Would you like to reset your customized "
               "toolbar and load the new one?"},
        {9395, "Reset"},
        {9400, "\nToolbar Options"},
        {9401, "\nClose"},
    };
    for (const auto& [nID, expected] : strings)
    {
        char text[512] = "";
        ::LoadStringA(s_hProgram, nID, text, sizeof(text));
        EXPECT_STREQ(expected, text) << "string " << nID;
    }
}

// The commands the main frame hides from the short menus, and the tool tips
// (and status prompts) it gives the menu bar's and the tool bar's buttons.
TEST_F(MainFrameTest, HidesTheTwelveCommandsAndGivesTheButtonsTheirTips)
{
    CXTPCommandBars* pCommandBars = frame->GetCommandBars();
    EXPECT_EQ(std::set<UINT>({57604, 57609, 57635, 57634, 57637, 59393, 32786, 32788, 32793, 32795, 32797,
                              32799}),
              pCommandBars->GetCommandBarsOptions()->m_mapHiddenCommands);
    const struct
    {
        UINT nID;
        const char* text;
        bool bToolBar;
    } tips[] = {
        {32814, "Add a keyword to let Tidewatch keep tracking updated news on the keyword.", true},
        {32817, "Remove all keywords in keywords box.", true},
        {32812, "Remove the selected keyword from the keywords box.", true},
        {32813, "Search updated news on the selected keyword.", true},
        {32828, "Search updated news on all the keywords.", true},
        {32815, "Mark the selected item read.", true},
        {32825, "Import keyword group from a XML file.", false},
        {32824, "Export keyword group to a XML file.", false},
        {32816, "Open an IE window to read the news.", true},
        {32855, "Check if an upgrade is available to your current version.", false},
    };
    CXTPCommandBar* bars[] = {pCommandBars->GetMenuBar(), pCommandBars->GetToolBar(130)};
    for (const auto& tip : tips)
    {
        for (CXTPCommandBar* pBar : bars)
        {
            if (pBar == pCommandBars->GetToolBar(130) && !tip.bToolBar)
                continue;
            CXTPControl* pControl = pBar->GetControls()->FindControl(xtpControlButton, tip.nID, FALSE, TRUE);
            ASSERT_TRUE(pControl != NULL) << tip.nID;
            EXPECT_EQ(std::string(tip.text) + "|" + tip.text,
                      std::string(pControl->GetTooltip()) + "|" + (LPCTSTR)pControl->GetDescription())
                << tip.nID;
        }
    }
}

} // namespace
