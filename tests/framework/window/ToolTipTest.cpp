// Tool tips: the pump shows the tool OnToolHitTest finds under the mouse
// (freeing the text the window allocated), takes it away when the mouse
// leaves it, and frames answer TTN_NEEDTEXT with a command's tip text.
#include "TestWindows.h"
#include "TestIds.h"
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

    // Moves the mouse to the point and tells the tools of the pump's tip window: "" for none,
    // else the tool's text.
    CString ToolAfterMoveTo(int x, int y)
    {
        m_wnd.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        PumpPending();
        HWND hWndTip = AfxGetThreadState()->m_hWndToolTip;
        if (hWndTip == NULL || ::SendMessageA(hWndTip, TTM_GETTOOLCOUNT, 0, 0) == 0)
            return "";
        char text[80] = "";
        TOOLINFOA info = {TTTOOLINFOA_V2_SIZE, 0, m_wnd.m_hWnd, 5, {0, 0, 0, 0}, NULL, text, 0, NULL};
        ::SendMessageA(hWndTip, TTM_GETTEXTA, sizeof text, (LPARAM)&info);
        return text;
    }

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

// Where the window has no tool of its own, a child control is the tool.
TEST_F(ToolTipTest, ChildControlIsTheToolWhereTheWindowHasNone)
{
    TOOLINFOA info = {};
    EXPECT_EQ(m_wnd.CWnd::OnToolHitTest(CPoint(160, 20), &info), 9);
    EXPECT_EQ(info.uId, (UINT_PTR)m_button.m_hWnd);
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
    EXPECT_EQ(m_wnd.CWnd::OnToolHitTest(CPoint(120, 80), &info), -1);
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
