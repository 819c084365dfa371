#include "engine/XmlReader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// A compact text form of a node tree for comparing parse results in tables:
// a letter for the node type, the name, the attributes in parentheses (a
// missing value shows as null), the value in quotes, the children in brackets.
std::string DumpXmlNode(const XmlNodeRecord* node)
{
    static const char letters[] = "0#ETCMPIDNALO";
    std::string out(1, letters[node->type]);
    if (node->name)
        out += node->name;
    if (node->attributeCount)
    {
        out += "(";
        for (unsigned i = 0; i < node->attributeCount; ++i)
        {
            const XmlAttrRecord* attribute = node->attributes[i];
            out += i ? " " : "";
            out += attribute->name ? attribute->name : "~";
            out += "=";
            out += attribute->value ? "'" + std::string(attribute->value) + "'" : "null";
        }
        out += ")";
    }
    if (node->value)
        out += "'" + std::string(node->value) + "'";
    if (node->childCount)
    {
        out += "[";
        for (unsigned i = 0; i < node->childCount; ++i)
            out += (i ? "," : "") + DumpXmlNode(node->children[i]);
        out += "]";
    }
    return out;
}

// A copy of text parsed under a fresh document node.
struct ParsedText
{
    ParsedText(const std::string& text, unsigned flags) : buffer(text.begin(), text.end())
    {
        buffer.push_back('\0');
        root = XmlNewNode(XmlDocumentNode);
        root->parent = root;
        end = XmlParse(buffer.data(), root, 4, flags);
    }
    ~ParsedText() { XmlFreeTree(root); }

    // The document's children, as DumpXmlNode writes them.
    std::string Dump() const
    {
        std::string out;
        for (unsigned i = 0; i < root->childCount; ++i)
            out += (i ? "," : "") + DumpXmlNode(root->children[i]);
        return out;
    }
    size_t StopOffset() const { return end - buffer.data(); }
    size_t Length() const { return buffer.size() - 1; }

    std::vector<char> buffer;
    XmlNodeRecord* root;
    char* end;
};

// Every pointer of the tree must lie inside the parsed text, and every child
// must point at its parent.
void ExpectInside(const XmlNodeRecord* node, const char* begin, size_t length)
{
    auto inside = [&](const char* p) { return !p || (p >= begin && p <= begin + length); };
    EXPECT_TRUE(inside(node->name) && inside(node->value));
    for (unsigned i = 0; i < node->attributeCount; ++i)
        EXPECT_TRUE(inside(node->attributes[i]->name) && inside(node->attributes[i]->value));
    for (unsigned i = 0; i < node->childCount; ++i)
    {
        EXPECT_EQ(node->children[i]->parent, node);
        ExpectInside(node->children[i], begin, length);
    }
}

// Each text with the parse flags and the tree it gives.
const std::tuple<const char*, unsigned, const char*> kParseCases[] = {
    // Elements and attributes.
    {"<x a='1' b=\"2\"/>", XmlParseAll, "Ex(a='1' b='2')"},
    {"<a><b><c/></b><d>t</d></a>", XmlParseAll, "Ea[Eb[Ec],Ed[T't']]"},
    {"<a x y=\"1\" z>", XmlParseAll, "Ea(x=null y='1' z=null)"},
    {"<a x = \"1\"  y\t=\t'2'>", XmlParseAll, "Ea(x='1' y='2')"},
    {"<a x \"v\">", XmlParseAll, "Ea(x='v')"},
    {"<a x=\"1\"y=\"2\"/>", XmlParseAll, "Ea(x='1' y='2')"},
    {"<a x=\"\"/>", XmlParseAll, "Ea(x='')"},
    {"<a x=\"he said \\\"hi\\\"\" y=\"z\"/>", XmlParseAll, "Ea(x='he said \\\"hi\\\"' y='z')"},
    {"<a x='it\\'s' y='z'/>", XmlParseAll, "Ea(x='it\\'s' y='z')"},
    {"<a x=\"<&>\"/>", XmlParseAll, "Ea(x='<&>')"},
    {"<a x=1 y=\"2\">", XmlParseAll, "Ea(x=null 1=null y='2')"},
    // Text content.
    {"<a>  hello   world  </a>", XmlParseAll, "Ea[T'hello world']"},
    {"<a> x  y </a>", 0, "Ea[T' x  y ']"},
    {"<a> x  y </a>", XmlTrimText, "Ea[T'x  y']"},
    {"<a>   </a>", XmlParseAll, "Ea"},
    {"<a>t<b/>u</a>", XmlParseAll, "Ea[T't',Eb]"},
    {"<a>&amp;&lt;</a>", XmlParseAll, "Ea[T'&amp;&lt;']"},
    // End tags close whatever is open.
    {"<a><b></a><c/>", XmlParseAll, "Ea[Eb,Ec]"},
    {"</x><a/>", XmlParseAll, "Ea"},
    {"<a></b></c><d/>", XmlParseAll, "Ea,Ed"},
    // Processing instructions.
    {"<?xml version=\"1.0\" encoding=\"ANSI\" ?><r/>", XmlParseAll, "Pxml(version='1.0' encoding='ANSI'),Er"},
    {"<?xml version=\"1.0\"?><r/>", 0, "Er"},
    {"<? x ?><r/>", XmlParseAll, "Er"},
    // Comments.
    {"<a><!-- hi --></a>", XmlParseAll, "Ea[M'hi']"},
    {"<a><!-- hi --></a>", XmlParseComments, "Ea[M' hi ']"},
    {"<a><!-- hi --></a>", 0, "Ea"},
    {"<!- odd --><a/>", XmlParseAll, "Ea"},
    {"<!--a--b--><a/>", XmlParseAll, "M'a--b',Ea"},
    // CDATA and INCLUDE sections.
    {"<a><![CDATA[ x<y ]]></a>", XmlParseAll, "Ea[C'x<y']"},
    {"<a><![CDATA[ x<y ]]></a>", XmlParseCData, "Ea[C' x<y ']"},
    {"<a><![CDATA[x<y]]></a>", 0, "Ea"},
    {"<![INCLUDE[ q ]]><a/>", XmlParseAll, "I'q',Ea"},
    {"<![INCLUDE[ q ]]><a/>", 0, "Ea"},
    {"<![OTHER[ q ]]><a/>", XmlParseAll, "Ea"},
    // DOCTYPE: under all flags the parse ends after the internal subset.
    {"<!DOCTYPE r [<!ELEMENT r ANY>]><r/>", XmlParseAll, "D(r='r')'<!ELEMENT r'[Lr'ANY']"},
    {"<!DOCTYPE r SYSTEM \"r.dtd\"><r/>", XmlParseAll, "D(r='r' SYSTEM='SYSTEM' ~='r.dtd'),Er"},
    {"<!DOCTYPE r>", XmlParseAll, "D(r='r')"},
    {"<!DOCTYPE r [ <!ENTITY x 'y'> ]><r/>", XmlParseDocType, "D(r='r')' <!ENTITY x 'y'> ',Er"},
    {"<!DOCTYPE r [ <!ENTITY x 'y'> ]><r/>", XmlParseDocType | XmlTrimDocType,
     "D(r='r')'<!ENTITY x 'y'>',Er"},
    {"<!DOCTYPE r [[nested]]><r/>", XmlParseDocType, "D(r='r')'[nested]',Er"},
    {"<!DOCTYPE r [<!ELEMENT r ANY>]><r/>", 0, "Er"},
    {"<!DOCTYPE r [<!ELEMENT r ANY>]><r/>", XmlParseDocType | XmlParseDtd,
     "D(r='r')'<!ELEMENT r'[Lr'ANY'],Er"},
    // Declarations.
    // The subset is parsed in place, so the DOCTYPE's value is cut where the
    // first declaration's name ends.
    {"<!DOCTYPE r [<!ENTITY % p \"v>w\">]>", XmlParseAll, "D(r='r')'<!ENTITY %%p'[N%p'\"v>w\"']"},
    {"<!DOCTYPE r [<!ATTLIST r a CDATA #IMPLIED>]>", XmlParseAll,
     "D(r='r')'<!ATTLIST r'[Ar'a CDATA #IMPLIED']"},
    {"<!DOCTYPE r [<!NOTATION n SYSTEM 'x'>]>", XmlParseAll, "D(r='r')'<!NOTATION n'[On'SYSTEM 'x'']"},
    {"<!ENTITY e>", XmlParseAll, "Ne''"},
    {"<!ENTITY e  value  >", 0, "Ne' value  '"},
    // Junk is skipped.
    {"<<a/>", XmlParseAll, "Ea"},
    {"< a/><b/>", XmlParseAll, "Eb"},
    {"text before <a/> text after", XmlParseAll, "Ea"},
};

TEST(XmlParse, BuildsTheExpectedTree)
{
    for (const auto& [text, flags, tree] : kParseCases)
    {
        SCOPED_TRACE(text);
        ParsedText parsed(text, flags);
        EXPECT_EQ(parsed.Dump(), tree);
        ExpectInside(parsed.root, parsed.buffer.data(), parsed.Length());
    }
}

// Every prefix of a document stops inside it (a document at its end) and
// builds nothing that points outside it.
TEST(XmlParse, EveryPrefixStopsInsideIt)
{
    const std::pair<std::string, bool> documents[] = {
        {"<?xml version=\"1.0\" encoding=\"ANSI\" ?>\n<r a=\"1\" b='x\\\"y' c>\n"
         "  <k name=\"n\"><!-- note --><i t=\"t\"/>text<![CDATA[ cd ]]></k>\n"
         "  <![INCLUDE[ inc ]]><!ENTITY % e \"v>w\"><!ATTLIST a b>\n"
         "  <x>  spaced   text </x></r>",
         true},
        {"<!DOCTYPE r PUBLIC \"p\" 's' [<!ENTITY % e 'v'><!ELEMENT r ANY>]>", false},
    };
    for (const auto& [document, stopsAtEnd] : documents)
    {
        for (size_t length = 0; length <= document.size(); ++length)
        {
            SCOPED_TRACE(document.substr(0, length));
            ParsedText prefix(document.substr(0, length), XmlParseAll);
            EXPECT_TRUE(stopsAtEnd ? prefix.StopOffset() == length : prefix.StopOffset() <= length);
            ExpectInside(prefix.root, prefix.buffer.data(), length);
        }
    }
}

// The levels below node along first children.
int Depth(const XmlNodeRecord* node)
{
    int levels = 0;
    for (; node->childCount > 0; node = node->children[0])
        ++levels;
    return levels;
}

TEST(XmlParse, DeepNestingNeedsNoDeepStack)
{
    std::string elements;
    for (int i = 0; i < 200000; ++i)
        elements += "<a>";
    EXPECT_EQ(Depth(ParsedText(elements, XmlParseAll).root), 200000);
}

TEST(XmlParse, NestedInternalSubsetsAreParsedOnlyToALimit)
{
    std::string subsets;
    for (int i = 0; i < 100; ++i)
        subsets = "<!DOCTYPE r [" + subsets + "]>";
    int levels = Depth(ParsedText(subsets, XmlParseDocType | XmlParseDtd).root);
    EXPECT_GT(levels, 1);
    EXPECT_LT(levels, 100);
}

TEST(XmlTrimAndNormalize, ChangeTheValueInPlace)
{
    // Each value, trimmed, and normalized.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"", "", ""},
        {"   ", "", ""},
        {"a", "a", "a"},
        {"  a  b \t c \n", "a  b \t c", "a b c"},
        {"\x01x\x20", "x", "x"},
        {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},
    };
    for (const auto& [value, trimmed, normalized] : cases)
    {
        std::string first(value), second(value);
        EXPECT_STREQ(XmlTrim(&first[0]), trimmed) << value;
        EXPECT_STREQ(XmlNormalize(&second[0]), normalized) << value;
    }
}

TEST(XmlNodeRecords, AppendGrowsArrays)
{
    ParsedText tree("", 0);
    for (int i = 0; i < 1000; ++i)
        ASSERT_NE(XmlAppendChild(tree.root, 4, XmlElementNode), nullptr);
    EXPECT_EQ(tree.root->childCount, 1000u);
    XmlNodeRecord* element = tree.root->children[999];
    XmlAttrRecord* attribute = XmlAppendAttribute(element, 4);
    EXPECT_TRUE(attribute->name == nullptr && attribute->nameInPlace && attribute->valueInPlace);
    // Small arrays share the tree's blocks, large ones are allocated alone:
    // growing across that line keeps every record.
    for (int i = 1; i < 300; ++i)
        ASSERT_NE(XmlAppendAttribute(element, 4), nullptr);
    EXPECT_EQ(element->attributeCount, 300u);
    EXPECT_EQ(element->attributes[0], attribute);
}

TEST(XmlNodeRecords, AppendChildWithoutAParentGivesNull)
{
    EXPECT_EQ(XmlAppendChild(nullptr, 4, XmlText), nullptr);
}

TEST(XmlGlobMatch, MatchesWildcardsAndSets)
{
    // Each pattern, a text, and whether it matches.
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"Key*", "Keyword", true},
        {"[!a-k]eyword", "Keyword", true},
        {"[!a-k]eyword", "keyword", false},
        {"?eyword", "keyword", true},
        {"keyword", "Keyword", false},
        {"*", "", true},
        {"", "", true},
        {"", "a", false},
        {"?", "", false},
        {"a*b*c", "aXXbYYc", true},
        {"a*b*c", "aXXbYY", false},
        {"*w*d", "Keyword", true},
        {"[]a]x", "]x", true},
        {"[]a]x", "ax", true},
        {"[]a]x", "bx", false},
        {"[a-]x", "-x", true},
        {"[-a]x", "-x", true},
        {"[z-a]", "m", false},
        {"[z-a]", "-", true},
        {"[abc", "[abc", true},
    };
    for (const auto& [pattern, text, matches] : cases)
        EXPECT_EQ(XmlGlobMatch(pattern, text), matches) << pattern << " against " << text;
}

TEST(XmlGlobMatch, ANullPatternOrTextNeverMatches)
{
    EXPECT_FALSE(XmlGlobMatch(nullptr, "a"));
    EXPECT_FALSE(XmlGlobMatch("a", nullptr));
}

} // namespace
