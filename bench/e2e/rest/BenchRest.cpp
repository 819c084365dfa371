// What Tidewatch.exe costs at rest, by where the pointer rests: its CPU time
// (GetProcessTimes, and the kernel's own count when /proc is reachable) over
// 20 s with nothing due, the program driven from outside on a wine virtual
// desktop of its own as the end-to-end suite drives it. One keyword holds ten
// read news rows, which the news list shows. The pointer rests, in this
// order:
// - away: beside the main window;
// - on the header: over the news list's first column header, in the
//   program's first look and in its Windows XP look (whose header theme
//   tracks the column under the pointer);
// - on the menu bar: over its first item, which lights;
// - away after a menu: the first menu of the menu bar opened by a click and
//   closed with Escape (the menu-sound worker has started), the pointer
//   then moved away;
// - on a tool bar: over the Standard bar's first button, whose tip shows;
// - away after that tip and a menu: the same menu opened and closed again
//   while the tip showed, the pointer then moved away.
// Each case moves the pointer there with real input and lets the program
// settle for 2 s before the measured rest.
#include "ProgramBench.h"
#include "RemoteMemory.h"
#include "TidewatchProcess.h"
#include "resources/Resource.h"

#include <stdio.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const DWORD kSettleMs = 2000;
const DWORD kRestMs = 20000;

void MovePointer(POINT screenPoint)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = screenPoint.x * 65535 / cx;
    input.mi.dy = screenPoint.y * 65535 / cy;
    ::SendInput(1, &input, sizeof(INPUT));
}

void PressKey(WORD key)
{
    INPUT keys[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = key;
        keys[i].ki.dwFlags = i == 0 ? 0 : KEYEVENTF_KEYUP;
    }
    ::SendInput(2, keys, sizeof(INPUT));
}

POINT ClientPointOnScreen(HWND hwnd, POINT client)
{
    ::ClientToScreen(hwnd, &client);
    return client;
}

// The shown command bar of the main window with that title (its window text).
HWND FindBar(HWND mainWindow, const char* title)
{
    return FindDescendant(mainWindow, [&](HWND hwnd) {
        char text[64] = "";
        ::GetWindowTextA(hwnd, text, sizeof text);
        return lstrcmpA(text, title) == 0 && ::IsWindowVisible(hwnd);
    });
}

// A shown top-level window of the program other than its main window: an
// open menu.
HWND FindOpenMenu(const TidewatchProcess& program)
{
    const DWORD processId = ::GetProcessId(program.ProcessHandle());
    return FindTopLevel([&](HWND hwnd) {
        return ProcessOf(hwnd) == processId && hwnd != program.MainWindow() && ::IsWindowVisible(hwnd)
               && ClassOf(hwnd) != "#32770";
    });
}

// A point of the desktop beside the main window.
POINT PointAway(const TidewatchProcess& program)
{
    RECT main = {};
    ::GetWindowRect(program.MainWindow(), &main);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    if (main.right + 20 < cx)
        return {main.right + 10, main.top + 10};
    if (main.left > 20)
        return {main.left - 10, main.top + 10};
    return {main.left + 10, main.bottom + 10};
}

struct RestCase
{
    const char* name;
    // Puts the pointer in place (and does what comes before); false when the
    // program did not show what the case needs.
    std::function<bool(TidewatchProcess&)> place;
};

bool RestOnHeader(TidewatchProcess& program)
{
    HWND header = FindDescendant(program.MainWindow(), [](HWND hwnd) {
        return ClassOf(hwnd) == WC_HEADERA && ::IsWindowVisible(hwnd);
    });
    if (header == NULL)
        return false;
    // The first column's rectangle, read across the process boundary.
    RemoteMemory block(ProcessOf(header), sizeof(RECT));
    RECT column = {};
    DWORD_PTR ok = 0;
    if (!block.IsValid()
        || !::SendMessageTimeoutA(header, HDM_GETITEMRECT, 0, (LPARAM)block.Address(0), SMTO_BLOCK, 5000, &ok)
        || !ok || !block.Read(0, &column, sizeof column))
        return false;
    MovePointer(
        ClientPointOnScreen(header, {(column.left + column.right) / 2, (column.top + column.bottom) / 2}));
    return true;
}

// The screen point of the menu bar's first item; false without a menu bar.
bool FirstMenuItemPoint(const TidewatchProcess& program, POINT& point)
{
    HWND menuBar = FindBar(program.MainWindow(), "Menu Bar");
    if (menuBar == NULL)
        return false;
    RECT client = {};
    ::GetClientRect(menuBar, &client);
    point = ClientPointOnScreen(menuBar, {15, client.bottom / 2});
    return true;
}

bool RestOnMenuBar(TidewatchProcess& program)
{
    POINT item;
    if (!FirstMenuItemPoint(program, item))
        return false;
    MovePointer(item);
    return true;
}

bool RestOnToolBar(TidewatchProcess& program)
{
    HWND standard = FindBar(program.MainWindow(), "Standard");
    if (standard == NULL)
        return false;
    // The first button, past the gripper.
    MovePointer(ClientPointOnScreen(standard, {20, 12}));
    return true;
}

bool RestAwayAfterAMenu(TidewatchProcess& program)
{
    POINT item;
    if (!FirstMenuItemPoint(program, item))
        return false;
    ClickAt(item);
    if (!WaitUntil([&] { return FindOpenMenu(program) != NULL; }))
        return false;
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    if (!WaitUntil([&] { return FindOpenMenu(program) == NULL; }))
        return false;
    MovePointer(PointAway(program));
    return true;
}

// Settles, then rests; prints the case's figures.
void MeasureRest(TidewatchProcess& program, const char* name)
{
    ::Sleep(kSettleMs);
    HANDLE process = program.ProcessHandle();
    const double cpuBefore = CpuSeconds(process);
    const double kernelBefore = KernelCpuSeconds(program.ProgramPath());
    ::Sleep(kRestMs);
    const double cpu = CpuSeconds(process) - cpuBefore;
    const double kernel = KernelCpuSeconds(program.ProgramPath()) - kernelBefore;
    const double seconds = kRestMs / 1000.0;
    printf("  %-40s CPU time %5.0f ms (%.2f %% of one core)", name, cpu * 1000, cpu * 100 / seconds);
    if (kernelBefore >= 0)
        printf("; the kernel counts %5.0f ms (%.2f %%)", kernel * 1000, kernel * 100 / seconds);
    printf("\n");
    fflush(stdout);
}

} // namespace

int main()
{
    ProgramBenchRun run;
    if (!run.Enter(ProgramOptions()))
        return 1;
    TidewatchProcess program;
    StoredKeyword harbour{"harbour", {}};
    for (int i = 0; i < 10; ++i)
        harbour.items.push_back({"Harbour news " + std::to_string(i), "http://127.0.0.1/" + std::to_string(i),
                                 "2024-05-0" + std::to_string(i % 9 + 1) + " 10:00", "", false});
    if (!program.WriteStore({harbour}) || !program.Start() || !program.ClickTreeRow("harbour"))
    {
        printf("the program did not start with its news list shown\n");
        return 1;
    }
    const std::vector<RestCase> cases = {
        {"pointer away",
         [](TidewatchProcess& p) {
             MovePointer(PointAway(p));
             return true;
         }},
        {"on the news list's column header", RestOnHeader},
        {"on the header, Windows XP look",
         [](TidewatchProcess& p) {
             p.PostCommand(ID_THEME_WINXP);
             return RestOnHeader(p);
         }},
        {"on the menu bar", RestOnMenuBar},
        {"pointer away after a menu", RestAwayAfterAMenu},
        {"on the Standard tool bar, its tip shown", RestOnToolBar},
        {"pointer away after the tip and a menu", RestAwayAfterAMenu},
    };
    printf("CPU time of Tidewatch.exe at rest for %lu s, by where the pointer rests:\n", kRestMs / 1000);
    fflush(stdout);
    for (const RestCase& rest : cases)
    {
        if (!rest.place(program))
        {
            printf("  %s: the program did not show what the case needs\n", rest.name);
            return 1;
        }
        MeasureRest(program, rest.name);
    }
    return program.Close() ? 0 : 1;
}
