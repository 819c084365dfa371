#include "framework/core/CFixedAlloc.h"

#include <stddef.h>
#include <stdlib.h>

CFixedAlloc::CFixedAlloc(UINT nAllocSize, UINT nBlockSize)
    : m_nAllocSize(nAllocSize), m_nBlockSize(nBlockSize > 0 ? nBlockSize : 1), m_pChunks(NULL),
      m_pFreeList(NULL)
{
    // Each block can hold the free-list link and keeps the next one aligned.
    const UINT alignment = sizeof(double);
    if (m_nAllocSize < sizeof(FreeBlock))
        m_nAllocSize = sizeof(FreeBlock);
    m_nAllocSize = (m_nAllocSize + alignment - 1) / alignment * alignment;
    InitializeCriticalSection(&m_protect);
}

CFixedAlloc::~CFixedAlloc()
{
    while (m_pChunks)
    {
        Chunk* pNext = m_pChunks->pNext;
        free(m_pChunks);
        m_pChunks = pNext;
    }
    DeleteCriticalSection(&m_protect);
}

void* CFixedAlloc::Alloc()
{
    EnterCriticalSection(&m_protect);
    if (!m_pFreeList)
    {
        // A new chunk: its blocks go onto the free list, the first block on top.
        size_t blocksOffset = offsetof(Chunk, alignment);
        Chunk* pChunk = (Chunk*)malloc(blocksOffset + (size_t)m_nAllocSize * m_nBlockSize);
        if (pChunk)
        {
            pChunk->pNext = m_pChunks;
            m_pChunks = pChunk;
            BYTE* pBlocks = (BYTE*)pChunk + blocksOffset;
            for (UINT i = m_nBlockSize; i-- > 0;)
            {
                FreeBlock* pBlock = (FreeBlock*)(pBlocks + (size_t)i * m_nAllocSize);
                pBlock->pNext = m_pFreeList;
                m_pFreeList = pBlock;
            }
        }
    }
    FreeBlock* pBlock = m_pFreeList;
    if (pBlock)
        m_pFreeList = pBlock->pNext;
    LeaveCriticalSection(&m_protect);
    return pBlock;
}

void CFixedAlloc::Free(void* p)
{
    if (!p)
        return;
    FreeBlock* pBlock = (FreeBlock*)p;
    EnterCriticalSection(&m_protect);
    pBlock->pNext = m_pFreeList;
    m_pFreeList = pBlock;
    LeaveCriticalSection(&m_protect);
}
