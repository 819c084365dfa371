// Tool tips: the pump shows the tool OnToolHitTest finds under the mouse
// (freeing the text the window allocated) in a tip window owned by the
// tool's top-level window, takes it away when the mouse leaves it, and
// frames answer TTN_NEEDTEXT with a command's tip text.
#include "TestWindows.h"
#include "TestIds.h"
#include "tests/support/RealInput.h"
#include <gtest/gtest.h>
#include <string.h>

namespace {

// Has one tool, the left half of its client area, with an allocated text.
class CTippedWnd : public CWnd
{
public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        CRect client;
        GetClientRect(&client);
        client.right /= 2;
        if (!client.PtInRect(point))
            return CWnd::OnToolHitTest(point, pTI);
        pTI->hwnd = m_hWnd;
        pTI->uId = 5;
        pTI->rect = client;
        pTI->lpszText = _strdup("Hello tip");
        return 5;
    }
};

class ToolTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_wnd.CreateEx(WS_EX_TOPMOST, NULL, "tips", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, NULL, NULL));
        ASSERT_TRUE(m_button.Create("BUTTON", "b", WS_VISIBLE, CRect(150, 10, 190, 40), &m_wnd, 9));
        m_wnd.EnableToolTips(TRUE);
    }

    // Moves the mouse to the client point of the window and tells the tools of the pump's tip
    // window: "" for none, else the text of the window's tool.
    static CString ToolAfterMoveTo(CWnd& wnd, int x, int y)
    {
        wnd.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        PumpPending();
        HWND hWndTip = AfxGetThreadState()->m_hWndToolTip;
        if (hWndTip == NULL || ::SendMessageA(hWndTip, TTM_GETTOOLCOUNT, 0, 0) == 0)
            return "";
        char text[80] = "";
        TOOLINFOA info = {TTTOOLINFOA_V2_SIZE, 0, wnd.m_hWnd, 5, {0, 0, 0, 0}, NULL, text, 0, NULL};
        ::SendMessageA(hWndTip, TTM_GETTEXTA, sizeof text, (LPARAM)&info);
        return text;
    }
    CString ToolAfterMoveTo(int x, int y) { return ToolAfterMoveTo(m_wnd, x, y); }

    CTippedWnd m_wnd;
    CWnd m_button;
};

TEST_F(ToolTipTest, ToolUnderTheMouseIsShownUntilThereIsNoneOrTipsAreOff)
{
    EXPECT_EQ(ToolAfterMoveTo(20, 20), "Hello tip");
    EXPECT_EQ(ToolAfterMoveTo(120, 80), "");
    EXPECT_EQ(ToolAfterMoveTo(20, 20), "Hello tip");
    m_wnd.EnableToolTips(FALSE);
    EXPECT_EQ(ToolAfterMoveTo(20, 20), "");
}

// Once the tip of the tool under a resting pointer has gone (its time was up, or a click took it
// away), the next tick of the system's tool tip takes the tip window along: it would otherwise tick
// ten times a second for as long as the pointer rests there. The tool's tip does not show again
// while the pointer stays on it; back on the tool after leaving it, a new tip window shows it.
TEST_F(ToolTipTest, AToolsTipThatWentTakesItsWindowAlongWhileThePointerRests)
{
    const struct
    {
        const char* name;
        UINT takeAway; // posted to the window once the tip shows; 0: its time runs out
    } rows[] = {
        {"its time was up", 0},
        {"a click took it away", WM_LBUTTONDOWN},
    };
    // The real pointer leaves the tool at the end, whatever happened: the
    // windows of later cases stand under it.
    struct PointerAwayAtTheEnd
    {
        ~PointerAwayAtTheEnd()
        {
            MoveMouseTo(CPoint(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1));
        }
    } pointerAway;
    AFX_THREAD_STATE* state = AfxGetThreadState();
    CPoint onTool(20, 20);
    m_wnd.ClientToScreen(&onTool);
    for (const auto& row : rows)
    {
        ASSERT_EQ("", ToolAfterMoveTo(120, 80)) << row.name;
        MoveMouseTo(onTool);
        ASSERT_EQ("Hello tip", ToolAfterMoveTo(20, 20)) << row.name;
        const HWND hWndTip = state->m_hWndToolTip;
        ::SendMessageA(hWndTip, TTM_SETDELAYTIME, TTDT_AUTOPOP, row.takeAway == 0 ? 200 : 60000);
        ASSERT_TRUE(PumpPendingUntil([&] { return ::IsWindowVisible(hWndTip) != FALSE; })) << row.name;
        if (row.takeAway != 0)
            m_wnd.PostMessage(row.takeAway, 0, MAKELPARAM(20, 20));
        EXPECT_TRUE(PumpPendingUntil([&] { return !::IsWindow(hWndTip); })) << row.name;
        EXPECT_EQ(NULL, state->m_hWndToolTip) << row.name;
        EXPECT_EQ("", ToolAfterMoveTo(21, 21)) << row.name << ": the pointer still on the tool";
        EXPECT_EQ("", ToolAfterMoveTo(120, 80)) << row.name;
        EXPECT_EQ("Hello tip", ToolAfterMoveTo(20, 20)) << row.name << ": back on the tool";
        EXPECT_TRUE(::IsWindow(state->m_hWndToolTip)) << row.name;
    }
}

// Where the window has no tool of its own, a child control is the tool.
TEST_F(ToolTipTest, ChildControlIsTheToolWhereTheWindowHasNone)
{
    TOOLINFOA info = {};
    EXPECT_EQ(m_wnd.CWnd::OnToolHitTest(CPoint(160, 20), &info), 9);
    EXPECT_EQ(info.uId, (UINT_PTR)m_button.m_hWnd);
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
    EXPECT_EQ(m_wnd.CWnd::OnToolHitTest(CPoint(120, 80), &info), -1);
}

// The tip window belongs to the top-level window of the tool it shows, as
// that window's own popups do (an unowned one would stand on the task bar as
// a window of its own): a tool of a child window gives it the child's
// top-level window, a popup owned by that window the popup, another
// top-level window itself. When its owner goes, taking it along, the next
// tool gets a tip again.
TEST_F(ToolTipTest, TheTipIsOwnedByTheTopLevelWindowOfTheToolItShows)
{
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), "top", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             CRect(250, 10, 550, 210), NULL, 0));
    CTippedWnd child, owned;
    ASSERT_TRUE(child.CreateEx(0, AfxRegisterWndClass(0), "child", WS_CHILD | WS_VISIBLE,
                               CRect(10, 10, 110, 60), &top, 1));
    ASSERT_TRUE(owned.CreateEx(0, AfxRegisterWndClass(0), "owned", WS_POPUP | WS_VISIBLE,
                               CRect(600, 10, 700, 60), &top, 0));
    for (CWnd* pWnd : {(CWnd*)&child, (CWnd*)&owned})
        pWnd->EnableToolTips(TRUE);
    const struct
    {
        const char* name;
        CWnd& tool;
        HWND hWndOwner;
    } rows[] = {
        {"a child window", child, top.m_hWnd},
        {"a popup the top-level window owns", owned, owned.m_hWnd},
        {"another top-level window", m_wnd, m_wnd.m_hWnd},
        {"the child window again", child, top.m_hWnd},
    };
    for (const auto& row : rows)
    {
        ASSERT_EQ("Hello tip", ToolAfterMoveTo(row.tool, 20, 20)) << row.name;
        HWND hWndTip = AfxGetThreadState()->m_hWndToolTip;
        EXPECT_EQ(row.hWndOwner, ::GetWindow(hWndTip, GW_OWNER)) << row.name;
    }

    const HWND hWndFirstTip = AfxGetThreadState()->m_hWndToolTip;
    top.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hWndFirstTip)) << "the tip went with its owner";
    EXPECT_EQ("Hello tip", ToolAfterMoveTo(20, 20));
    HWND hWndTip = AfxGetThreadState()->m_hWndToolTip;
    EXPECT_TRUE(::IsWindow(hWndTip));
    EXPECT_EQ(m_wnd.m_hWnd, ::GetWindow(hWndTip, GW_OWNER));
}

TEST(FrameToolTipText, CommandTipIsTheSecondLineOfItsString)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "frame"));
    TOOLTIPTEXTA text = {};
    text.hdr = {NULL, ID_TEST_ROUTE_ALL, TTN_NEEDTEXTA};
    pFrame->SendMessage(WM_NOTIFY, 0, (LPARAM)&text);
    EXPECT_STREQ(text.szText, "All");
    pFrame->DestroyWindow();
}

} // namespace
