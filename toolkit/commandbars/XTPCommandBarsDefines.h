#pragma once
// The values the command bars share with each other and with the program:
// control types, bar positions and types, button styles, hide and layout
// flags, the messages the bars and controls send to their site frame and
// the records those messages carry.
#include "framework/Window.h"
#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/layout/XTPLayoutFlags.h"

class CXTPControl;
class CXTPCommandBar;

// The kind of a control; the key of CXTPControls::Add.
enum XTPControlType
{
    xtpControlError = 0,
    xtpControlButton = 1,
    xtpControlPopup = 2,            // a submenu or drop-down: the whole control opens the popup
    xtpControlButtonPopup = 3,      // a button that opens its popup
    xtpControlSplitButtonPopup = 4, // a button with an arrow part that opens the popup
    xtpControlComboBox = 5,
    xtpControlEdit = 6,
    xtpControlCustom = 7,
    xtpControlLabel = 8
};

// Types 2 to 4 open a popup bar.
inline BOOL IsPopupControlType(int nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup;
}

// Where a bar stands.
enum XTPBarPosition
{
    xtpBarTop = 0,
    xtpBarBottom = 1,
    xtpBarLeft = 2,
    xtpBarRight = 3,
    xtpBarFloating = 4,
    xtpBarPopup = 5,
    xtpBarListBox = 6,
    xtpBarNone = 7
};

// What a bar is.
enum XTPBarType
{
    xtpBarTypeMenuBar = 0,
    xtpBarTypeNormal = 1,
    xtpBarTypePopup = 2
};

// How a control shows itself; the paint manager interprets the values.
enum XTPButtonStyle
{
    xtpButtonAutomatic = 0,
    xtpButtonCaption = 1,
    xtpButtonIcon = 2,
    xtpButtonIconAndCaption = 3
};

// Why a control is hidden; it is visible only while all are clear.
enum XTPControlHideFlags
{
    xtpHideNone = 0,
    xtpHideGeneric = 1,         // by the program
    xtpHideWrap = 2,            // did not fit on its bar
    xtpHideDockingPosition = 4, // its own size calculation hid it in this docking mode
    xtpHideScroll = 8,          // scrolled out of a popup cut to the work area
    xtpHideCustomize = 16,      // hidden by the user
    xtpHideExpandedOnce = 32,   // shown only in the expanded popup
    xtpHideDocTemplate = 64     // not for the active document template
};

// Messages to the site frame.
#define WM_XTP_CONTROL_EXECUTE (WM_USER + 301)     // 0x52D: a control executes (ControlExecuteNotify)
#define WM_XTP_CREATE_CONTROL (WM_USER + 303)      // 0x52F: make a control for an id (CreateControlRequest)
#define WM_XTP_CREATECOMMANDBAR (WM_USER + 304)    // 0x530: make a bar (CreateCommandBarRequest)
#define WM_XTP_CONTROLSELECTED (WM_USER + 305)     // 0x531
#define WM_XTP_DRAGCONTROLCHANGED (WM_USER + 306)  // 0x532
#define WM_XTP_INITPOPUP (WM_USER + 307)           // 0x533
#define WM_XTP_INITMENUBARTRACKING (WM_USER + 308) // 0x534
#define WM_XTP_UNINITPOPUP (WM_USER + 309)         // 0x535

// The notification code of an executing control.
const UINT XTP_CN_EXECUTE = 100;

// lParam of WM_XTP_CONTROL_EXECUTE: a notification header {no window, the
// command id, code 100} and the control. The site answers non-zero when it
// handled the command; 0 lets WM_COMMAND follow.
struct ControlExecuteNotify
{
    NMHDR hdr;
    CXTPControl* pControl;
};

// lParam of WM_XTP_CREATE_CONTROL: the site may make the control for an id
// itself (pControl), or change its type, caption, id or style. A non-zero
// answer means it filled the record.
struct CreateControlRequest
{
    int nID;                     // in/out
    CXTPControl* pControl;       // out, NULL on entry
    BOOL bReserved;              // 0
    int nIndex;                  // position of the menu item or button
    CMenu* pMenu;                // the menu the item comes from, or NULL
    CXTPCommandBar* pCommandBar; // the bar the control is for
    CString strCaption;          // in/out
    XTPControlType controlType;  // in/out
    XTPButtonStyle buttonStyle;  // in/out
};

// lParam of WM_XTP_CREATECOMMANDBAR: the site may make the bar for a popup
// control, a custom tool bar or an expand popup. A non-zero answer means it
// made one (pCommandBar).
struct CreateCommandBarRequest
{
    CXTPCommandBar* pCommandBar; // out
    BOOL bPopupBar;
    BOOL bExpandBar;
    BOOL bCustomBar;
    BOOL bTearOffBar;
    LPCTSTR lpcstrCaption; // in/out
    UINT nID;
};

// Bar flags: where a bar may dock, whether it may float, how it is laid out.
enum XTPBarFlags
{
    xtpFlagAlignTop = 0x01,
    xtpFlagAlignBottom = 0x02,
    xtpFlagAlignLeft = 0x04,
    xtpFlagAlignRight = 0x08,
    xtpFlagAlignAny = 0x0F,
    xtpFlagFloating = 0x10,
    xtpFlagHideWrap = 0x20, // may be shortened, showing the expand button
    xtpFlagStretched = 0x40 // takes its own row and stretches over it
};

// The bar style bit that asks for a gripper.
#define XTP_BARSTYLE_GRIPPER 0x00400000L

// The control flag that keeps a control in place in customize mode.
#define XTP_CONTROLFLAG_NOMOVABLE 16

// Command ids the bars reserve: XTPCommandBarsResource.h.

// The menu bar's MDI controls, shown while the active MDI child is
// maximised: the child's close, restore and minimise buttons at the bar's
// far end and its system menu (the child's icon) first.
#define XTP_ID_MENUBAR_CLOSE 9403
#define XTP_ID_MENUBAR_RESTORE 9404
#define XTP_ID_MENUBAR_MINIMIZE 9405
#define XTP_ID_MENUBAR_SYSMENU 9406

// Timers of a command bar: the hover delay and the delayed full menus.
#define XTP_TID_HOVER 112223
#define XTP_TID_EXPANDED_POPUP 112224
// The menu bar's deferred refresh of its MDI controls, posted as a WM_TIMER
// when the MDI windows change so that it runs after the change is complete.
#define XTP_TID_MDI_REFRESH 12223

// Custom tool bars take their ids from this range.
#define XTP_ID_CUSTOMBAR_FIRST 0xE800
#define XTP_ID_CUSTOMBAR_LAST 0xE8FE
