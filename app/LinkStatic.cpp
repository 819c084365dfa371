#include "app/LinkStatic.h"

#include "app/HyperlinkShell.h"

namespace {

const COLORREF kLinkColour = RGB(0, 0, 238);
const COLORREF kVisitedColour = RGB(85, 26, 139);
const UINT_PTR kToolId = 1;
const WORD kHandCursorId = 106;

// The description of the window's font, or of the system font the control
// draws with when it has none.
LOGFONT FontOf(CWnd* pWnd)
{
    LOGFONT logFont = {};
    CFont* pFont = pWnd->GetFont();
    if (pFont == NULL || pFont->GetLogFont(&logFont) == 0)
        ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof(logFont), &logFont);
    return logFont;
}

} // namespace

IMPLEMENT_DYNAMIC(CLinkStatic, CStatic)

BEGIN_MESSAGE_MAP(CLinkStatic, CStatic)
ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CLinkStatic::CLinkStatic()
    : m_crLinkColour(kLinkColour), m_crVisitedColour(kVisitedColour),
      m_crHoverColour(::GetSysColor(COLOR_HIGHLIGHT)), m_bOverControl(FALSE), m_bVisited(FALSE),
      m_bUnderline(true), m_bAdjustToFit(TRUE), m_hLinkCursor(NULL), m_bOwnCursor(false)
{}

CLinkStatic::~CLinkStatic()
{
    FreeOwnCursor();
}

CRect CLinkStatic::FitToText(const CRect& rect, CSize textSize, DWORD dwStyle)
{
    CRect fitted = rect;
    if (dwStyle & SS_CENTERIMAGE)
    {
        int spare = (rect.Height() - textSize.cy) / 2;
        fitted.top += spare;
        fitted.bottom -= spare;
    }
    else
        fitted.bottom = fitted.top + textSize.cy;

    switch (dwStyle & SS_TYPEMASK)
    {
    case SS_CENTER:
    {
        int spare = (rect.Width() - textSize.cx) / 2;
        fitted.left += spare;
        fitted.right -= spare;
        break;
    }
    case SS_RIGHT:
        fitted.left = fitted.right - textSize.cx;
        break;
    default:
        fitted.right = fitted.left + textSize.cx;
        break;
    }
    return fitted;
}

void CLinkStatic::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    ModifyStyle(0, SS_NOTIFY);

    CString text;
    GetWindowText(text);
    if (m_strURL.IsEmpty())
        m_strURL = text;
    if (text.IsEmpty())
        SetWindowText(m_strURL);

    MakeFont(FontOf(this));
    PositionWindow();
    if (m_hLinkCursor == NULL)
        SetDefaultCursor();

    CRect client;
    GetClientRect(&client);
    m_ToolTip.Create(this);
    m_ToolTip.AddTool(this, m_strURL, &client, kToolId);
}

void CLinkStatic::MakeFont(const LOGFONT& base)
{
    LOGFONT logFont = base;
    logFont.lfUnderline = m_bUnderline ? TRUE : FALSE;
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(&logFont);
    SetFont(&m_Font);
}

void CLinkStatic::PositionWindow()
{
    if (!m_bAdjustToFit || GetSafeHwnd() == NULL)
        return;
    CRect rect;
    GetWindowRect(&rect);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(&rect);

    CString text;
    GetWindowText(text);
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&m_Font);
    CSize extent = dc.GetTextExtent(text);
    dc.SelectObject(pOldFont);

    CRect fitted = FitToText(rect, extent, GetStyle());
    SetWindowPos(NULL, fitted.left, fitted.top, fitted.Width(), fitted.Height(), SWP_NOZORDER);
}

void CLinkStatic::SetURL(LPCTSTR lpszURL)
{
    m_strURL = lpszURL;
    if (GetSafeHwnd() == NULL)
        return;
    PositionWindow();
    if (m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.UpdateTipText(m_strURL, this, kToolId);
}

void CLinkStatic::SetColours(COLORREF crLinkColour, COLORREF crVisitedColour, COLORREF crHoverColour)
{
    m_crLinkColour = crLinkColour;
    m_crVisitedColour = crVisitedColour;
    m_crHoverColour = crHoverColour == (COLORREF)-1 ? ::GetSysColor(COLOR_HIGHLIGHT) : crHoverColour;
    Repaint();
}

void CLinkStatic::SetVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    Repaint();
}

void CLinkStatic::SetLinkCursor(HCURSOR hCursor)
{
    FreeOwnCursor();
    m_hLinkCursor = hCursor;
    if (m_hLinkCursor == NULL)
        SetDefaultCursor();
}

void CLinkStatic::SetUnderline(BOOL bUnderline)
{
    m_bUnderline = bUnderline != FALSE;
    if (GetSafeHwnd() == NULL)
        return;
    LOGFONT logFont = FontOf(this);
    MakeFont(logFont);
    PositionWindow();
    Repaint();
}

void CLinkStatic::SetAutoSize(BOOL bAutoSize)
{
    m_bAdjustToFit = bAutoSize;
    PositionWindow();
}

void CLinkStatic::SetDefaultCursor()
{
    char path[MAX_PATH];
    UINT length = ::GetWindowsDirectoryA(path, MAX_PATH);
    if (length == 0 || length + sizeof("\\winhlp32.exe") > MAX_PATH)
        return;
    lstrcatA(path, "\\winhlp32.exe");
    HMODULE hModule = ::LoadLibraryA(path);
    if (hModule == NULL)
        return;
    HCURSOR hCursor = ::LoadCursorA(hModule, MAKEINTRESOURCEA(kHandCursorId));
    if (hCursor != NULL)
    {
        m_hLinkCursor = (HCURSOR)::CopyIcon((HICON)hCursor);
        m_bOwnCursor = m_hLinkCursor != NULL;
    }
    ::FreeLibrary(hModule);
}

void CLinkStatic::FreeOwnCursor()
{
    if (m_bOwnCursor && m_hLinkCursor != NULL)
        ::DestroyCursor(m_hLinkCursor);
    m_hLinkCursor = NULL;
    m_bOwnCursor = false;
}

void CLinkStatic::Repaint()
{
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

BOOL CLinkStatic::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

HBRUSH CLinkStatic::CtlColor(CDC* pDC, UINT)
{
    if (m_bOverControl)
        pDC->SetTextColor(m_crHoverColour);
    else
        pDC->SetTextColor(m_bVisited ? m_crVisitedColour : m_crLinkColour);
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(HOLLOW_BRUSH);
}

void CLinkStatic::OnMouseMove(UINT nFlags, CPoint point)
{
    CStatic::OnMouseMove(nFlags, point);
    if (m_bOverControl)
    {
        CRect client;
        GetClientRect(&client);
        if (!client.PtInRect(point))
        {
            m_bOverControl = FALSE;
            ::ReleaseCapture();
            Repaint();
        }
    }
    else
    {
        m_bOverControl = TRUE;
        Repaint();
        SetCapture();
    }
}

BOOL CLinkStatic::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hLinkCursor == NULL)
        return CStatic::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

int CLinkStatic::GotoURL(LPCTSTR lpszURL, int nShowCmd)
{
    return OpenHyperlink(lpszURL, nShowCmd);
}

void CLinkStatic::OnClicked()
{
    int result = GotoURL(m_strURL, SW_SHOW);
    if (result > 32)
    {
        SetVisited(TRUE);
        return;
    }
    ::MessageBeep(MB_ICONEXCLAMATION);
    ReportError(result);
}

void CLinkStatic::ReportError(int nResult)
{
    AfxMessageBox("Unable to open hyperlink:\n\n" + HyperlinkErrorText(nResult), MB_ICONEXCLAMATION);
}
