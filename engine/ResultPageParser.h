#pragma once
// Cuts one news-search result page into at most ten records. The page is known
// only as a sequence of fixed byte patterns, found in order and compared
// exactly; the text between them becomes the records' fields.

struct ResultEntry
{
    char link[260];
    char title[260];
    char time[260];
    char summary[2000];
};

class ResultPageParser
{
public:
    static constexpr int MaxEntries = 10;

    // Nothing is initialised: Parse sets count and fills the entries.
    ResultPageParser() {}
    ~ResultPageParser() {}

    // html is the page as NUL-terminated text; scratch is a writable buffer at
    // least as long as html plus one. Fills count and the records (at most
    // ten; overlong fields are cut to their arrays) and returns the position
    // in scratch where parsing stopped, or null when the page without its font
    // and bold tags is empty.
    char* Parse(const char* html, char* scratch);

    int count;
    ResultEntry entries[MaxEntries];
};
