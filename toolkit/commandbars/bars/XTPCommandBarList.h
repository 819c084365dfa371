#pragma once
// CXTPCommandBarList: the bars of one saved or loaded controls image (tool
// bars and the popup bars their controls open). The list holds one reference
// per bar and releases them all when it is destroyed, so bars read from a
// damaged image never outlive the failed load.
//
// Restoring popup references (CXTPCommandBar::RestoreCommandBarList) walks
// the list depth first; BeginRestore / EndRestore mark the bars on the
// current path, so a loaded reference back to one of them (a cycle that
// would keep the bars alive for ever) is refused.
#include "toolkit/commandbars/XTPCommandBarsDefines.h"

#include <set>
#include <vector>

class CXTPCommandBar;

class CXTPCommandBarList
{
public:
    CXTPCommandBarList() {}
    ~CXTPCommandBarList();

    // Adds a reference of the bar; a bar already listed is not added twice.
    void Add(CXTPCommandBar* pBar);
    BOOL Contains(const CXTPCommandBar* pBar) const;
    // The first listed bar with that id, or NULL.
    CXTPCommandBar* FindBar(UINT nBarID) const;
    int GetCount() const { return (int)m_arrBars.size(); }
    CXTPCommandBar* GetAt(int nIndex) const { return m_arrBars[nIndex]; }

    // FALSE when the bar was entered before (then nothing is marked).
    BOOL BeginRestore(CXTPCommandBar* pBar);
    void EndRestore(CXTPCommandBar* pBar) { m_setOnPath.erase(pBar); }
    // The bar lies on the path being restored.
    BOOL IsOnRestorePath(CXTPCommandBar* pBar) const { return m_setOnPath.count(pBar) != 0; }

private:
    CXTPCommandBarList(const CXTPCommandBarList&);
    void operator=(const CXTPCommandBarList&);

    std::vector<CXTPCommandBar*> m_arrBars;
    std::set<CXTPCommandBar*> m_setRestored;
    std::set<CXTPCommandBar*> m_setOnPath;
};
