#pragma once
// Resource ids of the command bars' own texts (res/XTPCommandBarsResource.rc,
// which programs include from their own resource script).

// The question asked when a saved tool bar meets a program whose built-in
// bar has changed; %s is the bar's title. Yes keeps the new bar.
#define XTP_IDS_CONFIRM_TOOLBAR_CHANGED 9394
