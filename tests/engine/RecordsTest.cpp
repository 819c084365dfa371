#include "engine/KeywordGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

NewsItem* Item(const char* title, const char* link, BOOL unread = 0, BOOL unalerted = 0)
{
    NewsItem* item = new NewsItem(title, link, "time", "summary", nullptr, unread);
    item->unalerted = unalerted;
    return item;
}

std::string Titles(const Keyword& keyword)
{
    std::string titles;
    for (NewsItem* item = keyword.firstItem; item; item = item->next)
        titles += std::string(item->title) + ";";
    return titles;
}

// The list read backwards, to check the prev links and the tail.
std::string TitlesBackwards(const Keyword& keyword)
{
    std::string titles;
    for (NewsItem* item = keyword.lastItem; item; item = item->prev)
        titles += std::string(item->title) + ";";
    return titles;
}

Keyword* AddKeyword(KeywordGroup& group, const char* name)
{
    Keyword* keyword = new Keyword(name);
    group.Add(keyword);
    return keyword;
}

std::string Names(const KeywordGroup& group)
{
    std::string names;
    for (Keyword* keyword = group.GetFirst(); keyword; keyword = group.GetNext(keyword))
        names += std::string(keyword->name) + ";";
    return names;
}

TEST(NewsItem, TheDatedConstructorNamesTheWeekday)
{
    NewsItem item("t", "l", 2007, 3, 15, 9);
    EXPECT_STREQ(item.displayTime, "Thr 3/15/2007");
    EXPECT_EQ(item.hour, 9);

    struct DateCase
    {
        int year, month, day;
        const char* shown;
    };
    const DateCase cases[] = {{2000, 2, 29, "Tue 2/29/2000"}, {1900, 3, 1, "Thr 3/1/1900"},
                              {1600, 1, 1, "Sat 1/1/1600"},   {9999, 12, 31, "Fri 12/31/9999"},
                              {2024, 6, 2, "Sun 6/2/2024"},   {1, 1, 1, "Mon 1/1/1"}};
    for (const DateCase& test : cases)
    {
        SCOPED_TRACE(test.shown);
        EXPECT_STREQ(NewsItem("t", "l", test.year, test.month, test.day, 0).displayTime, test.shown);
    }
    EXPECT_EQ(NewsItem::WeekdayOf(2024, 13, 1), NewsItem::WeekdayOf(2025, 1, 1));
    EXPECT_EQ(NewsItem::WeekdayOf(2024, 3, 0), NewsItem::WeekdayOf(2024, 2, 29));
}

TEST(NewsItem, SameNewsMeansEqualTitleAndLink)
{
    NewsItem a("Title", "http://x/1", "Mon", "one", nullptr, 0);
    EXPECT_TRUE(a == NewsItem("Title", "http://x/1", "Tue", "two", nullptr, 1));
    EXPECT_FALSE(a == NewsItem("Title", "http://x/2", "Mon", "one", nullptr, 0));
    EXPECT_FALSE(a == NewsItem("title", "http://x/1", "Mon", "one", nullptr, 0));
    EXPECT_FALSE(a == NewsItem("Title", "HTTP://x/1", "Mon", "one", nullptr, 0));
}

TEST(Keyword, AppendAndUnlinkKeepBothDirectionsOfTheList)
{
    Keyword keyword("k");
    NewsItem* a = Item("a", "1");
    NewsItem* b = Item("b", "2");
    NewsItem* c = Item("c", "3");
    NewsItem* d = Item("d", "4");
    for (NewsItem* item : {a, b, c, d})
        keyword.AppendItem(item);
    EXPECT_EQ(Titles(keyword), "a;b;c;d;");
    EXPECT_EQ(TitlesBackwards(keyword), "d;c;b;a;");

    keyword.UnlinkItem(b);
    EXPECT_EQ(b->next, nullptr);
    EXPECT_EQ(b->prev, nullptr);
    keyword.UnlinkItem(a);
    keyword.UnlinkItem(d);
    EXPECT_EQ(Titles(keyword), "c;");
    EXPECT_EQ(TitlesBackwards(keyword), "c;");
    keyword.UnlinkItem(c);
    EXPECT_EQ(keyword.firstItem, nullptr);
    EXPECT_EQ(keyword.lastItem, nullptr);
    for (NewsItem* item : {a, b, c, d})
        delete item;
}

TEST(Keyword, SetItemsTakesTheChainAndRecounts)
{
    Keyword keyword("k");
    keyword.AppendItem(Item("old", "0", 1, 1));
    keyword.unreadCount = 1;
    NewsItem* a = Item("a", "1", 1, 0);
    NewsItem* b = Item("b", "2", 1, 1);
    NewsItem* c = Item("c", "3", 0, 1);
    a->next = b;
    b->prev = a;
    b->next = c;
    c->prev = b;
    keyword.SetItems(a, c);
    EXPECT_EQ(Titles(keyword), "a;b;c;");
    EXPECT_EQ(TitlesBackwards(keyword), "c;b;a;");
    EXPECT_EQ(keyword.unreadCount, 2);
    EXPECT_EQ(keyword.unalertedCount, 2);

    keyword.SetItems(nullptr, nullptr);
    EXPECT_EQ(keyword.firstItem, nullptr);
    EXPECT_EQ(keyword.lastItem, nullptr);
    EXPECT_EQ(keyword.unreadCount, 0);
    EXPECT_EQ(keyword.unalertedCount, 0);
}

TEST(Keyword, FindSameItemSwapsStateAndTime)
{
    Keyword keyword("k");
    NewsItem fresh("a", "1", "new time", "s", &keyword, 0);
    EXPECT_EQ(keyword.FindSameItem(&fresh), 0);
    EXPECT_STREQ(fresh.displayTime, "new time");

    NewsItem* old = Item("a", "1", 1, 1);
    keyword.AppendItem(Item("a", "2"));
    keyword.AppendItem(old);
    EXPECT_EQ(keyword.FindSameItem(&fresh), 1);
    EXPECT_STREQ(old->displayTime, "new time");
    EXPECT_EQ(fresh.unread, 1);
    EXPECT_EQ(fresh.unalerted, 1);

    NewsItem other("A", "1", "t", "s", &keyword, 0);
    EXPECT_EQ(keyword.FindSameItem(&other), 0);
    EXPECT_EQ(other.unread, 0);
}

TEST(Keyword, InsertItemPlacesOrRefreshes)
{
    Keyword keyword("k");
    EXPECT_EQ(keyword.InsertItem(Item("b", "2"), 0), 1);
    EXPECT_EQ(keyword.InsertItem(Item("a", "1"), 1), 1);
    EXPECT_EQ(keyword.InsertItem(Item("z", "9"), -1), 1);
    NewsItem* same = new NewsItem("b", "2", "fresh", "", nullptr, 0);
    EXPECT_EQ(keyword.InsertItem(same, 0), 0);
    delete same;
    EXPECT_STREQ(keyword.firstItem->next->displayTime, "fresh");
    EXPECT_EQ(keyword.InsertItem(Item("n", "5"), 7), 1);
    EXPECT_EQ(Titles(keyword), "n;a;b;z;");
    EXPECT_EQ(TitlesBackwards(keyword), "z;b;a;n;");
}

TEST(Keyword, TrimItemsKeepsTenAndCountsDeletedUnread)
{
    Keyword keyword("k");
    for (int i = 0; i < 10; ++i)
        keyword.AppendItem(Item(std::to_string(i).c_str(), "l", i == 0));
    EXPECT_EQ(keyword.TrimItems(), 0);
    keyword.AppendItem(Item("10", "l", 1));
    keyword.AppendItem(Item("11", "l", 1));
    EXPECT_EQ(keyword.TrimItems(), 2);
    EXPECT_EQ(Titles(keyword), "0;1;2;3;4;5;6;7;8;9;");
    EXPECT_EQ(TitlesBackwards(keyword).substr(0, 4), "9;8;");
    EXPECT_EQ(keyword.lastItem->next, nullptr);
}

TEST(KeywordGroup, AddRemoveAndWalk)
{
    KeywordGroup group;
    Keyword* a = AddKeyword(group, "alpha");
    Keyword* b = AddKeyword(group, "beta");
    Keyword* c = AddKeyword(group, "gamma");
    EXPECT_EQ(group.keywordCount, 3);
    EXPECT_EQ(Names(group), "alpha;beta;gamma;");

    b->AppendItem(Item("x", "1"));
    group.Remove(b);
    EXPECT_EQ(b->firstItem, nullptr);
    EXPECT_EQ(b->next, nullptr);
    delete b;
    EXPECT_EQ(Names(group), "alpha;gamma;");
    EXPECT_EQ(c->prev, a);
    group.Remove(nullptr);
    EXPECT_EQ(group.keywordCount, 2);

    group.Remove(a);
    delete a;
    group.Remove(c);
    delete c;
    EXPECT_EQ(group.first, nullptr);
    EXPECT_EQ(group.last, nullptr);
    EXPECT_EQ(group.keywordCount, 0);
}

TEST(KeywordGroup, FindsByNameWithOrWithoutCase)
{
    KeywordGroup group;
    AddKeyword(group, "Tide");
    AddKeyword(group, "tide");
    EXPECT_EQ(group.FindNoCase("TIDE"), group.first);
    EXPECT_EQ(group.Find("tide"), group.last);
    EXPECT_EQ(group.Find("TIDE"), nullptr);
    EXPECT_EQ(group.FindNoCase("ebb"), nullptr);
}

TEST(KeywordGroup, PopNextUnalertedWalksKeywordsAndItemsInOrder)
{
    KeywordGroup group;
    Keyword* quiet = AddKeyword(group, "quiet");
    Keyword* busy = AddKeyword(group, "busy");
    Keyword* late = AddKeyword(group, "late");
    quiet->AppendItem(Item("q", "1", 0, 1)); // flagged, but the count says none: skipped
    busy->AppendItem(Item("b1", "1", 1, 0));
    busy->AppendItem(Item("b2", "2", 1, 1));
    busy->AppendItem(Item("b3", "3", 1, 1));
    busy->unalertedCount = 2;
    late->AppendItem(Item("l1", "1", 1, 1));
    late->unalertedCount = 1;

    std::string popped;
    while (NewsItem* item = group.PopNextUnalerted())
    {
        popped += std::string(item->title) + ";";
        EXPECT_EQ(item->unalerted, 0);
    }
    EXPECT_EQ(popped, "b2;b3;l1;");
    EXPECT_EQ(busy->unalertedCount, 0);
    EXPECT_EQ(late->unalertedCount, 0);
    EXPECT_EQ(group.PopNextUnalerted(), nullptr);
    EXPECT_EQ(Titles(*busy), "b1;b2;b3;");
}

TEST(KeywordGroup, RemoveAllKeywordsEmptiesTheList)
{
    KeywordGroup group;
    for (const char* name : {"a", "b", "c"})
        AddKeyword(group, name)->AppendItem(Item("t", "l", 1));
    group.totalUnread = 3;
    group.RemoveAllKeywords();
    EXPECT_EQ(group.first, nullptr);
    EXPECT_EQ(group.last, nullptr);
    EXPECT_EQ(group.keywordCount, 0);
    EXPECT_EQ(group.totalUnread, 3);
}

} // namespace
