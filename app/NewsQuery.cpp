#include "app/NewsQuery.h"

#include "engine/HttpClient.h"

const char kNewsSearchPath[] = "/nwshp?ie=UTF-8&oe=UTF-8&hl=en&tab=wn&scoring=n&q=";

namespace {

// Converts through UTF-16; each step measures its output first.
void ConvertCodePage(const CString& in, UINT fromCodePage, UINT toCodePage, CString& out)
{
    int nWide = ::MultiByteToWideChar(fromCodePage, 0, in, -1, NULL, 0);
    if (nWide <= 0)
    {
        out.Empty();
        return;
    }
    WCHAR* wide = new WCHAR[nWide];
    ::MultiByteToWideChar(fromCodePage, 0, in, -1, wide, nWide);
    int nBytes = ::WideCharToMultiByte(toCodePage, 0, wide, -1, NULL, 0, NULL, NULL);
    char* bytes = new char[nBytes > 0 ? nBytes : 1];
    bytes[0] = '\0';
    if (nBytes > 0)
        ::WideCharToMultiByte(toCodePage, 0, wide, -1, bytes, nBytes, NULL, NULL);
    out = bytes;
    delete[] bytes;
    delete[] wide;
}

bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
           || c == '_' || c == '~';
}

} // namespace

void AnsiToUtf8(const CString& in, CString& out)
{
    ConvertCodePage(in, CP_ACP, CP_UTF8, out);
}

void Utf8ToAnsi(const CString& in, CString& out)
{
    ConvertCodePage(in, CP_UTF8, CP_ACP, out);
}

CString EncodeQueryValue(const char* text)
{
    static const char kHex[] = "0123456789ABCDEF";
    CString encoded;
    for (const unsigned char* p = (const unsigned char*)text; *p != 0; ++p)
    {
        const unsigned char c = *p;
        if (c < 0x20 || c == 0x7F)
            continue;
        if (IsUnreserved(c))
            encoded += (char)c;
        else if (c == ' ')
            encoded += '+';
        else
        {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0x0F];
        }
    }
    return encoded;
}

CString NewsSearchUrl(const CString& host, const CString& keywordName)
{
    CString utf8;
    AnsiToUtf8(keywordName, utf8);
    return "http://" + host + kNewsSearchPath + EncodeQueryValue(utf8);
}

BOOL CanSendNewsQuery(const CString& host, const CString& keywordName)
{
    // A host no request can go to (a damaged "SearchHost") is not the
    // keyword's fault: only a keyword that makes a sendable request unsendable
    // is refused.
    return HttpClient::CanRequest(NewsSearchUrl(host, keywordName)) ||
           !HttpClient::CanRequest(NewsSearchUrl(host, ""));
}
