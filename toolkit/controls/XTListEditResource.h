#pragma once
// Resource and command ids of the header, list and edit extensions. The
// resources themselves live in toolkit/controls/res/XTListEditResource.rc,
// which a program (or a test executable) includes from its own .rc file.

// Menu of the controls' context menus: popup 1 the edit menu, popup 2 the
// header menu ("RClickHeader").
#define XT_IDM_POPUP 9014
#define XT_IDM_POPUP_EDIT 1
#define XT_IDM_POPUP_HEADER 2

// Toolbar images of the header menu and of the edit menu.
#define XT_IDR_TBAR_HDRMENU 9015
#define XT_IDR_TBAR_EDITMENU 9017

// Default profile section and entry of saved column widths.
#define XT_IDS_REG_SETTINGS 9021
#define XT_IDS_REG_COLINFO 9023

// Header menu commands.
#define XT_IDC_SORTASC 9158
#define XT_IDC_SORTDSC 9159
#define XT_IDC_ALIGNLEFT 9160
#define XT_IDC_ALIGNCENTER 9161
#define XT_IDC_ALIGNRIGHT 9162

// Edit menu commands (the framework's standard edit ids).
#define XT_ID_EDIT_CLEAR 57632
#define XT_ID_EDIT_COPY 57634
#define XT_ID_EDIT_CUT 57635
#define XT_ID_EDIT_PASTE 57637
#define XT_ID_EDIT_SELECT_ALL 57642
#define XT_ID_EDIT_UNDO 57643
