#include "framework/gdi/CDC.h"
#include "framework/gdi/HandleOwnership.h"
#include <vector>

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

// A temporary DC uses its one handle for output and attributes alike.
CObject* NewTemporaryDC(HANDLE hDC)
{
    CDC* pDC = new CDC;
    pDC->m_hDC = pDC->m_hAttribDC = (HDC)hDC;
    return pDC;
}

void ClearTemporaryDC(CObject* pObject)
{
    CDC* pDC = (CDC*)pObject;
    pDC->m_hDC = pDC->m_hAttribDC = NULL;
}

typedef HandleOwnership<CDC, HDC, &CDC::m_hDC, &NewTemporaryDC, &ClearTemporaryDC> DCHandles;

} // namespace

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE)
{}

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

// ---------------------------------------------------------------- handle

HDC CDC::GetSafeHdc() const
{
    return DCHandles::SafeHandle(this);
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return DCHandles::FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    DCHandles::DeleteTempMap();
}

// The attached handle serves for output and attributes alike.
BOOL CDC::Attach(HDC hDC)
{
    if (!DCHandles::Attach(this, hDC, &CDC::DeleteDC))
        return FALSE;
    m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    m_hAttribDC = NULL;
    return DCHandles::Detach(this);
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}

void CDC::ReleaseAttribDC()
{
    m_hAttribDC = NULL;
}

void CDC::ReleaseOutputDC()
{
    m_hDC = NULL;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    return OnBothDCs([](HDC hDC) { return ::SaveDC(hDC); });
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    return OnBothDCs([=](HDC hDC) { return ::RestoreDC(hDC, nSavedDC); });
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

// ---------------------------------------------------------------- selected objects

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    return OnBothDCs([=](HDC hDC) { return ::SelectObject(hDC, hObject); });
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    HGDIOBJ hPrevious = SelectObject(pObject->GetSafeHandle());
    return hPrevious != NULL ? CGdiObject::FromHandle(hPrevious) : NULL;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return (CPen*)SelectObject((CGdiObject*)pPen);
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return (CBrush*)SelectObject((CGdiObject*)pBrush);
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return (CFont*)SelectObject((CGdiObject*)pFont);
}

// A bitmap can be selected into one DC only: the output DC.
CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    HGDIOBJ hBitmap = pBitmap->GetSafeHandle();
    if (hBitmap == NULL || m_hDC == NULL)
        return NULL;
    HGDIOBJ hPrevious = ::SelectObject(m_hDC, hBitmap);
    return hPrevious != NULL ? (CBitmap*)CGdiObject::FromHandle(hPrevious) : NULL;
}

// Selecting a region sets the clip region to a copy of it; the answer is
// the type of the new clip region.
int CDC::SelectObject(CRgn* pRgn)
{
    HGDIOBJ hRgn = pRgn->GetSafeHandle();
    if (hRgn == NULL)
        return ERROR;
    return OnBothDCs([=](HDC hDC) { return (int)(INT_PTR)::SelectObject(hDC, hRgn); });
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hPrevious = SelectObject(::GetStockObject(nIndex));
    return hPrevious != NULL ? CGdiObject::FromHandle(hPrevious) : NULL;
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hAttribDC, OBJ_PEN));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hAttribDC, OBJ_BRUSH));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hAttribDC, OBJ_FONT));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
}

// ---------------------------------------------------------------- colours and modes

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return OnBothDCs([=](HDC hDC) { return ::SetTextColor(hDC, crColor); });
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return OnBothDCs([=](HDC hDC) { return ::SetBkColor(hDC, crColor); });
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}

int CDC::SetBkMode(int nBkMode)
{
    return OnBothDCs([=](HDC hDC) { return ::SetBkMode(hDC, nBkMode); });
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return OnBothDCs([=](HDC hDC) { return ::SetTextAlign(hDC, nFlags); });
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

int CDC::SetROP2(int nDrawMode)
{
    return OnBothDCs([=](HDC hDC) { return ::SetROP2(hDC, nDrawMode); });
}

int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT previous = {0, 0};
    ::SetBrushOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::SetBrushOrg(POINT point)
{
    return SetBrushOrg(point.x, point.y);
}

// ---------------------------------------------------------------- coordinates

int CDC::SetMapMode(int nMapMode)
{
    return OnBothDCs([=](HDC hDC) { return ::SetMapMode(hDC, nMapMode); });
}

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return OnBothDCs([=](HDC hDC) {
        POINT previous = {0, 0};
        ::SetViewportOrgEx(hDC, x, y, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::SetViewportOrg(POINT point)
{
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return OnBothDCs([=](HDC hDC) {
        POINT previous = {0, 0};
        ::OffsetViewportOrgEx(hDC, nWidth, nHeight, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::GetViewportOrg() const
{
    POINT origin = {0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &origin);
    return origin;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return OnBothDCs([=](HDC hDC) {
        POINT previous = {0, 0};
        ::SetWindowOrgEx(hDC, x, y, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::SetWindowOrg(POINT point)
{
    return SetWindowOrg(point.x, point.y);
}

CPoint CDC::GetWindowOrg() const
{
    POINT origin = {0, 0};
    ::GetWindowOrgEx(m_hAttribDC, &origin);
    return origin;
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    LPtoDP((LPPOINT)lpRect, 2);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    DPtoLP((LPPOINT)lpRect, 2);
}

// ---------------------------------------------------------------- clipping

int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}

// A NULL region removes the clipping.
int CDC::SelectClipRgn(CRgn* pRgn)
{
    HRGN hRgn = (HRGN)pRgn->GetSafeHandle();
    return OnBothDCs([=](HDC hDC) { return ::SelectClipRgn(hDC, hRgn); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = (HRGN)pRgn->GetSafeHandle();
    return OnBothDCs([=](HDC hDC) { return ::ExtSelectClipRgn(hDC, hRgn, nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return OnBothDCs([=](HDC hDC) { return ::ExcludeClipRect(hDC, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return OnBothDCs([=](HDC hDC) { return ::IntersectClipRect(hDC, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

// ---------------------------------------------------------------- lines and shapes

CPoint CDC::MoveTo(int x, int y)
{
    return OnBothDCs([=](HDC hDC) {
        POINT previous = {0, 0};
        ::MoveToEx(hDC, x, y, &previous);
        return CPoint(previous);
    });
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}

// The attribute DC follows the pen so that its current position stays right.
BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != NULL && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}

CPoint CDC::GetCurrentPosition() const
{
    POINT position = {0, 0};
    ::GetCurrentPositionEx(m_hAttribDC, &position);
    return position;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

// ---------------------------------------------------------------- filling

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}

void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}

// An opaque empty text run fills its rectangle in the background colour;
// the system orders the rectangle's sides, so negative sizes fill too.
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
    ::SetBkColor(m_hDC, crColor);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, crColor);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               crTopLeft, crBottomRight);
}

// The top-right and bottom-left corner pixels belong to the bottom-right colour.
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF crTopLeft, COLORREF crBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, crTopLeft);
    FillSolidRect(x, y, 1, cy - 1, crTopLeft);
    FillSolidRect(x + cx, y, -1, cy, crBottomRight);
    FillSolidRect(x, y + cy, cx, -1, crBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

// ---------------------------------------------------------------- drag frames

namespace {

// Rows of alternating 0x55 and 0xAA: every other pixel, shifted by one per row.
HBRUSH CreateCheckerboardBrush()
{
    WORD rows[8];
    for (int i = 0; i < 8; i++)
        rows[i] = (i & 1) ? 0xAAAA : 0x5555;
    HBITMAP hPattern = ::CreateBitmap(8, 8, 1, 1, rows);
    HBRUSH hBrush = ::CreatePatternBrush(hPattern);
    ::DeleteObject(hPattern);
    return hBrush;
}

// The frame of rect, size.cx wide at the sides and size.cy high at top and
// bottom; the whole rectangle when the frame is thicker than half of it.
void MakeFrameRgn(CRgn& frame, const RECT& rect, SIZE size)
{
    frame.CreateRectRgnIndirect(&rect);
    RECT inside = {rect.left + size.cx, rect.top + size.cy, rect.right - size.cx, rect.bottom - size.cy};
    if (inside.left < inside.right && inside.top < inside.bottom)
    {
        CRgn hole;
        hole.CreateRectRgnIndirect(&inside);
        frame.CombineRgn(&frame, &hole, RGN_DIFF);
    }
}

} // namespace

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    static CBrush* const halftone = [] {
        CBrush* brush = new CBrush;
        brush->Attach(CreateCheckerboardBrush());
        return brush;
    }();
    return halftone;
}

// Inverts the region's pixels through the brush, rectangle by rectangle, in
// logical coordinates and without touching the DC's clip region.
void CDC::InvertRgnWithBrush(HRGN hRgn, CBrush* pBrush)
{
    DWORD size = ::GetRegionData(hRgn, 0, NULL);
    if (size == 0)
        return;
    std::vector<BYTE> buffer(size);
    RGNDATA* data = (RGNDATA*)buffer.data();
    if (::GetRegionData(hRgn, size, data) == 0)
        return;
    const RECT* rects = (const RECT*)data->Buffer;
    HGDIOBJ hPrevious = ::SelectObject(m_hDC, pBrush->GetSafeHandle());
    for (DWORD i = 0; i < data->rdh.nCount; i++)
        ::PatBlt(m_hDC, rects[i].left, rects[i].top, rects[i].right - rects[i].left,
                 rects[i].bottom - rects[i].top, PATINVERT);
    ::SelectObject(m_hDC, hPrevious);
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast)
{
    if (pBrush == NULL)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == NULL)
        pBrushLast = pBrush;

    CRgn frame;
    MakeFrameRgn(frame, *lpRect, size);
    if (lpRectLast == NULL)
    {
        InvertRgnWithBrush(frame, pBrush);
        return;
    }
    CRgn lastFrame;
    MakeFrameRgn(lastFrame, *lpRectLast, sizeLast);
    if (pBrush->GetSafeHandle() == pBrushLast->GetSafeHandle())
    {
        frame.CombineRgn(&frame, &lastFrame, RGN_XOR);
        InvertRgnWithBrush(frame, pBrush);
    }
    else
    {
        InvertRgnWithBrush(lastFrame, pBrushLast);
        InvertRgnWithBrush(frame, pBrush);
    }
}

// ---------------------------------------------------------------- pixels and block transfers

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT point) const
{
    return GetPixel(point.x, point.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return SetPixel(point.x, point.y, crColor);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth, nSrcHeight,
                        dwRop);
}

// ---------------------------------------------------------------- icons and state drawing

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
    return DrawIcon(point.x, point.y, hIcon);
}

namespace {

const UINT contentTypeBits = 0x000F;

// The form of DrawState called decides the content type, whatever type
// bits the caller passed along with the state.
UINT StateWithType(UINT nFlags, UINT nType)
{
    return (nFlags & ~contentTypeBits) | nType;
}

} // namespace

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                       StateWithType(nFlags, DST_BITMAP));
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, (HBITMAP)pBitmap->GetSafeHandle(), nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                       StateWithType(nFlags, DST_ICON));
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush)
{
    UINT nType = bPrefixText ? DST_PREFIXTEXT : DST_TEXT;
    return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx, size.cy,
                       StateWithType(nFlags, nType));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawState(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy,
                       StateWithType(nFlags, DST_COMPLEX));
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpDrawProc, lData, nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

// ---------------------------------------------------------------- text

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, (LPCTSTR)str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, (LPCTSTR)str, str.GetLength(), lpDxWidths);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent((LPCTSTR)str, str.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetrics(m_hAttribDC, lpMetrics);
}
