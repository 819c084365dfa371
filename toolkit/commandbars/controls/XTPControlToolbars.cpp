#include "toolkit/commandbars/controls/XTPControlToolbars.h"

#include "toolkit/commandbars/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControlExpansion.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/foundation/XTPStartup.h"

IMPLEMENT_SERIAL(CXTPControlToolbars, CXTPControlButton, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlToolbarsClass, xtpStartupControlClasses, XTP_STARTUP_CLASS(CXTPControlToolbars));

const char* const CXTPControlToolbars::kToggleParameter = "CXTPControlToolbar";

namespace {

BOOL IsToggleItem(const CXTPControl* pControl)
{
    return pControl->GetParameter() == CXTPControlToolbars::kToggleParameter;
}

} // namespace

void CXTPControlToolbars::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    XTPRemoveExpansionItems(this, IsToggleItem);
    if (XTPShowPlaceholderWhileCustomizing(this))
        return;
    SetHideFlags(xtpHideGeneric);
    CXTPCommandBars* pCommandBars = m_pControls != NULL ? m_pControls->GetCommandBars() : NULL;
    if (pCommandBars == NULL)
        return;
    CXTPControlToolBarToggle::AddToggles(m_pControls, pCommandBars, m_nId, GetIndex() + 1, kToggleParameter,
                                         TRUE);
}

int CXTPControlToolBarToggle::AddToggles(CXTPControls* pControls, CXTPCommandBars* pCommandBars, int nId,
                                         int nBefore, const CString& strParameter, BOOL bTemporary)
{
    int nInserted = 0;
    for (int i = 0; i < pCommandBars->GetCount(); i++)
    {
        CXTPToolBar* pBar = pCommandBars->GetAt(i);
        if (pBar->GetType() != xtpBarTypeNormal || !pBar->IsContextMenuPresent() || !pBar->IsCloseable())
            continue;
        CXTPControl* pToggle = pControls->AddControl(new CXTPControlToolBarToggle, nId, strParameter,
                                                     nBefore + nInserted++, bTemporary);
        pToggle->SetTag((DWORD_PTR)i);
        pToggle->SetCaption(pBar->GetTitle());
        pToggle->SetFlags(xtpFlagManualUpdate);
        pToggle->SetChecked(pBar->IsVisible());
    }
    return nInserted;
}

void CXTPControlToolBarToggle::OnExecute()
{
    CXTPControls* pControls = GetControls();
    CXTPCommandBars* pCommandBars = pControls != NULL ? pControls->GetCommandBars() : NULL;
    const int nBar = (int)GetTag();
    // Closing the menu releases this toggle; nothing of it is used after.
    XTPMouseManager()->SendTrackLost();
    if (pCommandBars != NULL)
        pCommandBars->ToggleVisible(nBar);
}

BOOL CXTPControlToolbars::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/, DROPEFFECT& dropEffect)
{
    return AllowDropOnPopupBarOnly(pCommandBar, dropEffect);
}
