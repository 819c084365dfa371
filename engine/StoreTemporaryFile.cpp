#include "engine/StoreTemporaryFile.h"

#include <ctype.h>
#include <string.h>

namespace {

const char* const kMark = ".~twk";
const char* const kExtension = ".tmp";
const int kUniqueDigits = 4;
const unsigned kUniqueValues = 0x10000;

} // namespace

bool IsStoreTemporaryName(const char* fileName, const char* storeName)
{
    // File names compare without regard to case, as the file system does.
    CString prefix = CString(storeName) + kMark;
    int prefixLength = prefix.GetLength();
    CString name(fileName);
    if (name.GetLength() != prefixLength + kUniqueDigits + static_cast<int>(strlen(kExtension)))
        return false;
    if (name.Left(prefixLength).CompareNoCase(prefix) != 0
        || name.Right(static_cast<int>(strlen(kExtension))).CompareNoCase(kExtension) != 0)
        return false;
    for (int i = 0; i < kUniqueDigits; ++i)
    {
        if (!isxdigit(static_cast<unsigned char>(name[prefixLength + i])))
            return false;
    }
    return true;
}

CString CreateStoreTemporaryFile(const CString& storePath)
{
    // Start where another process is unlikely to, and take the first free number.
    unsigned start = GetTickCount() ^ GetCurrentProcessId();
    for (unsigned i = 0; i < kUniqueValues; ++i)
    {
        CString path;
        path.Format("%s%s%04X%s", static_cast<const char*>(storePath), kMark, (start + i) % kUniqueValues,
                    kExtension);
        HANDLE file =
            CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
        {
            CloseHandle(file);
            return path;
        }
        DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    return CString();
}

void RemoveStoreLeftovers(const CString& storePath)
{
    int slash = storePath.ReverseFind('\\');
    CString folder = storePath.Left(slash + 1);
    CString storeName = storePath.Mid(slash + 1);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(storePath + kMark + "*" + kExtension, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
    {
        // The pattern also matches short names and longer tails: only our own names go.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            && IsStoreTemporaryName(found.cFileName, storeName))
            DeleteFileA(folder + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}
