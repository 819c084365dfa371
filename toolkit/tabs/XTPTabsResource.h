#pragma once
// The resources of the MDI tab client (res/XTPTabsResource.rc, which programs
// include from their own resource script). The tab-group commands themselves
// are the command bars' ids XTP_ID_WORKSPACE_MOVEPREVIOUS .. _NEWVERTICAL
// (9420 to 9423); their texts stand here.
#define XTP_ID_WORKSPACE_CANCEL 9424    // "C&ancel", offered in the drop menu only
#define XTP_IDB_WORKSPACE_ICONS 9422    // the images of 9422 and 9423: 16 x 16 on green
#define XTP_IDC_WORKSPACE_DRAGIN 9425   // a tab dragged over the client
#define XTP_IDC_WORKSPACE_DRAGOUT 9426  // a tab dragged outside the client
#define XTP_IDC_SPLITTER_COLUMN 9970    // the splitter between groups side by side
#define XTP_IDC_SPLITTER_ROW 9971       // the splitter between stacked groups
