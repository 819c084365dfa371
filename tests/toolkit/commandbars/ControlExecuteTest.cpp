// A click on a toolbar button, routed by a real bar window: the button
// tracks the press, then tells the site (0x52D) and sends WM_COMMAND when
// the site leaves the command to it. The click loop gives back a WM_QUIT it
// takes, and a control removed by its own command lives until the command
// returns.
#include "toolkit/commandbars/XTPControlButton.h"
#include "toolkit/commandbars/XTPControlPopup.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPToolBar.h"

#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const int kFirstId = 41200;

// Records the execute notifications ("execute ID") and commands ("command
// ID") it receives.
class CExecuteSite : public CTestWindow
{
public:
    std::string log;
    LRESULT executeAnswer = 0;
    ControlExecuteNotify lastNotify = {};
    std::function<void()> onCommand;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_CONTROL_EXECUTE)
        {
            log += "execute " + std::to_string(wParam) + " ";
            lastNotify = *(ControlExecuteNotify*)lParam;
            return executeAnswer;
        }
        if (message != WM_COMMAND || lParam != 0)
            return CTestWindow::WindowProc(message, wParam, lParam);
        log += "command " + std::to_string(LOWORD(wParam)) + " ";
        if (onCommand)
            onCommand();
        return 0;
    }
};

// A button that tells when it is destroyed.
class CWatchedButton : public CXTPControlButton
{
public:
    explicit CWatchedButton(BOOL* pDestroyed) : m_pDestroyed(pDestroyed) {}
    ~CWatchedButton() override { *m_pDestroyed = TRUE; }

private:
    BOOL* m_pDestroyed;
};

// Three buttons 41200 to 41202 at x = 0, 30 and 60, 24 wide; a split button
// 41205 from x = 120 to 160.
class ControlExecute : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pBar = new CXTPToolBar();
        ASSERT_TRUE(pBar->CreateToolBar(WS_VISIBLE, &site));
        pBar->SetOwner(&site);
        pBar->MoveWindow(0, 0, 200, 30);
        for (int i = 0; i < 3; i++)
            pBar->GetControls()
                ->Add(xtpControlButton, kFirstId + i)
                ->SetRect(CRect(30 * i, 0, 30 * i + 24, 24));
        pBar->GetControls()->Add(xtpControlSplitButtonPopup, kFirstId + 5)->SetRect(CRect(120, 0, 160, 24));
    }
    void TearDown() override
    {
        pBar->InternalRelease();
        PumpPending();
    }

    // A press at the point with the release already waiting in the queue.
    void Click(int x, int xRelease)
    {
        if (xRelease != x)
            pBar->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(xRelease, 5));
        pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(xRelease, 5));
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        PumpPending();
    }
    CXTPControl* Button(int nIndex) { return pBar->GetControls()->GetAt(nIndex); }

    CExecuteSite site;
    CXTPToolBar* pBar = NULL;
};

TEST_F(ControlExecute, ClickTellsTheSiteThenSendsTheCommand)
{
    Click(35, 35);
    EXPECT_EQ("execute 41201 command 41201 ", site.log);
    EXPECT_EQ((UINT_PTR)kFirstId + 1, site.lastNotify.hdr.idFrom);
    EXPECT_EQ(XTP_CN_EXECUTE, site.lastNotify.hdr.code);
    EXPECT_TRUE(site.lastNotify.hdr.hwndFrom == NULL);
    EXPECT_EQ(Button(1), site.lastNotify.pControl);
    // The click leaves the button pressed as executed and nothing selected.
    EXPECT_EQ(2, Button(1)->GetPressed());
    EXPECT_EQ(-1, pBar->GetSelectedIndex());
}

TEST_F(ControlExecute, WhatAClickSends)
{
    Button(1)->SetEnabled(FALSE);
    Button(2)->SetID(0);
    const struct
    {
        const char* name;
        int x, xRelease;
        LRESULT executeAnswer;
        const char* expected;
        int nPressed; // of the clicked control afterwards
    } cases[] = {
        {"a site that handles the execution gets no command", 5, 5, 1, "execute 41200 ", 2},
        {"a release away from the button does not execute", 5, 100, 0, "", 0},
        {"a disabled button ignores the click", 35, 35, 0, "", 0},
        {"a control without id sends nothing", 65, 65, 0, "", 2},
        {"the command part of a split button acts as a button", 125, 125, 0, "execute 41205 command 41205 ",
         2},
        {"a release over the arrow part is outside the command part", 125, 155, 0, "", 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        site.log.clear();
        site.executeAnswer = c.executeAnswer;
        Click(c.x, c.xRelease);
        EXPECT_EQ(c.expected, site.log);
        EXPECT_EQ(c.nPressed, pBar->GetControls()->HitTest(CPoint(c.x, 5))->GetPressed());
    }
}

TEST_F(ControlExecute, QuitDuringTheClickEndsItAndIsPostedAgain)
{
    ::PostQuitMessage(7);
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ("", site.log);
    EXPECT_EQ(0, Button(0)->GetPressed());
    EXPECT_TRUE(::GetCapture() == NULL);
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
    // The release that was never read is thrown away with the rest.
    PumpPending();
}

TEST_F(ControlExecute, ControlRemovedByItsOwnCommandLivesUntilTheCommandReturns)
{
    BOOL bDestroyed = FALSE;
    CXTPControls* pControls = pBar->GetControls();
    pControls->AddControl(new CWatchedButton(&bDestroyed), kFirstId + 9)->SetRect(CRect(170, 0, 194, 24));
    BOOL bAliveAfterRemoval = FALSE;
    site.onCommand = [&]() {
        pControls->RemoveAll();
        bAliveAfterRemoval = !bDestroyed;
    };
    Click(180, 180);
    EXPECT_TRUE(bAliveAfterRemoval);
    EXPECT_TRUE(bDestroyed);
    EXPECT_EQ(0, pControls->GetCount());
}

TEST_F(ControlExecute, KeyboardClickExecutesAtOnce)
{
    Button(2)->OnClick(TRUE);
    EXPECT_EQ("execute 41202 command 41202 ", site.log);
}

} // namespace
