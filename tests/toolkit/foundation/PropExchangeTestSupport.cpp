#include "PropExchangeTestSupport.h"

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
    dwordValue = 0xFEDCBA98;
    intValue = 42;
    boolValue = TRUE;
    stringValue = " Line one\\\nLine\ttwo\r ";
    floatValue = 1.5f;
    doubleValue = -2.25;
    sizeValue = CSize(16, 15);
    pointValue = CPoint(-3, 4);
    rectValue = CRect(1, 2, 30, 40);
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
    PX_DWord(pPX, "DWord", dwordValue, 5);
    PX_Int(pPX, "Int", intValue, 6);
    PX_Bool(pPX, "Bool", boolValue, FALSE);
    PX_String(pPX, "String", stringValue, "default");
    PX_Float(pPX, "Float", floatValue, 0.5f);
    PX_Double(pPX, "Double", doubleValue, 0.25);
    PX_Size(pPX, "Size", sizeValue, CSize(1, 1));
    PX_Point(pPX, "Point", pointValue, CPoint(2, 2));
    PX_Rect(pPX, "Rect", rectValue, CRect(0, 0, 1, 1));
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

    // Storing passes the bytes; loading gets a block of its own to free.
    BYTE* pData = pPX->IsStoring() ? &blob[0] : NULL;
    DWORD nBytes = pPX->IsStoring() ? (DWORD)blob.size() : 0;
    if (PX_Blob(pPX, "Blob", pData, nBytes) && pPX->IsLoading() && pData != NULL)
    {
        blob.assign(pData, pData + nBytes);
        free(pData);
    }
    PX_Serialize(pPX, "Payload", &payload);
}

std::string Describe(const CompositeSettings& s, BOOL bFloats)
{
    CString strText;
    strText.Format("%u %d %lu %d %d [%s] %ld,%ld %ld,%ld %ld,%ld,%ld,%ld %s [%s] %d %ld [%s]", s.byteValue,
                   s.shortValue, s.dwordValue, s.intValue, s.boolValue, (LPCTSTR)s.stringValue,
                   s.sizeValue.cx, s.sizeValue.cy, s.pointValue.x, s.pointValue.y, s.rectValue.left,
                   s.rectValue.top, s.rectValue.right, s.rectValue.bottom,
                   s.pClass ? s.pClass->m_lpszClassName : "-", (LPCTSTR)s.nestedText, s.nestedNumber,
                   s.payload.m_nNumber, (LPCTSTR)s.payload.m_strText);
    std::string strResult = (LPCTSTR)strText;
    for (int nItem : s.items)
        strResult += " item " + std::to_string(nItem);
    for (BYTE byte : s.blob)
        strResult += " byte " + std::to_string(byte);
    if (bFloats)
        strResult += " " + std::to_string(s.floatValue) + " " + std::to_string(s.doubleValue);
    return strResult;
}
