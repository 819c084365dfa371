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
}

TEST(PropExchangeText, LoadingKeepsTextWithoutBackslashAndLoneBackslashes)
{
    const EscapeCase kLoadCases[] = {
        {"no escapes\x01\x01", "no escapes\x01\x01"},
        {"lone \\q stays", "lone \\q stays"},
        {"trailing \\", "trailing \\"},
    };
    for (const EscapeCase& c : kLoadCases)
    {
        CString strValue = c.stored;
        CXTPPropExchange::PreformatString(strValue, TRUE);
        EXPECT_STREQ(c.plain, strValue);
    }
}

TEST(PropExchangeText, BlobLettersAreLowHalfFirst)
{
    const BYTE abc[] = {'a', 'b', 'c'};
    EXPECT_STREQ("BGCGDG", CXTPPropExchange::BlobToText(abc, 3));

    struct BlobCase
    {
        const char* text;
        BOOL bValid;
        std::vector<BYTE> bytes;
    };
    const BlobCase kCases[] = {
        {"BGCGDG", TRUE, {'a', 'b', 'c'}},
        {"", TRUE, {}},
        {"PP", TRUE, {0xFF}},
        {"AA", TRUE, {0x00}},
        {"BGC", FALSE, {}},
        {"QA", FALSE, {}},
        {"Aa", FALSE, {}},
        {"A@", FALSE, {}},
    };
    for (const BlobCase& c : kCases)
    {
        BYTE* pData = NULL;
        DWORD nBytes = 0;
        BOOL bDecoded = CXTPPropExchange::TextToBlob(c.text, pData, nBytes);
        EXPECT_EQ(c.bValid, bDecoded) << c.text;
        if (bDecoded)
        {
            EXPECT_EQ(c.bytes, std::vector<BYTE>(pData, pData + nBytes)) << c.text;
        }
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

TEST(PropExchangeText, NumbersHaveTheirTextForms)
{
    TextStore store;
    CTextStoreExchange storing(FALSE, store);
    short sValue = -1;
    BYTE byValue = 255;
    CRect rcValue(1, -2, 3, 4);
    CSize szValue(5, 6);
    PX_Short(&storing, "Short", sValue, 0);
    PX_Byte(&storing, "Byte", byValue, 0);
    PX_Rect(&storing, "Rect", rcValue, CRect(0, 0, 0, 0));
    PX_Size(&storing, "Size", szValue, CSize(0, 0));
    EXPECT_EQ("65535", store["Short"]);
    EXPECT_EQ("255", store["Byte"]);
    EXPECT_EQ("1, -2, 3, 4", store["Rect"]);
    EXPECT_EQ("5, 6", store["Size"]);

    CTextStoreExchange loading(TRUE, store);
    short sLoaded = 0;
    PX_Short(&loading, "Short", sLoaded, 0);
    EXPECT_EQ(-1, sLoaded);
}

TEST(PropExchangeText, MalformedTextsLoadAsTheDefinitionSays)
{
    TextStore store = {{"Rect", "1, 2, 3"}, {"Size", "7"}, {"Int", "junk"}, {"Float", "1.5"}};
    CTextStoreExchange loading(TRUE, store);
    CRect rcValue(9, 9, 9, 9);
    EXPECT_TRUE(PX_Rect(&loading, "Rect", rcValue, CRect(0, 1, 2, 3)));
    EXPECT_EQ(CRect(0, 1, 2, 3), rcValue);
    CSize szValue(9, 9);
    PX_Size(&loading, "Size", szValue, CSize(4, 5));
    EXPECT_EQ(CSize(4, 5), szValue);
    int nValue = 9;
    PX_Int(&loading, "Int", nValue, 3);
    EXPECT_EQ(0, nValue);
    float fValue = 2.0f;
    EXPECT_FALSE(PX_Float(&loading, "Float", fValue, 0.5f));
    EXPECT_EQ(2.0f, fValue);
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
}

TEST(PropExchangeText, BlobsTravelAsLetters)
{
    TextStore store;
    CTextStoreExchange storing(FALSE, store);
    BYTE abc[] = {'a', 'b', 'c'};
    BYTE* pData = abc;
    DWORD nBytes = 3;
    EXPECT_TRUE(PX_Blob(&storing, "Blob", pData, nBytes));
    EXPECT_EQ("BGCGDG", store["Blob"]);

    store["Odd"] = "BGC";
    CTextStoreExchange loading(TRUE, store);
    pData = NULL;
    EXPECT_FALSE(PX_Blob(&loading, "Odd", pData, nBytes));
    EXPECT_TRUE(pData == NULL);
    EXPECT_TRUE(PX_Blob(&loading, "Missing", pData, nBytes));
    EXPECT_TRUE(pData == NULL);
    EXPECT_EQ(0u, nBytes);
}

TEST(PropExchangeText, RuntimeClassesByName)
{
    TextStore store;
    CTextStoreExchange storing(FALSE, store);
    CRuntimeClass* pClass = RUNTIME_CLASS(CPayload);
    PX_RuntimeClass(&storing, "Class", pClass, RUNTIME_CLASS(CObject));
    pClass = RUNTIME_CLASS(CObject);
    PX_RuntimeClass(&storing, "Default", pClass, RUNTIME_CLASS(CObject));
    EXPECT_EQ("CPayload", store["Class"]);
    EXPECT_EQ(0u, store.count("Default"));

    store["Unknown"] = "CNoSuchClassAnywhere";
    CTextStoreExchange loading(TRUE, store);
    pClass = NULL;
    EXPECT_TRUE(PX_RuntimeClass(&loading, "Class", pClass, RUNTIME_CLASS(CObject)));
    EXPECT_EQ(RUNTIME_CLASS(CPayload), pClass);
    EXPECT_TRUE(PX_RuntimeClass(&loading, "Default", pClass, RUNTIME_CLASS(CObject)));
    EXPECT_EQ(RUNTIME_CLASS(CObject), pClass);
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

TEST(PropExchangeText, SerializedObjectsTravelInsideAValue)
{
    TextStore store;
    CTextStoreExchange storing(FALSE, store);
    CPayload payload;
    payload.m_nNumber = 12;
    payload.m_strText = "inside";
    EXPECT_TRUE(PX_Serialize(&storing, "Payload", &payload));
    ASSERT_EQ(1u, store.count("Payload"));

    CTextStoreExchange loading(TRUE, store);
    CPayload loaded;
    EXPECT_TRUE(PX_Serialize(&loading, "Payload", &loaded));
    EXPECT_EQ(12, loaded.m_nNumber);
    EXPECT_STREQ("inside", loaded.m_strText);
    EXPECT_FALSE(PX_Serialize(&loading, "Missing", &loaded));

    // Too few bytes for the object: its archive exception is caught.
    store["Payload"] = "BABA";
    CTextStoreExchange truncated(TRUE, store);
    EXPECT_FALSE(PX_Serialize(&truncated, "Payload", &loaded));
}

TEST(PropExchangeText, ListsNameTheirItemsByIndex)
{
    TextStore store;
    CTextStoreExchange storing(FALSE, store);
    CXTPPropExchangeEnumeratorPtr pEnumerator(storing.GetEnumerator("Icon"));
    POSITION pos = pEnumerator->GetPosition(2, FALSE);
    for (int i = 0; pos != NULL; i++)
    {
        SectionPtr pItem(pEnumerator->GetNext(pos));
        PX_Int(pItem.get(), "Value", i, -1);
    }
    EXPECT_EQ("2", store["Count"]);
    EXPECT_EQ("0", store["Icon0/Value"]);
    EXPECT_EQ("1", store["Icon1/Value"]);
    EXPECT_EQ(3u, store.size());

    TextStore empty;
    CTextStoreExchange loading(TRUE, empty);
    CXTPPropExchangeEnumeratorPtr pNone(loading.GetEnumerator("Icon"));
    EXPECT_TRUE(pNone->GetPosition(5, TRUE) == NULL);
}

TEST(PropExchangeText, SchemaAndSettingsPassToSections)
{
    TextStore store = {{"Schema", "5"}};
    CTextStoreExchange loading(TRUE, store);
    loading.ExchangeSchema();
    EXPECT_EQ(5u, loading.GetSchema());
    loading.m_dwData = 77;
    loading.EmptySection();
    SectionPtr pSection(loading.GetSection("Child"));
    EXPECT_EQ(5u, pSection->GetSchema());
    EXPECT_EQ(77u, pSection->m_dwData);
    EXPECT_FALSE(pSection->IsRootSection());
    EXPECT_TRUE(loading.IsRootSection());
}
} // namespace
