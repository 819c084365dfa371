#include "engine/BackgroundFlush.h"

#include <process.h>

BackgroundFlush::BackgroundFlush(HANDLE file) : file_(file)
{}

BackgroundFlush::~BackgroundFlush()
{
    Stop();
}

void BackgroundFlush::Request()
{
    if (!request_)
        request_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (request_ && !thread_)
        thread_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &ThreadMain, this, 0, nullptr));
    // Without a thread the final flush does all the work.
    if (thread_)
    {
        InterlockedExchange(&pending_, 1);
        SetEvent(request_);
    }
}

bool BackgroundFlush::Stop()
{
    if (thread_)
    {
        InterlockedExchange(&stopping_, 1);
        SetEvent(request_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    if (request_)
    {
        CloseHandle(request_);
        request_ = nullptr;
    }
    return failed_ == 0;
}

unsigned __stdcall BackgroundFlush::ThreadMain(void* self)
{
    BackgroundFlush* flush = static_cast<BackgroundFlush*>(self);
    for (;;)
    {
        WaitForSingleObject(flush->request_, INFINITE);
        if (InterlockedExchange(&flush->pending_, 0) && !FlushFileBuffers(flush->file_))
            InterlockedExchange(&flush->failed_, 1);
        if (flush->stopping_)
            return 0;
    }
}
