#include "toolkit/controls/XTFlatComboBox.h"

#include "toolkit/foundation/XTPBufferDC.h"

IMPLEMENT_DYNAMIC(CXTFlatComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CXTFlatComboBox, CComboBox)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_CONTROL_REFLECT_EX(CBN_SETFOCUS, OnSetFocus)
    ON_CONTROL_REFLECT_EX(CBN_KILLFOCUS, OnKillFocus)
    ON_CONTROL_REFLECT_EX(CBN_CLOSEUP, OnCloseUp)
    ON_CONTROL_REFLECT_EX(CBN_EDITUPDATE, OnEditUpdate)
END_MESSAGE_MAP()

CXTFlatComboBox::CXTFlatComboBox()
    : CXTThemeManagerStyleHost(RUNTIME_CLASS(CXTFlatControlsThemeFactory)), m_bButtonDown(FALSE),
      m_bDrawnHot(FALSE), m_bHasFocus(FALSE), m_bAutoComplete(FALSE), m_bErasingKeyDown(FALSE)
{
}

CXTFlatComboBox::~CXTFlatComboBox()
{
}

CXTFlatControlsTheme* CXTFlatComboBox::GetSharedTheme()
{
    CXTThemeManagerStyleFactory* pFactory =
        XTThemeManager()->GetFactory(RUNTIME_CLASS(CXTFlatControlsThemeFactory));
    return pFactory != NULL ? (CXTFlatControlsTheme*)pFactory->GetSafeTheme() : NULL;
}

void CXTFlatComboBox::SetSharedTheme(int nTheme)
{
    CXTThemeManagerStyleFactory* pFactory =
        XTThemeManager()->GetFactory(RUNTIME_CLASS(CXTFlatControlsThemeFactory));
    if (pFactory != NULL)
        pFactory->SetTheme(nTheme);
}

void CXTFlatComboBox::SetSharedTheme(CXTThemeManagerStyle* pTheme)
{
    CXTThemeManagerStyleFactory* pFactory =
        XTThemeManager()->GetFactory(RUNTIME_CLASS(CXTFlatControlsThemeFactory));
    if (pFactory != NULL)
        pFactory->SetTheme(pTheme);
    else
        delete pTheme;
}

void CXTFlatComboBox::OnThemeChanged()
{
    if (::IsWindow(m_hWnd))
        Invalidate();
}

void CXTFlatComboBox::DisableFlatLook(BOOL bDisable)
{
    if (m_flatLook.SetFlat(this, !bDisable) && IsFlat())
        OnHoverTimer();
}

BOOL CXTFlatComboBox::IsMouseOver()
{
    return CXTFlatLook::IsMouseOver(this);
}

void CXTFlatComboBox::DrawFrame(CDC* pDC, int nState)
{
    CXTFlatControlsTheme* pTheme = GetTheme();
    if (pTheme != NULL)
        pTheme->DrawComboFrame(pDC, this, nState);
}

void CXTFlatComboBox::DrawFlat(CDC* pDC)
{
    if (IsFlat())
        DrawFrame(pDC, CXTFlatLook::HoverState(this, m_bHasFocus));
}

void CXTFlatComboBox::DrawFrameNow(int nState)
{
    CClientDC dc(this);
    DrawFrame(&dc, nState);
}

// ---------------------------------------------------------------------------
// Mouse and hover

BOOL CXTFlatComboBox::OnSetCursor(CWnd*, UINT, UINT message)
{
    if (m_flatLook.StartHover(this, message))
        OnHoverTimer();
    return (BOOL)Default();
}

void CXTFlatComboBox::OnLButtonDown(UINT, CPoint)
{
    if (IsFlat())
        m_bButtonDown = TRUE;
    Default();
}

void CXTFlatComboBox::OnLButtonUp(UINT, CPoint)
{
    if (IsFlat())
    {
        m_bButtonDown = FALSE;
        Invalidate();
    }
    Default();
}

void CXTFlatComboBox::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == XT_FLAT_TIMER)
        OnHoverTimer();
    else
        Default();
}

void CXTFlatComboBox::OnHoverTimer()
{
    if (!IsFlat())
    {
        KillTimer(XT_FLAT_TIMER);
        return;
    }
    if (m_bButtonDown)
    {
        KillTimer(XT_FLAT_TIMER);
        if (m_bDrawnHot)
            DrawFrameNow(xtFlatPressed);
        m_bDrawnHot = FALSE;
    }
    else if (IsMouseOver() || m_bHasFocus)
    {
        if (!m_bDrawnHot)
        {
            m_bDrawnHot = TRUE;
            DrawFrameNow(xtFlatHot);
        }
    }
    else
    {
        KillTimer(XT_FLAT_TIMER);
        if (m_bDrawnHot)
            DrawFrameNow(xtFlatNormal);
        m_bDrawnHot = FALSE;
    }
}

// ---------------------------------------------------------------------------
// Painting

void CXTFlatComboBox::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CXTMemDC memDC(&dc, rc, CXTFlatLook::PaintBackColor(this));
    DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
    DrawFlat(&memDC);
}

BOOL CXTFlatComboBox::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CXTFlatComboBox::OnPrintClient(WPARAM wParam, LPARAM)
{
    LRESULT lResult = Default();
    DrawFlat(CDC::FromHandle((HDC)wParam));
    return lResult;
}

// ---------------------------------------------------------------------------
// Focus and list notifications (the parent is told as well)

BOOL CXTFlatComboBox::OnSetFocus()
{
    if (IsFlat())
    {
        m_bHasFocus = TRUE;
        Invalidate();
    }
    return FALSE;
}

BOOL CXTFlatComboBox::OnKillFocus()
{
    if (IsFlat())
    {
        m_bHasFocus = FALSE;
        Invalidate();
    }
    return FALSE;
}

BOOL CXTFlatComboBox::OnCloseUp()
{
    if (IsFlat())
        Invalidate();
    return FALSE;
}

// ---------------------------------------------------------------------------
// Keys and auto-completion

BOOL CXTFlatComboBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN && pMsg->message != WM_KEYUP)
        return CComboBox::PreTranslateMessage(pMsg);
    switch (pMsg->wParam)
    {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
        return CComboBox::PreTranslateMessage(pMsg);
    case VK_BACK:
    case VK_DELETE:
        if (m_bAutoComplete)
            m_bErasingKeyDown = pMsg->message == WM_KEYDOWN;
        break;
    }
    if ((int)SendMessage(CB_GETEDITSEL) == -1)
        return CComboBox::PreTranslateMessage(pMsg);
    ::TranslateMessage(pMsg);
    ::DispatchMessageA(pMsg);
    return TRUE;
}

BOOL CXTFlatComboBox::OnEditUpdate()
{
    if (m_bAutoComplete && !m_bErasingKeyDown)
        CompleteTypedText();
    return FALSE;
}

void CXTFlatComboBox::CompleteTypedText()
{
    CString strTyped;
    GetWindowText(strTyped);
    int nLength = strTyped.GetLength();
    if (nLength == 0)
        return;
    DWORD dwSel = (DWORD)SendMessage(CB_GETEDITSEL);
    BOOL bNoSel = dwSel == (DWORD)-1;
    int nStart = LOWORD(dwSel);
    int nEnd = HIWORD(dwSel);

    if (SelectString(-1, strTyped) == CB_ERR)
    {
        // No entry begins with the text: keep what was typed and its caret.
        SetWindowText(strTyped);
        if (!bNoSel)
            SetEditSel(nStart, nEnd);
    }
    if (nEnd >= nLength || bNoSel)
        SetEditSel(nLength, -1);
    else
        SetEditSel(nStart, nEnd);
}
