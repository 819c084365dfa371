#include "engine/XmlReader.h"

namespace {

// Matches c against the set that starts just past a '['. The result is the
// position after the set's ']', or null when the set has no ']' (the '[' is
// then an ordinary character). matched tells whether c is in the set.
const char* MatchSet(const char* set, unsigned char c, bool& matched)
{
    bool negate = *set == '!';
    if (negate)
        ++set;
    bool found = false;
    bool first = true;
    for (; *set && (first || *set != ']'); first = false)
    {
        unsigned char low = static_cast<unsigned char>(set[0]);
        unsigned char high = static_cast<unsigned char>(set[1] == '-' ? set[2] : 0);
        if (set[1] == '-' && set[2] && set[2] != ']' && low < high)
        {
            found = found || (c >= low && c <= high);
            set += 3;
        }
        else
        {
            found = found || c == low;
            ++set;
        }
    }
    if (*set != ']')
        return nullptr;
    matched = found != negate;
    return set + 1;
}

// Matches one character of text at the pattern position; next receives the
// pattern position after the consumed pattern element.
bool MatchOne(const char* pattern, char c, const char*& next)
{
    if (*pattern == '?')
    {
        next = pattern + 1;
        return true;
    }
    if (*pattern == '[')
    {
        bool matched = false;
        const char* after = MatchSet(pattern + 1, static_cast<unsigned char>(c), matched);
        if (after)
        {
            next = after;
            return matched;
        }
    }
    next = pattern + 1;
    return *pattern == c;
}

} // namespace

bool XmlGlobMatch(const char* pattern, const char* text)
{
    if (!pattern || !text)
        return false;
    // Backtracking to the last '*' is enough: each other pattern element
    // consumes exactly one character.
    const char* starPattern = nullptr;
    const char* starText = nullptr;
    while (*text)
    {
        const char* next = nullptr;
        if (*pattern == '*')
        {
            starPattern = ++pattern;
            starText = text;
        }
        else if (*pattern && MatchOne(pattern, *text, next))
        {
            pattern = next;
            ++text;
        }
        else if (starPattern)
        {
            pattern = starPattern;
            text = ++starText;
        }
        else
        {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == '\0';
}
