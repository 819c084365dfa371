#pragma once
// A hyperlink shell for tests: it opens nothing, answers ShellOpen, the
// registry reads and Run from its fields and records what it was asked.
// While the object lives it is the process's current shell.
#include "app/HyperlinkShell.h"

#include <map>
#include <string>
#include <vector>

class CRecordingShell : public CHyperlinkShell
{
public:
    CRecordingShell() : m_pPrevious(CHyperlinkShell::Replace(this)) {}
    ~CRecordingShell() override { CHyperlinkShell::Replace(m_pPrevious); }

    int ShellOpen(LPCTSTR lpszTarget, int) override
    {
        opened.push_back(lpszTarget);
        return shellResult;
    }
    BOOL ReadClassesRootDefault(LPCTSTR lpszKey, CString& value) override
    {
        auto found = classes.find(lpszKey);
        if (found == classes.end())
            return FALSE;
        value = found->second.c_str();
        return TRUE;
    }
    UINT Run(LPCTSTR lpszCommandLine, int) override
    {
        runs.push_back(lpszCommandLine);
        return runResult;
    }

    // A browser registered for ".htm" with this command line.
    void RegisterBrowser(const std::string& commandLine)
    {
        classes[".htm"] = "htmlfile";
        classes["htmlfile\\shell\\open\\command"] = commandLine;
    }

    int shellResult = 42;
    UINT runResult = 33;
    std::map<std::string, std::string> classes; // key below HKEY_CLASSES_ROOT -> default value
    std::vector<std::string> opened;
    std::vector<std::string> runs;

private:
    CHyperlinkShell* m_pPrevious;
};
