#include "engine/ProgramFolder.h"

#include <vector>

namespace {

CString& Folder()
{
    static CString folder;
    return folder;
}

} // namespace

CString ProgramFolder()
{
    return Folder();
}

void SetProgramFolder(const char* folder)
{
    Folder() = folder;
}

CString FolderOfModulePath(const char* modulePath)
{
    CString path(modulePath);
    int backslash = path.ReverseFind('\\');
    return backslash < 0 ? CString() : path.Left(backslash);
}

void SetProgramFolderFromModule()
{
    // The path may be longer than MAX_PATH: grow until it fits.
    std::vector<char> path(MAX_PATH + 1);
    for (;;)
    {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return;
        if (length < path.size() - 1)
        {
            SetProgramFolder(FolderOfModulePath(path.data()));
            return;
        }
        path.resize(path.size() * 2);
    }
}
