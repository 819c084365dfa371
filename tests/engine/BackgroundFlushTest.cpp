#include "engine/BackgroundFlush.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A flush that fails in the background must not get lost: Stop reports it.
TEST(BackgroundFlush, StopReportsWhetherEveryFlushWorked)
{
    // Each case: its name, whether the handle is a file open for writing (else
    // no usable handle), the flushes asked for and what Stop gives.
    const std::tuple<const char*, bool, int, bool> cases[] = {
        {"no request, no thread", false, 0, true},
        {"requests on a file", true, 3, true},
        {"request on a handle that is no file", false, 1, false},
    };
    TempFolder folder;
    for (const auto& [name, useFile, requests, stopResult] : cases)
    {
        HANDLE file = useFile ? CreateFileA(folder.File("f.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, 0, nullptr)
                              : reinterpret_cast<HANDLE>(0x7FFC);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        BackgroundFlush flush(file);
        for (int i = 0; i < requests; ++i)
            flush.Request();
        EXPECT_EQ(flush.Stop(), stopResult) << name;
        EXPECT_EQ(flush.Stop(), stopResult) << name << ", asked again";
        if (useFile)
            CloseHandle(file);
    }
}

} // namespace
