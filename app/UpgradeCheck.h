// The upgrade check: a worker thread asks the maker's web site
// ("/check.php?product=Tidewatch") for the newest build number and posts the
// answer to the main frame as WM_UPGRADE_RESULT (wParam 1 when the site
// answered, lParam 1 when its build is newer than this one). The frame starts
// the thread (CMainFrame::StartUpgradeCheck) and shows the answer.
#pragma once
#include "framework/Core.h"

// Posted to the main frame by the upgrade-check thread.
#define WM_UPGRADE_RESULT 0x505

// This program's build number; a larger one on the web site is an upgrade.
const long kCurrentBuild = 30000;

extern const char kUpgradeCheckPath[];
extern const char kProductPagePath[];

struct UpgradeReply
{
    BOOL answered; // the site gave a build number
    BOOL newer;    // and it is larger than kCurrentBuild
};

// The answer of one request: it counts only when the request succeeded and
// the body, less surrounding white space, is 1 to 8 decimal digits.
UpgradeReply ReadUpgradeReply(BOOL bRequestSucceeded, LPCSTR lpszBody);

// The thread: lpParam is the frame's window handle. It asks the site, then
// posts WM_UPGRADE_RESULT to the window when it still exists. Returns 0.
DWORD WINAPI UpgradeCheckThread(LPVOID lpParam);
