// The upgrade check: the reply rule as a table, then the whole check from the
// command or the start-up to the message boxes, against a server on
// 127.0.0.1 that stands in for the maker's web site.
#include "tests/support/NewsServer.h"

#include "tests/support/DialogDriver.h"
#include "MainFrameFixture.h"
#include "app/UpgradeCheck.h"
#include "resources/Resource.h"

#include <string>
#include <vector>

namespace {

struct ReplyCase
{
    const char* name;
    BOOL requestSucceeded;
    const char* body;
    BOOL answered, newer;
};

const ReplyCase kReplies[] = {
    {"a larger build", TRUE, "30001", TRUE, TRUE},
    {"this build", TRUE, "30000", TRUE, FALSE},
    {"leading zeros", TRUE, "00030001", TRUE, TRUE},
    {"white space around", TRUE, "  30001\r\n", TRUE, TRUE},
    {"eight digits", TRUE, "99999999", TRUE, TRUE},
    {"nine digits", TRUE, "999999999", FALSE, FALSE},
    {"empty", TRUE, "", FALSE, FALSE},
    {"a letter inside", TRUE, "3x001", FALSE, FALSE},
    {"a sign", TRUE, "+30001", FALSE, FALSE},
    {"an error page", TRUE, "<html>Not Found</html>", FALSE, FALSE},
    {"failed request", FALSE, "30001", FALSE, FALSE},
};

TEST(UpgradeReply, CountsOnlyOneToEightDigits)
{
    for (const ReplyCase& c : kReplies)
    {
        UpgradeReply reply = ReadUpgradeReply(c.requestSucceeded, c.body);
        EXPECT_EQ(std::make_pair(c.answered, c.newer), std::make_pair(reply.answered, reply.newer)) << c.name;
    }
}

// The maker's site is the news server on 127.0.0.1, which answers the check
// with its upgrade reply (and keeps it waiting while held).
class UpgradeCheckTest : public MainFrameTest
{
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        SetTextOption("WebSite", server.SiteAddress().c_str());
    }
    void TearDown() override
    {
        server.Hold(false);
        if (frame != NULL)
            PumpUntil([this] { return !frame->IsUpgradeCheckRunning(); });
        MainFrameTest::TearDown();
    }
    // Answers the check's message box with the button; the boxes seen.
    std::vector<DrivenWindow> Check(UINT nCommand, const std::string& reply, bool refuse, int button)
    {
        server.SetUpgradeReply(reply);
        SetTextOption("WebSite",
                      refuse ? ("http://" + RefusingHostText()).c_str() : server.SiteAddress().c_str());
        CDialogDriver driver([button](HWND hWnd) { ::PostMessageA(hWnd, WM_COMMAND, button, 0); });
        if (nCommand != 0)
            frame->SendMessage(WM_COMMAND, nCommand, 0);
        else // the start-up check
        {
            DestroyFrame();
            SetOption("CheckUpgrade", 1);
            CreateFrame();
        }
        EXPECT_TRUE(PumpUntil([this] { return !frame->IsUpgradeCheckRunning(); }));
        return driver.seen;
    }

    NewsServer server;
};

TEST_F(UpgradeCheckTest, TheCommandTellsTheAnswerAndYesOpensTheProductPage)
{
    const struct
    {
        const char *name, *reply;
        bool refuse;
        int button;
        const char* text;
        bool opens;
    } rows[] = {
        {"newer, yes", "30001", false, IDYES, "New version is available. Upgrade now?", true},
        {"newer, no", "30001", false, IDNO, "New version is available. Upgrade now?", false},
        {"same build", "30000", false, IDOK, "No update is available", false},
        {"refusing server", "", true, IDOK, "Fail to connect server. Try again later", false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        opened.clear();
        const std::vector<DrivenWindow> seen = Check(ID_CHECK_UPGRADE, row.reply, row.refuse, row.button);
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("Check for Upgrade", seen[0].caption);
        EXPECT_EQ(row.text, seen[0].text);
        EXPECT_EQ(row.opens
                      ? std::vector<std::string>{server.SiteAddress() + "/product.php?product=Tidewatch"}
                      : std::vector<std::string>(),
                  opened);
    }
}

TEST_F(UpgradeCheckTest, TheCheckAsksTheSiteForTheProductsBuild)
{
    Check(ID_CHECK_UPGRADE, "30000", false, IDOK);
    ASSERT_EQ(1u, server.Requests().size());
    EXPECT_EQ("GET /check.php?product=Tidewatch HTTP/1.0", server.Requests().back().line);
}

// The start-up check tells only of a newer build.
TEST_F(UpgradeCheckTest, StartUpCheckIsSilentUnlessNewer)
{
    EXPECT_EQ(0u, Check(0, "30000", false, IDNO).size()) << "same build";
    EXPECT_EQ(0u, Check(0, "", true, IDNO).size()) << "no answer";
    EXPECT_EQ(1u, Check(0, "30001", false, IDNO).size()) << "newer build";
    EXPECT_EQ(2u, server.Requests().size());
}

// A command while the start-up check runs starts no second check, and the
// running one then answers the user.
TEST_F(UpgradeCheckTest, CommandDuringStartUpCheckJoinsIt)
{
    DestroyFrame();
    server.SetUpgradeReply("30000");
    SetOption("CheckUpgrade", 1);
    server.Hold(true);
    CDialogDriver driver;
    CreateFrame();
    ASSERT_TRUE(PumpUntil([this] { return server.HeldRequests() == 1; }));
    frame->SendMessage(WM_COMMAND, ID_CHECK_UPGRADE, 0);
    server.Hold(false);
    ASSERT_TRUE(PumpUntil([this] { return !frame->IsUpgradeCheckRunning(); }));
    ::Sleep(100);
    EXPECT_EQ(1u, server.Requests().size());
    ASSERT_EQ(1u, driver.seen.size());
    EXPECT_EQ("No update is available", driver.seen[0].text);
}

} // namespace
