#pragma once
// The framework's private window messages and the records some of them carry.
#include <windows.h>

// Frame layout: sent by CFrameWnd::RepositionBars to each child in z-order;
// lParam points at an AFX_SIZEPARENTPARAMS the child shrinks by its share.
#define WM_SIZEPARENT 0x0361
// Status text: wParam a string id (or 0 with lParam the text itself).
#define WM_SETMESSAGESTRING 0x0362
// Idle update of command user interfaces; wParam TRUE disables commands nobody handles.
#define WM_IDLEUPDATECMDUI 0x0363
// A view's first update after the frame and the document are complete.
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
// Sent by modal loops to their window whenever the queue is empty.
#define WM_KICKIDLE 0x036A
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_POPMESSAGESTRING 0x0375

// Notifications reflected to the child that sent them arrive as this base
// plus the original message number.
#define WM_REFLECT_BASE 0xBC00

// WM_CTLCOLOR stands for the whole WM_CTLCOLORxxx family in message maps.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Command codes of CCmdTarget::OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// Flags of CWnd::RunModalLoop.
#define MLF_NOIDLEMSG 0x0001
#define MLF_NOKICKIDLE 0x0002
#define MLF_SHOWONIDLE 0x0004

// Flags of CWnd::RepositionBars.
#define reposDefault 0
#define reposQuery 1
#define reposExtra 2

// The layout record of WM_SIZEPARENT.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // deferred-position batch, NULL when only measuring
    RECT rect;      // the part of the parent still free
    SIZE sizeTotal; // the size the bars take together
    BOOL bStretch;  // bars stretch to the full free width or height
};

// Frame window style bits kept in the low word of a frame's style.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L
