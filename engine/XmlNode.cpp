#include "engine/XmlNode.h"

#include <stdlib.h>
#include <string.h>

namespace {

bool HasAttributes(XmlNodeType type)
{
    return type != XmlDocumentNode && type != XmlText && type != XmlCData && type != XmlComment &&
           type != XmlInclude;
}

bool HasChildren(XmlNodeType type)
{
    return type == XmlDocumentNode || type == XmlElementNode || type == XmlDocType;
}

// Makes room for one more slot in a pointer array. The array grows by the
// caller's step or by its own size, whichever is larger, so that appending n
// records costs time linear in n.
template <class Record>
bool MakeRoom(Record**& array, unsigned count, unsigned& capacity, unsigned grow)
{
    if (count < capacity)
        return true;
    unsigned step = grow > capacity ? grow : capacity;
    if (step == 0)
        step = 1;
    Record** bigger = static_cast<Record**>(realloc(array, (capacity + step) * sizeof(Record*)));
    if (!bigger)
        return false;
    array = bigger;
    capacity += step;
    return true;
}

template <class Record>
Record** NewArray(unsigned& capacity)
{
    Record** array = static_cast<Record**>(malloc(sizeof(Record*)));
    capacity = array ? 1 : 0;
    return array;
}

void FreeOwnString(char* text, int inPlace)
{
    if (!inPlace)
        free(text);
}

// Frees what the node holds itself (not its children) and the node.
void FreeNodeAlone(XmlNodeRecord* node)
{
    for (unsigned i = 0; i < node->attributeCount; ++i) {
        XmlAttrRecord* attribute = node->attributes[i];
        FreeOwnString(attribute->name, attribute->nameInPlace);
        FreeOwnString(attribute->value, attribute->valueInPlace);
        free(attribute);
    }
    free(node->attributes);
    free(node->children);
    FreeOwnString(node->name, node->nameInPlace);
    FreeOwnString(node->value, node->valueInPlace);
    free(node);
}

} // namespace

bool XmlIsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == ':' || c == '-' || c == '.';
}

XmlNodeRecord* XmlNewNode(XmlNodeType type)
{
    XmlNodeRecord* node = static_cast<XmlNodeRecord*>(calloc(1, sizeof(XmlNodeRecord)));
    if (!node)
        return nullptr;
    node->type = type;
    node->nameInPlace = 1;
    node->valueInPlace = 1;
    if (HasAttributes(type))
        node->attributes = NewArray<XmlAttrRecord>(node->attributeCapacity);
    if (HasChildren(type))
        node->children = NewArray<XmlNodeRecord>(node->childCapacity);
    return node;
}

XmlNodeRecord* XmlAppendChild(XmlNodeRecord* parent, unsigned grow, XmlNodeType type)
{
    if (!parent || !MakeRoom(parent->children, parent->childCount, parent->childCapacity, grow))
        return nullptr;
    XmlNodeRecord* child = XmlNewNode(type);
    if (!child)
        return nullptr;
    child->parent = parent;
    parent->children[parent->childCount++] = child;
    return child;
}

XmlAttrRecord* XmlAppendAttribute(XmlNodeRecord* node, unsigned grow)
{
    if (!node || !MakeRoom(node->attributes, node->attributeCount, node->attributeCapacity, grow))
        return nullptr;
    XmlAttrRecord* attribute = static_cast<XmlAttrRecord*>(calloc(1, sizeof(XmlAttrRecord)));
    if (!attribute)
        return nullptr;
    attribute->nameInPlace = 1;
    attribute->valueInPlace = 1;
    node->attributes[node->attributeCount++] = attribute;
    return attribute;
}

void XmlFreeTree(XmlNodeRecord* node)
{
    // Children before parents: descend into the last child still held, free a
    // node once it has none left, then go back up by the parent link.
    XmlNodeRecord* top = node;
    while (node) {
        if (node->childCount > 0) {
            node = node->children[--node->childCount];
            continue;
        }
        XmlNodeRecord* parent = node == top ? nullptr : node->parent;
        FreeNodeAlone(node);
        node = parent;
    }
}

bool XmlAppendString(char** string, const char* text)
{
    size_t oldLength = *string ? strlen(*string) : 0;
    size_t addLength = text ? strlen(text) : 0;
    char* joined = static_cast<char*>(realloc(*string, oldLength + addLength + 1));
    if (!joined)
        return false;
    memcpy(joined + oldLength, text ? text : "", addLength + 1);
    *string = joined;
    return true;
}

char* XmlTrim(char* value)
{
    if (!value)
        return value;
    while (XmlIsSpace(*value))
        ++value;
    char* end = value + strlen(value);
    while (end > value && XmlIsSpace(end[-1]))
        --end;
    *end = '\0';
    return value;
}

char* XmlNormalize(char* value)
{
    if (!value)
        return value;
    const char* from = value;
    while (XmlIsSpace(*from))
        ++from;
    char* to = value;
    bool afterWord = false;
    for (; *from; ++from) {
        if (!XmlIsSpace(*from)) {
            *to++ = *from;
            afterWord = true;
        } else if (afterWord) {
            *to++ = ' ';
            afterWord = false;
        }
    }
    if (to > value && to[-1] == ' ')
        --to;
    *to = '\0';
    return value;
}
