// Which popups play an animation as they open or grow, and which one: the
// options' "Animation" chooses it, a popup without a manager or with a child
// window plays none, a menu bar's first menu animates but not the menus the
// user moves to while it tracks, and a popup that expands plays its growth.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/layout/XTPPopupAnimation.h"
#include "toolkit/commandbars/shadows/XTPDropShadows.h"
#include "toolkit/commandbars/state/XTPCommandBarsOptions.h"

namespace {

// The fixed-size paint manager noting the animations it is asked to play.
class CAnimationRecorder : public CFixedSizePaintManager
{
public:
    void Animate(CDC*, CDC*, CRect rc, int nType) override
    {
        m_animations.push_back(nType);
        m_rcLast = rc;
        m_nShadowsWhileAnimating += (int)XTPDropShadows()->GetShadows().size();
    }
    // The flat looks' own shadows, whatever the system's setting.
    BOOL IsThemedShadow() const override { return TRUE; }
    void AnimateExpanding(CXTPCommandBar*, CDC*, CDC*) override { m_nExpansions++; }

    std::vector<int> m_animations;
    CRect m_rcLast;
    int m_nExpansions = 0;
    int m_nShadowsWhileAnimating = 0;
};

class PopupOpeningAnimationTest : public PopupBarTest
{
protected:
    void Prepare() override
    {
        PopupBarTest::Prepare();
        m_pRecorder = new CAnimationRecorder;
        frame->m_pCommandBars->SetPaintManager(m_pRecorder);
    }
    void SetOption(int nAnimation) { frame->m_pCommandBars->GetCommandBarsOptions()->animationType = nAnimation; }
    void ClickMenu(int nIndex)
    {
        CPoint pt = MenuBar()->GetControl(nIndex)->GetRect().CenterPoint();
        MenuBar()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }

    CAnimationRecorder* m_pRecorder;
};

TEST_F(PopupOpeningAnimationTest, TheOptionChoosesTheAnimationOfAContextMenu)
{
    SetOption(xtpAnimateSlide);
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    ASSERT_EQ(std::vector<int>({xtpAnimateSlide}), m_pRecorder->m_animations);
    CRect rcClient;
    m_pPopup->GetClientRect(&rcClient);
    EXPECT_EQ(rcClient, m_pRecorder->m_rcLast) << "the whole popup";
}

TEST_F(PopupOpeningAnimationTest, NoneAndUnknownValuesPlayNothing)
{
    for (int nOption : {(int)xtpAnimateNone, 9})
    {
        SetOption(nOption);
        ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
        m_pPopup->SetTrackingMode(xtpTrackingOff);
    }
    EXPECT_TRUE(m_pRecorder->m_animations.empty());
}

TEST_F(PopupOpeningAnimationTest, TheAnimationTypeFollowsTheOptionUnlessThereIsNoManagerOrAChildWindow)
{
    SetOption(xtpAnimateUnfold);
    EXPECT_EQ(xtpAnimateUnfold, m_pPopup->GetAnimationType());
    SetOption(xtpAnimateFade);
    EXPECT_EQ(xtpAnimateFade, m_pPopup->GetAnimationType());

    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    CWnd child;
    child.CreateEx(0, AfxRegisterWndClass(0), NULL, WS_CHILD, CRect(0, 0, 5, 5), m_pPopup, 1);
    EXPECT_EQ(xtpAnimateNone, m_pPopup->GetAnimationType()) << "an edit or combo box window";
    child.DestroyWindow();

    CXTPPopupBar* pLoose = CXTPPopupBar::CreatePopupBar(NULL);
    EXPECT_EQ(xtpAnimateNone, pLoose->GetAnimationType()) << "without a manager";
    pLoose->InternalRelease();
}

TEST_F(PopupOpeningAnimationTest, AMenuBarAnimatesItsFirstMenuButNotTheOnesTheUserMovesTo)
{
    SetOption(xtpAnimateUnfold);
    ClickMenu(0);
    ASSERT_EQ(1u, m_pRecorder->m_animations.size());
    Key(VK_RIGHT);
    ASSERT_EQ(1, MenuBar()->GetPopupedIndex()) << "the next menu is open";
    EXPECT_EQ(1u, m_pRecorder->m_animations.size()) << "moving along the menu bar does not animate";

    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    ASSERT_FALSE(MenuBar()->IsTrackingMode());
    ClickMenu(0);
    EXPECT_EQ(2u, m_pRecorder->m_animations.size()) << "a new click animates again";
}

TEST_F(PopupOpeningAnimationTest, TheShadowFallsOnceThePopupHasUnfolded)
{
    SetOption(xtpAnimateUnfold);
    m_pPopup->GetControl(0)->SetCaption(CString("New..."));
    ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
    ASSERT_EQ(1u, m_pRecorder->m_animations.size());
    EXPECT_EQ(0, m_pRecorder->m_nShadowsWhileAnimating) << "no shadow beside a popup still unfolding";
    EXPECT_EQ(2u, XTPDropShadows()->GetShadows().size()) << "then the two strips";
}

TEST_F(PopupOpeningAnimationTest, AnExpandingPopupPlaysItsGrowthWhenAnimationIsOn)
{
    frame->m_pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus = FALSE;
    frame->m_pCommandBars->HideCommand(ID_TEST_OPEN);
    for (int nOption : {(int)xtpAnimateNone, (int)xtpAnimateUnfold})
    {
        SetOption(nOption);
        ASSERT_TRUE(m_pPopup->Popup(100, 100, NULL));
        ASSERT_TRUE(m_pPopup->HasHiddenControls());
        m_pPopup->ExpandBar();
        EXPECT_TRUE(m_pPopup->IsExpanded());
        m_pPopup->SetTrackingMode(xtpTrackingOff);
    }
    EXPECT_EQ(1, m_pRecorder->m_nExpansions) << "only with an animation";
}

} // namespace
