#include "toolkit/tabs/themes/XTPTabStripColorSets.h"

#include "toolkit/tabs/XTPTabStrip.h"
#include "toolkit/tabs/themes/XTPTabStripPainter.h"
#include "toolkit/tabs/themes/XTPTabStripShape.h"


namespace {

// Parts and states of the visual-style classes "TAB" and "TOOLBAR".
const int kTabPartItem = 1;
const int kTabPartPane = 9;
const int kTabStateNormal = 1;
const int kTabStateHot = 5;
const int kTabStateSelected = 3;
const int kToolBarPartButton = 1;
const int kToolBarStateNormal = 1;
const int kToolBarStateHot = 2;
const int kToolBarStatePressed = 3;
const int kToolBarStateChecked = 5;
const int kToolBarStateHotChecked = 6;

// A 32-bit top-down DIB section of the size, with its bits.
HBITMAP CreateDib(CDC* pDC, int cx, int cy, DWORD** ppBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(pDC->GetSafeHdc(), &bmi, DIB_RGB_COLORS, (void**)ppBits, NULL, 0);
}

// Copies the pixels of a tab as it stands at the top (pTabBits) to the tab
// as it stands in a row at nPosition (pTurnedBits, szTurned), or back when
// bToTurned is FALSE. The tab's outer edge (its top) goes to the left,
// bottom or right edge: at the bottom its rows are flipped; on the left it
// is turned a quarter to the left and on the right mirrored across its
// diagonal, so that in both its leading side (its left) comes to the bottom.
void CopyTurned(DWORD* pTurnedBits, DWORD* pTabBits, CSize szTurned, int nPosition, BOOL bToTurned)
{
    const int cx = szTurned.cx, cy = szTurned.cy;
    const int cxTab = XTPTabIsHorizontal(nPosition) ? cx : cy;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            int xTab = x, yTab = y;
            if (nPosition == xtpTabPositionBottom)
                yTab = cy - 1 - y;
            else if (nPosition == xtpTabPositionLeft)
                xTab = cy - 1 - y, yTab = x;
            else
                xTab = cy - 1 - y, yTab = cx - 1 - x;
            DWORD& dwTurned = pTurnedBits[y * cx + x];
            DWORD& dwTab = pTabBits[yTab * cxTab + xTab];
            if (bToTurned)
                dwTurned = dwTab;
            else
                dwTab = dwTurned;
        }
}

} // namespace

CXTPTabColorsVisualStyle::~CXTPTabColorsVisualStyle()
{
    m_themeTab.CloseThemeData();
    m_themeToolBar.CloseThemeData();
}

BOOL CXTPTabColorsVisualStyle::IsTabThemeActive() const
{
    return m_themeTab.IsThemeOpen() && m_themeTab.IsAppThemed();
}

BOOL CXTPTabColorsVisualStyle::IsToolBarThemeActive() const
{
    return m_themeToolBar.IsThemeOpen() && m_themeToolBar.IsAppThemed();
}

BOOL CXTPTabColorsVisualStyle::IsVisualStyleActive()
{
    return IsTabThemeActive();
}

void CXTPTabColorsVisualStyle::RefreshMetrics()
{
    CXTPTabColorsDefault::RefreshMetrics();
    m_themeTab.OpenThemeData(NULL, L"TAB");
    if (IsTabThemeActive())
    {
        for (CXTPPaintManagerColor& clr : m_clr3DEdge)
            clr.SetStandardValue(XTP_COLOR_NONE);
        m_clrHotText.SetStandardValue(m_clrText);
    }
    m_themeToolBar.OpenThemeData(NULL, L"TOOLBAR");
}

COLORREF CXTPTabColorsVisualStyle::FillClientArea(CDC* pDC, CRect rc, CXTPTabStrip* pStrip)
{
    if (!IsTabThemeActive())
        return CXTPTabColorsDefault::FillClientArea(pDC, rc, pStrip);
    if (pStrip->GetPosition() == xtpTabPositionBottom)
        rc.bottom++;
    else if (pStrip->GetPosition() == xtpTabPositionRight)
        rc.right++;
    m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), kTabPartPane, 0, rc, NULL);
    return 0;
}

void CXTPTabColorsVisualStyle::FillTabButton(CDC* pDC, CRect rc, CXTPTabStripItem* pItem)
{
    if (!IsToolBarThemeActive() || !pItem->IsSelected())
    {
        CXTPTabColorsDefault::FillTabButton(pDC, rc, pItem);
        return;
    }
    m_themeToolBar.DrawThemeBackground(pDC->GetSafeHdc(), kToolBarPartButton,
                                       pItem->IsHot() ? kToolBarStateHotChecked : kToolBarStateChecked, rc, NULL);
}

COLORREF CXTPTabColorsVisualStyle::FillTabFace(CDC* pDC, CRect rc, CXTPTabStripItem* pItem)
{
    if (!IsTabThemeActive())
        return CXTPTabColorsDefault::FillTabFace(pDC, rc, pItem);
    const int nPosition = pItem->GetStrip()->GetPosition();
    const int nState = pItem->IsSelected() ? kTabStateSelected : pItem->IsHot() ? kTabStateHot : kTabStateNormal;
    if (pItem->IsSelected())
    {
        if (nPosition == xtpTabPositionTop)
            rc.bottom++;
        else if (nPosition == xtpTabPositionLeft)
            rc.right++;
    }
    if (nPosition == xtpTabPositionTop)
    {
        rc.InflateRect(1, 1, 1, 0);
        m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), kTabPartItem, nState, rc, NULL);
    }
    else
    {
        DrawTurnedTab(pDC, rc, nState, nPosition);
    }
    return XTP_COLOR_NONE;
}

void CXTPTabColorsVisualStyle::DrawTurnedTab(CDC* pDC, CRect rc, int nState, int nPosition)
{
    switch (nPosition)
    {
    case xtpTabPositionLeft:
        rc.InflateRect(1, 1, 0, 1);
        break;
    case xtpTabPositionBottom:
        rc.InflateRect(1, 0, 1, 2);
        break;
    default:
        rc.InflateRect(0, 1, 2, 1);
        break;
    }
    const int cx = rc.Width(), cy = rc.Height();
    if (cx <= 0 || cy <= 0)
        return;
    // The tab as it stands in a row at the top: turned rows swap the sides.
    const BOOL bTurned = !XTPTabIsHorizontal(nPosition);
    const int cxTab = bTurned ? cy : cx, cyTab = bTurned ? cx : cy;

    CDC dcTab;
    dcTab.CreateCompatibleDC(pDC);
    DWORD* pTabBits = NULL;
    HBITMAP hTab = CreateDib(pDC, cxTab, cyTab, &pTabBits);
    DWORD* pTurnedBits = NULL;
    HBITMAP hTurned = CreateDib(pDC, cx, cy, &pTurnedBits);
    if (hTab == NULL || hTurned == NULL)
    {
        ::DeleteObject(hTab);
        ::DeleteObject(hTurned);
        return;
    }
    // The picture starts from what lies beneath the tab, turned back as the
    // tab stands at the top, so that the strip shows through its rounded corners.
    HGDIOBJ hOld = dcTab.SelectObject(hTurned);
    dcTab.BitBlt(0, 0, cx, cy, pDC, rc.left, rc.top, SRCCOPY);
    dcTab.SelectObject(hTab);
    ::GdiFlush();
    CopyTurned(pTurnedBits, pTabBits, CSize(cx, cy), nPosition, FALSE);
    const CRect rcTab(0, 0, cxTab, cyTab);
    m_themeTab.DrawThemeBackground(dcTab.GetSafeHdc(), kTabPartItem, nState, rcTab, NULL);
    ::GdiFlush();
    CopyTurned(pTurnedBits, pTabBits, CSize(cx, cy), nPosition, TRUE);
    dcTab.SelectObject(hOld);
    pDC->DrawState(rc.TopLeft(), rc.Size(), hTurned, DSS_NORMAL);
    ::DeleteObject(hTab);
    ::DeleteObject(hTurned);
}

void CXTPTabColorsVisualStyle::ClipHeader(CDC* pDC, CRect rcHeader, CXTPTabStrip* pStrip)
{
    if (!IsTabThemeActive())
        return;
    const CRect rcClient = GetPainter()->GetAppearanceSet()->GetClientRect(rcHeader, pStrip);
    CPoint pt = rcClient.TopLeft();
    if (pStrip->GetPosition() == xtpTabPositionBottom)
        pt.y = rcClient.bottom - 2;
    else if (pStrip->GetPosition() == xtpTabPositionRight)
        pt.x = rcClient.right - 2;
    pDC->ExcludeClipRect(pt.x, pt.y, pt.x + 1, pt.y + 1);
}

void CXTPTabColorsVisualStyle::FillButton(CDC* pDC, CXTPTabStripButton* pButton, CRect* pRect)
{
    if (!IsToolBarThemeActive())
    {
        CXTPTabColorsDefault::FillButton(pDC, pButton, pRect);
        return;
    }
    if (pButton->IsEnabled())
    {
        const int nState = pButton->IsPressed() ? kToolBarStatePressed
                           : pButton->IsHot()   ? kToolBarStateHot
                                                : kToolBarStateNormal;
        m_themeToolBar.DrawThemeBackground(pDC->GetSafeHdc(), kToolBarPartButton, nState, pRect, NULL);
    }
    pDC->SetTextColor(XTPGetColor(COLOR_BTNTEXT));
}
