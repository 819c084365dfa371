#pragma once
// The arithmetic of a popup's animations, kept out of the window so that it
// can be checked as plain functions: which animation a popup plays
// (ChoosePopupAnimation), which part of the popup's picture each step of an
// unfold or a slide shows, the weights and the blend of a fade, and the
// bands of a popup growing as its hidden rows appear.
//
//     for (int i = 1; i <= nSteps; i++)
//     {
//         const CRect rcSource = UnfoldFrame(rcClient, i, nSteps);
//         pDestDC->BitBlt(0, 0, rcSource.Width(), rcSource.Height(), pSrcDC, rcSource.left, rcSource.top, SRCCOPY);
//     }
#include "framework/Core.h"

#include <vector>

// The popup animations; the options' "Animation" holds one of them.
enum XTPAnimationType
{
    xtpAnimateWindowsDefault = 0, // as the system's menu animation settings say
    xtpAnimateRandom = 1,         // fade, slide or unfold by chance
    xtpAnimateUnfold = 2,
    xtpAnimateSlide = 3,
    xtpAnimateFade = 4,
    xtpAnimateNone = 5
};

// The system's menu animation settings as SystemParametersInfo answered
// them: whether each query succeeded and what it gave.
struct XTPMenuAnimationSettings
{
    BOOL bAnimationRead;
    BOOL bAnimation; // SPI_GETMENUANIMATION
    BOOL bFadeRead;
    BOOL bFade;      // SPI_GETMENUFADE
};

// The animation a popup plays for the option nOption: the system default
// follows the settings (none when menu animation is off or unknown, slide
// when fading is unknown), random takes nRandom % 3 (0 fade, 1 slide, 2
// unfold), any other value stands.
int ChoosePopupAnimation(int nOption, const XTPMenuAnimationSettings& settings, int nRandom);

// The steps of an animation count from 1 to n, n at least 1 (a caller with
// no steps plays nothing).

// The part of the popup's picture rc that step i of n of an unfold shows at
// the top-left corner: its bottom-right part, i/n of its width and height.
CRect UnfoldFrame(const CRect& rc, int i, int n);
// The band of the picture rc that step i of n of a slide shows at the top:
// its bottom i/n of its height, full width.
CRect SlideFrame(const CRect& rc, int i, int n);

// The weight (of 255) of the new picture in step i of n of a fade.
int FadeWeight(int i, int n);
// One blue, green or red byte of a fade step: the old and the new value
// mixed by the new picture's weight.
BYTE FadeChannel(BYTE nOld, BYTE nNew, int nWeight);

// One band of a popup growing as its hidden rows appear: the source rows
// from nSourceTop, nSourceHeight high, are stretched to nDestHeight at
// nDestTop.
struct XTPExpandingBand
{
    int nSourceTop;
    int nSourceHeight;
    int nDestTop;
    int nDestHeight;
};

// One row of the grown popup: its top and whether it was hidden before.
struct XTPExpandingRow
{
    int nTop;
    BOOL bExpanded;
};

// The bands of one step of a popup's growth at fraction f (0 to 1): the rows
// run from the top in bands of rows hidden before or not; a band of rows
// shown before keeps its height, a band of rows hidden before is f of its
// height; the last band ends at the client height cyClient.
std::vector<XTPExpandingBand> ExpandingBands(const std::vector<XTPExpandingRow>& rows, int cyClient, double f);
