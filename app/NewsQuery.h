#pragma once
// The news search's address for one keyword, whether its request can be
// sent, and the text conversions of a keyword check.
//
//   CString url = NewsSearchUrl(NewsSearchHost(), pKeyword->name);
//   if (!CanSendNewsQuery(NewsSearchHost(), text)) ... refuse the keyword
//
// The keyword's text is converted to UTF-8 and percent-encoded, so whatever it
// holds (an '&', a '#', a line break imported from a file) stays a value of
// the query and cannot end the request line.
#include "framework/Core.h"

// The path and query that the keyword's text follows.
extern const char kNewsSearchPath[];

// The whole text from the ANSI code page to UTF-8 and back, through UTF-16.
void AnsiToUtf8(const CString& in, CString& out);
void Utf8ToAnsi(const CString& in, CString& out);

// A query value: A-Z a-z 0-9 '-' '.' '_' '~' stay, a space becomes '+',
// control characters (below 0x20, and 0x7F) are dropped, every other byte
// becomes '%' and two upper-case hex digits.
CString EncodeQueryValue(const char* text);

// "http://" host, kNewsSearchPath, then the keyword in UTF-8, encoded. The
// host may carry a port ("127.0.0.1:8080").
CString NewsSearchUrl(const CString& host, const CString& keywordName);

// Whether the HTTP client can send the request of NewsSearchUrl (host,
// keywordName): the one rule the keyword dialogs ask before they take a
// text. A keyword whose encoded text makes the request's path longer than
// the client takes cannot be searched for. With a host that no request can
// go to, every keyword is accepted: the host, not the keyword, is at fault.
BOOL CanSendNewsQuery(const CString& host, const CString& keywordName);
