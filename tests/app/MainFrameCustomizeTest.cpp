// The main window's Customize command: the frame tells its command bars it
// handles it, and the command runs the customize sheet over them with the
// options page and the main menu's commands by category, "All Commands" and
// "New Menu" last, centred over the window. A reset of the standard tool bar
// gives its new controls the program's tips and language choice back.
#include "MainFrameFixture.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TestWindow.h"

#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControls.h"

#include <map>
#include <ostream>
#include <prsht.h>

namespace {

std::vector<std::string> ListItems(HWND hList)
{
    std::vector<std::string> items;
    for (int i = 0; i < (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0); i++)
    {
        char szItem[128] = "";
        ::SendMessageA(hList, LB_GETTEXT, i, (LPARAM)szItem);
        items.push_back(szItem);
    }
    return items;
}

TEST_F(MainFrameTest, TheFrameLetsItsBarsBeCustomized)
{
    EXPECT_TRUE(frame->GetCommandBars()->IsCustomizeAvail());
}

// What the sheet showed, read once it stood (through a WM_TIMER queued to it).
struct SheetSeen
{
    std::string caption;
    BOOL bCustomizing = FALSE;
    int nPages = 0;
    std::vector<std::string> categories;
};
SheetSeen g_seen;
CXTPCommandBars* g_pCommandBars = NULL;

void CALLBACK ReadSheet(HWND hSheet, UINT, UINT_PTR, DWORD)
{
    char szCaption[64] = "";
    ::GetWindowTextA(hSheet, szCaption, sizeof(szCaption));
    g_seen.caption = szCaption;
    g_seen.bCustomizing = g_pCommandBars->IsCustomizeMode();
    g_seen.nPages = (int)::SendMessageA(PropSheet_GetTabControl(hSheet), TCM_GETITEMCOUNT, 0, 0);
    PropSheet_SetCurSel(hSheet, NULL, 1);
    g_seen.categories = ListItems(::GetDlgItem(PropSheet_GetCurrentPageHwnd(hSheet), XTP_IDC_LIST_CATEGORIES));
    ::PostMessageA(hSheet, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(MainFrameTest, CustomizeRunsTheSheetWithTheMainMenusCategories)
{
    g_seen = SheetSeen();
    g_pCommandBars = frame->GetCommandBars();
    CDialogDriver driver([&](HWND hSheet) { ::PostMessageA(hSheet, WM_TIMER, 1, (LPARAM)ReadSheet); });
    frame->SendMessage(WM_COMMAND, XTP_ID_CUSTOMIZE, 0);
    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("Customize", g_seen.caption);
    EXPECT_TRUE(g_seen.bCustomizing);
    EXPECT_EQ(3, g_seen.nPages) << "toolbars, commands and options";
    EXPECT_EQ(std::vector<std::string>({"Keyword", "File", "News", "View", "Tool", "Upgrade", "Help", "All Commands",
                                        "New Menu"}),
              g_seen.categories);
    EXPECT_FALSE(frame->GetCommandBars()->IsCustomizeMode()) << "customize mode ends with the sheet";
}

// The sheet opens centred over the main window, not over its bars at the
// window's top-left corner.
CRect g_rcSheet;
void CALLBACK ReadSheetPlace(HWND hSheet, UINT, UINT_PTR, DWORD)
{
    ::GetWindowRect(hSheet, &g_rcSheet);
    ::PostMessageA(hSheet, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(MainFrameTest, TheCustomizeSheetOpensCentredOverTheMainWindow)
{
    frame->SetWindowPos(NULL, 100, 80, 900, 700, SWP_NOZORDER);
    g_rcSheet.SetRectEmpty();
    CDialogDriver driver([&](HWND hSheet) { ::PostMessageA(hSheet, WM_TIMER, 1, (LPARAM)ReadSheetPlace); });
    frame->SendMessage(WM_COMMAND, XTP_ID_CUSTOMIZE, 0);
    ASSERT_EQ(1u, driver.seen.size());
    ASSERT_FALSE(g_rcSheet.IsRectEmpty());
    EXPECT_LE(abs(g_rcSheet.CenterPoint().x - 550), 1);
    EXPECT_LE(abs(g_rcSheet.CenterPoint().y - 430), 1);
}

// What the standard tool bar's controls show: each button's tip by its
// command, and the language combo's text.
struct BarLook
{
    std::map<int, std::string> tips;
    std::string language;
    bool operator==(const BarLook& other) const { return tips == other.tips && language == other.language; }
};

std::ostream& operator<<(std::ostream& os, const BarLook& look)
{
    for (const auto& tip : look.tips)
        os << tip.first << ": " << tip.second << "; ";
    return os << "language: " << look.language;
}

CXTPToolBar* StandardBar(CMainFrame* frame)
{
    return frame->GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD);
}

BarLook LookOf(CXTPToolBar* pBar)
{
    BarLook look;
    for (int i = 0; i < pBar->GetControlCount(); i++)
    {
        CXTPControl* pControl = pBar->GetControl(i);
        if (pControl->IsTemporary())
            continue;
        if (pControl->GetType() == xtpControlComboBox)
            look.language = (LPCTSTR)((CXTPControlComboBox*)pControl)->GetEditText();
        else
            look.tips[pControl->GetID()] = (LPCTSTR)pControl->GetTooltip();
    }
    return look;
}

// The user took a button off the bar; the program set the tips and the
// language at start.
BarLook ChangeTheBar(CMainFrame* frame)
{
    CXTPControls* pControls = StandardBar(frame)->GetControls();
    const BarLook atStart = LookOf(StandardBar(frame));
    EXPECT_EQ("English", atStart.language);
    EXPECT_EQ("Add a keyword to let Tidewatch keep tracking updated news on the keyword.",
              atStart.tips.at(ID_ADD_KEYWORD));
    pControls->Remove(pControls->FindControlById(ID_GOTO_URL));
    return atStart;
}

const char kResetQuestion[] = "Are you sure you want to reset the changes made to the 'Standard' toolbar?";

// The chevron's "Add or Remove Buttons" > "Standard" > "Reset", answered OK.
TEST_F(MainFrameTest, AResetFromTheBarsButtonListBringsTheProgramsTipsAndLanguageBack)
{
    const BarLook atStart = ChangeTheBar(frame);
    frame->RecalcLayout();
    CXTPToolBar* pBar = StandardBar(frame);
    CXTPControl* pExpand = pBar->GetControls()->FindControlById(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(pExpand != NULL && pExpand->IsVisible());
    ASSERT_TRUE(pBar->SetPopuped(pExpand->GetIndex()));
    CXTPCommandBar* pExpandPopup = pExpand->GetCommandBar();
    CXTPCommandBar* pBarsList = pExpandPopup->GetControl(pExpandPopup->GetControlCount() - 1)->GetCommandBar();
    CXTPCommandBar* pButtonsList = pBarsList->GetControl(0)->GetCommandBar();
    CXTPControl* pReset = pButtonsList->GetControl(pButtonsList->GetControlCount() - 1);
    ASSERT_EQ("Reset", std::string(pReset->GetCaption()));

    CDialogDriver driver;
    pReset->OnExecute();
    PumpPending();

    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ(kResetQuestion, driver.seen[0].text);
    EXPECT_TRUE(pBar->GetControls()->FindControlById(ID_GOTO_URL) != NULL) << "the bar was reset";
    EXPECT_EQ(atStart, LookOf(pBar));
}

// Customize > Toolbars > "Standard" > "Reset...", answered OK.
void CALLBACK PressReset(HWND hSheet, UINT, UINT_PTR, DWORD)
{
    HWND hPage = PropSheet_GetCurrentPageHwnd(hSheet);
    HWND hList = ::GetDlgItem(hPage, XTP_IDC_LIST_TOOLBARS);
    const int nItem = (int)::SendMessageA(hList, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "Standard");
    ::SendMessageA(hList, LB_SETCURSEL, nItem, 0);
    ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(XTP_IDC_LIST_TOOLBARS, LBN_SELCHANGE), (LPARAM)hList);
    ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(XTP_IDC_BUTTON_RESET, BN_CLICKED),
                   (LPARAM)::GetDlgItem(hPage, XTP_IDC_BUTTON_RESET));
    ::PostMessageA(hSheet, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(MainFrameTest, AResetFromTheToolbarsPageBringsTheProgramsTipsAndLanguageBack)
{
    const BarLook atStart = ChangeTheBar(frame);
    CDialogDriver driver([&](HWND hWnd) {
        if (::GetDlgItem(hWnd, 0xFFFF) != NULL) // the question
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        else
            ::PostMessageA(hWnd, WM_TIMER, 1, (LPARAM)PressReset);
    });
    frame->SendMessage(WM_COMMAND, XTP_ID_CUSTOMIZE, 0);

    ASSERT_EQ(2u, driver.seen.size());
    EXPECT_EQ(kResetQuestion, driver.seen[1].text);
    CXTPToolBar* pBar = StandardBar(frame);
    EXPECT_TRUE(pBar->GetControls()->FindControlById(ID_GOTO_URL) != NULL) << "the bar was reset";
    EXPECT_EQ(atStart, LookOf(pBar));
}

// The menu bar's reset ("Menu Bar" on the toolbars page), answered OK: the
// menus' commands keep the program's long descriptions, which the status
// bar shows for the item under the mouse.
TEST_F(MainFrameTest, AResetOfTheMenuBarBringsTheProgramsDescriptionsBack)
{
    CXTPMenuBar* pMenuBar = frame->GetCommandBars()->GetMenuBar();
    auto description = [pMenuBar]() {
        CXTPControl* pItem = pMenuBar->GetControls()->FindControl(xtpControlButton, ID_ADD_KEYWORD, TRUE, TRUE);
        return pItem != NULL ? std::string(pItem->GetDescription()) : std::string("(none)");
    };
    const std::string atStart = description();
    ASSERT_EQ("Add a keyword to let Tidewatch keep tracking updated news on the keyword.", atStart);
    pMenuBar->GetControls()->Remove(pMenuBar->GetControls()->GetCount() - 1);

    CDialogDriver driver;
    pMenuBar->Reset();
    PumpPending();

    ASSERT_EQ(1u, driver.seen.size()) << "the reset asks first";
    EXPECT_EQ(atStart, description());
}

} // namespace
