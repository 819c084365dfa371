#pragma once
// Caught<E>(f): the framework exception E that calling f raises, still alive (the caller deletes
// it), or NULL when it raises none.
// Raises<E>(f): whether calling f raises E (which is then deleted).
// RaisedCause<E>(f): the m_cause of the E that f raises (then deleted), or -1 when it raises none.
#include "framework/Core.h"

template <class E = CException, class F>
E* Caught(F f)
{
    try
    {
        f();
    }
    catch (E* e)
    {
        return e;
    }
    return NULL;
}

template <class E, class F>
bool Raises(F f)
{
    E* e = Caught<E>(f);
    if (e)
        e->Delete();
    return e != NULL;
}

template <class E, class F>
int RaisedCause(F f)
{
    E* e = Caught<E>(f);
    const int cause = e ? e->m_cause : -1;
    if (e)
        e->Delete();
    return cause;
}
