// A popup of 200 rows in a work area 600 pixels high: cut to the work area,
// it shows what fits between its scroll areas; the timers of the areas
// (sent as WM_TIMER, the way the system delivers them) move it by one row
// until its first or last row shows, resting the mouse on an area runs its
// timer, and the keyboard reaches every row, each scrolled into view.
#include "CommandBarsTestSupport.h"

namespace {

const int kRows = 200;
const CRect kWorkArea(0, 0, 800, 600);

// A popup bar whose monitor has a work area of 800 x 600.
class CShortScreenPopupBar : public CXTPPopupBar
{
public:
    CRect GetWorkArea() const override { return kWorkArea; }
};

class PopupScrollingTest : public CommandBarsTest
{
protected:
    void Prepare() override
    {
        CommandBarsTest::Prepare();
        m_pPopup = new CShortScreenPopupBar;
        m_pPopup->SetCommandBars(frame->m_pCommandBars);
        for (int i = 0; i < kRows; i++)
        {
            CString strCaption;
            strCaption.Format("Item %d", i);
            CXTPControl* pControl = m_pPopup->GetControls()->Add(xtpControlButton, 4000 + i);
            pControl->SetCaption(strCaption);
            pControl->SetBeginGroup(i % 10 == 0);
        }
        ASSERT_TRUE(m_pPopup->Popup(100, 0, NULL));
    }
    void TearDown() override
    {
        m_pPopup->SetTrackingMode(xtpTrackingOff);
        m_pPopup->InternalRelease();
        CommandBarsTest::TearDown();
    }
    void Timer(UINT nId) { m_pPopup->SendMessage(WM_TIMER, nId, 0); }
    void MouseMove(CPoint pt) { m_pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y)); }
    CRect Client() const
    {
        CRect rc;
        m_pPopup->GetClientRect(&rc);
        return rc;
    }
    // The row is shown and lies inside the client area, clear of both areas.
    ::testing::AssertionResult InView(int nIndex) const
    {
        CXTPControl* pControl = m_pPopup->GetControl(nIndex);
        const CRect rc = pControl->GetRect();
        const CRect rcUp = m_pPopup->GetScrollArea(TRUE), rcDown = m_pPopup->GetScrollArea(FALSE);
        if (!pControl->IsVisible())
            return ::testing::AssertionFailure() << "row " << nIndex << " is hidden";
        if (rc.top < 0 || rc.bottom > Client().bottom || (!rcUp.IsRectEmpty() && rc.top < rcUp.bottom)
            || (!rcDown.IsRectEmpty() && rc.bottom > rcDown.top))
            return ::testing::AssertionFailure() << "row " << nIndex << " at " << rc.top << "-" << rc.bottom;
        return ::testing::AssertionSuccess();
    }

    CShortScreenPopupBar* m_pPopup;
};

TEST_F(PopupScrollingTest, ThePopupIsCutToTheWorkAreaAndShowsADownArea)
{
    CRect rcWindow;
    m_pPopup->GetWindowRect(&rcWindow);
    EXPECT_TRUE(m_pPopup->IsScrolling());
    EXPECT_EQ(0, rcWindow.top);
    EXPECT_EQ(595, rcWindow.bottom) << "5 pixels above the work area's bottom";
    EXPECT_TRUE(m_pPopup->GetScrollArea(TRUE).IsRectEmpty()) << "nothing above the first row";
    const CRect rcDown = m_pPopup->GetScrollArea(FALSE);
    EXPECT_EQ(16, rcDown.Height());
    EXPECT_EQ(Client().bottom - 2, rcDown.bottom) << "above the bottom border";
    const int nLast = m_pPopup->GetLastShown();
    ASSERT_GT(nLast, 10);
    ASSERT_LT(nLast, kRows);
    EXPECT_TRUE(InView(nLast - 1));
    EXPECT_EQ((DWORD)xtpHideScroll, m_pPopup->GetControl(nLast)->GetHideFlags());
    EXPECT_EQ((DWORD)xtpHideScroll, m_pPopup->GetControl(kRows - 1)->GetHideFlags());
}

TEST_F(PopupScrollingTest, TheDownTimerScrollsOneRowAtATimeAndStopsAtTheLastRow)
{
    const int nShownAtFirst = m_pPopup->GetLastShown();
    Timer(CXTPPopupBar::kScrollDownTimer);
    EXPECT_EQ(nShownAtFirst + 1, m_pPopup->GetLastShown());
    EXPECT_TRUE(InView(nShownAtFirst));
    EXPECT_FALSE(m_pPopup->GetControl(0)->IsVisible()) << "the first row made room";
    EXPECT_FALSE(m_pPopup->GetScrollArea(TRUE).IsRectEmpty()) << "an up area now";

    int nTicks = 1;
    while (m_pPopup->GetLastShown() < kRows && nTicks < 2 * kRows)
    {
        Timer(CXTPPopupBar::kScrollDownTimer);
        nTicks++;
    }
    EXPECT_EQ(kRows, m_pPopup->GetLastShown());
    EXPECT_LE(nTicks, kRows - nShownAtFirst) << "one row per tick, the last step may show two";
    EXPECT_TRUE(InView(kRows - 1));
    EXPECT_TRUE(m_pPopup->GetScrollArea(FALSE).IsRectEmpty()) << "nothing below the last row";

    const int nFirst = m_pPopup->GetFirstShown();
    Timer(CXTPPopupBar::kScrollDownTimer);
    EXPECT_EQ(nFirst, m_pPopup->GetFirstShown()) << "at the end the timer stops";
    EXPECT_EQ(kRows, m_pPopup->GetLastShown());
}

TEST_F(PopupScrollingTest, TheUpTimerScrollsBackAndStopsAtTheFirstRow)
{
    for (int i = 0; i < 20; i++)
        Timer(CXTPPopupBar::kScrollDownTimer);
    const int nFirst = m_pPopup->GetFirstShown();
    ASSERT_GT(nFirst, 5);
    Timer(CXTPPopupBar::kScrollUpTimer);
    EXPECT_EQ(nFirst - 1, m_pPopup->GetFirstShown());
    EXPECT_TRUE(InView(nFirst - 1));
    for (int i = 0; i < nFirst; i++)
        Timer(CXTPPopupBar::kScrollUpTimer);
    EXPECT_EQ(0, m_pPopup->GetFirstShown());
    EXPECT_TRUE(InView(0));
    EXPECT_TRUE(m_pPopup->GetScrollArea(TRUE).IsRectEmpty());
    Timer(CXTPPopupBar::kScrollUpTimer);
    EXPECT_EQ(0, m_pPopup->GetFirstShown()) << "at the top the timer stops";
}

TEST_F(PopupScrollingTest, RestingTheMouseOnAnAreaRunsItsTimerAndLeavingItStopsIt)
{
    const CPoint ptDown = m_pPopup->GetScrollArea(FALSE).CenterPoint();
    MouseMove(ptDown);
    EXPECT_TRUE(::KillTimer(m_pPopup->m_hWnd, CXTPPopupBar::kScrollDownTimer)) << "the down timer ran";

    MouseMove(ptDown);
    MouseMove(CPoint(20, 100));
    EXPECT_FALSE(::KillTimer(m_pPopup->m_hWnd, CXTPPopupBar::kScrollDownTimer)) << "leaving stopped it";
    EXPECT_FALSE(::KillTimer(m_pPopup->m_hWnd, CXTPPopupBar::kScrollUpTimer)) << "no up area, no timer";
}

TEST_F(PopupScrollingTest, TheKeyboardReachesEveryRowAndScrollsItIntoView)
{
    for (int i = 0; i < kRows; i++)
    {
        Key(VK_DOWN);
        ASSERT_EQ(i, m_pPopup->GetSelectedIndex());
        ASSERT_TRUE(InView(i));
    }
    EXPECT_EQ(kRows, m_pPopup->GetLastShown());
    Key(VK_DOWN);
    EXPECT_EQ(0, m_pPopup->GetSelectedIndex()) << "down from the last row wraps to the first";
    EXPECT_TRUE(InView(0));
    EXPECT_EQ(0, m_pPopup->GetFirstShown());
    Key(VK_UP);
    EXPECT_EQ(kRows - 1, m_pPopup->GetSelectedIndex());
    EXPECT_TRUE(InView(kRows - 1));
    Key(VK_HOME);
    EXPECT_TRUE(InView(0));
    Key(VK_END);
    EXPECT_TRUE(InView(kRows - 1));
}

} // namespace
