// News notification as the notification area of the virtual desktop shows
// it: one balloon per new item with its title and text cut to the balloon's
// room, and the icon's animation until the news is read.
#include "ScenarioFixture.h"

#include "NotificationArea.h"

#include "tests/support/ResultPageBuilder.h"
#include "resources/Resource.h"

namespace {

// The balloon's title room is 63 characters, its text room 255: a longer
// title is cut to 60 and "...", a text of keyword, ": " and summary to the
// keyword, ": ", as much summary as fits 255 with "..." after it.
const size_t kTitleRoom = 63;
const size_t kTextRoom = 255;

// Text of exactly length characters, different at every place, so a cut
// shows where it was made.
std::string TextOfLength(const std::string& start, size_t length)
{
    std::string text = start;
    for (size_t i = 0; text.size() < length; ++i)
        text += (char)('a' + i % 26);
    return text.substr(0, length);
}

NotificationArea& Shell()
{
    static NotificationArea area;
    static bool calibrated = area.Calibrate();
    (void)calibrated;
    return area;
}

class NotifyScenario : public ScenarioFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Shell().IsPresent()) << "the virtual desktop shows no notification area";
    }

    std::vector<bool> BoldMarks()
    {
        std::vector<bool> marks;
        for (const TreeRow& row : m_program.TreeRows())
            marks.push_back(row.bold);
        return marks;
    }
};

TEST_F(NotifyScenario, BalloonsComeOnePerNewItemWithCutTitlesAndTexts)
{
    ASSERT_TRUE(Shell().KnowsTitles()) << "the balloon's title could not be located";
    const std::string keyword = "harbour";
    PageRecord longOne{"http://news.example.com/1.html", TextOfLength("Long title ", kTitleRoom + 1),
                       "1 hour ago", TextOfLength("Long summary ", kTextRoom - keyword.size() + 1)};
    PageRecord fitting{"http://news.example.com/2.html", TextOfLength("Fitting title ", kTitleRoom),
                       "2 hours ago", TextOfLength("Fitting summary ", kTextRoom - keyword.size())};
    m_server.SetPage(keyword, ResultPageHtml({longOne, fitting}));
    ScenarioOptions options;
    options.autoCheckOnStart = 1;
    WriteOptions(options);
    ASSERT_TRUE(m_program.WriteStore({{keyword, {}}}));
    ASSERT_TRUE(m_program.Start());

    // Each balloon stays AlertTime (10 s); the next follows within 13 s.
    std::vector<Balloon> balloons = Shell().CollectBalloons(2, 30000);
    const Balloon expected[] = {
        {longOne.title.substr(0, 60) + "...",
         keyword + ": " + longOne.summary.substr(0, 250 - keyword.size()) + "..."},
        // Passed whole, two characters over the balloon's room, which keeps
        // what fits.
        {fitting.title, (keyword + ": " + fitting.summary).substr(0, kTextRoom)},
    };
    ASSERT_EQ(2u, balloons.size()) << "one balloon per new item, in list order";
    for (size_t i = 0; i < balloons.size(); ++i)
    {
        EXPECT_EQ(expected[i].title, balloons[i].title) << "balloon " << i;
        EXPECT_EQ(expected[i].text, balloons[i].text) << "balloon " << i;
        EXPECT_LE(balloons[i].text.size(), kTextRoom);
    }
    EXPECT_TRUE(m_program.Close());
}

TEST_F(NotifyScenario, CeaseBalloonsLetsTheShownBalloonCloseAndShowsNoNext)
{
    m_server.SetPage("harbour", ResultPageHtml({NumberedRecord(1), NumberedRecord(2)}));
    ScenarioOptions options;
    options.autoCheckOnStart = 1;
    WriteOptions(options);
    ASSERT_TRUE(m_program.WriteStore({{"harbour", {}}}));
    ASSERT_TRUE(m_program.Start());
    std::vector<Balloon> first = Shell().CollectBalloons(1, 15000);
    ASSERT_EQ(1u, first.size());
    m_program.PostCommand(ID_CEASE_BALLOONS);

    // The balloon on screen stays its 10 s; without the command the next one
    // would follow within 13 s (the shell here never says a balloon closed,
    // so the tray icon moves on by its own timer).
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 15000)
    {
        Balloon balloon;
        if (Shell().VisibleBalloon(balloon))
        {
            ASSERT_EQ(first[0].text, balloon.text) << "no balloon after the command";
        }
        ::Sleep(100);
    }
    EXPECT_TRUE(m_program.Close());
}

TEST_F(NotifyScenario, IconAnimatesUntilTheNewsIsMarkedRead)
{
    m_server.SetPage("harbour", ResultPageHtml({NumberedRecord(1)}));
    ScenarioOptions options;
    options.showSummary = 0;
    WriteOptions(options);
    ASSERT_TRUE(m_program.WriteStore({{"harbour", {}}}));
    ASSERT_TRUE(m_program.Start());
    DWORD still = 0;
    ASSERT_TRUE(WaitUntil([&] { return Shell().IconPicture(TidewatchProcess::kTrayTip, still); }));
    EXPECT_EQ(1u, Shell().DistinctIconPictures(TidewatchProcess::kTrayTip, 1200)) << "no news, no animation";

    m_program.PostCommand(ID_CHECK_ALL);
    ASSERT_TRUE(WaitUntil([&] { return BoldMarks() == std::vector<bool>{true, true}; }));
    EXPECT_GE(Shell().DistinctIconPictures(TidewatchProcess::kTrayTip, 1500), 2u) << "news animates the icon";
    Balloon balloon;
    EXPECT_FALSE(Shell().VisibleBalloon(balloon)) << "no balloons while they are off: " << balloon.text;

    ASSERT_TRUE(m_program.ClickTreeRow("Zivoror Udove"));
    m_program.PostCommand(ID_MARK_READ);
    ASSERT_TRUE(WaitUntil([&] { return BoldMarks() == std::vector<bool>{false, false}; }));
    ::Sleep(200);
    EXPECT_EQ(1u, Shell().DistinctIconPictures(TidewatchProcess::kTrayTip, 1500))
        << "reading stops the animation";
    DWORD after = 0;
    ASSERT_TRUE(Shell().IconPicture(TidewatchProcess::kTrayTip, after));
    EXPECT_EQ(still, after) << "the normal icon is back";
    EXPECT_TRUE(m_program.Close());
}

TEST_F(NotifyScenario, StartupPassKeepsQuietWhenAskedToAndTheNextPassAnnounces)
{
    m_server.SetPage("harbour", ResultPageHtml({NumberedRecord(1)}));
    ScenarioOptions options;
    options.autoCheckOnStart = 1;
    options.showSummary = 0;
    options.showSummaryOnStart = 1;
    WriteOptions(options);
    ASSERT_TRUE(m_program.WriteStore({{"harbour", {}}, {"tide pools", {}}}));
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitUntil([&] { return BoldMarks() == std::vector<bool>{true, true, false}; }));
    EXPECT_EQ(1u, Shell().DistinctIconPictures(TidewatchProcess::kTrayTip, 1200))
        << "the start-up news is quiet";

    m_server.SetPage("tide+pools", ResultPageHtml({NumberedRecord(2)}));
    m_program.PostCommand(ID_CHECK_ALL);
    ASSERT_TRUE(WaitUntil([&] { return BoldMarks() == std::vector<bool>{true, true, true}; }));
    EXPECT_GE(Shell().DistinctIconPictures(TidewatchProcess::kTrayTip, 1500), 2u) << "later news animates";
    EXPECT_TRUE(m_program.Close());
}

TEST_F(NotifyScenario, CeaseAnimationStopsTheIconWhileNewsStaysUnread)
{
    m_server.SetPage("harbour", ResultPageHtml({NumberedRecord(1)}));
    ScenarioOptions options;
    options.showSummary = 0;
    WriteOptions(options);
    ASSERT_TRUE(m_program.WriteStore({{"harbour", {}}}));
    ASSERT_TRUE(m_program.Start());
    m_program.PostCommand(ID_CHECK_ALL);
    ASSERT_TRUE(WaitUntil([&] { return BoldMarks() == std::vector<bool>{true, true}; }));
    ASSERT_GE(Shell().DistinctIconPictures(TidewatchProcess::kTrayTip, 1500), 2u);

    m_program.PostCommand(ID_CEASE_ANIMATION);
    ::Sleep(200);
    EXPECT_EQ(1u, Shell().DistinctIconPictures(TidewatchProcess::kTrayTip, 1500));
    EXPECT_EQ((std::vector<bool>{true, true}), BoldMarks()) << "the news is still unread";
    EXPECT_TRUE(m_program.Close());
}

TEST_F(NotifyScenario, MinimiseHidesIntoTheTrayAndAClickOnTheIconBringsTheWindowBack)
{
    WriteOptions(ScenarioOptions());
    ASSERT_TRUE(m_program.WriteStore({{"harbour", {}}}));
    ASSERT_TRUE(m_program.Start());
    RECT icon;
    ASSERT_TRUE(WaitUntil([&] { return Shell().FindIcon(TidewatchProcess::kTrayTip, icon); }));

    m_program.SendToMainWindow(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !m_program.IsMainWindowVisible(); })) << "minimise hides the window";
    // The shell's tray takes a click once the pointer has rested on the icon.
    POINT center = {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
    ::SetCursorPos(center.x, center.y);
    ::Sleep(300);
    ClickAt(center);
    EXPECT_TRUE(WaitUntil([&] { return m_program.IsMainWindowVisible(); }, 5000))
        << "a click on the icon shows it";
    EXPECT_TRUE(m_program.Close());
}

} // namespace
