#include "framework/Core.h"

#include <gtest/gtest.h>

#include <process.h>

namespace {
struct CCounterState : public CNoTrackObject
{
    static LONG s_live;
    int m_value = 0;
    CCounterState() { InterlockedIncrement(&s_live); }
    ~CCounterState() override { InterlockedDecrement(&s_live); }
};
LONG CCounterState::s_live = 0;

CThreadLocal<CCounterState> g_threadState;
CProcessLocal<CCounterState> g_processState;

struct ThreadResult
{
    CCounterState* threadState;
    CCounterState* processState;
    CCounterState* beforeFirstUse;
};

unsigned __stdcall UseStates(void* context)
{
    ThreadResult* result = (ThreadResult*)context;
    result->beforeFirstUse = g_threadState.GetDataNA();
    g_threadState->m_value = 7;
    result->threadState = g_threadState;
    result->processState = g_processState;
    return 0;
}
} // namespace

TEST(CThreadLocalTest, EachThreadHasItsOwnObjectFreedWhenItEnds)
{
    g_threadState->m_value = 1;
    CCounterState* processState = g_processState;
    LONG liveBefore = CCounterState::s_live;
    ThreadResult result = {};
    HANDLE thread = (HANDLE)_beginthreadex(NULL, 0, &UseStates, &result, 0, NULL);
    ASSERT_TRUE(thread != NULL);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(NULL, result.beforeFirstUse);
    EXPECT_NE(g_threadState.GetData(), result.threadState);
    EXPECT_EQ(1, g_threadState->m_value);
    EXPECT_EQ(processState, result.processState);
    EXPECT_EQ(processState, g_processState.GetDataNA());
    EXPECT_EQ(liveBefore, CCounterState::s_live); // the thread's own object went with it
}
