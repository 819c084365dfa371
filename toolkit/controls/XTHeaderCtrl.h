#pragma once
// CXTHeaderCtrl: the column header of the toolkit's lists. It is drawn by a
// header theme (XTHeaderTheme.h), shows the sort column with an arrow, keeps
// columns at least a minimum width, refuses to resize locked columns, can fit
// its columns to its width, shows bitmaps on columns, tracks the column under
// the mouse, and offers a context menu that sorts by or aligns the clicked
// column. A list subclasses its header window with it:
//
//   m_header.SubclassWindow(::GetDlgItem(list, 0));
//   m_header.SetMinColumnWidth(15);
//   m_header.SetSortColumn(2, TRUE);
//
// CXTFlatHeaderCtrl is the same control with a private Office XP theme, so it
// does not follow the shared header theme.
//
// Hot tracking polls the cursor every 10 ms only while it can change: once
// the hot column is drawn and the pointer rests on the header itself, the
// timer stops until the next mouse message of the thread or the system's
// notice that the pointer left the header.
#include "framework/Controls.h"
#include "toolkit/foundation/XTThemeManager.h"
#include "toolkit/controls/XTHeaderTheme.h"

class CXTHeaderCtrl : public CHeaderCtrl, public CXTThemeManagerStyleHost
{
    DECLARE_DYNAMIC(CXTHeaderCtrl)
public:
    CXTHeaderCtrl();
    ~CXTHeaderCtrl() override;

    // --- overridables ---
    // The left button is down on the control and the cursor is on that
    // column's header area.
    virtual BOOL IsColumnPressed(int iCol);
    // The toolkit's bold or normal font, then an immediate redraw.
    virtual void ApplyBoldFont(BOOL bBold);
    // A menu resource and popup index replacing the built-in context menu.
    virtual void SetCustomMenu(UINT nMenuID, int nPopup = 0);
    // The toolkit's bold or normal font, without a redraw.
    virtual void SelectBoldFont(BOOL bBold);
    // Sets or clears the theme's sort-arrow bit.
    virtual void EnableSortArrow(BOOL bEnable);
    // Replaces the justification of the context menu's column in the parent
    // list by nFormat (LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT).
    virtual void AlignMenuColumn(int nFormat);
    // 1 when the desktop's device context reads right to left.
    virtual BYTE IsRightToLeftReading();
    // Gives each unlocked column cx / (unlocked count), when that is above the
    // minimum width.
    virtual void ShareWidthAmongColumns(int cx);
    // Shares cx (the window width when below 1), less a vertical scroll bar
    // of the parent and the locked columns, among the unlocked columns.
    virtual void FitColumnsToWidth(int cx);
    virtual int GetLockedColumnsWidth();
    // Re-lays the header and makes the parent lay out and redraw.
    void OnThemeChanged() override;

    // --- settings ---
    void SetMinColumnWidth(int nMinWidth) { m_nMinColumnWidth = nMinWidth; }
    int GetMinColumnWidth() const { return m_nMinColumnWidth; }
    void SetAutoFit(BOOL bAutoFit) { m_bAutoFit = (BYTE)(bAutoFit != FALSE); }
    void EnableContextMenu(BOOL bEnable) { m_bContextMenu = bEnable; }
    void FitColumnsToWidth() { FitColumnsToWidth(0); }

    void LockColumn(int iCol);
    void UnlockColumn(int iCol);
    void UnlockAllColumns() { m_listLocked.RemoveAll(); }
    BOOL IsColumnLocked(int iCol) const;

    // The column at the client point, -1 for none; flags when asked.
    int HitTest(int x, int y, UINT* pFlags = NULL) const;
    using CHeaderCtrl::HitTest;

    // Stores the sort column and direction and redraws; the previous column.
    int SetSortColumn(int iCol, BOOL bAscending);
    int GetSortColumn(BOOL* pbAscending = NULL) const;
    BOOL IsSortArrowEnabled();

    // Column images. dwRemoveFmt bits are cleared from the column's format
    // first; the bitmap's crMask pixels are transparent.
    BOOL SetColumnBitmap(int iCol, UINT nID, DWORD dwRemoveFmt = 0);
    BOOL SetColumnBitmap(int iCol, UINT nID, BOOL bRemove, COLORREF crMask);
    // The image list of a column, NULL when it has none. The header owns the
    // lists; the theme fills and releases them through these.
    HIMAGELIST GetColumnImageList(int iCol) const;
    // Stores the list for the column (NULL forgets it) and answers the
    // column's previous list, which the caller destroys.
    HIMAGELIST SetColumnImageList(int iCol, HIMAGELIST hImageList);

    // Loads the built-in context menu into menu and answers its header popup
    // with the items of column iCol checked: the sort direction when it is the
    // sort column, and its alignment in the parent list. NULL when the menu
    // cannot be loaded.
    CMenu* LoadHeaderMenu(CMenu& menu, int iCol);

    CXTHeaderTheme* GetTheme();
    BOOL HasTheme() { return GetTheme() != NULL; }

    // The hot column is drawn and its timer stopped while the pointer rests.
    BOOL IsHotTrackingAtRest() const { return m_bHotAtRest; }

    // The shared header theme, followed by every header without a private one.
    static CXTHeaderTheme* GetSharedTheme();
    static void SetSharedTheme(int nTheme);
    static void SetSharedTheme(CXTThemeManagerStyle* pTheme);

    int m_nMinColumnWidth;
    int m_nCustomMenuPopup;
    int m_nHotColumn;
    int m_nSortColumn;
    BYTE m_bRightToLeft;
    BYTE m_bAutoFit;
    BOOL m_bContextMenu;
    BOOL m_bSortAscending;
    BOOL m_bLeftButtonDown;
    BOOL m_bHotDrawn;
    UINT m_nCustomMenuID;
    CPoint m_ptContextMenu;
    CList<int, int> m_listLocked;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSortAsc();
    afx_msg void OnSortDsc();
    afx_msg void OnAlignLeft();
    afx_msg void OnAlignCenter();
    afx_msg void OnAlignRight();
    afx_msg BOOL OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysColorChange();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The parent when it is a list control or a list view, else NULL.
    CWnd* GetParentList() const;
    // The context menu's column sorts that way; HDN_ITEMCLICK tells the list.
    void SortMenuColumn(BOOL bAscending);
    void SendColumnClick(int iCol);
    void RedrawNow();
    // Hot tracking polls again (timer 1, every 10 ms); it rests while the
    // pointer stays on the header over the hot column.
    void StartHotTimer();
    void RestHotTracking(CPoint ptScreen);
    void EndHotRest();
    // Shows the built-in context menu of column iCol at the screen point.
    void ShowHeaderMenu(int iCol, CPoint ptScreen);
    void DestroyColumnImages();

    CMap<int, int, HIMAGELIST, HIMAGELIST> m_mapColumnImages;
    BOOL m_bHotAtRest;
};

class CXTFlatHeaderCtrl : public CXTHeaderCtrl
{
    DECLARE_DYNAMIC(CXTFlatHeaderCtrl)
public:
    // Owns a private Office XP header theme.
    CXTFlatHeaderCtrl();
};
