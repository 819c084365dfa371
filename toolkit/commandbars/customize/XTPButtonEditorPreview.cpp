#include "toolkit/commandbars/customize/XTPButtonEditorPreview.h"

#include "toolkit/commandbars/customize/XTPButtonEditorBitmap.h"
#include "framework/window/CPaintDC.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPImageManagerIcon.h"

#include <memory>

BEGIN_MESSAGE_MAP(CXTPButtonEditorPreview, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CXTPButtonEditorPreview::Attach(UINT nID, CWnd* pDlg)
{
    if (!SubclassDlgItem(nID, pDlg))
        return FALSE;
    ModifyStyleEx(WS_EX_STATICEDGE, 0, SWP_FRAMECHANGED);
    return TRUE;
}

void CXTPButtonEditorPreview::SetPicture(const CXTPButtonEditorBitmap* pPicture, CSize szPicture)
{
    m_pPicture = pPicture;
    m_szPicture = szPicture;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

BOOL CXTPButtonEditorPreview::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPButtonEditorPreview::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTPBufferDC dc(dcPaint, rcClient);
    dc.FillSolidRect(rcClient, ::GetSysColor(COLOR_BTNFACE));

    CPoint pt(10, (rcClient.Height() - m_szPicture.cy) / 2);
    CRect rcPicture(pt, m_szPicture);
    CRect rcFrame(rcPicture);
    rcFrame.InflateRect(3, 3);
    dc.Draw3dRect(rcFrame, RGB(255, 255, 255), ::GetSysColor(COLOR_BTNSHADOW));
    rcFrame.InflateRect(1, 1);
    dc.Draw3dRect(rcFrame, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_BTNFACE));
    if (m_pPicture == NULL)
        return;
    if (m_pPicture->IsAlpha())
    {
        HBITMAP hPremultiplied = CXTPImageManagerIcon::PreMultiplyAlphaBitmap((HBITMAP)m_pPicture->m_hObject);
        CXTPImageManagerIcon::DrawAlphaBitmap(&dc, pt, hPremultiplied, m_szPicture);
        ::DeleteObject(hPremultiplied);
        return;
    }
    // Transparent pixels show the button face.
    std::unique_ptr<CXTPButtonEditorBitmap> pFaced(m_pPicture->FacedCopy());
    if (pFaced != nullptr)
        pFaced->Draw(dc.GetSafeHdc(), pt.x, pt.y);
}
