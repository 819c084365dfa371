// The behaviour all back-ends share: text forms, escaping, blob letters,
// runtime classes, object instances, archives carried in a value, lists.
#include "PropExchangeTestSupport.h"

#include <gtest/gtest.h>
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

TEST(PropExchangeText, MalformedTextsLoadAsTheDefinitionSays)
{
    TextStore store = {{"Rect", "1, 2, 3"}, {"Size", "7"}, {"Int", "junk"}, {"Float", "1.5"}};
    CTextStoreExchange loading(TRUE, store);
    CRect rcValue(9, 9, 9, 9);
    CSize szValue(9, 9);
    int nValue = 9;
    float fValue = 2.0f;
    EXPECT_TRUE(PX_Rect(&loading, "Rect", rcValue, CRect(0, 1, 2, 3)));
    PX_Size(&loading, "Size", szValue, CSize(4, 5));
    PX_Int(&loading, "Int", nValue, 3);
    EXPECT_FALSE(PX_Float(&loading, "Float", fValue, 0.5f));
    EXPECT_TRUE(rcValue == CRect(0, 1, 2, 3) && szValue == CSize(4, 5) && nValue == 0 && fValue == 2.0f);
}

TEST(PropExchangeText, DefaultsAreLeftOutAndMissingValuesTakeThem)
{
    TextStore store;
    CTextStoreExchange storing(FALSE, store);
    int nValue = 6;
    CString strValue = "default";
    PX_Int(&storing, "Int", nValue, 6);
    PX_String(&storing, "String", strValue, "default");
    EXPECT_TRUE(store.empty());

    CTextStoreExchange loading(TRUE, store);
    nValue = 1;
    PX_Int(&loading, "Int", nValue, 6);
    EXPECT_EQ(6, nValue);
    nValue = 1;
    EXPECT_FALSE(PX_Int(&loading, "Int", nValue));
    EXPECT_EQ(1, nValue);

    CTextStoreExchange keeping(TRUE, store);
    keeping.UseDefaultOnLoad(FALSE);
    SectionPtr pSection(keeping.GetSection("Child"));
    nValue = 1;
    PX_Int(pSection.get(), "Int", nValue, 6);
    EXPECT_EQ(1, nValue) << "the child inherits the use-default-on-load flag";

    BYTE* pData = NULL;
    DWORD nBytes = 5;
    EXPECT_TRUE(PX_Blob(&loading, "Blob", pData, nBytes));
    EXPECT_TRUE(pData == NULL);
    EXPECT_EQ(0u, nBytes);
    CRuntimeClass* pClass = RUNTIME_CLASS(CObject);
    PX_RuntimeClass(&storing, "Class", pClass, RUNTIME_CLASS(CObject));
    EXPECT_TRUE(store.empty());
    store["Unknown"] = "CNoSuchClassAnywhere";
    EXPECT_FALSE(PX_RuntimeClass(&loading, "Unknown", pClass, RUNTIME_CLASS(CObject)));
}

TEST(PropExchangeText, ObjectInstancesAreCheckedBeforeTheyAreMade)
{
    TextStore store;
    CTextStoreExchange storing(FALSE, store);
    CPayload payload;
    CObject* pObject = &payload;
    EXPECT_TRUE(storing.ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject)));
    EXPECT_EQ("CPayload", store["Class"]);

    CTextStoreExchange loading(TRUE, store);
    pObject = NULL;
    EXPECT_TRUE(loading.ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject)));
    ASSERT_TRUE(pObject != NULL);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CPayload)));
    delete pObject;

    store["Class"] = "CCountedObject";
    int nCreatedBefore = CCountedObject::s_nCreated;
    CTextStoreExchange wrongKind(TRUE, store);
    pObject = NULL;
    EXPECT_FALSE(wrongKind.ExchangeObjectInstance(pObject, RUNTIME_CLASS(CPayload)));
    EXPECT_TRUE(pObject == NULL);
    EXPECT_EQ(nCreatedBefore, CCountedObject::s_nCreated) << "no object of an unrequested class";

    store["Class"] = "CException";
    CTextStoreExchange notCreatable(TRUE, store);
    EXPECT_FALSE(notCreatable.ExchangeObjectInstance(pObject, RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pObject == NULL);
}

TEST(PropExchangeText, SerializedObjectsMissingOrCutShortFail)
{
    TextStore store = {{"Payload", "BABA"}}; // too few bytes for the object
    CTextStoreExchange loading(TRUE, store);
    CPayload loaded;
    EXPECT_FALSE(PX_Serialize(&loading, "Missing", &loaded));
    EXPECT_FALSE(PX_Serialize(&loading, "Payload", &loaded)) << "its archive exception is caught";
    CXTPPropExchangeEnumeratorPtr pNone(loading.GetEnumerator("Icon"));
    EXPECT_TRUE(pNone->GetPosition(5, TRUE) == NULL) << "a list without a count is empty";
}

TEST(PropExchangeText, SchemaAndSettingsPassToSections)
{
    TextStore store = {{"Schema", "5"}};
    CTextStoreExchange loading(TRUE, store);
    loading.ExchangeSchema();
    loading.m_dwData = 77;
    loading.EmptySection();
    SectionPtr pSection(loading.GetSection("Child"));
    EXPECT_EQ(std::vector<DWORD>({5, 5, 77}),
              std::vector<DWORD>({loading.GetSchema(), pSection->GetSchema(), (DWORD)pSection->m_dwData}));
    EXPECT_TRUE(loading.IsRootSection() && !pSection->IsRootSection());
}
} // namespace
