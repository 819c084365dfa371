#pragma once
// CFixedAlloc: blocks of one fixed size, carved from large chunks and kept on a
// free list when released, for records that are many and small (string
// buffers, list items): the heap then sees one allocation per chunk instead of
// one per record. Released blocks are reused, never given back to the heap
// while the allocator lives. Alloc and Free may be called from any thread.
//
//     static CFixedAlloc s_itemBlocks(sizeof(Item));
//     void* p = s_itemBlocks.Alloc();  // NULL when memory runs out
//     s_itemBlocks.Free(p);
#include "framework/core/AfxBase.h"

class CFixedAlloc
{
public:
    // nAllocSize: the bytes of each block; nBlockSize: the blocks of each chunk.
    explicit CFixedAlloc(UINT nAllocSize, UINT nBlockSize = 64);
    CFixedAlloc(const CFixedAlloc&) = delete;
    CFixedAlloc& operator=(const CFixedAlloc&) = delete;
    // Frees every chunk: no block may be in use any more.
    ~CFixedAlloc();

    UINT GetAllocSize() const { return m_nAllocSize; }
    // A block of GetAllocSize() bytes, aligned for any type; NULL when memory runs out.
    void* Alloc();
    // Takes back a block from Alloc; NULL is ignored.
    void Free(void* p);

private:
    struct FreeBlock
    {
        FreeBlock* pNext;
    };
    struct Chunk
    {
        Chunk* pNext;
        double alignment; // the blocks that follow the link are aligned like a double
    };

    UINT m_nAllocSize;
    UINT m_nBlockSize;
    Chunk* m_pChunks;
    FreeBlock* m_pFreeList;
    CRITICAL_SECTION m_protect;
};
