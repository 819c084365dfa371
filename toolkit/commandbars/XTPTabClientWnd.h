#pragma once
// CXTPTabClientWnd: the MDI-client subclass that shows one tab per MDI child
// in tab groups. The command bars find it by testing, through its runtime
// class, whether a frame's MDI client window is one; they then ask it to
// rebuild its tabs (UpdateContents) and which tab-group commands apply
// (IsWorkspaceCommandEnabled). The tab strips and their groups derive from
// this class and answer the group queries below; the class itself knows no
// tab strip, so the command bars can use it without depending on them.
#include "framework/Window.h"

// Tab-group commands.
#define XTP_ID_WORKSPACE_MOVEPREVIOUS 9420
#define XTP_ID_WORKSPACE_MOVENEXT 9421
#define XTP_ID_WORKSPACE_NEWHORIZONTAL 9422
#define XTP_ID_WORKSPACE_NEWVERTICAL 9423

class CXTPTabClientWnd : public CWnd
{
    DECLARE_DYNAMIC(CXTPTabClientWnd)
public:
    CXTPTabClientWnd();

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
    // ---- Overridables of the tab strips (base behaviour in brackets) ------
    // [nothing] refills the tabs; with bRecalc lays them out.
    virtual void OnUpdateContents(BOOL bRecalc);
    // [0] the number of tab groups.
    virtual int GetGroupCount() const;
    // [-1] the group of the active child; -1 when it is in none.
    virtual int GetActiveGroupIndex() const;
    // [NULL] the group object at nIndex.
    virtual void* GetGroup(int nIndex) const;
    // [0] the items of the group at nIndex.
    virtual int GetGroupItemCount(int nIndex) const;
    // [FALSE] the group-orientation flag: groups are stacked horizontally.
    virtual BOOL IsHorizontalGroups() const;

private:
    BOOL m_bUpdatingContents;
};
