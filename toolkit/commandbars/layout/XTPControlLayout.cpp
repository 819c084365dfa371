#include "toolkit/commandbars/layout/XTPControlLayout.h"

#include "toolkit/commandbars/layout/XTPOrientation.h"

#include <algorithm>

CXTPOrientation CXTPControlLayout::GetOrientation() const
{
    return CXTPOrientation((m_dwMode & xtpLayoutVertDock) != 0);
}

int CXTPControlLayout::Extent(int nIndex) const
{
    return GetOrientation().Main(m_records[nIndex].szControl);
}

int CXTPControlLayout::WrapToolBar(int nWidth)
{
    for (XTPControlLayoutRecord& record : m_records)
        record.bWrap = record.bHidden = FALSE;

    int nRows = 0;
    int x = 0;
    BOOL bFirst = TRUE;
    int nRowStart = -1; // the first placed record of the current row
    const int nCount = GetCount();
    for (int i = 0; i < nCount; i++)
    {
        if (!m_records[i].bVisible)
            continue;
        const int nExtent = Extent(i) + (m_records[i].bBeginGroup && !bFirst ? kGroupGap : 0);
        if (x + nExtent <= nWidth)
        {
            x += nExtent;
            bFirst = FALSE;
            if (nRowStart < 0)
                nRowStart = i;
            continue;
        }
        if ((m_dwMode & xtpLayoutHideWrap) && !bFirst)
        {
            for (int j = i; j < nCount; j++)
                m_records[j].bHidden = TRUE;
            m_dwMode |= xtpLayoutStretch;
            return nRows;
        }
        // Rather wrap where the last group of this row began, so a group
        // stays together; the records after it are placed again.
        for (int j = i; j > nRowStart && j >= 0 && !m_records[j].bWrap; j--)
        {
            if (m_records[j].bVisible && m_records[j].bBeginGroup)
            {
                i = j;
                break;
            }
        }
        m_records[i].bWrap = TRUE;
        x = Extent(i);
        if (!(m_dwMode & xtpLayoutHideWrap))
            m_dwMode |= xtpLayoutStretch;
        nRows++;
        bFirst = FALSE;
        nRowStart = i;
    }
    return nRows + 1;
}

CSize CXTPControlLayout::CalcSize(BOOL bVertical)
{
    CSize szResult(0, 0);
    int x = 0, y = 0, nThickness = 0;
    BOOL bFirst = TRUE;
    for (int i = 0; i < GetCount(); i++)
    {
        if (!IsPlaced(i))
            continue;
        XTPControlLayoutRecord& record = m_records[i];
        const int nGap = record.bBeginGroup ? kGroupGap : 0;
        if (bVertical)
        {
            if (record.bWrap)
            {
                x -= nThickness + nGap;
                y = 0;
                nThickness = 0;
            }
            else if (!bFirst)
                y += nGap;
            nThickness = std::max(nThickness, (int)record.szControl.cx);
            record.rcControl.SetRect(x - record.szControl.cx, y, x, y + record.szControl.cy);
            szResult.cx = std::max(szResult.cx, record.szControl.cx - x);
            szResult.cy = std::max(szResult.cy, y + record.szControl.cy);
            y += record.szControl.cy;
        }
        else
        {
            if (record.bWrap)
            {
                y += nThickness + nGap;
                x = 0;
                nThickness = 0;
            }
            else if (!bFirst)
                x += nGap;
            nThickness = std::max(nThickness, (int)record.szControl.cy);
            record.rcControl.SetRect(x, y, x + record.szControl.cx, y + record.szControl.cy);
            szResult.cx = std::max(szResult.cx, x + record.szControl.cx);
            szResult.cy = std::max(szResult.cy, y + record.szControl.cy);
            x += record.szControl.cx;
        }
        bFirst = FALSE;
    }
    return szResult;
}

CSize CXTPControlLayout::WrapAndMeasure(int nWidth)
{
    WrapToolBar(nWidth);
    return CalcSize(FALSE);
}

int CXTPControlLayout::GetPlacedRowCount() const
{
    int nRows = 0;
    for (int i = 0; i < GetCount(); i++)
    {
        if (IsPlaced(i) && (nRows == 0 || m_records[i].bWrap))
            nRows++;
    }
    return nRows;
}

void CXTPControlLayout::SizeToolBar(int nLength)
{
    // The wraps of the search do not change the caller's mode.
    const DWORD dwMode = m_dwMode;
    if (dwMode & xtpLayoutLengthIsHeight)
    {
        CSize szLower = WrapAndMeasure(0);     // one control per row
        CSize szUpper = WrapAndMeasure(32767); // one row
        BOOL bExact = FALSE;
        while (szLower.cx < szUpper.cx)
        {
            const CSize sz = WrapAndMeasure((szLower.cx + szUpper.cx) / 2);
            if (nLength >= sz.cy)
            {
                if (nLength == sz.cy)
                {
                    bExact = TRUE;
                    break;
                }
                szUpper = sz;
            }
            else
            {
                if (sz == szLower)
                    break;
                szLower = sz;
            }
        }
        if (!bExact)
            WrapToolBar(szUpper.cx);
    }
    else
    {
        const int nRows = WrapToolBar(nLength);
        if (WrapToolBar(0) != nRows)
        {
            int nLower = 0, nUpper = nLength;
            for (;;)
            {
                const int nMiddle = (nLower + nUpper) / 2;
                if (nMiddle == nLower)
                {
                    WrapToolBar(nUpper);
                    break;
                }
                if (WrapToolBar(nMiddle) == nRows)
                    nUpper = nMiddle;
                else
                    nLower = nMiddle;
            }
        }
        WrapToolBar(CalcSize(FALSE).cx);
    }
    m_dwMode = dwMode;
}

CSize CXTPControlLayout::AdjustRows(CSize size, CRect rcBorder)
{
    if (m_dwMode & xtpLayoutCommit)
    {
        const CXTPOrientation orient = GetOrientation();
        const BOOL bVertical = orient.IsVertical();
        int nFirst = -1, nLast = -1, nThickness = 0;
        BOOL bSingleRow = TRUE;
        for (int i = 0; i < GetCount(); i++)
        {
            if (!IsPlaced(i))
                continue;
            XTPControlLayoutRecord& record = m_records[i];
            record.rcControl.OffsetRect(rcBorder.left + (bVertical ? size.cx : 0), rcBorder.top);
            if (record.bWrap && nFirst >= 0)
            {
                CenterRow(nFirst, nLast, nThickness, bVertical, size, rcBorder);
                nFirst = -1;
                nThickness = 0;
                bSingleRow = FALSE;
            }
            if (nFirst < 0)
                nFirst = i;
            nLast = i;
            nThickness = std::max(nThickness, (int)orient.Cross(record.szControl));
        }
        if (nFirst >= 0)
            CenterRow(nFirst, nLast, bSingleRow ? (int)orient.Cross(size) : nThickness, bVertical, size,
                      rcBorder);
    }
    return CSize(size.cx + rcBorder.left + rcBorder.right, size.cy + rcBorder.top + rcBorder.bottom);
}

void CXTPControlLayout::CenterRow(int nFirst, int nLast, int nExtent, BOOL bVertical, CSize size,
                                  CRect rcBorder)
{
    for (int i = nFirst; i <= nLast; i++)
    {
        if (!IsPlaced(i))
            continue;
        XTPControlLayoutRecord& record = m_records[i];
        CRect& rc = record.rcControl;
        if (bVertical)
        {
            record.rcRow.SetRect(rc.right - nExtent, rcBorder.top, rc.right, size.cy + rcBorder.top);
            rc.OffsetRect((rc.Width() - nExtent) / 2, 0);
        }
        else
        {
            record.rcRow.SetRect(rcBorder.left, rc.top, size.cx + rcBorder.left, rc.top + nExtent);
            rc.OffsetRect(0, (nExtent - rc.Height()) / 2);
        }
    }
}

void CXTPControlLayout::AlignStretchedControls(CSize size, CRect rcBorder)
{
    // The border rectangle holds widths: its "end" edges are the far borders.
    const CXTPOrientation orient = GetOrientation();
    const int nFarEnd = orient.Main(size) - orient.MainEnd(rcBorder);
    const int nNearEnd = orient.MainStart(rcBorder);
    const int nCount = GetCount();
    std::vector<BOOL> arrRightAligned(nCount, FALSE);

    // The trailing run of right-aligned controls of the last row.
    int nRunStart = nFarEnd;
    for (int i = nCount - 1; i >= 0; i--)
    {
        if (!IsPlaced(i))
            continue;
        XTPControlLayoutRecord& record = m_records[i];
        if (!(record.dwFlags & xtpFlagRightAlign))
            break;
        const int nLength = orient.MainLength(record.rcControl);
        if (nRunStart - nLength < nNearEnd)
            break;
        orient.Offset(record.rcControl, nRunStart - orient.MainEnd(record.rcControl), 0);
        nRunStart -= nLength;
        arrRightAligned[i] = TRUE;
        if (record.bWrap)
            break;
    }

    // Rows from the last to the first: each row's free space goes to its
    // stretched controls.
    int nRowEnd = nCount - 1;
    BOOL bLastRow = TRUE;
    while (nRowEnd >= 0)
    {
        int nRowStart = nRowEnd;
        while (nRowStart > 0 && !(IsPlaced(nRowStart) && m_records[nRowStart].bWrap))
            nRowStart--;

        int nEnd = nNearEnd, nStretched = 0;
        for (int i = nRowStart; i <= nRowEnd; i++)
        {
            if (!IsPlaced(i) || arrRightAligned[i])
                continue;
            nEnd = orient.MainEnd(m_records[i].rcControl);
            if (m_records[i].dwFlags & xtpFlagControlStretched)
                nStretched++;
        }
        int nFree = (bLastRow ? nRunStart : nFarEnd) - nEnd;
        if (nStretched > 0 && nFree >= 1)
        {
            int nGiven = 0;
            for (int i = nRowStart; i <= nRowEnd; i++)
            {
                if (!IsPlaced(i) || arrRightAligned[i])
                    continue;
                CRect& rc = m_records[i].rcControl;
                orient.Offset(rc, nGiven, 0);
                if (m_records[i].dwFlags & xtpFlagControlStretched)
                {
                    const int nAdd = nFree / nStretched;
                    orient.MainEnd(rc) += nAdd;
                    nGiven += nAdd;
                    nFree -= nAdd;
                    nStretched--;
                }
            }
        }
        nRowEnd = nRowStart - 1;
        bLastRow = FALSE;
    }
}
