#include "framework/controls/CHeaderCtrl.h"
#include "framework/controls/OwnerDrawDispatch.h"
#include "framework/gdi/CImageList.h"
#include "framework/controls/CommonControls.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return AfxEnsureCommonControls(ICC_LISTVIEW_CLASSES)
           && CWnd::Create(WC_HEADERA, NULL, dwStyle, rect, pParentWnd, nID);
}

// A count of -1 asks for every column.
BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount)
{
    if (iCount == -1)
        iCount = GetItemCount();
    return (BOOL)SendMessage(HDM_GETORDERARRAY, iCount, (LPARAM)piArray);
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(
        (HIMAGELIST)SendMessage(HDM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
}

CImageList* CHeaderCtrl::GetImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)SendMessage(HDM_GETIMAGELIST));
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT)
{}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return DispatchDrawItem(this, message, lParam, pResult)
           || CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
