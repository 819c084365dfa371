#pragma once
// The module's instance and resource handles: where the executable is and
// where resources are loaded from (strings, bitmaps, menus, dialogs).
#include "framework/core/AfxBase.h"

class CWinApp;

struct AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle; // the executable
    HINSTANCE m_hCurrentResourceHandle; // where resources are loaded from
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
