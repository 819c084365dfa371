// Speed of the engine's bulk work: saving and loading the store, parsing XML
// and parsing result pages, each at two sizes ten times apart so that the
// growth with the size shows. Prints one line per measurement.
#include "engine/KeywordGroup.h"
#include "engine/ResultPageParser.h"
#include "engine/XmlReader.h"

#include <windows.h>
#include <stdio.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

// The best of several runs, in seconds; prepare runs before each, untimed.
double Best(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        prepare();
        double start = Now();
        work();
        best = std::min(best, Now() - start);
    }
    return best;
}

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

// A group of keywords with ten items each, with fields of the sizes a result
// page gives.
void FillGroup(KeywordGroup& group, int keywords)
{
    std::string summary(180, 's');
    summary += " \"quoted\" & <b>";
    for (int k = 0; k < keywords; ++k) {
        Keyword* keyword = new Keyword(("keyword " + std::to_string(k)).c_str());
        group.Add(keyword);
        for (int i = 0; i < 10; ++i) {
            std::string n = std::to_string(k * 10 + i);
            keyword->AppendItem(new NewsItem(("A headline about the tides, number " + n).c_str(),
                                             ("http://news.example.com/2007/03/15/story" + n + ".html").c_str(),
                                             "3 hours ago", summary.c_str(), keyword, i % 2));
        }
    }
}

void BenchStore(int keywords, double& saveSeconds, double& loadSeconds, double& megabytes)
{
    std::string path = TempPath("tw_bench_store.xml");
    KeywordGroup group;
    FillGroup(group, keywords);
    saveSeconds = Best(5, [] {}, [&] { group.ConfWriter(path.c_str()); });
    KeywordGroup* loaded = nullptr;
    loadSeconds = Best(
        5,
        [&] {
            delete loaded;
            loaded = new KeywordGroup;
        },
        [&] { loaded->ConfReader(path.c_str()); });
    if (loaded->keywordCount != keywords)
        printf("store load read %d keywords of %d\n", loaded->keywordCount, keywords);
    delete loaded;
    WIN32_FILE_ATTRIBUTE_DATA data;
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    megabytes = data.nFileSizeLow / 1e6;
    DeleteFileA(path.c_str());
}

std::string XmlDocumentText(size_t bytes)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"ANSI\" ?>\r\n<root>\r\n";
    for (int i = 0; text.size() < bytes; ++i) {
        text += "\t<Keyword name=\"keyword " + std::to_string(i) + "\">\r\n";
        text += "\t\t<Link unread=\"true\" title=\"A headline \\\"quoted\\\" here\" url=\"http://e.com/a?b=1&c=2\""
                " time=\"3 hours ago\" summary=\"" + std::string(150, 'x') + "\">\r\n\t\t</Link>\r\n";
        text += "\t\t<!-- a comment --><Text>  some   text  </Text>\r\n\t</Keyword>\r\n";
    }
    return text + "</root>";
}

double BenchXmlParse(size_t bytes, double& megabytes)
{
    std::string text = XmlDocumentText(bytes);
    megabytes = text.size() / 1e6;
    std::vector<char> buffer;
    XmlNodeRecord* root = nullptr;
    double seconds = Best(
        5,
        [&] {
            XmlFreeTree(root);
            buffer.assign(text.begin(), text.end());
            buffer.push_back('\0');
            root = XmlNewNode(XmlDocumentNode);
            root->parent = root;
        },
        [&] { XmlParse(buffer.data(), root, 4, XmlParseAll); });
    XmlFreeTree(root);
    return seconds;
}

std::string ResultPage(size_t bytes)
{
    std::string filler;
    while (filler.size() + 4000 < bytes)
        filler += "<p><font size=-1>Other <b>stories</b> &amp; links</font> and text</p>\n";
    std::string page = "<html><body>" + filler + "<div class=mainbody><table><tr><td>";
    for (int i = 0; i < 10; ++i) {
        std::string n = std::to_string(i);
        page += "<table><tr><td><a href=\"http://e.com/" + n + "\" id=r>Title &quot;" + n +
                "&quot;</a><br><font size=-1><nobr>" + n + " hours ago</nobr></font><br>"
                "<font size=-1>Summary &amp; more " + n + "<br></font></td></tr></table>";
    }
    return page + "</td></tr></table></div></body></html>";
}

double BenchResultPage(size_t bytes, double& kilobytes)
{
    std::string page = ResultPage(bytes);
    kilobytes = page.size() / 1024.0;
    std::vector<char> scratch(page.size() + 1);
    ResultPageParser* parser = new ResultPageParser;
    double seconds = Best(20, [] {}, [&] { parser->Parse(page.c_str(), scratch.data()); });
    if (parser->count != 10)
        printf("result page gave %d records\n", parser->count);
    delete parser;
    return seconds;
}

void Report(const char* what, double small, double large)
{
    printf("  growth 10x data: %.2fx time (%s, target at most 12x)\n", large / small, what);
}

} // namespace

int main()
{
    printf("Store, keywords x 10 items (best of 5):\n");
    double save[2], load[2], size[2];
    const int keywordCounts[2] = {1000, 10000};
    for (int i = 0; i < 2; ++i) {
        BenchStore(keywordCounts[i], save[i], load[i], size[i]);
        printf("  %5d keywords (%.1f MB): save %.3f s, load %.3f s\n", keywordCounts[i], size[i],
               save[i], load[i]);
    }
    Report("save", save[0], save[1]);
    Report("load", load[0], load[1]);
    printf("  10000 x 10: save %s 0.5 s, load %s 0.5 s\n", save[1] < 0.5 ? "under" : "OVER",
           load[1] < 0.5 ? "under" : "OVER");

    printf("XML parse (best of 5):\n");
    double parse[2];
    const size_t documentSizes[2] = {2000000, 20000000};
    for (int i = 0; i < 2; ++i) {
        double megabytes = 0;
        parse[i] = BenchXmlParse(documentSizes[i], megabytes);
        printf("  %.1f MB: %.3f s, %.0f MB/s (target at least 200)\n", megabytes, parse[i],
               megabytes / parse[i]);
    }
    Report("parse", parse[0], parse[1]);

    printf("Result-page parse (best of 20):\n");
    double page[2];
    const size_t pageSizes[2] = {100 * 1024, 1024 * 1024};
    for (int i = 0; i < 2; ++i) {
        double kilobytes = 0;
        page[i] = BenchResultPage(pageSizes[i], kilobytes);
        printf("  %.0f KB: %.3f ms, %.0f MB/s\n", kilobytes, page[i] * 1000,
               kilobytes / 1024 / page[i]);
    }
    Report("result page", page[0], page[1]);
    return 0;
}
