#include "ArchiveTestSupport.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A class that can be named but not created (outside the unnamed namespace: only its name is used).
class CNotCreatable : public CObject
{
    DECLARE_DYNAMIC(CNotCreatable)
};
IMPLEMENT_DYNAMIC(CNotCreatable, CObject)

// A class that can be created by name but is not made for archives, as windows and menus are.
class CCreatableByName : public CObject
{
    DECLARE_DYNCREATE(CCreatableByName)
public:
    static int s_created;
    CCreatableByName() { ++s_created; }
};
IMPLEMENT_DYNCREATE(CCreatableByName, CObject)
int CCreatableByName::s_created = 0;

namespace {
// A node of an object graph: a name and links to other nodes.
class CNode : public CObject
{
    DECLARE_SERIAL(CNode)
public:
    static int s_created;
    CNode() { ++s_created; }
    CString m_name;
    CObArray m_links;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_name;
        else
            ar >> m_name;
        m_links.Serialize(ar);
    }
};
IMPLEMENT_SERIAL(CNode, CObject, 1)
int CNode::s_created = 0;

class CSpecialNode : public CNode
{
    DECLARE_SERIAL(CSpecialNode)
};
IMPLEMENT_SERIAL(CSpecialNode, CNode, 1)

// A class unrelated to CNode.
class CStranger : public CObject
{
    DECLARE_SERIAL(CStranger)
public:
    static int s_created;
    CStranger() { ++s_created; }
};
IMPLEMENT_SERIAL(CStranger, CObject, 1)
int CStranger::s_created = 0;

// A versionable class that records the version it was read with.
class CVersioned : public CObject
{
    DECLARE_SERIAL(CVersioned)
public:
    UINT m_nSchemaRead = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            m_nSchemaRead = ar.GetObjectSchema();
    }
};
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 8)

void DeleteGraph(CObArray& nodes)
{
    for (INT_PTR i = 0; i < nodes.GetSize(); ++i)
        delete nodes[i];
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes NewClassRecord(WORD schema, const std::string& name)
{
    Bytes bytes = {0xFF, 0xFF, (BYTE)schema, (BYTE)(schema >> 8), (BYTE)name.size(), 0};
    for (char ch : name)
        bytes.push_back((BYTE)ch);
    return bytes;
}

// An empty CNode's own data: an empty name and no links.
const Bytes kEmptyNodeData = {0x00, 0x00, 0x00};
} // namespace

TEST(CArchiveTest, EveryValueTypeRoundTrips)
{
    std::string longText(70000, 'q');
    Bytes bytes = StoreToBytes([&](CArchive& ar) {
        ar << (BYTE)0xAB << (WORD)0xBEEF << (short)-2 << -123456 << (LONG)-7 << (DWORD)0xDEADBEEF;
        ar << 1.5f << -2.25 << (UINT)77 << 'c' << true << (LONGLONG)-1234567890123LL;
        ar << CPoint(-3, 4) << CSize(5, -6) << CRect(1, 2, 3, 4);
        for (int length : {0, 1, 254, 255, 256, 65533, 65534, 65535, 70000})
            ar << CString(longText.c_str(), length);
        for (DWORD_PTR count : {0u, 0xFFFEu, 0xFFFFu, 0x12345678u})
            ar.WriteCount(count);
    });
    LoadFromBytes(bytes, [&](CArchive& ar) {
        BYTE by;
        WORD w;
        short s;
        int i;
        LONG l;
        DWORD dw;
        float f;
        double d;
        UINT u;
        char ch;
        bool b;
        LONGLONG ll;
        ar >> by >> w >> s >> i >> l >> dw >> f >> d >> u >> ch >> b >> ll;
        EXPECT_EQ(0xAB, by);
        EXPECT_EQ(0xBEEF, w);
        EXPECT_EQ(-2, s);
        EXPECT_EQ(-123456, i);
        EXPECT_EQ(-7, l);
        EXPECT_EQ(0xDEADBEEF, dw);
        EXPECT_EQ(1.5f, f);
        EXPECT_EQ(-2.25, d);
        EXPECT_EQ(77u, u);
        EXPECT_EQ('c', ch);
        EXPECT_TRUE(b);
        EXPECT_EQ(-1234567890123LL, ll);
        CPoint pt;
        CSize size;
        CRect rect;
        ar >> pt >> size >> rect;
        EXPECT_EQ(CPoint(-3, 4), pt);
        EXPECT_EQ(CSize(5, -6), size);
        EXPECT_EQ(CRect(1, 2, 3, 4), rect);
        for (int length : {0, 1, 254, 255, 256, 65533, 65534, 65535, 70000})
        {
            CString text;
            ar >> text;
            EXPECT_EQ(length, text.GetLength());
            EXPECT_EQ(0, memcmp(longText.c_str(), text, length));
        }
        for (DWORD_PTR count : {0u, 0xFFFEu, 0xFFFFu, 0x12345678u})
            EXPECT_EQ(count, ar.ReadCount());
        BYTE extra;
        EXPECT_EQ(0u, ar.Read(&extra, 1));
    });
}

TEST(CArchiveTest, StringAndCountPrefixes)
{
    EXPECT_EQ(Bytes({3, 'a', 'b', 'c'}), StoreToBytes([](CArchive& ar) { ar << CString("abc"); }));
    Bytes prefix = StoreToBytes([](CArchive& ar) { ar << CString('z', 300); });
    EXPECT_EQ(Bytes({0xFF, 0x2C, 0x01}), Bytes(prefix.begin(), prefix.begin() + 3));
    EXPECT_EQ(Bytes({0xFE, 0xFF}), StoreToBytes([](CArchive& ar) { ar.WriteCount(0xFFFE); }));
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0}),
              StoreToBytes([](CArchive& ar) { ar.WriteCount(0xFFFF); }));
    // A UTF-16 string written by a wide-character program reads in the ANSI code page.
    LoadFromBytes({0xFF, 0xFE, 0xFF, 3, 'a', 0, 0xE9, 0, 'c', 0}, [](CArchive& ar) {
        CString text;
        ar >> text;
        EXPECT_STREQ("a\xE9"
                     "c",
                     text);
    });
}

TEST(CArchiveTest, TagProtocolBytes)
{
    CNode first, second;
    Bytes bytes = StoreToBytes([&](CArchive& ar) {
        ar << &first << &second << &first << (CObject*)NULL;
        ar.WriteClass(RUNTIME_CLASS(CNode));
        ar.WriteClass(RUNTIME_CLASS(CStranger));
    });
    Bytes expected = Concat({
        NewClassRecord(1, "CNode"),
        kEmptyNodeData, // class index 1, object index 2
        {0x01, 0x80},
        kEmptyNodeData, // class tag 0x8000|1, object index 3
        {0x02, 0x00},   // the first object again
        {0x00, 0x00},   // NULL
        {0x01, 0x80},   // the class again
        NewClassRecord(1, "CStranger"),
    });
    EXPECT_EQ(expected, bytes);
}

TEST(CArchiveTest, ObjectGraphReadsBackWithSharedObjectsAsOne)
{
    CNode a, b, c;
    a.m_name = "a";
    b.m_name = "b";
    c.m_name = "c";
    a.m_links.Add(&b);
    a.m_links.Add(&c);
    b.m_links.Add(&c); // c reached twice
    c.m_links.Add(&a); // a cycle back to the root
    c.m_links.Add(NULL);
    Bytes bytes = StoreToBytes([&](CArchive& ar) { ar << &a << &c; });
    LoadFromBytes(bytes, [](CArchive& ar) {
        CNode* pA = NULL;
        CNode* pC = NULL;
        ar >> pA >> pC;
        ASSERT_TRUE(pA && pC);
        EXPECT_STREQ("a", pA->m_name);
        ASSERT_EQ(2, pA->m_links.GetSize());
        CNode* pB = (CNode*)pA->m_links[0];
        EXPECT_STREQ("b", pB->m_name);
        EXPECT_EQ(pC, pA->m_links[1]);
        EXPECT_EQ(pC, pB->m_links[0]);
        EXPECT_EQ(pA, pC->m_links[0]);
        EXPECT_EQ(NULL, pC->m_links[1]);
        delete pA;
        delete pB;
        delete pC;
    });
}

TEST(CArchiveTest, ManyObjectsUseTheLongTags)
{
    const int kCount = 0x8100; // indexes pass 0x7FFF
    CObArray nodes;
    for (int i = 0; i < kCount; ++i)
        nodes.Add(new CNode);
    Bytes bytes = StoreToBytes([&](CArchive& ar) {
        nodes.Serialize(ar);
        ar << nodes[0] << nodes[kCount - 1];
        ar.WriteClass(RUNTIME_CLASS(CStranger));
        ar.WriteClass(RUNTIME_CLASS(CStranger));
    });
    Bytes tail(bytes.end() - 6, bytes.end());
    EXPECT_EQ(Bytes({0xFF, 0x7F, 0x02, 0x81, 0x00, 0x80}), tail); // big class tag of index 0x8102
    LoadFromBytes(bytes, [&](CArchive& ar) {
        CObArray read;
        read.Serialize(ar);
        ASSERT_EQ(kCount, read.GetSize());
        CObject* first = NULL;
        CObject* last = NULL;
        ar >> first >> last;
        EXPECT_EQ(read[0], first);
        EXPECT_EQ(read[kCount - 1], last);
        EXPECT_EQ(RUNTIME_CLASS(CStranger), ar.ReadClass());
        EXPECT_EQ(RUNTIME_CLASS(CStranger), ar.ReadClass());
        DeleteGraph(read);
    });
    DeleteGraph(nodes);
}

TEST(CArchiveTest, VersionableSchemaReachesTheObjectAndReadClass)
{
    CVersioned versioned;
    Bytes bytes = StoreToBytes([&](CArchive& ar) {
        ar << &versioned;
        ar.WriteClass(RUNTIME_CLASS(CVersioned));
    });
    EXPECT_EQ(NewClassRecord(8, "CVersioned"), Bytes(bytes.begin(), bytes.begin() + 16));
    bytes[2] = 5; // data of an older version
    LoadFromBytes(bytes, [](CArchive& ar) {
        CVersioned* pRead = NULL;
        ar >> pRead;
        ASSERT_TRUE(pRead != NULL);
        EXPECT_EQ(5u, pRead->m_nSchemaRead);
        delete pRead;
        UINT nSchema = 0;
        EXPECT_EQ(RUNTIME_CLASS(CVersioned), ar.ReadClass(RUNTIME_CLASS(CObject), &nSchema));
        EXPECT_EQ(5u, nSchema);
    });
}

TEST(CArchiveTest, MapObjectMakesLaterReferencesResolve)
{
    CNode outside, inner;
    Bytes bytes = StoreToBytes([&](CArchive& ar) {
        ar.MapObject(&outside); // index 1
        ar << &inner << &outside;
    });
    EXPECT_EQ(Bytes({0x01, 0x00}), Bytes(bytes.end() - 2, bytes.end()));
    LoadFromBytes(bytes, [](CArchive& ar) {
        CNode known;
        ar.MapObject(&known);
        CObject* pInner = NULL;
        CObject* pOutside = NULL;
        ar >> pInner >> pOutside;
        EXPECT_EQ(&known, pOutside);
        delete pInner;
    });
}

TEST(CArchiveTest, CollectionsRoundTrip)
{
    CStringArray strings;
    strings.Add("one");
    strings.Add("");
    strings.Add("three");
    CDWordArray numbers;
    for (DWORD i = 0; i < 300; ++i)
        numbers.Add(i * i);
    CStringList list;
    list.AddTail("x");
    list.AddTail("y");
    CMapStringToString names;
    names["k1"] = "v1";
    names["k2"] = "v2";
    CMap<UINT, UINT, BOOL, BOOL> ids;
    ids[35000] = TRUE;
    ids[59392] = FALSE;
    CNode shared;
    shared.m_name = "shared";
    CObList objects;
    objects.AddTail(&shared);
    objects.AddTail(&shared);
    Bytes bytes = StoreToBytes([&](CArchive& ar) {
        strings.Serialize(ar);
        numbers.Serialize(ar);
        list.Serialize(ar);
        names.Serialize(ar);
        ids.Serialize(ar);
        objects.Serialize(ar);
    });
    LoadFromBytes(bytes, [](CArchive& ar) {
        CStringArray strings;
        strings.Serialize(ar);
        ASSERT_EQ(3, strings.GetSize());
        EXPECT_STREQ("three", strings[2]);
        CDWordArray numbers;
        numbers.Serialize(ar);
        ASSERT_EQ(300, numbers.GetSize());
        EXPECT_EQ(299u * 299u, numbers[299]);
        CStringList list;
        list.Serialize(ar);
        EXPECT_EQ(2, list.GetCount());
        EXPECT_STREQ("y", list.GetTail());
        CMapStringToString names;
        names.Serialize(ar);
        CString value;
        EXPECT_EQ(2, names.GetCount());
        EXPECT_TRUE(names.Lookup("k2", value));
        EXPECT_STREQ("v2", value);
        CMap<UINT, UINT, BOOL, BOOL> ids;
        ids.Serialize(ar);
        BOOL flag = FALSE;
        EXPECT_TRUE(ids.Lookup(35000, flag));
        EXPECT_TRUE(flag);
        EXPECT_TRUE(ids.Lookup(59392, flag));
        EXPECT_FALSE(flag);
        CObList objects;
        objects.Serialize(ar);
        ASSERT_EQ(2, objects.GetCount());
        EXPECT_EQ(objects.GetHead(), objects.GetTail());
        EXPECT_STREQ("shared", ((CNode*)objects.GetHead())->m_name);
        delete objects.GetHead();
    });
}

// ---- failures ----

TEST(CArchiveFailures, EveryTruncatedPrefixRaisesEndOfFile)
{
    CNode root, child;
    root.m_name = "root";
    child.m_name = CString('n', 300);
    root.m_links.Add(&child);
    root.m_links.Add(&child);
    Bytes bytes = StoreToBytes([&](CArchive& ar) {
        ar << &root << (DWORD)7 << 2.5 << CString("tail");
        ar.WriteCount(70000);
    });
    // Objects read before the failure are left to leak: a partial graph has no owner.
    auto load = [](CArchive& ar) {
        CObject* pRoot = NULL;
        DWORD dw;
        double d;
        CString text;
        ar >> pRoot >> dw >> d >> text;
        ar.ReadCount();
        CNode* pNode = (CNode*)pRoot;
        delete pNode->m_links[0];
        delete pNode;
    };
    EXPECT_EQ(-1, LoadFailureCause(bytes, load));
    for (size_t length = 0; length < bytes.size(); ++length)
    {
        EXPECT_EQ(CArchiveException::endOfFile,
                  LoadFailureCause(Bytes(bytes.begin(), bytes.begin() + length), load))
            << "prefix of " << length << " bytes";
    }
}

TEST(CArchiveFailures, CountsAndLengthsLargerThanTheDataRaiseEndOfFileWithoutAllocating)
{
    auto string = [](CArchive& ar) {
        CString s;
        ar >> s;
    };
    struct Case
    {
        const char* name;
        Bytes bytes;
        std::function<void(CArchive&)> load;
    };
    const Case cases[] = {
        {"string of 4 GB", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, string},
        {"string of 2 GB", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, string},
        {"wide string of 1 GB", {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3F}, string},
        {"string array",
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 'a'},
         [](CArchive& ar) { CStringArray().Serialize(ar); }},
        {"number array",
         {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40, 1, 2, 3, 4},
         [](CArchive& ar) { CDWordArray().Serialize(ar); }},
        {"object list",
         {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 0, 0},
         [](CArchive& ar) { CObList().Serialize(ar); }},
        {"map",
         {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 1, 'k', 1, 'v'},
         [](CArchive& ar) { CMapStringToString().Serialize(ar); }},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailureCause(c.bytes, c.load)) << c.name;
}

TEST(CArchiveFailures, ClassRecordsThatMustNotMakeAnObject)
{
    auto readNode = [](CArchive& ar) {
        CNode* p = NULL;
        ar >> p;
        delete p;
    };
    auto readAnything = [](CArchive& ar) {
        CObject* p = NULL;
        ar >> p;
        delete p;
    };
    // made: the objects a correct reader makes before it meets the fault (CNode, CStranger).
    struct Case
    {
        const char* name;
        int cause;
        Bytes bytes;
        std::function<void(CArchive&)> load;
        int made[2] = {0, 0};
    };
    const int badClass = CArchiveException::badClass, badIndex = CArchiveException::badIndex;
    const Case cases[] = {
        {"unknown class name", badClass, Concat({NewClassRecord(1, "CNoSuchClass"), kEmptyNodeData}),
         readAnything},
        {"class name case differs", badClass, Concat({NewClassRecord(1, "cnode"), kEmptyNodeData}),
         readAnything},
        {"class of another kind", badClass, NewClassRecord(1, "CStranger"), readNode},
        {"class that cannot be created", badClass, NewClassRecord(0xFFFF, "CNotCreatable"), readAnything},
        {"class creatable by name only", badClass, NewClassRecord(0xFFFF, "CCreatableByName"), readAnything},
        {"class record of a class creatable by name only", badClass,
         NewClassRecord(0xFFFF, "CCreatableByName"),
         [](CArchive& ar) { ar.ReadClass(RUNTIME_CLASS(CObject)); }},
        {"class name too long", badClass, Concat({{0xFF, 0xFF, 1, 0, 0x2C, 0x01}, Bytes(300, 'A')}),
         readAnything},
        {"wrong schema", CArchiveException::badSchema, Concat({NewClassRecord(2, "CNode"), kEmptyNodeData}),
         readNode},
        {"class tag of no class", badIndex, {0x05, 0x80}, readAnything},
        {"class tag zero", badIndex, {0x00, 0x80}, readAnything},
        {"object tag of no object", badIndex, {0x01, 0x00}, readAnything},
        {"object tag of a class",
         badIndex,
         Concat({NewClassRecord(1, "CNode"), kEmptyNodeData, {0x01, 0x00}}),
         [](CArchive& ar) {
             CObject* p = NULL;
             ar >> p;
             delete p;
             ar >> p;
         },
         {1, 0}},
        {"big object tag out of range", badIndex, {0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}, readAnything},
        {"big class tag out of range", badIndex, {0xFF, 0x7F, 0x07, 0x00, 0x00, 0x80}, readAnything},
        {"earlier object of another kind",
         badClass,
         Concat({NewClassRecord(1, "CStranger"), {0x02, 0x00}}),
         [](CArchive& ar) {
             CObject* p = NULL;
             ar >> p;
             std::unique_ptr<CObject> owner(p);
             CNode* node = NULL;
             ar >> node;
         },
         {0, 1}},
    };
    ASSERT_EQ(RUNTIME_CLASS(CNotCreatable), CRuntimeClass::FromName("CNotCreatable"));
    for (const Case& c : cases)
    {
        int strangers = CStranger::s_created;
        int nodes = CNode::s_created;
        EXPECT_EQ(c.cause, LoadFailureCause(c.bytes, c.load)) << c.name;
        EXPECT_EQ(nodes + c.made[0], CNode::s_created) << c.name;
        EXPECT_EQ(strangers + c.made[1], CStranger::s_created) << c.name;
    }
    EXPECT_EQ(0, CCreatableByName::s_created);
}

// A collection holding a collection holding ... levels deep, the innermost one empty, in the
// bytes the archive writes for it: the class once, then a class tag and a count of 1 a level.
Bytes NestedCollections(const std::string& className, size_t levels)
{
    Bytes bytes = NewClassRecord(0, className);
    for (size_t level = 1; level <= levels; ++level)
    {
        if (level > 1)
            bytes.insert(bytes.end(), {0x01, 0x80});
        bytes.insert(bytes.end(), {(BYTE)(level < levels ? 1 : 0), 0x00});
    }
    return bytes;
}

void DeleteNestedArrays(CObject* pOuter)
{
    while (pOuter)
    {
        CObArray* pArray = (CObArray*)pOuter;
        pOuter = pArray->GetSize() ? pArray->GetAt(0) : NULL;
        delete pArray;
    }
}

TEST(CArchiveFailures, ObjectsNestedTooDeepRaiseInsteadOfRunningOutOfStack)
{
    auto readArrays = [](CArchive& ar) {
        CObArray* p = NULL;
        ar >> p;
        DeleteNestedArrays(p);
    };
    auto readLists = [](CArchive& ar) {
        CObList* p = NULL;
        ar >> p;
        delete p;
    };
    struct Case
    {
        const char* name;
        Bytes bytes;
        std::function<void(CArchive&)> load;
        int cause;
    };
    const Case cases[] = {
        {"arrays as deep as allowed", NestedCollections("CObArray", CArchive::nMaxObjectDepth), readArrays,
         -1},
        {"arrays one level deeper", NestedCollections("CObArray", CArchive::nMaxObjectDepth + 1), readArrays,
         CArchiveException::genericException},
        // About 80 KB that overflowed the stack when nothing limited the depth.
        {"arrays 20,000 deep", NestedCollections("CObArray", 20000), readArrays,
         CArchiveException::genericException},
        {"lists 20,000 deep", NestedCollections("CObList", 20000), readLists,
         CArchiveException::genericException},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.cause, LoadFailureCause(c.bytes, c.load)) << c.name;
}

TEST(CArchiveFailures, ReadClassOfAnObjectTagWithoutRoomForItRaisesBadIndex)
{
    EXPECT_EQ(CArchiveException::badIndex,
              LoadFailureCause({0x00, 0x00}, [](CArchive& ar) { ar.ReadClass(); }));
    DWORD dwObTag = 99;
    LoadFromBytes({0x00, 0x00}, [&](CArchive& ar) { EXPECT_EQ(NULL, ar.ReadClass(NULL, NULL, &dwObTag)); });
    EXPECT_EQ(0u, dwObTag);
}

TEST(CArchiveFailures, WrongDirectionRaisesReadOnlyOrWriteOnly)
{
    EXPECT_EQ(CArchiveException::readOnly, LoadFailureCause({1, 2}, [](CArchive& ar) { ar << (BYTE)1; }));
    EXPECT_EQ(CArchiveException::readOnly,
              LoadFailureCause({1, 2}, [](CArchive& ar) { ar.WriteClass(RUNTIME_CLASS(CNode)); }));
    EXPECT_EQ(CArchiveException::writeOnly, RaisedCause<CArchiveException>([] {
                  StoreToBytes([](CArchive& ar) {
                      BYTE by;
                      ar >> by;
                  });
              }));
}

TEST(CArchiveTest, ArchiveOverARealFileAndUnflushedDestruction)
{
    TempFolder folder;
    CString path = folder.File("tw_core_archive.bin").c_str();
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << CString("kept") << (DWORD)42;
        // not closed: the destructor flushes
    }
    {
        CFile file(path, CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        CString text;
        DWORD dw = 0;
        ar >> text >> dw;
        EXPECT_STREQ("kept", text);
        EXPECT_EQ(42u, dw);
        ar.Close();
        EXPECT_EQ(file.GetLength(), file.GetPosition());
    }
}
