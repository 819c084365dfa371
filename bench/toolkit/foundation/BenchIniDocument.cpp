// The INI settings document: storing a list of values equal to their
// defaults over a loaded file (each removes its line) at 2,000 and 16,000
// values, which should grow in step with the values; and loading a file of
// 16 MiB of short lines, with the memory the document then holds for each
// byte of the file, and a file of 96 MiB, which loads or answers failure.
#include "bench/BenchClock.h"
#include "toolkit/foundation/XTPPropExchangeIniDocument.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"

#include <stdio.h>

#include <algorithm>
#include <string>

namespace {

const int kFewValues = 2000;
const int kManyValues = 16000;
// Eight times the values may take at most this many times as long to store:
// each value costs the same work, but up to three times the time as the
// document outgrows the processor's caches; a removal that went through its
// section took 64 times as long.
const double kGrowthTarget = 24;
const int kRuns = 5;
const size_t kMiB = 1024 * 1024;
// The memory the document may hold for each byte of a file of short lines.
const double kBytesPerByteTarget = 5;

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

std::string ValueName(int i)
{
    return "Item" + std::to_string(i);
}

// Loads a file of nValues values and stores them all as their default
// (empty) over it; the seconds the store took.
double StoreDefaultsOverLoadedFile(const std::string& strPath, int nValues)
{
    std::string strText = "[Items]\r\n";
    for (int i = 0; i < nValues; i++)
        strText += ValueName(i) + "=some value\r\n";
    WriteWholeFile(strPath, strText);
    CXTPPropExchangeIniFile px(FALSE, NULL, "Items");
    px.LoadFromFile(strPath.c_str());
    const double start = Now();
    for (int i = 0; i < nValues; i++)
    {
        CString strValue;
        PX_String(&px, ValueName(i).c_str(), strValue, "");
    }
    return Now() - start;
}

void BenchRemoval(const std::string& strPath)
{
    printf("INI document: values equal to their defaults stored over a loaded file (best of %d)\n", kRuns);
    double seconds[2] = {};
    const int valueCounts[2] = {kFewValues, kManyValues};
    for (int i = 0; i < 2; i++)
    {
        seconds[i] = 1e9;
        for (int nRun = 0; nRun < kRuns; nRun++)
            seconds[i] = std::min(seconds[i], StoreDefaultsOverLoadedFile(strPath, valueCounts[i]));
        printf("  %6d values: %7.1f ms, %.2f us a value\n", valueCounts[i], seconds[i] * 1000,
               seconds[i] * 1e6 / valueCounts[i]);
    }
    const double growth = seconds[1] / seconds[0];
    printf("  growth %dx values: %.1fx time (target at most %.0fx: %s)\n", kManyValues / kFewValues, growth,
           kGrowthTarget, growth <= kGrowthTarget ? "met" : "MISSED");
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
    BenchRemoval(strPath);
    BenchBigFiles(strPath);
    ::DeleteFileA(strPath.c_str());
    return 0;
}
