#pragma once
// The owner-draw messages a parent reflects to its control, handed to the
// control's virtual functions: WM_DRAWITEM to DrawItem, WM_MEASUREITEM to
// MeasureItem, WM_COMPAREITEM to CompareItem (its answer is the result),
// WM_DELETEITEM to DeleteItem. FALSE for any other message.
#include "framework/core/AfxBase.h"

template <class TControl>
BOOL DispatchOwnerDrawItem(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_DRAWITEM:
        pControl->DrawItem((LPDRAWITEMSTRUCT)lParam);
        break;
    case WM_MEASUREITEM:
        pControl->MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        break;
    case WM_COMPAREITEM:
        if (pResult != NULL)
            *pResult = pControl->CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case WM_DELETEITEM:
        pControl->DeleteItem((LPDELETEITEMSTRUCT)lParam);
        break;
    default:
        return FALSE;
    }
    return TRUE;
}

// For controls that only paint owner-drawn items: WM_DRAWITEM to DrawItem.
template <class TControl>
BOOL DispatchDrawItem(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    pControl->DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}
