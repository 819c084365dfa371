#pragma once
// Resource ids of the command bars' own texts and pictures (res/XTPCommandBarsResource.rc,
// which programs include from their own resource script).

// The question asked when a saved tool bar meets a program whose built-in
// bar has changed; %s is the bar's title. Yes keeps the new bar.
#define XTP_IDS_CONFIRM_TOOLBAR_CHANGED 9394

// The question asked before the menu bar is reset to its menu resource; %s
// is the bar's title. OK resets.
#define XTP_IDS_CONFIRM_RESET_MENU 9397
// The images of the MDI child's system commands (restore, minimise,
// maximise, close), four 16 x 16 cells on magenta.
#define XTP_IDB_MENUBAR_ICONS 9407
