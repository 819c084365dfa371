#include "toolkit/foundation/XTPDrawHelpers.h"
#include "toolkit/foundation/XTPSplitterTracker.h"
#include "toolkit/foundation/XTPWindowRect.h"
#include "toolkit/foundation/XTWindowUtilities.h"

#include <gtest/gtest.h>

namespace {

// A visible top-level window of its own for each test.
struct WindowToolsTest : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(
            m_wnd.CreateEx(0, "STATIC", "tools", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, NULL, NULL));
    }
    void TearDown() override
    {
        if (m_wnd.GetSafeHwnd() != NULL)
            m_wnd.DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {}
    }

    CWnd m_wnd;
};

// The tracking loop reads the messages posted before it starts (client
// coordinates); the client area's origin is (100, 100) on the screen.
TEST_F(WindowToolsTest, TrackingFollowsTheMouseAlongOneAxisAndClamps)
{
    CXTPSplitterTracker tracker(TRUE);
    CRect rcTrack(150, 100, 154, 200);
    ::PostMessageA(m_wnd, WM_MOUSEMOVE, 0, MAKELPARAM(82, 40));  // 30 to the right; y ignored
    ::PostMessageA(m_wnd, WM_MOUSEMOVE, 0, MAKELPARAM(900, 40)); // beyond the area: clamped
    ::PostMessageA(m_wnd, WM_LBUTTONUP, 0, MAKELPARAM(900, 40));
    EXPECT_TRUE(tracker.Track(&m_wnd, CRect(110, 100, 300, 200), rcTrack, CPoint(152, 110), TRUE));
    EXPECT_EQ(CRect(300, 100, 304, 200), rcTrack);
    EXPECT_NE(m_wnd.GetSafeHwnd(), ::GetCapture());
}

TEST_F(WindowToolsTest, EscapeCancelsTrackingAndErasesTheTrackers)
{
    CXTPSplitterTracker cancelled(FALSE);
    CRect rcTrack(100, 150, 300, 154);
    cancelled.SetBoundaryRect(CRect(100, 250, 300, 254));
    HDC hScreen = ::GetDC(NULL);
    COLORREF clrBefore = ::GetPixel(hScreen, 120, 170), clrBoundary = ::GetPixel(hScreen, 121, 251);
    ::PostMessageA(m_wnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 70)); // 20 down
    ::PostMessageA(m_wnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(cancelled.Track(&m_wnd, CRect(100, 100, 300, 250), rcTrack, CPoint(120, 150), FALSE));
    EXPECT_EQ(CPoint(100, 170), rcTrack.TopLeft());
    EXPECT_EQ(clrBefore, ::GetPixel(hScreen, 120, 170));
    EXPECT_EQ(clrBoundary, ::GetPixel(hScreen, 121, 251));
    ::ReleaseDC(NULL, hScreen);
}

TEST_F(WindowToolsTest, AQuitMessageEndsTrackingAndIsPostedAgain)
{
    CXTPSplitterTracker quitting;
    CRect rcTrack(0, 0, 4, 100);
    ::PostQuitMessage(7);
    EXPECT_FALSE(quitting.Track(&m_wnd, CRect(0, 0, 200, 100), rcTrack, CPoint(2, 2), TRUE));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
    EXPECT_NE(m_wnd.GetSafeHwnd(), ::GetCapture());
}

TEST_F(WindowToolsTest, LosingTheCaptureEndsTrackingUnaccepted)
{
    CXTPSplitterTracker tracker;
    CRect rcTrack(0, 0, 4, 100);
    // The window procedure's WM_CANCELMODE gives the capture up.
    ::PostMessageA(m_wnd, WM_CANCELMODE, 0, 0);
    ::PostMessageA(m_wnd, WM_MOUSEMOVE, 0, MAKELPARAM(60, 2));
    ::PostMessageA(m_wnd, WM_LBUTTONUP, 0, MAKELPARAM(60, 2));
    EXPECT_FALSE(tracker.Track(&m_wnd, CRect(0, 0, 200, 100), rcTrack, CPoint(2, 2), TRUE));
    EXPECT_EQ(CRect(0, 0, 4, 100), rcTrack) << "the move after the loss is not followed";
}

class CTestPane : public CWnd
{
    DECLARE_DYNCREATE(CTestPane)
public:
    CTestPane() { ++s_nAlive; }
    ~CTestPane() override { --s_nAlive; }
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        cs.lpszClass = s_pszClass;
        return CWnd::PreCreateWindow(cs);
    }
    static int s_nAlive;
    static const char* s_pszClass;
};
IMPLEMENT_DYNCREATE(CTestPane, CWnd)
int CTestPane::s_nAlive = 0;
const char* CTestPane::s_pszClass = "STATIC";

TEST_F(WindowToolsTest, ANewFontReachesTheChildrenAndResizesAroundTheCentre)
{
    CWnd child;
    ASSERT_TRUE(
        child.CreateEx(0, "STATIC", "child", WS_CHILD | WS_VISIBLE, 10, 20, 100, 30, m_wnd, (HMENU)5));
    CFont small, large;
    ASSERT_TRUE(small.CreatePointFont(80, "Liberation Sans"));
    ASSERT_TRUE(large.CreatePointFont(160, "Liberation Sans"));
    m_wnd.SetFont(&small, FALSE);
    child.SetFont(&small, FALSE);
    CRect rcBefore = CXTPWindowRect(&m_wnd);

    XTChangeWindowFont(&m_wnd, &large);
    EXPECT_EQ((HFONT)large.GetSafeHandle(), (HFONT)::SendMessageA(child, WM_GETFONT, 0, 0));
    EXPECT_EQ((HFONT)large.GetSafeHandle(), (HFONT)::SendMessageA(m_wnd, WM_GETFONT, 0, 0));
    CRect rcChild = CXTPWindowRect(&child), rcAfter = CXTPWindowRect(&m_wnd);
    m_wnd.ScreenToClient(&rcChild);
    EXPECT_GT(rcChild.Width(), 150);
    EXPECT_GT(rcChild.left, 10);
    EXPECT_GT(rcAfter.Width(), rcBefore.Width());
    CSize szShift = rcAfter.CenterPoint() - rcBefore.CenterPoint();
    EXPECT_TRUE(abs(szShift.cx) <= 1 && abs(szShift.cy) <= 1) << szShift.cx << "," << szShift.cy;
}

TEST_F(WindowToolsTest, CreatedViewsTakeTheirParentIdAndOwner)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    CWnd* pView =
        XTCreateView(&m_wnd, RUNTIME_CLASS(CTestPane), NULL, NULL, WS_CHILD | WS_VISIBLE, &owner, 77);
    ASSERT_TRUE(pView != NULL);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CTestPane)));
    EXPECT_EQ(std::vector<HWND>({m_wnd.GetSafeHwnd(), (HWND)77, owner.GetSafeHwnd()}),
              std::vector<HWND>({::GetParent(*pView), (HWND)(INT_PTR)::GetDlgCtrlID(*pView),
                                 pView->GetOwner()->GetSafeHwnd()}));
    pView->DestroyWindow();
    delete pView;
    owner.DestroyWindow();
}

TEST_F(WindowToolsTest, AViewThatCannotBeCreatedIsDeleted)
{
    int nAlive = CTestPane::s_nAlive;
    CTestPane::s_pszClass = "NoSuchWindowClass";
    EXPECT_EQ(NULL, XTCreateView(&m_wnd, RUNTIME_CLASS(CTestPane)));
    EXPECT_EQ(nAlive, CTestPane::s_nAlive);
    CTestPane::s_pszClass = "STATIC";
    EXPECT_EQ(NULL, XTCreateView(&m_wnd, RUNTIME_CLASS(CObject)));
}

} // namespace
