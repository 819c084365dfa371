// The upgrade check asked from the menu of the running program: each reply
// of the maker's site gives its message in the program's own box, one
// request per command.
#include "ScenarioFixture.h"

#include "resources/Resource.h"

namespace {

using UpgradeScenario = ScenarioFixture;

TEST_F(UpgradeScenario, EachReplyOfTheSiteGivesItsMessage)
{
    const char kNewer[] = "New version is available. Upgrade now?";
    const std::pair<const char*, std::string> rows[] = {
        {"30001", kNewer},
        {" 30000\r\n", "No update is available"},
        {"300000001", "Fail to connect server. Try again later"},
    };
    ASSERT_TRUE(StartProgram({}));
    for (const auto& [reply, message] : rows)
    {
        SCOPED_TRACE(reply);
        m_server.SetUpgradeReply(reply);
        m_program.PostCommand(ID_CHECK_UPGRADE);
        ShownDialog box;
        ASSERT_TRUE(m_program.WaitForDialog(box));
        EXPECT_EQ("Check for Upgrade: " + message, box.caption + ": " + box.text);
        TidewatchProcess::Press(box, message == kNewer ? IDNO : IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !m_program.FindDialog(box); }));
    }
    std::string asked;
    for (const RecordedRequest& request : m_server.Requests())
        asked += request.line + "\n";
    const std::string once = std::string("GET ") + NewsServer::kUpgradePath + " HTTP/1.0\n";
    EXPECT_EQ(once + once + once, asked);
    EXPECT_TRUE(m_program.Close());
}

} // namespace
