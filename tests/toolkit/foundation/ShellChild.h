#pragma once
// Runs one test of this executable again in a child process started through
// the POSIX shell (/bin/sh, which wine starts for a Unix path), so that the
// child gets what a Windows process cannot give itself: a limit on the size
// of the files it writes ("ulimit -f"), or a locale that chooses another ANSI
// code page ("export LC_ALL=ja_JP.UTF-8"). The child's test is usually a
// DISABLED_ one, which the executable's own run leaves out; it reads what it
// needs from the environment that the shell setup exports.
//
//     const ShellChildRun run = RunTestInShellChild(
//         "trap '' XFSZ; ulimit -f 64; export TW_FILE='" + strPath + "';",
//         "PropExchangeIniSave.DISABLED_SaveInTheChild");
//     EXPECT_TRUE(run.bPassed) << run.output;
//
// The setup is shell text ending in ";": it holds no double quote, and
// Windows paths go in single quotes.
#include <string>

struct ShellChildRun
{
    bool bPassed;       // the child ran the test, which passed
    std::string output; // the child's output, or why it did not run
};

// Runs the test (Suite.Test) in a child after the shell setup and waits for
// it to end; a bound that only a hanging child reaches ends the wait.
ShellChildRun RunTestInShellChild(const std::string& strShellSetup, const std::string& strTest);
