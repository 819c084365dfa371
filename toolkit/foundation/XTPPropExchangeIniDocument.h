#pragma once
// CXTPPropExchangeIniDocument: the text of an INI file held in memory as
// sections of named values, read as the system's profile functions read it
// and written back as it was read, but for what stores changed.
//
// Reading. A file that begins with a byte-order mark is a Unicode file
// (UTF-8, or UTF-16 of either byte order); any other is in the ANSI code
// page, read by its characters (the two bytes of a double-byte character
// are one character, even where the second is the byte of "]" or of a line
// end). A line ends at a carriage return or a line feed. Names of sections
// and values are found whatever their case, and the first of a repeated
// name counts; the blanks round a section's name (inside its brackets), a
// name and a value do not count; a name, a section's name and a value end
// at a zero character, and one pair of quotes (double or single) round what
// a value holds before it is dropped; a line without "=" is kept but holds
// no value. Lines before the first section header form the section without
// a name (""), which is the one found by that name; a later "[]" header
// starts a section that keeps its header.
//
// Writing. Every line a store does not touch keeps its bytes, blank lines
// and line ends included, and the file keeps its encoding: a changed value
// rewrites its own line, a removed value takes its line with it, a new
// value goes after the last line of its section and a new section after
// the end. A value is written so that it reads back as given (in quotes
// when its edges would be lost). A file read in the ANSI code page is never
// written to begin with the bytes of a byte-order mark (a blank line goes
// before them), which would make the next reader take it for Unicode.
// Names and values pass in and out in the ANSI code page whatever the
// file's encoding.
//
// The INI settings exchange (CXTPPropExchangeIniFile) works on one, so that
// it reads and writes a file once and finds each value at once, however
// many sections the file has.
//
//     const char szText[] = "[Settings]\r\nWidth = 10\r\n";
//     CXTPPropExchangeIniDocument doc;
//     doc.Parse(szText, strlen(szText));
//     CString strWidth;
//     doc.Lookup("settings", "WIDTH", strWidth); // "10"
//     doc.SetValue("Settings", "Title", " spaced ");
//     doc.GetText(); // "[Settings]\r\nWidth = 10\r\nTitle=\" spaced \"\r\n"
//
// The text is held once, as read; each line costs twenty bytes on top of
// it, and each name of a section a slot of the section's index. Lookups,
// stores and removals take the same time however often the file repeats a
// name, and a value stored over another gives back the other's memory. A
// load that cannot get the memory it needs, or of a file larger than the
// document can hold (1 GiB or more in this 32-bit program), answers FALSE
// and leaves the document as it was.
#include "framework/Core.h"
#include "toolkit/foundation/XTPPropExchangeIniIndex.h"

#include <bitset>
#include <functional>
#include <string>
#include <vector>

class CXTPPropExchangeIniDocument
{
public:
    // The code page of names and values given and taken, and of files
    // without a byte-order mark: the process's ANSI code page unless another
    // is named.
    explicit CXTPPropExchangeIniDocument(UINT nCodePage = CP_ACP);

    // Replaces the contents with the sections and values of a file's bytes
    // (a byte-order mark included); FALSE, the contents unchanged, when the
    // memory runs out or the bytes are too many to hold.
    BOOL Parse(const char* pszBytes, size_t nLength);
    // The bytes SaveToFile writes.
    std::string GetText() const;
    // Parse of the file's bytes; FALSE, the contents unchanged, when it
    // cannot be read or held in memory.
    BOOL LoadFromFile(LPCTSTR lpszFileName);
    // Writes the text into a new file beside the file and moves it into the
    // file's place once whole; FALSE, the file as it was, when that fails
    // (no room, a read-only file).
    BOOL SaveToFile(LPCTSTR lpszFileName) const;

    BOOL HasSection(LPCTSTR lpszSection) const;
    // Adds the section, empty, at the end unless the document has it.
    void AddSection(LPCTSTR lpszSection);
    // The value as the profile functions read it; FALSE when the section or
    // the value is missing (a line without "=" holds none).
    BOOL Lookup(LPCTSTR lpszSection, LPCTSTR lpszName, CString& strValue) const;
    // Replaces the value, or adds it at the end of its section (added when
    // missing; the section without a name is the leading one). A value is
    // one line: it holds no line break.
    void SetValue(LPCTSTR lpszSection, LPCTSTR lpszName, const CString& strValue);
    // Removes the line of the value; a later line of the name, if any, is
    // found in its place, as the profile functions would find it.
    void RemoveValue(LPCTSTR lpszSection, LPCTSTR lpszName);

private:
    // The form of the file read (the order of the marks in the .cpp file).
    enum Encoding
    {
        encodingAnsi,
        encodingUtf8,
        encodingUtf16LE,
        encodingUtf16BE,
    };
    // Offsets with this bit set number a piece of text that a store added
    // (m_pieces); without it they are offsets into the text read.
    static constexpr UINT kAddedText = 0x80000000;
    struct Span
    {
        UINT nStart;
        UINT nLength;
    };
    // A line that holds a name: one of the file (its name and value are in
    // the text read until a store changes the value) or one a store added.
    struct Line
    {
        UINT nName;
        UINT nNameLength : 31;
        UINT bRemoved : 1;
        UINT nValue; // as written, quotes and all
        UINT nValueLength : 31;
        UINT bHasValue : 1;
        UINT nNextSameName; // the next line of the name not removed, or kNone
    };
    struct Section
    {
        Span name;
        bool bHasHeader; // false for the lines before the first header only
        // Where lines a store adds go: after the section's last line in the
        // file, its line end included (bEndsLine false: the text ends there
        // without one).
        UINT nEnd;
        bool bEndsLine;
        UINT nRemovedAdded; // lines a store added and another removed
        std::vector<Line> lines;
        CXTPPropExchangeIniIndex lineIndex; // by name: the first line not removed
    };
    class TextWriter;

    // Reads the bytes into a new document and takes its contents when that
    // succeeds: no exception leaves a load.
    BOOL Load(const std::function<BOOL(std::string&)>& readBytes);
    // Calls visit with the reader of the text's characters for its form.
    template <class Visit>
    auto VisitChars(Visit visit) const;
    template <class CharReader>
    void ParseText(const CharReader& chars);
    // Writes the file's bytes in order, through write.
    void WriteText(const std::function<void(const char*, size_t)>& write) const;
    void WriteSection(TextWriter& writer, const Section& section, UINT& nCopied) const;
    // Where the text ends in a character cut short (half a character of
    // UTF-16, a character of UTF-8 short of bytes, a lead byte of a
    // double-byte code page without its second), or its length; and the
    // bytes of the character it was read as, which it becomes when more
    // text follows it.
    size_t CutShortTail(std::string& strAsRead) const;
    bool EndsInLoneLeadByte() const;
    // Where a line of the file starts (its blanks included) and where it
    // ends (after its line end), and the end of what it holds.
    UINT LineStart(const Line& line) const;
    UINT LineEnd(const Line& line, UINT* pnContentEnd) const;

    // Text in the file's form, and the same in UTF-16 and back.
    const char* Chars(const Span& span) const;
    std::wstring Wide(const Span& span) const;
    std::string Encoded(const std::wstring& strWide) const;
    // Text in the code page of names and values, in UTF-16 and back.
    std::wstring WideFromAnsi(const char* pszText, size_t nLength) const;
    CString AnsiFromWide(const std::wstring& strWide) const;
    // A new piece of text in the file's form, and one given back.
    Span AddPiece(std::string&& strBytes);
    void FreePiece(const Span& span);
    // A name given, in UTF-16 without the blanks round it: as it is written.
    std::wstring GivenName(LPCTSTR lpszName) const;
    // The form under which names are found: up to a zero, lower case, in
    // UTF-16; for a name given, without the blanks round it.
    std::wstring KeyOf(const Span& name) const;
    std::wstring KeyOfGiven(LPCTSTR lpszName) const;
    static UINT HashOf(const std::wstring& strKey);
    UINT HashOfName(const Span& name) const;
    bool NameIs(const Span& name, const std::wstring& strKey) const;
    static Span NameOf(const Line& line) { return Span{line.nName, line.nNameLength}; }
    static Span ValueOf(const Line& line) { return Span{line.nValue, line.nValueLength}; }

    // The first section of the name, or kNone.
    UINT FindSection(const std::wstring& strKey) const;
    // The first line of the name not removed, or kNone.
    UINT FindLine(const Section& section, const std::wstring& strKey) const;
    // A new section at the end, found by its name unless an earlier one has it.
    void AppendSection(const Span& name, bool bHasHeader, UINT nEnd);
    // The first section of the name, appended when the document has none.
    Section& ObtainSection(LPCTSTR lpszSection);
    // Chains the lines of each name in the section, in order, and indexes
    // the first of each.
    void IndexLines(Section& section);
    // Drops the lines a store added and a later one removed, once they are
    // as many as the rest: their numbers go, and with them their memory.
    void DropRemovedAddedLines(Section& section);

    UINT m_nCodePage;
    std::bitset<256> m_leadBytes; // of a double-byte ANSI code page
    Encoding m_encoding;
    std::string m_text; // as read, the byte-order mark included
    UINT m_nTextStart;  // after the mark
    bool m_bEndsLine;   // the text ends with a line end (or holds none)
    std::vector<std::string> m_pieces; // added text in the file's form
    std::vector<UINT> m_freePieces;
    std::vector<Section> m_sections; // the first is the leading one without a name
    CXTPPropExchangeIniIndex m_sectionIndex; // by name: the first section
};
