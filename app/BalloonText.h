#pragma once
// The texts of a news item's notification balloon, cut so that they fit the
// balloon's fields (a title of 63 characters, a text of 255).
//
//   trayIcon.ShowBalloonTip(BalloonText(keyword.name, item.summary), BalloonTitle(item.title),
//                           NIIF_INFO, alertTime);
#include "framework/core/CString.h"

// The title whole when it has at most 63 characters, else its first 60
// followed by "...".
CString BalloonTitle(const CString& title);

// "keyword: summary" when keyword and summary together have at most 255
// characters; otherwise the summary is cut to its first (250 - keyword
// length) characters (none when the keyword alone is longer) followed by "...".
// A keyword of 250 characters or more still overflows the balloon; the icon
// cuts the text to its field then.
CString BalloonText(const CString& keyword, const CString& summary);
