#include "toolkit/foundation/XTPResourceManagerXml.h"

// COM is initialised before the base class is built, and stays so for the
// manager's life: every lookup creates a document.
CXTPResourceManagerXml::CXTPResourceManagerXml(LPCTSTR pszFileName)
    : CXTPResourceManagerIni((::OleInitialize(NULL), pszFileName))
{
    m_bValid = LoadDocument(pszFileName, TRUE) != NULL;
}

CXTPResourceManagerXml::~CXTPResourceManagerXml()
{
    ::OleUninitialize();
}

CXTPComPtr<IXMLDOMDocument> CXTPResourceManagerXml::LoadDocument(LPCTSTR pszFileName, BOOL bCheckRoot)
{
    CXTPComPtr<IXMLDOMDocument> document;
    IXMLDOMDocument* pCreated = XTPCreateXMLDocument();
    if (pCreated == NULL)
        return document;
    document = pCreated;
    pCreated->Release();

    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    if (FAILED(document->load(CXTPPathVariant(pszFileName), &bLoaded)) || bLoaded != VARIANT_TRUE)
        return CXTPComPtr<IXMLDOMDocument>();
    if (!bCheckRoot)
        return document;

    CXTPComPtr<IXMLDOMElement> root;
    CXTPBstr bstrName;
    if (FAILED(document->get_documentElement(root.Receive())) || root == NULL
        || FAILED(root->get_nodeName(bstrName.Receive())) || bstrName.ToString() != "Resources")
        return CXTPComPtr<IXMLDOMDocument>();
    return document;
}

BOOL CXTPResourceManagerXml::GetResourceText(CString& strText, UINT nID, LPCTSTR pszType)
{
    CXTPComPtr<IXMLDOMDocument> document = LoadDocument(m_strFileName, FALSE);
    CXTPComPtr<IXMLDOMElement> root;
    if (document == NULL || FAILED(document->get_documentElement(root.Receive())) || root == NULL)
        return FALSE;

    CString strQuery;
    strQuery.Format("Resource[@id = \"%i\" and @type = \"%s\"]", (int)nID, pszType);
    CXTPComPtr<IXMLDOMNode> node;
    CXTPComPtr<IXMLDOMElement> element;
    if (FAILED(root->selectSingleNode(CXTPBstr(strQuery), node.Receive())) || node == NULL)
        return FALSE;
    element.QueryFrom((IXMLDOMNode*)node, IID_IXMLDOMElement);
    VARIANT value;
    ::VariantInit(&value);
    if (element == NULL || element->getAttribute(CXTPBstr("value"), &value) != S_OK
        || V_VT(&value) != VT_BSTR)
    {
        ::VariantClear(&value);
        return FALSE;
    }
    CXTPBstr bstrValue(V_BSTR(&value));
    ::VariantClear(&value);
    // An empty value counts as missing, as in the INI form.
    CString strValue = bstrValue.ToString();
    if (strValue.IsEmpty())
        return FALSE;
    ExpandEscapes(strValue);
    strText = strValue;
    return TRUE;
}
