// News notification as the notification area of the virtual desktop shows
// it: one balloon per new item with its text cut to the balloon's room, the
// icon's animation until the news is read, and the icon that brings the
// minimised window back.
#include "ScenarioFixture.h"

#include "NotificationArea.h"

#include "tests/support/ResultPageBuilder.h"
#include "resources/Resource.h"

namespace {

class NotifyScenario : public ScenarioFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.IsPresent()) << "the virtual desktop shows no notification area";
    }

    size_t IconPictures(DWORD durationMs)
    {
        return shell.DistinctIconPictures(TidewatchProcess::kTrayTip, durationMs);
    }

    NotificationArea shell;
};

// A balloon's text is the keyword, ": " and the summary, cut with "..." to
// fit its room of 255 characters.
TEST_F(NotifyScenario, BalloonsComeOnePerNewItemWithTextsCutToTheirRoom)
{
    PageRecord longOne{"http://news.example.com/1.html", "Long", "1 hour ago", std::string(249, 'l')};
    PageRecord fitting{"http://news.example.com/2.html", "Fitting", "2 hours ago", std::string(248, 'f')};
    m_server.SetPage("harbour", ResultPageHtml({longOne, fitting}));
    ScenarioOptions options;
    options.autoCheckOnStart = 1;
    ASSERT_TRUE(StartProgram({{"harbour", {}}}, options));

    // Each balloon stays AlertTime (10 s); the next follows within 13 s. The
    // wait is that of both balloons besides the usual one for a state. The
    // second is passed whole, two characters over the balloon's room, which
    // keeps what fits.
    const DWORD kAlertTimeMs = 10000;
    const std::vector<std::string> expected = {"harbour: " + longOne.summary.substr(0, 243) + "...",
                                               ("harbour: " + fitting.summary).substr(0, 255)};
    EXPECT_EQ(expected, shell.CollectBalloons(2, 2 * kAlertTimeMs + kStateWaitMs))
        << "one balloon per new item, in list order";
    EXPECT_TRUE(m_program.Close());
}

TEST_F(NotifyScenario, IconAnimatesUntilTheNewsIsMarkedRead)
{
    m_server.SetPage("harbour", ResultPageHtml({NumberedRecord(1)}));
    ScenarioOptions options;
    options.showSummary = 0;
    ASSERT_TRUE(StartProgram({{"harbour", {}}}, options));
    DWORD still = 0;
    ASSERT_TRUE(shell.SteadyIconPicture(TidewatchProcess::kTrayTip, still));
    EXPECT_EQ(1u, IconPictures(1200)) << "no news, no animation";

    m_program.PostCommand(ID_CHECK_ALL);
    WaitForTree("*Zivoror Udove | *harbour");
    EXPECT_TRUE(shell.IconAnimates(TidewatchProcess::kTrayTip)) << "news animates the icon";
    std::string balloon;
    EXPECT_FALSE(shell.VisibleBalloon(balloon)) << "no balloons while they are off: " << balloon;

    ASSERT_TRUE(m_program.ClickTreeRow("Zivoror Udove"));
    m_program.PostCommand(ID_MARK_READ);
    WaitForTree("Zivoror Udove | harbour");
    EXPECT_TRUE(shell.IconRestsAt(TidewatchProcess::kTrayTip, still))
        << "reading stops the animation and the normal icon is back";
    EXPECT_TRUE(m_program.Close());
}

TEST_F(NotifyScenario, StartupPassKeepsQuietWhenAskedToAndTheNextPassAnnounces)
{
    m_server.SetPage("harbour", ResultPageHtml({NumberedRecord(1)}));
    ScenarioOptions options;
    options.autoCheckOnStart = 1;
    options.showSummary = 0;
    options.showSummaryOnStart = 1;
    ASSERT_TRUE(StartProgram({{"harbour", {}}, {"tide pools", {}}}, options));
    WaitForTree("*Zivoror Udove | *harbour | tide pools");
    // The pass does not wait for the icon's start-up in the shell.
    DWORD steady = 0;
    ASSERT_TRUE(shell.SteadyIconPicture(TidewatchProcess::kTrayTip, steady));
    EXPECT_EQ(1u, IconPictures(1200)) << "the start-up news is quiet";

    m_server.SetPage("tide+pools", ResultPageHtml({NumberedRecord(2)}));
    m_program.PostCommand(ID_CHECK_ALL);
    WaitForTree("*Zivoror Udove | *harbour | *tide pools");
    EXPECT_TRUE(shell.IconAnimates(TidewatchProcess::kTrayTip)) << "later news animates";
    EXPECT_TRUE(m_program.Close());
}

TEST_F(NotifyScenario, MinimiseHidesIntoTheTrayAndAClickOnTheIconBringsTheWindowBack)
{
    ASSERT_TRUE(StartProgram({{"harbour", {}}}));
    RECT icon;
    ASSERT_TRUE(WaitUntil([&] { return shell.FindIcon(TidewatchProcess::kTrayTip, icon); }));

    m_program.SendToMainWindow(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !m_program.IsMainWindowVisible(); })) << "minimise hides the window";
    // The shell's tray takes a click once the pointer has rested on the icon;
    // a click that came too soon for a busy shell is given again (a click on
    // the icon of a shown window only brings it to the front).
    POINT center = {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
    bool shown = false;
    for (int attempt = 0; attempt < 2 && !shown; ++attempt)
    {
        ::SetCursorPos(center.x, center.y);
        ::Sleep(300);
        ClickAt(center);
        shown = WaitUntil([&] { return m_program.IsMainWindowVisible(); });
    }
    EXPECT_TRUE(shown) << "a click on the icon shows it";
    EXPECT_TRUE(m_program.Close());
}

} // namespace
