// The arithmetic of popup animations as plain functions: the animation an
// option and the system's menu settings choose, the frames of an unfold and
// a slide, the weights and the blend of a fade, and the bands of a popup
// growing as its hidden rows appear.
#include "CommandBarsTestSupport.h"

#include "toolkit/commandbars/layout/XTPPopupAnimation.h"

#include <sstream>

namespace {

struct ChoiceCase
{
    const char* name;
    int nOption;
    XTPMenuAnimationSettings settings;
    int nRandom;
    int nExpected;
};

const XTPMenuAnimationSettings kFadeOn = {TRUE, TRUE, TRUE, TRUE};
const XTPMenuAnimationSettings kSlideOn = {TRUE, TRUE, TRUE, FALSE};
const XTPMenuAnimationSettings kAnimationOff = {TRUE, FALSE, TRUE, TRUE};
const XTPMenuAnimationSettings kUnknown = {FALSE, TRUE, FALSE, TRUE};
const XTPMenuAnimationSettings kFadeUnknown = {TRUE, TRUE, FALSE, TRUE};

const ChoiceCase kChoices[] = {
    {"system, fading on", xtpAnimateWindowsDefault, kFadeOn, 0, xtpAnimateFade},
    {"system, fading off", xtpAnimateWindowsDefault, kSlideOn, 0, xtpAnimateSlide},
    {"system, menu animation off", xtpAnimateWindowsDefault, kAnimationOff, 0, xtpAnimateNone},
    {"system, settings unreadable", xtpAnimateWindowsDefault, kUnknown, 0, xtpAnimateNone},
    {"system, fading unreadable", xtpAnimateWindowsDefault, kFadeUnknown, 0, xtpAnimateSlide},
    {"random 0", xtpAnimateRandom, kAnimationOff, 0, xtpAnimateFade},
    {"random 1", xtpAnimateRandom, kAnimationOff, 1, xtpAnimateSlide},
    {"random 2", xtpAnimateRandom, kAnimationOff, 2, xtpAnimateUnfold},
    {"random 32767", xtpAnimateRandom, kFadeOn, 32767, xtpAnimateSlide},
    {"unfold whatever the system says", xtpAnimateUnfold, kAnimationOff, 0, xtpAnimateUnfold},
    {"slide", xtpAnimateSlide, kFadeOn, 0, xtpAnimateSlide},
    {"fade", xtpAnimateFade, kAnimationOff, 0, xtpAnimateFade},
    {"none", xtpAnimateNone, kFadeOn, 0, xtpAnimateNone},
    {"an unknown value stands", 9, kFadeOn, 0, 9},
};

TEST(PopupAnimation, TheOptionAndTheSystemSettingsChooseTheAnimation)
{
    for (const ChoiceCase& c : kChoices)
        EXPECT_EQ(c.nExpected, ChoosePopupAnimation(c.nOption, c.settings, c.nRandom)) << c.name;
}

// A picture of 100 x 60 in 4 steps.
TEST(PopupAnimation, UnfoldAndSlideShowAGrowingPartOfThePicture)
{
    const CRect rc(0, 0, 100, 60);
    EXPECT_EQ(CRect(75, 45, 100, 60), UnfoldFrame(rc, 1, 4)) << "the bottom-right quarter of each side";
    EXPECT_EQ(CRect(50, 30, 100, 60), UnfoldFrame(rc, 2, 4));
    EXPECT_EQ(CRect(0, 0, 100, 60), UnfoldFrame(rc, 4, 4)) << "the last step shows it all";
    EXPECT_EQ(CRect(0, 0, 100, 60), UnfoldFrame(CRect(0, 0, 100, 60), 3, 3));
    EXPECT_EQ(CRect(67, 40, 100, 60), UnfoldFrame(rc, 1, 3)) << "a third of 100 truncates to 33";
    EXPECT_EQ(CRect(0, 45, 100, 60), SlideFrame(rc, 1, 4)) << "the bottom band, full width";
    EXPECT_EQ(CRect(0, 15, 100, 60), SlideFrame(rc, 3, 4));
    EXPECT_EQ(CRect(0, 0, 100, 60), SlideFrame(rc, 4, 4));
}

TEST(PopupAnimation, TenFadeStepsBlendNineIntermediatePictures)
{
    std::vector<int> weights;
    for (int i = 1; i < 10; i++)
        weights.push_back(FadeWeight(i, 10));
    EXPECT_EQ(std::vector<int>({25, 51, 76, 102, 127, 153, 178, 204, 229}), weights);
    EXPECT_EQ(127, FadeWeight(1, 2));
}

struct BlendCase
{
    BYTE nOld, nNew;
    int nWeight;
    BYTE nExpected;
};

TEST(PopupAnimation, AFadeChannelMixesOldAndNewByTheWeight)
{
    const BlendCase kBlends[] = {
        {0, 255, 25, 24},    // (255 x 25) >> 8
        {255, 0, 229, 25},   // (255 x 26) >> 8
        {255, 255, 127, 254}, // (255 x 128 + 255 x 127) >> 8: never quite white
        {200, 100, 102, 159}, // (200 x 153 + 100 x 102) >> 8 = 40800 >> 8
        {0, 0, 204, 0},
    };
    for (const BlendCase& c : kBlends)
        EXPECT_EQ(c.nExpected, FadeChannel(c.nOld, c.nNew, c.nWeight))
            << (int)c.nOld << " to " << (int)c.nNew << " at " << c.nWeight;
}

std::string Bands(const std::vector<XTPExpandingRow>& rows, int cyClient, double f)
{
    std::ostringstream os;
    for (const XTPExpandingBand& band : ExpandingBands(rows, cyClient, f))
        os << "[" << band.nSourceTop << "+" << band.nSourceHeight << " to " << band.nDestTop << "+"
           << band.nDestHeight << "]";
    return os.str();
}

TEST(PopupAnimation, AGrowingPopupStretchesTheBandsOfRowsHiddenBefore)
{
    // Rows 20 high from 2: shown, hidden before, hidden before, shown; the
    // client ends at 84.
    const std::vector<XTPExpandingRow> rows = {{2, FALSE}, {22, TRUE}, {42, TRUE}, {62, FALSE}};
    EXPECT_EQ("[0+22 to 0+22][22+40 to 22+10][62+22 to 32+22]", Bands(rows, 84, 0.25))
        << "the hidden band at a quarter of its height, the rest keeps its own";
    EXPECT_EQ("[0+22 to 0+22][22+40 to 22+40][62+22 to 62+22]", Bands(rows, 84, 1.0)) << "the last step: all";
    EXPECT_EQ("[0+22 to 0+22][22+40 to 22+13][62+22 to 35+22]", Bands(rows, 84, 1.0 / 3)) << "truncated";
    EXPECT_EQ("[0+2 to 0+2][2+82 to 2+41]", Bands({{2, TRUE}, {22, TRUE}}, 84, 0.5))
        << "the border above a first hidden row stays; the last band reaches the client's end";
    EXPECT_EQ("[0+84 to 0+84]", Bands({{2, FALSE}, {22, FALSE}}, 84, 0.5)) << "nothing hidden: one band";
}

} // namespace
