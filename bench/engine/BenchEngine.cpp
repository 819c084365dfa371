// Speed of the engine's bulk work: saving and loading the store, parsing XML
// and parsing result pages, each at two sizes ten times apart so that the
// growth with the size shows. Each store and parse figure is also given as a
// multiple of one memchr pass over the same bytes, timed in the same run, so
// that figures from machines of different speed compare. The peak working set
// of a large load is measured in a child process of its own (the same
// executable, started with --load-peak), where nothing else has used memory.
#include "bench/BenchClock.h"
#include "engine/KeywordGroup.h"
#include "engine/ResultPageParser.h"
#include "engine/XmlReader.h"

#include <windows.h>
#include <psapi.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

const int kKeywordCounts[2] = {1000, 10000};

// The targets, as multiples of a memchr pass over the same bytes.
const double kSaveTarget = 6;
const double kLoadTarget = 10;
const double kParseTarget = 6;
const double kGrowthTarget = 11;      // the store's figures, 1,000 to 10,000 keywords
const double kOtherGrowthTarget = 12; // the other parses
const double kPeakTarget = 3;         // peak working set of a load, in file sizes

// Writes over a block larger than the processor's caches, so that every run
// starts with its data out of the cache: otherwise the small sizes, which fit
// into it, would run faster per byte than the large ones for that reason alone.
void EvictCaches()
{
    static std::vector<char> block(64 * 1024 * 1024);
    static char fill = 0;
    memset(block.data(), ++fill, block.size());
}

// The best of several runs, in seconds; prepare runs before each, untimed,
// and every run starts with cold caches.
double Best(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i)
    {
        prepare();
        EvictCaches();
        double start = Now();
        work();
        best = std::min(best, Now() - start);
    }
    return best;
}

// The best of several memchr passes over bytes for a byte they do not hold,
// so that every pass reads them all.
double MemchrSeconds(const std::vector<char>& bytes)
{
    volatile const void* found = nullptr;
    double seconds = Best(
        9, [] {}, [&] { found = memchr(bytes.data(), 1, bytes.size()); });
    if (found)
        printf("memchr met its byte early\n");
    return seconds;
}

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

std::vector<char> FileBytes(const std::string& path)
{
    std::vector<char> bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    char block[65536];
    size_t got;
    while ((got = fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    fclose(file);
    return bytes;
}

// A group of keywords with ten items each, with fields of the sizes a result
// page gives.
void FillGroup(KeywordGroup& group, int keywords)
{
    std::string summary(180, 's');
    summary += " \"quoted\" & <b>";
    for (int k = 0; k < keywords; ++k)
    {
        Keyword* keyword = new Keyword(("keyword " + std::to_string(k)).c_str());
        group.Add(keyword);
        for (int i = 0; i < 10; ++i)
        {
            std::string n = std::to_string(k * 10 + i);
            keyword->AppendItem(
                new NewsItem(("A headline about the tides, number " + n).c_str(),
                             ("http://news.example.com/2007/03/15/story" + n + ".html").c_str(),
                             "3 hours ago", summary.c_str(), keyword, i % 2));
        }
    }
}

std::string StorePath(int keywords)
{
    return TempPath(("tw_bench_store_" + std::to_string(keywords) + ".xml").c_str());
}

// Parses a copy of text (made untimed before each run) into a fresh tree.
double ParseSeconds(const std::vector<char>& text)
{
    std::vector<char> buffer;
    XmlNodeRecord* root = nullptr;
    double seconds = Best(
        5,
        [&] {
            XmlFreeTree(root);
            buffer = text;
            buffer.push_back('\0');
            root = XmlNewNode(XmlDocumentNode);
            root->parent = root;
        },
        [&] { XmlParse(buffer.data(), root, 4, XmlParseAll); });
    XmlFreeTree(root);
    return seconds;
}

struct StoreFigures
{
    double megabytes;
    double memchr;
    double save;
    double load;
    double parse;
};

// Saves and loads a group of the given size; the store file stays behind for
// the peak measurement.
StoreFigures BenchStore(int keywords)
{
    StoreFigures figures = {};
    std::string path = StorePath(keywords);
    {
        KeywordGroup group;
        FillGroup(group, keywords);
        figures.save = Best(
            5, [] {}, [&] { group.ConfWriter(path.c_str()); });
    }
    KeywordGroup* loaded = nullptr;
    figures.load = Best(
        5,
        [&] {
            delete loaded;
            loaded = new KeywordGroup;
        },
        [&] { loaded->ConfReader(path.c_str()); });
    if (loaded->keywordCount != keywords)
        printf("store load read %d keywords of %d\n", loaded->keywordCount, keywords);
    delete loaded;
    std::vector<char> bytes = FileBytes(path);
    figures.megabytes = bytes.size() / 1e6;
    figures.memchr = MemchrSeconds(bytes);
    figures.parse = ParseSeconds(bytes);
    return figures;
}

std::string XmlDocumentText(size_t bytes)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"ANSI\" ?>\r\n<root>\r\n";
    for (int i = 0; text.size() < bytes; ++i)
    {
        text += "\t<Keyword name=\"keyword " + std::to_string(i) + "\">\r\n";
        text += "\t\t<Link unread=\"true\" title=\"A headline \\\"quoted\\\" here\" "
                "url=\"http://e.com/a?b=1&c=2\""
                " time=\"3 hours ago\" summary=\""
                + std::string(150, 'x') + "\">\r\n\t\t</Link>\r\n";
        text += "\t\t<!-- a comment --><Text>  some   text  </Text>\r\n\t</Keyword>\r\n";
    }
    return text + "</root>";
}

std::string ResultPage(size_t bytes)
{
    std::string filler;
    while (filler.size() + 4000 < bytes)
        filler += "<p><font size=-1>Other <b>stories</b> &amp; links</font> and text</p>\n";
    std::string page = "<html><body>" + filler + "<div class=mainbody><table><tr><td>";
    for (int i = 0; i < 10; ++i)
    {
        std::string n = std::to_string(i);
        page += "<table><tr><td><a href=\"http://e.com/" + n + "\" id=r>Title &quot;" + n
                + "&quot;</a><br><font size=-1><nobr>" + n
                + " hours ago</nobr></font><br>"
                  "<font size=-1>Summary &amp; more "
                + n + "<br></font></td></tr></table>";
    }
    return page + "</td></tr></table></div></body></html>";
}

double BenchResultPage(size_t bytes, double& kilobytes)
{
    std::string page = ResultPage(bytes);
    kilobytes = page.size() / 1024.0;
    std::vector<char> scratch(page.size() + 1);
    ResultPageParser* parser = new ResultPageParser;
    double seconds = Best(
        20, [] {}, [&] { parser->Parse(page.c_str(), scratch.data()); });
    if (parser->count != 10)
        printf("result page gave %d records\n", parser->count);
    delete parser;
    return seconds;
}

const char* Verdict(double value, double target)
{
    return value <= target ? "met" : "MISSED";
}

void Growth(const char* what, double small, double large, double target = kGrowthTarget)
{
    printf("  growth 10x data: %.2fx time (%s, target at most %.0fx: %s)\n", large / small, what, target,
           Verdict(large / small, target));
}

void Multiple(const char* what, double seconds, double memchrSeconds, double target)
{
    double multiple = seconds / memchrSeconds;
    printf("  %s %.3f s = %.1fx memchr (target at most %.0fx: %s)\n", what, seconds, multiple, target,
           Verdict(multiple, target));
}

// In the child process: loads the store and writes the working set before the
// load and the peak working set after it, in bytes, to the standard output.
int LoadPeakChild(const char* path)
{
    PROCESS_MEMORY_COUNTERS before = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
    KeywordGroup group;
    int loaded = group.ConfReader(path);
    PROCESS_MEMORY_COUNTERS after = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
    printf("%d %lu %lu\n", loaded, static_cast<unsigned long>(before.WorkingSetSize),
           static_cast<unsigned long>(after.PeakWorkingSetSize));
    fflush(stdout);
    return 0;
}

// Runs this executable with --load-peak on path and returns the growth of the
// peak working set over the working set before the load; 0 when the child
// gave no figures.
double LoadPeakBytes(const std::string& path)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string command = "\"" + std::string(self) + "\" --load-peak \"" + path + "\"";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return 0;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    BOOL started =
        CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started)
    {
        char block[256];
        DWORD got = 0;
        while (ReadFile(readEnd, block, sizeof block, &got, nullptr) && got > 0)
            output.append(block, got);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    int loaded = 0;
    unsigned long before = 0;
    unsigned long peak = 0;
    if (sscanf(output.c_str(), "%d %lu %lu", &loaded, &before, &peak) != 3 || loaded != 1 || peak < before)
        return 0;
    return static_cast<double>(peak - before);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "--load-peak") == 0)
        return LoadPeakChild(argv[2]);

    printf("Store, keywords x 10 items (best of 5; memchr: best of 9 passes over the file's bytes):\n");
    StoreFigures store[2];
    for (int i = 0; i < 2; ++i)
    {
        store[i] = BenchStore(kKeywordCounts[i]);
        printf("  %5d keywords (%.1f MB): memchr %.4f s, save %.3f s, load %.3f s, XML parse %.3f s\n",
               kKeywordCounts[i], store[i].megabytes, store[i].memchr, store[i].save, store[i].load,
               store[i].parse);
    }
    Growth("save", store[0].save, store[1].save);
    Growth("load", store[0].load, store[1].load);
    Growth("XML parse", store[0].parse, store[1].parse);
    printf(" 10000 x 10:\n");
    Multiple("save", store[1].save, store[1].memchr, kSaveTarget);
    Multiple("load", store[1].load, store[1].memchr, kLoadTarget);
    Multiple("XML parse", store[1].parse, store[1].memchr, kParseTarget);
    std::string largeStore = StorePath(kKeywordCounts[1]);
    double peak = LoadPeakBytes(largeStore);
    if (peak > 0)
    {
        double multiple = peak / (store[1].megabytes * 1e6);
        printf("  load peak working set %.1f MB = %.2fx the file (target at most %.0fx: %s)\n", peak / 1e6,
               multiple, kPeakTarget, Verdict(multiple, kPeakTarget));
    }
    else
    {
        printf("  load peak working set: the measuring process gave no figures\n");
    }
    for (int keywords : kKeywordCounts)
        DeleteFileA(StorePath(keywords).c_str());

    printf("XML parse of a document with comments and text (best of 5):\n");
    double parse[2];
    const size_t documentSizes[2] = {2000000, 20000000};
    for (int i = 0; i < 2; ++i)
    {
        std::string text = XmlDocumentText(documentSizes[i]);
        std::vector<char> bytes(text.begin(), text.end());
        parse[i] = ParseSeconds(bytes);
        printf("  %.1f MB: %.3f s, %.0f MB/s, %.1fx memchr\n", bytes.size() / 1e6, parse[i],
               bytes.size() / 1e6 / parse[i], parse[i] / MemchrSeconds(bytes));
    }
    Growth("parse", parse[0], parse[1], kOtherGrowthTarget);

    printf("Result-page parse (best of 20):\n");
    double page[2];
    const size_t pageSizes[2] = {100 * 1024, 1024 * 1024};
    for (int i = 0; i < 2; ++i)
    {
        double kilobytes = 0;
        page[i] = BenchResultPage(pageSizes[i], kilobytes);
        printf("  %.0f KB: %.3f ms, %.0f MB/s\n", kilobytes, page[i] * 1000, kilobytes / 1024 / page[i]);
    }
    Growth("result page", page[0], page[1], kOtherGrowthTarget);
    return 0;
}
