#pragma once
// CXTPHoldReference: holds one reference to a bar or a control for the length
// of a scope. A handler that may end in the release of its own bar or
// control (a command removes the bar, a close button hides a torn-off bar,
// a context menu hides the bar it was opened on) holds them, so that they
// are released, and destroyed, only after the handler has returned.
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
