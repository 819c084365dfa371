#pragma once
// Small window classes shared by the window tests.
#include "TestApp.h"

// A top-level window of the framework's default class that keeps a log of
// what its handlers saw.
class CLogWnd : public CWnd
{
public:
    BOOL CreateTopLevel(LPCTSTR lpszTitle = "log");
    // Adds an entry, formatted as by printf.
    void Log(LPCTSTR lpszFormat, ...);
    CStringArray m_log;
};

// The entries of a log, each followed by ';', to compare in one piece.
CString JoinedLog(const CStringArray& log);

// Creates a plain system window without any framework object.
HWND CreateRawWindow(LPCTSTR lpszClass, DWORD dwStyle, HWND hWndParent, UINT nID = 0);
