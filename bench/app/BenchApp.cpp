// Start-up and view speed of Tidewatch.exe, measured from outside the program
// as a user meets it. For each store (empty, and 1,000 keywords with 10 items
// each) a program folder of its own is made beside this executable, holding a
// copy of Tidewatch.exe and the store "conf.xml" written by the engine's own
// writer; the copy is started several times and the best figures are shown:
// - first paint: from CreateProcess until the main window is visible with no
//   part of it left to paint;
// - working set: the program's working set once it is idle after start;
// - tree full: from CreateProcess until the keyword tree holds the root and
//   every keyword (TVM_GETCOUNT);
// - list refill: selecting a keyword in the tree (TVM_SELECTITEM) until the
//   news list holds that keyword's items and has painted them.
// The options turn every check off and point the news search at a closed local
// port, so no run touches the network.
#include "bench/BenchClock.h"
#include "engine/KeywordGroup.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kRuns = 3;
const int kItemsPerKeyword = 10;
const DWORD kTimeoutMs = 30000;

std::string ModuleFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

void FillGroup(KeywordGroup& group, int keywords)
{
    for (int k = 0; k < keywords; ++k)
    {
        Keyword* keyword = new Keyword(("keyword " + std::to_string(k)).c_str());
        group.Add(keyword);
        for (int i = 0; i < kItemsPerKeyword; ++i)
        {
            std::string n = std::to_string(k * kItemsPerKeyword + i);
            keyword->AppendItem(new NewsItem(("A headline about the tides, number " + n).c_str(),
                                             ("http://news.example.com/story" + n + ".html").c_str(),
                                             "3 hours ago", "A summary of the story.", keyword, i % 2));
        }
    }
}

// A program folder holding a copy of Tidewatch.exe and a store of the given
// size; the path of the copy, or empty when the folder cannot be made.
std::string MakeProgramFolder(const std::string& program, const char* name, int keywords)
{
    std::string folder = ModuleFolder() + name + "\\";
    CreateDirectoryA(folder.c_str(), NULL);
    std::string copy = folder + "Tidewatch.exe";
    if (!CopyFileA(program.c_str(), copy.c_str(), FALSE))
    {
        printf("cannot copy %s to %s\n", program.c_str(), copy.c_str());
        return "";
    }
    KeywordGroup group;
    FillGroup(group, keywords);
    if (!group.ConfWriter((folder + "conf.xml").c_str()))
    {
        printf("cannot write the store in %s\n", folder.c_str());
        return "";
    }
    return copy;
}

// No check at start, none on a timer, no upgrade check, and a news-search
// host nobody listens on.
bool SetQuietOptions()
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quorvane\\Tidewatch\\Profile", 0, NULL,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, NULL, &key, NULL)
        != ERROR_SUCCESS)
        return false;
    const DWORD off = 0;
    bool ok = true;
    for (const char* name : {"AutoCheckOnStart", "AutoCheckEvery", "CheckUpgrade"})
        ok &= RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof off)
              == ERROR_SUCCESS;
    const char host[] = "127.0.0.1:9";
    ok &= RegSetValueExA(key, "SearchHost", 0, REG_SZ, reinterpret_cast<const BYTE*>(host), sizeof host)
          == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

struct WindowSearch
{
    DWORD processId;
    const char* className;
    HWND found;
};

// The process's visible top-level window with a caption: the main frame.
BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lParam)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId == search->processId && IsWindowVisible(hwnd)
        && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
    {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindChildOfClass(HWND hwnd, LPARAM lParam)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    char name[64];
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpiA(name, search->className) == 0)
    {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND ChildOfClass(HWND parent, const char* className)
{
    WindowSearch search = {0, className, NULL};
    EnumChildWindows(parent, FindChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Polls until done returns true; false after the time-out.
template <class Done>
bool WaitUntil(Done done)
{
    DWORD start = GetTickCount();
    while (!done())
    {
        if (GetTickCount() - start > kTimeoutMs)
            return false;
        Sleep(1);
    }
    return true;
}

struct Figures
{
    double firstPaint = 0; // seconds from start
    double treeFull = 0;   // seconds from start
    double listRefill = 0; // seconds, best of the selections
    double workingSetMb = 0;
};

bool Painted(HWND hwnd)
{
    return IsWindowVisible(hwnd) && !GetUpdateRect(hwnd, NULL, FALSE);
}

// The best of selecting each of a few keywords in turn, until the list holds
// its items and has painted them.
bool TimeListRefill(HWND tree, HWND list, double& best)
{
    HTREEITEM root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    HTREEITEM item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)));
    best = 1e9;
    for (int i = 0; i < 5 && item != NULL; ++i)
    {
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
        WaitUntil([&] { return Painted(list); });
        double start = Now();
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        if (!WaitUntil([&] {
                return SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == kItemsPerKeyword && Painted(list);
            }))
            return false;
        best = std::min(best, Now() - start);
        for (int skip = 0; skip < 100 && item != NULL; ++skip)
            item = reinterpret_cast<HTREEITEM>(
                SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return best < 1e9;
}

// One start of the program: the figures, or false with the reason printed.
bool MeasureOnce(const std::string& program, int keywords, Figures& figures)
{
    std::string folder = program.substr(0, program.find_last_of('\\'));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    double start = Now();
    if (!CreateProcessA(program.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(),
                        &startup, &process))
    {
        printf("cannot start %s (error %lu)\n", program.c_str(), GetLastError());
        return false;
    }
    WindowSearch search = {process.dwProcessId, NULL, NULL};
    bool ok = WaitUntil([&] {
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != NULL && Painted(search.found);
    });
    figures.firstPaint = Now() - start;
    HWND tree = ok ? ChildOfClass(search.found, WC_TREEVIEWA) : NULL;
    HWND list = ok ? ChildOfClass(search.found, WC_LISTVIEWA) : NULL;
    if (!ok || tree == NULL || list == NULL)
    {
        printf("the main window with its tree and list did not show up\n");
    }
    else
    {
        ok = WaitUntil([&] { return (int)SendMessageA(tree, TVM_GETCOUNT, 0, 0) >= keywords + 1; });
        figures.treeFull = Now() - start;
        WaitForInputIdle(process.hProcess, kTimeoutMs);
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
        figures.workingSetMb = memory.WorkingSetSize / (1024.0 * 1024.0);
        if (ok && keywords > 0)
            ok = TimeListRefill(tree, list, figures.listRefill);
        if (!ok)
            printf("the tree or the list did not fill\n");
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0)
    {
        printf("the program did not end on WM_CLOSE; stopping it\n");
        TerminateProcess(process.hProcess, 1);
        ok = false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ok;
}

bool Report(const std::string& program, const char* label, int keywords)
{
    Figures best;
    best.firstPaint = best.treeFull = best.listRefill = best.workingSetMb = 1e9;
    for (int run = 0; run < kRuns; ++run)
    {
        Figures figures;
        if (!MeasureOnce(program, keywords, figures))
            return false;
        best.firstPaint = std::min(best.firstPaint, figures.firstPaint);
        best.treeFull = std::min(best.treeFull, figures.treeFull);
        best.listRefill = std::min(best.listRefill, figures.listRefill);
        best.workingSetMb = std::min(best.workingSetMb, figures.workingSetMb);
    }
    printf("%-26s first paint %7.1f ms   working set %6.1f MB", label, best.firstPaint * 1000,
           best.workingSetMb);
    if (keywords > 0)
        printf("   tree full %7.1f ms   list refill %6.2f ms", best.treeFull * 1000, best.listRefill * 1000);
    printf("\n");
    return true;
}

} // namespace

int main()
{
    std::string program = ModuleFolder() + "..\\..\\app\\Tidewatch.exe";
    if (GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES)
    {
        printf("no program at %s\n", program.c_str());
        return 1;
    }
    if (!SetQuietOptions())
    {
        printf("cannot write the options key\n");
        return 1;
    }
    std::string empty = MakeProgramFolder(program, "store-empty", 0);
    std::string large = MakeProgramFolder(program, "store-1000", 1000);
    if (empty.empty() || large.empty())
        return 1;
    printf("Tidewatch.exe, best of %d starts (times from CreateProcess; list refill after a keyword is "
           "selected)\n",
           kRuns);
    bool ok = Report(empty, "empty store", 0);
    ok = Report(large, "1,000 keywords x 10 items", 1000) && ok;
    return ok ? 0 : 1;
}
