#pragma once
// One news result of a keyword: a plain heap record in its keyword's doubly
// linked item list.
#include "framework/core/CString.h"

class Keyword;

class NewsItem
{
public:
    // The constructor the program uses: not yet alerted, unread as given.
    NewsItem(const CString& title, const CString& link, const CString& displayTime, const CString& summary,
             Keyword* owner, BOOL unread);
    // A dated item: the display time is the weekday name, month, day and year
    // of that date ("Thr 3/15/2007"); the summary is empty, both flags 0 and
    // the owner null until the user of the item sets them.
    NewsItem(const CString& title, const CString& link, int year, int month, int day, int hour);
    NewsItem(const NewsItem&) = delete;
    NewsItem& operator=(const NewsItem&) = delete;
    // The item must already be unlinked.
    ~NewsItem() {}

    // Items are many and small (a store holds thousands): they come from the
    // blocks of a fixed-size allocator rather than one by one from the heap.
    static void* operator new(size_t size);
    static void operator delete(void* p);

    // The same news: equal title and link, compared case-sensitively.
    bool operator==(const NewsItem& other) const;
    // The same test against a story known by its title and link.
    bool IsStory(const CString& storyTitle, const CString& storyLink) const;

    // The weekday of a date in the proleptic Gregorian calendar, 0 for
    // Sunday; the month and day may lie outside their usual ranges.
    static int WeekdayOf(int year, int month, int day);

    NewsItem* next;
    NewsItem* prev;
    CString title;
    CString link;
    int year;
    int month;
    int day;
    int hour;
    CString displayTime;
    CString summary;
    BOOL unalerted;
    BOOL unread;
    Keyword* owner;
};
