// The settings exchange: the behaviour all back-ends share (text forms,
// escaping, blob letters, runtime classes, object instances, archives carried
// in a value, lists), then the four back-ends: one composite exchange
// round-trips through each, and the stored forms are the registry, XML and INI
// forms the exchange defines.
#include "ImageTestSupport.h"
#include "PropExchangeTestSupport.h"
#include "tests/support/TempFolder.h"
#include "toolkit/foundation/XTPPropExchangeArchive.h"
#include "toolkit/foundation/XTPPropExchangeIniFile.h"
#include "toolkit/foundation/XTPPropExchangeRegistry.h"
#include "toolkit/foundation/XTPPropExchangeXMLNode.h"

#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <shlwapi.h>
#include <stdlib.h>

// Counts its constructions, to show which classes stored data can make.
class CCountedObject : public CObject
{
    DECLARE_DYNCREATE(CCountedObject)
public:
    CCountedObject() { s_nCreated++; }
    static int s_nCreated;
};
int CCountedObject::s_nCreated = 0;
IMPLEMENT_DYNCREATE(CCountedObject, CObject)

namespace {
const char kTestKey[] = "Software\\Tidewatch Tests\\PropExchange";

// Runs the settings' exchange through an exchange made for it alone (a
// storing one writes its store when it goes).
void Exchange(CompositeSettings& settings, CXTPPropExchange&& px)
{
    settings.DoPropExchange(&px);
}

struct PropExchangeBackends : ::testing::Test
{
    void SetUp() override
    {
        ::CoInitialize(NULL);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, NULL, 0, KEY_ALL_ACCESS,
                                                   NULL, &m_hKey, NULL));
        m_stored.Fill();
    }

    void TearDown() override
    {
        ::RegCloseKey(m_hKey);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
        ::CoUninitialize();
    }

    CString ReadIni(LPCTSTR lpszSection, LPCTSTR lpszKey)
    {
        char szValue[256] = "";
        ::GetPrivateProfileStringA(lpszSection, lpszKey, "<missing>", szValue, sizeof(szValue), m_strIniFile);
        return szValue;
    }

    void WriteIni(LPCTSTR lpszKey, LPCTSTR lpszValue)
    {
        ::WritePrivateProfileStringA("Settings", lpszKey, lpszValue, m_strIniFile);
        ::WritePrivateProfileStringA(NULL, NULL, NULL, m_strIniFile);
    }

    void WriteRegistry(LPCTSTR lpszSubKey, LPCTSTR lpszValue, DWORD dwType, const std::vector<BYTE>& data)
    {
        ::SHSetValueA(m_hKey, lpszSubKey, lpszValue, dwType, data.data(), (DWORD)data.size());
    }

    // The value's type and bytes below the test key (no bytes when it is missing).
    std::vector<BYTE> ReadRegistry(LPCTSTR lpszSubKey, LPCTSTR lpszValue, DWORD& dwType)
    {
        std::vector<BYTE> data(4096);
        DWORD nSize = (DWORD)data.size();
        LONG nResult = ::SHGetValueA(m_hKey, lpszSubKey, lpszValue, &dwType, &data[0], &nSize);
        data.resize(nResult == ERROR_SUCCESS ? nSize : 0);
        return data;
    }

    // A loading exchange over a compact <Settings .../> with the attributes given:
    // the text forms the base class gives every back-end.
    std::unique_ptr<CXTPPropExchangeXMLNode> Loading(const CString& strAttributes)
    {
        std::unique_ptr<CXTPPropExchangeXMLNode> px(new CXTPPropExchangeXMLNode(TRUE, NULL, "Settings"));
        EXPECT_TRUE(px->LoadFromString("<Settings CompactMode=\"1\" " + strAttributes + "/>"));
        return px;
    }

    HKEY m_hKey = NULL;
    TempFolder m_folder;
    CString m_strIniFile = m_folder.File("settings.ini").c_str();
    CompositeSettings m_stored;
};

// A text's bytes with the terminating zero.
std::vector<BYTE> Text(const char* pszText)
{
    return std::vector<BYTE>(pszText, pszText + strlen(pszText) + 1);
}

// The document's text without the line breaks the component may add on its own.
CString TrimmedXml(CXTPPropExchangeXMLNode& px)
{
    CString strXml = CXTPPropExchangeXMLNode::RemoveLineBreaksBetweenTags(px.GetXML(FALSE));
    strXml.TrimRight();
    return strXml;
}

TEST_F(PropExchangeBackends, CompositeRoundTripsThroughAnArchive)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        Exchange(m_stored, CXTPPropExchangeArchive(ar));
    }
    file.SeekToBegin();
    CompositeSettings loaded;
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    loaded.DoPropExchange(&px);
    EXPECT_EQ(Describe(m_stored, TRUE), Describe(loaded, TRUE));
    EXPECT_EQ(file.GetLength(), file.GetPosition()) << "loading reads exactly what was stored";
    EXPECT_EQ(1u, px.GetSchema()) << "the class record's schema";
}

TEST_F(PropExchangeBackends, ArchivedObjectsResolveLaterReferences)
{
    CPayload payload;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        CObject* pObject = &payload;
        EXPECT_TRUE(px.ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject)));
        ar << pObject;
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    CObject* pLoaded = NULL;
    ASSERT_TRUE(px.ExchangeObjectInstance(pLoaded, RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pLoaded->IsKindOf(RUNTIME_CLASS(CPayload)));
    CObject* pReference = NULL;
    ar >> pReference;
    EXPECT_EQ(pLoaded, pReference) << "a later reference resolves to the made object";
    delete pLoaded;
}

TEST_F(PropExchangeBackends, ABlobSizeBeyondTheArchiveFailsWithoutAllocating)
{
    CMemFile huge;
    {
        CArchive hugeAr(&huge, CArchive::store);
        hugeAr.WriteCount(0x7FFFFFF0);
        hugeAr << (DWORD)0x01020304;
    }
    huge.SeekToBegin();
    CArchive hugeAr(&huge, CArchive::load);
    CXTPPropExchangeArchive hugePx(hugeAr);
    BYTE* pData = NULL;
    DWORD nBytes = 0;
    int nCause = -1;
    try
    {
        hugePx.ExchangeBlob("Blob", pData, nBytes);
    }
    catch (CArchiveException* e)
    {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::endOfFile, nCause);
    EXPECT_TRUE(pData == NULL) << "nothing allocated for a size the archive cannot hold";
}

TEST_F(PropExchangeBackends, CompositeRoundTripsThroughAnIniFileInItsForm)
{
    {
        CXTPPropExchangeIniFile px(FALSE, NULL, "Settings");
        m_stored.DoPropExchange(&px);
        ASSERT_TRUE(px.SaveToFile(m_strIniFile));
    }
    // The text forms are those of the XML form; what is the profile's own: quotes, sections, lists.
    const char* rows[][3] = {
        {"Settings", "String", " Line one\\\\\\nLine\\ttwo\\r "},
        {"Settings", "Float", "<missing>"},
        {"Settings\\Outer\\Inner", "Number", "99"},
        {"Settings", "Count", "3"},
        {"Settings\\Item2", "Value", "7"},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(row[2], ReadIni(row[0], row[1])) << row[1];

    CompositeSettings loaded;
    CXTPPropExchangeIniFile px(TRUE, NULL, "Settings");
    ASSERT_TRUE(px.LoadFromFile(m_strIniFile));
    loaded.DoPropExchange(&px);
    EXPECT_EQ(Describe(m_stored, FALSE), Describe(loaded, FALSE));
}

TEST_F(PropExchangeBackends, CompositeRoundTripsThroughTheRegistryInItsForm)
{
    Exchange(m_stored, CXTPPropExchangeRegistry(FALSE, m_hKey, "Settings"));
    // Texts are stored unescaped with their terminating zero; 16-bit values keep their 2 bytes.
    const struct
    {
        const char* key;
        const char* name;
        DWORD type;
        std::vector<BYTE> bytes;
    } rows[] = {
        {"Settings", "Short", REG_DWORD, {0xFF, 0xFF}},
        {"Settings", "Byte", REG_DWORD, {200}},
        {"Settings", "Double", REG_BINARY, {0, 0, 0, 0, 0, 0, 0x02, 0xC0}},
        {"Settings", "String", REG_SZ, Text(" Line one\\\nLine\ttwo\r ")},
        {"Settings", "Rect", REG_SZ, Text("1, 2, 30, 40")},
        {"Settings", "Blob", REG_BINARY, {0x00, 0x61, 0xFF, 0x10}},
        {"Settings\\Outer\\Inner", "Number", REG_DWORD, {99, 0, 0, 0}},
        {"Settings", "Count", REG_DWORD, {3, 0, 0, 0}},
        {"Settings\\Item2", "Value", REG_DWORD, {7, 0, 0, 0}},
        {"Settings", "Payload", REG_BINARY, {0x67, 0x12, 0, 0, 7, 'p', 'a', 'y', 'l', 'o', 'a', 'd'}},
    };
    for (const auto& row : rows)
    {
        DWORD dwType = REG_NONE;
        EXPECT_EQ(row.bytes, ReadRegistry(row.key, row.name, dwType)) << row.name;
        EXPECT_EQ(row.type, dwType) << row.name;
    }
    CompositeSettings loaded;
    Exchange(loaded, CXTPPropExchangeRegistry(TRUE, m_hKey, "Settings"));
    EXPECT_EQ(Describe(m_stored, TRUE), Describe(loaded, TRUE));
}

// The image manager's icons keep this registry form.
TEST_F(PropExchangeBackends, ImageManagerRegistryForm)
{
    CXTPImageManager source, target;
    FillManager(source);
    {
        CXTPPropExchangeRegistry px(FALSE, m_hKey, "Images");
        source.DoPropExchange(&px);
    }
    DWORD dwType = 0;
    // Counts, the id and a width as 32-bit values: the value is the third text's one byte.
    const char* rows[][3] = {{"Images", "Count", "\x01"},
                             {"Images\\IconSet0", "Id", "\x07"},
                             {"Images\\IconSet0", "Count", "\x02"},
                             {"Images\\IconSet0\\Icon1", "Width", "\x18"}};
    for (const auto& row : rows)
        EXPECT_EQ(std::vector<BYTE>({(BYTE)row[2][0], 0, 0, 0}), ReadRegistry(row[0], row[1], dwType))
            << row[1];
    EXPECT_GT(ReadRegistry("Images\\IconSet0\\Icon0", "Data", dwType).size(), 100u);
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    EXPECT_TRUE(ReadRegistry("Images\\IconSet0", "CheckSum", dwType).empty())
        << "the check text equals its default";
    {
        CXTPPropExchangeRegistry px(TRUE, m_hKey, "Images");
        target.DoPropExchange(&px);
    }
    EXPECT_EQ(kFilledIcons, DescribeIconSet(target, 7));
}

TEST_F(PropExchangeBackends, RegistryShortDataAndRemovedDefaults)
{
    WriteRegistry("Raw", "One", REG_BINARY, {0x81});
    WriteRegistry("Raw", "Text", REG_BINARY, {'a', 'b', 'c'});
    WriteRegistry("Raw", "Long", REG_BINARY, {1, 0, 0, 0, 0, 0, 0, 0});
    CXTPPropExchangeRegistry px(TRUE, m_hKey, "Raw");
    // Zero-extended; data longer than 4 bytes takes the default.
    int nOne = -1, nLong = -1;
    CString strValue;
    EXPECT_TRUE(PX_Int(&px, "One", nOne, 5) && PX_String(&px, "Text", strValue, "")
                && PX_Int(&px, "Long", nLong, 5));
    EXPECT_EQ(std::vector<int>({0x81, 5}), std::vector<int>({nOne, nLong}));
    EXPECT_STREQ("abc", strValue);
    WriteRegistry("Settings", "Int", REG_DWORD, {17, 0, 0, 0});
    WriteIni("Int", "17");
    WriteIni("Keep", "1");
    {
        CXTPPropExchangeRegistry registry(FALSE, m_hKey, "Settings");
        CXTPPropExchangeIniFile ini(FALSE, NULL, "Settings");
        ASSERT_TRUE(ini.LoadFromFile(m_strIniFile));
        int nValue = 6;
        EXPECT_TRUE(PX_Int(&registry, "Int", nValue, 6) && PX_Int(&ini, "Int", nValue, 6));
        ASSERT_TRUE(ini.SaveToFile(m_strIniFile));
    }
    DWORD dwType = 0;
    EXPECT_TRUE(ReadRegistry("Settings", "Int", dwType).empty());
    EXPECT_STREQ("<missing>", ReadIni("Settings", "Int"));
    EXPECT_STREQ("1", ReadIni("Settings", "Keep"));
}

TEST_F(PropExchangeBackends, EmptySectionClearsTheStoredSection)
{
    {
        CXTPPropExchangeRegistry px(FALSE, m_hKey, "Settings");
        m_stored.DoPropExchange(&px);
        px.EmptySection();
        int nValue = 1;
        PX_Int(&px, "Only", nValue, 0);
    }
    DWORD dwType = 0;
    EXPECT_TRUE(ReadRegistry("Settings\\Outer\\Inner", "Number", dwType).empty());
    EXPECT_TRUE(ReadRegistry("Settings", "Int", dwType).empty());
    EXPECT_EQ(std::vector<BYTE>({1, 0, 0, 0}), ReadRegistry("Settings", "Only", dwType));
    CXTPPropExchangeXMLNode px(FALSE, NULL, "Settings");
    SectionPtr pOuter(px.GetSection("Outer"));
    int nNumber = 5;
    PX_Int(pOuter.get(), "Number", nNumber, 0);
    pOuter->EmptySection();
    EXPECT_STREQ("<Settings CompactMode=\"1\"/>", TrimmedXml(px));
    PX_Int(pOuter.get(), "Again", nNumber, 0);
    EXPECT_STREQ("<Settings CompactMode=\"1\"><Outer Again=\"5\"/></Settings>", TrimmedXml(px));
}

// The composite settings as attributes or as elements; values equal to
// their default and floats are left out.
TEST_F(PropExchangeBackends, XmlCompactAndElementForms)
{
    const struct
    {
        BOOL bCompact;
        const char* xml;
    } forms[] = {
        {TRUE, "<Settings CompactMode=\"1\" Byte=\"200\" Short=\"65535\" "
               "DWord=\"-19088744\" Int=\"42\" Bool=\"1\" String=\" Line one\\\\\\nLine\\ttwo\\r \" "
               "Size=\"16, 15\" Point=\"-3, 4\" Rect=\"1, 2, 30, 40\" Class=\"CPayload\" "
               "Blob=\"AABGPPAB\" Payload=\"HGCBAAAAHAAHBGJHMGPGBGEG\"><Outer Text=\"inner text\">"
               "<Inner Number=\"99\"/></Outer><Item Value=\"5\"/><Item Value=\"6\"/><Item "
               "Value=\"7\"/></Settings>"},
        {FALSE, "<Settings><Byte>200</Byte><Short>65535</Short>"
                "<DWord>-19088744</DWord><Int>42</Int><Bool>1</Bool>"
                "<String> Line one\\\\\\nLine\\ttwo\\r </String><Size>16, 15</Size><Point>-3, 4</Point>"
                "<Rect>1, 2, 30, 40</Rect><Class>CPayload</Class><Outer><Text>inner text</Text>"
                "<Inner><Number>99</Number></Inner></Outer><Item><Value>5</Value></Item><Item><Value>6</"
                "Value></Item>"
                "<Item><Value>7</Value></Item><Blob>AABGPPAB</Blob><Payload>HGCBAAAAHAAHBGJHMGPGBGEG</"
                "Payload></Settings>"},
    };
    for (const auto& form : forms)
    {
        CXTPPropExchangeXMLNode px(FALSE, NULL, "Settings");
        px.SetCompactMode(form.bCompact);
        m_stored.DoPropExchange(&px);
        EXPECT_STREQ(form.xml, TrimmedXml(px));
    }
}

TEST_F(PropExchangeBackends, XmlReadsCountedListsAndEmptyTexts)
{
    CXTPPropExchangeXMLNode px(TRUE, NULL, "Settings");
    ASSERT_TRUE(px.LoadFromString("<Settings><Count>2</Count><Item0><Value>4</Value></Item0>"
                                  "<Item1><Value>8</Value></Item1><Empty></Empty></Settings>"));
    CXTPPropExchangeEnumeratorPtr pEnumerator(px.GetEnumerator("Item"));
    std::vector<int> values;
    POSITION pos = pEnumerator->GetPosition(0, FALSE);
    while (pos != NULL)
    {
        SectionPtr pItem(pEnumerator->GetNext(pos));
        int nValue = 0;
        PX_Int(pItem.get(), "Value", nValue, -1);
        values.push_back(nValue);
    }
    // An existing empty text is 0.
    int nEmpty = 7;
    PX_Int(&px, "Empty", nEmpty, 3);
    values.push_back(nEmpty);
    EXPECT_EQ(std::vector<int>({4, 8, 0}), values);
    EXPECT_FALSE(px.IsPropertyExists("Missing"));
    EXPECT_TRUE(px.IsPropertyExists("Count"));
}

TEST_F(PropExchangeBackends, MissingSectionsLoadDefaultsAndBrokenDocumentsDoNotLoad)
{
    CompositeSettings fromRegistry, fromXml;
    Exchange(fromRegistry, CXTPPropExchangeRegistry(TRUE, m_hKey, "Absent"));
    CXTPPropExchangeXMLNode other(TRUE, NULL, "Settings");
    ASSERT_TRUE(other.LoadFromString(L"<Other a=\"1\"/>"));
    fromXml.DoPropExchange(&other);
    for (const CompositeSettings* pLoaded : {&fromRegistry, &fromXml})
    {
        EXPECT_TRUE(pLoaded->intValue == 6 && pLoaded->rectValue == CRect(0, 0, 1, 1)
                    && pLoaded->items.empty());
        EXPECT_STREQ("default", pLoaded->stringValue);
    }

    CXTPPropExchangeXMLNode broken(TRUE, NULL, "Settings");
    EXPECT_FALSE(broken.LoadFromString("<Settings><unclosed></Settings>"));
    EXPECT_FALSE(broken.LoadFromFile("Z:\\no\\such\\file.xml"));
}

// Damaged stored lists: a count beyond the items, an item missing in the
// middle. Loading reads the items there up to the first missing one, and a
// registry load leaves no key behind.
TEST_F(PropExchangeBackends, ListsEndAtTheFirstMissingItem)
{
    auto readList = [](CXTPPropExchange* pPX) {
        CXTPPropExchangeEnumeratorPtr pEnumerator(pPX->GetEnumerator("Item"));
        std::vector<int> values;
        POSITION pos = pEnumerator->GetPosition();
        while (pos != NULL && values.size() < 10)
        {
            SectionPtr pItem(pEnumerator->GetNext(pos));
            int nValue = -1;
            PX_Int(pItem.get(), "Value", nValue, -1);
            values.push_back(nValue);
        }
        return values;
    };
    for (DWORD dwCount : {3u, 0x7FFFFFFFu})
    {
        SCOPED_TRACE(dwCount);
        // Items 0 and 2 of the list "List".
        ::SHDeleteKeyA(m_hKey, "List");
        WriteRegistry("List", "Count", REG_DWORD, std::vector<BYTE>((BYTE*)&dwCount, (BYTE*)&dwCount + 4));
        WriteRegistry("List\\Item0", "Value", REG_DWORD, {4, 0, 0, 0});
        WriteRegistry("List\\Item2", "Value", REG_DWORD, {9, 0, 0, 0});
        {
            CXTPPropExchangeRegistry px(TRUE, m_hKey, "List");
            EXPECT_EQ(std::vector<int>({4}), readList(&px)) << "registry";
        }
        HKEY hItem = NULL;
        EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(m_hKey, "List\\Item1", 0, KEY_READ, &hItem))
            << "loading made the missing item's key";

        ::DeleteFileA(m_strIniFile);
        CString strCount;
        strCount.Format("%lu", dwCount);
        ::WritePrivateProfileStringA("List", "Count", strCount, m_strIniFile);
        ::WritePrivateProfileStringA("List\\Item0", "Value", "4", m_strIniFile);
        ::WritePrivateProfileStringA("List\\Item2", "Value", "9", m_strIniFile);
        ::WritePrivateProfileStringA(NULL, NULL, NULL, m_strIniFile);
        {
            CXTPPropExchangeIniFile px(TRUE, NULL, "List");
            ASSERT_TRUE(px.LoadFromFile(m_strIniFile));
            EXPECT_EQ(std::vector<int>({4}), readList(&px)) << "INI file";
        }

        CXTPPropExchangeXMLNode px(TRUE, NULL, "List");
        ASSERT_TRUE(px.LoadFromString("<List><Count>" + strCount
                                      + "</Count><Item0><Value>4</Value></Item0>"
                                        "<Item2><Value>9</Value></Item2></List>"));
        EXPECT_EQ(std::vector<int>({4}), readList(&px)) << "XML";
    }
}

// A list item whose values all equal their defaults (so none is written)
// still comes back, with the items after it, from every store.
TEST_F(PropExchangeBackends, ListItemsOfDefaultValuesAreReadBack)
{
    auto exchangeList = [](CXTPPropExchange* pPX, std::vector<int>& values) {
        CXTPPropExchangeEnumeratorPtr pEnumerator(pPX->GetEnumerator("Item"));
        POSITION pos = pEnumerator->GetPosition((DWORD)values.size());
        for (size_t i = 0; pos != NULL; i++)
        {
            SectionPtr pItem(pEnumerator->GetNext(pos));
            if (pPX->IsLoading())
                values.push_back(-2);
            PX_Int(pItem.get(), "Value", values[i], -1);
        }
    };
    struct Row
    {
        const char* name;
        std::function<CXTPPropExchange*(BOOL bLoading)> make;
        // Carries what the storing exchange wrote to the loading one.
        std::function<void(CXTPPropExchange* pStore, CXTPPropExchange* pLoad)> carry;
    } rows[] = {
        {"INI file", [](BOOL bLoading) { return new CXTPPropExchangeIniFile(bLoading, NULL, "List"); },
         [&](CXTPPropExchange* pStore, CXTPPropExchange* pLoad) {
             EXPECT_TRUE(((CXTPPropExchangeIniFile*)pStore)->SaveToFile(m_strIniFile));
             EXPECT_TRUE(((CXTPPropExchangeIniFile*)pLoad)->LoadFromFile(m_strIniFile));
         }},
        {"registry", [&](BOOL bLoading) { return new CXTPPropExchangeRegistry(bLoading, m_hKey, "List"); },
         [](CXTPPropExchange*, CXTPPropExchange*) {}},
        {"XML", [](BOOL bLoading) { return new CXTPPropExchangeXMLNode(bLoading, NULL, "List"); },
         [](CXTPPropExchange* pStore, CXTPPropExchange* pLoad) {
             EXPECT_TRUE(((CXTPPropExchangeXMLNode*)pLoad)->LoadFromString(((CXTPPropExchangeXMLNode*)pStore)->GetXML()));
         }},
    };
    for (const Row& row : rows)
    {
        std::vector<int> stored = {4, -1, 9}, loaded;
        SectionPtr pStore(row.make(FALSE)), pLoad(row.make(TRUE));
        exchangeList(pStore.get(), stored);
        row.carry(pStore.get(), pLoad.get());
        exchangeList(pLoad.get(), loaded);
        EXPECT_EQ(stored, loaded) << row.name;
    }
}

TEST_F(PropExchangeBackends, XmlFilesFormattedAndPlain)
{
    for (BOOL bCompact : {TRUE, FALSE})
    {
        for (BOOL bFormatted : {TRUE, FALSE})
        {
            {
                CXTPPropExchangeXMLNode px(FALSE, NULL, "Settings");
                px.SetCompactMode(bCompact);
                m_stored.DoPropExchange(&px);
                px.SaveToFile(m_strIniFile, bFormatted);
            }
            CompositeSettings loaded;
            CXTPPropExchangeXMLNode px(TRUE, NULL, "Settings");
            ASSERT_TRUE(px.LoadFromFile(m_strIniFile));
            loaded.DoPropExchange(&px);
            EXPECT_EQ(Describe(m_stored, FALSE), Describe(loaded, FALSE)) << bCompact << bFormatted;
        }
    }
    CXTPPropExchangeXMLNode px(FALSE, NULL, "Settings");
    try
    {
        px.SaveToFile("Z:\\no\\such\\folder\\settings.xml", TRUE);
        ADD_FAILURE() << "no file exception";
    }
    catch (CFileException* e)
    {
        e->Delete();
    }
}

TEST_F(PropExchangeBackends, IniValuesLongEmptyOrWithEdgeSpacesAndQuotes)
{
    WriteIni("Long", CString(_T('x'), 10000));
    WriteIni("Empty", "");
    CXTPPropExchangeIniFile px(TRUE, NULL, "Settings");
    ASSERT_TRUE(px.LoadFromFile(m_strIniFile));
    CString strLong, strEmpty;
    PX_String(&px, "Long", strLong, "");
    PX_String(&px, "Empty", strEmpty, "default");
    EXPECT_EQ(10000, strLong.GetLength());
    EXPECT_STREQ("default", strEmpty);
    EXPECT_FALSE(CXTPPropExchangeIniFile(TRUE, NULL, "Settings").LoadFromFile("Z:\\no\\such\\file.ini"));
    // The profile read drops the spaces around a value and one pair of quotes
    // around it; texts that have them come back whole (texts with spaces at
    // both edges round-trip in the composite settings).
    for (const char* pszText : {"trail  ", " ", "\"quoted\"", "\"", "\"open", "a \"b\" c"})
    {
        {
            CXTPPropExchangeIniFile px(FALSE, NULL, "Settings");
            CString strValue = pszText;
            PX_String(&px, "Text", strValue, "");
            ASSERT_TRUE(px.SaveToFile(m_strIniFile));
        }
        CXTPPropExchangeIniFile px(TRUE, NULL, "Settings");
        ASSERT_TRUE(px.LoadFromFile(m_strIniFile));
        CString strValue;
        PX_String(&px, "Text", strValue, "default");
        EXPECT_STREQ(pszText, strValue);
    }
    EXPECT_STREQ("a \"b\" c", ReadIni("Settings", "Text")) << "other texts are stored as they are";
}

TEST(XmlIndenting, EachElementOnItsOwnLine)
{
    const char* kCases[][2] = {
        {"<a/>", "<a/>"},
        {"<a><b>1</b><c/></a>", "<a>\r\n\t<b>1</b>\r\n\t<c/>\r\n</a>"},
        {"<a>\r\n\t<b>1</b>\r\n</a>", "<a>\r\n\t<b>1</b>\r\n</a>"},
        {"<a><b>  </b></a>", "<a>\r\n\t<b>  </b>\r\n</a>"},
        {"<a><b><c x=\"1\"/></b></a>", "<a>\r\n\t<b>\r\n\t\t<c x=\"1\"/>\r\n\t</b>\r\n</a>"},
    };
    for (const auto& c : kCases)
        EXPECT_STREQ(c[1], CXTPPropExchangeXMLNode::FormatXml(c[0], "\r\n")) << c[0];
}
struct EscapeCase
{
    const char* plain;
    const char* stored;
};

const EscapeCase kEscapeCases[] = {
    {"", ""},
    {"plain", "plain"},
    {"a\\b", "a\\\\b"},
    {"line\nbreak", "line\\nbreak"},
    {"cr\rtab\t", "cr\\rtab\\t"},
    {"\\n", "\\\\n"},
    {"\\\n", "\\\\\\n"},
    {"\x01\x01", "\x01\x01"},
    {"\x01\x01\\", "\x01\x01\\\\"},
    {"\\\\", "\\\\\\\\"},
    {"end\\", "end\\\\"},
};

TEST(PropExchangeText, TextsAreEscapedAndUnescaped)
{
    for (const EscapeCase& c : kEscapeCases)
    {
        CString strValue = c.plain;
        CXTPPropExchange::PreformatString(strValue, FALSE);
        EXPECT_STREQ(c.stored, strValue) << "storing " << c.plain;
        CXTPPropExchange::PreformatString(strValue, TRUE);
        EXPECT_STREQ(c.plain, strValue) << "loading " << c.stored;
    }
    // Loading keeps text without a backslash and lone backslashes.
    for (const char* pszText : {"no escapes\x01\x01", "lone \\q stays", "trailing \\"})
    {
        CString strValue = pszText;
        CXTPPropExchange::PreformatString(strValue, TRUE);
        EXPECT_STREQ(pszText, strValue);
    }
}

TEST(PropExchangeText, BlobsAreWrittenAsLettersAndReadIntoTheGivenBuffer)
{
    const BYTE abc[] = {'a', 'b', 'c'};
    EXPECT_STREQ("BGCGDG", CXTPPropExchange::BlobToText(abc, 3));
    // The bytes of each text, or {0xBA, 0xD0} for a text that is no blob.
    const std::vector<BYTE> kInvalid = {0xBA, 0xD0};
    const struct
    {
        const char* text;
        std::vector<BYTE> bytes;
    } kCases[] = {
        {"BGCGDG", {'a', 'b', 'c'}}, {"", {}},         {"PP", {0xFF}},   {"AA", {0x00}},
        {"BGC", kInvalid},           {"QA", kInvalid}, {"Aa", kInvalid}, {"A@", kInvalid},
    };
    for (const auto& c : kCases)
    {
        BYTE* pData = NULL;
        DWORD nBytes = 0;
        BOOL bDecoded = CXTPPropExchange::TextToBlob(c.text, pData, nBytes);
        EXPECT_EQ(c.bytes, bDecoded ? std::vector<BYTE>(pData, pData + nBytes) : kInvalid) << c.text;
        free(pData);
    }
    BYTE buffer[2] = {0};
    BYTE* pData = buffer;
    DWORD nBytes = sizeof(buffer);
    EXPECT_FALSE(CXTPPropExchange::TextToBlob("BGCGDG", pData, nBytes));
    EXPECT_TRUE(CXTPPropExchange::TextToBlob("BGCG", pData, nBytes));
    EXPECT_EQ(2u, nBytes);
    EXPECT_EQ('b', buffer[1]);
}

TEST_F(PropExchangeBackends, MalformedTextsAndCutShortObjects)
{
    auto loading = Loading("Rect=\"1, 2, 3\" Size=\"7\" Int=\"junk\" Float=\"1.5\"");
    CRect rcValue(9, 9, 9, 9);
    CSize szValue(9, 9);
    int nValue = 9;
    float fValue = 2.0f;
    EXPECT_TRUE(PX_Rect(loading.get(), "Rect", rcValue, CRect(0, 1, 2, 3)));
    PX_Size(loading.get(), "Size", szValue, CSize(4, 5));
    PX_Int(loading.get(), "Int", nValue, 3);
    EXPECT_FALSE(PX_Float(loading.get(), "Float", fValue, 0.5f));
    EXPECT_TRUE(rcValue == CRect(0, 1, 2, 3) && szValue == CSize(4, 5) && nValue == 0 && fValue == 2.0f);
    auto cutShort = Loading("Payload=\"BABA\""); // too few bytes for the object
    CPayload loaded;
    EXPECT_FALSE(PX_Serialize(cutShort.get(), "Missing", &loaded));
    EXPECT_FALSE(PX_Serialize(cutShort.get(), "Payload", &loaded)) << "its archive exception is caught";
    CXTPPropExchangeEnumeratorPtr pNone(cutShort->GetEnumerator("Icon"));
    EXPECT_TRUE(pNone->GetPosition(5, TRUE) == NULL) << "a list without a count is empty";
}

TEST_F(PropExchangeBackends, DefaultsAreLeftOutAndMissingValuesTakeThem)
{
    CXTPPropExchangeXMLNode storing(FALSE, NULL, "Settings");
    int nValue = 6;
    CString strValue = "default";
    CRuntimeClass* pClass = RUNTIME_CLASS(CObject);
    PX_Int(&storing, "Int", nValue, 6);
    PX_String(&storing, "String", strValue, "default");
    PX_RuntimeClass(&storing, "Class", pClass, RUNTIME_CLASS(CObject));
    EXPECT_FALSE(storing.IsPropertyExists("Int") || storing.IsPropertyExists("String")
                 || storing.IsPropertyExists("Class"));

    auto loading = Loading("Unknown=\"CNoSuchClassAnywhere\"");
    nValue = 1;
    PX_Int(loading.get(), "Int", nValue, 6);
    EXPECT_EQ(6, nValue);
    nValue = 1;
    EXPECT_FALSE(PX_Int(loading.get(), "Int", nValue));
    EXPECT_EQ(1, nValue);
    EXPECT_FALSE(PX_RuntimeClass(loading.get(), "Unknown", pClass, RUNTIME_CLASS(CObject)));
    BYTE* pData = NULL;
    DWORD nBytes = 5;
    EXPECT_TRUE(PX_Blob(loading.get(), "Blob", pData, nBytes));
    EXPECT_TRUE(pData == NULL && nBytes == 0);

    loading->UseDefaultOnLoad(FALSE);
    SectionPtr pSection(loading->GetSection("Child"));
    PX_Int(pSection.get(), "Int", nValue, 6);
    EXPECT_EQ(1, nValue) << "the child inherits the use-default-on-load flag";
}

TEST_F(PropExchangeBackends, ObjectInstancesAreMadeOnlyOfTheRequestedKind)
{
    CXTPPropExchangeXMLNode storing(FALSE, NULL, "Settings");
    CPayload payload;
    CObject* pObject = &payload;
    EXPECT_TRUE(storing.ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject)));
    EXPECT_NE(-1, storing.GetXML(FALSE).Find("Class=\"CPayload\""));
    pObject = NULL;
    EXPECT_TRUE(Loading("Class=\"CPayload\"")->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pObject != NULL && pObject->IsKindOf(RUNTIME_CLASS(CPayload)));
    delete pObject;

    int nCreatedBefore = CCountedObject::s_nCreated;
    pObject = NULL;
    EXPECT_FALSE(
        Loading("Class=\"CCountedObject\"")->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CPayload)));
    EXPECT_EQ(nCreatedBefore, CCountedObject::s_nCreated) << "no object of an unrequested class";
    EXPECT_FALSE(Loading("Class=\"CException\"")->ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pObject == NULL);
}

TEST_F(PropExchangeBackends, SectionsShareTheSchemaAndDataOfTheirRoot)
{
    auto loading = Loading("Schema=\"5\"");
    loading->ExchangeSchema();
    loading->m_dwData = 77;
    SectionPtr pSection(loading->GetSection("Child"));
    EXPECT_EQ(std::vector<DWORD>({5, 5, 77}),
              std::vector<DWORD>({loading->GetSchema(), pSection->GetSchema(), (DWORD)pSection->m_dwData}));
    EXPECT_TRUE(loading->IsRootSection() && !pSection->IsRootSection());
}

} // namespace
