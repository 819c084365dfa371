// The two addresses the program talks to: the news-search host and the
// maker's web site. Each is a compiled-in default that a REG_SZ value under
// the options key (kOptionsKey) replaces: "SearchHost" (a host name or
// address, optionally ":port") and "WebSite" (an http address, optionally
// with a port). Tests and users behind another mirror set them.
#pragma once
#include "framework/Core.h"

extern const char kDefaultWebSite[];

// The stored text of the value, or the default when it is missing, empty or
// not text.
CString ReadAddress(HKEY root, LPCSTR keyPath, LPCSTR valueName, LPCSTR lpszDefault);

CString NewsSearchHost();
CString MakerWebSite();
