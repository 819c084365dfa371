#pragma once
// The tool record a window's OnToolHitTest fills for the tool under the
// mouse: the window, the tool's id and rectangle, and a malloc copy of its
// text, which the framework frees once the tool tip has taken it. A record
// too old to carry a text pointer (cbSize below TTTOOLINFOA_V1_SIZE, 40
// bytes) is left as it is.
//
//     INT_PTR CMyBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
//     {
//         const int nItem = HitTest(point);
//         if (nItem < 0)
//             return -1;
//         XTPFillToolInfo(pTI, m_hWnd, nItem, ItemRect(nItem), ItemTip(nItem));
//         return nItem;
//     }
#include <windows.h>
#include <commctrl.h>

void XTPFillToolInfo(TOOLINFO* pTI, HWND hWnd, UINT_PTR uId, const RECT& rect, LPCTSTR lpszText);
