// The MDI tab client with grouping: groups made and merged by the commands,
// tabs dragged between groups (the drag runs on messages posted before the
// press), the splitters, the drop menu and the workspace-actions control of
// the command bars.
#include "TabClientTestFrame.h"

#include "toolkit/tabs/XTPTabsResource.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPKeyboardManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include "tests/support/CursorShape.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A frame of 500 x 360 whose client holds the children A, B and C, C active,
// in one group.
class TabGroups : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = CTabClientTestFrame::CreateVisible(TRUE);
        ASSERT_NE(nullptr, frame);
        for (const char* pszTitle : {"A", "B", "C"})
            children.push_back(frame->AddChild(pszTitle));
    }
    void TearDown() override
    {
        MSG msg;
        ::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
        frame->DestroyWindow();
        PumpPending();
    }
    CXTPTabClientWnd& Client() { return frame->m_tabClient; }
    CXTPTabWorkspace* Group(int nIndex) { return Client().GetWorkspace(nIndex); }
    CXTPTabStripItem* Tab(const char* pszCaption)
    {
        for (int i = 0; i < Client().GetItemCount(); i++)
            if (Client().GetItem(i)->GetCaption() == pszCaption)
                return Client().GetItem(i);
        return NULL;
    }
    void Command(UINT nID) { frame->SendMessage(WM_COMMAND, nID); }
    void Activate(int nChild) { frame->MDIActivate(children[nChild]); }
    // Presses the client at the tab's centre; the posted messages drive the drag.
    void DragFrom(const char* pszCaption)
    {
        const CPoint pt = Tab(pszCaption)->GetRect().CenterPoint();
        Client().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    void PostMouse(UINT nMessage, CPoint pt)
    {
        Client().PostMessage(nMessage, nMessage == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    // The idle time after a press, which lets the tabs follow the children again.
    void Idle()
    {
        Client().SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        PumpPending();
    }
    // Two groups side by side: "A B | C".
    void SplitSideBySide()
    {
        Activate(2);
        Command(XTP_ID_WORKSPACE_NEWVERTICAL);
    }
    CRect ClientArea()
    {
        CRect rc;
        Client().GetClientRect(rc);
        return rc;
    }
    // The cursor the client sets over the first splitter.
    HCURSOR CursorOverSplitter()
    {
        CPoint pt = Group(0)->m_rcSplitter.CenterPoint();
        Client().ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        Client().SendMessage(WM_SETCURSOR, (WPARAM)Client().m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    }
    // The cursors the client shows, by resource id: over the splitter of
    // groups side by side and of stacked ones, and while a tab is dragged
    // over the client and outside it.
    std::map<UINT, HCURSOR> CursorsShown()
    {
        std::map<UINT, HCURSOR> shown;
        SplitSideBySide(); // "A B | C"
        shown[XTP_IDC_SPLITTER_COLUMN] = CursorOverSplitter();
        const CPoint ptInside = Group(1)->GetClientRect().CenterPoint(), ptOutside(-30, -30);
        PostMouse(WM_MOUSEMOVE, ptInside);
        frame->PostAction([&shown]() { shown[XTP_IDC_WORKSPACE_DRAGIN] = ::GetCursor(); });
        PostMouse(WM_MOUSEMOVE, ptOutside);
        frame->PostAction([&shown]() { shown[XTP_IDC_WORKSPACE_DRAGOUT] = ::GetCursor(); });
        PostMouse(WM_LBUTTONUP, ptOutside);
        DragFrom("A");
        Idle();
        Activate(2);
        Command(XTP_ID_WORKSPACE_MOVEPREVIOUS);
        Command(XTP_ID_WORKSPACE_NEWHORIZONTAL); // "A B | C", stacked
        shown[XTP_IDC_SPLITTER_ROW] = CursorOverSplitter();
        return shown;
    }
    // Once the drop menu is open, chooses its entry at nIndex with the
    // keyboard (the menu's keys come through the keyboard manager).
    void ChooseFromDropMenu(int nIndex)
    {
        frame->PostAction([nIndex]() {
            for (int i = 0; i <= nIndex; i++)
                XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_DOWN);
            XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_RETURN);
        });
    }

    CTabClientTestFrame* frame = nullptr;
    std::vector<CTabTestChild*> children;
};

TEST_F(TabGroups, ChildrenLoseTheirFrameAndFillTheirGroup)
{
    ASSERT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_STREQ("A B C", frame->Groups());
    for (CTabTestChild* pChild : children)
    {
        EXPECT_EQ(0u, pChild->GetStyle() & (WS_CAPTION | WS_THICKFRAME)) << "no caption or frame";
        EXPECT_EQ(0u, pChild->GetExStyle() & WS_EX_CLIENTEDGE);
        EXPECT_EQ(Group(0)->GetClientRect(), RectInParent(pChild));
    }
    EXPECT_EQ(Group(0), Client().GetActiveWorkspace());
    EXPECT_TRUE(Group(0)->IsActive());
}

TEST_F(TabGroups, DetachingGivesTheChildrenTheirFrameBack)
{
    const DWORD dwFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    ASSERT_TRUE(Client().Detach());
    // A child made now, without the tab client, shows what an MDI child has.
    CTabTestChild* pPlain = frame->AddChild("D");
    ASSERT_EQ(dwFrameStyles, pPlain->GetStyle() & dwFrameStyles);
    for (CTabTestChild* pChild : children)
    {
        EXPECT_EQ(dwFrameStyles, pChild->GetStyle() & dwFrameStyles) << "caption and frame again";
        EXPECT_EQ(pPlain->GetExStyle() & WS_EX_CLIENTEDGE, pChild->GetExStyle() & WS_EX_CLIENTEDGE);
    }
}

TEST_F(TabGroups, NewVerticalGroupPutsTheActiveTabRightOfItsGroup)
{
    SplitSideBySide();
    EXPECT_STREQ("A B | C", frame->Groups());
    EXPECT_FALSE(Client().IsGroupsStacked());
    const CRect rcArea = ClientArea();
    // Equal weights: the first group ends at half the width, less the splitter.
    EXPECT_EQ(rcArea.Width() / 2 - 5, Group(0)->GetControlRect().right);
    EXPECT_EQ(rcArea.Width() / 2, Group(1)->GetControlRect().left);
    EXPECT_EQ(rcArea.Width(), Group(1)->GetControlRect().right);
    EXPECT_DOUBLE_EQ(50.0, Group(0)->m_dSplitWeight);
    EXPECT_DOUBLE_EQ(50.0, Group(1)->m_dSplitWeight);
    EXPECT_EQ(Group(1)->GetClientRect(), RectInParent(children[2])) << "the child moved into its group";
    EXPECT_EQ(Group(1), Client().GetActiveWorkspace());
    EXPECT_FALSE(Group(0)->IsActive());
    EXPECT_STREQ("B", Group(0)->GetSelectedItem()->GetCaption()) << "the source selects its nearest tab";
}

TEST_F(TabGroups, NewHorizontalGroupStacksTheGroups)
{
    Activate(0);
    Command(XTP_ID_WORKSPACE_NEWHORIZONTAL);
    EXPECT_STREQ("B C | A", frame->Groups());
    EXPECT_TRUE(Client().IsGroupsStacked());
    EXPECT_EQ(ClientArea().Height() / 2 - 5, Group(0)->GetControlRect().bottom);
    EXPECT_EQ(ClientArea().Width(), Group(0)->GetControlRect().Width());
}

TEST_F(TabGroups, MovingTheLastTabBackMergesTheGroups)
{
    SplitSideBySide();
    Command(XTP_ID_WORKSPACE_MOVEPREVIOUS);
    EXPECT_STREQ("A B C", frame->Groups());
    ASSERT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_DOUBLE_EQ(100.0, Group(0)->m_dSplitWeight) << "the emptied group's weight goes to the one before";
    EXPECT_TRUE(Group(0)->m_rcSplitter.IsRectEmpty());

    SplitSideBySide();
    Activate(0);
    Command(XTP_ID_WORKSPACE_MOVENEXT);
    EXPECT_STREQ("B | C A", frame->Groups());
}

TEST_F(TabGroups, ClosingTheLastTabOfAGroupGivesItsWeightToTheGroupBefore)
{
    SplitSideBySide();
    Activate(0);
    Command(XTP_ID_WORKSPACE_NEWVERTICAL);
    ASSERT_STREQ("B | A | C", frame->Groups());
    children[0]->MDIDestroy();
    EXPECT_STREQ("B | C", frame->Groups());
    EXPECT_DOUBLE_EQ(50.0, Group(0)->m_dSplitWeight);
    EXPECT_DOUBLE_EQ(50.0, Group(1)->m_dSplitWeight);
    // The first group's last tab goes to the group after it.
    children[1]->MDIDestroy();
    EXPECT_STREQ("C", frame->Groups());
    EXPECT_DOUBLE_EQ(100.0, Group(0)->m_dSplitWeight);
}

TEST_F(TabGroups, TheCommandsAreEnabledByTheActiveTabsPlace)
{
    auto Check = [this](const char* name, BOOL b9420, BOOL b9421, BOOL b9422, BOOL b9423) {
        EXPECT_EQ(b9420, Client().IsWorkspaceCommandEnabled(XTP_ID_WORKSPACE_MOVEPREVIOUS)) << name;
        EXPECT_EQ(b9421, Client().IsWorkspaceCommandEnabled(XTP_ID_WORKSPACE_MOVENEXT)) << name;
        EXPECT_EQ(b9422, Client().IsWorkspaceCommandEnabled(XTP_ID_WORKSPACE_NEWHORIZONTAL)) << name;
        EXPECT_EQ(b9423, Client().IsWorkspaceCommandEnabled(XTP_ID_WORKSPACE_NEWVERTICAL)) << name;
    };
    Activate(2);
    Check("one group of three", FALSE, FALSE, TRUE, TRUE);
    SplitSideBySide();
    Check("the second of two groups side by side, alone", TRUE, FALSE, FALSE, FALSE);
    Activate(0);
    Check("the first group, with two tabs, side by side", FALSE, TRUE, FALSE, TRUE);
    Command(XTP_ID_WORKSPACE_MOVENEXT);
    Command(XTP_ID_WORKSPACE_MOVEPREVIOUS);
    Check("back in the first group", FALSE, TRUE, FALSE, TRUE);
    void* pGroup = NULL;
    EXPECT_TRUE(Client().IsWorkspaceCommandEnabled(1234, &pGroup)) << "other ids";
    EXPECT_EQ(Group(0), pGroup);

    // Without grouping nothing applies.
    CTabClientTestFrame* pPlain = CTabClientTestFrame::CreateVisible(FALSE);
    pPlain->AddChild("X");
    pPlain->AddChild("Y");
    EXPECT_FALSE(pPlain->m_tabClient.IsWorkspaceCommandEnabled(XTP_ID_WORKSPACE_NEWVERTICAL));
    pPlain->DestroyWindow();
}

TEST_F(TabGroups, TheUpdateHandlerEnablesTheCommands)
{
    SplitSideBySide();
    struct CTestCmdUI : public CCmdUI
    {
        BOOL m_bEnabled = -1;
        void Enable(BOOL bOn) override { m_bEnabled = bOn; }
    };
    CTestCmdUI ui;
    ui.m_nID = XTP_ID_WORKSPACE_MOVENEXT;
    ui.DoUpdate(frame, FALSE);
    EXPECT_EQ(FALSE, ui.m_bEnabled);
    ui.m_nID = XTP_ID_WORKSPACE_MOVEPREVIOUS;
    ui.DoUpdate(frame, FALSE);
    EXPECT_EQ(TRUE, ui.m_bEnabled);
}

TEST_F(TabGroups, AMovedTabKeepsTheColourItsChildGave)
{
    children[2]->m_clrTab = RGB(200, 30, 40);
    Client().GetPainter()->SetItemColors(TRUE);
    Tab("C")->GetColor();
    children[2]->m_clrTab = 0;
    SplitSideBySide();
    EXPECT_EQ(RGB(200, 30, 40), Tab("C")->GetOwnColor());
    EXPECT_EQ(RGB(200, 30, 40), Tab("C")->GetColor());
}

TEST_F(TabGroups, ATabDraggedOntoAnotherGroupsRowJoinsIt)
{
    SplitSideBySide();
    const CRect rcRow = Group(1)->GetHeaderRect();
    PostMouse(WM_MOUSEMOVE, CPoint(Group(0)->GetHeaderRect().left + 5, 120));
    PostMouse(WM_MOUSEMOVE, CPoint(rcRow.left + 30, rcRow.CenterPoint().y));
    PostMouse(WM_LBUTTONUP, CPoint(rcRow.left + 30, rcRow.CenterPoint().y));
    DragFrom("A");
    Idle();
    EXPECT_STREQ("B | C A", frame->Groups());
    EXPECT_STREQ("A", Client().GetActiveItem()->GetCaption());
    EXPECT_EQ(children[0], frame->MDIGetActive());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(TabGroups, ATabDroppedNearAGroupsBottomMakesANewGroupBelow)
{
    Activate(1);
    const CRect rcGroup = Group(0)->GetControlRect();
    const CPoint ptDrop(rcGroup.CenterPoint().x, rcGroup.bottom - 10);
    PostMouse(WM_MOUSEMOVE, ptDrop);
    PostMouse(WM_LBUTTONUP, ptDrop);
    DragFrom("B");
    Idle();
    EXPECT_STREQ("A C | B", frame->Groups());
    EXPECT_TRUE(Client().IsGroupsStacked());
    EXPECT_DOUBLE_EQ(50.0, Group(1)->m_dSplitWeight) << "half of its group's weight";
}

TEST_F(TabGroups, ATabDroppedElsewhereInsideTheClientOpensTheDropMenu)
{
    frame->AddCommandBars(xtpThemeOffice2003);
    const CPoint ptDrop = ClientArea().CenterPoint();
    PostMouse(WM_MOUSEMOVE, ptDrop);
    PostMouse(WM_LBUTTONUP, ptDrop);
    ::PostQuitMessage(0); // closes the menu unchosen once the drag has ended
    DragFrom("A");
    Idle();
    ASSERT_EQ(1u, frame->m_arrPopupIds.size()) << "the drop menu showed";
    const std::vector<int> expected = {XTP_ID_WORKSPACE_NEWHORIZONTAL, XTP_ID_WORKSPACE_NEWVERTICAL, 9424};
    EXPECT_EQ(expected, frame->m_arrPopupIds[0]) << "the enabled group commands, then Cancel";
    EXPECT_STREQ("A B C", frame->Groups()) << "nothing moved";
}

// The move deletes the group whose drag is still running: the drag must end
// without it.
TEST_F(TabGroups, TheLastTabOfAGroupDraggedOntoAnotherRowTakesItsGroupAway)
{
    SplitSideBySide(); // C alone on the right
    const CRect rcRow = Group(0)->GetHeaderRect();
    const CPoint ptDrop(rcRow.right - 10, rcRow.CenterPoint().y);
    PostMouse(WM_MOUSEMOVE, Group(1)->GetClientRect().CenterPoint());
    PostMouse(WM_MOUSEMOVE, ptDrop);
    PostMouse(WM_LBUTTONUP, ptDrop);
    DragFrom("C");
    Idle();
    EXPECT_STREQ("A B C", frame->Groups());
    ASSERT_EQ(1, Client().GetWorkspaceCount());
    EXPECT_DOUBLE_EQ(100.0, Group(0)->m_dSplitWeight);
    EXPECT_STREQ("C", Client().GetActiveItem()->GetCaption());
    EXPECT_EQ(children[2], frame->MDIGetActive());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(TabGroups, TheLastTabOfAGroupMovedByTheDropMenuTakesItsGroupAway)
{
    frame->AddCommandBars(xtpThemeOffice2003);
    SplitSideBySide();
    const CPoint ptDrop = Group(1)->GetClientRect().CenterPoint();
    PostMouse(WM_MOUSEMOVE, ptDrop);
    PostMouse(WM_LBUTTONUP, ptDrop);
    ChooseFromDropMenu(0); // the only group command for C: "Move to Previous Tab Group"
    DragFrom("C");
    Idle();
    ASSERT_EQ(1u, frame->m_arrPopupIds.size()) << "the drop menu showed";
    const std::vector<int> expected = {XTP_ID_WORKSPACE_MOVEPREVIOUS, 9424};
    EXPECT_EQ(expected, frame->m_arrPopupIds[0]);
    EXPECT_STREQ("A B C", frame->Groups());
    EXPECT_STREQ("C", Client().GetActiveItem()->GetCaption());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(TabGroups, ACommandOfTheDropMenuRuns)
{
    frame->AddCommandBars(xtpThemeOffice2003);
    struct Row
    {
        const char* name;
        int nChoice; // the entry chosen: New Horizontal, New Vertical, Cancel
        const char* groups;
        BOOL bStacked;
    } rows[] = {
        {"Cancel", 2, "A B C", TRUE},
        {"New Horizontal Tab Group", 0, "B C | A", TRUE},
        {"New Vertical Tab Group", 1, "B C | A", FALSE},
    };
    for (const Row& row : rows)
    {
        // Back to one group of A, B, C with A active.
        while (Client().GetWorkspaceCount() > 1)
        {
            Activate(0);
            Command(XTP_ID_WORKSPACE_MOVEPREVIOUS);
        }
        Client().GetWorkspace(0)->MoveItem(Tab("A"), 0);
        Activate(0);
        const CPoint ptDrop = ClientArea().CenterPoint();
        PostMouse(WM_MOUSEMOVE, ptDrop);
        PostMouse(WM_LBUTTONUP, ptDrop);
        ChooseFromDropMenu(row.nChoice);
        DragFrom("A");
        Idle();
        EXPECT_STREQ(row.groups, frame->Groups()) << row.name;
        EXPECT_EQ(row.bStacked, Client().IsGroupsStacked()) << row.name;
        EXPECT_EQ(children[0], frame->MDIGetActive()) << row.name;
    }
}

TEST_F(TabGroups, ADragBackIntoTheRowReordersAgain)
{
    PostMouse(WM_MOUSEMOVE, ClientArea().CenterPoint());
    PostMouse(WM_MOUSEMOVE, Tab("B")->GetRect().CenterPoint());
    PostMouse(WM_LBUTTONUP, Tab("B")->GetRect().CenterPoint());
    DragFrom("A");
    Idle();
    EXPECT_STREQ("B A C", frame->Groups());
    EXPECT_EQ(1, Client().GetWorkspaceCount());
}

TEST_F(TabGroups, ATabLeavingItsRowFirstPaintsTheWindowsWaitingForIt)
{
    CTestWindow other(CSize(100, 100)); // not the frame's
    PumpPending();
    other.Invalidate(FALSE);
    PostMouse(WM_MOUSEMOVE, CPoint(-30, -30)); // outside the client: the drop draws on the screen
    PostMouse(WM_LBUTTONUP, CPoint(-30, -30));
    DragFrom("A");
    CRect rcUpdate;
    EXPECT_FALSE(::GetUpdateRect(other.m_hWnd, rcUpdate, FALSE)) << "painted while the drag ran";
    Idle();
    EXPECT_STREQ("A B C", frame->Groups()) << "dropped outside: nothing moved";
}

TEST_F(TabGroups, EscapeOrTheRightButtonDropNothing)
{
    SplitSideBySide();
    const CRect rcRow = Group(1)->GetHeaderRect();
    PostMouse(WM_MOUSEMOVE, CPoint(rcRow.left + 30, rcRow.CenterPoint().y));
    Client().PostMessage(WM_KEYDOWN, VK_ESCAPE);
    DragFrom("A");
    PostMouse(WM_MOUSEMOVE, CPoint(rcRow.left + 30, rcRow.CenterPoint().y));
    PostMouse(WM_RBUTTONDOWN, CPoint(rcRow.left + 30, rcRow.CenterPoint().y));
    DragFrom("A");
    Idle();
    EXPECT_STREQ("A B | C", frame->Groups());
}

TEST_F(TabGroups, TheOnlyTabOfTheOnlyGroupDoesNotDrag)
{
    children[0]->MDIDestroy();
    children[1]->MDIDestroy();
    PostMouse(WM_MOUSEMOVE, ClientArea().CenterPoint());
    PostMouse(WM_LBUTTONUP, ClientArea().CenterPoint());
    DragFrom("C");
    EXPECT_EQ(NULL, ::GetCapture());
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, Client().m_hWnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_NOREMOVE))
        << "the drag never took the messages";
    Idle();
    EXPECT_STREQ("C", frame->Groups());
}

TEST_F(TabGroups, AQuitEndsTheDragAndIsPostedAgain)
{
    SplitSideBySide();
    const CRect rcRow = Group(1)->GetHeaderRect();
    PostMouse(WM_MOUSEMOVE, CPoint(rcRow.left + 30, rcRow.CenterPoint().y));
    ::PostQuitMessage(0);
    DragFrom("A");
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    Idle();
    EXPECT_STREQ("A B | C", frame->Groups()) << "no drop";
}

TEST_F(TabGroups, TheSplitterMovesTheBoundaryBetweenGroups)
{
    SplitSideBySide();
    const CRect rcSplitter = Group(0)->m_rcSplitter;
    ASSERT_FALSE(rcSplitter.IsRectEmpty());
    const CPoint ptPress = rcSplitter.CenterPoint();
    PostMouse(WM_MOUSEMOVE, CPoint(ptPress.x + 60, ptPress.y));
    PostMouse(WM_LBUTTONUP, CPoint(ptPress.x + 60, ptPress.y));
    const int nOldRight = Group(0)->GetControlRect().right;
    Client().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
    // The weights follow the middle of the dropped bar: within half a bar of the drop.
    EXPECT_NEAR(nOldRight + 60, Group(0)->GetControlRect().right, 3);
    EXPECT_DOUBLE_EQ(100.0, Group(0)->m_dSplitWeight + Group(1)->m_dSplitWeight);
    EXPECT_GT(Group(0)->m_dSplitWeight, Group(1)->m_dSplitWeight);
}

TEST_F(TabGroups, TheSplitterShowsItsCursor)
{
    SplitSideBySide();
    EXPECT_TRUE(CursorShape::Of(CursorOverSplitter()).SameFrameAs(CursorShape::OfResource(9970)));
}

// The client's cursors are the program's cursor resources whichever module
// the toolkit and the framework take their resources from; a NULL module
// would have looked for system cursors of those ids and found none.
TEST_F(TabGroups, TheCursorsAreTheProgramsOwnResources)
{
    const HINSTANCE hToolkitBefore = XTGetResourceHandle(), hFrameworkBefore = AfxGetResourceHandle();
    const HINSTANCE hProgram = ::GetModuleHandleA(NULL), hKernel = ::GetModuleHandleA("kernel32.dll");
    const std::vector<BYTE> arrowMask = CursorShape::Of(::LoadCursor(NULL, IDC_ARROW)).Mask();
    struct Row
    {
        const char* name;
        HINSTANCE hToolkit, hFramework;
    } rows[] = {
        {"no toolkit module", NULL, hProgram},
        {"a toolkit module without them", hKernel, hProgram},
        {"a framework resource module without them", NULL, hKernel},
    };
    for (const Row& row : rows)
    {
        frame->DestroyWindow();
        children.clear();
        XTSetResourceHandle(row.hToolkit);
        AfxSetResourceHandle(row.hFramework);
        frame = CTabClientTestFrame::CreateVisible(TRUE); // the client loads its cursors as it is made
        XTSetResourceHandle(hToolkitBefore);
        AfxSetResourceHandle(hFrameworkBefore);
        ASSERT_NE(nullptr, frame);
        for (const char* pszTitle : {"A", "B", "C"})
            children.push_back(frame->AddChild(pszTitle));
        for (const auto& shown : CursorsShown())
        {
            const CursorShape shape = CursorShape::Of(shown.second);
            EXPECT_TRUE(shape.SameFrameAs(CursorShape::OfResource(shown.first))) << row.name << ", " << shown.first;
            EXPECT_NE(arrowMask, shape.Mask()) << row.name << ", " << shown.first;
        }
    }
}

TEST_F(TabGroups, WeightsOfNothingShareTheAreaEqually)
{
    SplitSideBySide();
    Group(0)->m_dSplitWeight = 0;
    Group(1)->m_dSplitWeight = 0;
    frame->RecalcLayout();
    EXPECT_EQ(ClientArea().Width() / 2 - 5, Group(0)->GetControlRect().right);
}

TEST_F(TabGroups, PressesInTheClientGoToTheFrameFirst)
{
    MSG msg = {Client().m_hWnd, WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10), 0, {0, 0}};
    frame->m_nPressAnswer = 1;
    EXPECT_TRUE(Client().PreTranslateMessage(&msg));
    ASSERT_EQ(1u, frame->m_arrPresses.size());
    EXPECT_EQ((UINT)WM_RBUTTONDOWN, frame->m_arrPresses[0]);
}

TEST_F(TabGroups, TabsShowTheirTipsAsToolTips)
{
    Tab("B")->SetTip("Second");
    TOOLINFO info = {};
    info.cbSize = sizeof(info);
    EXPECT_EQ(1, Client().OnToolHitTest(Tab("B")->GetRect().CenterPoint(), &info));
    EXPECT_STREQ("Second", info.lpszText);
    free(info.lpszText);
    EXPECT_EQ(-1, Client().OnToolHitTest(ClientArea().CenterPoint(), &info)) << "no tab there";
}

// The workspace-actions control of the command bars, in a menu of the frame.
TEST_F(TabGroups, TheWorkspaceActionsListTheEnabledCommands)
{
    CXTPCommandBars* pBars = frame->AddCommandBars(xtpThemeOffice2000);
    CXTPPopupBar* pMenu = CXTPPopupBar::CreatePopupBar(pBars);
    CXTPControls* pControls = pMenu->GetControls();
    CXTPControl* pActions = pControls->Add(xtpControlButton, 35002);
    auto Listed = [&]() {
        pActions->OnCalcDynamicSize(0);
        CString strItems;
        for (int i = pActions->GetIndex() + 1; i < pControls->GetCount(); i++)
            strItems += (strItems.IsEmpty() ? "" : ", ") + pControls->GetAt(i)->GetCaption();
        return strItems;
    };
    EXPECT_STREQ("New Hori&zontal Tab Group, New &Vertical Tab Group", Listed());
    SplitSideBySide();
    EXPECT_STREQ("Move to P&revious Tab Group", Listed());
    pMenu->InternalRelease();
}

TEST_F(TabGroups, TheClientFrameBordersTheGroups)
{
    CRect rcWindow, rcClient;
    Client().GetWindowRect(rcWindow);
    EXPECT_EQ(rcWindow.Size(), ClientArea().Size()) << "no border without the client frame";
    frame->AddCommandBars(xtpThemeOfficeXP); // client frame on
    Client().UpdateContents(TRUE);
    Client().GetWindowRect(rcWindow);
    // Two pixels at the sides and the bottom, one at the top.
    EXPECT_EQ(rcWindow.Width() - 4, ClientArea().Width());
    EXPECT_EQ(rcWindow.Height() - 3, ClientArea().Height());
    Client().ClientToScreen(rcClient = ClientArea());
    EXPECT_EQ(rcWindow.left + 2, rcClient.left);
    EXPECT_EQ(rcWindow.top + 1, rcClient.top);
}

TEST_F(TabGroups, AHiddenChildLeavesItsGroupAndComesBack)
{
    SplitSideBySide();
    children[2]->ShowWindow(SW_HIDE);
    Client().UpdateContents(FALSE);
    EXPECT_STREQ("A B", frame->Groups()) << "its group went with it";
    children[2]->ShowWindow(SW_SHOW);
    Client().UpdateContents(FALSE);
    EXPECT_STREQ("A B C", frame->Groups());
}

TEST_F(TabGroups, APressHoldsTheRefreshBackUntilIdle)
{
    Client().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 200)); // below the row
    children[0]->SetWindowText("Renamed");
    Client().UpdateContents(FALSE);
    EXPECT_STREQ("A B C", frame->Groups());
    Idle();
    EXPECT_STREQ("Renamed B C", frame->Groups());
}

} // namespace

namespace {

// A tab client that lets the test play the OLE drop target's part.
class CDropTestClient : public CXTPTabClientWnd
{
public:
    DROPEFFECT DragOver(CPoint point) { return m_dropTarget.OnDragOver(this, NULL, 0, point); }
};

TEST(TabGroupsDropTarget, AnObjectDraggedOverATabBringsItsChildForward)
{
    CMDIFrameWnd* pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "drop", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 430, 330)));
    CDropTestClient client;
    ASSERT_TRUE(client.Attach(pFrame, TRUE));
    std::vector<CMDIChildWnd*> children;
    for (const char* pszTitle : {"A", "B"})
    {
        children.push_back(new CMDIChildWnd);
        children.back()->Create(NULL, pszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100),
                                pFrame);
    }
    PumpPending();
    ASSERT_EQ(children[1], pFrame->MDIGetActive());
    EXPECT_EQ(DROPEFFECT_NONE, client.DragOver(client.GetItem(0)->GetRect().CenterPoint()));
    EXPECT_EQ(children[0], pFrame->MDIGetActive());
    EXPECT_EQ(DROPEFFECT_NONE, client.DragOver(CPoint(5, 200))) << "over no tab: nothing";
    EXPECT_EQ(children[0], pFrame->MDIGetActive());
    pFrame->DestroyWindow();
    PumpPending();
}

} // namespace

namespace {

// A tab client whose item refresh, once, drags the first tab (released at
// once) from inside GetItemText, where the client holds its refresh lock.
class CDragInRefreshClient : public CXTPTabClientWnd
{
public:
    CString GetItemText(CWnd* pChild) override
    {
        if (m_bDragOnce && IsRefreshLocked() && GetItemCount() > 1)
        {
            m_bDragOnce = FALSE;
            CXTPTabStripItem* pItem = GetItem(0);
            const CPoint pt = pItem->GetRect().CenterPoint();
            PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            GetWorkspace(0)->TrackItemDrag(m_hWnd, pt, pItem);
            m_bLockedAfterDrag = IsRefreshLocked();
        }
        return CXTPTabClientWnd::GetItemText(pChild);
    }
    BOOL m_bDragOnce = FALSE;
    BOOL m_bLockedAfterDrag = FALSE;
};

TEST(TabGroupsRefreshLock, ADragStartedUnderTheRefreshLockLeavesItHeld)
{
    CMDIFrameWnd* pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "lock", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 430, 330)));
    CDragInRefreshClient client;
    ASSERT_TRUE(client.Attach(pFrame, TRUE));
    for (const char* pszTitle : {"A", "B"})
        (new CMDIChildWnd)->Create(NULL, pszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100),
                                   pFrame);
    PumpPending();
    ASSERT_FALSE(client.IsRefreshLocked());
    client.m_bDragOnce = TRUE;
    client.UpdateContents(FALSE);
    ASSERT_FALSE(client.m_bDragOnce) << "the drag ran";
    EXPECT_TRUE(client.m_bLockedAfterDrag) << "the refresh still holds its lock";
    EXPECT_FALSE(client.IsRefreshLocked()) << "and gives it back itself";
    pFrame->DestroyWindow();
    PumpPending();
}

} // namespace

namespace {

TEST(TabGroupsNarrow, BothGroupsShowTheirSelectedTabAfterAMove)
{
    CTabClientTestFrame* pFrame = CTabClientTestFrame::CreateVisible(TRUE, CSize(360, 200));
    ASSERT_NE(nullptr, pFrame);
    std::vector<CTabTestChild*> children;
    for (const char* pszTitle : {"First long title", "Second long title", "Third long title", "Fourth long title"})
        children.push_back(pFrame->AddChild(pszTitle));
    pFrame->SendMessage(WM_COMMAND, XTP_ID_WORKSPACE_NEWVERTICAL); // the fourth goes right
    CXTPTabClientWnd& client = pFrame->m_tabClient;
    ASSERT_EQ(2, client.GetWorkspaceCount());
    for (int nGroup = 0; nGroup < 2; nGroup++)
    {
        CXTPTabWorkspace* pGroup = client.GetWorkspace(nGroup);
        const CRect rcTab = pGroup->GetSelectedItem()->GetRect(), rcRow = pGroup->GetHeaderRect();
        EXPECT_GE(rcTab.left, rcRow.left) << nGroup;
        EXPECT_LE(rcTab.right, rcRow.right) << nGroup;
    }
    EXPECT_LT(client.GetWorkspace(0)->GetScrollOffset(), 0) << "the first group scrolled to its new selection";
    pFrame->DestroyWindow();
    PumpPending();
}

} // namespace
