// The XML reader's parser: one pass over the text with a cursor and a current
// node. Every step moves the cursor forward, and the steps hand over to each
// other through the loop in Run (not by calling each other), so the parse
// takes time linear in the text and stack space independent of the nesting.
#include "engine/XmlReader.h"

#include "engine/TextScan.h"

#include <string.h>

namespace {

// A DOCTYPE internal subset is parsed by a parser of its own; a subset inside
// a subset deeper than this is kept as text.
const int kMaxSubsetNesting = 16;

// What the loop in Parser::Run does next.
enum class Next
{
    Scan,   // look for the next '<'
    Markup, // the cursor is just past a '<'
    Stop    // the text has ended (or the flags end the parse here)
};

// The first c at or after p; null when the text ends first (as strchr).
char* FindChar(char* p, char c)
{
    char* found = TextFindOrEnd(p, c);
    return *found ? found : nullptr;
}

char* TextEnd(char* p)
{
    return TextFindOrEnd(p, '\0');
}

char* SkipSpace(char* p)
{
    while (XmlIsSpace(*p))
        ++p;
    return p;
}

char* SkipName(char* p)
{
    while (XmlIsNameChar(*p))
        ++p;
    return p;
}

bool StartsWith(const char* text, const char* prefix)
{
    return strncmp(text, prefix, strlen(prefix)) == 0;
}

// The ']' that closes the '[' just before p, counting nested brackets.
char* MatchingBracket(char* p)
{
    int depth = 1;
    for (; *p; ++p)
    {
        if (*p == '[')
            ++depth;
        else if (*p == ']' && --depth == 0)
            return p;
    }
    return nullptr;
}

// The '>' that ends a declaration, not counting one inside quotes; quote is
// the quote already open at p (0 when none).
char* DeclarationEnd(char* p, char quote)
{
    for (; *p; ++p)
    {
        if (quote)
        {
            if (*p == quote)
                quote = 0;
        }
        else if (XmlIsQuote(*p))
        {
            quote = *p;
        }
        else if (*p == '>')
        {
            return p;
        }
    }
    return nullptr;
}

XmlNodeType DeclarationType(const char* keyword, size_t length)
{
    struct Kind
    {
        const char* keyword;
        XmlNodeType type;
    };
    static const Kind kinds[] = {
        {"ATTLIST", XmlAttListDecl}, {"ELEMENT", XmlElementDecl}, {"NOTATION", XmlNotationDecl}};
    for (const Kind& kind : kinds)
    {
        if (strlen(kind.keyword) == length && strncmp(keyword, kind.keyword, length) == 0)
            return kind.type;
    }
    return XmlEntityDecl;
}

class Parser
{
public:
    Parser(unsigned grow, unsigned flags, int subsetDepth)
        : grow_(grow), flags_(flags), subsetDepth_(subsetDepth)
    {}

    char* Run(char* text, XmlNodeRecord* root, XmlNodeRecord** endNode)
    {
        p_ = text;
        root_ = root;
        current_ = root;
        Next next = Next::Scan;
        while (next != Next::Stop)
        {
            if (next == Next::Scan)
            {
                char* open = FindChar(p_, '<');
                if (!open)
                {
                    p_ = TextEnd(p_);
                    break;
                }
                p_ = open + 1;
            }
            next = Markup();
        }
        if (endNode)
            *endNode = current_;
        return p_;
    }

private:
    Next StopAtEnd()
    {
        p_ = TextEnd(p_);
        return Next::Stop;
    }

    // Cuts the text at the cursor and moves past the cut; the result is the
    // character that was there (0 at the end of the text, which stays).
    char Cut()
    {
        char c = *p_;
        *p_ = '\0';
        if (c)
            ++p_;
        return c;
    }

    Next SkipPast(char c)
    {
        char* found = FindChar(p_, c);
        if (!found)
            return StopAtEnd();
        p_ = found + 1;
        return Next::Scan;
    }

    Next SkipPast(const char* closer)
    {
        char* found = strstr(p_, closer);
        if (!found)
            return StopAtEnd();
        p_ = found + strlen(closer);
        return Next::Scan;
    }

    char* Trimmed(char* value) const
    {
        return (flags_ & XmlNormalizeSpace) ? XmlNormalize(value) : XmlTrim(value);
    }

    void Close()
    {
        if (current_ != root_)
            current_ = current_->parent;
    }

    Next CloseAndSkipTag()
    {
        Close();
        return SkipPast('>');
    }

    // The cursor is just past a '<'.
    Next Markup()
    {
        char c = *p_;
        if (XmlIsNameChar(c))
            return Element(XmlElementNode);
        switch (c)
        {
        case '\0':
            return Next::Stop;
        case '/':
            ++p_;
            return CloseAndSkipTag();
        case '?':
            ++p_;
            return ProcessingInstruction();
        case '!':
            ++p_;
            return Declaration();
        default:
            return Next::Scan;
        }
    }

    Next Element(XmlNodeType type)
    {
        XmlNodeRecord* element = XmlAppendChild(current_, grow_, type);
        if (!element)
            return Next::Stop;
        current_ = element;
        element->name = p_;
        p_ = SkipName(p_);
        switch (Cut())
        {
        case '\0':
            return Next::Stop;
        case '/':
            return CloseAndSkipTag();
        case '>':
            return Content();
        default:
            return Attributes();
        }
    }

    Next Attributes()
    {
        for (;;)
        {
            p_ = SkipSpace(p_);
            char c = *p_;
            if (c == '\0')
                return Next::Stop;
            ++p_;
            if (c == '>')
                return Content();
            if (c == '/')
                return CloseAndSkipTag();
            if (!XmlIsNameChar(c))
                continue;
            XmlAttrRecord* attribute = XmlAppendAttribute(current_, grow_);
            if (!attribute)
                return Next::Stop;
            attribute->name = p_ - 1;
            p_ = SkipName(p_);
            c = Cut();
            if (c == '\0')
                return Next::Stop;
            if (XmlIsSpace(c) || c == '=')
                c = ValueQuote(c);
            if (XmlIsQuote(c))
            {
                attribute->value = p_;
                if (!CutQuotedValue(c))
                    return Next::Stop;
            }
            else if (c == '>')
            {
                return Content();
            }
            else if (c == '/')
            {
                return CloseAndSkipTag();
            }
        }
    }

    // After an attribute name and the character c that followed it: skips
    // whitespace, an optional '=' and whitespace, and consumes an opening
    // quote. The result is the quote, or a blank when no value follows.
    char ValueQuote(char c)
    {
        if (c != '=')
        {
            p_ = SkipSpace(p_);
            if (*p_ == '=')
                ++p_;
        }
        p_ = SkipSpace(p_);
        return XmlIsQuote(*p_) ? *p_++ : ' ';
    }

    // The value runs to the next quote that has no backslash in front of it.
    bool CutQuotedValue(char quote)
    {
        char* end = p_;
        for (;;)
        {
            end = FindChar(end, quote);
            if (!end)
            {
                StopAtEnd();
                return false;
            }
            if (end[-1] != '\\')
                break;
            ++end;
        }
        *end = '\0';
        p_ = end + 1;
        return true;
    }

    // Character data after a start tag's '>'.
    Next Content()
    {
        char* start = p_;
        char* first = SkipSpace(p_);
        if (*first == '\0')
        {
            p_ = first;
            return Next::Stop;
        }
        if (*first == '<')
        {
            p_ = first + 1;
            return Next::Markup;
        }
        XmlNodeRecord* text = XmlAppendChild(current_, grow_, XmlText);
        if (!text)
            return Next::Stop;
        text->value = start;
        char* open = FindChar(first, '<');
        if (!open)
            return StopAtEnd();
        *open = '\0';
        p_ = open + 1;
        if (flags_ & XmlTrimText)
            text->value = Trimmed(text->value);
        return Next::Markup;
    }

    // After "<?".
    Next ProcessingInstruction()
    {
        if (!(flags_ & XmlParsePI) || !XmlIsNameChar(*p_))
            return SkipPast('>');
        // The closing '?' becomes the slash of an empty-element tag.
        char* question = FindChar(p_, '?');
        if (question)
            *question = '/';
        return Element(XmlPI);
    }

    // After "<!".
    Next Declaration()
    {
        if (*p_ == '-')
        {
            bool comment = p_[1] == '-';
            p_ += comment ? 2 : 1;
            if (comment && (flags_ & XmlParseComments))
                return ValueNode(XmlComment, "-->", XmlTrimComment);
            return SkipPast("-->");
        }
        if (StartsWith(p_, "[CDATA["))
        {
            p_ += 7;
            if (flags_ & XmlParseCData)
                return ValueNode(XmlCData, "]]>", XmlTrimCData);
            return SkipPast("]]>");
        }
        if (StartsWith(p_, "[INCLUDE["))
        {
            p_ += 9;
            if (flags_ & XmlParseDocType)
                return ValueNode(XmlInclude, "]]>", XmlTrimCData);
            return SkipPast("]]>");
        }
        if (StartsWith(p_, "DOCTYPE") && !XmlIsNameChar(p_[7]))
        {
            p_ += 7;
            return DocType();
        }
        if (XmlIsNameChar(*p_))
            return MarkupDeclaration();
        return Next::Scan;
    }

    // A comment, CDATA or INCLUDE section whose value runs to closer.
    Next ValueNode(XmlNodeType type, const char* closer, unsigned trimFlag)
    {
        XmlNodeRecord* node = XmlAppendChild(current_, grow_, type);
        if (!node)
            return Next::Stop;
        node->value = p_;
        char* end = strstr(p_, closer);
        if (!end)
            return StopAtEnd();
        *end = '\0';
        p_ = end + strlen(closer);
        if (flags_ & trimFlag)
            node->value = Trimmed(node->value);
        return Next::Scan;
    }

    // After "<!DOCTYPE": the root name and keywords become attributes whose
    // name and value both point at the word, quoted strings attributes without
    // a name, and the internal subset the value. Without XmlParseDocType the
    // declaration is only skipped.
    Next DocType()
    {
        XmlNodeRecord* node = nullptr;
        if (flags_ & XmlParseDocType)
        {
            node = XmlAppendChild(current_, grow_, XmlDocType);
            if (!node)
                return Next::Stop;
        }
        char held = '\0'; // the character that cutting a word overwrote at the cursor
        for (;;)
        {
            char c = held;
            held = '\0';
            if (!c)
            {
                p_ = SkipSpace(p_);
                c = *p_;
                if (c == '\0')
                    return Next::Stop;
            }
            ++p_;
            if (c == '>')
                return Next::Scan;
            if (c == '[')
            {
                if (!InternalSubset(node))
                    return Next::Stop;
            }
            else if (XmlIsQuote(c))
            {
                char* value = p_;
                char* end = FindChar(p_, c);
                AddDocTypeAttribute(node, nullptr, value);
                if (!end)
                    return StopAtEnd();
                *end = '\0';
                p_ = end + 1;
            }
            else if (XmlIsNameChar(c))
            {
                char* word = p_ - 1;
                p_ = SkipName(p_);
                held = *p_;
                *p_ = '\0';
                AddDocTypeAttribute(node, word, word);
                if (XmlIsSpace(held))
                {
                    held = '\0';
                    ++p_;
                }
            }
        }
    }

    void AddDocTypeAttribute(XmlNodeRecord* node, char* name, char* value)
    {
        if (!node)
            return;
        XmlAttrRecord* attribute = XmlAppendAttribute(node, grow_);
        if (attribute)
        {
            attribute->name = name;
            attribute->value = value;
        }
    }

    // The cursor is just past the '[' of a DOCTYPE. False when the parse ends
    // here (the text ended, or XmlDtdOnly is set).
    bool InternalSubset(XmlNodeRecord* node)
    {
        char* subset = p_;
        char* end = MatchingBracket(p_);
        if (node)
            node->value = subset;
        if (!end)
        {
            StopAtEnd();
            return false;
        }
        *end = '\0';
        p_ = end + 1;
        if (!node)
            return true;
        if ((flags_ & XmlParseDtd) && subsetDepth_ < kMaxSubsetNesting)
        {
            Parser inner(grow_, flags_, subsetDepth_ + 1);
            inner.Run(subset, node, nullptr);
        }
        if (flags_ & XmlDtdOnly)
            return false;
        if (!(flags_ & XmlParseDtd) && (flags_ & XmlTrimDocType))
            node->value = Trimmed(node->value);
        return true;
    }

    // After "<!" and a keyword other than DOCTYPE: ENTITY, ATTLIST, ELEMENT,
    // NOTATION or any other word; never becomes the current node.
    Next MarkupDeclaration()
    {
        char* keyword = p_;
        p_ = SkipName(p_);
        XmlNodeType type = DeclarationType(keyword, p_ - keyword);
        XmlNodeRecord* node = XmlAppendChild(current_, grow_, type);
        if (!node)
            return Next::Stop;
        p_ = SkipSpace(p_);
        char* name = nullptr;
        if (*p_ == '%' && XmlIsSpace(p_[1]))
        {
            // A parameter entity: the name is stored with its '%' in front.
            char* word = SkipSpace(p_ + 1);
            if (XmlIsNameChar(*word))
            {
                word[-1] = '%';
                name = word - 1;
                p_ = word;
            }
        }
        else if (XmlIsNameChar(*p_))
        {
            name = p_;
        }
        char openQuote = '\0';
        if (name)
        {
            node->name = name;
            p_ = SkipName(p_);
            char c = Cut();
            if (c == '\0')
                return Next::Stop;
            if (c == '>')
            {
                node->value = p_ - 1;
                return Next::Scan;
            }
            if (XmlIsQuote(c))
                openQuote = c;
        }
        node->value = p_;
        char* end = type == XmlEntityDecl ? DeclarationEnd(p_, openQuote) : FindChar(p_, '>');
        if (!end)
            return StopAtEnd();
        *end = '\0';
        p_ = end + 1;
        if (flags_ & XmlTrimDecl)
            node->value = Trimmed(node->value);
        return Next::Scan;
    }

    unsigned grow_;
    unsigned flags_;
    int subsetDepth_;
    char* p_ = nullptr;
    XmlNodeRecord* root_ = nullptr;
    XmlNodeRecord* current_ = nullptr;
};

} // namespace

char* XmlParse(char* text, XmlNodeRecord* node, unsigned grow, unsigned flags, XmlNodeRecord** endNode)
{
    if (endNode)
        *endNode = node;
    if (!text || !node)
        return text;
    Parser parser(grow, flags, 0);
    return parser.Run(text, node, endNode);
}
