// The status bar while checks run: its text cycles through the check's three
// texts and the progress bar moves, and both come back to rest at the end.
#include "ScenarioFixture.h"

#include "tests/support/ResultPageBuilder.h"
#include "resources/Resource.h"

#include <set>

namespace {

// The status texts and progress positions shown during the time.
void Watch(TidewatchProcess& program, DWORD durationMs, std::set<std::string>& texts,
           std::set<int>& positions)
{
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < durationMs)
    {
        texts.insert(program.StatusText());
        positions.insert(program.ProgressPosition());
        ::Sleep(50);
    }
}

class ProgressScenario : public ScenarioFixture
{
protected:
    void ExpectAtRest()
    {
        EXPECT_TRUE(WaitUntil([&] {
            return m_program.StatusText() == "Idle" && m_program.ProgressPosition() == 0;
        })) << "status \""
            << m_program.StatusText() << "\", progress " << m_program.ProgressPosition();
    }
};

TEST_F(ProgressScenario, PassAnimatesTheStatusTextUntilItEnds)
{
    m_server.Hold(true);
    ScenarioOptions options;
    options.autoCheckOnStart = 1;
    options.showSummary = 0;
    ASSERT_TRUE(StartProgram({{"harbour", {}}, {"tide pools", {}}}, options));
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));

    // The texts change at the animation's ticks, every half second.
    ::Sleep(600);
    std::set<std::string> texts;
    std::set<int> positions;
    Watch(m_program, 1800, texts, positions);
    EXPECT_EQ((std::set<std::string>{"Check", "Check All", "Check All..."}), texts);
    EXPECT_EQ(std::set<int>{0}, positions) << "the pass is at its first keyword of two";

    m_server.Hold(false);
    ASSERT_TRUE(m_program.WaitUntilChecksEnd());
    ExpectAtRest();
    EXPECT_TRUE(m_program.Close());
}

// Check News asks for the selected keyword only.
TEST_F(ProgressScenario, SingleCheckMovesTheProgressUntilItEnds)
{
    m_server.SetPage("tide+pools", ResultPageHtml({NumberedRecord(7)}));
    ASSERT_TRUE(StartProgram({{"harbour", {}}, {"tide pools", {}}}));
    ASSERT_TRUE(m_program.ClickTreeRow("tide pools"));
    m_server.Hold(true);
    m_program.PostCommand(ID_CHECK_NEWS);
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));

    ::Sleep(600);
    std::set<std::string> texts;
    std::set<int> positions;
    Watch(m_program, 1800, texts, positions);
    EXPECT_EQ((std::set<std::string>{"Check", "Check News", "Check News..."}), texts);
    EXPECT_GE(positions.size(), 3u) << "the bar moves by a tenth every half second";

    m_server.Hold(false);
    ASSERT_TRUE(m_program.WaitUntilChecksEnd());
    ExpectAtRest();
    EXPECT_EQ(std::vector<std::string>{"tide+pools"}, m_server.SearchQueries());
    EXPECT_EQ("*Zivoror Udove | harbour | *tide pools", m_program.TreeText());
    EXPECT_TRUE(m_program.Close());
}

} // namespace
