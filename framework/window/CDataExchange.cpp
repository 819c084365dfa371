#include "framework/window/CDataExchange.h"
#include "framework/window/AppHelpers.h"
#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(NULL),
      m_bEditLastControl(FALSE)
{}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == NULL)
        AfxThrowNotSupportedException();
    m_idLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != NULL)
    {
        ::SetFocus(m_idLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_idLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    // Notifications that filling the controls causes are not user input.
    AFX_THREAD_STATE* state = AfxGetThreadState();
    HWND hOldLockout = state->m_hLockoutNotifyWindow;
    state->m_hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = TRUE;
    try
    {
        DoDataExchange(&dx);
    }
    catch (CUserException* e)
    {
        e->Delete();
        bOK = FALSE;
    }
    state->m_hLockoutNotifyWindow = hOldLockout;
    return bOK;
}

void CWnd::DoDataExchange(CDataExchange*)
{}

// ---------------------------------------------------------------------------

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

namespace {

CString WindowText(HWND hWnd)
{
    CString text;
    int length = ::GetWindowTextLengthA(hWnd);
    ::GetWindowTextA(hWnd, text.GetBufferSetLength(length), length + 1);
    text.ReleaseBuffer();
    return text;
}

bool IsBlank(const char* text)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    return *text == '\0';
}

// The whole text as a number within [minimum, maximum]; blanks around it
// are allowed, anything else is not.
bool ParseNumber(const CString& text, long long minimum, long long maximum, bool allowSign, long long* pValue)
{
    const char* start = text;
    while (*start == ' ' || *start == '\t')
        ++start;
    if (!allowSign && (*start == '-' || *start == '+'))
        return false;
    char* end = NULL;
    errno = 0;
    long long value = strtoll(start, &end, 10);
    if (end == start || errno == ERANGE || !IsBlank(end) || value < minimum || value > maximum)
        return false;
    *pValue = value;
    return true;
}

void ExchangeNumber(CDataExchange* pDX, int nIDC, long long& value, long long minimum, long long maximum,
                    bool allowSign, LPCTSTR lpszPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        char text[32];
        snprintf(text, sizeof text, "%lld", value);
        ::SetWindowTextA(hWndCtrl, text);
        return;
    }
    if (!ParseNumber(WindowText(hWndCtrl), minimum, maximum, allowSign, &value))
    {
        AfxMessageBox(lpszPrompt, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    long long number = value;
    ExchangeNumber(pDX, nIDC, number, INT_MIN, INT_MAX, true, "Please enter an integer.");
    value = (int)number;
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    long long number = value;
    ExchangeNumber(pDX, nIDC, number, 0, UINT_MAX, false, "Please enter a positive integer.");
    value = (UINT)number;
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}
