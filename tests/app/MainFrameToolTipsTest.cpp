// The tool tips of the main window's bars belong to the window, as a user
// meets them resting the mouse on a button: a tip over a docked bar is owned
// by the main window, one over a floating bar by the bar, which the main
// window owns; and no tip window of the program stands unowned among the
// top-level windows, which a task bar lists as windows of their own.
#include "MainFrameFixture.h"
#include "resources/Resource.h"
#include "tests/support/RealInput.h"
#include "tests/support/TestWindow.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

BOOL CALLBACK AddToolTip(HWND hWnd, LPARAM lParam)
{
    char name[32] = "";
    ::GetClassNameA(hWnd, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0)
        ((std::vector<HWND>*)lParam)->push_back(hWnd);
    return TRUE;
}

// Every tip window of this thread.
std::vector<HWND> ThreadToolTips()
{
    std::vector<HWND> tips;
    ::EnumThreadWindows(::GetCurrentThreadId(), AddToolTip, (LPARAM)&tips);
    return tips;
}

HWND ShownToolTip()
{
    for (HWND hWnd : ThreadToolTips())
    {
        if (::IsWindowVisible(hWnd))
            return hWnd;
    }
    return NULL;
}

// The screen middle of the bar's first button.
CPoint FirstButtonOf(CXTPToolBar* pBar)
{
    for (int i = 0; i < pBar->GetControls()->GetCount(); i++)
    {
        CXTPControl* pControl = pBar->GetControl(i);
        if (pControl->GetType() == xtpControlButton && pControl->IsVisible())
        {
            CRect rc = pControl->GetRect();
            pBar->ClientToScreen(&rc);
            return rc.CenterPoint();
        }
    }
    ADD_FAILURE() << "the bar has a button";
    return CPoint(0, 0);
}

TEST_F(MainFrameTest, AToolTipOfTheBarsBelongsToTheWindowItShowsOver)
{
    for (bool bFloating : {false, true})
    {
        const char* name = bFloating ? "a floating bar" : "a docked bar";
        CXTPToolBar* pBar = frame->GetCommandBars()->GetToolBar(IDR_TOOLBAR_STANDARD);
        if (bFloating)
        {
            ASSERT_TRUE(frame->GetCommandBars()->FloatCommandBar(pBar));
            CRect rcFrame;
            frame->GetWindowRect(&rcFrame);
            pBar->PlaceFloating(rcFrame.TopLeft() + CSize(100, 150));
            PumpPending();
        }
        MoveMouseTo(FirstButtonOf(pBar));
        ASSERT_TRUE(PumpPendingUntil([] { return ShownToolTip() != NULL; })) << name;
        const HWND hWndTip = ShownToolTip();
        EXPECT_EQ(bFloating ? pBar->m_hWnd : frame->m_hWnd, ::GetWindow(hWndTip, GW_OWNER)) << name;
        EXPECT_EQ(frame->m_hWnd, ::GetAncestor(hWndTip, GA_ROOTOWNER)) << name;
        for (HWND hWnd : ThreadToolTips())
            EXPECT_TRUE(::GetWindow(hWnd, GW_OWNER) != NULL) << name << ": an unowned tip window";

        MoveMouseTo(CPoint(0, ::GetSystemMetrics(SM_CYSCREEN) - 1));
        ASSERT_TRUE(PumpPendingUntil([] { return ShownToolTip() == NULL; })) << name;
        // Each case on a window of its own: the tip keeps the button while
        // the mouse rests where no window is.
        DestroyFrame();
        CreateFrame();
    }
}

} // namespace
