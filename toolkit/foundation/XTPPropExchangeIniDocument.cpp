#include "toolkit/foundation/XTPPropExchangeIniDocument.h"

#include <string.h>

#include <algorithm>
#include <new>

namespace {

const char kNewLine[] = "\r\n";

// The forms of a file: the byte-order mark it begins with (none in the ANSI
// code page), and whether it is UTF-16 and of which byte order. In the order
// of the document's Encoding.
struct FileForm
{
    const char* pszMark;
    bool bUtf16;
    bool bBigEndian;
};
const FileForm kFileForms[] = {
    {"", false, false},             // ANSI code page
    {"\xEF\xBB\xBF", false, false}, // UTF-8
    {"\xFF\xFE", true, false},       // UTF-16LE
    {"\xFE\xFF", true, true},        // UTF-16BE
};
// Text is written out in pieces of about this size.
const size_t kWriteChunk = 64 * 1024;
// Bigger files are not read: the text's pieces are found by 31-bit offsets.
const ULONGLONG kLargestFile = 0x7FFFFFFF;

// What the profile functions take for blank round a line, a name or a value.
bool IsProfileSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r' || ch == 0x1a;
}

bool IsQuote(char ch)
{
    return ch == '"' || ch == '\'';
}

bool IsLineEnd(char ch)
{
    return ch == '\r' || ch == '\n';
}

void TrimProfileSpace(const char*& pszStart, const char*& pszEnd)
{
    while (pszStart < pszEnd && IsProfileSpace(*pszStart))
        pszStart++;
    while (pszEnd > pszStart && IsProfileSpace(pszEnd[-1]))
        pszEnd--;
}

// A name as given by a caller, without the blanks round it, which the
// profile functions do not count either.
std::string TrimmedName(LPCTSTR lpszName)
{
    const char* pszStart = lpszName;
    const char* pszEnd = lpszName + strlen(lpszName);
    TrimProfileSpace(pszStart, pszEnd);
    return std::string(pszStart, pszEnd);
}

bool StartsWith(const std::string& strText, const char* pszStart)
{
    return strText.compare(0, strlen(pszStart), pszStart) == 0;
}

// The value as read: one pair of the same quotes round it is dropped, and it
// ends at a zero character.
void Unquote(const char*& pszStart, size_t& nLength)
{
    if (nLength >= 2 && IsQuote(pszStart[0]) && pszStart[nLength - 1] == pszStart[0])
    {
        pszStart++;
        nLength -= 2;
    }
    nLength = strnlen(pszStart, nLength);
}

// The value as written: in double quotes when reading would drop blank or a
// quote at one of its edges.
std::string Quoted(const std::string& strValue)
{
    if (strValue.empty())
        return strValue;
    const char chFirst = strValue.front(), chLast = strValue.back();
    if (!IsProfileSpace(chFirst) && !IsProfileSpace(chLast) && !IsQuote(chFirst) && !IsQuote(chLast))
        return strValue;
    return '"' + strValue + '"';
}

// Names made of ASCII, the same in every code page, are lowered here: most
// names are, and the system is slower at it.
bool IsAscii(const char* pszText, size_t nLength)
{
    return std::all_of(pszText, pszText + nLength, [](char ch) { return (unsigned char)ch < 0x80; });
}

wchar_t AsciiLower(char ch)
{
    return (wchar_t)(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
}

// FNV-1a over the UTF-16 of a name's key.
const UINT kHashStart = 2166136261u;

UINT HashStep(UINT nHash, wchar_t ch)
{
    return (nHash ^ ch) * 16777619u;
}

std::wstring WideFrom(const char* pszText, size_t nLength, UINT nCodePage)
{
    std::wstring strWide;
    if (nLength == 0)
        return strWide;
    // Neither the ANSI code page nor UTF-8 makes more characters than bytes.
    strWide.resize(nLength);
    strWide.resize(::MultiByteToWideChar(nCodePage, 0, pszText, (int)nLength, &strWide[0], (int)nLength));
    return strWide;
}

std::string NarrowFrom(const wchar_t* pszText, size_t nLength, UINT nCodePage)
{
    std::string strNarrow;
    if (nLength == 0)
        return strNarrow;
    const int nBytes = ::WideCharToMultiByte(nCodePage, 0, pszText, (int)nLength, NULL, 0, NULL, NULL);
    if (nBytes <= 0)
        throw std::bad_alloc(); // more than an int counts
    strNarrow.resize(nBytes);
    ::WideCharToMultiByte(nCodePage, 0, pszText, (int)nLength, &strNarrow[0], nBytes, NULL, NULL);
    return strNarrow;
}

void SwapByteOrder(wchar_t* pszText, size_t nLength)
{
    for (size_t i = 0; i < nLength; i++)
        pszText[i] = (wchar_t)((pszText[i] << 8) | (pszText[i] >> 8));
}

// A file's whole contents; FALSE when it cannot be read or is too big to hold.
BOOL ReadWholeFile(LPCTSTR lpszFileName, std::string& strBytes)
{
    HANDLE hFile = ::CreateFileA(lpszFileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    LARGE_INTEGER size;
    BOOL bRead = ::GetFileSizeEx(hFile, &size) && (ULONGLONG)size.QuadPart <= kLargestFile;
    if (bRead)
    {
        // The handle is closed whether or not the memory is there.
        const DWORD nSize = (DWORD)size.QuadPart;
        DWORD nRead = 0;
        try
        {
            strBytes.resize(nSize);
            bRead = nSize == 0 || (::ReadFile(hFile, &strBytes[0], nSize, &nRead, NULL) && nRead == nSize);
        }
        catch (const std::bad_alloc&)
        {
            bRead = FALSE;
        }
    }
    ::CloseHandle(hFile);
    return bRead;
}

// Writes the text held (in the ANSI code page or UTF-8) to a file in its
// form, a piece at a time: a piece is never split, so UTF-8 is turned into
// UTF-16 whole characters at a time.
class EncodedFileWriter
{
public:
    EncodedFileWriter(HANDLE hFile, const FileForm& form) : m_hFile(hFile), m_form(form)
    {
        WriteBytes(form.pszMark, strlen(form.pszMark));
        m_buffer.reserve(kWriteChunk);
    }
    void Write(const char* pszPiece, size_t nLength)
    {
        if (!m_buffer.empty() && m_buffer.size() + nLength > kWriteChunk)
            Flush();
        m_buffer.append(pszPiece, nLength);
    }
    // Writes what is left; whether every write succeeded.
    BOOL Finish()
    {
        Flush();
        return m_bWritten;
    }

private:
    void Flush()
    {
        if (!m_form.bUtf16)
            WriteBytes(m_buffer.data(), m_buffer.size());
        else
        {
            std::wstring strWide = WideFrom(m_buffer.data(), m_buffer.size(), CP_UTF8);
            if (m_form.bBigEndian)
                SwapByteOrder(&strWide[0], strWide.size());
            WriteBytes((const char*)strWide.data(), strWide.size() * sizeof(wchar_t));
        }
        m_buffer.clear();
    }
    void WriteBytes(const char* pBytes, size_t nLength)
    {
        DWORD nWritten = 0;
        if (nLength > 0 && (!::WriteFile(m_hFile, pBytes, (DWORD)nLength, &nWritten, NULL) || nWritten != nLength))
            m_bWritten = FALSE;
    }

    HANDLE m_hFile;
    const FileForm& m_form;
    std::string m_buffer;
    BOOL m_bWritten = TRUE;
};

} // namespace

CXTPPropExchangeIniDocument::CXTPPropExchangeIniDocument() : m_encoding(encodingAnsi)
{
    AppendSection(Span{0, 0}, false);
}

UINT CXTPPropExchangeIniDocument::CodePage() const
{
    return m_encoding == encodingAnsi ? CP_ACP : CP_UTF8;
}

const char* CXTPPropExchangeIniDocument::Chars(const Span& span) const
{
    if (span.nStart & kAddedText)
        return m_addedText.data() + (span.nStart & ~kAddedText);
    return m_text.data() + span.nStart;
}

CXTPPropExchangeIniDocument::Span CXTPPropExchangeIniDocument::SpanOf(const char* pszStart,
                                                                    const char* pszEnd) const
{
    return Span{(UINT)(pszStart - m_text.data()), (UINT)(pszEnd - pszStart)};
}

CXTPPropExchangeIniDocument::Span CXTPPropExchangeIniDocument::AddText(const std::string& strAnsi)
{
    const UINT nStart = (UINT)m_addedText.size();
    if (m_encoding == encodingAnsi)
        m_addedText += strAnsi;
    else
    {
        const std::wstring strWide = WideFrom(strAnsi.data(), strAnsi.size(), CP_ACP);
        m_addedText += NarrowFrom(strWide.data(), strWide.size(), CP_UTF8);
    }
    return Span{nStart | kAddedText, (UINT)m_addedText.size() - nStart};
}

std::wstring CXTPPropExchangeIniDocument::KeyOf(const char* pszName, size_t nLength, UINT nCodePage)
{
    if (IsAscii(pszName, nLength))
    {
        std::wstring strKey(nLength, L'\0');
        std::transform(pszName, pszName + nLength, strKey.begin(), AsciiLower);
        return strKey;
    }
    std::wstring strKey = WideFrom(pszName, nLength, nCodePage);
    ::CharLowerBuffW(&strKey[0], (DWORD)strKey.size());
    return strKey;
}

std::wstring CXTPPropExchangeIniDocument::KeyOf(const Span& span) const
{
    return KeyOf(Chars(span), span.nLength, CodePage());
}

UINT CXTPPropExchangeIniDocument::HashOf(const std::wstring& strKey)
{
    UINT nHash = kHashStart;
    for (wchar_t ch : strKey)
        nHash = HashStep(nHash, ch);
    return nHash;
}

UINT CXTPPropExchangeIniDocument::HashOf(const Span& span) const
{
    // An ASCII name is hashed as its key would be, without making the key.
    const char* pszName = Chars(span);
    if (!IsAscii(pszName, span.nLength))
        return HashOf(KeyOf(span));
    UINT nHash = kHashStart;
    for (UINT i = 0; i < span.nLength; i++)
        nHash = HashStep(nHash, AsciiLower(pszName[i]));
    return nHash;
}

const CXTPPropExchangeIniDocument::Section* CXTPPropExchangeIniDocument::FindSection(LPCTSTR lpszSection) const
{
    const std::string strName = TrimmedName(lpszSection);
    const std::wstring strKey = KeyOf(strName.data(), strName.size(), CP_ACP);
    // The chain runs from the last section of the hash to the first.
    const Section* pFound = NULL;
    for (UINT i = m_sectionIndex.Find(HashOf(strKey)); i != CXTPPropExchangeIniIndex::kNone;
         i = m_sections[i].nNextSameHash)
    {
        if (KeyOf(m_sections[i].name) == strKey)
            pFound = &m_sections[i];
    }
    return pFound;
}

CXTPPropExchangeIniDocument::Section* CXTPPropExchangeIniDocument::FindSection(LPCTSTR lpszSection)
{
    return const_cast<Section*>(static_cast<const CXTPPropExchangeIniDocument*>(this)->FindSection(lpszSection));
}

const CXTPPropExchangeIniDocument::Line* CXTPPropExchangeIniDocument::FindLine(const Section& section,
                                                                            LPCTSTR lpszName) const
{
    const std::string strName = TrimmedName(lpszName);
    const std::wstring strKey = KeyOf(strName.data(), strName.size(), CP_ACP);
    // The chain runs from the last line of the hash to the first.
    const Line* pFound = NULL;
    for (UINT i = section.lineIndex.Find(HashOf(strKey)); i != CXTPPropExchangeIniIndex::kNone;
         i = section.lines[i].nNextSameHash)
    {
        if (!section.lines[i].bRemoved && KeyOf(section.lines[i].name) == strKey)
            pFound = &section.lines[i];
    }
    return pFound;
}

void CXTPPropExchangeIniDocument::AppendSection(const Span& name, bool bHasHeader)
{
    // A section named again is a section of its own; the first is the one found.
    const UINT nHash = HashOf(name);
    m_sections.emplace_back();
    Section& section = m_sections.back();
    section.name = name;
    section.bHasHeader = bHasHeader;
    section.nNextSameHash = m_sectionIndex.Set(nHash, (UINT)m_sections.size() - 1);
}

CXTPPropExchangeIniDocument::Section& CXTPPropExchangeIniDocument::ObtainSection(LPCTSTR lpszSection)
{
    Section* pSection = FindSection(lpszSection);
    if (pSection != NULL)
        return *pSection;
    AppendSection(AddText(TrimmedName(lpszSection)), true);
    return m_sections.back();
}

void CXTPPropExchangeIniDocument::AddLine(Section& section, const Span& name, const Span& value, bool bHasValue)
{
    // Only the first line of a name counts: a later one stays in the text.
    const UINT nHash = HashOf(name);
    section.lines.push_back({name, value, CXTPPropExchangeIniIndex::kNone, bHasValue, false});
    section.lines.back().nNextSameHash = section.lineIndex.Set(nHash, (UINT)section.lines.size() - 1);
}

BOOL CXTPPropExchangeIniDocument::Parse(const char* pszBytes, size_t nLength)
{
    return Load([&](std::string& strBytes) {
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
    try
    {
        CXTPPropExchangeIniDocument loaded;
        if (!readBytes(loaded.m_text))
            return FALSE;
        loaded.DecodeText();
        loaded.ParseText();
        *this = std::move(loaded);
        return TRUE;
    }
    catch (const std::bad_alloc&)
    {
        return FALSE;
    }
}

void CXTPPropExchangeIniDocument::DecodeText()
{
    for (int nForm = encodingUtf8; nForm <= encodingUtf16BE; nForm++)
    {
        if (StartsWith(m_text, kFileForms[nForm].pszMark))
            m_encoding = (Encoding)nForm;
    }
    const FileForm& form = kFileForms[m_encoding];
    m_text.erase(0, strlen(form.pszMark));
    if (!form.bUtf16)
        return;
    // Whole characters (an odd last byte is none), turned into UTF-8.
    wchar_t* pszWide = (wchar_t*)&m_text[0];
    const size_t nWide = m_text.size() / sizeof(wchar_t);
    if (form.bBigEndian)
        SwapByteOrder(pszWide, nWide);
    std::string strUtf8 = NarrowFrom(pszWide, nWide, CP_UTF8);
    m_text.swap(strUtf8);
}

void CXTPPropExchangeIniDocument::ParseText()
{
    UINT nSection = 0;
    const char* pszEnd = m_text.data() + m_text.size();
    for (const char* pszLine = m_text.data();; pszLine++)
    {
        const char* pszLineEnd = pszLine;
        while (pszLineEnd < pszEnd && !IsLineEnd(*pszLineEnd))
            pszLineEnd++;
        ParseLine(pszLine, pszLineEnd, nSection);
        if (pszLineEnd == pszEnd)
            break;
        pszLine = pszLineEnd;
    }
    // The lines were taken in by growing arrays: held, they take no more
    // than they need.
    for (Section& section : m_sections)
        section.lines.shrink_to_fit();
}

void CXTPPropExchangeIniDocument::ParseLine(const char* pszStart, const char* pszEnd, UINT& nSection)
{
    TrimProfileSpace(pszStart, pszEnd);
    if (pszStart == pszEnd)
        return;
    if (*pszStart == '[')
    {
        const char* pszClose = pszEnd - 1;
        while (pszClose > pszStart && *pszClose != ']')
            pszClose--;
        if (pszClose > pszStart)
        {
            const char* pszName = pszStart + 1;
            TrimProfileSpace(pszName, pszClose);
            AppendSection(SpanOf(pszName, pszClose), true);
            nSection = (UINT)m_sections.size() - 1;
            return;
        }
    }
    Section& section = m_sections[nSection];
    const char* pszEquals = (const char*)memchr(pszStart, '=', pszEnd - pszStart);
    if (pszEquals == NULL)
    {
        AddLine(section, SpanOf(pszStart, pszEnd), Span{0, 0}, false);
        return;
    }
    const char* pszNameEnd = pszEquals;
    const char* pszValue = pszEquals + 1;
    TrimProfileSpace(pszStart, pszNameEnd);
    TrimProfileSpace(pszValue, pszEnd);
    AddLine(section, SpanOf(pszStart, pszNameEnd), SpanOf(pszValue, pszEnd), true);
}

void CXTPPropExchangeIniDocument::WriteText(const std::function<void(const char*, size_t)>& write) const
{
    bool bWritten = false;
    for (const Section& section : m_sections)
    {
        if (section.bHasHeader)
        {
            if (bWritten)
                write(kNewLine, 2);
            write("[", 1);
            write(Chars(section.name), section.name.nLength);
            write("]\r\n", 3);
            bWritten = true;
        }
        for (const Line& line : section.lines)
        {
            if (line.bRemoved)
                continue;
            write(Chars(line.name), line.name.nLength);
            if (line.bHasValue)
            {
                write("=", 1);
                write(Chars(line.value), line.value.nLength);
            }
            write(kNewLine, 2);
            bWritten = true;
        }
    }
}

std::string CXTPPropExchangeIniDocument::GetText() const
{
    std::string strText;
    WriteText([&](const char* pszPiece, size_t nLength) { strText.append(pszPiece, nLength); });
    return strText;
}

BOOL CXTPPropExchangeIniDocument::SaveToFile(LPCTSTR lpszFileName) const
{
    HANDLE hFile = ::CreateFileA(lpszFileName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL bWritten = FALSE;
    try
    {
        EncodedFileWriter writer(hFile, kFileForms[m_encoding]);
        WriteText([&](const char* pszPiece, size_t nLength) { writer.Write(pszPiece, nLength); });
        bWritten = writer.Finish();
    }
    catch (const std::bad_alloc&)
    {
        bWritten = FALSE;
    }
    ::CloseHandle(hFile);
    return bWritten;
}

BOOL CXTPPropExchangeIniDocument::HasSection(LPCTSTR lpszSection) const
{
    return FindSection(lpszSection) != NULL;
}

void CXTPPropExchangeIniDocument::AddSection(LPCTSTR lpszSection)
{
    ObtainSection(lpszSection);
}

BOOL CXTPPropExchangeIniDocument::Lookup(LPCTSTR lpszSection, LPCTSTR lpszName, CString& strValue) const
{
    const Section* pSection = FindSection(lpszSection);
    const Line* pLine = pSection != NULL ? FindLine(*pSection, lpszName) : NULL;
    if (pLine == NULL || !pLine->bHasValue)
        return FALSE;
    const char* pszValue = Chars(pLine->value);
    size_t nLength = pLine->value.nLength;
    Unquote(pszValue, nLength);
    if (m_encoding == encodingAnsi)
        strValue = CString(pszValue, (int)nLength);
    else
        strValue = CString(WideFrom(pszValue, nLength, CP_UTF8).c_str());
    return TRUE;
}

void CXTPPropExchangeIniDocument::SetValue(LPCTSTR lpszSection, LPCTSTR lpszName, const CString& strValue)
{
    ASSERT(strchr(strValue, '\n') == NULL && strchr(strValue, '\r') == NULL);
    Section& section = ObtainSection(lpszSection);
    const Span value = AddText(Quoted(std::string(strValue, strValue.GetLength())));
    Line* pLine = const_cast<Line*>(FindLine(section, lpszName));
    if (pLine == NULL)
    {
        AddLine(section, AddText(TrimmedName(lpszName)), value, true);
        return;
    }
    pLine->value = value;
    pLine->bHasValue = true;
}

void CXTPPropExchangeIniDocument::RemoveValue(LPCTSTR lpszSection, LPCTSTR lpszName)
{
    // The line is left out of the text; a later line of the name, if any,
    // is found in its place, as the profile functions would.
    Section* pSection = FindSection(lpszSection);
    Line* pLine = pSection != NULL ? const_cast<Line*>(FindLine(*pSection, lpszName)) : NULL;
    if (pLine != NULL)
        pLine->bRemoved = true;
}
