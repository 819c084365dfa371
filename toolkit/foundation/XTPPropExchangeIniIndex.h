#pragma once
// CXTPPropExchangeIniIndex: finds the items of an INI document (its sections,
// or the lines of one section) by the hash of their name. The index keeps, for
// each hash, the item set last; the owner chains the items of one hash itself
// (each item names the one set before it), so that an entry costs from eight
// to sixteen bytes and no copy of a name is kept.
//
//     // The new line is found first; the chain goes on to the one before.
//     lines[nNew].nNextSameHash = index.Set(nHash, nNew);
//     for (UINT i = index.Find(nHash); i != kNone; i = lines[i].nNextSameHash)
//         ...
//
// Items are numbers the owner chooses (positions in its own array); a hash
// once set keeps its entry until Clear.
#include "framework/Core.h"

#include <vector>

class CXTPPropExchangeIniIndex
{
public:
    // "No item": what Find answers for a hash never set.
    static constexpr UINT kNone = 0xFFFFFFFF;

    // The item set last under the hash, or kNone.
    UINT Find(UINT nHash) const;
    // Makes the item (not kNone) the one found under the hash; answers the
    // one it replaces, or kNone.
    UINT Set(UINT nHash, UINT nItem);
    void Clear();

private:
    struct Slot
    {
        UINT nHash;
        UINT nItem; // kNone: the slot is free
    };

    // The slot of the hash, or the free slot where it would go.
    size_t SlotOf(UINT nHash) const;
    // Twice the slots, every entry placed anew.
    void Grow();

    std::vector<Slot> m_slots; // a power of two of them, at most three quarters in use
    size_t m_nUsed = 0;
};
