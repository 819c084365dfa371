// Start-up, memory and view speed of Tidewatch.exe, measured from outside the
// program as a user meets it, beside PlainFrame.exe (plainframe/: a frame with
// a tool bar, a tree view, a list view and a status bar, nothing else, built
// with the same compiler) started the same way in the same run. Each store
// (empty; 1,000 keywords with 10 items each; 500, 1,000 and 2,000 keywords
// with unread items for Mark as Read) gets a program folder of its own beside
// this executable, holding a copy of Tidewatch.exe and "conf.xml" written by
// the engine's own writer. Every figure is the best of a few starts:
// - first paint: from CreateProcess until the main window and every window in
//   it are visible with nothing left to paint; shown as a multiple of the
//   plain frame's, without a notification area (the display alone) and with
//   one (a wine virtual desktop with its task bar);
// - working set: the process's working set once it is idle after start and
//   what start-up left for after the first paint (the notification-area
//   icon) is over, as a multiple of the plain frame's; with 1,000 keywords
//   beside the empty store's figure plus twice the store's size;
// - tree full: until the keyword tree holds the root and every keyword (and
//   whether it did at the first paint already);
// - list refill: selecting a keyword (TVM_SELECTITEM) until the news list
//   holds its items and has painted them;
// - Mark as Read on the root: the command sent to the keyword view until the
//   window has painted again, for 500, 1,000 and 2,000 keywords;
// - closing: WM_CLOSE until the window is gone, and until the process ended.
// The options turn every check off and point the news search at a closed
// local port, so no run touches the network.
#include "ProgramOptions.h"
#include "RegistrySnapshot.h"
#include "VirtualDesktop.h"
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
const UINT kMarkRead = 32815;
// Longer than a timer set to come due at once takes to do so.
const DWORD kTimerPauseMs = 100;

std::string ModuleFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

// Keywords with ten items each, every other item unread.
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

struct ProgramCopy
{
    std::string path; // empty when the folder could not be made
    int keywords = 0;
    double storeMb = 0;
};

// Writes the store of the given size into the copy's folder; false when it
// cannot be written.
bool WriteStore(ProgramCopy& copy)
{
    KeywordGroup group;
    FillGroup(group, copy.keywords);
    std::string store = copy.path.substr(0, copy.path.find_last_of('\\') + 1) + "conf.xml";
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (!group.ConfWriter(store.c_str())
        || !GetFileAttributesExA(store.c_str(), GetFileExInfoStandard, &attributes))
    {
        printf("cannot write the store %s\n", store.c_str());
        return false;
    }
    copy.storeMb = attributes.nFileSizeLow / (1024.0 * 1024.0);
    return true;
}

// A program folder holding a copy of Tidewatch.exe and a store of the given size.
ProgramCopy MakeProgramFolder(const std::string& program, const char* name, int keywords)
{
    ProgramCopy copy;
    std::string folder = ModuleFolder() + name + "\\";
    CreateDirectoryA(folder.c_str(), NULL);
    copy.path = folder + "Tidewatch.exe";
    copy.keywords = keywords;
    if (!CopyFileA(program.c_str(), copy.path.c_str(), FALSE))
        printf("cannot copy %s to %s\n", program.c_str(), copy.path.c_str());
    else if (WriteStore(copy))
        return copy;
    copy.path.clear();
    return copy;
}

// No check at start, none on a timer within a run, no upgrade check, and a
// news-search host nobody listens on.
bool SetQuietOptions()
{
    ProgramOptions options;
    options.searchHost = "127.0.0.1:9";
    options.webSite = "http://127.0.0.1:9";
    return options.Write();
}

// The process's visible top-level window with a caption: the main frame.
BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lParam)
{
    std::pair<DWORD, HWND>* search = reinterpret_cast<std::pair<DWORD, HWND>*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId == search->first && IsWindowVisible(hwnd)
        && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
    {
        search->second = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindChildOfClass(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<std::pair<const char*, HWND>*>(lParam);
    char name[64];
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpiA(name, search->first) != 0)
        return TRUE;
    search->second = hwnd;
    return FALSE;
}

HWND ChildOfClass(HWND parent, const char* className)
{
    std::pair<const char*, HWND> search(className, NULL);
    EnumChildWindows(parent, FindChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.second;
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

BOOL CALLBACK FindUnpaintedChild(HWND child, LPARAM lParam)
{
    if (IsWindowVisible(child) && GetUpdateRect(child, NULL, FALSE))
        *reinterpret_cast<bool*>(lParam) = false;
    return *reinterpret_cast<bool*>(lParam);
}

// The window is visible, and neither it nor a visible window in it has
// anything left to paint.
bool Painted(HWND hwnd)
{
    if (!IsWindowVisible(hwnd) || GetUpdateRect(hwnd, NULL, FALSE))
        return false;
    bool clean = true;
    EnumChildWindows(hwnd, FindUnpaintedChild, reinterpret_cast<LPARAM>(&clean));
    return clean;
}

double WorkingSetMb(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    return memory.WorkingSetSize / (1024.0 * 1024.0);
}

int TreeCount(HWND tree)
{
    return tree != NULL ? (int)SendMessageA(tree, TVM_GETCOUNT, 0, 0) : 0;
}

// One started program with its main window painted, ended on WM_CLOSE.
class Started
{
public:
    // Starts program on the desktop (NULL: the caller's) and waits for the
    // first paint; ok() tells whether it came.
    Started(const std::string& program, const char* desktop)
    {
        std::string folder = program.substr(0, program.find_last_of('\\'));
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.lpDesktop = const_cast<LPSTR>(desktop);
        std::string commandLine = "\"" + program + "\"";
        double start = Now();
        if (!CreateProcessA(program.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup,
                            &m_process))
        {
            printf("cannot start %s (error %lu)\n", program.c_str(), GetLastError());
            return;
        }
        std::pair<DWORD, HWND> search(m_process.dwProcessId, NULL);
        m_ok = WaitUntil([&] {
            search.second = NULL;
            EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.second != NULL && Painted(search.second);
        });
        firstPaint = Now() - start;
        m_start = start;
        window = search.second;
        tree = m_ok ? ChildOfClass(window, WC_TREEVIEWA) : NULL;
        list = m_ok ? ChildOfClass(window, WC_LISTVIEWA) : NULL;
        treeAtFirstPaint = TreeCount(tree);
        if (!m_ok)
            printf("the main window of %s did not paint\n", program.c_str());
    }
    ~Started() { Close(); }

    bool ok() const { return m_ok; }
    HANDLE process() const { return m_process.hProcess; }
    double SinceStart() const { return Now() - m_start; }

    // Closes the window; false when the program did not end.
    bool Close()
    {
        if (m_process.hProcess == NULL)
            return true;
        double start = Now();
        if (window != NULL)
            PostMessageA(window, WM_CLOSE, 0, 0);
        WaitUntil([&] { return window == NULL || !IsWindowVisible(window); });
        windowGone = Now() - start;
        bool ended = WaitForSingleObject(m_process.hProcess, kTimeoutMs) == WAIT_OBJECT_0;
        processEnded = Now() - start;
        if (!ended)
        {
            printf("the program did not end on WM_CLOSE; stopping it\n");
            TerminateProcess(m_process.hProcess, 1);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
        m_process = PROCESS_INFORMATION();
        return ended;
    }

    HWND window = NULL, tree = NULL, list = NULL;
    double firstPaint = 0;
    int treeAtFirstPaint = 0;
    double windowGone = 0, processEnded = 0;

private:
    PROCESS_INFORMATION m_process = {};
    double m_start = 0;
    bool m_ok = false;
};

struct Figures
{
    double firstPaint = 1e9, workingSetMb = 1e9, treeFull = 1e9, listRefill = 1e9;
    double windowGone = 1e9, processEnded = 1e9;
    bool treeFullAtFirstPaint = true;
};

// The best of selecting each of a few keywords in turn, until the list holds
// its items and has painted them.
bool TimeListRefill(HWND tree, HWND list, double& best)
{
    HTREEITEM root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    HTREEITEM item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)));
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

// Waits until the program's thread is back in its message loop. A call that
// waits for another process still answers sent messages, so an answer
// proves nothing; a posted message is only handled by the loop. The tree's
// insert-mark colour (the program shows no insert mark) carries the sign and
// is put back. False after the time-out.
bool ReturnsToMessageLoop(HWND tree)
{
    const LRESULT original = SendMessageA(tree, TVM_GETINSERTMARKCOLOR, 0, 0);
    const COLORREF sign = original == RGB(1, 2, 3) ? RGB(4, 5, 6) : RGB(1, 2, 3);
    PostMessageA(tree, TVM_SETINSERTMARKCOLOR, 0, sign);
    const bool back =
        WaitUntil([&] { return SendMessageA(tree, TVM_GETINSERTMARKCOLOR, 0, 0) == (LRESULT)sign; });
    SendMessageA(tree, TVM_SETINSERTMARKCOLOR, 0, original);
    return back;
}

// The program has nothing left of its start-up: its thread comes back to
// its message loop, and again after a pause in which a timer start-up left
// for an idle moment (the notification-area icon's) has come due; that
// message is handled only after posted ones. False with the reason printed.
bool StartUpOver(HWND tree)
{
    bool back = ReturnsToMessageLoop(tree);
    if (back)
    {
        Sleep(kTimerPauseMs);
        back = ReturnsToMessageLoop(tree);
    }
    if (!back)
        printf("the program did not come back to its message loop\n");
    return back;
}

// Best of kRuns starts of the program; keywords > 0 also times the tree and
// the list. False with the reason printed.
bool Measure(const std::string& program, const char* desktop, int keywords, Figures& best)
{
    for (int run = 0; run < kRuns; ++run)
    {
        Started started(program, desktop);
        if (!started.ok())
            return false;
        best.firstPaint = std::min(best.firstPaint, started.firstPaint);
        if (keywords > 0)
        {
            if (!WaitUntil([&] { return TreeCount(started.tree) >= keywords + 1; }))
            {
                printf("the tree did not fill\n");
                return false;
            }
            best.treeFull = std::min(best.treeFull, started.SinceStart());
            best.treeFullAtFirstPaint = best.treeFullAtFirstPaint && started.treeAtFirstPaint >= keywords + 1;
        }
        WaitForInputIdle(started.process(), kTimeoutMs);
        // The first idle moment races with what start-up left for after the
        // first paint (the notification-area icon, whose calls start a thread
        // of their own): the working set is read once that is over.
        if (!StartUpOver(started.tree))
            return false;
        best.workingSetMb = std::min(best.workingSetMb, WorkingSetMb(started.process()));
        if (keywords > 0 && !TimeListRefill(started.tree, started.list, best.listRefill))
        {
            printf("the list did not fill\n");
            return false;
        }
        if (!started.Close())
            return false;
        best.windowGone = std::min(best.windowGone, started.windowGone);
        best.processEnded = std::min(best.processEnded, started.processEnded);
    }
    return true;
}

// Mark as Read on the root: the best of kRuns starts, each over the store
// written afresh (the program stores everything read when it closes).
bool MeasureMarkRead(ProgramCopy& copy, double& best)
{
    best = 1e9;
    for (int run = 0; run < kRuns; ++run)
    {
        if (!WriteStore(copy))
            return false;
        Started started(copy.path, NULL);
        if (!started.ok() || !WaitUntil([&] { return TreeCount(started.tree) >= copy.keywords + 1; }))
            return false;
        // What start-up left for after its first paint (the notification-area
        // icon) is over; Mark as Read is timed alone.
        if (!StartUpOver(started.tree))
            return false;
        HWND keywordView = GetParent(started.tree);
        LPARAM root = SendMessageA(started.tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        SendMessageA(started.tree, TVM_SELECTITEM, TVGN_CARET, root);
        WaitUntil([&] { return Painted(started.window); });
        auto rootBold = [&] { return (SendMessageA(started.tree, TVM_GETITEMSTATE, root, TVIS_BOLD) & TVIS_BOLD) != 0; };
        if (!rootBold())
        {
            printf("the root is not bold before Mark as Read\n");
            return false;
        }
        double start = Now();
        SendMessageA(keywordView, WM_COMMAND, MAKEWPARAM(kMarkRead, 0), 0);
        if (!WaitUntil([&] { return Painted(started.window); }))
            return false;
        best = std::min(best, Now() - start);
        if (rootBold())
        {
            printf("the root is still bold after Mark as Read\n");
            return false;
        }
    }
    return true;
}

void PrintStartFigures(const char* label, const Figures& plain, const Figures& empty, const Figures* large,
                       const ProgramCopy* largeCopy)
{
    printf("%s:\n", label);
    printf("  plain frame                first paint %7.1f ms   working set %6.1f MB   closing %6.1f ms\n",
           plain.firstPaint * 1000, plain.workingSetMb, plain.processEnded * 1000);
    printf("  empty store                first paint %7.1f ms = %4.2fx the plain frame (target at most 2x: %s)\n",
           empty.firstPaint * 1000, empty.firstPaint / plain.firstPaint,
           empty.firstPaint <= 2 * plain.firstPaint ? "met" : "MISSED");
    printf("                             working set %6.1f MB = %4.2fx the plain frame (target at most 1.3x: %s)\n",
           empty.workingSetMb, empty.workingSetMb / plain.workingSetMb,
           empty.workingSetMb <= 1.3 * plain.workingSetMb ? "met" : "MISSED");
    printf("                             closing: window gone %6.1f ms, process ended %6.1f ms\n",
           empty.windowGone * 1000, empty.processEnded * 1000);
    if (large == NULL)
        return;
    const double limit = empty.workingSetMb + 2 * largeCopy->storeMb;
    printf("  1,000 keywords x 10 items  first paint %7.1f ms = %4.2fx the plain frame (target at most 2x: %s)\n",
           large->firstPaint * 1000, large->firstPaint / plain.firstPaint,
           large->firstPaint <= 2 * plain.firstPaint ? "met" : "MISSED");
    printf("                             working set %6.1f MB; empty %.1f MB + 2 x the %.1f MB store = %.1f MB "
           "(target: %s)\n",
           large->workingSetMb, empty.workingSetMb, largeCopy->storeMb, limit,
           large->workingSetMb <= limit ? "met" : "MISSED");
    printf("                             tree full %7.1f ms (%s at the first paint)   list refill %6.2f ms\n",
           large->treeFull * 1000, large->treeFullAtFirstPaint ? "full" : "NOT full", large->listRefill * 1000);
    printf("                             closing: window gone %6.1f ms, process ended %6.1f ms\n",
           large->windowGone * 1000, large->processEnded * 1000);
}

} // namespace

int main()
{
    std::string program = ModuleFolder() + "..\\..\\app\\Tidewatch.exe";
    std::string plainFrame = ModuleFolder() + "plainframe\\PlainFrame.exe";
    for (const std::string& path : {program, plainFrame})
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        {
            printf("no program at %s\n", path.c_str());
            return 1;
        }
    RegistrySnapshot desktopSizes(HKEY_CURRENT_USER, VirtualDesktop::kSizesKey);
    RegistrySnapshot programKey(HKEY_CURRENT_USER, ProgramOptions::kProgramKey);
    RegistrySnapshot applicationKey(HKEY_CURRENT_USER, ProgramOptions::kApplicationKey);
    if (!SetQuietOptions())
    {
        printf("cannot write the options key\n");
        return 1;
    }
    ProgramCopy empty = MakeProgramFolder(program, "store-empty", 0);
    ProgramCopy large = MakeProgramFolder(program, "store-1000", 1000);
    ProgramCopy marking[] = {MakeProgramFolder(program, "mark-500", 500), MakeProgramFolder(program, "mark-1000", 1000),
                             MakeProgramFolder(program, "mark-2000", 2000)};
    if (empty.path.empty() || large.path.empty())
        return 1;
    for (const ProgramCopy& copy : marking)
        if (copy.path.empty())
            return 1;
    printf("Tidewatch.exe beside the plain frame, best of %d starts each (times from CreateProcess)\n", kRuns);

    Figures plain, emptyFigures, largeFigures;
    if (!Measure(plainFrame, NULL, 0, plain) || !Measure(empty.path, NULL, 0, emptyFigures)
        || !Measure(large.path, NULL, 1000, largeFigures))
        return 1;
    PrintStartFigures("without a notification area", plain, emptyFigures, &largeFigures, &large);

    printf("Mark as Read on the root, until the window has painted again:\n");
    double perKeyword[3] = {};
    for (int i = 0; i < 3; ++i)
    {
        double seconds = 0;
        if (!MeasureMarkRead(marking[i], seconds))
        {
            printf("Mark as Read with %d keywords did not finish\n", marking[i].keywords);
            return 1;
        }
        perKeyword[i] = seconds / marking[i].keywords;
        printf("  %5d keywords %8.1f ms (%.3f ms a keyword)%s\n", marking[i].keywords, seconds * 1000,
               perKeyword[i] * 1000,
               i < 2 ? "" : seconds <= 0.1 ? " (target at most 100 ms: met)" : " (target at most 100 ms: MISSED)");
    }
    printf("  2,000 keywords cost %.2fx a keyword of 500 (linear: about 1x)\n", perKeyword[2] / perKeyword[0]);

    if (!VirtualDesktop::Enter())
        return 1;
    Figures desktopPlain, desktopEmpty;
    if (!Measure(plainFrame, VirtualDesktop::kName, 0, desktopPlain)
        || !Measure(empty.path, VirtualDesktop::kName, 0, desktopEmpty))
        return 1;
    PrintStartFigures("with a notification area (a wine virtual desktop)", desktopPlain, desktopEmpty, NULL, NULL);
    return 0;
}
