#pragma once
// The settings exchange: every toolkit object names its settings once, with
// their types and defaults, in one DoPropExchange operation; the exchange
// object handed to it decides the direction and where the values live
// (archive, registry, XML document or INI file).
#include "framework/Core.h"

// The toolkit's own value types, next to the standard variant type numbers.
#define VT_EX_RECT 100
#define VT_EX_SIZE 101

class CXTPPropExchangeEnumerator;

class CXTPPropExchange
{
public:
    CXTPPropExchange();
    virtual ~CXTPPropExchange();

    // Exchanges one named value of type vtProp; pvDefault may be NULL (no default).
    virtual BOOL ExchangeProp(LPCTSTR pszPropName, VARTYPE vtProp, void* pvProp, const void* pvDefault) = 0;
    // A binary block; on load a NULL pData receives a malloc'ed buffer.
    virtual BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes);
    virtual BOOL ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass*& pClass,
                                      CRuntimeClass* pDefaultClass);
    virtual BOOL ExchangeObjectInstance(CObject*& pObject, CRuntimeClass* pObjectRuntime);
    virtual CArchive* GetArchive(LPCTSTR pszPropName);
    virtual void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive);
    // A new exchange object for a nested section; the caller deletes it.
    virtual CXTPPropExchange* GetSection(LPCTSTR pszSection) = 0;
    // Whether stored data holds the nested section (loading); the base, whose
    // sections follow each other in one stream, answers TRUE.
    virtual BOOL IsSectionExists(LPCTSTR pszSection);
    virtual void EmptySection();
    virtual void WriteCount(DWORD dwCount);
    virtual DWORD ReadCount();
    virtual void Write(LPCTSTR pszPropName, const void* lpBuf, UINT nCount);
    virtual UINT Read(LPCTSTR pszPropName, void* lpBuf, UINT nCount);
    virtual BOOL IsAllowDefaultValues();
    virtual BOOL IsAllowBlobValues();
    virtual BOOL OnBeforeExchange();
    // A new enumerator for the list pszSection; the caller deletes it.
    virtual CXTPPropExchangeEnumerator* GetEnumerator(LPCTSTR pszSection);

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    UINT GetSchema() const { return m_nSchema; }
    BOOL IsRootSection() const { return !m_bChildSection; }
    void UseDefaultOnLoad(BOOL bUseDefaultOnLoad) { m_bUseDefaultOnLoad = bUseDefaultOnLoad; }
    void InitSection(CXTPPropExchange* pParent);
    void ExchangeSchema();

    static UINT GetSizeOfVarType(VARTYPE vtProp);
    static BOOL IsSamePropValue(VARTYPE vtProp, const void* pv1, const void* pv2);
    static BOOL CopyPropValue(VARTYPE vtProp, void* pvDest, const void* pvSrc);
    // Escapes a text for the text stores (bLoading FALSE) or reverses it.
    static void PreformatString(CString& strValue, BOOL bLoading);
    // The letter-pair text of a binary block: two letters A..P per byte, low half first.
    static CString BlobToText(const BYTE* pData, DWORD nBytes);
    // Decodes into pData (nBytes is its size); FALSE for bad text or too small a buffer.
    static BOOL TextToBlob(const CString& strText, BYTE*& pData, DWORD& nBytes);
    static CRuntimeClass* FindRuntimeClass(LPCSTR lpszClassName);

public:
    DWORD_PTR m_dwData; // free for the caller; 0 unless set

protected:
    // Converts between a value and its text form; FALSE when the type has none.
    BOOL ExchangePropStringHelper(CString& strValue, VARTYPE vtProp, void* pvProp, const void* pvDefault);

protected:
    BOOL m_bLoading;
    UINT m_nSchema;
    BOOL m_bChildSection;
    BOOL m_bEmptySection;
    BOOL m_bInitialized;
    BOOL m_bUseDefaultOnLoad;
};

// Walks a list of item sections: GetPosition with the item count (storing)
// or any count (loading), then GetNext until the position is NULL.
// A list of item sections named by the list's name and their index
// ("Control0", "Control1", ...) after a count. Loading reads the items the
// data holds and stops at the first one missing: a count never makes
// what the data does not hold.
class CXTPPropExchangeEnumerator
{
public:
    CXTPPropExchangeEnumerator(CXTPPropExchange* pContainer, LPCTSTR pszSection);
    virtual ~CXTPPropExchangeEnumerator();

    virtual POSITION GetPosition(DWORD dwCount = 0, BOOL bCompactMode = TRUE);
    virtual CXTPPropExchange* GetNext(POSITION& pos);

private:
    CString ItemName(DWORD nIndex) const;
    // The position of item nIndex, or NULL past the count or, loading, when
    // the data lacks it.
    POSITION PositionOf(DWORD nIndex) const;

protected:
    CXTPPropExchange* m_pContainer;
    CString m_strSectionName;
    DWORD m_nCount;
};

// Deletes the enumerator it holds when it goes out of scope.
class CXTPPropExchangeEnumeratorPtr
{
public:
    explicit CXTPPropExchangeEnumeratorPtr(CXTPPropExchangeEnumerator* p) : m_p(p) {}
    ~CXTPPropExchangeEnumeratorPtr() { delete m_p; }
    CXTPPropExchangeEnumerator* operator->() const { return m_p; }
    operator CXTPPropExchangeEnumerator*() const { return m_p; }

private:
    CXTPPropExchangeEnumeratorPtr(const CXTPPropExchangeEnumeratorPtr&);
    void operator=(const CXTPPropExchangeEnumeratorPtr&);
    CXTPPropExchangeEnumerator* m_p;
};

// Deletes the section it holds when it goes out of scope, also when an
// exchange inside it throws:
//     CXTPPropExchangeSectionPtr pSection(pPX->GetSection("Controls"));
//     m_pControls->DoPropExchange(pSection);
class CXTPPropExchangeSectionPtr
{
public:
    explicit CXTPPropExchangeSectionPtr(CXTPPropExchange* p) : m_p(p) {}
    ~CXTPPropExchangeSectionPtr() { delete m_p; }
    CXTPPropExchange* operator->() const { return m_p; }
    operator CXTPPropExchange*() const { return m_p; }

private:
    CXTPPropExchangeSectionPtr(const CXTPPropExchangeSectionPtr&);
    void operator=(const CXTPPropExchangeSectionPtr&);
    CXTPPropExchange* m_p;
};

BOOL PX_Byte(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE& nValue, BYTE nDefault);
BOOL PX_Short(CXTPPropExchange* pPX, LPCTSTR pszPropName, short& sValue);
BOOL PX_Short(CXTPPropExchange* pPX, LPCTSTR pszPropName, short& sValue, short sDefault);
BOOL PX_UShort(CXTPPropExchange* pPX, LPCTSTR pszPropName, USHORT& usValue);
BOOL PX_UShort(CXTPPropExchange* pPX, LPCTSTR pszPropName, USHORT& usValue, USHORT usDefault);
BOOL PX_Long(CXTPPropExchange* pPX, LPCTSTR pszPropName, long& lValue);
BOOL PX_Long(CXTPPropExchange* pPX, LPCTSTR pszPropName, long& lValue, long lDefault);
BOOL PX_DWord(CXTPPropExchange* pPX, LPCTSTR pszPropName, DWORD& dwValue, DWORD dwDefault);
BOOL PX_Int(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue);
BOOL PX_Int(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue, int nDefault);
BOOL PX_UInt(CXTPPropExchange* pPX, LPCTSTR pszPropName, UINT& nValue);
BOOL PX_UInt(CXTPPropExchange* pPX, LPCTSTR pszPropName, UINT& nValue, UINT nDefault);
BOOL PX_Bool(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue);
BOOL PX_Bool(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue, BOOL bDefault);
BOOL PX_String(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue);
BOOL PX_String(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue, LPCTSTR lpszDefault);
BOOL PX_Float(CXTPPropExchange* pPX, LPCTSTR pszPropName, float& floatValue);
BOOL PX_Float(CXTPPropExchange* pPX, LPCTSTR pszPropName, float& floatValue, float floatDefault);
BOOL PX_Double(CXTPPropExchange* pPX, LPCTSTR pszPropName, double& doubleValue);
BOOL PX_Double(CXTPPropExchange* pPX, LPCTSTR pszPropName, double& doubleValue, double doubleDefault);
BOOL PX_Size(CXTPPropExchange* pPX, LPCTSTR pszPropName, CSize& szValue, CSize szDefault);
BOOL PX_Point(CXTPPropExchange* pPX, LPCTSTR pszPropName, CPoint& ptValue, CPoint ptDefault);
BOOL PX_Rect(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRect& rcValue, CRect rcDefault);
BOOL PX_Enum(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue, int nDefault);
BOOL PX_RuntimeClass(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRuntimeClass*& pClass,
                     CRuntimeClass* pDefaultClass);
BOOL PX_Blob(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes);
BOOL PX_Serialize(CXTPPropExchange* pPX, LPCTSTR pszPropName, CObject* pObject);
