#include "engine/CharacterReferences.h"

#include <windows.h>
#include <string.h>

namespace {

const NamedCharacter kNamedCharacters[] = {
    {"quot", '"'}, {"apos", '\''}, {"amp", '&'}, {"lt", '<'}, {"gt", '>'}};

const unsigned kLastCodePoint = 0x10FFFF;

int DigitValue(char c, unsigned base)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The code point of the digits at p up to their ';', and the position after
// it; false when there are no digits, no ';' or a number past the last code
// point.
bool ReadNumber(const char* p, unsigned base, unsigned& codePoint, const char*& after)
{
    codePoint = 0;
    const char* digits = p;
    for (int digit; (digit = DigitValue(*p, base)) >= 0; ++p)
    {
        codePoint = codePoint * base + digit;
        if (codePoint > kLastCodePoint)
            return false;
    }
    if (p == digits || *p != ';')
        return false;
    after = p + 1;
    return true;
}

// A control character: C0 (below the space), DEL, or C1 (U+0080 to U+009F,
// which code page 1252 maps to its unassigned bytes 0x81, 0x8D, 0x8F, 0x90
// and 0x9D and reads back as themselves).
bool IsControlCharacter(unsigned codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

// The code point as characters of the ANSI code page; false for a control
// character, a surrogate, a code point past the basic plane or one the code
// page lacks. A best-fit stand-in ('a' for an alpha) is no character of the
// page: only what reads back as the code point counts.
bool AppendAnsi(unsigned codePoint, CString& out)
{
    if (IsControlCharacter(codePoint) || codePoint > 0xFFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return false;
    const WCHAR wide = (WCHAR)codePoint;
    char bytes[4];
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, NULL, NULL);
    WCHAR readBack[2] = {};
    if (nBytes <= 0 || ::MultiByteToWideChar(CP_ACP, 0, bytes, nBytes, readBack, 2) != 1 || readBack[0] != wide)
        return false;
    for (int i = 0; i < nBytes; ++i)
        out += bytes[i];
    return true;
}

// Decodes the reference at p (its '&') onto out; the position after it, or
// null when it is not well-formed and nothing was added.
const char* DecodeReference(const char* p, CString& out)
{
    if (p[1] == '#')
    {
        const bool bHex = p[2] == 'x' || p[2] == 'X';
        unsigned codePoint;
        const char* after;
        if (ReadNumber(p + (bHex ? 3 : 2), bHex ? 16 : 10, codePoint, after) && AppendAnsi(codePoint, out))
            return after;
        return nullptr;
    }
    const NamedCharacter* named = NamedCharacterAt(p + 1);
    if (named == nullptr || p[1 + strlen(named->name)] != ';')
        return nullptr;
    out += named->character;
    return p + 2 + strlen(named->name);
}

} // namespace

const NamedCharacter* NamedCharacterAt(const char* text)
{
    for (const NamedCharacter& named : kNamedCharacters)
    {
        if (strncmp(text, named.name, strlen(named.name)) == 0)
            return &named;
    }
    return nullptr;
}

CString DecodeCharacterReferences(const char* text)
{
    CString out;
    const char* p = text;
    while (const char* amp = strchr(p, '&'))
    {
        out += CString(p, (int)(amp - p));
        const char* after = DecodeReference(amp, out);
        if (after == nullptr)
        {
            out += '&';
            after = amp + 1;
        }
        p = after;
    }
    return out + p;
}
