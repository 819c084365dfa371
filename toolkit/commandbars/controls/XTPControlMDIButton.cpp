#include "toolkit/commandbars/controls/XTPControlMDIButton.h"

#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPControlMDIButton, CXTPControlButton)

CXTPControlMDIButton::CXTPControlMDIButton()
{
    // Far end of the row, not reached by the keyboard, enabled by its owner,
    // not movable in customize mode.
    m_dwFlags |= xtpFlagRightAlign | xtpFlagSkipFocus | xtpFlagManualUpdate | XTP_CONTROLFLAG_NOMOVABLE;
}

LPCTSTR CXTPControlMDIButton::GetGlyph(int nId)
{
    switch (nId)
    {
    case XTP_ID_MENUBAR_MINIMIZE:
        return "0";
    case XTP_ID_MENUBAR_RESTORE:
        return "2";
    case XTP_ID_MENUBAR_CLOSE:
        return "r";
    default:
        return "";
    }
}

UINT CXTPControlMDIButton::GetSystemCommand(int nId)
{
    if (nId == XTP_ID_MENUBAR_CLOSE)
        return SC_CLOSE;
    if (nId == XTP_ID_MENUBAR_RESTORE)
        return SC_RESTORE;
    return SC_MINIMIZE;
}

CSize CXTPControlMDIButton::GetSize(CDC* /*pDC*/)
{
    return CSize(16, 16);
}

void CXTPControlMDIButton::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL)
        return;
    pPaintManager->DrawControlEntry(pDC, this);
    CXTPPaintManager::DrawSymbolGlyph(pDC, m_strParameter, GetRect());
}

void CXTPControlMDIButton::OnExecute()
{
    CXTPMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CXTPMenuBar, m_pParent);
    HWND hWndChild = pMenuBar != NULL ? pMenuBar->GetActiveMdiChild() : NULL;
    if (hWndChild != NULL)
        ::PostMessage(hWndChild, WM_SYSCOMMAND, GetSystemCommand(m_nId), 0);
}
