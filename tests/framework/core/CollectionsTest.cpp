#include "RaisesSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {
// Counts live instances, to show that the containers construct and destroy every element.
struct Tracked
{
    static int live;
    int value;
    Tracked(int v = 0) : value(v) { ++live; }
    Tracked(const Tracked& o) : value(o.value) { ++live; }
    ~Tracked() { --live; }
    Tracked& operator=(const Tracked&) = default;
};
int Tracked::live = 0;

// The elements in order, joined by ',': a whole collection compared as one value.
std::string Joined(const CStringArray& a)
{
    std::string joined;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        joined += (i ? "," : "") + std::string(a[i]);
    return joined;
}
} // namespace

TEST(CArrayTest, GrowthKeepsElementsAndConstructsEachOnce)
{
    {
        CArray<Tracked, const Tracked&> a;
        for (int i = 0; i < 1000; ++i)
            EXPECT_EQ(i, a.Add(Tracked(i)));
        EXPECT_EQ(999, a.GetUpperBound());
        EXPECT_EQ(1000, Tracked::live);
        for (int i = 0; i < 1000; ++i)
            ASSERT_EQ(i, a[i].value);
        a.SetSize(10);
        EXPECT_EQ(10, Tracked::live);
        a.SetSize(12);
        a.Add(a[3]); // an element of the array itself, while the array moves
        EXPECT_EQ(std::vector<int>({0, 3}), std::vector<int>({a[11].value, a[12].value}));
    }
    EXPECT_EQ(0, Tracked::live);
}

TEST(CArrayTest, InsertRemoveAppendCopy)
{
    CStringArray a;
    a.Add("b");
    a.Add("d");
    a.InsertAt(0, "a");
    a.InsertAt(2, "c", 2);
    a.InsertAt(7, "z"); // past the end grows the array
    EXPECT_EQ("a,b,c,c,d,,,z", Joined(a));
    a.RemoveAt(4, 3);
    a.RemoveAt(2);
    EXPECT_EQ(4, a.Append(a));
    EXPECT_EQ("a,b,c,z,a,b,c,z", Joined(a));
    CStringArray b;
    b.Add("x");
    a.InsertAt(1, &b);
    b.Copy(a);
    a.RemoveAll();
    EXPECT_EQ("|a,x,b,c,z,a,b,c,z", Joined(a) + "|" + Joined(b));
}

TEST(CArrayTest, BadIndexesRaiseInvalidArg)
{
    CPtrArray a;
    a.Add(&a);
    const std::vector<bool> raised = {Raises<CInvalidArgException>([&] { a.GetAt(1); }),
                                      Raises<CInvalidArgException>([&] { a.GetAt(-1); }),
                                      Raises<CInvalidArgException>([&] { a.SetAt(1, NULL); }),
                                      Raises<CInvalidArgException>([&] { a.RemoveAt(0, 2); }),
                                      Raises<CInvalidArgException>([&] { a.RemoveAt(-1); }),
                                      Raises<CInvalidArgException>([&] { a.SetSize(-1); }),
                                      Raises<CInvalidArgException>([&] { a.InsertAt(-1, (void*)NULL); })};
    EXPECT_EQ(std::vector<bool>(7, true), raised);
    EXPECT_TRUE(a.GetSize() == 1 && a[0] == &a);
}

TEST(CArrayTest, ImpossibleSizesRaiseMemoryException)
{
    CDWordArray overflowing; // the byte count overflows
    CByteArray tooLarge;     // the allocation fails
    EXPECT_TRUE(Raises<CMemoryException>([&] { overflowing.SetSize(0x40000000); }));
    EXPECT_TRUE(Raises<CMemoryException>([&] { tooLarge.SetSize(0x7FFFFFF0); }));
    EXPECT_TRUE(overflowing.IsEmpty() && tooLarge.IsEmpty());
}

TEST(CListTest, AddFindInsertAndWalkBothWays)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION c = list.AddTail("d");
    list.InsertBefore(c, "c");
    list.InsertAfter(c, "e");
    std::string forward, backward;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        forward += (LPCTSTR)list.GetNext(pos);
    for (POSITION pos = list.GetTailPosition(); pos;)
        backward += (LPCTSTR)list.GetPrev(pos);
    EXPECT_EQ("abcde edcba", forward + " " + backward);
    EXPECT_STREQ("c", list.GetAt(list.Find("c")));
    EXPECT_EQ(NULL, list.Find("a", list.GetHeadPosition()));
    EXPECT_EQ(list.FindIndex(3), list.Find("d"));
    EXPECT_TRUE(list.FindIndex(5) == NULL && list.FindIndex(-1) == NULL);
    const std::vector<CString> ends = {list.RemoveHead(), list.RemoveTail(), list.GetHead(), list.GetTail()};
    EXPECT_EQ(std::vector<CString>({"a", "e", "b", "d"}), ends);
    list.AddTail(&list);
    list.AddHead(&list);
    EXPECT_EQ(12, list.GetCount());
    EXPECT_STREQ("b", list.GetHead());
}

TEST(CListTest, RemovingTheCurrentElementWhileWalking)
{
    {
        CList<Tracked, const Tracked&> list;
        for (int i = 0; i < 10; ++i)
            list.AddTail(Tracked(i));
        for (POSITION pos = list.GetHeadPosition(); pos;)
        {
            POSITION current = pos;
            if (list.GetNext(pos).value % 2 == 0)
                list.RemoveAt(current);
        }
        std::string values;
        for (POSITION pos = list.GetHeadPosition(); pos;)
            values += std::to_string(list.GetNext(pos).value);
        EXPECT_EQ("13579 5", values + " " + std::to_string(Tracked::live));
        list.RemoveAt(list.GetTailPosition());
        EXPECT_EQ(7, list.GetTail().value);
    }
    EXPECT_EQ(0, Tracked::live);
}

TEST(CListTest, EmptyListAndNullPositionsRaiseInvalidArg)
{
    CPtrList list;
    EXPECT_TRUE(Raises<CInvalidArgException>([&] { list.GetHead(); }));
    EXPECT_TRUE(Raises<CInvalidArgException>([&] { list.RemoveTail(); }));
    EXPECT_TRUE(Raises<CInvalidArgException>([&] { list.RemoveAt(NULL); }));
    POSITION pos = NULL;
    EXPECT_TRUE(Raises<CInvalidArgException>([&] { list.GetNext(pos); }));
}

TEST(CListTest, InsertingAtANullPositionAddsAtTheTailOrHead)
{
    CPtrList list;
    list.InsertAfter(NULL, &list);
    list.InsertBefore(NULL, NULL);
    EXPECT_EQ(NULL, list.GetHead());
    EXPECT_EQ(&list, list.GetTail());
}

TEST(CMapTest, RemovingTheReturnedEntryWhileIterating)
{
    CMapStringToString map;
    map.InitHashTable(7);
    for (int i = 0; i < 60; ++i)
    {
        CString key;
        key.Format("key%d", i);
        map[key] = key + "!";
    }
    POSITION pos = map.GetStartPosition();
    int visited = 0;
    while (pos)
    {
        CString key, value;
        map.GetNextAssoc(pos, key, value);
        ++visited;
        EXPECT_EQ(key + "!", value);
        EXPECT_TRUE(atoi((LPCTSTR)key + 3) % 2 == 0 || map.RemoveKey(key));
    }
    EXPECT_EQ(60, visited);
    EXPECT_EQ(30, map.GetCount());
    CString value;
    EXPECT_TRUE(map.Lookup("key4", value) && value == "key4!");
    EXPECT_FALSE(map.Lookup("key5", value) || map.RemoveKey("key5"));
    map.RemoveAll();
    EXPECT_EQ(NULL, map.GetStartPosition());
    map["again"] = "yes"; // the emptied map still works
    EXPECT_TRUE(map.Lookup("again", value));
}

TEST(CMapTest, IntegerKeysAgreeWithAReferenceMapThroughGrowthAndRemoval)
{
    CMap<int, int, Tracked, const Tracked&> map;
    std::map<int, int> reference;
    unsigned seed = 12345;
    for (int step = 0; step < 3000; ++step)
    {
        seed = seed * 1103515245 + 12345;
        int key = (int)((seed >> 8) % 200) - 100;
        if (seed & 0x10000)
        {
            map[key] = Tracked(step);
            reference[key] = step;
        }
        else
        {
            EXPECT_EQ(reference.erase(key) == 1, !!map.RemoveKey(key));
        }
    }
    EXPECT_EQ((INT_PTR)reference.size(), map.GetCount());
    EXPECT_GT(map.GetHashTableSize(), 17u); // the table grew
    std::map<int, int> visited;             // a key visited twice reads -1
    for (POSITION pos = map.GetStartPosition(); pos;)
    {
        int key;
        Tracked value;
        map.GetNextAssoc(pos, key, value);
        visited[key] = visited.count(key) ? -1 : value.value;
        EXPECT_TRUE(map.Lookup(key, value) && value.value == reference[key]) << key;
    }
    EXPECT_EQ(reference, visited);
}

TEST(CMapTest, PointerKeysFindTheirValues)
{
    CMapPtrToPtr pointers;
    int a, b;
    pointers[&a] = &b;
    void* found = NULL;
    EXPECT_TRUE(pointers.Lookup(&a, found) && found == &b);
    EXPECT_FALSE(pointers.Lookup(&b, found));
}

TEST(CMapTest, StringKeysInEveryArgumentForm)
{
    // (Keys passed as LPCTSTR: see the CMapStringToString cases.)
    CMap<CString, CString, int, int> byValue;
    CMap<CString, const CString&, int, int> byReference;
    for (int i = 0; i < 50; ++i)
    {
        CString key;
        key.Format("name%d", i);
        byValue[key] = byReference[key] = i;
    }
    int seven = -1, fortyTwo = -1;
    EXPECT_TRUE(byValue.Lookup(CString("name7"), seven) && byReference.Lookup(CString("name42"), fortyTwo));
    EXPECT_EQ(std::vector<int>({7, 42}), std::vector<int>({seven, fortyTwo}));
    EXPECT_FALSE(byValue.Lookup(CString("NAME7"), seven)); // keys are case-sensitive
}
