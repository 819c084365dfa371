#pragma once
// CXTPTabStrip: one row of tabs without a window of its own: its items, the
// selected and the hot tab, how far a row longer than its room is scrolled,
// the three small buttons at the end of the row (scroll back, scroll forward,
// close), hit testing, hot tracking, tool tips, the mouse loop that reorders
// tabs by dragging and the auto-repeat loop of the buttons.
//
// A host derives from it and supplies the window, the painter, the layout and
// the repaint (the pure operations below); the painter (themes/) measures and
// draws the strip and writes the rectangles that the strip hit-tests:
//
//     class CMyTabs : public CWnd, public CXTPTabStrip {
//         CXTPTabStripPainter* GetPainter() override { return &m_painter; }
//         void RecalcHostLayout() override { ...m_painter.RepositionTabStrip(this, &dc, rc)... }
//         void RedrawHost() override { Invalidate(FALSE); }
//         BOOL DrawItemIcon(CDC*, CPoint, CXTPTabStripItem*, BOOL, CSize&) override { return FALSE; }
//     };
//     tabs.InsertItem(-1)->SetText("One");
//     // WM_PAINT: m_painter.DrawTabStrip(this, &dc, rcClient);
//     // WM_LBUTTONDOWN: OnMouseDown(m_hWnd, point, FALSE);
//     // WM_MOUSEMOVE: OnMouseMove(m_hWnd, point);  WM_MOUSELEAVE: OnMouseMove(m_hWnd, CPoint(-1, -1));
#include "toolkit/tabs/XTPTabStripButton.h"
#include "toolkit/tabs/XTPTabStripItem.h"
#include "toolkit/tabs/XTPTabStripListener.h"
#include "toolkit/foundation/XTPUxThemeWrapper.h"

#include <functional>
#include <vector>

class CXTPTabStripPainter;
class CXTPTabStripColors;
class CXTPTabStripShape;

class CXTPTabStrip : public CXTPTabStripListener
{
    friend class CXTPTabStripPainter;

public:
    // Creates the scroll-back and scroll-forward buttons (shown when the row
    // overflows) and the close button (hidden).
    CXTPTabStrip();
    // Releases every item and deletes the buttons.
    ~CXTPTabStrip() override;

    // ---- Supplied by the host ----

    // Lays the strip out again (through the painter's RepositionTabStrip).
    void RecalcHostLayout() override = 0;
    virtual CXTPTabStripPainter* GetPainter() = 0;
    // Repaints the strip.
    virtual void RedrawHost() = 0;
    // Draws the item's icon at pt in size sz, or with bDraw FALSE only
    // measures it (and may change sz); FALSE when icons are not shown.
    virtual BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabStripItem* pItem, BOOL bDraw, CSize& sz) = 0;

    // ---- Overridable (base behaviour in brackets) ----

    // [the item's caption]
    virtual CString GetItemText(const CXTPTabStripItem* pItem);
    // [the item's icon]
    virtual HICON GetItemIcon(const CXTPTabStripItem* pItem);
    // [the item's colour; the values of the default colours are turned into
    // the painter's colour of that number]
    virtual COLORREF GetItemColor(CXTPTabStripItem* pItem);
    // [the item's tool tip]
    virtual CString GetItemTip(const CXTPTabStripItem* pItem);
    // [numbers the items by position, then RecalcHostLayout]
    virtual void OnItemsChanged();
    // [on a change: stores it, RecalcHostLayout, then scrolls a tab into view]
    virtual void SelectItem(CXTPTabStripItem* pItem);
    // [copies the normal, minimum and maximum tab sizes to each non-NULL pointer]
    virtual void GetTabSizes(CSize* pszNormal, CSize* pszMinimum, CSize* pszMaximum);
    // [the reorder flag] and [sets it]
    virtual BOOL IsReorderAllowed();
    virtual void AllowReorder(BOOL bAllow);
    // [the painter's client-frame flag]
    virtual BOOL HasClientFrame();
    // [the painter's position]
    virtual int GetPosition();
    // [SelectItem] a click on a tab.
    virtual void OnItemClick(CXTPTabStripItem* pItem);
    // [the reorder loop] a press on a tab while reordering is allowed.
    virtual void TrackItemDrag(HWND hWnd, CPoint point, CXTPTabStripItem* pItem);
    // [nothing] the close button (xtpTabButtonClose) was clicked.
    virtual void OnButtonClick(int nKind);
    // [FALSE] TRUE while something else holds the mouse: no hot tracking.
    virtual BOOL IsMouseLocked();

    // ---- Items ----

    // Inserts pItem (a new item when NULL) at nIndex (appended when out of
    // range), gives it the next of the eight default colours and returns it.
    CXTPTabStripItem* InsertItem(int nIndex, CXTPTabStripItem* pItem = NULL);
    // Releases the item at nIndex; FALSE when out of range. A deleted
    // selected tab passes the selection to the tab now at its place.
    BOOL DeleteItem(int nIndex);
    // Takes the item at nIndex out of the strip without releasing it (the
    // caller owns it then); NULL when out of range. The hot and selected
    // tabs are cleared when it was one of them; a taken selected tab passes
    // the selection to the nearest one.
    CXTPTabStripItem* TakeItem(int nIndex);
    void DeleteAllItems();
    // Moves the item to nIndex (clamped to the items).
    void MoveItem(CXTPTabStripItem* pItem, int nIndex);
    // Selects the item at nIndex clamped to the items; none when there are none.
    void SelectNearest(int nIndex);

    int GetItemCount() const { return (int)m_arrItems.size(); }
    // NULL outside 0 .. count - 1.
    CXTPTabStripItem* GetItem(int nIndex) const;
    CXTPTabStripItem* GetSelectedItem() const { return m_pSelected; }
    CXTPTabStripItem* GetHotItem() const { return m_pHot; }
    // -1 without a selected item.
    int GetSelectedIndex() const;
    // The item is one of this strip's.
    BOOL HasItem(const CXTPTabStripItem* pItem) const;
    // The sum of the tabs' lengths from the last layout.
    int GetTotalTabLength() const;

    // ---- Buttons ----

    // The button of that kind (XTPTabButtonKind).
    CXTPTabStripButton* FindButton(int nKind) const;
    int GetButtonCount() const { return (int)m_arrButtons.size(); }
    // nIndex from 0 to GetButtonCount() - 1.
    CXTPTabStripButton* GetButton(int nIndex) const
    {
        ASSERT(nIndex >= 0 && nIndex < GetButtonCount());
        return m_arrButtons[nIndex];
    }

    // ---- Scrolling, sizes, state ----

    int GetScrollOffset() const { return m_nScrollOffset; }
    // Offsets above 0 become 0; a change lays the strip out again.
    void SetScrollOffset(int nOffset);
    // The active strip among several (tab groups); a change lays it out again.
    void SetActive(BOOL bActive);
    BOOL IsActive() const { return m_bActive; }
    // Normal, minimum and maximum tab sizes (0: no bound); lays it out again.
    void SetTabSizes(int cxNormal, int cyNormal, int cxMinimum, int cyMinimum, int cxMaximum, int cyMaximum);
    BOOL IsHorizontal();
    // The rectangle's length along the row.
    int GetRowLength(const CRect& rc);

    // The band of tabs and buttons, the whole strip and the content area,
    // as the painter's last layout left them.
    CRect GetHeaderRect() const { return m_rcHeader; }
    CRect GetControlRect() const { return m_rcControl; }
    CRect GetClientRect() const { return m_rcClient; }

    // ---- Painter settings (each lays the strip out again) ----

    void SetPosition(int nPosition);
    void SetLayout(int nLayout);
    int GetLayout();
    void ShowIcons(BOOL bShow);
    void SetColorById(int nColorId);
    void SetColorSet(CXTPTabStripColors* pColors);
    void SetAppearanceById(int nAppearance);
    void SetAppearanceSet(CXTPTabStripShape* pShape);

    // Opens the visual-styles theme of the class "TAB" for the window and
    // gives the window the tab-page dialog texture (bTabTexture) or not.
    void OpenVisualTheme(HWND hWnd, BOOL bTabTexture);
    CXTPUxThemeWrapper* GetVisualTheme() { return &m_themeTab; }

    // ---- Mouse ----

    // The first enabled, visible tab at the point inside the strip (and
    // inside the header when it has one); NULL when none.
    CXTPTabStripItem* HitTest(CPoint point) const;
    // A press: a button runs its loop; otherwise, unless bButtonsOnly, a
    // tab is clicked or, when reordering is allowed, dragged. FALSE when
    // nothing was hit.
    BOOL OnMouseDown(HWND hWnd, CPoint point, BOOL bButtonsOnly);
    // Hot tracking and the buttons' hot state, while the window's top-level
    // parent is active and the mouse is not locked. (-1, -1): the mouse left.
    void OnMouseMove(HWND hWnd, CPoint point);
    // Fills a tool-tip record for the item (XTPFillToolInfo: the text a
    // malloc copy that the tool-tip machinery frees) and returns its index;
    // -1 without an item or a tip.
    INT_PTR FillToolInfo(HWND hWnd, CXTPTabStripItem* pItem, TOOLINFO* pToolInfo);

protected:
    // Asks for a WM_MOUSELEAVE for the window.
    static void TrackMouseLeave(HWND hWnd);
    // The mouse loop of a drag of pItem: onMove for each move of the mouse
    // (ptLast follows it), other keys swallowed, everything else dispatched.
    // TRUE when the left button was released (a drop);
    // FALSE for Esc, the right button, WM_CANCELMODE, a lost capture, a quit
    // (left in the queue) or a tab deleted on the way.
    BOOL RunItemDrag(HWND hWnd, CXTPTabStripItem* pItem, CPoint& ptLast, const std::function<void(CPoint)>& onMove);
    // One move of the reorder drag: swaps the dragged tab with the tab whose
    // place (as recorded when the drag began) holds the point.
    void ReorderDraggedItem(CXTPTabStripItem* pItem, const std::vector<CRect>& rcPlaces, CPoint point);
    // The start of a drag of pItem: it becomes the selected tab (and the hot
    // one while the painter tracks hot tabs) without the selection's other
    // effects, the strip is laid out, and the tabs' places at this moment
    // are returned for ReorderDraggedItem.
    std::vector<CRect> BeginItemDrag(CXTPTabStripItem* pItem);

private:
    CXTPTabStrip(const CXTPTabStrip&);
    CXTPTabStrip& operator=(const CXTPTabStrip&);

    CXTPTabStripItem* m_pSelected;
    CXTPTabStripItem* m_pHot;
    int m_nScrollOffset;
    BOOL m_bAllowReorder;
    BOOL m_bActive;
    CSize m_szNormal;
    CSize m_szMinimum;
    CSize m_szMaximum;
    CRect m_rcHeader;
    CRect m_rcControl;
    CRect m_rcClient;
    std::vector<CXTPTabStripItem*> m_arrItems;
    std::vector<CXTPTabStripButton*> m_arrButtons;
    CXTPUxThemeWrapper m_themeTab;
    int m_nColorCounter;
};
