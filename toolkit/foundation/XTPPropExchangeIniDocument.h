#pragma once
// CXTPPropExchangeIniDocument: the text of an INI file held in memory as
// sections of named values, in file order, read and written as the system's
// profile functions read and write them: a line ends at a carriage return
// or a line feed; names of sections and values are found whatever their
// case, the first of a repeated name counts, the blanks round a section's
// name (inside its brackets), a name and a value do not count, one pair of
// quotes (double or single) round a value is dropped, and a line without
// "=" is kept but holds no value. Lines before the first section header
// form the section without a name (""), which is the one found by that
// name; a later "[]" header starts a section that keeps its header.
//
// A file that begins with a byte-order mark is a Unicode file (UTF-8, or
// UTF-16 of either byte order); any other is in the ANSI code page. Names
// and values pass in and out in the ANSI code page whatever the file's
// encoding, and the file is written back in the encoding it was read in.
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
//     doc.GetText(); // "[Settings]\r\nWidth=10\r\nTitle=\" spaced \"\r\n"
//
// The text is held once, as read; each line costs a few numbers on top of
// its text. A load that cannot get the memory it needs answers FALSE and
// leaves the document as it was.
#include "framework/Core.h"
#include "toolkit/foundation/XTPPropExchangeIniIndex.h"

#include <functional>
#include <string>
#include <vector>

class CXTPPropExchangeIniDocument
{
public:
    CXTPPropExchangeIniDocument();

    // Replaces the contents with the sections and values of a file's bytes
    // (a byte-order mark included); FALSE, the contents unchanged, when the
    // memory runs out.
    BOOL Parse(const char* pszBytes, size_t nLength);
    // The whole text, in the ANSI code page or, for a Unicode file, in
    // UTF-8 without a byte-order mark: each section's header (none for the
    // leading section without a name), then its lines, a blank line between
    // sections.
    std::string GetText() const;
    // Parse of the file's bytes; FALSE, the contents unchanged, when it
    // cannot be read or held in memory.
    BOOL LoadFromFile(LPCTSTR lpszFileName);
    // Writes GetText over the file in the encoding it was read in (with its
    // byte-order mark); FALSE when it cannot be written.
    BOOL SaveToFile(LPCTSTR lpszFileName) const;

    BOOL HasSection(LPCTSTR lpszSection) const;
    // Adds the section, empty, at the end unless the document has it.
    void AddSection(LPCTSTR lpszSection);
    // The value as the profile functions read it; FALSE when the section or
    // the value is missing (a line without "=" holds none).
    BOOL Lookup(LPCTSTR lpszSection, LPCTSTR lpszName, CString& strValue) const;
    // Replaces the value, or adds it at the end of its section (added when
    // missing; the section without a name is the leading one); it is written
    // so that it reads back as given (in quotes when its edges would be
    // lost). A value is one line: it holds no line break.
    void SetValue(LPCTSTR lpszSection, LPCTSTR lpszName, const CString& strValue);
    void RemoveValue(LPCTSTR lpszSection, LPCTSTR lpszName);

private:
    // The form of the file read (the order of the forms in the .cpp file).
    enum Encoding
    {
        encodingAnsi,
        encodingUtf8,
        encodingUtf16LE,
        encodingUtf16BE,
    };
    // A piece of text: in the text as read (m_text) or, with kAddedText
    // set in its start, in the text added since (m_addedText).
    struct Span
    {
        UINT nStart;
        UINT nLength;
    };
    struct Line
    {
        Span name;
        Span value; // as written, quotes and all
        UINT nNextSameHash; // the line before it whose name has the same hash
        bool bHasValue;
        bool bRemoved;
    };
    struct Section
    {
        Span name;
        bool bHasHeader; // false for the lines before the first header only
        UINT nNextSameHash; // the section before it whose name has the same hash
        std::vector<Line> lines;
        CXTPPropExchangeIniIndex lineIndex; // by name hash: the last line
    };
    static constexpr UINT kAddedText = 0x80000000;

    // Reads the bytes into a new document and takes its contents when that
    // succeeds: no exception leaves a load.
    BOOL Load(const std::function<BOOL(std::string&)>& readBytes);
    // Takes the encoding from a byte-order mark and turns m_text into the
    // form held (the mark dropped, UTF-16 turned into UTF-8).
    void DecodeText();
    void ParseText();
    void ParseLine(const char* pszStart, const char* pszEnd, UINT& nSection);
    // The lines' pieces in file order, for GetText and SaveToFile.
    void WriteText(const std::function<void(const char*, size_t)>& write) const;

    // The code page of the text held: the ANSI one, or UTF-8.
    UINT CodePage() const;
    const char* Chars(const Span& span) const;
    Span SpanOf(const char* pszStart, const char* pszEnd) const;
    // A text given in the ANSI code page, added in the form held.
    Span AddText(const std::string& strAnsi);
    // The form under which names are found: lower case, in UTF-16.
    static std::wstring KeyOf(const char* pszName, size_t nLength, UINT nCodePage);
    static UINT HashOf(const std::wstring& strKey);
    std::wstring KeyOf(const Span& span) const;
    UINT HashOf(const Span& span) const;

    // The first section of the name (given in the ANSI code page), or NULL.
    const Section* FindSection(LPCTSTR lpszSection) const;
    Section* FindSection(LPCTSTR lpszSection);
    // The first line of the name not removed, or NULL.
    const Line* FindLine(const Section& section, LPCTSTR lpszName) const;
    // A new section at the end, found by its name unless an earlier one has it.
    void AppendSection(const Span& name, bool bHasHeader);
    // The first section of the name, appended when the document has none.
    Section& ObtainSection(LPCTSTR lpszSection);
    void AddLine(Section& section, const Span& name, const Span& value, bool bHasValue);

    Encoding m_encoding;
    std::string m_text; // as read, in the form held
    std::string m_addedText;
    std::vector<Section> m_sections; // the first is the leading one without a name
    CXTPPropExchangeIniIndex m_sectionIndex; // by name hash: the last section
};
