// The fetch threads: a fetch runs on a worker and comes back by its message,
// a thread is kept for the next fetch, a fetch while every thread is busy
// gets a thread of its own, and a fetch still running when the workers go
// ends on its own and still reports.
#include "tests/support/NewsServer.h"
#include "tests/support/ResultPageBuilder.h"
#include "tests/support/TestWindow.h"

#include "app/NewsFetch.h"
#include "app/NewsFetchWorkers.h"
#include "app/NewsQuery.h"
#include "MainFrameFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records the fetches that come back.
class CFetchReceiver : public CTestWindow
{
public:
    std::vector<NewsFetch*> m_arrived;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NEWS_FETCHED)
            m_arrived.push_back((NewsFetch*)lParam);
        return CTestWindow::WindowProc(message, wParam, lParam);
    }
};

class NewsFetchWorkersTest : public ::testing::Test
{
protected:
    NewsFetchWorkersTest()
    {
        for (NewsServer* pServer : {&server, &other})
            pServer->SetPage("tide", ResultPageHtml({NumberedRecord(1), NumberedRecord(2)}));
    }

    NewsFetch* Fetch(const char* keyword, NewsServer* pServer = nullptr)
    {
        const std::string host = (pServer != nullptr ? pServer : &server)->HostText();
        fetches.emplace_back(new NewsFetch(nullptr, NewsSearchUrl(host.c_str(), keyword)));
        return fetches.back().get();
    }
    bool Arrived(size_t count)
    {
        return PumpUntil([&] { return receiver.m_arrived.size() >= count; });
    }

    // The server answers one connection at a time: a fetch that must not
    // wait behind a held one goes to the other server.
    NewsServer server, other;
    CFetchReceiver receiver;
    std::vector<std::unique_ptr<NewsFetch>> fetches;
};

TEST_F(NewsFetchWorkersTest, OneThreadRunsFetchesOneAfterAnother)
{
    NewsFetchWorkers workers;
    for (int i = 0; i < 3; ++i)
    {
        NewsFetch* pFetch = Fetch("tide");
        ASSERT_TRUE(pFetch->Start(receiver.m_hWnd, workers));
        ASSERT_TRUE(Arrived(i + 1));
        EXPECT_TRUE(pFetch->WaitForEnd(5000));
        EXPECT_EQ(receiver.m_arrived.back(), pFetch);
        EXPECT_TRUE(pFetch->fetched);
        EXPECT_EQ(pFetch->page.count, 2);
    }
    EXPECT_EQ(workers.GetThreadCount(), 1);
}

TEST_F(NewsFetchWorkersTest, AFetchWhileEveryThreadIsBusyGetsAThreadOfItsOwn)
{
    NewsFetchWorkers workers;
    server.Hold(true);
    NewsFetch* pHeld = Fetch("tide");
    ASSERT_TRUE(pHeld->Start(receiver.m_hWnd, workers));
    ASSERT_TRUE(PumpUntil([&] { return server.HeldRequests() == 1; }));
    NewsFetch* pSecond = Fetch("tide", &other);
    ASSERT_TRUE(pSecond->Start(receiver.m_hWnd, workers));
    ASSERT_TRUE(Arrived(1)) << "the second does not wait behind the held one";
    EXPECT_EQ(receiver.m_arrived[0], pSecond);
    EXPECT_EQ(workers.GetThreadCount(), 2);
    EXPECT_FALSE(pHeld->WaitForEnd(0));
    server.Hold(false);
    ASSERT_TRUE(Arrived(2));
    EXPECT_TRUE(pHeld->WaitForEnd(5000) && pSecond->WaitForEnd(5000));
}

TEST_F(NewsFetchWorkersTest, AFetchRunningWhenTheWorkersGoEndsOnItsOwnAndReports)
{
    NewsFetch* pHeld = Fetch("tide");
    {
        NewsFetchWorkers workers;
        server.Hold(true);
        ASSERT_TRUE(pHeld->Start(receiver.m_hWnd, workers));
        ASSERT_TRUE(PumpUntil([&] { return server.HeldRequests() == 1; }));
    }
    server.Hold(false);
    ASSERT_TRUE(Arrived(1));
    EXPECT_TRUE(pHeld->WaitForEnd(5000));
    EXPECT_TRUE(pHeld->fetched);
}

TEST_F(NewsFetchWorkersTest, AFetchNeverStartedHasNothingToWaitFor)
{
    EXPECT_TRUE(Fetch("tide")->WaitForEnd(0));
}

} // namespace
