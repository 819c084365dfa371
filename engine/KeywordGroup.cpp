#include "engine/KeywordGroup.h"

#include "engine/LinkedList.h"

KeywordGroup::KeywordGroup() : first(nullptr), last(nullptr), totalUnread(0), keywordCount(0)
{}

KeywordGroup::~KeywordGroup()
{
    DeleteChain(first);
    first = nullptr;
}

void KeywordGroup::Add(Keyword* keyword)
{
    LinkAtTail(first, last, keyword);
    ++keywordCount;
}

void KeywordGroup::Remove(Keyword* keyword)
{
    if (!keyword)
        return;
    keyword->RemoveAllItems();
    --keywordCount;
    Unlink(first, last, keyword);
}

void KeywordGroup::RemoveAllKeywords()
{
    while (first)
    {
        Keyword* keyword = first;
        Remove(keyword);
        delete keyword;
    }
}

void KeywordGroup::TakeAll(KeywordGroup& other)
{
    while (Keyword* keyword = other.first)
    {
        Unlink(other.first, other.last, keyword);
        Add(keyword);
    }
    totalUnread += other.totalUnread;
    other.totalUnread = 0;
    other.keywordCount = 0;
}

Keyword* KeywordGroup::FindNoCase(const char* text) const
{
    for (Keyword* keyword = first; keyword; keyword = keyword->next)
    {
        if (keyword->name.CompareNoCase(text) == 0)
            return keyword;
    }
    return nullptr;
}

Keyword* KeywordGroup::Find(const char* text) const
{
    for (Keyword* keyword = first; keyword; keyword = keyword->next)
    {
        if (keyword->name.Compare(text) == 0)
            return keyword;
    }
    return nullptr;
}

NewsItem* KeywordGroup::PopNextUnalerted()
{
    for (Keyword* keyword = first; keyword; keyword = keyword->next)
    {
        if (keyword->unalertedCount == 0)
            continue;
        for (NewsItem* item = keyword->firstItem; item; item = item->next)
        {
            if (item->unalerted)
            {
                item->unalerted = 0;
                --keyword->unalertedCount;
                return item;
            }
        }
    }
    return nullptr;
}

int KeywordGroup::MarkItemRead(NewsItem& item)
{
    ASSERT(item.owner != nullptr);
    if (!item.unread)
        return 0;
    item.unread = 0;
    --item.owner->unreadCount;
    --totalUnread;
    return 1;
}

int KeywordGroup::MarkKeywordRead(Keyword& keyword)
{
    const int marked = keyword.unreadCount;
    totalUnread -= marked;
    keyword.unreadCount = 0;
    int counted = 0;
    for (NewsItem* item = keyword.firstItem; item; item = item->next)
    {
        counted += item->unread ? 1 : 0;
        item->unread = 0;
    }
    // A keyword's count is the number of its unread items.
    ASSERT(counted == marked);
    return marked;
}

int KeywordGroup::MarkAllRead()
{
    int marked = 0;
    for (Keyword* keyword = first; keyword; keyword = keyword->next)
        marked += MarkKeywordRead(*keyword);
    // The total is the sum of the keywords' counts, all of them 0 now.
    ASSERT(totalUnread == 0);
    return marked;
}
