#pragma once
// The node tree of the XML reader: plain records on the heap. The top node of
// a tree comes from XmlNewNode; the records appended below it come from large
// blocks that the tree shares, in a heap of its own that goes all at once with
// the top node.
// Names and values normally point into the document's text (the parser cuts
// it with NUL characters); a string that was allocated on its own has its
// "in place" flag cleared so that XmlFreeTree frees it.
#include <array>

enum XmlNodeType
{
    XmlNull = 0,
    XmlDocumentNode = 1,
    XmlElementNode = 2,
    XmlText = 3,
    XmlCData = 4,
    XmlComment = 5,
    XmlPI = 6,
    XmlInclude = 7,
    XmlDocType = 8,
    XmlEntityDecl = 9,
    XmlAttListDecl = 10,
    XmlElementDecl = 11,
    XmlNotationDecl = 12
};

// Parse flags; the document uses XmlParseAll.
enum : unsigned
{
    XmlParsePI = 0x2,
    XmlParseDocType = 0x4,
    XmlParseComments = 0x8,
    XmlParseCData = 0x10,
    XmlTrimText = 0x40,
    XmlTrimCData = 0x100,
    XmlTrimDecl = 0x200,
    XmlTrimDocType = 0x400,
    XmlTrimComment = 0x800,
    XmlNormalizeSpace = 0x1000,
    XmlParseDtd = 0x2000,
    XmlDtdOnly = 0x4000,
    XmlParseAll = 0xFFFF
};

struct XmlAttrRecord
{
    char* name;
    int nameInPlace;
    char* value;
    int valueInPlace;
};

struct XmlNodeRecord
{
    XmlNodeRecord* parent; // the document node is its own parent
    char* name;
    int nameInPlace;
    XmlNodeType type;
    unsigned attributeCount;
    unsigned attributeCapacity;
    XmlAttrRecord** attributes;
    unsigned childCount;
    unsigned childCapacity;
    XmlNodeRecord** children;
    char* value;
    int valueInPlace;
};

// Character classes of the reader.
inline bool XmlIsSpace(char c)
{
    return c >= 1 && c <= 32;
}
inline bool XmlIsQuote(char c)
{
    return c == '"' || c == '\'';
}
// ASCII letters and digits, '_', ':', '-' and '.'.
extern const std::array<bool, 256> XmlNameChars;
inline bool XmlIsNameChar(char c)
{
    return XmlNameChars[static_cast<unsigned char>(c)];
}

// A new top node of the given type with the arrays its type needs; null when
// memory runs out. Every tree starts here (the appending and freeing
// functions rely on how it allocates).
XmlNodeRecord* XmlNewNode(XmlNodeType type);

// Append a new child or attribute record; a full array first grows by at
// least grow slots. Null when node is null or memory runs out.
XmlNodeRecord* XmlAppendChild(XmlNodeRecord* parent, unsigned grow, XmlNodeType type);
XmlAttrRecord* XmlAppendAttribute(XmlNodeRecord* node, unsigned grow);

// Frees node and everything below it (without recursion, so any depth is
// safe). The records below a top node stay allocated until the top is freed.
void XmlFreeTree(XmlNodeRecord* node);

// Appends text to the heap string *string (allocating it when null); false
// when memory runs out, the old string then stays.
bool XmlAppendString(char** string, const char* text);

// Change a value in place and return its new start: Trim drops whitespace at
// both ends; Normalize also turns each interior run of whitespace into one blank.
char* XmlTrim(char* value);
char* XmlNormalize(char* value);
