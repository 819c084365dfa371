#include "engine/NewsItem.h"

#include "framework/core/CFixedAlloc.h"

#include <new>

namespace {

// Made on first use and kept for the process's life, so that items may be
// deleted at any time.
CFixedAlloc& ItemBlocks()
{
    static CFixedAlloc* const blocks = new CFixedAlloc(sizeof(NewsItem), 512);
    return *blocks;
}

} // namespace

void* NewsItem::operator new(size_t size)
{
    void* p = size <= ItemBlocks().GetAllocSize() ? ItemBlocks().Alloc() : nullptr;
    if (!p)
        throw std::bad_alloc();
    return p;
}

void NewsItem::operator delete(void* p)
{
    ItemBlocks().Free(p);
}

NewsItem::NewsItem(const CString& title, const CString& link, const CString& displayTime,
                   const CString& summary, Keyword* owner, BOOL unread)
    : next(nullptr), prev(nullptr), title(title), link(link), year(0), month(0), day(0), hour(0),
      displayTime(displayTime), summary(summary), unalerted(0), unread(unread), owner(owner)
{}

NewsItem::NewsItem(const CString& title, const CString& link, int year, int month, int day, int hour)
    : next(nullptr), prev(nullptr), title(title), link(link), year(year), month(month), day(day), hour(hour),
      unalerted(0), unread(0), owner(nullptr)
{
    static const char* const weekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thr", "Fri", "Sat"};
    displayTime.Format("%s %d/%d/%d", weekdays[WeekdayOf(year, month, day)], month, day, year);
}

bool NewsItem::operator==(const NewsItem& other) const
{
    return IsStory(other.title, other.link);
}

bool NewsItem::IsStory(const CString& storyTitle, const CString& storyLink) const
{
    return title == storyTitle && link == storyLink;
}

namespace {

long long FloorDiv(long long a, long long b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// Days from 1 March of year 0 to the given date, counting from March so that
// the leap day falls at the end of a year.
long long DaysFromCivil(long long year, long long month, long long day)
{
    year += FloorDiv(month - 1, 12);
    month = month - 1 - FloorDiv(month - 1, 12) * 12 + 1;
    if (month <= 2)
        --year;
    long long era = FloorDiv(year, 400);
    long long yearOfEra = year - era * 400;
    long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

} // namespace

int NewsItem::WeekdayOf(int year, int month, int day)
{
    // 1 March of year 0 was a Wednesday.
    long long days = DaysFromCivil(year, month, day);
    return static_cast<int>(days - FloorDiv(days + 3, 7) * 7 + 3);
}
