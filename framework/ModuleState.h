#pragma once
// The module's instance and resource handles and the framework's global
// helpers that depend on them.
#include "framework/Core.h"

class CWinApp;

struct AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle;  // the executable
    HINSTANCE m_hCurrentResourceHandle;  // where resources are loaded from
    LPCTSTR m_lpszCurrentAppName;
    CWinApp* m_pCurrentWinApp;
};

AFX_MODULE_STATE* AfxGetModuleState();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module holding a resource of that name and type: the resource module
// first, then the executable.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
LPCTSTR AfxGetAppName();

// A message box owned by the main window with the application's title;
// the application may show it differently (CWinApp::DoMessageBox).
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// Loads the rich-edit control's library once.
BOOL AfxInitRichEdit();
// Containment of controls needs nothing more here: OLE is initialised by
// AfxOleInit, and dialogs host the system's controls.
void AfxEnableControlContainer();
BOOL AfxOleInit();
