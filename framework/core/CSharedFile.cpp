#include "framework/core/CSharedFile.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllowGrow(nGrowBytes), m_hGlobalMemory(NULL), m_nAllocFlags(nAllocFlags)
{}

CSharedFile::~CSharedFile()
{
    Close();
    Free(NULL); // a block given to SetHandle that could not be locked
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes)
{
    Free(NULL); // a block given to SetHandle that could not be locked
    HGLOBAL hMemory = GlobalAlloc(m_nAllocFlags, nBytes);
    if (!hMemory)
        return NULL;
    m_hGlobalMemory = hMemory;
    return (BYTE*)GlobalLock(hMemory);
}

BYTE* CSharedFile::Realloc(BYTE*, SIZE_T nBytes)
{
    GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = GlobalReAlloc(m_hGlobalMemory, nBytes, GMEM_MOVEABLE);
    if (!hNew)
    {
        GlobalLock(m_hGlobalMemory); // the old block stays the file's
        return NULL;
    }
    m_hGlobalMemory = hNew;
    return (BYTE*)GlobalLock(hNew);
}

void CSharedFile::Free(BYTE*)
{
    if (m_hGlobalMemory)
    {
        GlobalUnlock(m_hGlobalMemory);
        GlobalFree(m_hGlobalMemory);
    }
    m_hGlobalMemory = NULL;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMemory = m_hGlobalMemory;
    if (!hMemory)
        return NULL;
    SIZE_T nLength = m_nFileSize;
    GlobalUnlock(hMemory);
    // The receiver learns the data's length from the block's size: cut off the unused growth.
    if (nLength > 0 && nLength < m_nBufferSize)
    {
        if (HGLOBAL hExact = GlobalReAlloc(hMemory, nLength, GMEM_MOVEABLE))
            hMemory = hExact;
    }
    m_hGlobalMemory = NULL;
    m_lpBuffer = NULL;
    m_nFileSize = m_nBufferSize = m_nPosition = 0;
    return hMemory;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    Close();
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = (BYTE*)GlobalLock(hGlobalMemory);
    m_nBufferSize = m_nFileSize = m_lpBuffer ? GlobalSize(hGlobalMemory) : 0;
    m_nGrowBytes = bAllowGrow ? m_nAllowGrow : 0;
    m_bAutoDelete = TRUE;
}
