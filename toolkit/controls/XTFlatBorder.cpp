#include "toolkit/controls/XTFlatBorder.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include <algorithm>

namespace {

// The toolkit's border colours of the Windows XP and Office 2003 looks.
const int kWindowsXPBorderColor = 57;
const int kOffice2003BorderColor = 54;

} // namespace

COLORREF XTFlatBorderColor(BOOL bDark)
{
    CXTPPaintManager* pPaintManager = XTPPaintManager();
    int nTheme = pPaintManager != NULL ? pPaintManager->GetThemeId() : -1;
    if (nTheme == xtpThemeNativeWinXP)
        return XTPGetColor(kWindowsXPBorderColor);
    if (nTheme == xtpThemeOffice2003)
        return XTPGetColor(kOffice2003BorderColor);
    return XTPGetColor(bDark ? COLOR_3DSHADOW : COLOR_3DHILIGHT);
}

void XTFlatBorderCalcSize(DWORD dwStyle, RECT* pRect)
{
    ::InflateRect(pRect, -1, -1);
    if (dwStyle & WS_VSCROLL)
        pRect->right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (dwStyle & WS_HSCROLL)
        pRect->bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    pRect->right = std::max(pRect->right, pRect->left);
    pRect->bottom = std::max(pRect->bottom, pRect->top);
}

void XTFlatBorderPaint(HWND hWnd)
{
    HDC hDC = ::GetWindowDC(hWnd);
    if (hDC == NULL)
        return;
    CRect window;
    ::GetWindowRect(hWnd, window);
    CDC dc;
    dc.Attach(hDC);
    dc.Draw3dRect(0, 0, window.Width(), window.Height(), XTFlatBorderColor(TRUE), XTFlatBorderColor(FALSE));
    dc.Detach();
    ::ReleaseDC(hWnd, hDC);
}
