#pragma once
// Resource and command ids of the control tests (controls_test.rc).
#define IDS_PANE_CAPS 0x7101
#define IDS_PANE_PROGRESS 0x7102

#define ID_TOOL_PENCIL 0x7301
#define ID_TOOL_FILL 0x7302
#define ID_TOOL_PICK 0x7303
#define ID_TOOL_LINE 0x7304

#define IDD_NAME_PAGE 0x7201
#define IDD_OPTIONS_PAGE 0x7202
#define IDD_NOTE_PAGE 0x7203
#define IDC_NAME_EDIT 0x7211
#define IDC_COUNT_EDIT 0x7212
#define IDC_ALARM_CHECK 0x7213

#define IDR_MDI_FRAME 0x7401
#define IDR_MDI_CHILD 0x7402
#define ID_CHILD_COMMAND 0x7411

#define IDR_TEST_TOOLS 0x7501
#define IDR_BROKEN_TOOLS 0x7502
