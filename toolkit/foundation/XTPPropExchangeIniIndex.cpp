#include "toolkit/foundation/XTPPropExchangeIniIndex.h"

namespace {
const size_t kFirstSlotCount = 8;

// The hash with every bit bearing on the low ones, which choose the slot:
// names that differ in one letter may have hashes alike in their low bits,
// and alike slots make long runs to search.
UINT Mixed(UINT nHash)
{
    nHash ^= nHash >> 16;
    nHash *= 0x85EBCA6Bu;
    nHash ^= nHash >> 13;
    nHash *= 0xC2B2AE35u;
    return nHash ^ (nHash >> 16);
}
} // namespace

size_t CXTPPropExchangeIniIndex::HomeSlot(UINT nHash) const
{
    return Mixed(nHash) & (m_slots.size() - 1);
}

size_t CXTPPropExchangeIniIndex::SlotOfItem(UINT nHash, UINT nItem) const
{
    ASSERT(!m_slots.empty());
    size_t nSlot = HomeSlot(nHash);
    while (m_slots[nSlot].nItem != nItem)
    {
        ASSERT(m_slots[nSlot].nItem != kNone);
        nSlot = NextSlot(nSlot);
    }
    return nSlot;
}

void CXTPPropExchangeIniIndex::Add(UINT nHash, UINT nItem)
{
    ASSERT(nItem != kNone);
    if ((m_nUsed + 1) * 4 > m_slots.size() * 3)
        Grow();
    size_t nSlot = HomeSlot(nHash);
    while (m_slots[nSlot].nItem != kNone)
        nSlot = NextSlot(nSlot);
    m_slots[nSlot] = {nHash, nItem};
    m_nUsed++;
}

void CXTPPropExchangeIniIndex::Replace(UINT nHash, UINT nItem, UINT nNewItem)
{
    const size_t nSlot = SlotOfItem(nHash, nItem);
    if (nNewItem != kNone)
        m_slots[nSlot].nItem = nNewItem;
    else
        FreeSlot(nSlot);
}

void CXTPPropExchangeIniIndex::FreeSlot(size_t nSlot)
{
    m_slots[nSlot].nItem = kNone;
    m_nUsed--;
    // An entry after the free slot, up to the next free one, moves into it
    // when its own slot is not between the two: a search for it starts at
    // its own slot and would stop at the free one.
    const size_t nMask = m_slots.size() - 1;
    for (size_t nNext = NextSlot(nSlot); m_slots[nNext].nItem != kNone; nNext = NextSlot(nNext))
    {
        const size_t nHome = HomeSlot(m_slots[nNext].nHash);
        if (((nNext - nHome) & nMask) >= ((nNext - nSlot) & nMask))
        {
            m_slots[nSlot] = m_slots[nNext];
            m_slots[nNext].nItem = kNone;
            nSlot = nNext;
        }
    }
}

void CXTPPropExchangeIniIndex::Grow()
{
    std::vector<Slot> oldSlots(m_slots.empty() ? kFirstSlotCount : m_slots.size() * 2, Slot{0, kNone});
    oldSlots.swap(m_slots);
    m_nUsed = 0;
    for (const Slot& slot : oldSlots)
    {
        if (slot.nItem != kNone)
            Add(slot.nHash, slot.nItem);
    }
}

void CXTPPropExchangeIniIndex::Clear()
{
    m_slots.clear();
    m_nUsed = 0;
}
