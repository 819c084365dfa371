#include "toolkit/controls/XTPStatusBarPane.h"
#include "toolkit/foundation/XTAuxData.h"
#include "toolkit/foundation/XTPBufferDC.h"
#include "toolkit/foundation/XTPColorManager.h"

IMPLEMENT_DYNCREATE(CXTPStatusBarBasePane, CWnd)

BEGIN_MESSAGE_MAP(CXTPStatusBarBasePane, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CXTPStatusBarBasePane::CXTPStatusBarBasePane()
{}

CXTPStatusBarBasePane::~CXTPStatusBarBasePane()
{}

BOOL CXTPStatusBarBasePane::CreatePane(LPCTSTR lpszText, CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_BYTEALIGNCLIENT);
    if (!Create(lpszClass, lpszText, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    strText = lpszText;
    return TRUE;
}

void CXTPStatusBarBasePane::DrawPaneContent(CDC*, CRect&)
{}

void CXTPStatusBarBasePane::OnPaint()
{
    CPaintDC paintDC(this);
    CRect rcClient;
    GetClientRect(rcClient);
    CXTPBufferDC dc(paintDC.m_hDC, rcClient);
    dc.FillSolidRect(rcClient, XTPGetColor(COLOR_BTNFACE));
    DrawPaneContent(&dc, rcClient);
}

BOOL CXTPStatusBarBasePane::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// ---- Text pane ----------------------------------------------------------------------------------

CXTPStatusBarTextPane::CXTPStatusBarTextPane() : sizeText(0, 0)
{
    CXTPNonClientMetrics metrics;
    metrics.lfMenuFont.lfWeight = FW_BOLD;
    font.CreateFontIndirect(&metrics.lfMenuFont);
}

void CXTPStatusBarTextPane::SetFont(LOGFONT* pLogFont)
{
    font.DeleteObject();
    font.CreateFontIndirect(pLogFont);
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, font.GetSafeHandle());
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(hDC, strText, strText.GetLength(), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    sizeText = size;
}

void CXTPStatusBarTextPane::SetFont(LPCTSTR lpszFaceName, int nHeight, int nWeight, BYTE bItalic,
                                    BYTE bUnderline)
{
    LOGFONT lf;
    ZeroMemory(&lf, sizeof(lf));
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    SetFont(&lf);
}

void CXTPStatusBarTextPane::DrawPaneContent(CDC* pDC, CRect& rcClient)
{
    pDC->SetTextColor(XTPGetColor(COLOR_BTNSHADOW));
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->DrawText(strText, rcClient, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
    pDC->SelectObject(pOldFont);
}

// ---- Icon pane ----------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPStatusBarIconPane, CXTPStatusBarBasePane)
ON_WM_ENABLE()
END_MESSAGE_MAP()

CXTPStatusBarIconPane::CXTPStatusBarIconPane()
    : sizeIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)), hIcon(NULL)
{}

CXTPStatusBarIconPane::~CXTPStatusBarIconPane()
{
    if (hIcon != NULL)
        ::DestroyIcon(hIcon);
}

void CXTPStatusBarIconPane::SetIcon(LPCTSTR lpszResourceName)
{
    if (hIcon != NULL)
        ::DestroyIcon(hIcon);
    hIcon = (HICON)::LoadImageA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName,
                                IMAGE_ICON, sizeIcon.cx, sizeIcon.cy, 0);
}

void CXTPStatusBarIconPane::SetIcon(UINT nIDResource)
{
    SetIcon(MAKEINTRESOURCE(nIDResource));
}

void CXTPStatusBarIconPane::DrawPaneContent(CDC* pDC, CRect& rcClient)
{
    if (hIcon == NULL)
        return;
    CPoint pt((rcClient.Width() - sizeIcon.cx) / 2, (rcClient.Height() - sizeIcon.cy) / 2);
    if (IsWindowEnabled())
    {
        ::DrawStateA(pDC->m_hDC, NULL, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, sizeIcon.cx, sizeIcon.cy,
                     DST_ICON);
        return;
    }
    HBRUSH hBrush = ::CreateSolidBrush(XTPGetColor(COLOR_BTNSHADOW));
    ::DrawStateA(pDC->m_hDC, hBrush, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, sizeIcon.cx, sizeIcon.cy,
                 DST_ICON | DSS_MONO);
    ::DeleteObject(hBrush);
}

void CXTPStatusBarIconPane::OnEnable(BOOL bEnable)
{
    CXTPStatusBarBasePane::OnEnable(bEnable);
    Invalidate(TRUE);
    UpdateWindow();
}
