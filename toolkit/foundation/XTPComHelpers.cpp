#include "toolkit/foundation/XTPComHelpers.h"

const CLSID CLSID_XTPDOMDocument = {
    0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

CXTPBstr::CXTPBstr(LPCSTR lpsz) : m_bstr(NULL)
{
    int nLength = ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, NULL, 0);
    if (nLength <= 0)
        return;
    m_bstr = ::SysAllocStringLen(NULL, nLength - 1);
    if (m_bstr == NULL)
        AfxThrowMemoryException();
    ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, m_bstr, nLength);
}

CString CXTPBstr::ToString() const
{
    CString strText;
    int nWide = (int)::SysStringLen(m_bstr);
    if (nWide == 0)
        return strText;
    int nLength = ::WideCharToMultiByte(CP_ACP, 0, m_bstr, nWide, NULL, 0, NULL, NULL);
    LPTSTR pszText = strText.GetBuffer(nLength);
    ::WideCharToMultiByte(CP_ACP, 0, m_bstr, nWide, pszText, nLength, NULL, NULL);
    strText.ReleaseBuffer(nLength);
    return strText;
}

CXTPPathVariant::CXTPPathVariant(LPCSTR lpszPath)
{
    ::VariantInit(&m_var);
    CXTPBstr bstrPath(lpszPath);
    V_VT(&m_var) = VT_BSTR;
    V_BSTR(&m_var) = ::SysAllocString(bstrPath);
}

IXMLDOMDocument* XTPCreateXMLDocument()
{
    IXMLDOMDocument* pDocument = NULL;
    if (FAILED(::CoCreateInstance(CLSID_XTPDOMDocument, NULL, CLSCTX_ALL, IID_IXMLDOMDocument,
                                  (void**)&pDocument)))
        return NULL;
    // Loads must be finished when load returns: the result is read right after.
    pDocument->put_async(VARIANT_FALSE);
    return pDocument;
}
