#include "IniProfileCompare.h"

#include <string.h>

#include <vector>

namespace {

// More than the longest value a test writes.
const DWORD kValueBuffer = 64 * 1024;

// The strings of a list the profile functions give: each ended by a zero.
std::vector<std::string> ZeroEndedList(const char* pszList, DWORD nLength)
{
    std::vector<std::string> items;
    for (const char* psz = pszList; psz < pszList + nLength && *psz != 0; psz += strlen(psz) + 1)
        items.push_back(psz);
    return items;
}

} // namespace

std::string ProfileRead(const std::string& strPath, const char* pszSection, const char* pszName)
{
    std::vector<char> value(kValueBuffer);
    const DWORD nLength = ::GetPrivateProfileStringA(pszSection, pszName, "<missing>", value.data(),
                                                     (DWORD)value.size(), strPath.c_str());
    return std::string(value.data(), nLength);
}

std::string DocumentRead(const CXTPPropExchangeIniDocument& doc, const char* pszSection, const char* pszName)
{
    CString strValue;
    return doc.Lookup(pszSection, pszName, strValue) ? std::string(strValue) : "<missing>";
}

ProfileValues ReadAllAsProfile(const std::string& strPath)
{
    std::vector<char> buffer(1 << 16);
    std::vector<std::string> sections = ZeroEndedList(
        buffer.data(), ::GetPrivateProfileSectionNamesA(buffer.data(), (DWORD)buffer.size(), strPath.c_str()));
    sections.push_back("");
    ProfileValues values;
    for (const std::string& strSection : sections)
    {
        const DWORD nLength = ::GetPrivateProfileStringA(strSection.c_str(), NULL, "", buffer.data(),
                                                         (DWORD)buffer.size(), strPath.c_str());
        for (const std::string& strName : ZeroEndedList(buffer.data(), nLength))
            values[{strSection, strName}] = ProfileRead(strPath, strSection.c_str(), strName.c_str());
    }
    return values;
}

std::string AsciiUpper(std::string strText)
{
    for (char& ch : strText)
    {
        if (ch >= 'a' && ch <= 'z')
            ch = (char)(ch - 'a' + 'A');
    }
    return strText;
}

std::string Utf16Bytes(const std::string& strUtf8, bool bBigEndian)
{
    std::wstring strWide(strUtf8.size(), L'\0');
    strWide.resize(::MultiByteToWideChar(CP_UTF8, 0, strUtf8.data(), (int)strUtf8.size(), &strWide[0],
                                         (int)strWide.size()));
    std::string strBytes;
    for (wchar_t ch : strWide)
    {
        const char low = (char)(ch & 0xFF), high = (char)(ch >> 8);
        strBytes += bBigEndian ? high : low;
        strBytes += bBigEndian ? low : high;
    }
    return strBytes;
}
