#include "TestWindows.h"

BOOL CLogWnd::CreateTopLevel(LPCTSTR lpszTitle)
{
    return CreateEx(0, NULL, lpszTitle, WS_OVERLAPPEDWINDOW, 20, 20, 300, 200, NULL, NULL);
}

void CLogWnd::Log(LPCTSTR lpszFormat, ...)
{
    va_list arguments;
    va_start(arguments, lpszFormat);
    CString entry;
    entry.FormatV(lpszFormat, arguments);
    va_end(arguments);
    m_log.Add(entry);
}

CString JoinedLog(const CStringArray& log)
{
    CString joined;
    for (INT_PTR i = 0; i < log.GetSize(); ++i)
        joined += log[i] + ";";
    return joined;
}

HWND CreateRawWindow(LPCTSTR lpszClass, DWORD dwStyle, HWND hWndParent, UINT nID)
{
    return ::CreateWindowExA(0, lpszClass, "", dwStyle, 0, 0, 100, 30, hWndParent, (HMENU)(UINT_PTR)nID,
                             ::GetModuleHandleA(NULL), NULL);
}
