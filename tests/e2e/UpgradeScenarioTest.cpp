// The upgrade check against the maker's web site, asked from the menu
// command: the replies and the message each gives (the reply rule itself and
// the start-up check are the frame's own cases).
#include "ScenarioFixture.h"

#include "resources/Resource.h"

namespace {

typedef ScenarioFixture UpgradeScenario;

TEST_F(UpgradeScenario, EachReplyOfTheSiteGivesItsMessage)
{
    const char kNewer[] = "New version is available. Upgrade now?";
    ASSERT_TRUE(StartProgram({}));
    const struct
    {
        const char *name, *reply, *message;
    } rows[] = {
        {"a newer build", "30001", kNewer},
        {"the current build", "30000", "No update is available"},
        {"not a number", "<html>busy</html>", "Fail to connect server. Try again later"},
    };
    const std::string upgradeLine = std::string("GET ") + NewsServer::kUpgradePath + " HTTP/1.0";
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_server.SetUpgradeReply(row.reply);
        m_program.PostCommand(ID_CHECK_UPGRADE);
        ShownDialog box;
        ASSERT_TRUE(m_program.WaitForDialog(box));
        EXPECT_EQ("Check for Upgrade", box.caption);
        EXPECT_EQ(row.message, box.text);
        TidewatchProcess::Press(box, box.text == kNewer ? IDNO : IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !m_program.FindDialog(box); }));
        EXPECT_EQ(upgradeLine, m_server.Requests().back().line);
    }
    EXPECT_EQ(3u, m_server.Requests().size());
    EXPECT_TRUE(m_program.Close());
}

} // namespace
