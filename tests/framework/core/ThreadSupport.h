#pragma once
// RunOnThreads(n, f): runs f(0) ... f(n - 1), each on a new thread of its own and all at once, and
// returns when every one has ended (and so has freed what it kept per thread).
#include <windows.h>

#include <process.h>

#include <functional>
#include <vector>

inline unsigned __stdcall RunThreadPart(void* part)
{
    (*(std::function<void()>*)part)();
    return 0;
}

inline void RunOnThreads(int count, const std::function<void(int)>& f)
{
    std::vector<std::function<void()>> parts;
    for (int i = 0; i < count; ++i)
        parts.push_back([&f, i] { f(i); });
    std::vector<HANDLE> threads;
    for (std::function<void()>& part : parts)
        threads.push_back((HANDLE)_beginthreadex(NULL, 0, &RunThreadPart, &part, 0, NULL));
    WaitForMultipleObjects((DWORD)count, threads.data(), TRUE, INFINITE);
    for (HANDLE thread : threads)
        CloseHandle(thread);
}
