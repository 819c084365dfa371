#pragma once
// One search text with its doubly linked list of news items and its counters.
// The keyword owns its items.
#include "engine/NewsItem.h"

// The keyword tree's item handle, as the common controls declare it; the
// engine only stores it for the window that shows the tree.
typedef struct _TREEITEM* HTREEITEM;

class Keyword
{
public:
    // Links, item list, counters and flags zero; the tree sets treeItem.
    explicit Keyword(const CString& name);
    Keyword(const Keyword&) = delete;
    Keyword& operator=(const Keyword&) = delete;
    // Deletes every item.
    ~Keyword();

    // List operations; none of them touches the counters.
    void AppendItem(NewsItem* item);
    void UnlinkItem(NewsItem* item);
    void RemoveAllItems();

    // Replaces the list by the chain head..tail (already linked to each
    // other; head may be null) and recounts unreadCount and unalertedCount.
    // A story the user clicked stays the clicked one when the chain holds an
    // item equal to it, wherever it is now; when the chain does not, the
    // keyword is as one never clicked from then on.
    void SetItems(NewsItem* head, NewsItem* tail);

    // The item the user clicked last in the news list: lastClickedRow counts
    // the items in list order, the order in which the list first shows them,
    // so that it names the same story however the rows are sorted. Null for
    // a keyword never clicked (or whose clicked story has left), whose row 0
    // is the news list's top row in the order the list shows, which the
    // keyword does not know; null too when no item has that number.
    NewsItem* LastClickedItem() const;
    // The item, one of this keyword's, becomes the last clicked one.
    void SetLastClickedItem(const NewsItem* item);
    // The item of the story with that title and link (the same news as
    // NewsItem equality has it), null when the keyword lists none.
    NewsItem* FindStory(const CString& title, const CString& link) const;

    // Looks for an item equal to fresh; when there is one, it takes fresh's
    // display time, fresh takes its unread and unalerted flags, and the result
    // is 1. Otherwise 0 and nothing changes.
    int FindSameItem(NewsItem* fresh);

    // Inserts at the head (where 1) or the tail (where -1). Any other where:
    // an equal item only takes the new display time (result 0, the item stays
    // the caller's); otherwise the item goes to the head. 1 when inserted.
    int InsertItem(NewsItem* item, int where);

    // Keeps the first ten items and deletes the rest; the result is the number
    // of deleted items that were unread.
    int TrimItems();

    Keyword* next;
    Keyword* prev;
    NewsItem* firstItem;
    NewsItem* lastItem;
    CString name;
    int unreadCount;
    BOOL gotNews;
    int unalertedCount;
    HTREEITEM treeItem;
    BOOL checking;
    BOOL singleCheck;
    // The news-list row the user clicked last in this keyword, counted in
    // list order (LastClickedItem); 0 for a new keyword and while rowClicked
    // is FALSE, where it stands for the list's top row as shown.
    int lastClickedRow;
    // TRUE once the user has clicked a row, while the clicked story is
    // listed; FALSE for a new keyword and for one whose clicked story a
    // check took away. Neither is stored: each session starts with keywords
    // never clicked.
    BOOL rowClicked;
};
