#pragma once
// The string and bitmap resources of the task-panel tests.
#define IDS_TASK_OPEN 5001    // "Open\nOpens a file": caption and tooltip
#define IDS_TASK_CLOSE 5002   // "Close": a caption alone
#define IDS_TASK_MISSING 5003 // no such string
#define IDB_CLIENT_MASKED 5101 // 12 x 10, green, a magenta 4 x 4 corner at the top left
#define IDB_CLIENT_ALPHA 5102  // 12 x 10, opaque blue, a transparent 4 x 4 corner at the top left
