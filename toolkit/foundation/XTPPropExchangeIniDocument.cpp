#include "toolkit/foundation/XTPPropExchangeIniDocument.h"

#include <string.h>

namespace {

const char kNewLine[] = "\r\n";

// What the profile functions take for blank round a line, a name or a value.
bool IsProfileSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r' || ch == 0x1a;
}

bool IsQuote(char ch)
{
    return ch == '"' || ch == '\'';
}

void TrimProfileSpace(const char*& pszStart, const char*& pszEnd)
{
    while (pszStart < pszEnd && IsProfileSpace(*pszStart))
        pszStart++;
    while (pszEnd > pszStart && IsProfileSpace(pszEnd[-1]))
        pszEnd--;
}

// The value as read: one pair of the same quotes round it is dropped.
std::string Unquoted(const std::string& strValue)
{
    const size_t nLength = strValue.size();
    if (nLength >= 2 && IsQuote(strValue[0]) && strValue[nLength - 1] == strValue[0])
        return strValue.substr(1, nLength - 2);
    return strValue;
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

// A file's whole contents; FALSE when it cannot be read.
BOOL ReadWholeFile(LPCTSTR lpszFileName, std::string& strBytes)
{
    HANDLE hFile = ::CreateFileA(lpszFileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    const DWORD nSize = ::GetFileSize(hFile, NULL);
    DWORD nRead = 0;
    BOOL bRead = nSize != INVALID_FILE_SIZE;
    if (bRead)
    {
        strBytes.resize(nSize);
        bRead = nSize == 0 || (::ReadFile(hFile, &strBytes[0], nSize, &nRead, NULL) && nRead == nSize);
    }
    ::CloseHandle(hFile);
    return bRead;
}

} // namespace

std::string CXTPPropExchangeIniDocument::KeyOf(const std::string& strName)
{
    std::string strKey = strName;
    if (!strKey.empty())
        ::CharLowerBuffA(&strKey[0], (DWORD)strKey.size());
    return strKey;
}

const CXTPPropExchangeIniDocument::Section* CXTPPropExchangeIniDocument::FindSection(LPCTSTR lpszSection) const
{
    auto it = m_sectionIndex.find(KeyOf(lpszSection));
    return it == m_sectionIndex.end() ? NULL : &m_sections[it->second];
}

CXTPPropExchangeIniDocument::Section* CXTPPropExchangeIniDocument::FindSection(LPCTSTR lpszSection)
{
    return const_cast<Section*>(static_cast<const CXTPPropExchangeIniDocument*>(this)->FindSection(lpszSection));
}

CXTPPropExchangeIniDocument::Section& CXTPPropExchangeIniDocument::AppendSection(const std::string& strName)
{
    // A section named again is a section of its own; the first is the one found.
    m_sectionIndex.insert({KeyOf(strName), m_sections.size()});
    m_sections.push_back(Section());
    m_sections.back().strName = strName;
    return m_sections.back();
}

CXTPPropExchangeIniDocument::Section& CXTPPropExchangeIniDocument::ObtainSection(const std::string& strName)
{
    Section* pSection = FindSection(strName.c_str());
    return pSection != NULL ? *pSection : AppendSection(strName);
}

void CXTPPropExchangeIniDocument::AddLine(Section& section, const std::string& strName,
                                          const std::string& strValue, bool bHasValue)
{
    // Only the first line of a name counts: a later one stays in the text.
    section.lineIndex.insert({KeyOf(strName), section.lines.size()});
    section.lines.push_back({strName, strValue, bHasValue, false});
}

void CXTPPropExchangeIniDocument::Parse(const char* pszText, size_t nLength)
{
    m_sections.clear();
    m_sectionIndex.clear();
    Section* pSection = NULL;
    const char* pszEnd = pszText + nLength;
    for (const char* pszLine = pszText; pszLine < pszEnd;)
    {
        const char* pszBreak = (const char*)memchr(pszLine, '\n', pszEnd - pszLine);
        const char* pszLineEnd = pszBreak != NULL ? pszBreak : pszEnd;
        ParseLine(pszLine, pszLineEnd, pSection);
        pszLine = pszLineEnd + 1;
    }
}

void CXTPPropExchangeIniDocument::ParseLine(const char* pszStart, const char* pszEnd, Section*& pSection)
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
            pSection = &AppendSection(std::string(pszStart + 1, pszClose));
            return;
        }
    }
    if (pSection == NULL)
        pSection = &ObtainSection("");
    const char* pszEquals = (const char*)memchr(pszStart, '=', pszEnd - pszStart);
    if (pszEquals == NULL)
    {
        AddLine(*pSection, std::string(pszStart, pszEnd), std::string(), false);
        return;
    }
    const char* pszNameEnd = pszEquals;
    const char* pszValue = pszEquals + 1;
    TrimProfileSpace(pszStart, pszNameEnd);
    TrimProfileSpace(pszValue, pszEnd);
    AddLine(*pSection, std::string(pszStart, pszNameEnd), std::string(pszValue, pszEnd), true);
}

std::string CXTPPropExchangeIniDocument::GetText() const
{
    std::string strText;
    for (const Section& section : m_sections)
    {
        if (!strText.empty())
            strText += kNewLine;
        if (!section.strName.empty())
            strText += '[' + section.strName + ']' + kNewLine;
        for (const Line& line : section.lines)
        {
            if (line.bRemoved)
                continue;
            strText += line.strName;
            if (line.bHasValue)
                strText += '=' + line.strValue;
            strText += kNewLine;
        }
    }
    return strText;
}

BOOL CXTPPropExchangeIniDocument::LoadFromFile(LPCTSTR lpszFileName)
{
    std::string strBytes;
    if (!ReadWholeFile(lpszFileName, strBytes))
        return FALSE;
    Parse(strBytes.data(), strBytes.size());
    return TRUE;
}

BOOL CXTPPropExchangeIniDocument::SaveToFile(LPCTSTR lpszFileName) const
{
    const std::string strText = GetText();
    HANDLE hFile = ::CreateFileA(lpszFileName, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD nWritten = 0;
    const BOOL bWritten = ::WriteFile(hFile, strText.data(), (DWORD)strText.size(), &nWritten, NULL)
                          && nWritten == strText.size();
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
    if (pSection == NULL)
        return FALSE;
    auto it = pSection->lineIndex.find(KeyOf(lpszName));
    if (it == pSection->lineIndex.end() || !pSection->lines[it->second].bHasValue)
        return FALSE;
    const std::string strRead = Unquoted(pSection->lines[it->second].strValue);
    strValue = CString(strRead.data(), (int)strRead.size());
    return TRUE;
}

void CXTPPropExchangeIniDocument::SetValue(LPCTSTR lpszSection, LPCTSTR lpszName, const CString& strValue)
{
    ASSERT(strchr(strValue, '\n') == NULL && strchr(strValue, '\r') == NULL);
    Section& section = ObtainSection(lpszSection);
    const std::string strWritten = Quoted(std::string(strValue, strValue.GetLength()));
    auto it = section.lineIndex.find(KeyOf(lpszName));
    if (it == section.lineIndex.end())
    {
        AddLine(section, lpszName, strWritten, true);
        return;
    }
    Line& line = section.lines[it->second];
    line.strValue = strWritten;
    line.bHasValue = true;
}

void CXTPPropExchangeIniDocument::RemoveValue(LPCTSTR lpszSection, LPCTSTR lpszName)
{
    Section* pSection = FindSection(lpszSection);
    if (pSection == NULL)
        return;
    const std::string strKey = KeyOf(lpszName);
    auto it = pSection->lineIndex.find(strKey);
    if (it == pSection->lineIndex.end())
        return;
    // The line is left out of the text; a later line of the name, if any,
    // is found in its place, as the profile functions would.
    pSection->lines[it->second].bRemoved = true;
    pSection->lineIndex.erase(it);
    for (size_t i = 0; i < pSection->lines.size(); i++)
    {
        if (!pSection->lines[i].bRemoved && KeyOf(pSection->lines[i].strName) == strKey)
        {
            pSection->lineIndex.insert({strKey, i});
            break;
        }
    }
}
