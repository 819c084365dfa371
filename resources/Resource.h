// Resource ids of the program's own resource script (Tidewatch.rc): menus,
// accelerators, toolbars, bitmaps, icons, dialogs, strings and the command
// ids they carry. Commands of the framework (57600 and up) come from its
// standard ids.
#pragma once

#define IDR_MAINFRAME 128        // menu, accelerators, icon, image toolbar, title string
#define IDR_TRAY_MENU 131        // tray icon's menu "Item"; also icon 131 (tree root)
#define IDR_TOOLBAR_STANDARD 130 // the "Standard" toolbar
#define IDR_KEYWORD_MENU 152     // keyword tree's context menu and its image toolbar
#define IDR_LIST_MENU 157        // news list's context menu
#define IDB_LIST_IMAGES 146
#define IDB_EDIT_KEYWORD 168

#define IDI_TREE_ROOT 131
#define IDI_TRAY 132
#define IDI_KEYWORD 133
#define IDI_KEYWORD_NEW 134
#define IDI_NOTE 135
#define IDI_NEWS 136
#define IDI_READ 137
#define IDI_REMOVED 138
#define IDI_TRAY_FRAME 139
#define IDI_WAITING 140
#define IDI_SEARCHING 141

#define IDD_ADD_KEYWORD 156
#define IDD_ABOUT 159
#define IDD_OPTIONS 163
#define IDD_CHANGE_KEYWORD 166

#define IDS_ROOT_TEXT 131
#define IDS_APP_TITLE 57344

// Controls of the dialogs.
#define IDC_ADD_KEYWORD 1002
#define IDC_AUTO_CHECK_EVERY 1003
#define IDC_AUTO_CHECK_ON_START 1004
#define IDC_LINK_HOME 1004
#define IDC_INTERVAL 1005
#define IDC_LINK_FORUM 1005
#define IDC_INTERVAL_SPIN 1006
#define IDC_LINK_SUPPORT 1006
#define IDC_PLAY_SOUND 1007
#define IDC_SHOW_SUMMARY 1008
#define IDC_SHOW_SUMMARY_ON_START 1009
#define IDC_ALERT_LABEL 1010
#define IDC_ALERT_TIME 1011
#define IDC_ALERT_TIME_SPIN 1012
#define IDC_ALERT_SECONDS 1013
#define IDC_CHECK_UPGRADE 1015
#define IDC_CHANGE_KEYWORD 1018

// Commands.
#define ID_LANGUAGE_OPTIONS 300 // a toolbar split button without a command of its own
#define ID_UNUSED_FIRST 32772   // 32772-32799: resource commands that do nothing
#define ID_PREVIEW_PANE 32774
#define ID_UNUSED_LAST 32799
#define ID_TOOLBAR_COMBO 32802
#define ID_THEME_OFFICEXP 32803
#define ID_THEME_OFFICE2000 32804
#define ID_THEME_OFFICE2003 32805
#define ID_THEME_WINXP 32807
#define ID_CHECK_NEWS 32813
#define ID_REMOVE_KEYWORD 32812
#define ID_ADD_KEYWORD 32814
#define ID_MARK_READ 32815
#define ID_GOTO_URL 32816
#define ID_REMOVE_ALL 32817
#define ID_OPTIONS 32822
#define ID_EXPORT 32824
#define ID_IMPORT 32825
#define ID_CHECK_ALL 32828
#define ID_CEASE_BALLOONS 32833
#define ID_CEASE_ANIMATION 32834
#define ID_WEB_SUPPORT 32843
#define ID_WEB_FAQ 32844
#define ID_WEB_FORUM 32845
#define ID_WEB_HOME 32846
#define ID_HELP_SEARCH 32851
#define ID_CHECK_UPGRADE 32855
#define ID_EDIT_KEYWORD 32857
