// The desktop's colour depth is asked once and again after each display
// change; a DC's own depth is asked every time.
#include "toolkit/foundation/XTPDisplayDepth.h"

#include <gtest/gtest.h>

namespace {

int g_nQueries = 0;
int g_nDesktopBits = 32;

int CountedDesktopBits()
{
    g_nQueries++;
    return g_nDesktopBits;
}

class DisplayDepthTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_nQueries = 0;
        g_nDesktopBits = 32;
        XTPSetDesktopBitsPixelQueryForTesting(CountedDesktopBits);
    }
    void TearDown() override { XTPSetDesktopBitsPixelQueryForTesting(NULL); }
};

TEST_F(DisplayDepthTest, TheDesktopIsAskedOnceUntilTheDisplayChanges)
{
    EXPECT_FALSE(XTPIsLowColorDevice());
    g_nDesktopBits = 8;
    EXPECT_FALSE(XTPIsLowColorDevice()) << "the kept answer";
    EXPECT_EQ(1, g_nQueries);
    XTPDisplayChanged();
    EXPECT_TRUE(XTPIsLowColorDevice()) << "asked again after the change";
    EXPECT_TRUE(XTPIsLowColorDevice());
    EXPECT_EQ(2, g_nQueries);
}

TEST_F(DisplayDepthTest, AnUnansweredQuestionIsAskedAgain)
{
    g_nDesktopBits = 0; // no desktop DC
    EXPECT_FALSE(XTPIsLowColorDevice());
    g_nDesktopBits = 4;
    EXPECT_TRUE(XTPIsLowColorDevice());
    EXPECT_EQ(2, g_nQueries);
}

TEST_F(DisplayDepthTest, ADeviceContextIsAskedItself)
{
    g_nDesktopBits = 8;
    HDC hMemory = ::CreateCompatibleDC(NULL); // the screen's 32 bits here
    ASSERT_TRUE(hMemory != NULL);
    EXPECT_FALSE(XTPIsLowColorDevice(hMemory));
    ::DeleteDC(hMemory);
    EXPECT_EQ(0, g_nQueries);
}

} // namespace
