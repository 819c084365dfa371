#include "app/HyperlinkShell.h"

#include <shellapi.h>

namespace {

CHyperlinkShell g_systemShell;
CHyperlinkShell* g_pCurrentShell = &g_systemShell;

// The target as one quoted argument of a command line.
CString QuotedArgument(LPCTSTR lpszTarget)
{
    CString quoted = "\"";
    for (LPCTSTR p = lpszTarget; *p != '\0'; ++p)
    {
        if (*p == '"')
            quoted += "%22";
        else if ((unsigned char)*p >= ' ' && *p != 0x7F)
            quoted += *p;
    }
    return quoted + "\"";
}

struct ErrorText
{
    int nCode;
    LPCTSTR text;
};

const ErrorText kErrorTexts[] = {
    {0, "The operating system is out\nof memory or resources."},
    {ERROR_FILE_NOT_FOUND, "The specified file was not found."},
    {ERROR_PATH_NOT_FOUND, "The specified path was not found."},
    {SE_ERR_ACCESSDENIED, "The operating system denied\naccess to the specified file."},
    {SE_ERR_OOM, "There was not enough memory to complete the operation."},
    {ERROR_BAD_FORMAT, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {SE_ERR_SHARE, "A sharing violation occurred. "},
    {SE_ERR_ASSOCINCOMPLETE, "The filename association is\nincomplete or invalid."},
    {SE_ERR_DDETIMEOUT, "The DDE transaction could not\nbe completed because the request timed out."},
    {SE_ERR_DDEFAIL, "The DDE transaction failed."},
    {SE_ERR_DDEBUSY, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
                     "processed."},
    {SE_ERR_NOASSOC, "There is no application associated\nwith the given filename extension."},
    {SE_ERR_DLLNOTFOUND, "The specified dynamic-link library was not found."},
};

} // namespace

int CHyperlinkShell::ShellOpen(LPCTSTR lpszTarget, int nShowCmd)
{
    return (int)(INT_PTR)::ShellExecuteA(NULL, "open", lpszTarget, NULL, NULL, nShowCmd);
}

BOOL CHyperlinkShell::ReadClassesRootDefault(LPCTSTR lpszKey, CString& value)
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, lpszKey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return FALSE;
    char text[MAX_PATH + 1];
    LONG size = MAX_PATH;
    LONG result = ::RegQueryValueA(hKey, NULL, text, &size);
    ::RegCloseKey(hKey);
    if (result != ERROR_SUCCESS)
        return FALSE;
    text[MAX_PATH] = '\0';
    value = text;
    return TRUE;
}

UINT CHyperlinkShell::Run(LPCTSTR lpszCommandLine, int nShowCmd)
{
    return ::WinExec(lpszCommandLine, nShowCmd);
}

CHyperlinkShell& CHyperlinkShell::Current()
{
    return *g_pCurrentShell;
}

CHyperlinkShell* CHyperlinkShell::Replace(CHyperlinkShell* pShell)
{
    CHyperlinkShell* pPrevious = g_pCurrentShell;
    g_pCurrentShell = pShell != NULL ? pShell : &g_systemShell;
    return pPrevious;
}

CString BrowserCommandLine(LPCTSTR lpszRegistered, LPCTSTR lpszTarget)
{
    if (lpszTarget == NULL || *lpszTarget == '\0')
        return CString();
    CString command = lpszRegistered;
    int cut = command.Find("\"%1\"");
    if (cut < 0)
        cut = command.Find("%1");
    if (cut >= 0)
        command = command.Left(cut);
    command.TrimRight();
    // Whatever stands before the cut is what runs: with nothing there the
    // target itself would be started as a program.
    if (command.IsEmpty() || command == "\"")
        return CString();
    return command + " " + QuotedArgument(lpszTarget);
}

int OpenHyperlink(LPCTSTR lpszTarget, int nShowCmd)
{
    CHyperlinkShell& shell = CHyperlinkShell::Current();
    int result = shell.ShellOpen(lpszTarget, nShowCmd);
    if (result > 32)
        return result;
    CString fileType, registered;
    if (!shell.ReadClassesRootDefault(".htm", fileType)
        || !shell.ReadClassesRootDefault(fileType + "\\shell\\open\\command", registered))
        return result;
    CString commandLine = BrowserCommandLine(registered, lpszTarget);
    if (commandLine.IsEmpty())
        return result;
    return (int)shell.Run(commandLine, nShowCmd);
}

CString HyperlinkErrorText(int nCode)
{
    for (const ErrorText& entry : kErrorTexts)
    {
        if (entry.nCode == nCode)
            return entry.text;
    }
    CString text;
    text.Format("Unknown Error (%d) occurred.", nCode);
    return text;
}
