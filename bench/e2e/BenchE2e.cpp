// Check speed and resting cost of Tidewatch.exe, measured from outside as the
// end-to-end suite drives it: a copy of the program on a virtual desktop of
// its own, its news search pointed at a server on 127.0.0.1 that answers at
// once with ten results per keyword.
// - pass with news: Check All over 200 keywords whose pages are all new,
//   from the command until the last keyword's tree item turns bold;
// - pass without news: Check All again over the same pages, from the command
//   until the program accepts Add Keyword again (the end of its busy state);
// - raw client: the same 200 search requests made back to back by the
//   engine's HttpClient alone, in this process, against the same server: what
//   the pass without news is compared with;
// - idle: the program's CPU time (kernel and user, GetProcessTimes) during
//   60 s at rest after the news was marked read, the pointer off its window,
//   beside the kernel's own count of the same time when /proc is reachable.
// The best of three starts (three rounds for the raw client) is shown, and
// the passes as multiples of each other and of the raw client.
#include "ProgramBench.h"
#include "tests/support/ResultPageBuilder.h"
#include "TidewatchProcess.h"
#include "bench/BenchClock.h"
#include "engine/HttpClient.h"

#include <stdio.h>

#include <algorithm>

namespace {

const int kKeywords = 200;
const int kRuns = 3;
const DWORD kIdleMs = 60000;
const UINT kCheckAll = 32828;
const UINT kMarkRead = 32815;

std::string KeywordName(int k)
{
    return "keyword " + std::to_string(k);
}

void ServePages(NewsServer& server)
{
    for (int k = 0; k < kKeywords; ++k)
    {
        std::vector<PageRecord> records;
        for (int i = 0; i < 10; ++i)
            records.push_back(NumberedRecord(k * 10 + i));
        server.SetPage("keyword+" + std::to_string(k), ResultPageHtml(records));
    }
}

// The 200 search requests of a pass made back to back by the engine's
// client alone; seconds, or a negative number when one failed. inProcess:
// from this process; otherwise from RawClient.exe, a process of its own as
// the program is.
double RawClientPass(const NewsServer& server, bool inProcess)
{
    if (inProcess)
    {
        double start = Now();
        for (int k = 0; k < kKeywords; ++k)
        {
            std::string url =
                "http://" + server.HostText() + NewsServer::kSearchPath + "keyword+" + std::to_string(k);
            HttpClient client;
            CString request, headers, body;
            if (!client.Request(false, url.c_str(), request, headers, body))
                return -1;
        }
        return Now() - start;
    }
    char module[MAX_PATH];
    std::string folder(module, GetModuleFileNameA(NULL, module, sizeof module));
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    std::string commandLine = "\"" + folder + "rawclient\\RawClient.exe\" http://" + server.HostText()
                              + NewsServer::kSearchPath + "keyword+ " + std::to_string(kKeywords);
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return -1;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessA(NULL, &commandLine[0], NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    char piece[256];
    DWORD got = 0;
    while (started && ReadFile(readEnd, piece, sizeof piece, &got, NULL) && got > 0)
        output.append(piece, got);
    CloseHandle(readEnd);
    if (!started)
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    double seconds = -1;
    return sscanf(output.c_str(), "seconds %lf", &seconds) == 1 ? seconds : -1;
}

struct Figures
{
    double withNews = 1e9;     // seconds
    double withoutNews = 1e9;  // seconds
    double rawClient = 1e9;    // seconds, in a process of its own
    double rawInProcess = 1e9; // seconds, in the bench's process beside the server
};

// One start: both passes; false with the reason printed.
bool MeasurePasses(NewsServer& server, Figures& best, bool measureIdle)
{
    TidewatchProcess program;
    std::vector<StoredKeyword> store;
    for (int k = 0; k < kKeywords; ++k)
        store.push_back({KeywordName(k), {}});
    if (!program.WriteStore(store) || !program.Start())
    {
        printf("the program did not start\n");
        return false;
    }
    size_t before = server.SearchRequests().size();
    double start = Now();
    program.PostCommand(kCheckAll);
    bool ok = WaitUntil([&] { return server.SearchRequests().size() >= before + kKeywords; }, 120000)
              && WaitUntil([&] {
                     std::vector<TreeRow> rows = program.TreeRows();
                     return rows.size() == kKeywords + 1 && rows.back().bold;
                 });
    if (!ok)
    {
        printf("the pass with news did not end (%u searches)\n",
               (unsigned)(server.SearchRequests().size() - before));
        return false;
    }
    best.withNews = std::min(best.withNews, Now() - start);
    program.WaitUntilChecksEnd();

    start = Now();
    program.PostCommand(kCheckAll);
    ok = WaitUntil([&] { return server.SearchRequests().size() >= before + 2 * kKeywords; }, 120000)
         && program.WaitUntilChecksEnd(60000);
    if (!ok)
    {
        printf("the pass without news did not end\n");
        return false;
    }
    best.withoutNews = std::min(best.withoutNews, Now() - start);

    if (measureIdle)
    {
        program.ClickTreeRow("Zivoror Udove");
        program.PostCommand(kMarkRead);
        // At rest means no pointer over the window either: hover tracking
        // of the controls under it would count.
        SetCursorPos(0, 0);
        Sleep(2000);
        printf("at rest for %lu s...\n", kIdleMs / 1000);
        fflush(stdout);
        HANDLE process = program.ProcessHandle();
        double cpuBefore = CpuSeconds(process);
        double kernelBefore = KernelCpuSeconds(program.ProgramPath());
        Sleep(kIdleMs);
        double cpu = CpuSeconds(process) - cpuBefore;
        double kernel = KernelCpuSeconds(program.ProgramPath()) - kernelBefore;
        printf("idle for %lu s after reading the news: CPU time %.0f ms (%.2f %% of one core)",
               kIdleMs / 1000, cpu * 1000, cpu * 100 / (kIdleMs / 1000.0));
        if (kernelBefore >= 0)
            printf("; the kernel counts %.0f ms (of %.1f s since the start)", kernel * 1000,
                   kernel + kernelBefore);
        printf("\n");
    }
    return program.Close();
}

} // namespace

int main()
{
    ProgramBenchRun run;
    NewsServer& server = run.server;
    ServePages(server);
    ProgramOptions options;
    options.showSummary = 0;
    if (!run.Enter(options))
        return 1;
    Figures best;
    bool ok = true;
    for (int run = 0; run < kRuns && ok; ++run)
        ok = MeasurePasses(server, best, run == kRuns - 1);
    for (int run = 0; run < kRuns && ok; ++run)
    {
        double seconds = RawClientPass(server, false);
        double inProcess = RawClientPass(server, true);
        ok = seconds >= 0 && inProcess >= 0;
        best.rawClient = std::min(best.rawClient, seconds);
        best.rawInProcess = std::min(best.rawInProcess, inProcess);
    }
    if (!ok)
    {
        printf("a run failed\n");
        return 1;
    }
    printf("check pass over %d keywords, best of %d starts: with news %.0f ms (%.0f keywords/s), "
           "without news %.0f ms (%.0f keywords/s)\n",
           kKeywords, kRuns, best.withNews * 1000, kKeywords / best.withNews, best.withoutNews * 1000,
           kKeywords / best.withoutNews);
    printf(
        "the same %d requests back to back by the engine's HttpClient alone: %.0f ms in a process of its own "
        "(%.0f ms in the server's process)\n",
        kKeywords, best.rawClient * 1000, best.rawInProcess * 1000);
    const double newsRatio = best.withNews / best.withoutNews;
    const double clientRatio = best.withoutNews / best.rawClient;
    printf("  with news = %.2fx without news (target at most 1.5x: %s)\n", newsRatio,
           newsRatio <= 1.5 ? "met" : "MISSED");
    printf("  without news = %.2fx the raw client (target at most 1.5x: %s)\n", clientRatio,
           clientRatio <= 1.5 ? "met" : "MISSED");
    return 0;
}
