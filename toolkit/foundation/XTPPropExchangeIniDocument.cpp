#include "toolkit/foundation/XTPPropExchangeIniDocument.h"

#include <string.h>

#include <algorithm>
#include <new>
#include <stdexcept>

namespace {

// The byte-order marks of the forms, in the order of the document's Encoding
// (none for the ANSI code page).
const char* const kMarks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
const char kLineEnd[] = "\r\n";
// As long as the longest character of UTF-8 but one.
const char kUtf8Guard[] = "\n\n\n";
// Text is written out in pieces of about this size.
const size_t kWriteChunk = 64 * 1024;
// Bigger texts are not read: their pieces are found by 31-bit offsets.
const ULONGLONG kLargestText = 0x7FFFFFFF;
// The code given for a character the syntax never looks at (a double-byte one).
const unsigned kOtherChar = 0x100;
// Lines a store added and another removed are dropped once there are more
// than this many and as many as the rest.
const UINT kFewRemovedLines = 64;

// What the profile functions take for blank round a line, a name or a value.
bool IsBlank(unsigned ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r' || ch == 0x1a;
}

bool IsLineEnd(unsigned ch)
{
    return ch == '\r' || ch == '\n';
}

bool IsQuote(unsigned ch)
{
    return ch == '"' || ch == '\'';
}

// The readers of the characters of a text in one form: Read gives the code
// of the character at p (where the syntax may care: its ASCII ones) and
// steps p past it; UnitAt gives the code of the single unit at p, for
// stepping back over blanks, which are always single units.
//
// Single-byte code pages: a byte is a character.
struct ByteChars
{
    static constexpr size_t kUnit = 1;
    unsigned Read(const char*& p, const char*) const { return (BYTE)*p++; }
    unsigned UnitAt(const char* p) const { return (BYTE)*p; }
};

// UTF-8: a byte is a character, or a piece of one that holds no ASCII; but
// a character that the text's end cuts short takes the rest of the text, as
// the system's conversion reads it there (anywhere else it stops at the
// first byte that cannot go on the character).
//
// The bytes the conversion takes for a character before it looks at them:
// one for all but the first bytes of characters of three and four.
ptrdiff_t Utf8Length(BYTE ch)
{
    return ch >= 0xF0 && ch <= 0xF4 ? 4 : ch >= 0xE0 && ch <= 0xEF ? 3 : 1;
}

struct Utf8Chars
{
    static constexpr size_t kUnit = 1;
    unsigned Read(const char*& p, const char* pEnd) const
    {
        const BYTE ch = (BYTE)*p;
        if (pEnd - p < Utf8Length(ch))
        {
            p = pEnd;
            return kOtherChar;
        }
        p++;
        return ch;
    }
    unsigned UnitAt(const char* p) const { return (BYTE)*p; }
};

// Double-byte code pages: a lead byte and the byte after it, whatever that
// is, are one character, as the system's conversion reads them.
struct DoubleByteChars
{
    static constexpr size_t kUnit = 1;
    const std::bitset<256>& leadBytes;
    unsigned Read(const char*& p, const char* pEnd) const
    {
        if (leadBytes[(BYTE)*p] && pEnd - p > 1)
        {
            p += 2;
            return kOtherChar;
        }
        return (BYTE)*p++;
    }
    unsigned UnitAt(const char* p) const { return (BYTE)*p; }
};

// UTF-16: two bytes a character. An odd last byte is taken for a character
// of its own value (the profile functions read it with a byte from beyond
// the file's end, whatever that is).
template <bool bBigEndian>
struct Utf16Chars
{
    static constexpr size_t kUnit = 2;
    unsigned Read(const char*& p, const char* pEnd) const
    {
        if (pEnd - p < 2)
            return (BYTE)*p++;
        const unsigned ch = UnitAt(p);
        p += 2;
        return ch;
    }
    unsigned UnitAt(const char* p) const
    {
        return bBigEndian ? ((BYTE)p[0] << 8) | (BYTE)p[1] : ((BYTE)p[1] << 8) | (BYTE)p[0];
    }
};

// Past the line end just read (ch): a carriage return and a line feed end a
// line together.
template <class CharReader>
const char* PastLineEnd(const CharReader& chars, unsigned ch, const char* p, const char* pEnd)
{
    const char* pNext = p;
    return ch == '\r' && p < pEnd && chars.Read(pNext, pEnd) == '\n' ? pNext : p;
}

// What one pass over a line finds of its parts; positions are those of
// characters, so that a double-byte character is never split.
struct LineParts
{
    const char* pszFirst = NULL;   // the first character not blank
    const char* pszLastEnd = NULL; // just after the last character not blank
    bool bOpensHeader = false;     // the first is "["
    // Of a header: the first character not blank after "[", and the last
    // "]" with the end of the last character not blank before it.
    const char* pszHeaderName = NULL;
    const char* pszClose = NULL;
    const char* pszHeaderNameEnd = NULL;
    // Of a value: the first "=", the end of the name before it (blanks
    // left out) and the first character not blank after it.
    const char* pszEquals = NULL;
    const char* pszNameEnd = NULL;
    const char* pszValue = NULL;

    void Take(unsigned ch, const char* pszChar, const char* pszNext)
    {
        if (IsBlank(ch))
            return;
        const bool bFirst = pszFirst == NULL;
        if (bFirst)
        {
            pszFirst = pszChar;
            bOpensHeader = ch == '[';
        }
        else
        {
            if (pszHeaderName == NULL)
                pszHeaderName = pszChar;
            if (ch == ']')
            {
                pszClose = pszChar;
                pszHeaderNameEnd = pszLastEnd;
            }
        }
        if (pszEquals != NULL && pszValue == NULL)
            pszValue = pszChar;
        if (ch == '=' && pszEquals == NULL)
        {
            pszEquals = pszChar;
            pszNameEnd = bFirst ? pszChar : pszLastEnd;
        }
        pszLastEnd = pszNext;
    }
    bool IsHeader() const { return bOpensHeader && pszClose != NULL; }
};

// The profile functions' blanks round a name given.
void TrimBlanks(std::wstring& strText)
{
    size_t nEnd = strText.size();
    while (nEnd > 0 && IsBlank(strText[nEnd - 1]))
        nEnd--;
    size_t nStart = 0;
    while (nStart < nEnd && IsBlank(strText[nStart]))
        nStart++;
    strText = strText.substr(nStart, nEnd - nStart);
}

// What a C string of the text holds: up to its first zero.
void CutAtZero(std::wstring& strText)
{
    strText.resize(wcsnlen(strText.c_str(), strText.size()));
}

// The value as read: one pair of the same quotes round it is dropped.
void Unquote(std::wstring& strValue)
{
    if (strValue.size() >= 2 && IsQuote(strValue.front()) && strValue.back() == strValue.front())
        strValue = strValue.substr(1, strValue.size() - 2);
}

// The value as written: in double quotes when reading would drop blank or a
// quote at one of its edges.
std::wstring Quoted(const std::wstring& strValue)
{
    if (strValue.empty())
        return strValue;
    const wchar_t chFirst = strValue.front(), chLast = strValue.back();
    if (!IsBlank(chFirst) && !IsBlank(chLast) && !IsQuote(chFirst) && !IsQuote(chLast))
        return strValue;
    return L'"' + strValue + L'"';
}

// A UTF-16 character's bytes in the byte order of the file.
void AppendUnit(std::string& strBytes, wchar_t ch, bool bBigEndian)
{
    const char low = (char)(ch & 0xFF), high = (char)(ch >> 8);
    strBytes += bBigEndian ? high : low;
    strBytes += bBigEndian ? low : high;
}

wchar_t AsciiLower(unsigned ch)
{
    return (wchar_t)(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
}

// FNV-1a over the UTF-16 of a name's key.
const UINT kHashStart = 2166136261u;

UINT HashStep(UINT nHash, wchar_t ch)
{
    return (nHash ^ ch) * 16777619u;
}

// The characters of a text in a file's form when they are all ASCII, as most
// names are: the same in every form and code page, found and compared
// without the system's conversions. A key ends at a zero.
class AsciiName
{
public:
    AsciiName(const char* pszText, size_t nLength, bool bUtf16, bool bBigEndian)
        : m_pText((const BYTE*)pszText), m_nStep(bUtf16 ? 2 : 1), m_nLow(bUtf16 && bBigEndian ? 1 : 0)
    {
        m_bAscii = nLength % m_nStep == 0;
        m_nCount = nLength / m_nStep;
        for (size_t i = 0; m_bAscii && i < m_nCount; i++)
            m_bAscii = m_pText[i * m_nStep + m_nLow] < 0x80 && (m_nStep == 1 || m_pText[i * m_nStep + 1 - m_nLow] == 0);
    }
    bool IsAscii() const { return m_bAscii; }
    // The key's characters, lowered; the key ends at a zero.
    size_t KeyLength() const
    {
        size_t n = 0;
        while (n < m_nCount && m_pText[n * m_nStep + m_nLow] != 0)
            n++;
        return n;
    }
    wchar_t KeyChar(size_t i) const { return AsciiLower(m_pText[i * m_nStep + m_nLow]); }
    std::wstring Key() const
    {
        std::wstring strKey(KeyLength(), L'\0');
        for (size_t i = 0; i < strKey.size(); i++)
            strKey[i] = KeyChar(i);
        return strKey;
    }

private:
    const BYTE* m_pText;
    size_t m_nStep, m_nLow, m_nCount;
    bool m_bAscii;
};

// A file's whole contents; FALSE when it cannot be read or is too big to hold.
BOOL ReadWholeFile(LPCTSTR lpszFileName, std::string& strBytes)
{
    HANDLE hFile = ::CreateFileA(lpszFileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    // The handle is closed whatever happens; an exception of the memory goes
    // on to the load, which answers FALSE.
    struct Closer
    {
        HANDLE hFile;
        ~Closer() { ::CloseHandle(hFile); }
    } closer{hFile};
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(hFile, &size) || (ULONGLONG)size.QuadPart > kLargestText
        || (ULONGLONG)size.QuadPart > strBytes.max_size())
        return FALSE;
    const DWORD nSize = (DWORD)size.QuadPart;
    strBytes.resize(nSize);
    DWORD nRead = 0;
    return nSize == 0 || (::ReadFile(hFile, &strBytes[0], nSize, &nRead, NULL) && nRead == nSize);
}

// Writes to a file a piece at a time; whether every write succeeded.
class FileSink
{
public:
    explicit FileSink(HANDLE hFile) : m_hFile(hFile) { m_buffer.reserve(kWriteChunk); }
    void Write(const char* pBytes, size_t nLength)
    {
        if (m_buffer.size() + nLength > kWriteChunk)
            Flush();
        if (nLength >= kWriteChunk)
            WriteBytes(pBytes, nLength);
        else
            m_buffer.append(pBytes, nLength);
    }
    BOOL Finish()
    {
        Flush();
        return m_bWritten;
    }

private:
    void Flush()
    {
        WriteBytes(m_buffer.data(), m_buffer.size());
        m_buffer.clear();
    }
    void WriteBytes(const char* pBytes, size_t nLength)
    {
        DWORD nWritten = 0;
        if (m_bWritten && nLength > 0
            && (!::WriteFile(m_hFile, pBytes, (DWORD)nLength, &nWritten, NULL) || nWritten != nLength))
            m_bWritten = FALSE;
    }

    HANDLE m_hFile;
    std::string m_buffer;
    BOOL m_bWritten = TRUE;
};

} // namespace

// The bytes of the file in order: text copied as read, pieces and the
// syntax's own characters in the file's form. It knows whether what it
// wrote last ends a line, so that a line it adds starts one. A character
// that the text's end cuts short (its tail) is written as it is at the end
// of the file, but before more text as the character it was read as. For a
// file in the ANSI code page it holds back the first bytes until it knows
// whether they would read as a byte-order mark.
class CXTPPropExchangeIniDocument::TextWriter
{
public:
    TextWriter(const std::function<void(const char*, size_t)>& write, Encoding encoding, const std::string& strText,
               size_t nTail, const std::string& strTailAsRead)
        : m_write(write), m_encoding(encoding), m_nMarkLength(strlen(kMarks[encoding])), m_strText(strText),
          m_nTail(nTail), m_strTailAsRead(strTailAsRead)
    {
    }
    // The text as read from nFrom to nTo; bAtLineStart: whether nTo starts a line.
    void Copy(size_t nFrom, size_t nTo, bool bAtLineStart)
    {
        if (nTo <= nFrom)
            return;
        if (nFrom < m_nTail)
            Put(m_strText.data() + nFrom, std::min(nTo, m_nTail) - nFrom);
        m_bTailWaits = nTo > m_nTail;
        m_bAtLineStart = bAtLineStart;
    }
    // ASCII text (the syntax's own), in the file's form.
    void Syntax(const char* pszText)
    {
        CompleteTail();
        for (const char* psz = pszText; *psz != 0; psz++)
        {
            if (IsUtf16())
                PutUnit(*psz);
            else
                Put(psz, 1);
        }
        m_bAtLineStart = pszText[strlen(pszText) - 1] == '\n';
    }
    // A piece in the file's form.
    void Piece(const std::string& strPiece)
    {
        if (strPiece.empty())
            return;
        CompleteTail();
        Put(strPiece.data(), strPiece.size());
        m_bAtLineStart = false;
    }
    void StartLine()
    {
        if (!m_bAtLineStart)
            Syntax(kLineEnd);
    }
    bool HasText() const { return m_nWritten > m_nMarkLength; }
    void Finish()
    {
        if (m_bTailWaits)
            Put(m_strText.data() + m_nTail, m_strText.size() - m_nTail);
        if (!m_bPassing)
            PassHeldBytes();
    }

private:
    bool IsUtf16() const { return m_encoding == encodingUtf16LE || m_encoding == encodingUtf16BE; }
    void CompleteTail()
    {
        if (m_bTailWaits)
            Put(m_strTailAsRead.data(), m_strTailAsRead.size());
        m_bTailWaits = false;
    }
    void PutUnit(wchar_t ch)
    {
        std::string strUnit;
        AppendUnit(strUnit, ch, m_encoding == encodingUtf16BE);
        Put(strUnit.data(), strUnit.size());
    }
    void Put(const char* pBytes, size_t nLength)
    {
        m_nWritten += nLength;
        if (m_bPassing)
        {
            m_write(pBytes, nLength);
            return;
        }
        const size_t nTaken = std::min(nLength, sizeof(m_held) - m_nHeld);
        memcpy(m_held + m_nHeld, pBytes, nTaken);
        m_nHeld += nTaken;
        if (m_nHeld == sizeof(m_held))
            PassHeldBytes();
        if (nTaken < nLength)
            m_write(pBytes + nTaken, nLength - nTaken);
    }
    void PassHeldBytes()
    {
        m_bPassing = true;
        if (m_encoding == encodingAnsi)
        {
            for (int nForm = encodingUtf8; nForm <= encodingUtf16BE; nForm++)
            {
                const size_t nMark = strlen(kMarks[nForm]);
                if (m_nHeld >= nMark && memcmp(m_held, kMarks[nForm], nMark) == 0)
                {
                    m_write(kLineEnd, 2);
                    break;
                }
            }
        }
        m_write(m_held, m_nHeld);
    }

    const std::function<void(const char*, size_t)>& m_write;
    Encoding m_encoding;
    size_t m_nMarkLength;
    size_t m_nWritten = 0;
    bool m_bAtLineStart = true;
    const std::string& m_strText;
    size_t m_nTail;
    const std::string& m_strTailAsRead;
    bool m_bTailWaits = false;
    // The first bytes, held until they are as long as the longest mark.
    char m_held[3];
    size_t m_nHeld = 0;
    bool m_bPassing = false;
};

CXTPPropExchangeIniDocument::CXTPPropExchangeIniDocument(UINT nCodePage)
    : m_nCodePage(nCodePage == CP_ACP ? ::GetACP() : nCodePage), m_encoding(encodingAnsi), m_nTextStart(0),
      m_bEndsLine(true)
{
    static_assert(sizeof(Line) == 20, "a line costs five numbers");
    CPINFO info;
    if (::GetCPInfo(m_nCodePage, &info) && info.MaxCharSize == 2)
    {
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
        {
            for (int nByte = info.LeadByte[i]; nByte <= info.LeadByte[i + 1]; nByte++)
                m_leadBytes.set(nByte);
        }
    }
    AppendSection(Span{0, 0}, false, 0);
}

template <class Visit>
auto CXTPPropExchangeIniDocument::VisitChars(Visit visit) const
{
    switch (m_encoding)
    {
    case encodingUtf16LE:
        return visit(Utf16Chars<false>());
    case encodingUtf16BE:
        return visit(Utf16Chars<true>());
    case encodingUtf8:
        return visit(Utf8Chars());
    default:
        if (m_leadBytes.any())
            return visit(DoubleByteChars{m_leadBytes});
        return visit(ByteChars());
    }
}

const char* CXTPPropExchangeIniDocument::Chars(const Span& span) const
{
    if (span.nStart & kAddedText)
        return m_pieces[span.nStart & ~kAddedText].data();
    return m_text.data() + span.nStart;
}

std::wstring CXTPPropExchangeIniDocument::Wide(const Span& span) const
{
    const char* pszText = Chars(span);
    std::wstring strWide;
    if (span.nLength == 0)
        return strWide;
    if (m_encoding == encodingUtf16LE || m_encoding == encodingUtf16BE)
    {
        const char* pEnd = pszText + span.nLength;
        VisitChars([&](const auto& chars) {
            while (pszText < pEnd)
                strWide += (wchar_t)chars.Read(pszText, pEnd);
        });
        return strWide;
    }
    // What follows a piece of UTF-8 text in the file is ASCII, which the
    // conversion reads apart from it; but a character cut short at the end
    // of what it converts would take what follows. Line feeds in the place
    // of what follows keep it from doing so, and are dropped after.
    const bool bGuarded = m_encoding == encodingUtf8 && !(span.nStart & kAddedText)
                          && span.nStart + span.nLength < m_text.size();
    std::string strGuarded;
    if (bGuarded)
    {
        strGuarded.assign(pszText, span.nLength);
        strGuarded += kUtf8Guard;
        pszText = strGuarded.data();
    }
    // Neither an ANSI code page nor UTF-8 makes more characters than bytes.
    const int nLength = (int)(span.nLength + (bGuarded ? strlen(kUtf8Guard) : 0));
    const UINT nCodePage = m_encoding == encodingUtf8 ? CP_UTF8 : m_nCodePage;
    strWide.resize(nLength);
    strWide.resize(::MultiByteToWideChar(nCodePage, 0, pszText, nLength, &strWide[0], nLength));
    if (bGuarded)
        strWide.resize(strWide.size() - strlen(kUtf8Guard));
    return strWide;
}

std::string CXTPPropExchangeIniDocument::Encoded(const std::wstring& strWide) const
{
    std::string strBytes;
    if (m_encoding == encodingUtf16LE || m_encoding == encodingUtf16BE)
    {
        for (wchar_t ch : strWide)
            AppendUnit(strBytes, ch, m_encoding == encodingUtf16BE);
        return strBytes;
    }
    const UINT nCodePage = m_encoding == encodingUtf8 ? CP_UTF8 : m_nCodePage;
    const int nBytes = ::WideCharToMultiByte(nCodePage, 0, strWide.data(), (int)strWide.size(), NULL, 0, NULL, NULL);
    if (nBytes > 0)
    {
        strBytes.resize(nBytes);
        ::WideCharToMultiByte(nCodePage, 0, strWide.data(), (int)strWide.size(), &strBytes[0], nBytes, NULL, NULL);
    }
    return strBytes;
}

std::wstring CXTPPropExchangeIniDocument::WideFromAnsi(const char* pszText, size_t nLength) const
{
    std::wstring strWide(nLength, L'\0');
    if (nLength > 0)
        strWide.resize(::MultiByteToWideChar(m_nCodePage, 0, pszText, (int)nLength, &strWide[0], (int)nLength));
    return strWide;
}

CString CXTPPropExchangeIniDocument::AnsiFromWide(const std::wstring& strWide) const
{
    CString strAnsi;
    if (strWide.empty())
        return strAnsi;
    const int nBytes = ::WideCharToMultiByte(m_nCodePage, 0, strWide.data(), (int)strWide.size(), NULL, 0, NULL, NULL);
    if (nBytes > 0)
    {
        ::WideCharToMultiByte(m_nCodePage, 0, strWide.data(), (int)strWide.size(), strAnsi.GetBuffer(nBytes), nBytes,
                              NULL, NULL);
        strAnsi.ReleaseBuffer(nBytes);
    }
    return strAnsi;
}

CXTPPropExchangeIniDocument::Span CXTPPropExchangeIniDocument::AddPiece(std::string&& strBytes)
{
    const UINT nLength = (UINT)strBytes.size();
    if (m_freePieces.empty())
    {
        m_pieces.push_back(std::move(strBytes));
        return Span{(UINT)(m_pieces.size() - 1) | kAddedText, nLength};
    }
    const UINT nPiece = m_freePieces.back();
    m_pieces[nPiece] = std::move(strBytes);
    m_freePieces.pop_back();
    return Span{nPiece | kAddedText, nLength};
}

void CXTPPropExchangeIniDocument::FreePiece(const Span& span)
{
    if (!(span.nStart & kAddedText))
        return;
    // The piece's memory goes back now; its number is taken by the next.
    std::string().swap(m_pieces[span.nStart & ~kAddedText]);
    m_freePieces.push_back(span.nStart & ~kAddedText);
}

std::wstring CXTPPropExchangeIniDocument::KeyOf(const Span& name) const
{
    const AsciiName ascii(Chars(name), name.nLength, m_encoding >= encodingUtf16LE, m_encoding == encodingUtf16BE);
    if (ascii.IsAscii())
        return ascii.Key();
    std::wstring strKey = Wide(name);
    CutAtZero(strKey);
    if (!strKey.empty())
        ::CharLowerBuffW(&strKey[0], (DWORD)strKey.size());
    return strKey;
}

std::wstring CXTPPropExchangeIniDocument::GivenName(LPCTSTR lpszName) const
{
    std::wstring strName = WideFromAnsi(lpszName, strlen(lpszName));
    TrimBlanks(strName);
    return strName;
}

std::wstring CXTPPropExchangeIniDocument::KeyOfGiven(LPCTSTR lpszName) const
{
    std::wstring strKey = GivenName(lpszName);
    if (!strKey.empty())
        ::CharLowerBuffW(&strKey[0], (DWORD)strKey.size());
    return strKey;
}

UINT CXTPPropExchangeIniDocument::HashOf(const std::wstring& strKey)
{
    UINT nHash = kHashStart;
    for (wchar_t ch : strKey)
        nHash = HashStep(nHash, ch);
    return nHash;
}

UINT CXTPPropExchangeIniDocument::HashOfName(const Span& name) const
{
    const AsciiName ascii(Chars(name), name.nLength, m_encoding >= encodingUtf16LE, m_encoding == encodingUtf16BE);
    if (!ascii.IsAscii())
        return HashOf(KeyOf(name));
    UINT nHash = kHashStart;
    for (size_t i = 0, nLength = ascii.KeyLength(); i < nLength; i++)
        nHash = HashStep(nHash, ascii.KeyChar(i));
    return nHash;
}

bool CXTPPropExchangeIniDocument::NameIs(const Span& name, const std::wstring& strKey) const
{
    const AsciiName ascii(Chars(name), name.nLength, m_encoding >= encodingUtf16LE, m_encoding == encodingUtf16BE);
    if (!ascii.IsAscii())
        return KeyOf(name) == strKey;
    if (ascii.KeyLength() != strKey.size())
        return false;
    for (size_t i = 0; i < strKey.size(); i++)
    {
        if (ascii.KeyChar(i) != strKey[i])
            return false;
    }
    return true;
}

UINT CXTPPropExchangeIniDocument::FindSection(const std::wstring& strKey) const
{
    return m_sectionIndex.Find(HashOf(strKey), [&](UINT i) { return NameIs(m_sections[i].name, strKey); });
}

UINT CXTPPropExchangeIniDocument::FindLine(const Section& section, const std::wstring& strKey) const
{
    return section.lineIndex.Find(HashOf(strKey), [&](UINT i) { return NameIs(NameOf(section.lines[i]), strKey); });
}

void CXTPPropExchangeIniDocument::AppendSection(const Span& name, bool bHasHeader, UINT nEnd)
{
    // A section named again is a section of its own; the first is the one found.
    const std::wstring strKey = KeyOf(name);
    const bool bFirstOfName = FindSection(strKey) == CXTPPropExchangeIniIndex::kNone;
    m_sections.emplace_back();
    Section& section = m_sections.back();
    section.name = name;
    section.bHasHeader = bHasHeader;
    section.nEnd = nEnd;
    section.bEndsLine = true;
    section.nRemovedAdded = 0;
    if (bFirstOfName)
        m_sectionIndex.Add(HashOf(strKey), (UINT)m_sections.size() - 1);
}

CXTPPropExchangeIniDocument::Section& CXTPPropExchangeIniDocument::ObtainSection(LPCTSTR lpszSection)
{
    const std::wstring strKey = KeyOfGiven(lpszSection);
    const UINT nSection = FindSection(strKey);
    if (nSection != CXTPPropExchangeIniIndex::kNone)
        return m_sections[nSection];
    AppendSection(AddPiece(Encoded(GivenName(lpszSection))), true, 0);
    return m_sections.back();
}

void CXTPPropExchangeIniDocument::IndexLines(Section& section)
{
    // From the last line to the first, each line goes before the first of its
    // name found so far, and takes its place in the index.
    section.lineIndex.Clear();
    for (UINT i = (UINT)section.lines.size(); i-- > 0;)
    {
        Line& line = section.lines[i];
        if (line.bRemoved)
            continue;
        const Span name = NameOf(line);
        const UINT nHash = HashOfName(name);
        // The key is made only for a name whose hash is there already.
        std::wstring strKey;
        const UINT nNext = section.lineIndex.Find(nHash, [&](UINT nOther) {
            if (strKey.empty())
                strKey = KeyOf(name);
            return NameIs(NameOf(section.lines[nOther]), strKey);
        });
        line.nNextSameName = nNext;
        if (nNext == CXTPPropExchangeIniIndex::kNone)
            section.lineIndex.Add(nHash, i);
        else
            section.lineIndex.Replace(nHash, nNext, i);
    }
}

void CXTPPropExchangeIniDocument::DropRemovedAddedLines(Section& section)
{
    section.lines.erase(std::remove_if(section.lines.begin(), section.lines.end(),
                                       [](const Line& line) { return line.bRemoved && (line.nName & kAddedText); }),
                        section.lines.end());
    section.lines.shrink_to_fit();
    section.nRemovedAdded = 0;
    IndexLines(section);
}

BOOL CXTPPropExchangeIniDocument::Parse(const char* pszBytes, size_t nLength)
{
    return Load([&](std::string& strBytes) {
        if (nLength > kLargestText || nLength > strBytes.max_size())
            return FALSE;
        strBytes.assign(pszBytes, nLength);
        return TRUE;
    });
}

BOOL CXTPPropExchangeIniDocument::LoadFromFile(LPCTSTR lpszFileName)
{
    return Load([&](std::string& strBytes) { return ReadWholeFile(lpszFileName, strBytes); });
}

BOOL CXTPPropExchangeIniDocument::Load(const std::function<BOOL(std::string&)>& readBytes)
{
    // A string this program cannot hold throws a length error rather than a
    // failure to allocate: either answers FALSE.
    try
    {
        CXTPPropExchangeIniDocument loaded(m_nCodePage);
        if (!readBytes(loaded.m_text))
            return FALSE;
        for (int nForm = encodingUtf8; nForm <= encodingUtf16BE; nForm++)
        {
            if (loaded.m_text.compare(0, strlen(kMarks[nForm]), kMarks[nForm]) == 0)
                loaded.m_encoding = (Encoding)nForm;
        }
        loaded.m_nTextStart = (UINT)strlen(kMarks[loaded.m_encoding]);
        loaded.m_sections[0].nEnd = loaded.m_nTextStart;
        loaded.VisitChars([&](const auto& chars) { loaded.ParseText(chars); });
        *this = std::move(loaded);
        return TRUE;
    }
    catch (const std::bad_alloc&)
    {
        return FALSE;
    }
    catch (const std::length_error&)
    {
        return FALSE;
    }
}

template <class CharReader>
void CXTPPropExchangeIniDocument::ParseText(const CharReader& chars)
{
    const char* pszText = m_text.data();
    const char* pszEnd = pszText + m_text.size();
    auto offset = [&](const char* psz) { return (UINT)(psz - pszText); };
    UINT nSection = 0;
    for (const char* p = pszText + m_nTextStart; p < pszEnd;)
    {
        LineParts parts;
        m_bEndsLine = false;
        while (p < pszEnd)
        {
            const char* pszChar = p;
            const unsigned ch = chars.Read(p, pszEnd);
            if (IsLineEnd(ch))
            {
                p = PastLineEnd(chars, ch, p, pszEnd);
                m_bEndsLine = true;
                break;
            }
            parts.Take(ch, pszChar, p);
        }
        if (parts.pszFirst == NULL)
            continue;
        if (parts.IsHeader())
        {
            const char* pszName = parts.pszHeaderName;
            const char* pszNameEnd = pszName == parts.pszClose ? pszName : parts.pszHeaderNameEnd;
            AppendSection(Span{offset(pszName), offset(pszNameEnd) - offset(pszName)}, true, offset(p));
            nSection = (UINT)m_sections.size() - 1;
        }
        else
        {
            Line line = {};
            line.nName = offset(parts.pszFirst);
            line.nNameLength = offset(parts.pszEquals ? parts.pszNameEnd : parts.pszLastEnd) - line.nName;
            line.bHasValue = parts.pszEquals != NULL;
            line.nValue = offset(parts.pszValue ? parts.pszValue : parts.pszLastEnd);
            line.nValueLength = offset(parts.pszLastEnd) - line.nValue;
            m_sections[nSection].lines.push_back(line);
        }
        m_sections[nSection].nEnd = offset(p);
        m_sections[nSection].bEndsLine = m_bEndsLine;
    }
    if (m_text.size() == m_nTextStart)
        m_bEndsLine = true;
    // The lines were taken in by growing arrays: held, they take no more
    // than they need.
    for (Section& section : m_sections)
    {
        section.lines.shrink_to_fit();
        IndexLines(section);
    }
}

UINT CXTPPropExchangeIniDocument::LineStart(const Line& line) const
{
    // Back over the blanks before the name, up to the line end before them.
    return VisitChars([&](const auto& chars) {
        UINT nStart = line.nName;
        for (; nStart >= m_nTextStart + chars.kUnit; nStart -= (UINT)chars.kUnit)
        {
            const unsigned ch = chars.UnitAt(m_text.data() + nStart - chars.kUnit);
            if (IsLineEnd(ch) || !IsBlank(ch))
                break;
        }
        return nStart;
    });
}

UINT CXTPPropExchangeIniDocument::LineEnd(const Line& line, UINT* pnContentEnd) const
{
    return VisitChars([&](const auto& chars) {
        const char* pszText = m_text.data();
        const char* pszEnd = pszText + m_text.size();
        const char* pszContentEnd = pszText + line.nName;
        for (const char* p = pszText + line.nName; p < pszEnd;)
        {
            const unsigned ch = chars.Read(p, pszEnd);
            if (IsLineEnd(ch))
            {
                *pnContentEnd = (UINT)(pszContentEnd - pszText);
                return (UINT)(PastLineEnd(chars, ch, p, pszEnd) - pszText);
            }
            if (!IsBlank(ch))
                pszContentEnd = p;
        }
        *pnContentEnd = (UINT)(pszContentEnd - pszText);
        return (UINT)m_text.size();
    });
}

void CXTPPropExchangeIniDocument::WriteSection(TextWriter& writer, const Section& section, UINT& nCopied) const
{
    // Text of the file is copied up to each line a store changed or removed,
    // and up to the end of the section's last line for the lines it added.
    auto copyTo = [&](UINT nTo, bool bAtLineStart) {
        writer.Copy(nCopied, nTo, bAtLineStart);
        nCopied = std::max(nCopied, nTo);
    };
    for (const Line& line : section.lines)
    {
        UINT nContentEnd = 0;
        if (line.nName & kAddedText)
        {
            if (line.bRemoved)
                continue;
            if (!(section.name.nStart & kAddedText))
                copyTo(section.nEnd, section.bEndsLine);
            writer.StartLine();
            writer.Piece(m_pieces[line.nName & ~kAddedText]);
            writer.Syntax("=");
            writer.Piece(m_pieces[line.nValue & ~kAddedText]);
            writer.Syntax(kLineEnd);
        }
        else if (line.bRemoved)
        {
            copyTo(LineStart(line), true);
            nCopied = LineEnd(line, &nContentEnd);
        }
        else if (line.nValue & kAddedText)
        {
            copyTo(line.nName + line.nNameLength, false);
            writer.Syntax("=");
            writer.Piece(m_pieces[line.nValue & ~kAddedText]);
            LineEnd(line, &nContentEnd);
            nCopied = nContentEnd;
        }
    }
}

void CXTPPropExchangeIniDocument::WriteText(const std::function<void(const char*, size_t)>& write) const
{
    std::string strTailAsRead;
    const size_t nTail = CutShortTail(strTailAsRead);
    TextWriter writer(write, m_encoding, m_text, nTail, strTailAsRead);
    UINT nCopied = 0;
    auto copyRest = [&]() {
        writer.Copy(nCopied, m_text.size(), m_bEndsLine);
        nCopied = (UINT)m_text.size();
    };
    for (const Section& section : m_sections)
    {
        if (section.name.nStart & kAddedText)
        {
            // Sections a store added follow the text, a blank line before each.
            copyRest();
            writer.StartLine();
            if (writer.HasText())
                writer.Syntax(kLineEnd);
            writer.Syntax("[");
            writer.Piece(m_pieces[section.name.nStart & ~kAddedText]);
            writer.Syntax("]\r\n");
        }
        WriteSection(writer, section, nCopied);
    }
    copyRest();
    writer.Finish();
}

size_t CXTPPropExchangeIniDocument::CutShortTail(std::string& strAsRead) const
{
    const size_t nLength = m_text.size();
    if ((m_encoding == encodingUtf16LE || m_encoding == encodingUtf16BE) && (nLength - m_nTextStart) % 2 != 0)
    {
        AppendUnit(strAsRead, (BYTE)m_text.back(), m_encoding == encodingUtf16BE);
        return nLength - 1;
    }
    for (size_t i = std::max((size_t)m_nTextStart, nLength - std::min(nLength, (size_t)3));
         m_encoding == encodingUtf8 && i < nLength; i++)
    {
        if (Utf8Length((BYTE)m_text[i]) > (ptrdiff_t)(nLength - i))
        {
            strAsRead = "\xEF\xBF\xBD"; // the character for one that cannot be read
            return i;
        }
    }
    if (m_encoding == encodingAnsi && EndsInLoneLeadByte())
    {
        // Read as the system's conversion reads a lead byte alone; written
        // as it is before "=", the byte would take "=" for its second.
        strAsRead = Encoded(Wide(Span{(UINT)nLength - 1, 1}));
        return nLength - 1;
    }
    return nLength;
}

bool CXTPPropExchangeIniDocument::EndsInLoneLeadByte() const
{
    // A byte that cannot lead ends a character, whether it is a character
    // of its own or the second byte of one; the lead bytes after it pair up
    // from there (a lead byte takes the byte after it, whatever it is). An
    // odd run leaves the last without its second byte.
    size_t nRun = 0;
    for (size_t i = m_text.size(); i > m_nTextStart && m_leadBytes[(BYTE)m_text[i - 1]]; i--)
        nRun++;
    return nRun % 2 != 0;
}

std::string CXTPPropExchangeIniDocument::GetText() const
{
    std::string strText;
    WriteText([&](const char* pszPiece, size_t nLength) { strText.append(pszPiece, nLength); });
    return strText;
}

BOOL CXTPPropExchangeIniDocument::SaveToFile(LPCTSTR lpszFileName) const
{
    // The new text goes into a file of its own beside the old one, which it
    // replaces once written whole: a write that fails leaves the old file
    // as it was. A read-only file is not replaced.
    char szPath[MAX_PATH], szTemporary[MAX_PATH];
    LPSTR pszName = NULL;
    const DWORD nPath = ::GetFullPathNameA(lpszFileName, MAX_PATH, szPath, &pszName);
    const DWORD nAttributes = ::GetFileAttributesA(lpszFileName);
    if (nPath == 0 || nPath >= MAX_PATH || pszName == NULL
        || (nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_READONLY)))
        return FALSE;
    const std::string strFolder(szPath, pszName);
    if (!::GetTempFileNameA(strFolder.c_str(), "ini", 0, szTemporary))
        return FALSE;
    HANDLE hFile =
        ::CreateFileA(szTemporary, GENERIC_WRITE, 0, NULL, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    BOOL bWritten = hFile != INVALID_HANDLE_VALUE;
    if (bWritten)
    {
        try
        {
            FileSink sink(hFile);
            WriteText([&](const char* pszPiece, size_t nLength) { sink.Write(pszPiece, nLength); });
            bWritten = sink.Finish();
        }
        catch (const std::bad_alloc&)
        {
            bWritten = FALSE;
        }
        bWritten = ::CloseHandle(hFile) && bWritten;
    }
    // The file keeps its attributes (hidden, for one) in the new text.
    if (bWritten && nAttributes != INVALID_FILE_ATTRIBUTES)
        ::SetFileAttributesA(szTemporary, nAttributes);
    if (bWritten && ::MoveFileExA(szTemporary, szPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return TRUE;
    ::DeleteFileA(szTemporary);
    return FALSE;
}

BOOL CXTPPropExchangeIniDocument::HasSection(LPCTSTR lpszSection) const
{
    return FindSection(KeyOfGiven(lpszSection)) != CXTPPropExchangeIniIndex::kNone;
}

void CXTPPropExchangeIniDocument::AddSection(LPCTSTR lpszSection)
{
    ObtainSection(lpszSection);
}

BOOL CXTPPropExchangeIniDocument::Lookup(LPCTSTR lpszSection, LPCTSTR lpszName, CString& strValue) const
{
    const UINT nSection = FindSection(KeyOfGiven(lpszSection));
    if (nSection == CXTPPropExchangeIniIndex::kNone)
        return FALSE;
    const Section& section = m_sections[nSection];
    const UINT nLine = FindLine(section, KeyOfGiven(lpszName));
    if (nLine == CXTPPropExchangeIniIndex::kNone || !section.lines[nLine].bHasValue)
        return FALSE;
    std::wstring strWide = Wide(ValueOf(section.lines[nLine]));
    CutAtZero(strWide);
    Unquote(strWide);
    strValue = AnsiFromWide(strWide);
    return TRUE;
}

void CXTPPropExchangeIniDocument::SetValue(LPCTSTR lpszSection, LPCTSTR lpszName, const CString& strValue)
{
    ASSERT(strchr(strValue, '\n') == NULL && strchr(strValue, '\r') == NULL);
    Section& section = ObtainSection(lpszSection);
    std::string strWritten = Encoded(Quoted(WideFromAnsi(strValue, strValue.GetLength())));
    const std::wstring strKey = KeyOfGiven(lpszName);
    const UINT nLine = FindLine(section, strKey);
    if (nLine != CXTPPropExchangeIniIndex::kNone)
    {
        // A value a store wrote before is written over in its own piece.
        Line& line = section.lines[nLine];
        if (line.nValue & kAddedText)
            m_pieces[line.nValue & ~kAddedText] = std::move(strWritten);
        else
            line.nValue = AddPiece(std::move(strWritten)).nStart;
        line.nValueLength = (UINT)m_pieces[line.nValue & ~kAddedText].size();
        line.bHasValue = true;
        return;
    }
    Line line = {};
    const Span name = AddPiece(Encoded(GivenName(lpszName)));
    const Span value = AddPiece(std::move(strWritten));
    line.nName = name.nStart;
    line.nNameLength = name.nLength;
    line.nValue = value.nStart;
    line.nValueLength = value.nLength;
    line.bHasValue = true;
    line.nNextSameName = CXTPPropExchangeIniIndex::kNone;
    section.lines.push_back(line);
    section.lineIndex.Add(HashOf(strKey), (UINT)section.lines.size() - 1);
}

void CXTPPropExchangeIniDocument::RemoveValue(LPCTSTR lpszSection, LPCTSTR lpszName)
{
    const std::wstring strSectionKey = KeyOfGiven(lpszSection);
    const UINT nSection = FindSection(strSectionKey);
    if (nSection == CXTPPropExchangeIniIndex::kNone)
        return;
    Section& section = m_sections[nSection];
    const std::wstring strKey = KeyOfGiven(lpszName);
    const UINT nLine = FindLine(section, strKey);
    if (nLine == CXTPPropExchangeIniIndex::kNone)
        return;
    Line& line = section.lines[nLine];
    section.lineIndex.Replace(HashOf(strKey), nLine, line.nNextSameName);
    line.bRemoved = true;
    FreePiece(ValueOf(line));
    if (!(line.nName & kAddedText))
        return;
    FreePiece(NameOf(line));
    if (++section.nRemovedAdded > kFewRemovedLines && section.nRemovedAdded * 2 > section.lines.size())
        DropRemovedAddedLines(section);
}
