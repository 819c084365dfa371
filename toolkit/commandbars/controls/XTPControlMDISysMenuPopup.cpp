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

CXTPControlMDISysMenuPopup::CXTPControlMDISysMenuPopup() : m_hSystemMenu(NULL), m_hIcon(NULL)
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
        // The system menu's state stands: no handler in the frame updates it.
        pItem->SetFlags(pItem->GetFlags() | xtpFlagManualUpdate);
        pItem->SetCaption(CString(szText));
        pItem->SetEnabled((info.fState & (MFS_DISABLED | MFS_GRAYED)) == 0);
        pItem->SetBeginGroup(bBeginGroup);
        bBeginGroup = FALSE;
    }
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
