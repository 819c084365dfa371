#include "toolkit/controls/XTFlatComboBox.h"

#include "toolkit/foundation/XTPBufferDC.h"

IMPLEMENT_DYNAMIC(CXTFlatComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CXTFlatComboBox, CXTFlatControlT<CComboBox>)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_CONTROL_REFLECT_EX(CBN_SETFOCUS, OnSetFocus)
ON_CONTROL_REFLECT_EX(CBN_KILLFOCUS, OnKillFocus)
ON_CONTROL_REFLECT_EX(CBN_CLOSEUP, OnCloseUp)
ON_CONTROL_REFLECT_EX(CBN_EDITUPDATE, OnEditUpdate)
END_MESSAGE_MAP()

CXTFlatComboBox::CXTFlatComboBox() : m_bDrawnHot(FALSE), m_bAutoComplete(FALSE), m_bErasingKeyDown(FALSE)
{}

CXTFlatComboBox::~CXTFlatComboBox()
{}

void CXTFlatComboBox::DrawFrame(CDC* pDC, int nState)
{
    CXTFlatControlsTheme* pTheme = GetTheme();
    if (pTheme != NULL)
        pTheme->DrawComboFrame(pDC, this, nState);
}

// ---------------------------------------------------------------------------
// Hover

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
