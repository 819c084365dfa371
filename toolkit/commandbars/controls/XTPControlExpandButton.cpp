#include "toolkit/commandbars/controls/XTPControlExpandButton.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"

IMPLEMENT_DYNCREATE(CXTPControlExpandButton, CXTPControlButton)

CXTPControlExpandButton::CXTPControlExpandButton()
{
    m_nId = XTP_ID_POPUPBAR_EXPAND;
    m_bCloseSubMenuOnClick = FALSE;
    // No command handler enables it: the popup keeps it as it is.
    m_dwFlags = xtpFlagManualUpdate;
}

CSize CXTPControlExpandButton::GetSize(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    return pPaintManager != NULL ? pPaintManager->DrawSpecialControl(pDC, 1, this, m_pParent, FALSE, NULL)
                                 : CSize(0, 0);
}

void CXTPControlExpandButton::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager != NULL)
        pPaintManager->DrawSpecialControl(pDC, 1, this, m_pParent, TRUE, NULL);
}

void CXTPControlExpandButton::OnExecute()
{
    CXTPPopupBar* pPopupBar = DYNAMIC_DOWNCAST(CXTPPopupBar, (CObject*)m_pParent);
    if (pPopupBar != NULL)
        pPopupBar->ExpandBar();
}

void CXTPControlExpandButton::OnMouseHover()
{
    CXTPCommandBars* pCommandBars = m_pParent != NULL ? m_pParent->GetCommandBars() : NULL;
    if (pCommandBars != NULL && pCommandBars->GetCommandBarsOptions()->bShowFullAfterDelay)
        OnExecute();
}
