#pragma once
// A block of memory inside another process, for the window messages whose
// arguments point at structures (tree items, tooltip tools): the structure
// is written there, the message sent with the block's address, and the
// answer read back.
//
//     RemoteMemory block(processId, 4096);
//     block.Write(0, &item, sizeof item);
//     SendMessage(tree, TVM_GETITEMA, 0, (LPARAM)block.Address(0));
//     block.Read(0, &item, sizeof item);
#include <windows.h>

#include <string>

class RemoteMemory
{
public:
    RemoteMemory(DWORD processId, SIZE_T size);
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory();

    bool IsValid() const { return m_base != nullptr; }
    // The address, in the other process, of the byte at offset.
    ULONG_PTR Address(SIZE_T offset) const { return (ULONG_PTR)m_base + offset; }
    bool Write(SIZE_T offset, const void* bytes, SIZE_T count);
    bool Read(SIZE_T offset, void* bytes, SIZE_T count) const;
    // A NUL-terminated UTF-16 text at offset, as 8-bit text of the system
    // code page.
    std::string ReadWideText(SIZE_T offset, SIZE_T maxChars) const;
    // True when the other process runs 64-bit code while this one runs
    // 32-bit code under the 64-bit system: its pointers are 8 bytes wide.
    bool HasWidePointers() const;

private:
    HANDLE m_process;
    void* m_base;
};
