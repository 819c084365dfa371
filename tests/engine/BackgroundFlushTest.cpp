#include "engine/BackgroundFlush.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct FlushCase
{
    const char* name;
    bool useFile; // a handle to a file open for writing, else no usable handle
    int requests;
    bool stopResult;
};

// A flush that fails in the background must not get lost: Stop reports it.
TEST(BackgroundFlush, StopReportsWhetherEveryFlushWorked)
{
    const FlushCase cases[] = {
        {"no request, no thread", false, 0, true},
        {"requests on a file", true, 3, true},
        {"request on a handle that is no file", false, 1, false},
    };
    TempFolder folder;
    for (const FlushCase& test : cases)
    {
        HANDLE file = test.useFile ? CreateFileA(folder.File("f.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, 0, nullptr)
                                   : reinterpret_cast<HANDLE>(0x7FFC);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        BackgroundFlush flush(file);
        for (int i = 0; i < test.requests; ++i)
            flush.Request();
        EXPECT_EQ(flush.Stop(), test.stopResult) << test.name;
        EXPECT_EQ(flush.Stop(), test.stopResult) << test.name << ", asked again";
        if (test.useFile)
            CloseHandle(file);
    }
}

} // namespace
