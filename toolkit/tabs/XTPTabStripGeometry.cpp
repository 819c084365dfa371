#include "toolkit/tabs/XTPTabStripGeometry.h"

#include <algorithm>
#include <numeric>

CRect XTPTabTurnSides(const CRect& rcSides, int nPosition)
{
    const int l = rcSides.left, t = rcSides.top, r = rcSides.right, b = rcSides.bottom;
    switch (nPosition)
    {
    case xtpTabPositionLeft:
        return CRect(t, l, b, r);
    case xtpTabPositionBottom:
        return CRect(l, b, r, t);
    case xtpTabPositionRight:
        return CRect(b, l, t, r);
    default:
        return CRect(l, t, r, b);
    }
}

void XTPTabDeflateSides(CRect& rc, const CRect& rcSides, int nPosition)
{
    const CRect rcTurned = XTPTabTurnSides(rcSides, nPosition);
    rc.DeflateRect(rcTurned.left, rcTurned.top, rcTurned.right, rcTurned.bottom);
}

void XTPTabInflateSides(CRect& rc, const CRect& rcSides, int nPosition)
{
    const CRect rcTurned = XTPTabTurnSides(rcSides, nPosition);
    rc.InflateRect(rcTurned.left, rcTurned.top, rcTurned.right, rcTurned.bottom);
}

CRect XTPTabBandAtTabSide(const CRect& rc, int nThickness, int nPosition)
{
    const CXTPOrientation orient(!XTPTabIsHorizontal(nPosition));
    CRect rcBand = rc;
    if (XTPTabIsFarSide(nPosition))
        orient.CrossStart(rcBand) = orient.CrossEnd(rc) - nThickness;
    else
        orient.CrossEnd(rcBand) = orient.CrossStart(rc) + nThickness;
    return rcBand;
}

int XTPTabCalcTabLength(int nContent, int nMinimum, int nMaximum, int nInsetLeft, int nInsetRight)
{
    int nLength = nInsetLeft + nInsetRight + nContent;
    if (nMinimum > 0)
        nLength = std::max(nLength, nMinimum);
    if (nMaximum >= 1)
        nLength = std::min(nLength, nMaximum);
    return nLength;
}

void XTPTabShrinkToFit(std::vector<int>& lengths, int nAvailable)
{
    const int nCount = (int)lengths.size();
    if (nCount == 0)
        return;
    const int nTotal = std::accumulate(lengths.begin(), lengths.end(), 0);
    if (nAvailable >= nTotal)
        return;
    if (nCount == 1)
    {
        lengths[0] = nAvailable;
        return;
    }
    std::vector<int> order(nCount);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return lengths[a] > lengths[b]; });

    int nExcess = nTotal - nAvailable;
    int nRun = 0; // the longest tabs, order[0 .. nRun), all of one length
    for (;;)
    {
        const int nWidth = lengths[order[nRun]];
        while (nRun < nCount && lengths[order[nRun]] == nWidth)
            nRun++;
        if (nRun == nCount)
        {
            for (int& nLength : lengths)
                nLength = nAvailable / nCount;
            return;
        }
        const int nNext = lengths[order[nRun]];
        if ((nWidth - nNext) * nRun >= nExcess)
        {
            for (int i = 0; i < nRun; i++)
                lengths[order[i]] -= nExcess / nRun;
            return;
        }
        nExcess -= (nWidth - nNext) * nRun;
        for (int i = 0; i < nRun; i++)
            lengths[order[i]] = nNext;
    }
}

int XTPTabFitScrollOffset(int nOffset, int nTotal, int nRowLength)
{
    if (nOffset >= 0 || nOffset + nTotal >= nRowLength)
        return nOffset;
    return nRowLength - nTotal > 0 ? 0 : nRowLength - nTotal;
}

int XTPTabEnsureVisibleOffset(int nOffset, int nItemBegin, int nItemEnd, int nHeaderBegin, int nHeaderEnd,
                              int nLeadingMargin)
{
    if (nItemBegin < nHeaderBegin)
        return nOffset - nItemBegin + nHeaderBegin + nLeadingMargin;
    if (nItemEnd > nHeaderEnd)
        return nOffset + nHeaderEnd - nItemEnd;
    return nOffset;
}

CRect XTPTabTakeButtonPlace(CRect& rcRow, BOOL bHorizontal, CSize sz)
{
    const CPoint ptCenter = rcRow.CenterPoint();
    if (bHorizontal)
    {
        const CRect rc(rcRow.right - sz.cx, ptCenter.y - (sz.cy - sz.cy / 2), rcRow.right, ptCenter.y + sz.cy / 2);
        rcRow.right -= sz.cx;
        return rc;
    }
    const CRect rc(ptCenter.x - sz.cx / 2, rcRow.bottom - sz.cy, ptCenter.x + sz.cx / 2, rcRow.bottom);
    rcRow.bottom -= sz.cy;
    return rc;
}

BOOL XTPTabRowFits(int nTotal, int nOffset, int nLeadingMargin, int nRowLength)
{
    return nTotal + nOffset - nLeadingMargin - 1 <= nRowLength && nOffset == 0;
}

BOOL XTPTabCanScrollForward(int nTotal, int nOffset, int nRowLength)
{
    return nTotal + nOffset > nRowLength - kTabScrollButtonsRoom;
}

void XTPTabStripMnemonics(CString& strText)
{
    const char chPlaceholder = '\x01';
    strText.Replace("&&", CString(chPlaceholder, 2));
    strText.Remove('&');
    strText.Replace(CString(chPlaceholder, 2), "&");
}

CString XTPTabMiddleEllipsis(const CString& strText, int nAvailable,
                             const std::function<int(const CString&)>& measure)
{
    const CString strDots("...");
    const int nDotsWidth = measure(strDots);
    const int nTextWidth = measure(strText);
    if (nTextWidth <= nAvailable)
        return strText;
    if (nAvailable <= nDotsWidth)
        return strDots;

    const int nLength = strText.GetLength();
    const int nRoom = nAvailable - nDotsWidth;
    auto partsWidth = [&](int n) { return measure(strText.Left(n - n / 2)) + measure(strText.Right(n / 2)); };
    int n = nTextWidth > 0 ? (int)((long long)nLength * nRoom / nTextWidth) : nLength;
    while (n < nLength && partsWidth(n) < nRoom)
        n++;
    while (n > 0 && partsWidth(n) > nRoom)
        n--;
    return strText.Left(n - n / 2) + strDots + strText.Right(n / 2);
}

std::vector<CRect> XTPTabStackRows(const CRect& rc, int nRowHeight, int nCount, int nSelected)
{
    std::vector<CRect> rows;
    int y = rc.top;
    for (int i = 0; i < nCount; i++)
    {
        rows.push_back(CRect(rc.left, y, rc.right, y + nRowHeight));
        y += nRowHeight;
        if (i == nSelected)
        {
            const int nAfter = nCount - 1 - i;
            const int nBottomStack = std::max(y + nRowHeight, (int)rc.bottom - nAfter * nRowHeight);
            y = std::max(y, std::min(nBottomStack, (int)rc.bottom - 1));
        }
    }
    return rows;
}

CRect XTPTabStackedClientRect(const CRect& rc, int nRowHeight, int nCount, int nSelected, BOOL bFramed)
{
    const int nRowsAbove = (nSelected < 0 ? nCount - 1 : nSelected) + 1;
    const int nRowsBelow = nCount - nRowsAbove;
    CRect rcClient = rc;
    rcClient.top = rc.top + nRowsAbove * nRowHeight + 1;
    rcClient.bottom = std::max((int)rc.bottom - nRowsBelow * nRowHeight, (int)rcClient.top + nRowHeight);
    if (nRowsBelow == 0 && bFramed)
        rcClient.bottom--;
    if (bFramed)
        rcClient.DeflateRect(1, 0, 1, 0);
    return rcClient;
}
