#include "framework/controls/CToolBarCtrl.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CImageList.h"
#include "framework/controls/CommonControls.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxEnsureCommonControls(ICC_BAR_CLASSES)
        || !CWnd::Create(TOOLBARCLASSNAMEA, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

CSize CToolBarCtrl::GetButtonSize() const
{
    DWORD size = (DWORD)SendMessage(TB_GETBUTTONSIZE);
    return CSize(LOWORD(size), HIWORD(size));
}

int CToolBarCtrl::AddBitmap(int nNumButtons, CBitmap* pBitmap)
{
    TBADDBITMAP bitmap = {NULL, (UINT_PTR)pBitmap->GetSafeHandle()};
    return (int)SendMessage(TB_ADDBITMAP, nNumButtons, (LPARAM)&bitmap);
}

CImageList* CToolBarCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(
        (HIMAGELIST)SendMessage(TB_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
}

CImageList* CToolBarCtrl::GetImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_GETIMAGELIST));
}

CImageList* CToolBarCtrl::SetDisabledImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(
        (HIMAGELIST)SendMessage(TB_SETDISABLEDIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
}

CImageList* CToolBarCtrl::SetHotImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(
        (HIMAGELIST)SendMessage(TB_SETHOTIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
}
