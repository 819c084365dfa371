// The INI settings document. Time with the number of values and with how
// often a name repeats: storing a list of values equal to their defaults
// over a loaded file (each removes its line), stores into a section whose
// header the file repeats, removing a value the file repeats one line at a
// time, storing and removing one name in turn, and stores into a file of
// 200,000 sections of one name; each at two sizes eight times apart, which
// should take no more than about eight times as long. Memory: a file of 16
// MiB of short lines loaded (the memory the document holds for each byte),
// a file of 96 MiB (loads or answers failure), and values stored over each
// other in one line or stored and removed in turn, which should hold no more
// than the values held.
#include "bench/BenchClock.h"
#include "toolkit/foundation/XTPPropExchangeIniDocument.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"

#include <stdio.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

const int kFew = 2000;
const int kMany = 16000;
// Eight times the work may take at most this many times as long: each step
// costs the same, but up to three times the time as the document outgrows
// the processor's caches; a step that went through the repeats of a name
// took eight times as long at eight times the repeats, 64 times in all.
const double kGrowthTarget = 24;
const int kRuns = 3;
const size_t kMiB = 1024 * 1024;
// The memory the document may hold for each byte of a file of short lines.
const double kBytesPerByteTarget = 5;
// Memory a run of stores may leave held beyond what the document holds.
const size_t kHeldTarget = 4 * kMiB;

std::string TempFile()
{
    char szFolder[MAX_PATH], szFile[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szFolder);
    ::GetTempFileNameA(szFolder, "inb", 0, szFile);
    return szFile;
}

void WriteWholeFile(const std::string& strPath, const std::string& strText)
{
    HANDLE hFile = ::CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD nWritten = 0;
    ::WriteFile(hFile, strText.data(), (DWORD)strText.size(), &nWritten, NULL);
    ::CloseHandle(hFile);
}

// The memory the process has committed for itself (its heaps among it).
size_t CommittedBytes()
{
    size_t nBytes = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const BYTE* pAddress = NULL; ::VirtualQuery(pAddress, &info, sizeof(info)) == sizeof(info);
         pAddress = (const BYTE*)info.BaseAddress + info.RegionSize)
    {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            nBytes += info.RegionSize;
    }
    return nBytes;
}

std::string Numbered(const char* pszName, int i)
{
    return pszName + std::to_string(i);
}

std::string Repeated(const std::string& strText, int nTimes)
{
    std::string strRepeated;
    strRepeated.reserve(strText.size() * nTimes);
    for (int i = 0; i < nTimes; i++)
        strRepeated += strText;
    return strRepeated;
}

// A case of n steps over a document loaded from a text of n: the text, and
// the steps, which are timed.
struct GrowthCase
{
    const char* name;
    std::function<std::string(int)> text;
    std::function<void(CXTPPropExchangeIniDocument&, int)> steps;
};

double TimeSteps(const std::string& strPath, const GrowthCase& growth, int n)
{
    WriteWholeFile(strPath, growth.text(n));
    CXTPPropExchangeIniDocument doc;
    doc.LoadFromFile(strPath.c_str());
    const double start = Now();
    growth.steps(doc, n);
    return Now() - start;
}

void BenchGrowth(const std::string& strPath, const GrowthCase& growth)
{
    double seconds[2] = {1e9, 1e9};
    const int counts[2] = {kFew, kMany};
    printf("INI document: %s (best of %d)\n", growth.name, kRuns);
    for (int i = 0; i < 2; i++)
    {
        for (int nRun = 0; nRun < kRuns; nRun++)
            seconds[i] = std::min(seconds[i], TimeSteps(strPath, growth, counts[i]));
        printf("  %6d: %8.1f ms, %.2f us a step\n", counts[i], seconds[i] * 1000, seconds[i] * 1e6 / counts[i]);
    }
    const double ratio = seconds[1] / seconds[0];
    printf("  growth %dx: %.1fx time (target at most %.0fx: %s)\n", kMany / kFew, ratio, kGrowthTarget,
           ratio <= kGrowthTarget ? "met" : "MISSED");
}

void StoreDefaults(CXTPPropExchangeIniDocument& doc, int n)
{
    // The exchange stores each value equal to its default: its line goes.
    for (int i = 0; i < n; i++)
        doc.RemoveValue("Items", Numbered("Item", i).c_str());
}

const GrowthCase kGrowthCases[] = {
    {"values equal to their defaults stored over a loaded file",
     [](int n) {
         std::string strText = "[Items]\r\n";
         for (int i = 0; i < n; i++)
             strText += Numbered("Item", i) + "=some value\r\n";
         return strText;
     },
     StoreDefaults},
    {"stores into a section whose header the file repeats n times",
     [](int n) { return Repeated("[S]\r\nk=v\r\n", n); },
     [](CXTPPropExchangeIniDocument& doc, int n) {
         for (int i = 0; i < n; i++)
             doc.SetValue("S", Numbered("Name", i).c_str(), "value");
     }},
    {"a name the file repeats n times removed line by line",
     [](int n) { return "[S]\r\n" + Repeated("k=v\r\n", n); },
     [](CXTPPropExchangeIniDocument& doc, int n) {
         for (int i = 0; i < n; i++)
             doc.RemoveValue("S", "k");
     }},
    {"n stores and removals of one name in turn",
     [](int) { return std::string("[S]\r\nother=1\r\n"); },
     [](CXTPPropExchangeIniDocument& doc, int n) {
         for (int i = 0; i < n; i++)
         {
             doc.SetValue("S", "k", "value");
             doc.RemoveValue("S", "k");
         }
     }},
};

void BenchManySectionsOfOneName(const std::string& strPath)
{
    const int kSections = 200000, kStores = 2000;
    printf("INI document: %d stores into a file of %d sections named \"S\"\n", kStores, kSections);
    WriteWholeFile(strPath, Repeated("[S]\r\nk=v\r\n", kSections));
    CXTPPropExchangeIniDocument doc;
    doc.LoadFromFile(strPath.c_str());
    const double start = Now();
    for (int i = 0; i < kStores; i++)
        doc.SetValue("S", Numbered("Name", i).c_str(), "value");
    const double seconds = Now() - start;
    printf("  %.1f ms, %.2f us a store\n", seconds * 1000, seconds * 1e6 / kStores);
}

// The memory a document holds after the steps, beyond what it held loaded.
void BenchHeldMemory(const char* pszName, size_t nHoldsAtMost,
                     const std::function<void(CXTPPropExchangeIniDocument&)>& steps)
{
    CXTPPropExchangeIniDocument doc;
    doc.SetValue("S", "other", "1");
    const size_t nBefore = CommittedBytes();
    steps(doc);
    const size_t nGrown = CommittedBytes() - std::min(nBefore, CommittedBytes());
    printf("  %s: %.2f MiB more held (target at most %.2f MiB: %s)\n", pszName, (double)nGrown / kMiB,
           (double)(nHoldsAtMost + kHeldTarget) / kMiB, nGrown <= nHoldsAtMost + kHeldTarget ? "met" : "MISSED");
}

void BenchMemoryOfChanges()
{
    printf("INI document: memory of values stored over each other\n");
    const std::string strLong(10 * 1024, 'x');
    BenchHeldMemory("16,000 stores of a 10 KiB value into one name", strLong.size(),
                    [&](CXTPPropExchangeIniDocument& doc) {
                        for (int i = 0; i < kMany; i++)
                            doc.SetValue("S", "k", (strLong + std::to_string(i)).c_str());
                    });
    BenchHeldMemory("160,000 stores and removals of one name in turn", 0, [&](CXTPPropExchangeIniDocument& doc) {
        for (int i = 0; i < 10 * kMany; i++)
        {
            doc.SetValue("S", "k", "a value of some length");
            doc.RemoveValue("S", "k");
        }
    });
}

std::string ShortLines(size_t nBytes)
{
    std::string strText = "[Lines]\r\n";
    strText.reserve(nBytes + 32);
    for (int i = 0; strText.size() < nBytes; i++)
        strText += "k" + std::to_string(i) + "=v\r\n";
    return strText;
}

void BenchBigFiles(const std::string& strPath)
{
    printf("INI document: a file of short lines (\"k123=v\") loaded\n");
    WriteWholeFile(strPath, ShortLines(16 * kMiB));
    {
        const size_t nBefore = CommittedBytes();
        CXTPPropExchangeIniDocument doc;
        const double start = Now();
        const BOOL bLoaded = doc.LoadFromFile(strPath.c_str());
        const double seconds = Now() - start;
        const double bytesPerByte = (double)(CommittedBytes() - nBefore) / (16 * kMiB);
        printf("  16 MiB: %s in %.0f ms, %.1f bytes held for each byte of the file (target at most %.0f: %s)\n",
               bLoaded ? "loaded" : "FAILED", seconds * 1000, bytesPerByte, kBytesPerByteTarget,
               bLoaded && bytesPerByte <= kBytesPerByteTarget ? "met" : "MISSED");
        const double saveStart = Now();
        const BOOL bSaved = doc.SaveToFile(strPath.c_str());
        printf("  16 MiB: %s in %.0f ms\n", bSaved ? "saved" : "SAVE FAILED", (Now() - saveStart) * 1000);
    }
    WriteWholeFile(strPath, ShortLines(96 * kMiB));
    CXTPPropExchangeIniDocument doc;
    const double start = Now();
    const BOOL bLoaded = doc.LoadFromFile(strPath.c_str());
    printf("  96 MiB: %s in %.0f ms (no exception either way)\n", bLoaded ? "loaded" : "answered failure",
           (Now() - start) * 1000);
}

} // namespace

int main()
{
    const std::string strPath = TempFile();
    for (const GrowthCase& growth : kGrowthCases)
        BenchGrowth(strPath, growth);
    BenchManySectionsOfOneName(strPath);
    BenchMemoryOfChanges();
    BenchBigFiles(strPath);
    ::DeleteFileA(strPath.c_str());
    return 0;
}
