#include "engine/CharacterReferences.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case
{
    const char* name;
    const char* text;
    const char* decoded;
};

// The test runs with the ANSI code page 1252 (where U+00E9 is 0xE9 and U+20AC
// is 0x80), as every test of the program does.
TEST(CharacterReferences, WellFormedReferencesAreDecodedAndTheRestStaysAsWritten)
{
    const Case cases[] = {
        {"a link as the page writes it", "http://a/?x=1&amp;y=2&amp;z=3", "http://a/?x=1&y=2&z=3"},
        {"every named one", "&amp;&lt;&gt;&quot;&apos;", "&<>\"'"},
        {"decimal", "?a=1&#38;b=2", "?a=1&b=2"},
        {"decimal with leading zeros", "&#0000038;", "&"},
        {"hexadecimal, small x", "?a=1&#x26;b=2", "?a=1&b=2"},
        {"hexadecimal, capital X and digits", "&#X2F;&#x2f;&#x3D;", "//="},
        {"a character of the code page", "/caf&#233;/&#x20AC;", "/caf\xE9/\x80"},
        {"decoded once", "&amp;amp; &amp;#38;", "&amp; &#38;"},
        {"an ampersand of its own", "a & b &", "a & b &"},
        {"two ampersands", "&&amp;", "&&"},
        {"nothing to decode", "http://a/b", "http://a/b"},
        {"empty", "", ""},
        {"a named one without ';'", "?x=1&amp=2&ampy", "?x=1&amp=2&ampy"},
        {"a name in capitals", "&AMP;&Amp;", "&AMP;&Amp;"},
        {"an unknown name", "&nbsp;&copy;&ampx;", "&nbsp;&copy;&ampx;"},
        {"no digits", "&#;&#x;&#X;", "&#;&#x;&#X;"},
        {"a number without ';'", "&#38 &#x26", "&#38 &#x26"},
        {"a number with other characters", "&#3a8;&#x2g;&# 38;", "&#3a8;&#x2g;&# 38;"},
        {"hex digits after a decimal mark", "&#2F;", "&#2F;"},
        {"NUL and control characters", "&#0;&#9;&#x0A;&#127;&#31;", "&#0;&#9;&#x0A;&#127;&#31;"},
        {"C1 control characters the code page passes through", "&#129;&#x8D;&#143;&#x90;&#157;",
         "&#129;&#x8D;&#143;&#x90;&#157;"},
        {"the C1 range's ends", "&#x80;&#159;&#xA0;", "&#x80;&#159;\xA0"},
        {"surrogates", "&#xD800;&#57343;", "&#xD800;&#57343;"},
        {"past the last code point", "&#x110000;&#1114112;&#99999999999999999999;",
         "&#x110000;&#1114112;&#99999999999999999999;"},
        {"beyond the basic plane", "&#x1F600;", "&#x1F600;"},
        {"a character the code page lacks", "&#x3B1;&#1071;", "&#x3B1;&#1071;"},
        {"cut at the end", "a&am", "a&am"},
        {"a lone '&#' at the end", "a&#", "a&#"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(DecodeCharacterReferences(c.text)), c.decoded) << c.name;
}

TEST(CharacterReferences, NamedCharacterAtMatchesTheNameThatStartsTheText)
{
    const struct
    {
        const char* text;
        char character; // 0: none
    } cases[] = {{"amp;", '&'}, {"ampx", '&'}, {"lt", '<'}, {"gt;", '>'}, {"quot", '"'},
                 {"apos;", '\''}, {"am", 0},  {"AMP;", 0}, {"", 0},       {"nbsp;", 0}};
    for (const auto& c : cases)
    {
        const NamedCharacter* named = NamedCharacterAt(c.text);
        EXPECT_EQ(named != nullptr ? named->character : 0, c.character) << c.text;
    }
}

} // namespace
