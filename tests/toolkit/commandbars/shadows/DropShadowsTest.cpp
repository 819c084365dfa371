// Drop shadows as windows: an open popup casts a strip to its right and one
// along its bottom (themed shadows always, the system's shadow only while
// the system's drop-shadow setting is on), the menu-bar control under an
// open menu casts its own under the flat look, a themed strip leaves out the
// control's rectangle and the open popups, the strips hide, show and go with
// their owner, and where the system has no layered windows nothing is made.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/shadows/XTPDropShadows.h"
#include "toolkit/commandbars/shadows/XTPShadowStrips.h"
#include "toolkit/foundation/XTPOptionalLibrary.h"

namespace {

// The fixed-size paint manager drawing its own shadows, as the flat look does.
class CThemedShadowPaintManager : public CFixedSizePaintManager
{
public:
    BOOL IsThemedShadow() const override { return TRUE; }
};

// Sets the system's drop-shadow setting for one case and puts it back.
class CSystemDropShadow
{
public:
    explicit CSystemDropShadow(BOOL bOn)
    {
        ::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &m_bWas, 0);
        ::SystemParametersInfoA(SPI_SETDROPSHADOW, 0, (PVOID)(INT_PTR)bOn, 0);
    }
    ~CSystemDropShadow() { ::SystemParametersInfoA(SPI_SETDROPSHADOW, 0, (PVOID)(INT_PTR)m_bWas, 0); }

private:
    BOOL m_bWas = FALSE;
};

class DropShadowsTest : public PopupBarTest
{
protected:
    void UseThemedShadows() { frame->m_pCommandBars->SetPaintManager(new CThemedShadowPaintManager); }
    static std::vector<CXTPDropShadowWnd*> ShadowsOf(CWnd* pOwner, CXTPDropShadows* pManager = XTPDropShadows())
    {
        std::vector<CXTPDropShadowWnd*> shadows;
        for (CXTPDropShadowWnd* pShadow : pManager->GetShadows())
            if (pShadow->GetOwnerWnd() == pOwner)
                shadows.push_back(pShadow);
        return shadows;
    }
    static CRect WindowRect(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        return rc;
    }
    // The strip's window region holds the screen point.
    static BOOL RegionHolds(CXTPDropShadowWnd* pShadow, CPoint ptScreen)
    {
        const CRect rc = WindowRect(pShadow);
        HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
        const int nType = ::GetWindowRgn(pShadow->GetSafeHwnd(), hRegion);
        const BOOL bHolds = nType == ERROR ? rc.PtInRect(ptScreen)
                                           : ::PtInRegion(hRegion, ptScreen.x - rc.left, ptScreen.y - rc.top);
        ::DeleteObject(hRegion);
        return bHolds;
    }
};

TEST_F(DropShadowsTest, AnOpenPopupCastsAStripBelowAndOneToTheRight)
{
    UseThemedShadows();
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    const std::vector<CXTPDropShadowWnd*> shadows = ShadowsOf(m_pPopup);
    ASSERT_EQ(2u, shadows.size());
    const CRect rcPopup = WindowRect(m_pPopup);
    EXPECT_TRUE(shadows[0]->IsHorizontal());
    EXPECT_EQ(CRect(rcPopup.left + 4, rcPopup.bottom, rcPopup.right + 4, rcPopup.bottom + 4), WindowRect(shadows[0]));
    EXPECT_EQ(CRect(rcPopup.right, rcPopup.top + 4, rcPopup.right + 4, rcPopup.bottom), WindowRect(shadows[1]));
    for (CXTPDropShadowWnd* pShadow : shadows)
    {
        EXPECT_TRUE(pShadow->IsWindowVisible());
        EXPECT_TRUE(pShadow->IsThemed());
        const DWORD dwExStyle = pShadow->GetExStyle();
        EXPECT_EQ((DWORD)(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
                  dwExStyle & (WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
        EXPECT_EQ(HTTRANSPARENT, pShadow->SendMessage(WM_NCHITTEST, 0, 0)) << "clicks pass through";
    }
}

TEST_F(DropShadowsTest, ClosingThePopupTakesItsShadowsAway)
{
    UseThemedShadows();
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    ASSERT_EQ(2u, ShadowsOf(m_pPopup).size());
    m_pPopup->SetTrackingMode(xtpTrackingOff);
    EXPECT_TRUE(ShadowsOf(m_pPopup).empty());
}

TEST_F(DropShadowsTest, TheStripsHideAndShowWithTheirOwnerAndGoWhenItIsDestroyed)
{
    UseThemedShadows();
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    const std::vector<CXTPDropShadowWnd*> shadows = ShadowsOf(m_pPopup);
    ASSERT_EQ(2u, shadows.size());
    const HWND hStrip = shadows[0]->GetSafeHwnd();
    m_pPopup->ShowWindow(SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(hStrip));
    m_pPopup->ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(::IsWindowVisible(hStrip));
    m_pPopup->DestroyWindow();
    EXPECT_TRUE(ShadowsOf(m_pPopup).empty());
    EXPECT_FALSE(::IsWindow(hStrip)) << "a strip never outlives its owner";
}

TEST_F(DropShadowsTest, ThePopupsShadowFollowsItWhenItIsLaidOutAgain)
{
    UseThemedShadows();
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    m_pPopup->GetControl(1)->SetCaption(CString("A caption much longer than before"));
    m_pPopup->OnRecalcLayout();
    const CRect rcPopup = WindowRect(m_pPopup);
    const std::vector<CXTPDropShadowWnd*> shadows = ShadowsOf(m_pPopup);
    ASSERT_EQ(2u, shadows.size());
    EXPECT_EQ(CRect(rcPopup.right, rcPopup.top + 4, rcPopup.right + 4, rcPopup.bottom), WindowRect(shadows[1]))
        << "beside the wider popup";
}

TEST_F(DropShadowsTest, APopupWithoutItsShadowFlagCastsNone)
{
    UseThemedShadows();
    m_pPopup->SetShadow(FALSE);
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    EXPECT_TRUE(ShadowsOf(m_pPopup).empty());
}

TEST_F(DropShadowsTest, TheSystemShadowFollowsTheSystemSetting)
{
    {
        CSystemDropShadow setting(FALSE);
        ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
        EXPECT_TRUE(ShadowsOf(m_pPopup).empty()) << "a theme without shadows, the setting off";
        m_pPopup->SetTrackingMode(xtpTrackingOff);
    }
    CSystemDropShadow setting(TRUE);
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    const std::vector<CXTPDropShadowWnd*> shadows = ShadowsOf(m_pPopup);
    ASSERT_EQ(2u, shadows.size()) << "the setting on";
    EXPECT_FALSE(shadows[0]->IsThemed());
}

TEST_F(DropShadowsTest, WithoutLayeredWindowsNothingIsMadeRatherThanAFlatStrip)
{
    UseThemedShadows();
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    XTPWithholdOptionalProc("UpdateLayeredWindow", TRUE);
    CXTPDropShadows manager;
    XTPWithholdOptionalProc("UpdateLayeredWindow", FALSE);
    EXPECT_FALSE(manager.IsLayeredAvailable());
    manager.CreateBarShadows(m_pPopup, CRect(0, 0, 0, 0));
    EXPECT_TRUE(manager.GetShadows().empty());
    EXPECT_TRUE(manager.CreateShadow(TRUE, CRect(0, 0, 50, 50), CRect(0, 0, 0, 0), m_pPopup) == NULL);
}

TEST_F(DropShadowsTest, AThemedStripLeavesOutTheExclusionAndTheOpenPopups)
{
    UseThemedShadows();
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    const CRect rcPopup = WindowRect(m_pPopup);
    CXTPDropShadows manager;
    // The popup's own strips first: the manager now lists it as open.
    manager.CreateShadow(TRUE, rcPopup, CRect(0, 0, 0, 0), m_pPopup);

    // A strip along the bottom of a rectangle just above the popup's top
    // edge runs over the popup; the exclusion covers its left part.
    const CRect rcAbove(rcPopup.left - 30, rcPopup.top - 20, rcPopup.left + 20, rcPopup.top - 2);
    const CRect rcExclude(rcAbove.left, rcAbove.bottom, rcAbove.left + 10, rcAbove.bottom + 4);
    CXTPDropShadowWnd* pStrip = manager.CreateShadow(TRUE, rcAbove, rcExclude, MenuBar());
    ASSERT_TRUE(pStrip != NULL);
    const int y = rcAbove.bottom + 1;
    EXPECT_FALSE(RegionHolds(pStrip, CPoint(rcAbove.left + 6, y))) << "inside the exclusion";
    EXPECT_TRUE(RegionHolds(pStrip, CPoint(rcAbove.left + 12, y))) << "between the exclusion and the popup";
    EXPECT_FALSE(RegionHolds(pStrip, CPoint(rcPopup.left + 5, y + 2))) << "over the open popup";
}

TEST_F(DropShadowsTest, AMenuBarControlUnderItsOpenMenuCastsItsOwnShadowUnderTheFlatLook)
{
    UseThemedShadows();
    CXTPControl* pFile = MenuBar()->GetControl(0);
    CPoint pt = pFile->GetRect().CenterPoint();
    MenuBar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    CXTPCommandBar* pFileMenu = pFile->GetCommandBar();
    ASSERT_TRUE(pFileMenu != NULL && pFileMenu->IsTrackingMode());
    const std::vector<CXTPDropShadowWnd*> shadows = ShadowsOf(pFileMenu);
    ASSERT_EQ(4u, shadows.size()) << "the menu's two strips and the control's two";
    CRect rcControl = pFile->GetRect();
    MenuBar()->ClientToScreen(&rcControl);
    EXPECT_EQ(ShadowStripRect(FALSE, rcControl, kShadowSize), WindowRect(shadows[3]))
        << "down the right of the File caption";

    Key(VK_ESCAPE);
    EXPECT_TRUE(ShadowsOf(pFileMenu).empty()) << "they go with the menu";
}

TEST_F(DropShadowsTest, WithoutThemedShadowsTheMenuBarControlCastsNone)
{
    CSystemDropShadow setting(TRUE);
    CXTPControl* pFile = MenuBar()->GetControl(0);
    CPoint pt = pFile->GetRect().CenterPoint();
    MenuBar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(2u, ShadowsOf(pFile->GetCommandBar()).size()) << "the menu's own strips only";
}

} // namespace
