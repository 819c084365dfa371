#include "engine/ResultMerge.h"

#include "engine/LinkedList.h"

int MergeResultPage(KeywordGroup& group, Keyword& keyword, const ResultPageParser& page)
{
    // Built from the last record to the first, so the chain is in page order.
    NewsItem* head = nullptr;
    NewsItem* tail = nullptr;
    for (int i = page.count - 1; i >= 0; --i)
    {
        const ResultEntry& entry = page.entries[i];
        LinkAtHead(head, tail, new NewsItem(entry.title, entry.link, entry.time, entry.summary, &keyword, 0));
    }
    bool news = false;
    for (NewsItem* fresh = head; fresh; fresh = fresh->next)
    {
        if (!keyword.FindSameItem(fresh))
        {
            fresh->unread = 1;
            fresh->unalerted = 1;
            news = true;
        }
    }
    if (!news)
    {
        DeleteChain(head);
        return 0;
    }
    int oldUnread = keyword.unreadCount;
    keyword.SetItems(head, tail);
    group.totalUnread += keyword.unreadCount - oldUnread;
    return 1;
}
