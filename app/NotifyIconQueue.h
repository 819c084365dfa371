#pragma once
// NotifyIconQueue: the program's calls of the shell's notification-area icon
// (Shell_NotifyIcon), made one after another, in the order they were handed
// over, on a thread of their own, so that no window's thread waits for the
// shell. Where there is no notification area (wine without a virtual
// desktop) a delete costs the shell about two seconds, and a slow shell any
// time: a window waiting in the call would leave the user and whatever was
// posted to it meanwhile (a check's pages) waiting.
//
//   NotifyIconQueue::Post(NIM_MODIFY, record); // a copy is made (of its icon too)
//   ...                                         // the record's window then gets
//   WM_NOTIFY_ICON_ANSWER                       // wParam MAKEWPARAM(NIM_MODIFY, record.uFlags),
//                                               // lParam the shell's BOOL answer
//   NotifyIconQueue::WaitBeforeExit();          // at the program's end
//
// A waiting modify that a later modify of the same icon makes needless (one
// that sets every part it sets, with no add or delete of the icon between
// them) is dropped unmade and unanswered: an animated icon hands over two
// modifies every half second, and a slow shell would otherwise fall behind
// without end, and the program's last delete with it. Adds, deletes and
// balloons are always made; what is made keeps its order.
//
// The thread holds few pages: the megabyte of its stack that wine touches
// when a thread starts is given back at its start. The calls go through
// XTShellNotifyIcon, so the toolkit's test seam sees them. When no thread
// can be made, a call is made at once on the caller's thread and answered
// all the same.
#include "framework/Window.h"

#include <shellapi.h>

#define WM_NOTIFY_ICON_ANSWER (WM_APP + 0x121)

class NotifyIconQueue
{
public:
    static void Post(DWORD dwMessage, const NOTIFYICONDATAA& record);
    // Waits until every call handed over has been answered; FALSE when
    // that took longer than nWaitMs.
    static BOOL WaitUntilIdle(DWORD nWaitMs);
    // For the program's end: waits until every call handed over has been
    // made, and the last one answered or under way for nGraceMs (the shell
    // has it then: one that takes seconds to answer is not waited for); at
    // most nWaitMs in all. FALSE when a call had not been made by then.
    static BOOL WaitBeforeExit(DWORD nWaitMs = 5000, DWORD nGraceMs = 250);
};
