#pragma once
// Message maps: the tables that connect window messages, commands and
// notifications to member functions, chained from a class to its base.
//
//   class CMyWnd : public CWnd {
//       ...
//       afx_msg void OnSize(UINT nType, int cx, int cy);
//       DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//       ON_WM_SIZE()
//       ON_COMMAND(ID_APP_EXIT, OnAppExit)
//   END_MESSAGE_MAP()
//
// Class templates use BEGIN_TEMPLATE_MESSAGE_MAP(TemplateName, T, BaseClass).
#include <windows.h>
#include <commctrl.h>
#include "framework/window/FrameworkMessages.h"

class CCmdTarget;
class CWnd;
class CDC;
class CMenu;
class CPoint;
class CCmdUI;
class CScrollBar;

#ifndef afx_msg
#define afx_msg
#endif

// Every handler is stored as this type and cast back by its invoker.
typedef void (CCmdTarget::*AFX_PMSG)();

// The arguments of one dispatch: window messages fill the first three,
// commands and notifications the last three.
struct AFX_MSGCALL
{
    WPARAM wParam;
    LPARAM lParam;
    LRESULT* pResult;
    UINT nID;
    int nCode;
    void* pExtra;
};

// Unpacks the arguments for one handler shape, calls the handler and tells
// whether the call counts as handled.
typedef BOOL (*AFX_PINVOKE)(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;         // WM_xxx, WM_COMMAND, WM_NOTIFY or a reflected one
    UINT nCode;            // control or notification code (low 16 bits)
    UINT nID;              // first control or command id
    UINT nLastID;          // last id of a range
    AFX_PINVOKE pfnInvoke; // NULL ends the table
    AFX_PMSG pfn;
    const UINT* pnRegisteredMessage; // ON_REGISTERED_MESSAGE: the variable holding the number
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The record behind pExtra of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg instead of calling, to ask whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// ---------------------------------------------------------------------------
// Handler shapes. Each has the member-function type the map entry checks the
// handler against and the invoker that unpacks the message for it.
#define AFX_DECLARE_SIGNATURE(name, ...)                                                                     \
    struct name                                                                                              \
    {                                                                                                        \
        typedef __VA_ARGS__;                                                                                 \
        static BOOL Invoke(CCmdTarget* pTarget, AFX_PMSG pfn, AFX_MSGCALL& call);                            \
    };

// Commands and notifications.
AFX_DECLARE_SIGNATURE(AfxSigCmd, void (CCmdTarget::*Handler)())
AFX_DECLARE_SIGNATURE(AfxSigCmdEx, BOOL (CCmdTarget::*Handler)(UINT))
AFX_DECLARE_SIGNATURE(AfxSigCmdRange, void (CCmdTarget::*Handler)(UINT))
AFX_DECLARE_SIGNATURE(AfxSigCmdUI, void (CCmdTarget::*Handler)(CCmdUI*))
AFX_DECLARE_SIGNATURE(AfxSigControlReflectEx, BOOL (CCmdTarget::*Handler)())
AFX_DECLARE_SIGNATURE(AfxSigNotify, void (CCmdTarget::*Handler)(NMHDR*, LRESULT*))
AFX_DECLARE_SIGNATURE(AfxSigNotifyEx, BOOL (CCmdTarget::*Handler)(NMHDR*, LRESULT*))
AFX_DECLARE_SIGNATURE(AfxSigNotifyRange, void (CCmdTarget::*Handler)(UINT, NMHDR*, LRESULT*))
AFX_DECLARE_SIGNATURE(AfxSigNotifyRangeEx, BOOL (CCmdTarget::*Handler)(UINT, NMHDR*, LRESULT*))

// Window messages.
AFX_DECLARE_SIGNATURE(AfxSigMessage, LRESULT (CWnd::*Handler)(WPARAM, LPARAM))
AFX_DECLARE_SIGNATURE(AfxSigVoid, void (CWnd::*Handler)())
AFX_DECLARE_SIGNATURE(AfxSigCreate, int (CWnd::*Handler)(LPCREATESTRUCT))
AFX_DECLARE_SIGNATURE(AfxSigNcCreate, BOOL (CWnd::*Handler)(LPCREATESTRUCT))
AFX_DECLARE_SIGNATURE(AfxSigSize, void (CWnd::*Handler)(UINT, int, int))
AFX_DECLARE_SIGNATURE(AfxSigMove, void (CWnd::*Handler)(int, int))
AFX_DECLARE_SIGNATURE(AfxSigSizing, void (CWnd::*Handler)(UINT, LPRECT))
AFX_DECLARE_SIGNATURE(AfxSigEraseBkgnd, BOOL (CWnd::*Handler)(CDC*))
AFX_DECLARE_SIGNATURE(AfxSigNcCalcSize, void (CWnd::*Handler)(BOOL, NCCALCSIZE_PARAMS*))
AFX_DECLARE_SIGNATURE(AfxSigNcHitTest, LRESULT (CWnd::*Handler)(CPoint))
AFX_DECLARE_SIGNATURE(AfxSigNcActivate, BOOL (CWnd::*Handler)(BOOL))
AFX_DECLARE_SIGNATURE(AfxSigSetCursor, BOOL (CWnd::*Handler)(CWnd*, UINT, UINT))
AFX_DECLARE_SIGNATURE(AfxSigMouseActivate, int (CWnd::*Handler)(CWnd*, UINT, UINT))
AFX_DECLARE_SIGNATURE(AfxSigTimer, void (CWnd::*Handler)(UINT_PTR))
AFX_DECLARE_SIGNATURE(AfxSigMouse, void (CWnd::*Handler)(UINT, CPoint))
AFX_DECLARE_SIGNATURE(AfxSigMouseWheel, BOOL (CWnd::*Handler)(UINT, short, CPoint))
AFX_DECLARE_SIGNATURE(AfxSigNcMouse, void (CWnd::*Handler)(UINT, CPoint))
AFX_DECLARE_SIGNATURE(AfxSigKey, void (CWnd::*Handler)(UINT, UINT, UINT))
AFX_DECLARE_SIGNATURE(AfxSigFocus, void (CWnd::*Handler)(CWnd*))
AFX_DECLARE_SIGNATURE(AfxSigActivate, void (CWnd::*Handler)(UINT, CWnd*, BOOL))
AFX_DECLARE_SIGNATURE(AfxSigActivateApp, void (CWnd::*Handler)(BOOL, DWORD))
AFX_DECLARE_SIGNATURE(AfxSigBool, void (CWnd::*Handler)(BOOL))
AFX_DECLARE_SIGNATURE(AfxSigShowWindow, void (CWnd::*Handler)(BOOL, UINT))
AFX_DECLARE_SIGNATURE(AfxSigWindowPos, void (CWnd::*Handler)(WINDOWPOS*))
AFX_DECLARE_SIGNATURE(AfxSigMinMaxInfo, void (CWnd::*Handler)(MINMAXINFO*))
AFX_DECLARE_SIGNATURE(AfxSigScroll, void (CWnd::*Handler)(UINT, UINT, CScrollBar*))
AFX_DECLARE_SIGNATURE(AfxSigContextMenu, void (CWnd::*Handler)(CWnd*, CPoint))
AFX_DECLARE_SIGNATURE(AfxSigCtlColor, HBRUSH (CWnd::*Handler)(CDC*, CWnd*, UINT))
AFX_DECLARE_SIGNATURE(AfxSigCtlColorReflect, HBRUSH (CWnd::*Handler)(CDC*, UINT))
AFX_DECLARE_SIGNATURE(AfxSigDrawItem, void (CWnd::*Handler)(int, LPDRAWITEMSTRUCT))
AFX_DECLARE_SIGNATURE(AfxSigMeasureItem, void (CWnd::*Handler)(int, LPMEASUREITEMSTRUCT))
AFX_DECLARE_SIGNATURE(AfxSigDrawItemReflect, void (CWnd::*Handler)(LPDRAWITEMSTRUCT))
AFX_DECLARE_SIGNATURE(AfxSigMeasureItemReflect, void (CWnd::*Handler)(LPMEASUREITEMSTRUCT))
AFX_DECLARE_SIGNATURE(AfxSigInitMenuPopup, void (CWnd::*Handler)(CMenu*, UINT, BOOL))
AFX_DECLARE_SIGNATURE(AfxSigInitMenu, void (CWnd::*Handler)(CMenu*))
AFX_DECLARE_SIGNATURE(AfxSigMenuSelect, void (CWnd::*Handler)(UINT, UINT, HMENU))
AFX_DECLARE_SIGNATURE(AfxSigMenuChar, LRESULT (CWnd::*Handler)(UINT, UINT, CMenu*))
AFX_DECLARE_SIGNATURE(AfxSigSysCommand, void (CWnd::*Handler)(UINT, LPARAM))
AFX_DECLARE_SIGNATURE(AfxSigGetDlgCode, UINT (CWnd::*Handler)())
AFX_DECLARE_SIGNATURE(AfxSigSettingChange, void (CWnd::*Handler)(UINT, LPCTSTR))
AFX_DECLARE_SIGNATURE(AfxSigStyleChanged, void (CWnd::*Handler)(int, LPSTYLESTRUCT))
AFX_DECLARE_SIGNATURE(AfxSigDropFiles, void (CWnd::*Handler)(HDROP))
AFX_DECLARE_SIGNATURE(AfxSigHelpInfo, BOOL (CWnd::*Handler)(HELPINFO*))
AFX_DECLARE_SIGNATURE(AfxSigQueryBool, BOOL (CWnd::*Handler)())
AFX_DECLARE_SIGNATURE(AfxSigEnterIdle, void (CWnd::*Handler)(UINT, CWnd*))
AFX_DECLARE_SIGNATURE(AfxSigCopyData, BOOL (CWnd::*Handler)(CWnd*, COPYDATASTRUCT*))
AFX_DECLARE_SIGNATURE(AfxSigParentNotify, void (CWnd::*Handler)(UINT, LPARAM))

// ---------------------------------------------------------------------------
// Declaring and defining a map.
#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();                                                            \
    const AFX_MSGMAP* GetMessageMap() const override;

#define AFX_MESSAGE_MAP_BODY(baseClass)                                                                      \
    typedef baseClass TheBaseClass;                                                                          \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                          \
    {                                                                                                        \
        typedef theClass ThisClass __attribute__((unused));                                                  \
        AFX_MESSAGE_MAP_BODY(baseClass)

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                           \
    template <typename type_name>                                                                            \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const                                             \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    template <typename type_name>                                                                            \
    const AFX_MSGMAP* theClass<type_name>::GetThisMessageMap()                                               \
    {                                                                                                        \
        typedef theClass<type_name> ThisClass __attribute__((unused));                                       \
        AFX_MESSAGE_MAP_BODY(baseClass)

#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, 0, 0, 0                                                                                  \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// ---------------------------------------------------------------------------
// Entry builders.
#define AFX_HANDLER(sig, memberFxn)                                                                          \
    reinterpret_cast<AFX_PMSG>(static_cast<sig::Handler>(&ThisClass::memberFxn))

#define AFX_ENTRY(message, code, id, lastId, sig, memberFxn)                                                 \
    {(UINT)(message), (UINT)(WORD)(code),          (UINT)(id), (UINT)(lastId),                               \
     &sig::Invoke,    AFX_HANDLER(sig, memberFxn), 0},

#define AFX_WM_ENTRY(message, sig, memberFxn) AFX_ENTRY(message, 0, 0, 0, sig, memberFxn)

// Commands and their user-interface updates.
#define ON_COMMAND(id, memberFxn) AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSigCmd, memberFxn)
#define ON_COMMAND_EX(id, memberFxn) AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxSigCmdEx, memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSigCmdRange, memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                           \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, AfxSigCmdEx, memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                  \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AfxSigCmdUI, memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                    \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, AfxSigCmdUI, memberFxn)

// Control notifications through WM_COMMAND.
#define ON_CONTROL(code, id, memberFxn) AFX_ENTRY(WM_COMMAND, code, id, id, AfxSigCmd, memberFxn)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                                        \
    AFX_ENTRY(WM_COMMAND, code, id, idLast, AfxSigCmdRange, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
// The check-list box's notification that an item's check changed.
#define CLBN_CHKCHANGE 40
#define ON_CLBN_CHKCHANGE(id, memberFxn) ON_CONTROL(CLBN_CHKCHANGE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// Notifications through WM_NOTIFY.
#define ON_NOTIFY(code, id, memberFxn) AFX_ENTRY(WM_NOTIFY, code, id, id, AfxSigNotify, memberFxn)
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                                         \
    AFX_ENTRY(WM_NOTIFY, code, id, idLast, AfxSigNotifyRange, memberFxn)
#define ON_NOTIFY_EX(code, id, memberFxn) AFX_ENTRY(WM_NOTIFY, code, id, id, AfxSigNotifyRangeEx, memberFxn)
#define ON_NOTIFY_EX_RANGE(code, id, idLast, memberFxn)                                                      \
    AFX_ENTRY(WM_NOTIFY, code, id, idLast, AfxSigNotifyRangeEx, memberFxn)

// Reflected to the control that sent them. The _EX forms return BOOL:
// FALSE lets the parent handle the notification as well.
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                   \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, AfxSigNotify, memberFxn)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                                \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, AfxSigNotifyEx, memberFxn)
#define ON_CONTROL_REFLECT(code, memberFxn)                                                                  \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxSigCmd, memberFxn)
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                               \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxSigControlReflectEx, memberFxn)
#define ON_WM_CTLCOLOR_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, AfxSigCtlColorReflect, CtlColor)
#define ON_WM_DRAWITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, AfxSigDrawItemReflect, DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, AfxSigMeasureItemReflect, MeasureItem)

// A control's own update handler, asked by UpdateDialogControls before the
// parent's target.
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn)                                                              \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, CN_UPDATE_COMMAND_UI, 0, 0, AfxSigCmdUI, memberFxn)

// Any message by number, registered messages by the variable holding theirs.
#define ON_MESSAGE(message, memberFxn) AFX_WM_ENTRY(message, AfxSigMessage, memberFxn)
#define ON_MESSAGE_VOID(message, memberFxn) AFX_WM_ENTRY(message, AfxSigVoid, memberFxn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {0xC000, 0, 0, 0, &AfxSigMessage::Invoke, AFX_HANDLER(AfxSigMessage, memberFxn), &nMessageVariable},

// Standard window messages; the handler names are fixed.
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSigCreate, OnCreate)
#define ON_WM_NCCREATE() AFX_WM_ENTRY(WM_NCCREATE, AfxSigNcCreate, OnNcCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSigVoid, OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AfxSigVoid, OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSigVoid, OnClose)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSigSize, OnSize)
#define ON_WM_SIZING() AFX_WM_ENTRY(WM_SIZING, AfxSigSizing, OnSizing)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, AfxSigMove, OnMove)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSigVoid, OnPaint)
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, AfxSigVoid, OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSigEraseBkgnd, OnEraseBkgnd)
#define ON_WM_NCCALCSIZE() AFX_WM_ENTRY(WM_NCCALCSIZE, AfxSigNcCalcSize, OnNcCalcSize)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, AfxSigNcHitTest, OnNcHitTest)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, AfxSigNcActivate, OnNcActivate)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, AfxSigSetCursor, OnSetCursor)
#define ON_WM_MOUSEACTIVATE() AFX_WM_ENTRY(WM_MOUSEACTIVATE, AfxSigMouseActivate, OnMouseActivate)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSigTimer, OnTimer)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSigMouse, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSigMouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AfxSigMouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSigMouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSigMouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, AfxSigMouse, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSigMouse, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_ENTRY(WM_MBUTTONDOWN, AfxSigMouse, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_ENTRY(WM_MBUTTONUP, AfxSigMouse, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_WM_ENTRY(WM_MBUTTONDBLCLK, AfxSigMouse, OnMButtonDblClk)
#define ON_WM_MOUSEHOVER() AFX_WM_ENTRY(WM_MOUSEHOVER, AfxSigMouse, OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_WM_ENTRY(WM_MOUSELEAVE, AfxSigVoid, OnMouseLeave)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSigMouseWheel, OnMouseWheel)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, AfxSigNcMouse, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_ENTRY(WM_NCLBUTTONDOWN, AfxSigNcMouse, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_ENTRY(WM_NCLBUTTONUP, AfxSigNcMouse, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, AfxSigNcMouse, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_ENTRY(WM_NCRBUTTONDOWN, AfxSigNcMouse, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_WM_ENTRY(WM_NCRBUTTONUP, AfxSigNcMouse, OnNcRButtonUp)
#define ON_WM_NCMBUTTONDOWN() AFX_WM_ENTRY(WM_NCMBUTTONDOWN, AfxSigNcMouse, OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP() AFX_WM_ENTRY(WM_NCMBUTTONUP, AfxSigNcMouse, OnNcMButtonUp)
#define ON_WM_NCRBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCRBUTTONDBLCLK, AfxSigNcMouse, OnNcRButtonDblClk)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSigKey, OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AfxSigKey, OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AfxSigKey, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, AfxSigKey, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, AfxSigKey, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_ENTRY(WM_SYSCHAR, AfxSigKey, OnSysChar)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSigFocus, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSigFocus, OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSigFocus, OnCaptureChanged)
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, AfxSigActivate, OnActivate)
#define ON_WM_ACTIVATEAPP() AFX_WM_ENTRY(WM_ACTIVATEAPP, AfxSigActivateApp, OnActivateApp)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, AfxSigBool, OnEnable)
#define ON_WM_ENTERMENULOOP() AFX_WM_ENTRY(WM_ENTERMENULOOP, AfxSigBool, OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() AFX_WM_ENTRY(WM_EXITMENULOOP, AfxSigBool, OnExitMenuLoop)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSigShowWindow, OnShowWindow)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSigWindowPos, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSigWindowPos, OnWindowPosChanged)
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSigMinMaxInfo, OnGetMinMaxInfo)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, AfxSigScroll, OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AfxSigScroll, OnVScroll)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSigContextMenu, OnContextMenu)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, AfxSigCtlColor, OnCtlColor)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, AfxSigDrawItem, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, AfxSigMeasureItem, OnMeasureItem)
#define ON_WM_INITMENU() AFX_WM_ENTRY(WM_INITMENU, AfxSigInitMenu, OnInitMenu)
#define ON_WM_INITMENUPOPUP() AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSigInitMenuPopup, OnInitMenuPopup)
#define ON_WM_MENUSELECT() AFX_WM_ENTRY(WM_MENUSELECT, AfxSigMenuSelect, OnMenuSelect)
#define ON_WM_MENUCHAR() AFX_WM_ENTRY(WM_MENUCHAR, AfxSigMenuChar, OnMenuChar)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSigSysCommand, OnSysCommand)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSigGetDlgCode, OnGetDlgCode)
#define ON_WM_SETTINGCHANGE() AFX_WM_ENTRY(WM_SETTINGCHANGE, AfxSigSettingChange, OnSettingChange)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSigVoid, OnSysColorChange)
#define ON_WM_STYLECHANGED() AFX_WM_ENTRY(WM_STYLECHANGED, AfxSigStyleChanged, OnStyleChanged)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, AfxSigVoid, OnCancelMode)
#define ON_WM_DROPFILES() AFX_WM_ENTRY(WM_DROPFILES, AfxSigDropFiles, OnDropFiles)
#define ON_WM_HELPINFO() AFX_WM_ENTRY(WM_HELPINFO, AfxSigHelpInfo, OnHelpInfo)
#define ON_WM_QUERYENDSESSION() AFX_WM_ENTRY(WM_QUERYENDSESSION, AfxSigQueryBool, OnQueryEndSession)
#define ON_WM_ENDSESSION() AFX_WM_ENTRY(WM_ENDSESSION, AfxSigBool, OnEndSession)
#define ON_WM_ENTERIDLE() AFX_WM_ENTRY(WM_ENTERIDLE, AfxSigEnterIdle, OnEnterIdle)
#define ON_WM_COPYDATA() AFX_WM_ENTRY(WM_COPYDATA, AfxSigCopyData, OnCopyData)
#define ON_WM_TIMECHANGE() AFX_WM_ENTRY(WM_TIMECHANGE, AfxSigVoid, OnTimeChange)
#define ON_WM_PARENTNOTIFY() AFX_WM_ENTRY(WM_PARENTNOTIFY, AfxSigParentNotify, OnParentNotify)
#define ON_WM_FONTCHANGE() AFX_WM_ENTRY(WM_FONTCHANGE, AfxSigVoid, OnFontChange)
