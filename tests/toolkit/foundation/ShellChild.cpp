#include "ShellChild.h"

#include "tests/support/TempFolder.h"

#include <windows.h>

namespace {

// Longer than any child takes on a busy machine; reached only by one that hangs.
const DWORD kChildBoundMs = 240 * 1000;

std::string ThisExecutable()
{
    char szPath[MAX_PATH];
    return std::string(szPath, ::GetModuleFileNameA(NULL, szPath, sizeof(szPath)));
}

} // namespace

ShellChildRun RunTestInShellChild(const std::string& strShellSetup, const std::string& strTest)
{
    // The shell runs in a folder of its own, which keeps the child's output
    // and exit status. Wine starts a Unix program without a process to wait
    // for: the shell moves the status file into place once the child has
    // ended, and that file is what this process waits for.
    TempFolder folder;
    std::string strCommand = "/bin/sh -c \"" + strShellSetup + " wine '" + ThisExecutable()
                             + "' --gtest_also_run_disabled_tests --gtest_filter=" + strTest
                             + " </dev/null >child.out 2>&1; echo $? >child.tmp; mv child.tmp child.status\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (strShellSetup.find('"') != std::string::npos
        || !::CreateProcessA(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL, folder.Path().c_str(), &startup,
                             &process))
        return {false, "the shell could not be started: " + strCommand};
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    const DWORD nStart = ::GetTickCount();
    while (!FileExists(folder.File("child.status")))
    {
        if (::GetTickCount() - nStart > kChildBoundMs)
            return {false, "the child did not end: " + ReadBytes(folder.File("child.out"))};
        ::Sleep(10);
    }
    // A positive sign besides the exit status: the test framework's line for a pass.
    const std::string strOutput = ReadBytes(folder.File("child.out"));
    const bool bPassed = ReadBytes(folder.File("child.status")) == "0\n"
                         && strOutput.find("[  PASSED  ] 1 test.") != std::string::npos;
    return {bPassed, strOutput};
}
