// The INI document against the system's profile functions on texts made at
// random from what those functions read in their own way (line ends,
// byte-order marks, brackets, quotes, zero bytes, long lines, repeated
// names, characters of the ANSI code page): each text is read, changed by
// random stores and removals, saved and read again, and every value the
// document reads is the one the profile functions read from the same file.
// The seeds are fixed: a run makes the same texts every time. A longer run:
// TW_INI_GENERATED_TEXTS=100000 (and TW_INI_GENERATED_SEED to start
// elsewhere); one text of a report again, in full: TW_INI_GENERATED_TEXT=N.
#include "IniProfileCompare.h"
#include "ShellChild.h"
#include "tests/support/TempFolder.h"
#include "toolkit/foundation/XTPPropExchangeIniDocument.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

namespace {

// What the texts are made of, in the ANSI code page of the process. Names
// differ from each other in the case of ASCII letters only: wine's profile
// functions fold no other case.
struct Alphabet
{
    std::vector<std::string> sections; // as asked for: no zero, no blank at an edge
    std::vector<std::string> names;
    std::vector<std::string> values; // stored values: each reads back as given
    std::vector<std::string> odd;    // pieces scattered through names and values
};

const Alphabet kWesternAlphabet = {
    {"", "S", "s", "Sec", "SEC", "gr\xF6\xDF", "GR\xF6\xDF"},
    {"", "k", "K", "key", "KEY", "w", "\xE9t\xE9", "\xE9T\xE9"},
    {"", "v", "new value", " edge ", "\"q\"", "'", "a=b", "[x]", "\xE9t\xE9 \x80"},
    {"\xE9", "\x80", "\x81", "\xFF", "\xFE", "\xEF\xBB\xBF", "]", "[", "=", "\""},
};

// Shift-JIS: trail bytes that are "]", "[" and "\\", and lead bytes alone,
// which take the byte after them whatever it is.
const Alphabet kJapaneseAlphabet = {
    {"", "S", "s", "\x93\x5D\x91\x97", "\x83\x5C", "\x81\x5B"},
    {"", "k", "K", "w", "\x93\x5D", "\x83\x5C\x83\x5B"},
    {"", "v", " edge ", "\"q\"", "a=b", "\x93\x5D\x91\x97", "\x83\x5C"},
    {"\x93\x5D", "\x83\x5C", "\x81\x5B", "\x93", "\x82", "]", "=", "\"", "\xA0"},
};

// A store (value given) or a removal.
struct Change
{
    std::string section;
    std::string name;
    std::string value;
    bool bStore;
};

class TextMaker
{
public:
    TextMaker(const Alphabet& alphabet, unsigned nSeed) : m_alphabet(alphabet), m_random(nSeed) {}

    // A file's bytes: the text in the ANSI code page, or in a Unicode form
    // with its mark.
    std::string FileBytes()
    {
        const std::string strAnsi = AnsiText();
        switch (Below(10))
        {
        case 0:
        case 1:
            return "\xEF\xBB\xBF" + Utf8(Wide(strAnsi));
        case 2:
            return "\xFF\xFE" + Utf16(Wide(strAnsi), false);
        case 3:
            return "\xFE\xFF" + Utf16(Wide(strAnsi), true);
        default:
            return strAnsi;
        }
    }

    std::vector<Change> Changes()
    {
        std::vector<Change> changes(Below(7));
        for (Change& change : changes)
        {
            change.section = Pick(m_alphabet.sections);
            change.name = (Below(4) == 0 ? " " : "") + Pick(m_alphabet.names) + (Below(4) == 0 ? "\t" : "");
            change.bStore = Below(5) < 3;
            if (change.bStore)
                change.value = Pick(m_alphabet.values);
        }
        return changes;
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <class T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[Below((int)items.size())];
    }

    std::string AnsiText()
    {
        static const std::vector<std::string> kLineEnds = {"\r\n", "\r\n", "\r\n", "\r\n", "\n",
                                                            "\r",   "\n\r", "\r\r\n", ""};
        std::string strText;
        for (int nLines = Below(25); nLines > 0; nLines--)
            strText += Line() + Pick(kLineEnds);
        return strText;
    }

    std::string Blanks()
    {
        static const std::vector<std::string> kBlanks = {"", "", "", " ", "\t", "  \t", "\v\f", "\x1a"};
        return Pick(kBlanks);
    }

    std::string StoredName(const std::vector<std::string>& names)
    {
        switch (Below(10))
        {
        case 0:
            return Pick(names) + std::string("\0x", 2);
        case 1:
            return Pick(names) + Pick(m_alphabet.odd);
        case 2:
            return Pick(m_alphabet.odd) + Pick(names);
        default:
            return Pick(names);
        }
    }

    std::string TextValue()
    {
        switch (Below(14))
        {
        case 0:
        {
            static const char kChars[] = "abc =[]\"' \t;";
            std::string strLong;
            for (int n = 1000 + Below(20000); n > 0; n--)
                strLong += Below(20) == 0 ? Pick(m_alphabet.odd) : std::string(1, kChars[Below(sizeof(kChars) - 1)]);
            return strLong;
        }
        case 1:
            return std::string("x\0y", 3);
        case 2:
            return std::string("\"a\"\0z\"", 6);
        case 3:
            return Pick(m_alphabet.odd) + Pick(m_alphabet.values) + Pick(m_alphabet.odd);
        case 4:
            return "\"" + Pick(m_alphabet.values) + "'";
        default:
            return Pick(m_alphabet.values);
        }
    }

    std::string KeyLine()
    {
        return Blanks() + StoredName(m_alphabet.names) + Blanks() + "=" + Blanks() + TextValue() + Blanks();
    }

    std::string Line()
    {
        static const std::vector<std::string> kHeaderTails = {"", "", "", " ;c", "]", "x]", " [y]"};
        static const std::vector<std::string> kMarks = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
        switch (Below(12))
        {
        case 0:
        case 1:
        case 2:
            return Blanks() + "[" + Blanks() + StoredName(m_alphabet.sections) + Blanks() + "]" + Pick(kHeaderTails);
        case 3:
            return "[" + StoredName(m_alphabet.sections) + (Below(2) ? "" : "=" + TextValue());
        case 4:
            return Blanks() + StoredName(m_alphabet.names);
        case 5:
            return Blanks() + "; " + TextValue();
        case 6:
            return Blanks();
        case 7:
            return Pick(kMarks) + KeyLine();
        default:
            return KeyLine();
        }
    }

    std::wstring Wide(const std::string& strAnsi)
    {
        std::wstring strWide(strAnsi.size(), L'\0');
        strWide.resize(::MultiByteToWideChar(CP_ACP, 0, strAnsi.data(), (int)strAnsi.size(), &strWide[0],
                                             (int)strWide.size()));
        // Characters no ANSI code page here has.
        for (int n = Below(4); n > 0 && !strWide.empty(); n--)
            strWide.insert(strWide.begin() + Below((int)strWide.size()), L'\x4E2D');
        return strWide;
    }

    std::string Utf8(const std::wstring& strWide)
    {
        std::string strUtf8(strWide.size() * 3, '\0');
        strUtf8.resize(::WideCharToMultiByte(CP_UTF8, 0, strWide.data(), (int)strWide.size(), &strUtf8[0],
                                             (int)strUtf8.size(), NULL, NULL));
        if (Below(4) == 0 && !strUtf8.empty())
            strUtf8.insert(strUtf8.begin() + Below((int)strUtf8.size()), '\xFF'); // no UTF-8
        // A character cut short by the file's end, which takes what follows
        // it there.
        if (Below(8) == 0)
            strUtf8 += Below(2) ? "\xE4\xB8" : "\xF0[";
        return strUtf8;
    }

    std::string Utf16(std::wstring strWide, bool bBigEndian)
    {
        if (Below(4) == 0 && !strWide.empty())
            strWide.insert(strWide.begin() + Below((int)strWide.size()), Below(2) ? L'\xD800' : L'\xDC00');
        std::string strBytes;
        for (wchar_t ch : strWide)
        {
            const char low = (char)(ch & 0xFF), high = (char)(ch >> 8);
            strBytes += bBigEndian ? high : low;
            strBytes += bBigEndian ? low : high;
        }
        // Half a character at the end: the profile functions read it with a
        // byte from beyond the file, whatever that is ("z" one time, "?" the
        // next); on a line of its own it holds no value either way.
        if (Below(8) == 0)
            strBytes += std::string(bBigEndian ? "\0\n" : "\n\0", 2) + 'z';
        return strBytes;
    }

    const Alphabet& m_alphabet;
    std::mt19937 m_random;
};

// Reports show long texts cut short, unless one text is run again.
bool g_bWholeTexts = false;

std::string Escaped(const std::string& strText)
{
    std::string strEscaped;
    for (unsigned char ch : strText)
    {
        char szHex[8];
        snprintf(szHex, sizeof(szHex), "\\x%02X", ch);
        strEscaped += ch >= 0x20 && ch < 0x7F && ch != '\\' ? std::string(1, (char)ch) : std::string(szHex);
    }
    return strEscaped.size() > 3000 && !g_bWholeTexts ? strEscaped.substr(0, 3000) + "..." : strEscaped;
}

std::string AsciiLowerTrimmed(const std::string& strName)
{
    const size_t nStart = strName.find_first_not_of(" \t"), nEnd = strName.find_last_not_of(" \t");
    std::string strKey = nStart == std::string::npos ? "" : strName.substr(nStart, nEnd - nStart + 1);
    for (char& ch : strKey)
    {
        if (ch >= 'A' && ch <= 'Z')
            ch = (char)(ch - 'A' + 'a');
    }
    return strKey;
}

typedef std::pair<std::string, std::string> Place;

// Runs generated texts and reports the first ones that differ.
class GeneratedRun
{
public:
    explicit GeneratedRun(const Alphabet& alphabet) : m_alphabet(alphabet)
    {
        for (const std::string& strSection : alphabet.sections)
        {
            for (const std::string& strName : alphabet.names)
                m_places.push_back({strSection, strName});
        }
    }

    // The texts of the seed, or only the one numbered nOnly (not -1).
    void Run(unsigned nSeed, int nTexts, int nOnly)
    {
        TextMaker maker(m_alphabet, nSeed);
        TempFolder folder;
        g_bWholeTexts = nOnly >= 0;
        for (int nText = 0; nText < nTexts && m_nFailedTexts < 5; nText++)
        {
            const std::string strBytes = maker.FileBytes();
            const std::vector<Change> changes = maker.Changes();
            if (nOnly >= 0 && nText != nOnly)
                continue;
            m_report.str("");
            RunText(folder, strBytes, changes);
            if (!m_report.str().empty())
            {
                m_nFailedTexts++;
                std::ostringstream details;
                details << "text " << nText << " of seed " << nSeed << ": \"" << Escaped(strBytes) << "\"\n";
                for (const Change& change : changes)
                    details << (change.bStore ? "  store [" : "  remove [") << Escaped(change.section) << "] \""
                            << Escaped(change.name) << "\" = \"" << Escaped(change.value) << "\"\n";
                ADD_FAILURE() << details.str() << m_report.str();
            }
        }
    }

private:
    void RunText(const TempFolder& folder, const std::string& strBytes, const std::vector<Change>& changes)
    {
        const std::string strRead = folder.File("read.ini"), strSaved = folder.File("saved.ini");
        WriteBytes(strRead, strBytes);
        CXTPPropExchangeIniDocument doc;
        if (!doc.LoadFromFile(strRead.c_str()))
        {
            m_report << "  the text does not load\n";
            return;
        }
        const std::map<Place, std::string> read = Compare("read", doc, strRead);
        std::map<Place, std::string> stored;
        for (const Change& change : changes)
        {
            const Place place(AsciiLowerTrimmed(change.section), AsciiLowerTrimmed(change.name));
            if (change.bStore)
                doc.SetValue(change.section.c_str(), change.name.c_str(), change.value.c_str());
            else
                doc.RemoveValue(change.section.c_str(), change.name.c_str());
            stored[place] = change.bStore ? change.value : "<removed>";
        }
        if (!doc.SaveToFile(strSaved.c_str()))
        {
            m_report << "  the text does not save\n";
            return;
        }
        const std::map<Place, std::string> saved = Compare("changed and saved", doc, strSaved);
        for (const auto& value : saved)
        {
            const Place key(AsciiLowerTrimmed(value.first.first), AsciiLowerTrimmed(value.first.second));
            auto found = stored.find(key);
            const std::string strExpected = found == stored.end() ? read.at(value.first) : found->second;
            if (strExpected != "<removed>" && value.second != strExpected)
                Report("saved against what was read and stored", value.first, strExpected, value.second);
        }
        if (changes.empty() && ReadBytes(strSaved) != strBytes)
            m_report << "  saved without a change, the bytes differ: \"" << Escaped(ReadBytes(strSaved)) << "\"\n";
        CXTPPropExchangeIniDocument reloaded;
        if (!reloaded.LoadFromFile(strSaved.c_str()))
            m_report << "  the saved text does not load\n";
        for (const auto& value : saved)
            Expect("saved and loaded again", value.first, value.second, reloaded);
        ::DeleteFileA(strRead.c_str());
        ::DeleteFileA(strSaved.c_str());
    }

    // The values the profile functions read; each one the document reads
    // differently is reported.
    std::map<Place, std::string> Compare(const char* pszWhen, const CXTPPropExchangeIniDocument& doc,
                                         const std::string& strPath)
    {
        std::map<Place, std::string> values;
        for (const Place& place : m_places)
        {
            values[place] = ProfileRead(strPath, place.first.c_str(), place.second.c_str());
            Expect(pszWhen, place, values[place], doc);
        }
        return values;
    }

    void Expect(const char* pszWhen, const Place& place, const std::string& strExpected,
                const CXTPPropExchangeIniDocument& doc)
    {
        const std::string strDocument = DocumentRead(doc, place.first.c_str(), place.second.c_str());
        if (strDocument != strExpected)
            Report(pszWhen, place, strExpected, strDocument);
    }

    void Report(const char* pszWhen, const Place& place, const std::string& strExpected, const std::string& strGot)
    {
        m_report << "  " << pszWhen << ": [" << Escaped(place.first) << "] \"" << Escaped(place.second)
                 << "\": expected \"" << Escaped(strExpected) << "\", the document reads \"" << Escaped(strGot)
                 << "\"\n";
    }

    const Alphabet& m_alphabet;
    std::vector<Place> m_places;
    std::ostringstream m_report;
    int m_nFailedTexts = 0;
};

int TextsToRun(int nDefault)
{
    const char* pszTexts = getenv("TW_INI_GENERATED_TEXTS");
    return pszTexts != NULL ? atoi(pszTexts) : nDefault;
}

int OnlyText()
{
    const char* pszText = getenv("TW_INI_GENERATED_TEXT");
    return pszText != NULL ? atoi(pszText) : -1;
}

unsigned FirstSeed()
{
    const char* pszSeed = getenv("TW_INI_GENERATED_SEED");
    return pszSeed != NULL ? (unsigned)strtoul(pszSeed, NULL, 10) : 1;
}

TEST(PropExchangeIniGenerated, ReadsStoresAndSavesAsTheProfileFunctionsRead)
{
    ASSERT_EQ(1252u, ::GetACP()) << "the texts are made for this code page";
    GeneratedRun(kWesternAlphabet).Run(FirstSeed(), std::max(TextsToRun(300), OnlyText() + 1), OnlyText());
}

// Files whose double-byte characters hold the bytes that the syntax uses.
struct DoubleByteCase
{
    const char* name;
    std::string bytes;
};

// Run in a child only: the process's ANSI code page is 932.
TEST(PropExchangeIniGenerated, DISABLED_InCodePage932)
{
    ASSERT_EQ(932u, ::GetACP()) << "run by ReadsDoubleByteTextAsTheProfileFunctionsInCodePage932";
    const DoubleByteCase kCases[] = {
        {"a header with \"]\" as a trail byte after it", "[Settings] ;\x93\x5D\x91\x97\r\nk=v\r\n"},
        {"a name with \"]\" as a trail byte", "[\x93\x5D]\r\nk=v\r\n"},
        {"a lead byte taking a carriage return", "[Settings]\r\nk=\x93\rj=w\r\nx=1\r\n"},
        {"a lead byte taking \"=\"", "[Settings]\r\nk\x93=v\r\nj=w\r\n"},
        {"a lead byte taking a zero", std::string("[Settings]\r\nk\x93") + '\0' + "x=v\r\n"},
    };
    for (const DoubleByteCase& test : kCases)
    {
        TempFolder folder;
        const std::string strPath = folder.File("cp932.ini");
        WriteBytes(strPath, test.bytes);
        CXTPPropExchangeIniDocument doc;
        ASSERT_TRUE(doc.LoadFromFile(strPath.c_str())) << test.name;
        const ProfileValues profile = ReadAllAsProfile(strPath);
        EXPECT_FALSE(profile.empty()) << test.name;
        for (const auto& value : profile)
        {
            EXPECT_EQ(value.second, DocumentRead(doc, value.first.first.c_str(), value.first.second.c_str()))
                << test.name << ": [" << Escaped(value.first.first) << "] " << Escaped(value.first.second);
        }
        for (const char* pszName : {"k", "j", "x"})
            EXPECT_EQ(ProfileRead(strPath, "Settings", pszName), DocumentRead(doc, "Settings", pszName)) << test.name;
    }
    GeneratedRun(kJapaneseAlphabet).Run(FirstSeed(), std::max(TextsToRun(100), OnlyText() + 1), OnlyText());
}

TEST(PropExchangeIniGenerated, ReadsDoubleByteTextAsTheProfileFunctionsInCodePage932)
{
    // Wine takes a process's ANSI code page from its locale.
    const ShellChildRun run =
        RunTestInShellChild("export LC_ALL=ja_JP.UTF-8;", "PropExchangeIniGenerated.DISABLED_InCodePage932");
    EXPECT_TRUE(run.bPassed) << run.output;
}

} // namespace
