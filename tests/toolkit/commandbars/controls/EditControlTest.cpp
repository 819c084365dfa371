// The edit control on a real toolbar: its window appears with the text set
// before, the bar tracks while the window has the focus, Esc gives the
// focus back, Enter executes, other keys reach the window, the text
// outlives the window, and a vertical bar hides the field.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlEdit.h"

namespace {

const int kFindId = 3100;

class EditControlTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        pBar = frame->GetToolBar();
        pEdit = (CXTPControlEdit*)pBar->GetControls()->Add(xtpControlEdit, kFindId);
        pEdit->SetEditText("before");
        frame->RecalcLayout();
        PumpPending();
        frame->m_wndPane.SetFocus();
    }
    // Gives the edit window the focus, as a click into it does.
    void FocusEdit()
    {
        ASSERT_TRUE(pEdit->GetEditWnd() != NULL && pEdit->GetEditWnd()->m_hWnd != NULL);
        pEdit->GetEditWnd()->SetFocus();
    }
    std::string WindowText()
    {
        CString strText;
        pEdit->GetEditWnd()->GetWindowText(strText);
        return (LPCTSTR)strText;
    }

    CXTPToolBar* pBar = nullptr;
    CXTPControlEdit* pEdit = nullptr;
};

TEST_F(EditControlTest, WindowShowsTheTextSetBeforeItExistedAndAfter)
{
    EXPECT_EQ("before", WindowText());
    pEdit->SetEditText("set");
    EXPECT_EQ("set", WindowText());
}

TEST_F(EditControlTest, WindowLiesInsideTheControlInsetByFourAtTheLeftAndThreeElsewhere)
{
    CRect rc = pEdit->GetRect();
    EXPECT_EQ(CRect(rc.left + 4, rc.top + 3, rc.right - 3, rc.bottom - 3), RectInParent(pEdit->GetEditWnd()));
}

TEST_F(EditControlTest, VerticalBarHidesTheFieldAndAHorizontalOneShowsIt)
{
    pEdit->OnCalcDynamicSize(xtpLayoutVertDock);
    EXPECT_EQ((DWORD)xtpHideDockingPosition, pEdit->GetHideFlags());
    EXPECT_FALSE(pEdit->GetEditWnd()->IsWindowVisible());
    pEdit->OnCalcDynamicSize(xtpLayoutHorzDock);
    EXPECT_EQ((DWORD)xtpHideNone, pEdit->GetHideFlags());
    EXPECT_TRUE(pEdit->GetEditWnd()->IsWindowVisible());
}

TEST_F(EditControlTest, TheTextOutlivesTheWindow)
{
    pEdit->GetEditWnd()->SetWindowText("last words");
    pBar->DestroyWindow();
    EXPECT_TRUE(pEdit->GetEditWnd()->m_hWnd == NULL);
    EXPECT_STREQ("last words", pEdit->GetEditText());
}

TEST_F(EditControlTest, FocusMakesTheBarTrackWithTheControlSelected)
{
    FocusEdit();
    EXPECT_EQ(pEdit, pBar->GetKeyControl());
    EXPECT_EQ(xtpTrackingOn, pBar->IsTrackingMode());
    EXPECT_EQ(pEdit->GetIndex(), pBar->GetSelectedIndex());
    EXPECT_TRUE(XTPMouseManager()->IsMouseLocked());

    // A letter is left to the window; Esc is eaten and the focus goes back.
    EXPECT_FALSE(Key('A'));
    EXPECT_TRUE(Key(VK_ESCAPE));
    EXPECT_EQ(frame->m_wndPane.m_hWnd, ::GetFocus());
    EXPECT_EQ(NULL, pBar->GetKeyControl());
    EXPECT_EQ(xtpTrackingOff, pBar->IsTrackingMode());
    EXPECT_FALSE(XTPMouseManager()->IsMouseLocked());
    EXPECT_FALSE(XTPKeyboardManager()->HasReceivers());
}

TEST_F(EditControlTest, EnterExecutesTheControlWithTheTypedText)
{
    FocusEdit();
    pEdit->GetEditWnd()->SetWindowText("typed");
    frame->m_log.clear();
    EXPECT_TRUE(Key(VK_RETURN));
    EXPECT_EQ(std::vector<std::string>{"execute 3100 code 100"}, frame->m_log);
    EXPECT_STREQ("typed", pEdit->GetEditText());
}

TEST_F(EditControlTest, ReadOnlyAndDisabledReachTheWindow)
{
    pEdit->SetReadOnly(TRUE);
    EXPECT_TRUE(pEdit->GetEditWnd()->GetStyle() & ES_READONLY);
    pEdit->SetEnabled(FALSE);
    EXPECT_FALSE(pEdit->GetEditWnd()->IsWindowEnabled());
}

TEST_F(EditControlTest, CopyKeepsTheTextAndTheReadOnlyState)
{
    pEdit->SetReadOnly(TRUE);
    CXTPControlEdit* pCopy = (CXTPControlEdit*)pEdit->Clone();
    EXPECT_TRUE(pCopy->GetReadOnly());
    EXPECT_STREQ("before", pCopy->GetEditText());
    EXPECT_TRUE(pCopy->Compare(pEdit));
    pCopy->InternalRelease();
}

TEST_F(EditControlTest, TheFrameHandsAFocusedFieldTheCommandsItHandles)
{
    FocusEdit();
    pEdit->GetEditWnd()->SendMessage(EM_SETSEL, 0, -1);

    // Cut, as the frame's accelerator sends it, works on the field.
    EXPECT_EQ(1, frame->SendMessage(WM_COMMAND, ID_EDIT_CUT, 0));
    EXPECT_EQ("", WindowText());
    // A command the field does not handle still reaches the frame.
    frame->SendMessage(WM_COMMAND, ID_TEST_NEW, 0);
    EXPECT_TRUE(Logged("command new"));
}

TEST_F(EditControlTest, WithoutTheFocusTheFieldTakesNoCommand)
{
    pEdit->GetEditWnd()->SendMessage(EM_SETSEL, 0, -1);
    frame->SendMessage(WM_COMMAND, ID_EDIT_CUT, 0);
    EXPECT_EQ("before", WindowText());
}

} // namespace
