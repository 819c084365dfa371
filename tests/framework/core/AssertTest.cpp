#include "framework/core/AfxBase.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

int g_nEvaluations = 0;

bool CountedFalse()
{
    ++g_nEvaluations;
    return false;
}

TEST(Assert, AFailedCheckFailsTheRunningTestWithItsExpression)
{
    EXPECT_NONFATAL_FAILURE(ASSERT(1 + 1 == 3), "ASSERT(1 + 1 == 3) failed");
}

TEST(Assert, AHoldingCheckReportsNothingAndVerifyEvaluatesOnce)
{
    ASSERT(2 > 1);
    g_nEvaluations = 0;
    EXPECT_NONFATAL_FAILURE(VERIFY(CountedFalse()), "CountedFalse()");
    EXPECT_EQ(1, g_nEvaluations);
}

} // namespace
