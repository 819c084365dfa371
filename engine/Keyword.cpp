#include "engine/Keyword.h"

#include "engine/LinkedList.h"

namespace {

const int kKeptItems = 10;

// The place from head of the first item for which the test holds, counting
// from 0; -1 when there is none.
template <class Test>
int IndexOfFirst(const NewsItem* head, Test test)
{
    int index = 0;
    for (const NewsItem* item = head; item; item = item->next, ++index)
    {
        if (test(item))
            return index;
    }
    return -1;
}

} // namespace

Keyword::Keyword(const CString& name)
    : next(nullptr), prev(nullptr), firstItem(nullptr), lastItem(nullptr), name(name), unreadCount(0),
      gotNews(0), unalertedCount(0), treeItem(nullptr), checking(0), singleCheck(0), lastClickedRow(0),
      rowClicked(0)
{}

Keyword::~Keyword()
{
    DeleteChain(firstItem);
}

void Keyword::AppendItem(NewsItem* item)
{
    LinkAtTail(firstItem, lastItem, item);
}

void Keyword::UnlinkItem(NewsItem* item)
{
    Unlink(firstItem, lastItem, item);
}

void Keyword::RemoveAllItems()
{
    while (firstItem)
    {
        NewsItem* head = firstItem;
        UnlinkItem(head);
        delete head;
    }
}

void Keyword::SetItems(NewsItem* head, NewsItem* tail)
{
    // The story clicked last keeps being the clicked one should the new list
    // hold it at another place (a check puts new stories in front of it).
    // Should the new list not hold it, the keyword is as one never clicked:
    // it names no story, so never the story that came to the clicked one's
    // place, which the user never clicked. A keyword never clicked follows
    // no story.
    const NewsItem* clicked = LastClickedItem();
    const int index =
        clicked ? IndexOfFirst(head, [clicked](const NewsItem* item) { return *item == *clicked; }) : -1;
    rowClicked = index >= 0;
    lastClickedRow = rowClicked ? index : 0;
    RemoveAllItems();
    firstItem = head;
    lastItem = tail;
    unreadCount = 0;
    unalertedCount = 0;
    // The walk also finds the true tail, should the caller's tail and the
    // chain's end disagree.
    for (NewsItem* item = head; item; item = item->next)
    {
        unreadCount += item->unread ? 1 : 0;
        unalertedCount += item->unalerted ? 1 : 0;
        lastItem = item;
    }
    if (head)
        head->prev = nullptr;
    else
        lastItem = nullptr;
}

NewsItem* Keyword::LastClickedItem() const
{
    ASSERT(rowClicked || lastClickedRow == 0);
    NewsItem* item = rowClicked && lastClickedRow >= 0 ? firstItem : nullptr;
    for (int index = 0; item && index < lastClickedRow; ++index)
        item = item->next;
    return item;
}

void Keyword::SetLastClickedItem(const NewsItem* item)
{
    const int index = IndexOfFirst(firstItem, [item](const NewsItem* candidate) { return candidate == item; });
    ASSERT(index >= 0);
    lastClickedRow = index;
    rowClicked = TRUE;
}

NewsItem* Keyword::FindStory(const CString& title, const CString& link) const
{
    for (NewsItem* item = firstItem; item; item = item->next)
    {
        if (item->IsStory(title, link))
            return item;
    }
    return nullptr;
}

int Keyword::FindSameItem(NewsItem* fresh)
{
    NewsItem* item = FindStory(fresh->title, fresh->link);
    if (!item)
        return 0;
    item->displayTime = fresh->displayTime;
    fresh->unalerted = item->unalerted;
    fresh->unread = item->unread;
    return 1;
}

int Keyword::InsertItem(NewsItem* item, int where)
{
    if (!firstItem || where == 1)
    {
        LinkAtHead(firstItem, lastItem, item);
        return 1;
    }
    if (where == -1)
    {
        AppendItem(item);
        return 1;
    }
    if (NewsItem* old = FindStory(item->title, item->link))
    {
        old->displayTime = item->displayTime;
        return 0;
    }
    LinkAtHead(firstItem, lastItem, item);
    return 1;
}

int Keyword::TrimItems()
{
    NewsItem* item = firstItem;
    for (int kept = 0; item && kept < kKeptItems; ++kept)
        item = item->next;
    int unreadDeleted = 0;
    while (item)
    {
        NewsItem* following = item->next;
        unreadDeleted += item->unread ? 1 : 0;
        UnlinkItem(item);
        delete item;
        item = following;
    }
    return unreadDeleted;
}
