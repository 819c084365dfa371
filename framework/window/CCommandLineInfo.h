#pragma once
// What the command line asks the application to do at start-up.
#include "framework/Core.h"

class CCommandLineInfo : public CObject
{
public:
    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand;

    CCommandLineInfo();
    virtual ~CCommandLineInfo();

    // One argument; bFlag when it began with '/' or '-' (which is cut off).
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

private:
    void ParseFlag(LPCTSTR pszParam);
    // Arguments after /pt: printer, driver, port.
    int m_nPrintToArguments;
};
