#include "toolkit/foundation/XTPPropExchange.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {
const UINT kDefaultSchema = 8;
const UINT kMemFileGrowBytes = 1024;
const UINT kArchiveBufferSize = 4096;

// The bytes of a small integer value, zero-extended into 32 bits.
int IntegerFromValue(VARTYPE vtProp, const void* pvProp)
{
    DWORD dwValue = 0;
    memcpy(&dwValue, pvProp, CXTPPropExchange::GetSizeOfVarType(vtProp));
    return (int)dwValue;
}

void IntegerToValue(VARTYPE vtProp, void* pvProp, int nValue)
{
    memcpy(pvProp, &nValue, CXTPPropExchange::GetSizeOfVarType(vtProp));
}

BOOL IsSmallInteger(VARTYPE vtProp)
{
    return vtProp == VT_I2 || vtProp == VT_I4 || vtProp == VT_BOOL || vtProp == VT_UI1;
}

BOOL IsStringType(VARTYPE vtProp)
{
    return vtProp == VT_BSTR || vtProp == VT_LPSTR;
}

LPCTSTR StringOf(VARTYPE vtProp, const void* pv)
{
    return vtProp == VT_LPSTR ? (LPCTSTR)pv : (LPCTSTR) * (const CString*)pv;
}
} // namespace

CXTPPropExchange::CXTPPropExchange()
    : m_dwData(0), m_bLoading(FALSE), m_nSchema(kDefaultSchema), m_bChildSection(FALSE),
      m_bEmptySection(FALSE), m_bInitialized(FALSE), m_bUseDefaultOnLoad(TRUE)
{}

CXTPPropExchange::~CXTPPropExchange()
{}

UINT CXTPPropExchange::GetSizeOfVarType(VARTYPE vtProp)
{
    switch (vtProp)
    {
    case VT_UI1:
        return 1;
    case VT_I2:
        return 2;
    case VT_I4:
    case VT_R4:
    case VT_BOOL:
    case VT_BSTR:
        return 4;
    case VT_R8:
    case VT_CY:
    case VT_EX_SIZE:
        return 8;
    case VT_EX_RECT:
        return 16;
    default:
        return 0;
    }
}

BOOL CXTPPropExchange::IsSamePropValue(VARTYPE vtProp, const void* pv1, const void* pv2)
{
    if (pv1 == pv2)
        return TRUE;
    if (pv1 == NULL || pv2 == NULL)
        return FALSE;
    if (IsStringType(vtProp))
        return strcmp(*(const CString*)pv1, StringOf(vtProp, pv2)) == 0;
    UINT nSize = GetSizeOfVarType(vtProp);
    return nSize != 0 && memcmp(pv1, pv2, nSize) == 0;
}

BOOL CXTPPropExchange::CopyPropValue(VARTYPE vtProp, void* pvDest, const void* pvSrc)
{
    if (pvSrc == NULL)
        return FALSE;
    if (IsStringType(vtProp))
    {
        *(CString*)pvDest = StringOf(vtProp, pvSrc);
        return TRUE;
    }
    UINT nSize = GetSizeOfVarType(vtProp);
    if (nSize == 0)
        return FALSE;
    memcpy(pvDest, pvSrc, nSize);
    return TRUE;
}

void CXTPPropExchange::PreformatString(CString& strValue, BOOL bLoading)
{
    if (!bLoading)
    {
        strValue.Replace("\\", "\\\\");
        strValue.Replace("\n", "\\n");
        strValue.Replace("\r", "\\r");
        strValue.Replace("\t", "\\t");
        return;
    }
    if (strValue.Find('\\') < 0)
        return;

    // One pass from the left: a doubled backslash is one backslash, the three
    // escapes are their control characters, any other backslash stays.
    CString strResult;
    int nLength = strValue.GetLength();
    for (int i = 0; i < nLength; i++)
    {
        char ch = strValue[i];
        if (ch == '\\' && i + 1 < nLength)
        {
            char chNext = strValue[i + 1];
            char chEscaped = chNext == '\\'  ? '\\'
                             : chNext == 'n' ? '\n'
                             : chNext == 'r' ? '\r'
                             : chNext == 't' ? '\t'
                                             : 0;
            if (chEscaped)
            {
                strResult += chEscaped;
                i++;
                continue;
            }
        }
        strResult += ch;
    }
    strValue = strResult;
}

CString CXTPPropExchange::BlobToText(const BYTE* pData, DWORD nBytes)
{
    CString strText;
    LPTSTR pszText = strText.GetBuffer(nBytes * 2 + 1);
    for (DWORD i = 0; i < nBytes; i++)
    {
        pszText[i * 2] = (char)('A' + (pData[i] & 0x0F));
        pszText[i * 2 + 1] = (char)('A' + (pData[i] >> 4));
    }
    pszText[nBytes * 2] = 0;
    strText.ReleaseBuffer(nBytes * 2);
    return strText;
}

BOOL CXTPPropExchange::TextToBlob(const CString& strText, BYTE*& pData, DWORD& nBytes)
{
    DWORD nLength = strText.GetLength();
    if (nLength % 2 != 0)
        return FALSE;
    DWORD nDecoded = nLength / 2;
    for (DWORD i = 0; i < nLength; i++)
    {
        if (strText[(int)i] < 'A' || strText[(int)i] > 'P')
            return FALSE;
    }
    if (nDecoded == 0)
    {
        nBytes = 0;
        return TRUE;
    }
    if (pData == NULL)
    {
        pData = (BYTE*)malloc(nDecoded);
        if (pData == NULL)
            AfxThrowMemoryException();
    }
    else if (nBytes < nDecoded)
    {
        return FALSE;
    }
    for (DWORD i = 0; i < nDecoded; i++)
        pData[i] = (BYTE)((strText[(int)(i * 2 + 1)] - 'A') * 16 + (strText[(int)(i * 2)] - 'A'));
    nBytes = nDecoded;
    return TRUE;
}

CRuntimeClass* CXTPPropExchange::FindRuntimeClass(LPCSTR lpszClassName)
{
    return CRuntimeClass::FromName(lpszClassName);
}

BOOL CXTPPropExchange::ExchangePropStringHelper(CString& strValue, VARTYPE vtProp, void* pvProp,
                                                const void* pvDefault)
{
    if (!IsLoading())
    {
        if (IsSmallInteger(vtProp))
            strValue.Format("%i", IntegerFromValue(vtProp, pvProp));
        else if (vtProp == VT_EX_RECT)
        {
            const RECT* pRect = (const RECT*)pvProp;
            strValue.Format("%i, %i, %i, %i", (int)pRect->left, (int)pRect->top, (int)pRect->right,
                            (int)pRect->bottom);
        }
        else if (vtProp == VT_EX_SIZE)
        {
            const SIZE* pSize = (const SIZE*)pvProp;
            strValue.Format("%i, %i", (int)pSize->cx, (int)pSize->cy);
        }
        else if (IsStringType(vtProp))
        {
            strValue = *(const CString*)pvProp;
            PreformatString(strValue, FALSE);
        }
        else
            return FALSE;
        return TRUE;
    }

    if (IsSmallInteger(vtProp))
        IntegerToValue(vtProp, pvProp, atoi(strValue));
    else if (vtProp == VT_EX_RECT)
    {
        int l = 0, t = 0, r = 0, b = 0;
        if (sscanf(strValue, "%i, %i, %i, %i", &l, &t, &r, &b) == 4)
            ::SetRect((RECT*)pvProp, l, t, r, b);
        else
            CopyPropValue(vtProp, pvProp, pvDefault);
    }
    else if (vtProp == VT_EX_SIZE)
    {
        int cx = 0, cy = 0;
        if (sscanf(strValue, "%i, %i", &cx, &cy) == 2)
        {
            ((SIZE*)pvProp)->cx = cx;
            ((SIZE*)pvProp)->cy = cy;
        }
        else
            CopyPropValue(vtProp, pvProp, pvDefault);
    }
    else if (IsStringType(vtProp))
    {
        PreformatString(strValue, TRUE);
        *(CString*)pvProp = strValue;
    }
    else
        return FALSE;
    return TRUE;
}

BOOL CXTPPropExchange::ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes)
{
    if (!IsLoading())
    {
        CString strText = BlobToText(pData, nBytes);
        return PX_String(this, pszPropName, strText, "");
    }
    CString strText;
    PX_String(this, pszPropName, strText, "");
    return TextToBlob(strText, pData, nBytes);
}

BOOL CXTPPropExchange::ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass*& pClass,
                                            CRuntimeClass* pDefaultClass)
{
    if (!IsLoading())
    {
        CString strClassName = pClass ? pClass->m_lpszClassName : "";
        return PX_String(this, pszPropName, strClassName,
                         pDefaultClass ? pDefaultClass->m_lpszClassName : "");
    }
    CString strClassName;
    PX_String(this, pszPropName, strClassName);
    if (strClassName.IsEmpty())
    {
        pClass = pDefaultClass;
        return TRUE;
    }
    pClass = FindRuntimeClass(strClassName);
    return pClass != NULL;
}

BOOL CXTPPropExchange::ExchangeObjectInstance(CObject*& pObject, CRuntimeClass* pObjectRuntime)
{
    if (!IsLoading())
    {
        CRuntimeClass* pClass = pObject->GetRuntimeClass();
        return PX_RuntimeClass(this, "Class", pClass, pObjectRuntime);
    }

    pObject = NULL;
    CRuntimeClass* pClass = NULL;
    if (!PX_RuntimeClass(this, "Class", pClass, pObjectRuntime) || pClass == NULL)
        return FALSE;
    // Stored data names the class: only a class of the requested kind is made.
    if (pObjectRuntime != NULL && !pClass->IsDerivedFrom(pObjectRuntime))
        return FALSE;
    CObject* pCreated = pClass->CreateObject();
    if (pCreated == NULL)
        return FALSE;
    if (pObjectRuntime != NULL && !pCreated->IsKindOf(pObjectRuntime))
    {
        delete pCreated;
        return FALSE;
    }
    pObject = pCreated;
    return TRUE;
}

CArchive* CXTPPropExchange::GetArchive(LPCTSTR pszPropName)
{
    if (!IsLoading())
    {
        CMemFile* pFile = new CMemFile(kMemFileGrowBytes);
        return new CArchive(pFile, CArchive::store, kArchiveBufferSize);
    }
    BYTE* pData = NULL;
    DWORD nBytes = 0;
    if (!PX_Blob(this, pszPropName, pData, nBytes) || pData == NULL || nBytes == 0)
    {
        free(pData);
        return NULL;
    }
    CMemFile* pFile = new CMemFile(pData, nBytes);
    return new CArchive(pFile, CArchive::load, kArchiveBufferSize);
}

void CXTPPropExchange::ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive)
{
    CMemFile* pFile = (CMemFile*)pArchive->GetFile();
    if (!IsLoading())
        pArchive->Flush();
    DWORD nBytes = (DWORD)pFile->GetLength();
    BYTE* pData = pFile->Detach();
    if (!IsLoading())
        PX_Blob(this, pszPropName, pData, nBytes);
    pArchive->Abort();
    pFile->Close();
    free(pData);
    delete pFile;
    delete pArchive;
}

void CXTPPropExchange::EmptySection()
{
    m_bEmptySection = TRUE;
}

void CXTPPropExchange::WriteCount(DWORD dwCount)
{
    PX_DWord(this, "Count", dwCount, 0);
}

DWORD CXTPPropExchange::ReadCount()
{
    DWORD dwCount = 0;
    PX_DWord(this, "Count", dwCount, 0);
    return dwCount;
}

void CXTPPropExchange::Write(LPCTSTR pszPropName, const void* lpBuf, UINT nCount)
{
    BYTE* pData = (BYTE*)lpBuf;
    DWORD nBytes = nCount;
    ExchangeBlob(pszPropName, pData, nBytes);
}

UINT CXTPPropExchange::Read(LPCTSTR pszPropName, void* lpBuf, UINT nCount)
{
    BYTE* pData = (BYTE*)lpBuf;
    DWORD nBytes = nCount;
    return ExchangeBlob(pszPropName, pData, nBytes) ? nBytes : 0;
}

BOOL CXTPPropExchange::IsAllowDefaultValues()
{
    return TRUE;
}

BOOL CXTPPropExchange::IsAllowBlobValues()
{
    return FALSE;
}

BOOL CXTPPropExchange::OnBeforeExchange()
{
    m_bInitialized = TRUE;
    return TRUE;
}

BOOL CXTPPropExchange::IsSectionExists(LPCTSTR)
{
    return TRUE;
}

CXTPPropExchangeEnumerator* CXTPPropExchange::GetEnumerator(LPCTSTR pszSection)
{
    return new CXTPPropExchangeEnumerator(this, pszSection);
}

void CXTPPropExchange::InitSection(CXTPPropExchange* pParent)
{
    m_nSchema = pParent->m_nSchema;
    m_bEmptySection = pParent->m_bEmptySection;
    m_bUseDefaultOnLoad = pParent->m_bUseDefaultOnLoad;
    m_dwData = pParent->m_dwData;
    m_bChildSection = TRUE;
}

void CXTPPropExchange::ExchangeSchema()
{
    long nSchema = (long)m_nSchema;
    PX_Long(this, "Schema", nSchema, (long)kDefaultSchema);
    m_nSchema = (UINT)nSchema;
}

CXTPPropExchangeEnumerator::CXTPPropExchangeEnumerator(CXTPPropExchange* pContainer, LPCTSTR pszSection)
    : m_pContainer(pContainer), m_strSectionName(pszSection), m_nCount(0)
{}

CXTPPropExchangeEnumerator::~CXTPPropExchangeEnumerator()
{}

POSITION CXTPPropExchangeEnumerator::GetPosition(DWORD dwCount, BOOL bCompactMode)
{
    m_nCount = dwCount;
    if (m_pContainer == NULL)
        return NULL;
    if (!bCompactMode)
        PX_DWord(m_pContainer, "Count", m_nCount, 0);
    else if (m_pContainer->IsStoring())
        m_pContainer->WriteCount(m_nCount);
    else
        m_nCount = m_pContainer->ReadCount();
    return PositionOf(0);
}

CString CXTPPropExchangeEnumerator::ItemName(DWORD nIndex) const
{
    CString strItem;
    strItem.Format("%s%i", (LPCTSTR)m_strSectionName, (int)nIndex);
    return strItem;
}

POSITION CXTPPropExchangeEnumerator::PositionOf(DWORD nIndex) const
{
    if (nIndex >= m_nCount)
        return NULL;
    if (m_pContainer->IsLoading() && !m_pContainer->IsSectionExists(ItemName(nIndex)))
        return NULL;
    return (POSITION)(DWORD_PTR)(nIndex + 1);
}

CXTPPropExchange* CXTPPropExchangeEnumerator::GetNext(POSITION& pos)
{
    const DWORD nIndex = (DWORD)(DWORD_PTR)pos - 1;
    CXTPPropExchange* pSection = m_pContainer->GetSection(ItemName(nIndex));
    pos = PositionOf(nIndex + 1);
    return pSection;
}

BOOL PX_Byte(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE& nValue, BYTE nDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_UI1, &nValue, &nDefault);
}

BOOL PX_Short(CXTPPropExchange* pPX, LPCTSTR pszPropName, short& sValue)
{
    return pPX->ExchangeProp(pszPropName, VT_I2, &sValue, NULL);
}

BOOL PX_Short(CXTPPropExchange* pPX, LPCTSTR pszPropName, short& sValue, short sDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_I2, &sValue, &sDefault);
}

BOOL PX_UShort(CXTPPropExchange* pPX, LPCTSTR pszPropName, USHORT& usValue)
{
    return pPX->ExchangeProp(pszPropName, VT_I2, &usValue, NULL);
}

BOOL PX_UShort(CXTPPropExchange* pPX, LPCTSTR pszPropName, USHORT& usValue, USHORT usDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_I2, &usValue, &usDefault);
}

BOOL PX_Long(CXTPPropExchange* pPX, LPCTSTR pszPropName, long& lValue)
{
    return pPX->ExchangeProp(pszPropName, VT_I4, &lValue, NULL);
}

BOOL PX_Long(CXTPPropExchange* pPX, LPCTSTR pszPropName, long& lValue, long lDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_I4, &lValue, &lDefault);
}

BOOL PX_DWord(CXTPPropExchange* pPX, LPCTSTR pszPropName, DWORD& dwValue, DWORD dwDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_I4, &dwValue, &dwDefault);
}

BOOL PX_Int(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue)
{
    return pPX->ExchangeProp(pszPropName, VT_I4, &nValue, NULL);
}

BOOL PX_Int(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue, int nDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_I4, &nValue, &nDefault);
}

BOOL PX_UInt(CXTPPropExchange* pPX, LPCTSTR pszPropName, UINT& nValue)
{
    return pPX->ExchangeProp(pszPropName, VT_I4, &nValue, NULL);
}

BOOL PX_UInt(CXTPPropExchange* pPX, LPCTSTR pszPropName, UINT& nValue, UINT nDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_I4, &nValue, &nDefault);
}

BOOL PX_Bool(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue)
{
    return pPX->ExchangeProp(pszPropName, VT_BOOL, &bValue, NULL);
}

BOOL PX_Bool(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue, BOOL bDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_BOOL, &bValue, &bDefault);
}

BOOL PX_String(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue)
{
    return pPX->ExchangeProp(pszPropName, VT_LPSTR, &strValue, NULL);
}

BOOL PX_String(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue, LPCTSTR lpszDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_LPSTR, &strValue, lpszDefault);
}

BOOL PX_Float(CXTPPropExchange* pPX, LPCTSTR pszPropName, float& floatValue)
{
    return pPX->ExchangeProp(pszPropName, VT_R4, &floatValue, NULL);
}

BOOL PX_Float(CXTPPropExchange* pPX, LPCTSTR pszPropName, float& floatValue, float floatDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_R4, &floatValue, &floatDefault);
}

BOOL PX_Double(CXTPPropExchange* pPX, LPCTSTR pszPropName, double& doubleValue)
{
    return pPX->ExchangeProp(pszPropName, VT_R8, &doubleValue, NULL);
}

BOOL PX_Double(CXTPPropExchange* pPX, LPCTSTR pszPropName, double& doubleValue, double doubleDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_R8, &doubleValue, &doubleDefault);
}

BOOL PX_Size(CXTPPropExchange* pPX, LPCTSTR pszPropName, CSize& szValue, CSize szDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_EX_SIZE, &szValue, &szDefault);
}

BOOL PX_Point(CXTPPropExchange* pPX, LPCTSTR pszPropName, CPoint& ptValue, CPoint ptDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_EX_SIZE, &ptValue, &ptDefault);
}

BOOL PX_Rect(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRect& rcValue, CRect rcDefault)
{
    return pPX->ExchangeProp(pszPropName, VT_EX_RECT, &rcValue, &rcDefault);
}

BOOL PX_Enum(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue, int nDefault)
{
    return PX_Int(pPX, pszPropName, nValue, nDefault);
}

BOOL PX_RuntimeClass(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRuntimeClass*& pClass,
                     CRuntimeClass* pDefaultClass)
{
    return pPX->ExchangeRuntimeClass(pszPropName, pClass, pDefaultClass);
}

BOOL PX_Blob(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes)
{
    return pPX->ExchangeBlob(pszPropName, pData, nBytes);
}

BOOL PX_Serialize(CXTPPropExchange* pPX, LPCTSTR pszPropName, CObject* pObject)
{
    CArchive* pArchive = pPX->GetArchive(pszPropName);
    if (pArchive == NULL)
        return FALSE;
    BOOL bSerialized = FALSE;
    try
    {
        pObject->Serialize(*pArchive);
        bSerialized = TRUE;
    }
    catch (CArchiveException* e)
    {
        e->Delete();
    }
    catch (COleException* e)
    {
        e->Delete();
    }
    pPX->ReleaseArchive(pszPropName, pArchive);
    return bSerialized;
}
