#include "toolkit/commandbars/controls/XTPControlToolBarExpand.h"

#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/docking/XTPDockBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

#include <vector>

IMPLEMENT_DYNCREATE(CXTPControlToolBarExpand, CXTPControlPopup)

CXTPControlToolBarExpand::CXTPControlToolBarExpand() : m_bHiddenControls(FALSE)
{
    m_controlType = xtpControlButtonPopup;
    m_dwFlags = 0x1C;
    m_nId = XTP_ID_TOOLBAR_EXPAND;
    m_strTooltipText = "Toolbar Options";
}

void CXTPControlToolBarExpand::SetRect(CRect rcControl)
{
    CXTPToolBar* pBar = DYNAMIC_DOWNCAST(CXTPToolBar, (CObject*)GetParent());
    m_bHiddenControls = pBar != NULL && pBar->HasHiddenControls();
    CXTPControlPopup::SetRect(rcControl);
}

void CXTPControlToolBarExpand::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == NULL || GetParent() == NULL)
        return;
    int nWhich = GetParent()->GetPosition() == xtpBarFloating ? 3 : 0;
    pPaintManager->DrawSpecialControl(pDC, nWhich, this, GetParent(), TRUE, &m_bHiddenControls);
}

BOOL CXTPControlToolBarExpand::OnSetPopup(BOOL bPopup)
{
    m_bPopup = bPopup;
    CXTPToolBar* pBar = DYNAMIC_DOWNCAST(CXTPToolBar, (CObject*)GetParent());
    if (!bPopup)
    {
        if (m_pCommandBar != NULL)
            m_pCommandBar->SetTrackingMode(xtpTrackingOff);
        return TRUE;
    }
    if (pBar == NULL)
        return FALSE;

    CreateCommandBarRequest request = {NULL, FALSE, TRUE, FALSE, FALSE, NULL, 0};
    CWnd* pSite = pBar->GetOwnerSite();
    CXTPCommandBar* pPopup = NULL;
    if (pSite != NULL && pSite->m_hWnd != NULL
        && pSite->SendMessage(WM_XTP_CREATECOMMANDBAR, 0, (LPARAM)&request))
        pPopup = request.pCommandBar;
    if (pPopup == NULL)
        pPopup = CreatePopupBar(pBar->GetCommandBars());
    if (pPopup == NULL)
        return FALSE;
    SetCommandBar(pPopup);
    pPopup->InternalRelease();
    pPopup->SetCustomizable(FALSE);

    // The controls that the bars of this row hid for lack of room.
    std::vector<CXTPToolBar*> rowBars;
    CXTPDockBar* pDockBar = pBar->GetDockBar();
    if (pDockBar != NULL)
        pDockBar->GetRowBars(pDockBar->FindBar(pBar), rowBars);
    else
        rowBars.push_back(pBar);
    for (CXTPToolBar* pRowBar : rowBars)
    {
        CXTPControls* pControls = pRowBar->GetControls();
        for (int i = 0; i < pControls->GetCount(); i++)
        {
            CXTPControl* pControl = pControls->GetAt(i);
            if (pControl->GetHideFlags() != xtpHideWrap)
                continue;
            CXTPControl* pClone = pPopup->GetControls()->AddClone(pControl);
            pClone->SetHideFlags(0);
            pClone->SetBeginGroup(FALSE);
        }
    }
    return pPopup->Popup(this, FALSE);
}
