// How a hyperlink target is opened: the shell's "open" verb first and, when
// the shell cannot open it, the browser registered for ".htm" started with
// the target. The three system steps (ShellExecute, the registry reads and
// WinExec) sit behind CHyperlinkShell, so tests replace them and need no
// browser:
//
//     CRecordingShell fake;                        // derived from CHyperlinkShell
//     CHyperlinkShell* pOld = CHyperlinkShell::Replace(&fake);
//     int result = OpenHyperlink("http://x/", SW_SHOW);
//     CHyperlinkShell::Replace(pOld);
//
// Result codes follow ShellExecute: above 32 is success, 32 or less one of
// its error codes (HyperlinkErrorText turns them into the user's text).
#pragma once
#include "framework/Core.h"

class CHyperlinkShell
{
public:
    virtual ~CHyperlinkShell() {}

    // Overridables; the base calls the system.
    // ShellExecute with the verb "open", no parameters and no folder.
    virtual int ShellOpen(LPCTSTR lpszTarget, int nShowCmd);
    // The default value of a key below HKEY_CLASSES_ROOT (at most 260
    // characters); FALSE when the key or its value cannot be read.
    virtual BOOL ReadClassesRootDefault(LPCTSTR lpszKey, CString& value);
    // WinExec of the command line; its result (above 31 is success).
    virtual UINT Run(LPCTSTR lpszCommandLine, int nShowCmd);

    // The shell hyperlinks use; the process starts with the system's.
    static CHyperlinkShell& Current();
    // Makes pShell the current one (NULL: the system's again) and returns
    // the previous one.
    static CHyperlinkShell* Replace(CHyperlinkShell* pShell);
};

// Opens the target through the current shell: the shell's "open" verb, and
// when that fails the registered browser (BrowserCommandLine). Returns the
// browser's start result, or the shell's result when no browser was started.
int OpenHyperlink(LPCTSTR lpszTarget, int nShowCmd);

// The command line that starts the browser registered as lpszRegistered with
// the target: the registered line is cut at the first "%1" standing between
// double quotation marks (at the opening mark), else at the first "%1", else
// not at all; the target follows after one space, in double quotation marks
// (its own quotation marks become %22 and control characters are dropped, so
// a target never adds arguments). Empty when there is nothing safe to run:
// an empty target, or no program left before the cut.
CString BrowserCommandLine(LPCTSTR lpszRegistered, LPCTSTR lpszTarget);

// The user's text for a result code of OpenHyperlink, e.g. 2 "The specified
// file was not found."; an unknown code reads "Unknown Error (<code>) occurred.".
CString HyperlinkErrorText(int nCode);
