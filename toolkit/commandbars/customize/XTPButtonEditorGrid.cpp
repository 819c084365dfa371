#include "toolkit/commandbars/customize/XTPButtonEditorGrid.h"

#include "toolkit/commandbars/XTPCommandBarsResource.h"
#include "toolkit/commandbars/customize/XTPButtonEditorDlg.h"
#include "toolkit/commandbars/customize/XTPButtonEditorGridLayout.h"
#include "toolkit/commandbars/customize/XTPCustomizeClipboard.h"
#include "framework/window/CPaintDC.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"
#include "toolkit/foundation/XTPResourceManager.h"

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <memory>

BEGIN_MESSAGE_MAP(CXTPButtonEditorGrid, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

XTPButtonEditorShape ShapeOfTool(int nTool)
{
    if (nTool == xtpToolRectangle)
        return xtpEditorShapeRectangle;
    if (nTool == xtpToolCircle)
        return xtpEditorShapeEllipse;
    return xtpEditorShapeLine;
}

BOOL IsStrokeTool(int nTool)
{
    return nTool == xtpToolPencil || nTool == xtpToolLine || nTool == xtpToolRectangle || nTool == xtpToolCircle;
}

// The extension of a path in lower case, without the dot.
CString LowerExtension(const CString& strPath)
{
    int nDot = strPath.ReverseFind('.');
    int nSlash = strPath.ReverseFind('\\');
    if (nDot < 0 || nDot < nSlash)
        return CString();
    CString strExt = strPath.Mid(nDot + 1);
    strExt.MakeLower();
    return strExt;
}

// Any picture file the system's picture loader reads, rendered over the
// whole picture; NULL when it cannot be loaded.
CXTPButtonEditorBitmap* LoadOlePicture(LPCTSTR lpszPath, CSize size)
{
    WCHAR wszPath[MAX_PATH];
    if (::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, wszPath, MAX_PATH) == 0)
        return NULL;
    IPicture* pOlePicture = NULL;
    if (FAILED(::OleLoadPicturePath(wszPath, NULL, 0, 0, IID_IPicture, (void**)&pOlePicture)) || !pOlePicture)
        return NULL;
    CXTPButtonEditorBitmap* pPicture = CXTPButtonEditorBitmap::CreatePicture(size, FALSE);
    OLE_XSIZE_HIMETRIC cxHimetric = 0;
    OLE_YSIZE_HIMETRIC cyHimetric = 0;
    pOlePicture->get_Width(&cxHimetric);
    pOlePicture->get_Height(&cyHimetric);
    if (pPicture != NULL)
    {
        HDC hDC = ::CreateCompatibleDC(NULL);
        HGDIOBJ hOld = ::SelectObject(hDC, pPicture->m_hObject);
        pOlePicture->Render(hDC, 0, 0, size.cx, size.cy, 0, cyHimetric, cxHimetric, -cyHimetric, NULL);
        ::GdiFlush();
        ::SelectObject(hDC, hOld);
        ::DeleteDC(hDC);
    }
    pOlePicture->Release();
    return pPicture;
}

} // namespace

CXTPButtonEditorGrid::CXTPButtonEditorGrid()
    : m_szCell(1, 1), m_pDlg(NULL), m_pPending(NULL), m_pPicture(NULL), m_ptStart(0, 0), m_bTracking(FALSE),
      m_clrStroke(0)
{
    m_hCursorShape = XTPLoadCursor(XTP_IDC_EDITOR_CURSOR_SHAPE);
    m_hCursorFill = XTPLoadCursor(XTP_IDC_EDITOR_CURSOR_FILL);
    m_hCursorPencil = XTPLoadCursor(XTP_IDC_EDITOR_CURSOR_PENCIL);
    m_hCursorPick = XTPLoadCursor(XTP_IDC_EDITOR_CURSOR_PICK);
}

CXTPButtonEditorGrid::~CXTPButtonEditorGrid()
{
    delete m_pPending;
    delete m_pPicture;
}

BOOL CXTPButtonEditorGrid::Attach(UINT nID, CXTPButtonEditorDlg* pDlg)
{
    m_pDlg = pDlg;
    if (!SubclassDlgItem(nID, pDlg))
        return FALSE;
    CRect rc;
    GetWindowRect(&rc);
    pDlg->ScreenToClient(&rc);
    m_szCell = CXTPButtonEditorGridLayout::CellSize(rc.Size(), GetPictureSize());
    CSize szGrid = CXTPButtonEditorGridLayout::GridSize(GetPictureSize(), m_szCell);
    SetWindowPos(NULL, 0, 0, szGrid.cx, szGrid.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

CSize CXTPButtonEditorGrid::GetPictureSize() const
{
    return m_pDlg != NULL ? m_pDlg->GetPictureSize() : CSize(16, 16);
}

void CXTPButtonEditorGrid::SetPicture(CXTPButtonEditorBitmap* pPicture)
{
    delete m_pPicture;
    m_pPicture = pPicture;
    OnPictureChanged();
}

void CXTPButtonEditorGrid::OnPictureChanged()
{
    if (m_hWnd != NULL)
        Invalidate(FALSE);
    if (m_pDlg != NULL)
        m_pDlg->RedrawPreview();
}

void CXTPButtonEditorGrid::CommitStep(CXTPButtonEditorBitmap* pNewPicture)
{
    m_history.PushStep(m_pPicture);
    m_pPicture = pNewPicture;
    OnPictureChanged();
}

// ---- Painting ----------------------------------------------------------------

BOOL CXTPButtonEditorGrid::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPButtonEditorGrid::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTPBufferDC dc(dcPaint, rcClient);
    dc.FillSolidRect(rcClient, RGB(255, 255, 255));

    CSize szPicture = GetPictureSize();
    CSize szGrid = CXTPButtonEditorGridLayout::GridSize(szPicture, m_szCell);
    // The grid's pixels are worked out in a picture of its own and drawn in one go.
    std::unique_ptr<CXTPButtonEditorBitmap> pGrid(CXTPButtonEditorBitmap::CreatePicture(szGrid, FALSE));
    if (pGrid == nullptr)
        return;
    for (int y = 0; y < szGrid.cy; y++)
    {
        for (int x = 0; x < szGrid.cx; x++)
        {
            int px = std::min(x / m_szCell.cx, szPicture.cx - 1);
            int py = std::min(y / m_szCell.cy, szPicture.cy - 1);
            COLORREF clr = CXTPButtonEditorGridLayout::CheckerColor(x, y);
            if (m_pPicture != NULL && m_pPicture->IsAlpha())
                clr = CXTPButtonEditorGridLayout::Blend(clr, m_pPicture->GetPixel(px, py), m_pPicture->GetAlpha(px, py));
            else if (m_pPicture != NULL && !m_pPicture->IsTransparent(px, py))
                clr = m_pPicture->GetPixel(px, py);
            pGrid->SetPixel(x, y, clr);
        }
    }
    pGrid->Draw(dc.GetSafeHdc(), 0, 0);
    HBRUSH hFrame = (HBRUSH)::GetStockObject(BLACK_BRUSH);
    RECT rcFrame = {0, 0, szGrid.cx, szGrid.cy};
    ::FrameRect(dc.GetSafeHdc(), &rcFrame, hFrame);
}

BOOL CXTPButtonEditorGrid::OnSetCursor(CWnd*, UINT, UINT)
{
    int nTool = m_pDlg != NULL ? m_pDlg->GetCurrentTool() : xtpToolPencil;
    HCURSOR hCursor = m_hCursorShape;
    if (nTool == xtpToolPencil)
        hCursor = m_hCursorPencil;
    else if (nTool == xtpToolFill)
        hCursor = m_hCursorFill;
    else if (nTool == xtpToolGetColor)
        hCursor = m_hCursorPick;
    ::SetCursor(hCursor);
    return TRUE;
}

// ---- Drawing with the mouse ------------------------------------------------------

void CXTPButtonEditorGrid::OnLButtonDown(UINT, CPoint point)
{
    CPoint cell;
    if (m_pDlg == NULL || m_bTracking
        || !CXTPButtonEditorGridLayout::CellFromPoint(point, m_szCell, GetPictureSize(), cell))
        return;
    int nTool = m_pDlg->GetCurrentTool();
    COLORREF clrDraw = m_pDlg->GetDrawingColor();
    if (nTool == xtpToolGetColor)
    {
        m_pDlg->OnPickColor(m_pPicture != NULL ? m_pPicture->GetPixel(cell.x, cell.y) : XTP_EDITOR_TRANSPARENT);
        return;
    }
    if (nTool == xtpToolFill)
    {
        CXTPButtonEditorBitmap* pFilled = CXTPButtonEditorBitmap::CopyOf(m_pPicture, GetPictureSize());
        if (pFilled == NULL)
            return;
        pFilled->FloodFill(cell, clrDraw);
        if (m_pPicture != NULL)
            pFilled->MakeChangedPixelsOpaque(*m_pPicture);
        CommitStep(pFilled);
        return;
    }
    if (!IsStrokeTool(nTool))
        return;
    CXTPButtonEditorBitmap* pWorking = CXTPButtonEditorBitmap::CopyOf(m_pPicture, GetPictureSize());
    if (pWorking == NULL)
        return;
    delete m_pPending;
    m_pPending = m_pPicture;
    m_pPicture = pWorking;
    // A click on a pixel of the drawing colour erases it.
    m_clrStroke = m_pPicture->GetPixel(cell.x, cell.y) == clrDraw && !m_pPicture->IsTransparent(cell.x, cell.y)
                      ? XTP_EDITOR_TRANSPARENT
                      : clrDraw;
    m_ptStart = cell;
    m_bTracking = TRUE;
    SetCapture();
    TrackTo(cell);
}

void CXTPButtonEditorGrid::OnMouseMove(UINT, CPoint point)
{
    CPoint cell;
    if (m_bTracking && CXTPButtonEditorGridLayout::CellFromPoint(point, m_szCell, GetPictureSize(), cell))
        TrackTo(cell);
}

void CXTPButtonEditorGrid::TrackTo(CPoint cell)
{
    int nTool = m_pDlg->GetCurrentTool();
    CXTPButtonEditorBitmap* pNext = NULL;
    if (nTool == xtpToolPencil)
    {
        pNext = m_pPicture->Clone();
        if (pNext != NULL)
            pNext->SetPixel(cell.x, cell.y, m_clrStroke);
    }
    else
    {
        // Rubber band: the shape is drawn afresh on the picture before the stroke.
        pNext = CXTPButtonEditorBitmap::CopyOf(m_pPending, GetPictureSize());
        if (pNext != NULL)
            pNext->DrawShape(ShapeOfTool(nTool), m_ptStart, cell, m_pDlg->GetDrawingColor());
    }
    if (pNext == NULL)
        return;
    if (m_pPending != NULL)
        pNext->MakeChangedPixelsOpaque(*m_pPending);
    delete m_pPicture;
    m_pPicture = pNext;
    OnPictureChanged();
}

void CXTPButtonEditorGrid::OnLButtonUp(UINT, CPoint)
{
    if (m_bTracking)
        ReleaseCapture();
    EndTracking();
}

void CXTPButtonEditorGrid::OnCaptureChanged(CWnd*)
{
    EndTracking();
}

void CXTPButtonEditorGrid::EndTracking()
{
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    m_history.PushStep(m_pPending);
    m_pPending = NULL;
    OnPictureChanged();
}

// ---- Actions -------------------------------------------------------------------

void CXTPButtonEditorGrid::Undo()
{
    if (m_history.Undo(m_pPicture))
        OnPictureChanged();
}

void CXTPButtonEditorGrid::Redo()
{
    if (m_history.Redo(m_pPicture))
        OnPictureChanged();
}

void CXTPButtonEditorGrid::Clear()
{
    CommitStep(NULL);
}

void CXTPButtonEditorGrid::Move(int dx, int dy)
{
    if (m_pPicture == NULL)
        return;
    CXTPButtonEditorBitmap* pMoved = m_pPicture->Moved(dx, dy);
    if (pMoved != NULL)
        CommitStep(pMoved);
}

void CXTPButtonEditorGrid::Copy()
{
    std::unique_ptr<CXTPButtonEditorBitmap> pPicture(CXTPButtonEditorBitmap::CopyOf(m_pPicture, GetPictureSize()));
    std::unique_ptr<CXTPButtonEditorBitmap> pFaced(pPicture != nullptr ? pPicture->FacedCopy() : NULL);
    if (pFaced != nullptr)
        XTPPutBitmapOnClipboard(m_hWnd, (HBITMAP)pFaced->Detach(), pFaced->IsAlpha());
}

void CXTPButtonEditorGrid::Paste()
{
    HBITMAP hBitmap = NULL;
    BOOL bAlpha = FALSE;
    if (!XTPGetBitmapFromClipboard(m_hWnd, TRUE, hBitmap, bAlpha))
        return;
    CXTPButtonEditorBitmap* pPasted = CXTPButtonEditorBitmap::FromBitmap(hBitmap, bAlpha, GetPictureSize());
    ::DeleteObject(hBitmap);
    if (pPasted == NULL)
        return;
    if (!bAlpha)
        pPasted->MakeColorTransparent(::GetSysColor(COLOR_BTNFACE));
    CommitStep(pPasted);
}

void CXTPButtonEditorGrid::Import()
{
    CString strFilter;
    XTPResourceManager()->LoadString(&strFilter, XTP_IDS_PICTURE_FILTER);
    CFileDialog dlg(TRUE, NULL, NULL, OFN_HIDEREADONLY, strFilter, m_pDlg);
    if (dlg.DoModal() == IDOK)
        ImportFile(dlg.GetPathName());
}

BOOL CXTPButtonEditorGrid::ImportFile(LPCTSTR lpszPath)
{
    CXTPButtonEditorBitmap* pImported = LoadPictureFile(lpszPath);
    if (pImported == NULL)
        return FALSE;
    CommitStep(pImported);
    return TRUE;
}

CXTPButtonEditorBitmap* CXTPButtonEditorGrid::LoadPictureFile(LPCTSTR lpszPath) const
{
    CSize size = GetPictureSize();
    CString strExt = LowerExtension(lpszPath);
    if (strExt == "ico")
    {
        CXTPImageManagerIconHandle hImage;
        HBITMAP hAlpha = CXTPImageManagerIcon::LoadAlphaIcon(lpszPath, size.cx);
        if (hAlpha != NULL)
            hImage = hAlpha;
        else
            hImage = (HICON)::LoadImageA(NULL, lpszPath, IMAGE_ICON, size.cx, size.cy,
                                         LR_LOADFROMFILE | LR_CREATEDIBSECTION);
        return CXTPButtonEditorBitmap::FromImage(hImage, size);
    }
    if (strExt == "bmp")
    {
        HBITMAP hBitmap = (HBITMAP)::LoadImageA(NULL, lpszPath, IMAGE_BITMAP, 0, 0,
                                                LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE);
        if (hBitmap == NULL)
            return NULL;
        CXTPButtonEditorBitmap* pPicture = CXTPButtonEditorBitmap::FromBitmap(
            hBitmap, CXTPImageManagerIcon::IsAlphaBitmapFile(lpszPath), size);
        ::DeleteObject(hBitmap);
        return pPicture;
    }
    return LoadOlePicture(lpszPath, size);
}
