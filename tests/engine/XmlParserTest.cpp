#include "engine/XmlReader.h"

#include "XmlTreeDump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Parses a copy of text under a fresh document node.
class ParsedText
{
public:
    ParsedText(const std::string& text, unsigned flags) : buffer_(text.begin(), text.end())
    {
        buffer_.push_back('\0');
        root_ = XmlNewNode(XmlDocumentNode);
        root_->parent = root_;
        end_ = XmlParse(buffer_.data(), root_, 4, flags, &openAtEnd_);
    }
    ~ParsedText() { XmlFreeTree(root_); }

    // The document's children, as DumpXmlNode writes them.
    std::string Dump() const
    {
        std::string out;
        for (unsigned i = 0; i < root_->childCount; ++i)
            out += (i ? "," : "") + DumpXmlNode(root_->children[i]);
        return out;
    }
    size_t StopOffset() const { return end_ - buffer_.data(); }
    size_t Length() const { return buffer_.size() - 1; }
    const XmlNodeRecord* Root() const { return root_; }
    const XmlNodeRecord* OpenAtEnd() const { return openAtEnd_; }
    const char* BufferBegin() const { return buffer_.data(); }

private:
    std::vector<char> buffer_;
    XmlNodeRecord* root_;
    XmlNodeRecord* openAtEnd_ = nullptr;
    char* end_;
};

// Every pointer of the tree must lie inside the parsed text, and every child
// must point at its parent.
void ExpectInside(const XmlNodeRecord* node, const char* begin, size_t length)
{
    auto inside = [&](const char* p) { return !p || (p >= begin && p <= begin + length); };
    for (unsigned i = 0; i < node->childCount; ++i)
        EXPECT_EQ(node->children[i]->parent, node);
    EXPECT_TRUE(inside(node->name));
    EXPECT_TRUE(inside(node->value));
    for (unsigned i = 0; i < node->attributeCount; ++i)
    {
        EXPECT_TRUE(inside(node->attributes[i]->name));
        EXPECT_TRUE(inside(node->attributes[i]->value));
    }
    for (unsigned i = 0; i < node->childCount; ++i)
        ExpectInside(node->children[i], begin, length);
}

int CountNodes(const XmlNodeRecord* node)
{
    int count = 1;
    for (unsigned i = 0; i < node->childCount; ++i)
        count += CountNodes(node->children[i]);
    return count;
}

struct ParseCase
{
    const char* text;
    unsigned flags;
    const char* tree;
};

const ParseCase kParseCases[] = {
    // Elements and attributes.
    {"<x a='1' b=\"2\"/>", XmlParseAll, "Ex(a='1' b='2')"},
    {"<x/>", XmlParseAll, "Ex"},
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
    for (const ParseCase& test : kParseCases)
    {
        SCOPED_TRACE(test.text);
        ParsedText parsed(test.text, test.flags);
        EXPECT_EQ(parsed.Dump(), test.tree);
        ExpectInside(parsed.Root(), parsed.BufferBegin(), parsed.Length());
    }
}

TEST(XmlParse, ReportsWhereItStoppedAndWhatWasOpen)
{
    ParsedText closed("<a><b/></a>", XmlParseAll);
    EXPECT_EQ(closed.StopOffset(), closed.Length());
    EXPECT_EQ(closed.OpenAtEnd(), closed.Root());

    ParsedText open("<a><b>", XmlParseAll);
    EXPECT_EQ(open.StopOffset(), open.Length());
    EXPECT_STREQ(open.OpenAtEnd()->name, "b");

    ParsedText doctype("<!DOCTYPE r [<!ELEMENT r ANY>]><r/>", XmlParseAll);
    EXPECT_EQ(doctype.StopOffset(), std::string("<!DOCTYPE r [<!ELEMENT r ANY>]").size());
}

TEST(XmlParse, EveryPrefixOfADocumentStopsAtItsEnd)
{
    const std::string document = "<?xml version=\"1.0\" encoding=\"ANSI\" ?>\n<r a=\"1\" b='x\\\"y' c>\n"
                                 "  <k name=\"n\"><!-- note --><i t=\"t\"/>text<![CDATA[ cd ]]></k>\n"
                                 "  <![INCLUDE[ inc ]]><!ENTITY % e \"v>w\"><!ATTLIST a b>\n"
                                 "  <x>  spaced   text </x></r>";
    ParsedText full(document, XmlParseAll);
    int fullCount = CountNodes(full.Root());
    for (size_t length = 0; length <= document.size(); ++length)
    {
        ParsedText prefix(document.substr(0, length), XmlParseAll);
        EXPECT_EQ(prefix.StopOffset(), length) << "prefix length " << length;
        EXPECT_LE(CountNodes(prefix.Root()), fullCount) << "prefix length " << length;
        ExpectInside(prefix.Root(), prefix.BufferBegin(), length);
    }
}

TEST(XmlParse, EveryPrefixOfADocTypeStops)
{
    const std::string document = "<!DOCTYPE r PUBLIC \"p\" 's' [<!ENTITY % e 'v'><!ELEMENT r ANY>]>";
    for (size_t length = 0; length <= document.size(); ++length)
    {
        ParsedText prefix(document.substr(0, length), XmlParseAll);
        EXPECT_LE(prefix.StopOffset(), length);
        ExpectInside(prefix.Root(), prefix.BufferBegin(), length);
    }
}

TEST(XmlParse, DeepNestingNeedsNoDeepStack)
{
    const int depth = 200000;
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    ParsedText parsed(text, XmlParseAll);
    const XmlNodeRecord* node = parsed.Root();
    int levels = 0;
    while (node->childCount == 1)
    {
        node = node->children[0];
        ++levels;
    }
    EXPECT_EQ(levels, depth);
}

TEST(XmlParse, NestedInternalSubsetsAreParsedToALimit)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "<!DOCTYPE r [";
    for (int i = 0; i < 100; ++i)
        text += "]>";
    ParsedText parsed(text, XmlParseDocType | XmlParseDtd);
    int levels = 0;
    for (const XmlNodeRecord* node = parsed.Root(); node->childCount > 0; node = node->children[0])
        ++levels;
    EXPECT_GT(levels, 1);
    EXPECT_LT(levels, 100);
}

TEST(XmlParse, NullArgumentsParseNothing)
{
    XmlNodeRecord* root = XmlNewNode(XmlDocumentNode);
    root->parent = root;
    EXPECT_EQ(XmlParse(nullptr, root, 4, XmlParseAll), nullptr);
    char text[] = "<a/>";
    EXPECT_EQ(XmlParse(text, nullptr, 4, XmlParseAll), text);
    EXPECT_EQ(root->childCount, 0u);
    XmlFreeTree(root);
}

struct TrimCase
{
    const char* value;
    const char* trimmed;
    const char* normalized;
};

TEST(XmlTrimAndNormalize, ChangeTheValueInPlace)
{
    const TrimCase cases[] = {
        {"", "", ""},
        {"   ", "", ""},
        {"a", "a", "a"},
        {"  a  b \t c \n", "a  b \t c", "a b c"},
        {"\x01x\x20", "x", "x"},
        {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},
    };
    for (const TrimCase& test : cases)
    {
        std::string first(test.value);
        std::string second(test.value);
        EXPECT_STREQ(XmlTrim(&first[0]), test.trimmed) << test.value;
        EXPECT_STREQ(XmlNormalize(&second[0]), test.normalized) << test.value;
    }
}

TEST(XmlNodeRecords, AppendGrowsArraysAndAppendStringJoins)
{
    XmlNodeRecord* root = XmlNewNode(XmlDocumentNode);
    root->parent = root;
    for (int i = 0; i < 1000; ++i)
        ASSERT_NE(XmlAppendChild(root, 4, XmlElementNode), nullptr);
    EXPECT_EQ(root->childCount, 1000u);
    EXPECT_GE(root->childCapacity, 1000u);
    XmlNodeRecord* element = root->children[999];
    XmlAttrRecord* attribute = XmlAppendAttribute(element, 4);
    ASSERT_NE(attribute, nullptr);
    EXPECT_EQ(attribute->name, nullptr);
    EXPECT_TRUE(attribute->nameInPlace && attribute->valueInPlace);
    // Small arrays share the tree's blocks, large ones are allocated alone:
    // growing across that line keeps every record.
    for (int i = 1; i < 300; ++i)
        ASSERT_NE(XmlAppendAttribute(element, 4), nullptr);
    EXPECT_EQ(element->attributeCount, 300u);
    EXPECT_EQ(element->attributes[0], attribute);
    for (unsigned i = 0; i < element->attributeCount; ++i)
        EXPECT_EQ(element->attributes[i]->name, nullptr) << i;
    EXPECT_EQ(XmlAppendChild(nullptr, 4, XmlText), nullptr);

    char* joined = nullptr;
    ASSERT_TRUE(XmlAppendString(&joined, "ab"));
    ASSERT_TRUE(XmlAppendString(&joined, "cd"));
    EXPECT_STREQ(joined, "abcd");
    element->value = joined;
    element->valueInPlace = 0;
    XmlFreeTree(root);
}

struct GlobCase
{
    const char* pattern;
    const char* text;
    bool matches;
};

TEST(XmlGlobMatch, MatchesWildcardsAndSets)
{
    const GlobCase cases[] = {
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
        {"K*d?", "Keywords", true},
        {"K*d?", "Keyword", false},
    };
    for (const GlobCase& test : cases)
        EXPECT_EQ(XmlGlobMatch(test.pattern, test.text), test.matches)
            << test.pattern << " against " << test.text;
    EXPECT_FALSE(XmlGlobMatch(nullptr, "a"));
    EXPECT_FALSE(XmlGlobMatch("a", nullptr));
}

} // namespace
