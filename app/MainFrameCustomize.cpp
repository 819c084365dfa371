// The Customize command of the main window: the customize sheet over the
// frame's command bars, with the options page and the commands of the main
// menu by category. What the user changes stays, and is saved with the bar
// state when the window closes. A tool bar reset (from the sheet or the
// bar's own "Add or Remove Buttons" list) gets the program's tips and
// language choice back.
#include "app/MainFrame.h"

#include "resources/Resource.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/customize/XTPCustomizeCommandsPage.h"
#include "toolkit/commandbars/customize/XTPCustomizeOptionsPage.h"
#include "toolkit/commandbars/customize/XTPCustomizeSheet.h"

void CMainFrame::OnCustomize()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars == NULL)
        return;
    // The sheet lists the commands with their images.
    AddPendingMenuImages();
    CXTPCustomizeSheet sheet(pCommandBars);
    CXTPCustomizeOptionsPage pageOptions(&sheet);
    sheet.AddPage(&pageOptions);
    CXTPCustomizeCommandsPage* pCommands = sheet.GetCommandsPage();
    pCommands->InsertCategories(IDR_MAINFRAME, FALSE);
    pCommands->InsertAllCommandsCategory(XTP_IDS_ALL_COMMANDS, -1);
    pCommands->InsertNewMenuCategory(XTP_IDS_NEW_MENU, -1);
    sheet.DoModal();
}

LRESULT CMainFrame::OnToolBarReset(WPARAM, LPARAM lParam)
{
    SetUpBarControls((CXTPCommandBar*)lParam);
    return 0;
}
