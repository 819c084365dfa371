#pragma once
// Pushes the data written to a file so far to the disk on a thread of its own
// while the writing goes on, so that the final flush before the file is closed
// has little left to do. XmlWriter asks for a flush every few megabytes.
//
//     BackgroundFlush flush(handle);
//     ... write ...; flush.Request();  // returns at once
//     bool ok = flush.Stop();          // waits for the flush asked for
#include <windows.h>

class BackgroundFlush
{
public:
    // The handle stays the caller's; the thread starts with the first Request.
    explicit BackgroundFlush(HANDLE file);
    BackgroundFlush(const BackgroundFlush&) = delete;
    BackgroundFlush& operator=(const BackgroundFlush&) = delete;
    // Stops the thread when Stop was not called.
    ~BackgroundFlush();

    // Asks for a flush of everything written so far; requests made while a
    // flush is under way make one more flush after it.
    void Request();
    // Ends the thread once the flush asked for is done; false when a flush
    // failed (its error would otherwise be lost to a later flush).
    bool Stop();

private:
    static unsigned __stdcall ThreadMain(void* self);

    HANDLE file_;
    HANDLE request_ = nullptr;
    HANDLE thread_ = nullptr;
    volatile LONG pending_ = 0; // a flush was asked for and has not started
    volatile LONG stopping_ = 0;
    volatile LONG failed_ = 0;
};
