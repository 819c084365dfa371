// The main frame's task panel: made with the frame and never given a
// window, it takes the task-panel theme of each frame theme; the frame
// answers the panel's notifications, sent to it as the panel would.
#include "MainFrameFixture.h"
#include "resources/Resource.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/controls/XTHeaderCtrl.h"
#include "toolkit/foundation/XTThemeManager.h"
#include "toolkit/taskpanel/themes/XTPTaskPanelShellStylePainter.h"

#include <gtest/gtest.h>

namespace {

TEST_F(MainFrameTest, TaskPanelFollowsTheFrameThemeWithoutAWindow)
{
    struct Row
    {
        UINT nCommand;
        int nTaskPanelTheme;
    } rows[] = {{ID_THEME_OFFICEXP, 10}, {ID_THEME_OFFICE2000, 9}, {ID_THEME_WINXP, 2}, {ID_THEME_OFFICE2003, 12}};
    CXTPTaskPanel& panel = frame->GetTaskPanel();
    for (const Row& row : rows)
    {
        frame->SendMessage(WM_COMMAND, row.nCommand, 0);
        EXPECT_EQ(row.nTaskPanelTheme, panel.GetCurrentTheme()) << row.nCommand;
        EXPECT_TRUE(panel.GetPaintManager() != NULL);
    }
    EXPECT_EQ((HWND)NULL, panel.GetSafeHwnd());
    panel.SetTheme(99);
    EXPECT_TRUE(dynamic_cast<CXTPTaskPanelShellStylePainter*>(panel.GetPaintManager()) != NULL)
        << "an unknown id gives the default painter";
    EXPECT_EQ(99, panel.GetCurrentTheme());
    EXPECT_EQ(0, panel.GetClientHeight()) << "nothing is laid out without a window";
    frame->SetTheme(xtpThemeOffice2003);
    // The Windows XP header look outlives the frame: back to the theme
    // manager's own, so other cases see the header they expect.
    CXTHeaderCtrl::SetSharedTheme(XTThemeManager()->GetTheme());
}

TEST_F(MainFrameTest, TaskPanelClickSelectsTheKeywordOfItsCaption)
{
    CXTTreeCtrl& tree = frame->GetTreeView()->GetTree();
    HTREEITEM hRoot = frame->GetTreeView()->GetRootItem();
    HTREEITEM hTide = tree.InsertItem("tide", hRoot);
    tree.SelectItem(hRoot);
    CXTPTaskPanelGroupItem* pItem = new CXTPTaskPanelGroupItem;
    pItem->SetCaption("tide");
    EXPECT_EQ(0, frame->SendMessage(WM_TASKPANEL_NOTIFY, TPN_CLICK, (LPARAM)pItem));
    EXPECT_EQ(hTide, tree.GetSelectedItem());
    pItem->SetCaption("no such keyword");
    tree.SelectItem(hRoot);
    EXPECT_EQ(0, frame->SendMessage(WM_TASKPANEL_NOTIFY, TPN_CLICK, (LPARAM)pItem));
    EXPECT_EQ(hRoot, tree.GetSelectedItem());
    EXPECT_EQ(0, frame->SendMessage(WM_TASKPANEL_NOTIFY, TPN_DBLCLICK, (LPARAM)pItem)) << "other codes";
    pItem->InternalRelease();
}

// Notes whether a menu is open, then closes it.
bool g_bMenuWasOpen = false;
void CALLBACK CloseTheMenu(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    g_bMenuWasOpen = XTPMouseManager()->GetTrackedCount() > 0;
    XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(MainFrameTest, TaskPanelRightClickShowsTheItemMenu)
{
    CXTPTaskPanelGroupItem* pItem = new CXTPTaskPanelGroupItem;
    g_bMenuWasOpen = false;
    ::SetTimer(NULL, 0, 0, CloseTheMenu);
    EXPECT_EQ(1, frame->SendMessage(WM_TASKPANEL_NOTIFY, TPN_RCLICK, (LPARAM)pItem));
    EXPECT_TRUE(g_bMenuWasOpen);
    pItem->InternalRelease();
}

} // namespace
