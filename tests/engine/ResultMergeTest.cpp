#include "engine/ResultMerge.h"

#include <gtest/gtest.h>

#include <string.h>

#include <memory>
#include <string>

namespace {

struct Result
{
    const char* title;
    const char* link;
    const char* time;
};

// A parsed page holding the given results.
std::unique_ptr<ResultPageParser> Page(std::initializer_list<Result> results)
{
    auto page = std::make_unique<ResultPageParser>();
    page->count = 0;
    for (const Result& result : results)
    {
        ResultEntry& entry = page->entries[page->count++];
        strcpy(entry.title, result.title);
        strcpy(entry.link, result.link);
        strcpy(entry.time, result.time);
        strcpy(entry.summary, "summary");
    }
    return page;
}

// Each item as title, unread flag and unalerted flag, with its time; then the
// keyword's unread and unalerted counts and the group's unread total.
std::string State(const KeywordGroup& group, const Keyword& keyword)
{
    std::string state;
    for (NewsItem* item = keyword.firstItem; item; item = item->next)
    {
        state += std::string(item->title) + (item->unread ? "+u" : "") + (item->unalerted ? "+a" : "") + "@"
                 + std::string(item->displayTime) + ";";
        EXPECT_EQ(item->owner, &keyword);
    }
    return state + std::to_string(keyword.unreadCount) + "/" + std::to_string(keyword.unalertedCount) + "/"
           + std::to_string(group.totalUnread);
}

class ResultMergeTest : public ::testing::Test
{
protected:
    ResultMergeTest() { group_.Add(keyword_); }

    // What the program does when the user reads an item or is alerted of it.
    void MarkSeen(NewsItem* item, bool read, bool alerted)
    {
        if (read && item->unread)
        {
            item->unread = 0;
            --keyword_->unreadCount;
            --group_.totalUnread;
        }
        if (alerted && item->unalerted)
        {
            item->unalerted = 0;
            --keyword_->unalertedCount;
        }
    }

    KeywordGroup group_;
    Keyword* keyword_ = new Keyword("tide");
};

TEST_F(ResultMergeTest, AFirstPageIsAllNewsAndAnEmptyPageNone)
{
    EXPECT_EQ(MergeResultPage(group_, *keyword_, *Page({{"a", "1", "t1"}, {"b", "2", "t2"}})), 1);
    EXPECT_EQ(State(group_, *keyword_), "a+u+a@t1;b+u+a@t2;2/2/2");
    EXPECT_EQ(keyword_->lastItem->next, nullptr);
    // An empty page after it changes nothing.
    EXPECT_EQ(MergeResultPage(group_, *keyword_, *Page({})), 0);
    EXPECT_EQ(State(group_, *keyword_), "a+u+a@t1;b+u+a@t2;2/2/2");
}

TEST_F(ResultMergeTest, ThePageAgainKeepsTheOldListWithFreshTimes)
{
    MergeResultPage(group_, *keyword_, *Page({{"a", "1", "t1"}, {"b", "2", "t2"}}));
    MarkSeen(keyword_->firstItem, true, false);
    NewsItem* first = keyword_->firstItem;
    EXPECT_EQ(MergeResultPage(group_, *keyword_, *Page({{"b", "2", "t4"}, {"a", "1", "t3"}})), 0);
    EXPECT_EQ(keyword_->firstItem, first);
    EXPECT_EQ(State(group_, *keyword_), "a+a@t3;b+u+a@t4;1/2/1");
}

TEST_F(ResultMergeTest, NewsReplacesTheListAndOldItemsKeepTheirState)
{
    MergeResultPage(group_, *keyword_, *Page({{"a", "1", "t1"}, {"b", "2", "t2"}, {"c", "3", "t3"}}));
    // a was read and alerted, b alerted only, c untouched.
    MarkSeen(keyword_->firstItem, true, true);
    MarkSeen(keyword_->firstItem->next, false, true);
    EXPECT_EQ(
        MergeResultPage(group_, *keyword_, *Page({{"new", "9", "t9"}, {"a", "1", "t5"}, {"b", "2", "t6"}})),
        1);
    EXPECT_EQ(State(group_, *keyword_), "new+u+a@t9;a@t5;b+u@t6;2/1/2");
}

} // namespace
