#pragma once
// The character references of a page's text: the five named ones ("&amp;",
// "&lt;", "&gt;", "&quot;", "&apos;"), decimal ("&#38;") and hexadecimal
// ("&#x26;"). The result-page parser decodes titles and summaries by its own
// rules with NamedCharacterAt; a link stays as the page wrote it, and is
// decoded only when it is handed to a browser:
//
//     CString address = DecodeCharacterReferences(item->link);
//     // "http://a/?x=1&amp;y=2" gives "http://a/?x=1&y=2"
#include "framework/core/CString.h"

struct NamedCharacter
{
    const char* name; // without the '&' and the ';'
    char character;
};

// The named character whose name the text starts with ("amp;x" and "ampx"
// both give the ampersand), tested in the order quot, apos, amp, lt, gt;
// null for none.
const NamedCharacter* NamedCharacterAt(const char* text);

// The text with each well-formed reference replaced by its character. A
// reference is well-formed when it ends in ';' and names one of the five, or
// gives one or more decimal digits (after "&#") or hexadecimal digits (after
// "&#x" or "&#X") for a character of the ANSI code page that is no control
// character (U+0000 to U+001F, U+007F to U+009F). Anything else (an unknown
// name, no ';', no digits, NUL, a control character, a surrogate, a number
// past U+10FFFF or a character the code page lacks) stays as written. The
// result is not decoded again: "&amp;amp;" gives "&amp;".
CString DecodeCharacterReferences(const char* text);
