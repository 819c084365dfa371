// The critical-section lock on real threads: a holder keeps a second thread
// out, and read-modify-write steps under the lock never lose an update.
#include "toolkit/foundation/XTPLock.h"

#include <gtest/gtest.h>

namespace {

struct Waiter
{
    CXTPLock* pLock;
    HANDLE hStarted;
    volatile LONG bAcquired;
};

DWORD WINAPI TakeTheLock(LPVOID pParam)
{
    Waiter* pWaiter = (Waiter*)pParam;
    ::SetEvent(pWaiter->hStarted);
    CXTPLockScope scope(*pWaiter->pLock);
    ::InterlockedExchange(&pWaiter->bAcquired, TRUE);
    return 0;
}

TEST(Lock, ASecondThreadWaitsUntilTheHolderLeavesTheScope)
{
    CXTPLock lock;
    Waiter waiter = {&lock, ::CreateEvent(NULL, TRUE, FALSE, NULL), FALSE};
    HANDLE hThread = NULL;
    {
        CXTPLockScope scope(lock);
        hThread = ::CreateThread(NULL, 0, TakeTheLock, &waiter, 0, NULL);
        ASSERT_TRUE(hThread != NULL);
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(waiter.hStarted, 5000));
        EXPECT_EQ((DWORD)WAIT_TIMEOUT, ::WaitForSingleObject(hThread, 100)) << "the thread got in";
        EXPECT_FALSE(waiter.bAcquired);
    }
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 5000));
    EXPECT_TRUE(waiter.bAcquired);
    ::CloseHandle(hThread);
    ::CloseHandle(waiter.hStarted);
}

struct Counter
{
    CXTPLock lock;
    int nValue;
};

const int kSteps = 20000;

// Reads, yields now and then so that the other thread runs in between, and
// writes back: without the lock updates would be lost.
DWORD WINAPI CountUnderTheLock(LPVOID pParam)
{
    Counter* pCounter = (Counter*)pParam;
    for (int i = 0; i < kSteps; i++)
    {
        CXTPLockScope scope(pCounter->lock);
        int nValue = pCounter->nValue;
        if (i % 64 == 0)
            ::Sleep(0);
        pCounter->nValue = nValue + 1;
    }
    return 0;
}

TEST(Lock, TwoThreadsCountingUnderTheLockLoseNoStep)
{
    Counter counter;
    counter.nValue = 0;
    HANDLE threads[2];
    for (HANDLE& hThread : threads)
    {
        hThread = ::CreateThread(NULL, 0, CountUnderTheLock, &counter, 0, NULL);
        ASSERT_TRUE(hThread != NULL);
    }
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForMultipleObjects(2, threads, TRUE, 30000));
    for (HANDLE hThread : threads)
        ::CloseHandle(hThread);
    counter.lock.Lock();
    EXPECT_EQ(2 * kSteps, counter.nValue);
    counter.lock.Unlock();
}

} // namespace
