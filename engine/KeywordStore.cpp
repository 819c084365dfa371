// The store file of the keyword list: writing and reading the XML form of
// KeywordGroup, and "conf.xml" in the program folder.
#include "engine/KeywordGroup.h"

#include "engine/ProgramFolder.h"
#include "engine/TextScan.h"
#include "engine/StoreTemporaryFile.h"
#include "engine/XmlDocument.h"
#include "engine/XmlIterator.h"
#include "engine/XmlWriter.h"

#include <string.h>

#include <vector>

namespace {

const char* const kStoreName = "conf.xml";
const char* const kBackupSuffix = ".bak";

CString Unescaped(const char* text)
{
    CString out;
    KeywordGroup::UnescapeQuotes(text, out);
    return out;
}

bool EndsInBackslashAndBlanks(const char* text, int length, bool blankRequired);

// EscapeQuotes of a text whose length and first quote (null: none) are known.
void EscapeQuotesOf(const char* text, int length, const char* quote, CString& out)
{
    char* start = out.GetBuffer(length * 2 + 1);
    char* to = start;
    const char* from = text;
    const char* end = text + length;
    // The runs between quotes are copied whole.
    for (; quote; quote = TextFind(from, end, '"'))
    {
        memcpy(to, from, quote - from);
        to += quote - from;
        *to++ = '\\';
        *to++ = '"';
        from = quote + 1;
    }
    memcpy(to, from, end - from);
    to += end - from;
    if (EndsInBackslashAndBlanks(text, length, false))
        *to++ = ' ';
    *to = '\0';
    out.ReleaseBuffer(static_cast<int>(to - start));
}

// Adds an attribute with the value's quotes escaped. A text that needs it is
// escaped into one scratch string that keeps its memory from value to value
// (the writer copies it), so that saving many items allocates nothing per value.
void AddEscaped(XmlWriter& writer, const char* name, const CString& value, CString& scratch)
{
    const char* text = value;
    int length = value.GetLength();
    const char* quote = TextFind(text, text + length, '"');
    // Most texts need no escaping and go to the writer as they are.
    if (!quote && !EndsInBackslashAndBlanks(text, length, false))
    {
        writer.AddAttribute(name, text, length);
        return;
    }
    EscapeQuotesOf(text, length, quote, scratch);
    writer.AddAttribute(name, scratch, scratch.GetLength());
}

void WriteItem(XmlWriter& writer, const NewsItem& item, CString& scratch)
{
    // The writer puts them out in the reverse order: unread, title, url,
    // time, summary.
    AddEscaped(writer, "summary", item.summary, scratch);
    AddEscaped(writer, "time", item.displayTime, scratch);
    AddEscaped(writer, "url", item.link, scratch);
    AddEscaped(writer, "title", item.title, scratch);
    writer.AddAttribute("unread", item.unread ? "true" : "false");
    writer.OpenElement("Link");
    writer.CloseElement();
}

bool WriteStore(const KeywordGroup& group, const char* path)
{
    XmlWriter writer(path);
    CString scratch;
    writer.AddAttribute("Version", "2.0");
    writer.OpenElement("Shorewatch");
    writer.OpenElement("KeywordGroup");
    for (const Keyword* keyword = group.GetFirst(); keyword; keyword = group.GetNext(keyword))
    {
        AddEscaped(writer, "name", keyword->name, scratch);
        writer.OpenElement("Keyword");
        for (const NewsItem* item = keyword->firstItem; item; item = item->next)
            WriteItem(writer, *item, scratch);
        writer.CloseElement();
    }
    writer.CloseElement();
    writer.CloseElement();
    writer.CloseAll();
    return writer.Close();
}

CString FullPath(const char* path)
{
    std::vector<char> full(MAX_PATH + 1);
    char* namePart = nullptr;
    DWORD length = GetFullPathNameA(path, static_cast<DWORD>(full.size()), full.data(), &namePart);
    if (length >= full.size())
    {
        full.resize(length + 1);
        length = GetFullPathNameA(path, static_cast<DWORD>(full.size()), full.data(), &namePart);
    }
    return length == 0 || length >= full.size() ? CString() : CString(full.data());
}

bool FileHasBytes(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path, GetFileExInfoStandard, &data)
           && (data.nFileSizeLow != 0 || data.nFileSizeHigh != 0);
}

CString StorePath()
{
    CString folder = ProgramFolder();
    return folder.IsEmpty() ? CString() : folder + "\\" + kStoreName;
}

// The stored name of the keyword the element stands for: an element "Keyword" whose first
// attribute is "name", both in any capitals. Null when the element is no keyword.
const char* StoredKeywordName(XmlElement& element)
{
    if (CString(element.GetName()).CompareNoCase("Keyword") != 0)
        return nullptr;
    XmlAttributeIterator firstAttribute = element.AttributesBegin();
    if (firstAttribute.AtEnd() || CString(firstAttribute->GetName()).CompareNoCase("name") != 0)
        return nullptr;
    return firstAttribute->GetValue();
}

// Reads an item element into a new item; each text is unescaped straight into
// the item's own string, so that it is copied once and allocated once.
NewsItem* ReadItem(XmlElement& element, Keyword* keyword)
{
    NewsItem* item = new NewsItem(CString(), CString(), CString(), CString(), keyword, 0);
    bool hasLink = false;
    bool hasTime = false;
    XmlAttributeIterator attribute = element.AttributesBegin();
    XmlAttributeIterator end = element.AttributesEnd();
    for (; attribute < end; ++attribute)
    {
        const char* name = attribute->GetName();
        const char* value = attribute->GetValue();
        if (strcmp(name, "title") == 0)
        {
            KeywordGroup::UnescapeQuotes(value, item->title);
        }
        else if (strcmp(name, "time") == 0)
        {
            KeywordGroup::UnescapeQuotes(value, item->displayTime);
            hasTime = true;
        }
        else if (strcmp(name, "summary") == 0)
        {
            KeywordGroup::UnescapeQuotes(value, item->summary);
        }
        else if (strcmp(name, "url") == 0)
        {
            KeywordGroup::UnescapeQuotes(value, item->link);
            hasLink = true;
        }
        else if (strcmp(name, "unread") == 0)
        {
            item->unread = strcmp(value, "true") == 0;
        }
    }
    // A missing link or time reads as one blank.
    if (!hasLink)
        item->link = " ";
    if (!hasTime)
        item->displayTime = " ";
    return item;
}

// Turns each backslash that is followed by a double quote in text[0, length)
// into nothing, in place; the result is the new length.
int DropQuoteEscapes(char* text, int length)
{
    char* to = TextFind(text, text + length, '\\');
    if (!to)
        return length;
    const char* from = to;
    const char* end = text + length;
    while (from < end)
    {
        if (*from == '\\' && from + 1 < end && from[1] == '"')
            ++from;
        *to++ = *from++;
    }
    return static_cast<int>(to - text);
}

// True when text[0, length) ends in a backslash followed by blanks, that is,
// when EscapeQuotes added one blank to keep the backslash off the closing quote.
bool EndsInBackslashAndBlanks(const char* text, int length, bool blankRequired)
{
    const char* beforeBlanks = text + length;
    while (beforeBlanks > text && beforeBlanks[-1] == ' ')
        --beforeBlanks;
    if (blankRequired && beforeBlanks == text + length)
        return false;
    return beforeBlanks > text && beforeBlanks[-1] == '\\';
}

} // namespace

void KeywordGroup::EscapeQuotes(const char* text, CString& out)
{
    int length = static_cast<int>(TextLength(text));
    EscapeQuotesOf(text, length, TextFind(text, text + length, '"'), out);
}

void KeywordGroup::UnescapeQuotes(const char* text, CString& out)
{
    int length = static_cast<int>(TextLength(text));
    // The blank that EscapeQuotes added after a final backslash.
    if (EndsInBackslashAndBlanks(text, length, true))
        --length;
    if (length == 0)
    {
        out.Empty();
        return;
    }
    // Copied once into out, then unescaped there in place.
    char* start = out.GetBuffer(length);
    memcpy(start, text, length);
    out.ReleaseBuffer(DropQuoteEscapes(start, length));
}

int KeywordGroup::ConfWriter(const char* path) const
{
    CString target = path ? FullPath(path) : CString();
    if (target.ReverseFind('\\') < 0)
        return 0;
    RemoveStoreLeftovers(target);
    CString temporary = CreateStoreTemporaryFile(target);
    if (temporary.IsEmpty())
        return 0;
    if (!WriteStore(*this, temporary)
        || !MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        DeleteFileA(temporary);
        return 0;
    }
    return 1;
}

int KeywordGroup::ConfReader(const char* path)
{
    bool complete = false;
    return ReadStore(path, complete);
}

int KeywordGroup::ReadStore(const char* path, bool& complete)
{
    complete = false;
    XmlDocument document(XmlParseAll, true, 4);
    if (!document.Load(path, XmlKeepOptions))
        return 0;
    XmlElement group = document.GetRoot().FindElement("Shorewatch").FindElement("KeywordGroup");
    if (group.IsNull())
        return 0;
    XmlNodeIterator child = group.ChildrenBegin();
    XmlNodeIterator end = group.ChildrenEnd();
    for (; child < end; ++child)
    {
        const char* name = StoredKeywordName(*child);
        if (!name)
            continue;
        Keyword* keyword = new Keyword(Unescaped(name));
        Add(keyword);
        XmlNodeIterator itemNode = child->ChildrenBegin();
        XmlNodeIterator itemsEnd = child->ChildrenEnd();
        for (; itemNode < itemsEnd; ++itemNode)
        {
            if (itemNode->node->type != XmlElementNode)
                continue;
            NewsItem* item = ReadItem(*itemNode, keyword);
            keyword->AppendItem(item);
            if (item->unread)
            {
                ++keyword->unreadCount;
                ++totalUnread;
            }
        }
    }
    complete = !document.StoppedEarly();
    return 1;
}

int KeywordGroup::LoadFromProgramFolder()
{
    CString path = StorePath();
    if (path.IsEmpty())
        return 0;
    bool complete = false;
    int result = ReadStore(path, complete);
    if (!complete && FileHasBytes(path))
        backupBeforeSave_ = true;
    return result;
}

int KeywordGroup::SaveToProgramFolder()
{
    CString path = StorePath();
    if (path.IsEmpty())
        return 0;
    if (backupBeforeSave_)
    {
        // Keep what could not be read before it is overwritten.
        if (!CopyFileA(path, path + kBackupSuffix, FALSE) && GetLastError() != ERROR_FILE_NOT_FOUND)
            return 0;
        backupBeforeSave_ = false;
    }
    return ConfWriter(path);
}
