#include "engine/XmlReader.h"

#include <windows.h>
#include <stdlib.h>
#include <string.h>

namespace {

// The heap text being read: grows by doubling so that reading is linear in
// the file size.
class TextBuffer {
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

    // Keeps the bytes just read at End() up to their first NUL byte.
    void Keep(unsigned long count)
    {
        const void* nul = memchr(End(), '\0', count);
        length_ += nul ? static_cast<const char*>(nul) - End() : count;
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
    // Room for the whole file and the last, empty read at once; the file may
    // still grow while it is read.
    DWORD sizeHigh = 0;
    DWORD size = GetFileSize(file, &sizeHigh);
    bool ok = size != INVALID_FILE_SIZE && sizeHigh == 0 ? buffer.Reserve(size + step) : true;
    unsigned long total = 0;
    while (ok) {
        ok = buffer.Reserve(step);
        DWORD got = 0;
        if (!ok || !ReadFile(file, buffer.End(), step, &got, nullptr) || got == 0)
            break;
        total += got;
        buffer.Keep(got);
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
