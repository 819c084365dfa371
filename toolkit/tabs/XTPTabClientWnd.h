#pragma once
// CXTPTabClientWnd: the MDI tab client. It subclasses the MDI client window of
// an MDI frame and shows one tab for every visible MDI child, in one of two
// modes chosen when it is attached:
//   - without grouping, one tab group (CXTPTabWorkspaceWnd) stands in a window
//     of its own around the MDI client, which keeps the area the row leaves;
//   - with grouping, the client draws several groups (CXTPTabWorkspace) side
//     by side or one above the other with 5-pixel splitter bars between them,
//     places each child inside its group, and lets the user drag tabs into
//     other groups or new ones, move them with the commands 9420 to 9423 and
//     resize groups with the splitters.
// It follows the command bars' theme with its painter's appearance and
// colours. The command bars reach it through CXTPTabClientInterface (the
// redraw after a theme change and the workspace-actions menu control).
//
//     CXTPTabClientWnd m_tabClient;                 // a member of the MDI frame
//     m_tabClient.Attach(this, TRUE);               // after the frame's creation
//     // the frame offers the tab client the commands it does not handle:
//     BOOL CMyFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) {
//         return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pInfo)
//             || m_tabClient.OnCmdMsg(nID, nCode, pExtra, pInfo);
//     }
//
// The children may answer these messages (values fixed): 0x483 their tab's
// icon (HICON), 0x485 its text and 0x487 its tool tip (wParam the tab;
// LPCTSTR), 0x486 its colour (COLORREF); 0 leaves the client's own choice.
// The frame is told of a press in the tab area (0x484, wParam the mouse
// message, lParam its lParam; a non-zero answer means handled) and of each
// tab added (0x488, wParam the tab).
#include "toolkit/tabs/XTPTabGroupGeometry.h"
#include "toolkit/tabs/XTPTabWorkspace.h"
#include "toolkit/commandbars/XTPTabClientInterface.h"

#include "framework/Controls.h"

#include <map>
#include <vector>

class CXTPCommandBars;
class CXTPTabStripPainter;

// Messages between the tab client, the MDI children and the frame.
#define WM_XTP_GETTABICON (WM_USER + 131)  // 0x483 to a child
#define WM_XTP_PRETRANSLATEMOUSEMSG (WM_USER + 132) // 0x484 to the frame
#define WM_XTP_GETWINDOWTEXT (WM_USER + 133) // 0x485 to a child
#define WM_XTP_GETTABCOLOR (WM_USER + 134) // 0x486 to a child
#define WM_XTP_GETWINDOWTOOLTIP (WM_USER + 135) // 0x487 to a child
#define WM_XTP_NEWTABITEM (WM_USER + 136)  // 0x488 to the frame

// SetButtonFlags bits.
enum XTPTabClientButtonFlags
{
    xtpTabClientScrollWhenNeeded = 1, // scroll buttons only while the row overflows (else always)
    xtpTabClientNoCloseButton = 2     // no close button (else always)
};

class CXTPTabClientWnd : public CXTPTabClientInterface
{
    DECLARE_DYNAMIC(CXTPTabClientWnd)
    friend class CXTPTabWorkspace;
    friend class CXTPTabWorkspaceWnd;

public:
    // A painter with bold selected tabs; gives the image of bitmap 9422 to
    // the image manager for the commands 9422 and 9423.
    CXTPTabClientWnd();
    // Detaches from the MDI client (which lives on) and deletes the groups.
    ~CXTPTabClientWnd() override;

    // ---- Attaching ----

    // Subclasses the frame's MDI client and shows the tabs; FALSE when
    // already attached, when the frame has no MDI client or when it cannot
    // be subclassed. bGrouping chooses the mode.
    BOOL Attach(CMDIFrameWnd* pFrame, BOOL bGrouping = FALSE);
    // Gives the MDI client back as it was, without tabs, and the children
    // grouping mode made frameless their caption and frame; FALSE when not
    // attached.
    BOOL Detach();
    BOOL IsAttached() const { return m_pFrame != NULL; }
    BOOL IsGrouping() const { return m_bGrouping; }

    // ---- Settings ----

    // Without grouping only: shows or hides the row of tabs.
    void ShowTabs(BOOL bShow);
    // Tool tips of the tabs (the client's with grouping, else the group
    // window's), also of the tabs that stand already and of a client
    // attached later.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    // XTPTabClientButtonFlags for every group's buttons.
    void SetButtonFlags(DWORD dwFlags);
    // Takes the painter (the client deletes it) and stops following the theme.
    void SetPainter(CXTPTabStripPainter* pPainter);
    CXTPTabStripPainter* GetPainter() const { return m_pPainter; }
    // The painter's look follows the command bars' theme.
    void SetFollowTheme(BOOL bFollow) { m_bFollowTheme = bFollow; }
    BOOL GetFollowTheme() const { return m_bFollowTheme; }
    BOOL IsReorderAllowed() const { return m_bAllowReorder; }
    void AllowReorder(BOOL bAllow) { m_bAllowReorder = bAllow; }
    // With command bars, the client's empty area takes their colour (the
    // default); without this, the MDI client's own look. Repaints.
    void SetThemedBackground(BOOL bThemed);
    BOOL IsThemedBackground() const { return m_bThemedBackground; }
    // Told by whoever changes the settings of the client's painter (its
    // OnPainterChanged): the frame lays the client and its tabs out again.
    CXTPTabStripListener* GetPainterListener() { return &m_painterListener; }

    // ---- Tabs and groups ----

    // The selected tab of the active group, or NULL.
    CXTPTabStripItem* GetActiveItem() const;
    // The tabs of all groups, counted through the groups in order.
    int GetItemCount() const;
    CXTPTabStripItem* GetItem(int nIndex) const;
    int GetWorkspaceCount() const { return (int)m_arrWorkspaces.size(); }
    CXTPTabWorkspace* GetWorkspace(int nIndex) const;
    // -1 when the group is not one of this client's.
    int FindWorkspaceIndex(const CXTPTabWorkspace* pWorkspace) const;
    CXTPTabStripItem* FindItem(HWND hWnd) const;
    // The tab at the point of the client (of the group window without
    // grouping); NULL while the tabs are hidden.
    CXTPTabStripItem* HitTest(CPoint point) const;
    // Tab coordinates (those of HitTest and of the tabs' and groups'
    // rectangles: the client's with grouping, the group window's without) to
    // the screen and back. They stand in for the window's own.
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    CXTPTabWorkspace* GetActiveWorkspace() const { return m_pActiveWorkspace; }
    // The group of the active child: the only active strip.
    void SetActiveWorkspace(CXTPTabWorkspace* pWorkspace);
    // Groups stand one above the other (else side by side).
    BOOL IsGroupsStacked() const { return m_bGroupsStacked; }
    // While the client changes its groups (the item refresh, a move between
    // groups), they only mark the layout as owed and do not repaint; the
    // item refresh calls the overridables GetItemText and AddItem then.
    BOOL IsRefreshLocked() const { return m_bRefreshLock; }

    // Moves the tab into pTarget (xtpTabDropIntoGroup) or into a new group
    // below it (xtpTabDropNewBelow) or right of it (xtpTabDropNewRight),
    // which takes half of pTarget's weight. The tab keeps its colour and is
    // selected there; a group left empty goes.
    void MoveItemToGroup(CXTPTabStripItem* pItem, CXTPTabWorkspace* pTarget, int nMode);

    // ---- Overridable (base behaviour in brackets) ----

    // [COLOR_APPWORKSPACE without command bars; with them, their colour 12
    // while the background is themed, else the window's own erase and
    // WM_PAINT into the DC] the client's area behind the groups.
    virtual void DrawBackground(CDC* pDC, CRect rc);
    // [the painter's look for the command bars' theme, when it changed]
    virtual void RefreshTheme();
    // [the child's answer to 0x485, else its active document's title, else
    // its window text]
    virtual CString GetItemText(CWnd* pChild);
    // [the child's answer to 0x486, kept as the tab's colour; 0 for none]
    virtual COLORREF GetItemColor(CXTPTabStripItem* pItem);
    // [the child's answer to 0x483, else its class's small icon, its small
    // icon, its class's icon, its icon, else the system's IDI_WINLOGO]
    virtual HICON GetItemIcon(const CXTPTabStripItem* pItem);
    // [a group (a window of its own without grouping) at nIndex, -1: at the
    // end, with the client's tab sizes and button modes]
    virtual CXTPTabWorkspace* AddWorkspace(int nIndex = -1);
    // [a tab for the child in the active group, else the last one, made
    // when there is none]
    virtual CXTPTabStripItem* AddItem(CWnd* pChild);
    // [the command bars of the frame's dock bars] NULL when there are none.
    virtual CXTPCommandBars* GetCommandBars();

    // ---- The window's own overrides ----

    // The tab at the point and its tip; -1 while a menu holds the mouse or
    // over no tab.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    // With grouping, presses in the client go to the frame first (0x484).
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // ---- CXTPTabClientInterface ----

    void OnUpdateContents(BOOL bRecalc) override;
    int GetGroupCount() const override;
    int GetActiveGroupIndex() const override;
    void* GetGroup(int nIndex) const override;
    int GetGroupItemCount(int nIndex) const override;
    BOOL IsHorizontalGroups() const override;

    // ---- The MDI client's window ----

    // Lays the groups (or the group window) out in the area the frame gives.
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override;

    afx_msg LRESULT OnMDIActivate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDICreate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDIDestroy(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSysColorChange();
    afx_msg void OnNcDestroy();
    afx_msg void OnWorkspaceCommand(UINT nID);
    afx_msg void OnUpdateWorkspaceCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // Activates the child whose tab a dragged object is over; drops nothing.
    // Registered on the client with grouping, else on the group window.
    class CDropTarget : public COleDropTarget
    {
    public:
        explicit CDropTarget(CXTPTabClientWnd* pTabClient) : m_pTabClient(pTabClient) {}
        DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;

    private:
        CXTPTabClientWnd* m_pTabClient;
    };

    CDropTarget m_dropTarget;

private:
    // The item refresh: one tab per visible MDI child, the active child's
    // tab selected in the active group, empty groups gone.
    void RefreshItems();
    // Its first part: the caption of each visible child's tab brought up to
    // date, a tab added for a child without one (pLastAdded: the last such),
    // the tab of a hidden child deleted; each tab kept is marked found.
    // Answers the tab of hActive, or NULL.
    CXTPTabStripItem* RefreshChildTabs(HWND hActive, CXTPTabStripItem*& pLastAdded);
    // Its second part: the tabs not marked found are deleted, and the
    // groups left empty go.
    void RemoveUnfoundTabs();
    // Deletes the group; its weight goes to the group before it (after it
    // for the first); the layout is owed.
    void RemoveWorkspace(CXTPTabWorkspace* pWorkspace);
    void DeleteWorkspaces();
    // Grouping mode took the caption and frame of the children it saw being
    // created; a detached client gives them back.
    void RestoreChildFrames(HWND hClient);
    // The frame lays itself out again (the client with it).
    void RecalcFrameLayout();
    // The owed layout, when the refresh lock allows it.
    void FlushLayout();
    void ApplyButtonFlags(CXTPTabWorkspace* pWorkspace);
    // The tool-tip setting to the client (with grouping) and the group windows.
    void ApplyToolTips();
    void LayoutGroups(CRect rcArea);
    void LayoutWorkspaceWindow(CRect& rcClient);
    CRect GetClientBorderMargins();
    // The splitter at the point (client coordinates); -1 for none, else the
    // index of the group it follows.
    int SplitterHitTest(CPoint point) const;
    void TrackSplitter(int nGroup, CPoint point);
    CXTPTabWorkspace* GroupOfItem(const CXTPTabStripItem* pItem) const;
    // Scrolls the tab into view in whichever group holds it now (none, or
    // NULL: nothing).
    void EnsureItemVisible(CXTPTabStripItem* pItem);
    HWND GetActiveChild() const;
    // The window that tab coordinates belong to.
    CWnd* GetTabsWindow() const;

    // ---- Dragging a tab out of its row (grouping) ----
    void BeginDropTracking();
    void TrackDrop(CPoint point, CXTPTabStripItem* pItem);
    void EndDropTracking();
    void DrawDropRect(const CRect& rcTarget);
    // The drop menu: the workspace actions and "Cancel", at the point.
    void ShowDropMenu(CPoint point);
    // The end of a group drag that tracked a drop (the tab found by its
    // child, which outlives the group it was dragged from): the drop menu
    // at the point (tab coordinates), or the move the drop mode says.
    void DropItem(HWND hChild, CPoint point);
    // A mouse press offered to the frame (0x484): TRUE when it took it.
    BOOL OfferPressToFrame(const MSG* pMsg);

    // The refresh lock holds back the groups' layouts and repaints while the
    // client changes them; the mouse lock holds back the item refresh from a
    // press in the tab area until the next idle time.
    void SetMouseLock()
    {
        m_bMouseLock = TRUE;
        m_bMouseMark = TRUE;
    }

    // What the painter's listener does: the frame's layout.
    class CPainterListener : public CXTPTabStripListener
    {
    public:
        explicit CPainterListener(CXTPTabClientWnd* pTabClient) : m_pTabClient(pTabClient) {}
        void RecalcHostLayout() override { m_pTabClient->RecalcFrameLayout(); }

    private:
        CXTPTabClientWnd* m_pTabClient;
    };

    CPainterListener m_painterListener;
    std::vector<CXTPTabWorkspace*> m_arrWorkspaces;
    CMDIFrameWnd* m_pFrame;
    BOOL m_bLayoutPending;
    BOOL m_bRefreshLock;
    BOOL m_bMouseLock;
    CXTPTabStripPainter* m_pPainter;
    int m_nThemeInUse;
    BOOL m_bFollowTheme;
    CXTPTabWorkspace* m_pActiveWorkspace;
    BOOL m_bGroupsStacked;
    HCURSOR m_hcurSplitColumn;
    HCURSOR m_hcurSplitRow;
    HCURSOR m_hcurDragIn;
    HCURSOR m_hcurDragOut;
    BOOL m_bThemedBackground;
    BOOL m_bGrouping;
    DWORD m_dwButtonFlags;
    BOOL m_bAllowReorder;
    BOOL m_bShowTabs;
    BOOL m_bToolTips;
    BOOL m_bRefreshGuard;
    CRect m_rcDrop;
    CXTPTabWorkspace* m_pDropWorkspace;
    BOOL m_bMouseMark;
    int m_nDropMode;
    CRect m_rcLastDrag;
    CSize m_szLastDragFrame;
    CDC* m_pScreenDC;
    BOOL m_bLockedUpdates;
    // The style and extended-style bits grouping mode took from each child.
    std::map<HWND, std::pair<DWORD, DWORD>> m_mapStrippedStyles;
};
