// The menu bar of an MDI frame: it shows the menu of the active child's
// document type (asked for with WM_MDISETMENU, which it takes in place of
// the frame), keeps the controls of each menu it met when the frame handles
// the customize command, and shows the maximised child's system menu and
// its minimise, restore and close buttons. The deferred refresh is driven by
// sending WM_TIMER 12223, as the bar posts it to itself.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlMDIButton.h"
#include "toolkit/commandbars/controls/XTPControlMDISysMenuPopup.h"
#include "toolkit/commandbars/state/XTPPropExchangeParam.h"
#include "toolkit/foundation/XTPImageManager.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"

namespace {

// An MDI frame wired to a manager as a program's frame is; it handles the
// customize command when asked to (so the bar keeps each menu's controls).
class CMdiBarsFrame : public CMDIFrameWnd
{
public:
    CXTPCommandBars* m_pCommandBars = NULL;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        return (m_pCommandBars != NULL && m_pCommandBars->PreTranslateFrameMessage(pMsg))
               || CMDIFrameWnd::PreTranslateMessage(pMsg);
    }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        return (m_pCommandBars != NULL && m_pCommandBars->OnFrameWndMsg(message, wParam, lParam, pResult))
               || CMDIFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        // The customize command has a handler only when the test says so.
        if (nID == XTP_ID_CUSTOMIZE && nCode == CN_COMMAND && pHandlerInfo != NULL)
            return m_bCustomizeHandled;
        return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

    BOOL m_bCustomizeHandled = TRUE;
};

// A frame with the menu of IDR_TEST_MENU taken by a menu bar, and children
// of two document types.
class MdiMenuBarTest : public ::testing::Test
{
protected:
    void SetUp() override { CreateFrame(TRUE); }
    void TearDown() override
    {
        XTPMouseManager()->SendTrackLost();
        frame->m_pCommandBars->InternalRelease();
        frame->m_pCommandBars = NULL;
        frame->DestroyWindow();
        PumpPending();
        for (HMENU hMenu : {m_hMenuA, m_hMenuB})
            ::DestroyMenu(hMenu);
    }

    void CreateFrame(BOOL bCustomizeHandled)
    {
        frame = new CMdiBarsFrame;
        frame->m_bCustomizeHandled = bCustomizeHandled;
        ASSERT_TRUE(frame->Create(NULL, "mdi", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 540, 400), NULL,
                                  MAKEINTRESOURCE(IDR_TEST_MENU)));
        frame->m_hMenuDefault = ::GetMenu(frame->m_hWnd);
        CXTPCommandBars* pBars = (CXTPCommandBars*)RUNTIME_CLASS(CXTPCommandBars)->CreateObject();
        frame->m_pCommandBars = pBars;
        pBars->SetPaintManager(new CFixedSizePaintManager);
        pBars->SetSite(frame);
        pBars->EnableDocking();
        ASSERT_NE(nullptr, pBars->SetMenu("Menu Bar", IDR_TEST_MENU));
        frame->RecalcLayout();
        m_hMenuA = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_TEST_DOC_A));
        m_hMenuB = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_TEST_DOC_B));
    }

    CXTPMenuBar* MenuBar() const { return frame->m_pCommandBars->GetMenuBar(); }

    // A child of the document type whose menu is nMenuID; it becomes active.
    CMDIChildWnd* OpenChild(UINT nMenuID, DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW)
    {
        CMDIChildWnd* pChild = new CMDIChildWnd;
        pChild->m_hMenuShared = nMenuID == IDR_TEST_DOC_A ? m_hMenuA : m_hMenuB;
        EXPECT_TRUE(pChild->LoadFrame(nMenuID, dwStyle, frame));
        PumpPending();
        return pChild;
    }
    // The refresh the bar posts itself after the MDI windows changed.
    void Refresh()
    {
        PumpPending();
        MenuBar()->SendMessage(WM_TIMER, XTP_TID_MDI_REFRESH);
    }

    // The bar's captions, the MDI controls by their ids ("[9406]").
    std::string Captions() const
    {
        std::string text;
        for (int i = 0; i < MenuBar()->GetControlCount(); i++)
        {
            CXTPControl* pControl = MenuBar()->GetControl(i);
            if (!text.empty())
                text += " ";
            if (pControl->GetID() >= XTP_ID_MENUBAR_CLOSE && pControl->GetID() <= XTP_ID_MENUBAR_SYSMENU)
                text += "[" + std::to_string(pControl->GetID()) + "]";
            else
                text += (LPCTSTR)pControl->GetCaption();
        }
        return text;
    }

    CMdiBarsFrame* frame = nullptr;
    HMENU m_hMenuA = NULL;
    HMENU m_hMenuB = NULL;
};

TEST_F(MdiMenuBarTest, TheMenuBarTakesTheFrameMenuAndWatchesTheClient)
{
    EXPECT_EQ(NULL, ::GetMenu(frame->m_hWnd));
    EXPECT_EQ(frame->m_hMenuDefault, MenuBar()->GetFrameMenu());
    EXPECT_EQ("&File &Edit &View &Help", Captions());
    EXPECT_EQ(NULL, MenuBar()->GetActiveMdiChild());
    // The system commands have their pictures for the child's system menu.
    for (UINT nCommand : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
        EXPECT_NE(nullptr, MenuBar()->GetImageManager()->GetImage(nCommand, 16)) << nCommand;
}

TEST_F(MdiMenuBarTest, ChildrenSwitchTheMenuToTheirDocumentType)
{
    CMDIChildWnd* pChildA = OpenChild(IDR_TEST_DOC_A);
    EXPECT_EQ((UINT)IDR_TEST_DOC_A, MenuBar()->GetCurrentMenuID());
    EXPECT_EQ("&File &Draw &Help", Captions());

    OpenChild(IDR_TEST_DOC_B);
    EXPECT_EQ((UINT)IDR_TEST_DOC_B, MenuBar()->GetCurrentMenuID());
    EXPECT_EQ("&File &Table &Sheet", Captions());

    pChildA->MDIActivate();
    PumpPending();
    EXPECT_EQ("&File &Draw &Help", Captions());
    // The frame never shows a native menu meanwhile.
    EXPECT_EQ(NULL, ::GetMenu(frame->m_hWnd));
}

TEST_F(MdiMenuBarTest, SwitchingBackReusesTheStoredControlsWithTheirCustomisation)
{
    CMDIChildWnd* pChildA = OpenChild(IDR_TEST_DOC_A);
    CXTPControls* pControlsA = MenuBar()->GetControls();
    MenuBar()->GetControl(1)->SetCaption(CString("&Paint"));

    OpenChild(IDR_TEST_DOC_B);
    pChildA->MDIActivate();
    PumpPending();

    EXPECT_EQ(pControlsA, MenuBar()->GetControls());
    EXPECT_EQ("&File &Paint &Help", Captions());
    // The menus not shown are kept by their ids, the frame's own among them.
    const CXTPMenuBar::CMDIMenuMap& menus = MenuBar()->GetMDIMenus();
    EXPECT_EQ(2u, menus.size());
    EXPECT_EQ(1u, menus.count(IDR_TEST_MENU));
    EXPECT_EQ(1u, menus.count(IDR_TEST_DOC_B));
}

TEST_F(MdiMenuBarTest, ClosingTheLastChildBringsTheFrameMenuBack)
{
    CXTPControls* pFrameControls = MenuBar()->GetControls();
    CMDIChildWnd* pChild = OpenChild(IDR_TEST_DOC_B);
    pChild->MDIDestroy();
    PumpPending();

    EXPECT_EQ((UINT)IDR_TEST_MENU, MenuBar()->GetCurrentMenuID());
    EXPECT_EQ(pFrameControls, MenuBar()->GetControls());
    EXPECT_EQ("&File &Edit &View &Help", Captions());
}

TEST_F(MdiMenuBarTest, WithoutCustomizingTheMenusAreRebuiltAndNotKept)
{
    TearDown();
    CreateFrame(FALSE);
    CMDIChildWnd* pChildA = OpenChild(IDR_TEST_DOC_A);
    MenuBar()->GetControl(1)->SetCaption(CString("&Paint"));
    OpenChild(IDR_TEST_DOC_B);
    pChildA->MDIActivate();
    PumpPending();

    EXPECT_EQ("&File &Draw &Help", Captions());
    EXPECT_TRUE(MenuBar()->GetMDIMenus().empty());
}

TEST_F(MdiMenuBarTest, TheIgnoreFlagKeepsTheMenuButStillTakesTheRequest)
{
    MenuBar()->SetFlags(xtpFlagIgnoreSetMenuMessage);
    OpenChild(IDR_TEST_DOC_A);

    EXPECT_EQ("&File &Edit &View &Help", Captions());
    EXPECT_EQ(NULL, ::GetMenu(frame->m_hWnd));
}

TEST_F(MdiMenuBarTest, AHiddenBarLetsTheRequestThroughOnlyToAFrameThatShowsAMenu)
{
    MenuBar()->SetVisible(FALSE);
    OpenChild(IDR_TEST_DOC_A);
    EXPECT_EQ(NULL, ::GetMenu(frame->m_hWnd));

    ::SetMenu(frame->m_hWnd, frame->m_hMenuDefault);
    OpenChild(IDR_TEST_DOC_B);
    EXPECT_EQ(m_hMenuB, ::GetMenu(frame->m_hWnd));
    ::SetMenu(frame->m_hWnd, NULL);
}

TEST_F(MdiMenuBarTest, AMaximisedChildShowsItsSystemMenuFirstAndItsButtonsLast)
{
    MenuBar()->SetFlags(xtpFlagAddMDISysPopup);
    CMDIChildWnd* pChild = OpenChild(IDR_TEST_DOC_A);
    pChild->MDIMaximize();
    Refresh();

    EXPECT_EQ("[9406] &File &Draw &Help [9405] [9404] [9403]", Captions());
    EXPECT_EQ(pChild->m_hWnd, MenuBar()->GetHookedMdiChild());
    // The buttons stand at the bar's far end, in a row of their own size.
    CXTPControl* pClose = MenuBar()->GetControls()->FindControlById(XTP_ID_MENUBAR_CLOSE);
    CRect rcBar;
    MenuBar()->GetClientRect(&rcBar);
    EXPECT_EQ(CSize(16, 16), pClose->GetRect().Size());
    EXPECT_GT(pClose->GetRect().right, rcBar.right - 8);

    pChild->MDIRestore();
    Refresh();
    EXPECT_EQ("&File &Draw &Help", Captions());
}

TEST_F(MdiMenuBarTest, TheButtonsFollowTheChildStyleAndTheBarFlags)
{
    const DWORD dwFull = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW;
    struct Row
    {
        const char* name;
        DWORD dwStyle;
        DWORD dwFlags;
        const char* expected;
    } rows[] = {
        {"all three", dwFull, 0, "&File &Draw &Help [9405] [9404] [9403]"},
        {"no minimise box", dwFull & ~WS_MINIMIZEBOX, 0, "&File &Draw &Help [9404] [9403]"},
        {"no maximise box", dwFull & ~WS_MAXIMIZEBOX, 0, "&File &Draw &Help [9405] [9403]"},
        {"close hidden by the bar", dwFull, xtpFlagHideClose, "&File &Draw &Help [9405] [9404]"},
        {"minimise hidden by the bar", dwFull, xtpFlagHideMinimizeBox, "&File &Draw &Help [9404] [9403]"},
        {"restore hidden by the bar", dwFull, xtpFlagHideMaximizeBox, "&File &Draw &Help [9405] [9403]"},
    };
    for (const Row& row : rows)
    {
        MenuBar()->SetFlags(row.dwFlags);
        CMDIChildWnd* pChild = OpenChild(IDR_TEST_DOC_A, row.dwStyle);
        pChild->MDIMaximize();
        Refresh();
        EXPECT_EQ(row.expected, Captions()) << row.name;
        pChild->MDIDestroy();
        Refresh();
        MenuBar()->SetFlags(0, row.dwFlags);
    }
}

TEST_F(MdiMenuBarTest, ButtonsKeepTheirOrderWhenTheNextMaximisedChildAllowsMore)
{
    CMDIChildWnd* pNarrow = OpenChild(IDR_TEST_DOC_A, WS_CHILD | WS_VISIBLE | (WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX));
    pNarrow->MDIMaximize();
    Refresh();
    OpenChild(IDR_TEST_DOC_A)->MDIMaximize();
    Refresh();

    EXPECT_EQ("&File &Draw &Help [9405] [9404] [9403]", Captions());
}

TEST_F(MdiMenuBarTest, EachButtonSendsItsSystemCommandToTheChild)
{
    struct Row
    {
        int nId;
        BOOL bDestroyed;
        BOOL bIconic;
        BOOL bMaximized;
    } rows[] = {
        {XTP_ID_MENUBAR_CLOSE, TRUE, FALSE, FALSE},
        {XTP_ID_MENUBAR_RESTORE, FALSE, FALSE, FALSE},
        {XTP_ID_MENUBAR_MINIMIZE, FALSE, TRUE, FALSE},
    };
    for (const Row& row : rows)
    {
        CMDIChildWnd* pChild = OpenChild(IDR_TEST_DOC_A);
        HWND hWndChild = pChild->m_hWnd;
        pChild->MDIMaximize();
        Refresh();
        CXTPControl* pButton = MenuBar()->GetControls()->FindControlById(row.nId);
        ASSERT_NE(nullptr, pButton) << row.nId;
        pButton->OnClick(TRUE);
        PumpPending();

        EXPECT_EQ(row.bDestroyed, !::IsWindow(hWndChild)) << row.nId;
        if (::IsWindow(hWndChild))
        {
            EXPECT_EQ(row.bIconic, ::IsIconic(hWndChild)) << row.nId;
            EXPECT_EQ(row.bMaximized, ::IsZoomed(hWndChild)) << row.nId;
            ::SendMessage(frame->m_hWndMDIClient, WM_MDIDESTROY, (WPARAM)hWndChild, 0);
        }
        Refresh();
    }
}

TEST_F(MdiMenuBarTest, TheSystemMenuListsTheChildCommandsAndClosesTheChild)
{
    MenuBar()->SetFlags(xtpFlagAddMDISysPopup);
    CMDIChildWnd* pChild = OpenChild(IDR_TEST_DOC_A);
    HWND hWndChild = pChild->m_hWnd;
    pChild->MDIMaximize();
    Refresh();

    CXTPControlMDISysMenuPopup* pSysMenu = DYNAMIC_DOWNCAST(
        CXTPControlMDISysMenuPopup, MenuBar()->GetControls()->FindControlById(XTP_ID_MENUBAR_SYSMENU));
    ASSERT_NE(nullptr, pSysMenu);
    EXPECT_EQ(::GetSystemMenu(hWndChild, FALSE), pSysMenu->GetSystemMenu());
    EXPECT_NE((HICON)NULL, pSysMenu->GetIcon());
    CXTPControls* pItems = pSysMenu->GetCommandBar()->GetControls();
    CXTPControl* pClose = pItems->FindControlById(SC_CLOSE);
    ASSERT_NE(nullptr, pClose);
    EXPECT_NE(nullptr, pItems->FindControlById(SC_RESTORE));
    EXPECT_TRUE(pClose->GetBeginGroup());
    for (int i = 0; i < pItems->GetCount(); i++)
    {
        const UINT nID = (UINT)pItems->GetAt(i)->GetID();
        EXPECT_TRUE(nID >= 0xF000 && nID < 0xF1F0) << nID;
        EXPECT_FALSE(pItems->GetAt(i)->GetCaption().IsEmpty()) << nID;
    }
    // The system menu's own shortcut text stays beside Close.
    pSysMenu->GetCommandBar()->OnRecalcLayout();
    EXPECT_FALSE(pClose->GetAutoShortcutText().IsEmpty());

    // Opened as the user opens it, so its commands reach the frame.
    ASSERT_TRUE(MenuBar()->SetPopuped(0));
    pClose->OnExecute();
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndChild));
}

TEST_F(MdiMenuBarTest, TheSystemMenuShowsTheChildsStatesAsItOpens)
{
    MenuBar()->SetFlags(xtpFlagAddMDISysPopup);
    CMDIChildWnd* pChild = OpenChild(IDR_TEST_DOC_A);
    pChild->MDIMaximize();
    Refresh();
    CXTPControl* pSysMenu = MenuBar()->GetControls()->FindControlById(XTP_ID_MENUBAR_SYSMENU);
    ASSERT_NE(nullptr, pSysMenu);
    // The program takes Close away after the popup was built.
    ::EnableMenuItem(::GetSystemMenu(pChild->m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);

    ASSERT_TRUE(MenuBar()->SetPopuped(pSysMenu->GetIndex()));
    struct Row
    {
        UINT nCommand;
        BOOL bEnabled;
    } rows[] = {{SC_RESTORE, TRUE},   {SC_MOVE, FALSE},     {SC_SIZE, FALSE},
                {SC_MINIMIZE, TRUE},  {SC_MAXIMIZE, FALSE}, {SC_CLOSE, FALSE}};
    CXTPControls* pItems = pSysMenu->GetCommandBar()->GetControls();
    for (const Row& row : rows)
    {
        CXTPControl* pItem = pItems->FindControlById(row.nCommand);
        ASSERT_NE(nullptr, pItem) << std::hex << row.nCommand;
        EXPECT_EQ(row.bEnabled, pItem->GetEnabled()) << std::hex << row.nCommand;
    }

    MenuBar()->SetPopuped(-1);
    ::EnableMenuItem(::GetSystemMenu(pChild->m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    ASSERT_TRUE(MenuBar()->SetPopuped(pSysMenu->GetIndex()));
    EXPECT_TRUE(pItems->FindControlById(SC_CLOSE)->GetEnabled()) << "asked again at each opening";
}

TEST_F(MdiMenuBarTest, ADoubleClickOnTheChildsIconClosesTheChild)
{
    MenuBar()->SetFlags(xtpFlagAddMDISysPopup);
    CMDIChildWnd* pChild = OpenChild(IDR_TEST_DOC_A);
    HWND hWndChild = pChild->m_hWnd;
    pChild->MDIMaximize();
    Refresh();
    CXTPControl* pSysMenu = MenuBar()->GetControls()->FindControlById(XTP_ID_MENUBAR_SYSMENU);
    ASSERT_NE(nullptr, pSysMenu);
    CXTPPopupBar* pPopup = (CXTPPopupBar*)pSysMenu->GetCommandBar();
    EXPECT_EQ((UINT)SC_CLOSE, pPopup->GetDefaultItem()) << "Close is the system menu's default, drawn bold";

    const CPoint pt = pSysMenu->GetRect().CenterPoint();
    MenuBar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    MenuBar()->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndChild));
}

TEST(MdiSystemMenuStates, TheWindowCommandsFollowTheWindowAndTheOthersTheMenu)
{
    const DWORD dwBoxes = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    struct Row
    {
        const char* name;
        UINT nCommand;
        DWORD dwStyle;
        UINT nMenuState;
        BOOL bEnabled;
    } rows[] = {
        {"restore of a maximised window", SC_RESTORE, dwBoxes | WS_MAXIMIZE, MF_GRAYED, TRUE},
        {"restore of a minimised window", SC_RESTORE, dwBoxes | WS_MINIMIZE, MF_GRAYED, TRUE},
        {"restore of a normal window", SC_RESTORE, dwBoxes, MF_ENABLED, FALSE},
        {"move of a maximised window", SC_MOVE, dwBoxes | WS_MAXIMIZE, MF_ENABLED, FALSE},
        {"move of a minimised window", SC_MOVE, dwBoxes | WS_MINIMIZE, MF_GRAYED, TRUE},
        {"size of a normal window", SC_SIZE, dwBoxes, MF_GRAYED, TRUE},
        {"size without a sizing frame", SC_SIZE, WS_MINIMIZEBOX, MF_ENABLED, FALSE},
        {"size of a maximised window", SC_SIZE, dwBoxes | WS_MAXIMIZE, MF_ENABLED, FALSE},
        {"minimise of a maximised window", SC_MINIMIZE, dwBoxes | WS_MAXIMIZE, MF_GRAYED, TRUE},
        {"minimise of a minimised window", SC_MINIMIZE, dwBoxes | WS_MINIMIZE, MF_ENABLED, FALSE},
        {"minimise without its box", SC_MINIMIZE, WS_MAXIMIZEBOX, MF_ENABLED, FALSE},
        {"maximise of a maximised window", SC_MAXIMIZE, dwBoxes | WS_MAXIMIZE, MF_ENABLED, FALSE},
        {"maximise of a minimised window", SC_MAXIMIZE, dwBoxes | WS_MINIMIZE, MF_GRAYED, TRUE},
        {"maximise without its box", SC_MAXIMIZE, WS_MINIMIZEBOX, MF_ENABLED, FALSE},
        {"close as the menu says", SC_CLOSE, dwBoxes, MF_ENABLED, TRUE},
        {"close greyed by the program", SC_CLOSE, dwBoxes | WS_MAXIMIZE, MF_GRAYED, FALSE},
        {"next window disabled in the menu", SC_NEXTWINDOW, dwBoxes, MF_DISABLED, FALSE},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.bEnabled,
                  CXTPControlMDISysMenuPopup::IsSystemCommandEnabled(row.nCommand, row.dwStyle, row.nMenuState))
            << row.name;
}

TEST_F(MdiMenuBarTest, ASavedStateBringsBackTheCustomisedDocumentMenuAndTheFrameMenu)
{
    CMDIChildWnd* pChildA = OpenChild(IDR_TEST_DOC_A);
    MenuBar()->GetControl(1)->SetCaption(CString("&Paint"));
    CMDIChildWnd* pChildB = OpenChild(IDR_TEST_DOC_B);
    pChildA->MDIActivate();
    PumpPending();
    // Saved while the customised document menu shows.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        frame->m_pCommandBars->Serialize(ar);
    }
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        frame->m_pCommandBars->Serialize(ar);
    }

    EXPECT_TRUE(MenuBar()->IsMenuSwitched());
    EXPECT_EQ("&File &Edit &View &Help", Captions());
    const CXTPMenuBar::CMDIMenuMap& menus = MenuBar()->GetMDIMenus();
    ASSERT_EQ(1u, menus.count(IDR_TEST_DOC_A));
    EXPECT_EQ(0u, menus.count(IDR_TEST_DOC_B));
    EXPECT_EQ(CString("&Paint"), menus.at(IDR_TEST_DOC_A)->GetAt(1)->GetCaption());
    // The next child activation shows the customised menu again.
    pChildB->MDIActivate();
    pChildA->MDIActivate();
    PumpPending();
    EXPECT_EQ("&File &Paint &Help", Captions());
}

// The next start: a new frame showing the frame menu loads, silently, a
// state saved while a customised document menu showed. The bar then held
// that menu's original controls as its own; the frame menu's, kept among
// the document menus, are the ones that stand for the program's bar, so the
// state is taken, the customised menu with it.
TEST_F(MdiMenuBarTest, AStateSavedWhileADocumentMenuShowedLoadsAtTheNextStart)
{
    OpenChild(IDR_TEST_DOC_A);
    MenuBar()->GetControl(1)->SetCaption(CString("&Paint"));
    CXTPPropExchangeParam param;
    param.bSerializeControls = TRUE;
    param.bLoadSilent = TRUE;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        frame->m_pCommandBars->DoPropExchange(&px, &param);
    }
    TearDown();
    CreateFrame(TRUE);
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        CXTPPropExchangeArchive px(ar);
        frame->m_pCommandBars->DoPropExchange(&px, &param);
    }

    EXPECT_EQ("&File &Edit &View &Help", Captions());
    const CXTPMenuBar::CMDIMenuMap& menus = MenuBar()->GetMDIMenus();
    ASSERT_EQ(1u, menus.count(IDR_TEST_DOC_A));
    EXPECT_EQ(CString("&Paint"), menus.at(IDR_TEST_DOC_A)->GetAt(1)->GetCaption());
}

TEST_F(MdiMenuBarTest, StateLoadingWithoutStoredMenusSwitchesNothing)
{
    MenuBar()->OnStateLoaded();
    EXPECT_FALSE(MenuBar()->IsMenuSwitched());
    EXPECT_EQ("&File &Edit &View &Help", Captions());
}

// The test's application answers the reset question.
struct CResetAnswerApp : CWinApp
{
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) override
    {
        m_strAsked = lpszPrompt;
        m_nType = nType;
        return m_nAnswer;
    }
    int m_nAnswer = IDCANCEL;
    std::string m_strAsked;
    UINT m_nType = 0;
};

TEST_F(MdiMenuBarTest, ResetRebuildsTheCurrentMenuOnlyWhenTheUserConfirms)
{
    CResetAnswerApp app;
    CMDIChildWnd* pChild = OpenChild(IDR_TEST_DOC_A);
    pChild->MDIMaximize();
    Refresh();
    MenuBar()->GetControl(1)->SetCaption(CString("&Paint"));

    MenuBar()->Reset();
    EXPECT_EQ("Are you sure you want to reset the changes made to the 'Menu Bar'?", app.m_strAsked);
    EXPECT_EQ((UINT)(MB_OKCANCEL | MB_ICONEXCLAMATION), app.m_nType);
    EXPECT_EQ("&File &Paint &Help [9405] [9404] [9403]", Captions());

    app.m_nAnswer = IDOK;
    MenuBar()->Reset();
    EXPECT_EQ("&File &Draw &Help [9405] [9404] [9403]", Captions());
    EXPECT_FALSE(MenuBar()->GetControls()->IsChanged());
}

} // namespace
