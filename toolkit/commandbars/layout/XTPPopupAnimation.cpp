#include "toolkit/commandbars/layout/XTPPopupAnimation.h"

int ChoosePopupAnimation(int nOption, const XTPMenuAnimationSettings& settings, int nRandom)
{
    if (nOption == xtpAnimateWindowsDefault)
    {
        if (!settings.bAnimationRead || !settings.bAnimation)
            return xtpAnimateNone;
        if (!settings.bFadeRead)
            return xtpAnimateSlide;
        return settings.bFade ? xtpAnimateFade : xtpAnimateSlide;
    }
    if (nOption == xtpAnimateRandom)
    {
        static const int kByChance[3] = {xtpAnimateFade, xtpAnimateSlide, xtpAnimateUnfold};
        return kByChance[((nRandom % 3) + 3) % 3];
    }
    return nOption;
}

CRect UnfoldFrame(const CRect& rc, int i, int n)
{
    ASSERT(n >= 1);
    return CRect(rc.right - rc.Width() * i / n, rc.bottom - rc.Height() * i / n, rc.right, rc.bottom);
}

CRect SlideFrame(const CRect& rc, int i, int n)
{
    ASSERT(n >= 1);
    const int h = rc.Height() * i / n;
    return CRect(0, rc.Height() - h, rc.Width(), rc.Height());
}

int FadeWeight(int i, int n)
{
    ASSERT(n >= 1);
    return i * 255 / n;
}

BYTE FadeChannel(BYTE nOld, BYTE nNew, int nWeight)
{
    return (BYTE)((nOld * (255 - nWeight) + nNew * nWeight) >> 8);
}

std::vector<XTPExpandingBand> ExpandingBands(const std::vector<XTPExpandingRow>& rows, int cyClient, double f)
{
    std::vector<XTPExpandingBand> bands;
    int nBoundary = 0, nDestTop = 0;
    BOOL bExpanded = FALSE;
    auto addBand = [&](int nEnd) {
        const int nSourceHeight = nEnd - nBoundary;
        const int nDestHeight = bExpanded ? (int)(nSourceHeight * f) : nSourceHeight;
        bands.push_back(XTPExpandingBand{nBoundary, nSourceHeight, nDestTop, nDestHeight});
        nDestTop += nDestHeight;
        nBoundary = nEnd;
    };
    for (const XTPExpandingRow& row : rows)
    {
        if (row.bExpanded == bExpanded)
            continue;
        addBand(row.nTop);
        bExpanded = row.bExpanded;
    }
    addBand(cyClient);
    return bands;
}
