// The desktop's colour depth is asked once, and again after a display change
// or an unanswered question; a DC's own depth never asks the desktop.
#include "toolkit/foundation/XTPDisplayDepth.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

int g_nQueries = 0;
int g_nDesktopBits = 0;

int CountedDesktopBits()
{
    g_nQueries++;
    return g_nDesktopBits;
}

TEST(DisplayDepth, TheDesktopIsAskedOnceUntilTheDisplayChanges)
{
    XTPSetDesktopBitsPixelQueryForTesting(CountedDesktopBits);
    XTPDisplayChanged(); // forget what an earlier test (or run) learned
    g_nQueries = 0;
    std::string answers;
    // Step by step: the desktop's depth now, a display change, the answer.
    for (const auto& step : {std::make_pair(0, false), std::make_pair(8, false), std::make_pair(32, true),
                             std::make_pair(8, false), std::make_pair(8, true)})
    {
        g_nDesktopBits = step.first;
        if (step.second)
            XTPDisplayChanged();
        answers += XTPIsLowColorDevice() ? "low " : "high ";
    }
    HDC hMemory = ::CreateCompatibleDC(NULL); // the screen's 32 bits here
    answers += XTPIsLowColorDevice(hMemory) ? "low" : "high";
    ::DeleteDC(hMemory);
    XTPSetDesktopBitsPixelQueryForTesting(NULL);
    EXPECT_EQ("high low high high low high", answers) << "no DC: asked again; then kept until a change";
    EXPECT_EQ(4, g_nQueries);
}

} // namespace
