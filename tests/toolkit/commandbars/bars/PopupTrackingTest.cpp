// Context menus tracked by the manager: placed inside the work area (above
// and to the left of a point near its bottom-right corner), returning the
// chosen command without sending anything when asked to, sending it to the
// owner otherwise, and ending on Esc or on a WM_QUIT, which stays queued. The
// modal loop is driven by actions posted before it starts.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/XTTrackPopupMenu.h"
#include "toolkit/foundation/XTPMultiMonitor.h"

#include <functional>

namespace {

typedef std::vector<std::string> Log;

// Runs the actions posted to it as the tracking loop dispatches them.
class CActionWindow : public CWnd
{
public:
    CActionWindow() { CreateEx(0, AfxRegisterWndClass(0), NULL, WS_POPUP, CRect(0, 0, 1, 1), NULL, 0); }
    ~CActionWindow() override { DestroyWindow(); }
    void Post(std::function<void()> action)
    {
        m_actions.push_back(action);
        PostMessage(WM_APP, m_actions.size() - 1, 0);
    }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message != WM_APP)
            return CWnd::OnWndMsg(message, wParam, lParam, pResult);
        m_actions[wParam]();
        *pResult = 0;
        return TRUE;
    }

private:
    std::vector<std::function<void()>> m_actions;
};

class PopupTrackingTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        m_menu.LoadMenu(IDR_TEST_MENU);
        frame->m_nUpdates = 0;
    }
    // The File submenu: New, Open..., a separator, Exit.
    CMenu* FileMenu() { return m_menu.GetSubMenu(0); }
    UINT Track(UINT nFlags, CPoint pt)
    {
        return CXTPCommandBars::TrackPopupMenu(FileMenu(), nFlags, pt.x, pt.y, frame, NULL, NULL,
                                               frame->m_pCommandBars);
    }
    // Chooses the item at nIndex by keyboard once the popup is open,
    // noting where the popup stood.
    void ChooseByKeyboard(int nIndex)
    {
        m_actions.Post([this, nIndex]() {
            ASSERT_TRUE(frame->m_pLastPopup != NULL);
            frame->m_pLastPopup->GetWindowRect(&m_rcPopup);
            for (int i = 0; i <= nIndex; i++)
                Key(VK_DOWN);
            Key(VK_RETURN);
        });
    }

    CMenu m_menu;
    CActionWindow m_actions;
    CRect m_rcPopup;
};

TEST_F(PopupTrackingTest, NearTheBottomRightItOpensAboveAndLeftAndReturnsTheCommandQuietly)
{
    const CRect rcWork = XTPMultiMonitor()->GetWorkArea(CPoint(0, 0));
    const CPoint pt(rcWork.right - 10, rcWork.bottom - 10);
    ChooseByKeyboard(1);

    EXPECT_EQ((UINT)ID_TEST_OPEN, Track(TPM_RETURNCMD | TPM_NONOTIFY, pt));

    EXPECT_EQ(pt.y, m_rcPopup.bottom) << "above the point";
    EXPECT_EQ(rcWork.right, m_rcPopup.right) << "pushed left to the work area's edge";
    EXPECT_LT(m_rcPopup.left, pt.x);
    EXPECT_FALSE(Logged("execute 3002 code 100") || Logged("command open")) << "the command is only returned";
    EXPECT_EQ(0, frame->m_nUpdates) << "no update handler is asked";
    EXPECT_FALSE(XTPMouseManager()->IsTrackedLock(NULL)) << "nothing tracks after the call";
}

TEST_F(PopupTrackingTest, WithoutFlagsTheCommandGoesToTheOwner)
{
    ChooseByKeyboard(1);
    EXPECT_EQ(1u, Track(0, CPoint(100, 100)));
    EXPECT_EQ(Log({"init popup ", "closed popup ", "execute 3002 code 100", "command open"}), frame->m_log);
    EXPECT_GT(frame->m_nUpdates, 0) << "the update handlers ran as it opened";
    EXPECT_EQ(CPoint(100, 100), m_rcPopup.TopLeft()) << "room enough: at the point";
}

TEST_F(PopupTrackingTest, AQuitMessageEndsTheLoopAndStaysQueued)
{
    ::PostQuitMessage(7);
    EXPECT_EQ(0u, Track(TPM_RETURNCMD, CPoint(100, 100)));
    ASSERT_TRUE(frame->m_pLastPopup != NULL);
    EXPECT_FALSE(frame->m_pLastPopup->IsTrackingMode()) << "the popup closed";
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

TEST_F(PopupTrackingTest, AHandleThatIsNoMenuReturnsNoCommand)
{
    CMenu notAMenu;
    EXPECT_EQ(0u, CXTPCommandBars::TrackPopupMenu(&notAMenu, TPM_RETURNCMD, 0, 0, frame))
        << "a handle that is no menu";
}

TEST_F(PopupTrackingTest, RightAlignOpensToTheLeftOfThePointAndEscapeEndsWithoutACommand)
{
    m_actions.Post([this]() {
        frame->m_pLastPopup->GetWindowRect(&m_rcPopup);
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(0u, Track(TPM_RIGHTALIGN | TPM_RETURNCMD, CPoint(300, 100)));
    EXPECT_EQ(300, m_rcPopup.right);
    EXPECT_EQ(100, m_rcPopup.top);
    EXPECT_EQ(Log({"init popup ", "closed popup "}), frame->m_log);
}

TEST_F(PopupTrackingTest, ToolkitContextMenuNeverAsksTheUpdateHandlers)
{
    // A command-bars paint manager is current: the menu is a popup bar.
    CXTPPaintManager::SetTheme(xtpThemeOfficeXP);
    ChooseByKeyboard(0);
    EXPECT_EQ((UINT)ID_TEST_NEW, XTTrackPopupMenu(FileMenu(), TPM_RETURNCMD, 50, 50, frame));
    EXPECT_EQ(0, frame->m_nUpdates);
    EXPECT_EQ(Log({"init popup ", "closed popup "}), frame->m_log);
}

} // namespace
