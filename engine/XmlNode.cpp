#include "engine/XmlNode.h"

#include <windows.h>

#include <stddef.h>
#include <stdlib.h>
#include <string.h>

#include <new>
#include <utility>

namespace {

bool HasAttributes(XmlNodeType type)
{
    return type != XmlDocumentNode && type != XmlText && type != XmlCData && type != XmlComment
           && type != XmlInclude;
}

bool HasChildren(XmlNodeType type)
{
    return type == XmlDocumentNode || type == XmlElementNode || type == XmlDocType;
}

// The records of one tree: a document of many small elements would otherwise
// spend most of its parse in malloc and free. Records are carved from large
// blocks one after the other and never freed one by one; the whole pool goes
// when the tree's top node is freed. Blocks start small, so that a small
// document costs little, and double up to a limit that keeps them among a
// heap's ordinary blocks (larger ones it maps and unmaps anew each time, and
// touching fresh memory is slow). The blocks come from a heap of the pool's
// own, destroyed with it: the records of a large document, read once and
// dropped (the keyword store at start-up), go back to the system instead of
// staying in the process's heap, where nothing of the same size would reuse
// them.
class RecordPool
{
public:
    RecordPool(const RecordPool&) = delete;
    RecordPool& operator=(const RecordPool&) = delete;

    static RecordPool* Create()
    {
        // A tree is built and freed by one thread at a time.
        HANDLE heap = HeapCreate(HEAP_NO_SERIALIZE, 0, 0);
        void* memory = heap ? malloc(sizeof(RecordPool)) : nullptr;
        if (!memory)
        {
            if (heap)
                HeapDestroy(heap);
            return nullptr;
        }
        return new (memory) RecordPool(heap);
    }

    static void Destroy(RecordPool* pool)
    {
        if (!pool)
            return;
        HeapDestroy(pool->heap_);
        free(pool);
    }

    // Room for size bytes, aligned for any record; null when memory runs out.
    void* Allocate(size_t size)
    {
        size = (size + kAlign - 1) & ~(kAlign - 1);
        if (size > static_cast<size_t>(end_ - next_) && !AddBlock(size))
            return nullptr;
        void* room = next_;
        next_ += size;
        return room;
    }

private:
    // The heap's blocks are aligned for it too.
    static const size_t kAlign = 8;
    static const size_t kFirstBlock = 4096;
    static const size_t kLargestBlock = 256 * 1024;

    explicit RecordPool(HANDLE heap) : heap_(heap) {}

    bool AddBlock(size_t size)
    {
        size_t records = nextBlock_ > size ? nextBlock_ : size;
        char* block = static_cast<char*>(HeapAlloc(heap_, 0, records));
        if (!block)
            return false;
        next_ = block;
        end_ = block + records;
        if (nextBlock_ < kLargestBlock)
            nextBlock_ *= 2;
        return true;
    }

    HANDLE heap_;
    char* next_ = nullptr;
    char* end_ = nullptr;
    size_t nextBlock_ = kFirstBlock;
};

// A node, the one slot of each of its first arrays (most nodes never need
// more than one child or one attribute) and the pool of its tree. The top
// node of a tree (from XmlNewNode) is a block of its own from malloc and owns
// the pool; every record below it comes from the pool.
struct NodeBlock
{
    XmlNodeRecord node;
    XmlAttrRecord* attributeSlot;
    XmlNodeRecord* childSlot;
    RecordPool* pool; // created with the first record appended below the top
    bool top;
};

NodeBlock* BlockOf(XmlNodeRecord* node)
{
    return reinterpret_cast<NodeBlock*>(node);
}

RecordPool* PoolOf(XmlNodeRecord* node)
{
    NodeBlock* block = BlockOf(node);
    if (!block->pool)
        block->pool = RecordPool::Create();
    return block->pool;
}

// Arrays up to this many slots come from the pool (an array that grows
// leaves its old slots there unused); larger ones are allocated and freed on
// their own, so that a node with very many children wastes no more than it uses.
const unsigned kPooledArraySlots = 64;

bool IsPooledArray(unsigned capacity)
{
    return capacity > 1 && capacity <= kPooledArraySlots;
}

// Frees an array unless it is the slot inside its node's block or lies in the pool.
template <class Record>
void FreeArray(Record** array, Record** slot, unsigned capacity)
{
    if (array != slot && !IsPooledArray(capacity))
        free(array);
}

// Makes room for one more slot in a pointer array. The array grows by the
// caller's step or by its own size, whichever is larger, so that appending n
// records costs time linear in n.
template <class Record>
bool MakeRoom(XmlNodeRecord* node, Record**& array, Record** slot, unsigned count, unsigned& capacity,
              unsigned grow)
{
    if (count < capacity)
        return true;
    unsigned step = grow > capacity ? grow : capacity;
    if (step == 0)
        step = 1;
    unsigned newCapacity = capacity + step;
    size_t bytes = newCapacity * sizeof(Record*);
    Record** bigger = nullptr;
    if (IsPooledArray(newCapacity))
    {
        RecordPool* pool = PoolOf(node);
        bigger = pool ? static_cast<Record**>(pool->Allocate(bytes)) : nullptr;
    }
    else
    {
        bigger = static_cast<Record**>(malloc(bytes));
    }
    if (!bigger)
        return false;
    if (count)
        memcpy(bigger, array, count * sizeof(Record*));
    FreeArray(array, slot, capacity);
    array = bigger;
    capacity = newCapacity;
    return true;
}

void FreeOwnString(char* text, int inPlace)
{
    if (!inPlace)
        free(text);
}

// Frees what the node holds itself (not its children); the top node also
// frees its block and the tree's pool.
void FreeNodeAlone(XmlNodeRecord* node)
{
    for (unsigned i = 0; i < node->attributeCount; ++i)
    {
        XmlAttrRecord* attribute = node->attributes[i];
        FreeOwnString(attribute->name, attribute->nameInPlace);
        FreeOwnString(attribute->value, attribute->valueInPlace);
    }
    NodeBlock* block = BlockOf(node);
    FreeArray(node->attributes, &block->attributeSlot, node->attributeCapacity);
    FreeArray(node->children, &block->childSlot, node->childCapacity);
    FreeOwnString(node->name, node->nameInPlace);
    FreeOwnString(node->value, node->valueInPlace);
    if (block->top)
    {
        RecordPool::Destroy(block->pool);
        free(block);
    }
}

// Gives a zeroed block its type and its first arrays.
XmlNodeRecord* InitNode(NodeBlock* block, XmlNodeType type)
{
    memset(block, 0, sizeof *block);
    XmlNodeRecord* node = &block->node;
    node->type = type;
    node->nameInPlace = 1;
    node->valueInPlace = 1;
    if (HasAttributes(type))
    {
        node->attributes = &block->attributeSlot;
        node->attributeCapacity = 1;
    }
    if (HasChildren(type))
    {
        node->children = &block->childSlot;
        node->childCapacity = 1;
    }
    return node;
}

} // namespace

namespace {

constexpr bool IsNameCharCode(size_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ':'
           || c == '-' || c == '.';
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
    NodeBlock* block = static_cast<NodeBlock*>(malloc(sizeof(NodeBlock)));
    if (!block)
        return nullptr;
    XmlNodeRecord* node = InitNode(block, type);
    block->top = true;
    return node;
}

XmlNodeRecord* XmlAppendChild(XmlNodeRecord* parent, unsigned grow, XmlNodeType type)
{
    if (!parent
        || !MakeRoom(parent, parent->children, &BlockOf(parent)->childSlot, parent->childCount,
                     parent->childCapacity, grow))
        return nullptr;
    RecordPool* pool = PoolOf(parent);
    void* room = pool ? pool->Allocate(sizeof(NodeBlock)) : nullptr;
    if (!room)
        return nullptr;
    NodeBlock* block = static_cast<NodeBlock*>(room);
    XmlNodeRecord* child = InitNode(block, type);
    block->pool = pool;
    child->parent = parent;
    parent->children[parent->childCount++] = child;
    return child;
}

XmlAttrRecord* XmlAppendAttribute(XmlNodeRecord* node, unsigned grow)
{
    if (!node
        || !MakeRoom(node, node->attributes, &BlockOf(node)->attributeSlot, node->attributeCount,
                     node->attributeCapacity, grow))
        return nullptr;
    RecordPool* pool = PoolOf(node);
    void* room = pool ? pool->Allocate(sizeof(XmlAttrRecord)) : nullptr;
    if (!room)
        return nullptr;
    XmlAttrRecord* attribute = static_cast<XmlAttrRecord*>(room);
    attribute->name = nullptr;
    attribute->nameInPlace = 1;
    attribute->value = nullptr;
    attribute->valueInPlace = 1;
    node->attributes[node->attributeCount++] = attribute;
    return attribute;
}

void XmlFreeTree(XmlNodeRecord* node)
{
    // Children before parents: descend into the last child still held, free a
    // node once it has none left, then go back up by the parent link.
    XmlNodeRecord* top = node;
    while (node)
    {
        if (node->childCount > 0)
        {
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
    for (; *from; ++from)
    {
        if (!XmlIsSpace(*from))
        {
            *to++ = *from;
            afterWord = true;
        }
        else if (afterWord)
        {
            *to++ = ' ';
            afterWord = false;
        }
    }
    if (to > value && to[-1] == ' ')
        --to;
    *to = '\0';
    return value;
}
