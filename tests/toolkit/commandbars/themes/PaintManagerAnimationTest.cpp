// The paint manager's popup animations drawn on canvases: an unfold or a
// slide ends showing the whole picture, a fade shows only mixtures of the two
// pictures, an animation without steps or without size draws nothing, and a
// popup's growth ends with every band at its height.
#include "ThemeTestSupport.h"

#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/layout/XTPPopupAnimation.h"
#include "toolkit/commandbars/themes/XTPOfficeXPTheme.h"

namespace {

class PaintManagerAnimation : public ::testing::Test
{
protected:
    PaintManagerAnimation() : picture(40, 30, kRed), screen(40, 30, kBlue)
    {
        // Quick steps: no pauses.
        theme.SetAnimation(2, 0);
        picture.dc().FillSolidRect(30, 20, 10, 10, kGreen);
    }
    void Animate(int nType, CRect rc = CRect(0, 0, 40, 30)) { theme.Animate(&screen.dc(), &picture.dc(), rc, nType); }

    CXTPOfficeXPTheme theme;
    PixelCanvas picture; // red with a green bottom-right corner
    PixelCanvas screen;  // blue, what lies under the popup
};

TEST_F(PaintManagerAnimation, UnfoldAndSlideEndShowingTheWholePicture)
{
    for (int nType : {xtpAnimateUnfold, xtpAnimateSlide})
    {
        screen.Fill(kBlue);
        Animate(nType);
        EXPECT_TRUE(screen.SameAs(picture)) << "type " << nType;
    }
}

TEST_F(PaintManagerAnimation, AFadeShowsMixturesAndNeverTheFullPicture)
{
    Animate(xtpAnimateFade);
    // Two steps: one mixture at weight 127 of 255.
    EXPECT_EQ(RGB(126, 0, 127), screen.Pixel(5, 5)) << "red over blue";
    EXPECT_EQ(RGB(0, 126, 127), screen.Pixel(35, 25)) << "green over blue";
    EXPECT_EQ(0, screen.CountOther(CRect(0, 0, 30, 20), RGB(126, 0, 127)));
}

TEST_F(PaintManagerAnimation, AFadeOfAPartMixesOnlyThatPart)
{
    Animate(xtpAnimateFade, CRect(10, 10, 20, 20));
    EXPECT_EQ(RGB(126, 0, 127), screen.Pixel(15, 15));
    EXPECT_EQ(kBlue, screen.Pixel(5, 5));
    EXPECT_EQ(kBlue, screen.Pixel(25, 25));
}

TEST_F(PaintManagerAnimation, NoStepsNoSizeOrAnotherTypeDrawNothing)
{
    theme.SetAnimation(0, 100);
    for (int nType : {xtpAnimateUnfold, xtpAnimateSlide, xtpAnimateFade})
        Animate(nType);
    EXPECT_EQ(0, screen.CountOther(kBlue)) << "without steps";

    theme.SetAnimation(10, 0);
    for (int nType : {xtpAnimateUnfold, xtpAnimateSlide, xtpAnimateFade})
    {
        Animate(nType, CRect(5, 5, 5, 25));
        Animate(nType, CRect(5, 5, 25, 5));
    }
    Animate(xtpAnimateNone);
    Animate(xtpAnimateRandom);
    EXPECT_EQ(0, screen.CountOther(kBlue)) << "without size, or an animation that is none";
}

TEST_F(PaintManagerAnimation, AGrowingPopupEndsWithEveryRowInItsPlace)
{
    ThemeTestBar bar;
    bar.pBar->MoveWindow(0, 0, 40, 30);
    CXTPControl* pShown = bar.pBar->GetControls()->Add(xtpControlButton, 1);
    CXTPControl* pHidden = bar.pBar->GetControls()->Add(xtpControlButton, 2);
    pShown->SetRect(CRect(0, 2, 40, 12));
    pHidden->SetRect(CRect(0, 12, 40, 22));
    pHidden->SetExpanded(TRUE);
    picture.dc().FillSolidRect(0, 12, 40, 10, kBlack);
    theme.SetAnimation(3, 0);
    theme.AnimateExpanding(bar.pBar, &screen.dc(), &picture.dc());
    EXPECT_TRUE(screen.SameAs(picture));
}

} // namespace
