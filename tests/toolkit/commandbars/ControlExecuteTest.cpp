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
#include <vector>

namespace {

const int kFirstId = 41200;

// Records the execute notifications and commands it receives.
class CExecuteSite : public CTestWindow
{
public:
    struct Entry
    {
        UINT message;
        UINT nId;
    };
    std::vector<Entry> log;
    LRESULT executeAnswer = 0;
    ControlExecuteNotify lastNotify = {};
    std::function<void()> onCommand;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_CONTROL_EXECUTE)
        {
            log.push_back({message, (UINT)wParam});
            lastNotify = *(ControlExecuteNotify*)lParam;
            return executeAnswer;
        }
        if (message == WM_COMMAND && lParam == 0)
        {
            log.push_back({message, LOWORD(wParam)});
            if (onCommand)
                onCommand();
            return 0;
        }
        return CTestWindow::WindowProc(message, wParam, lParam);
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
        {
            CXTPControl* pButton = pBar->GetControls()->Add(xtpControlButton, kFirstId + i);
            pButton->SetRect(CRect(30 * i, 0, 30 * i + 24, 24));
        }
    }
    void TearDown() override
    {
        pBar->InternalRelease();
        PumpPending();
    }

    // A press at the point with the release already waiting in the queue.
    void Click(CPoint pt, CPoint ptRelease)
    {
        if (ptRelease != pt)
            pBar->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptRelease.x, ptRelease.y));
        pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptRelease.x, ptRelease.y));
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }

    CExecuteSite site;
    CXTPToolBar* pBar = NULL;
};

TEST_F(ControlExecute, ClickTellsTheSiteThenSendsTheCommand)
{
    Click(CPoint(35, 10), CPoint(35, 10));
    ASSERT_EQ(2u, site.log.size());
    EXPECT_EQ((UINT)WM_XTP_CONTROL_EXECUTE, site.log[0].message);
    EXPECT_EQ((UINT)kFirstId + 1, site.log[0].nId);
    EXPECT_EQ((UINT)WM_COMMAND, site.log[1].message);
    EXPECT_EQ((UINT)kFirstId + 1, site.log[1].nId);
    EXPECT_EQ((UINT_PTR)kFirstId + 1, site.lastNotify.hdr.idFrom);
    EXPECT_EQ(XTP_CN_EXECUTE, site.lastNotify.hdr.code);
    EXPECT_TRUE(site.lastNotify.hdr.hwndFrom == NULL);
    EXPECT_EQ(pBar->GetControls()->GetAt(1), site.lastNotify.pControl);
    // The click leaves the button pressed as executed and nothing selected.
    EXPECT_EQ(2, pBar->GetControls()->GetAt(1)->GetPressed());
    EXPECT_EQ(-1, pBar->GetSelectedIndex());
}

TEST_F(ControlExecute, SiteThatHandlesTheExecutionGetsNoCommand)
{
    site.executeAnswer = 1;
    Click(CPoint(5, 5), CPoint(5, 5));
    ASSERT_EQ(1u, site.log.size());
    EXPECT_EQ((UINT)WM_XTP_CONTROL_EXECUTE, site.log[0].message);
}

TEST_F(ControlExecute, ReleaseAwayFromTheButtonDoesNotExecute)
{
    Click(CPoint(5, 5), CPoint(100, 5));
    EXPECT_TRUE(site.log.empty());
    EXPECT_EQ(0, pBar->GetControls()->GetAt(0)->GetPressed());
}

TEST_F(ControlExecute, DisabledButtonIgnoresTheClick)
{
    pBar->GetControls()->GetAt(0)->SetEnabled(FALSE);
    pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpPending();
    EXPECT_TRUE(site.log.empty());
}

TEST_F(ControlExecute, ControlWithoutIdSendsNothing)
{
    CXTPControl* pButton = pBar->GetControls()->GetAt(2);
    pButton->SetID(0);
    Click(CPoint(65, 5), CPoint(65, 5));
    EXPECT_TRUE(site.log.empty());
    EXPECT_EQ(2, pButton->GetPressed());
}

TEST_F(ControlExecute, QuitDuringTheClickEndsItAndIsPostedAgain)
{
    ::PostQuitMessage(7);
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(site.log.empty());
    EXPECT_EQ(0, pBar->GetControls()->GetAt(0)->GetPressed());
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
    CXTPControl* pWatched = pControls->AddControl(new CWatchedButton(&bDestroyed), kFirstId + 9);
    pWatched->SetRect(CRect(100, 0, 124, 24));
    BOOL bAliveAfterRemoval = FALSE;
    site.onCommand = [&]() {
        pControls->RemoveAll();
        bAliveAfterRemoval = !bDestroyed;
    };
    Click(CPoint(110, 5), CPoint(110, 5));
    EXPECT_TRUE(bAliveAfterRemoval);
    EXPECT_TRUE(bDestroyed);
    EXPECT_EQ(0, pControls->GetCount());
}

TEST_F(ControlExecute, SplitButtonCommandPartActsAsAButton)
{
    CXTPControl* pSplit = pBar->GetControls()->Add(xtpControlSplitButtonPopup, kFirstId + 5);
    pSplit->SetRect(CRect(120, 0, 160, 24));
    Click(CPoint(125, 5), CPoint(125, 5));
    ASSERT_EQ(2u, site.log.size());
    EXPECT_EQ((UINT)kFirstId + 5, site.log[1].nId);

    // A release over the arrow part is outside the command part.
    site.log.clear();
    Click(CPoint(125, 5), CPoint(155, 5));
    EXPECT_TRUE(site.log.empty());
}

TEST_F(ControlExecute, KeyboardClickExecutesAtOnce)
{
    pBar->GetControls()->GetAt(2)->OnClick(TRUE);
    ASSERT_EQ(2u, site.log.size());
    EXPECT_EQ((UINT)kFirstId + 2, site.log[1].nId);
}

} // namespace
