// The panel under the mouse and the keyboard: hot, pressed and focused
// items, clicks and group toggles with their notifications and payloads as
// the owner receives them, keyboard navigation, tool tips and the press of a
// scroll button.
#include "TaskPanelTestSupport.h"

#include "toolkit/commandbars/input/XTPMouseManager.h"

#include <gtest/gtest.h>

namespace {

class TaskPanelInputTest : public TaskPanelTest
{
protected:
    void SetUp() override
    {
        TaskPanelTest::SetUp();
        files = AddGroup(1, 3);
        text = files->AddTextItem("A text");
        details = AddGroup(2, 2);
        owner.Reset();
    }
    // Moves the mouse onto the item, then presses and lets go there.
    void ClickOn(CXTPTaskPanelItem* pItem)
    {
        const CPoint pt = CenterOf(pItem);
        Mouse(WM_MOUSEMOVE, pt);
        Mouse(WM_LBUTTONDOWN, pt, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, pt);
    }
    CXTPTaskPanelGroup* files = nullptr;
    CXTPTaskPanelGroup* details = nullptr;
    CXTPTaskPanelGroupItem* text = nullptr;
};

TEST_F(TaskPanelInputTest, ClickingALinkTellsTheOwner)
{
    CXTPTaskPanelGroupItem* pLink = files->GetAt(1);
    ClickOn(pLink);
    EXPECT_EQ("9 1", owner.Codes()) << "focus changed, then the click";
    EXPECT_EQ(0, owner.notes[0].lParam);
    EXPECT_EQ((LPARAM)pLink, owner.notes[1].lParam);
    EXPECT_EQ(pLink, panel->GetFocusedItem());
    EXPECT_EQ(NULL, panel->GetPressedItem());
    EXPECT_EQ((HWND)NULL, ::GetCapture());
}

TEST_F(TaskPanelInputTest, CaptionClickTogglesOnlyWhereItWasPressed)
{
    ClickOn(files);
    EXPECT_FALSE(files->IsExpanded());
    EXPECT_EQ("9 6 7", owner.Codes());
    EXPECT_EQ("Group 1", owner.notes[1].strCaption);
    EXPECT_FALSE(owner.notes[1].bExpanding);
    EXPECT_EQ((LPARAM)files, owner.notes[2].lParam);

    owner.Reset();
    const CPoint pt = CenterOf(details);
    Mouse(WM_MOUSEMOVE, pt);
    Mouse(WM_LBUTTONDOWN, pt, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, CenterOf(files), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, CenterOf(files));
    EXPECT_TRUE(details->IsExpanded()) << "let go over another group";
    EXPECT_TRUE(files->IsExpanded() == FALSE);
    EXPECT_EQ(0, owner.Count(TPN_GROUPEXPANDING));
}

TEST_F(TaskPanelInputTest, RightClickAndDoubleClick)
{
    CXTPTaskPanelGroupItem* pLink = details->GetAt(0);
    const CPoint pt = CenterOf(pLink);
    Mouse(WM_RBUTTONDOWN, pt, MK_RBUTTON);
    EXPECT_EQ("9 2", owner.Codes());
    EXPECT_EQ((LPARAM)pLink, owner.notes[1].lParam);

    owner.Reset();
    Mouse(WM_MOUSEMOVE, pt);
    Mouse(WM_LBUTTONDBLCLK, pt, MK_LBUTTON);
    EXPECT_EQ("8", owner.Codes()) << "already focused: only the double click";
    EXPECT_EQ("Link 2.1", owner.notes[0].strCaption);
    Mouse(WM_LBUTTONUP, pt);

    owner.Reset();
    Mouse(WM_MOUSEMOVE, CenterOf(files));
    Mouse(WM_LBUTTONDBLCLK, CenterOf(files), MK_LBUTTON);
    EXPECT_EQ(0, owner.Count(TPN_DBLCLICK)) << "not for a group";
    Mouse(WM_LBUTTONUP, CenterOf(files));
}

TEST_F(TaskPanelInputTest, TextsAndDisabledItemsTakeNoPart)
{
    Mouse(WM_MOUSEMOVE, CenterOf(text));
    EXPECT_EQ(NULL, panel->GetHotItem()) << "a text is never hot";
    Mouse(WM_LBUTTONDOWN, CenterOf(text), MK_LBUTTON);
    EXPECT_EQ(NULL, panel->GetPressedItem());
    EXPECT_EQ(NULL, panel->GetFocusedItem());
    Mouse(WM_LBUTTONUP, CenterOf(text));

    CXTPTaskPanelGroupItem* pLink = files->GetAt(0);
    pLink->SetEnabled(FALSE);
    Mouse(WM_MOUSEMOVE, CenterOf(pLink));
    EXPECT_EQ(NULL, panel->GetHotItem());
    EXPECT_EQ("", owner.Codes());
}

TEST_F(TaskPanelInputTest, HotItemFollowsTheMouseUnlessAMenuHoldsIt)
{
    CXTPTaskPanelGroupItem* pLink = files->GetAt(0);
    Mouse(WM_MOUSEMOVE, CenterOf(pLink));
    EXPECT_EQ(pLink, panel->GetHotItem());
    Mouse(WM_MOUSEMOVE, CPoint(2, 2));
    EXPECT_EQ(NULL, panel->GetHotItem());
    Mouse(WM_MOUSEMOVE, CenterOf(pLink));
    panel->SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(NULL, panel->GetHotItem());

    XTPMouseManager()->LockMouseMove();
    Mouse(WM_MOUSEMOVE, CenterOf(pLink));
    XTPMouseManager()->UnlockMouseMove();
    EXPECT_EQ(NULL, panel->GetHotItem()) << "a command-bar menu holds the mouse";

    Mouse(WM_MOUSEMOVE, CenterOf(pLink));
    EXPECT_TRUE(panel->SendMessage(WM_SETCURSOR, (WPARAM)panel->m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::LoadCursor(NULL, IDC_HAND), ::GetCursor()) << "the hand over a hot item";
}

// The focused item after each key, by its caption.
std::string FocusAfter(CXTPTaskPanel* pPanel, std::vector<UINT> keys, const std::function<void(UINT)>& press)
{
    std::string text;
    for (UINT nKey : keys)
    {
        press(nKey);
        CXTPTaskPanelItem* pFocused = pPanel->GetFocusedItem();
        text += (text.empty() ? "" : ", ") + std::string(pFocused ? (LPCTSTR)pFocused->GetCaption() : "none");
    }
    return text;
}

// The key pressed with a modifier held in the thread's keyboard state.
void KeyWith(CWnd* pWnd, UINT nModifier, UINT nKey)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[nModifier] = 0x80;
    ::SetKeyboardState(keys);
    pWnd->SendMessage(WM_KEYDOWN, nKey, 0);
    keys[nModifier] = 0;
    ::SetKeyboardState(keys);
}

TEST_F(TaskPanelInputTest, ArrowsWalkTheFocusableItems)
{
    auto press = [&](UINT nKey) { Key(nKey); };
    EXPECT_EQ("Group 1, Link 1.1, Link 1.2, Link 1.3, Group 2, Link 2.1, Link 2.2, Link 2.2",
              FocusAfter(panel, {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN},
                         press))
        << "the text is passed over; the last item keeps the focus";
    EXPECT_EQ("Link 2.1, Group 2, Link 1.3, Link 1.2", FocusAfter(panel, {VK_UP, VK_LEFT, VK_UP, VK_UP}, press));
    EXPECT_EQ("Link 1.1, Link 1.1", FocusAfter(panel, {VK_HOME, VK_END}, press))
        << "End finds the text, which takes no focus";
    EXPECT_TRUE(panel->IsDrawFocusRect()) << "focus from the keyboard shows its rectangle";

    files->SetExpanded(FALSE);
    panel->SetFocusedItem(files);
    EXPECT_EQ("Group 2, Group 1", FocusAfter(panel, {VK_DOWN, VK_UP}, press))
        << "a closed group's links are passed over";
    files->GetAt(0)->SetEnabled(FALSE);
    files->SetExpanded(TRUE);
    EXPECT_EQ("Link 1.2", FocusAfter(panel, {VK_DOWN}, press)) << "a disabled link is passed over";
}

TEST_F(TaskPanelInputTest, TabMovesBetweenGroups)
{
    panel->SetFocusedItem(files->GetAt(1));
    EXPECT_EQ("Group 2, Link 2.1", FocusAfter(panel, {VK_TAB, VK_TAB}, [&](UINT nKey) { Key(nKey); }))
        << "from an item to the next group's caption, from a caption to its first link";
    panel->SetFocusedItem(details->GetAt(1));
    KeyWith(panel, VK_SHIFT, VK_TAB);
    EXPECT_EQ(details, panel->GetFocusedItem()) << "Shift+Tab: its own group's caption";
}

TEST_F(TaskPanelInputTest, KeysGoOnPastAnEmptyGroup)
{
    CXTPTaskPanelGroup* pEmpty = AddGroup(3, 0);
    CXTPTaskPanelGroup* pLast = AddGroup(4, 1);
    for (UINT nKey : {(UINT)VK_DOWN, (UINT)VK_RIGHT, (UINT)VK_TAB})
    {
        panel->SetFocusedItem(pEmpty);
        Key(nKey);
        EXPECT_EQ(pLast, panel->GetFocusedItem()) << "key " << nKey << ": on to the next group";
    }
    panel->SetFocusedItem(pLast);
    Key(VK_UP);
    EXPECT_EQ(pEmpty, panel->GetFocusedItem()) << "and back";
}

TEST_F(TaskPanelInputTest, EnterAndSpaceActOnTheFocusedItem)
{
    panel->SetFocusedItem(files);
    owner.Reset();
    Key(VK_RETURN);
    EXPECT_FALSE(files->IsExpanded());
    Key(VK_SPACE);
    EXPECT_TRUE(files->IsExpanded());
    panel->SetFocusedItem(files->GetAt(2));
    owner.Reset();
    Key(VK_SPACE);
    EXPECT_EQ("1", owner.Codes());
    EXPECT_EQ("Link 1.3", owner.notes[0].strCaption);
}

TEST_F(TaskPanelInputTest, ToolTipShowsTheHotItemsTooltip)
{
    CXTPTaskPanelGroupItem* pLink = files->GetAt(0);
    pLink->SetTooltip("Opens things");
    Mouse(WM_MOUSEMOVE, CenterOf(pLink));
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    CWnd* pWnd = panel;
    EXPECT_EQ(101, pWnd->OnToolHitTest(CenterOf(pLink), &info));
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ("Opens things", info.lpszText);
    EXPECT_EQ(panel->m_hWnd, info.hwnd);
    EXPECT_EQ(Text(pLink->GetHitTestRect()), Text(info.rect));
    free(info.lpszText);

    pLink->SetID(0);
    EXPECT_EQ(-1, pWnd->OnToolHitTest(CenterOf(pLink), NULL)) << "an item of id 0 has no tool tip";
    CXTPTaskPanelGroupItem* pOther = files->GetAt(1);
    Mouse(WM_MOUSEMOVE, CenterOf(pOther));
    EXPECT_EQ(-1, pWnd->OnToolHitTest(CenterOf(pOther), NULL)) << "no tooltip text";
}

TEST_F(TaskPanelInputTest, KeysGoToThePanelInDialogs)
{
    EXPECT_EQ((LRESULT)DLGC_WANTALLKEYS, panel->SendMessage(WM_GETDLGCODE));
}

class OneOpenGroupInputTest : public OneOpenGroupTest
{
protected:
    void SetUp() override
    {
        OneOpenGroupTest::SetUp();
        a->SetExpanded(TRUE);
        owner.Reset();
    }
};

TEST_F(OneOpenGroupInputTest, HeldScrollButtonRepeatsOnItsTimer)
{
    CXTPTaskPanelScrollButton* pDown = panel->GetScrollButton(FALSE);
    const CPoint pt = pDown->rcButton.CenterPoint();
    // The loop takes what is queued: two repeat ticks, a stray move, then the release.
    panel->PostMessage(WM_TIMER, xtpTaskPanelTimerScrollButton, 0);
    panel->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    panel->PostMessage(WM_TIMER, xtpTaskPanelTimerScrollButton, 0);
    panel->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    Mouse(WM_LBUTTONDOWN, pt, MK_LBUTTON);
    EXPECT_EQ(3, a->GetFirstVisibleItem()) << "one row on the press, one per tick";
    EXPECT_FALSE(pDown->bPressed);
    EXPECT_EQ((HWND)NULL, ::GetCapture());
    EXPECT_FALSE(::KillTimer(panel->m_hWnd, xtpTaskPanelTimerScrollButton)) << "the repeat timer stopped with the loop";
}

TEST_F(OneOpenGroupInputTest, EscapeEndsTheScrollButtonPress)
{
    CXTPTaskPanelScrollButton* pDown = panel->GetScrollButton(FALSE);
    const CPoint pt = pDown->rcButton.CenterPoint();
    panel->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    panel->PostMessage(WM_TIMER, xtpTaskPanelTimerScrollButton, 0);
    Mouse(WM_LBUTTONDOWN, pt, MK_LBUTTON);
    EXPECT_EQ(1, a->GetFirstVisibleItem()) << "the tick after Esc is no longer the loop's";
    EXPECT_FALSE(pDown->bPressed);
    PumpPending();
}

TEST_F(OneOpenGroupInputTest, CtrlArrowOpensTheNextGroup)
{
    KeyWith(panel, VK_CONTROL, VK_DOWN);
    EXPECT_EQ(b, panel->GetActiveGroup());
    EXPECT_EQ(b, panel->GetFocusedItem());
}

} // namespace
