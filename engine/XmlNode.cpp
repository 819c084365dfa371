#include "engine/XmlNode.h"

#include <stdlib.h>
#include <string.h>

#include <utility>

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

// A node and the one slot of each of its first arrays, allocated together:
// most nodes never need more than one child or one attribute, and parsing a
// document is dominated by its allocations.
struct NodeBlock {
    XmlNodeRecord node;
    XmlAttrRecord* attributeSlot;
    XmlNodeRecord* childSlot;
};

NodeBlock* BlockOf(XmlNodeRecord* node)
{
    return reinterpret_cast<NodeBlock*>(node);
}

// Frees an array unless it is the slot inside its node's block.
template <class Record>
void FreeArray(Record** array, Record** slot)
{
    if (array != slot)
        free(array);
}

// Makes room for one more slot in a pointer array. The array grows by the
// caller's step or by its own size, whichever is larger, so that appending n
// records costs time linear in n.
template <class Record>
bool MakeRoom(Record**& array, Record** slot, unsigned count, unsigned& capacity, unsigned grow)
{
    if (count < capacity)
        return true;
    unsigned step = grow > capacity ? grow : capacity;
    if (step == 0)
        step = 1;
    Record** bigger = static_cast<Record**>(malloc((capacity + step) * sizeof(Record*)));
    if (!bigger)
        return false;
    if (count)
        memcpy(bigger, array, count * sizeof(Record*));
    FreeArray(array, slot);
    array = bigger;
    capacity += step;
    return true;
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
    FreeArray(node->attributes, &BlockOf(node)->attributeSlot);
    FreeArray(node->children, &BlockOf(node)->childSlot);
    FreeOwnString(node->name, node->nameInPlace);
    FreeOwnString(node->value, node->valueInPlace);
    free(BlockOf(node));
}

} // namespace

namespace {

constexpr bool IsNameCharCode(size_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == ':' || c == '-' || c == '.';
}

template <size_t... codes>
constexpr std::array<bool, 256> NameCharTable(std::index_sequence<codes...>)
{
    return {IsNameCharCode(codes)...};
}

} // namespace

extern const std::array<bool, 256> XmlNameChars = NameCharTable(std::make_index_sequence<256>());

XmlNodeRecord* XmlNewNode(XmlNodeType type)
{
    NodeBlock* block = static_cast<NodeBlock*>(calloc(1, sizeof(NodeBlock)));
    if (!block)
        return nullptr;
    XmlNodeRecord* node = &block->node;
    node->type = type;
    node->nameInPlace = 1;
    node->valueInPlace = 1;
    if (HasAttributes(type)) {
        node->attributes = &block->attributeSlot;
        node->attributeCapacity = 1;
    }
    if (HasChildren(type)) {
        node->children = &block->childSlot;
        node->childCapacity = 1;
    }
    return node;
}

XmlNodeRecord* XmlAppendChild(XmlNodeRecord* parent, unsigned grow, XmlNodeType type)
{
    if (!parent || !MakeRoom(parent->children, &BlockOf(parent)->childSlot, parent->childCount,
                             parent->childCapacity, grow))
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
    if (!node || !MakeRoom(node->attributes, &BlockOf(node)->attributeSlot, node->attributeCount,
                           node->attributeCapacity, grow))
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
