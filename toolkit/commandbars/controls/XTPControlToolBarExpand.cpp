#include "toolkit/commandbars/controls/XTPControlToolBarExpand.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPControlToolBarExpand, CXTPControlPopup)

namespace {
// The width of an expand popup that holds only hidden buttons.
const int kNarrowWidth = 150;
} // namespace

CXTPControlToolBarExpand::CXTPControlToolBarExpand() : m_bHiddenControls(FALSE)
{
    m_controlType = xtpControlButtonPopup;
    m_dwFlags = 0x1C;
    // The tool tip, "Toolbar Options", is the id's string.
    SetID(XTP_ID_TOOLBAR_EXPAND);
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
        && pSite->SendMessage(WM_XTP_CREATECOMMANDBAR, 0, (LPARAM)&request) && request.pCommandBar != NULL)
    {
        // Only a popup bar can open here: another bar is given back.
        pPopup = request.pCommandBar;
        if (!pPopup->IsKindOf(RUNTIME_CLASS(CXTPPopupBar)))
        {
            pPopup->InternalRelease();
            pPopup = NULL;
        }
    }
    if (pPopup == NULL)
        pPopup = CXTPPopupToolBar::CreatePopupToolBar(pBar->GetCommandBars());
    if (pPopup == NULL)
        return FALSE;
    SetCommandBar(pPopup);
    pPopup->InternalRelease();
    pPopup->SetCustomizable(FALSE);

    // The controls that the bars of this row hid for lack of room, then the
    // lists of their buttons.
    CXTPCommandBars* pCommandBars = pBar->GetCommandBars();
    if (pCommandBars != NULL)
    {
        pCommandBars->AddHiddenControls(pBar, pPopup);
        BOOL bShowExpandAlways = pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
        if (bShowExpandAlways || pCommandBars->IsCustomizeAvail())
        {
            CXTPControlPopup* pAddOrRemove =
                (CXTPControlPopup*)pPopup->GetControls()->Add(xtpControlPopup, 0, CString(), -1, TRUE);
            pAddOrRemove->SetCaption(XTP_IDS_ADDORREMOVE);
            pAddOrRemove->SetFlags(xtpFlagManualUpdate);
            pAddOrRemove->SetBeginGroup(pPopup->GetControlCount() > 2);
            CXTPPopupBar* pLists = CXTPPopupBar::CreatePopupBar(pCommandBars);
            pCommandBars->GetHiddenControlsPopup(pBar, pLists);
            pAddOrRemove->SetCommandBar(pLists);
            pLists->InternalRelease();
        }
        else
            pPopup->SetWidth(kNarrowWidth);
    }
    return pPopup->Popup(this, FALSE);
}
