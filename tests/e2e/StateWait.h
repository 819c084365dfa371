#pragma once
// Waiting for a state of the program or the shell, never for a time: a wait
// polls its condition and ends as soon as it holds.
//
//     ASSERT_TRUE(WaitUntil([&] { return program.TreeText() == "Zivoror Udove"; }));
#include <windows.h>

#include <functional>

// How long the suite waits for a state the program should reach: long
// enough for a machine whose every core is busy, where the program and the
// shell may take many times their usual time. Only a failing scenario waits
// this long.
const DWORD kStateWaitMs = 30000;

// Polls done every 20 ms; false when it is still false after timeoutMs.
// Defined here, so that the benchmarks that borrow the driver's sources
// need no other file.
inline bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kStateWaitMs)
{
    DWORD start = ::GetTickCount();
    while (!done())
    {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(20);
    }
    return true;
}
