#pragma once
// CXTPPropExchangeIniDocument: the text of an INI file held in memory as
// sections of named values, in file order, read and written as the system's
// profile functions read and write them: names of sections and values are
// found whatever their case, the first of a repeated name counts, the spaces
// round a name and a value do not count, one pair of quotes (double or
// single) round a value is dropped, and a line without "=" is kept but holds
// no value. The INI settings exchange (CXTPPropExchangeIniFile) works on one,
// so that it reads and writes a file once and finds each value at once,
// however many sections the file has.
//
//     CXTPPropExchangeIniDocument doc;
//     doc.Parse("[Settings]\r\nWidth = 10\r\n");
//     CString strWidth;
//     doc.Lookup("settings", "WIDTH", strWidth); // "10"
//     doc.SetValue("Settings", "Title", " spaced ");
//     doc.GetText(); // "[Settings]\r\nWidth = 10\r\nTitle=\" spaced \"\r\n"
#include "framework/Core.h"

#include <string>
#include <unordered_map>
#include <vector>

class CXTPPropExchangeIniDocument
{
public:
    // Replaces the contents with the sections and values of the text. Lines
    // before the first section go to a section without a name.
    void Parse(const char* pszText, size_t nLength);
    // The whole text: each section's line (none for the section without a
    // name), then its lines, a blank line between sections.
    std::string GetText() const;
    // Parse of the file's bytes; FALSE when it cannot be read.
    BOOL LoadFromFile(LPCTSTR lpszFileName);
    // Writes GetText over the file; FALSE when it cannot be written.
    BOOL SaveToFile(LPCTSTR lpszFileName) const;

    BOOL HasSection(LPCTSTR lpszSection) const;
    // Adds the section, empty, at the end unless the document has it.
    void AddSection(LPCTSTR lpszSection);
    // The value as the profile functions read it; FALSE when the section or
    // the value is missing (a line without "=" holds none).
    BOOL Lookup(LPCTSTR lpszSection, LPCTSTR lpszName, CString& strValue) const;
    // Replaces the value, or adds it at the end of its section (added when
    // missing); it is written so that it reads back as given (in quotes when
    // its edges would be lost). A value is one line: it holds no line break.
    void SetValue(LPCTSTR lpszSection, LPCTSTR lpszName, const CString& strValue);
    void RemoveValue(LPCTSTR lpszSection, LPCTSTR lpszName);

private:
    struct Line
    {
        std::string strName;
        std::string strValue; // as written, quotes and all
        bool bHasValue;
        bool bRemoved;
    };
    struct Section
    {
        std::string strName;
        std::vector<Line> lines;
        std::unordered_map<std::string, size_t> lineIndex; // by lower-case name: the first line
    };

    // The lower-case form under which names are found.
    static std::string KeyOf(const std::string& strName);
    // The first section of the name, or NULL.
    const Section* FindSection(LPCTSTR lpszSection) const;
    Section* FindSection(LPCTSTR lpszSection);
    // A new section at the end, found by its name unless an earlier one has it.
    Section& AppendSection(const std::string& strName);
    // The first section of the name, appended when the document has none.
    Section& ObtainSection(const std::string& strName);
    static void AddLine(Section& section, const std::string& strName, const std::string& strValue,
                        bool bHasValue);
    void ParseLine(const char* pszStart, const char* pszEnd, Section*& pSection);

    std::vector<Section> m_sections;
    std::unordered_map<std::string, size_t> m_sectionIndex; // by lower-case name: the first section
};
