// INI files the process cannot hold: a load answers failure, without an
// exception and with the document as it was, whether the file is bigger
// than the address space or the memory runs out while its bytes or its
// lines are taken in.
#include "tests/support/TempFolder.h"
#include "toolkit/foundation/XTPPropExchangeIniDocument.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"

#include <gtest/gtest.h>

#include <string.h>

#include <memory>
#include <vector>

namespace {

const SIZE_T kMiB = 1024 * 1024;
const ULONGLONG kGiB = 1024 * 1024 * 1024;

// While it lives, all of the process's free address space but one block of
// the given size is reserved, so that allocations beyond it fail as in a
// process that has used up its memory. Reserved space costs no memory.
class ScarceAddressSpace
{
public:
    explicit ScarceAddressSpace(SIZE_T nLeft)
    {
        m_blocks.reserve(4096);
        void* pLeft = ::VirtualAlloc(NULL, nLeft, MEM_RESERVE, PAGE_NOACCESS);
        for (SIZE_T nSize = 1024 * kMiB; nSize >= 64 * 1024 && m_blocks.size() < m_blocks.capacity(); nSize /= 2)
        {
            for (void* pBlock; m_blocks.size() < m_blocks.capacity()
                               && (pBlock = ::VirtualAlloc(NULL, nSize, MEM_RESERVE, PAGE_NOACCESS)) != NULL;)
                m_blocks.push_back(pBlock);
        }
        ::VirtualFree(pLeft, 0, MEM_RELEASE);
    }
    ScarceAddressSpace(const ScarceAddressSpace&) = delete;
    ScarceAddressSpace& operator=(const ScarceAddressSpace&) = delete;
    ~ScarceAddressSpace()
    {
        for (void* pBlock : m_blocks)
            ::VirtualFree(pBlock, 0, MEM_RELEASE);
    }

private:
    std::vector<void*> m_blocks;
};

// A file of the size given that begins with the text; the rest reads as
// zeros and takes no disk space.
void MakeFile(const std::string& strPath, ULONGLONG nSize, const std::string& strStart)
{
    HANDLE hFile = ::CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    DWORD nWritten = 0;
    ::WriteFile(hFile, strStart.data(), (DWORD)strStart.size(), &nWritten, NULL);
    LARGE_INTEGER end;
    end.QuadPart = (LONGLONG)nSize;
    EXPECT_TRUE(::SetFilePointerEx(hFile, end, NULL, FILE_BEGIN) && ::SetEndOfFile(hFile));
    ::CloseHandle(hFile);
}

std::string ShortLines(size_t nBytes)
{
    std::string strText = "[Lines]\r\n";
    while (strText.size() < nBytes)
        strText += "k=v\r\n";
    return strText;
}

const char kKept[] = "[Kept]\r\nx=1\r\n";

struct BigFile
{
    const char* name;
    ULONGLONG nSize;
    std::string start;
    SIZE_T nMemoryLeft; // 0: as much as the process has
};

TEST(PropExchangeIniMemory, AFileThatCannotBeHeldAnswersFailure)
{
    const BigFile kFiles[] = {
        {"one gibibyte: more than a string holds in this build", kGiB, kKept, 0},
        {"one and a half gibibytes", 3 * kGiB / 2, kKept, 0},
        {"two gibibytes less one byte: the largest size a 31-bit offset reaches", 2 * kGiB - 1, kKept, 0},
        {"three gibibytes: more than the address space", 3 * kGiB, kKept, 0},
        {"four gibibytes and a few bytes: the size does not fit 32 bits", 4 * kGiB + 16, kKept, 0},
        {"its bytes need more memory than is left", 32 * kMiB, kKept, 16 * kMiB},
        {"its lines need more memory than is left", 0, ShortLines(4 * kMiB), 16 * kMiB},
    };
    for (const BigFile& file : kFiles)
    {
        TempFolder folder;
        const std::string strPath = folder.File("big.ini");
        MakeFile(strPath, file.nSize > file.start.size() ? file.nSize : file.start.size(), file.start);
        CXTPPropExchangeIniDocument doc;
        ASSERT_TRUE(doc.Parse(kKept, strlen(kKept)));
        CXTPPropExchangeIniFile px(TRUE, NULL, "Kept");
        BOOL bLoaded = TRUE, bExchangeLoaded = TRUE;
        {
            std::unique_ptr<ScarceAddressSpace> pScarce(file.nMemoryLeft ? new ScarceAddressSpace(file.nMemoryLeft)
                                                                        : nullptr);
            bLoaded = doc.LoadFromFile(strPath.c_str());
            bExchangeLoaded = px.LoadFromFile(strPath.c_str());
        }
        EXPECT_FALSE(bLoaded) << file.name;
        EXPECT_FALSE(bExchangeLoaded) << file.name;
        CString strValue;
        EXPECT_TRUE(doc.Lookup("Kept", "x", strValue) && strValue == "1") << file.name << ": the document is as it was";
    }
}

TEST(PropExchangeIniMemory, TheSameFileLoadsWithTheMemoryItNeeds)
{
    // The control of the case above: with the memory there, the lines load.
    TempFolder folder;
    const std::string strPath = folder.File("lines.ini");
    WriteBytes(strPath, ShortLines(4 * kMiB));
    CXTPPropExchangeIniDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(strPath.c_str()));
    CString strValue;
    EXPECT_TRUE(doc.Lookup("Lines", "k", strValue) && strValue == "v");
}

} // namespace
