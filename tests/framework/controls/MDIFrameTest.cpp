#include "tests/support/TestWindow.h"
#include "TestIds.h"
#include "framework/controls/CMDIFrameWnd.h"
#include "framework/controls/CStatusBar.h"
#include "framework/window/CDocTemplate.h"
#include "framework/window/CDocument.h"
#include <gtest/gtest.h>

namespace {

class CTestChild : public CMDIChildWnd
{
public:
    ~CTestChild() override { ++s_nDeleted; }
    static int s_nDeleted;
    int m_nCommands = 0;

protected:
    afx_msg void OnChildCommand() { m_nCommands++; }
    DECLARE_MESSAGE_MAP()
};

int CTestChild::s_nDeleted = 0;

BEGIN_MESSAGE_MAP(CTestChild, CMDIChildWnd)
ON_COMMAND(ID_CHILD_COMMAND, OnChildCommand)
END_MESSAGE_MAP()

// The MDI client as a tab client that subclasses it sees it: it watches children being made and
// may change them, and has a layout step of its own (a 20-pixel band at the top).
class CWatchingClient : public CWnd
{
public:
    int m_nCreated = 0;
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override
    {
        lpClientRect->top += 20;
        CWnd::CalcWindowRect(lpClientRect, nAdjustType);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MDICREATE)
        {
            m_nCreated++;
            ((MDICREATESTRUCT*)lParam)->style &= ~WS_CAPTION;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class MDIFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CMDIFrameWnd;
        CRect rect(40, 40, 640, 480);
        ASSERT_TRUE(frame->Create(NULL, "MDI test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, NULL,
                                  MAKEINTRESOURCE(IDR_MDI_FRAME)));
        frame->m_hMenuDefault = ::GetMenu(frame->m_hWnd);
        ASSERT_NE((HWND)NULL, frame->m_hWndMDIClient);
    }
    void TearDown() override
    {
        frame->DestroyWindow();
        PumpPending();
    }

    CTestChild* NewChild(LPCTSTR lpszTitle)
    {
        CTestChild* pChild = new CTestChild;
        EXPECT_TRUE(pChild->Create(NULL, lpszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                   CFrameWnd::rectDefault, frame));
        return pChild;
    }

    CMDIFrameWnd* frame = nullptr;
};

TEST_F(MDIFrameTest, ChildrenLiveInTheClientAndTheActiveOneTakesCommands)
{
    CTestChild* pFirst = NewChild("First");
    CTestChild* pSecond = NewChild("Second");
    EXPECT_EQ(frame->m_hWndMDIClient, ::GetParent(pFirst->m_hWnd));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, ::GetDlgCtrlID(frame->m_hWndMDIClient));
    EXPECT_EQ(frame, pFirst->GetMDIFrame());
    EXPECT_EQ(pSecond, frame->GetActiveFrame());
    frame->SendMessage(WM_COMMAND, ID_CHILD_COMMAND);
    EXPECT_EQ(CPoint(0, 1), CPoint(pFirst->m_nCommands, pSecond->m_nCommands));
}

TEST_F(MDIFrameTest, ChildrenAreActivatedAndMaximized)
{
    CTestChild* pFirst = NewChild("First");
    CTestChild* pSecond = NewChild("Second");
    frame->MDIActivate(pFirst);
    EXPECT_EQ(pFirst, frame->MDIGetActive());
    pSecond->MDIActivate();
    pSecond->MDIMaximize();
    BOOL bMaximized = FALSE;
    EXPECT_EQ(pSecond, frame->MDIGetActive(&bMaximized));
    EXPECT_TRUE(bMaximized);
}

TEST_F(MDIFrameTest, ClosedChildrenAreDeletedAndTheNextIsActive)
{
    CTestChild* pFirst = NewChild("First");
    CTestChild* pSecond = NewChild("Second");
    int nDeletedBefore = CTestChild::s_nDeleted;
    pSecond->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ(nDeletedBefore + 1, CTestChild::s_nDeleted);
    EXPECT_EQ(pFirst, frame->MDIGetActive());
    pFirst->DestroyWindow();
    EXPECT_EQ(nDeletedBefore + 2, CTestChild::s_nDeleted);
    EXPECT_EQ(nullptr, frame->MDIGetActive());
}

// The active child's frame shows the menu of its document template while it lives.
TEST_F(MDIFrameTest, LoadFrameTakesTheTemplatesMenu)
{
    CMultiDocTemplate documentType(IDR_MDI_CHILD, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CTestChild),
                                   RUNTIME_CLASS(CView));
    documentType.LoadTemplate();
    HMENU hChildMenu = documentType.m_hMenuShared;
    ASSERT_NE((HMENU)NULL, hChildMenu);
    CCreateContext context;
    context.m_pNewDocTemplate = &documentType;
    CTestChild* pChild = new CTestChild;
    ASSERT_TRUE(
        pChild->LoadFrame(IDR_MDI_CHILD, WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, frame, &context));
    EXPECT_EQ(hChildMenu, pChild->m_hMenuShared);
    EXPECT_FALSE(pChild->IsWindowVisible());
    pChild->ActivateFrame();
    EXPECT_TRUE(pChild->IsWindowVisible());
    EXPECT_EQ(pChild, frame->MDIGetActive());
    EXPECT_EQ(hChildMenu, ::GetMenu(frame->m_hWnd));
    // The window popup of the child's menu is its third one.
    EXPECT_EQ(::GetSubMenu(hChildMenu, 2), frame->GetWindowMenuPopup(hChildMenu));
    pChild->DestroyWindow();
    EXPECT_EQ(frame->m_hMenuDefault, ::GetMenu(frame->m_hWnd));
}

TEST_F(MDIFrameTest, TheClientIsThePaneOfTheLayout)
{
    CStatusBar bar;
    ASSERT_TRUE(bar.Create(frame));
    const UINT indicators[] = {ID_SEPARATOR};
    bar.SetIndicators(indicators, 1);
    frame->RecalcLayout();
    CRect client;
    frame->GetClientRect(client);
    client.bottom = RectInParent(&bar).top;
    EXPECT_EQ(client, RectInParent(CWnd::FromHandle(frame->m_hWndMDIClient)));
}

// A window that subclasses the client lays it out through its CalcWindowRect, and
// children are made through it.
TEST_F(MDIFrameTest, AWindowSubclassingTheClientLaysItOutAndMakesTheChildren)
{
    CWatchingClient watching;
    ASSERT_TRUE(watching.SubclassWindow(frame->m_hWndMDIClient));
    frame->RecalcLayout();
    EXPECT_EQ(20, RectInParent(&watching).top);
    CTestChild* pChild = NewChild("Watched");
    EXPECT_EQ(1, watching.m_nCreated);
    EXPECT_EQ(0u, pChild->GetStyle() & WS_CAPTION);
    EXPECT_EQ(pChild, CWnd::FromHandlePermanent(pChild->m_hWnd));
    watching.UnsubclassWindow();
}

} // namespace
