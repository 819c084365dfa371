// Menus of a frame with a menu bar: popups open from a click, from Alt or
// F10 (SC_KEYMENU) and from Alt with a mnemonic; the arrow keys move through
// items and across menus, Enter runs the command, Esc closes one level; the
// site hears 0x533 before a popup opens and 0x535 after it closed; update
// handlers set the enabled and checked states. Keys reach the bars as the
// keyboard hook hands them over (ProcessKeyboardHooks), since hooks see only
// real input.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControlExpandButton.h"

namespace {

// Rows of the fixed-size paint manager: 22 high, borders of 2.
const int kRowHeight = CFixedSizePaintManager::kHeight;
const int kFileIndex = 0, kEditIndex = 1, kViewIndex = 2;

class MenuTest : public CommandBarsTest
{
protected:
    CXTPCommandBarsOptions* Options() { return frame->m_pCommandBars->GetCommandBarsOptions(); }
    CXTPPopupBar* PopupOf(int nIndex)
    {
        return DYNAMIC_DOWNCAST(CXTPPopupBar, (CObject*)MenuBar()->GetControl(nIndex)->GetCommandBar());
    }
    static BOOL IsOpen(CXTPPopupBar* pPopup)
    {
        return pPopup != NULL && pPopup->GetSafeHwnd() != NULL && pPopup->IsWindowVisible()
               && pPopup->IsTrackingMode();
    }
    void ClickMenu(int nIndex)
    {
        CPoint pt = MenuBar()->GetControl(nIndex)->GetRect().CenterPoint();
        MenuBar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    // The menu bar's selected caption, then " > " and the open popup's
    // selected item; "off" when the menu bar does not track.
    std::string Where()
    {
        if (!MenuBar()->IsTrackingMode())
            return "off";
        CXTPControl* pSelected = MenuBar()->GetSelected();
        std::string where = pSelected != NULL ? (LPCTSTR)pSelected->GetCaption() : "(none)";
        CXTPPopupBar* pPopup =
            MenuBar()->GetPopupedIndex() >= 0 ? PopupOf(MenuBar()->GetPopupedIndex()) : NULL;
        if (IsOpen(pPopup))
            where += std::string(" > ")
                     + (pPopup->GetSelected() ? (LPCTSTR)pPopup->GetSelected()->GetCaption() : "");
        return where;
    }
};

TEST_F(MenuTest, ClickOnTheMenuBarOpensThePopupBelowTheCaption)
{
    ClickMenu(kFileIndex);
    CXTPPopupBar* pPopup = PopupOf(kFileIndex);
    ASSERT_TRUE(IsOpen(pPopup));
    EXPECT_EQ(kFileIndex, MenuBar()->GetPopupedIndex());
    EXPECT_EQ(xtpTrackingPopup, MenuBar()->IsTrackingMode());

    CRect rcCaption = MenuBar()->GetControl(kFileIndex)->GetRect();
    MenuBar()->ClientToScreen(&rcCaption);
    CRect rcPopup;
    pPopup->GetWindowRect(&rcPopup);
    // New, Open... and Exit; the widest caption "&Open..." sets the width.
    const int nWidth = CFixedSizePaintManager::CaptionWidth("&Open...") + 4;
    EXPECT_EQ(CRect(rcCaption.left, rcCaption.bottom, rcCaption.left + nWidth,
                    rcCaption.bottom + 3 * kRowHeight + 4),
              rcPopup);
    EXPECT_TRUE(pPopup->GetControl(2)->GetBeginGroup()) << "the separator before Exit";
    EXPECT_EQ(std::vector<std::string>({"init popup File"}), frame->m_log);
}

TEST_F(MenuTest, EscapeClosesOneLevelAndTheSiteHearsTheClose)
{
    ClickMenu(kFileIndex);
    CXTPPopupBar* pPopup = PopupOf(kFileIndex);
    ASSERT_TRUE(IsOpen(pPopup));

    Key(VK_ESCAPE);
    EXPECT_FALSE(IsOpen(pPopup));
    EXPECT_EQ(xtpTrackingOn, MenuBar()->IsTrackingMode()) << "the menu bar still tracks";
    EXPECT_EQ(kFileIndex, MenuBar()->GetSelectedIndex());
    EXPECT_EQ(std::vector<std::string>({"init popup File", "closed popup File"}), frame->m_log);

    Key(VK_ESCAPE);
    EXPECT_EQ(xtpTrackingOff, MenuBar()->IsTrackingMode());
    EXPECT_FALSE(XTPKeyboardManager()->HasReceivers());
}

TEST_F(MenuTest, AltAloneSelectsTheFirstMenuAndArrowsWalkItemsAndMenus)
{
    frame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_EQ("&File", Where()) << "nothing opens until asked";
    // Opened by keyboard the first item is selected; the separator is no
    // stop; down from the last item wraps; right from an item without
    // submenu opens the next menu; a command closes every menu.
    std::string walk;
    for (UINT nKey : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN})
    {
        frame->m_log.clear();
        Key(nKey);
        walk += Where() + "; ";
    }
    EXPECT_EQ("&File > &New; &File > &Open...; &File > E&xit; &File > &New; &Edit > &Copy; &File > &New; "
              "&File > &Open...; off; ",
              walk);
    EXPECT_EQ(std::vector<std::string>({"closed popup File", "execute 3002 code 100", "command open"}),
              frame->m_log);
}

TEST_F(MenuTest, AltWithAMnemonicOpensThatMenuAsTheKeyboardDoes)
{
    frame->SetFocus();
    MSG msg = {frame->m_hWnd, WM_SYSKEYDOWN, 'E', 0x20000001, 0, {0, 0}};
    EXPECT_TRUE(frame->m_pCommandBars->PreTranslateFrameMessage(&msg));
    EXPECT_EQ("&Edit > &Copy", Where()) << "opened by keyboard: the first item is selected";
}

// ---- Shift with Alt ------------------------------------------------------------

// A frame that counts the menu keys the menu bar leaves to it, and keeps
// them (the system's own menu loop would wait for input).
class CKeyMenuFrame : public CCommandBarsFrame
{
public:
    int m_nKeyMenus = 0;

protected:
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        if ((nID & 0xFFF0) == SC_KEYMENU)
            m_nKeyMenus++;
        else
            CCommandBarsFrame::OnSysCommand(nID, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeyMenuFrame, CCommandBarsFrame)
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

class ShiftAltTest : public FrameTest<CKeyMenuFrame, 400, 300>
{
protected:
    void Prepare() override
    {
        frame->BuildBars();
        frame->SetFocus();
    }
    void TearDown() override
    {
        SetKeyDown(VK_SHIFT, FALSE);
        XTPMouseManager()->SendTrackLost();
        FrameTest::TearDown();
    }
    CXTPMenuBar* MenuBar() const { return frame->m_pCommandBars->GetMenuBar(); }
};

TEST_F(ShiftAltTest, AltAloneWithShiftHeldLeavesTheMenuKeyToTheFrame)
{
    SetKeyDown(VK_SHIFT, TRUE);
    frame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_EQ(xtpTrackingOff, MenuBar()->IsTrackingMode());
    EXPECT_EQ(1, frame->m_nKeyMenus);

    SetKeyDown(VK_SHIFT, FALSE);
    frame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_EQ(xtpTrackingOn, MenuBar()->IsTrackingMode());
    EXPECT_EQ(1, frame->m_nKeyMenus) << "Alt alone is the menu bar's";
}

// The program may leave Alt+Shift with a letter to itself: with the guard
// set, the menu whose mnemonic it is stays closed.
TEST_F(ShiftAltTest, TheGuardLeavesAltShiftWithAMnemonicToTheFrame)
{
    EXPECT_FALSE(frame->m_pCommandBars->IsIgnoreShiftMenuKey()) << "off by default";
    struct Row
    {
        const char* name;
        BOOL bGuard;
        BOOL bShift;
        BOOL bOpened;
    };
    const Row rows[] = {
        {"no guard, Shift held", FALSE, TRUE, TRUE},
        {"guard, Shift held", TRUE, TRUE, FALSE},
        {"guard, Shift up", TRUE, FALSE, TRUE},
    };
    for (const Row& row : rows)
    {
        frame->m_pCommandBars->SetIgnoreShiftMenuKey(row.bGuard);
        SetKeyDown(VK_SHIFT, row.bShift);
        MSG msg = {frame->m_hWnd, WM_SYSKEYDOWN, 'E', 0x20000001, 0, {0, 0}};
        EXPECT_EQ(row.bOpened, frame->m_pCommandBars->PreTranslateFrameMessage(&msg)) << row.name;
        EXPECT_EQ(row.bOpened ? 1 : -1, MenuBar()->GetPopupedIndex()) << row.name;
        XTPMouseManager()->SendTrackLost();
    }
}

TEST_F(MenuTest, UpdateHandlersDisableAndCheckItemsAsThePopupOpens)
{
    frame->m_bCopyEnabled = FALSE;
    frame->m_bBoldChecked = TRUE;
    ClickMenu(kEditIndex);
    ASSERT_TRUE(IsOpen(PopupOf(kEditIndex)));
    EXPECT_FALSE(PopupOf(kEditIndex)->GetControl(0)->GetEnabled());

    ClickMenu(kViewIndex);
    ASSERT_TRUE(IsOpen(PopupOf(kViewIndex)));
    EXPECT_TRUE(PopupOf(kViewIndex)->GetControl(0)->GetChecked());

    frame->m_bBoldChecked = FALSE;
    XTPMouseManager()->SendTrackLost();
    ClickMenu(kViewIndex);
    EXPECT_FALSE(PopupOf(kViewIndex)->GetControl(0)->GetChecked()) << "each opening asks again";
}

// ---- Short menus ------------------------------------------------------------

class ShortMenuTest : public MenuTest
{
protected:
    void Prepare() override
    {
        MenuTest::Prepare();
        Options()->bAlwaysShowFullMenus = FALSE;
    }
    void Hide(UINT nID) { frame->m_pCommandBars->HideCommands(&nID, 1); }
    static CXTPControl* ExpandButton(CXTPPopupBar* pPopup)
    {
        return pPopup->GetControls()->FindControlById(XTP_ID_POPUPBAR_EXPAND);
    }
    // The shown items' captions, "[more]" for the expand button, then the
    // popup's height.
    static std::string Shown(CXTPPopupBar* pPopup)
    {
        std::string shown;
        for (int i = 0; i < pPopup->GetControlCount(); i++)
        {
            CXTPControl* pControl = pPopup->GetControl(i);
            if (pControl->IsVisible())
                shown += pControl == ExpandButton(pPopup)
                             ? "[more] "
                             : (LPCTSTR)pControl->GetCaption() + std::string(" ");
        }
        CRect rc;
        pPopup->GetWindowRect(&rc);
        return shown + std::to_string(rc.Height());
    }
};

// Rows of 22 and borders of 2; the expand button is 12 high.
TEST_F(ShortMenuTest, HiddenCommandsWaitBehindTheExpandButton)
{
    Hide(ID_TEST_EXIT);
    ClickMenu(kFileIndex);
    CXTPPopupBar* pFile = PopupOf(kFileIndex);
    ASSERT_TRUE(IsOpen(pFile));
    EXPECT_EQ("&New &Open... [more] 60", Shown(pFile));
    EXPECT_EQ((DWORD)xtpHideExpandedOnce, pFile->GetControl(2)->GetHideFlags());

    // Down past the last shown item reaches the expand button; Enter expands.
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(ExpandButton(pFile), pFile->GetSelected());
    Key(VK_RETURN);
    EXPECT_TRUE(IsOpen(pFile)) << "expanding keeps the popup open";
    EXPECT_TRUE(pFile->IsExpanded());
    EXPECT_EQ("&New &Open... E&xit 70", Shown(pFile));
    EXPECT_FALSE(Logged("command exit"));
}

TEST_F(ShortMenuTest, AUsedCommandIsShownFromThenOn)
{
    Hide(ID_TEST_OPEN);
    ClickMenu(kFileIndex);
    CXTPPopupBar* pFile = PopupOf(kFileIndex);
    pFile->ExpandBar();
    frame->m_log.clear();
    CPoint pt = pFile->GetControl(1)->GetRect().CenterPoint();
    pFile->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(frame->m_log.empty()) << "the press chooses nothing";
    pFile->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(Logged("command open"));
    EXPECT_FALSE(IsOpen(pFile));
    EXPECT_FALSE(frame->m_pCommandBars->IsCommandHidden(ID_TEST_OPEN));

    ClickMenu(kFileIndex);
    ASSERT_TRUE(IsOpen(pFile));
    EXPECT_EQ("&New &Open... E&xit 70", Shown(pFile)) << "nothing left to expand";
}

TEST_F(ShortMenuTest, FullMenusOptionShowsEverything)
{
    Hide(ID_TEST_EXIT);
    Options()->bAlwaysShowFullMenus = TRUE;
    ClickMenu(kFileIndex);
    EXPECT_EQ("&New &Open... E&xit 70", Shown(PopupOf(kFileIndex))) << "full menus";
    EXPECT_TRUE(ExpandButton(PopupOf(kFileIndex)) == NULL);
}

TEST_F(ShortMenuTest, FullMenusTurnedOnLaterShowTheCommandsAMenuHidBefore)
{
    Hide(ID_TEST_EXIT);
    ClickMenu(kFileIndex);
    ASSERT_EQ("&New &Open... [more] 60", Shown(PopupOf(kFileIndex)));
    XTPMouseManager()->SendTrackLost();

    Options()->bAlwaysShowFullMenus = TRUE;
    ClickMenu(kFileIndex);
    EXPECT_EQ("&New &Open... E&xit 70", Shown(PopupOf(kFileIndex)));
}

TEST_F(ShortMenuTest, APopupWhoseEveryCommandIsHiddenShowsEverything)
{
    Hide(ID_TEST_EXIT);
    Hide(ID_TEST_NEW);
    Hide(ID_TEST_OPEN);
    ClickMenu(kFileIndex);
    EXPECT_EQ("&New &Open... E&xit 70", Shown(PopupOf(kFileIndex))) << "every command hidden";
    EXPECT_TRUE(ExpandButton(PopupOf(kFileIndex)) == NULL);
}

TEST_F(ShortMenuTest, FullMenusAppearAfterTheDelayWhileTheCursorRestsOnTheMenu)
{
    Hide(ID_TEST_EXIT);
    ClickMenu(kFileIndex);
    CXTPPopupBar* pFile = PopupOf(kFileIndex);
    ASSERT_TRUE(pFile->HasHiddenControls());

    // Elsewhere the timer changes nothing.
    ::SetCursorPos(5, 1000);
    MenuBar()->SendMessage(WM_TIMER, XTP_TID_EXPANDED_POPUP, 0);
    EXPECT_FALSE(pFile->IsExpanded());

    CRect rcCaption = MenuBar()->GetControl(kFileIndex)->GetRect();
    MenuBar()->ClientToScreen(&rcCaption);
    ::SetCursorPos(rcCaption.CenterPoint().x, rcCaption.CenterPoint().y);
    MenuBar()->SetPopuped(kFileIndex);
    MenuBar()->SendMessage(WM_TIMER, XTP_TID_EXPANDED_POPUP, 0);
    EXPECT_TRUE(pFile->IsExpanded());
    EXPECT_TRUE(XTPMouseManager()->IsExpanded()) << "later popups open expanded";

    Key(VK_RIGHT);
    EXPECT_TRUE(PopupOf(kEditIndex)->IsExpanded());
}

// The delay expands only a submenu control's open popup: a drop-down or a
// split button keeps its short menu.
TEST_F(ShortMenuTest, FullMenusAfterTheDelayOnlyForASubmenu)
{
    Hide(ID_TEST_EXIT);
    const std::pair<XTPControlType, BOOL> rows[] = {
        {xtpControlPopup, TRUE}, {xtpControlButtonPopup, FALSE}, {xtpControlSplitButtonPopup, FALSE}};
    CRect rcCaption = MenuBar()->GetControl(kFileIndex)->GetRect();
    MenuBar()->ClientToScreen(&rcCaption);
    for (const auto& [type, bExpands] : rows)
    {
        MenuBar()->GetControl(kFileIndex)->SetType(type);
        ::SetCursorPos(rcCaption.CenterPoint().x, rcCaption.CenterPoint().y);
        ASSERT_TRUE(MenuBar()->SetPopuped(kFileIndex));
        CXTPPopupBar* pFile = PopupOf(kFileIndex);
        ASSERT_TRUE(IsOpen(pFile) && pFile->HasHiddenControls()) << type;
        MenuBar()->SendMessage(WM_TIMER, XTP_TID_EXPANDED_POPUP, 0);
        EXPECT_EQ(bExpands, pFile->IsExpanded()) << type;
        XTPMouseManager()->SendTrackLost();
    }
}

TEST_F(ShortMenuTest, RestingOnTheExpandButtonExpands)
{
    Hide(ID_TEST_EXIT);
    ClickMenu(kFileIndex);
    CXTPPopupBar* pFile = PopupOf(kFileIndex);
    ASSERT_TRUE(ExpandButton(pFile) != NULL);
    pFile->SetSelected(ExpandButton(pFile)->GetIndex());
    pFile->SendMessage(WM_TIMER, XTP_TID_HOVER, 0);
    EXPECT_TRUE(pFile->IsExpanded());

    XTPMouseManager()->SendTrackLost();
    Options()->bShowFullAfterDelay = FALSE;
    ClickMenu(kFileIndex);
    ASSERT_FALSE(pFile->IsExpanded());
    pFile->SetSelected(ExpandButton(pFile)->GetIndex());
    pFile->SendMessage(WM_TIMER, XTP_TID_HOVER, 0);
    EXPECT_FALSE(pFile->IsExpanded()) << "without full menus after a delay the button waits for a click";
}

} // namespace
