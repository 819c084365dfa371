// The help file "Tidewatch.chm" in the program folder, shown through HTML
// Help (hhctrl.ocx, loaded on first use, so the program starts without it).
// The HH_ commands and records come from <htmlhelp.h>.
#pragma once
#include "framework/Core.h"

#include <htmlhelp.h>

// "<program folder>\Tidewatch.chm", followed by "::" and the topic when one
// is given (e.g. "/welcome/welcome.html").
CString HelpFilePath(LPCSTR lpszTopic);

// Runs the HTML Help command on the help file, or on one of its topics when
// lpszTopic is not NULL, for the caller's window; data is the command's
// record. Returns the help window, NULL when HTML Help is missing or refuses.
HWND ShowHelpTopic(HWND hWndCaller, LPCSTR lpszTopic, UINT command, DWORD_PTR data = 0);
