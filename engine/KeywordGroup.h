#pragma once
// The program's one list of keywords, which owns them, and its store file:
// "conf.xml" in the program folder, and the keyword export and import files
// of the same form.
#include "engine/Keyword.h"

class KeywordGroup
{
public:
    KeywordGroup();
    KeywordGroup(const KeywordGroup&) = delete;
    KeywordGroup& operator=(const KeywordGroup&) = delete;
    // Deletes every keyword and so every item.
    ~KeywordGroup();

    void Add(Keyword* keyword);
    // Deletes the keyword's items and unlinks it; the caller deletes the
    // keyword and adjusts totalUnread. A null keyword is ignored.
    void Remove(Keyword* keyword);
    void RemoveAllKeywords();
    // Moves every keyword of other, in order, to the tail of this list, with
    // other's totalUnread; other is left empty.
    void TakeAll(KeywordGroup& other);
    Keyword* GetFirst() const { return first; }
    Keyword* GetNext(const Keyword* keyword) const { return keyword->next; }
    // The first keyword named text, without or with regard to case.
    Keyword* FindNoCase(const char* text) const;
    Keyword* Find(const char* text) const;
    // The first item not yet alerted, in list order; its flag is cleared and
    // its keyword's unalertedCount lowered. Null when there is none.
    NewsItem* PopNextUnalerted();

    // Marking read, the one way every view does it: unread flags are cleared
    // (unalerted flags stay), and each keyword's unreadCount and totalUnread
    // drop by as many, so totalUnread stays the sum of the keywords' counts.
    // Each returns how many unread items it took off totalUnread; each costs
    // one step per item it marks, so marking everything is linear.
    // One item; nothing happens when it is read already.
    int MarkItemRead(NewsItem& item);
    // Every item of the keyword.
    int MarkKeywordRead(Keyword& keyword);
    // Every item of every keyword.
    int MarkAllRead();

    // The store file. ConfWriter writes the whole list through a temporary
    // file in the same folder that then replaces path; 1 on success, 0 when
    // anything failed (path is then unchanged). ConfReader appends the file's
    // keywords and items; 0 when the file cannot be loaded or has no
    // "KeywordGroup" element.
    int ConfWriter(const char* path) const;
    int ConfReader(const char* path);
    // ConfReader that also tells whether the whole file made it into the list
    // (complete false: a cut or damaged file gave only its first part).
    int ConfReader(const char* path, bool& complete) { return ReadStore(path, complete); }
    // "conf.xml" in the program folder. A non-empty store that does not load
    // completely is copied to "conf.xml.bak" before the next save replaces it.
    int LoadFromProgramFolder();
    int SaveToProgramFolder();

    // The quoting of the store's attribute values: each double quote gets a
    // backslash in front, and a value that would end in a backslash (before
    // any blanks) gets one more blank so that it cannot hide its closing
    // quote. UnescapeQuotes undoes both.
    static void EscapeQuotes(const char* text, CString& out);
    static void UnescapeQuotes(const char* text, CString& out);

    Keyword* first;
    Keyword* last;
    int totalUnread;
    int keywordCount;

private:
    int ReadStore(const char* path, bool& complete);

    bool backupBeforeSave_ = false;
};
