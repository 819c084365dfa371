#include "app/KeywordCaptionTheme.h"

#include "toolkit/controls/XTFlatBorder.h"
#include "toolkit/foundation/XTPColorManager.h"

void CKeywordCaptionTheme::DrawCaptionBack(CDC* pDC, CXTCaption*, CRect& rect)
{
    pDC->FillSolidRect(rect, XTPGetColor(COLOR_3DFACE));
    const COLORREF highlight = XTPGetColor(COLOR_3DHILIGHT);
    pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, highlight);
    pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), highlight);
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, XTFlatBorderColor(TRUE));
    pDC->SetBkMode(TRANSPARENT);
}

CXTButtonTheme* CKeywordCaptionTheme::CreateButtonTheme(CXTCaption*)
{
    return new CXTButtonThemeOffice2003;
}
