#pragma once
// The task panel's numbers: item types, item layouts, hot-track styles,
// behaviours, drag permissions, the panel's timers and the notification
// message it sends its owner with the codes and payloads of each.
//
// The owner receives WM_TASKPANEL_NOTIFY, sent (not posted), with the code
// in wParam and the item (or TPNGROUPEXPANDING*, or 0) in lParam:
//
//     LRESULT CMyFrame::OnTaskPanelNotify(WPARAM wParam, LPARAM lParam)
//     {
//         if (wParam == TPN_CLICK)
//             RunCommand(((CXTPTaskPanelItem*)lParam)->GetID());
//         return 0;
//     }
#include "framework/Core.h"

class CXTPTaskPanelGroup;

// What an item is (CXTPTaskPanelItem::GetType).
enum XTPTaskPanelItemType
{
    xtpTaskItemTypeGroup = 0,   // a group with a caption
    xtpTaskItemTypeLink = 1,    // a command the user clicks
    xtpTaskItemTypeText = 2,    // static text
    xtpTaskItemTypeControl = 3  // hosts a child window of the panel
};

// How a group's items are placed and drawn (0: the panel's default).
enum XTPTaskPanelItemLayout
{
    xtpTaskItemLayoutDefault = 0,
    xtpTaskItemLayoutImages = 1,              // icons only, in a grid of cells
    xtpTaskItemLayoutImagesWithText = 2,      // icon beside text, one item per row
    xtpTaskItemLayoutImagesWithTextBelow = 3  // icon above text, one item per row
};

// What the painter highlights under the mouse (0: chosen by behaviour).
enum XTPTaskPanelHotTrackStyle
{
    xtpTaskPanelHighlightDefault = 0,
    xtpTaskPanelHighlightText = 1,  // a hot link is underlined in the hot link colour
    xtpTaskPanelHighlightImage = 2, // the highlight frames the image only
    xtpTaskPanelHighlightItem = 3,  // the highlight covers the whole item
    xtpTaskPanelHighlightNone = 4
};

// How groups open: every group by itself with a scroll bar for the panel
// (explorer), or one open group at a time that scrolls its own items.
enum XTPTaskPanelBehaviour
{
    xtpTaskPanelBehaviourExplorer = 0,
    xtpTaskPanelBehaviourList = 1,
    xtpTaskPanelBehaviourToolbox = 2
};

// Drag permissions of an item, a group or the panel (AllowDrag).
enum XTPTaskPanelAllowDrag
{
    xtpTaskItemAllowDragNone = 0,
    xtpTaskItemAllowDragDefault = 1,           // ask the group, then the panel
    xtpTaskItemAllowDragCopyWithinGroup = 0x02,
    xtpTaskItemAllowDragCopyWithinControl = 0x04,
    xtpTaskItemAllowDragCopyOutsideControl = 0x08, // the text form travels too
    xtpTaskItemAllowDragMoveWithinGroup = 0x20,
    xtpTaskItemAllowDragMoveWithinControl = 0x40,
    xtpTaskItemAllowDragMoveOutsideControl = 0x80, // the text form travels too
    // Neither the item, its group nor its panel chose: copy and move anywhere.
    xtpTaskItemAllowDragAll = 0x04 | 0x08 | 0x40 | 0x80
};

// The panel's timers.
enum XTPTaskPanelTimer
{
    xtpTaskPanelTimerAnimation = 200,    // every 30 ms while a group moves
    xtpTaskPanelTimerScrollButton = 202, // only inside the scroll-button press loop
    xtpTaskPanelTimerDragHover = 203      // a drag rests over a collapsed group
};

// The theme ids of SetTheme (the painter classes they make); any other id
// gives xtpTaskPanelThemeShellStyle.
enum XTPTaskPanelPaintTheme
{
    xtpTaskPanelThemeBase = 0,         // CXTPTaskPanelPainter
    xtpTaskPanelThemeOpenFrame = 1,    // CXTPTaskPanelOpenFramePainter
    xtpTaskPanelThemeShellStyle = 2,   // CXTPTaskPanelShellStylePainter
    xtpTaskPanelThemeList = 3,         // CXTPTaskPanelListPainter
    xtpTaskPanelThemeFlatList = 4,     // CXTPTaskPanelFlatListPainter
    xtpTaskPanelThemeSchemeList = 5,   // CXTPTaskPanelSchemeListPainter
    xtpTaskPanelThemeShellList = 6,    // CXTPTaskPanelShellListPainter
    xtpTaskPanelThemeButton = 7,       // CXTPTaskPanelButtonPainter
    xtpTaskPanelThemeTreeButton = 8,   // CXTPTaskPanelTreeButtonPainter
    xtpTaskPanelThemeDarkButton = 9,   // CXTPTaskPanelDarkButtonPainter
    xtpTaskPanelThemeFlatButton = 10,  // CXTPTaskPanelFlatButtonPainter
    xtpTaskPanelThemeGradientButton = 11, // CXTPTaskPanelGradientButtonPainter
    xtpTaskPanelThemeGradientBar = 12, // CXTPTaskPanelGradientBarPainter
    xtpTaskPanelThemeCustom = 13       // a painter given by SetCustomTheme
};

// The notification to the owner window.
const UINT WM_TASKPANEL_NOTIFY = 0x8A18;

// Its codes (wParam). "lParam" names the payload; the answer is read where
// the line says so.
enum XTPTaskPanelNotification
{
    TPN_CLICK = 1,               // the item; a non-group item clicked, or Enter / Space on a link
    TPN_RCLICK = 2,              // the item; right button down on an item that takes focus
    TPN_STARTDRAG = 3,           // the item; -1 refuses the drag
    TPN_ENDLABELEDIT = 4,        // the item; 0 lets the edited text become its caption
    TPN_ITEMDROP = 5,            // the new item a drop inserted
    TPN_GROUPEXPANDING = 6,      // TPNGROUPEXPANDING*; -1 cancels
    TPN_GROUPEXPANDED = 7,       // the group whose opening or closing movement ended
    TPN_DBLCLICK = 8,            // the item; a non-group item double-clicked
    TPN_FOCUSEDITEMCHANGED = 9   // 0
};

// The payload of TPN_GROUPEXPANDING: the group and its new state.
struct TPNGROUPEXPANDING
{
    CXTPTaskPanelGroup* pGroup;
    BOOL bExpanding;
};
