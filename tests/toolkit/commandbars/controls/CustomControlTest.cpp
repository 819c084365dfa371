// The hosted-window control on a real toolbar: the window moves onto the
// bar inside the control's borders, follows the control's state, hands its
// mouse moves to the bar, gives way to a button when hidden, keeps or hides
// on a vertical bar as its option says, and is found again after loading.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlCustom.h"
#include "toolkit/commandbars/controls/XTPControlLabel.h"

namespace {

const int kZoomId = 3200;

class CustomControlTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        pBar = frame->GetToolBar();
        // The program's window, made as a child of the frame like a dialog item.
        wndZoom.Create("EDIT", "100%", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 60, 18), frame, kZoomId);
        pCustom = CXTPControlCustom::CreateControlCustom(&wndZoom);
        pBar->GetControls()->AddControl(pCustom, ID_TEST_NEW);
        pCustom->SetBorders(2, 1, 3, 1);
        frame->RecalcLayout();
        PumpPending();
    }

    CXTPToolBar* pBar = nullptr;
    CWnd wndZoom;
    CXTPControlCustom* pCustom = nullptr;
};

TEST_F(CustomControlTest, TheWindowStandsOnTheBarInsideTheBorders)
{
    EXPECT_EQ(pBar->m_hWnd, ::GetParent(wndZoom.m_hWnd));
    EXPECT_EQ(kZoomId, pCustom->GetControlID());
    EXPECT_EQ(CSize(60 + 5, 18 + 2), pCustom->GetRect().Size());
    CRect rc = pCustom->GetRect();
    EXPECT_EQ(CRect(rc.left + 2, rc.top + 1, rc.right - 3, rc.bottom - 1), RectInParent(&wndZoom));
    EXPECT_TRUE(wndZoom.IsWindowVisible());
}

TEST_F(CustomControlTest, TheWindowFollowsTheControlsStateAndHideFlags)
{
    pCustom->SetEnabled(FALSE);
    EXPECT_FALSE(wndZoom.IsWindowEnabled());
    pCustom->SetEnabled(TRUE);
    EXPECT_TRUE(wndZoom.IsWindowEnabled());

    pCustom->SetHideFlags(xtpHideGeneric);
    EXPECT_FALSE(wndZoom.IsWindowVisible());
    pCustom->SetHideFlags(xtpHideNone);
    EXPECT_TRUE(wndZoom.IsWindowVisible());
}

TEST_F(CustomControlTest, APressOnTheShownWindowIsNoClickButAHiddenOneActsAsAButton)
{
    Click(pCustom);
    EXPECT_FALSE(Logged("command new"));

    wndZoom.ShowWindow(SW_HIDE);
    Click(pCustom);
    EXPECT_TRUE(Logged("command new"));
}

TEST_F(CustomControlTest, AVerticalBarDoesWhatTheOptionSays)
{
    struct Row
    {
        const char* name;
        int nOption;
        DWORD dwHideFlags;
        BOOL bWindowVisible;
        BOOL bShownByOption;
    } rows[] = {
        {"the control hides", xtpVerticalHide, xtpHideDockingPosition, FALSE, TRUE},
        {"nothing changes", xtpVerticalShow, xtpHideNone, TRUE, TRUE},
        {"a button in place of the window", xtpVerticalButtonOnly, xtpHideNone, FALSE, FALSE},
    };
    for (const Row& row : rows)
    {
        pCustom->SetVerticalPositionOption(row.nOption);
        pCustom->OnCalcDynamicSize(xtpLayoutVertDock);
        EXPECT_EQ(row.dwHideFlags, pCustom->GetHideFlags()) << row.name;
        EXPECT_EQ(row.bWindowVisible, wndZoom.IsWindowVisible()) << row.name;
        EXPECT_EQ(row.bShownByOption, pCustom->IsWindowShown()) << row.name;
        // Docked across again, everything comes back.
        pCustom->OnCalcDynamicSize(xtpLayoutHorzDock);
        EXPECT_EQ((DWORD)xtpHideNone, pCustom->GetHideFlags()) << row.name;
        EXPECT_TRUE(wndZoom.IsWindowVisible()) << row.name;
    }
}

TEST_F(CustomControlTest, WithTheWindowHiddenByTheOptionTheControlMeasuresAsAButton)
{
    pCustom->SetVerticalPositionOption(xtpVerticalButtonOnly);
    pCustom->OnCalcDynamicSize(xtpLayoutVertDock);
    CClientDC dc(pBar);
    EXPECT_EQ(CSize(CFixedSizePaintManager::kButton, CFixedSizePaintManager::kHeight), pCustom->GetSize(&dc));
}

TEST_F(CustomControlTest, MouseMovesOverTheWindowReachTheBar)
{
    frame->SetActiveWindow();
    wndZoom.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(pCustom->GetIndex(), pBar->GetSelectedIndex());
}

TEST_F(CustomControlTest, CopiesShareTheWindowAndALoadedControlFindsItByItsId)
{
    CXTPControlCustom* pCopy = (CXTPControlCustom*)pCustom->Clone();
    EXPECT_EQ(&wndZoom, pCopy->GetControl());
    EXPECT_EQ(CRect(2, 1, 3, 1), pCopy->GetBorders());
    pCopy->InternalRelease();

    // The bar's state written and read into a second bar of the same frame.
    CMemFile file;
    StoreBarExchange(pBar, file);
    CXTPToolBar* pLoaded = new CXTPToolBar;
    pLoaded->SetCommandBars(frame->m_pCommandBars);
    LoadBarExchange(pLoaded, file);
    CXTPControlCustom* pFound =
        DYNAMIC_DOWNCAST(CXTPControlCustom, pLoaded->GetControls()->FindControl(xtpControlCustom, -1, FALSE, FALSE));
    ASSERT_NE(nullptr, pFound);
    EXPECT_EQ(wndZoom.m_hWnd, pFound->GetControl()->GetSafeHwnd());
    EXPECT_EQ(CSize(60, 18), pFound->GetControlSize());
    EXPECT_EQ(CRect(2, 1, 3, 1), pFound->GetBorders());
    pLoaded->InternalRelease();
}

TEST_F(CustomControlTest, CustomControlsGoIntoMenusOnly)
{
    CXTPPopupBar* pPopupBar = CXTPPopupBar::CreatePopupBar(NULL);
    DROPEFFECT dropEffect = DROPEFFECT_MOVE;
    EXPECT_TRUE(pCustom->IsCustomizeDragOverAvail(pPopupBar, CPoint(0, 0), dropEffect));
    EXPECT_FALSE(pCustom->IsCustomizeDragOverAvail(pBar, CPoint(0, 0), dropEffect));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, dropEffect);
    pPopupBar->InternalRelease();
}

TEST(ControlTypes, TypesSevenAndEightGiveTheHostedWindowAndTheLabel)
{
    CXTPControls controls;
    CXTPControl* pCustom = controls.Add(xtpControlCustom, 10);
    CXTPControl* pLabel = controls.Add(xtpControlLabel, 11);
    ASSERT_NE(nullptr, pCustom);
    ASSERT_NE(nullptr, pLabel);
    EXPECT_TRUE(pCustom->IsKindOf(RUNTIME_CLASS(CXTPControlCustom)));
    EXPECT_TRUE(pLabel->IsKindOf(RUNTIME_CLASS(CXTPControlLabel)));
    EXPECT_EQ(xtpControlCustom, pCustom->GetType());
    EXPECT_EQ(xtpControlLabel, pLabel->GetType());
    EXPECT_EQ(nullptr, controls.Add((XTPControlType)9, 12));
}

class LabelControlTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        pBar = frame->GetToolBar();
        pLabel = pBar->GetControls()->Add(xtpControlLabel, 0, CString(), 0);
        pLabel->SetCaption(CString("Find:"));
        frame->RecalcLayout();
    }
    CXTPToolBar* pBar = nullptr;
    CXTPControl* pLabel = nullptr;
};

TEST_F(LabelControlTest, TheKeyboardPassesALabelByAndTheMouseNeverLightsItUp)
{
    pBar->SetTrackingMode(xtpTrackingOn, TRUE, TRUE);
    EXPECT_EQ(1, pBar->GetSelectedIndex()) << "the first selectable control is after the label";
    pBar->ProcessSpecialKey(xtpKeyPrev);
    pBar->ProcessSpecialKey(xtpKeyPrev);
    EXPECT_NE(pLabel->GetIndex(), pBar->GetSelectedIndex());
    pBar->SetTrackingMode(xtpTrackingOff);

    pBar->SetSelected(pLabel->GetIndex());
    EXPECT_EQ(0, pLabel->GetSelected());
}

} // namespace
