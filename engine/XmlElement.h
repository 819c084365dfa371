#pragma once
// Light handles to one node or one attribute record of an XML tree. Handles
// never own what they point at; the tree belongs to its XmlDocument.
#include "engine/XmlNode.h"

class XmlNodeIterator;
class XmlAttributeIterator;

class XmlAttribute
{
public:
    explicit XmlAttribute(XmlAttrRecord* attr = nullptr) : attr(attr) {}
    virtual ~XmlAttribute() {}

    bool IsNull() const { return attr == nullptr; }
    // Both give "" for an empty handle, a missing name or a missing value.
    const char* GetName() const;
    const char* GetValue() const;

    XmlAttrRecord* attr;
};

class XmlElement
{
public:
    // A default handle is empty: it points at its own empty record.
    XmlElement() : node(&empty_) {}
    explicit XmlElement(XmlNodeRecord* record) : node(record ? record : &empty_) {}
    XmlElement(const XmlElement& other) : XmlElement(other.Record()) {}
    XmlElement& operator=(const XmlElement& other);
    virtual ~XmlElement() {}

    bool IsNull() const { return Record() == nullptr; }
    // The node's name; "" for an empty handle or a node without a name.
    const char* GetName() const;
    // The first node below this one, in pre-order, whose name matches pattern
    // (XmlGlobMatch); an empty handle when there is none.
    XmlElement FindElement(const char* pattern) const;
    // The first attribute whose name matches pattern (an attribute without a
    // name matches any). When none does, an attribute named pattern with the
    // value "" is added to the node and returned.
    XmlAttribute GetAttribute(const char* pattern) const;

    XmlNodeIterator ChildrenBegin() const;
    XmlNodeIterator ChildrenEnd() const;
    XmlAttributeIterator AttributesBegin() const;
    XmlAttributeIterator AttributesEnd() const;

    // The node pointed at; null for an empty handle.
    XmlNodeRecord* Record() const { return node && node->type != XmlNull ? node : nullptr; }

    XmlNodeRecord* node;

private:
    XmlNodeRecord empty_ = {};
};
