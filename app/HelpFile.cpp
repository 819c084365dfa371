#include "app/HelpFile.h"

#include "engine/ProgramFolder.h"

BOOL ShowHelpTopic(HWND hWndCaller, LPCSTR topic, UINT command)
{
    typedef HWND(WINAPI * HtmlHelpProc)(HWND, LPCSTR, UINT, DWORD_PTR);
    static HMODULE hHelp = ::LoadLibraryA("hhctrl.ocx");
    HtmlHelpProc htmlHelp =
        hHelp
            ? reinterpret_cast<HtmlHelpProc>(reinterpret_cast<INT_PTR>(::GetProcAddress(hHelp, "HtmlHelpA")))
            : NULL;
    if (htmlHelp == NULL)
        return FALSE;
    CString path = ProgramFolder() + "\\Tidewatch.chm::" + topic;
    return htmlHelp(hWndCaller, path, command, 0) != NULL;
}
