#pragma once
// CXTPPropExchangeIniIndex: finds the items of an INI document (its sections,
// or the lines of one section) by name, through the hash of the name. It
// holds one entry for each name: the item that the owner finds under it (the
// first of the name). Names that share a hash have entries of their own, so
// a search compares only the names of its own hash, whatever the document
// repeats. An entry costs eight bytes and no copy of a name is kept: the
// owner tells whether an item has the name looked for.
//
//     UINT nItem = index.Find(nHash, [&](UINT i) { return NameOf(i) == strName; });
//     if (nItem == CXTPPropExchangeIniIndex::kNone)
//         index.Add(nHash, nNew);          // the first item of a new name
//     else
//         index.Replace(nHash, nItem, nNext); // another item of the name, or kNone
//
// Items are numbers the owner chooses (positions in its own array).
#include "framework/Core.h"

#include <vector>

class CXTPPropExchangeIniIndex
{
public:
    // "No item": what Find answers for a name without an entry.
    static constexpr UINT kNone = 0xFFFFFFFF;

    // The item under the hash for which isItem(item) answers true, or kNone.
    template <class IsItem>
    UINT Find(UINT nHash, IsItem isItem) const;
    // Adds an entry: the owner has found no item of the item's name.
    void Add(UINT nHash, UINT nItem);
    // Puts nNewItem (of the same name) in the place of the item under the
    // hash, or takes the entry out when nNewItem is kNone.
    void Replace(UINT nHash, UINT nItem, UINT nNewItem);
    void Clear();

private:
    struct Slot
    {
        UINT nHash;
        UINT nItem; // kNone: the slot is free
    };

    // Open addressing: an entry lies in its hash's own slot or in the first
    // free one after it; at most three quarters are in use, so one is free.
    size_t HomeSlot(UINT nHash) const;
    size_t NextSlot(size_t nSlot) const { return (nSlot + 1) & (m_slots.size() - 1); }
    size_t SlotOfItem(UINT nHash, UINT nItem) const;
    // Frees the slot and moves back the entries after it that a search
    // would no longer reach.
    void FreeSlot(size_t nSlot);
    // Twice the slots, every entry placed anew.
    void Grow();

    std::vector<Slot> m_slots; // a power of two of them
    size_t m_nUsed = 0;
};

template <class IsItem>
UINT CXTPPropExchangeIniIndex::Find(UINT nHash, IsItem isItem) const
{
    if (m_slots.empty())
        return kNone;
    for (size_t nSlot = HomeSlot(nHash); m_slots[nSlot].nItem != kNone; nSlot = NextSlot(nSlot))
    {
        if (m_slots[nSlot].nHash == nHash && isItem(m_slots[nSlot].nItem))
            return m_slots[nSlot].nItem;
    }
    return kNone;
}
