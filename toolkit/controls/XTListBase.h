#pragma once
// CXTListBase: what the toolkit's report lists (CXTListView, CXTListCtrl in
// XTListView.h) add to a list control, kept beside the framework class and
// working on the list through a pointer: a flat header with sort arrows,
// header-click sorting, minimum and locked column widths, column widths kept
// in the profile, automatic column sizing, custom text and background colours
// (whole list, sorted column, single rows), flicker-free painting and
// extended-style helpers.
//
//   class CNewsList : public CXTListView {
//       BOOL SortList(int nCol, BOOL bAscending) override;   // sort the rows
//   };
//   list.SubclassHeader(FALSE);
//   list.SetMinColumnWidth(15);
//   list.AutoSaveColumns("News", "Columns", "120,80,");
//
// The window side (message map, painting, font) is the class template
// CXTListBaseT in XTListView.h; it passes header notifications to OnNotify
// and custom draw to OnCustomDraw here.
#include "framework/Controls.h"
#include "toolkit/controls/XTHeaderCtrl.h"

// The colours of one row.
struct CXTRowColor
{
    int nRow;
    COLORREF crBack;
    COLORREF crText;
};

class CXTListBase
{
public:
    CXTListBase();
    virtual ~CXTListBase();

    // --- overridables (the base behaviour stated) ---
    // Stores the sort column and direction and shows the arrow on a toolkit
    // header; answers the previous sort column.
    virtual int SetSortImage(int nCol, BOOL bAscending);
    // The width saved for the column, -1 when none was saved for it.
    virtual int GetStoredColumnWidth(int nCol);
    // Gives the column its saved width, when it has one.
    virtual void RestoreColumnWidth(int nCol);
    // Report style only: every column gets its saved width, or the widths
    // are saved as "w0,w1,...," under the section and entry of
    // AutoSaveColumns in the user's profile.
    virtual void LoadColumnWidths();
    virtual void SaveColumnWidths();
    // Sizes the column (-1: every column) to the larger of its content and
    // its header text, within the minimum and maximum widths.
    virtual void AutoSizeColumn(int nCol = -1);
    // Saves the widths when the window is destroyed and loads them now. NULL
    // section or entry: the toolkit's defaults; NULL default: empty.
    virtual void AutoSaveColumns(LPCTSTR lpszSection = NULL, LPCTSTR lpszEntry = NULL,
                                 LPCTSTR lpszDefault = NULL);
    // Makes the flat header take over the list's header (report style, once).
    virtual BOOL SubclassHeader(BOOL bBoldFont = FALSE);
    // Sorts the rows; the base does nothing and answers TRUE.
    virtual BOOL SortList(int nCol, BOOL bAscending);
    // Adds the bits to the extended style.
    virtual void SetExtendedStyle(DWORD dwExStyle);
    virtual DWORD GetExtendedStyle();
    // Locked widths: the header's dividers no longer resize the columns.
    virtual void LockColumnWidths(BOOL bLock = TRUE);
    // The row at the point and, in report style, its column (-1 for none).
    virtual int HitTestEx(CPoint& point, int* pCol) const;
    // Appends a column; a width of -1 takes the last column's width.
    virtual int AddColumn(LPCTSTR lpszColHeading, int nWidth = -1, int nFormat = LVCFMT_LEFT);
    // Inserts nCols left-aligned columns of the widths, named by the texts or
    // by toolkit string ids; FALSE at the first that fails.
    virtual BOOL BuildColumns(int nCols, int* nWidth, CString* strColString);
    virtual BOOL BuildColumns(int nCols, int* nWidth, int* nColString);
    // The header's item count in report style, else -1.
    virtual int GetColumnCount() const;
    // Inserts a copy of row nFrom at nTo; answers nFrom's new index, -1 when
    // the indexes are equal or negative.
    virtual int CopyRow(int nFrom, int nTo);
    // CopyRow, then the old row deleted.
    virtual BOOL MoveRow(int nFrom, int nTo);
    // Custom text and background colours for the whole list, then a redraw.
    virtual void SetListColors(COLORREF crText, COLORREF crBack);
    // A row's own colours, replacing the record the row had.
    virtual void SetRowColors(const CXTRowColor& rowColor);
    virtual void SetRowColors(int nRow, COLORREF crText, COLORREF crBack);
    virtual void RemoveAllRowColors();
    // The row's record, NULL when it has none.
    virtual CXTRowColor* GetRowColors(int nRow);
    // FALSE when the style did not change.
    virtual BOOL ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd);
    // Applies the toolkit's normal font when the list uses it.
    virtual void UpdateFont();
    // Header notifications (ANSI and wide forms); TRUE when handled here, the
    // list's default handling then skipped.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // --- settings ---
    // Also the flat header's minimum for dragging.
    void SetMinColumnWidth(int nWidth);
    void EnableSortColumnShading(BOOL bEnable) { m_bSortShading = (BYTE)(bEnable != FALSE); }
    void SetBackColor(COLORREF crBack) { m_crBack = crBack; }
    void SetListTextColor(COLORREF crText) { m_crText = crText; }
    void EnableCustomColors(BOOL bEnable) { m_bCustomColors = (BYTE)(bEnable != FALSE); }
    void EnableRowColors(BOOL bEnable) { m_bRowColors = (BYTE)(bEnable != FALSE); }
    int GetSortColumn(BOOL* pbAscending = NULL) const;

    // The list's header (child window 0), and the same only when it is the
    // flat header.
    CHeaderCtrl* GetHeaderCtrl() const;
    CXTFlatHeaderCtrl* GetFlatHeaderCtrl() const;

    // --- colours ---
    COLORREF GetListTextColor() const;
    COLORREF GetListBackColor() const;
    COLORREF GetSortTextColor() const;
    COLORREF GetSortBackColor() const;
    // The colours of one cell, by precedence: a disabled list, the sorted
    // column without row colours, the row's colours (not for a selected row;
    // blended with the sorted column's background there), the custom
    // colours, the system's.
    void GetCellColors(int nRow, int nSubItem, BOOL bSelected, COLORREF& crText, COLORREF& crBack);
    // Reads the maximum column width and the sorted column's colours.
    void RefreshMetrics();

    // NM_CUSTOMDRAW of the list.
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    // Paints the list into an off-screen picture with the sorted column shaded.
    void PaintList(CDC* pDC);

    int m_nMinColWidth;
    int m_nMaxColWidth;
    int m_nSortColumn;
    BYTE m_bUseToolkitFont;
    BYTE m_bAutoSave;
    BYTE m_bCustomColors;
    BYTE m_bRowColors;
    BYTE m_bSortShading;
    BYTE m_bAscending;
    BYTE m_bLockWidths;
    CString m_strSection;
    CString m_strEntry;
    CString m_strDefault;
    COLORREF m_crText;
    COLORREF m_crBack;
    COLORREF m_crSortText;
    COLORREF m_crSortBack;
    CList<CXTRowColor, const CXTRowColor&> m_rowColors;
    CXTFlatHeaderCtrl m_flatHeader;

protected:
    // Called by the window side at WM_DESTROY.
    void OnDestroyList();
    BOOL IsReportStyle() const;

    CListCtrl* m_pListCtrl;

private:
    CXTListBase(const CXTListBase&);
    CXTListBase& operator=(const CXTListBase&);

    void OnColumnClick(const NMHEADERA* pHeader);
    // The notification sets a width below the minimum.
    BOOL IsBelowMinimumWidth(const NMHEADERA* pHeader) const;
    // The left edge of the sorted column in client coordinates.
    int SortColumnLeft() const;
};
