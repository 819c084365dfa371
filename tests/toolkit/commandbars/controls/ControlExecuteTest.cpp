// A click on a toolbar button, routed by a real bar window: the button
// tracks the press, then tells the site (0x52D) and sends WM_COMMAND when
// the site leaves the command to it. The click loop gives back a WM_QUIT it
// takes, and a control removed by its own command lives until the command
// returns.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlButton.h"

namespace {

typedef std::vector<std::string> Log;

typedef CommandBarsTest ControlExecute;

TEST_F(ControlExecute, ClickTellsTheSiteThenSendsTheCommand)
{
    Click(Button(ID_TEST_OPEN));
    EXPECT_EQ(Log({"execute 3002 code 100", "command open"}), frame->m_log);
    const ControlExecuteNotify& notify = frame->m_lastExecute;
    EXPECT_TRUE(notify.hdr.idFrom == ID_TEST_OPEN && notify.hdr.code == XTP_CN_EXECUTE
                && notify.hdr.hwndFrom == NULL);
    EXPECT_EQ(Button(ID_TEST_OPEN), notify.pControl);
    // The click leaves the button pressed as executed and nothing selected.
    EXPECT_EQ(2, Button(ID_TEST_OPEN)->GetPressed());
    EXPECT_EQ(-1, frame->GetToolBar()->GetSelectedIndex());
}

// What the frame logged for a click with the site answering nAnswer, then
// the clicked control's pressed state.
TEST_F(ControlExecute, WhatAClickSends)
{
    auto click = [this](CXTPControl* pControl, int dx, LRESULT nAnswer) {
        frame->m_log.clear();
        frame->m_nExecuteAnswer = nAnswer;
        pControl->SetPressed(0);
        Click(pControl, dx);
        std::string result;
        for (const std::string& entry : frame->m_log)
            result += entry + ", ";
        return result + "pressed " + std::to_string(pControl->GetPressed());
    };
    Button(ID_TEST_BOLD)->SetEnabled(FALSE);
    Button(ID_TEST_COPY)->SetID(0);
    CXTPControl* pSplit = frame->GetToolBar()->GetControls()->Add(xtpControlSplitButtonPopup, ID_TEST_HELP);
    pSplit->SetRect(CRect(120, 2, 160, 24));
    EXPECT_EQ("execute 3001 code 100, pressed 2", click(Button(ID_TEST_NEW), 0, 1))
        << "a site that handles the execution gets no command";
    EXPECT_EQ("pressed 0", click(Button(ID_TEST_NEW), 200, 0)) << "a release away from the button";
    EXPECT_EQ("pressed 0", click(Button(ID_TEST_BOLD), 0, 0)) << "a disabled button ignores the click";
    EXPECT_EQ("pressed 2", click(frame->GetToolBar()->GetControl(2), 0, 0)) << "a control without id";
    EXPECT_EQ("execute 3006 code 100, command help, pressed 2", click(pSplit, -15, 0))
        << "the command part of a split button acts as a button";
    EXPECT_EQ("pressed 0", click(pSplit, 15, 0))
        << "a release over the arrow part is outside the command part";
}

TEST_F(ControlExecute, QuitDuringTheClickEndsItAndIsPostedAgain)
{
    ::PostQuitMessage(7);
    const CPoint pt = Button(ID_TEST_NEW)->GetRect().CenterPoint();
    frame->GetToolBar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(frame->m_log.empty());
    EXPECT_EQ(0, Button(ID_TEST_NEW)->GetPressed());
    EXPECT_TRUE(::GetCapture() == NULL);
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

TEST_F(ControlExecute, LosingTheCaptureDuringTheClickEndsItWithoutExecuting)
{
    const CPoint pt = Button(ID_TEST_NEW)->GetRect().CenterPoint();
    CXTPToolBar* pBar = frame->GetToolBar();
    pBar->PostMessage(WM_CANCELMODE);
    pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(frame->m_log.empty());
    EXPECT_EQ(0, Button(ID_TEST_NEW)->GetPressed());
    PumpPending();
    EXPECT_TRUE(frame->m_log.empty()) << "the release after the loss executes nothing either";
}

TEST_F(ControlExecute, ControlRemovedByItsOwnCommandLivesUntilTheCommandReturns)
{
    BOOL bDestroyed = FALSE;
    CXTPControls* pControls = frame->GetToolBar()->GetControls();
    pControls->Remove(Button(ID_TEST_NEW));
    pControls->AddControl(new CWatched<CXTPControlButton>(&bDestroyed), ID_TEST_NEW)
        ->SetRect(CRect(120, 2, 143, 24));
    BOOL bAliveAfterRemoval = FALSE;
    frame->m_onNew = [&]() {
        pControls->RemoveAll();
        bAliveAfterRemoval = !bDestroyed;
    };
    Click(Button(ID_TEST_NEW));
    EXPECT_TRUE(bAliveAfterRemoval);
    EXPECT_TRUE(bDestroyed);
}

TEST_F(ControlExecute, KeyboardClickExecutesAtOnce)
{
    Button(ID_TEST_COPY)->OnClick(TRUE);
    EXPECT_EQ(Log({"execute 3004 code 100", "command copy"}), frame->m_log);
}

} // namespace
