#include "app/PreviewPane.h"

#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPColorManager.h"
#include "toolkit/foundation/XTPDrawHelpers.h"

namespace {
// The colour manager's band bottom line and the paint manager's band face.
const int kColorBandLine = 54;
const int kColorBandFace = 51;
} // namespace

BEGIN_MESSAGE_MAP(CPreviewEdit, CRichEditCtrl)
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CPreviewEdit::OnSetFocus(CWnd* pOldWnd)
{
    CRichEditCtrl::OnSetFocus(pOldWnd);
    GetParent()->Invalidate();
}

void CPreviewEdit::OnKillFocus(CWnd* pNewWnd)
{
    CRichEditCtrl::OnKillFocus(pNewWnd);
    GetParent()->Invalidate();
}

IMPLEMENT_DYNCREATE(CPreviewPane, CView)

BEGIN_MESSAGE_MAP(CPreviewPane, CView)
ON_WM_LBUTTONDBLCLK()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

CPreviewPane::CPreviewPane()
    : m_strCaption("News Abstract"), m_strKeyword(" "), m_strSubtitle("Some words about this news"),
      m_strTitle(" "), m_strSummary(" "), m_bExpanded(TRUE)
{}

int CPreviewPane::RightColumnX(int nKeywordWidth)
{
    return nKeywordWidth + 16 > KEYWORD_COLUMN_MIN ? nKeywordWidth + 16 : KEYWORD_COLUMN_MIN;
}

void CPreviewPane::SetSummary(LPCTSTR lpszText)
{
    m_strSummary = lpszText;
    if (m_wndText.GetSafeHwnd() != NULL)
        m_wndText.SetWindowText(m_strSummary);
}

int CPreviewPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndText.Create(WS_CHILD | WS_VISIBLE | ES_WANTRETURN | ES_MULTILINE, CRect(0, 0, 0, 0), this, 0))
        return -1;
    m_wndText.SetFont(&XTAuxData()->font);
    m_wndText.SetWindowText(m_strSummary);
    return 0;
}

void CPreviewPane::LayoutEdit()
{
    if (m_wndText.GetSafeHwnd() == NULL)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int y = HeaderHeight();
    m_wndText.MoveWindow(0, y, rcClient.Width(), rcClient.Height() - y, TRUE);
}

void CPreviewPane::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    LayoutEdit();
}

void CPreviewPane::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_rcHeader.PtInRect(point))
    {
        m_bExpanded = !m_bExpanded;
        Invalidate();
        LayoutEdit();
    }
    CView::OnLButtonDblClk(nFlags, point);
}

BOOL CPreviewPane::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CPreviewPane::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, XTPGetColor(COLOR_WINDOW));
    DrawHeader(&memDC);
}

void CPreviewPane::OnDraw(CDC* pDC)
{
    DrawHeader(pDC);
}

void CPreviewPane::DrawHeader(CDC* pDC)
{
    // The band spans the window rectangle, border included, so its frame
    // lines sit on the client's outer pixels (or outside them).
    GetWindowRect(&m_rcHeader);
    ScreenToClient(&m_rcHeader);
    pDC->FillSolidRect(&m_rcHeader, XTPGetColor(COLOR_WINDOW));
    m_rcBody = m_rcHeader;
    m_rcHeader.bottom = HeaderHeight();
    m_rcBody.top = m_rcHeader.bottom;

    const BOOL bFocused = ::GetFocus() == m_wndText.GetSafeHwnd() && m_wndText.GetSafeHwnd() != NULL;
    COLORREF clrText = XTPGetColor(COLOR_BTNTEXT);
    FillBand(pDC, bFocused, clrText);
    pDC->SetBkMode(TRANSPARENT);
    if (m_bExpanded)
        DrawTexts(pDC, clrText);
}

void CPreviewPane::FillBand(CDC* pDC, BOOL bFocused, COLORREF& clrText)
{
    // Before the command bars exist there is no paint manager: the plain look.
    CXTPPaintManager* pPaintManager = XTPPaintManager();
    const int nTheme = pPaintManager != NULL ? pPaintManager->GetThemeId() : -1;
    if (bFocused)
        clrText = XTPGetColor(COLOR_WINDOW);
    if (nTheme == xtpThemeOffice2003)
    {
        const CXTPPaintManagerColorGradient& gradient = XTPColorManager()->grcGradient[bFocused ? 0 : 3];
        XTPDrawHelpers()->GradientFill(pDC, &m_rcHeader, gradient.clrLight, gradient.clrDark, FALSE);
        pDC->FillSolidRect(m_rcHeader.left, m_rcHeader.bottom - 1, m_rcHeader.right, 1,
                           XTPGetColor(kColorBandLine));
        return;
    }
    const COLORREF clrFace =
        pPaintManager != NULL ? pPaintManager->GetColor(kColorBandFace) : XTPGetColor(COLOR_3DFACE);
    pDC->FillSolidRect(&m_rcHeader, bFocused ? XTPGetColor(COLOR_HIGHLIGHT) : clrFace);
    CRect rcFrame = m_rcHeader;
    rcFrame.left += 1;
    rcFrame.top += 1;
    if (nTheme != xtpThemeNativeWinXP)
        rcFrame.right -= 1;
    pDC->Draw3dRect(&rcFrame, XTPGetColor(COLOR_3DHILIGHT), GetBorderColor(TRUE));
}

void CPreviewPane::DrawTexts(CDC* pDC, COLORREF clrText)
{
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    CFont* pOldFont = pDC->SelectObject(&XTAuxData()->fontBold);
    const int x2 = RightColumnX(pDC->GetTextExtent(m_strKeyword).cx);
    pDC->TextOut(4, 4, m_strCaption);
    pDC->TextOut(4, 18, m_strKeyword);
    pDC->SelectObject(&XTAuxData()->font);
    pDC->TextOut(x2, 4, m_strSubtitle);
    pDC->TextOut(x2, 18, m_strTitle);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(clrOld);
}
