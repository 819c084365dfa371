#include "toolkit/foundation/XTPGuardedCall.h"

#include <gtest/gtest.h>

namespace {

void Store(void* pContext)
{
    *static_cast<int*>(pContext) = 42;
}

void WriteThroughNull(void* pContext)
{
    volatile int* pCount = static_cast<volatile int*>(pContext);
    *pCount = 1;
    volatile int* pNowhere = NULL;
    *pNowhere = 5;
    *pCount = 2;
}

void Nested(void* pContext)
{
    int nInner = 0;
    *static_cast<BOOL*>(pContext) = XTPCallGuarded(WriteThroughNull, &nInner);
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
    EXPECT_TRUE(XTPCallGuarded(Nested, &bInner));
    EXPECT_FALSE(bInner);
    EXPECT_TRUE(XTPCallGuarded(Store, &n));
    EXPECT_EQ(42, n);
    EXPECT_THROW(throw 3, int);
}

} // namespace
