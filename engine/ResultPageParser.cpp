#include "engine/ResultPageParser.h"

#include "engine/CharacterReferences.h"

#include <windows.h>
#include <string.h>

namespace {

bool StartsWith(const char* text, const char* prefix)
{
    return strncmp(text, prefix, strlen(prefix)) == 0;
}

// Copies html into scratch without its font tags (from "<font" or "</font" to
// the next '>'; without one the copy ends there) and its "<b>" and "</b>".
void CopyWithoutFontAndBold(const char* html, char* scratch)
{
    const char* in = html;
    char* out = scratch;
    for (;;)
    {
        const char* open = strchr(in, '<');
        size_t run = open ? static_cast<size_t>(open - in) : strlen(in);
        memcpy(out, in, run);
        out += run;
        in += run;
        if (!open)
            break;
        if (StartsWith(in, "<font") || StartsWith(in, "</font"))
        {
            const char* close = strchr(in, '>');
            if (!close)
                break;
            in = close + 1;
        }
        else if (StartsWith(in, "<b>"))
        {
            in += 3;
        }
        else if (StartsWith(in, "</b>"))
        {
            in += 4;
        }
        else
        {
            *out++ = *in++;
        }
    }
    *out = '\0';
}

// Replaces the entities of titles and summaries in place. The entity's name
// and the one character after it (normally ';') are consumed.
void DecodeEntities(char* text)
{
    const char* in = text;
    char* out = text;
    while (*in)
    {
        const NamedCharacter* found = *in == '&' ? NamedCharacterAt(in + 1) : nullptr;
        if (!found)
        {
            *out++ = *in++;
            continue;
        }
        *out++ = found->character;
        in += 1 + strlen(found->name);
        if (!*in)
            break;
        ++in;
    }
    *out = '\0';
}

// Copies text into a field of size bytes (with its NUL); a longer text is cut
// after its last whole character (a double-byte character stays whole).
template <size_t size>
void CopyField(char (&field)[size], const char* text)
{
    size_t length = strlen(text);
    size_t kept = 0;
    while (kept < length)
    {
        size_t width = IsDBCSLeadByte(static_cast<BYTE>(text[kept])) && kept + 1 < length ? 2 : 1;
        if (kept + width > size - 1)
            break;
        kept += width;
    }
    memcpy(field, text, kept);
    field[kept] = '\0';
}

// The cursor over the cleaned page. Each Find moves it to the next place where
// a pattern begins; false when the text ends first.
class PageCursor
{
public:
    explicit PageCursor(char* text) : p_(text) {}

    char* Position() const { return p_; }

    bool Find(const char* pattern)
    {
        char* found = strstr(p_, pattern);
        if (found)
            p_ = found;
        return found != nullptr;
    }

    bool FindPast(const char* pattern)
    {
        if (!Find(pattern))
            return false;
        p_ += strlen(pattern);
        return true;
    }

    // Moves past the next occurrence of a character of set.
    bool FindCharPast(const char* set)
    {
        char* found = strpbrk(p_, set);
        if (found)
            p_ = found + 1;
        return found != nullptr;
    }

    // The text from the cursor to the next occurrence of the terminator (a
    // string) or of one of its characters (anyOf), cut there with a NUL; the
    // cursor moves one character past the cut. Null when there is none.
    char* CutTo(const char* terminator, bool anyOf)
    {
        char* end = anyOf ? strpbrk(p_, terminator) : strstr(p_, terminator);
        if (!end)
            return nullptr;
        char* start = p_;
        *end = '\0';
        p_ = end + 1;
        return start;
    }

    bool AtText(const char* prefix) const { return StartsWith(p_, prefix); }

    // The title: the text between the nearest '>' before the next "</a><br"
    // and that pattern. The '>' the cursor passed last bounds the step back.
    char* CutAnchorText()
    {
        char* end = strstr(p_, "</a><br");
        if (!end)
            return nullptr;
        char* start = end;
        while (start[-1] != '>')
            --start;
        *end = '\0';
        p_ = end + 1;
        return start;
    }

private:
    char* p_;
};

bool ReadEntry(PageCursor& cursor, ResultEntry& entry)
{
    if (!cursor.Find("<table") || !cursor.FindCharPast("<") || !cursor.Find("a href")
        || !cursor.FindCharPast("\"'"))
        return false;
    char* link = cursor.CutTo("\"'", true);
    if (!link)
        return false;
    CopyField(entry.link, link);
    char* title = cursor.FindCharPast(">") ? cursor.CutAnchorText() : nullptr;
    if (!title)
        return false;
    DecodeEntities(title);
    CopyField(entry.title, title);
    char* time = cursor.FindPast("nobr>") ? cursor.CutTo("<", true) : nullptr;
    if (!time)
        return false;
    CopyField(entry.time, time);
    char* summary = cursor.FindPast("<br>") ? cursor.CutTo("<br>", false) : nullptr;
    if (!summary)
        return false;
    DecodeEntities(summary);
    CopyField(entry.summary, summary);
    return true;
}

} // namespace

char* ResultPageParser::Parse(const char* html, char* scratch)
{
    count = 0;
    if (!html || !scratch)
        return nullptr;
    CopyWithoutFontAndBold(html, scratch);
    if (!*scratch)
        return nullptr;
    PageCursor cursor(scratch);
    if (!cursor.FindPast("<div class=mainbody>") || !cursor.Find("<table") || !cursor.FindCharPast("<"))
        return cursor.Position();
    while (count < MaxEntries && ReadEntry(cursor, entries[count]))
    {
        ++count;
        if (!cursor.FindPast("</table>") || cursor.AtText("</td></tr"))
            break;
    }
    return cursor.Position();
}
