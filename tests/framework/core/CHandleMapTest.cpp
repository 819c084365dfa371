#include "framework/Core.h"

#include <gtest/gtest.h>

#include "ThreadSupport.h"

namespace {
// A wrapper of one handle that tells whether it was destroyed still holding it.
class CWrapper : public CObject
{
public:
    HANDLE m_hMain = NULL;
    bool* m_pDestroyedWhileAttached = NULL;
    ~CWrapper() override
    {
        if (m_pDestroyedWhileAttached && m_hMain)
            *m_pDestroyedWhileAttached = true;
    }
};

CObject* NewTemporary(HANDLE h)
{
    CWrapper* p = new CWrapper;
    p->m_hMain = h;
    return p;
}
void ClearTemporary(CObject* p)
{
    ((CWrapper*)p)->m_hMain = NULL;
}
const CHandleMapKind kWrapper = {&NewTemporary, &ClearTemporary};
const CHandleMapKind kOtherKind = {&NewTemporary, &ClearTemporary};

HANDLE FakeHandle(int n)
{
    return (HANDLE)(DWORD_PTR)(0x1000 + n * 4);
}
} // namespace

TEST(CHandleMapTest, PermanentWinsTemporaryIsMadeOnceAndDeletedAtIdle)
{
    CHandleMap& map = CHandleMap::ForThisThread(kWrapper);
    CHandleMap& other = CHandleMap::ForThisThread(kOtherKind);
    EXPECT_TRUE(&map == &CHandleMap::ForThisThread(kWrapper) && &map != &other);
    EXPECT_EQ(NULL, map.FromHandle(NULL));
    CWrapper permanent;
    map.SetPermanent(FakeHandle(1), &permanent);
    EXPECT_EQ(&permanent, map.FromHandle(FakeHandle(1)));
    CObject* temporary = map.FromHandle(FakeHandle(2));
    EXPECT_EQ(temporary, map.FromHandle(FakeHandle(2)));
    EXPECT_EQ(NULL, map.LookupPermanent(FakeHandle(2)));
    EXPECT_NE(temporary, other.FromHandle(FakeHandle(2)));

    bool destroyedWhileAttached = false;
    ((CWrapper*)temporary)->m_pDestroyedWhileAttached = &destroyedWhileAttached;
    CHandleMap::DeleteTemporaryObjects();
    EXPECT_FALSE(destroyedWhileAttached); // cleared before deletion
    EXPECT_TRUE(map.LookupTemporary(FakeHandle(2)) == NULL && other.LookupTemporary(FakeHandle(2)) == NULL);
    EXPECT_EQ(&permanent, map.FromHandle(FakeHandle(1)));
    map.RemoveHandle(FakeHandle(1));
    EXPECT_EQ(NULL, map.LookupPermanent(FakeHandle(1)));
}

TEST(CHandleMapTest, EachThreadHasItsOwnMap)
{
    CWrapper permanent;
    CHandleMap::ForThisThread(kWrapper).SetPermanent(FakeHandle(3), &permanent);
    CObject* seen = &permanent;
    RunOnThreads(1, [&](int) {
        seen = CHandleMap::ForThisThread(kWrapper).LookupPermanent(FakeHandle(3));
        CHandleMap::ForThisThread(kWrapper).FromHandle(FakeHandle(3)); // freed as the thread ends
    });
    EXPECT_EQ(NULL, seen);
    EXPECT_EQ(&permanent, CHandleMap::ForThisThread(kWrapper).FromHandle(FakeHandle(3)));
    CHandleMap::ForThisThread(kWrapper).RemoveHandle(FakeHandle(3));
}

TEST(CHandleMapTest, AHandleTheFactoryRefusesHasNoWrapper)
{
    static const CHandleMapKind kRefusing = {[](HANDLE) -> CObject* { return NULL; }, &ClearTemporary};
    CHandleMap& map = CHandleMap::ForThisThread(kRefusing);
    EXPECT_EQ(NULL, map.FromHandle(FakeHandle(9)));
    EXPECT_EQ(NULL, map.LookupTemporary(FakeHandle(9)));
    CHandleMap::DeleteTemporaryObjects(); // nothing to clear or delete
}
