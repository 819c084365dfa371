// close_main_window DESKTOP PROGRAM: asks a running program to close as a
// click on its close button does, by posting WM_CLOSE to its main windows (the
// top-level windows with a caption and no owner) on the named desktop. The
// program then ends the way it always does, saving what it saves on close.
// scripts/run uses it when it is stopped (Ctrl+C) while Tidewatch runs.
//
//     wine close_main_window.exe Tidewatch Tidewatch.exe
//
// Exit status: 0 when a window got the message, 1 when none was found (no such
// desktop, no such program, or no main window), 2 for wrong arguments.
#include <windows.h>
#include <tlhelp32.h>

namespace {

struct Search
{
    const char* program; // the file name of the program's executable
    int posted;
};

// The file name of the process's executable ("" when the process is gone).
void ProgramOfProcess(DWORD processId, char* name, size_t size)
{
    name[0] = '\0';
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry))
    {
        if (entry.th32ProcessID == processId)
        {
            ::lstrcpynA(name, entry.szExeFile, (int)size);
            break;
        }
    }
    ::CloseHandle(snapshot);
}

bool IsMainWindow(HWND hwnd)
{
    const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
    return ::GetWindow(hwnd, GW_OWNER) == NULL && (style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0;
}

BOOL CALLBACK CloseIfMainWindow(HWND hwnd, LPARAM lParam)
{
    Search* search = (Search*)lParam;
    if (!IsMainWindow(hwnd))
        return TRUE;
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    char program[MAX_PATH];
    ProgramOfProcess(processId, program, sizeof program);
    if (::lstrcmpiA(program, search->program) == 0 && ::PostMessageA(hwnd, WM_CLOSE, 0, 0))
        ++search->posted;
    return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    // Windows are listed per desktop: the thread moves to the program's own
    // before it has a window of its own.
    HDESK desktop = ::OpenDesktopA(argv[1], 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
    if (desktop == NULL || !::SetThreadDesktop(desktop))
        return 1;
    Search search = {argv[2], 0};
    ::EnumWindows(CloseIfMainWindow, (LPARAM)&search);
    return search.posted > 0 ? 0 : 1;
}
