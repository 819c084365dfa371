#pragma once
// CSharedFile: a memory file kept in a global memory block (for the clipboard and drag and drop).
// Detach hands the block, cut to the file's length, to the caller; SetHandle reads or extends a
// block made elsewhere.
#include "framework/core/CMemFile.h"

class CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)
public:
    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);
    ~CSharedFile() override;

    // The file's block; the file is empty afterwards and the caller owns the block.
    HGLOBAL Detach();
    // Works on the block; its whole size is the file's length. The file owns it from now on.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

protected:
    BYTE* Alloc(SIZE_T nBytes) override;
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override;
    void Free(BYTE* lpMem) override;

    UINT m_nAllowGrow;
    HGLOBAL m_hGlobalMemory;
    UINT m_nAllocFlags;
};
