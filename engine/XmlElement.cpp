#include "engine/XmlElement.h"

#include "engine/XmlIterator.h"
#include "engine/XmlReader.h"

#include <stdlib.h>
#include <string.h>

#include <vector>

namespace {

char* HeapCopy(const char* text)
{
    size_t size = strlen(text) + 1;
    char* copy = static_cast<char*>(malloc(size));
    if (copy)
        memcpy(copy, text, size);
    return copy;
}

// Appends an attribute with heap copies of name and value; null when memory
// runs out (nothing is added then).
XmlAttrRecord* AppendOwnAttribute(XmlNodeRecord* node, const char* name, const char* value)
{
    char* nameCopy = HeapCopy(name);
    char* valueCopy = HeapCopy(value);
    XmlAttrRecord* attribute = nameCopy && valueCopy ? XmlAppendAttribute(node, 1) : nullptr;
    if (!attribute)
    {
        free(nameCopy);
        free(valueCopy);
        return nullptr;
    }
    attribute->name = nameCopy;
    attribute->nameInPlace = 0;
    attribute->value = valueCopy;
    attribute->valueInPlace = 0;
    return attribute;
}

} // namespace

const char* XmlAttribute::GetName() const
{
    return attr && attr->name ? attr->name : "";
}

const char* XmlAttribute::GetValue() const
{
    return attr && attr->value ? attr->value : "";
}

XmlElement& XmlElement::operator=(const XmlElement& other)
{
    node = other.Record() ? other.Record() : &empty_;
    return *this;
}

const char* XmlElement::GetName() const
{
    XmlNodeRecord* record = Record();
    return record && record->name ? record->name : "";
}

XmlElement XmlElement::FindElement(const char* pattern) const
{
    XmlNodeRecord* record = Record();
    if (!record || !pattern)
        return XmlElement();
    // Pre-order walk with an explicit stack of (node, next child index).
    struct Level
    {
        XmlNodeRecord* node;
        unsigned next;
    };
    std::vector<Level> stack{{record, 0}};
    while (!stack.empty())
    {
        Level& level = stack.back();
        if (level.next >= level.node->childCount)
        {
            stack.pop_back();
            continue;
        }
        XmlNodeRecord* child = level.node->children[level.next++];
        if (child->name && XmlGlobMatch(pattern, child->name))
            return XmlElement(child);
        if (child->childCount > 0)
            stack.push_back({child, 0});
    }
    return XmlElement();
}

XmlAttribute XmlElement::GetAttribute(const char* pattern) const
{
    XmlNodeRecord* record = Record();
    if (!record || !pattern)
        return XmlAttribute();
    for (unsigned i = 0; i < record->attributeCount; ++i)
    {
        XmlAttrRecord* attribute = record->attributes[i];
        if (!attribute->name || XmlGlobMatch(pattern, attribute->name))
            return XmlAttribute(attribute);
    }
    return XmlAttribute(AppendOwnAttribute(record, pattern, ""));
}

XmlNodeIterator XmlElement::ChildrenBegin() const
{
    return XmlNodeIterator(Record(), 0);
}

XmlNodeIterator XmlElement::ChildrenEnd() const
{
    XmlNodeRecord* record = Record();
    return XmlNodeIterator(record, record ? static_cast<int>(record->childCount) : 0);
}

XmlAttributeIterator XmlElement::AttributesBegin() const
{
    return XmlAttributeIterator(Record(), 0);
}

XmlAttributeIterator XmlElement::AttributesEnd() const
{
    XmlNodeRecord* record = Record();
    return XmlAttributeIterator(record, record ? static_cast<int>(record->attributeCount) : 0);
}
