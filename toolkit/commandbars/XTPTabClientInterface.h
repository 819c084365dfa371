#pragma once
// CXTPTabClientInterface: what the command bars need of an MDI tab client (the
// window that subclasses a frame's MDI client and shows one tab per MDI child
// in tab groups). The command bars find one by testing, through its runtime
// class, whether a frame's MDI client window is one; they then ask it to
// rebuild its tabs (UpdateContents) and which tab-group commands apply
// (IsWorkspaceCommandEnabled). The tab strips' CXTPTabClientWnd
// (toolkit/tabs) implements it; the interface knows no tab strip, so the
// command bars use a tab client without depending on the tab strips.
//
//     CXTPTabClientInterface* pClient = DYNAMIC_DOWNCAST(CXTPTabClientInterface,
//         CWnd::FromHandlePermanent(pMDIFrame->m_hWndMDIClient));
//     if (pClient != NULL)
//         pClient->UpdateContents(TRUE);
#include "framework/Window.h"

// Tab-group commands.
#define XTP_ID_WORKSPACE_MOVEPREVIOUS 9420
#define XTP_ID_WORKSPACE_MOVENEXT 9421
#define XTP_ID_WORKSPACE_NEWHORIZONTAL 9422
#define XTP_ID_WORKSPACE_NEWVERTICAL 9423

class CXTPTabClientInterface : public CWnd
{
    DECLARE_DYNAMIC(CXTPTabClientInterface)
public:
    CXTPTabClientInterface();

    // Rebuilds the tabs from the MDI children and, with bRecalc, lays them
    // out again; a call made while one runs does nothing.
    void UpdateContents(BOOL bRecalc);

    // FALSE when no active child stands in a tab group; otherwise *ppGroup
    // (when given) receives the active child's group and the answer follows
    // the command: 9420 the group is not the first, 9421 not the last, 9422
    // and 9423 the group holds more than one item (with several groups 9422
    // needs the groups side by side horizontally and 9423 vertically); any
    // other id TRUE.
    BOOL IsWorkspaceCommandEnabled(UINT nID, void** ppGroup = NULL);

    // The rule of IsWorkspaceCommandEnabled on plain values.
    static BOOL IsWorkspaceCommandEnabled(UINT nID, int nGroupCount, int nActiveGroup, int nActiveGroupItems,
                                          BOOL bHorizontalGroups);

protected:
    // ---- What the tab client implements ----------------------------------
    // Refills the tabs from the MDI children; with bRecalc lays them out.
    virtual void OnUpdateContents(BOOL bRecalc) = 0;
    // The number of tab groups.
    virtual int GetGroupCount() const = 0;
    // The group of the active child; -1 when it is in none.
    virtual int GetActiveGroupIndex() const = 0;
    // The group object at nIndex.
    virtual void* GetGroup(int nIndex) const = 0;
    // The items of the group at nIndex.
    virtual int GetGroupItemCount(int nIndex) const = 0;
    // The group-orientation flag: groups are stacked horizontally.
    virtual BOOL IsHorizontalGroups() const = 0;

private:
    BOOL m_bUpdatingContents;
};
