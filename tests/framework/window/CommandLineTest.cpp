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

struct Case
{
    std::vector<Argument> arguments;
    int nShellCommand;
    const char* fileName;
    const char* printerName;
};

TEST(CommandLine, ArgumentsGiveTheShellCommand)
{
    const Case cases[] = {
        {{}, CCommandLineInfo::FileNew, "", ""},
        {{{"news.dat", FALSE}}, CCommandLineInfo::FileOpen, "news.dat", ""},
        {{{"p", TRUE}, {"news.dat", FALSE}}, CCommandLineInfo::FilePrint, "news.dat", ""},
        {{{"pt", TRUE}, {"a.dat", FALSE}, {"Printer", FALSE}, {"Driver", FALSE}},
         CCommandLineInfo::FilePrintTo,
         "a.dat",
         "Printer"},
        {{{"dde", TRUE}}, CCommandLineInfo::FileDDE, "", ""},
        {{{"Unregister", TRUE}}, CCommandLineInfo::AppUnregister, "", ""},
        {{{"Embedding", TRUE}, {"x.dat", FALSE}}, CCommandLineInfo::FileOpen, "x.dat", ""},
        {{{"unknown", TRUE}}, CCommandLineInfo::FileNew, "", ""},
    };
    for (const Case& c : cases)
    {
        CCommandLineInfo info;
        for (size_t i = 0; i < c.arguments.size(); ++i)
            info.ParseParam(c.arguments[i].text, c.arguments[i].bFlag, i + 1 == c.arguments.size());
        EXPECT_EQ((int)info.m_nShellCommand, c.nShellCommand) << c.arguments.size();
        EXPECT_EQ(info.m_strFileName, c.fileName);
        EXPECT_EQ(info.m_strPrinterName, c.printerName);
        // Running embedded shows no splash.
        bool bEmbedded = !c.arguments.empty() && strcmp(c.arguments[0].text, "Embedding") == 0;
        EXPECT_EQ(info.m_bRunEmbedded != FALSE, bEmbedded);
        if (bEmbedded)
        {
            EXPECT_FALSE(info.m_bShowSplash);
        }
    }
}

TEST(CommandLine, NothingToDoSucceedsWithoutAWindow)
{
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FileNothing;
    EXPECT_TRUE(theApp.ProcessShellCommand(info));
    info.m_nShellCommand = CCommandLineInfo::AppRegister;
    EXPECT_FALSE(theApp.ProcessShellCommand(info));
}

} // namespace
