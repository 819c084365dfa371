#pragma once
// CControlBar: the base of the bars a frame lays out around its client area (status bar,
// toolbars). A bar takes its share of the frame in WM_SIZEPARENT (from CFrameWnd::RepositionBars)
// at the edge its CBRS_ALIGN_ style names, with the size CalcFixedLayout (or, with
// CBRS_SIZE_DYNAMIC, CalcDynamicLayout) asks for. At idle time (WM_IDLEUPDATECMDUI) it carries out
// a delayed show or hide and lets OnUpdateCmdUI update its items through the owner's handlers.
#include "framework/window/CWnd.h"
#include "framework/window/StandardIds.h"

// Bar styles, kept in m_dwStyle (not in the window style).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Mode bits of CalcDynamicLayout.
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

class CFrameWnd;

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    virtual ~CControlBar();

    // The size the bar wants: bStretch asks for the whole length of its edge, bHorz tells that
    // it lies along the top or bottom.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // Updates the bar's items from pTarget's update handlers (any command target, though the
    // parameter names the usual one).
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    // Shows or hides the bar at the next idle update.
    virtual void DelayShow(BOOL bShow);
    // Visible, counting a pending delayed show or hide.
    virtual BOOL IsVisible() const;

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle & CBRS_ALL; }
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    CFrameWnd* GetDockingFrame() const;

    // Bits of m_nStateFlags.
    enum StateFlags
    {
        delayHide = 1,
        delayShow = 2
    };

    BOOL m_bAutoDelete; // the bar deletes itself when its window is gone
    DWORD m_dwStyle;    // CBRS_ styles
    UINT m_nStateFlags;
    CWnd* m_pDockBar; // the dock bar holding the bar, NULL when it sits in the frame
    CFrameWnd* m_pDockSite;
    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;

protected:
    void PostNcDestroy() override;
    // Splits the style given to Create into bar styles (kept) and the window style (returned).
    DWORD TakeBarStyle(DWORD dwStyle);

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
