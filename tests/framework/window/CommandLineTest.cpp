// The start-up command line: what each form of arguments asks for.
#include "TestApp.h"
#include <gtest/gtest.h>
#include <string.h>
#include <vector>

namespace {

struct Argument
{
    const char* text;
    BOOL bFlag;
};

// Each case gives the shell command (FileNew 0, FileOpen 1, FilePrint 2, FilePrintTo 3, FileDDE 4,
// AppUnregister 6), then the file name and the printer name.
TEST(CommandLine, ArgumentsGiveTheShellCommandThatIsProcessed)
{
    const struct
    {
        std::vector<Argument> arguments;
        const char* expected;
    } cases[] = {
        {{}, "0 |"},
        {{{"news.dat", FALSE}}, "1 news.dat|"},
        {{{"p", TRUE}, {"news.dat", FALSE}}, "2 news.dat|"},
        {{{"pt", TRUE}, {"a.dat", FALSE}, {"Printer", FALSE}, {"Driver", FALSE}}, "3 a.dat|Printer"},
        {{{"dde", TRUE}}, "4 |"},
        {{{"Unregister", TRUE}}, "6 |"},
        {{{"Embedding", TRUE}, {"x.dat", FALSE}}, "1 x.dat|"},
        {{{"unknown", TRUE}}, "0 |"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.expected);
        CCommandLineInfo info;
        for (size_t i = 0; i < c.arguments.size(); ++i)
            info.ParseParam(c.arguments[i].text, c.arguments[i].bFlag, i + 1 == c.arguments.size());
        CString result;
        result.Format("%d %s|%s", (int)info.m_nShellCommand, (LPCTSTR)info.m_strFileName,
                      (LPCTSTR)info.m_strPrinterName);
        EXPECT_EQ(result, c.expected);
        // Running embedded shows no splash.
        bool bEmbedded = !c.arguments.empty() && strcmp(c.arguments[0].text, "Embedding") == 0;
        EXPECT_EQ(CPoint(info.m_bRunEmbedded != FALSE, info.m_bShowSplash != FALSE),
                  CPoint(bEmbedded, !bEmbedded));
    }
}

// Nothing to do succeeds without a window; registering is not supported.
TEST(CommandLine, NothingToDoSucceedsAndRegisteringIsRefused)
{
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FileNothing;
    EXPECT_TRUE(theApp.ProcessShellCommand(info));
    info.m_nShellCommand = CCommandLineInfo::AppRegister;
    EXPECT_FALSE(theApp.ProcessShellCommand(info));
}

} // namespace
