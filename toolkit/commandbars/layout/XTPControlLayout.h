#pragma once
// The arithmetic of laying out the controls of one bar, apart from any
// window: one record per control (its size, whether it is visible, begins a
// group, is right-aligned or stretched), broken into rows (columns on a
// vertically docked bar), the narrowest shape of a floating bar, rows
// centred, right-aligned controls pushed to the far end and free space
// shared among stretched controls. CXTPControls::CalcDynamicSize fills the
// records from its controls, runs the steps and writes the result back.
//
//     CXTPControlLayout layout(dwMode);
//     layout.Add(record) ...;
//     layout.WrapToolBar(nWidth);
//     CSize sz = layout.CalcSize(FALSE);
//     sz = layout.AdjustRows(sz, rcBorder);
#include "framework/Core.h"
#include "toolkit/commandbars/layout/XTPLayoutFlags.h"

#include <vector>

class CXTPOrientation;

// One control in one layout call.
struct XTPControlLayoutRecord
{
    CRect rcControl;  // where the control goes, bar client coordinates
    CRect rcRow;      // the control's row (column when docked vertically)
    CSize szControl;  // the control's size
    BOOL bVisible;    // hide flags clear apart from bit 2
    BOOL bWrap;       // begins a new row
    BOOL bHidden;     // does not fit: hide bit 2
    BOOL bBeginGroup; // a separator stands before it
    DWORD dwFlags;    // the control's flags (right-aligned 1, stretched 32)
};

class CXTPControlLayout
{
public:
    // A separator between groups takes this many pixels.
    static const int kGroupGap = 6;

    explicit CXTPControlLayout(DWORD dwMode) : m_dwMode(dwMode) {}

    void Add(const XTPControlLayoutRecord& record) { m_records.push_back(record); }
    int GetCount() const { return (int)m_records.size(); }
    XTPControlLayoutRecord& operator[](int nIndex) { return m_records[nIndex]; }
    const XTPControlLayoutRecord& operator[](int nIndex) const { return m_records[nIndex]; }
    // The mode word; wrapping adds the stretch bit.
    DWORD GetMode() const { return m_dwMode; }

    // Breaks the records into rows no longer than nWidth (heights with the
    // vertical-dock bit); returns the number of rows. With the no-wrap bit
    // (0x80) what does not fit is hidden instead.
    int WrapToolBar(int nWidth);
    // The narrowest shape of a floating bar for the length (a height with
    // bit 32, else a width).
    void SizeToolBar(int nLength);
    // After a wrap: the rows (columns) that hold a visible record that was
    // not hidden; 0 when none does.
    int GetPlacedRowCount() const;
    // Places the visible records row by row from (0, 0); returns the extent.
    CSize CalcSize(BOOL bVertical);
    // Moves the records inside the borders and centres each row (only with
    // the commit bit); returns the size with the borders added.
    CSize AdjustRows(CSize size, CRect rcBorder);
    // Centres the records nFirst..nLast in a row nExtent thick.
    void CenterRow(int nFirst, int nLast, int nExtent, BOOL bVertical, CSize size, CRect rcBorder);
    // Pushes right-aligned records of the last row to the far end and shares
    // each row's free space among its stretched records.
    void AlignStretchedControls(CSize size, CRect rcBorder);

private:
    // Rows run along x, or along y with the vertical-dock bit.
    CXTPOrientation GetOrientation() const;
    BOOL IsPlaced(int nIndex) const { return m_records[nIndex].bVisible && !m_records[nIndex].bHidden; }
    int Extent(int nIndex) const;
    // Wraps at the width and measures; the shape of one attempt.
    CSize WrapAndMeasure(int nWidth);

    DWORD m_dwMode;
    std::vector<XTPControlLayoutRecord> m_records;
};
