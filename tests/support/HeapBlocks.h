#pragma once
// The number of blocks in use on every heap of the process: a test that
// repeats an operation many times and finds this count grown by about the
// number of repetitions has found something the operation never frees.
// The count itself allocates nothing.
//
//     const size_t nBefore = LiveHeapBlocks();
//     for (int i = 0; i < 30; i++) CreateAndDestroy();
//     EXPECT_LT(LiveHeapBlocks(), nBefore + 10);
#include <cstddef>

size_t LiveHeapBlocks();
