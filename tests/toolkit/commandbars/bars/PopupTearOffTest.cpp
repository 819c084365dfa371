// The tear-off strip of a popup: it lies above the rows, lights when the
// mouse rests on it (timer 5003, sent as WM_TIMER), and dragging it away
// makes a floating tool bar of the popup's commands, which follows the
// cursor; dragged back, the bar goes again. The drag's mouse messages are
// posted before its loop starts. The tear-off settings are exchanged and
// copied with the popup.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/controls/XTPControlExpandButton.h"
#include "toolkit/commandbars/layout/XTPLayoutFlags.h"

namespace {

const UINT kTearOffId = 0xE810;

// A bar's controls without the temporary ones (a floating bar's close and
// expand buttons).
int CommandCount(CXTPCommandBar* pBar)
{
    int nCount = 0;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        nCount += pBar->GetControl(i)->IsTemporary() ? 0 : 1;
    return nCount;
}

class PopupTearOffTest : public PopupBarTest
{
protected:
    void Prepare() override
    {
        PopupBarTest::Prepare();
        m_pPopup->GetControls()->Add(xtpControlButton, ID_TEST_COPY)->SetCaption(CString("Copy"));
        m_pPopup->GetControls()->AddControl(new CXTPControlExpandButton, XTP_ID_POPUPBAR_EXPAND);
        m_pPopup->SetTearOffPopup("Edit Tools", kTearOffId, 0);
        ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    }
    CPoint StripCentre() const { return m_pPopup->GetTearOffRect().CenterPoint(); }
    CPoint ToPopupClient(CPoint ptScreen) const
    {
        m_pPopup->ScreenToClient(&ptScreen);
        return ptScreen;
    }
    void PostToPopup(UINT nMessage, CPoint ptScreen)
    {
        const CPoint pt = ToPopupClient(ptScreen);
        m_pPopup->PostMessage(nMessage, 0, MAKELPARAM(pt.x, pt.y));
    }
    // Presses the strip; the drag's messages were posted before.
    void PressStrip()
    {
        const CPoint pt = StripCentre();
        m_pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    }
    CPoint PopupScreenPoint(int x, int y) const
    {
        CPoint pt(x, y);
        m_pPopup->ClientToScreen(&pt);
        return pt;
    }
    CXTPToolBar* TornOffBar() const { return frame->m_pCommandBars->GetToolBar(kTearOffId); }
};

TEST_F(PopupTearOffTest, TheStripLiesAboveTheRows)
{
    const CRect rcStrip = m_pPopup->GetTearOffRect();
    EXPECT_EQ((int)CFixedSizePaintManager::kTearOffStrip, rcStrip.Height());
    EXPECT_EQ(2, rcStrip.top) << "inside the top border";
    EXPECT_EQ(rcStrip.bottom, m_pPopup->GetControl(0)->GetRect().top) << "the rows start below it";
    EXPECT_EQ(m_pPopup->GetControl(0)->GetRect().left, rcStrip.left);
    EXPECT_EQ(m_pPopup->GetControl(0)->GetRect().right, rcStrip.right) << "as wide as the rows";

    m_pPopup->SetTearOffPopup("", 0, 0);
    m_pPopup->OnRecalcLayout();
    EXPECT_TRUE(m_pPopup->GetTearOffRect().IsRectEmpty());
    EXPECT_EQ(2, m_pPopup->GetControl(0)->GetRect().top) << "without the strip the rows start at the border";
}

TEST_F(PopupTearOffTest, TheStripLightsWhileTheMouseRestsOnIt)
{
    Key(VK_DOWN);
    ASSERT_EQ(0, m_pPopup->GetSelectedIndex());
    const CPoint pt = StripCentre();
    m_pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(-1, m_pPopup->GetSelectedIndex()) << "the mouse on the strip clears the selection";
    EXPECT_FALSE(m_pPopup->IsTearOffSelected()) << "not before the timer";

    const CPoint ptScreen = PopupScreenPoint(pt.x, pt.y);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    m_pPopup->SendMessage(WM_TIMER, CXTPPopupBar::kTearOffTimer, 0);
    EXPECT_TRUE(m_pPopup->IsTearOffSelected());

    const CPoint ptRow = PopupScreenPoint(10, m_pPopup->GetControl(1)->GetRect().CenterPoint().y);
    ::SetCursorPos(ptRow.x, ptRow.y);
    m_pPopup->SendMessage(WM_TIMER, CXTPPopupBar::kTearOffTimer, 0);
    EXPECT_FALSE(m_pPopup->IsTearOffSelected()) << "the cursor left it";
    EXPECT_FALSE(::KillTimer(m_pPopup->m_hWnd, CXTPPopupBar::kTearOffTimer)) << "the timer stopped";
}

TEST_F(PopupTearOffTest, DraggingTheStripAwayMakesAFloatingToolBarOfTheCommands)
{
    const CPoint ptStrip = PopupScreenPoint(StripCentre().x, StripCentre().y);
    const CPoint ptAway(ptStrip.x + 300, ptStrip.y + 200);
    PostToPopup(WM_MOUSEMOVE, CPoint(ptStrip.x + 5, ptStrip.y + 5));
    PostToPopup(WM_MOUSEMOVE, ptAway);
    PostToPopup(WM_LBUTTONUP, ptAway);
    PressStrip();

    CXTPToolBar* pBar = TornOffBar();
    ASSERT_TRUE(pBar != NULL);
    EXPECT_EQ("Edit Tools", std::string(pBar->GetTitle()));
    EXPECT_EQ(xtpBarFloating, pBar->GetPosition());
    EXPECT_TRUE(pBar->IsVisible());
    EXPECT_TRUE(pBar->IsTearOff());
    EXPECT_FALSE(pBar->IsBuiltIn());
    ASSERT_EQ(3, CommandCount(pBar)) << "the commands without the expand button";
    EXPECT_EQ(ID_TEST_NEW, pBar->GetControl(0)->GetID());
    EXPECT_EQ(ID_TEST_COPY, pBar->GetControl(2)->GetID());
    EXPECT_NE(m_pPopup->GetControl(0), pBar->GetControl(0)) << "copies";
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    EXPECT_GT(rcBar.Width(), 3 * CFixedSizePaintManager::kButton) << "its three commands in a row";
    EXPECT_EQ(pBar->CalcDynamicLayout(0, xtpLayoutHorz | xtpLayoutMRUWidth), rcBar.Size())
        << "sized by its floating layout";
    EXPECT_EQ(ptAway.y - 10, rcBar.top) << "its top 10 pixels above the cursor";
    EXPECT_EQ(ptAway.x - rcBar.Width() / 2, rcBar.left) << "centred on the cursor";
    EXPECT_FALSE(m_pPopup->IsTrackingMode()) << "the popup closed";
}

// Windows that wait to be painted are painted while the strip is dragged,
// not only once the drag ends.
TEST_F(PopupTearOffTest, TheDragPaintsWaitingWindows)
{
    CPaintCounter counter;
    ASSERT_TRUE(counter.Create(frame, CPoint(10, 250)));
    const CPoint ptStrip = PopupScreenPoint(StripCentre().x, StripCentre().y);
    const CPoint ptAway(ptStrip.x + 300, ptStrip.y + 200);
    counter.PostMessage(CPaintCounter::kInvalidate);
    PostToPopup(WM_MOUSEMOVE, ptAway);
    counter.PostMessage(CPaintCounter::kPing);
    PostToPopup(WM_LBUTTONUP, ptAway);
    PressStrip();
    ASSERT_TRUE(TornOffBar() != NULL) << "the drag ran";
    EXPECT_EQ(1, counter.m_nPaintsAtPing);
}

TEST_F(PopupTearOffTest, TheTearOffWidthIsTheBarsWidth)
{
    m_pPopup->SetTearOffPopup("Edit Tools", kTearOffId, 60);
    const CPoint ptStrip = PopupScreenPoint(StripCentre().x, StripCentre().y);
    PostToPopup(WM_MOUSEMOVE, CPoint(ptStrip.x + 300, ptStrip.y + 200));
    PostToPopup(WM_LBUTTONUP, CPoint(ptStrip.x + 300, ptStrip.y + 200));
    PressStrip();
    ASSERT_TRUE(TornOffBar() != NULL);
    CRect rcBar;
    TornOffBar()->GetWindowRect(&rcBar);
    EXPECT_LE(rcBar.Width(), 60);
    EXPECT_GE(rcBar.Height(), 2 * CFixedSizePaintManager::kHeight) << "the commands wrap into rows";
}

TEST_F(PopupTearOffTest, ACursorStillNearTheStripTearsNothingOff)
{
    const CPoint ptStrip = PopupScreenPoint(StripCentre().x, StripCentre().y);
    PostToPopup(WM_MOUSEMOVE, CPoint(ptStrip.x, ptStrip.y - 10));
    PostToPopup(WM_LBUTTONUP, CPoint(ptStrip.x, ptStrip.y - 10));
    PressStrip();
    EXPECT_TRUE(TornOffBar() == NULL) << "within 10 pixels of the strip";
    EXPECT_TRUE(m_pPopup->IsTrackingMode()) << "the popup stays open";
}

TEST_F(PopupTearOffTest, DraggedBackOverTheStripTheBarGoesAgain)
{
    const CPoint ptStrip = PopupScreenPoint(StripCentre().x, StripCentre().y);
    const int nBars = frame->m_pCommandBars->GetCount();
    PostToPopup(WM_MOUSEMOVE, CPoint(ptStrip.x + 300, ptStrip.y));
    PostToPopup(WM_MOUSEMOVE, ptStrip);
    PostToPopup(WM_LBUTTONUP, ptStrip);
    PressStrip();
    EXPECT_TRUE(TornOffBar() == NULL);
    EXPECT_EQ(nBars, frame->m_pCommandBars->GetCount());
    EXPECT_TRUE(m_pPopup->IsTrackingMode());
}

TEST_F(PopupTearOffTest, ABarWithTheTearOffIdFloatsInsteadOfANewOne)
{
    CXTPToolBar* pExisting = frame->m_pCommandBars->Add("Existing", xtpBarTop);
    ASSERT_TRUE(pExisting != NULL);
    pExisting->SetBarID(kTearOffId);
    pExisting->GetControls()->Add(xtpControlButton, ID_TEST_HELP);
    pExisting->SetVisible(FALSE);
    const int nBars = frame->m_pCommandBars->GetCount();

    const CPoint ptStrip = PopupScreenPoint(StripCentre().x, StripCentre().y);
    PostToPopup(WM_MOUSEMOVE, CPoint(ptStrip.x + 200, ptStrip.y + 200));
    PostToPopup(WM_LBUTTONUP, CPoint(ptStrip.x + 200, ptStrip.y + 200));
    PressStrip();
    EXPECT_EQ(pExisting, TornOffBar());
    EXPECT_EQ(nBars, frame->m_pCommandBars->GetCount());
    EXPECT_EQ(xtpBarFloating, pExisting->GetPosition());
    EXPECT_TRUE(pExisting->IsVisible());
    EXPECT_EQ(1, CommandCount(pExisting)) << "its own controls";
}

TEST_F(PopupTearOffTest, KeysOtherThanEscapeAreSwallowedAndEscapeEndsTheDrag)
{
    const CPoint ptStrip = PopupScreenPoint(StripCentre().x, StripCentre().y);
    PostToPopup(WM_MOUSEMOVE, CPoint(ptStrip.x + 300, ptStrip.y));
    m_pPopup->PostMessage(WM_KEYDOWN, VK_DOWN, 0);
    m_pPopup->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    PressStrip();
    EXPECT_EQ(-1, m_pPopup->GetSelectedIndex()) << "the down key never reached the popup";
    EXPECT_TRUE(TornOffBar() != NULL) << "the bar torn off before Esc stays";
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(PopupTearOffTest, AQuitMessageEndsTheDragAndStaysQueued)
{
    ::PostQuitMessage(3);
    PressStrip();
    EXPECT_EQ(NULL, ::GetCapture());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
}

TEST_F(PopupTearOffTest, TheTearOffSettingsAreExchangedAndCopied)
{
    CXTPPopupBar* pSaved = CXTPPopupBar::CreatePopupBar(NULL);
    pSaved->GetControls()->Add(xtpControlButton, ID_TEST_NEW);
    pSaved->SetTearOffPopup("Edit Tools", kTearOffId, 250);
    CMemFile file;
    StoreBarExchange(pSaved, file);
    CXTPPopupBar* pLoaded = CXTPPopupBar::CreatePopupBar(NULL);
    LoadBarExchange(pLoaded, file);
    CString strCaption;
    UINT nID = 0;
    int nWidth = 0;
    EXPECT_TRUE(pLoaded->IsTearOffPopup(strCaption, nID, nWidth));
    EXPECT_EQ("Edit Tools", std::string(strCaption));
    EXPECT_EQ(kTearOffId, nID);
    EXPECT_EQ(250, nWidth);

    CXTPCommandBar* pClone = pSaved->Clone(FALSE);
    EXPECT_TRUE(((CXTPPopupBar*)pClone)->IsTearOffPopup(strCaption, nID, nWidth));
    EXPECT_EQ(kTearOffId, nID);
    EXPECT_EQ(250, nWidth);
    pClone->InternalRelease();
    pLoaded->InternalRelease();
    pSaved->InternalRelease();
}

} // namespace
