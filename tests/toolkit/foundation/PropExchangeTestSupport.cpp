#include "PropExchangeTestSupport.h"

#include <gtest/gtest.h>
#include <stdlib.h>

IMPLEMENT_SERIAL(CPayload, CObject, 1)

void CPayload::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nNumber << m_strText;
    else
        ar >> m_nNumber >> m_strText;
}

void CompositeSettings::Fill()
{
    byteValue = 200;
    shortValue = -1;
    ushortValue = 65000;
    longValue = -123456;
    dwordValue = 0xFEDCBA98;
    intValue = 42;
    uintValue = 7;
    boolValue = TRUE;
    stringValue = "Line one\\\nLine\ttwo\r";
    floatValue = 1.5f;
    doubleValue = -2.25;
    sizeValue = CSize(16, 15);
    pointValue = CPoint(-3, 4);
    rectValue = CRect(1, 2, 30, 40);
    enumValue = 3;
    pClass = RUNTIME_CLASS(CPayload);
    nestedText = "inner text";
    nestedNumber = 99;
    items = {5, 6, 7};
    blob = {0x00, 0x61, 0xFF, 0x10};
    payload.m_nNumber = 4711;
    payload.m_strText = "payload";
}

void CompositeSettings::DoPropExchange(CXTPPropExchange* pPX)
{
    PX_Byte(pPX, "Byte", byteValue, 1);
    PX_Short(pPX, "Short", shortValue, 2);
    PX_UShort(pPX, "UShort", ushortValue, 3);
    PX_Long(pPX, "Long", longValue, 4);
    PX_DWord(pPX, "DWord", dwordValue, 5);
    PX_Int(pPX, "Int", intValue, 6);
    PX_UInt(pPX, "UInt", uintValue, 8);
    PX_Bool(pPX, "Bool", boolValue, FALSE);
    PX_String(pPX, "String", stringValue, "default");
    PX_Float(pPX, "Float", floatValue, 0.5f);
    PX_Double(pPX, "Double", doubleValue, 0.25);
    PX_Size(pPX, "Size", sizeValue, CSize(1, 1));
    PX_Point(pPX, "Point", pointValue, CPoint(2, 2));
    PX_Rect(pPX, "Rect", rectValue, CRect(0, 0, 1, 1));
    PX_Enum(pPX, "Enum", enumValue, 0);
    PX_RuntimeClass(pPX, "Class", pClass, RUNTIME_CLASS(CObject));

    SectionPtr pOuter(pPX->GetSection("Outer"));
    PX_String(pOuter.get(), "Text", nestedText, "");
    SectionPtr pInner(pOuter->GetSection("Inner"));
    PX_Int(pInner.get(), "Number", nestedNumber, 0);

    CXTPPropExchangeEnumeratorPtr pEnumerator(pPX->GetEnumerator("Item"));
    POSITION pos = pEnumerator->GetPosition((DWORD)items.size(), FALSE);
    if (pPX->IsLoading())
        items.clear();
    for (size_t i = 0; pos != NULL; i++)
    {
        SectionPtr pItem(pEnumerator->GetNext(pos));
        int nValue = pPX->IsStoring() ? items[i] : 0;
        PX_Int(pItem.get(), "Value", nValue, -1);
        if (pPX->IsLoading())
            items.push_back(nValue);
    }

    if (pPX->IsStoring())
    {
        BYTE* pData = &blob[0];
        DWORD nBytes = (DWORD)blob.size();
        PX_Blob(pPX, "Blob", pData, nBytes);
    }
    else
    {
        BYTE* pData = NULL;
        DWORD nBytes = 0;
        if (PX_Blob(pPX, "Blob", pData, nBytes) && pData != NULL)
            blob.assign(pData, pData + nBytes);
        free(pData);
    }
    PX_Serialize(pPX, "Payload", &payload);
}

void ExpectSameSettings(const CompositeSettings& expected, const CompositeSettings& actual, BOOL bFloats)
{
    EXPECT_EQ(expected.byteValue, actual.byteValue);
    EXPECT_EQ(expected.shortValue, actual.shortValue);
    EXPECT_EQ(expected.ushortValue, actual.ushortValue);
    EXPECT_EQ(expected.longValue, actual.longValue);
    EXPECT_EQ(expected.dwordValue, actual.dwordValue);
    EXPECT_EQ(expected.intValue, actual.intValue);
    EXPECT_EQ(expected.uintValue, actual.uintValue);
    EXPECT_EQ(expected.boolValue, actual.boolValue);
    EXPECT_STREQ(expected.stringValue, actual.stringValue);
    if (bFloats)
    {
        EXPECT_EQ(expected.floatValue, actual.floatValue);
        EXPECT_EQ(expected.doubleValue, actual.doubleValue);
    }
    EXPECT_EQ(expected.sizeValue, actual.sizeValue);
    EXPECT_EQ(expected.pointValue, actual.pointValue);
    EXPECT_EQ(expected.rectValue, actual.rectValue);
    EXPECT_EQ(expected.enumValue, actual.enumValue);
    EXPECT_EQ(expected.pClass, actual.pClass);
    EXPECT_STREQ(expected.nestedText, actual.nestedText);
    EXPECT_EQ(expected.nestedNumber, actual.nestedNumber);
    EXPECT_EQ(expected.items, actual.items);
    EXPECT_EQ(expected.blob, actual.blob);
    EXPECT_EQ(expected.payload.m_nNumber, actual.payload.m_nNumber);
    EXPECT_STREQ(expected.payload.m_strText, actual.payload.m_strText);
}
