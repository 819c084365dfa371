#include "framework/Core.h"

#include <gtest/gtest.h>

#include "ThreadSupport.h"

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
} // namespace

TEST(CThreadLocalTest, EachThreadHasItsOwnObjectFreedWhenItEnds)
{
    g_threadState->m_value = 1;
    CCounterState* processState = g_processState;
    LONG liveBefore = CCounterState::s_live;
    CCounterState *beforeFirstUse = processState, *otherThreadState = NULL, *otherProcessState = NULL;
    RunOnThreads(1, [&](int) {
        beforeFirstUse = g_threadState.GetDataNA();
        g_threadState->m_value = 7;
        otherThreadState = g_threadState;
        otherProcessState = g_processState;
    });
    EXPECT_EQ(NULL, beforeFirstUse);
    EXPECT_NE(g_threadState.GetData(), otherThreadState);
    EXPECT_EQ(1, g_threadState->m_value);
    EXPECT_TRUE(otherProcessState == processState && g_processState.GetDataNA() == processState);
    EXPECT_EQ(liveBefore, CCounterState::s_live); // the thread's own object went with it
}
