#pragma once
// The framework's global helpers that need the application: message boxes
// through CWinApp::DoMessageBox, and the start-up services a program asks for.
#include "framework/core/ModuleState.h"

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
