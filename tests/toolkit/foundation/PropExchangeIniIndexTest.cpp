// The INI document's index of names by hash: what was set under a hash is
// found under it, whatever other hashes share its slot or came after it.
#include "toolkit/foundation/XTPPropExchangeIniIndex.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct HashSet
{
    const char* name;
    std::vector<UINT> hashes;
};

std::vector<UINT> SpreadHashes(int nCount)
{
    std::vector<UINT> hashes;
    for (int i = 0; i < nCount; i++)
        hashes.push_back((UINT)i * 2654435761u);
    return hashes;
}

TEST(PropExchangeIniIndex, FindsTheItemSetLastUnderEachHash)
{
    const HashSet kSets[] = {
        {"hashes that share a slot", {3, 11, 19, 27, 35}},
        {"hashes at the last slot, going on at the first", {7, 15, 23, 0}},
        {"the hash whose value is the free mark", {0xFFFFFFFF, 0xFFFFFFF7}},
        {"enough hashes to grow the index many times", SpreadHashes(5000)},
    };
    for (const HashSet& set : kSets)
    {
        CXTPPropExchangeIniIndex index;
        for (size_t i = 0; i < set.hashes.size(); i++)
            index.Set(set.hashes[i], (UINT)i);
        index.Set(set.hashes[0], 1000000); // a later item of the first hash
        for (size_t i = 1; i < set.hashes.size(); i++)
            EXPECT_EQ((UINT)i, index.Find(set.hashes[i])) << set.name << ", hash " << set.hashes[i];
        EXPECT_EQ(1000000u, index.Find(set.hashes[0])) << set.name;
        EXPECT_EQ(CXTPPropExchangeIniIndex::kNone, index.Find(12345)) << set.name << ": a hash never set";
        index.Clear();
        EXPECT_EQ(CXTPPropExchangeIniIndex::kNone, index.Find(set.hashes[0])) << set.name;
    }
}

} // namespace
