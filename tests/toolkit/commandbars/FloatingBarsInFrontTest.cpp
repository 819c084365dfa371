// A site frame keeps its floating tool bars in front of it, as windows it
// owns: a bar restored floating before the frame shows stays in front once
// the frame is shown, a real click that activates the frame brings a bar the
// frame was stacked over back in front, and so does the frame's idle time;
// the bars keep their order among themselves, a window the frame owns
// besides them stays in front of them, and the frame, not a bar, stays the
// active window. While the frame is out of sight with its floating bars (in
// the notification area), nothing shows a floating bar until it comes back.
#include "CommandBarsTestSupport.h"

#include "tests/support/WindowStacking.h"
#include "toolkit/commandbars/XTPCommandBarsSiteFrame.h"

namespace {

const char* const kCompany = "Tidewatch Floating Bars Tests";
const char* const kProfile = "FloatingBars";
const CRect kFrameRect(40, 40, 540, 440);

class FloatingBarsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (CXTPCommandBarsSiteFrame* pFrame : m_frames)
            pFrame->DestroyWindow();
        if (m_pOther != NULL)
            m_pOther->DestroyWindow();
        PumpPending();
    }
    // A site frame at kFrameRect with the menu bar and the test toolbar,
    // shown or not.
    CXTPCommandBarsSiteFrame* MakeFrame(BOOL bShown)
    {
        CXTPCommandBarsSiteFrame* pFrame = new CXTPCommandBarsSiteFrame;
        m_frames.push_back(pFrame);
        EXPECT_TRUE(
            pFrame->Create(NULL, "site", WS_OVERLAPPEDWINDOW | (bShown ? WS_VISIBLE : 0), kFrameRect));
        EXPECT_TRUE(pFrame->CreateCommandBars(RUNTIME_CLASS(CXTPCommandBars)));
        CXTPCommandBars* pBars = pFrame->GetCommandBars();
        pBars->SetPaintManager(new CFixedSizePaintManager);
        pBars->SetMenu("Menu Bar", IDR_TEST_MENU);
        pBars->Add("Standard", xtpBarTop)->LoadToolBar(IDR_TEST_TOOLBAR);
        pFrame->RecalcLayout();
        PumpPending();
        return pFrame;
    }
    // A bar of its own floating with its top-left at the frame's client point.
    static CXTPToolBar* FloatNewBar(CXTPCommandBarsSiteFrame* pFrame, CPoint ptClient)
    {
        CXTPToolBar* pBar = pFrame->GetCommandBars()->Add("Extra", xtpBarFloating);
        const UINT buttons[] = {ID_TEST_COPY, ID_TEST_BOLD};
        pBar->SetButtons(buttons, 2);
        return Float(pFrame, pBar, ptClient);
    }
    static CXTPToolBar* Float(CXTPCommandBarsSiteFrame* pFrame, CXTPToolBar* pBar, CPoint ptClient)
    {
        EXPECT_TRUE(pFrame->GetCommandBars()->FloatCommandBar(pBar));
        pFrame->ClientToScreen(&ptClient);
        pBar->PlaceFloating(ptClient);
        return pBar;
    }
    static CXTPToolBar* StandardBar(CXTPCommandBarsSiteFrame* pFrame)
    {
        return pFrame->GetCommandBars()->GetToolBar(IDR_TEST_TOOLBAR);
    }
    static CPoint CenterOf(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc.CenterPoint();
    }
    // A child window of the frame at its client point, which can take the focus.
    static HWND MakeChild(CWnd* pFrame, CPoint ptClient)
    {
        return ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, ptClient.x, ptClient.y, 80, 20,
                                 pFrame->m_hWnd, NULL, NULL, NULL);
    }

    CRegistryTestApp app{kCompany};
    std::vector<CXTPCommandBarsSiteFrame*> m_frames;
    CWnd* m_pOther = NULL;
};

TEST_F(FloatingBarsTest, ABarRestoredFloatingBeforeItsFrameShowsStandsInFrontOnceTheFrameIsShown)
{
    CXTPCommandBarsSiteFrame* pFirst = MakeFrame(TRUE);
    Float(pFirst, StandardBar(pFirst), CPoint(60, 120));
    pFirst->GetCommandBars()->SaveBarState(kProfile);
    pFirst->DestroyWindow();
    m_frames.clear();
    PumpPending();

    CXTPCommandBarsSiteFrame* pFrame = MakeFrame(FALSE);
    pFrame->GetCommandBars()->LoadBarState(kProfile);
    CXTPToolBar* pBar = StandardBar(pFrame);
    ASSERT_EQ(xtpBarFloating, pBar->GetPosition());
    ASSERT_TRUE(pBar->IsWindowVisible()) << "the bar shows before its frame, as at start-up";
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    SettleDisplay();

    EXPECT_TRUE(IsInFront(pBar->m_hWnd, pFrame->m_hWnd));
    EXPECT_EQ(pBar->m_hWnd, TopLevelAt(CenterOf(pBar))) << "what the user sees at the bar";
    EXPECT_EQ(pFrame->m_hWnd, ::GetActiveWindow());
}

// Activating the frame sets its focus, and wine then stacks it over the
// windows it owns (a real click, as the user's).
TEST_F(FloatingBarsTest, ARealClickThatActivatesTheFrameLeavesItsBarInFront)
{
    CXTPCommandBarsSiteFrame* pFrame = MakeFrame(TRUE);
    CXTPToolBar* pBar = Float(pFrame, StandardBar(pFrame), CPoint(60, 120));
    m_pOther = new CWnd;
    ASSERT_TRUE(m_pOther->CreateEx(0, AfxRegisterWndClass(0), "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(600, 40, 900, 300), NULL, 0));
    m_pOther->SetActiveWindow();
    SettleDisplay();
    ASSERT_EQ(m_pOther->m_hWnd, ::GetActiveWindow());

    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    ClickScreen(CPoint(rcClient.right - 10, rcClient.bottom - 10));
    SettleDisplay();

    EXPECT_EQ(pFrame->m_hWnd, ::GetActiveWindow());
    EXPECT_TRUE(IsInFront(pBar->m_hWnd, pFrame->m_hWnd));
    EXPECT_EQ(pBar->m_hWnd, TopLevelAt(CenterOf(pBar)));
}

// A window of the frame that takes the focus while another window is active
// makes wine activate the frame and stack it over the windows it owns (a
// bar floated by the program used to take the activation itself, which
// stood for that other window); when idle, the frame brings the bars back in front
// of it, directly: in the order they stand in, under a window the frame
// owns that stands in front of it.
TEST_F(FloatingBarsTest, IdleTimeBringsTheBarsTheFrameWasStackedOverBackInFront)
{
    struct Row
    {
        const char* name;
        int nBars;
        bool bOwnedWindow;
    };
    const Row rows[] = {
        {"one bar", 1, false},
        {"two bars keep their order", 2, false},
        {"a window the frame owns stays in front", 2, true},
    };
    for (const Row& row : rows)
    {
        CXTPCommandBarsSiteFrame* pFrame = MakeFrame(TRUE);
        pFrame->SetActiveWindow();
        HWND hChild = MakeChild(pFrame, CPoint(300, 300));
        HWND hOwned = NULL;
        if (row.bOwnedWindow)
        {
            hOwned = ::CreateWindowExA(0, "STATIC", "owned", WS_POPUP | WS_CAPTION, 700, 300, 120, 80,
                                       pFrame->m_hWnd, NULL, NULL, NULL);
            ::ShowWindow(hOwned, SW_SHOWNA);
        }
        std::vector<HWND> bars = {Float(pFrame, StandardBar(pFrame), CPoint(60, 120))->m_hWnd};
        if (row.nBars == 2)
            bars.push_back(FloatNewBar(pFrame, CPoint(60, 200))->m_hWnd);
        SettleDisplay();
        if (m_pOther == NULL)
        {
            m_pOther = new CWnd;
            ASSERT_TRUE(m_pOther->CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP | WS_VISIBLE,
                                           CRect(900, 600, 1000, 700), NULL, 0));
        }
        m_pOther->SetActiveWindow();
        ::SetFocus(hChild);
        ASSERT_TRUE(SettleUntil([&] { return IsInFront(pFrame->m_hWnd, bars[0]); }))
            << row.name << ": the system stacked the frame over the bar";
        // The expected order, front first.
        std::sort(bars.begin(), bars.end(), IsInFront);
        std::vector<HWND> front = bars;
        if (hOwned != NULL)
            front.insert(front.begin(), hOwned);
        front.push_back(pFrame->m_hWnd);

        pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        SettleDisplay();

        for (size_t i = 0; i + 1 < front.size(); i++)
            EXPECT_TRUE(IsInFront(front[i], front[i + 1])) << row.name << ": place " << i;
        EXPECT_EQ(bars[0], TopLevelAt(CenterOf(CWnd::FromHandle(bars[0])))) << row.name;
        EXPECT_EQ(pFrame->m_hWnd, ::GetActiveWindow()) << row.name;
        pFrame->DestroyWindow();
        m_frames.clear();
        PumpPending();
    }
}

// Hidden with its floating bars (as the program's window goes into the
// notification area), the frame keeps every floating bar out of sight, the
// bar shown in its state, until the frame is shown again with its bars.
TEST_F(FloatingBarsTest, WhileTheFrameIsHiddenWithItsBarsNothingShowsAFloatingBar)
{
    struct Row
    {
        const char* name;
        std::function<void(CXTPCommandBarsSiteFrame*)> beforeHiding;
        std::function<CXTPToolBar*(CXTPCommandBarsSiteFrame*)> showABar;
    };
    const Row rows[] = {
        {"a closed bar shown again",
         [](CXTPCommandBarsSiteFrame* pFrame) {
             Float(pFrame, StandardBar(pFrame), CPoint(60, 120))->SetVisible(FALSE);
         },
         [](CXTPCommandBarsSiteFrame* pFrame) {
             StandardBar(pFrame)->SetVisible(TRUE);
             return StandardBar(pFrame);
         }},
        {"a new floating bar", [](CXTPCommandBarsSiteFrame*) {},
         [](CXTPCommandBarsSiteFrame* pFrame) { return FloatNewBar(pFrame, CPoint(60, 200)); }},
        {"a docked bar floated", [](CXTPCommandBarsSiteFrame*) {},
         [](CXTPCommandBarsSiteFrame* pFrame) {
             return Float(pFrame, StandardBar(pFrame), CPoint(60, 120));
         }},
        {"the frame telling its bars to show",
         [](CXTPCommandBarsSiteFrame* pFrame) { Float(pFrame, StandardBar(pFrame), CPoint(60, 120)); },
         [](CXTPCommandBarsSiteFrame* pFrame) {
             StandardBar(pFrame)->SendMessage(WM_FLOATSTATUS, FS_SHOW);
             return StandardBar(pFrame);
         }},
        {"print preview left",
         [](CXTPCommandBarsSiteFrame* pFrame) {
             Float(pFrame, StandardBar(pFrame), CPoint(60, 120));
             pFrame->GetCommandBars()->OnSetPreviewMode(TRUE);
         },
         [](CXTPCommandBarsSiteFrame* pFrame) {
             pFrame->GetCommandBars()->OnSetPreviewMode(FALSE);
             return StandardBar(pFrame);
         }},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CXTPCommandBarsSiteFrame* pFrame = MakeFrame(TRUE);
        row.beforeHiding(pFrame);
        pFrame->HideWithFloatingBars();
        CXTPToolBar* pBar = row.showABar(pFrame);
        PumpPending();
        EXPECT_TRUE(pBar->IsVisible()) << "shown in its state";
        EXPECT_FALSE(pBar->IsWindowVisible());

        pFrame->ShowWithFloatingBars();
        SettleDisplay();
        EXPECT_TRUE(pBar->IsWindowVisible()) << "back with the frame";
        EXPECT_TRUE(IsInFront(pBar->m_hWnd, pFrame->m_hWnd));
        pFrame->DestroyWindow();
        m_frames.clear();
        PumpPending();
    }
}

} // namespace
