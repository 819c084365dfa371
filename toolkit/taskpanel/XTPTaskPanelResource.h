#pragma once
// The task panel's resources (res/XTPTaskPanelResource.rc, which programs
// include from their own resource script).
#define XTP_IDC_TASKPANEL_HAND 9010           // a hand, where the system has no IDC_HAND
#define XTP_IDB_TASKPANEL_EXPAND 9179         // round expand button of ordinary groups, 19 x 19
#define XTP_IDB_TASKPANEL_EXPAND_SPECIAL 9180 // the same for special groups
