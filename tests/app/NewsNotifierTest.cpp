// The news notification without a frame: a real icon window over the recorded
// shell, a keyword list whose news comes through the merge of result pages as
// a check leaves it.
#include "app/NewsNotifier.h"
#include "engine/ResultMerge.h"
#include "resources/Resource.h"
#include "ShellNotifyRecorder.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

class NewsNotifierTest : public ::testing::Test
{
protected:
    NewsNotifierTest() : notifier(tray, options)
    {
        owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    }
    ~NewsNotifierTest() override { owner.DestroyWindow(); }

    void SetUp() override
    {
        ASSERT_TRUE(tray.Create("Tidewatch", &owner, IDI_TRAY, IDR_TRAY_MENU, 0, FALSE));
        UINT frames[] = {IDI_TRAY, IDI_TRAY_FRAME};
        tray.SetAnimationIcons(frames, NULL, 2);
        notifier.SetKeywords(&keywords);
        shell.Clear();
    }

    // A check of the keyword (added when new) found these titles; each item's
    // link and summary are made from its title.
    Keyword* News(const char* name, std::vector<std::string> titles)
    {
        Keyword* keyword = keywords.Find(name);
        if (keyword == NULL)
        {
            keyword = new Keyword(name);
            keywords.Add(keyword);
        }
        ResultPageParser page;
        page.count = (int)titles.size();
        for (int i = 0; i < page.count; i++)
        {
            ResultEntry& entry = page.entries[i];
            snprintf(entry.title, sizeof entry.title, "%s", titles[i].c_str());
            snprintf(entry.link, sizeof entry.link, "http://news.example/%s", titles[i].c_str());
            snprintf(entry.time, sizeof entry.time, "1 hour ago");
            snprintf(entry.summary, sizeof entry.summary, "about %s", titles[i].c_str());
        }
        MergeResultPage(keywords, *keyword, page);
        return keyword;
    }
    std::vector<std::string> BalloonTitles()
    {
        std::vector<std::string> titles;
        for (const ShownBalloon& balloon : shell.Balloons())
            titles.push_back(balloon.title);
        return titles;
    }
    // The icon's animation timer runs (it is started again when it did).
    bool AnimationTimerRuns()
    {
        if (!::KillTimer(tray.m_hWnd, 1001))
            return false;
        tray.StartAnimation(500);
        return true;
    }

    ShellNotifyRecorder shell;
    CWnd owner;
    CXTTrayIcon tray;
    FrameOptions options;
    KeywordGroup keywords;
    NewsNotifier notifier;
};

TEST_F(NewsNotifierTest, NewsAnimatesSoundsAndShowsOneBalloonPerItemInListOrder)
{
    options.alertTime = 12;
    News("tide", {"high water", "low water"});
    News("moon", {"full moon"});

    notifier.NewsArrived();

    EXPECT_TRUE(notifier.IsAnimating());
    EXPECT_TRUE(AnimationTimerRuns());
    EXPECT_EQ(std::vector<std::string>({"sound/alarm.wav no module 0x20001"}), shell.Sounds());
    ASSERT_EQ(1u, shell.Balloons().size());
    const ShownBalloon first = shell.Balloons()[0];
    EXPECT_EQ("high water", first.title);
    EXPECT_EQ("tide: about high water", first.text);
    EXPECT_EQ((DWORD)NIIF_INFO, first.infoFlags);
    EXPECT_EQ(12000u, first.timeout);
    EXPECT_TRUE(notifier.IsSequenceRunning());

    notifier.BalloonClosed();
    notifier.BalloonClosed();
    EXPECT_EQ(std::vector<std::string>({"high water", "low water", "full moon"}), BalloonTitles());
    EXPECT_TRUE(notifier.IsSequenceRunning());
    ASSERT_TRUE(notifier.GetBalloonItem() != NULL);
    EXPECT_EQ("moon", std::string(notifier.GetBalloonItem()->keyword));

    notifier.BalloonClosed();
    EXPECT_EQ(3u, shell.Balloons().size()) << "every item was alerted once";
    EXPECT_FALSE(notifier.IsSequenceRunning());
    EXPECT_TRUE(notifier.GetBalloonItem() == NULL);
    EXPECT_EQ(0, keywords.Find("tide")->unalertedCount);
    EXPECT_EQ(1u, shell.Sounds().size());
}

TEST_F(NewsNotifierTest, BalloonsCarryTheCutTitleAndText)
{
    const std::string longTitle(64, 't');
    News("ten chars!", {longTitle});
    keywords.GetFirst()->firstItem->summary = CString('s', 246);

    notifier.NewsArrived();

    ASSERT_EQ(1u, shell.Balloons().size());
    EXPECT_EQ(std::string(60, 't') + "...", shell.Balloons()[0].title);
    EXPECT_EQ("ten chars!: " + std::string(240, 's') + "...", shell.Balloons()[0].text);
}

TEST_F(NewsNotifierTest, NewsDuringASequenceOnlyAnimatesAndItsItemsFollowInTheSequence)
{
    News("tide", {"high water"});
    notifier.NewsArrived();
    notifier.CeaseAnimation();

    News("moon", {"full moon"});
    notifier.NewsArrived();

    EXPECT_TRUE(notifier.IsAnimating());
    EXPECT_EQ(1u, shell.Sounds().size()) << "no sound while the sequence runs";
    EXPECT_EQ(1u, shell.Balloons().size()) << "no second balloon on top of the first";
    notifier.BalloonClosed();
    EXPECT_EQ(std::vector<std::string>({"high water", "full moon"}), BalloonTitles());
}

TEST_F(NewsNotifierTest, OptionsChooseBalloonsAndSound)
{
    struct
    {
        const char* name;
        DWORD showSummary;
        DWORD playSound;
        size_t balloons;
        size_t sounds;
    } rows[] = {
        {"both", 1, 1, 1, 1},
        {"no summary: animation and sound only", 0, 1, 0, 1},
        {"no sound", 1, 0, 1, 0},
    };
    for (const auto& row : rows)
    {
        keywords.RemoveAllKeywords();
        keywords.totalUnread = 0;
        shell.Clear();
        notifier.CeaseAnimation();
        options.showSummary = row.showSummary;
        options.playSoundOnNews = row.playSound;
        News("tide", {"high water"});

        notifier.NewsArrived();

        EXPECT_TRUE(notifier.IsAnimating()) << row.name;
        EXPECT_EQ(row.balloons, shell.Balloons().size()) << row.name;
        EXPECT_EQ(row.sounds, shell.Sounds().size()) << row.name;
        notifier.BalloonClosed();
        EXPECT_FALSE(notifier.IsSequenceRunning()) << row.name;
    }
}

TEST_F(NewsNotifierTest, CeasedBalloonsEndTheSequenceAndTheNextNewsStartsAgain)
{
    News("tide", {"high water", "low water", "slack water"});
    notifier.NewsArrived();
    notifier.CeaseBalloons();
    EXPECT_TRUE(notifier.IsSequenceRunning()) << "the balloon on screen stays";

    notifier.BalloonClosed();
    EXPECT_FALSE(notifier.IsSequenceRunning());
    EXPECT_EQ(1u, shell.Balloons().size());

    News("moon", {"full moon"});
    notifier.NewsArrived();
    EXPECT_TRUE(notifier.AreBalloonsOn());
    EXPECT_EQ(2u, shell.Sounds().size());
    EXPECT_EQ(std::vector<std::string>({"high water", "low water"}), BalloonTitles());
}

TEST_F(NewsNotifierTest, ARefusedBalloonEndsTheSequenceUntilTheNextNews)
{
    News("tide", {"high water", "low water"});
    shell.Refuse(1);
    notifier.NewsArrived();
    EXPECT_FALSE(notifier.IsSequenceRunning()) << "no balloon event will ever come";

    notifier.NewsArrived();
    EXPECT_EQ(2u, shell.Sounds().size());
    EXPECT_EQ(std::vector<std::string>({"high water", "low water"}), BalloonTitles());
    EXPECT_TRUE(notifier.IsSequenceRunning());
}

TEST_F(NewsNotifierTest, AllReadStopsTheAnimationOnlyWhenNothingIsUnread)
{
    Keyword* tide = News("tide", {"high water"});
    notifier.NewsArrived();
    notifier.AllRead();
    EXPECT_TRUE(notifier.IsAnimating()) << "an item is still unread";

    tide->firstItem->unread = FALSE;
    tide->unreadCount = 0;
    keywords.totalUnread = 0;
    notifier.AllRead();
    EXPECT_FALSE(notifier.IsAnimating());
    EXPECT_FALSE(AnimationTimerRuns());
}

TEST_F(NewsNotifierTest, NewsWithNothingUnreadDoesNotAnimate)
{
    notifier.NewsArrived();
    EXPECT_FALSE(notifier.IsAnimating());
    EXPECT_FALSE(AnimationTimerRuns());
    EXPECT_FALSE(notifier.IsSequenceRunning());
}

TEST_F(NewsNotifierTest, TheBalloonItemIsFoundAgainOnlyWhileTheListHoldsIt)
{
    Keyword* tide = News("tide", {"high water", "low water"});
    notifier.NewsArrived();
    const NewsNotifier::BalloonItem shown = *notifier.GetBalloonItem();
    EXPECT_EQ(tide->firstItem, notifier.FindItem(shown));

    // A check that brings the same item back in a new record.
    News("tide", {"spring tide", "high water"});
    NewsItem* again = notifier.FindItem(shown);
    ASSERT_TRUE(again != NULL);
    EXPECT_EQ(tide->lastItem, again);

    News("tide", {"neap tide"});
    EXPECT_TRUE(notifier.FindItem(shown) == NULL) << "the check replaced it";

    News("tide", {"high water"});
    ASSERT_TRUE(notifier.FindItem(shown) != NULL);
    keywords.Remove(tide);
    delete tide;
    EXPECT_TRUE(notifier.FindItem(shown) == NULL) << "the keyword is gone";
}

} // namespace
