#include "toolkit/controls/XTHeaderTheme.h"

#include "toolkit/controls/XTHeaderCtrl.h"
#include "toolkit/foundation/XTPResourceManager.h"
#include "toolkit/foundation/XTPSelectScopes.h"

#include <vector>

IMPLEMENT_DYNCREATE(CXTHeaderThemeFactory, CXTThemeManagerStyleFactory)

namespace {

const int kHeaderTextChars = 256;
const int kHeaderItemPart = 1; // HP_HEADERITEM of the "HEADER" visual style

// One column as DrawHeader reads it.
struct HeaderColumn
{
    HDITEM item;
    char szText[kHeaderTextChars];
};

BOOL ReadColumn(CXTHeaderCtrl* pHeader, int iCol, HeaderColumn& col)
{
    ZeroMemory(&col, sizeof(col));
    col.item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP;
    col.item.pszText = col.szText;
    col.item.cchTextMax = kHeaderTextChars - 1;
    return pHeader->GetItem(iCol, &col.item);
}

// The column indexes in display order.
std::vector<int> DisplayOrder(CXTHeaderCtrl* pHeader)
{
    int nCount = pHeader->GetItemCount();
    std::vector<int> order(nCount > 0 ? nCount : 0);
    for (int i = 0; i < (int)order.size(); i++)
        order[i] = i;
    for (int i = 0; i < (int)order.size(); i++)
    {
        HDITEM hdi;
        hdi.mask = HDI_ORDER;
        if (pHeader->GetItem(i, &hdi) && hdi.iOrder >= 0 && hdi.iOrder < (int)order.size())
            order[hdi.iOrder] = i;
    }
    return order;
}

int CursorColumn(CXTHeaderCtrl* pHeader)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    pHeader->ScreenToClient(&pt);
    return pHeader->HitTest(pt.x, pt.y);
}

} // namespace

CXTThemeManagerStyle* CXTHeaderThemeFactory::CreateTheme(int nTheme)
{
    CXTHeaderTheme* pTheme;
    if (nTheme == 1)
        pTheme = new CXTHeaderThemeOfficeXP;
    else if (nTheme == 2)
        pTheme = new CXTHeaderThemeOffice2003;
    else
        pTheme = new CXTHeaderTheme;
    pTheme->SetThemeId(nTheme);
    return pTheme;
}

CXTHeaderTheme::CXTHeaderTheme()
    : m_nArrowSpacing(10), m_dwDrawStyle(XTTHEME_WINXPTHEMES | XTTHEME_HOTTRACKING | XTTHEME_SORTARROW),
      m_bVisualStyle(FALSE), m_sizePadding(6, 0), m_sizeArrow(8, 7), m_crText(0), m_crFace(0), m_crShadow(0),
      m_crDarkShadow(0), m_crHilight(0)
{
    RefreshMetrics();
}

CXTHeaderTheme::~CXTHeaderTheme()
{}

void CXTHeaderTheme::RefreshMetrics()
{
    m_crText = ::GetSysColor(COLOR_BTNTEXT);
    m_crFace = ::GetSysColor(COLOR_3DFACE);
    m_crShadow = ::GetSysColor(COLOR_3DSHADOW);
    m_crDarkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    m_crHilight = ::GetSysColor(COLOR_3DHILIGHT);
}

namespace {
// a - (a - b) x fRatio, made whole toward zero after the subtraction.
int BlendChannel(int a, int b, double fRatio)
{
    return (int)(a - (a - b) * fRatio);
}
} // namespace

COLORREF CXTHeaderTheme::BlendColors(COLORREF crA, COLORREF crB, double fRatio)
{
    return RGB(BlendChannel(GetRValue(crA), GetRValue(crB), fRatio),
               BlendChannel(GetGValue(crA), GetGValue(crB), fRatio),
               BlendChannel(GetBValue(crA), GetBValue(crB), fRatio));
}

void CXTHeaderTheme::DrawLine(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF cr)
{
    CXTPPenDC pen(pDC->m_hDC, cr);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

BOOL CXTHeaderTheme::UseVisualStyle(CXTHeaderCtrl* pHeader)
{
    if ((m_dwDrawStyle & XTTHEME_WINXPTHEMES) == 0)
        return FALSE;
    if (!m_themeHeader.IsThemeOpen())
        m_themeHeader.OpenThemeData(pHeader->GetSafeHwnd(), L"HEADER");
    return m_themeHeader.IsAppThemed() && m_themeHeader.IsThemeOpen();
}

void CXTHeaderTheme::SetDrawStyle(DWORD dwDrawStyle, CXTHeaderCtrl* pHeader)
{
    m_dwDrawStyle = dwDrawStyle;
    m_bVisualStyle = UseVisualStyle(pHeader) && (dwDrawStyle & XTTHEME_WINXPTHEMES) != 0;
}

BOOL CXTHeaderTheme::LayoutHeader(LPHDLAYOUT lpHDL, CXTHeaderCtrl* pHeader)
{
    return (BOOL)pHeader->DefWindowProc(HDM_LAYOUT, 0, (LPARAM)lpHDL);
}

BOOL CXTHeaderTheme::LayoutWithTextHeight(LPHDLAYOUT lpHDL, CXTHeaderCtrl* pHeader, int nExtra)
{
    HDC hDC = ::GetWindowDC(::GetDesktopWindow());
    HGDIOBJ hOldFont = ::SelectObject(hDC, (HFONT)pHeader->SendMessage(WM_GETFONT));
    TEXTMETRICA tm;
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(::GetDesktopWindow(), hDC);

    int nHeight = tm.tmHeight + nExtra;
    LPRECT prc = lpHDL->prc;
    WINDOWPOS* pwp = lpHDL->pwpos;
    // The list positions the window named in the record: the header itself.
    pwp->hwnd = pHeader->GetSafeHwnd();
    pwp->hwndInsertAfter = NULL;
    pwp->x = prc->left;
    pwp->y = prc->top;
    pwp->cx = prc->right - prc->left;
    pwp->cy = nHeight;
    pwp->flags = SWP_NOZORDER | SWP_NOACTIVATE;
    prc->top += nHeight;
    return TRUE;
}

void CXTHeaderTheme::ReleaseColumnImages(CXTHeaderCtrl* pHeader)
{
    int nCount = pHeader->GetItemCount();
    for (int iCol = 0; iCol < nCount; iCol++)
    {
        HIMAGELIST hOld = pHeader->SetColumnImageList(iCol, NULL);
        if (hOld != NULL)
            ImageList_Destroy(hOld);
    }
}

BOOL CXTHeaderTheme::SetColumnBitmap(int iCol, UINT nID, BOOL bRemove, COLORREF crMask,
                                     CXTHeaderCtrl* pHeader)
{
    HDITEM hdi;
    hdi.mask = HDI_FORMAT;
    if (!pHeader->GetItem(iCol, &hdi))
        return FALSE;
    if (bRemove)
    {
        HIMAGELIST hOld = pHeader->SetColumnImageList(iCol, NULL);
        if (hOld != NULL)
            ImageList_Destroy(hOld);
        hdi.fmt &= ~HDF_BITMAP;
        return pHeader->SetItem(iCol, &hdi);
    }

    CBitmap bitmap;
    if (!XTPResourceManager()->LoadBitmap(&bitmap, nID))
        return FALSE;
    BITMAP bm;
    bitmap.GetBitmap(&bm);
    HIMAGELIST hImageList = ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 1);
    if (hImageList == NULL || ImageList_AddMasked(hImageList, (HBITMAP)bitmap.m_hObject, crMask) < 0)
    {
        if (hImageList != NULL)
            ImageList_Destroy(hImageList);
        return FALSE;
    }
    HIMAGELIST hOld = pHeader->SetColumnImageList(iCol, hImageList);
    if (hOld != NULL)
        ImageList_Destroy(hOld);
    hdi.fmt = HDF_BITMAP;
    return pHeader->SetItem(iCol, &hdi);
}

CRect CXTHeaderTheme::DrawRaisedFace(LPDRAWITEMSTRUCT lpDIS, COLORREF crBottomRight)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    pDC->FillSolidRect(rc, m_crFace);
    rc.right += 2;
    pDC->Draw3dRect(rc, m_crHilight, crBottomRight);
    return rc;
}

void CXTHeaderTheme::DrawEtchedDivider(LPDRAWITEMSTRUCT lpDIS, int nBottomInset)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const RECT& rc = lpDIS->rcItem;
    DrawLine(pDC, rc.right - 2, 2, rc.right - 2, rc.bottom - nBottomInset, m_crShadow);
    DrawLine(pDC, rc.right - 1, 2, rc.right - 1, rc.bottom - nBottomInset, m_crHilight);
}

void CXTHeaderTheme::DrawBackground(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc = DrawRaisedFace(lpDIS, m_crDarkShadow);
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, m_crFace, m_crShadow);
}

BOOL CXTHeaderTheme::DrawVisualBackground(LPDRAWITEMSTRUCT lpDIS)
{
    if ((m_dwDrawStyle & XTTHEME_HOTTRACKING) == 0)
        return FALSE;
    return SUCCEEDED(m_themeHeader.DrawThemeBackground(lpDIS->hDC, 0, 1, &lpDIS->rcItem, NULL));
}

void CXTHeaderTheme::DrawItemBorders(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const RECT& rc = lpDIS->rcItem;
    if (IsPressed(lpDIS))
    {
        pDC->Draw3dRect(&rc, m_crShadow, m_crShadow);
        DrawLine(pDC, rc.right, 1, rc.right, rc.bottom - 1, m_crHilight);
        DrawLine(pDC, rc.left + 1, rc.bottom - 2, rc.right - 1, rc.bottom - 2, m_crFace);
        return;
    }
    DrawLine(pDC, rc.right - 2, 1, rc.right - 2, rc.bottom - 1, m_crShadow);
    DrawLine(pDC, rc.right - 1, 0, rc.right - 1, rc.bottom - 1, m_crDarkShadow);
    DrawLine(pDC, rc.right, 1, rc.right, rc.bottom - 1, m_crHilight);
}

BOOL CXTHeaderTheme::DrawVisualItem(LPDRAWITEMSTRUCT lpDIS)
{
    int nState = 1; // HIS_NORMAL
    if (lpDIS->itemState & ODS_SELECTED)
        nState = 3; // HIS_PRESSED
    else if (lpDIS->itemState & ODS_HOTLIGHT)
        nState = 2; // HIS_HOT
    return SUCCEEDED(
        m_themeHeader.DrawThemeBackground(lpDIS->hDC, kHeaderItemPart, nState, &lpDIS->rcItem, NULL));
}

void CXTHeaderTheme::DrawHeader(CDC* pDC, CXTHeaderCtrl* pHeader)
{
    CRect rcClient;
    pHeader->GetClientRect(&rcClient);

    DRAWITEMSTRUCT dis;
    ZeroMemory(&dis, sizeof(dis));
    dis.CtlType = ODT_HEADER;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = pHeader->GetSafeHwnd();
    dis.hDC = pDC->m_hDC;
    dis.rcItem = rcClient;
    if (!m_bVisualStyle || !DrawVisualBackground(&dis))
        DrawBackground(&dis);

    CXTPFontDC font(pDC, pHeader->GetFont());
    pDC->SetBkColor(m_crFace);
    pDC->SetTextColor(m_crText);
    pDC->SetBkMode(TRANSPARENT);

    int nHotColumn = (m_dwDrawStyle & XTTHEME_HOTTRACKING) ? CursorColumn(pHeader) : -1;
    int x = 0;
    std::vector<int> order = DisplayOrder(pHeader);
    for (size_t i = 0; i < order.size(); i++)
    {
        int iCol = order[i];
        HeaderColumn col;
        if (!ReadColumn(pHeader, iCol, col))
            continue;
        dis.itemID = iCol;
        dis.rcItem = CRect(x, rcClient.top, x + col.item.cxy, rcClient.bottom);
        dis.itemState = iCol == nHotColumn ? ODS_HOTLIGHT : 0;
        if (pHeader->IsColumnPressed(iCol))
            dis.itemState = ODS_SELECTED;
        dis.itemData = (ULONG_PTR)&col.item;
        if (!m_bVisualStyle || !DrawVisualItem(&dis))
            DrawItemBorders(&dis);
        DrawItem(&dis, pHeader);
        x += col.item.cxy;
    }
}

CRect CXTHeaderTheme::CalcTextRect(const CRect& rcItem, CSize sizeText, int nFormat, BOOL bSortColumn,
                                   int nImageWidth) const
{
    CRect rcArea(rcItem);
    rcArea.DeflateRect(m_sizePadding.cx, 0);
    rcArea.left += nImageWidth;
    if (bSortColumn)
        rcArea.right -= m_sizeArrow.cx + 2 * m_nArrowSpacing;

    CRect rcText(rcArea);
    rcText.top = m_sizePadding.cy;
    if (rcText.top < 1)
        rcText.top = (rcArea.Height() - sizeText.cy) / 2;
    rcText.bottom = rcText.top + sizeText.cy;

    switch (nFormat & HDF_JUSTIFYMASK)
    {
    case HDF_RIGHT:
        rcText.left = rcText.right - sizeText.cx;
        break;
    case HDF_CENTER:
        rcText.left += (rcArea.Width() - sizeText.cx) / 2;
        rcText.right = rcText.left + sizeText.cx;
        break;
    default:
        rcText.right = rcText.left + sizeText.cx;
        break;
    }
    if (rcText.left < rcArea.left)
        rcText.left = rcArea.left;
    if (rcText.right > rcArea.right)
        rcText.right = rcArea.right;
    return rcText;
}

void CXTHeaderTheme::DrawItem(LPDRAWITEMSTRUCT lpDIS, CXTHeaderCtrl* pHeader)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CXTPFontDC font(pDC, pHeader->GetFont());
    const HDITEM* pItem = (const HDITEM*)lpDIS->itemData;
    CString strText(pItem->pszText != NULL ? pItem->pszText : "");

    BOOL bAscending = TRUE;
    BOOL bSortColumn = pHeader->GetSortColumn(&bAscending) == (int)lpDIS->itemID;
    CRect rcItem(lpDIS->rcItem);
    // The image comes first; the text is placed in what it leaves.
    int nImageWidth = 0;
    if (pItem->fmt & HDF_BITMAP)
    {
        int nLeft = rcItem.left + m_sizePadding.cx;
        DrawColumnImage(lpDIS, &nLeft, pHeader);
        nImageWidth = nLeft - (rcItem.left + m_sizePadding.cx);
    }
    CSize sizeText = pDC->GetTextExtent(strText);
    CRect rcText = CalcTextRect(rcItem, sizeText, pItem->fmt, bSortColumn, nImageWidth);
    if ((m_dwDrawStyle & XTTHEME_SORTARROW) && bSortColumn)
    {
        lpDIS->rcItem = rcText;
        DrawSortArrow(lpDIS, bAscending);
        lpDIS->rcItem = rcItem;
    }
    if (rcText.Width() > 0)
    {
        if (IsPressed(lpDIS))
            rcText.OffsetRect(1, 1);
        pDC->DrawText(strText, &rcText, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
    }
}

void CXTHeaderTheme::DrawColumnImage(LPDRAWITEMSTRUCT lpDIS, int* pTextLeft, CXTHeaderCtrl* pHeader)
{
    HIMAGELIST hImageList = pHeader->GetColumnImageList((int)lpDIS->itemID);
    int cx = 0, cy = 0;
    if (hImageList == NULL || !ImageList_GetIconSize(hImageList, &cx, &cy))
        return;
    *pTextLeft += cx + m_sizePadding.cx;

    const RECT& rc = lpDIS->rcItem;
    CPoint pt(rc.left + m_sizePadding.cx, (rc.bottom - rc.top - cy) / 2);
    if (IsPressed(lpDIS))
        pt.Offset(1, 1);
    if (pt.x + cx <= rc.right)
        ImageList_Draw(hImageList, 0, lpDIS->hDC, pt.x, pt.y, ILD_TRANSPARENT);
}

BOOL CXTHeaderTheme::CalcArrowPoints(const CRect& rcText, BOOL bAscending, POINT ptsArrow[3]) const
{
    int x = rcText.right + m_nArrowSpacing;
    int y = rcText.top + (rcText.Height() - m_sizeArrow.cy) / 2 - 1;
    if (x < rcText.left)
        return FALSE;
    int yBase = bAscending ? y + m_sizeArrow.cy : y;
    int yApex = bAscending ? y : y + m_sizeArrow.cy;
    ptsArrow[0].x = x + m_sizeArrow.cx / 2;
    ptsArrow[0].y = yApex;
    ptsArrow[1].x = x;
    ptsArrow[1].y = yBase;
    ptsArrow[2].x = x + m_sizeArrow.cx;
    ptsArrow[2].y = yBase;
    return TRUE;
}

void CXTHeaderTheme::DrawSortArrow(LPDRAWITEMSTRUCT lpDIS, BOOL bAscending)
{
    POINT pts[3];
    if (!CalcArrowPoints(CRect(lpDIS->rcItem), bAscending, pts))
        return;
    if (IsPressed(lpDIS))
    {
        for (int i = 0; i < 3; i++)
        {
            pts[i].x++;
            pts[i].y++;
        }
    }
    DrawArrow(CDC::FromHandle(lpDIS->hDC), pts, bAscending);
}

void CXTHeaderTheme::DrawArrow(CDC* pDC, POINT ptsArrow[3], BOOL bAscending)
{
    const POINT& apex = ptsArrow[0];
    const POINT& left = ptsArrow[1];
    const POINT& right = ptsArrow[2];
    CXTPPenDC pen(pDC->m_hDC, bAscending ? m_crHilight : m_crShadow);
    if (bAscending)
    {
        pDC->MoveTo(apex);
        pDC->LineTo(right);
        pDC->LineTo(left);
        pen.Color(m_crShadow);
        pDC->LineTo(apex);
    }
    else
    {
        pDC->MoveTo(apex);
        pDC->LineTo(left);
        pDC->LineTo(right);
        pen.Color(m_crHilight);
        pDC->MoveTo(apex);
        pDC->LineTo(right);
    }
}

CXTHeaderThemeOfficeXP::CXTHeaderThemeOfficeXP()
{
    m_dwDrawStyle = XTTHEME_SORTARROW;
}

void CXTHeaderThemeOfficeXP::DrawBackground(LPDRAWITEMSTRUCT lpDIS)
{
    DrawRaisedFace(lpDIS, m_crShadow);
}

void CXTHeaderThemeOfficeXP::DrawItemBorders(LPDRAWITEMSTRUCT lpDIS)
{
    DrawEtchedDivider(lpDIS, 2);
}

CXTHeaderThemeOffice2003::CXTHeaderThemeOffice2003()
{
    m_dwDrawStyle = XTTHEME_SORTARROW;
    m_sizePadding = CSize(6, 2);
}

BOOL CXTHeaderThemeOffice2003::LayoutHeader(LPHDLAYOUT lpHDL, CXTHeaderCtrl* pHeader)
{
    return LayoutWithTextHeight(lpHDL, pHeader, 10);
}

void CXTHeaderThemeOffice2003::DrawBackground(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc = DrawRaisedFace(lpDIS, BlendColors(m_crFace, m_crShadow, 0.6));
    DrawLine(pDC, rc.left, rc.bottom - 2, rc.right, rc.bottom - 2, BlendColors(m_crFace, m_crShadow, 0.4));
    DrawLine(pDC, rc.left, rc.bottom - 3, rc.right, rc.bottom - 3, BlendColors(m_crFace, m_crShadow, 0.25));
}

void CXTHeaderThemeOffice2003::DrawItemBorders(LPDRAWITEMSTRUCT lpDIS)
{
    DrawEtchedDivider(lpDIS, 4);
}

CXTHeaderThemeWinXP::CXTHeaderThemeWinXP()
{
    m_dwDrawStyle = XTTHEME_WINXPTHEMES | XTTHEME_HOTTRACKING | XTTHEME_SORTARROW;
    m_sizePadding = CSize(6, 0);
    m_sizeArrow = CSize(8, 4);
}

BOOL CXTHeaderThemeWinXP::LayoutHeader(LPHDLAYOUT lpHDL, CXTHeaderCtrl* pHeader)
{
    return LayoutWithTextHeight(lpHDL, pHeader, 6);
}

void CXTHeaderThemeWinXP::DrawArrow(CDC* pDC, POINT ptsArrow[3], BOOL)
{
    const COLORREF crArrow = RGB(172, 168, 153);
    CXTPPenDC pen(pDC->m_hDC, crArrow);
    CXTPBrushDC brush(pDC->m_hDC, crArrow);
    int nOldMode = ::SetPolyFillMode(pDC->m_hDC, WINDING);
    pDC->Polygon(ptsArrow, 3);
    ::SetPolyFillMode(pDC->m_hDC, nOldMode);
}
