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

size_t CXTPPropExchangeIniIndex::SlotOf(UINT nHash) const
{
    // Open addressing: the slots after the hash's own, in turn, until the
    // hash or a free slot; at most three quarters are in use, so one is free.
    const size_t nMask = m_slots.size() - 1;
    size_t nSlot = Mixed(nHash) & nMask;
    while (m_slots[nSlot].nItem != kNone && m_slots[nSlot].nHash != nHash)
        nSlot = (nSlot + 1) & nMask;
    return nSlot;
}

UINT CXTPPropExchangeIniIndex::Find(UINT nHash) const
{
    return m_slots.empty() ? kNone : m_slots[SlotOf(nHash)].nItem;
}

UINT CXTPPropExchangeIniIndex::Set(UINT nHash, UINT nItem)
{
    ASSERT(nItem != kNone);
    if ((m_nUsed + 1) * 4 > m_slots.size() * 3)
        Grow();
    Slot& slot = m_slots[SlotOf(nHash)];
    const UINT nReplaced = slot.nItem;
    if (nReplaced == kNone)
        m_nUsed++;
    slot = {nHash, nItem};
    return nReplaced;
}

void CXTPPropExchangeIniIndex::Grow()
{
    std::vector<Slot> oldSlots(m_slots.empty() ? kFirstSlotCount : m_slots.size() * 2, Slot{0, kNone});
    oldSlots.swap(m_slots);
    for (const Slot& slot : oldSlots)
    {
        if (slot.nItem != kNone)
            m_slots[SlotOf(slot.nHash)] = slot;
    }
}

void CXTPPropExchangeIniIndex::Clear()
{
    m_slots.clear();
    m_nUsed = 0;
}
