// The help file "Tidewatch.chm" in the program folder, shown through HTML
// Help (hhctrl.ocx, loaded on first use).
#pragma once
#include <windows.h>

const UINT kHelpDisplayToc = 1;

// Opens "<program folder>\Tidewatch.chm::<topic>" with the HTML Help command;
// FALSE when HTML Help is missing or refuses.
BOOL ShowHelpTopic(HWND hWndCaller, LPCSTR topic, UINT command);
