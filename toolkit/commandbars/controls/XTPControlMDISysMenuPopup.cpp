#include "toolkit/commandbars/controls/XTPControlMDISysMenuPopup.h"

#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"

IMPLEMENT_DYNCREATE(CXTPControlMDISysMenuPopup, CXTPControlPopup)

namespace {

// The system commands a system menu may hold.
const UINT kFirstSystemCommand = 0xF000;
const UINT kLastSystemCommand = 0xF1F0; // not included

// The popup of the system menu: its items keep the system menu's own
// shortcut texts ("Ctrl+F4"), which the frame's accelerators do not know.
class CXTPSystemMenuPopupBar : public CXTPPopupBar
{
public:
    void UpdateShortcuts() override {}
};

HICON FindChildIcon(HWND hWndChild)
{
    HICON hIcon = (HICON)::SendMessage(hWndChild, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::SendMessage(hWndChild, WM_GETICON, ICON_BIG, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::GetClassLongPtr(hWndChild, GCLP_HICONSM);
    if (hIcon == NULL)
        hIcon = ::LoadIcon(NULL, IDI_WINLOGO);
    return hIcon;
}

} // namespace

CXTPControlMDISysMenuPopup::CXTPControlMDISysMenuPopup() : m_hWndChild(NULL), m_hSystemMenu(NULL), m_hIcon(NULL)
{
    // Enabled by its owner, not movable in customize mode.
    m_dwFlags |= xtpFlagManualUpdate | XTP_CONTROLFLAG_NOMOVABLE;
    m_strCaption = "-";
}

CXTPControlMDISysMenuPopup::~CXTPControlMDISysMenuPopup()
{
    if (m_hIcon != NULL)
        ::DestroyIcon(m_hIcon);
}

void CXTPControlMDISysMenuPopup::SetMDIChild(HWND hWndChild, HMENU hSystemMenu)
{
    m_hWndChild = hWndChild;
    m_hSystemMenu = hSystemMenu;
    if (m_hIcon != NULL)
        ::DestroyIcon(m_hIcon);
    m_hIcon = (HICON)::CopyImage(FindChildIcon(hWndChild), IMAGE_ICON, 16, 16, 0);
    FillPopup(hSystemMenu);
}

void CXTPControlMDISysMenuPopup::FillPopup(HMENU hSystemMenu)
{
    CXTPPopupBar* pPopupBar = new CXTPSystemMenuPopupBar;
    SetCommandBar(pPopupBar);
    pPopupBar->InternalRelease();

    CXTPControls* pControls = pPopupBar->GetControls();
    BOOL bBeginGroup = FALSE;
    const int nCount = ::GetMenuItemCount(hSystemMenu);
    for (int i = 0; i < nCount; i++)
    {
        char szText[256] = "";
        MENUITEMINFOA info;
        ZeroMemory(&info, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_TYPE;
        info.dwTypeData = szText;
        info.cch = sizeof(szText) - 1;
        if (!::GetMenuItemInfoA(hSystemMenu, (UINT)i, TRUE, &info))
            continue;
        if (info.fType & MFT_SEPARATOR)
        {
            bBeginGroup = TRUE;
            continue;
        }
        if (info.wID < kFirstSystemCommand || info.wID >= kLastSystemCommand)
            continue;
        CXTPControl* pItem = pControls->Add(xtpControlButton, (int)info.wID);
        // The popup itself sets the states as it opens: no handler in the
        // frame updates them.
        pItem->SetFlags(pItem->GetFlags() | xtpFlagManualUpdate);
        pItem->SetCaption(CString(szText));
        // The default command (Close) is drawn bold and runs on a double
        // click on the child's icon.
        pItem->SetItemDefault((info.fState & MFS_DEFAULT) != 0);
        pItem->SetBeginGroup(bBeginGroup);
        bBeginGroup = FALSE;
    }
}

BOOL CXTPControlMDISysMenuPopup::IsSystemCommandEnabled(UINT nCommand, DWORD dwStyle, UINT nMenuState)
{
    const BOOL bMaximized = (dwStyle & WS_MAXIMIZE) != 0;
    const BOOL bMinimized = (dwStyle & WS_MINIMIZE) != 0;
    switch (nCommand)
    {
    case SC_RESTORE:
        return bMaximized || bMinimized;
    case SC_MOVE:
        return !bMaximized;
    case SC_SIZE:
        return (dwStyle & WS_THICKFRAME) != 0 && !bMaximized && !bMinimized;
    case SC_MINIMIZE:
        return (dwStyle & WS_MINIMIZEBOX) != 0 && !bMinimized;
    case SC_MAXIMIZE:
        return (dwStyle & WS_MAXIMIZEBOX) != 0 && !bMaximized;
    default:
        return (nMenuState & (MF_GRAYED | MF_DISABLED)) == 0;
    }
}

void CXTPControlMDISysMenuPopup::UpdateItemStates()
{
    CXTPCommandBar* pPopupBar = GetCommandBar();
    if (pPopupBar == NULL || !::IsWindow(m_hWndChild) || !::IsMenu(m_hSystemMenu))
        return;
    const DWORD dwStyle = (DWORD)::GetWindowLong(m_hWndChild, GWL_STYLE);
    for (int i = 0; i < pPopupBar->GetControlCount(); i++)
    {
        CXTPControl* pItem = pPopupBar->GetControl(i);
        const UINT nMenuState = ::GetMenuState(m_hSystemMenu, (UINT)pItem->GetID(), MF_BYCOMMAND);
        pItem->SetEnabled(nMenuState != (UINT)-1
                          && IsSystemCommandEnabled((UINT)pItem->GetID(), dwStyle, nMenuState));
    }
}

BOOL CXTPControlMDISysMenuPopup::OnSetPopup(BOOL bPopup)
{
    if (bPopup)
        UpdateItemStates();
    return CXTPControlPopup::OnSetPopup(bPopup);
}

CSize CXTPControlMDISysMenuPopup::GetSize(CDC* /*pDC*/)
{
    return CSize(16, 16);
}

void CXTPControlMDISysMenuPopup::Draw(CDC* pDC)
{
    if (m_hIcon == NULL)
        return;
    const CRect rc = GetRect();
    const CPoint pt(rc.left + (rc.Width() - 16) / 2, rc.top + (rc.Height() - 16) / 2);
    ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, m_hIcon, 16, 16, 0, NULL, DI_NORMAL);
}

void CXTPControlMDISysMenuPopup::GetPopupPlacement(CRect& rcExclude)
{
    rcExclude.InflateRect(1, 1);
}
