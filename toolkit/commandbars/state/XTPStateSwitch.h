#pragma once
// CXTPStateSwitch: saves a state that a store keeps in many values (the
// bars' places, rows and controls in the profile) so that the next load
// finds the last whole state or the new one whole, although the store
// applies each write on its own, may refuse any of them (a quota, a
// policy) and knows no transactions.
//
// The state has its usual place, the one every reader of the stored format
// knows, and a place beside it; one value of the store, the switch, says
// that the place beside holds the state to load. A save writes the new
// state beside, sets the switch, writes the state in its usual place,
// clears the switch and erases the place beside. A write refused before
// the switch is set leaves the last state the one to load; one refused
// after it leaves the new state beside, where the next load reads it, and
// the next save then writes the usual place at once: the place beside is
// the one it keeps. The place the next load reads is never written.
//
//     class CProfileSave : public CXTPStateSwitch { ... the four overrides ... };
//     CProfileSave(...).Save();
//     ...
//     Load(switchIsSet ? besidePlace : usualPlace);   // the next start
#include "framework/Core.h"

class CXTPStateSwitch
{
public:
    virtual ~CXTPStateSwitch() {}

    // Saves the new state as above; nothing is reported: the state to
    // load is whole either way.
    void Save();

protected:
    // ---- Overridables: the store's own, no base behaviour -----------------
    // The switch is set: the state to load is beside the usual place.
    virtual BOOL IsBesideCurrent() = 0;
    // Sets or clears the switch; FALSE when the store refused it.
    virtual BOOL SetBesideCurrent(BOOL bBeside) = 0;
    // Writes the new state whole beside or in the usual place, over what is
    // there; FALSE at the first write the store refused.
    virtual BOOL WriteState(BOOL bBeside) = 0;
    // Removes the state beside, as far as the store lets it; what stays is
    // never read while the switch is clear.
    virtual void EraseBeside() = 0;
};
