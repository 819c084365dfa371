// Customizing that must last, by real input in the customize sheet and
// through the program's own closing and starting: a copy of a menu dropped
// on no bar leaves the menu bar as it was (a move dropped there takes the
// menu off), and "Always show full menus" ticked on the Options page stays
// ticked, start after start.
#include "MainFrameFixture.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/RealInput.h"
#include "tests/support/TestWindow.h"

#include "app/SkellrunView.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"

#include <prsht.h>
#include <shlwapi.h>

namespace {

// The step that runs in the open customize sheet (from a timer of its own
// loop); the sheet is closed after it.
std::function<void(HWND)> g_sheetStep;

void CALLBACK RunSheetStep(HWND hSheet, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(hSheet, 1);
    g_sheetStep(hSheet);
    ::PostMessageA(hSheet, WM_COMMAND, IDCANCEL, 0);
}

// The main frame over a command-bar state of its own: whatever earlier runs
// saved under the program's profile is forgotten before and after.
class MainFrameCustomizeStateTest : public MainFrameTest
{
protected:
    void SetUp() override
    {
        // The options are saved under the application's registry key.
        AfxGetApp()->SetRegistryKey("Quorvane Tidewatch Test Applications");
        ForgetCommandBarState();
        MainFrameTest::SetUp();
        PlaceFrame();
    }
    void TearDown() override
    {
        MainFrameTest::TearDown();
        ForgetCommandBarState();
    }

    // Every profile section that the command bars keep, "<profile>-..." included.
    static void ForgetCommandBarState()
    {
        HKEY hAppKey = AfxGetApp()->GetAppRegistryKey();
        ASSERT_TRUE(hAppKey != NULL);
        for (const std::string& name : CommandBarStateKeys())
            ::SHDeleteKeyA(hAppKey, name.c_str());
        ::RegCloseKey(hAppKey);
    }

    // The window at the desktop's top-left corner, so that the sheet can
    // stand beside its bars and the desktop shows right of it.
    void PlaceFrame()
    {
        frame->SetWindowPos(NULL, 0, 0, 860, 640, SWP_NOZORDER);
        frame->RecalcLayout();
        PumpPending();
    }

    // The program closed (saving as it does) and started again; over no
    // saved state at all when bForget.
    void Restart(bool bForget = false)
    {
        frame->SendMessage(WM_CLOSE, 0, 0);
        frame = NULL; // the window destroyed itself
        if (bForget)
            ForgetCommandBarState();
        CreateFrame();
        PlaceFrame();
    }

    // Customize > the step, with the sheet moved to the desktop's lower
    // right, clear of the bars and the news list.
    void InSheet(const std::function<void(HWND)>& step)
    {
        bool bStarted = false;
        g_sheetStep = [&](HWND hSheet) {
            ::SetWindowPos(hSheet, NULL, 880, 560, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            PumpPending();
            step(hSheet);
        };
        CDialogDriver driver([&](HWND hSheet) {
            if (!bStarted)
                ::PostMessageA(hSheet, WM_TIMER, 1, (LPARAM)RunSheetStep);
            bStarted = true;
        });
        frame->SendMessage(WM_COMMAND, XTP_ID_CUSTOMIZE, 0);
        EXPECT_TRUE(bStarted);
    }

    // The menu bar's captions, in order.
    std::vector<std::string> MenuCaptions() const
    {
        std::vector<std::string> captions;
        CXTPCommandBar* pMenuBar = frame->GetCommandBars()->GetMenuBar();
        for (int i = 0; i < pMenuBar->GetControlCount(); i++)
            captions.push_back((LPCTSTR)pMenuBar->GetControl(i)->GetCaption());
        return captions;
    }
    CXTPControl* MenuControl(const char* caption) const
    {
        CXTPCommandBar* pMenuBar = frame->GetCommandBars()->GetMenuBar();
        for (int i = 0; i < pMenuBar->GetControlCount(); i++)
            if (pMenuBar->GetControl(i)->GetCaption() == caption)
                return pMenuBar->GetControl(i);
        return NULL;
    }
    CPoint ScreenCenterOf(CXTPControl* pControl) const
    {
        CPoint pt = pControl->GetRect().CenterPoint();
        pControl->GetParent()->ClientToScreen(&pt);
        return pt;
    }
};

// "Tool" of the menu bar dragged in customize mode and released over the
// news list or the bare desktop, with or without Ctrl: a copy leaves the
// menu bar as it was, a move takes "Tool" off; either way the next three
// starts show what the drag left.
TEST_F(MainFrameCustomizeStateTest, ACopyDroppedOnNoBarKeepsTheMenuAndAMoveRemovesIt)
{
    enum Place { newsList, desktop };
    struct Row
    {
        const char* name;
        bool bCtrl;
        Place place;
        bool bToolStays;
    };
    const Row rows[] = {
        {"a copy dropped on the news list", true, newsList, true},
        {"a copy dropped on the desktop", true, desktop, true},
        {"a move dropped on the desktop", false, desktop, false},
        {"a move dropped on the news list", false, newsList, false},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        const std::vector<std::string> before = MenuCaptions();
        ASSERT_TRUE(MenuControl("Tool") != NULL);
        std::vector<std::string> expected = before;
        if (!row.bToolStays)
            expected.erase(std::find(expected.begin(), expected.end(), "Tool"));

        InSheet([&](HWND) {
            frame->GetCommandBars()->SetDragControl(NULL);
            CPoint ptDrop(1200, 80);
            if (row.place == newsList)
            {
                CRect rcList;
                frame->GetNewsList()->GetWindowRect(&rcList);
                ptDrop = rcList.CenterPoint();
            }
            CXTPControl* pTool = MenuControl("Tool");
            const CPoint ptTool = ScreenCenterOf(pTool);
            if (row.bCtrl)
                DragScreen(ptTool, ptDrop, {VK_CONTROL});
            else
                DragScreen(ptTool, ptDrop);
            // The press selects the control for customizing; a copy keeps it.
            EXPECT_TRUE(PumpPendingUntil([&] {
                return row.bToolStays ? frame->GetCommandBars()->GetDragControl() == pTool
                                      : MenuCaptions() == expected;
            }));
            EXPECT_EQ(expected, MenuCaptions()) << "in the sheet";
        });
        for (int nStart = 1; nStart <= 3; nStart++)
        {
            Restart();
            EXPECT_EQ(expected, MenuCaptions()) << "start " << nStart;
        }
        if (!row.bToolStays)
            Restart(true);
    }
}

// "Always show full menus" (which the program turns off before it loads the
// saved state) ticked on the Options page by a click: the next three starts
// show full menus; unticked again, short menus come back the same way.
TEST_F(MainFrameCustomizeStateTest, FullMenusChosenOnTheOptionsPageStayChosenStartAfterStart)
{
    CXTPCommandBarsOptions* pOptions = frame->GetCommandBars()->GetCommandBarsOptions();
    ASSERT_FALSE(pOptions->bAlwaysShowFullMenus) << "the program's short menus at the first start";
    for (BOOL bFullMenus : {TRUE, FALSE})
    {
        InSheet([&](HWND hSheet) {
            PropSheet_SetCurSel(hSheet, NULL, 2);
            HWND hCheck = ::GetDlgItem(PropSheet_GetCurrentPageHwnd(hSheet), XTP_IDC_CHECK_FULL_MENUS);
            ASSERT_TRUE(hCheck != NULL);
            CRect rcCheck;
            ::GetWindowRect(hCheck, &rcCheck);
            ClickScreen(CPoint(rcCheck.left + 6, rcCheck.CenterPoint().y));
            EXPECT_TRUE(PumpPendingUntil([&] {
                return frame->GetCommandBars()->GetCommandBarsOptions()->bAlwaysShowFullMenus == bFullMenus;
            }));
        });
        for (int nStart = 1; nStart <= 3; nStart++)
        {
            Restart();
            EXPECT_EQ(bFullMenus, frame->GetCommandBars()->GetCommandBarsOptions()->bAlwaysShowFullMenus)
                << (bFullMenus ? "ticked" : "unticked") << ", start " << nStart;
        }
    }
}

} // namespace
