#pragma once
// Iterators over an element's children or attributes, by index. Each holds one
// handle of its item kind; Current points it at the item at the index, and it
// stays valid until the next Current or the iterator's end. The handle lives
// inside the iterator, so that a walk allocates nothing.
#include "engine/XmlElement.h"

template <class Handle>
class XmlIteratorBase
{
public:
    XmlIteratorBase(XmlNodeRecord* node, int index) : node(node), index(index) {}
    XmlIteratorBase(const XmlIteratorBase& other) : XmlIteratorBase(other.node, other.index) {}
    virtual ~XmlIteratorBase() {}

    virtual bool HasItems() const = 0;
    virtual bool AtEnd() const = 0;
    virtual void SetIndex(int newIndex) { index = newIndex; }
    virtual int GetIndex() const { return index; }
    virtual XmlIteratorBase& operator=(const XmlIteratorBase& other)
    {
        node = other.node;
        index = other.index;
        return *this;
    }
    virtual bool operator==(const XmlIteratorBase& other) const { return index == other.index; }
    virtual bool operator!=(const XmlIteratorBase& other) const { return index != other.index; }
    virtual bool operator<(const XmlIteratorBase& other) const { return index < other.index; }
    virtual bool operator>(const XmlIteratorBase& other) const { return index > other.index; }
    virtual bool operator<=(const XmlIteratorBase& other) const { return index <= other.index; }
    virtual bool operator>=(const XmlIteratorBase& other) const { return index >= other.index; }
    virtual XmlIteratorBase& operator++()
    {
        ++index;
        return *this;
    }
    virtual XmlIteratorBase& operator--()
    {
        --index;
        return *this;
    }
    virtual Handle& operator*() = 0;
    virtual Handle* operator->() = 0;

    XmlNodeRecord* node;
    int index;

protected:
    bool IndexInside(unsigned count) const { return index >= 0 && static_cast<unsigned>(index) < count; }

    Handle current_;
};

class XmlNodeIterator : public XmlIteratorBase<XmlElement>
{
public:
    using XmlIteratorBase::XmlIteratorBase;
    using XmlIteratorBase::operator=;

    bool HasItems() const override { return node && node->children && node->childCount != 0; }
    bool AtEnd() const override { return !HasItems() || !IndexInside(node->childCount); }
    XmlElement& operator*() override
    {
        current_ = XmlElement(AtEnd() ? nullptr : node->children[index]);
        return current_;
    }
    XmlElement* operator->() override { return &**this; }
};

class XmlAttributeIterator : public XmlIteratorBase<XmlAttribute>
{
public:
    using XmlIteratorBase::XmlIteratorBase;
    using XmlIteratorBase::operator=;

    bool HasItems() const override { return node && node->attributes && node->attributeCount != 0; }
    bool AtEnd() const override { return !HasItems() || !IndexInside(node->attributeCount); }
    XmlAttribute& operator*() override
    {
        current_ = XmlAttribute(AtEnd() ? nullptr : node->attributes[index]);
        return current_;
    }
    XmlAttribute* operator->() override { return &**this; }
};
