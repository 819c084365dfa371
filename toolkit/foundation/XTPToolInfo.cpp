#include "toolkit/foundation/XTPToolInfo.h"

#include <string.h>

void XTPFillToolInfo(TOOLINFO* pTI, HWND hWnd, UINT_PTR uId, const RECT& rect, LPCTSTR lpszText)
{
    if (pTI == NULL || pTI->cbSize < TTTOOLINFOA_V1_SIZE)
        return;
    pTI->hwnd = hWnd;
    pTI->uId = uId;
    pTI->rect = rect;
    pTI->lpszText = _strdup(lpszText);
}
