// The main window's Customize command: the frame tells its command bars it
// handles it, and the command runs the customize sheet over them with the
// options page and the main menu's commands by category, "All Commands" and
// "New Menu" last, centred over the window.
#include "MainFrameFixture.h"
#include "tests/support/DialogDriver.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"

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

} // namespace
