#include "toolkit/controls/XTListSorter.h"

#include <stdlib.h>
#include <string.h>

namespace {

// What a row's item data holds while the sorter lives.
struct SortRecord
{
    DWORD_PTR dwOldData;
    CString strText;
};

// -1, 0 or 1 as a is below, equal to or above b.
template <class T>
int Order(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

BOOL ParseDate(LPCTSTR lpszText, DATE& date)
{
    WCHAR szWide[256];
    if (::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, szWide, 256) == 0)
        return FALSE;
    return SUCCEEDED(::VarDateFromStr(szWide, LOCALE_USER_DEFAULT, 0, &date));
}

int CompareDates(LPCTSTR lpszText1, LPCTSTR lpszText2)
{
    DATE date1, date2;
    if (!ParseDate(lpszText1, date1) || !ParseDate(lpszText2, date2))
        return 0;
    return Order(date1, date2);
}

} // namespace

CXTListSorter::CXTListSorter(CListCtrl* pListCtrl, int iColumn) : m_pListCtrl(pListCtrl)
{
    int nCount = m_pListCtrl->GetItemCount();
    for (int i = 0; i < nCount; i++)
    {
        SortRecord* pRecord = new SortRecord;
        pRecord->dwOldData = m_pListCtrl->GetItemData(i);
        pRecord->strText = m_pListCtrl->GetItemText(i, iColumn);
        m_pListCtrl->SetItemData(i, (DWORD_PTR)pRecord);
    }
}

CXTListSorter::~CXTListSorter()
{
    int nCount = m_pListCtrl->GetItemCount();
    for (int i = 0; i < nCount; i++)
    {
        SortRecord* pRecord = (SortRecord*)m_pListCtrl->GetItemData(i);
        m_pListCtrl->SetItemData(i, pRecord->dwOldData);
        delete pRecord;
    }
}

BOOL CXTListSorter::Sort(BOOL bAscending, XTSortType eType)
{
    LPARAM lParamSort = bAscending ? (LPARAM)eType : -(LPARAM)eType;
    return m_pListCtrl->SortItems(CompareRecords, (DWORD_PTR)lParamSort);
}

int CALLBACK CXTListSorter::CompareRecords(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    return Compare(((SortRecord*)lParam1)->strText, ((SortRecord*)lParam2)->strText, lParamSort);
}

int CXTListSorter::Compare(LPCTSTR lpszText1, LPCTSTR lpszText2, LPARAM lParamSort)
{
    int nSign = lParamSort >= 0 ? 1 : -1;
    int nResult;
    switch (nSign * lParamSort)
    {
    case xtSortInt:
        nResult = Order(atoi(lpszText1), atoi(lpszText2));
        break;
    case xtSortString:
        nResult = Order(strcmp(lpszText1, lpszText2), 0);
        break;
    case xtSortDate:
        nResult = CompareDates(lpszText1, lpszText2);
        break;
    case xtSortDecimal:
        nResult = Order(atof(lpszText1), atof(lpszText2));
        break;
    default:
        nResult = 0;
        break;
    }
    return nSign * nResult;
}
