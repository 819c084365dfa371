#include "toolkit/foundation/XTPGuardedCall.h"

#include <gtest/gtest.h>

namespace {

void WriteThroughNull(void* pContext)
{
    volatile int* pCount = static_cast<volatile int*>(pContext);
    *pCount = 1;
    volatile int* pNowhere = NULL;
    *pNowhere = 5;
    *pCount = 2;
}

TEST(GuardedCall, AnAccessViolationEndsTheCallOnly)
{
    int n = 0;
    EXPECT_FALSE(XTPCallGuarded(WriteThroughNull, &n));
    EXPECT_EQ(1, n);
    // The thread's exception chain is intact: it works again, nested, for
    // normal calls and for C++ exceptions.
    EXPECT_FALSE(XTPCallGuarded(WriteThroughNull, &n));
    BOOL bInner = TRUE;
    EXPECT_TRUE(XTPCallGuarded(
        [](void* pInner) {
            int nInner = 0;
            *static_cast<BOOL*>(pInner) = XTPCallGuarded(WriteThroughNull, &nInner);
        },
        &bInner));
    EXPECT_FALSE(bInner);
    EXPECT_TRUE(XTPCallGuarded([](void* pContext) { *static_cast<int*>(pContext) = 42; }, &n));
    EXPECT_EQ(42, n);
    EXPECT_THROW(throw 3, int);
}

} // namespace
