// The MDI tab client without grouping: one tab per visible child in a row
// of its own around the MDI client, the children's answers to its
// questions, attaching and detaching, and the command bars' theme.
#include "TabClientTestFrame.h"

#include "toolkit/tabs/XTPTabWorkspaceWnd.h"
#include "toolkit/tabs/themes/XTPTabStripColors.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/tabs/themes/XTPTabStripShape.h"
#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

#include "toolkit/foundation/XTPImageManager.h"

#include "tests/support/PixelCanvas.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

namespace {

class TabClient : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = CTabClientTestFrame::CreateVisible(FALSE);
        ASSERT_NE(nullptr, frame);
    }
    void TearDown() override
    {
        if (frame != nullptr)
            frame->DestroyWindow();
        PumpPending();
    }
    CXTPTabClientWnd& Client() { return frame->m_tabClient; }
    CXTPTabWorkspace* Group() { return Client().GetWorkspace(0); }
    CWnd* GroupWindow() { return Group()->GetHostWindow(); }
    CString Selected()
    {
        CXTPTabStripItem* pItem = Client().GetActiveItem();
        return pItem != NULL ? pItem->GetCaption() : CString("-");
    }
    CRect MDIClientRect()
    {
        CRect rc;
        ::GetWindowRect(frame->m_hWndMDIClient, rc);
        frame->ScreenToClient(rc);
        return rc;
    }

    CTabClientTestFrame* frame = nullptr;
};

TEST_F(TabClient, EveryVisibleChildGetsATabAndTheFrameHearsOfIt)
{
    CTabTestChild* pReport = frame->AddChild("Report");
    frame->AddChild("Notes");
    EXPECT_STREQ("Report Notes", frame->Groups());
    EXPECT_STREQ("Notes", Selected()) << "the active child's tab";
    ASSERT_EQ(2u, frame->m_arrNewTabs.size());
    EXPECT_EQ(Client().GetItem(0), frame->m_arrNewTabs[0]);
    EXPECT_EQ((DWORD_PTR)pReport->m_hWnd, Client().GetItem(0)->GetData());
    EXPECT_EQ(Client().GetItem(0), Client().FindItem(pReport->m_hWnd));
    EXPECT_EQ(2, Client().GetItemCount());
}

TEST_F(TabClient, TheRowOfTabsStandsAroundTheClient)
{
    frame->AddChild("Report");
    ASSERT_NE((CWnd*)&Client(), GroupWindow()) << "a window of its own";
    CRect rcFrame;
    frame->GetClientRect(rcFrame);
    EXPECT_EQ(rcFrame, RectInParent(GroupWindow()));
    CRect rcInside = Group()->GetClientRect();
    EXPECT_EQ(rcInside, MDIClientRect()) << "the MDI client keeps what the row leaves";
    EXPECT_GT(rcInside.top, 15) << "the row at the top";
    EXPECT_TRUE(::IsWindowVisible(GroupWindow()->m_hWnd));
}

TEST_F(TabClient, TheRefreshFollowsTheChildren)
{
    CTabTestChild* pReport = frame->AddChild("Report");
    CTabTestChild* pNotes = frame->AddChild("Notes");
    CTabTestChild* pLog = frame->AddChild("Log");

    frame->MDIActivate(pReport);
    EXPECT_STREQ("Report", Selected()) << "activated";

    pNotes->SetWindowText("Notes (2)");
    Client().UpdateContents(FALSE);
    EXPECT_STREQ("Report Notes (2) Log", frame->Groups()) << "retitled";

    pLog->ShowWindow(SW_HIDE);
    Client().UpdateContents(FALSE);
    EXPECT_STREQ("Report Notes (2)", frame->Groups()) << "hidden";
    pLog->ShowWindow(SW_SHOW);
    Client().UpdateContents(FALSE);
    EXPECT_STREQ("Report Notes (2) Log", frame->Groups()) << "shown again";

    pNotes->MDIDestroy();
    EXPECT_STREQ("Report Log", frame->Groups()) << "destroyed";
    const HWND hRow = GroupWindow()->m_hWnd;
    pReport->MDIDestroy();
    pLog->MDIDestroy();
    EXPECT_EQ(0, Client().GetWorkspaceCount()) << "the last tab takes the row with it";
    EXPECT_FALSE(::IsWindow(hRow));
}

TEST_F(TabClient, TabTextsComeFromTheChildItsDocumentOrItsTitle)
{
    struct Row
    {
        const char* name;
        const char* answer;
        const char* document;
        const char* caption;
    } rows[] = {
        {"the child's answer", "Answered", "Document", "Answered"},
        {"else the document's title", "", "Document", "Document"},
        {"else the window text", "", NULL, "Window"},
    };
    for (const Row& row : rows)
    {
        CTabTestChild* pChild = new CTabTestChild;
        pChild->m_strTabText = row.answer;
        pChild->m_bHasDocument = row.document != NULL;
        if (row.document != NULL)
            pChild->m_document.SetTitle(row.document);
        pChild->Create(NULL, "Window", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100), frame);
        PumpPending();
        EXPECT_STREQ(row.caption, Client().FindItem(pChild->m_hWnd)->GetCaption()) << row.name;
    }
}

TEST_F(TabClient, TabTipsComeFromTheTabTheChildItsDocumentOrTheCaption)
{
    CTabTestChild* pChild = frame->AddChild("Report");
    CXTPTabStripItem* pItem = Client().FindItem(pChild->m_hWnd);
    EXPECT_STREQ("Report", pItem->GetTip()) << "the caption at last";
    pChild->m_bHasDocument = TRUE;
    pChild->m_document.SetPathName("C:\\reports\\week.txt", FALSE);
    EXPECT_STREQ("C:\\reports\\week.txt", pItem->GetTip()) << "the document's path";
    pChild->m_strTabTip = "From the child";
    EXPECT_STREQ("From the child", pItem->GetTip());
    pItem->SetTip("Own tip");
    EXPECT_STREQ("Own tip", pItem->GetTip());
}

TEST_F(TabClient, TabIconsComeFromTheChildOrItsWindow)
{
    CTabTestChild* pChild = frame->AddChild("Report");
    CXTPTabStripItem* pItem = Client().FindItem(pChild->m_hWnd);
    const HICON hAnswered = ::LoadIcon(NULL, IDI_WARNING);
    pChild->m_hTabIcon = hAnswered;
    EXPECT_EQ(hAnswered, Group()->GetItemIcon(pItem));

    pChild->m_hTabIcon = NULL;
    const HICON hSmall = ::LoadIcon(NULL, IDI_INFORMATION);
    pChild->SetIcon(hSmall, FALSE);
    const HICON hClassSmall = (HICON)::GetClassLongPtrA(pChild->m_hWnd, GCLP_HICONSM);
    EXPECT_EQ(hClassSmall != NULL ? hClassSmall : hSmall, Group()->GetItemIcon(pItem))
        << "the class's small icon first, then the window's";
    pChild->SetIcon(NULL, FALSE);
    if (hClassSmall == NULL && ::GetClassLongPtrA(pChild->m_hWnd, GCLP_HICON) == 0)
        EXPECT_EQ(::LoadIcon(NULL, IDI_WINLOGO), Group()->GetItemIcon(pItem)) << "the system's icon at last";
    else
        EXPECT_NE((HICON)NULL, Group()->GetItemIcon(pItem));
}

TEST_F(TabClient, AChildsColourIsKeptWithoutRepaintingOverAndOver)
{
    CTabTestChild* pChild = frame->AddChild("Report");
    pChild->m_clrTab = RGB(10, 120, 200);
    Client().GetPainter()->SetItemColors(TRUE);
    GroupWindow()->Invalidate(FALSE);
    GroupWindow()->UpdateWindow();
    EXPECT_GT(pChild->m_nColorQuestions, 0) << "asked while painting";
    CRect rcUpdate;
    EXPECT_FALSE(::GetUpdateRect(GroupWindow()->m_hWnd, rcUpdate, FALSE)) << "and no new repaint asked for";
    CXTPTabStripItem* pItem = Client().FindItem(pChild->m_hWnd);
    EXPECT_EQ(RGB(10, 120, 200), pItem->GetOwnColor());
    EXPECT_EQ(RGB(10, 120, 200), pItem->GetColor());

    pChild->m_clrTab = 0;
    EXPECT_EQ(RGB(10, 120, 200), pItem->GetColor()) << "no answer keeps the colour";
}

TEST_F(TabClient, PressesOnTheRowGoToTheFrameFirst)
{
    frame->AddChild("Report");
    MSG msg = {GroupWindow()->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10), 0, {0, 0}};
    frame->m_nPressAnswer = 1;
    EXPECT_TRUE(GroupWindow()->PreTranslateMessage(&msg)) << "the frame took it";
    frame->m_nPressAnswer = 0;
    EXPECT_FALSE(GroupWindow()->PreTranslateMessage(&msg));
    msg.message = WM_MOUSEMOVE;
    GroupWindow()->PreTranslateMessage(&msg);
    ASSERT_EQ(2u, frame->m_arrPresses.size()) << "presses only";
    EXPECT_EQ((UINT)WM_LBUTTONDOWN, frame->m_arrPresses[0]);
}

TEST_F(TabClient, TheCloseButtonClosesTheSelectedChild)
{
    frame->AddChild("Report");
    frame->AddChild("Notes");
    Client().SetButtonFlags(0);
    CXTPTabStripButton* pClose = Group()->FindButton(xtpTabButtonClose);
    ASSERT_FALSE(pClose->GetRect().IsRectEmpty());
    const CPoint ptClose = pClose->GetRect().CenterPoint();
    GroupWindow()->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClose.x, ptClose.y));
    GroupWindow()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClose.x, ptClose.y));
    PumpPending();
    EXPECT_STREQ("Report", frame->Groups());
}

TEST_F(TabClient, ButtonFlagsChooseTheButtons)
{
    frame->AddChild("Report");
    struct Row
    {
        DWORD dwFlags;
        int nClose, nScroll;
    } rows[] = {
        {0, xtpTabButtonAlways, xtpTabButtonAlways},
        {xtpTabClientScrollWhenNeeded, xtpTabButtonAlways, xtpTabButtonWhenNeeded},
        {xtpTabClientNoCloseButton, xtpTabButtonHidden, xtpTabButtonAlways},
        {xtpTabClientScrollWhenNeeded | xtpTabClientNoCloseButton, xtpTabButtonHidden, xtpTabButtonWhenNeeded},
    };
    for (const auto& row : rows)
    {
        Client().SetButtonFlags(row.dwFlags);
        EXPECT_EQ(row.nClose, Group()->FindButton(xtpTabButtonClose)->GetShowMode()) << row.dwFlags;
        EXPECT_EQ(row.nScroll, Group()->FindButton(xtpTabButtonScrollBack)->GetShowMode()) << row.dwFlags;
        EXPECT_EQ(row.nScroll, Group()->FindButton(xtpTabButtonScrollForward)->GetShowMode()) << row.dwFlags;
    }
}

TEST_F(TabClient, HiddenTabsGiveTheClientTheWholeArea)
{
    frame->AddChild("Report");
    Client().ShowTabs(FALSE);
    EXPECT_FALSE(::IsWindowVisible(GroupWindow()->m_hWnd));
    CRect rcFrame;
    frame->GetClientRect(rcFrame);
    EXPECT_EQ(rcFrame, MDIClientRect());
    EXPECT_EQ(NULL, Client().HitTest(CPoint(20, 10)));
    Client().ShowTabs(TRUE);
    EXPECT_NE(rcFrame, MDIClientRect());
}

TEST_F(TabClient, AttachingTwiceFails)
{
    EXPECT_FALSE(Client().Attach(frame, FALSE));
    CXTPTabClientWnd other;
    EXPECT_FALSE(other.Attach(frame, FALSE)) << "the client is another's already";
    CTestFrame* pPlain = new CTestFrame; // deletes itself with its window
    ASSERT_TRUE(pPlain->CreateAt(0, 0, 100, 100));
    EXPECT_FALSE(other.Attach((CMDIFrameWnd*)pPlain, FALSE)) << "not an MDI frame";
    EXPECT_FALSE(other.Detach()) << "never attached";
    pPlain->DestroyWindow();
}

TEST_F(TabClient, DetachingRestoresTheClientAndItsChildren)
{
    CTabTestChild* pReport = frame->AddChild("Report");
    CWnd* pGroupWindow = GroupWindow();
    const HWND hGroupWindow = pGroupWindow->m_hWnd;
    ASSERT_TRUE(Client().Detach());
    EXPECT_FALSE(Client().IsAttached());
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(frame->m_hWndMDIClient)) << "unsubclassed";
    EXPECT_FALSE(::IsWindow(hGroupWindow)) << "the row is gone";
    CRect rcFrame;
    frame->GetClientRect(rcFrame);
    EXPECT_EQ(rcFrame, MDIClientRect());
    EXPECT_TRUE(::IsWindow(pReport->m_hWnd));
    EXPECT_EQ(pReport, frame->MDIGetActive());
    EXPECT_FALSE(Client().Detach());

    EXPECT_TRUE(Client().Attach(frame, FALSE)) << "attaching again works";
    EXPECT_STREQ("Report", frame->Groups());
}

TEST_F(TabClient, ADestroyedClientObjectLeavesTheMDIClientAlive)
{
    CTabClientTestFrame* pOther = CTabClientTestFrame::CreateVisible(FALSE);
    ASSERT_NE(nullptr, pOther);
    pOther->m_tabClient.Detach();
    {
        CXTPTabClientWnd client;
        ASSERT_TRUE(client.Attach(pOther, TRUE));
        pOther->AddChild("Report");
    }
    EXPECT_TRUE(::IsWindow(pOther->m_hWndMDIClient));
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(pOther->m_hWndMDIClient));
    pOther->DestroyWindow();
    PumpPending();
}

TEST_F(TabClient, AFrameDestroyedUnderAnAttachedClientLeavesItDetached)
{
    CMDIFrameWnd* pOther = new CMDIFrameWnd;
    ASSERT_TRUE(pOther->Create(NULL, "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)));
    CXTPTabClientWnd client;
    ASSERT_TRUE(client.Attach(pOther, FALSE));
    CMDIChildWnd* pChild = new CMDIChildWnd;
    pChild->Create(NULL, "Report", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100), pOther);
    PumpPending();
    pOther->DestroyWindow();
    PumpPending();
    EXPECT_FALSE(client.IsAttached());
    EXPECT_EQ(0, client.GetWorkspaceCount());
    EXPECT_FALSE(client.Detach());
}

// ---- The command bars' theme ----------------------------------------------------------------

TEST_F(TabClient, ThePainterFollowsTheCommandBarsTheme)
{
    CXTPCommandBars* pBars = frame->AddCommandBars(xtpThemeOffice2000);
    frame->AddChild("Report");
    CXTPTabStripPainter* p = Client().GetPainter();
    struct Row
    {
        int nTheme, nAppearance, nColorId;
        BOOL bHotTracking, bItemColors, bClientFrame;
        int nClientFrameStyle;
    } rows[] = {
        {xtpThemeOfficeXP, xtpTabAppearanceRaised, xtpTabColorToolkit, FALSE, FALSE, TRUE, 1},
        {xtpThemeOffice2003, xtpTabAppearanceSlanted, xtpTabColorScheme, TRUE, TRUE, FALSE, 0},
        {xtpThemeNativeWinXP, xtpTabAppearance3D, xtpTabColorVisualStyle, TRUE, FALSE, FALSE, 0},
        {xtpThemeOffice2003Luna, xtpTabAppearanceSlanted, xtpTabColorSchemePlain, FALSE, FALSE, TRUE, 1},
        {xtpThemeOffice2000, xtpTabAppearance3D, xtpTabColorDefault, FALSE, FALSE, FALSE, 0},
    };
    for (const auto& row : rows)
    {
        pBars->SetPaintManager(CXTPPaintManager::CreateTheme(row.nTheme));
        pBars->RedrawCommandBars();
        EXPECT_EQ(row.nAppearance, p->GetAppearanceId()) << row.nTheme;
        EXPECT_EQ(row.nColorId, p->GetColorId()) << row.nTheme;
        EXPECT_EQ(row.bHotTracking, p->m_bHotTracking) << row.nTheme;
        EXPECT_EQ(row.bItemColors, p->IsItemColors()) << row.nTheme;
        EXPECT_EQ(row.bClientFrame, p->m_bClientFrame) << row.nTheme;
        EXPECT_EQ(row.nClientFrameStyle, p->m_nClientFrameStyle) << row.nTheme;
    }
    EXPECT_TRUE(p->m_bBoldSelected);
}

TEST_F(TabClient, AnOwnPainterStopsFollowingTheTheme)
{
    CXTPCommandBars* pBars = frame->AddCommandBars(xtpThemeOffice2003);
    frame->AddChild("Report");
    CXTPTabStripPainter* pOwn = new CXTPTabStripPainter;
    pOwn->SetAppearanceById(xtpTabAppearanceTrapezoid);
    Client().SetPainter(pOwn);
    EXPECT_FALSE(Client().GetFollowTheme());
    pBars->SetPaintManager(CXTPPaintManager::CreateTheme(xtpThemeOfficeXP));
    pBars->RedrawCommandBars();
    EXPECT_EQ(pOwn, Client().GetPainter());
    EXPECT_EQ(xtpTabAppearanceTrapezoid, pOwn->GetAppearanceId());
}

TEST_F(TabClient, RedrawingTheCommandBarsRefreshesTheTabs)
{
    CXTPCommandBars* pBars = frame->AddCommandBars(xtpThemeOffice2000);
    CTabTestChild* pChild = frame->AddChild("Report");
    pChild->m_strTabText = "Renamed";
    EXPECT_STREQ("Report", frame->Groups());
    pBars->RedrawCommandBars();
    EXPECT_STREQ("Renamed", frame->Groups());
}

TEST_F(TabClient, TheBackgroundTakesTheCommandBarsColour)
{
    PixelCanvas canvas(20, 20);
    Client().DrawBackground(&canvas.dc(), CRect(0, 0, 20, 20));
    EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE), canvas.Pixel(5, 5)) << "without command bars";
    frame->AddCommandBars(xtpThemeOffice2003);
    Client().DrawBackground(&canvas.dc(), CRect(0, 0, 20, 20));
    EXPECT_EQ(frame->m_pCommandBars->GetPaintManager()->GetColor(COLOR_APPWORKSPACE), canvas.Pixel(5, 5));
}

// The MDI client's window procedure under the tab client, for the case of
// the background: WM_PAINT with a DC fills it red, the rest goes on.
WNDPROC g_pfnMDIClient = NULL;
LRESULT CALLBACK RedPaintingMDIClient(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_PAINT && wParam != 0)
    {
        CRect rc;
        ::GetClipBox((HDC)wParam, rc);
        ::SetBkColor((HDC)wParam, kRed);
        ::ExtTextOutA((HDC)wParam, 0, 0, ETO_OPAQUE, rc, NULL, 0, NULL);
        return 0;
    }
    return ::CallWindowProcA(g_pfnMDIClient, hWnd, nMessage, wParam, lParam);
}

TEST_F(TabClient, WithoutTheThemedBackgroundTheClientLooksAsItsOwn)
{
    frame->AddCommandBars(xtpThemeOffice2003);
    EXPECT_TRUE(Client().IsThemedBackground()) << "themed by default";
    Client().SetThemedBackground(FALSE);
    PixelCanvas canvas(20, 20);
    Client().DrawBackground(&canvas.dc(), CRect(0, 0, 20, 20));
    EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE), canvas.Pixel(5, 5)) << "the MDI client's own background";

    // A window that paints itself paints into the DC given.
    ASSERT_TRUE(Client().Detach());
    g_pfnMDIClient = (WNDPROC)::SetWindowLongPtrA(frame->m_hWndMDIClient, GWLP_WNDPROC,
                                                  (LONG_PTR)RedPaintingMDIClient);
    ASSERT_TRUE(Client().Attach(frame, FALSE));
    canvas.Fill(kWhite);
    Client().DrawBackground(&canvas.dc(), CRect(0, 0, 20, 20));
    EXPECT_EQ(kRed, canvas.Pixel(5, 5)) << "its own WM_PAINT";
    Client().SetThemedBackground(TRUE);
    Client().DrawBackground(&canvas.dc(), CRect(0, 0, 20, 20));
    EXPECT_EQ(frame->m_pCommandBars->GetPaintManager()->GetColor(COLOR_APPWORKSPACE), canvas.Pixel(5, 5));
}

TEST_F(TabClient, ThePainterListenerLaysTheFrameOut)
{
    frame->AddChild("Report");
    const CRect rcBefore = MDIClientRect();
    ASSERT_GT(rcBefore.top, 0) << "the row at the top";
    Client().GetPainter()->SetPosition(xtpTabPositionBottom);
    EXPECT_EQ(rcBefore, MDIClientRect()) << "the painter tells no one by itself";
    Client().GetPainterListener()->OnPainterChanged();
    EXPECT_EQ(Group()->GetClientRect(), MDIClientRect());
    EXPECT_LT(MDIClientRect().top, rcBefore.top);
    EXPECT_GE(Group()->GetHeaderRect().top, MDIClientRect().bottom) << "the row went below the client";
}

TEST_F(TabClient, TabCoordinatesAreThoseOfTheWindowTheTabsStandIn)
{
    for (BOOL bGrouping : {FALSE, TRUE})
    {
        frame->DestroyWindow();
        frame = CTabClientTestFrame::CreateVisible(bGrouping);
        ASSERT_NE(nullptr, frame);
        frame->AddChild("Report");
        const HWND hTabs = bGrouping ? Client().m_hWnd : GroupWindow()->m_hWnd;
        const CRect rcTab = Group()->GetItem(0)->GetRect();
        CRect rcExpected = rcTab, rcScreen = rcTab;
        ::MapWindowPoints(hTabs, NULL, (LPPOINT)&rcExpected, 2);
        Client().ClientToScreen(rcScreen);
        EXPECT_EQ(rcExpected, rcScreen) << bGrouping;
        CPoint pt = rcTab.CenterPoint();
        Client().ClientToScreen(&pt);
        EXPECT_EQ(rcExpected.CenterPoint(), pt) << bGrouping;
        Client().ScreenToClient(&pt);
        Client().ScreenToClient(rcScreen);
        EXPECT_EQ(rcTab.CenterPoint(), pt) << bGrouping;
        EXPECT_EQ(rcTab, rcScreen) << bGrouping;
        EXPECT_EQ(Group()->GetItem(0), Client().HitTest(pt)) << bGrouping;
    }
}

TEST_F(TabClient, TheRowAndTheMDIClientArePlacedByOneLayout)
{
    frame->AddChild("Report");
    const CRect rcArea(20, 10, 320, 210);
    CRect rcInside = rcArea;
    static_cast<CWnd&>(Client()).CalcWindowRect(rcInside);
    EXPECT_EQ(rcArea, RectInParent(GroupWindow()));
    EXPECT_EQ(Group()->GetClientRect() + rcArea.TopLeft(), rcInside);
    EXPECT_EQ(rcInside, MDIClientRect()) << "the MDI client moved with the row, not later by the frame";
}

// The tip the thread's tool tip holds once the pump offered a mouse move at
// the point to the window; empty when the window took no tool.
CString ToolTipOffered(CWnd* pWnd, CPoint pt)
{
    MSG msg = {pWnd->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y), 0, {0, 0}};
    pWnd->PreTranslateMessage(&msg);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hWndLastHit != pWnd->m_hWnd)
        return "";
    char szText[256] = "";
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.lpszText = szText;
    ::SendMessageA(pState->m_hWndToolTip, TTM_ENUMTOOLSA, 0, (LPARAM)&info);
    return szText;
}

TEST_F(TabClient, ToolTipsShowTheTabsTipsOnceEnabled)
{
    enum When
    {
        beforeAttaching,
        beforeTheFirstTab,
        onceTheTabsStand
    };
    struct Row
    {
        const char* name;
        BOOL bGrouping;
        When when;
    } rows[] = {
        {"grouping, enabled before attaching", TRUE, beforeAttaching},
        {"grouping", TRUE, beforeTheFirstTab},
        {"grouping, enabled later", TRUE, onceTheTabsStand},
        {"a row of its own, enabled before attaching", FALSE, beforeAttaching},
        {"a row of its own", FALSE, beforeTheFirstTab},
        {"a row of its own, enabled later", FALSE, onceTheTabsStand},
    };
    for (const Row& row : rows)
    {
        frame->DestroyWindow();
        frame = CTabClientTestFrame::CreateVisible(row.bGrouping);
        ASSERT_NE(nullptr, frame);
        if (row.when == beforeAttaching)
        {
            Client().Detach();
            Client().EnableToolTips(TRUE);
            Client().Attach(frame, row.bGrouping);
        }
        else if (row.when == beforeTheFirstTab)
        {
            Client().EnableToolTips(TRUE);
        }
        frame->AddChild("Report");
        Group()->GetItem(0)->SetTip("The weekly report");
        CWnd* pTabs = row.bGrouping ? (CWnd*)&Client() : GroupWindow();
        const CPoint ptTab = Group()->GetItem(0)->GetRect().CenterPoint();
        if (row.when == onceTheTabsStand)
        {
            EXPECT_STREQ("", ToolTipOffered(pTabs, ptTab)) << row.name << ": off by default";
            Client().EnableToolTips(TRUE);
        }
        EXPECT_STREQ("The weekly report", ToolTipOffered(pTabs, ptTab)) << row.name;
        Client().EnableToolTips(FALSE);
        EXPECT_STREQ("", ToolTipOffered(pTabs, ptTab)) << row.name << ": off again";
    }
}

// A colour change refreshes the painter's colours and fonts and the tabs,
// and lays them out again.
TEST_F(TabClient, ASystemColourChangeRefreshesThePainterAndTheTabs)
{
    CTabTestChild* pChild = frame->AddChild("Report");
    CXTPTabStripColors* pColors = Client().GetPainter()->GetColorSet();
    pColors->m_clrBorder.SetStandardValue(RGB(1, 2, 3));
    pChild->m_strTabText = "Renamed";
    const CRect rcBefore = MDIClientRect();
    Client().GetPainter()->SetPosition(xtpTabPositionBottom);
    ASSERT_EQ(rcBefore, MDIClientRect());

    Client().SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), (COLORREF)pColors->m_clrBorder) << "the colours anew";
    EXPECT_STREQ("Renamed", frame->Groups()) << "the tabs refreshed";
    EXPECT_LT(MDIClientRect().top, rcBefore.top) << "and laid out: the row went to the bottom";
}

TEST_F(TabClient, TheNewGroupCommandsHaveTheirImages)
{
    EXPECT_NE(nullptr, XTPImageManager()->GetImage(XTP_ID_WORKSPACE_NEWHORIZONTAL, 16));
    EXPECT_NE(nullptr, XTPImageManager()->GetImage(XTP_ID_WORKSPACE_NEWVERTICAL, 16));
}

} // namespace
