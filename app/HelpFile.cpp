#include "app/HelpFile.h"

#include "engine/ProgramFolder.h"

CString HelpFilePath(LPCSTR lpszTopic)
{
    CString path;
    path.Format("%s\\Tidewatch.chm", (LPCSTR)ProgramFolder());
    if (lpszTopic != NULL)
        path += CString("::") + lpszTopic;
    return path;
}

HWND ShowHelpTopic(HWND hWndCaller, LPCSTR lpszTopic, UINT command, DWORD_PTR data)
{
    typedef HWND(WINAPI * HtmlHelpProc)(HWND, LPCSTR, UINT, DWORD_PTR);
    static HMODULE hHelp = ::LoadLibraryA("hhctrl.ocx");
    HtmlHelpProc htmlHelp =
        hHelp
            ? reinterpret_cast<HtmlHelpProc>(reinterpret_cast<INT_PTR>(::GetProcAddress(hHelp, "HtmlHelpA")))
            : NULL;
    if (htmlHelp == NULL)
        return NULL;
    return htmlHelp(hWndCaller, HelpFilePath(lpszTopic), command, data);
}
