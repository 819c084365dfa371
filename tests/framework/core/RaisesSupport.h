#pragma once
// Raises<E>(f): whether calling f raises the framework exception E (which is then deleted).
// RaisedCause<E>(f): the m_cause of the E that f raises, or -1 when it raises none.
#include "framework/Core.h"

template <class E, class F>
bool Raises(F f)
{
    try
    {
        f();
    }
    catch (E* e)
    {
        e->Delete();
        return true;
    }
    return false;
}

template <class E, class F>
int RaisedCause(F f)
{
    try
    {
        f();
    }
    catch (E* e)
    {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}
