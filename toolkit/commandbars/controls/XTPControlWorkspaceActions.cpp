#include "toolkit/commandbars/controls/XTPControlWorkspaceActions.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlExpansion.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/XTPTabClientInterface.h"
#include "toolkit/foundation/XTPStartup.h"

#include "framework/Controls.h"

IMPLEMENT_SERIAL(CXTPControlWorkspaceActions, CXTPControlButton, VERSIONABLE_SCHEMA | 8)

XTP_STARTUP_CLASSES(ControlWorkspaceActionsClass, xtpStartupControlClasses,
                    XTP_STARTUP_CLASS(CXTPControlWorkspaceActions));

namespace {

// The commands in the order they are offered.
const UINT kWorkspaceCommands[] = {XTP_ID_WORKSPACE_NEWHORIZONTAL, XTP_ID_WORKSPACE_NEWVERTICAL,
                                   XTP_ID_WORKSPACE_MOVEPREVIOUS, XTP_ID_WORKSPACE_MOVENEXT};

BOOL IsWorkspaceItem(const CXTPControl* pControl)
{
    const int nId = pControl->GetID();
    return nId >= XTP_ID_WORKSPACE_MOVEPREVIOUS && nId <= XTP_ID_WORKSPACE_NEWVERTICAL;
}

CXTPTabClientInterface* FindTabClient(CXTPCommandBar* pBar)
{
    CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pBar->GetOwnerSite());
    if (pFrame == NULL || pFrame->m_hWndMDIClient == NULL)
        return NULL;
    return DYNAMIC_DOWNCAST(CXTPTabClientInterface, CWnd::FromHandlePermanent(pFrame->m_hWndMDIClient));
}

} // namespace

void CXTPControlWorkspaceActions::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    if (m_pParent == NULL)
        return;
    XTPRemoveExpansionItems(this, IsWorkspaceItem);
    CXTPTabClientInterface* pTabClient = FindTabClient(m_pParent);
    if (pTabClient == NULL)
        return;
    SetHideFlags(xtpHideGeneric);
    int nInserted = 0;
    for (UINT nId : kWorkspaceCommands)
    {
        if (!pTabClient->IsWorkspaceCommandEnabled(nId))
            continue;
        CXTPControl* pItem =
            m_pControls->Add(xtpControlButton, (int)nId, CString(), GetIndex() + 1 + nInserted, TRUE);
        pItem->SetBeginGroup(nInserted == 0 && GetBeginGroup());
        nInserted++;
    }
}
