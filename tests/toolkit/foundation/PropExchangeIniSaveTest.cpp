// Saving an INI document: the new text is written beside the file and put
// in its place only once whole, so that a save that cannot be written (a
// full disk, a limit on file sizes) answers FALSE and leaves the file as it
// was, with no file of its own left behind.
#include "IniProfileCompare.h"
#include "ShellChild.h"
#include "tests/support/TempFolder.h"
#include "toolkit/foundation/XTPPropExchangeIniDocument.h"

#include <gtest/gtest.h>

#include <stdlib.h>

namespace {

const char kFileVariable[] = "TW_INI_SAVE_FILE";
const char kSavedVariable[] = "TW_INI_SAVE_EXPECTED";

// Run in a child only (RunTestInShellChild): loads the file, stores one
// value and saves, which answers what the parent expects.
TEST(PropExchangeIniSave, DISABLED_StoreInAChild)
{
    const char* pszFile = getenv(kFileVariable);
    const char* pszSaved = getenv(kSavedVariable);
    ASSERT_TRUE(pszFile != NULL && pszSaved != NULL) << "run by ASaveThatCannotBeWrittenWholeLeavesTheFile";
    CXTPPropExchangeIniDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(pszFile));
    doc.SetValue("First", "Width", "20");
    EXPECT_EQ(atoi(pszSaved), doc.SaveToFile(pszFile));
}

// A file far larger than the limit below, whichever block size the shell
// counts it in (512 or 1024 bytes); its last section comes after the limit.
std::string LargeFile()
{
    std::string strText = "[First]\r\nWidth=10\r\n[Filler]\r\n";
    for (int i = 0; strText.size() < 256 * 1024; i++)
        strText += "Line" + std::to_string(i) + "=some text to fill the file\r\n";
    return strText + "[Last]\r\nKept=yes\r\n";
}

struct LimitCase
{
    const char* name;
    const char* shellSetup;
    bool saved;
};

TEST(PropExchangeIniSave, ASaveThatCannotBeWrittenWholeLeavesTheFile)
{
    // Wine's processes take the shell's limit; with the signal that the
    // limit raises ignored, a write past it fails as on a full disk.
    const LimitCase kCases[] = {
        {"a limit on file sizes below the file's", "trap '' XFSZ; ulimit -f 64;", false},
        {"no limit", "", true},
    };
    const std::string strText = LargeFile();
    for (const LimitCase& test : kCases)
    {
        TempFolder folder;
        const std::string strPath = folder.File("settings.ini");
        WriteBytes(strPath, strText);
        const ShellChildRun run = RunTestInShellChild(std::string(test.shellSetup) + " export " + kFileVariable + "='"
                                                          + strPath + "'; export " + kSavedVariable + "="
                                                          + (test.saved ? "1" : "0") + ";",
                                                      "PropExchangeIniSave.DISABLED_StoreInAChild");
        EXPECT_TRUE(run.bPassed) << test.name << ":\n" << run.output;
        if (test.saved)
            EXPECT_EQ("20", ProfileRead(strPath, "First", "Width")) << test.name;
        else
            EXPECT_TRUE(ReadBytes(strPath) == strText)
                << test.name << ": the file as it was, not " << ReadBytes(strPath).size() << " bytes";
        EXPECT_EQ("yes", ProfileRead(strPath, "Last", "Kept")) << test.name;
        EXPECT_EQ(std::vector<std::string>{"settings.ini"}, folder.Names()) << test.name << ": nothing left beside";
    }
}

TEST(PropExchangeIniSave, AReadOnlyFileIsNotReplaced)
{
    TempFolder folder;
    const std::string strPath = folder.File("settings.ini");
    WriteBytes(strPath, "[First]\r\nWidth=10\r\n");
    ASSERT_TRUE(::SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_READONLY));
    CXTPPropExchangeIniDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(strPath.c_str()));
    doc.SetValue("First", "Width", "20");
    EXPECT_FALSE(doc.SaveToFile(strPath.c_str()));
    ::SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("[First]\r\nWidth=10\r\n", ReadBytes(strPath));
    EXPECT_EQ(std::vector<std::string>{"settings.ini"}, folder.Names()) << "nothing left beside";
}

} // namespace
