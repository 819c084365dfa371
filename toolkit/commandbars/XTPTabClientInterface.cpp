#include "toolkit/commandbars/XTPTabClientInterface.h"

IMPLEMENT_DYNAMIC(CXTPTabClientInterface, CWnd)

CXTPTabClientInterface::CXTPTabClientInterface() : m_bUpdatingContents(FALSE)
{}

void CXTPTabClientInterface::UpdateContents(BOOL bRecalc)
{
    if (m_bUpdatingContents)
        return;
    m_bUpdatingContents = TRUE;
    OnUpdateContents(bRecalc);
    m_bUpdatingContents = FALSE;
}

BOOL CXTPTabClientInterface::IsWorkspaceCommandEnabled(UINT nID, void** ppGroup)
{
    int nActive = GetActiveGroupIndex();
    if (nActive < 0)
        return FALSE;
    if (ppGroup != NULL)
        *ppGroup = GetGroup(nActive);
    return IsWorkspaceCommandEnabled(nID, GetGroupCount(), nActive, GetGroupItemCount(nActive),
                                     IsHorizontalGroups());
}

BOOL CXTPTabClientInterface::IsWorkspaceCommandEnabled(UINT nID, int nGroupCount, int nActiveGroup,
                                                 int nActiveGroupItems, BOOL bHorizontalGroups)
{
    switch (nID)
    {
    case XTP_ID_WORKSPACE_MOVEPREVIOUS:
        return nActiveGroup > 0;
    case XTP_ID_WORKSPACE_MOVENEXT:
        return nActiveGroup < nGroupCount - 1;
    case XTP_ID_WORKSPACE_NEWHORIZONTAL:
        if (nGroupCount > 1 && !bHorizontalGroups)
            return FALSE;
        return nActiveGroupItems > 1;
    case XTP_ID_WORKSPACE_NEWVERTICAL:
        if (nGroupCount > 1 && bHorizontalGroups)
            return FALSE;
        return nActiveGroupItems > 1;
    default:
        return TRUE;
    }
}
