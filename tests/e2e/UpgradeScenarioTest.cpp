// The upgrade check against the maker's web site: the replies and the
// message each gives, asked from the menu command and at start-up.
#include "ScenarioFixture.h"

#include "resources/Resource.h"

namespace {

const char kCaption[] = "Check for Upgrade";
const char kNewer[] = "New version is available. Upgrade now?";
const char kCurrent[] = "No update is available";
const char kNoAnswer[] = "Fail to connect server. Try again later";

class UpgradeScenario : public ScenarioFixture
{
protected:
    // Runs the command and answers its message box with No or OK; the
    // message, or empty when none came.
    std::string AskForUpgrade()
    {
        m_program.PostCommand(ID_CHECK_UPGRADE);
        ShownDialog box;
        if (!m_program.WaitForDialog(box))
            return std::string();
        EXPECT_EQ(kCaption, box.caption);
        TidewatchProcess::Press(box, box.text == kNewer ? IDNO : IDOK);
        EXPECT_TRUE(WaitUntil([&] {
            ShownDialog still;
            return !m_program.FindDialog(still);
        }));
        return box.text;
    }

    size_t UpgradeRequests() const
    {
        size_t count = 0;
        for (const RecordedRequest& request : m_server.Requests())
        {
            if (request.line == std::string("GET ") + NewsServer::kUpgradePath + " HTTP/1.0")
                ++count;
        }
        return count;
    }
};

TEST_F(UpgradeScenario, EachReplyOfTheSiteGivesItsMessage)
{
    WriteOptions(ScenarioOptions());
    ASSERT_TRUE(m_program.Start());
    const struct
    {
        const char* name;
        const char* reply;
        const char* message;
    } rows[] = {
        {"a newer build", "30001", kNewer},
        {"the current build", "30000", kCurrent},
        {"an older build", "29999", kCurrent},
        {"a newer build among blanks", " 30001\r\n", kNewer},
        {"nine digits", "300000001", kNoAnswer},
        {"no reply", "", kNoAnswer},
        {"not a number", "<html>busy</html>", kNoAnswer},
    };
    size_t asked = 0;
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_server.SetUpgradeReply(row.reply);
        EXPECT_EQ(row.message, AskForUpgrade());
        EXPECT_EQ(++asked, UpgradeRequests());
    }
    EXPECT_TRUE(m_program.Close());
}

TEST_F(UpgradeScenario, UnreachableSiteGivesTheConnectionMessage)
{
    ScenarioOptions options;
    options.webSite = "http://" + RefusingHostText();
    WriteOptions(options);
    ASSERT_TRUE(m_program.Start());
    EXPECT_EQ(kNoAnswer, AskForUpgrade());
    EXPECT_TRUE(m_program.Close());
}

TEST_F(UpgradeScenario, SecondCommandWhileTheFirstWaitsIsIgnored)
{
    WriteOptions(ScenarioOptions());
    m_server.SetUpgradeReply("30000");
    m_server.Hold(true);
    ASSERT_TRUE(m_program.Start());
    m_program.PostCommand(ID_CHECK_UPGRADE);
    ASSERT_TRUE(WaitUntil([&] { return m_server.HeldRequests() == 1; }));
    m_program.PostCommand(ID_CHECK_UPGRADE);
    ::Sleep(300);
    EXPECT_EQ(1u, UpgradeRequests());
    m_server.Hold(false);

    ShownDialog box;
    ASSERT_TRUE(m_program.WaitForDialog(box));
    EXPECT_EQ(kCurrent, box.text);
    TidewatchProcess::Press(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !m_program.FindDialog(box); }));
    EXPECT_FALSE(m_program.WaitForDialog(box, 1000)) << "a second answer: " << box.text;
    EXPECT_EQ(1u, UpgradeRequests());
    EXPECT_TRUE(m_program.Close());
}

TEST_F(UpgradeScenario, StartupCheckAsksOnlyWhenANewerBuildExists)
{
    ScenarioOptions options;
    options.checkUpgrade = 1;
    WriteOptions(options);
    m_server.SetUpgradeReply("30001");
    ASSERT_TRUE(m_program.Start());
    ShownDialog box;
    ASSERT_TRUE(m_program.WaitForDialog(box));
    EXPECT_EQ(kNewer, box.text);
    TidewatchProcess::Press(box, IDNO);
    EXPECT_TRUE(m_program.Close());
    EXPECT_EQ(1u, UpgradeRequests());
}

TEST_F(UpgradeScenario, StartupCheckKeepsQuietAboutTheCurrentBuild)
{
    ScenarioOptions options;
    options.checkUpgrade = 1;
    WriteOptions(options);
    m_server.SetUpgradeReply("30000");
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitUntil([&] { return UpgradeRequests() == 1; }));
    ShownDialog box;
    EXPECT_FALSE(m_program.WaitForDialog(box, 1000)) << box.text;
    EXPECT_TRUE(m_program.Close());
}

} // namespace
