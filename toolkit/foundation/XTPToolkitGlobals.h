#pragma once
// Process-wide values that the toolkit's start-up sets before the application
// starts: the registered message, the clipboard formats and the unset
// rectangle.
#include "framework/Core.h"

// "TaskbarCreated": the shell sends it to top-level windows after it
// restarted; the notification-area icon adds its icon again.
extern UINT WM_TASKBARCREATED;

// "TaskPanelGroupItem": task-panel items in drag and drop.
extern CLIPFORMAT TaskPanelClipboardFormat;
// "Vurari ToolBar Image": the image manager's icons of one command.
extern CLIPFORMAT XTPImageManagerClipboardFormat;
// "Alpha Bitmap Image": marks a bitmap on the clipboard as 32 bits with alpha.
extern CLIPFORMAT XTPAlphaBitmapClipboardFormat;

// A rectangle whose four edges are 0x80000000: a margins field that holds it
// takes the painter's own value.
extern CRect XTPUnsetRect;
