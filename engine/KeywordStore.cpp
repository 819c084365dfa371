// The store file of the keyword list: writing and reading the XML form of
// KeywordGroup, and "conf.xml" in the program folder.
#include "engine/KeywordGroup.h"

#include "engine/ProgramFolder.h"
#include "engine/StoreTemporaryFile.h"
#include "engine/XmlDocument.h"
#include "engine/XmlIterator.h"
#include "engine/XmlWriter.h"

#include <string.h>

#include <vector>

namespace {

const char* const kStoreName = "conf.xml";
const char* const kBackupSuffix = ".bak";

CString Escaped(const CString& text)
{
    CString out;
    KeywordGroup::EscapeQuotes(text, out);
    return out;
}

CString Unescaped(const char* text)
{
    CString out;
    KeywordGroup::UnescapeQuotes(text, out);
    return out;
}

void WriteItem(XmlWriter& writer, const NewsItem& item)
{
    // The writer puts them out in the reverse order: unread, title, url,
    // time, summary.
    writer.AddAttribute("summary", Escaped(item.summary));
    writer.AddAttribute("time", Escaped(item.displayTime));
    writer.AddAttribute("url", Escaped(item.link));
    writer.AddAttribute("title", Escaped(item.title));
    writer.AddAttribute("unread", item.unread ? "true" : "false");
    writer.OpenElement("Link");
    writer.CloseElement();
}

bool WriteStore(const KeywordGroup& group, const char* path)
{
    XmlWriter writer(path);
    writer.AddAttribute("Version", "2.0");
    writer.OpenElement("Shorewatch");
    writer.OpenElement("KeywordGroup");
    for (const Keyword* keyword = group.GetFirst(); keyword; keyword = group.GetNext(keyword)) {
        writer.AddAttribute("name", Escaped(keyword->name));
        writer.OpenElement("Keyword");
        for (const NewsItem* item = keyword->firstItem; item; item = item->next)
            WriteItem(writer, *item);
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
    if (length >= full.size()) {
        full.resize(length + 1);
        length = GetFullPathNameA(path, static_cast<DWORD>(full.size()), full.data(), &namePart);
    }
    return length == 0 || length >= full.size() ? CString() : CString(full.data());
}

bool FileHasBytes(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path, GetFileExInfoStandard, &data) &&
           (data.nFileSizeLow != 0 || data.nFileSizeHigh != 0);
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

NewsItem* ReadItem(XmlElement& element, Keyword* keyword)
{
    CString title;
    CString link(" ");
    CString time(" ");
    CString summary;
    BOOL unread = 0;
    XmlAttributeIterator attribute = element.AttributesBegin();
    XmlAttributeIterator end = element.AttributesEnd();
    for (; attribute < end; ++attribute) {
        const char* name = attribute->GetName();
        const char* value = attribute->GetValue();
        if (strcmp(name, "title") == 0)
            title = Unescaped(value);
        else if (strcmp(name, "time") == 0)
            time = Unescaped(value);
        else if (strcmp(name, "summary") == 0)
            summary = Unescaped(value);
        else if (strcmp(name, "url") == 0)
            link = Unescaped(value);
        else if (strcmp(name, "unread") == 0)
            unread = strcmp(value, "true") == 0;
    }
    return new NewsItem(title, link, time, summary, keyword, unread);
}

} // namespace

void KeywordGroup::EscapeQuotes(const char* text, CString& out)
{
    int length = static_cast<int>(strlen(text));
    char* start = out.GetBuffer(length * 2 + 1);
    char* to = start;
    const char* from = text;
    for (; *from; ++from) {
        if (*from == '"')
            *to++ = '\\';
        *to++ = *from;
    }
    const char* beforeBlanks = from;
    while (beforeBlanks > text && beforeBlanks[-1] == ' ')
        --beforeBlanks;
    if (beforeBlanks > text && beforeBlanks[-1] == '\\')
        *to++ = ' ';
    *to = '\0';
    out.ReleaseBuffer(static_cast<int>(to - start));
}

void KeywordGroup::UnescapeQuotes(const char* text, CString& out)
{
    int length = static_cast<int>(strlen(text));
    // The blank that EscapeQuotes added after a final backslash.
    const char* beforeBlanks = text + length;
    while (beforeBlanks > text && beforeBlanks[-1] == ' ')
        --beforeBlanks;
    if (beforeBlanks < text + length && beforeBlanks > text && beforeBlanks[-1] == '\\')
        --length;
    char* start = out.GetBuffer(length);
    char* to = start;
    for (int i = 0; i < length; ++i) {
        if (text[i] == '\\' && i + 1 < length && text[i + 1] == '"')
            ++i;
        *to++ = text[i];
    }
    *to = '\0';
    out.ReleaseBuffer(static_cast<int>(to - start));
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
    if (!WriteStore(*this, temporary) ||
        !MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
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
    for (; child < end; ++child) {
        const char* name = StoredKeywordName(*child);
        if (!name)
            continue;
        Keyword* keyword = new Keyword(Unescaped(name));
        Add(keyword);
        XmlNodeIterator itemNode = child->ChildrenBegin();
        XmlNodeIterator itemsEnd = child->ChildrenEnd();
        for (; itemNode < itemsEnd; ++itemNode) {
            if (itemNode->node->type != XmlElementNode)
                continue;
            NewsItem* item = ReadItem(*itemNode, keyword);
            keyword->AppendItem(item);
            if (item->unread) {
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
    if (backupBeforeSave_) {
        // Keep what could not be read before it is overwritten.
        if (!CopyFileA(path, path + kBackupSuffix, FALSE) && GetLastError() != ERROR_FILE_NOT_FOUND)
            return 0;
        backupBeforeSave_ = false;
    }
    return ConfWriter(path);
}
