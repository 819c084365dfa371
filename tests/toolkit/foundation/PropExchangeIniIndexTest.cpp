// The INI document's index of names by hash: each name is found under its
// hash, whatever other names share its hash or its slot, came after it or
// were taken out before it.
#include "toolkit/foundation/XTPPropExchangeIniIndex.h"

#include <gtest/gtest.h>

#include <map>
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

// Items named by the owner: item n has name n % kNames, so that an item and
// the one kNames after it share a name.
const UINT kNames = 1000000;

UINT FindName(const CXTPPropExchangeIniIndex& index, UINT nHash, UINT nName)
{
    return index.Find(nHash, [&](UINT nItem) { return nItem % kNames == nName; });
}

const HashSet kSets[] = {
    {"hashes that share a slot", {3, 11, 19, 27, 35}},
    {"hashes at the last slot, going on at the first", {7, 15, 23, 0}},
    {"the hash whose value is the free mark", {0xFFFFFFFF, 0xFFFFFFF7}},
    {"one hash for many names", std::vector<UINT>(50, 42)},
    {"enough hashes to grow the index many times", SpreadHashes(5000)},
};

TEST(PropExchangeIniIndex, FindsEachNameUnderItsHash)
{
    for (const HashSet& set : kSets)
    {
        CXTPPropExchangeIniIndex index;
        for (size_t i = 0; i < set.hashes.size(); i++)
            index.Add(set.hashes[i], (UINT)i);
        index.Replace(set.hashes[0], 0, kNames); // a later item of the first name
        for (size_t i = 1; i < set.hashes.size(); i++)
            EXPECT_EQ((UINT)i, FindName(index, set.hashes[i], (UINT)i)) << set.name << ", hash " << set.hashes[i];
        EXPECT_EQ(kNames, FindName(index, set.hashes[0], 0)) << set.name;
        EXPECT_EQ(CXTPPropExchangeIniIndex::kNone, FindName(index, 12345, 12345)) << set.name << ": a name never added";
        EXPECT_EQ(CXTPPropExchangeIniIndex::kNone, FindName(index, set.hashes[1], 999)) << set.name
                                                                                         << ": another name of a hash";
        index.Clear();
        EXPECT_EQ(CXTPPropExchangeIniIndex::kNone, FindName(index, set.hashes[0], 0)) << set.name;
    }
}

TEST(PropExchangeIniIndex, FindsTheNamesLeftAfterOthersAreTakenOut)
{
    for (const HashSet& set : kSets)
    {
        // Every other name out, in an order other than the one added in,
        // then the rest found, and the names taken out added back.
        CXTPPropExchangeIniIndex index;
        for (size_t i = 0; i < set.hashes.size(); i++)
            index.Add(set.hashes[i], (UINT)i);
        for (size_t i = set.hashes.size(); i-- > 0;)
        {
            if (i % 2 == 0)
                index.Replace(set.hashes[i], (UINT)i, CXTPPropExchangeIniIndex::kNone);
        }
        for (size_t i = 0; i < set.hashes.size(); i++)
        {
            const UINT nExpected = i % 2 == 0 ? CXTPPropExchangeIniIndex::kNone : (UINT)i;
            EXPECT_EQ(nExpected, FindName(index, set.hashes[i], (UINT)i)) << set.name << ", item " << i;
        }
        for (size_t i = 0; i < set.hashes.size(); i += 2)
            index.Add(set.hashes[i], (UINT)i + kNames);
        for (size_t i = 0; i < set.hashes.size(); i++)
        {
            const UINT nExpected = i % 2 == 0 ? (UINT)i + kNames : (UINT)i;
            EXPECT_EQ(nExpected, FindName(index, set.hashes[i], (UINT)i)) << set.name << ", item " << i << " again";
        }
    }
}

} // namespace
