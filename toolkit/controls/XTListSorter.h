#pragma once
// CXTListSorter: sorts the rows of a report-style list control by the text of
// one column. It lives for one sort: construction puts a record of each row's
// item data and column text in place of the item data, Sort runs the list's
// own sort over those records, and destruction gives every row its item data
// back.
//
//   CXTListSorter sorter(&list, 2);
//   sorter.Sort(TRUE, xtSortInt);
#include "framework/Controls.h"

// How the column's text is compared.
enum XTSortType
{
    xtSortInt = 1,    // atoi
    xtSortString = 2, // case-sensitive
    xtSortDate = 3,   // dates of the user's locale
    xtSortDecimal = 4 // atof
};

class CXTListSorter
{
public:
    CXTListSorter(CListCtrl* pListCtrl, int iColumn);
    virtual ~CXTListSorter();

    // Sorts ascending or descending; FALSE when the list refuses.
    BOOL Sort(BOOL bAscending, XTSortType eType);

    // The comparison of two rows' texts: negative, 0 or positive for the
    // type, negated for a descending sort (lParamSort is -type then). Texts
    // that cannot be compared as the type (an unparsable date) are equal.
    static int Compare(LPCTSTR lpszText1, LPCTSTR lpszText2, LPARAM lParamSort);

private:
    CXTListSorter(const CXTListSorter&);
    CXTListSorter& operator=(const CXTListSorter&);

    static int CALLBACK CompareRecords(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    CListCtrl* m_pListCtrl;
};
