// Command-state updates, clicks, the control-creation request, keyboard
// tracking and mnemonics, through real windows and messages.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/input/XTPAccelManager.h"
#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"

namespace {

typedef std::vector<std::string> Log;

class CommandRoutingTest : public CommandBarsTest
{
protected:
    // The toolbar's buttons by caption (or id), in brackets when disabled,
    // with " checked" when checked.
    std::string States()
    {
        std::string text;
        CXTPControls* pControls = frame->GetToolBar()->GetControls();
        for (int i = 0; i < pControls->GetCount() && !pControls->GetAt(i)->IsTemporary(); i++)
        {
            CXTPControl* pControl = pControls->GetAt(i);
            std::string name = pControl->GetCaption().IsEmpty() ? std::to_string(pControl->GetID())
                                                                : (LPCTSTR)pControl->GetCaption();
            text += (i ? ", " : "") + (pControl->GetEnabled() ? name : "(" + name + ")");
            text += pControl->GetChecked() ? " checked" : "";
        }
        return text;
    }
};

TEST_F(CommandRoutingTest, IdleUpdateEnablesChecksAndRetitles)
{
    UINT buttons[] = {ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_COPY, ID_TEST_BOLD, ID_TEST_EXIT};
    frame->GetToolBar()->SetButtons(buttons, 5);
    frame->m_bCopyEnabled = FALSE;
    frame->m_bBoldChecked = TRUE;
    frame->m_strOpenText = "Open Now";
    frame->GetToolBar()->SendMessage(WM_IDLEUPDATECMDUI, FALSE, 0);
    EXPECT_EQ("New, Open Now, (Copy), Bold checked, 3003", States())
        << "without disabling, Exit stays enabled";
    // As the thread's idle time does: every permanent window below the frame.
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    EXPECT_EQ("New, Open Now, (Copy), Bold checked, (3003)", States());

    frame->m_bCopyEnabled = TRUE;
    frame->m_bBoldChecked = FALSE;
    frame->GetToolBar()->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_EQ("New, Open Now, Copy, Bold, (3003)", States());
}

TEST_F(CommandRoutingTest, CommandThatRemovesTheBarsRunsToItsEnd)
{
    frame->m_onNew = [this]() { frame->m_pCommandBars->RemoveAll(); };
    Click(Button(ID_TEST_NEW));
    EXPECT_EQ(Log({"execute 3001 code 100", "command new"}), frame->m_log);
    EXPECT_EQ(0, frame->m_pCommandBars->GetCount());
    PumpPending();
}

TEST_F(CommandRoutingTest, SiteReplacesAButtonByAnotherControl)
{
    frame->m_nReplaceId = ID_TEST_COPY;
    CXTPToolBar* pToolBar = frame->GetToolBar();
    ASSERT_TRUE(pToolBar->LoadToolBar(IDR_TEST_TOOLBAR));
    CXTPControl* pControl = Button(ID_TEST_COPY);
    ASSERT_TRUE(pControl != NULL);
    EXPECT_TRUE(pControl->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)));
    EXPECT_EQ(xtpControlButtonPopup, pControl->GetType());
    EXPECT_EQ(2, pControl->GetIndex());
    EXPECT_TRUE(pControl->GetBeginGroup()) << "the separator before it still counts";
    EXPECT_FALSE(Button(ID_TEST_BOLD)->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)));
}

// Keys while the menu bar tracks (from its first menu): the selected index,
// then what the frame logged.
TEST_F(CommandRoutingTest, KeysMoveTheMenuBarSelection)
{
    auto afterKeys = [this](std::initializer_list<UINT> keys) {
        frame->m_log.clear();
        MenuBar()->SetTrackingMode(xtpTrackingOn, TRUE, TRUE);
        EXPECT_EQ(0, MenuBar()->GetSelectedIndex());
        for (UINT nKey : keys)
            MenuBar()->OnHookKeyDown(nKey, 0);
        std::string result = std::to_string(MenuBar()->GetSelectedIndex());
        for (const std::string& entry : frame->m_log)
            result += ", " + entry;
        MenuBar()->SetTrackingMode(xtpTrackingOff);
        EXPECT_EQ(0, XTPMouseManager()->GetTrackedCount());
        return result;
    };
    EXPECT_EQ("2", afterKeys({VK_RIGHT, VK_RIGHT})) << "right moves";
    EXPECT_EQ("3", afterKeys({VK_LEFT})) << "left wraps to the end";
    EXPECT_EQ("0", afterKeys({VK_END, VK_HOME})) << "end then home";
    EXPECT_EQ("2", afterKeys({VK_TAB, VK_RIGHT})) << "tab and right agree";
    EXPECT_EQ("2, init popup View", afterKeys({'V'})) << "a mnemonic selects and opens";
    EXPECT_EQ("-1, execute 3006 code 100, command help", afterKeys({'H'}))
        << "the mnemonic of a button executes";
    EXPECT_EQ("-1", afterKeys({VK_ESCAPE})) << "escape clears the selection";
}

// What the frame's pre-translation takes from the messages it sees; the
// menu bar keeps tracking.
TEST_F(CommandRoutingTest, TheFrameTakesAltMnemonicsAndWhileAMenuTracksContextMenusAndAltReleases)
{
    auto taken = [this](BOOL bTracking, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        MenuBar()->SetTrackingMode(bTracking ? xtpTrackingOn : xtpTrackingOff, TRUE, TRUE);
        MSG msg = {hWnd, message, wParam, lParam, 0, {0, 0}};
        BOOL bTaken = frame->m_pCommandBars->PreTranslateFrameMessage(&msg);
        EXPECT_EQ(bTracking, MenuBar()->IsTrackingMode() != xtpTrackingOff);
        MenuBar()->SetTrackingMode(xtpTrackingOff);
        return bTaken;
    };
    const HWND hFrame = frame->m_hWnd, hBar = frame->GetToolBar()->m_hWnd;
    frame->SetFocus();
    EXPECT_TRUE(taken(FALSE, hFrame, WM_SYSKEYDOWN, 'H', 0x20000001)) << "alt and a mnemonic";
    EXPECT_EQ(Log({"execute 3006 code 100", "command help"}), frame->m_log);
    EXPECT_FALSE(taken(FALSE, hFrame, WM_SYSKEYDOWN, 'H', 0x00000001)) << "a mnemonic without alt";
    EXPECT_FALSE(taken(FALSE, hFrame, WM_SYSKEYDOWN, 'Q', 0x20000001)) << "alt and no mnemonic";
    EXPECT_FALSE(taken(FALSE, hBar, WM_CONTEXTMENU, (WPARAM)hBar, 0)) << "a context menu";
    EXPECT_TRUE(taken(TRUE, hBar, WM_CONTEXTMENU, (WPARAM)hBar, 0)) << "a context menu while a menu tracks";
    EXPECT_TRUE(taken(TRUE, hFrame, WM_SYSKEYUP, VK_MENU, 0)) << "the alt release while a menu tracks";
}

TEST_F(CommandRoutingTest, MouseSelectionArmsTheHoverTimerOnce)
{
    CXTPMenuBar* pMenuBar = MenuBar();
    ASSERT_TRUE(pMenuBar->SetSelected(1, FALSE));
    EXPECT_EQ(1, pMenuBar->GetControl(1)->GetSelected());
    EXPECT_FALSE(pMenuBar->SetSelected(1, FALSE)) << "selecting the selected control changes nothing";
    ASSERT_TRUE(pMenuBar->SetSelected(-1, FALSE));
    EXPECT_EQ(0, pMenuBar->GetControl(1)->GetSelected());
    // The timer went with the selection: a late tick finds nothing to hover.
    pMenuBar->SendMessage(WM_TIMER, XTP_TID_HOVER, 0);
    EXPECT_EQ(-1, pMenuBar->GetSelectedIndex());
}

TEST_F(CommandRoutingTest, ToolTipOfTheButtonUnderThePoint)
{
    CXTPToolBar* pToolBar = frame->GetToolBar();
    CXTPControl* pCopy = Button(ID_TEST_COPY);
    TOOLINFOA info = {};
    info.cbSize = sizeof(info);
    EXPECT_EQ(ID_TEST_COPY, pToolBar->OnToolHitTest(pCopy->GetRect().CenterPoint(), &info));
    EXPECT_TRUE(pToolBar->m_hWnd == info.hwnd && pCopy->GetRect() == CRect(info.rect)
                && info.uId == ID_TEST_COPY);
    ASSERT_TRUE(info.lpszText != NULL);
    EXPECT_STREQ("Copy", info.lpszText) << "the tooltip part of the command's string";
    free(info.lpszText);

    CPoint ptGap(pCopy->GetRect().left - 3, pCopy->GetRect().CenterPoint().y);
    EXPECT_EQ(-1, pToolBar->OnToolHitTest(ptGap, NULL)) << "the group gap holds no control";

    ASSERT_TRUE(MenuBar()->SetTrackingMode(xtpTrackingOn, TRUE, TRUE));
    EXPECT_EQ(-1, pToolBar->OnToolHitTest(pCopy->GetRect().CenterPoint(), NULL)) << "the menu bar tracks";
    MenuBar()->SetTrackingMode(xtpTrackingOff);

    frame->m_pCommandBars->GetCommandBarsOptions()->bToolBarScreenTips = FALSE;
    EXPECT_EQ(-1, pToolBar->OnToolHitTest(pCopy->GetRect().CenterPoint(), NULL));
}

// With shortcut keys in screen tips, the tip ends with the command's shortcut
// in brackets; a command without one keeps its plain tip.
TEST_F(CommandRoutingTest, ToolTipCarriesTheShortcutWhenAskedTo)
{
    CXTPToolBar* pToolBar = frame->GetToolBar();
    auto tip = [&](UINT nID) {
        TOOLINFOA info = {};
        info.cbSize = sizeof(info);
        if (pToolBar->OnToolHitTest(Button(nID)->GetRect().CenterPoint(), &info) != (INT_PTR)nID
            || info.lpszText == NULL)
            return std::string("no tip");
        std::string text = info.lpszText;
        free(info.lpszText);
        return text;
    };
    ACCEL entries[] = {{FVIRTKEY, VK_F5, ID_TEST_COPY}};
    XTPAccelManager()->SetFrameAccelTable(frame, entries, 1);
    CXTPCommandBarsOptions* pOptions = frame->m_pCommandBars->GetCommandBarsOptions();
    struct Row
    {
        const char* name;
        BOOL bAccelTips;
        UINT nID;
        std::string expected;
    } rows[] = {
        {"shortcuts off", FALSE, ID_TEST_COPY, "Copy"},
        {"shortcuts on", TRUE, ID_TEST_COPY, "Copy (F5)"},
        {"a command without a shortcut", TRUE, ID_TEST_NEW, "New"},
    };
    for (const Row& row : rows)
    {
        pOptions->bToolBarAccelTips = row.bAccelTips;
        EXPECT_EQ(row.expected, tip(row.nID)) << row.name;
    }
}

// A popup the program adds asks its site for the bar with the menu's own
// caption; one built from a menu item asks without the mnemonic markers, and
// a caption the site answers with becomes that popup's title.
TEST_F(CommandRoutingTest, PopupBarRequestCarriesTheCaptionAsEachCallerHasIt)
{
    CXTPControls* pControls = frame->GetToolBar()->GetControls();
    frame->m_barRequests.clear(); // those of the menu bar's popups
    CXTPControl* pAdded = pControls->Add(xtpControlButtonPopup, IDR_TEST_MENU);
    EXPECT_STREQ("&File", pAdded->GetCaption());
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    frame->m_strBarCaptionAnswer = "Edit Menu";
    CXTPControl* pItem = pControls->AddMenuItem(&menu, 1);
    EXPECT_EQ(Log({"&File", "Edit"}), frame->m_barRequests);
    ASSERT_TRUE(pItem != NULL && pItem->GetCommandBar() != NULL);
    EXPECT_STREQ("Edit Menu", pItem->GetCommandBar()->GetTitle());
    EXPECT_STREQ("&Edit", pItem->GetCaption());
}

} // namespace

namespace {

// A frame that answers a popup control's bar request with a new bar of
// m_pBarClass, keeping a reference of its own to it.
class CBarMakingFrame : public CCommandBarsFrame
{
public:
    CRuntimeClass* m_pBarClass = NULL;
    CXTPCommandBar* m_pMade = NULL;

protected:
    afx_msg LRESULT OnMakeBar(WPARAM wParam, LPARAM lParam)
    {
        CreateCommandBarRequest* pRequest = (CreateCommandBarRequest*)lParam;
        if (m_pBarClass == NULL || !pRequest->bPopupBar)
            return OnCreateCommandBar(wParam, lParam);
        m_pMade = (CXTPCommandBar*)m_pBarClass->CreateObject();
        m_pMade->SetCommandBars(m_pCommandBars);
        m_pMade->InternalAddRef();
        pRequest->pCommandBar = m_pMade;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarMakingFrame, CCommandBarsFrame)
ON_MESSAGE(WM_XTP_CREATECOMMANDBAR, OnMakeBar)
END_MESSAGE_MAP()

class SiteMadePopupBarTest : public FrameTest<CBarMakingFrame, 400, 300>
{
protected:
    void Prepare() override { frame->BuildBars(); }
};

// A popup control opens the bar its site made when that is a popup bar of
// any kind (one laid out as a tool bar too); another bar is given back and
// a plain popup bar made instead.
TEST_F(SiteMadePopupBarTest, APopupControlTakesAnyPopupBarTheSiteMakes)
{
    struct Row
    {
        const char* pszName;
        CRuntimeClass* pMadeClass;
        BOOL bUsed;
    };
    const Row rows[] = {
        {"a popup bar", RUNTIME_CLASS(CXTPPopupBar), TRUE},
        {"a popup tool bar", RUNTIME_CLASS(CXTPPopupToolBar), TRUE},
        {"a tool bar", RUNTIME_CLASS(CXTPToolBar), FALSE},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszName);
        frame->m_pBarClass = row.pMadeClass;
        CXTPControl* pPopup = frame->GetToolBar()->GetControls()->Add(xtpControlButtonPopup, IDR_TEST_MENU);
        ASSERT_TRUE(pPopup != NULL && pPopup->GetCommandBar() != NULL);
        EXPECT_EQ(row.bUsed, pPopup->GetCommandBar() == frame->m_pMade);
        EXPECT_TRUE(pPopup->GetCommandBar()->IsKindOf(RUNTIME_CLASS(CXTPPopupBar)));
        EXPECT_EQ(row.bUsed ? 1u : 0u, frame->m_pMade->InternalRelease()) << "the frame's own reference gone";
        frame->GetToolBar()->GetControls()->Remove(pPopup);
    }
}

} // namespace
