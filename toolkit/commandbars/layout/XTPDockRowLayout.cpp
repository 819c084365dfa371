#include "toolkit/commandbars/layout/XTPDockRowLayout.h"

#include <algorithm>

namespace {

struct RowRecord
{
    int nInput; // index of the input record
    CRect rc;
    CRect rcFirst; // the rectangle as first computed
    int nRowIndex;
    int nMinLength;
    int nTotalMinBefore;
};

// By left edge; equal edges keep the dock bar's row order, so the result
// never depends on how the sort treats equal keys.
bool ComesBefore(const RowRecord& a, const RowRecord& b)
{
    if (a.rc.left != b.rc.left)
        return a.rc.left < b.rc.left;
    return a.nRowIndex < b.nRowIndex;
}

void MoveTo(RowRecord& record, int nLeft)
{
    record.rc.OffsetRect(nLeft - record.rc.left, 0);
}

// A bar that overlaps its left neighbour moves right, except when it stands
// before the neighbour in the row and the neighbour kept its place.
void PushRight(std::vector<RowRecord>& records)
{
    BOOL bPreviousMoved = FALSE;
    for (size_t i = 1; i < records.size(); i++)
    {
        RowRecord& previous = records[i - 1];
        RowRecord& record = records[i];
        BOOL bMoved = FALSE;
        if (record.rc.left < previous.rc.right
            && !(record.nRowIndex <= previous.nRowIndex && !bPreviousMoved))
        {
            MoveTo(record, previous.rc.right);
            bMoved = TRUE;
        }
        bPreviousMoved = bMoved;
    }
}

// From the row's end: a bar that overlaps its right neighbour (or the end)
// moves left, with the same exception.
void PushLeft(std::vector<RowRecord>& records, int nLength)
{
    int nNextLeft = nLength;
    BOOL bNextMoved = TRUE;
    int nNextRowIndex = 0x7FFFFFFF;
    for (int i = (int)records.size() - 1; i >= 0; i--)
    {
        RowRecord& record = records[i];
        BOOL bMoved = FALSE;
        if (record.rc.right > nNextLeft && !(record.nRowIndex <= nNextRowIndex && !bNextMoved))
        {
            MoveTo(record, nNextLeft - record.rc.Width());
            bMoved = TRUE;
        }
        nNextLeft = record.rc.left;
        nNextRowIndex = record.nRowIndex;
        bNextMoved = bMoved;
    }
}

// Left to right from the row's start: a bar pushed out of the row's start
// comes back to it, and a bar that still overlaps its left neighbour moves
// right.
void RemoveOverlap(std::vector<RowRecord>& records)
{
    int nPreviousRight = 0;
    for (RowRecord& record : records)
    {
        if (record.rc.left < nPreviousRight)
            MoveTo(record, nPreviousRight);
        nPreviousRight = record.rc.right;
    }
}

// Squeezes the row into nLength from its end; FALSE when a bar would get less
// than its minimum or start inside the minimums of the bars before it.
BOOL Compress(std::vector<RowRecord>& records, int nLength)
{
    int nTotal = 0;
    for (RowRecord& record : records)
    {
        record.nTotalMinBefore = nTotal;
        nTotal += record.nMinLength;
    }
    int nRight = nLength;
    for (int i = (int)records.size() - 1; i >= 0; i--)
    {
        RowRecord& record = records[i];
        int nWidth = record.rc.Width();
        int nLeft = std::min(record.rc.left, record.rcFirst.left);
        nLeft = std::max(nLeft, nRight - nWidth);
        nLeft = std::max(nLeft, record.nTotalMinBefore);
        nLeft = std::min(nLeft, nRight - record.nMinLength);
        if ((nRight - nLeft < record.nMinLength || nLeft < record.nTotalMinBefore) && records.size() > 1)
            return FALSE;
        record.rc.left = std::max(nLeft, 0);
        record.rc.right = nRight;
        nRight = record.rc.left;
    }
    return TRUE;
}

} // namespace

BOOL XTPAdjustDockRow(const std::vector<XTPDockRowBar>& bars, int nLength, std::vector<CRect>& rects,
                      int& nRemove)
{
    std::vector<RowRecord> records;
    for (size_t i = 0; i < bars.size(); i++)
    {
        const XTPDockRowBar& bar = bars[i];
        RowRecord record;
        record.nInput = (int)i;
        record.rc = CRect(CPoint(bar.nStart, 0), bar.size);
        record.rcFirst = record.rc;
        record.nRowIndex = bar.nRowIndex;
        record.nMinLength = bar.nMinLength;
        record.nTotalMinBefore = 0;
        records.push_back(record);
    }
    std::sort(records.begin(), records.end(), ComesBefore);

    PushRight(records);
    PushLeft(records, nLength);
    RemoveOverlap(records);

    if (!records.empty() && records.back().rc.right > nLength && !Compress(records, nLength))
    {
        nRemove = bars[records.back().nInput].nBar;
        return FALSE;
    }

    rects.assign(bars.size(), CRect());
    for (const RowRecord& record : records)
        rects[record.nInput] = record.rc;
    return TRUE;
}
