#include "framework/window/AppHelpers.h"
#include "framework/window/CWinApp.h"
#include <ole2.h>

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(NULL, lpszText, NULL, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString prompt;
    prompt.LoadString(nIDPrompt);
    return AfxMessageBox(prompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

BOOL AfxInitRichEdit()
{
    static HMODULE hRichEdit = ::LoadLibraryA("RICHED32.DLL");
    return hRichEdit != NULL;
}

void AfxEnableControlContainer()
{}

BOOL AfxOleInit()
{
    HRESULT hr = ::OleInitialize(NULL);
    return SUCCEEDED(hr);
}
