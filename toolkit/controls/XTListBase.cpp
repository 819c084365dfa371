#include "toolkit/controls/XTListBase.h"
#include "framework/window/CPaintDC.h"

#include "toolkit/controls/XTListEditResource.h"
#include "toolkit/controls/XTProfileManager.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <algorithm>
#include <stdlib.h>

namespace {

const COLORREF kUnset = (COLORREF)-1;
const int kHeaderTextMargin = 12;
const int kSortArrowRoom = 24;
const int kRowTextChars = 256;
const LRESULT kDrawDefault = 0; // CDRF_DEFAULT

// Each channel less 8, not below 0.
COLORREF Darker(COLORREF cr)
{
    return RGB(std::max(GetRValue(cr) - 8, 0), std::max(GetGValue(cr) - 8, 0),
               std::max(GetBValue(cr) - 8, 0));
}

CString ToolkitString(UINT nID)
{
    CString str;
    XTPResourceManager()->LoadString(&str, nID);
    return str;
}

} // namespace

CXTListBase::CXTListBase()
    : m_nMinColWidth(0), m_nMaxColWidth(::GetSystemMetrics(SM_CXFULLSCREEN)), m_nSortColumn(-1),
      m_bUseToolkitFont(1), m_bAutoSave(0), m_bCustomColors(0), m_bRowColors(0), m_bSortShading(0),
      m_bAscending(1), m_bLockWidths(0), m_crText(kUnset), m_crBack(kUnset), m_crSortText(kUnset),
      m_crSortBack(kUnset), m_rowColors(10), m_pListCtrl(NULL)
{}

CXTListBase::~CXTListBase()
{}

BOOL CXTListBase::IsReportStyle() const
{
    return (m_pListCtrl->GetStyle() & LVS_TYPEMASK) == LVS_REPORT;
}

CHeaderCtrl* CXTListBase::GetHeaderCtrl() const
{
    return (CHeaderCtrl*)CWnd::FromHandle(::GetDlgItem(m_pListCtrl->GetSafeHwnd(), 0));
}

CXTFlatHeaderCtrl* CXTListBase::GetFlatHeaderCtrl() const
{
    CWnd* pHeader = CWnd::FromHandlePermanent(::GetDlgItem(m_pListCtrl->GetSafeHwnd(), 0));
    return pHeader != NULL && pHeader->IsKindOf(RUNTIME_CLASS(CXTFlatHeaderCtrl))
               ? (CXTFlatHeaderCtrl*)pHeader
               : NULL;
}

void CXTListBase::SetMinColumnWidth(int nWidth)
{
    m_nMinColWidth = nWidth;
    m_flatHeader.SetMinColumnWidth(nWidth);
}

int CXTListBase::GetSortColumn(BOOL* pbAscending) const
{
    if (pbAscending != NULL)
        *pbAscending = m_bAscending;
    return m_nSortColumn;
}

BOOL CXTListBase::SubclassHeader(BOOL bBoldFont)
{
    if (!IsReportStyle() || m_flatHeader.GetSafeHwnd() != NULL)
        return FALSE;
    if (!m_flatHeader.SubclassWindow(::GetDlgItem(m_pListCtrl->GetSafeHwnd(), 0)))
        return FALSE;
    m_flatHeader.ApplyBoldFont(bBoldFont);
    return TRUE;
}

void CXTListBase::UpdateFont()
{
    if (m_bUseToolkitFont)
        m_pListCtrl->SetFont(&XTAuxData()->font);
}

// ---------------------------------------------------------------------------
// Sorting and header notifications

int CXTListBase::SetSortImage(int nCol, BOOL bAscending)
{
    int nPrevious = m_nSortColumn;
    m_nSortColumn = nCol;
    m_bAscending = (BYTE)(bAscending != FALSE);
    CWnd* pHeader = CWnd::FromHandlePermanent(::GetDlgItem(m_pListCtrl->GetSafeHwnd(), 0));
    if (pHeader != NULL && pHeader->IsKindOf(RUNTIME_CLASS(CXTHeaderCtrl)))
        ((CXTHeaderCtrl*)pHeader)->SetSortColumn(nCol, bAscending);
    return nPrevious;
}

BOOL CXTListBase::SortList(int, BOOL)
{
    return TRUE;
}

void CXTListBase::OnColumnClick(const NMHEADERA* pHeader)
{
    if (pHeader->iButton == 0)
    {
        m_bAscending = pHeader->iItem == m_nSortColumn ? !m_bAscending : 1;
    }
    else
    {
        CWnd* pHeaderWnd = CWnd::FromHandlePermanent(pHeader->hdr.hwndFrom);
        if (pHeaderWnd != NULL && pHeaderWnd->IsKindOf(RUNTIME_CLASS(CXTHeaderCtrl)))
            m_bAscending = (BYTE)(((CXTHeaderCtrl*)pHeaderWnd)->m_bSortAscending != FALSE);
    }
    SetSortImage(pHeader->iItem, m_bAscending);
    SortList(pHeader->iItem, m_bAscending);
}

BOOL CXTListBase::IsBelowMinimumWidth(const NMHEADERA* pHeader) const
{
    return pHeader->pitem != NULL && (pHeader->pitem->mask & HDI_WIDTH)
           && pHeader->pitem->cxy < m_nMinColWidth;
}

BOOL CXTListBase::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    // The ANSI and wide header records share every field read here.
    const NMHEADERA* pHeader = (const NMHEADERA*)lParam;
    switch (pHeader->hdr.code)
    {
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
    case HDN_DIVIDERDBLCLICKA:
    case HDN_DIVIDERDBLCLICKW:
        if (m_bLockWidths)
        {
            *pResult = 1;
            return TRUE;
        }
        break;
    case HDN_ITEMCLICKA:
    case HDN_ITEMCLICKW:
        if (pHeader->iButton == 0 || pHeader->iButton == 1)
            OnColumnClick(pHeader);
        break;
    case HDN_ITEMCHANGINGA:
    case HDN_ITEMCHANGINGW:
        if (IsBelowMinimumWidth(pHeader))
        {
            // Not every header takes a width raised in the record: the
            // column gets the minimum itself and the narrower change is
            // refused.
            pHeader->pitem->cxy = m_nMinColWidth;
            m_pListCtrl->SetColumnWidth(pHeader->iItem, m_nMinColWidth);
            *pResult = 1;
            return TRUE;
        }
        break;
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
        if (IsBelowMinimumWidth(pHeader))
            pHeader->pitem->cxy = m_nMinColWidth;
        break;
    }
    return FALSE;
}

// ---------------------------------------------------------------------------
// Column widths

void CXTListBase::AutoSaveColumns(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    m_bAutoSave = 1;
    m_strSection = lpszSection != NULL ? CString(lpszSection) : ToolkitString(XT_IDS_REG_SETTINGS);
    m_strEntry = lpszEntry != NULL ? CString(lpszEntry) : ToolkitString(XT_IDS_REG_COLINFO);
    m_strDefault = lpszDefault != NULL ? lpszDefault : "";
    LoadColumnWidths();
}

void CXTListBase::SaveColumnWidths()
{
    if (!IsReportStyle())
        return;
    CString strWidths;
    int nCount = GetColumnCount();
    for (int nCol = 0; nCol < nCount; nCol++)
    {
        CString strWidth;
        strWidth.Format("%d,", m_pListCtrl->GetColumnWidth(nCol));
        strWidths += strWidth;
    }
    CXTProfileManager profile(HKEY_CURRENT_USER);
    profile.WriteProfileString(m_strSection, m_strEntry, strWidths);
}

int CXTListBase::GetStoredColumnWidth(int nCol)
{
    CXTProfileManager profile(HKEY_CURRENT_USER);
    CString strWidths = profile.GetProfileString(m_strSection, m_strEntry, m_strDefault);
    // Field nCol of the comma-separated list; a field that is missing or
    // empty was never saved.
    int nStart = 0;
    for (int i = 0; i < nCol; i++)
    {
        nStart = strWidths.Find(',', nStart);
        if (nStart < 0)
            return -1;
        nStart++;
    }
    int nEnd = strWidths.Find(',', nStart);
    CString strField = nEnd < 0 ? strWidths.Mid(nStart) : strWidths.Mid(nStart, nEnd - nStart);
    strField.Trim();
    return strField.IsEmpty() ? -1 : atoi(strField);
}

void CXTListBase::RestoreColumnWidth(int nCol)
{
    int nWidth = GetStoredColumnWidth(nCol);
    if (nWidth >= 0)
        m_pListCtrl->SetColumnWidth(nCol, nWidth);
}

void CXTListBase::LoadColumnWidths()
{
    if (!IsReportStyle())
        return;
    int nCount = GetColumnCount();
    for (int nCol = 0; nCol < nCount; nCol++)
        RestoreColumnWidth(nCol);
}

void CXTListBase::OnDestroyList()
{
    if (m_bAutoSave)
        SaveColumnWidths();
}

void CXTListBase::AutoSizeColumn(int nCol)
{
    int nFirst = nCol < 0 ? 0 : nCol;
    int nLast = nCol < 0 ? GetColumnCount() - 1 : nCol;
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    CXTFlatHeaderCtrl* pFlatHeader = GetFlatHeaderCtrl();
    m_pListCtrl->SetRedraw(FALSE);
    for (int i = nFirst; i <= nLast; i++)
    {
        m_pListCtrl->SetColumnWidth(i, LVSCW_AUTOSIZE);
        int nWidth = m_pListCtrl->GetColumnWidth(i);

        char szText[kRowTextChars] = "";
        HDITEMA hdi;
        hdi.mask = HDI_TEXT;
        hdi.pszText = szText;
        hdi.cchTextMax = kRowTextChars;
        int nHeaderWidth = 0;
        if (pHeader != NULL && pHeader->GetItem(i, &hdi))
        {
            CClientDC dc(pHeader);
            CFont* pOldFont = dc.SelectObject(pHeader->GetFont());
            nHeaderWidth = dc.GetTextExtent(szText, lstrlenA(szText)).cx + kHeaderTextMargin;
            dc.SelectObject(pOldFont);
            if (pFlatHeader != NULL && i == m_nSortColumn && pFlatHeader->IsSortArrowEnabled())
                nHeaderWidth += kSortArrowRoom;
        }
        nWidth = std::max(nWidth, nHeaderWidth);
        nWidth = std::min(std::max(nWidth, m_nMinColWidth), m_nMaxColWidth);
        m_pListCtrl->SetColumnWidth(i, nWidth);
    }
    m_pListCtrl->SetRedraw(TRUE);
    m_pListCtrl->Invalidate();
}

// ---------------------------------------------------------------------------
// Columns and rows

int CXTListBase::GetColumnCount() const
{
    if (!IsReportStyle())
        return -1;
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    return pHeader != NULL ? pHeader->GetItemCount() : -1;
}

int CXTListBase::AddColumn(LPCTSTR lpszColHeading, int nWidth, int nFormat)
{
    int nCount = GetColumnCount();
    if (nCount < 0)
        return -1;
    if (nWidth == -1)
        nWidth = nCount > 0 ? m_pListCtrl->GetColumnWidth(nCount - 1) : 0;
    return m_pListCtrl->InsertColumn(nCount, lpszColHeading, nFormat, nWidth);
}

BOOL CXTListBase::BuildColumns(int nCols, int* nWidth, CString* strColString)
{
    for (int i = 0; i < nCols; i++)
    {
        if (m_pListCtrl->InsertColumn(i, strColString[i], LVCFMT_LEFT, nWidth[i]) == -1)
            return FALSE;
    }
    return TRUE;
}

BOOL CXTListBase::BuildColumns(int nCols, int* nWidth, int* nColString)
{
    for (int i = 0; i < nCols; i++)
    {
        CString strName = ToolkitString(nColString[i]);
        if (m_pListCtrl->InsertColumn(i, strName, LVCFMT_LEFT, nWidth[i]) == -1)
            return FALSE;
    }
    return TRUE;
}

int CXTListBase::CopyRow(int nFrom, int nTo)
{
    if (nFrom == nTo || nFrom < 0 || nTo < 0)
        return -1;
    char szText[kRowTextChars] = "";
    LVITEMA lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    lvi.iItem = nFrom;
    lvi.pszText = szText;
    lvi.cchTextMax = kRowTextChars;
    if (!m_pListCtrl->GetItem(&lvi))
        return -1;
    lvi.iItem = nTo;
    int nNew = m_pListCtrl->InsertItem(&lvi);
    if (nNew < 0)
        return -1;
    if (nFrom > nNew)
        nFrom++;
    int nCols = std::max(GetColumnCount(), 1);
    for (int nCol = 1; nCol < nCols; nCol++)
        m_pListCtrl->SetItemText(nNew, nCol, m_pListCtrl->GetItemText(nFrom, nCol));
    return nFrom;
}

BOOL CXTListBase::MoveRow(int nFrom, int nTo)
{
    int nOld = CopyRow(nFrom, nTo);
    return nOld >= 0 && m_pListCtrl->DeleteItem(nOld);
}

int CXTListBase::HitTestEx(CPoint& point, int* pCol) const
{
    if (pCol != NULL)
        *pCol = -1;
    if (!IsReportStyle())
        return m_pListCtrl->HitTest(point);

    CHeaderCtrl* pHeader = GetHeaderCtrl();
    int nCols = pHeader != NULL ? pHeader->GetItemCount() : 0;
    int nRow = m_pListCtrl->GetTopIndex();
    int nBottom = std::min(nRow + m_pListCtrl->GetCountPerPage(), m_pListCtrl->GetItemCount());
    for (; nRow <= nBottom && nRow < m_pListCtrl->GetItemCount(); nRow++)
    {
        CRect rc;
        m_pListCtrl->GetItemRect(nRow, &rc, LVIR_BOUNDS);
        if (!rc.PtInRect(point))
            continue;
        int x = rc.left;
        for (int nOrder = 0; nOrder < nCols; nOrder++)
        {
            int nCol = pHeader->OrderToIndex(nOrder);
            int cx = m_pListCtrl->GetColumnWidth(nCol);
            if (point.x >= x && point.x < x + cx)
            {
                if (pCol != NULL)
                    *pCol = nCol;
                return nRow;
            }
            x += cx;
        }
        return nRow;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Styles

void CXTListBase::SetExtendedStyle(DWORD dwExStyle)
{
    m_pListCtrl->SetExtendedStyle(m_pListCtrl->GetExtendedStyle() | dwExStyle);
}

DWORD CXTListBase::GetExtendedStyle()
{
    return m_pListCtrl->GetExtendedStyle();
}

BOOL CXTListBase::ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd)
{
    DWORD dwStyle = GetExtendedStyle();
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwNewStyle == dwStyle)
        return FALSE;
    m_pListCtrl->SetExtendedStyle(dwNewStyle);
    return TRUE;
}

void CXTListBase::LockColumnWidths(BOOL bLock)
{
    m_bLockWidths = (BYTE)(bLock != FALSE);
}

// ---------------------------------------------------------------------------
// Colours

COLORREF CXTListBase::GetListTextColor() const
{
    return m_bCustomColors && m_crText != kUnset ? m_crText : ::GetSysColor(COLOR_WINDOWTEXT);
}

COLORREF CXTListBase::GetListBackColor() const
{
    return m_bCustomColors && m_crBack != kUnset ? m_crBack : ::GetSysColor(COLOR_WINDOW);
}

COLORREF CXTListBase::GetSortTextColor() const
{
    return m_crSortText != kUnset ? m_crSortText : GetListTextColor();
}

COLORREF CXTListBase::GetSortBackColor() const
{
    return m_crSortBack != kUnset ? m_crSortBack : GetListBackColor();
}

void CXTListBase::RefreshMetrics()
{
    m_nMaxColWidth = ::GetSystemMetrics(SM_CXFULLSCREEN);
    m_crSortText = GetListTextColor();
    m_crSortBack = Darker(GetListBackColor());
}

void CXTListBase::SetListColors(COLORREF crText, COLORREF crBack)
{
    m_crText = crText;
    m_crBack = crBack;
    m_bCustomColors = 1;
    m_pListCtrl->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

CXTRowColor* CXTListBase::GetRowColors(int nRow)
{
    for (POSITION pos = m_rowColors.GetHeadPosition(); pos != NULL;)
    {
        CXTRowColor& rowColor = m_rowColors.GetNext(pos);
        if (rowColor.nRow == nRow)
            return &rowColor;
    }
    return NULL;
}

void CXTListBase::SetRowColors(const CXTRowColor& rowColor)
{
    CXTRowColor* pExisting = GetRowColors(rowColor.nRow);
    if (pExisting != NULL)
        *pExisting = rowColor;
    else
        m_rowColors.AddTail(rowColor);
}

void CXTListBase::SetRowColors(int nRow, COLORREF crText, COLORREF crBack)
{
    CXTRowColor rowColor = {nRow, crBack, crText};
    SetRowColors(rowColor);
}

void CXTListBase::RemoveAllRowColors()
{
    m_rowColors.RemoveAll();
}

void CXTListBase::GetCellColors(int nRow, int nSubItem, BOOL bSelected, COLORREF& crText, COLORREF& crBack)
{
    if (!m_pListCtrl->IsWindowEnabled())
    {
        crText = ::GetSysColor(COLOR_WINDOWTEXT);
        crBack = ::GetSysColor(COLOR_BTNFACE);
        return;
    }
    BOOL bSortedColumn = m_bSortShading && nSubItem == m_nSortColumn;
    const CXTRowColor* pRow = m_bRowColors && !bSelected ? GetRowColors(nRow) : NULL;
    if (pRow != NULL)
    {
        crText = pRow->crText;
        crBack = bSortedColumn ? CXTPColorManager::BlendColors(pRow->crBack, GetSortBackColor(), 50)
                               : pRow->crBack;
    }
    else if (bSortedColumn)
    {
        crText = GetSortTextColor();
        crBack = GetSortBackColor();
    }
    else
    {
        crText = GetListTextColor();
        crBack = GetListBackColor();
    }
}

void CXTListBase::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = (NMLVCUSTOMDRAW*)pNMHDR;
    switch (pDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
    {
        int nRow = (int)pDraw->nmcd.dwItemSpec;
        BOOL bSelected = (m_pListCtrl->GetItemState(nRow, LVIS_SELECTED) & LVIS_SELECTED) != 0;
        GetCellColors(nRow, pDraw->iSubItem, bSelected, pDraw->clrText, pDraw->clrTextBk);
        *pResult = kDrawDefault;
        return;
    }
    default:
        *pResult = kDrawDefault;
        return;
    }
}

// ---------------------------------------------------------------------------
// Painting

int CXTListBase::SortColumnLeft() const
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    int x = -m_pListCtrl->GetScrollPos(SB_HORZ);
    int nCols = pHeader != NULL ? pHeader->GetItemCount() : 0;
    for (int nOrder = 0; nOrder < nCols; nOrder++)
    {
        int nCol = pHeader->OrderToIndex(nOrder);
        if (nCol == m_nSortColumn)
            break;
        x += m_pListCtrl->GetColumnWidth(nCol);
    }
    return x;
}

void CXTListBase::PaintList(CDC* pDC)
{
    CRect rcClient;
    m_pListCtrl->GetClientRect(&rcClient);
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    CRect rcHeader;
    if (pHeader != NULL && pHeader->IsWindowVisible())
    {
        pHeader->GetWindowRect(&rcHeader);
        m_pListCtrl->ScreenToClient(&rcHeader);
        pDC->ExcludeClipRect(&rcHeader);
    }
    COLORREF crBack = m_pListCtrl->IsWindowEnabled() ? GetListBackColor() : ::GetSysColor(COLOR_BTNFACE);
    {
        CXTMemDC memDC(pDC, rcClient, crBack);
        if (m_bSortShading && m_nSortColumn >= 0 && IsReportStyle() && m_pListCtrl->IsWindowEnabled())
        {
            int x = SortColumnLeft();
            CRect rcStrip(x, rcHeader.bottom, x + m_pListCtrl->GetColumnWidth(m_nSortColumn),
                          rcClient.bottom);
            memDC.FillSolidRect(&rcStrip, GetSortBackColor());
        }
        m_pListCtrl->DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
    }
    if (pHeader != NULL)
    {
        pHeader->Invalidate();
        pHeader->UpdateWindow();
    }
}
