#include "toolkit/commandbars/input/XTPAccelKeyEdit.h"

IMPLEMENT_DYNAMIC(CXTPAccelKeyEdit, CEdit)

namespace {

BOOL IsKeyDown(UINT nMessage)
{
    return nMessage == WM_KEYDOWN || nMessage == WM_SYSKEYDOWN;
}

BOOL IsModifierKey(UINT nKey)
{
    return nKey == VK_SHIFT || nKey == VK_CONTROL || nKey == VK_MENU;
}

BYTE HeldModifiers()
{
    BYTE fVirt = 0;
    if (::GetKeyState(VK_SHIFT) < 0)
        fVirt |= FSHIFT;
    if (::GetKeyState(VK_CONTROL) < 0)
        fVirt |= FCONTROL;
    if (::GetKeyState(VK_MENU) < 0)
        fVirt |= FALT;
    return fVirt;
}

} // namespace

CXTPAccelKeyEdit::CXTPAccelKeyEdit() : m_bKeyDefined(FALSE), m_keyText(&m_accel)
{
    ZeroMemory(&m_accel, sizeof(m_accel));
}

void CXTPAccelKeyEdit::SetKeyAccel(const ACCEL* pAccel)
{
    ASSERT(pAccel != NULL);
    m_accel = *pAccel;
    ShowKey();
}

void CXTPAccelKeyEdit::ResetKey()
{
    ZeroMemory(&m_accel, sizeof(m_accel));
    m_bKeyDefined = FALSE;
    ShowKey();
}

void CXTPAccelKeyEdit::ShowKey()
{
    if (m_hWnd != NULL)
        SetWindowText(m_keyText.Format());
}

BOOL CXTPAccelKeyEdit::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetFocus();
        return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return OnKeyMessage(*pMsg);
    default:
        return CEdit::PreTranslateMessage(pMsg);
    }
}

BOOL CXTPAccelKeyEdit::OnKeyMessage(const MSG& msg)
{
    const UINT nKey = (UINT)msg.wParam;
    // A new press (not the keyboard's repeat) starts a new combination.
    if (IsKeyDown(msg.message) && (msg.lParam & 0x40000000) == 0)
    {
        ZeroMemory(&m_accel, sizeof(m_accel));
        m_bKeyDefined = FALSE;
    }
    if (!m_bKeyDefined)
    {
        m_accel.fVirt = HeldModifiers();
        if (!IsModifierKey(nKey))
        {
            m_accel.key = (WORD)nKey;
            if (IsKeyDown(msg.message))
            {
                m_bKeyDefined = TRUE;
                m_accel.fVirt |= FVIRTKEY;
            }
        }
    }
    const BYTE fModifiers = m_accel.fVirt & (FSHIFT | FCONTROL | FALT);
    if (m_accel.fVirt == FVIRTKEY && m_accel.key == VK_ESCAPE)
    {
        ResetKey();
        return TRUE;
    }
    if (m_accel.key == VK_TAB && !(fModifiers & (FCONTROL | FALT)))
    {
        // Dialog navigation goes on with the key; its release (which comes
        // here while the field keeps the focus) leaves the field empty too.
        ResetKey();
        return FALSE;
    }
    ShowKey();
    return TRUE;
}
