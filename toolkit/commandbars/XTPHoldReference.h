#pragma once
// CXTPHoldReference: holds one reference to a counted object (a bar, a
// control, a task-panel item) for the length of a scope. A handler that may
// end in the release of its own object (a command removes the bar, a close
// button hides a torn-off bar, a context menu hides the bar it was opened
// on, a panel's owner removes the item it is told about) holds it, so that
// it is released, and destroyed, only after the handler has returned.
//
//     CXTPHoldReference hold(this);
//     m_pTracker->StartDrag(ptScreen);   // may float, dock or remove the bar
#include "framework/Window.h"

class CXTPHoldReference
{
public:
    // pTarget may be NULL: nothing is held.
    explicit CXTPHoldReference(CCmdTarget* pTarget) : m_pTarget(pTarget)
    {
        if (m_pTarget != NULL)
            m_pTarget->InternalAddRef();
    }
    ~CXTPHoldReference()
    {
        if (m_pTarget != NULL)
            m_pTarget->InternalRelease();
    }

private:
    CXTPHoldReference(const CXTPHoldReference&);
    CXTPHoldReference& operator=(const CXTPHoldReference&);

    CCmdTarget* m_pTarget;
};
