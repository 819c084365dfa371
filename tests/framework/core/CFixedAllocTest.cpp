#include "framework/Core.h"

#include <gtest/gtest.h>

#include <stdint.h>

#include <string>
#include <vector>

namespace {

struct SizeCase
{
    const char* name;
    UINT requested;
    UINT blocksPerChunk;
    UINT allocSize; // the link fits and the next block stays aligned like a double
};

TEST(CFixedAlloc, BlocksAreDistinctAlignedAndKeepTheirBytes)
{
    const SizeCase cases[] = {
        {"smaller than the link", 1, 4, 8}, {"rounded up", 20, 64, 24},
        {"one past a multiple", 17, 8, 24}, {"exact", 64, 3, 64},
        {"one block a chunk", 40, 1, 40},
    };
    for (const SizeCase& test : cases)
    {
        CFixedAlloc blocks(test.requested, test.blocksPerChunk);
        EXPECT_EQ(blocks.GetAllocSize(), test.allocSize) << test.name;
        // Many chunks' worth; each block filled with its own number.
        std::vector<BYTE*> taken;
        for (int i = 0; i < 500; ++i)
        {
            taken.push_back((BYTE*)blocks.Alloc());
            ASSERT_EQ((uintptr_t)taken[i] % sizeof(double), 0u) << test.name;
            memset(taken[i], i, test.requested);
        }
        for (int i = 0; i < 500; ++i)
            ASSERT_EQ(std::string(test.requested, (char)i), std::string((char*)taken[i], test.requested))
                << i;
    }
}

TEST(CFixedAlloc, AFreedBlockIsTheNextHandedOut)
{
    CFixedAlloc blocks(16);
    void* first = blocks.Alloc();
    void* second = blocks.Alloc();
    EXPECT_NE(first, second);
    blocks.Free(first);
    EXPECT_EQ(blocks.Alloc(), first);
    blocks.Free(NULL);
    EXPECT_NE(blocks.Alloc(), second);
}

// Two threads taking blocks of one allocator at once: see CStringSharing, whose strings on many
// threads come from the shared string pools.

// String buffers come from fixed-size blocks up to a limit and from the heap
// beyond it: every length on both sides keeps its text through copies,
// appends and releases.
TEST(CFixedAlloc, StringsOfEverySizeAroundThePooledLimitKeepTheirText)
{
    std::vector<CString> strings;
    for (int length = 0; length <= 700; ++length)
        strings.push_back(CString((TCHAR)('a' + length % 26), length));
    for (int length = 0; length <= 700; length += 2)
        strings[length].Empty();
    for (int length = 0; length <= 700; ++length)
    {
        CString copy = strings[length];
        copy += "!";
        const std::string expected =
            length % 2 == 0 ? std::string("!") : std::string(length, (char)('a' + length % 26)) + "!";
        ASSERT_EQ(std::string((LPCTSTR)copy), expected) << "length " << length;
        ASSERT_TRUE(length % 2 == 0 || strings[length].GetAllocLength() == length) << "length " << length;
    }
}

} // namespace
