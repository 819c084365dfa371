#include "ArchiveTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
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

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes ClassRecord(WORD schema, const std::string& name)
{
    Bytes bytes = {0xFF, 0xFF, (BYTE)schema, (BYTE)(schema >> 8), (BYTE)name.size(), 0};
    for (char ch : name)
        bytes.push_back((BYTE)ch);
    return bytes;
}

// Loaders: one object of class T read and deleted; a new collection C loaded.
template <class T>
void ReadObject(CArchive& ar)
{
    delete Read<T*>(ar);
}
template <class C>
void LoadCollection(CArchive& ar)
{
    C().Serialize(ar);
}

// An empty CNode's own data: an empty name and no links.
const Bytes kEmptyNode = {0x00, 0x00, 0x00};
} // namespace

TEST(CArchiveTest, EveryValueTypeRoundTrips)
{
    const int lengths[] = {0, 1, 254, 255, 256, 65533, 65534, 65535, 70000};
    const DWORD_PTR counts[] = {0u, 0xFFFEu, 0xFFFFu, 0x12345678u};
    std::string longText(70000, 'q');
    Bytes bytes = StoreToBytes([&](CArchive& ar) {
        ar << (BYTE)0xAB << (WORD)0xBEEF << (short)-2 << -123456 << (LONG)-7 << (DWORD)0xDEADBEEF;
        ar << 1.5f << -2.25 << (UINT)77 << 'c' << true << (LONGLONG)-1234567890123LL;
        ar << CPoint(-3, 4) << CSize(5, -6) << CRect(1, 2, 3, 4);
        for (int length : lengths)
            ar << CString(longText.c_str(), length);
        for (DWORD_PTR count : counts)
            ar.WriteCount(count);
    });
    LoadFromBytes(bytes, [&](CArchive& ar) {
        std::ostringstream read; // operands of << are read left to right
        read << +Read<BYTE>(ar) << ' ' << Read<WORD>(ar) << ' ' << Read<short>(ar) << ' ' << Read<int>(ar)
             << ' ' << Read<LONG>(ar) << ' ' << Read<DWORD>(ar) << ' ' << Read<float>(ar) << ' '
             << Read<double>(ar) << ' ' << Read<UINT>(ar) << ' ' << Read<char>(ar) << ' ' << Read<bool>(ar)
             << ' ' << Read<LONGLONG>(ar);
        EXPECT_EQ("171 48879 -2 -123456 -7 3735928559 1.5 -2.25 77 c 1 -1234567890123", read.str());
        EXPECT_EQ(CPoint(-3, 4), Read<CPoint>(ar));
        EXPECT_EQ(CSize(5, -6), Read<CSize>(ar));
        EXPECT_EQ(CRect(1, 2, 3, 4), Read<CRect>(ar));
        for (int length : lengths)
            EXPECT_EQ(longText.substr(0, length), (LPCTSTR)Read<CString>(ar));
        for (DWORD_PTR count : counts)
            EXPECT_EQ(count, ar.ReadCount());
        BYTE extra;
        EXPECT_EQ(0u, ar.Read(&extra, 1));
    });
}

TEST(CArchiveTest, StringLengthsAndCountsAreWrittenShortOrEscapedToAWiderForm)
{
    EXPECT_EQ(Bytes({3, 'a', 'b', 'c'}), StoreToBytes([](CArchive& ar) { ar << CString("abc"); }));
    Bytes prefix = StoreToBytes([](CArchive& ar) { ar << CString('z', 300); });
    EXPECT_EQ(Bytes({0xFF, 0x2C, 0x01}), Bytes(prefix.begin(), prefix.begin() + 3));
    EXPECT_EQ(Bytes({0xFE, 0xFF}), StoreToBytes([](CArchive& ar) { ar.WriteCount(0xFFFE); }));
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0}),
              StoreToBytes([](CArchive& ar) { ar.WriteCount(0xFFFF); }));
}

// A UTF-16 string written by a wide-character program reads in the ANSI code page.
TEST(CArchiveTest, AWideStringReadsInTheAnsiCodePage)
{
    LoadFromBytes({0xFF, 0xFE, 0xFF, 3, 'a', 0, 0xE9, 0, 'c', 0},
                  [](CArchive& ar) { EXPECT_STREQ("a\351c", Read<CString>(ar)); });
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
        ClassRecord(1, "CNode"),
        kEmptyNode, // class index 1, object index 2
        {0x01, 0x80},
        kEmptyNode,   // class tag 0x8000|1, object index 3
        {0x02, 0x00}, // the first object again
        {0x00, 0x00}, // NULL
        {0x01, 0x80}, // the class again
        ClassRecord(1, "CStranger"),
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
        CNode* pA = Read<CNode*>(ar);
        CNode* pC = Read<CNode*>(ar);
        ASSERT_TRUE(pA && pC && pA->m_links.GetSize() == 2);
        CNode* pB = (CNode*)pA->m_links[0];
        EXPECT_EQ("a b c", std::string(pA->m_name + " " + pB->m_name + " " + pC->m_name));
        EXPECT_EQ(std::vector<CObject*>({pB, pC, pC, pA, NULL}),
                  std::vector<CObject*>(
                      {pA->m_links[0], pA->m_links[1], pB->m_links[0], pC->m_links[0], pC->m_links[1]}));
        std::unique_ptr<CNode> ownA(pA), ownB(pB), ownC(pC);
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
        EXPECT_EQ(read[0], Read<CObject*>(ar));
        EXPECT_EQ(read[kCount - 1], Read<CObject*>(ar));
        EXPECT_EQ(RUNTIME_CLASS(CStranger), ar.ReadClass());
        EXPECT_EQ(RUNTIME_CLASS(CStranger), ar.ReadClass());
        for (INT_PTR i = 0; i < kCount; ++i)
            delete read[i];
    });
    for (INT_PTR i = 0; i < kCount; ++i)
        delete nodes[i];
}

TEST(CArchiveTest, VersionableSchemaReachesTheObjectAndReadClass)
{
    CVersioned versioned;
    Bytes bytes = StoreToBytes([&](CArchive& ar) {
        ar << &versioned;
        ar.WriteClass(RUNTIME_CLASS(CVersioned));
    });
    EXPECT_EQ(ClassRecord(8, "CVersioned"), Bytes(bytes.begin(), bytes.begin() + 16));
    bytes[2] = 5; // data of an older version
    LoadFromBytes(bytes, [](CArchive& ar) {
        std::unique_ptr<CVersioned> read(Read<CVersioned*>(ar));
        EXPECT_EQ(5u, read->m_nSchemaRead);
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
        std::unique_ptr<CObject> inner(Read<CObject*>(ar));
        EXPECT_EQ(&known, Read<CObject*>(ar));
    });
}

// Stores the collection, then loads what was stored into the other one.
template <class C>
void RoundTrip(C& stored, C& loaded)
{
    LoadFromBytes(StoreToBytes([&](CArchive& ar) { stored.Serialize(ar); }),
                  [&](CArchive& ar) { loaded.Serialize(ar); });
}

// Arrays, lists and maps of each kind of element: plain bytes, strings and objects.
TEST(CArchiveTest, CollectionsRoundTrip)
{
    CStringArray strings, stringsRead;
    for (const char* text : {"one", "", "three"})
        strings.Add(text);
    CDWordArray numbers, numbersRead;
    for (DWORD i = 0; i < 300; ++i)
        numbers.Add(i * i);
    CMapStringToString names, namesRead;
    names["k1"] = "v1";
    names["k2"] = "v2";
    CNode first, second;
    first.m_name = "first";
    CObList objects, objectsRead;
    objects.AddTail(&first);
    objects.AddTail(&second);
    RoundTrip(strings, stringsRead);
    RoundTrip(numbers, numbersRead);
    RoundTrip(names, namesRead);
    RoundTrip(objects, objectsRead);
    ASSERT_EQ(2, objectsRead.GetCount());
    std::unique_ptr<CObject> head(objectsRead.GetHead()), tail(objectsRead.GetTail());
    CString k2;
    namesRead.Lookup("k2", k2);
    std::ostringstream read;
    read << stringsRead.GetSize() << ' ' << stringsRead[2] << ' ' << numbersRead.GetSize() << ' '
         << numbersRead[299] << ' ' << namesRead.GetCount() << ' ' << k2 << ' '
         << ((CNode*)head.get())->m_name;
    EXPECT_EQ("3 three 300 89401 2 v2 first", read.str());
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
        CNode* pRoot = Read<CNode*>(ar);
        Read<DWORD>(ar), Read<double>(ar), Read<CString>(ar), ar.ReadCount();
        delete pRoot->m_links[0];
        delete pRoot;
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
    auto string = [](CArchive& ar) { Read<CString>(ar); };
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
        {"string array", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 'a'}, &LoadCollection<CStringArray>},
        {"number array", {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40, 1, 2, 3, 4}, &LoadCollection<CDWordArray>},
        {"object list", {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 0, 0}, &LoadCollection<CObList>},
        {"map", {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 1, 'k', 1, 'v'}, &LoadCollection<CMapStringToString>},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailureCause(c.bytes, c.load)) << c.name;
}

TEST(CArchiveFailures, ClassRecordsThatMustNotMakeAnObject)
{
    auto aNode = &ReadObject<CNode>;
    auto anyObject = &ReadObject<CObject>;
    auto twoObjects = [](CArchive& ar) { ReadObject<CObject>(ar), ReadObject<CObject>(ar); };
    auto anyThenNode = [](CArchive& ar) {
        std::unique_ptr<CObject>(Read<CObject*>(ar)), ReadObject<CNode>(ar);
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
        {"unknown class name", badClass, Concat({ClassRecord(1, "CNoSuchClass"), kEmptyNode}), anyObject},
        {"class name case differs", badClass, Concat({ClassRecord(1, "cnode"), kEmptyNode}), anyObject},
        {"class of another kind", badClass, ClassRecord(1, "CStranger"), aNode},
        {"class that cannot be created", badClass, ClassRecord(0xFFFF, "CNotCreatable"), anyObject},
        {"class creatable by name only", badClass, ClassRecord(0xFFFF, "CCreatableByName"), anyObject},
        {"class record of a class creatable by name only", badClass, ClassRecord(0xFFFF, "CCreatableByName"),
         [](CArchive& ar) { ar.ReadClass(RUNTIME_CLASS(CObject)); }},
        {"class name too long", badClass, Concat({{0xFF, 0xFF, 1, 0, 0x2C, 0x01}, Bytes(300, 'A')}),
         anyObject},
        {"wrong schema", CArchiveException::badSchema, Concat({ClassRecord(2, "CNode"), kEmptyNode}), aNode},
        {"class tag of no class", badIndex, {0x05, 0x80}, anyObject},
        {"class tag zero", badIndex, {0x00, 0x80}, anyObject},
        {"object tag of no object", badIndex, {0x01, 0x00}, anyObject},
        {"object tag of a class",
         badIndex,
         Concat({ClassRecord(1, "CNode"), kEmptyNode, {1, 0}}),
         twoObjects,
         {1, 0}},
        {"big object tag out of range", badIndex, {0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}, anyObject},
        {"big class tag out of range", badIndex, {0xFF, 0x7F, 0x07, 0x00, 0x00, 0x80}, anyObject},
        {"earlier object of another kind",
         badClass,
         Concat({ClassRecord(1, "CStranger"), {2, 0}}),
         anyThenNode,
         {0, 1}},
    };
    ASSERT_EQ(RUNTIME_CLASS(CNotCreatable), CRuntimeClass::FromName("CNotCreatable"));
    for (const Case& c : cases)
    {
        const int before[2] = {CNode::s_created, CStranger::s_created};
        EXPECT_EQ(c.cause, LoadFailureCause(c.bytes, c.load)) << c.name;
        EXPECT_EQ(std::vector<int>({before[0] + c.made[0], before[1] + c.made[1]}),
                  std::vector<int>({CNode::s_created, CStranger::s_created}))
            << c.name;
    }
    EXPECT_EQ(0, CCreatableByName::s_created);
}

// An array holding an array holding ... levels deep, the innermost one empty, in the bytes the
// archive writes for it: the class once, then a class tag and a count of 1 a level.
Bytes NestedArrays(size_t levels)
{
    Bytes bytes = ClassRecord(0, "CObArray");
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
    auto readArrays = [](CArchive& ar) { DeleteNestedArrays(Read<CObArray*>(ar)); };
    const int tooDeep = CArchiveException::genericException;
    EXPECT_EQ(-1, LoadFailureCause(NestedArrays(CArchive::nMaxObjectDepth), readArrays));
    EXPECT_EQ(tooDeep, LoadFailureCause(NestedArrays(CArchive::nMaxObjectDepth + 1), readArrays));
    // About 80 KB that overflowed the stack when nothing limited the depth.
    EXPECT_EQ(tooDeep, LoadFailureCause(NestedArrays(20000), readArrays));
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
    EXPECT_EQ(CArchiveException::writeOnly,
              RaisedCause<CArchiveException>([] { StoreToBytes([](CArchive& ar) { Read<BYTE>(ar); }); }));
}

// Destroying a storing archive flushes it; closing a loading one gives the bytes it buffered but
// did not hand out back to the file.
TEST(CArchiveTest, DestructionFlushesAndClosingGivesUnreadBytesBack)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CString("kept") << (DWORD)42; // not closed
    }
    EXPECT_EQ(9u, file.GetLength());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    EXPECT_STREQ("kept", Read<CString>(ar));
    ar.Close();
    EXPECT_EQ(5u, file.GetPosition());
}
