// Opening the maker's web pages in the user's browser. Every page the frame
// opens (support, FAQ, forum, home and product pages) goes through
// OpenWebAddress, which asks the shell to "Open" the address. A test puts its
// own opener in place to see the address without starting a browser:
//
//   WebAddressOpener previous = SetWebAddressOpener(RecordAddress);
//   ...
//   SetWebAddressOpener(previous);
#pragma once
#include "framework/Core.h"

typedef void (*WebAddressOpener)(LPCSTR lpszAddress);

// The maker's web site ("WebSite" under the options key, else the
// compiled-in address) followed by the path; an empty path gives the home page.
CString MakerWebPage(LPCSTR lpszPath);

// Hands the address to the current opener (the shell's "Open" by default).
void OpenWebAddress(LPCSTR lpszAddress);

// Replaces the opener; NULL puts the shell's back. Answers the previous one.
WebAddressOpener SetWebAddressOpener(WebAddressOpener opener);
