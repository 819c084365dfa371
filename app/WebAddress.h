// Opening web addresses in the user's browser. The maker's pages (support,
// FAQ, forum, home and product pages) go to the shell's "Open"
// (OpenWebAddress); a news item's link goes to a new window of the shell's
// web browser (OpenUrlInNewBrowser: the news list's double click and Goto
// Url, the frame's balloon click). Both pass through one opener; a test puts
// its own in place to see the addresses without starting a browser:
//
//   WebAddressOpener previous = SetWebAddressOpener(RecordAddress);
//   ...
//   SetWebAddressOpener(previous);
#pragma once
#include "framework/Core.h"

// Where the opener shows the address.
enum BrowserWindow
{
    ShellChoosesWindow, // the shell's "Open": the user's browser, in a window of its choice
    NewBrowserWindow    // a new window of the shell's web browser object
};

typedef void (*WebAddressOpener)(LPCSTR lpszAddress, BrowserWindow window);

// The maker's web site ("WebSite" under the options key, else the
// compiled-in address) followed by the path; an empty path gives the home page.
CString MakerWebPage(LPCSTR lpszPath);

// Hands the address to the current opener for the shell's "Open".
void OpenWebAddress(LPCSTR lpszAddress);

// Opens a news item's link in a new browser window as the page meant it: the
// link is stored as the page wrote it, "&amp;" and all, and its character
// references are decoded here (DecodeCharacterReferences). Only a web link
// (IsWebLink) is opened; anything else shows "Invalid Url" and opens nothing.
// FALSE when nothing was opened.
BOOL OpenUrlInNewBrowser(LPCTSTR lpszLink);
// TRUE for a link that starts with "http://" or "https://" (any case) and
// names a host.
BOOL IsWebLink(LPCTSTR lpszLink);

// Replaces the opener; NULL puts the system's back. Answers the previous one.
WebAddressOpener SetWebAddressOpener(WebAddressOpener opener);
