#pragma once
// Holds a reference of a task-panel item for a scope, so that what an owner
// does during a notification (removing the item, say) cannot delete it
// under the code that sent the notification.
#include "toolkit/taskpanel/XTPTaskPanelItem.h"

class CXTPTaskPanelItemHold
{
public:
    explicit CXTPTaskPanelItemHold(CXTPTaskPanelItem* pItem) : m_pItem(pItem)
    {
        if (m_pItem != NULL)
            m_pItem->InternalAddRef();
    }
    ~CXTPTaskPanelItemHold()
    {
        if (m_pItem != NULL)
            m_pItem->InternalRelease();
    }

private:
    CXTPTaskPanelItemHold(const CXTPTaskPanelItemHold&);
    void operator=(const CXTPTaskPanelItemHold&);

    CXTPTaskPanelItem* m_pItem;
};
