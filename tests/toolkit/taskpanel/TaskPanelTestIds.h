#pragma once
// The string resources of the task-panel tests.
#define IDS_TASK_OPEN 5001    // "Open\nOpens a file": caption and tooltip
#define IDS_TASK_CLOSE 5002   // "Close": a caption alone
#define IDS_TASK_MISSING 5003 // no such string
