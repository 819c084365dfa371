#include "engine/XmlReader.h"

#include "engine/TextScan.h"

#include <windows.h>
#include <stdlib.h>
#include <string.h>

namespace {

// The bytes asked for by one ReadFile: a whole number of blocks, about this many.
const DWORD kLargeRead = 256 * 1024;

// The heap text being read: grows by doubling so that reading is linear in
// the file size.
class TextBuffer
{
public:
    ~TextBuffer() { free(text_); }

    bool Reserve(unsigned long room)
    {
        if (length_ + room + 1 <= capacity_)
            return true;
        unsigned long wanted = capacity_ * 2 > length_ + room + 1 ? capacity_ * 2 : length_ + room + 1;
        char* bigger = static_cast<char*>(realloc(text_, wanted));
        if (!bigger)
            return false;
        text_ = bigger;
        capacity_ = wanted;
        return true;
    }

    char* End() { return text_ + length_; }

    // Keeps the count bytes just read at End(), taken as reads of step bytes
    // each: of each, the bytes up to its first NUL byte.
    void Keep(unsigned long count, unsigned long step)
    {
        const char* read = End();
        for (unsigned long offset = 0; offset < count; offset += step)
        {
            unsigned long size = count - offset < step ? count - offset : step;
            const char* nul = TextFind(read + offset, read + offset + size, '\0');
            unsigned long kept = nul ? nul - (read + offset) : size;
            // Once a read was cut, the later ones move down to close the gap.
            if (text_ + length_ != read + offset)
                memmove(text_ + length_, read + offset, kept);
            length_ += kept;
        }
        text_[length_] = '\0';
    }

    unsigned long Length() const { return length_; }

    char* Release()
    {
        char* text = text_;
        text_ = nullptr;
        return text;
    }

private:
    char* text_ = nullptr;
    unsigned long length_ = 0;
    unsigned long capacity_ = 0;
};

} // namespace

bool XmlReadFile(const char* path, char** text, unsigned long* length, unsigned long blockSize,
                 unsigned long* bytesRead)
{
    if (bytesRead)
        *bytesRead = 0;
    if (!path || !text || !length || blockSize < 2)
        return false;
    *text = nullptr;
    *length = 0;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;

    TextBuffer buffer;
    const DWORD step = blockSize - 1;
    // The file is read in many blocks at a time, with few system calls, and
    // each block is cut at its first NUL byte while it is still in the cache.
    const DWORD blocksPerRead = step < kLargeRead ? kLargeRead / step : 1;
    const DWORD readSize = step * blocksPerRead;
    // Room for the whole file and the last, empty read at once; the file may
    // still grow while it is read.
    DWORD sizeHigh = 0;
    DWORD size = GetFileSize(file, &sizeHigh);
    bool ok = size != INVALID_FILE_SIZE && sizeHigh == 0 ? buffer.Reserve(size + readSize) : true;
    unsigned long total = 0;
    while (ok)
    {
        ok = buffer.Reserve(readSize);
        DWORD got = 0;
        if (!ok || !ReadFile(file, buffer.End(), readSize, &got, nullptr) || got == 0)
            break;
        total += got;
        buffer.Keep(got, step);
    }
    CloseHandle(file);
    if (bytesRead)
        *bytesRead = total;
    if (!ok || buffer.Length() == 0)
        return false;
    *length = buffer.Length();
    *text = buffer.Release();
    return true;
}
