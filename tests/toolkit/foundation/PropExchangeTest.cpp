// The behaviour all back-ends share: text forms, escaping, blob letters,
// runtime classes, object instances, archives carried in a value, lists.
#include "PropExchangeTestSupport.h"
#include "toolkit/foundation/XTPPropExchangeXMLNode.h"

#include <gtest/gtest.h>
#include <memory>
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

TEST(PropExchangeText, EscapingRoundTripsEveryString)
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

TEST(PropExchangeText, BlobLettersAreLowHalfFirst)
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
}

TEST(PropExchangeText, BlobIntoCallersBufferNeedsRoom)
{
    BYTE buffer[2] = {0};
    BYTE* pData = buffer;
    DWORD nBytes = sizeof(buffer);
    EXPECT_FALSE(CXTPPropExchange::TextToBlob("BGCGDG", pData, nBytes));
    EXPECT_TRUE(CXTPPropExchange::TextToBlob("BGCG", pData, nBytes));
    EXPECT_EQ(2u, nBytes);
    EXPECT_EQ('b', buffer[1]);
}

// Settings held as the attributes of a compact XML element: the text forms
// the base class gives every back-end.
class PropExchangeTexts : public ::testing::Test
{
protected:
    void SetUp() override { ::CoInitialize(NULL); }
    void TearDown() override { ::CoUninitialize(); }

    // A loading exchange over <Settings .../> with the attributes given.
    std::unique_ptr<CXTPPropExchangeXMLNode> Loading(const CString& strAttributes)
    {
        std::unique_ptr<CXTPPropExchangeXMLNode> px(new CXTPPropExchangeXMLNode(TRUE, NULL, "Settings"));
        EXPECT_TRUE(px->LoadFromString("<Settings CompactMode=\"1\" " + strAttributes + "/>"));
        return px;
    }
};

TEST_F(PropExchangeTexts, MalformedTextsLoadAsTheDefinitionSays)
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
}

TEST_F(PropExchangeTexts, DefaultsAreLeftOutAndMissingValuesTakeThem)
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

TEST_F(PropExchangeTexts, ObjectInstancesAreCheckedBeforeTheyAreMade)
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

TEST_F(PropExchangeTexts, SerializedObjectsMissingOrCutShortFail)
{
    auto loading = Loading("Payload=\"BABA\""); // too few bytes for the object
    CPayload loaded;
    EXPECT_FALSE(PX_Serialize(loading.get(), "Missing", &loaded));
    EXPECT_FALSE(PX_Serialize(loading.get(), "Payload", &loaded)) << "its archive exception is caught";
    CXTPPropExchangeEnumeratorPtr pNone(loading->GetEnumerator("Icon"));
    EXPECT_TRUE(pNone->GetPosition(5, TRUE) == NULL) << "a list without a count is empty";
}

TEST_F(PropExchangeTexts, SchemaAndSettingsPassToSections)
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
