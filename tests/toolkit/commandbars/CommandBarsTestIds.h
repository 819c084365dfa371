#pragma once
// Resource and command ids of the command-bar tests.
#define IDR_TEST_MENU 300
#define IDR_TEST_TOOLBAR 301
#define IDR_TEST_TOOLBAR_WIDE 302
#define ID_TEST_NEW 3001
#define ID_TEST_OPEN 3002
#define ID_TEST_EXIT 3003
#define ID_TEST_COPY 3004
#define ID_TEST_BOLD 3005
#define ID_TEST_HELP 3006
// A menu bar of four menus for walking them by keys: menus of three, one
// and two commands, and one with submenus of three and one command.
#define IDR_TEST_WALK_MENU 303
#define ID_TEST_ZOOM_IN 3010
#define ID_TEST_ZOOM_OUT 3011
#define ID_TEST_ZOOM_RESET 3012
#define ID_TEST_WRAP 3013
#define ID_TEST_INDEX 3014
#define ID_TEST_ABOUT 3015
// The menus of two document types of the MDI tests.
#define IDR_TEST_DOC_A 310
#define IDR_TEST_DOC_B 311
// A dialog with one edit field, for what a command's dialog reads.
#define IDD_TEST_FIELD 320
#define IDC_TEST_FIELD 321
