#include "RemoteMemory.h"

#include <vector>

RemoteMemory::RemoteMemory(DWORD processId, SIZE_T size) : m_base(nullptr)
{
    m_process =
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                      FALSE, processId);
    if (m_process != NULL)
        m_base = ::VirtualAllocEx(m_process, NULL, size, MEM_COMMIT, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory()
{
    if (m_base != nullptr)
        ::VirtualFreeEx(m_process, m_base, 0, MEM_RELEASE);
    if (m_process != NULL)
        ::CloseHandle(m_process);
}

bool RemoteMemory::Write(SIZE_T offset, const void* bytes, SIZE_T count)
{
    SIZE_T written = 0;
    return IsValid() && ::WriteProcessMemory(m_process, (char*)m_base + offset, bytes, count, &written)
           && written == count;
}

bool RemoteMemory::Read(SIZE_T offset, void* bytes, SIZE_T count) const
{
    SIZE_T got = 0;
    return IsValid() && ::ReadProcessMemory(m_process, (void*)Address(offset), bytes, count, &got)
           && got == count;
}

std::string RemoteMemory::ReadWideText(SIZE_T offset, SIZE_T maxChars) const
{
    std::vector<wchar_t> text(maxChars + 1, L'\0');
    if (!Read(offset, text.data(), maxChars * sizeof(wchar_t)))
        return std::string();
    int size = ::WideCharToMultiByte(CP_ACP, 0, text.data(), -1, NULL, 0, NULL, NULL);
    std::string narrow(size > 1 ? size : 1, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), -1, &narrow[0], size, NULL, NULL);
    narrow.resize(narrow.size() - 1);
    return narrow;
}

bool RemoteMemory::HasWidePointers() const
{
    BOOL selfEmulated = FALSE, otherEmulated = FALSE;
    ::IsWow64Process(::GetCurrentProcess(), &selfEmulated);
    ::IsWow64Process(m_process, &otherEmulated);
    return selfEmulated && !otherEmulated;
}
